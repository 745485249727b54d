// SPDX-License-Identifier: GPL-3.0-or-later
// Loading, showing and discarding panels, and delivering their events.
#include "platform/control_kinds.h"
#include "platform/handle_table.h"
#include "platform/panel_file.h"
#include "platform/panel_path.h"
#include "platform/panel_table.h"
#include "platform/value_watch.h"
#include "platform/pictures.h"
#include "platform/plot_control.h"
#include "platform/qt_access.h"
#include "platform/translation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QScreen>
#include <QTableView>

#include <algorithm>
#include <memory>

namespace telvar {

namespace detail {

namespace {

std::map<std::pair<std::string, int>, std::vector<ControlRole>> g_roles;
std::map<std::string, CtrlCallbackPtr> g_ctrl_callbacks;
std::map<std::string, PanelCallbackPtr> g_panel_callbacks;
HandleTable<Panel> g_panels;

// Roles belong to a panel file by its name, wherever it is read from.
std::pair<std::string, int> roles_key(const char* fileName, int resourceId)
{
    return {QFileInfo(QString::fromLocal8Bit(fileName)).fileName().toStdString(), resourceId};
}

// The panel of that resource number: the top widget itself or one of its children.
std::unique_ptr<QWidget> take_resource(std::unique_ptr<QWidget> top, int resourceId)
{
    if (top->property("resource").toInt() == resourceId)
        return top;
    for (QWidget* child : top->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->property("resource").toInt() == resourceId) {
            child->setParent(nullptr);
            return std::unique_ptr<QWidget>(child);
        }
    }
    return nullptr;
}

class PanelEvents : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const int panel = PanelHandle(static_cast<QWidget*>(watched));
        if (event->type() == QEvent::Resize) {
            deliver_panel_event(panel, EVENT_PANEL_SIZE);
            return false;
        }
        if (event->type() != QEvent::Close)
            return false;
        event->ignore();
        deliver_panel_event(panel, EVENT_CLOSE);
        return true;
    }
};

PanelEvents& panel_events()
{
    static PanelEvents filter;
    return filter;
}

int panel_of(QWidget* widget)
{
    for (QWidget* w = widget; w; w = w->parentWidget())
        if (int handle = PanelHandle(w))
            return handle;
    return 0;
}

// The control a focused widget belongs to (a combo box's text field is part
// of the combo box), 0 for none.
int control_of(int panel, const QWidget* widget)
{
    Panel* p = find_panel(panel);
    for (const QWidget* w = widget; p && w && w != p->widget; w = w->parentWidget())
        if (auto it = p->ids.find(w); it != p->ids.end())
            return it->second;
    return 0;
}

void track_focus()
{
    static bool tracking = false;
    if (tracking)
        return;
    tracking = true;
    QObject::connect(qApp, &QApplication::focusChanged, [](QWidget* old, QWidget* now) {
        const int old_panel = panel_of(old);
        const int new_panel = panel_of(now);
        if (const int control = control_of(old_panel, old))
            deliver_control_event(old_panel, control, EVENT_LOST_FOCUS);
        if (old_panel && old_panel != new_panel)
            deliver_panel_event(old_panel, EVENT_LOST_FOCUS);
        if (new_panel && old_panel != new_panel)
            deliver_panel_event(new_panel, EVENT_GOT_FOCUS);
        if (const int control = control_of(new_panel, now))
            deliver_control_event(new_panel, control, EVENT_GOT_FOCUS);
    });
}

// Finds every role and every named callback of the panel, connecting
// nothing yet; the first fault refuses the panel.
int find_bindings(Panel& panel, const std::vector<ControlRole>& roles)
{
    QWidget* root = panel.widget;
    for (const ControlRole& role : roles) {
        const auto found = root->findChildren<QWidget*>(QString::fromLatin1(role.name));
        if (found.isEmpty())
            return UIE_MISSING_CONTROL;
        if (found.size() > 1)
            return UIE_BAD_FILE;
        panel.controls[role.id] = found.front();
        panel.ids[found.front()] = role.id;
    }
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        const std::string name = widget->property("callback").toString().toStdString();
        if (name.empty())
            continue;
        auto callback = g_ctrl_callbacks.find(name);
        auto id = panel.ids.find(widget);
        if (callback == g_ctrl_callbacks.end())
            return UIE_UNKNOWN_CALLBACK;
        if (id == panel.ids.end())
            return UIE_BAD_FILE;
        panel.callbacks[id->second] = callback->second;
    }
    const std::string own = root->property("callback").toString().toStdString();
    if (!own.empty()) {
        auto callback = g_panel_callbacks.find(own);
        if (callback == g_panel_callbacks.end())
            return UIE_UNKNOWN_CALLBACK;
        panel.callback = callback->second;
    }
    return 0;
}

