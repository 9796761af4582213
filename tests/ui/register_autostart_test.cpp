// Registration of the background Timer at log-on, with a recording entry and message box.
#include <QTest>

#include "ui/fake_services.h"
#include "ui/register_autostart.h"

using namespace kelmo;
using namespace kelmo::ui;

class RegisterAutostartTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void notifierOrSoundWritesTheQuotedCommand() {
        for (const int flags : {1, 2, 3, 0xFF}) {
            test::FakeAutostartEntry entry;
            test::RecordingMessageBox messages;
            QCOMPARE(registerAutostart(flags, "/opt/Kelmo Times/Kelmo", entry, messages), 1);
            // The path with its blank stays one argument: quoted, then " /t 0".
            QCOMPARE(entry.written, std::vector<std::string>{"\"/opt/Kelmo Times/Kelmo\" /t 0"});
            QCOMPARE(entry.programs, std::vector<std::string>{"/opt/Kelmo Times/Kelmo"});
            QCOMPARE(entry.removed, 0);
            QVERIFY(messages.shown.empty());
        }
    }

    void bothOffRemovesTheEntry() {
        test::FakeAutostartEntry entry;
        test::RecordingMessageBox messages;
        QCOMPARE(registerAutostart(0xFC, "/usr/bin/Kelmo", entry, messages), 1);
        QCOMPARE(entry.removed, 1);
        QVERIFY(entry.written.empty());
        QVERIFY(messages.shown.empty());
    }

    void failuresAreShownAndReported() {
        test::FakeAutostartEntry entry;
        test::RecordingMessageBox messages;
        entry.result = 114;
        QCOMPARE(registerAutostart(1, "/usr/bin/Kelmo", entry, messages), 0);
        // Said with the entry's file; there is no registry to name.
        QCOMPARE(messages.lastText(), std::string("Could not change the autostart folder of "
                                                  "autostart/KelmoTimes.desktop!\t"));
        entry.result = 115;
        QCOMPARE(registerAutostart(0, "/usr/bin/Kelmo", entry, messages), 0);
        QCOMPARE(messages.lastText(), std::string("Could not write or remove the autostart entry "
                                                  "autostart/KelmoTimes.desktop!\t"));
        QCOMPARE(messages.shown.back().caption, std::string("KelmoTimes"));
    }

    void realEntryInATemporaryFolder() {
        QTemporaryDir folder;
        platform::XdgAutostartEntry entry(folder.filePath("autostart").toStdString());
        test::RecordingMessageBox messages;
        QCOMPARE(registerAutostart(2, "/opt/a$b/Kelmo", entry, messages), 1);
        QFile file(QString::fromStdString(entry.path()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.contains("Exec=\"/opt/a\\\\$b/Kelmo\" /t 0\n"));
        QVERIFY(text.contains("\nTryExec=/opt/a$b/Kelmo\n"));
        file.close();
        QCOMPARE(registerAutostart(0, "/opt/a$b/Kelmo", entry, messages), 1);
        QVERIFY(!file.exists());
    }
};

QTEST_MAIN(RegisterAutostartTest)
#include "register_autostart_test.moc"
