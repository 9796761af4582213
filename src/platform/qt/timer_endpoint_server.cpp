#include "platform/qt/timer_endpoint_server.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFile>
#include <QLocalSocket>
#include <QPointer>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace kelmo::platform {

namespace {

constexpr qint64 kMaxLineBytes = 256;  // a message line is about a dozen bytes
constexpr int kRetryAcceptMs = 1000;
constexpr int kListenBacklog = 64;
constexpr mode_t kSocketMode = 0600;

// A listening Unix socket at path; -1 when it cannot be made.
int listenAt(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return -1;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return -1;
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        chmod(path.c_str(), kSocketMode) != 0 || ::listen(fd, kListenBacklog) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

bool outOfDescriptors(int error) {
    return error == EMFILE || error == ENFILE || error == ENOBUFS || error == ENOMEM;
}

// True when a client waits in the listening socket's queue.
bool connectionWaiting(int listener) {
    pollfd waiting{listener, POLLIN, 0};
    return poll(&waiting, 1, 0) > 0 && (waiting.revents & POLLIN) != 0;
}

// True when the client has sent nothing yet, neither into the socket's buffer nor the kernel's.
bool nothingReceived(QLocalSocket* socket) {
    int waiting = 0;
    return socket->bytesAvailable() == 0 &&
           ioctl(static_cast<int>(socket->socketDescriptor()), FIONREAD, &waiting) == 0 &&
           waiting == 0;
}

}  // namespace

TimerEndpointServer::TimerEndpointServer(std::string socketPath, QObject* parent)
    : QObject(parent),
      path_(std::move(socketPath)),
      lock_(QFile::decodeName(QByteArray::fromStdString(path_ + kTimerLockSuffix))) {
    lock_.setStaleLockTime(0);  // only the lock of a process that has ended is stale
    retry_.setSingleShot(true);
    retry_.setInterval(kRetryAcceptMs);
    connect(&retry_, &QTimer::timeout, this, &TimerEndpointServer::resumeAccepting);
}

TimerEndpointServer::~TimerEndpointServer() {
    stopListening();  // removes the socket file; the lock goes with lock_
}

TimerEndpointServer::Claim TimerEndpointServer::fail(std::string why) {
    failure_ = std::move(why);
    return Claim::failed;
}

TimerEndpointServer::Claim TimerEndpointServer::listen() {
    const std::string folder = folderOf(path_);
    if (path_.size() > kMaxSocketPathBytes) {
        return fail("the socket path " + path_ + " is longer than a socket address holds");
    }
    if (!makePrivateFolder(folder)) {
        return fail("the folder " + folder +
                    " is missing, is not a folder, belongs to another user or may be written by "
                    "others");
    }
    if (!lock_.tryLock(0)) {
        if (lock_.error() == QLockFile::LockFailedError) return Claim::alreadyTaken;
        return fail("the lock file " + path_ + kTimerLockSuffix + " could not be made");
    }
    unlink(path_.c_str());  // the lock is free: nobody listens here any more
    listener_ = listenAt(path_);
    if (listener_ < 0) {
        return fail("the socket " + path_ + " could not be made (" + std::strerror(errno) + ")");
    }
    notifier_ = std::make_unique<QSocketNotifier>(listener_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this,
            &TimerEndpointServer::acceptPending);
    return Claim::listening;
}

void TimerEndpointServer::stopListening() {
    if (listener_ < 0) return;
    notifier_.reset();
    close(listener_);
    listener_ = -1;
    unlink(path_.c_str());
}

void TimerEndpointServer::acceptPending() {
    // At most a full set per round, so that the lines of those accepted are read in between.
    for (int round = 0; round < kMaxConnections; ++round) {
        if (unanswered_.size() >= kMaxConnections) {
            if (!connectionWaiting(listener_)) return;  // no room needed yet
            if (!makeRoom()) {
                notifier_->setEnabled(false);  // every one is being answered: the rest wait
                return;
            }
        }
        const int fd = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd >= 0) {
            serve(fd);
            continue;
        }
        if (errno == EAGAIN || errno == EWOULDBLOCK) return;
        if (outOfDescriptors(errno)) {  // wait, and keep listening
            notifier_->setEnabled(false);
            retry_.start();
            return;
        }
        // Anything else concerns that one client (it went away before being accepted).
    }
}

bool TimerEndpointServer::makeRoom() {
    const auto idle = std::find_if(silent_.begin(), silent_.end(), nothingReceived);
    if (idle == silent_.end()) return false;
    drop(*idle);
    return true;
}

void TimerEndpointServer::resumeAccepting() {
    if (notifier_ == nullptr || retry_.isActive()) return;  // out of descriptors: retry_ resumes
    notifier_->setEnabled(true);
    acceptPending();  // clients that came while paused raise no new notification
}

void TimerEndpointServer::forget(QLocalSocket* socket) {
    std::erase(silent_, socket);
    std::erase(unanswered_, socket);
}

void TimerEndpointServer::drop(QLocalSocket* socket) {
    forget(socket);
    socket->abort();  // the descriptor is closed at once
    socket->deleteLater();
}

void TimerEndpointServer::serve(int descriptor) {
    auto* socket = new QLocalSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        close(descriptor);
        delete socket;
        return;
    }
    unanswered_.push_back(socket);
    silent_.push_back(socket);
    auto* idle = new QTimer(socket);
    idle->setSingleShot(true);
    connect(idle, &QTimer::timeout, this, [this, socket] { drop(socket); });
    idle->start(idleTimeoutMs_);
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QObject::destroyed, this, [this, socket] {
        forget(socket);
        resumeAccepting();
    });
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readLine(socket); });
}

void TimerEndpointServer::readLine(QLocalSocket* socket) {
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > kMaxLineBytes) socket->abort();
        return;
    }
    // One message per connection: what follows the line is not answered.
    disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
    std::erase(silent_, socket);
    const QByteArray line = socket->readLine(kMaxLineBytes);
    // Answered from the event loop, not inside this signal of the socket.
    QMetaObject::invokeMethod(
        this, [this, socket = QPointer<QLocalSocket>(socket), line] { answer(socket, line); },
        Qt::QueuedConnection);
}

void TimerEndpointServer::answer(QLocalSocket* rawSocket, const QByteArray& line) {
    const QPointer<QLocalSocket> socket(rawSocket);
    const auto message = decodeTimerMessage(line.toStdString());
    // A malformed line is answered like a message nobody handles.
    Reply reply = message && handler_ ? handler_(*message) : Reply{encodeTimerResult(0), {}};
    if (socket) {
        socket->readAll();  // what came after the line: closing on unread bytes resets the client
        socket->write(QByteArray::fromStdString(reply.answer));
        socket->flush();
        socket->disconnectFromServer();  // after what is still to be written
        // Answered: the connection only finishes its writing now, and leaves room for another.
        forget(socket);
    }
    if (reply.whenSent) reply.whenSent();
    if (notifier_ != nullptr && !notifier_->isEnabled()) resumeAccepting();
}

}  // namespace kelmo::platform
