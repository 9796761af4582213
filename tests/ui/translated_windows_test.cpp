// The windows in other languages. A pseudo-translation made here from the Qt Linguist sources
// (every text 40 % longer; no language of the program) must leave no text cut in the main
// window, the Location, Configuration and Date dialogs and the alert: each label's, button's
// and group title's size hint fits its size, and the window is no wider than the screen; so
// must every language's own texts. Arabic lays
// them out mirrored and Turkish from left to right, both with the texts of their .ts files;
// pictures of the windows in Arabic, Urdu, Turkish and Indonesian go to "screenshots/" of the
// build tree.
#include <QAbstractButton>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QTest>
#include <QTranslator>
#include <cmath>
#include <memory>

#include "base/angles.h"
#include "hijri/hijri_date.h"
#include "ui/athan.h"
#include "ui/cfg_dlg.h"
#include "ui/date_dlg.h"
#include "ui/fake_services.h"
#include "ui/kelmo_dlg.h"
#include "ui/loc_dlg.h"
#include "ui/timer_fakes.h"
#include "ui/today_panel.h"
#include "ui/ts_file.h"
#include "ui/ui_support.h"
#include "ui/window_language.h"

using namespace kelmo;
using namespace kelmo::ui;

namespace {

constexpr double kLonger = 0.4;
constexpr double kMaghrib = 17.5 * kPi / 12.0;  // 17:30, radians of the day

// Every source text of the .ts files, 40 % longer: letters of the text itself put in before
// its closing blanks, so that place markers, accelerators and line ends stay as they are.
class PseudoTranslator final : public QTranslator {
  public:
    PseudoTranslator() {
        for (const test::TsMessage& m : test::readTsFile(test::tsPath("fr")))
            texts_.insert(m.context + '\x04' + m.source, longer(m.source));
    }
    bool isEmpty() const override { return texts_.isEmpty(); }
    QString translate(const char* context, const char* source, const char*, int) const override {
        return texts_.value(QString::fromUtf8(context) + '\x04' + QString::fromUtf8(source));
    }

  private:
    static QString longer(const QString& text) {
        QString letters;
        for (QChar c : text)
            if (c.isLetter()) letters += c;
        if (letters.isEmpty()) return text;
        const auto extra = static_cast<qsizetype>(std::ceil(text.size() * kLonger));
        QString filler;
        while (filler.size() < extra) filler += letters;
        qsizetype end = text.size();
        while (end > 0 && text[end - 1].isSpace()) --end;
        return text.left(end) + filler.left(extra) + text.mid(end);
    }
    QHash<QString, QString> texts_;
};

// The texts of a window that do not fit their controls.
QStringList cutTexts(const QWidget& window) {
    QStringList cut;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window)) continue;
        QString text;
        int needed = 0;
        if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
            text = group->title();
            needed = QFontMetrics(group->font()).horizontalAdvance(text);
        } else if (const auto* label = qobject_cast<const QLabel*>(w)) {
            text = label->wordWrap() ? QString() : label->text();
            needed = label->sizeHint().width();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            text = button->text();
            needed = button->sizeHint().width();
        }
        if (!text.isEmpty() && needed > w->width())
            cut << QStringLiteral("%1 (%2 > %3)").arg(text).arg(needed).arg(w->width());
    }
    return cut;
}

}  // namespace

class TranslatedWindowsTest : public QObject {
    Q_OBJECT

    test::FakeServices fakes_;
    std::unique_ptr<test::ProgramDirectory> dir_;
    test::FakeSoundPlayer sound_;
    Location home_ = test::manama();
    Location current_ = test::manama();
    Config config_;
    CalendarDate date_;

