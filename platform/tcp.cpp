// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/tcp.h"

#include "platform/events.h"
#include "platform/handle_table.h"

#include <QEventLoop>
#include <QMetaObject>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

namespace telvar {

namespace {

struct Conversation {
    std::unique_ptr<QTcpSocket> socket;
    tcpFuncPtr callback = nullptr;
    void* callbackData = nullptr;
};

detail::HandleTable<Conversation, unsigned> g_conversations;

int connect_error_code(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError: return kTCP_FailedToConnect;
    case QAbstractSocket::HostNotFoundError: return kTCP_UnableToEstablishConnection;
    case QAbstractSocket::SocketTimeoutError: return kTCP_TimeOutErr;
    case QAbstractSocket::NetworkError: return kTCP_NetworkSubsystemNotReady;
    case QAbstractSocket::RemoteHostClosedError: return kTCP_ConnectionClosed;
    case QAbstractSocket::SocketAccessError: return kTCP_NoPermission;
    default: return kTCP_GeneralIOErr;
    }
}

// Waits in a local event loop, so that the window keeps painting.
bool wait_connected(QTcpSocket& socket, unsigned timeoutMs)
{
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QTcpSocket::connected, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QTcpSocket::errorOccurred, &loop, &QEventLoop::quit);
    timer.start(ScaledMilliseconds(timeoutMs / 1000.0));
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return socket.state() == QAbstractSocket::ConnectedState;
}

void deliver(unsigned handle, int event)
{
    Conversation* c = g_conversations.find(handle);
    if (!c || !c->callback)
        return;
    c->callback(handle, event, 0, c->callbackData);
    WakeWaiters();
}

void release(unsigned handle)
{
    Conversation* c = g_conversations.find(handle);
    if (!c)
        return;
    c->socket->disconnect();
    c->socket->abort();
    c->socket.release()->deleteLater();
    g_conversations.remove(handle);
}

// Data-ready is raised again while bytes are left unread and the callback
// keeps taking some: a handler that reads in chunks sees all that came.
void deliver_data(unsigned handle)
{
    for (;;) {
        Conversation* c = g_conversations.find(handle);
        if (!c)
            return;
        const qint64 before = c->socket->bytesAvailable();
        deliver(handle, TCP_DATAREADY);
        c = g_conversations.find(handle);
        if (!c)
            return;
        const qint64 after = c->socket->bytesAvailable();
        if (after == 0 || after >= before)
            return;
    }
}

}  // namespace

int ConnectToTCPServer(unsigned* conversationHandle, unsigned portNumber, const char* serverHostName,
                       tcpFuncPtr callback, void* callbackData, unsigned timeoutMs)
{
    if (!conversationHandle || !serverHostName || portNumber == 0 || portNumber > 65535)
        return kTCP_InvalidParameter;
    auto socket = std::make_unique<QTcpSocket>();
    socket->connectToHost(QString::fromLocal8Bit(serverHostName), static_cast<quint16>(portNumber));
    if (!wait_connected(*socket, timeoutMs)) {
        const bool timed_out = socket->state() != QAbstractSocket::UnconnectedState
            && socket->error() == QAbstractSocket::UnknownSocketError;
        const int code = timed_out ? kTCP_TimeOutErr : connect_error_code(socket->error());
        socket->abort();
        return code;
    }
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);

    QTcpSocket* raw = socket.get();
    const unsigned handle = g_conversations.add(Conversation{std::move(socket), callback, callbackData});
    QObject::connect(raw, &QTcpSocket::readyRead, [handle] { deliver_data(handle); });
    // Queued, so that the announcement never runs inside one of our own
    // writes or reads of the socket that is going away.
    QObject::connect(raw, &QTcpSocket::disconnected, raw, [handle] {
        deliver(handle, TCP_DISCONNECT);
        release(handle);  // the server ended it: the handle is dead now
    }, Qt::QueuedConnection);
    *conversationHandle = handle;
    // Bytes that came while connecting raised no data-ready of their own.
    if (raw->bytesAvailable() > 0)
        QMetaObject::invokeMethod(raw, [handle] { deliver_data(handle); }, Qt::QueuedConnection);
    return 0;
}

int DisconnectFromTCPServer(unsigned conversationHandle)
{
    if (!g_conversations.find(conversationHandle))
        return kTCP_NoConnectionEstablished;
    // Our own disconnect is no event for the callback.
    release(conversationHandle);
    return 0;
}

int ClientTCPWrite(unsigned conversationHandle, const void* data, std::size_t dataSize,
                   unsigned timeoutMs)
{
    Conversation* c = g_conversations.find(conversationHandle);
    if (!c || c->socket->state() != QAbstractSocket::ConnectedState)
        return kTCP_NoConnectionEstablished;
    QTcpSocket& socket = *c->socket;
    const qint64 written = socket.write(static_cast<const char*>(data), static_cast<qint64>(dataSize));
    if (written < 0)
        return kTCP_WriteFailed;
    socket.flush();
    if (socket.bytesToWrite() > 0 && !socket.waitForBytesWritten(ScaledMilliseconds(timeoutMs / 1000.0)))
        return socket.error() == QAbstractSocket::SocketTimeoutError ? kTCP_TimeOutErr : kTCP_WriteFailed;
    return static_cast<int>(written);
}

int ClientTCPRead(unsigned conversationHandle, void* buffer, std::size_t dataSize, unsigned timeoutMs)
{
    Conversation* c = g_conversations.find(conversationHandle);
    if (!c)
        return kTCP_NoConnectionEstablished;
    QTcpSocket& socket = *c->socket;
    if (socket.bytesAvailable() == 0) {
        if (socket.state() != QAbstractSocket::ConnectedState)
            return kTCP_ConnectionClosed;
        if (!socket.waitForReadyRead(ScaledMilliseconds(timeoutMs / 1000.0)))
            return socket.state() == QAbstractSocket::ConnectedState ? kTCP_TimeOutErr
                                                                      : kTCP_ConnectionClosed;
    }
    const qint64 got = socket.read(static_cast<char*>(buffer), static_cast<qint64>(dataSize));
    return got < 0 ? kTCP_ReadFailed : static_cast<int>(got);
}

}  // namespace telvar
