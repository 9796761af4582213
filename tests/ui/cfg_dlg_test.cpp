// The Configuration dialog driven through its widgets, with fake platform services and a
// Kelmo.cfg in a temporary program directory.
#include <QCheckBox>
#include <QLabel>
#include <QTest>
#include <fstream>

#include "files/settings/config_file.h"
#include "prayer/calculation_methods.h"
#include "ui/cfg_dlg.h"
#include "ui/fake_services.h"
#include "ui/program_file.h"
#include "ui/register_autostart.h"
#include "ui/text_edge.h"
#include "ui/ui_support.h"

using namespace kelmo;
using namespace kelmo::ui;
using kelmo::test::click;
using kelmo::test::type;

class CfgDlgTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::ProgramDirectory> dir_;
    std::unique_ptr<test::FakeServices> fakes_;
    Config config_;

    void check(const CfgDlg& dialog, int id, bool on) {
        if (control<QCheckBox>(&dialog, id)->isChecked() != on) click(&dialog, id);
    }
    // Writes a file beside the program and returns its name.
    std::string soundBesideProgram(const std::string& name) {
        std::ofstream(dir_->path(name)) << "RIFF";
        return name;
    }
    Config stored() {
        Location home;
        Config config;
        loadConfig(home, config);
        return config;
    }

  private Q_SLOTS:
    void init() {
        dir_ = std::make_unique<test::ProgramDirectory>();
        QCOMPARE(dir_->created(), 0);
        fakes_ = std::make_unique<test::FakeServices>();
        config_ = stored();
    }

    void anglesAreSplitIntoDegreesAndMinutes() {
        config_.fajrAngle = -13.5f;
        config_.imsakAngle = -16.0f;
        config_.moonVisibilityLimit = 15.0f;
        CfgDlg dialog(config_, fakes_->services);
        QCOMPARE(test::editOf(&dialog, cfg::kFajrDegrees)->text(), QString("-13"));
        QCOMPARE(test::editOf(&dialog, cfg::kFajrMinutes)->text(), QString("30"));
        QCOMPARE(test::editOf(&dialog, cfg::kImsakDegrees)->text(), QString("-16"));
        QCOMPARE(test::editOf(&dialog, cfg::kImsakMinutes)->text(), QString("0"));
        QCOMPARE(test::editOf(&dialog, cfg::kVisibilityDegrees)->text(), QString("15"));
        QCOMPARE(test::listOf(&dialog, cfg::kFiqh)->currentText(), QString("Jafari"));
        QCOMPARE(test::listOf(&dialog, cfg::kRule)->count(), 10);
        QCOMPARE(test::listOf(&dialog, cfg::kRule)->itemText(9),
                 QString("n minutes for Fajr&Isha prayers"));
    }

    void okJoinsTheAnglesAndSavesBeforeChangingTheApplication() {
        CfgDlg dialog(config_, fakes_->services);
        dialog.show();
        type(&dialog, cfg::kImsakDegrees, "-17");
        type(&dialog, cfg::kImsakMinutes, "15");
        type(&dialog, cfg::kIshaDegrees, "-18");
        type(&dialog, cfg::kIshaMinutes, "30");
        type(&dialog, cfg::kVisibilityDegrees, "10");
        type(&dialog, cfg::kVisibilityMinutes, "30");
        type(&dialog, cfg::kCorrection, "600");
        test::listOf(&dialog, cfg::kRule)->setCurrentIndex(9);
        click(&dialog, cfg::kOk);
        QVERIFY(fakes_->messages.shown.empty());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(config_.imsakAngle, -17.25f);
        QCOMPARE(config_.ishaAngle, -18.5f);
        QCOMPARE(config_.moonVisibilityLimit, 10.5f);
        QCOMPARE(config_.correctionSeconds, 600);
        QCOMPARE(config_.highLatitudeRule, 9);
        const Config file = stored();
        QCOMPARE(file.imsakAngle, -17.25f);
        QCOMPARE(file.correctionSeconds, 600);
        QCOMPARE(file.highLatitudeRule, 9);
        // Nothing to start: the Notifier and sound switches did not change.
        QVERIFY(fakes_->programs.started.empty());
        QCOMPARE(fakes_->autostart.removed, 1);
    }

    // "System", then the languages by their own names; a new choice is stored, kept in
    // Kelmo.cfg and said to take effect at the next start; "System" stores none.
    void theLanguageListStoresTheChoice() {
        CfgDlg dialog(config_, fakes_->services);
        dialog.show();
        QComboBox* languages = test::listOf(&dialog, cfg::kLanguage);
        QCOMPARE(languages->count(), static_cast<int>(kLanguages.size()) + 1);
        QCOMPARE(languages->currentText(), QString("System"));
        QCOMPARE(languages->itemText(static_cast<int>(Language::german) + 1), QString("Deutsch"));
        languages->setCurrentIndex(static_cast<int>(Language::arabic) + 1);
        click(&dialog, cfg::kOk);
        QCOMPARE(config_.language, std::optional(Language::arabic));
        QCOMPARE(stored().language, std::optional(Language::arabic));
        QCOMPARE(fakes_->messages.lastText(),
                 std::string("KelmoTimes speaks the chosen language from its next start."));
        CfgDlg again(config_, fakes_->services);
        QCOMPARE(test::listOf(&again, cfg::kLanguage)->currentIndex(),
                 static_cast<int>(Language::arabic) + 1);
        test::listOf(&again, cfg::kLanguage)->setCurrentIndex(0);
        again.show();
        click(&again, cfg::kOk);
        QCOMPARE(stored().language, std::nullopt);
    }

    void imsakHigherThanFajrIsRefused() {
        CfgDlg dialog(config_, fakes_->services);
        dialog.show();
        type(&dialog, cfg::kImsakDegrees, "-16");
        type(&dialog, cfg::kImsakMinutes, "0");
        type(&dialog, cfg::kFajrDegrees, "-16");
        type(&dialog, cfg::kFajrMinutes, "30");
        const Config before = config_;
        click(&dialog, cfg::kOk);
        QCOMPARE(fakes_->messages.lastText(), std::string("Incorrect Fajr angle!\t"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(config_.imsakAngle, before.imsakAngle);
        QCOMPARE(stored().fajrAngle, before.fajrAngle);
        // Equal angles are accepted.
        type(&dialog, cfg::kImsakMinutes, "30");
        click(&dialog, cfg::kOk);
        QCOMPARE(fakes_->messages.shown.size(), std::size_t(1));
        QCOMPARE(config_.fajrAngle, -16.5f);
    }

    void rangesOfTheFieldCheck() {
        CfgDlg dialog(config_, fakes_->services);
        dialog.show();
        type(&dialog, cfg::kCorrection, "601");
        click(&dialog, cfg::kOk);
        QCOMPARE(fakes_->messages.lastText(), std::string("Enter an integer between 0 and 600."));
        QCOMPARE(dialog.focusWidget(), controlById(&dialog, cfg::kCorrection));
        type(&dialog, cfg::kCorrection, "0");
        type(&dialog, cfg::kImsakDegrees, "-26");
        click(&dialog, cfg::kOk);
        QCOMPARE(fakes_->messages.lastText(), std::string("Enter an integer between -25 and -1."));
        type(&dialog, cfg::kImsakDegrees, "0");
        click(&dialog, cfg::kOk);
        QCOMPARE(fakes_->messages.lastText(), std::string("Enter an integer between -25 and -1."));
        type(&dialog, cfg::kImsakDegrees, "");
        click(&dialog, cfg::kOk);
        QCOMPARE(fakes_->messages.lastText(), std::string("Enter an integer."));
        QVERIFY(dialog.isVisible());
    }

    void jafariWithIshaSoundIsRefusedShafiiAccepted() {
        soundBesideProgram("Athan.wav");
        CfgDlg dialog(config_, fakes_->services);
        dialog.show();
        check(dialog, cfg::kPlay, true);
        check(dialog, cfg::kIsha, true);
        click(&dialog, cfg::kOk);
        QCOMPARE(fakes_->messages.lastText(),
                 std::string("Invalid combination of Fiqh and prayers chosen for sound play!\t"));
        QVERIFY(dialog.isVisible());
        test::listOf(&dialog, cfg::kFiqh)->setCurrentIndex(1);
        click(&dialog, cfg::kOk);
        QCOMPARE(fakes_->messages.shown.size(), std::size_t(1));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(config_.fiqh, 1);
        QCOMPARE(config_.alertFlags & 0xFF, alert::kPlaySound | (alert::kFajrSound << 4));
        // The sound file beside the program is stored with its full path.
        QCOMPARE(config_.soundFile, dir_->path("Athan.wav"));
    }

    // A sound in a folder named with letters beyond ASCII is stored with the system's bytes
    // and shown again as the same letters.
    void soundInAFolderWithNonAsciiLettersKeepsItsPath() {
        dir_ = std::make_unique<test::ProgramDirectory>(QStringLiteral("Jos\u00e9"));
        soundBesideProgram("Athan.wav");
        const QString shown = pathToWidget(dir_->path("Athan.wav"));
        QVERIFY(shown.contains(QStringLiteral("Jos\u00e9/")));
        {
            CfgDlg dialog(config_, fakes_->services);
            dialog.show();
            check(dialog, cfg::kPlay, true);
            check(dialog, cfg::kFajr, true);
            test::editOf(&dialog, cfg::kSoundFile)->setText(shown);  // (QTest types ASCII)
            click(&dialog, cfg::kOk);
            QVERIFY(fakes_->messages.shown.empty());
        }
        QCOMPARE(config_.soundFile, dir_->path("Athan.wav"));
        CfgDlg again(config_, fakes_->services);
        QCOMPARE(test::editOf(&again, cfg::kSoundFile)->text(), shown);
    }

    void soundWithoutAPrayerOrWithoutAFileIsRefused() {
        CfgDlg dialog(config_, fakes_->services);
        dialog.show();
        check(dialog, cfg::kPlay, true);
        click(&dialog, cfg::kOk);
        QCOMPARE(fakes_->messages.lastText(), std::string("No prayer is chosen for sound play!\t"));
        check(dialog, cfg::kFajr, true);
        type(&dialog, cfg::kSoundFile, "missing.wav");
        click(&dialog, cfg::kOk);
        QCOMPARE(fakes_->messages.lastText(), std::string("Could not open sound file!\t"));
        type(&dialog, cfg::kSoundFile, QString::fromStdString(soundBesideProgram("a.wav")));
        check(dialog, cfg::kPlayBefore, true);
        type(&dialog, cfg::kPreSoundFile, "missing.wav");
        click(&dialog, cfg::kOk);
        QCOMPARE(fakes_->messages.lastText(),
                 std::string("Could not open sound file (pre-play sound file)!\t"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(stored().alertFlags, config_.alertFlags);
    }

    void soundOffKeepsThePrayerBitsAndFileNames() {
        config_.alertFlags = alert::kPlaySound | alert::kPreAlertSound | (alert::kFajrSound << 1) |
                             (1 << 8) | alert::kHijriDate;
        config_.soundFile = "/keep/Athan.wav";
        CfgDlg dialog(config_, fakes_->services);
        dialog.show();
        QVERIFY(controlById(&dialog, cfg::kPreSoundFile)->isEnabled());
        check(dialog, cfg::kPlay, false);
        QVERIFY(!controlById(&dialog, cfg::kSoundFile)->isEnabled());
        QVERIFY(!controlById(&dialog, cfg::kPreSoundFile)->isEnabled());
        QVERIFY(!controlById(&dialog, cfg::kPlayBefore)->isEnabled());
        check(dialog, cfg::kDuhr, false);  // not read while the sound is off
        click(&dialog, cfg::kOk);
        QVERIFY(fakes_->messages.shown.empty());
        QCOMPARE(config_.alertFlags, (alert::kFajrSound << 1) | (1 << 8) | alert::kHijriDate);
        QCOMPARE(config_.soundFile, std::string("/keep/Athan.wav"));
    }

    void notifierOnWithoutTimerStartsTheBackgroundProgram() {
        CfgDlg dialog(config_, fakes_->services);
        dialog.show();
        check(dialog, cfg::kNotifier, true);
        click(&dialog, cfg::kOk);
        QCOMPARE(fakes_->programs.started.size(), std::size_t(1));
        QCOMPARE(fakes_->programs.started[0].program, ownProgramFile());
        QCOMPARE(fakes_->programs.started[0].arguments, (std::vector<std::string>{"/t", "0"}));
        QCOMPARE(config_.alertFlags & alert::kNotifier, alert::kNotifier);
        QCOMPARE(fakes_->autostart.written,
                 std::vector<std::string>{autostartCommand(ownProgramFile())});
    }

    void aFailedStartShows505AndStillCloses() {
        fakes_->programs.succeeds = false;
        CfgDlg dialog(config_, fakes_->services);
        dialog.show();
        check(dialog, cfg::kNotifier, true);
        click(&dialog, cfg::kOk);
        QCOMPARE(fakes_->messages.lastText(), std::string("Could not start KelmoTimes!\t"));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(config_.alertFlags & alert::kNotifier, alert::kNotifier);
    }

    void onlyAPrayerBoxChangedStartsNothing() {
        config_.alertFlags = alert::kNotifier;
        CfgDlg dialog(config_, fakes_->services);
        dialog.show();
        check(dialog, cfg::kMaghrib, true);
        click(&dialog, cfg::kOk);
        QVERIFY(fakes_->programs.started.empty());
    }

    void aRunningTimerIsToldToReload() {
        fakes_->timer.running = true;
        fakes_->timer.answer = 0;
        CfgDlg dialog(config_, fakes_->services);
        dialog.show();
        check(dialog, cfg::kNotifier, true);
        click(&dialog, cfg::kOk);
        QCOMPARE(fakes_->timer.sent.size(), std::size_t(1));
        QCOMPARE(fakes_->timer.sent[0].message, 0x401);
        QCOMPARE(fakes_->messages.lastText(),
                 std::string("Could not update the Timer and Notifier process!\t"));
        QVERIFY(fakes_->programs.started.empty());
        QVERIFY(!dialog.isVisible());
    }

    void autostartFailureIsShownAndTheDialogCloses() {
        fakes_->autostart.result = 114;
        CfgDlg dialog(config_, fakes_->services);
        dialog.show();
        click(&dialog, cfg::kOk);
        QVERIFY(fakes_->messages.lastText().rfind("Could not change the autostart folder", 0) == 0);
        QVERIFY(!dialog.isVisible());
    }

    void aFailedSaveChangesNothing() {
        QVERIFY(QFile::remove(QString::fromStdString(configFilePath())));
        CfgDlg dialog(config_, fakes_->services);
        dialog.show();
        type(&dialog, cfg::kDistance, "55");
        click(&dialog, cfg::kOk);
        QCOMPARE(fakes_->messages.lastText(), std::string("Could not open configuration file!\t"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(config_.areaRadius, Config{}.areaRadius);
        QVERIFY(fakes_->autostart.written.empty() && fakes_->autostart.removed == 0);
    }

    void soundFileButtonsUseTheFileChooser() {
        fakes_->files.choice = "/music/call.wav";
        config_.alertFlags = alert::kPlaySound | alert::kPreAlertSound | alert::kFajrSound;
        CfgDlg dialog(config_, fakes_->services);
        dialog.show();
        click(&dialog, cfg::kPreSoundButton);
        QCOMPARE(fakes_->files.asked, std::vector<std::string>{"*.wav"});
        QCOMPARE(test::editOf(&dialog, cfg::kPreSoundFile)->text(), QString("/music/call.wav"));
        fakes_->files.choice.reset();
        click(&dialog, cfg::kSoundButton);
        QCOMPARE(test::editOf(&dialog, cfg::kSoundFile)->text(), QString("Athan.wav"));
    }

    // The report program: a Kelmo.cfg from Windows ("notepad.exe") shows the desktop's default
    // and keeps its word on OK; a typed or chosen program is stored, as is a switch back.
    void reportProgramIsChosenOrTheDesktopsDefault() {
        CfgDlg windows(config_, fakes_->services);
        QCOMPARE(test::listOf(&windows, cfg::kEditor)->currentText(),
                 QString("the desktop's default"));
        click(&windows, cfg::kOk);
        QCOMPARE(stored().editor, std::string("notepad.exe"));
        CfgDlg typed(config_, fakes_->services);
        test::listOf(&typed, cfg::kEditor)->setEditText("  mousepad ");
        click(&typed, cfg::kOk);
        QCOMPARE(config_.editor, std::string("mousepad"));
        QCOMPARE(stored().editor, std::string("mousepad"));
        CfgDlg chosen(config_, fakes_->services);
        QCOMPARE(test::listOf(&chosen, cfg::kEditor)->currentText(), QString("mousepad"));
        fakes_->files.choice = "/opt/my editor/edit";
        click(&chosen, cfg::kEditorButton);
        QCOMPARE(test::listOf(&chosen, cfg::kEditor)->currentText(),
                 QString("/opt/my editor/edit"));
        test::listOf(&chosen, cfg::kEditor)->setCurrentIndex(0);
        click(&chosen, cfg::kOk);
        QCOMPARE(stored().editor, std::string("xdg-open"));
        QCOMPARE(config_.editor, std::string("xdg-open"));
    }

    void enterInAFieldCancels() {
        CfgDlg dialog(config_, fakes_->services);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        type(&dialog, cfg::kDistance, "77");
        QTest::keyClick(test::editOf(&dialog, cfg::kDistance), Qt::Key_Enter);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(config_.areaRadius, Config{}.areaRadius);
        QCOMPARE(stored().areaRadius, Config{}.areaRadius);  // The report program's field too.
        CfgDlg again(config_, fakes_->services);
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QLineEdit* editor = test::listOf(&again, cfg::kEditor)->lineEdit();
        editor->setText("mousepad");
        QTest::keyClick(editor, Qt::Key_Return);
        QVERIFY(!again.isVisible());
        QCOMPARE(stored().editor, Config{}.editor);
    }

    void soundNamesAreLimitedTo80Characters() {
        config_.alertFlags = alert::kPlaySound | alert::kFajrSound;
        config_.soundFile = std::string(100, 'a');
        CfgDlg dialog(config_, fakes_->services);
        dialog.show();
        QLineEdit* edit = test::editOf(&dialog, cfg::kSoundFile);
        // A longer stored name is shown whole; typing cannot lengthen it, only shorten it.
        QCOMPARE(edit->text().size(), 100);
        edit->setCursorPosition(100);
        QTest::keyClicks(edit, "bcd");
        QCOMPARE(edit->text(), QString(100, 'a'));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text().size(), 99);
        click(&dialog, cfg::kOk);
        QCOMPARE(fakes_->messages.lastText(), std::string("Enter no more than 80 characters."));
        QCOMPARE(config_.soundFile, std::string(100, 'a'));
        edit->setText(QString(79, 'c'));
        edit->setCursorPosition(79);
        QTest::keyClicks(edit, "de");
        QCOMPARE(edit->text(), QString(79, 'c') + "d");
    }

    void tooltipsAndDefaultButton() {
        CfgDlg dialog(config_, fakes_->services);
        QCOMPARE(dialog.windowTitle(), QString(" Configuration"));
        QVERIFY(control<QPushButton>(&dialog, cfg::kCancel)->isDefault());
        QCOMPARE(controlById(&dialog, cfg::kRule)->toolTip().replace('\n', ' '),
                 QString("Select from the list the rule to be used at high latitudes. This rule "
                         "is used to calculate alternative prayer times when ordinary times can "
                         "not be caculated"));
        QCOMPARE(controlById(&dialog, cfg::kOk)->toolTip().replace('\n', ' '),
                 QString("Press to confirm the changes."));
    }

    // Choosing a method fills its angles (and a fixed school) and greys them; editing one
    // switches the list to Custom; OK stores the method and the calendar in Kelmo.cfg.
    void methodFillsAndGreysItsFiguresAndAnEditMakesItCustom() {
        CfgDlg dialog(config_, fakes_->services);
        dialog.show();
        QComboBox* methods = test::listOf(&dialog, cfg::kMethod);
        QCOMPARE(methods->currentText(), QString("Custom: the angles of the configuration"));
        QLineEdit* fajrMinutes = test::editOf(&dialog, cfg::kFajrMinutes);
        const QColor black = fajrMinutes->palette().color(QPalette::Text);
        auto choose = [methods](const char* key) {
            methods->setCurrentIndex(*findMethod(key));
            Q_EMIT methods->activated(methods->currentIndex());
        };
        choose("Tehran");
        QCOMPARE(test::editOf(&dialog, cfg::kIshaDegrees)->text() + fajrMinutes->text(), "-1442");
        QCOMPARE(test::listOf(&dialog, cfg::kFiqh)->currentText(), QString("Jafari"));
        QVERIFY(fajrMinutes->palette().color(QPalette::Text) != black);
        QVERIFY(control<QLabel>(&dialog, cfg::kMethodFigures)->text().contains("Maghrib 4.5"));
        QVERIFY(test::saveScreenshot(&dialog, "configuration_method"));

        type(&dialog, cfg::kFajrMinutes, "30");
        QCOMPARE(methods->currentIndex(), kCustomMethod);
        QCOMPARE(fajrMinutes->palette().color(QPalette::Text), black);

        choose("UmmAlQura");
        test::listOf(&dialog, cfg::kCalendar)->setCurrentIndex(1);
        click(&dialog, cfg::kOk);
        QVERIFY(fakes_->messages.shown.empty());
        QCOMPARE(config_.method, *findMethod("UmmAlQura"));
        QCOMPARE(config_.fajrAngle, -18.5f);
        QCOMPARE(stored().method, *findMethod("UmmAlQura"));
        QCOMPARE(stored().hijriCalendar, HijriCalendar::ummAlQura);
    }
};

QTEST_MAIN(CfgDlgTest)
#include "cfg_dlg_test.moc"
