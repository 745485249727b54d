// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/tcp_server.h"

#include <cstdio>

#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

#include "sim/link_runner.h"

namespace telvar::sim {

namespace {

// Over TCP a request arrives all at once; over the controller's serial line
// it takes its bytes' time. As on the pseudo-terminal, a burst of bytes is
// handed on piece by piece, each once it would have crossed the line counted
// from the burst's start, checked on every pass of the event loop: timers of
// whole milliseconds would add up to a millisecond an exchange.
class LinePacedIntake : public QObject {
public:
    LinePacedIntake(LinkRunner* runner, QObject* parent) : QObject(parent), runner_(runner)
    {
        timer_.setInterval(0);
        timer_.setTimerType(Qt::PreciseTimer);
        connect(&timer_, &QTimer::timeout, this, [this] { hand_on(); });
    }

    void take(const QByteArray& bytes)
    {
        if (waiting_.isEmpty()) {
            clock_.start();
            handed_ = 0;
            timer_.start();
        }
        waiting_ += bytes;
    }

private:
    void hand_on()
    {
        const qint64 due = clock_.nsecsElapsed() * runner_->baud() / kBitsPerByte / 1000000000 - handed_;
        if (due <= 0)
            return;
        const QByteArray piece = waiting_.left(due);
        waiting_.remove(0, piece.size());
        handed_ += piece.size();
        if (waiting_.isEmpty())
            timer_.stop();
        runner_->receive(piece);
    }

    LinkRunner* runner_;
    QByteArray waiting_;  // arrived, not yet across the line
    QElapsedTimer clock_;  // since the burst began
    qint64 handed_ = 0;    // bytes of the burst handed on
    QTimer timer_;
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
