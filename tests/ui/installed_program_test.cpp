// The program as a user gets it: "cmake --install" into a temporary prefix, the launcher and
// the AppStream metainfo checked by desktop-file-validate and appstreamcli, then the installed
// kelmo-cli and "Kelmo /t 3" (offscreen) run with HOME and the XDG folders in a temporary
// directory: the settings come from the user's folder, never from beside the executable.
// The Debian package made by cpack passes lintian without an error, and its manual pages
// render.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "base/location.h"
#include "files/settings/config_file.h"

using namespace kelmo;

namespace {
constexpr int kRunMs = 120000;
constexpr int kStartMs = 15000;
constexpr const char* kId = "io.github.kelmotimes.KelmoTimes";

struct Run {
    int status = -1;
    QString out;
};
}  // namespace

class InstalledProgramTest : public QObject {
    Q_OBJECT

    QTemporaryDir root_;
    QProcessEnvironment env_;

    QString prefix(const QString& path = {}) const { return root_.filePath("prefix/" + path); }
    Run run(const QString& program, const QStringList& arguments, int ms = kRunMs) {
        QProcess process;
        process.setProcessEnvironment(env_);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, arguments);
        Run result;
        if (!process.waitForFinished(ms)) {
            process.kill();
            process.waitForFinished();
            return result;
        }
        result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.out = QString::fromUtf8(process.readAll());
        return result;
    }
    Run cli(const QStringList& arguments) { return run(prefix("bin/kelmo-cli"), arguments); }
    // The one .deb that cpack wrote into folder.
    static QString debianPackage(const QString& folder) {
        const QStringList debs = QDir(folder).entryList({"*.deb"}, QDir::Files);
        return debs.size() == 1 ? QDir(folder).filePath(debs.front()) : QString();
    }

  private Q_SLOTS:
    void initTestCase() {
        QVERIFY(root_.isValid());
        for (const char* folder : {"home/.config", "home/.local/share", "run", "tmp"})
            QVERIFY(QDir(root_.path()).mkpath(folder));
        QVERIFY(QFile::setPermissions(root_.filePath("run"),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        env_ = QProcessEnvironment::systemEnvironment();
        env_.insert("HOME", root_.filePath("home"));
        env_.insert("XDG_CONFIG_HOME", root_.filePath("home/.config"));
        env_.insert("XDG_DATA_HOME", root_.filePath("home/.local/share"));
        env_.insert("XDG_RUNTIME_DIR", root_.filePath("run"));
        env_.insert("TMPDIR", root_.filePath("tmp"));
        env_.insert("QT_QPA_PLATFORM", "offscreen");
        env_.remove("DBUS_SESSION_BUS_ADDRESS");
        const Run install =
            run(KELMO_CMAKE_COMMAND, {"--install", KELMO_BUILD_DIR, "--prefix", prefix()});
        QVERIFY2(install.status == 0, qPrintable(install.out));
    }

    void filesGoWhereLinuxProgramsKeepThem() {
        const QString id = kId;
        for (const QString& file :
             {QString("bin/Kelmo"), QString("bin/kelmo-cli"),
              QString("share/kelmotimes/Kelmo.html"), QString("share/kelmotimes/Athan.wav"),
              QString("share/kelmotimes/PreAth.wav"),
              QString("share/kelmotimes/translations/kelmo_ar.qm"),
              QString("share/kelmotimes/translations/kelmo_de.qm"),
              "share/applications/" + id + ".desktop", "share/metainfo/" + id + ".metainfo.xml",
              "share/icons/hicolor/scalable/apps/" + id + ".svg",
              "share/icons/hicolor/48x48/apps/" + id + ".png",
              "share/icons/hicolor/256x256/apps/" + id + ".png",
              QString("lib/kelmotimes/kelmo-chart.so"), QString("share/man/man1/Kelmo.1.gz"),
              QString("share/man/man1/kelmo-cli.1.gz"),
              QString("share/bash-completion/completions/kelmo-cli"),
              QString("share/doc/kelmotimes/copyright"),
              QString("share/doc/kelmotimes/changelog.gz")})
            QVERIFY2(QFile::exists(prefix(file)), qPrintable(file));
    }

    void launcherAndMetainfoPassTheirValidators() {
        const Run desktop =
            run("desktop-file-validate", {prefix("share/applications/") + kId + ".desktop"});
        QVERIFY2(desktop.status == 0 && desktop.out.trimmed().isEmpty(), qPrintable(desktop.out));
        const Run metainfo =
            run("appstreamcli", {"validate", "--no-net", "--explain",
                                 prefix("share/metainfo/") + kId + ".metainfo.xml"});
        QVERIFY2(metainfo.status == 0, qPrintable(metainfo.out));
    }

    void installedToolUsesTheUsersFolder() {
        const QString cfg = root_.filePath("home/.config/KelmoTimes/Kelmo.cfg");
        QVERIFY(cli({"--help"}).out.simplified().contains(cfg));
        // Nothing saved yet: the built-in home, Manama, in memory.
        const Run prayer = cli({"prayer"});
        QCOMPARE(prayer.status, 0);
        QVERIFY2(prayer.out.contains("Manama,Bahrain"), qPrintable(prayer.out));
        QVERIFY(!QFile::exists(cfg));
        // The chart finds its module in the installed library folder.
        const Run chart = cli({"chart", "--format", "svg"});
        QVERIFY2(chart.status == 0 && chart.out.contains("<svg"), qPrintable(chart.out.left(400)));
    }

    void debianPackagePassesLintianAndItsPagesRender() {
        const QString folder = root_.filePath("deb");
        const Run pack =
            run(KELMO_CPACK_COMMAND,
                {"-G", "DEB", "--config", KELMO_BUILD_DIR "/CPackConfig.cmake", "-B", folder});
        const QString deb = debianPackage(folder);
        QVERIFY2(pack.status == 0 && !deb.isEmpty(), qPrintable(pack.out));
        const Run lintian = run("lintian", {"--no-tag-display-limit", deb});
        QVERIFY2(lintian.status != -1 && !lintian.out.contains(QRegularExpression(
                                             "^E: ", QRegularExpression::MultilineOption)),
                 qPrintable(lintian.out));
        const QString tree = root_.filePath("deb/tree");
        QCOMPARE(run("dpkg-deb", {"-x", deb, tree}).status, 0);
        for (const QString& page : {QString("Kelmo"), QString("kelmo-cli")}) {
            const Run shown =
                run("man", {"-l", "-P", "cat", tree + "/usr/share/man/man1/" + page + ".1.gz"});
            QVERIFY2(shown.status == 0 && shown.out.contains("SYNOPSIS") &&
                         !shown.out.contains("warning"),
                     qPrintable(shown.out));
        }
        const QString completion = tree + "/usr/share/bash-completion/completions/kelmo-cli";
        QCOMPARE(run("bash", {"-n", completion}).status, 0);
    }

    void installedTimerRunsFromTheUsersSettings() {
        const QString folder = root_.filePath("home/.config/KelmoTimes");
        QVERIFY(QDir().mkpath(folder));
        Location home;
        Config config;
        QCOMPARE(createDefaultConfig(home, config, (folder + "/Kelmo.cfg").toStdString()), 0);
        QProcess timer;
        timer.setProcessEnvironment(env_);
        timer.start(prefix("bin/Kelmo"), {"/t", "3"});
        QVERIFY(timer.waitForStarted(kStartMs));
        QElapsedTimer clock;
        clock.start();
        Run status;
        while (clock.elapsed() < kStartMs && (status = cli({"timer", "status"})).status != 0 &&
               timer.state() == QProcess::Running)
            QTest::qWait(100);
        QVERIFY2(status.status == 0, qPrintable(status.out + timer.readAll()));
        QVERIFY(status.out.contains("Manama,Bahrain"));
        QCOMPARE(cli({"timer", "quit"}).out, QStringLiteral("1\n"));
        QVERIFY(timer.waitForFinished(kStartMs));
        QCOMPARE(timer.exitCode(), 0);
        QVERIFY(!QFile::exists(prefix("bin/Kelmo.cfg")));
    }
};

QTEST_GUILESS_MAIN(InstalledProgramTest)
#include "installed_program_test.moc"
