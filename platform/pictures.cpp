// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pictures.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace telvar::detail {

namespace {

// Lives as a child of its label and watches it, so that a resize or a move
// to a screen of another pixel ratio draws the picture anew.
class SvgPicture : public QObject {
    Q_OBJECT

public:
    SvgPicture(QLabel* label, const QString& fileName) : QObject(label), label_(label), svg_(fileName) {}

    bool valid() const { return svg_.isValid(); }

    void start()
    {
        label_->installEventFilter(this);
        draw();
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        // Paint comes first on a new screen as after a resize.
        if (event->type() == QEvent::Resize || event->type() == QEvent::Paint)
            draw();
        return false;
    }

private:
    void draw()
    {
        const qreal ratio = label_->devicePixelRatioF();
        const QSize size = label_->hasScaledContents() ? label_->contentsRect().size() : svg_.defaultSize();
        if (size.isEmpty() || (size == drawn_size_ && ratio == drawn_ratio_))
            return;
        drawn_size_ = size;
        drawn_ratio_ = ratio;
        QPixmap image((QSizeF(size) * ratio).toSize());
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        svg_.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
        painter.end();
        label_->setPixmap(image);
    }

    QLabel* label_;
    QSvgRenderer svg_;
    QSize drawn_size_;
    qreal drawn_ratio_ = 0;
};

}  // namespace

bool show_picture(QLabel* picture, const QString& fileName)
{
    SvgPicture* old = picture->findChild<SvgPicture*>(QString(), Qt::FindDirectChildrenOnly);
    if (fileName.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        auto* svg = new SvgPicture(picture, fileName);
        if (!svg->valid()) {
            delete svg;
            return false;
        }
        delete old;
        svg->start();
        return true;
    }
    QPixmap image;
    if (!image.load(fileName))
        return false;
    delete old;
    picture->setPixmap(image);
    return true;
}

}  // namespace telvar::detail

#include "pictures.moc"
