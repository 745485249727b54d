// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/chart_gestures.h"

#include "platform/translation.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <qcustomplot.h>

namespace telvar::detail {

namespace {

// One key press pans a tenth of the range, or zooms as two wheel steps do.
constexpr double kPanStep = 0.1;
constexpr double kZoomIn = 0.85 * 0.85;
constexpr int kFocusedAxisWidth = 2;

QString how_to_move()
{
    return QString::fromUtf8(tr_text(
        "Chart", "Wheel zooms along x, with Ctrl along y; drag pans; Ctrl and drag zooms to a rectangle; double click "
                 "resets the view. Focused: arrow keys pan, + and - zoom along x, with Ctrl along y"));
}

class ViewGestures : public QObject {
public:
    ViewGestures(QCustomPlot* plot, std::vector<ViewAction> actions)
        : QObject(plot), plot_(plot), actions_(std::move(actions)), axis_pen_(plot->xAxis->basePen())
    {
        plot->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress: return key(static_cast<QKeyEvent*>(event));
        case QEvent::FocusIn: show_focus(true); break;
        case QEvent::FocusOut: show_focus(false); break;
        default: break;
        }
        return false;
    }

private:
    // True for a key that moves the view.
    bool key(const QKeyEvent* event)
    {
        QCPAxis* x = plot_->xAxis;
        QCPAxis* y = plot_->yAxis;
        QCPAxis* zoomed = event->modifiers() & Qt::ControlModifier ? y : x;
        switch (event->key()) {
        case Qt::Key_Left: x->moveRange(-kPanStep * x->range().size()); break;
        case Qt::Key_Right: x->moveRange(kPanStep * x->range().size()); break;
        case Qt::Key_Down: y->moveRange(-kPanStep * y->range().size()); break;
        case Qt::Key_Up: y->moveRange(kPanStep * y->range().size()); break;
        case Qt::Key_Plus:
        case Qt::Key_Equal: zoomed->scaleRange(kZoomIn); break;
        case Qt::Key_Minus: zoomed->scaleRange(1 / kZoomIn); break;
        default: return run_action(QKeySequence(event->key()));
        }
        plot_->replot(QCustomPlot::rpQueuedReplot);
        return true;
    }

    bool run_action(const QKeySequence& pressed)
    {
        for (const ViewAction& action : actions_) {
            if (action.keys.contains(pressed)) {
                action.run();
                return true;
            }
        }
        return false;
    }

    void show_focus(bool focused)
    {
        QPen pen = axis_pen_;
        if (focused) {
            pen.setColor(plot_->palette().color(QPalette::Highlight));
            pen.setWidth(kFocusedAxisWidth);
        }
        plot_->xAxis->setBasePen(pen);
        plot_->yAxis->setBasePen(pen);
        plot_->replot(QCustomPlot::rpQueuedReplot);
    }

    QCustomPlot* plot_;
    std::vector<ViewAction> actions_;
    QPen axis_pen_;
};

// The keys of each action, as a screen reader reads them out.
QString described(const std::vector<ViewAction>& actions)
{
    QString text = how_to_move();
    for (const ViewAction& action : actions) {
        QStringList keys;
        for (const QKeySequence& key : action.keys)
            keys << key.toString(QKeySequence::NativeText);
        if (!keys.isEmpty())
            text += QStringLiteral(", %1: %2").arg(keys.join(QString::fromUtf8(tr_text("Chart", " or "))), action.text);
    }
    return text + QLatin1Char('.');
}

}  // namespace

void add_view_gestures(QCustomPlot* plot, const std::vector<ViewAction>& actions, const std::function<void()>& reset)
{
    plot->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    plot->setFocusPolicy(Qt::StrongFocus);
    const QString described_before = plot->accessibleDescription();
    plot->setAccessibleDescription(described_before.isEmpty() ? described(actions)
                                                              : described_before + QLatin1Char(' ') + described(actions));
    // Along time, or whatever x is, unless Ctrl is held.
    QObject::connect(plot, &QCustomPlot::mouseWheel, plot, [plot](QWheelEvent* event) {
        plot->axisRect()->setRangeZoom(event->modifiers() & Qt::ControlModifier ? Qt::Vertical : Qt::Horizontal);
    });
    // A drag pans; with Ctrl held it draws the rectangle to zoom to instead.
    QObject::connect(plot, &QCustomPlot::mousePress, plot, [plot](QMouseEvent* event) {
        const bool rectangle = event->button() == Qt::LeftButton && (event->modifiers() & Qt::ControlModifier);
        plot->setSelectionRectMode(rectangle ? QCP::srmZoom : QCP::srmNone);
    });
    QObject::connect(plot, &QCustomPlot::mouseDoubleClick, plot, [reset](QMouseEvent* event) {
        if (event->button() == Qt::LeftButton)
            reset();
    });
    new ViewGestures(plot, actions);
}

}  // namespace telvar::detail
