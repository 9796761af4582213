#include "platform/unix_timer_client.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstring>

#include "platform/timer_socket_folder.h"

namespace kelmo::platform {

namespace {

// Closes the descriptor when it goes out of scope.
struct SocketGuard {
    int fd;
    ~SocketGuard() {
        if (fd >= 0) close(fd);
    }
};

using Clock = std::chrono::steady_clock;

int millisecondsLeft(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

bool writeAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = send(fd, text.data() + done, text.size() - done, MSG_NOSIGNAL);
        if (n < 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::optional<std::string> exchangeTimerLine(const std::string& socketPath, const std::string& line,
                                             int timeoutMs) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.size() >= sizeof address.sun_path) return std::nullopt;
    if (!isTrustedSocket(socketPath)) return std::nullopt;
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    SocketGuard socket{::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)};
    if (socket.fd < 0) return std::nullopt;
    // A Timer whose queue is full makes connect wait: no longer than the answer may take.
    const timeval wait{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    setsockopt(socket.fd, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait);
    if (connect(socket.fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return std::nullopt;  // no socket, or a stale one of a Timer that has died
    if (!writeAll(socket.fd, line)) return std::nullopt;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::string answer;
    while (answer.find('\n') == std::string::npos) {
        pollfd wait{socket.fd, POLLIN, 0};
        if (poll(&wait, 1, millisecondsLeft(deadline)) <= 0) return std::nullopt;
        char buffer[512];
        const ssize_t n = recv(socket.fd, buffer, sizeof buffer, 0);
        if (n <= 0) return std::nullopt;  // closed before a whole line came
        answer.append(buffer, static_cast<std::size_t>(n));
    }
    answer.erase(answer.find('\n'));
    return answer;
}

}  // namespace kelmo::platform
