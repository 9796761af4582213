#include "platform/qt/timer_endpoint_server.h"

#include <QLocalSocket>
#include <QPointer>

namespace kelmo::platform {

namespace {
constexpr int kProbeTimeoutMs = 1000;
constexpr int kWriteTimeoutMs = 1000;
constexpr qint64 kMaxLineBytes = 256;  // a message line is about a dozen bytes
}  // namespace

TimerEndpointServer::TimerEndpointServer(std::string name, QObject* parent)
    : QObject(parent), name_(std::move(name)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &TimerEndpointServer::accept);
}

TimerEndpointServer::~TimerEndpointServer() {
    server_.close();  // removes the socket file
}

TimerEndpointServer::Claim TimerEndpointServer::listen() {
    const QString name = QString::fromStdString(name_);
    // Asked first: with access options QLocalServer binds in a private folder and renames the
    // socket over the name, which would silently take it from a live Timer.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(kProbeTimeoutMs)) {
        probe.abort();
        return Claim::alreadyTaken;
    }
    if (server_.listen(name)) return Claim::listening;
    if (server_.serverError() != QAbstractSocket::AddressInUseError) return Claim::failed;
    // Nobody accepts there: the file of a Timer that ended without removing it.
    QLocalServer::removeServer(name);
    return server_.listen(name) ? Claim::listening : Claim::failed;
}

void TimerEndpointServer::accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, raw = socket] {
            // The handler may open a message box whose event loop sees the client go away.
            QPointer<QLocalSocket> socket(raw);
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > kMaxLineBytes) socket->abort();
                return;
            }
            const QByteArray line = socket->readLine(kMaxLineBytes);
            const auto message = decodeTimerMessage(line.toStdString());
            // A malformed line is answered like a message nobody handles.
            const std::string answer =
                message && handler_ ? handler_(*message) : encodeTimerResult(0);
            if (socket.isNull()) return;
            socket->write(QByteArray::fromStdString(answer));
            socket->waitForBytesWritten(kWriteTimeoutMs);
            socket->disconnectFromServer();
        });
    }
}

}  // namespace kelmo::platform
