// The Timer's side of the "KelmoTimer" endpoint: one answer line per message line, the
// desktop program's client and the terminal tool's plain Unix-socket client both reaching it
// (the socket path computed without Qt is the one QLocalServer uses), a live Timer keeping
// its name, and the socket file of a dead Timer not blocking a new start.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <QTest>

#include <cstring>
#include <thread>

#include "platform/kelmo_messages.h"
#include "platform/qt/local_timer_endpoint.h"
#include "platform/qt/timer_endpoint_server.h"
#include "platform/unix_timer_client.h"

using namespace kelmo;
using namespace kelmo::platform;

namespace {

std::string uniqueName(const char* what) {
    return std::string("KelmoTimer-test-") + what + "-" + std::to_string(getpid());
}

// Leaves a socket file behind as a process that died while listening does.
bool leaveStaleSocket(const std::string& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    const bool bound =
        bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && listen(fd, 1) == 0;
    close(fd);  // the file stays, nobody accepts
    return bound;
}

}  // namespace

class TimerEndpointServerTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void answersEachMessageAndTheDesktopClientReadsIt() {
        TimerEndpointServer server(uniqueName("answers"));
        QCOMPARE(server.listen(), TimerEndpointServer::Claim::listening);
        std::vector<TimerMessage> seen;
        server.setHandler([&seen](const TimerMessage& m) {
            seen.push_back(m);
            return encodeTimerResult(m.message == WM_KELMO_RELOAD ? 1 : 0);
        });
        // The client blocks; run it in a thread while this thread serves.
        long result = -1;
        std::thread client([&result, name = uniqueName("answers")] {
            LocalTimerEndpoint endpoint(name, 5000);
            result = endpoint.send({WM_KELMO_RELOAD, 0, 0});
        });
        QTRY_VERIFY_WITH_TIMEOUT(result != -1, 5000);
        client.join();
        QCOMPARE(result, 1L);
        QCOMPARE(seen.size(), std::size_t(1));
        QCOMPARE(seen[0].message, WM_KELMO_RELOAD);
    }

    void plainUnixClientFindsTheSamePath() {
        const std::string name = uniqueName("unix");
        TimerEndpointServer server(name);
        QCOMPARE(server.listen(), TimerEndpointServer::Claim::listening);
        QCOMPARE(server.fullServerName().toStdString(), timerSocketPath(name));
        server.setHandler([](const TimerMessage& m) {
            return m.message == WM_KELMO_QUIT ? encodeTimerResult(1) : std::string("7 extra\n");
        });
        std::optional<std::string> quit, other;
        std::thread client([&] {
            quit = exchangeTimerLine(timerSocketPath(name), "0x402 0 0\n", 5000);
            other = exchangeTimerLine(timerSocketPath(name), "0x403 0 0\n", 5000);
        });
        QTRY_VERIFY_WITH_TIMEOUT(other.has_value(), 5000);
        client.join();
        QCOMPARE(*quit, std::string("1"));
        QCOMPARE(*other, std::string("7 extra"));
    }

    void malformedLineIsAnsweredZero() {
        const std::string name = uniqueName("malformed");
        TimerEndpointServer server(name);
        QCOMPARE(server.listen(), TimerEndpointServer::Claim::listening);
        int calls = 0;
        server.setHandler([&calls](const TimerMessage&) {
            ++calls;
            return encodeTimerResult(1);
        });
        std::optional<std::string> answer;
        std::thread client(
            [&] { answer = exchangeTimerLine(timerSocketPath(name), "reload please\n", 5000); });
        QTRY_VERIFY_WITH_TIMEOUT(answer.has_value(), 5000);
        client.join();
        QCOMPARE(*answer, std::string("0"));
        QCOMPARE(calls, 0);
    }

    void aLiveTimerKeepsItsName() {
        const std::string name = uniqueName("live");
        TimerEndpointServer first(name);
        QCOMPARE(first.listen(), TimerEndpointServer::Claim::listening);
        TimerEndpointServer second(name);
        QCOMPARE(second.listen(), TimerEndpointServer::Claim::alreadyTaken);
        QVERIFY(QFile::exists(first.fullServerName()));
    }

    void staleSocketOfADeadTimerDoesNotBlockANewStart() {
        const std::string name = uniqueName("stale");
        const std::string path = timerSocketPath(name);
        unlink(path.c_str());
        QVERIFY(leaveStaleSocket(path));
        QVERIFY(QFile::exists(QString::fromStdString(path)));
        // Nobody answers there: a client finds no Timer.
        QVERIFY(!exchangeTimerLine(path, "0x401 0 0\n", 1000).has_value());
        QVERIFY(!LocalTimerEndpoint(name, 1000).find());
        TimerEndpointServer server(name);
        QCOMPARE(server.listen(), TimerEndpointServer::Claim::listening);
        server.setHandler([](const TimerMessage&) { return encodeTimerResult(1); });
        std::optional<std::string> answer;
        std::thread client([&] { answer = exchangeTimerLine(path, "0x401 0 0\n", 5000); });
        QTRY_VERIFY_WITH_TIMEOUT(answer.has_value(), 5000);
        client.join();
        QCOMPARE(*answer, std::string("1"));
    }

    void socketFileGoesWithTheServer() {
        const std::string name = uniqueName("gone");
        QString file;
        {
            TimerEndpointServer server(name);
            QCOMPARE(server.listen(), TimerEndpointServer::Claim::listening);
            file = server.fullServerName();
            QVERIFY(QFile::exists(file));
        }
        QVERIFY(!QFile::exists(file));
    }
};

QTEST_MAIN(TimerEndpointServerTest)
#include "timer_endpoint_server_test.moc"
