// SPDX-License-Identifier: GPL-3.0-or-later
// The application, its event loop and the wait cursor.
#include "platform/userint.h"

#include "platform/display.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QIcon>
#include <QStyleFactory>

#include <cstdio>
#include <cstring>

namespace telvar {

namespace {

// The program's own event loop. Quitting ends this loop alone; the
// application's quit would make every later local loop (the waits of a
// command still running) return at once and spin.
QEventLoop* g_main_loop = nullptr;
int g_wait_cursor = 0;

}  // namespace

int InitCVIRTE(int argc, char** argv)
{
    if (QCoreApplication::instance())
        return 1;
    if (const std::string missing = detail::missing_display(argc, argv); !missing.empty()) {
        std::fprintf(stderr, "TELVAR-K20-Dizer: %s\n", missing.c_str());
        return 0;
    }
    static int s_argc;
    s_argc = argc;  // QApplication keeps a reference to it
    detail::start_application(s_argc, argv);
    QApplication::setApplicationName(QStringLiteral("TELVAR-K20-Dizer"));
    // The window system finds the menu entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("telvar-k20-dizer"));
    QApplication::setQuitOnLastWindowClosed(false);
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    return 1;
}

int SetApplicationIcon(const char* fileName)
{
    const QIcon icon(QString::fromUtf8(fileName));
    if (icon.isNull())
        return UIE_FILE_NOT_READABLE;
    QApplication::setWindowIcon(icon);
    return 0;
}

int RunUserInterface()
{
    QEventLoop loop;
    g_main_loop = &loop;
    const int code = loop.exec();
    g_main_loop = nullptr;
    return code;
}

int QuitUserInterface(int returnCode)
{
    if (!g_main_loop)
        return UIE_NOT_INITIALISED;
    g_main_loop->exit(returnCode);
    return 0;
}

void SetWaitCursor(int on)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    if (on && !g_wait_cursor)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else if (!on && g_wait_cursor)
        QApplication::restoreOverrideCursor();
    g_wait_cursor = on ? 1 : 0;
}

int GetProjectDir(char* buffer, std::size_t size)
{
    if (size == 0)
        return UIE_BAD_ATTRIBUTE;
    const QByteArray dir = QCoreApplication::applicationDirPath().toLocal8Bit();
    if (static_cast<std::size_t>(dir.size()) >= size)
        return UIE_BAD_ATTRIBUTE;
    std::memcpy(buffer, dir.constData(), dir.size() + 1);
    return 0;
}

}  // namespace telvar
