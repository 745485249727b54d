// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/tcp_server.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

#include "sim/link_runner.h"

namespace telvar::sim {

namespace {

inline constexpr int kBitsPerByte = 10;  // 8N1: start bit, 8 data bits, stop bit

// Over TCP a request arrives all at once; over the controller's serial line
// it takes its bytes' time. Each piece is handed on once it would have
// crossed the line, after whatever came before it.
class LinePacedIntake : public QObject {
public:
    LinePacedIntake(LinkRunner* runner, QObject* parent) : QObject(parent), runner_(runner) { clock_.start(); }

    void take(const QByteArray& bytes)
    {
        const qint64 now = clock_.nsecsElapsed();
        line_free_ = std::max(line_free_, now) + bytes.size() * kBitsPerByte * 1000000000LL / runner_->baud();
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(std::chrono::nanoseconds(line_free_ - now));
        QTimer::singleShot(wait, runner_, [runner = runner_, bytes] { runner->receive(bytes); });
    }

private:
    LinkRunner* runner_;
    QElapsedTimer clock_;
    qint64 line_free_ = 0;  // when the line has carried everything taken so far
};

// Ends with its socket: the socket is its child and its disconnect deletes both.
void serve(QTcpSocket* socket, Controller& controller, const FaultOptions& faults, bool paced)
{
    // A paced answer leaves a byte or two at a time. Held back for the
    // acknowledgement of the bytes before them (Nagle), they would wait for
    // the tool's delayed acknowledgement, up to 40 ms an answer.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    ActionPlayer::Port port{
        [socket](const QByteArray& bytes) { socket->write(bytes); },
        [](int) {},
        [socket] { socket->disconnectFromHost(); },
    };
    auto* runner = new LinkRunner(controller, LinkKind::tcp, faults, {}, std::move(port), paced, socket);
    if (paced) {
        auto* intake = new LinePacedIntake(runner, socket);
        QObject::connect(socket, &QTcpSocket::readyRead, intake, [socket, intake] { intake->take(socket->readAll()); });
    } else {
        QObject::connect(socket, &QTcpSocket::readyRead, runner, [socket, runner] {
            while (socket->bytesAvailable() > 0 && runner->room() > 0)
                runner->receive(socket->read(runner->room()));
        });
    }
    QObject::connect(socket, &QTcpSocket::disconnected, socket, [socket] {
        std::fprintf(stderr, "tcp: connection closed\n");
        socket->deleteLater();
    });
}

}  // namespace

TcpServer::TcpServer(Controller& controller, const FaultOptions& faults, bool paced, QObject* parent)
    : QObject(parent), controller_(controller), faults_(faults), paced_(paced)
{
    connect(&server_, &QTcpServer::newConnection, this, &TcpServer::accept);
}

bool TcpServer::listen(quint16 port, QString& error)
{
    if (server_.listen(QHostAddress::LocalHost, port))
        return true;
    error = QStringLiteral("cannot listen on 127.0.0.1:%1: %2").arg(port).arg(server_.errorString());
    return false;
}

void TcpServer::accept()
{
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        std::fprintf(stderr, "tcp: connection from %s\n", qPrintable(socket->peerAddress().toString()));
        serve(socket, controller_, faults_, paced_);
    }
}

}  // namespace telvar::sim
