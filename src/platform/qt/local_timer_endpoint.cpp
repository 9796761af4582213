#include "platform/qt/local_timer_endpoint.h"

#include <QFile>
#include <QLocalSocket>

namespace kelmo::platform {

namespace {
constexpr int kConnectTimeoutMs = 1000;
}  // namespace

bool LocalTimerEndpoint::connect(QLocalSocket& socket) const {
    if (!isTrustedSocket(path_)) return false;
    socket.connectToServer(QFile::decodeName(QByteArray::fromStdString(path_)));
    return socket.waitForConnected(kConnectTimeoutMs);
}

bool LocalTimerEndpoint::find() {
    QLocalSocket socket;
    const bool found = connect(socket);
    socket.abort();
    return found;
}

long LocalTimerEndpoint::send(const TimerMessage& message) {
    QLocalSocket socket;
    if (!connect(socket)) return 0;
    socket.write(QByteArray::fromStdString(encodeTimerMessage(message)));
    if (!socket.waitForBytesWritten(kConnectTimeoutMs)) return 0;
    // The answer is one line; it may arrive in pieces.
    QByteArray answer;
    while (!answer.contains('\n')) {
        if (!socket.waitForReadyRead(answerTimeoutMs_)) break;
        answer += socket.readAll();
    }
    answer += socket.readAll();  // what came with the Timer closing the connection
    socket.disconnectFromServer();
    return decodeTimerResult(answer.toStdString()).value_or(0);
}

}  // namespace kelmo::platform
