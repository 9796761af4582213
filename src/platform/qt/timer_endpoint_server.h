// The receiving side of the "KelmoTimer" endpoint: the background Timer listens on a Unix
// socket in a folder of this user's own (timer_socket_folder.h) and answers each message line
// with one line. A lock file beside the socket, taken before listening, keeps a second Timer
// out, however close together two start.
//
// Hostile or broken clients cannot take the Timer down: a connection that has sent no whole
// line within kIdleTimeoutMs is closed, at most kMaxConnections are open at once (a new one
// then takes the place of the oldest that has not yet sent its line, so that idle clients
// cannot keep others waiting), and running out of descriptors pauses accepting instead of
// closing the socket. A handler never runs inside a socket's signal, and a message
// box it needs comes after the answer has been sent, so a client that goes away can never
// pull a connection from under a running handler.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/timer_endpoint.h"
#include "platform/timer_socket_folder.h"

class QLocalSocket;

namespace kelmo::platform {

class TimerEndpointServer : public QObject {
    Q_OBJECT
  public:
    static constexpr int kIdleTimeoutMs = 3000;
    static constexpr int kMaxConnections = 32;

    // The whole answer text (one line with its newline), and what is to be done once it has
    // been sent (may be empty).
    struct Reply {
        std::string answer;
        std::function<void()> whenSent;
    };
    using Handler = std::function<Reply(const TimerMessage&)>;

    enum class Claim {
        listening,     // this process owns the endpoint now
        alreadyTaken,  // another Timer of this user holds the lock
        failed,        // the folder is not this user's own, or the socket could not be made:
                       // failure() says which
    };

    explicit TimerEndpointServer(std::string socketPath = timerSocketPath(),
                                 QObject* parent = nullptr);
    ~TimerEndpointServer() override;

    // Takes the lock and listens at the socket path. Whatever lies at the path while the lock
    // is free was left by a Timer that has ended, and is replaced; a live Timer is never
    // disturbed.
    Claim listen();
    void setHandler(Handler handler) { handler_ = std::move(handler); }
    // For tests, which need not wait the whole idle time.
    void setIdleTimeoutMs(int ms) { idleTimeoutMs_ = ms; }
    const std::string& socketPath() const { return path_; }
    int openConnections() const { return open_; }
    bool isListening() const { return listener_ >= 0; }
    // Why listen() failed, naming the folder or file: "the folder /run/user/1000 is ...".
    const std::string& failure() const { return failure_; }

  private:
    void acceptPending();
    void resumeAccepting();
    void serve(int descriptor);
    void drop(QLocalSocket* socket);
    void readLine(QLocalSocket* socket);
    void answer(QLocalSocket* socket, const QByteArray& line);
    void stopListening();
    Claim fail(std::string why);

    std::string path_;
    QLockFile lock_;
    int listener_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    QTimer retry_;  // accepting again after the process ran out of descriptors
    int open_ = 0;
    std::vector<QLocalSocket*> silent_;  // accepted, no line read yet; oldest first
    int idleTimeoutMs_ = kIdleTimeoutMs;
    Handler handler_;
    std::string failure_;
};

}  // namespace kelmo::platform
