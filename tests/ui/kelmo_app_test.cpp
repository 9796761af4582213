// Start-up of the desktop program: the settings with the offer of the built-in Kelmo.cfg,
// the command line and the choice between the main window and the background Timer.
#include <QComboBox>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <ctime>

#include "files/settings/config_file.h"
#include "ui/fake_services.h"
#include "ui/first_start_dlg.h"
#include "ui/kelmo_app.h"
#include "ui/ui_support.h"
#include "ui/window_language.h"

using namespace kelmo;
using namespace kelmo::ui;

class KelmoAppTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<test::FakeServices> fakes_;
    std::string program_;
    int windowsRun_ = 0;
    int firstStarts_ = 0;
    std::function<void(FirstStartDlg&)> answerFirstStart_;
    int backgroundRuns_ = 0;
    Config seenConfig_;
    Location seenHome_;
    CalendarDate seenDate_;

    std::unique_ptr<CKelmoApp> makeApp() {
        auto app = std::make_unique<CKelmoApp>(fakes_->services, ExtraWindows{},
                                               [this](ApplicationRecords& records) {
                                                   ++backgroundRuns_;
                                                   seenConfig_ = records.config;
                                                   return 1;
                                               });
        app->setRunModal([this, raw = app.get()](QDialog& window) {
            if (auto* first = qobject_cast<FirstStartDlg*>(&window)) {
                ++firstStarts_;
                if (answerFirstStart_) answerFirstStart_(*first);
                return;
            }
            ++windowsRun_;
            QVERIFY(qobject_cast<CKelmoDlg*>(&window));
            seenConfig_ = raw->records()->config;
            seenHome_ = raw->records()->current;
            seenDate_ = raw->records()->date;
        });
        return app;
    }
    int start(const std::string& arguments) {
        auto app = makeApp();
        const int result = app->initInstance("\"" + program_ + "\" " + arguments, arguments);
        if (result == 0) {
            if (app->records() != nullptr) return -1;  // the records must be gone
        }
        return result;
    }
    void writeBuiltInFile() {
        Location home;
        Config config;
        QCOMPARE(createDefaultConfig(home, config, folder_->filePath("Kelmo.cfg").toStdString()),
                 0);
    }

  private Q_SLOTS:
    void initTestCase() {
        qputenv("TZ", "UTC");
        tzset();
    }

    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        fakes_ = std::make_unique<test::FakeServices>();
        program_ = folder_->filePath("Kelmo").toStdString();
        windowsRun_ = backgroundRuns_ = firstStarts_ = 0;
        answerFirstStart_ = nullptr;
    }

    // Without Kelmo.cfg the first start asks for the place (the one of the computer's zone
    // selected) and the school; the main window then runs on them.
    void missingFileAsksTheFirstStartsQuestions() {
        qputenv("TZ", "Europe/Oslo");
        answerFirstStart_ = [](FirstStartDlg& dialog) {
            auto* places = dialog.findChild<QListWidget*>(firststart::kPlaces);
            QCOMPARE(places->currentItem()->text(), QString("Oslo,Norway"));
            dialog.findChild<QComboBox*>(firststart::kSchool)->setCurrentIndex(2);
            dialog.accept();
        };
        QCOMPARE(start(""), 0);
        qputenv("TZ", "UTC");
        QCOMPARE(firstStarts_, 1);
        QVERIFY(fakes_->messages.shown.empty());
        QVERIFY(QFile::exists(folder_->filePath("Kelmo.cfg")));
        QCOMPARE(windowsRun_, 1);
        QCOMPARE(seenHome_.name, std::string("Oslo,Norway"));
        QCOMPARE(seenConfig_.fiqh, 2);
        // Today by the clock (11 March 2024 in UTC) with its Hijri date; 10 degrees, 1010 mbar.
        QCOMPARE(seenDate_.year, 2024);
        QCOMPARE(seenDate_.month, 3);
        QCOMPARE(seenDate_.day, 11.0);
        QCOMPARE(seenDate_.hijriValid, 1);
        QCOMPARE(seenConfig_.temperature, 10);
        QCOMPARE(seenConfig_.pressure, 1010);
    }

    void corruptFileAsksAndCancelEndsWithoutAWindow() {
        QFile corrupt(folder_->filePath("Kelmo.cfg"));
        QVERIFY(corrupt.open(QIODevice::WriteOnly));
        corrupt.write("corrupt\n");
        corrupt.close();
        fakes_->messages.answers = {false};
        QCOMPARE(start(""), 0);
        QCOMPARE(firstStarts_, 0);
        QVERIFY(fakes_->messages.shown[0].question);
        QCOMPARE(windowsRun_, 0);
    }

    void acceptedOptionsAreEchoed() {
        writeBuiltInFile();
        QCOMPARE(start("/f 5 /n 60"), 0);
        QCOMPARE(fakes_->messages.shown.size(), std::size_t(1));
        QCOMPARE(fakes_->messages.shown[0].text,
                 std::string("New value (5) for Max-Acceptable-Error is received\n"
                             "New value (60) for nMinutes rule is received\n"
                             "Number of entered and accepted values is 2 \n"));
        QCOMPARE(windowsRun_, 1);
        QCOMPARE(seenConfig_.maxAcceptableError, 5);
        QCOMPARE(seenConfig_.nMinutes, 60);
    }

    // A language kept in Kelmo.cfg is installed before the main window opens.
    void theConfiguredLanguageIsInstalled() {
        writeBuiltInFile();
        const std::string file = folder_->filePath("Kelmo.cfg").toStdString();
        Location home;
        Config config;
        QCOMPARE(loadConfig(home, config, file), 0);
        config.language = Language::persian;
        QCOMPARE(saveConfig(config, file), 0);
        QCOMPARE(start(""), 0);
        QCOMPARE(installedLanguage(), Language::persian);
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
        installLanguage(Language::english);
    }

    void timerWithoutAlertsEndsSilently() {
        writeBuiltInFile();  // alertFlags 0 in the built-in file
        QCOMPARE(start("/t 0"), 0);
        QVERIFY(fakes_->messages.shown.empty());
        QCOMPARE(windowsRun_, 0);
        QCOMPARE(backgroundRuns_, 0);
    }

    void timerWithAlertsForThisRunStartsTheBackgroundMode() {
        writeBuiltInFile();
        QCOMPARE(start("/t 3"), 1);
        QCOMPARE(backgroundRuns_, 1);
        QCOMPARE(seenConfig_.alertFlags, 3);
        QCOMPARE(seenConfig_.timerMode, 1);
        QCOMPARE(windowsRun_, 0);
        // The file keeps its flags.
        Location home;
        Config stored;
        QCOMPARE(loadConfig(home, stored, folder_->filePath("Kelmo.cfg").toStdString()), 0);
        QCOMPARE(stored.alertFlags, 0);
    }

    void aSecondTimerIsRefusedWith800() {
        writeBuiltInFile();
        fakes_->timer.running = true;
        QCOMPARE(start("/t 3"), 0);
        QCOMPARE(fakes_->messages.lastText(),
                 std::string("Kelmo Timer or Kelmo Notifier is already started!\t"));
        QCOMPARE(backgroundRuns_, 0);
    }

    void aRunningTimerDoesNotStopTheMainWindow() {
        writeBuiltInFile();
        fakes_->timer.running = true;
        QCOMPARE(start("/t word"), 0);  // not a number: ignored, interactive mode
        QCOMPARE(windowsRun_, 1);
        QVERIFY(fakes_->messages.shown.empty());
    }
};

QTEST_MAIN(KelmoAppTest)
#include "kelmo_app_test.moc"
