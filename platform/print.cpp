// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/print.h"

#include "platform/files.h"
#include "platform/modal.h"
#include "platform/qt_access.h"
#include "platform/translation.h"
#include "platform/userint.h"

#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPicture>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QFont>
#include <QTextDocument>
#include <QWidget>

#include <memory>

#include <algorithm>

namespace telvar {

namespace {

int g_scale_to_page = 1;
int g_show_dialog = 1;
int g_grayscale = 0;
PrintDestination g_last;

// The widgets paint into a picture, which is then played onto the page:
// the page gets their drawing commands. Rendering the widgets onto the
// printer itself makes Qt paint them into one raster of the page's
// resolution (some 13700 x 9500 pixels for the main window).
void render(QWidget* widget, QPrinter& printer, QPainter& painter)
{
    QPicture drawing;
    QPainter recorder(&drawing);
    widget->render(&recorder);
    recorder.end();

    // A picture plays at its own resolution, whatever the printer's.
    const double dot = double(printer.logicalDpiX()) / drawing.logicalDpiX();
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const double to_page = std::min(page.width() / widget->width(), page.height() / widget->height()) / dot;
    // Unscaled, the panel keeps its size on the screen.
    const double scale = g_scale_to_page ? to_page : double(drawing.logicalDpiX()) / widget->logicalDpiX();
    painter.scale(scale, scale);
    painter.drawPicture(0, 0, drawing);
}

// The operator's choice of printer or PDF file for what `text` names; the
// answer's path is the PDF file, empty for a printer.
ModalAnswer ask_for_printer(QPrinter& printer, QWidget* widget, const QString& text)
{
    ModalRequest request;
    request.kind = ModalKind::Print;
    request.title = tr_text("Dialogs", "Print");
    request.text = text.toStdString();
    return detail::ask_operator(request, [&] {
        QPrintDialog dialog(&printer, widget);
        dialog.setAccessibleName(QString::fromStdString(request.title));
        if (dialog.exec() != QDialog::Accepted)
            return ModalAnswer{0, {}};
        return ModalAnswer{1, QFile::encodeName(printer.outputFileName()).toStdString()};
    });
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
    // No printer set up: the dialog then offers printing to a PDF file.
    if (QPrinterInfo::availablePrinters().isEmpty())
        printer.setOutputFormat(QPrinter::PdfFormat);
    QString file = QString::fromLocal8Bit(fileName);
    if (file.isEmpty() && g_show_dialog) {
        const ModalAnswer answer = ask_for_printer(printer, widget, widget->windowTitle());
        if (answer.result <= 0)
            return 1;
        file = QString::fromLocal8Bit(answer.path.c_str());
    }
    if (!file.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return UIE_FILE_NOT_READABLE;
    render(widget, printer, painter);
    if (!painter.end())
        return UIE_FILE_NOT_READABLE;
    g_last = file.isEmpty() ? PrintDestination{false, printer.printerName().toStdString()}
                            : PrintDestination{true, QFile::encodeName(file).toStdString()};
    return 0;
}

int PrintDocument(int panel, const std::string& html)
{
    QWidget* widget = PanelWidget(panel);
    if (!widget)
        return UIE_BAD_PANEL;
    const std::unique_ptr<QTextDocument> document = detail::document_of(html);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(document->metaInformation(QTextDocument::DocumentTitle));
    if (QPrinterInfo::availablePrinters().isEmpty())
        printer.setOutputFormat(QPrinter::PdfFormat);
    const ModalAnswer answer = ask_for_printer(printer, widget, printer.docName());
    if (answer.result <= 0)
        return 1;
    if (!answer.path.empty()) {
        const std::string pdf = DocumentPdf(html);
        if (pdf.empty() || SaveFileAtomically(answer.path, pdf) != FILE_OK)
            return UIE_FILE_NOT_READABLE;
        g_last = PrintDestination{true, answer.path};
        return 0;
    }
    // Without a printer, a document that is to go to none has nowhere to go.
    if (printer.outputFormat() != QPrinter::NativeFormat)
        return UIE_FILE_NOT_READABLE;
    document->print(&printer);
    if (printer.printerState() == QPrinter::Error)
        return UIE_FILE_NOT_READABLE;
    g_last = PrintDestination{false, printer.printerName().toStdString()};
    return 0;
}

PrintDestination LastPrintDestination()
{
    return g_last;
}

}  // namespace telvar