void wire_commits(int handle, const Panel& panel)
{
    for (const auto& [control, widget] : panel.controls)
        detail::watch_value(widget);
    for (const auto& [control, callback] : panel.callbacks) {
        QWidget* widget = panel.controls.at(control);
        if (auto wire = kind_of(widget).wire_commit)
            wire(widget, [handle, control = control] { deliver_control_event(handle, control, EVENT_COMMIT); });
    }
}

void show_svg_pictures(QWidget* root, const std::vector<std::pair<QString, QString>>& pictures)
{
    for (const auto& [name, file] : pictures)
        for (QLabel* picture : root->findChildren<QLabel*>(name))
            show_picture(picture, file);
}

// A ring of a panel file gives its entries' values in its "values" property,
// one per entry in list order; without it the entries count by position.
void give_ring_values(QWidget* root)
{
    for (QComboBox* ring : root->findChildren<QComboBox*>()) {
        const QStringList values = ring->property("values").toStringList();
        for (int k = 0; k < ring->count() && k < values.size(); ++k)
            ring->setItemData(k, values[k].toInt());
    }
}

// A table's corner button selects every row: screen readers name it so.
void name_table_corners(QWidget* root)
{
    for (QTableView* table : root->findChildren<QTableView*>())
        for (QAbstractButton* corner : table->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly))
            corner->setAccessibleName(QString::fromUtf8(tr_text("Table", "Select all rows")));
}

}  // namespace

Panel* find_panel(int panel)
{
    Panel* p = g_panels.find(panel);
    return p && p->widget ? p : nullptr;
}

int add_panel(Panel panel)
{
    return g_panels.add(std::move(panel));
}

int set_owner(int panel, int owner)
{
    Panel* p = find_panel(panel);
    if (!p || p->parent != 0)
        return UIE_BAD_PANEL;
    QWidget* owner_widget = nullptr;
    if (owner != 0) {
        // A panel cannot own itself, not even through others.
        for (int above = owner; above != 0;) {
            const Panel* o = find_panel(above);
            if (!o || o->parent != 0 || above == panel)
                return UIE_BAD_PANEL;
            above = o->owner;
        }
        owner_widget = find_panel(owner)->widget;
    }
    // As a Qt child with dialog flags the window stays above its owner.
    const bool shown = p->widget->isVisible();
    p->widget->setParent(owner_widget, owner_widget ? Qt::Dialog : Qt::Window);
    p->owner = owner;
    p->widget->setProperty("telvarPlaced", false);
    if (shown)
        p->widget->show();
    return 0;
}

QWidget* find_control(int panel, int control)
{
    Panel* p = find_panel(panel);
    if (!p)
        return nullptr;
    auto it = p->controls.find(control);
    return it == p->controls.end() ? nullptr : it->second.data();
}

void deliver_control_event(int panel, int control, int event, int eventData1, int eventData2)
{
    Panel* p = find_panel(panel);
    if (!p)
        return;
    auto it = p->callbacks.find(control);
    if (it != p->callbacks.end())
        it->second(panel, control, event, nullptr, eventData1, eventData2);
}

void deliver_panel_event(int panel, int event)
{
    if (Panel* p = find_panel(panel); p && p->callback)
        p->callback(panel, event, nullptr, 0, 0);
}

}  // namespace detail

using detail::find_panel;
using detail::Panel;

void DefinePanelRoles(const char* fileName, int resourceId, std::vector<ControlRole> roles)
{
    detail::g_roles[detail::roles_key(fileName, resourceId)] = std::move(roles);
}

void RegisterCallback(const char* name, CtrlCallbackPtr callback)
{
    detail::g_ctrl_callbacks[name] = callback;
}

void RegisterPanelCallback(const char* name, PanelCallbackPtr callback)
{
    detail::g_panel_callbacks[name] = callback;
}

int LoadPanel(int parentPanel, const char* fileName, int resourceId)
{
    using namespace detail;
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return UIE_NOT_INITIALISED;
    QWidget* parent = nullptr;
    if (parentPanel != 0) {
        Panel* p = find_panel(parentPanel);
        if (!p)
            return UIE_BAD_PANEL;
        parent = p->widget;
    }

    const QString path = panel_file_path(QCoreApplication::applicationDirPath(), QString::fromLocal8Bit(fileName));
    PanelFile file;
    if (const int read = read_panel_file(path, &file); read < 0)
        return read;
    std::unique_ptr<QWidget> widget = take_resource(std::move(file.top), resourceId);
    if (!widget)
        return UIE_NO_SUCH_RESOURCE;

    // Everything is looked up before anything is connected, so that a refused
    // panel leaves nothing behind.
    Panel panel;
    panel.widget = widget.get();
    panel.parent = parentPanel;
    auto roles = g_roles.find(roles_key(fileName, resourceId));
    const int bound = find_bindings(panel, roles == g_roles.end() ? std::vector<ControlRole>{} : roles->second);
    if (bound < 0)
        return bound;

    if (const int plots = set_up_plots(widget.get()); plots < 0)
        return plots;
    show_svg_pictures(widget.get(), file.svg_pictures);
    give_ring_values(widget.get());
    name_table_corners(widget.get());
    widget->hide();
    if (parent)
        widget->setParent(parent);
    else
        widget->setWindowFlags(Qt::Window);
    const int handle = add_panel(std::move(panel));
    wire_commits(handle, *g_panels.find(handle));
    if (!parent)
        widget->installEventFilter(&panel_events());
    track_focus();
    widget.release();
    return handle;
}