    // Runs check on each of the five windows, shown.
    template <typename Check>
    void forEachWindow(Check check) {
        CKelmoDlg main(home_, current_, config_, date_, fakes_.services);
        LocDlg location(home_, current_, fakes_.services);
        CfgDlg configuration(config_, fakes_.services);
        DateDlg date(date_, config_, current_, fakes_.messages);
        Athan alert(config_, current_, date_, 3, kMaghrib, sound_);
        alert.start();
        const std::pair<QWidget*, const char*> windows[] = {{&main, "main"},
                                                            {&location, "location"},
                                                            {&configuration, "configuration"},
                                                            {&date, "date"},
                                                            {&alert, "alert"}};
        for (const auto& [window, name] : windows) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            check(*window, QString::fromLatin1(name));
        }
    }

    void verifyNothingCut(const QString& language) {
        forEachWindow([&language](QWidget& window, const QString& name) {
            const QStringList cut = cutTexts(window);
            const int screenWidth = QGuiApplication::primaryScreen()->availableGeometry().width();
            QVERIFY2(window.width() <= screenWidth, qPrintable(language + ' ' + name));
            QVERIFY2(cut.isEmpty(), qPrintable(language + ' ' + name + ": " + cut.join(", ")));
        });
    }

  private Q_SLOTS:
    void init() {
        dir_ = std::make_unique<test::ProgramDirectory>();
        test::writeDummySound(dir_->path("Athan.wav"));
        config_ = Config{};
        date_ = CalendarDate{};
        date_.year = 2024;
        date_.month = 3;
        date_.day = 11;
        hijriFromDate(date_, current_, config_);
    }
    void cleanup() { installLanguage(Language::english); }

    void textsFortyPercentLongerAreNotCut() {
        PseudoTranslator pseudo;
        QVERIFY(!pseudo.isEmpty());
        QCoreApplication::installTranslator(&pseudo);
        verifyNothingCut(QStringLiteral("pseudo"));
        QCoreApplication::removeTranslator(&pseudo);
    }

    // Arabic: mirrored (the first column of buttons at the right, the list of places at the
    // right of its fields), the texts of kelmo_ar.ts, nothing cut.
    void arabicIsMirrored() {
        installLanguage(Language::arabic);
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
        const std::vector<test::TsMessage> arabic = test::readTsFile(test::tsPath("ar"));
        CKelmoDlg main(home_, current_, config_, date_, fakes_.services);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QWidget* date = controlById(&main, mainwin::kDate);
        QVERIFY(date->x() > controlById(&main, mainwin::kConfiguration)->x());
        QVERIFY(main.today().mapTo(&main, QPoint()).x() < date->mapTo(&main, QPoint()).x());
        QCOMPARE(control<QAbstractButton>(&main, mainwin::kDate)->text(),
                 test::translationOf(arabic, "kelmo::ui::CKelmoDlg", "Date"));
        LocDlg location(home_, current_, fakes_.services);
        QVERIFY(location.findChild<QListWidget*>()->x() > controlById(&location, loc::kName)->x());
    }

    void turkishReadsFromLeftToRight() {
        installLanguage(Language::turkish);
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
        const std::vector<test::TsMessage> turkish = test::readTsFile(test::tsPath("tr"));
        CfgDlg configuration(config_, fakes_.services);
        QVERIFY(controlById(&configuration, cfg::kOk)->x() >
                controlById(&configuration, cfg::kCancel)->x());
        QCOMPARE(control<QAbstractButton>(&configuration, cfg::kOk)->text(),
                 test::translationOf(turkish, "kelmo::ui::CfgDlg", "OK"));
    }

    void noTextIsCutInAnyLanguage() {
        for (const LanguageFacts& facts : kLanguages) {
            installLanguage(facts.language);
            verifyNothingCut(QString::fromLatin1(facts.code.data(), 2));
        }
    }

    void screenshotsInFourLanguages() {
        for (const Language language :
             {Language::arabic, Language::urdu, Language::turkish, Language::indonesian}) {
            installLanguage(language);
            const QString code = QString::fromLatin1(factsOf(language).code.data(), 2);
            forEachWindow([&code](QWidget& window, const QString& name) {
                QVERIFY(test::saveScreenshot(window.grab().toImage(), name + '_' + code));
            });
        }
    }
};

QTEST_MAIN(TranslatedWindowsTest)
#include "translated_windows_test.moc"
