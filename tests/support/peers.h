// SPDX-License-Identifier: GPL-3.0-or-later
// Scripted counterparts of the tool on loopback TCP and on a pseudo-terminal.
// They run in the test's thread and act while the tool processes events.
#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <optional>

class QSocketNotifier;
class QTcpServer;
class QTcpSocket;

namespace telvar::test {

// What the peer does with one request. Times are real milliseconds.
struct Reply {
    QByteArray bytes;
    int delay_ms = 0;          // before the first byte
    int split_at = -1;         // send bytes [0, split_at) first, the rest later
    int split_pause_ms = 0;
    bool close_after_first_piece = false;
};

// Silent when it returns nothing.
using Script = std::function<std::optional<Reply>(const QByteArray& request)>;

// 36-byte answers of the controller.
QByteArray answer_frame(int order, std::initializer_list<int> words = {});
QByteArray answer_frame_with_sync(int sync, int order, std::initializer_list<int> words = {});
// What a 36-byte request of the tool carries: its order code, and word k of
// its payload.
int order_of(const QByteArray& request);
int word_of(const QByteArray& request, int k);
// The simplest controller: acknowledges everything, reports a version.
std::optional<Reply> good_controller(const QByteArray& request);

class Peer : public QObject {
public:
    QList<QByteArray> requests;  // every complete request, in order
    Script script;

protected:
    void take(const QByteArray& bytes);
    virtual void send(const QByteArray& bytes) = 0;
    virtual void hang_up() = 0;

private:
    void answer(const Reply& reply);
    QByteArray pending_;
};

class TcpPeer : public Peer {
public:
    explicit TcpPeer(Script s);
    ~TcpPeer() override;
    quint16 port() const;
    // Closes the open conversation from the peer's side.
    void drop();
    int connections = 0;
    int disconnects = 0;
    void send(const QByteArray& bytes) override;

protected:
    void hang_up() override { drop(); }

private:
    QTcpServer* server_;
    QTcpSocket* client_ = nullptr;
};

// A pseudo-terminal whose link appears as a COM port of the tool.
class PtyPeer : public Peer {
public:
    explicit PtyPeer(Script s);
    ~PtyPeer() override;
    int com_port() const { return 65; }
    void send(const QByteArray& bytes) override;
    // The line settings the tool's end of the pseudo-terminal has now.
    unsigned input_flags() const;

protected:
    void hang_up() override {}

private:
    QTemporaryDir dir_;
    int master_ = -1;
    int slave_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace telvar::test
