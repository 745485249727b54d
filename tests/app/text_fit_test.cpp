// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of every panel fits its control, and no two controls of a
// window share an Alt key, in each of the window's languages: German is
// longer than English, and a cut text is a wrong text.
#include "app/startup.h"
#include "app/window_layout.h"
#include "platform/qt_access.h"
#include "platform/settings_file.h"
#include "platform/translation.h"
#include "platform/userint.h"
#include "ui/panels.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTableView>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace telvar {
namespace {

// The text as drawn: without its accelerator's ampersand.
QString drawn(QString text)
{
    text.replace(QLatin1String("&&"), QString(QChar(0x1)));
    text.remove(QLatin1Char('&'));
    text.replace(QChar(0x1), QLatin1Char('&'));
    return text;
}

int widest_line(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

struct Cut {
    std::string where;
    std::string text;
    int needed;
    int room;
};

class Walk {
public:
    explicit Walk(std::vector<Cut>& cuts, std::vector<QWidget*> panels) : cuts_(cuts), panels_(std::move(panels)) {}

    void panel(QWidget* top)
    {
        top_ = top->objectName().toStdString();
        // A panel shown inside the main window shares its keys; a window of its own has its own.
        std::map<QChar, std::string> keys = top->window() == panels_.front()->window() && top != panels_.front()
            ? main_keys_
            : std::map<QChar, std::string>{};
        for (QWidget* w : top->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(top) || panel_of(w) != top)
                continue;
            for (const QString& text : key_texts(w))
                key(keys, w, text);
            if (auto* label = qobject_cast<QLabel*>(w))
                this->label(label);
            else if (auto* button = qobject_cast<QAbstractButton*>(w))
                this->button(button);
            else if (auto* box = qobject_cast<QGroupBox*>(w))
                group(box);
            else if (auto* combo = qobject_cast<QComboBox*>(w))
                this->combo(combo);
            else if (auto* tabs = qobject_cast<QTabBar*>(w))
                tab_bar(tabs);
            else if (auto* table = qobject_cast<QTableView*>(w))
                headers(table);
        }
        if (top == panels_.front())
            main_keys_ = keys;
    }

private:
    // A panel shown inside another is walked on its own.
    QWidget* panel_of(QWidget* w) const
    {
        for (QWidget* up = w->parentWidget(); up; up = up->parentWidget())
            if (std::find(panels_.begin(), panels_.end(), up) != panels_.end())
                return up;
        return nullptr;
    }

    // The texts whose ampersand gives the widget (or its buddy) an Alt key.
    static QStringList key_texts(QWidget* w)
    {
        if (auto* label = qobject_cast<QLabel*>(w))
            return label->buddy() ? QStringList{label->text()} : QStringList{};
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            return {button->text()};
        if (auto* box = qobject_cast<QGroupBox*>(w))
            return {box->title()};
        QStringList titles;
        if (auto* tabs = qobject_cast<QTabBar*>(w))
            for (int k = 0; k < tabs->count(); ++k)
                titles << tabs->tabText(k);
        return titles;
    }

    // Two controls of one window on one Alt key: the key reaches one of them, by turns.
    void key(std::map<QChar, std::string>& keys, const QWidget* w, const QString& text)
    {
        const QKeySequence mnemonic = QKeySequence::mnemonic(text);
        if (mnemonic.isEmpty())
            return;
        const QChar letter = mnemonic.toString(QKeySequence::PortableText).back().toLower();
        const std::string name = top_ + "/" + w->objectName().toStdString();
        const auto [taken, added] = keys.emplace(letter, name);
        if (!added)
            clashes_.push_back(name + " \"" + text.toStdString() + "\" and " + taken->second + " share Alt+"
                               + QString(letter).toStdString());
    }

    void check(const QWidget* w, const QString& text, int needed, int room)
    {
        if (needed > room)
            cuts_.push_back({top_ + "/" + w->objectName().toStdString(),
                             text.toStdString(), needed, room});
    }

    void label(QLabel* label)
    {
        // A caption's ampersand marks its accelerator; any other label shows it.
        const QString text = label->buddy() ? drawn(label->text()) : label->text();
        if (text.isEmpty() || label->textFormat() == Qt::RichText || Qt::mightBeRichText(text))
            return;
        // A label that gives up its width to its neighbours shortens its own texts at run time.
        if (label->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored)
            return;
        QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
        if (label->indent() > 0)
            room.adjust(label->indent(), 0, 0, 0);
        const QFontMetrics metrics(label->font());
        if (label->wordWrap()) {
            const QRect used = metrics.boundingRect(QRect(0, 0, room.width(), 100000),
                                                    static_cast<int>(label->alignment()) | Qt::TextWordWrap, text);
            check(label, text, used.height(), room.height());
            return;
        }
        check(label, text, widest_line(metrics, text), room.width());
    }

    void button(QAbstractButton* button)
    {
        const QString text = drawn(button->text());
        if (text.isEmpty())
            return;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        option.icon = button->icon();
        option.iconSize = button->iconSize();
        QStyle::SubElement contents = QStyle::SE_PushButtonContents;
        if (qobject_cast<QCheckBox*>(button))
            contents = QStyle::SE_CheckBoxContents;
        else if (qobject_cast<QRadioButton*>(button))
            contents = QStyle::SE_RadioButtonContents;
        else if (!qobject_cast<QPushButton*>(button))
            return;
        int room = button->style()->subElementRect(contents, &option, button).width();
        if (!button->icon().isNull())
            room -= button->iconSize().width() + 4;
        check(button, text, widest_line(button->fontMetrics(), text), room);
    }

    void group(QGroupBox* box)
    {
        const QString text = drawn(box->title());
        if (text.isEmpty())
            return;
        // The title's frame leaves a few pixels at each end.
        check(box, text, box->fontMetrics().horizontalAdvance(text), box->width() - 16);
    }

    void combo(QComboBox* combo)
    {
        if (combo->isEditable())
            return;
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = false;
        // The style draws the shown item a pixel in from each end of the field.
        const int room = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo).width()
            - 2;
        // Every item can be the one shown.
        for (int k = 0; k < combo->count(); ++k)
            check(combo, combo->itemText(k), combo->fontMetrics().horizontalAdvance(combo->itemText(k)), room);
    }

