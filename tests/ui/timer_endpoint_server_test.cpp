// The Timer's side of the "KelmoTimer" endpoint: one answer line per message line, the
// desktop program's client and the terminal tool's plain Unix-socket client both reaching it,
// a live Timer keeping its socket (the lock beside it), the socket file of a dead Timer not
// blocking a new start, and clients that misbehave: idle ones, too many at once, more than
// the process has descriptors for, and one that leaves while a message box is open.
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <cstring>
#include <filesystem>
#include <thread>

#include "platform/kelmo_messages.h"
#include "platform/qt/local_timer_endpoint.h"
#include "platform/qt/timer_endpoint_server.h"
#include "platform/unix_timer_client.h"

using namespace kelmo;
using namespace kelmo::platform;

namespace {

sockaddr_un addressOf(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    return address;
}

// Leaves a socket file behind as a process that died while listening does.
bool leaveStaleSocket(const std::string& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    const sockaddr_un address = addressOf(path);
    const bool bound = bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
                       listen(fd, 1) == 0;
    close(fd);  // the file stays, nobody accepts
    return bound;
}

// A client that connects and says nothing; -1 when it could not connect.
int idleClient(const std::string& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
    const sockaddr_un address = addressOf(path);
    if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

TimerEndpointServer::Reply result(long value) {
    return {encodeTimerResult(value), {}};
}

// Sends line from a thread while this thread serves; the answer, or nothing.
std::optional<std::string> exchangeServed(const std::string& path, const std::string& line,
                                          int timeoutMs = 5000) {
    std::optional<std::string> answer;
    std::atomic<bool> done = false;
    std::thread client([&] {
        answer = exchangeTimerLine(path, line, timeoutMs);
        done = true;
    });
    while (!done) QTest::qWait(10);  // the client gives up after timeoutMs
    client.join();
    return answer;
}

}  // namespace

class TimerEndpointServerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder_;  // mode 0700, like the runtime folder
    std::string path_;

