// The sending side of the "KelmoTimer" endpoint over a local socket (QLocalSocket), sent only
// to a socket this user owns in a private folder (timer_socket_folder.h).
#pragma once

#include <string>

#include "platform/timer_endpoint.h"
#include "platform/timer_socket_folder.h"

class QLocalSocket;

namespace kelmo::platform {

class LocalTimerEndpoint final : public TimerEndpoint {
  public:
    // socketPath: the endpoint (timerSocketPath() for this user's Timer).
    explicit LocalTimerEndpoint(std::string socketPath = timerSocketPath(),
                                int answerTimeoutMs = 30000)
        : path_(std::move(socketPath)), answerTimeoutMs_(answerTimeoutMs) {}
    bool find() override;
    long send(const TimerMessage& message) override;

  private:
    bool connect(QLocalSocket& socket) const;

    std::string path_;
    int answerTimeoutMs_;
};

}  // namespace kelmo::platform
