// The terminal tool's client of the Timer endpoint: the socket path rule (Qt's temporary
// directory and the name; the QtTest of the server checks it against QLocalServer itself)
// and the exchange of one line against a plain AF_UNIX server in a thread: an answer in
// pieces, a server that goes away without answering, one that never answers, none at all.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

#include "platform/unix_timer_client.h"

using namespace kelmo::platform;

namespace {

// Sets an environment variable for the life of the object.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_.empty())
            unsetenv(name_);
        else
            setenv(name_, old_.c_str(), 1);
    }

  private:
    const char* name_;
    std::string old_;
};

// A listening socket at a fresh path; behaviour decides what happens to the one client.
class LineServer {
  public:
    enum class Behaviour { answerInPieces, closeSilently, neverAnswer };

    explicit LineServer(Behaviour behaviour) {
        path_ =
            std::filesystem::temp_directory_path() /
            ("kelmo-client-test-" + std::to_string(getpid()) + "-" + std::to_string(counter_++));
        unlink(path_.c_str());
        fd_ = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path_.c_str(), sizeof address.sun_path - 1);
        bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(fd_, 1);
        thread_ = std::thread([this, behaviour] { serve(behaviour); });
    }
    ~LineServer() {
        thread_.join();
        close(fd_);
        unlink(path_.c_str());
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

    static inline int counter_ = 0;
    std::filesystem::path path_;
    int fd_ = -1;
    std::thread thread_;
};

}  // namespace

TEST(UnixTimerClient, TemporaryDirectoryFollowsTmpdirAsQtDoes) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("kelmo-tmpdir-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    {
        const std::string messy = dir.string() + "//./";
        ScopedEnv env("TMPDIR", messy.c_str());
        EXPECT_EQ(temporaryDirectory(), std::filesystem::canonical(dir).string());
        EXPECT_EQ(timerSocketPath("KelmoTimer-5"),
                  std::filesystem::canonical(dir).string() + "/KelmoTimer-5");
    }
    {
        ScopedEnv env("TMPDIR", nullptr);
        EXPECT_EQ(temporaryDirectory(), std::filesystem::canonical("/tmp").string());
    }
    {
        ScopedEnv env("TMPDIR", "");
        EXPECT_EQ(temporaryDirectory(), std::filesystem::canonical("/tmp").string());
    }
    std::filesystem::remove_all(dir);
}

TEST(UnixTimerClient, AbsoluteNameIsThePathItself) {
    EXPECT_EQ(timerSocketPath("/run/user/1000/KelmoTimer"), "/run/user/1000/KelmoTimer");
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
