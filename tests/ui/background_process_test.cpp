// Two processes: the desktop program started as the background Timer ("Kelmo /t 0",
// offscreen, in a folder of its own with a temporary Kelmo.cfg and a private temporary
// directory for its endpoint), then driven by "kelmo-cli timer": status, reload, quit; the
// Timer must answer and, after quit or a reload that switches it off, end; a second Timer
// must not disturb it. Every wait is bounded; a Timer left running is killed.
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <signal.h>

#include "base/location.h"
#include "files/settings/config_file.h"
#include "platform/program_starter.h"

using namespace kelmo;

namespace {
constexpr int kStartMs = 15000;
constexpr int kEndMs = 10000;

struct CliRun {
    int status = -1;
    QString out;
    QString err;
};
}  // namespace

class BackgroundProcessTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<QProcess> timer_;
    QProcessEnvironment env_;

    QString builtProgram(const QString& name) const {
        return QCoreApplication::applicationDirPath() + "/" + name;
    }
    void writeConfig(int alertFlags) {
        Location home;
        Config config;
        const std::string path = dir_->filePath("Kelmo.cfg").toStdString();
        if (!QFile::exists(QString::fromStdString(path)))
            QCOMPARE(createDefaultConfig(home, config, path), 0);
        QCOMPARE(loadConfig(home, config, path), 0);
        config.alertFlags = alertFlags;
        QCOMPARE(saveConfig(config, path), 0);
    }
    CliRun cli(const QStringList& arguments) {
        QProcess process;
        process.setProcessEnvironment(env_);
        process.start(builtProgram("kelmo-cli"), arguments);
        CliRun run;
        if (!process.waitForFinished(kEndMs)) {
            process.kill();
            process.waitForFinished();
            return run;
        }
        run.status = process.exitCode();
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }
    // Starts the Timer and waits until it answers.
    bool startTimer() {
        timer_ = std::make_unique<QProcess>();
        timer_->setProcessEnvironment(env_);
        timer_->setProgram(dir_->filePath("Kelmo"));
        timer_->setArguments({"/t", "0"});
        timer_->start();
        if (!timer_->waitForStarted(kStartMs)) return false;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < kStartMs) {
            if (cli({"timer", "status"}).status == 0) return true;
            if (timer_->state() == QProcess::NotRunning) return false;
            QTest::qWait(100);
        }
        return false;
    }

    // Waits until one of the processes has written error 800 to standard error: it found the
    // Timer running and shows the box that nobody closes offscreen.
    static bool waitForError800(QProcess& one, QProcess* other = nullptr) {
        const QByteArray line = "Kelmo: Kelmo Timer or Kelmo Notifier is already started!\n";
        QByteArray said;
        QElapsedTimer clock;
        clock.start();
        while (!said.contains(line) && clock.elapsed() < kStartMs) {
            QTest::qWait(100);
            said += one.readAllStandardError();
            if (other) said += other->readAllStandardError();
        }
        return said.contains(line);
    }

    // The processes that run the copy of the program in the test's folder (a zombie has no
    // executable any more and does not count).
    QList<qint64> runningCopies() const {
        QList<qint64> found;
        const QString copy = QFileInfo(dir_->filePath("Kelmo")).canonicalFilePath();
        for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
            bool number = false;
            const qint64 pid = entry.toLongLong(&number);
            if (number && QFileInfo("/proc/" + entry + "/exe").symLinkTarget() == copy)
                found << pid;
        }
        return found;
    }
    bool copiesEndWithin(int ms) const {
        QElapsedTimer clock;
        clock.start();
        while (!runningCopies().isEmpty()) {
            if (clock.elapsed() > ms) return false;
            QTest::qWait(100);
        }
        return true;
    }
    // Starts "Kelmo /t 0" the way the Configuration dialog does: through the real starter,
    // detached, with this process's environment (the test's folders for the moment).
    bool startThroughTheProgramStarter() {
        std::vector<std::pair<const char*, QByteArray>> saved;
        for (const char* name : {"TMPDIR", "XDG_RUNTIME_DIR"}) {
            saved.emplace_back(name, qgetenv(name));
            qputenv(name, env_.value(name).toLocal8Bit());
        }
        platform::DetachedProgramStarter starter;
        const bool started = starter.start(dir_->filePath("Kelmo").toStdString(), {"/t", "0"});
        for (const auto& [name, value] : saved) {
            if (value.isNull())
                qunsetenv(name);
            else
                qputenv(name, value);
        }
        return started;
    }

  private Q_SLOTS:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        // The Timer finds Kelmo.cfg beside its executable: a copy of the program in the folder.
        QVERIFY(QFile::copy(builtProgram("Kelmo"), dir_->filePath("Kelmo")));
        QVERIFY(QFile::setPermissions(dir_->filePath("Kelmo"),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(QDir(dir_->path()).mkdir("tmp"));
        env_ = QProcessEnvironment::systemEnvironment();
        env_.insert("QT_QPA_PLATFORM", "offscreen");
        env_.insert("TMPDIR", dir_->filePath("tmp"));
        env_.insert("XDG_RUNTIME_DIR", dir_->filePath("tmp"));  // a private endpoint
    }

    void cleanup() {
        for (const qint64 pid : runningCopies()) ::kill(static_cast<pid_t>(pid), SIGKILL);
        if (timer_ && timer_->state() != QProcess::NotRunning) {
            timer_->kill();
            timer_->waitForFinished(kEndMs);
        }
        timer_.reset();
    }

    void statusReloadAndQuitFromTheTerminalTool() {
        writeConfig(alert::kNotifier | alert::kPlaySound | 0x7C);
        QVERIFY(startTimer());
        const CliRun status = cli({"timer", "status"});
        QCOMPARE(status.status, 0);
        const QStringList words = status.out.trimmed().split(' ');
        QCOMPARE(words.size(), 4);
        QVERIFY(QStringList({"Fajr", "Duhr", "Asr", "Maghrib", "Isha"}).contains(words[0]));
        QCOMPARE(words[3], QStringLiteral("Manama,Bahrain"));
        const CliRun json = cli({"timer", "status", "--format", "json"});
        QCOMPARE(json.status, 0);
        QVERIFY(json.out.contains("\"location\":\"Manama,Bahrain\""));

        const CliRun reload = cli({"timer", "reload"});
        QCOMPARE(reload.status, 0);
        QCOMPARE(reload.out, QStringLiteral("1\n"));

        const CliRun quit = cli({"timer", "quit"});
        QCOMPARE(quit.status, 0);
        QCOMPARE(quit.out, QStringLiteral("1\n"));
        QVERIFY(timer_->waitForFinished(kEndMs));
        QCOMPARE(timer_->exitStatus(), QProcess::NormalExit);
        QCOMPARE(timer_->exitCode(), 0);
        // Nobody answers any more, and the socket file has gone with the Timer.
        const CliRun after = cli({"timer", "status"});
        QCOMPARE(after.status, 1);
        QVERIFY(after.err.contains("no Timer is running"));
        QVERIFY(QDir(dir_->filePath("tmp"))
                    .entryList({"KelmoTimer*"}, QDir::System | QDir::Files)
                    .isEmpty());
    }

    void secondTimerLeavesTheFirstAlone() {
        writeConfig(alert::kNotifier);
        QVERIFY(startTimer());
        const CliRun before = cli({"timer", "status"});
        QCOMPARE(before.status, 0);
        // The second shows error 800 in a message box (nobody closes it offscreen).
        QProcess second;
        second.setProcessEnvironment(env_);
        second.start(dir_->filePath("Kelmo"), {"/t", "0"});
        QVERIFY(second.waitForStarted(kStartMs));
        QVERIFY(waitForError800(second));
        const CliRun after = cli({"timer", "status"});
        QCOMPARE(after.status, 0);
        QCOMPARE(after.out, before.out);
        QCOMPARE(timer_->state(), QProcess::Running);
        second.kill();
        second.waitForFinished(kEndMs);
        QCOMPARE(cli({"timer", "quit"}).out, QStringLiteral("1\n"));
        QVERIFY(timer_->waitForFinished(kEndMs));
    }

    // A runtime folder that is a plain file once left each start without its lock: three
    // starts, three Timers, none reachable. The private temporary folder takes its place.
    void anUnusableRuntimeFolderStillMakesOneReachableTimer() {
        QFile plain(dir_->filePath("not-a-folder"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        env_.insert("XDG_RUNTIME_DIR", plain.fileName());
        writeConfig(alert::kNotifier);
        QVERIFY(startTimer());
        QCOMPARE(cli({"timer", "status"}).status, 0);
        QProcess second;
        second.setProcessEnvironment(env_);
        second.start(dir_->filePath("Kelmo"), {"/t", "0"});
        QVERIFY(second.waitForStarted(kStartMs));
        QVERIFY(waitForError800(second));
        second.kill();
        second.waitForFinished(kEndMs);
        QCOMPARE(cli({"timer", "quit"}).out, QStringLiteral("1\n"));
        QVERIFY(timer_->waitForFinished(kEndMs));
    }

    void twoTimersStartedAtOnceMakeOneTimer() {
        // Both once found no Timer and both listened: two alerts at every prayer.
        writeConfig(alert::kNotifier);
        for (int trial = 0; trial < 5; ++trial) {
            QProcess first, second;
            for (QProcess* timer : {&first, &second}) {
                timer->setProcessEnvironment(env_);
                timer->setProgram(dir_->filePath("Kelmo"));
                timer->setArguments({"/t", "0"});
            }
            first.start();
            second.start();
            QVERIFY(first.waitForStarted(kStartMs) && second.waitForStarted(kStartMs));
            // The one that finds the other says so on standard error, then shows error 800 in
            // a box nobody closes offscreen; it is no Timer. (Quitting the Timer before the
            // other has looked would rightly let the other become the Timer.)
            QVERIFY(waitForError800(first, &second));
            QCOMPARE(cli({"timer", "status"}).status, 0);
            QCOMPARE(cli({"timer", "quit"}).out, QStringLiteral("1\n"));
            QTest::qWait(300);
            const int running =
                (first.state() == QProcess::Running) + (second.state() == QProcess::Running);
            QCOMPARE(running, 1);
            const CliRun after = cli({"timer", "status"});
            QCOMPARE(after.status, 1);
            for (QProcess* timer : {&first, &second}) {
                timer->kill();
                timer->waitForFinished(kEndMs);
            }
        }
    }

    void aKilledTimerLeavesNothingThatBlocksTheNext() {
        // Its socket and lock file stay behind; the lock names a process that has ended.
        writeConfig(alert::kNotifier);
        QVERIFY(startTimer());
        timer_->kill();
        QVERIFY(timer_->waitForFinished(kEndMs));
        QVERIFY(QFile::exists(dir_->filePath("tmp/KelmoTimer.lock")));
        QVERIFY(startTimer());
        QCOMPARE(cli({"timer", "quit"}).out, QStringLiteral("1\n"));
        QVERIFY(timer_->waitForFinished(kEndMs));
    }

    void reloadAfterSwitchingBothOffEndsTheTimer() {
        writeConfig(alert::kNotifier);
        QVERIFY(startTimer());
        writeConfig(0);
        const CliRun reload = cli({"timer", "reload"});
        QCOMPARE(reload.status, 0);
        QCOMPARE(reload.out, QStringLiteral("1\n"));
        QVERIFY(timer_->waitForFinished(kEndMs));
        QCOMPARE(timer_->exitCode(), 0);
    }

    void configurationDialogsStarterStartsATimer() {
        writeConfig(alert::kNotifier | alert::kPlaySound | 0x7C);
        QVERIFY(startThroughTheProgramStarter());
        QElapsedTimer clock;
        clock.start();
        CliRun status;
        while (clock.elapsed() < kStartMs && (status = cli({"timer", "status"})).status != 0)
            QTest::qWait(100);
        QCOMPARE(status.status, 0);
        QVERIFY(status.out.contains("Manama,Bahrain"));
        QCOMPARE(runningCopies().size(), 1);  // the Timer alone, no main window beside it
        QCOMPARE(cli({"timer", "quit"}).out, QStringLiteral("1\n"));
        QVERIFY(copiesEndWithin(kEndMs));
    }

    void starterWithBothSwitchesOffOpensNoWindow() {
        writeConfig(0);
        QVERIFY(startThroughTheProgramStarter());
        // "/t 0" with nothing to do ends at once; a main window would stay open.
        QVERIFY(copiesEndWithin(kEndMs));
        QCOMPARE(cli({"timer", "status"}).status, 1);
    }

    void withoutATimerTheToolSaysSo() {
        const CliRun reload = cli({"timer", "reload"});
        QCOMPARE(reload.status, 1);
        QVERIFY(reload.out.isEmpty());
        QVERIFY(reload.err.contains("no Timer is running"));
        const CliRun bad = cli({"timer", "restart"});
        QCOMPARE(bad.status, 2);
    }
};

QTEST_GUILESS_MAIN(BackgroundProcessTest)
#include "background_process_test.moc"
