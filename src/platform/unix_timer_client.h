// The sending side of the "KelmoTimer" endpoint without Qt, for the terminal tool: the line
// protocol of timer_endpoint.h over a plain AF_UNIX stream socket, sent only to a socket this
// user owns in a private folder (timer_socket_folder.h).
#pragma once

#include <optional>
#include <string>

#include "platform/timer_endpoint.h"

namespace kelmo::platform {

// Sends one line to the endpoint and reads one line back (without its newline). Nothing when
// no Timer listens there, the socket or its folder is not this user's own, or no whole answer
// came within timeoutMs.
std::optional<std::string> exchangeTimerLine(const std::string& socketPath, const std::string& line,
                                             int timeoutMs);

}  // namespace kelmo::platform
