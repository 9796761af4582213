// The receiving side of the "KelmoTimer" endpoint: the background Timer listens on a local
// socket (QLocalServer, only the same user may connect) and answers each message line with
// one line. Claiming the name also keeps a second Timer out.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <functional>
#include <string>

#include "platform/timer_endpoint.h"

namespace kelmo::platform {

class TimerEndpointServer : public QObject {
    Q_OBJECT
  public:
    // Turns a message into its whole answer text (one line with its newline).
    using Handler = std::function<std::string(const TimerMessage&)>;

    enum class Claim {
        listening,     // this process owns the endpoint now
        alreadyTaken,  // another Timer answers at the name
        failed,        // the socket could not be created
    };

    explicit TimerEndpointServer(std::string name = timerEndpointName(), QObject* parent = nullptr);
    ~TimerEndpointServer() override;

    // Listens at the name. A socket left behind by a Timer that has died (nobody accepts on
    // it) is removed and the name taken over; a live Timer is never disturbed.
    Claim listen();
    void setHandler(Handler handler) { handler_ = std::move(handler); }
    // The socket file's path.
    QString fullServerName() const { return server_.fullServerName(); }

  private:
    void accept();

    std::string name_;
    QLocalServer server_;
    Handler handler_;
};

}  // namespace kelmo::platform
