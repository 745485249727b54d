// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/display.h"

#include <QApplication>
#include <QByteArray>
#include <QFileInfo>
#include <QList>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace telvar::detail {

namespace {

QByteArray env(const char* name)
{
    return qgetenv(name);
}

// The window systems the toolkit tries, in its order: a -platform argument,
// else QT_QPA_PLATFORM, else Wayland when the session is one, then X11.
QList<QByteArray> platforms_to_try(int argc, char** argv)
{
    QByteArray chosen;
    for (int k = 1; k + 1 < argc; ++k)
        if (std::strcmp(argv[k], "-platform") == 0 || std::strcmp(argv[k], "--platform") == 0)
            chosen = argv[k + 1];
    if (chosen.isEmpty())
        chosen = env("QT_QPA_PLATFORM");
    if (chosen.isEmpty()) {
        const bool wayland = !env("WAYLAND_DISPLAY").isEmpty() || env("XDG_SESSION_TYPE") == "wayland";
        chosen = wayland ? "wayland;xcb" : "xcb";
    }
    QList<QByteArray> names;
    for (const QByteArray& entry : chosen.split(';'))
        names.push_back(entry.split(':').front());  // options follow a colon
    return names;
}

bool can_show(const QByteArray& platform)
{
    if (platform == "xcb")
        return !env("DISPLAY").isEmpty();
    if (platform.startsWith("wayland"))
        return !env("WAYLAND_DISPLAY").isEmpty()
            || QFileInfo::exists(QString::fromLocal8Bit(env("XDG_RUNTIME_DIR")) + QStringLiteral("/wayland-0"));
    return true;  // offscreen, VNC, frame buffers: nothing to look for beforehand
}

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

// While the application starts, the toolkit's messages are held back: if
// its window system fails after all, one line replaces them.
QList<HeldMessage>* g_held = nullptr;

void hold_message(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        std::fputs("TELVAR-K20-Dizer: the display cannot be reached.\n", stderr);
        std::_Exit(255);
    }
    g_held->push_back({type, context.category, text});
}

}  // namespace

std::string missing_display(int argc, char** argv)
{
    for (const QByteArray& platform : platforms_to_try(argc, argv))
        if (can_show(platform))
            return {};
    return "no display to show the window on (DISPLAY and WAYLAND_DISPLAY are not set).";
}

void start_application(int& argc, char** argv)
{
    QList<HeldMessage> held;
    g_held = &held;
    const QtMessageHandler previous = qInstallMessageHandler(hold_message);
    // Lives until the process ends: widgets and statics of the platform may
    // still refer to it while the program exits.
    new QApplication(argc, argv);
    qInstallMessageHandler(previous);
    g_held = nullptr;
    for (const HeldMessage& m : held)
        qt_message_output(m.type, QMessageLogContext(nullptr, 0, nullptr, m.category.constData()), m.text);
}

}  // namespace telvar::detail
