#include "ui/window_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "platform/user_folders.h"
#include "ui/help_window.h"

namespace kelmo::ui {

namespace {

constexpr const char* kTranslationFolder = "translations";
constexpr const char* kInstalledFolder = "/../share/kelmotimes/translations";

Language installed = Language::english;

QString codeOf(Language language) {
    const std::string_view code = factsOf(language).code;
    return QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()));
}

// The translators in use, replaced at each installation.
std::unique_ptr<QTranslator>& programTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}
std::unique_ptr<QTranslator>& qtTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

void replace(std::unique_ptr<QTranslator>& slot, std::unique_ptr<QTranslator> next) {
    if (slot) QCoreApplication::removeTranslator(slot.get());
    slot = std::move(next);
    if (slot) QCoreApplication::installTranslator(slot.get());
}

// A translator of file, or none when it cannot be loaded.
std::unique_ptr<QTranslator> loaded(const QString& file) {
    auto translator = std::make_unique<QTranslator>();
    if (file.isEmpty() || !translator->load(file)) return nullptr;
    return translator;
}

}  // namespace

Language systemLanguage(const char* lcAll, const char* lcMessages, const char* lang) {
    for (const char* value : {lcAll, lcMessages, lang}) {
        if (value == nullptr || *value == '\0') continue;
        return languageOfCode(value).value_or(Language::english);
    }
    return Language::english;
}

Language windowLanguage(std::optional<Language> configured) {
    if (configured) return *configured;
    return systemLanguage(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}

std::string translationFile(Language language) {
    const QString name = QStringLiteral("kelmo_%1.qm").arg(codeOf(language));
    const QString programDir = QCoreApplication::applicationDirPath();
    for (const QString& folder :
         {programDir + '/' + kTranslationFolder, programDir + kInstalledFolder}) {
        const QFileInfo file(QDir(folder), name);
        if (file.isFile()) return QFile::encodeName(file.canonicalFilePath()).toStdString();
    }
    return {};
}

bool installLanguage(Language language) {
    installed = language;
    const QString code = codeOf(language);
    QLocale::setDefault(QLocale(code));
    QGuiApplication::setLayoutDirection(factsOf(language).rightToLeft ? Qt::RightToLeft
                                                                      : Qt::LeftToRight);
    if (language == Language::english) {
        replace(programTranslator(), nullptr);
        replace(qtTranslator(), nullptr);
        return true;
    }
    replace(qtTranslator(), loaded(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                                   QStringLiteral("/qtbase_") + code));
    std::unique_ptr<QTranslator> program =
        loaded(QFile::decodeName(QByteArray::fromStdString(translationFile(language))));
    const bool found = program != nullptr;
    replace(programTranslator(), std::move(program));
    return found;
}

Language installedLanguage() {
    return installed;
}

std::string helpPagePath() {
    if (installed != Language::english) {
        const std::string code(factsOf(installed).code);
        const std::string translated = platform::dataFilePath("Kelmo_" + code + ".html");
        std::error_code error;
        if (std::filesystem::is_regular_file(translated, error)) return translated;
    }
    return platform::dataFilePath(kHelpFileName);
}

}  // namespace kelmo::ui
