// The sound player on Qt Multimedia. Without an output device (as on a build server) every
// start is refused at once, so that the alert says "Could not start sound player!" instead of
// closing in no time; with a device the shipped Athan.wav plays to its end and is reported
// finished once, and a stopped sound reports nothing.
#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QTest>

#include "platform/qt/qt_sound_player.h"

using namespace kelmo::platform;

class QtSoundPlayerTest : public QObject {
    Q_OBJECT

    // The sounds are copied beside the program (the build tree's Kelmo folder).
    std::string shipped(const char* name) const {
        return (QCoreApplication::applicationDirPath() + "/" + name).toStdString();
    }

  private Q_SLOTS:
    void playsToItsEndOrIsRefusedWithoutADevice() {
        QtSoundPlayer player;
        int finished = 0, failed = 0;
        const bool started = player.play(shipped("PreAth.wav"), [&](SoundPlayer::Outcome o) {
            (o == SoundPlayer::Outcome::finished ? finished : failed) += 1;
        });
        if (QMediaDevices::defaultAudioOutput().isNull()) {
            QVERIFY(!started);
            QTest::qWait(50);
            QCOMPARE(finished + failed, 0);
            QVERIFY(!player.isPlaying());
            return;
        }
        QVERIFY(started);
        QTRY_COMPARE_WITH_TIMEOUT(finished, 1, 10000);
        QCOMPARE(failed, 0);
    }

    void stoppedSoundReportsNothing() {
        QtSoundPlayer player;
        int reports = 0;
        const bool started =
            player.play(shipped("Athan.wav"), [&](SoundPlayer::Outcome) { ++reports; });
        player.stop();
        QVERIFY(!player.isPlaying());
        QTest::qWait(200);
        QCOMPARE(reports, 0);
        Q_UNUSED(started);
    }
};

QTEST_MAIN(QtSoundPlayerTest)
#include "qt_sound_player_test.moc"
