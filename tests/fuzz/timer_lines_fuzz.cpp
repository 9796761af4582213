// libFuzzer target: any bytes as a line of the Timer's endpoint: a message line (what the
// Timer reads from any local process), a result line and a status line (what the desktop
// program and kelmo-cli read back). Whatever decodes must encode to a line that decodes to the
// same values.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/timer_endpoint.h"
#include "platform/timer_status.h"

namespace {

using namespace kelmo::platform;

void require(bool condition) {
    if (!condition) std::abort();
}

void checkMessage(std::string_view line) {
    const auto message = decodeTimerMessage(line);
    if (!message) return;
    const auto back = decodeTimerMessage(encodeTimerMessage(*message));
    require(back && back->message == message->message && back->wParam == message->wParam &&
            back->lParam == message->lParam);
}

void checkResult(std::string_view line) {
    const auto result = decodeTimerResult(line);
    if (!result) return;
    require(decodeTimerResult(encodeTimerResult(*result)) == result);
}

void checkStatus(std::string_view line) {
    const auto status = decodeTimerStatus(line);
    if (!status) return;
    const auto back = decodeTimerStatus(encodeTimerStatus(*status));
    require(back && back->prayer == status->prayer && back->year == status->year &&
            back->month == status->month && back->day == status->day &&
            back->time == status->time && back->location == status->location);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    checkMessage(line);
    checkResult(line);
    checkStatus(line);
    return 0;
}
