#include "gui/ui/draw_models.h"
#include "gui/ui/ox_dbgrid.h"
#include "gui/ui/ox_header_view.h"
#include "gui/ui/ox_sort_proxy.h"
#include "gui/ui/regional_format.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <optional>

namespace quintaro {
namespace {

// Rows the grid knows nothing of: a number, and a label that sorts by the number.
struct Item {
    int n;
    QString name;
};

std::vector<OxColumn<Item>> ItemColumns() {
    using R = const Item&;
    return {
        {"n", "N", 6, Qt::AlignRight, [](R r) { return QString::number(r.n); },
         [](R a, R b) { return a.n < b.n; }},
        {"name", "Name", 10, Qt::AlignLeft, [](R r) { return r.name; },
         [](R a, R b) { return a.name < b.name; }},
        {"twice", "x2", 1, Qt::AlignRight, [](R r) { return QString::number(2 * r.n); }, nullptr},
    };
}

class ItemModel : public OxRowModel<Item> {
public:
    ItemModel() : OxRowModel(ItemColumns(), [](const Item& i) -> std::int64_t { return i.n; }) {}
};

const QColor kAlt1(216, 228, 248), kAlt(200, 200, 200), kHigh(40, 40, 40), kSorted(255, 251, 240);

class OxDbgridTest : public ::testing::Test {
protected:
    OxDbgridTest() {
        grid.SetRowSource(&rows);
        grid.SetAlt1Color(kAlt1);
        grid.SetAltColor(kAlt);
        grid.SetHighLightColor(kHigh);
        grid.SetColorTitreTrie(kSorted);
        grid.resize(400, 300);
        grid.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&grid));
        Fill({{3, "c"}, {1, "a"}, {4, "d"}, {2, "b"}}, OxTableModel::Cursor::First);
    }
    void Fill(std::vector<Item> items, OxTableModel::Cursor cursor) {
        rows.SetRows(std::move(items), cursor);
    }
    // The numbers in the grid's order.
    std::vector<int> Order() {
        std::vector<int> order;
        for (int row = 0; row < grid.SortedRows()->rowCount(); ++row)
            order.push_back(grid.SortedRows()->index(row, 0).data().toInt());
        return order;
    }
    // A cell's background, left of its text.
    QColor Background(int row, int column = 0) {
        const QImage image = grid.viewport()->grab().toImage();
        return image.pixelColor(grid.columnViewportPosition(column) + 1,
                                grid.rowViewportPosition(row) + 1);
    }
    QImage Heading() { return grid.horizontalHeader()->viewport()->grab().toImage(); }
    // The corner of a heading's arrow.
    QPoint ArrowCorner(int column) {
        const int cellWidth = grid.horizontalHeader()->sectionSize(column) - 1;
        return {grid.horizontalHeader()->sectionViewportPosition(column) + cellWidth - 12, 4};
    }
    void ClickHeading(int column) { emit grid.horizontalHeader()->sectionClicked(column); }

    ItemModel rows;
    TOxDbgrid grid;
};

TEST_F(OxDbgridTest, StartsWithThePartsDefaults) {
    TOxDbgrid fresh;
    EXPECT_EQ(fresh.Cellstyle(), TOxDbgrid::csNone);
    EXPECT_EQ(fresh.OrderBy(), "");
    EXPECT_EQ(fresh.DirectionOrderBy(), TOxDbgrid::obDown);
    EXPECT_FALSE(fresh.CanOrderClickOnTitle());
    EXPECT_TRUE(fresh.EasyRead());
    EXPECT_TRUE(fresh.FixedBackground());
    EXPECT_EQ(fresh.ColorTitreTrie(), QColor(Qt::black));
    EXPECT_EQ(fresh.FixedColor(), fresh.palette().color(QPalette::Button));
}

