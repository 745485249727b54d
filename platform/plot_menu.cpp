// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/plot_menu.h"

#include "platform/csv_file.h"
#include "platform/files.h"
#include "platform/translation.h"
#include "platform/userint.h"

#include <QFileInfo>
#include <QMenu>
#include <QWidget>

#include <string>

namespace telvar::detail {

namespace {

// The dialogs open where the last file went; at first in the program's
// directory, or in the operator's documents when that cannot be written.
std::string g_last_directory;

std::string dialog_directory()
{
    if (!g_last_directory.empty())
        return g_last_directory;
    char program[MAX_PATHNAME_LEN];
    return GetProjectDir(program) == 0 ? FileDialogsDir(program) : DocumentsDir();
}

// The chosen file, empty when the operator cancelled.
std::string choose_file(const char* title, const char* file_spec, const char* types)
{
    char path[MAX_PATHNAME_LEN];
    const int chosen = FileSelectPopup(dialog_directory().c_str(), file_spec, types, title, VAL_SAVE_BUTTON, 0, 1, 1, 1,
                                       path);
    if (chosen == UIE_BUFFER_TOO_SMALL)
        MessagePopup(tr_text("Chart", "ERROR"), tr_text("Chart", "The file name is too long."));
    if (chosen <= 0)
        return {};
    g_last_directory = QFileInfo(QString::fromLocal8Bit(path)).absolutePath().toLocal8Bit().toStdString();
    return path;
}

// `pattern` names what was not saved; %1 is the file.
void report_failure(const char* pattern, const std::string& path)
{
    const std::string text = with_args(pattern, {path});
    MessagePopup(tr_text("Chart", "ERROR"), text.c_str());
}

void save_picture(const ChartSaving& saving)
{
    const std::string path = choose_file(tr_text("Chart", "Save Picture"), "*.png", "*.png;*.pdf");
    if (path.empty())
        return;
    const QString file = QString::fromLocal8Bit(path.c_str());
    const bool pdf = file.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
    if (!saving.picture(file, pdf))
        report_failure(tr_text("Chart", "The picture could not be saved to %1."), path);
}

void save_data(const ChartSaving& saving)
{
    const std::string path = choose_file(tr_text("Chart", "Save Data"), "*.csv", "*.csv");
    if (!path.empty() && !SaveCsv(path, saving.csv()))
        report_failure(tr_text("Chart", "The data could not be saved to %1."), path);
}

}  // namespace

void add_chart_menu(QWidget* chart, ChartSaving saving, const std::vector<ViewAction>& view)
{
    auto* menu = new QMenu(chart);
    menu->setAccessibleName(chart->accessibleName());
    // Menu entries tell screen readers their text.
    QAction* picture = menu->addAction(QString::fromUtf8(tr_text("Chart", "Save picture...")));
    QAction* data = menu->addAction(QString::fromUtf8(tr_text("Chart", "Save data as CSV...")));
    QObject::connect(picture, &QAction::triggered, menu, [saving] { save_picture(saving); });
    QObject::connect(data, &QAction::triggered, menu, [saving] { save_data(saving); });
    menu->addSeparator();
    for (const ViewAction& action : view) {
        QAction* entry = menu->addAction(action.text);
        // The key is shown; the chart itself takes it while focused.
        entry->setShortcuts(action.keys);
        entry->setShortcutContext(Qt::WidgetShortcut);
        QObject::connect(entry, &QAction::triggered, menu, action.run);
    }
    chart->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(chart, &QWidget::customContextMenuRequested, menu,
                     [chart, menu](const QPoint& at) { menu->popup(chart->mapToGlobal(at)); });
}

}  // namespace telvar::detail
