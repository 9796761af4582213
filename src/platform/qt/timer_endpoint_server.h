// The receiving side of the "KelmoTimer" endpoint: the background Timer listens on a Unix
// socket in a folder of this user's own (timer_socket_folder.h) and answers each message line
// with one line. A lock file beside the socket, taken before listening, keeps a second Timer
// out, however close together two start.
//
// Hostile or broken clients cannot take the Timer down: a connection that has sent no whole
// line within kIdleTimeoutMs is closed, and at most kMaxConnections wait for their answers at
// once (one that has been answered only finishes its writing and no longer counts). When all
// are taken, a new one takes the place of the oldest that has sent nothing at all, so that idle
// clients cannot keep others waiting; a client that has sent its line is never put out for
// room: when every one has, the new ones wait in the socket's queue. Running out of
// descriptors pauses accepting instead of closing the socket. A handler never runs inside a
// socket's signal, and a message box it needs comes after the answer has been sent, so a
// client that goes away can never pull a connection from under a running handler.
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
    // The connections accepted and not yet answered.
    int openConnections() const { return static_cast<int>(unanswered_.size()); }
    bool isListening() const { return listener_ >= 0; }
    // Why listen() failed, naming the folder or file: "the folder /run/user/1000 is ...".
    const std::string& failure() const { return failure_; }

  private:
    void acceptPending();
    void resumeAccepting();
    void serve(int descriptor);
    bool makeRoom();  // drops the oldest connection that has sent nothing; false when none
    void forget(QLocalSocket* socket);  // no longer counted
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
    std::vector<QLocalSocket*> unanswered_;  // accepted, no answer sent yet; oldest first
    std::vector<QLocalSocket*> silent_;      // of those, the ones whose line is not read yet
    int idleTimeoutMs_ = kIdleTimeoutMs;
    Handler handler_;
    std::string failure_;
};

}  // namespace kelmo::platform
