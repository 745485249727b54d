// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/panel_file.h"

#include "platform/userint.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QFile>
#include <QKeySequence>
#include <QUiLoader>
#include <QWidget>
#include <QXmlStreamReader>
#include <qcustomplot.h>

namespace telvar::detail {

namespace {

// Notes every widget, layout or action it could not make: the loader leaves
// such a thing out and says so only in a warning.
class PanelLoader : public QUiLoader {
public:
    bool failed = false;

    QWidget* createWidget(const QString& className, QWidget* parent, const QString& name) override
    {
        if (className == QLatin1String("QCustomPlot")) {
            auto* plot = new QCustomPlot(parent);
            plot->setObjectName(name);
            return plot;
        }
        return noted(QUiLoader::createWidget(className, parent, name));
    }
    QLayout* createLayout(const QString& className, QObject* parent, const QString& name) override
    {
        return noted(QUiLoader::createLayout(className, parent, name));
    }
    QAction* createAction(QObject* parent, const QString& name) override
    {
        return noted(QUiLoader::createAction(parent, name));
    }

private:
    template <typename T>
    T* noted(T* made)
    {
        failed = failed || !made;
        return made;
    }
};

// What the file gives a widget by name: a picture, a key.
using Named = std::vector<std::pair<QString, QString>>;

// Whether the file is well-formed XML with a <ui> root. On the way it notes
// the SVG pictures (the pixmap property of a widget naming an .svg file) and
// the buttons' keys.
bool check_xml(const QByteArray& content, Named* svg_pictures, Named* shortcuts)
{
    QXmlStreamReader xml(content);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("ui"))
        return false;
    QStringList widgets;  // the names of the widgets around the current element
    bool in_pixmap_property = false;
    bool in_shortcut_property = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("widget")) {
            widgets.push_back(xml.attributes().value(QLatin1String("name")).toString());
        } else if (xml.isStartElement() && xml.name() == QLatin1String("property")) {
            in_pixmap_property = xml.attributes().value(QLatin1String("name")) == QLatin1String("pixmap");
            in_shortcut_property = xml.attributes().value(QLatin1String("name")) == QLatin1String("shortcut");
        } else if (xml.isStartElement() && xml.name() == QLatin1String("string") && in_shortcut_property
                   && !widgets.isEmpty()) {
            shortcuts->emplace_back(widgets.back(), xml.readElementText().trimmed());
        } else if (xml.isStartElement() && xml.name() == QLatin1String("pixmap") && in_pixmap_property
                   && !widgets.isEmpty()) {
            const QString file = xml.readElementText().trimmed();
            if (file.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
                svg_pictures->emplace_back(widgets.back(), file);
        } else if (xml.isEndElement() && xml.name() == QLatin1String("property")) {
            in_pixmap_property = false;
            in_shortcut_property = false;
        } else if (xml.isEndElement() && xml.name() == QLatin1String("widget") && !widgets.isEmpty()) {
            widgets.pop_back();
        }
    }
    return !xml.hasError();
}

// A button takes the key its text gives it whenever the text is set: the
// loader sets a translated text after the file's key, so the key is set again.
void keep_shortcuts(QWidget* top, const Named& shortcuts)
{
    for (const auto& [name, key] : shortcuts)
        if (auto* button = top->findChild<QAbstractButton*>(name))
            button->setShortcut(QKeySequence(key, QKeySequence::PortableText));
}

}  // namespace

int read_panel_file(const QString& path, PanelFile* file)
{
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return UIE_FILE_NOT_READABLE;
    const QByteArray content = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return UIE_FILE_NOT_READABLE;
    Named shortcuts;
    if (!check_xml(content, &file->svg_pictures, &shortcuts))
        return UIE_BAD_FILE;

    QBuffer buffer;
    buffer.setData(content);
    buffer.open(QIODevice::ReadOnly);
    PanelLoader loader;
    file->top.reset(loader.load(&buffer));
    if (!file->top || loader.failed || !loader.errorString().isEmpty()) {
        file->top.reset();
        return UIE_BAD_FILE;
    }
    keep_shortcuts(file->top.get(), shortcuts);
    return 0;
}

}  // namespace telvar::detail
