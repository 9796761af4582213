// The background mode as start-up runs it: "/t 3" runs with Notifier and sound for this run
// only, a second Timer under the same endpoint name is refused with error 800 and leaves the
// first untouched, and the endpoint's messages reach the Timer. Manama's built-in Kelmo.cfg.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <thread>

#include "files/settings/config_file.h"
#include "platform/kelmo_messages.h"
#include "platform/timer_status.h"
#include "platform/unix_timer_client.h"
#include "prayer/next_prayer.h"
#include "ui/background_mode.h"
#include "ui/fake_services.h"
#include "ui/kelmo_app.h"
#include "ui/timer_fakes.h"
#include "ui/ui_support.h"

using namespace kelmo;
using namespace kelmo::ui;

class BackgroundModeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::ProgramDirectory> dir_;
    std::unique_ptr<test::FakeServices> fakes_;
    test::FakeSoundPlayer sound_;
    test::FakeTrayIcon tray_;
    std::unique_ptr<QTemporaryDir> runtime_;  // the runtime folder, mode 0700
    std::string socket_;
    int ended_ = 0;

    std::unique_ptr<BackgroundMode> makeMode() {
        return std::make_unique<BackgroundMode>(
            fakes_->services, sound_, tray_,
            startupSettingsLoader(fakes_->services, dir_->path("Kelmo"), ""), [this] { ++ended_; },
            socket_);
    }
    QByteArray configBytes() const {
        QFile file(QString::fromStdString(dir_->path("Kelmo.cfg")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

  private Q_SLOTS:
    void initTestCase() {
        qputenv("TZ", "UTC");
        tzset();
    }
    void init() {
        dir_ = std::make_unique<test::ProgramDirectory>();
        fakes_ = std::make_unique<test::FakeServices>();  // 2024-03-11 09:00 UT
        runtime_ = std::make_unique<QTemporaryDir>();
        socket_ = runtime_->filePath("KelmoTimer").toStdString();
        ended_ = 0;
    }

    void optionT3RunsWithNotifierAndSoundWithoutChangingTheFile() {
        const QByteArray before = configBytes();
        Location home;
        Config stored;
        QCOMPARE(loadConfig(home, stored, dir_->path("Kelmo.cfg")), 0);
        QCOMPARE(stored.alertFlags & 3, 0);  // the built-in file has both off
        auto mode = makeMode();
        CKelmoApp app(fakes_->services, {},
                      [&mode](ApplicationRecords& records) { return mode->run(records); });
        const std::string program = dir_->path("Kelmo");
        QCOMPARE(app.initInstance("\"" + program + "\" /t 3", "/t 3"), 1);
        QCOMPARE(app.records()->config.alertFlags, 3);
        CKelmoFrm* timer = mode->timer();
        QVERIFY(timer != nullptr);
        QVERIFY(timer->notifier() != nullptr);
        QVERIFY(tray_.isShown());
        QVERIFY(timer->tickActive());
        QCOMPARE(configBytes(), before);
        QVERIFY(fakes_->messages.shown.empty());
    }

    void optionT0WithBothOffEndsSilently() {
        auto mode = makeMode();
        CKelmoApp app(fakes_->services, {},
                      [&mode](ApplicationRecords& records) { return mode->run(records); });
        const std::string program = dir_->path("Kelmo");
        QCOMPARE(app.initInstance("\"" + program + "\" /t 0", "/t 0"), 0);
        QVERIFY(mode->timer() == nullptr);
        QVERIFY(fakes_->messages.shown.empty());
    }

    void secondStartShowsError800AndLeavesTheFirstRunning() {
        ApplicationRecords first;
        first.home = first.current = test::manama();
        first.config.alertFlags = 3;
        first.date.year = 2024;
        first.date.month = 3;
        first.date.day = 11;
        auto running = makeMode();
        QCOMPARE(running->run(first), 1);
        ApplicationRecords second = first;
        auto another = makeMode();
        QCOMPARE(another->run(second), 0);
        QCOMPARE(fakes_->messages.lastText(),
                 std::string("Kelmo Timer or Kelmo Notifier is already started!\t"));
        QVERIFY(another->timer() == nullptr);
        QVERIFY(running->timer()->tickActive());
        QVERIFY(QFile::exists(QString::fromStdString(running->endpoint()->socketPath())));
        // The first still answers, through its endpoint, over a plain Unix socket.
        std::optional<std::string> status;
        std::thread client(
            [&] { status = platform::exchangeTimerLine(socket_, "0x403 0 0\n", 5000); });
        QTRY_VERIFY_WITH_TIMEOUT(status.has_value(), 5000);
        client.join();
        const auto decoded = platform::decodeTimerStatus(*status);
        QVERIFY(decoded.has_value());
        QCOMPARE(decoded->location, std::string("Manama,Bahrain"));
        QCOMPARE(decoded->prayer, std::string(slotPrayerName(running->timer()->nextSlot())));
        std::optional<std::string> quit;
        std::thread quitter(
            [&] { quit = platform::exchangeTimerLine(socket_, "0x402 0 0\n", 5000); });
        QTRY_VERIFY_WITH_TIMEOUT(quit.has_value(), 5000);
        quitter.join();
        QCOMPARE(*quit, std::string("1"));
        QCOMPARE(ended_, 1);
    }

    // A Timer that cannot listen could not be reached, nor keep a second one out: it does not
    // start, and says why.
    void anEndpointThatCannotBeOpenedRefusesToStart() {
        QFile::setPermissions(runtime_->path(), QFile::Permissions(0x7777));  // others write
        ApplicationRecords records;
        records.home = records.current = test::manama();
        records.config.alertFlags = 3;
        auto mode = makeMode();
        QCOMPARE(mode->run(records), 0);
        QVERIFY(mode->timer() == nullptr);
        QCOMPARE(fakes_->messages.shown.size(), std::size_t(1));
        const QString text = QString::fromStdString(fakes_->messages.lastText());
        QVERIFY2(text.contains(runtime_->path()) && text.contains("not started"), qPrintable(text));
    }

    void reloadIsAnsweredBeforeItsMessageBoxAndTheSenderMayLeave() {
        // With Kelmo.cfg moved away the reload's question once came before the answer: the
        // sender waited 30 s, and when it left while the box was open the Timer crashed.
        ApplicationRecords records;
        records.home = records.current = test::manama();
        records.config.alertFlags = 3;
        records.date = {.year = 2024, .month = 3, .day = 11};
        auto mode = makeMode();
        QCOMPARE(mode->run(records), 1);
        const QString file = QString::fromStdString(dir_->path("Kelmo.cfg"));
        QVERIFY(QFile::rename(file, file + ".moved"));
        std::optional<std::string> answer, duringTheBox;
        fakes_->messages.whileOpen = [&] {
            // Open until the sender has its answer and has gone; a second reload meanwhile
            // is answered 0 and opens no second box.
            QTRY_VERIFY_WITH_TIMEOUT(answer.has_value(), 5000);
            std::thread second(
                [&] { duringTheBox = platform::exchangeTimerLine(socket_, "0x401 0 0\n", 3000); });
            QTRY_VERIFY_WITH_TIMEOUT(duringTheBox.has_value(), 5000);
            second.join();
            QTest::qWait(100);
        };
        std::thread client(
            [&] { answer = platform::exchangeTimerLine(socket_, "0x401 0 0\n", 3000); });
        QTRY_VERIFY_WITH_TIMEOUT(answer.has_value() && duringTheBox.has_value(), 8000);
        client.join();
        QCOMPARE(*answer, std::string("0"));
        QCOMPARE(*duringTheBox, std::string("0"));
        QCOMPARE(fakes_->messages.shown.size(), std::size_t(1));
        QCOMPARE(fakes_->messages.shown[0].text,
                 std::string("Could not open configuration file!\t\nDo you want to create new "
                             "configuration file?"));
        // OK wrote the built-in file, and the reload went on with it: its Notifier and sound
        // are off, so the Timer ends.
        QVERIFY(QFile::exists(file));
        QTRY_COMPARE(ended_, 1);
        QCOMPARE(mode->endpoint()->openConnections(), 0);
    }
};

QTEST_MAIN(BackgroundModeTest)
#include "background_mode_test.moc"
