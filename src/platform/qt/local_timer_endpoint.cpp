#include "platform/qt/local_timer_endpoint.h"

#include <QLocalSocket>

namespace kelmo::platform {

namespace {
constexpr int kConnectTimeoutMs = 1000;
}  // namespace

bool LocalTimerEndpoint::find() {
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(name_));
    const bool found = socket.waitForConnected(kConnectTimeoutMs);
    socket.abort();
    return found;
}

long LocalTimerEndpoint::send(const TimerMessage& message) {
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(name_));
    if (!socket.waitForConnected(kConnectTimeoutMs)) return 0;
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
