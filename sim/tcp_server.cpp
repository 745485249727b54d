// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/tcp_server.h"

#include <cstdio>

#include <QHostAddress>
#include <QTcpSocket>

#include "sim/link_runner.h"

namespace telvar::sim {

namespace {

// Ends with its socket: the socket is its child and its disconnect deletes both.
void serve(QTcpSocket* socket, Controller& controller, const FaultOptions& faults)
{
    ActionPlayer::Port port{
        [socket](const QByteArray& bytes) { socket->write(bytes); },
        [](int) {},
        [socket] { socket->disconnectFromHost(); },
    };
    auto* runner = new LinkRunner(controller, LinkKind::tcp, faults, {}, std::move(port), false, socket);
    QObject::connect(socket, &QTcpSocket::readyRead, runner, [socket, runner] {
        while (socket->bytesAvailable() > 0 && runner->room() > 0)
            runner->receive(socket->read(runner->room()));
    });
    QObject::connect(socket, &QTcpSocket::disconnected, socket, [socket] {
        std::fprintf(stderr, "tcp: connection closed\n");
        socket->deleteLater();
    });
}

}  // namespace

TcpServer::TcpServer(Controller& controller, const FaultOptions& faults, QObject* parent)
    : QObject(parent), controller_(controller), faults_(faults)
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
        serve(socket, controller_, faults_);
    }
}

}  // namespace telvar::sim