TEST_F(OxDbgridTest, RowsAlternateByTheirPlaceInTheOrderAndTheCurrentRowIsHighlighted) {
    grid.SetCurrentRow(3);
    EXPECT_EQ(Background(0), kAlt1);
    EXPECT_EQ(Background(1), kAlt);
    EXPECT_EQ(Background(2), kAlt1);
    EXPECT_EQ(Background(3), kHigh);
    EXPECT_EQ(grid.CurrentRecord(), 3); // the row of number 2 in the source

    grid.SetCanOrderClickOnTitle(true);
    ClickHeading(0);
    EXPECT_EQ(Order(), (std::vector<int>{4, 3, 2, 1}));
    // The current record stays current; the colours still alternate from the top.
    EXPECT_EQ(grid.CurrentRecord(), 3);
    EXPECT_EQ(grid.CurrentRow(), 2);
    EXPECT_EQ(Background(0), kAlt1);
    EXPECT_EQ(Background(1), kAlt);
    EXPECT_EQ(Background(3), kAlt);

    grid.SetEasyRead(false);
    EXPECT_EQ(Background(0), grid.palette().color(QPalette::Base));
}

TEST_F(OxDbgridTest, AHeadingClickSortsDescendingThenAscendingWithItsArrow) {
    grid.SetCanOrderClickOnTitle(true);
    std::vector<int> clicked;
    QObject::connect(&grid, &TOxDbgrid::titleClicked, [&](int c) { clicked.push_back(c); });

    ClickHeading(1);
    EXPECT_EQ(grid.OrderBy(), "name");
    EXPECT_EQ(grid.DirectionOrderBy(), TOxDbgrid::obDown);
    EXPECT_EQ(Order(), (std::vector<int>{4, 3, 2, 1}));
    QPoint a = ArrowCorner(1);
    QImage heading = Heading();
    EXPECT_EQ(heading.pixelColor(a.x() - 2, 8), kSorted);
    EXPECT_EQ(heading.pixelColor(a.x() + 2, a.y() + 2), QColor(Qt::black)); // wide at the top
    EXPECT_NE(heading.pixelColor(a.x() + 2, a.y() + 6), QColor(Qt::black));
    EXPECT_NE(heading.pixelColor(ArrowCorner(0).x() - 2, 8), kSorted);

    ClickHeading(1);
    EXPECT_EQ(grid.DirectionOrderBy(), TOxDbgrid::obUp);
    EXPECT_EQ(Order(), (std::vector<int>{1, 2, 3, 4}));
    heading = Heading();
    EXPECT_NE(heading.pixelColor(a.x() + 2, a.y() + 2), QColor(Qt::black));
    EXPECT_EQ(heading.pixelColor(a.x() + 2, a.y() + 6), QColor(Qt::black)); // wide at the bottom

    // Another column starts again descending.
    ClickHeading(0);
    EXPECT_EQ(grid.OrderBy(), "n");
    EXPECT_EQ(grid.DirectionOrderBy(), TOxDbgrid::obDown);
    EXPECT_EQ(clicked, (std::vector<int>{1, 1, 0}));

    // A computed column has nothing to sort by: the order stays.
    ClickHeading(2);
    EXPECT_EQ(grid.OrderBy(), "n");
    EXPECT_EQ(Order(), (std::vector<int>{4, 3, 2, 1}));
}

TEST_F(OxDbgridTest, TheClickRepaintsTheHeadingOrangeBeforeSorting) {
    grid.SetCanOrderClickOnTitle(true);
    // What the heading looks like in the repaint that follows the click, before the sort: seen
    // while the rows repaint, right after it.
    struct Watch : QObject {
        TOxDbgrid* grid;
        QWidget* heading;
        std::optional<QImage> during;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint && grid->Sorting() && !during) {
                QImage image(heading->size(), QImage::Format_RGB32);
                heading->render(&image);
                during = image;
            }
            return false;
        }
    } watch;
    watch.grid = &grid;
    watch.heading = grid.horizontalHeader()->viewport();
    grid.viewport()->installEventFilter(&watch);
    ClickHeading(0);
    ASSERT_TRUE(watch.during);
    const QPoint a = ArrowCorner(0);
    EXPECT_EQ(watch.during->pixelColor(a.x() - 2, 8), QColor(255, 128, 64));
    EXPECT_EQ(Heading().pixelColor(a.x() - 2, 8), kSorted);
    EXPECT_FALSE(grid.Sorting());
}

