// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/pty_link.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <QFile>
#include <QTimer>

namespace telvar::sim {

namespace {

// Nobody reads the line for this long: the rest is dropped, as on a wire.
constexpr qsizetype kMaxUnsent = 64 * 1024;
// Closing the terminal discards what the reader has not read yet, so the
// last answer gets time to be read before the hang-up.
constexpr std::chrono::milliseconds kHangUpDelay{100};
constexpr qsizetype kReadChunk = 4096;

QString system_error(const QString& what, int code)
{
    return QStringLiteral("%1: %2").arg(what, QString::fromLocal8Bit(std::strerror(code)));
}

// The tool sets its own line settings; until then the line is raw at 19200 8N1.
void make_raw(int fd)
{
    termios settings{};
    if (tcgetattr(fd, &settings) != 0)
        return;
    cfmakeraw(&settings);
    cfsetspeed(&settings, B19200);
    tcsetattr(fd, TCSANOW, &settings);
}

// Replaces a link from an earlier run, never anything else.
bool place_link(const QString& target, const QString& link_path, QString& error)
{
    const QByteArray path = QFile::encodeName(link_path);
    struct stat existing{};
    if (lstat(path.constData(), &existing) == 0 && !S_ISLNK(existing.st_mode)) {
        error = QStringLiteral("%1 exists and is not a link").arg(link_path);
        return false;
    }
    const QByteArray temporary = path + ".new" + QByteArray::number(getpid());
    unlink(temporary.constData());
    if (symlink(QFile::encodeName(target).constData(), temporary.constData()) != 0
        || rename(temporary.constData(), path.constData()) != 0) {
        const int code = errno;
        error = system_error(QStringLiteral("cannot link %1").arg(link_path), code);
        unlink(temporary.constData());
        return false;
    }
    return true;
}

}  // namespace

PtyLink::PtyLink(Controller& controller, const FaultOptions& faults, bool paced, LinkSession::ImageSink image_sink)
    : controller_(controller), faults_(faults), paced_(paced), image_sink_(std::move(image_sink))
{
    receive_timer_.setInterval(0);  // as the sending side: every pass of the event loop
    receive_timer_.setTimerType(Qt::PreciseTimer);
    connect(&receive_timer_, &QTimer::timeout, this, [this] { read_paced(); });
}

PtyLink::~PtyLink()
{
    if (!link_path_.isEmpty() && !terminal_.name.isEmpty() && QFile::symLinkTarget(link_path_) == terminal_.name)
        unlink(QFile::encodeName(link_path_).constData());
    detach();
}

bool PtyLink::open(const QString& link_path, QString& error)
{
    link_path_ = link_path;
    Terminal fresh;
    if (!open_terminal(fresh, error) || !place_link(fresh.name, link_path_, error)) {
        close_terminal(fresh);
        return false;
    }
    attach(fresh);
    return true;
}

bool PtyLink::open_terminal(Terminal& terminal, QString& error)
{
    terminal.master = posix_openpt(O_RDWR | O_NOCTTY);
    if (terminal.master < 0 || grantpt(terminal.master) != 0 || unlockpt(terminal.master) != 0) {
        error = system_error(QStringLiteral("cannot create a pseudo-terminal"), errno);
        return false;
    }
    fcntl(terminal.master, F_SETFL, fcntl(terminal.master, F_GETFL) | O_NONBLOCK);
    char name[128];
    if (ptsname_r(terminal.master, name, sizeof name) != 0) {
        error = system_error(QStringLiteral("cannot name the pseudo-terminal"), errno);
        return false;
    }
    terminal.name = QString::fromLocal8Bit(name);
    terminal.own_end = ::open(name, O_RDWR | O_NOCTTY);
    if (terminal.own_end < 0) {
        error = system_error(QStringLiteral("cannot open the pseudo-terminal"), errno);
        return false;
    }
    make_raw(terminal.own_end);
    return true;
}

void PtyLink::close_terminal(Terminal& terminal)
{
    if (terminal.own_end >= 0)
        ::close(terminal.own_end);
    if (terminal.master >= 0)
        ::close(terminal.master);
    terminal = Terminal{};
}

void PtyLink::attach(const Terminal& terminal)
{
    terminal_ = terminal;
    ActionPlayer::Port port{
        [this](const QByteArray& bytes) { write(bytes); },
        [](int) {},
        [this] { QTimer::singleShot(kHangUpDelay, this, [this] { hang_up(); }); },
    };
    runner_ = std::make_unique<LinkRunner>(controller_, LinkKind::serial, faults_, image_sink_, std::move(port),
                                           paced_);
    read_notifier_ = std::make_unique<QSocketNotifier>(terminal_.master, QSocketNotifier::Read);
    connect(read_notifier_.get(), &QSocketNotifier::activated, this, [this] { read(); });
    write_notifier_ = std::make_unique<QSocketNotifier>(terminal_.master, QSocketNotifier::Write);
    write_notifier_->setEnabled(false);
    connect(write_notifier_.get(), &QSocketNotifier::activated, this, [this] { flush(); });
    runner_->on_room([this] { read_notifier_->setEnabled(true); });
}

void PtyLink::detach()
{
    receive_timer_.stop();
    in_burst_ = false;
    read_notifier_.reset();
    write_notifier_.reset();
    runner_.reset();
    unsent_.clear();
    close_terminal(terminal_);
}

// The link moves to a fresh terminal before the old one closes, so it
// never points at nothing.
void PtyLink::hang_up()
{
    std::fprintf(stderr, "pty: hanging up %s\n", qPrintable(terminal_.name));
    Terminal fresh;
    QString error;
    if (!open_terminal(fresh, error) || !place_link(fresh.name, link_path_, error)) {
        std::fprintf(stderr, "pty: %s\n", qPrintable(error));
        close_terminal(fresh);
        detach();
        return;
    }
    detach();
    attach(fresh);
    std::fprintf(stderr, "pty: %s -> %s\n", qPrintable(link_path_), qPrintable(terminal_.name));
}

void PtyLink::read()
{
    if (!paced_) {
        take(kReadChunk);
        return;
    }
    if (in_burst_)
        return;
    in_burst_ = true;
    burst_taken_ = 0;
    burst_clock_.start();
    read_notifier_->setEnabled(false);
    receive_timer_.start();
}

void PtyLink::read_paced()
{
    const qint64 due = burst_clock_.nsecsElapsed() * runner_->baud() / kBitsPerByte / 1000000000 - burst_taken_;
    if (due <= 0)
        return;
    const qsizetype most = std::min<qsizetype>(due, kReadChunk);
    const qsizetype count = take(most);
    if (count > 0)
        burst_taken_ += count;
    if (count < most && runner_->room() > 0) {
        // Nothing more waits: the line is idle until the next burst.
        in_burst_ = false;
        receive_timer_.stop();
        read_notifier_->setEnabled(true);
    }
}

qsizetype PtyLink::take(qsizetype most)
{
    const qsizetype room = std::min(runner_->room(), most);
    if (room == 0) {
        read_notifier_->setEnabled(false);
        return 0;
    }
    QByteArray bytes(room, Qt::Uninitialized);
    const ssize_t count = ::read(terminal_.master, bytes.data(), static_cast<size_t>(room));
    if (count <= 0)
        return 0;
    bytes.truncate(count);
    runner_->receive(bytes);
    return count;
}

void PtyLink::write(const QByteArray& bytes)
{
    unsent_ += bytes;
    if (unsent_.size() > kMaxUnsent)
        unsent_.remove(0, unsent_.size() - kMaxUnsent);
    flush();
}

void PtyLink::flush()
{
    while (!unsent_.isEmpty()) {
        const ssize_t count = ::write(terminal_.master, unsent_.constData(), static_cast<size_t>(unsent_.size()));
        if (count <= 0)
            break;
        unsent_.remove(0, count);
    }
    write_notifier_->setEnabled(!unsent_.isEmpty());
}

}  // namespace telvar::sim
