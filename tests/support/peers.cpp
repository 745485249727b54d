// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/peers.h"

#include "link/frame.h"
#include "link/orders.h"
#include "platform/test_seams.h"

#include <QFile>
#include <QSocketNotifier>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <fcntl.h>
#include <termios.h>
#include <stdlib.h>
#include <unistd.h>

#include <stdexcept>

namespace telvar::test {

QByteArray answer_frame_with_sync(int sync, int order, std::initializer_list<int> words)
{
    std::uint16_t payload[frame::kWords] = {};
    int k = 0;
    for (int w : words)
        payload[k++] = static_cast<std::uint16_t>(w);
    QByteArray bytes(frame::kBytes, '\0');
    frame::encode(reinterpret_cast<std::uint8_t*>(bytes.data()), sync, order, payload);
    return bytes;
}

QByteArray answer_frame(int order, std::initializer_list<int> words)
{
    return answer_frame_with_sync(frame::kSyncWord, order, words);
}

int order_of(const QByteArray& request)
{
    return frame::read_word(reinterpret_cast<const std::uint8_t*>(request.constData()) + 2);
}

int word_of(const QByteArray& request, int k)
{
    return frame::read_word(reinterpret_cast<const std::uint8_t*>(request.constData()) + 4 + 2 * k);
}

std::optional<Reply> good_controller(const QByteArray& request)
{
    const int order = order_of(request);
    if (order == ORDER_VERSION) {
        QByteArray text("TELVAR-K20 test peer 1.0");
        text.resize(frame::kBytes, '\0');
        return Reply{text};
    }
    return Reply{answer_frame(order, {ANSWER_ACK})};
}

void Peer::take(const QByteArray& bytes)
{
    pending_ += bytes;
    while (pending_.size() >= frame::kBytes) {
        const QByteArray request = pending_.left(frame::kBytes);
        pending_.remove(0, frame::kBytes);
        requests.append(request);
        if (script)
            if (auto reply = script(request))
                answer(*reply);
    }
}

void Peer::answer(const Reply& reply)
{
    const bool split = reply.split_at >= 0;
    const QByteArray first = split ? reply.bytes.left(reply.split_at) : reply.bytes;
    const QByteArray rest = split ? reply.bytes.mid(reply.split_at) : QByteArray();
    const bool close = reply.close_after_first_piece;
    auto send_first = [this, first, rest, close, pause = reply.split_pause_ms] {
        send(first);
        if (close)
            hang_up();
        else if (!rest.isEmpty())
            QTimer::singleShot(pause, this, [this, rest] { send(rest); });
    };
    if (reply.delay_ms > 0)
        QTimer::singleShot(reply.delay_ms, this, send_first);
    else
        send_first();
}

TcpPeer::TcpPeer(Script s) : server_(new QTcpServer(this))
{
    script = std::move(s);
    if (!server_->listen(QHostAddress::LocalHost, 0))
        throw std::runtime_error("cannot listen on loopback");
    connect(server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* next = server_->nextPendingConnection()) {
            ++connections;
            client_ = next;
            connect(next, &QTcpSocket::readyRead, this, [this, next] { take(next->readAll()); });
            connect(next, &QTcpSocket::disconnected, this, [this, next] {
                ++disconnects;
                if (client_ == next)
                    client_ = nullptr;
                next->deleteLater();
            });
        }
    });
}

TcpPeer::~TcpPeer() = default;

quint16 TcpPeer::port() const
{
    return server_->serverPort();
}

void TcpPeer::send(const QByteArray& bytes)
{
    if (client_) {
        client_->write(bytes);
        client_->flush();
    }
}

void TcpPeer::drop()
{
    if (client_)
        client_->disconnectFromHost();
}

PtyPeer::PtyPeer(Script s)
{
    script = std::move(s);
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
        throw std::runtime_error("no pseudo-terminal");
    const QString link = dir_.filePath(QStringLiteral("ttyTELVAR0"));
    if (!QFile::link(QString::fromLocal8Bit(ptsname(master_)), link))
        throw std::runtime_error("cannot link the pseudo-terminal");
    SetPseudoTerminalDir(dir_.path().toStdString());
    // Holding the far end open keeps the master from reporting a hang-up (and
    // waking its notifier without end) while the tool has the port closed.
    slave_ = ::open(ptsname(master_), O_RDWR | O_NOCTTY);
    notifier_ = new QSocketNotifier(master_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char buffer[4096];
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n > 0)
            take(QByteArray(buffer, static_cast<int>(n)));
    });
}

PtyPeer::~PtyPeer()
{
    delete notifier_;
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
}

unsigned PtyPeer::input_flags() const
{
    termios settings{};
    tcgetattr(slave_, &settings);
    return settings.c_iflag;
}

void PtyPeer::send(const QByteArray& bytes)
{
    const ssize_t written = ::write(master_, bytes.constData(), static_cast<size_t>(bytes.size()));
    (void)written;
}

}  // namespace telvar::test
