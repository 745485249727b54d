// SPDX-License-Identifier: GPL-3.0-or-later
// Built-in pictures drawn sharp: run with QT_SCALE_FACTOR=2, so that every
// control has two pixels of the screen to each of its own.
#include "support/panel_files.h"

#include "platform/qt_access.h"
#include "platform/userint.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace telvar::test {
namespace {

constexpr const char* kLogoA = ":/branding/logo_a.svg";

// The SVG drawn directly at that size in screen pixels.
QImage drawn(const QString& file, QSize pixels)
{
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QSvgRenderer(file).render(&painter);
    return image;
}

class Pictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_DOUBLE_EQ(qGuiApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
        const QByteArray logo =
            ui_widget("QLabel", "LOGO",
                      ui_geometry(10, 10, 200, 24) + ui_property("pixmap", "<pixmap>:/branding/logo_a.svg</pixmap>")
                          + ui_property("scaledContents", "<bool>true</bool>"));
        panel = files.load("pictures.uir", logo, {{LOGO, "LOGO"}});
        ASSERT_GT(panel, 0);
        label = qobject_cast<QLabel*>(ControlWidget(panel, LOGO));
    }
    void TearDown() override { DiscardPanel(panel); }

    enum { LOGO = 1 };
    PanelFiles files;
    int panel = 0;
    QLabel* label = nullptr;
};

TEST_F(Pictures, SvgOfThePanelFileIsDrawnForTheControlsScreenPixels)
{
    const QPixmap shown = label->pixmap();
    EXPECT_EQ(shown.size(), QSize(400, 48));
    EXPECT_DOUBLE_EQ(shown.devicePixelRatio(), 2.0);
    EXPECT_EQ(shown.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), drawn(kLogoA, QSize(400, 48)))
        << "drawn from the SVG, not scaled up from a smaller raster";
}

TEST_F(Pictures, ResizedControlIsDrawnAnew)
{
    DisplayPanel(panel);
    SetCtrlAttribute(panel, LOGO, ATTR_WIDTH, 300);
    SetCtrlAttribute(panel, LOGO, ATTR_HEIGHT, 36);
    EXPECT_EQ(label->pixmap().size(), QSize(600, 72));
    EXPECT_EQ(label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
              drawn(kLogoA, QSize(600, 72)));
}

TEST_F(Pictures, ImageFilesShowSvgSharpAndOthersAsTheyAre)
{
    QTemporaryDir dir;
    const QString svg = QDir(dir.path()).filePath("mark.svg");
    QFile::copy(":/branding/logo_b.svg", svg);
    const QString png = QDir(dir.path()).filePath("mark.png");
    QImage square(20, 20, QImage::Format_RGB32);
    square.fill(Qt::red);
    ASSERT_TRUE(square.save(png));

    EXPECT_EQ(DisplayImageFile(panel, LOGO, svg.toLocal8Bit().constData()), 0);
    EXPECT_EQ(label->pixmap().size(), QSize(400, 48));
    EXPECT_EQ(DisplayImageFile(panel, LOGO, png.toLocal8Bit().constData()), 0);
    EXPECT_EQ(label->pixmap().size(), QSize(20, 20));
    SetCtrlAttribute(panel, LOGO, ATTR_WIDTH, 300);
    EXPECT_EQ(label->pixmap().size(), QSize(20, 20)) << "the SVG no longer draws over the new image";

    const qint64 before = label->pixmap().cacheKey();
    EXPECT_EQ(DisplayImageFile(panel, LOGO, "no-such-picture.svg"), UIE_FILE_NOT_READABLE);
    EXPECT_EQ(DisplayImageFile(panel, LOGO, "no-such-picture.png"), UIE_FILE_NOT_READABLE);
    EXPECT_EQ(label->pixmap().cacheKey(), before) << "a picture that cannot be read leaves the old one";
}

TEST(Logo, LinesKeepClearOfTheTextAndTheSizeStays)
{
    QSvgRenderer logo{QString(kLogoA)};
    ASSERT_TRUE(logo.isValid());
    EXPECT_EQ(logo.defaultSize(), QSize(200, 24));
    const QRectF text = logo.boundsOnElement("name");
    ASSERT_FALSE(text.isEmpty());
    for (const char* beam : {"beam-out", "beam-back"}) {
        const QRectF line = logo.boundsOnElement(beam);
        ASSERT_FALSE(line.isEmpty()) << beam;
        EXPECT_FALSE(line.intersects(text)) << beam;
    }
}

}  // namespace
}  // namespace telvar::test
