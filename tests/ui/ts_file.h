// The messages of a Qt Linguist file (translations/kelmo_<code>.ts) read with Qt's XML
// reader: the reference the translation tests compare the program's windows and files with.
#pragma once

#include <QFile>
#include <QString>
#include <QXmlStreamReader>
#include <vector>

namespace kelmo::test {

struct TsMessage {
    QString context;
    QString source;
    QString translation;
    QString type;  // "unfinished", "vanished", "obsolete" or empty for a finished one
};

inline std::vector<TsMessage> readTsFile(const QString& path) {
    std::vector<TsMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            messages.push_back({context, {}, {}, {}});
        } else if (xml.name() == u"source" && !messages.empty()) {
            messages.back().source = xml.readElementText();
        } else if (xml.name() == u"translation" && !messages.empty()) {
            messages.back().type = xml.attributes().value(QStringLiteral("type")).toString();
            messages.back().translation = xml.readElementText();
        }
    }
    return messages;
}

inline QString tsPath(const char* code) {
    return QStringLiteral(KELMO_TRANSLATIONS_DIR "/kelmo_%1.ts").arg(QLatin1String(code));
}

// The translation of (context, source) in a file's messages, or source when it has none.
inline QString translationOf(const std::vector<TsMessage>& messages, const QString& context,
                             const QString& source) {
    for (const TsMessage& m : messages) {
        if (m.context == context && m.source == source && m.type.isEmpty() &&
            !m.translation.isEmpty())
            return m.translation;
    }
    return source;
}

}  // namespace kelmo::test
