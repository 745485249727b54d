// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/value_watch.h"

#include "platform/listeners.h"
#include "platform/userint.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QSpinBox>
#include <QTimer>

namespace telvar {

namespace {

// Told nothing but that values changed.
struct ValuesChanged {};
Listeners<ValuesChanged> g_change_hooks;
bool g_pending = false;

void value_changed()
{
    if (g_change_hooks.empty() || g_pending)
        return;
    g_pending = true;
    QTimer::singleShot(0, [] {
        g_pending = false;
        g_change_hooks.tell(ValuesChanged{});
    });
}

// The kinds watch_value connects to.
bool watched(QWidget* w)
{
    if (qobject_cast<QSpinBox*>(w) || qobject_cast<QComboBox*>(w))
        return true;
    auto* button = qobject_cast<QAbstractButton*>(w);
    return button && button->isCheckable();
}

}  // namespace

void SetValueChangeHook(const std::string& name, std::function<void()> hook)
{
    if (!hook) {
        g_change_hooks.set(name, nullptr);
        return;
    }
    g_change_hooks.set(name, [hook = std::move(hook)](const ValuesChanged&) { hook(); });
}

namespace detail {

void watch_value(QWidget* w)
{
    if (auto* spin = qobject_cast<QSpinBox*>(w))
        QObject::connect(spin, &QSpinBox::valueChanged, spin, [] { value_changed(); });
    else if (auto* button = qobject_cast<QAbstractButton*>(w); button && button->isCheckable())
        QObject::connect(button, &QAbstractButton::toggled, button, [] { value_changed(); });
    else if (auto* ring = qobject_cast<QComboBox*>(w))
        QObject::connect(ring, &QComboBox::currentIndexChanged, ring, [] { value_changed(); });
}

void value_set(QWidget* w)
{
    if (watched(w))
        value_changed();
}

}  // namespace detail

}  // namespace telvar
