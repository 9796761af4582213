#include "ui/language_list.h"

#include <QComboBox>
#include <QCoreApplication>

namespace kelmo::ui {

namespace {

constexpr int kSystemEntry = 0;  // the entries after it follow kLanguages

}  // namespace

void fillLanguageList(QComboBox* list, std::optional<Language> chosen) {
    list->addItem(QCoreApplication::translate("kelmo::ui::CfgDlg", "System"));
    for (const LanguageFacts& facts : kLanguages) {
        list->addItem(
            QString::fromUtf8(facts.ownName.data(), static_cast<qsizetype>(facts.ownName.size())));
    }
    list->setCurrentIndex(chosen ? static_cast<int>(*chosen) + 1 : kSystemEntry);
}

std::optional<Language> selectedLanguage(const QComboBox* list) {
    const int index = list->currentIndex();
    if (index <= kSystemEntry || index > static_cast<int>(kLanguages.size())) return std::nullopt;
    return kLanguages[static_cast<std::size_t>(index - 1)].language;
}

}  // namespace kelmo::ui
