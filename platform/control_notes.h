// SPDX-License-Identifier: GPL-3.0-or-later
// Notes on a control beyond what it is: the mark of a value that differs
// from the set the pages were last in step with (a dot painted beside its
// caption, or on the control when it has none), and why it is dimmed. Both
// are told in its accessible description, before what the control is, and
// in its tooltip.
#pragma once

#include <QString>

class QWidget;

namespace telvar::detail {

// An empty description takes the mark away and gives the control back its
// own description.
void set_change_mark(QWidget* w, const QString& description);
// Why a control is dimmed, as its tooltip and in its description; "" when it is not.
void set_dimmed_reason(QWidget* w, const QString& reason);
// What the control is, for screen readers; a mark's news stays before it.
void set_plain_description(QWidget* w, const QString& description);

}  // namespace telvar::detail
