// Load on a running background Timer: CLIENTS threads each send REQUESTS message lines over the
// Timer's socket, one connection per line as kelmo-cli does, and count the lines that got no
// answer. The lines cycle through the LINE arguments (default: the status message).
//   kelmo_timer_load SOCKET CLIENTS REQUESTS [LINE...]
// Prints "answers lost: N of M" and exits 0 when none was lost.
//   kelmo_timer_load --write-config FILE
// writes the built-in Kelmo.cfg with the Notifier on, for the Timer to start on.
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "base/config.h"
#include "base/location.h"
#include "files/settings/config_file.h"
#include "platform/unix_timer_client.h"

namespace {

constexpr int kAnswerTimeoutMs = 10000;
constexpr const char* kStatusLine = "0x403 0 0\n";
constexpr int kNotifierOn = 1;

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--write-config") {
        kelmo::Location home;
        kelmo::Config config;
        if (kelmo::createDefaultConfig(home, config, argv[2]) != 0) return 1;
        config.alertFlags = kNotifierOn;  // a reload keeps the Timer running
        return kelmo::saveConfig(config, argv[2]) == 0 ? 0 : 1;
    }
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s SOCKET CLIENTS REQUESTS [LINE...]\n", argv[0]);
        return 2;
    }
    const std::string socket = argv[1];
    const int clients = std::atoi(argv[2]);
    const int requests = std::atoi(argv[3]);
    std::vector<std::string> lines;
    for (int i = 4; i < argc; ++i) lines.push_back(std::string(argv[i]) + "\n");
    if (lines.empty()) lines.push_back(kStatusLine);
    std::atomic<int> lost = 0;
    std::vector<std::thread> threads;
    for (int c = 0; c < clients; ++c) {
        threads.emplace_back([&, c] {
            for (int r = 0; r < requests; ++r) {
                const std::string& line = lines[(c + r) % lines.size()];
                if (!kelmo::platform::exchangeTimerLine(socket, line, kAnswerTimeoutMs)) ++lost;
            }
        });
    }
    for (std::thread& t : threads) t.join();
    std::printf("answers lost: %d of %d\n", lost.load(), clients * requests);
    return lost == 0 ? 0 : 1;
}
