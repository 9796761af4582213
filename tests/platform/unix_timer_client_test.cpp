// The terminal tool's client of the Timer endpoint: the exchange of one line against a plain
// AF_UNIX server in a thread: an answer in pieces, a server that goes away without answering,
// one that never answers, none at all, and one in a folder that is not the user's own.
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <thread>

#include "platform/unix_timer_client.h"

using namespace kelmo::platform;

namespace {

// A fresh folder of mode 0700, as mkdtemp makes it.
std::filesystem::path privateFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kelmo-client-XXXXXX").string();
    return mkdtemp(pattern.data());
}

int listeningSocket(const std::string& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(fd, 1);
    return fd;
}

// A listening socket at a fresh path; behaviour decides what happens to the one client.
class LineServer {
  public:
    enum class Behaviour { answerInPieces, closeSilently, neverAnswer };

    explicit LineServer(Behaviour behaviour) {
        folder_ = privateFolder();
        path_ = folder_ / "KelmoTimer";
        fd_ = listeningSocket(path_.string());
        thread_ = std::thread([this, behaviour] { serve(behaviour); });
    }
    ~LineServer() {
        thread_.join();
        close(fd_);
        std::filesystem::remove_all(folder_);
    }
    std::string path() const { return path_.string(); }
    std::string received;

  private:
    void serve(Behaviour behaviour) {
        const int client = accept(fd_, nullptr, nullptr);
        if (client < 0) return;
        char buffer[64];
        while (received.find('\n') == std::string::npos) {
            const ssize_t n = read(client, buffer, sizeof buffer);
            if (n <= 0) break;
            received.append(buffer, static_cast<std::size_t>(n));
        }
        if (behaviour == Behaviour::answerInPieces) {
            write(client, "1 Isha 2024", 11);
            usleep(20000);
            write(client, "-03-11 19:08:40 Manama,Bahrain\n", 31);
        } else if (behaviour == Behaviour::neverAnswer) {
            usleep(400000);  // longer than the client waits
        }
        close(client);
    }

    std::filesystem::path folder_;
    std::filesystem::path path_;
    int fd_ = -1;
    std::thread thread_;
};

}  // namespace

TEST(UnixTimerClient, SocketsOfOthersAreNeverTrusted) {
    // A folder anybody may write: another user could have put the socket there.
    const std::filesystem::path open = privateFolder();
    std::filesystem::permissions(open, std::filesystem::perms::all);
    const std::string path = (open / "KelmoTimer").string();
    const int fd = listeningSocket(path);
    EXPECT_FALSE(exchangeTimerLine(path, "0x403 0 0\n", 1000).has_value());
    pollfd pending{fd, POLLIN, 0};
    EXPECT_EQ(poll(&pending, 1, 0), 0);  // nobody even connected
    close(fd);
    std::filesystem::remove_all(open);
}

TEST(UnixTimerClient, ExchangesOneLineEvenInPieces) {
    LineServer server(LineServer::Behaviour::answerInPieces);
    const auto answer = exchangeTimerLine(server.path(), "0x403 0 0\n", 5000);
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(*answer, "1 Isha 2024-03-11 19:08:40 Manama,Bahrain");
    // (the server thread has finished reading once the answer came)
    EXPECT_EQ(server.received, "0x403 0 0\n");
}

TEST(UnixTimerClient, NoWholeAnswerGivesNothing) {
    {
        LineServer server(LineServer::Behaviour::closeSilently);
        EXPECT_FALSE(exchangeTimerLine(server.path(), "0x401 0 0\n", 5000).has_value());
    }
    {
        LineServer server(LineServer::Behaviour::neverAnswer);
        EXPECT_FALSE(exchangeTimerLine(server.path(), "0x401 0 0\n", 100).has_value());
    }
}

TEST(UnixTimerClient, NoServerGivesNothing) {
    const std::string path =
        std::filesystem::temp_directory_path() / ("kelmo-nobody-" + std::to_string(getpid()));
    unlink(path.c_str());
    EXPECT_FALSE(exchangeTimerLine(path, "0x401 0 0\n", 1000).has_value());
    // A path too long for a Unix socket address.
    EXPECT_FALSE(exchangeTimerLine("/" + std::string(200, 'x'), "0x401 0 0\n", 1000).has_value());
}