    void tab_bar(QTabBar* tabs)
    {
        // All tabs in sight, none behind scroll arrows.
        if (tabs->count() == 0)
            return;
        const QRect last = tabs->tabRect(tabs->count() - 1);
        check(tabs, drawn(tabs->tabText(tabs->count() - 1)), last.right() + 1, tabs->width());
        for (int k = 0; k < tabs->count(); ++k) {
            const QString text = drawn(tabs->tabText(k));
            check(tabs, text, tabs->fontMetrics().horizontalAdvance(text), tabs->tabRect(k).width() - 8);
        }
    }

    void headers(QTableView* table)
    {
        QHeaderView* header = table->horizontalHeader();
        if (!table->model() || header->isHidden())
            return;
        const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int k = 0; k < header->count(); ++k) {
            if (header->isSectionHidden(k))
                continue;
            const QString text = table->model()->headerData(k, Qt::Horizontal).toString();
            check(table, text, widest_line(header->fontMetrics(), text) + margin, header->sectionSize(k));
        }
        // Every cell whole, as the item view draws it a focus margin in from each side.
        const QFontMetrics cells(table->model()->data(table->model()->index(0, 0), Qt::FontRole).value<QFont>());
        const int inset = 2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1);
        for (int row = 0; row < table->model()->rowCount(); ++row)
            for (int k = 0; k < header->count(); ++k) {
                const QString text = table->model()->index(row, k).data().toString();
                check(table, text, cells.horizontalAdvance(text) + inset, header->sectionSize(k));
            }
        // All columns in sight, none behind a scroll bar.
        check(table, QStringLiteral("(all columns)"), header->length(), table->viewport()->width());
    }

public:
    std::vector<std::string> clashes_;

private:
    std::vector<Cut>& cuts_;
    std::vector<QWidget*> panels_;  // the main window's first
    std::map<QChar, std::string> main_keys_;
    std::string top_;
};

class TextFit : public ::testing::TestWithParam<const char*> {
protected:
    void TearDown() override
    {
        WriteSettingTexts(window_settings_file(), {{"language", ""}});
        install_language("en");
    }
};

TEST_P(TextFit, EveryPanelsTextsFitTheirControls)
{
    ASSERT_TRUE(WriteSettingTexts(window_settings_file(), {{"language", GetParam()}}));
    std::vector<Cut> cuts;
    std::vector<std::string> clashes;
    std::string language_shown;
    std::string qt_cancel;
    QTimer::singleShot(200, [&] {
        qt_cancel = QCoreApplication::translate("QPlatformTheme", "Cancel").toStdString();
        language_shown = PanelWidget(panelMAIN)->findChild<QLabel*>(QStringLiteral("LANGUAGE_CAPTION"))->text().toStdString();
        const std::vector<int> panels = {panelPARAA, panelPARAA2, panelPARAB, panelPARAB2, panelEVAL,
                                         panelEVAL2, panelOUTPUTS, panelUPDATE, panelTEST, panelSTATS,
                                         panelCOMPARE, panelInterf, panelMONITOR, panelGAUGE};
        std::vector<QWidget*> widgets = {PanelWidget(panelMAIN)};
        for (int panel : panels)
            widgets.push_back(PanelWidget(panel));
        Walk walk(cuts, widgets);
        walk.panel(PanelWidget(panelMAIN));
        for (int panel : panels) {
            DisplayPanel(panel);
            walk.panel(PanelWidget(panel));
            HidePanel(panel);
        }
        clashes = walk.clashes_;
        PanelWidget(panelMAIN)->close();
    });
    char name[] = "telvar-k20-dizer";
    char* argv[] = {name, nullptr};
    ASSERT_EQ(WinMain(1, argv), 0);

    EXPECT_EQ(language_shown, std::string(GetParam()) == "de" ? "Spra&che" : "Lang&uage")
        << "the window speaks the chosen language";
    EXPECT_EQ(qt_cancel, std::string(GetParam()) == "de" ? "Abbrechen" : "Cancel") << "and so do Qt's own dialogs";
    for (const Cut& cut : cuts)
        ADD_FAILURE() << cut.where << ": \"" << cut.text << "\" needs " << cut.needed << " px, has " << cut.room;
    for (const std::string& clash : clashes)
        ADD_FAILURE() << clash;
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFit, ::testing::Values("en", "de"));

}  // namespace
}  // namespace telvar
