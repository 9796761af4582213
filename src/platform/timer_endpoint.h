// The "KelmoTimer" endpoint: how the desktop program finds the running background Timer and
// sends it a message synchronously. The Timer listens on a local socket in a folder of this
// user's own (timer_socket_folder.h); every message is one text line "0x401 0 0" (number,
// wParam, lParam) and every answer one line with the decimal result.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelmo::platform {

// A message as it travels between the processes.
struct TimerMessage {
    int message = 0;
    long wParam = 0;
    long lParam = 0;
};

// "0x401 0 0\n"
std::string encodeTimerMessage(const TimerMessage& message);

// Reads one message line (the newline optional); nothing when the line is malformed.
std::optional<TimerMessage> decodeTimerMessage(std::string_view line);

// "1\n"
std::string encodeTimerResult(long result);

// Reads one answer line; nothing when it is not a decimal number.
std::optional<long> decodeTimerResult(std::string_view line);

// The sending side, used by the desktop program.
class TimerEndpoint {
  public:
    virtual ~TimerEndpoint() = default;
    // True when a Timer listens at the endpoint (the original looked up its window caption).
    virtual bool find() = 0;
    // Sends the message and waits for the Timer's answer; 0 when no answer came, as a message
    // sent to a window that has gone answers 0.
    virtual long send(const TimerMessage& message) = 0;
};

}  // namespace kelmo::platform
