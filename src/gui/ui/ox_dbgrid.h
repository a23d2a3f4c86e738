#pragma once

#include <QColor>
#include <QTableView>
#include <cstdint>
#include <optional>

namespace quintaro {

struct CurrentSettings;
class OxSortProxy;
class OxTableModel;

// The read-only list of the views that show query results: a title row, a record indicator
// column and one column per field of its row source, with alternating row colours, the current
// row highlighted, flat or 3-D headings, and sorting by a click on a heading, shown by a
// coloured heading with a small arrow. The mouse wheel moves the current row. It knows nothing
// of what its rows hold.
class TOxDbgrid : public QTableView {
    Q_OBJECT
public:
    enum TCellStyle { csRaised, csLowered, csNone };
    enum TDirectionOrderBy { obDown, obUp }; // obDown sorts descending

    explicit TOxDbgrid(QWidget* parent = nullptr);

    // The rows it shows; the grid keeps them in its own order.
    void SetRowSource(OxTableModel* rows);
    OxTableModel* RowSource() const { return rows_; }
    OxSortProxy* SortedRows() const { return sorted_; }

    // The current row in the grid's order, and the same row in the row source; -1 for none.
    int CurrentRow() const;
    int CurrentRecord() const;
    void SetCurrentRow(int row);
    void SetCurrentRecord(int record);

    TCellStyle Cellstyle() const { return cellstyle_; }
    void SetCellstyle(TCellStyle style) { cellstyle_ = style; } // drawn at the next repaint
    const QString& OrderBy() const { return orderBy_; }
    TDirectionOrderBy DirectionOrderBy() const { return direction_; }
    // Sorts by a field; a field that cannot sort leaves the order as it is.
    void SetOrderBy(const QString& field, TDirectionOrderBy direction);
    bool CanOrderClickOnTitle() const { return canOrderClickOnTitle_; }
    void SetCanOrderClickOnTitle(bool on) { canOrderClickOnTitle_ = on; }
    // The 1st, 3rd, 5th ... row, the 2nd, 4th ... row, the current row, the sorted heading,
    // and the headings.
    const QColor& Alt1Color() const { return alt1Color_; }
    const QColor& AltColor() const { return altColor_; }
    const QColor& HighLightColor() const { return highLightColor_; }
    const QColor& ColorTitreTrie() const { return colorTitreTrie_; }
    const QColor& FixedColor() const { return fixedColor_; }
    void SetAlt1Color(const QColor& colour) { SetColour(alt1Color_, colour); }
    void SetAltColor(const QColor& colour) { SetColour(altColor_, colour); }
    void SetHighLightColor(const QColor& colour) { SetColour(highLightColor_, colour); }
    void SetColorTitreTrie(const QColor& colour) { SetColour(colorTitreTrie_, colour); }
    void SetFixedColor(const QColor& colour) { SetColour(fixedColor_, colour); }
    bool EasyRead() const { return easyRead_; }
    void SetEasyRead(bool on);
    bool FixedBackground() const { return fixedBackground_; }
    void SetFixedBackground(bool on);
    // The width that shows every column as it is, with room for the vertical scroll bar.
    int FittingWidth() const;
    // The colour of the lines between the cells.
    QColor GridLineColour() const;
    // True only during the repaint that follows a sorting click.
    bool Sorting() const { return sorting_; }

    // A click on the heading of a column: with CanOrderClickOnTitle, a new column sorts
    // descending, the sorted one changes direction.
    void TitleClick(int column);

signals:
    // The current record changed, or the rows were replaced; -1 when there is none.
    void currentRecordChanged(int record);
    void titleClicked(int column);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void changeEvent(QEvent* event) override;

private:
    void SetColour(QColor& member, const QColor& colour);
    void RepaintAll();
    void ApplyOrder();
    void SizeColumns();
    void RowsAboutToBeReplaced();
    void RowsReplaced();
    bool MoveBy(int rows);

    OxTableModel* rows_ = nullptr;
    OxSortProxy* sorted_;
    TCellStyle cellstyle_ = csNone;
    QString orderBy_;
    TDirectionOrderBy direction_ = obDown;
    bool canOrderClickOnTitle_ = false;
    QColor alt1Color_, altColor_, highLightColor_, colorTitreTrie_ = Qt::black, fixedColor_;
    bool easyRead_ = true;
    bool fixedBackground_ = true;
    bool sorting_ = false;
    bool replacing_ = false;
    std::optional<std::int64_t> keptKey_;
    int wheelDelta_ = 0;
};

// The five colours of the settings on a grid: its two row colours, its current row, its
// headings and its sorted heading.
void ApplySettingsColours(TOxDbgrid& grid, const CurrentSettings& colours);

} // namespace quintaro
