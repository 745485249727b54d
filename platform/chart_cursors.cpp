// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/chart_cursors.h"

#include "platform/translation.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <qcustomplot.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace telvar::detail {

namespace {

constexpr double kNoPlace = std::numeric_limits<double>::quiet_NaN();
// How near a line the pointer takes it, in pixels.
constexpr double kReachPixels = 6;
constexpr int kShiftStep = 10;
constexpr int kReadoutMargin = 6;
const QColor kActiveColour(0xC0, 0x00, 0x00);
const QColor kOtherColour(0x60, 0x60, 0x60);

// A vertical line that asks where it stands each time it is drawn, so that
// it moves with the samples however the chart redraws them.
class CursorLine : public QCPItemStraightLine {
public:
    CursorLine(QCustomPlot* plot, ChartCursors* cursors, int cursor)
        : QCPItemStraightLine(plot), cursors_(cursors), cursor_(cursor)
    {
        setSelectable(false);
    }

protected:
    void draw(QCPPainter* painter) override
    {
        const double x = cursors_->line_x(cursor_);
        if (std::isnan(x))
            return;
        point1->setCoords(x, 0);
        point2->setCoords(x, 1);
        const bool active = cursors_->active() == cursor_;
        setPen(QPen(active ? kActiveColour : kOtherColour, active ? 2 : 1, active ? Qt::SolidLine : Qt::DashLine));
        QCPItemStraightLine::draw(painter);
    }

private:
    ChartCursors* cursors_;
    int cursor_;
};

}  // namespace

ChartCursors::ChartCursors(Chart* chart) : QObject(chart), chart_(chart), readout_(new QLabel(chart->plot()))
{
    QCustomPlot* plot = chart->plot();
    for (int k = 0; k < 2; ++k) {
        auto* line = new CursorLine(plot, this, k);
        line->setLayer(chart->cursor_layer());
        line->setClipToAxisRect(true);
    }
    readout_->setAccessibleName(QString::fromUtf8(tr_text("Chart", "Cursor readout")));
    readout_->setTextFormat(Qt::PlainText);
    readout_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    readout_->setStyleSheet(QStringLiteral(
        "QLabel { background: rgba(255, 255, 255, 230); color: black; border: 1px solid #808080; padding: 3px; }"));
    // The lines under it stay within the pointer's reach.
    readout_->setAttribute(Qt::WA_TransparentForMouseEvents);
    readout_->hide();
    connect(plot, &QCustomPlot::afterReplot, this, &ChartCursors::place_readout);
    plot->installEventFilter(this);
}

void ChartCursors::set_on(bool on)
{
    if (on == on_)
        return;
    on_ = on;
    active_ = 0;
    dragged_ = -1;
    if (on_)
        place();
    refresh();
    chart_->redraw(false);
}

void ChartCursors::set_text(CursorText text)
{
    text_ = std::move(text);
    refresh();
}

void ChartCursors::refresh()
{
    if (on_)
        sync();
    show_text();
}

void ChartCursors::show_text()
{
    if (!on_) {
        readout_->hide();
        return;
    }
    const QString text = placed_ && text_ ? QString::fromStdString(text_(at_[0], at_[1], active_))
                                          : QString::fromUtf8(tr_text("Chart", "No samples under the cursors"));
    if (readout_->text() != text) {
        readout_->setText(text);
        readout_->setAccessibleDescription(text);
        readout_->adjustSize();
    }
    readout_->show();
    place_readout();
}

double ChartCursors::line_x(int cursor)
{
    if (!on_)
        return kNoPlace;
    // Drawn again as samples come: what stands under the cursors may have changed.
    if (cursor == 0) {
        const std::array<long long, 2> before = at_;
        const bool was_placed = placed_;
        sync();
        if (at_ != before || placed_ != was_placed)
            show_text();
    }
    return placed_ ? chart_->x_of(at_[static_cast<std::size_t>(cursor)]) : kNoPlace;
}

void ChartCursors::place()
{
    const QCPRange shown = chart_->plot()->xAxis->range();
    for (std::size_t k = 0; k < 2; ++k) {
        const double x = shown.lower + static_cast<double>(k + 1) * shown.size() / 3;
        at_[k] = chart_->sample_at(x);
        back_[k] = std::llround(shown.upper - x);
    }
    placed_ = false;
}

