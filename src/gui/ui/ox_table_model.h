#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <cstdint>
#include <utility>
#include <vector>

namespace quintaro {

// The rows a data grid shows: one column per field, each with its name (what a sort goes by),
// its heading and its display width, and how two rows compare on it.
class OxTableModel : public QAbstractTableModel {
public:
    // Where the grid's current row goes when the rows are replaced: to the first row, as when
    // a list is opened, or to the row of the same key, as when it is refreshed.
    enum class Cursor { First, Keep };

    using QAbstractTableModel::QAbstractTableModel;

    virtual QString FieldName(int column) const = 0;
    // In characters of the grid's font.
    virtual int DisplayWidth(int column) const = 0;
    // False for a purely computed column, which has nothing to sort by.
    virtual bool Sortable(int column) const = 0;
    virtual bool LessThan(int column, int leftRow, int rightRow) const = 0;
    // What identifies a row across a refresh.
    virtual std::int64_t RowKey(int row) const = 0;

    int ColumnOfField(const QString& field) const;
    Cursor CursorAfterReset() const { return cursor_; }

protected:
    Cursor cursor_ = Cursor::First;
};

// A column of rows of type Row.
template <class Row> struct OxColumn {
    QString field;
    QString heading;
    int width; // characters
    Qt::Alignment alignment;
    QString (*text)(const Row&);
    bool (*less)(const Row&, const Row&); // nullptr: a computed column, not sortable
};

// The rows of one kind of the core, with their columns.
template <class Row> class OxRowModel : public OxTableModel {
public:
    OxRowModel(std::vector<OxColumn<Row>> columns, std::int64_t (*key)(const Row&),
               QObject* parent = nullptr)
        : OxTableModel(parent), columns_(std::move(columns)), key_(key) {}

    void SetRows(std::vector<Row> rows, Cursor cursor) {
        beginResetModel();
        rows_ = std::move(rows);
        cursor_ = cursor;
        endResetModel();
    }
    const std::vector<Row>& Rows() const { return rows_; }
    const Row& RowAt(int row) const { return rows_[static_cast<std::size_t>(row)]; }

    // A column's heading; the grid is told only when it changes.
    void SetHeading(int column, const QString& heading) {
        QString& current = columns_[static_cast<std::size_t>(column)].heading;
        if (current == heading)
            return;
        current = heading;
        emit headerDataChanged(Qt::Horizontal, column, column);
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(columns_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid())
            return {};
        const OxColumn<Row>& c = Column(index.column());
        if (role == Qt::DisplayRole)
            return c.text(RowAt(index.row()));
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(c.alignment);
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
            section < columnCount())
            return Column(section).heading;
        return {};
    }

    QString FieldName(int column) const override { return Column(column).field; }
    int DisplayWidth(int column) const override { return Column(column).width; }
    bool Sortable(int column) const override { return Column(column).less != nullptr; }
    bool LessThan(int column, int leftRow, int rightRow) const override {
        return Column(column).less(RowAt(leftRow), RowAt(rightRow));
    }
    std::int64_t RowKey(int row) const override { return key_(RowAt(row)); }

private:
    const OxColumn<Row>& Column(int column) const {
        return columns_[static_cast<std::size_t>(column)];
    }

    std::vector<OxColumn<Row>> columns_;
    std::int64_t (*key_)(const Row&);
    std::vector<Row> rows_;
};

} // namespace quintaro