  private Q_SLOTS:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        path_ = folder_->filePath("KelmoTimer").toStdString();
    }

    void answersEachMessageAndTheDesktopClientReadsIt() {
        TimerEndpointServer server(path_);
        QCOMPARE(server.listen(), TimerEndpointServer::Claim::listening);
        std::vector<TimerMessage> seen;
        server.setHandler([&seen](const TimerMessage& m) {
            seen.push_back(m);
            return result(m.message == WM_KELMO_RELOAD ? 1 : 0);
        });
        // The client blocks; run it in a thread while this thread serves.
        long answer = -1;
        std::thread client([&answer, path = path_] {
            LocalTimerEndpoint endpoint(path, 5000);
            answer = endpoint.send({WM_KELMO_RELOAD, 0, 0});
        });
        QTRY_VERIFY_WITH_TIMEOUT(answer != -1, 5000);
        client.join();
        QCOMPARE(answer, 1L);
        QCOMPARE(seen.size(), std::size_t(1));
        QCOMPARE(seen[0].message, WM_KELMO_RELOAD);
    }

    void plainUnixClientGetsEachAnswer() {
        TimerEndpointServer server(path_);
        QCOMPARE(server.listen(), TimerEndpointServer::Claim::listening);
        server.setHandler([](const TimerMessage& m) {
            return m.message == WM_KELMO_QUIT ? result(1)
                                              : TimerEndpointServer::Reply{"7 extra\n", {}};
        });
        QCOMPARE(exchangeServed(path_, "0x402 0 0\n"), std::optional<std::string>("1"));
        QCOMPARE(exchangeServed(path_, "0x403 0 0\n"), std::optional<std::string>("7 extra"));
    }

    void malformedLineIsAnsweredZero() {
        TimerEndpointServer server(path_);
        QCOMPARE(server.listen(), TimerEndpointServer::Claim::listening);
        int calls = 0;
        server.setHandler([&calls](const TimerMessage&) {
            ++calls;
            return result(1);
        });
        QCOMPARE(exchangeServed(path_, "reload please\n"), std::optional<std::string>("0"));
        QCOMPARE(calls, 0);
    }

    void aLiveTimerKeepsItsSocket() {
        TimerEndpointServer first(path_);
        QCOMPARE(first.listen(), TimerEndpointServer::Claim::listening);
        TimerEndpointServer second(path_);
        QCOMPARE(second.listen(), TimerEndpointServer::Claim::alreadyTaken);
        QVERIFY(QFile::exists(QString::fromStdString(path_)));
        QVERIFY(QFile::exists(QString::fromStdString(path_ + ".lock")));
        first.setHandler([](const TimerMessage&) { return result(1); });
        QCOMPARE(exchangeServed(path_, "0x401 0 0\n"), std::optional<std::string>("1"));
    }

    void staleSocketOfADeadTimerDoesNotBlockANewStart() {
        QVERIFY(leaveStaleSocket(path_));
        // Nobody answers there: a client finds no Timer.
        QVERIFY(!exchangeTimerLine(path_, "0x401 0 0\n", 1000).has_value());
        QVERIFY(!LocalTimerEndpoint(path_, 1000).find());
        TimerEndpointServer server(path_);
        QCOMPARE(server.listen(), TimerEndpointServer::Claim::listening);
        server.setHandler([](const TimerMessage&) { return result(1); });
        QCOMPARE(exchangeServed(path_, "0x401 0 0\n"), std::optional<std::string>("1"));
    }

    void aFolderOthersMayWriteIsNotUsed() {
        // There another user could have made the socket or the lock first.
        QVERIFY(QFile::setPermissions(folder_->path(), QFileDevice::Permissions(0x7777)));
        TimerEndpointServer server(path_);
        QCOMPARE(server.listen(), TimerEndpointServer::Claim::failed);
        QVERIFY(!QFile::exists(QString::fromStdString(path_)));
        // A missing runtime folder is made, for this user alone.
        const std::string inNew = folder_->filePath("new/KelmoTimer").toStdString();
        QVERIFY(QFile::setPermissions(folder_->path(), QFileDevice::Permissions(0x7000)));
        TimerEndpointServer made(inNew);
        QCOMPARE(made.listen(), TimerEndpointServer::Claim::listening);
        QCOMPARE(int(QFile::permissions(folder_->filePath("new")) & 0x0077), 0);
    }

    void socketAndLockGoWithTheServer() {
        {
            TimerEndpointServer server(path_);
            QCOMPARE(server.listen(), TimerEndpointServer::Claim::listening);
            QVERIFY(QFile::exists(QString::fromStdString(path_)));
        }
        QVERIFY(!QFile::exists(QString::fromStdString(path_)));
        QVERIFY(!QFile::exists(QString::fromStdString(path_ + ".lock")));
        TimerEndpointServer next(path_);
        QCOMPARE(next.listen(), TimerEndpointServer::Claim::listening);
    }

    void idleConnectionsAreClosed() {
        TimerEndpointServer server(path_);
        server.setIdleTimeoutMs(300);
        QCOMPARE(server.listen(), TimerEndpointServer::Claim::listening);
        std::vector<int> idle;
        for (int i = 0; i < 5; ++i) idle.push_back(idleClient(path_));
        QTRY_COMPARE(server.openConnections(), 5);
        QTRY_COMPARE(server.openConnections(), 0);
        for (int fd : idle) {
            char byte = 0;
            QCOMPARE(recv(fd, &byte, 1, 0), ssize_t(0));  // closed by the Timer
            close(fd);
        }
        QVERIFY(server.isListening());
    }

    void idleConnectionsCannotKeepAClientWaiting() {
        // 1100 idle connections once took every descriptor: the Timer then closed its socket.
        // Now at most kMaxConnections are open, and a new one takes the place of the oldest
        // silent one; with an idle time longer than the client waits, only that lets it in.
        TimerEndpointServer server(path_);
        server.setIdleTimeoutMs(60000);
        QCOMPARE(server.listen(), TimerEndpointServer::Claim::listening);
        server.setHandler([](const TimerMessage&) { return result(1); });
        std::vector<int> idle;
        for (int i = 0; i < TimerEndpointServer::kMaxConnections + 20; ++i) {
            const int fd = idleClient(path_);
            QVERIFY(fd >= 0);
            idle.push_back(fd);
        }
        QTRY_COMPARE(server.openConnections(), TimerEndpointServer::kMaxConnections);
        QTest::qWait(100);
        QCOMPARE(server.openConnections(), TimerEndpointServer::kMaxConnections);  // the cap
        QCOMPARE(exchangeServed(path_, "0x401 0 0\n", 2000), std::optional<std::string>("1"));
        QVERIFY(server.isListening());
        for (int fd : idle) close(fd);
        QTRY_COMPARE(server.openConnections(), 0);
    }

    // A client that has sent its line is never reset to make room: with every place taken by
    // clients whose lines have come but not yet been read, one more waits its turn, and all
    // get their answers.
    void aClientThatSentItsLineIsNeverDroppedForRoom() {
        TimerEndpointServer server(path_);
        server.setIdleTimeoutMs(60000);
        QCOMPARE(server.listen(), TimerEndpointServer::Claim::listening);
        server.setHandler([](const TimerMessage&) { return result(1); });
        std::vector<int> clients;
        for (int i = 0; i <= TimerEndpointServer::kMaxConnections; ++i) {
            const int fd = idleClient(path_);
            QVERIFY(fd >= 0);
            QCOMPARE(send(fd, "0x401 0 0\n", 10, MSG_NOSIGNAL), ssize_t(10));
            clients.push_back(fd);
        }
        int answered = 0;
        for (int fd : clients) {
            char answer[8] = {};
            QTRY_VERIFY(recv(fd, answer, sizeof answer, MSG_DONTWAIT) != -1 || errno != EAGAIN);
            answered += std::string(answer) == "1\n" ? 1 : 0;
            close(fd);
        }
        QCOMPARE(answered, TimerEndpointServer::kMaxConnections + 1);
    }

    // Many clients, one message per connection as kelmo-cli sends them: not one answer lost.
    void clientsUnderLoadLoseNoAnswer() {
        constexpr int kClients = 20, kRequests = 50;
        TimerEndpointServer server(path_);
        QCOMPARE(server.listen(), TimerEndpointServer::Claim::listening);
        server.setHandler([](const TimerMessage&) { return result(1); });
        std::atomic<int> lost = 0, finished = 0;
        std::vector<std::thread> clients;
        for (int c = 0; c < kClients; ++c) {
            clients.emplace_back([&] {
                for (int r = 0; r < kRequests; ++r)
                    if (exchangeTimerLine(path_, "0x401 0 0\n", 5000) != "1") ++lost;
                ++finished;
            });
        }
        QTRY_VERIFY_WITH_TIMEOUT(finished == kClients, 60000);
        for (std::thread& t : clients) t.join();
        QCOMPARE(lost.load(), 0);
        QTRY_COMPARE(server.openConnections(), 0);
    }

    void runningOutOfDescriptorsPausesButNeverStopsListening() {
        TimerEndpointServer server(path_);
        server.setIdleTimeoutMs(300);
        QCOMPARE(server.listen(), TimerEndpointServer::Claim::listening);
        server.setHandler([](const TimerMessage&) { return result(1); });
        std::vector<int> waiting;
        for (int i = 0; i < 6; ++i) waiting.push_back(idleClient(path_));
        // Room for two more descriptors only: accepting the third fails with EMFILE.
        rlimit old{};
        getrlimit(RLIMIT_NOFILE, &old);
        const auto inUse = std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                                         std::filesystem::directory_iterator{});
        rlimit tight = old;
        tight.rlim_cur = static_cast<rlim_t>(inUse + 1);
        QCOMPARE(setrlimit(RLIMIT_NOFILE, &tight), 0);
        QTest::qWait(200);
        const int acceptedWhileTight = server.openConnections();
        QVERIFY(server.isListening());
        QVERIFY(QFile::exists(QString::fromStdString(path_)));
        QCOMPARE(setrlimit(RLIMIT_NOFILE, &old), 0);
        QVERIFY(acceptedWhileTight < 6);
        for (int fd : waiting) close(fd);
        QCOMPARE(exchangeServed(path_, "0x401 0 0\n"), std::optional<std::string>("1"));
    }

    void clientLeavingWhileAMessageBoxIsOpen() {
        // The box of a reload runs its own event loop; the sender has its answer before it
        // opens and goes away while it is open.
        TimerEndpointServer server(path_);
        QCOMPARE(server.listen(), TimerEndpointServer::Claim::listening);
        bool boxOpen = false;
        bool answeredBeforeTheBox = false;
        std::optional<std::string> answer;
        server.setHandler([&](const TimerMessage&) {
            return TimerEndpointServer::Reply{encodeTimerResult(0), [&] {
                                                  boxOpen = true;
                                                  QTRY_VERIFY_WITH_TIMEOUT(answer.has_value(),
                                                                           5000);
                                                  answeredBeforeTheBox = true;
                                                  QTest::qWait(200);  // the client has left
                                                  boxOpen = false;
                                              }};
        });
        std::thread client([&] { answer = exchangeTimerLine(path_, "0x401 0 0\n", 5000); });
        QTRY_VERIFY_WITH_TIMEOUT(answeredBeforeTheBox, 7000);
        client.join();
        QTRY_VERIFY(!boxOpen);
        QCOMPARE(answer, std::optional<std::string>("0"));
        QTRY_COMPARE(server.openConnections(), 0);
        server.setHandler([](const TimerMessage&) { return result(1); });
        QCOMPARE(exchangeServed(path_, "0x401 0 0\n"), std::optional<std::string>("1"));
    }
};

QTEST_MAIN(TimerEndpointServerTest)
#include "timer_endpoint_server_test.moc"