TEST_F(OxDbgridTest, HeadingsHaveTheReliefOfTheirCellStyle) {
    const QPalette& p = grid.palette();
    const struct {
        TOxDbgrid::TCellStyle style;
        QColor topLeft, bottomRight;
    } cases[] = {
        {TOxDbgrid::csRaised, p.color(QPalette::Base), p.color(QPalette::Dark)},
        {TOxDbgrid::csLowered, p.color(QPalette::Dark), p.color(QPalette::Base)},
        {TOxDbgrid::csNone, p.color(QPalette::Button), p.color(QPalette::Button)},
    };
    grid.SetFixedColor(QColor(1, 2, 3));
    const int left = grid.horizontalHeader()->sectionViewportPosition(1);
    const int right = left + grid.horizontalHeader()->sectionSize(1) - 2; // before the line
    const int bottom = grid.horizontalHeader()->height() - 2;
    for (const auto& c : cases) {
        grid.SetCellstyle(c.style);
        const QImage heading = Heading();
        EXPECT_EQ(heading.pixelColor(left, 5).rgb(), c.topLeft.rgb()) << c.style;
        EXPECT_EQ(heading.pixelColor(left + 5, 0).rgb(), c.topLeft.rgb()) << c.style;
        EXPECT_EQ(heading.pixelColor(right, 5).rgb(), c.bottomRight.rgb()) << c.style;
        EXPECT_EQ(heading.pixelColor(left + 5, bottom).rgb(), c.bottomRight.rgb()) << c.style;
        EXPECT_EQ(heading.pixelColor(left + 1, bottom - 1), QColor(1, 2, 3)) << c.style;
    }
}

TEST_F(OxDbgridTest, NarrowHeadingsGetNoArrowAndSortingOffColoursNothing) {
    grid.SetCanOrderClickOnTitle(true);
    grid.setColumnWidth(0, 21); // a cell of 20 pixels and its line
    ClickHeading(0);
    QImage heading = Heading();
    const int left = grid.horizontalHeader()->sectionViewportPosition(0);
    EXPECT_EQ(heading.pixelColor(left + 18, 12), kSorted);
    for (int x = left + 11; x < left + 20; ++x) // right of the caption, where an arrow would be
        EXPECT_NE(heading.pixelColor(x, 6), QColor(Qt::black)) << x;

    TOxDbgrid off;
    ItemModel other;
    off.SetRowSource(&other);
    other.SetRows({{2, "b"}, {1, "a"}}, OxTableModel::Cursor::First);
    emit off.horizontalHeader()->sectionClicked(0);
    EXPECT_EQ(off.OrderBy(), "");
    EXPECT_EQ(off.SortedRows()->index(0, 0).data().toInt(), 2);
}

TEST_F(OxDbgridTest, ARefreshKeepsTheOrderAndTheCurrentRecordAnOpeningGoesToTheFirstRow) {
    grid.SetCanOrderClickOnTitle(true);
    ClickHeading(0);
    grid.SetCurrentRow(2); // number 2
    std::vector<int> records;
    QObject::connect(&grid, &TOxDbgrid::currentRecordChanged,
                     [&](int record) { records.push_back(record); });

    Fill({{1, "a"}, {5, "e"}, {2, "b"}, {3, "c"}, {4, "d"}}, OxTableModel::Cursor::Keep);
    EXPECT_EQ(Order(), (std::vector<int>{5, 4, 3, 2, 1}));
    EXPECT_EQ(grid.SortedRows()->index(grid.CurrentRow(), 0).data().toInt(), 2);
    EXPECT_EQ(records, std::vector<int>{2});

    Fill({{7, "g"}, {6, "f"}}, OxTableModel::Cursor::First);
    EXPECT_EQ(Order(), (std::vector<int>{7, 6}));
    EXPECT_EQ(grid.CurrentRow(), 0);

    Fill({}, OxTableModel::Cursor::First);
    EXPECT_EQ(grid.CurrentRecord(), -1);
    EXPECT_EQ(records.back(), -1);
}