namespace {

// Over the middle of `over`, but whole on its screen where it fits, and with
// its top left corner on it where it does not: a window wider than its owner
// by the owner's edge of the screen must not open partly out of sight. A
// window that lays itself out opens no larger than the screen: its tables
// take the room there is.
QRect opening_place(const QWidget* window, const QWidget* over)
{
    const QRect screen = over->screen()->availableGeometry();
    QSize size = window->size();
    if (window->layout())
        size = size.boundedTo(screen.size()).expandedTo(window->minimumSizeHint());
    QRect place(over->geometry().center() - QRect(QPoint(), size).center(), size);
    place.moveLeft(std::max(screen.left(), std::min(place.left(), screen.right() + 1 - place.width())));
    place.moveTop(std::max(screen.top(), std::min(place.top(), screen.bottom() + 1 - place.height())));
    return place;
}

}  // namespace

int DisplayPanel(int panel)
{
    Panel* p = find_panel(panel);
    if (!p)
        return UIE_BAD_PANEL;
    // A window opens over the middle of its owner, or else of the window the
    // operator works in.
    QWidget* over = p->owner ? find_panel(p->owner)->widget.data() : QApplication::activeWindow();
    if (p->parent == 0 && !p->widget->property("telvarPlaced").toBool() && over && over != p->widget) {
        // The geometry without the window frame, as the owner's.
        p->widget->setGeometry(opening_place(p->widget.data(), over));
        p->widget->setProperty("telvarPlaced", true);
    }
    p->widget->show();
    p->widget->raise();
    return 0;
}

int HidePanel(int panel)
{
    Panel* p = find_panel(panel);
    if (!p)
        return UIE_BAD_PANEL;
    p->widget->hide();
    return 0;
}

int DiscardPanel(int panel)
{
    Panel* p = find_panel(panel);
    if (!p)
        return UIE_BAD_PANEL;
    // Child and owned panels go with their parent or owner: forget them
    // before the widgets die.
    std::vector<int> children;
    for (auto& [handle, other] : detail::g_panels)
        if (other.parent == panel || other.owner == panel)
            children.push_back(handle);
    for (int child : children)
        DiscardPanel(child);
    // Forgotten before the widget goes, so that the focus moving away from a
    // dying panel reaches no callback.
    QWidget* widget = p->widget;
    detail::g_panels.remove(panel);
    widget->removeEventFilter(&detail::panel_events());
    delete widget;
    return 0;
}

int SetActivePanel(int panel)
{
    Panel* p = find_panel(panel);
    if (!p)
        return UIE_BAD_PANEL;
    QWidget* window = p->widget->window();
    window->activateWindow();
    if (p->parent != 0 && !p->widget->isAncestorOf(QApplication::focusWidget()))
        p->widget->setFocus();
    return 0;
}

std::string GetPanelPlacement(int panel)
{
    const Panel* p = find_panel(panel);
    return p ? p->widget->saveGeometry().toBase64().toStdString() : std::string();
}

int SetPanelPlacement(int panel, const std::string& placement)
{
    Panel* p = find_panel(panel);
    if (!p)
        return UIE_BAD_PANEL;
    const QByteArray kept = QByteArray::fromBase64(QByteArray::fromStdString(placement));
    return p->widget->restoreGeometry(kept) ? 0 : UIE_BAD_ATTRIBUTE;
}

int GetActivePanel()
{
    return detail::panel_of(QApplication::focusWidget() ? QApplication::focusWidget()
                                                        : QApplication::activeWindow());
}

int SetActiveCtrl(int panel, int control)
{
    QWidget* widget = detail::find_control(panel, control);
    if (!widget)
        return UIE_BAD_CONTROL;
    widget->setFocus(Qt::OtherFocusReason);
    return 0;
}

int CallCtrlCallback(int panel, int control, int event, int eventData1, int eventData2)
{
    if (!detail::find_control(panel, control))
        return UIE_BAD_CONTROL;
    detail::deliver_control_event(panel, control, event, eventData1, eventData2);
    return 0;
}

QWidget* PanelWidget(int panel)
{
    detail::Panel* p = find_panel(panel);
    return p ? p->widget.data() : nullptr;
}

QWidget* ControlWidget(int panel, int control)
{
    return detail::find_control(panel, control);
}

int PanelHandle(const QWidget* widget)
{
    if (!widget)
        return 0;
    for (auto& [handle, panel] : detail::g_panels)
        if (panel.widget == widget)
            return handle;
    return 0;
}

}  // namespace telvar
