// SPDX-License-Identifier: GPL-3.0-or-later
// The kinds of widget a panel control can be, one row each: how the kind
// gets and sets its number and its text, reports the operator's commit, is
// dimmed, is locked as an indicator, and takes its colours. Internal to the
// platform layer.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace telvar::detail {

// Where a kind's colours go: style-sheet selectors in which %1 stands for
// the control itself; nullptr where the kind takes no such colour.
struct ColourSelectors {
    const char* background;
    const char* text;
    const char* on;
    // Where a dimmed control that shows a colour of its own (a running
    // command's red button) keeps its text readable.
    const char* dimmed_text = nullptr;
};

struct ControlKind {
    bool (*is)(const QWidget* widget);
    // nullptr where the kind has no number of its own; it then takes and
    // gives numbers as text.
    double (*get_number)(const QWidget* widget);
    // 0, or a negative UIE_ code for a value the control cannot show.
    int (*set_number)(QWidget* widget, double value);
    // nullptr where the kind has no text.
    QString (*get_text)(const QWidget* widget);
    void (*set_text)(QWidget* widget, const QString& text);
    // Calls `commit` whenever the operator has changed the value; nullptr:
    // the kind never commits.
    void (*wire_commit)(QWidget* widget, std::function<void()> commit);
    void (*set_dimmed)(QWidget* widget, bool dimmed);
    // nullptr where the kind only shows: it is an indicator always.
    void (*set_locked)(QWidget* widget, bool locked);
    ColourSelectors colours;
};

// The row of the first kind the widget is; every widget is at least of the
// last kind, which has no value.
const ControlKind& kind_of(const QWidget* widget);

}  // namespace telvar::detail