TEST_F(OxDbgridTest, TheWheelMovesTheCurrentRowOneNotchAtATime) {
    auto wheel = [&](int delta) {
        QWheelEvent event(QPointF(50, 50), grid.mapToGlobal(QPointF(50, 50)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid.viewport(), &event);
        return event.isAccepted();
    };
    EXPECT_EQ(grid.CurrentRow(), 0);
    EXPECT_TRUE(wheel(-120));
    EXPECT_EQ(grid.CurrentRow(), 1);
    EXPECT_TRUE(wheel(-240));
    EXPECT_EQ(grid.CurrentRow(), 3);
    EXPECT_FALSE(wheel(-120)); // the last row: left to the parent
    EXPECT_TRUE(wheel(60));    // half a notch moves nothing yet
    EXPECT_EQ(grid.CurrentRow(), 3);
    EXPECT_TRUE(wheel(60));
    EXPECT_EQ(grid.CurrentRow(), 2);
}

TEST(DrawListModel, TheDateSortsByItsDayCountAndNewLotoShowsNoSeventhBall) {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    DrawListModel rows;
    DrawListRow may, june;
    may.libelle = "Loto";
    may.date = 45065; // 19/05/2023
    may.reftirage = 1;
    june.libelle = "New Loto";
    june.date = 45079; // 02/06/2023
    june.reftirage = 2;
    june.b[6] = 0;
    june.b7Empty = true;
    rows.SetRows({may, june}, OxTableModel::Cursor::First);
    EXPECT_EQ(rows.index(0, 1).data().toString(), "19/05/2023");
    EXPECT_EQ(rows.index(0, DrawListModel::kB7Column).data().toString(), "0");
    EXPECT_EQ(rows.index(1, DrawListModel::kB7Column).data().toString(), "");

    TOxDbgrid grid;
    grid.SetRowSource(&rows);
    grid.SetCanOrderClickOnTitle(true);
    emit grid.horizontalHeader()->sectionClicked(1);
    EXPECT_EQ(grid.SortedRows()->index(0, 1).data().toString(), "02/06/2023");

    std::vector<int> changes;
    QObject::connect(&rows, &QAbstractItemModel::headerDataChanged,
                     [&](Qt::Orientation, int first, int) { changes.push_back(first); });
    rows.SetBallHeadings({"E1", "E2"});
    rows.SetBallHeadings({"E1", "E2"});
    EXPECT_EQ(rows.headerData(DrawListModel::kB6Column, Qt::Horizontal).toString(), "E1");
    EXPECT_EQ(changes, (std::vector<int>{DrawListModel::kB6Column, DrawListModel::kB7Column}));
    QLocale::setDefault(RegionalLocale());
}

TEST(PrizeRankModel, AmountsGroupedByBlanksWithTheUsersDecimalSeparator) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    PrizeRankModel rows;
    rows.SetRows({{1, 7, 1234567.5, 8098365.31, 2, 3, "5+2"}}, OxTableModel::Cursor::First);
    EXPECT_EQ(rows.headerData(1, Qt::Horizontal).toString(), "Combinaison");
    EXPECT_EQ(rows.index(0, 1).data().toString(), "5+2");
    EXPECT_EQ(rows.index(0, 2).data().toString(), "1 234 567.50 €");
    EXPECT_EQ(rows.index(0, 3).data().toString(), "8 098 365.31F");
    EXPECT_EQ(rows.headerData(5, Qt::Horizontal).toString(), "NB E");
    EXPECT_FALSE(rows.Sortable(3));
    QLocale::setDefault(RegionalLocale());
}

} // namespace
} // namespace quintaro