bool ChartCursors::sync()
{
    const std::optional<SampleSpan> span = chart_->cursor_span();
    placed_ = span.has_value();
    if (!span)
        return false;
    const bool follows = chart_->follows_newest();
    // Following, a cursor stays on the screen: at most a screen's width back.
    const long long width = std::max(0LL, std::llround(chart_->plot()->xAxis->range().size()));
    for (std::size_t k = 0; k < 2; ++k) {
        if (follows) {
            back_[k] = std::clamp(back_[k], 0LL, width);
            at_[k] = span->last - back_[k];
        }
        at_[k] = std::clamp(at_[k], span->first, span->last);
        if (!follows)
            back_[k] = span->last - at_[k];
    }
    return true;
}

void ChartCursors::move(int cursor, long long sample)
{
    const std::optional<SampleSpan> span = chart_->cursor_span();
    if (!placed_ || !span)
        return;
    const auto k = static_cast<std::size_t>(cursor);
    active_ = cursor;
    at_[k] = std::clamp(sample, span->first, span->last);
    back_[k] = span->last - at_[k];
    show_text();
    chart_->redraw(false);
}

bool ChartCursors::key(int key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    const bool shift = modifiers & Qt::ShiftModifier;
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        move(active_, at_[static_cast<std::size_t>(active_)] + (key == Qt::Key_Left ? -1 : 1) * (shift ? kShiftStep : 1));
        return true;
    case Qt::Key_1:
    case Qt::Key_2: active_ = key == Qt::Key_1 ? 0 : 1; break;
    // Tab goes on from cursor 2, Shift+Tab back from cursor 1: the keyboard
    // is never held in the chart.
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        const bool back = shift || key == Qt::Key_Backtab;
        if (active_ == (back ? 0 : 1))
            return false;
        active_ = back ? 0 : 1;
        break;
    }
    default: return false;
    }
    refresh();
    chart_->redraw(false);
    return true;
}

int ChartCursors::grabbed(double pixel_x) const
{
    int nearest = -1;
    double distance = kReachPixels;
    for (int k = 0; k < 2; ++k) {
        const double x = chart_->x_of(at_[static_cast<std::size_t>(k)]);
        const double d = std::abs(chart_->plot()->xAxis->coordToPixel(x) - pixel_x);
        // The active one first where both are in reach.
        if (d < distance || (d <= distance && k == active_ && nearest >= 0)) {
            nearest = k;
            distance = d;
        }
    }
    return nearest;
}

void ChartCursors::place_readout()
{
    if (readout_->isHidden())
        return;
    const QRect axes = chart_->plot()->axisRect()->rect();
    readout_->move(axes.left() + kReadoutMargin, axes.top() + kReadoutMargin);
}

bool ChartCursors::eventFilter(QObject*, QEvent* event)
{
    if (!on_)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* pressed = static_cast<QKeyEvent*>(event);
        return key(pressed->key(), pressed->modifiers());
    }
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
            active_ = reason == Qt::TabFocusReason ? 0 : 1;
            refresh();
            chart_->redraw(false);
        }
        return false;
    }
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!placed_ || mouse->button() != Qt::LeftButton || (mouse->modifiers() & Qt::ControlModifier))
            return false;
        dragged_ = grabbed(mouse->position().x());
        if (dragged_ < 0)
            return false;
        chart_->plot()->setFocus(Qt::MouseFocusReason);
        move(dragged_, at_[static_cast<std::size_t>(dragged_)]);
        return true;  // the view does not pan under a cursor dragged
    }
    case QEvent::MouseMove:
        if (dragged_ < 0)
            return false;
        move(dragged_, chart_->sample_at(
                           chart_->plot()->xAxis->pixelToCoord(static_cast<QMouseEvent*>(event)->position().x())));
        return true;
    case QEvent::MouseButtonRelease:
        if (dragged_ < 0)
            return false;
        dragged_ = -1;
        return true;
    default: return false;
    }
}

}  // namespace telvar::detail
