#include "platform/print.h"

#include "platform/qt_access.h"
#include "platform/userint.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace telvar {

namespace {

int g_scale_to_page = 1;
int g_show_dialog = 1;
int g_grayscale = 0;

void render(QWidget* widget, QPrinter& printer, QPainter& painter)
{
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    if (g_scale_to_page) {
        const double scale = std::min(page.width() / widget->width(), page.height() / widget->height());
        painter.scale(scale, scale);
    }
    widget->render(&painter);
}

}  // namespace

int SetPrintAttribute(int attribute, int value)
{
    switch (attribute) {
    case ATTR_PRINT_SCALE_TO_PAGE: g_scale_to_page = value; return 0;
    case ATTR_PRINT_SHOW_DIALOG: g_show_dialog = value; return 0;
    case ATTR_PRINT_GRAYSCALE: g_grayscale = value; return 0;
    default: return UIE_BAD_ATTRIBUTE;
    }
}

int PrintPanel(int panel, const char* fileName, int area)
{
    QWidget* widget = PanelWidget(panel);
    if (!widget || area != VAL_FULL_PANEL)
        return UIE_BAD_PANEL;
    QPrinter printer(QPrinter::HighResolution);
    printer.setColorMode(g_grayscale ? QPrinter::GrayScale : QPrinter::Color);
    printer.setPageOrientation(widget->width() > widget->height() ? QPageLayout::Landscape
                                                                    : QPageLayout::Portrait);
    const QString file = QString::fromLocal8Bit(fileName);
    if (!file.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
    } else if (QPrinterInfo::availablePrinters().isEmpty()) {
        // No printer set up: the dialog then offers printing to a PDF file.
        printer.setOutputFormat(QPrinter::PdfFormat);
    }
    if (file.isEmpty() && g_show_dialog) {
        QPrintDialog dialog(&printer, widget);
        dialog.setAccessibleName(QStringLiteral("Print"));
        if (dialog.exec() != QDialog::Accepted)
            return 1;
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return UIE_FILE_NOT_READABLE;
    render(widget, printer, painter);
    painter.end();
    return 0;
}

}  // namespace telvar
