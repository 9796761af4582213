// The client side of the "KelmoTimer" endpoint against a small local-socket server that
// answers like the Timer, running in a thread of its own as the Timer runs in its process.
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <atomic>

#include "platform/kelmo_messages.h"
#include "platform/qt/local_timer_endpoint.h"

using namespace kelmo;
using namespace kelmo::platform;

namespace {

// Answers every message line with the result "1" for RELOAD, "7" for anything else; records
// the last line it read.
class AnsweringServer : public QThread {
  public:
    explicit AnsweringServer(QString name) : name_(std::move(name)) {}
    std::atomic<bool> ready{false};
    QByteArray lastLine;

  protected:
    void run() override {
        QLocalServer server;
        QLocalServer::removeServer(name_);
        if (!server.listen(name_)) return;
        ready = true;
        while (!isInterruptionRequested()) {
            if (!server.waitForNewConnection(50)) continue;
            QLocalSocket* socket = server.nextPendingConnection();
            QByteArray line;
            while (!line.contains('\n') && socket->waitForReadyRead(1000))
                line += socket->readAll();
            if (!line.isEmpty()) {
                lastLine = line;
                const auto message = decodeTimerMessage(line.toStdString());
                const long result = message && message->message == WM_KELMO_RELOAD ? 1 : 7;
                socket->write(QByteArray::fromStdString(encodeTimerResult(result)));
                socket->waitForBytesWritten(1000);
            }
            socket->disconnectFromServer();
            delete socket;
        }
    }

  private:
    QString name_;
};

}  // namespace

class LocalTimerEndpointTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void noTimerIsFoundAndAnswersZero() {
        QTemporaryDir folder;
        LocalTimerEndpoint endpoint(folder.filePath("KelmoTimer").toStdString());
        QVERIFY(!endpoint.find());
        QCOMPARE(endpoint.send({WM_KELMO_RELOAD, 0, 0}), 0L);
    }

    void reloadIsSentAsOneLineAndItsAnswerReturned() {
        QTemporaryDir folder;  // mode 0700: the user's own
        const std::string name = folder.filePath("KelmoTimer").toStdString();
        AnsweringServer server(QString::fromStdString(name));
        server.start();
        QTRY_VERIFY(server.ready);
        LocalTimerEndpoint endpoint(name, 5000);
        QVERIFY(endpoint.find());
        QCOMPARE(endpoint.send({WM_KELMO_RELOAD, 0, 0}), 1L);
        QCOMPARE(server.lastLine, QByteArray("0x401 0 0\n"));
        QCOMPARE(endpoint.send({WM_KELMO_QUIT, 0, 0}), 7L);
        server.requestInterruption();
        server.wait();
    }

    void aTimerInAFolderOthersMayWriteIsNotTrusted() {
        // Another user could have made that socket and would read the messages.
        QTemporaryDir folder;
        QVERIFY(QFile::setPermissions(folder.path(), QFileDevice::Permissions(0x7777)));
        const std::string name = folder.filePath("KelmoTimer").toStdString();
        AnsweringServer server(QString::fromStdString(name));
        server.start();
        QTRY_VERIFY(server.ready);
        LocalTimerEndpoint endpoint(name, 1000);
        QVERIFY(!endpoint.find());
        QCOMPARE(endpoint.send({WM_KELMO_RELOAD, 0, 0}), 0L);
        QVERIFY(server.lastLine.isEmpty());
        server.requestInterruption();
        server.wait();
    }
};

QTEST_MAIN(LocalTimerEndpointTest)
#include "local_timer_endpoint_test.moc"
