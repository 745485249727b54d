// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/control_notes.h"

#include <QCheckBox>
#include <QColor>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace telvar::detail {

namespace {

constexpr const char* kPlainDescription = "telvarPlainDescription";
constexpr const char* kPlainToolTip = "telvarPlainToolTip";
constexpr const char* kMarkText = "telvarChangeMark";
constexpr const char* kDimmedReason = "telvarDimmedReason";
constexpr const char* kMarkLayer = "telvarChangeMarks";
// Dark orange: a dot that reads against the pages' grey, beside a text that says it too.
const QColor kMarkColour(0xB3, 0x47, 0x00);
constexpr int kDot = 6;
constexpr int kDotGap = 3;

QLabel* caption_of(const QWidget* w)
{
    for (QLabel* label : w->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (label->buddy() == w)
            return label;
    return nullptr;
}

// In the parent's coordinates: just before the caption; a check box without
// text: beside its box; any other control: in its top right corner.
QRect dot_place(const QWidget* w)
{
    if (const QLabel* caption = caption_of(w))
        return {std::max(0, caption->x() - kDot - 2), caption->y() + (caption->height() - kDot) / 2, kDot, kDot};
    if (auto* box = qobject_cast<const QCheckBox*>(w); box && box->text().isEmpty()) {
        QStyleOptionButton option;
        option.initFrom(box);
        const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
        return {w->x() + indicator.right() + kDotGap, w->y() + (w->height() - kDot) / 2, kDot, kDot};
    }
    return {w->x() + w->width() - kDot - 2, w->y() + 2, kDot, kDot};
}

// The dots of the marked controls of one widget, painted after the widget
// and the controls have painted themselves: a dot within its control over
// the control, any other over the widget. A dot is no widget, so a screen
// reader hears of the change once, in the control's description.
class MarkLayer final : public QObject {
public:
    static MarkLayer* of(QWidget* parent)
    {
        // Only layers go by that name.
        if (QObject* layer = parent->findChild<QObject*>(QLatin1String(kMarkLayer), Qt::FindDirectChildrenOnly))
            return static_cast<MarkLayer*>(layer);
        return new MarkLayer(parent);
    }

    void mark(QWidget* control, bool marked)
    {
        const auto it = std::find(marked_.begin(), marked_.end(), control);
        if (marked == (it != marked_.end()))
            return;
        if (marked) {
            marked_.push_back(control);
            control->installEventFilter(this);
        } else {
            marked_.erase(it);
            control->removeEventFilter(this);
        }
        parent_->update(dot_place(control));
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* host = static_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::Paint:
            // Delivered here rather than by the caller: the dots go over what it paints.
            watched->event(event);
            paint_dots(host);
            return true;
        case QEvent::Show:
        case QEvent::Hide:
            if (host != parent_)
                parent_->update(dot_place(host));
            return false;
        case QEvent::Move:
        case QEvent::Resize:
            // Where the dot stood before is not known any more.
            if (host != parent_)
                parent_->update();
            return false;
        case QEvent::ChildRemoved:
            forget(static_cast<QChildEvent*>(event)->child());
            return false;
        default: return false;
        }
    }

private:
    explicit MarkLayer(QWidget* parent) : QObject(parent), parent_(parent)
    {
        setObjectName(QLatin1String(kMarkLayer));
        parent->installEventFilter(this);
    }

    void forget(QObject* child)
    {
        marked_.erase(std::remove(marked_.begin(), marked_.end(), child), marked_.end());
    }

    void paint_dots(QWidget* host)
    {
        QPainter painter(host);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kMarkColour);
        for (const QWidget* control : marked_) {
            if (control->isHidden())
                continue;
            const QRect dot = dot_place(control);
            const bool within = control->geometry().contains(dot);
            if (host == control && within)
                painter.drawEllipse(dot.translated(-control->pos()));
            else if (host == parent_ && !within)
                painter.drawEllipse(dot);
        }
    }

    QWidget* parent_;
    std::vector<const QWidget*> marked_;
};

// The mark's news first, then why the control is dimmed, then what it is;
// the tooltip tells the notes to the mouse before the control's own tip.
void describe(QWidget* w)
{
    QStringList notes;
    for (const char* property : {kMarkText, kDimmedReason}) {
        const QString note = w->property(property).toString();
        if (!note.isEmpty())
            notes << note;
    }
    QStringList tip = notes;
    QStringList description = notes;
    if (const QString own = w->property(kPlainToolTip).toString(); !own.isEmpty())
        tip << own;
    if (const QString plain = w->property(kPlainDescription).toString(); !plain.isEmpty())
        description << plain;
    w->setToolTip(tip.join(QLatin1Char('\n')));
    w->setAccessibleDescription(description.join(QLatin1String(". ")));
}

// The description and tooltip the panel file gave, before a note is added to them.
void keep_plain_description(QWidget* w)
{
    if (!w->property(kPlainDescription).isValid())
        w->setProperty(kPlainDescription, w->accessibleDescription());
    if (!w->property(kPlainToolTip).isValid())
        w->setProperty(kPlainToolTip, w->toolTip());
}

}  // namespace

void set_change_mark(QWidget* w, const QString& description)
{
    if (!w->parentWidget())
        return;
    keep_plain_description(w);
    w->setProperty(kMarkText, description);
    MarkLayer::of(w->parentWidget())->mark(w, !description.isEmpty());
    describe(w);
}

void set_dimmed_reason(QWidget* w, const QString& reason)
{
    keep_plain_description(w);
    w->setProperty(kDimmedReason, reason);
    describe(w);
}

void set_plain_description(QWidget* w, const QString& description)
{
    keep_plain_description(w);
    w->setProperty(kPlainDescription, description);
    describe(w);
}

}  // namespace telvar::detail
