// The sending side of the "KelmoTimer" endpoint without Qt, for the terminal tool: the Timer's
// QLocalServer listens on a Unix-domain socket whose path Qt forms from the endpoint name and
// the temporary directory; this client computes the same path and speaks the line protocol
// of timer_endpoint.h over a plain AF_UNIX stream socket.
#pragma once

#include <optional>
#include <string>

#include "platform/timer_endpoint.h"

namespace kelmo::platform {

// Qt's temporary directory on Unix: $TMPDIR when set and not empty, else /tmp, cleaned and
// with symbolic links resolved (as QDir::tempPath()).
std::string temporaryDirectory();

// The socket path of the endpoint name: a name starting with "/" is a path already, any
// other lies in temporaryDirectory() (as QLocalServer::fullServerName()).
std::string timerSocketPath(const std::string& name = timerEndpointName());

// Sends one line to the endpoint and reads one line back (without its newline). Nothing when
// no Timer listens there or no whole answer came within timeoutMs.
std::optional<std::string> exchangeTimerLine(const std::string& socketPath, const std::string& line,
                                             int timeoutMs);

}  // namespace kelmo::platform
