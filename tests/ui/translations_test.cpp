// The translations of the windows: every language's Qt Linguist file translates every text of
// the program, keeps its place markers (%1 ..) and its closing TAB or line end, and its built
// .qm file loads; the core's error texts are marked for translation word for word; the help
// page follows the language; the desktop's language is read from LC_ALL, LC_MESSAGES and LANG
// in that order.
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <fstream>

#include "files/error_messages.h"
#include "ui/error_box.h"
#include "ui/ts_file.h"
#include "ui/ui_support.h"
#include "ui/window_language.h"

using namespace kelmo;
using namespace kelmo::ui;

namespace {

QSet<QString> placeMarkers(const QString& text) {
    QSet<QString> markers;
    static const QRegularExpression marker(QStringLiteral("%L?\\d"));
    for (const QRegularExpressionMatch& m : marker.globalMatch(text)) markers.insert(m.captured());
    return markers;
}

}  // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void everyTextOfEveryLanguageIsTranslated() {
        const std::vector<test::TsMessage> english = test::readTsFile(test::tsPath("fr"));
        QVERIFY(english.size() > 250);
        for (const LanguageFacts& facts : kLanguages) {
            if (facts.language == Language::english) continue;
            const QByteArray code(facts.code.data(), static_cast<qsizetype>(facts.code.size()));
            const std::vector<test::TsMessage> messages = test::readTsFile(test::tsPath(code));
            QCOMPARE(messages.size(), english.size());  // the same sources in every file
            for (const test::TsMessage& m : messages) {
                const QString where = code + ": " + m.context + ": " + m.source;
                QVERIFY2(m.type.isEmpty() && !m.translation.trimmed().isEmpty(), qPrintable(where));
                QVERIFY2(placeMarkers(m.translation) == placeMarkers(m.source), qPrintable(where));
                for (const QString& end : {QStringLiteral("\t"), QStringLiteral("\t\n")})
                    QVERIFY2(m.source.endsWith(end) == m.translation.endsWith(end),
                             qPrintable(where));
            }
            QTranslator translator;
            const std::string file = translationFile(facts.language);
            QVERIFY2(!file.empty(), code.constData());
            QVERIFY2(translator.load(QString::fromStdString(file)), code.constData());
            QVERIFY2(!translator.isEmpty(), code.constData());
        }
    }

    // Without a translation the windows show the core's own error texts, byte for byte.
    void errorTextsAreTheCoresWithoutATranslation() {
        for (int code = 0; code < 1000; ++code)
            QCOMPARE(errorTextOf(code).toStdString(), std::string(errorMessage(code)));
    }

    // The help page of the installed language where there is one, else the English page.
    void theHelpPageIsTheLanguagesWhereThereIsOne() {
        const test::ProgramDirectory dir;
        for (const char* page : {"Kelmo.html", "Kelmo_ar.html"}) std::ofstream(dir.path(page));
        installLanguage(Language::arabic);
        QVERIFY(helpPagePath().ends_with("/Kelmo_ar.html"));
        installLanguage(Language::turkish);
        QVERIFY(helpPagePath().ends_with("/Kelmo.html"));
        installLanguage(Language::english);
    }

    void theDesktopsLanguageIsTheFirstVariableSet() {
        struct Row {
            const char *lcAll, *lcMessages, *lang;
            Language expected;
        };
        const Row rows[] = {
            {nullptr, nullptr, "ar_SA.UTF-8", Language::arabic},
            {"", "tr_TR.UTF-8", "ar_SA.UTF-8", Language::turkish},
            {"de_DE@euro", "tr_TR.UTF-8", "ar_SA.UTF-8", Language::german},
            {"C", "tr_TR.UTF-8", "ar_SA.UTF-8", Language::english},  // LC_ALL decides
            {nullptr, "es_ES.UTF-8", "fa_IR", Language::english},
            {nullptr, nullptr, nullptr, Language::english},
        };
        for (const Row& r : rows)
            QCOMPARE(systemLanguage(r.lcAll, r.lcMessages, r.lang), r.expected);
    }
};

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
