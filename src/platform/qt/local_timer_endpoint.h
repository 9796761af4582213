// The sending side of the "KelmoTimer" endpoint over a local socket (QLocalSocket).
#pragma once

#include <string>

#include "platform/timer_endpoint.h"

namespace kelmo::platform {

class LocalTimerEndpoint final : public TimerEndpoint {
  public:
    // name: the endpoint (timerEndpointName() for this user's Timer).
    explicit LocalTimerEndpoint(std::string name = timerEndpointName(), int answerTimeoutMs = 30000)
        : name_(std::move(name)), answerTimeoutMs_(answerTimeoutMs) {}
    bool find() override;
    long send(const TimerMessage& message) override;

  private:
    std::string name_;
    int answerTimeoutMs_;
};

}  // namespace kelmo::platform
