#include "gui/ui/ox_dbgrid.h"

#include "core/settings/configuration_settings.h"
#include "gui/ui/colour_values.h"
#include "gui/ui/ox_grid_delegate.h"
#include "gui/ui/ox_header_view.h"
#include "gui/ui/ox_sort_proxy.h"
#include "gui/ui/ox_table_model.h"

#include <QApplication>
#include <QWheelEvent>

namespace quintaro {

namespace {

constexpr int kWheelStep = 120; // one notch of a mouse wheel

} // namespace

TOxDbgrid::TOxDbgrid(QWidget* parent) : QTableView(parent), sorted_(new OxSortProxy(this)) {
    const QPalette& p = palette();
    alt1Color_ = ToQColor(SystemColourValue(kInactiveCaptionText), p);
    altColor_ = ToQColor(SystemColourValue(k3DLight), p);
    highLightColor_ = ToQColor(SystemColourValue(k3DDarkShadow), p);
    fixedColor_ = ToQColor(SystemColourValue(kButtonFace), p);

    setHorizontalHeader(new OxHeaderView(Qt::Horizontal, *this));
    setVerticalHeader(new OxHeaderView(Qt::Vertical, *this));
    setItemDelegate(new OxGridDelegate(*this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setCornerButtonEnabled(false);
    setWordWrap(false);
    sorted_->setDynamicSortFilter(true);
    setModel(sorted_);
    SizeColumns();
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &TOxDbgrid::TitleClick);
}

void TOxDbgrid::SetRowSource(OxTableModel* rows) {
    if (rows_)
        disconnect(rows_, nullptr, this, nullptr);
    rows_ = rows;
    sorted_->SetRowSource(rows);
    // After the proxy's own handlers, which sort the new rows.
    connect(rows, &QAbstractItemModel::modelAboutToBeReset, this,
            &TOxDbgrid::RowsAboutToBeReplaced);
    connect(rows, &QAbstractItemModel::modelReset, this, &TOxDbgrid::RowsReplaced);
    ApplyOrder();
    SizeColumns();
    RowsReplaced();
}

int TOxDbgrid::CurrentRow() const {
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

int TOxDbgrid::CurrentRecord() const {
    return currentIndex().isValid() ? sorted_->mapToSource(currentIndex()).row() : -1;
}

void TOxDbgrid::SetCurrentRow(int row) {
    if (row < 0 || row >= sorted_->rowCount())
        return;
    const QModelIndex index = sorted_->index(row, std::max(currentIndex().column(), 0));
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    scrollTo(index);
}

void TOxDbgrid::SetCurrentRecord(int record) {
    if (rows_ && record >= 0 && record < rows_->rowCount())
        SetCurrentRow(sorted_->mapFromSource(rows_->index(record, 0)).row());
}

int TOxDbgrid::FittingWidth() const {
    int width = 2 * frameWidth() + verticalHeader()->sizeHint().width() +
                style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    for (int column = 0; column < horizontalHeader()->count(); ++column)
        width += columnWidth(column);
    return width;
}

QColor TOxDbgrid::GridLineColour() const {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    return QColor::fromRgba(
        static_cast<QRgb>(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this)));
}

void TOxDbgrid::SetOrderBy(const QString& field, TDirectionOrderBy direction) {
    if (!rows_)
        return;
    const int column = rows_->ColumnOfField(field);
    if (column < 0 || !rows_->Sortable(column))
        return;
    orderBy_ = field;
    direction_ = direction;
    ApplyOrder();
    RepaintAll();
}

void TOxDbgrid::SetEasyRead(bool on) {
    easyRead_ = on;
    RepaintAll();
}

void TOxDbgrid::SetFixedBackground(bool on) {
    fixedBackground_ = on;
    RepaintAll();
}

void TOxDbgrid::SetColour(QColor& member, const QColor& colour) {
    member = colour;
    RepaintAll();
}

void TOxDbgrid::RepaintAll() {
    viewport()->update();
    horizontalHeader()->viewport()->update();
    verticalHeader()->viewport()->update();
}

void TOxDbgrid::TitleClick(int column) {
    if (rows_ && canOrderClickOnTitle_ && rows_->Sortable(column)) {
        const QString field = rows_->FieldName(column);
        if (field != orderBy_) {
            orderBy_ = field;
            direction_ = obDown;
        } else {
            direction_ = direction_ == obDown ? obUp : obDown;
        }
        // The heading shows orange while the grid repaints with the waiting cursor.
        sorting_ = true;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        horizontalHeader()->viewport()->repaint();
        viewport()->repaint();
        QApplication::restoreOverrideCursor();
        sorting_ = false;
        ApplyOrder();
        RepaintAll();
    }
    emit titleClicked(column);
}

void TOxDbgrid::ApplyOrder() {
    if (!rows_)
        return;
    const int column = rows_->ColumnOfField(orderBy_);
    if (column < 0 || !rows_->Sortable(column))
        return;
    sorted_->sort(column, direction_ == obDown ? Qt::DescendingOrder : Qt::AscendingOrder);
    if (currentIndex().isValid())
        scrollTo(currentIndex());
}

void TOxDbgrid::SizeColumns() {
    // A column is as wide as its display width in digits of the font, or as its heading.
    const QFontMetrics metrics(font());
    verticalHeader()->setDefaultSectionSize(metrics.height() + 4);
    if (!rows_)
        return;
    const int digit = metrics.horizontalAdvance(QLatin1Char('0'));
    for (int column = 0; column < rows_->columnCount(); ++column) {
        const QString heading = rows_->headerData(column, Qt::Horizontal).toString();
        setColumnWidth(
            column,
            std::max(rows_->DisplayWidth(column) * digit, metrics.horizontalAdvance(heading)) + 4);
    }
}

void TOxDbgrid::RowsAboutToBeReplaced() {
    const int record = CurrentRecord();
    keptKey_ = record >= 0 ? std::optional<std::int64_t>(rows_->RowKey(record)) : std::nullopt;
}

void TOxDbgrid::RowsReplaced() {
    int row = 0;
    if (rows_->CursorAfterReset() == OxTableModel::Cursor::Keep && keptKey_) {
        for (int record = 0; record < rows_->rowCount(); ++record)
            if (rows_->RowKey(record) == *keptKey_) {
                row = sorted_->mapFromSource(rows_->index(record, 0)).row();
                break;
            }
    }
    keptKey_.reset();
    replacing_ = true;
    SetCurrentRow(row);
    replacing_ = false;
    RepaintAll();
    emit currentRecordChanged(CurrentRecord());
}

void TOxDbgrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (current.row() == previous.row() && current.isValid() == previous.isValid())
        return;
    // The whole row changes colour, and the indicator moves.
    viewport()->update();
    verticalHeader()->viewport()->update();
    if (!replacing_)
        emit currentRecordChanged(CurrentRecord());
}

bool TOxDbgrid::MoveBy(int rows) {
    const int from = CurrentRow();
    const int to = std::clamp(from + rows, 0, sorted_->rowCount() - 1);
    if (to == from || to < 0)
        return false;
    SetCurrentRow(to);
    return true;
}

void TOxDbgrid::wheelEvent(QWheelEvent* event) {
    // Each notch moves the current row by one; a notch that cannot move it is left to the
    // parent.
    wheelDelta_ += event->angleDelta().y();
    bool stepped = false, moved = false;
    for (; wheelDelta_ <= -kWheelStep; wheelDelta_ += kWheelStep, stepped = true)
        moved = MoveBy(1) || moved;
    for (; wheelDelta_ >= kWheelStep; wheelDelta_ -= kWheelStep, stepped = true)
        moved = MoveBy(-1) || moved;
    event->setAccepted(!stepped || moved);
}

void TOxDbgrid::scrollContentsBy(int dx, int dy) {
    QTableView::scrollContentsBy(dx, dy);
    // Every row keeps the colour of its place in the order: all of them are drawn again.
    if (easyRead_ && fixedBackground_)
        viewport()->update();
}

void TOxDbgrid::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        SizeColumns();
}

void ApplySettingsColours(TOxDbgrid& grid, const CurrentSettings& colours) {
    const QPalette& p = grid.palette();
    grid.SetAlt1Color(ToQColor(colours.couleurligne1, p));
    grid.SetAltColor(ToQColor(colours.couleurligne2, p));
    grid.SetColorTitreTrie(ToQColor(colours.couleurtitretrie, p));
    grid.SetFixedColor(ToQColor(colours.couleurtitre, p));
    grid.SetHighLightColor(ToQColor(colours.couleurselection, p));
}

} // namespace quintaro
