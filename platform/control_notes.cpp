// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/control_notes.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

namespace telvar::detail {

namespace {

constexpr const char* kPlainDescription = "telvarPlainDescription";
constexpr const char* kMarkText = "telvarChangeMark";
constexpr const char* kDimmedReason = "telvarDimmedReason";
constexpr const char* kMarkSuffix = "_CHANGE_MARK";
// Dark orange: a dot that reads against the pages' grey, beside a text that says it too.
constexpr const char* kMarkStyle = "color: #B34700; font-size: 8px;";
constexpr int kGap = 3;

QLabel* caption_of(QWidget* w)
{
    for (QLabel* label : w->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (label->buddy() == w)
            return label;
    return nullptr;
}

QLabel* mark_of(QWidget* w)
{
    return w->parentWidget()->findChild<QLabel*>(w->objectName() + QLatin1String(kMarkSuffix),
                                                 Qt::FindDirectChildrenOnly);
}

QLabel* make_mark(QWidget* w)
{
    auto* mark = new QLabel(QStringLiteral("\u25CF"), w->parentWidget());
    mark->setObjectName(w->objectName() + QLatin1String(kMarkSuffix));
    mark->setStyleSheet(QLatin1String(kMarkStyle));
    mark->setAttribute(Qt::WA_TransparentForMouseEvents);
    mark->setAccessibleName(QStringLiteral("changed, not sent"));
    mark->adjustSize();
    return mark;
}

// Just before its caption; a check box without text: beside its box; any
// other control: in its top right corner.
QPoint mark_place(QWidget* w, const QLabel* mark)
{
    if (const QLabel* caption = caption_of(w))
        return {std::max(0, caption->x() - mark->width() - 1),
                caption->y() + (caption->height() - mark->height()) / 2};
    if (auto* box = qobject_cast<QCheckBox*>(w); box && box->text().isEmpty()) {
        QStyleOptionButton option;
        option.initFrom(box);
        const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
        return {w->x() + indicator.right() + kGap, w->y() + (w->height() - mark->height()) / 2};
    }
    return {w->x() + w->width() - mark->width() - 1, w->y()};
}

// The mark's news first, then why the control is dimmed, then what it is.
void describe(QWidget* w)
{
    QStringList parts;
    for (const char* property : {kMarkText, kDimmedReason, kPlainDescription}) {
        const QString part = w->property(property).toString();
        if (!part.isEmpty())
            parts << part;
    }
    w->setAccessibleDescription(parts.join(QLatin1String(". ")));
}

// The description the panel file gave, before a note is added to it.
void keep_plain_description(QWidget* w)
{
    if (!w->property(kPlainDescription).isValid())
        w->setProperty(kPlainDescription, w->accessibleDescription());
}

}  // namespace

void set_change_mark(QWidget* w, const QString& description)
{
    if (!w->parentWidget())
        return;
    keep_plain_description(w);
    w->setProperty(kMarkText, description);
    QLabel* mark = mark_of(w);
    if (description.isEmpty() && mark)
        mark->hide();
    if (!description.isEmpty()) {
        if (!mark)
            mark = make_mark(w);
        mark->move(mark_place(w, mark));
        mark->raise();
        mark->show();
    }
    describe(w);
}

void set_dimmed_reason(QWidget* w, const QString& reason)
{
    keep_plain_description(w);
    w->setProperty(kDimmedReason, reason);
    w->setToolTip(reason);
    describe(w);
}

void set_plain_description(QWidget* w, const QString& description)
{
    w->setProperty(kPlainDescription, description);
    describe(w);
}

}  // namespace telvar::detail
