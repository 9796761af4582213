// The sound player on Qt Multimedia. Without an output device (as on a build server) every
// start is refused at once, so that the alert says "Could not start sound player!" instead of
// closing in no time; with a device the shipped Athan.wav plays to its end and is reported
// finished once, and a stopped sound reports nothing. A WAV with the sizes a streaming writer
// leaves (RIFF and data 0xFFFFFFFF) over 320 MB of sound is streamed to its end by a child
// process whose address space may grow by only 128 MB, and is refused with a reason when it
// is no WAV at all.
#include <sys/resource.h>

#include <QAudioDevice>
#include <QCoreApplication>
#include <QFile>
#include <QMediaDevices>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "platform/qt/qt_sound_player.h"
#include "platform/qt/wav_source.h"

using namespace kelmo::platform;

namespace {

constexpr const char* kChildFile = "KELMO_STREAMED_WAV";  // set in the child process
constexpr qint64 kSoundBytes = 320LL << 20;
constexpr rlim_t kHeadroomBytes = 128ULL << 20;
// 16-bit stereo at 44.1 kHz, RIFF and data sizes 0xFFFFFFFF.
const QByteArray kStreamingHeader = QByteArray::fromHex(
    "52494646ffffffff57415645666d74201000000001000200"
    "44ac000010b102000400100064617461ffffffff");

// The process's present address space (VmSize of /proc/self/status), in bytes.
rlim_t addressSpaceBytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    rlim_t kib = 0;
    while (status >> key)
        if (key == "VmSize:" && status >> kib) break;
    return kib * 1024;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;  // its shadow memory needs a free address space
#else
constexpr bool kAddressSanitizer = false;
#endif

}  // namespace

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

    void streamingHeaderIsStreamedUnderAMemoryLimit() {
        if (qEnvironmentVariableIsSet(kChildFile)) return streamInThisProcess();
        QTemporaryDir dir;
        QFile file(dir.filePath("streaming.wav"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kStreamingHeader);
        QVERIFY(file.resize(file.size() + kSoundBytes));  // a sparse file: silence
        file.close();
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(kChildFile, file.fileName());
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    {"streamingHeaderIsStreamedUnderAMemoryLimit"});
        QVERIFY(child.waitForFinished(120000));
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 child.readAllStandardOutput().constData());
    }

    void fileThatIsNoWavIsRefusedWithAReason() {
        QTemporaryDir dir;
        QFile file(dir.filePath("text.wav"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a sound\n");
        file.close();
        QtSoundPlayer player;
        QVERIFY(!player.play(file.fileName().toStdString(), {}));
        QCOMPARE(player.failure(), std::string("not a WAV file (no RIFF/WAVE header)"));
    }

  private:
    // The child's part: the whole sound pulled through the player's source as an audio sink
    // pulls it, and played for a moment where there is a sound device.
    void streamInThisProcess() {
        const std::string path = qEnvironmentVariable(kChildFile).toStdString();
        if (!kAddressSanitizer) {
            const rlim_t limit = addressSpaceBytes() + kHeadroomBytes;
            const rlimit cap{limit, limit};
            QCOMPARE(setrlimit(RLIMIT_AS, &cap), 0);
            // The limit binds: the whole sound would not even fit in memory.
            std::unique_ptr<char[]> whole(new (std::nothrow) char[std::size_t(kSoundBytes)]);
            QVERIFY(whole == nullptr);
        }
        WavReader reader = WavReader::open(path);
        QVERIFY2(reader.ok(), reader.error().c_str());
        QCOMPARE(qint64(reader.dataBytes()), kSoundBytes);
        WavSource source(std::move(reader));
        std::vector<char> buffer(1 << 16);
        qint64 total = 0;
        while (qint64 n = source.read(buffer.data(), qint64(buffer.size()))) total += n;
        QCOMPARE(total, kSoundBytes);
        QVERIFY(source.atEnd());
        if (QMediaDevices::defaultAudioOutput().isNull()) return;
        QtSoundPlayer player;
        QVERIFY2(player.play(path, {}), player.failure().c_str());
        QTest::qWait(500);
        QVERIFY(player.isPlaying());
        player.stop();
    }
};

QTEST_MAIN(QtSoundPlayerTest)
#include "qt_sound_player_test.moc"
