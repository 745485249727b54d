// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/table.h"

#include "platform/panel_table.h"

#include <QAbstractTableModel>
#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>

namespace telvar {

namespace {

// A model over the program's rows. It counts the rows it has announced to
// the view: the program's rows change first, and are announced afterwards.
class RowsModel : public QAbstractTableModel {
public:
    explicit RowsModel(QObject* parent) : QAbstractTableModel(parent) {}

    void show(const std::vector<TableColumn>& columns, const TableRows* rows)
    {
        beginResetModel();
        columns_ = columns;
        rows_ = rows;
        shown_ = rows ? rows->row_count() : 0;
        endResetModel();
    }

    void reset() { show(columns_, rows_); }
    // Rows that came or went need the whole table read anew.
    void cells_changed()
    {
        if (!rows_ || rows_->row_count() != shown_) {
            reset();
            return;
        }
        if (shown_ > 0 && !columns_.empty())
            emit dataChanged(index(0, 0), index(static_cast<int>(shown_) - 1, static_cast<int>(columns_.size()) - 1));
    }

    // The number of rows taken away from the top.
    std::size_t update(std::size_t dropped)
    {
        const std::size_t now = rows_ ? rows_->row_count() : 0;
        dropped = std::min(dropped, shown_);
        if (now < shown_ - dropped) {
            reset();
            return 0;
        }
        if (dropped > 0) {
            beginRemoveRows({}, 0, static_cast<int>(dropped) - 1);
            shown_ -= dropped;
            endRemoveRows();
        }
        if (now > shown_) {
            beginInsertRows({}, static_cast<int>(shown_), static_cast<int>(now) - 1);
            shown_ = now;
            endInsertRows();
        }
        return dropped;
    }

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : static_cast<int>(shown_); }
    int columnCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(columns_.size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!rows_ || !index.isValid())
            return {};
        if (role == Qt::DisplayRole)
            return QString::fromStdString(rows_->cell(static_cast<std::size_t>(index.row()), index.column()));
        if (role == Qt::FontRole)
            return font_;
        if (role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole) {
            const std::string note = rows_->note(static_cast<std::size_t>(index.row()), index.column());
            return note.empty() ? QVariant() : QVariant(QString::fromStdString(note));
        }
        if (role == Qt::TextAlignmentRole) {
            const bool right = columns_[static_cast<std::size_t>(index.column())].right_aligned;
            return static_cast<int>(Qt::AlignVCenter | (right ? Qt::AlignRight : Qt::AlignLeft));
        }
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section >= static_cast<int>(columns_.size()))
            return {};
        return QString::fromStdString(columns_[static_cast<std::size_t>(section)].title);
    }

    const QFont& font() const { return font_; }

private:
    std::vector<TableColumn> columns_;
    const TableRows* rows_ = nullptr;
    std::size_t shown_ = 0;
    // Looked up once: the table asks for every cell's font each time it paints.
    QFont font_ = QFontDatabase::systemFont(QFontDatabase::FixedFont);
};

QTableView* find_table(int panel, int control)
{
    return qobject_cast<QTableView*>(detail::find_control(panel, control));
}

RowsModel* model_of(QTableView* table)
{
    return dynamic_cast<RowsModel*>(table->model());
}

// Whole rows are selected. Rows of one height and scrolling by whole rows: the table then needs no
// row's content to lay itself out, and a scroll position counts rows.
void set_up_table(QTableView* table)
{
    auto* model = new RowsModel(table);
    table->setModel(model);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    table->setWordWrap(false);
    QHeaderView* rows = table->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(QFontMetrics(model->font()).height() + 4);
}

void set_widths(QTableView* table, const std::vector<TableColumn>& columns)
{
    const QFontMetrics titles = table->horizontalHeader()->fontMetrics();
    const QFontMetrics cells(model_of(table)->font());
    const int margin = 2 * table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 8;
    for (std::size_t k = 0; k < columns.size(); ++k) {
        const int text = cells.horizontalAdvance(QString(columns[k].characters, QLatin1Char('0')));
        const int title = titles.horizontalAdvance(QString::fromStdString(columns[k].title));
        table->setColumnWidth(static_cast<int>(k), std::max(text, title) + margin);
    }
}

}  // namespace

int SetTableRows(int panel, int control, const std::vector<TableColumn>& columns, const TableRows* rows)
{
    QTableView* table = find_table(panel, control);
    if (!table)
        return UIE_BAD_CONTROL;
    if (!model_of(table))
        set_up_table(table);
    model_of(table)->show(columns, rows);
    set_widths(table, columns);
    return 0;
}

int UpdateTableRows(int panel, int control, std::size_t dropped)
{
    QTableView* table = find_table(panel, control);
    if (!table || !model_of(table))
        return UIE_BAD_CONTROL;
    QScrollBar* bar = table->verticalScrollBar();
    const bool following = bar->value() == bar->maximum();
    const int top = bar->value();
    const std::size_t removed = model_of(table)->update(dropped);
    if (following)
        table->scrollToBottom();
    else
        bar->setValue(top - static_cast<int>(removed));
    return 0;
}

int ResetTableRows(int panel, int control)
{
    QTableView* table = find_table(panel, control);
    if (!table || !model_of(table))
        return UIE_BAD_CONTROL;
    model_of(table)->reset();
    table->scrollToBottom();
    return 0;
}

int RefreshTableCells(int panel, int control)
{
    QTableView* table = find_table(panel, control);
    if (!table || !model_of(table))
        return UIE_BAD_CONTROL;
    model_of(table)->cells_changed();
    return 0;
}

int GetTableSelection(int panel, int control, std::vector<std::size_t>* rows)
{
    QTableView* table = find_table(panel, control);
    if (!table || !model_of(table))
        return UIE_BAD_CONTROL;
    rows->clear();
    for (const QModelIndex& index : table->selectionModel()->selectedRows())
        rows->push_back(static_cast<std::size_t>(index.row()));
    std::sort(rows->begin(), rows->end());
    return 0;
}

int ClipboardPutText(const char* text)
{
    QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
    return 0;
}

}  // namespace telvar
