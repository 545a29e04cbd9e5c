#include "controls/TavixQContainer.h"
#include "controls/TavixQPushButton.h"
#include "controls/views/TavixQTableHeader.h"
#include "controls/views/TavixQTableView.h"
#include "controls/views/TavixQTableViewImpl.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixLibrary.h"
#include "TavixTestSupport.h"

#include <json/value.h>

#include <QStandardItemModel>
#include <QtTest>

#include <memory>

using namespace TavixQtLib;
using tavixtest::kRed;
using tavixtest::kGreen;
using tavixtest::kBlue;
using tavixtest::kGrey;
using tavixtest::kYellow;
using tavixtest::kMagenta;
using tavixtest::solid;
using tavixtest::moveTo;

namespace {

// rows x 4 model with "r c" cells and unchecked column 0.
QStandardItemModel *makeModel(int rows, QObject *parent)
{
    auto *model = new QStandardItemModel(rows, 4, parent);
    for (int c = 0; c < 4; ++c)
        model->setHeaderData(c, Qt::Horizontal, QStringLiteral("H%1").arg(c));
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < 4; ++c)
            model->setData(model->index(r, c), QStringLiteral("%1 %2").arg(r).arg(c));
        model->setData(model->index(r, 0), Qt::Unchecked, Qt::CheckStateRole);
    }
    return model;
}

// Probe look: background grey, cells red (plain), green (hot row), blue (selected), header magenta.
struct Fixture
{
    explicit Fixture(int rows = 8)
    {
        table.setModel(makeModel(rows, &table));
        table.setBackground(CommonNormal, solid(kGrey));
        table.setItemBackground(Normal, solid(kRed));
        table.setItemBackground(Hot, solid(kGreen));
        table.setItemBackground(Pressed, solid(kBlue));
        table.setHeaderBackground(AllStates, solid(kMagenta));
        table.resize(320, 220);
        table.show();
    }
    QPoint cellPoint(int row, int column, int dx = -3) const
    {
        const QRect r = table.visualRect(table.model()->index(row, column));
        return QPoint(dx < 0 ? r.right() + dx + 1 : r.left() + dx, r.center().y());
    }
    QColor pixel(int row, int column = 1)
    {
        return table.viewport()->grab().toImage().pixelColor(cellPoint(row, column));
    }
    QPoint checkPoint(int row) const { return cellPoint(row, 0, 5 + 12); }
    Qt::CheckState rowState(int row) const
    {
        return Qt::CheckState(table.model()->index(row, 0).data(Qt::CheckStateRole).toInt());
    }
    QPoint headerCheck() const { return table.getHeader(Qt::Horizontal)->checkRect().center(); }

    TavixQTableView table;
};

// A container for column 2 with two named buttons side by side.
TavixQContainer *makeColumnWidget()
{
    auto *cell = new TavixQContainer;
    cell->setChildLayout(TavixQContainer::Horizontal);
    cell->setChildPadding(0, 0, 0, 0);
    cell->setChildSpace(0);
    auto *edit = new TavixQPushButton;
    edit->setObjectName(QStringLiteral("edit"));
    auto *remove = new TavixQPushButton;
    remove->setObjectName(QStringLiteral("remove"));
    cell->addChildWidget(edit, 1);
    cell->addChildWidget(remove, 1);
    return cell;
}

} // namespace

class tst_TableView : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cellStates_data();
    void cellStates();
    void leaveClearsHover();
    void checkAllFollowsRows();
    void rowCheckFlipsAndSelects();
    void headerBoxPaintsItsState();
    void columnWidgetClicksByName();
    void selectedRowsDistinct();
    void jsonRoundTrip();
    void hostileValues_data();
    void hostileValues();
    void hundredThousandRows();
    void deleteFromOwnSignal_data();
    void deleteFromOwnSignal();
    void demoData();
};

void tst_TableView::initTestCase()
{
    init();
    FillStyle red = solid(kRed, "tableProbeRed"), blue = solid(kBlue, "tableProbeBlue");
    tavixSetFillStyle(red.name, red);
    tavixSetFillStyle(blue.name, blue);
}

// What a row looks like after clicking "select" and hovering "hover" (-1: none).
void tst_TableView::cellStates_data()
{
    QTest::addColumn<int>("select");
    QTest::addColumn<int>("hover");
    QTest::addColumn<bool>("alternate");
    QTest::addColumn<QList<QColor>>("rows");       // rows 0..3, column 1
    QTest::newRow("plain") << -1 << -1 << false << QList<QColor>{kRed, kRed, kRed, kRed};
    QTest::newRow("hover") << -1 << 2 << false << QList<QColor>{kRed, kRed, kGreen, kRed};
    QTest::newRow("select") << 1 << -1 << false << QList<QColor>{kRed, kBlue, kRed, kRed};
    QTest::newRow("selected wins over hot") << 1 << 1 << false << QList<QColor>{kRed, kBlue, kRed, kRed};
    QTest::newRow("alternate") << -1 << -1 << true << QList<QColor>{kYellow, kRed, kYellow, kRed};
    QTest::newRow("alternate, hot and selected")
        << 0 << 2 << true << QList<QColor>{kBlue, kRed, kGreen, kRed};
}

void tst_TableView::cellStates()
{
    QFETCH(int, select);
    QFETCH(int, hover);
    QFETCH(bool, alternate);
    QFETCH(QList<QColor>, rows);
    Fixture f;
    f.table.setAlternateRows(alternate);
    f.table.setAlternateBackground(solid(kYellow));
    QVERIFY(QTest::qWaitForWindowExposed(&f.table));
    if (select >= 0)
        QTest::mouseClick(f.table.viewport(), Qt::LeftButton, Qt::NoModifier, f.cellPoint(select, 2));
    if (hover >= 0)
        moveTo(f.table.viewport(), f.cellPoint(hover, 1));
    else
        moveTo(f.table.viewport(), QPoint(f.table.viewport()->width() - 2, f.table.viewport()->height() - 2));
    for (int row = 0; row < rows.size(); ++row)
        QCOMPARE(f.pixel(row), rows.at(row));
    // Below the last row the table background shows.
    const QImage image = f.table.viewport()->grab().toImage();
    QCOMPARE(image.pixelColor(5, image.height() - 2), kGrey);
}

void tst_TableView::leaveClearsHover()
{
    Fixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.table));
    moveTo(f.table.viewport(), f.cellPoint(3, 1));
    QCOMPARE(f.table.getImpl()->hoverRow, 3);
    QCOMPARE(f.pixel(3), kGreen);
    tavixtest::send(*f.table.viewport(), QEvent::Leave);
    QCOMPARE(f.table.getImpl()->hoverRow, -1);
    QCOMPARE(f.pixel(3), kRed);
}

// The header box checks and unchecks every row; a row changed on its own makes the box partly
// checked, and checking the last unchecked row checks it.
void tst_TableView::checkAllFollowsRows()
{
    Fixture f(5);
    f.table.setCheckstyle(true);
    QVERIFY(QTest::qWaitForWindowExposed(&f.table));
    QSignalSpy spy(&f.table, &TavixQTableView::headerCheckedChanged);
    QWidget *header = f.table.horizontalHeader()->viewport();

    QTest::mouseClick(header, Qt::LeftButton, Qt::NoModifier, f.headerCheck());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.last().at(0).toBool(), true);
    for (int row = 0; row < 5; ++row)
        QCOMPARE(f.rowState(row), Qt::Checked);
    QCOMPARE(f.table.getHeaderCheckState(), Qt::Checked);

    QTest::mouseClick(f.table.viewport(), Qt::LeftButton, Qt::NoModifier, f.checkPoint(2));
    QCOMPARE(f.rowState(2), Qt::Unchecked);
    QCOMPARE(f.table.getHeaderCheckState(), Qt::PartiallyChecked);
    QVERIFY(!f.table.getHeaderChecked());

    // From partly checked the box checks all.
    QTest::mouseClick(header, Qt::LeftButton, Qt::NoModifier, f.headerCheck());
    QCOMPARE(spy.last().at(0).toBool(), true);
    QCOMPARE(f.rowState(2), Qt::Checked);
    QTest::mouseClick(header, Qt::LeftButton, Qt::NoModifier, f.headerCheck());
    QCOMPARE(spy.count(), 3);
    QCOMPARE(spy.last().at(0).toBool(), false);
    for (int row = 0; row < 5; ++row)
        QCOMPARE(f.rowState(row), Qt::Unchecked);

    // Rows checked one by one through the model reach Checked only with the last.
    for (int row = 0; row < 5; ++row) {
        QCOMPARE(f.table.getHeaderCheckState(), row == 0 ? Qt::Unchecked : Qt::PartiallyChecked);
        f.table.model()->setData(f.table.model()->index(row, 0), Qt::Checked, Qt::CheckStateRole);
    }
    QCOMPARE(f.table.getHeaderCheckState(), Qt::Checked);
    QVERIFY(f.table.getHeaderChecked());
    f.table.model()->removeRows(0, 5);
    f.table.model()->insertRows(0, 2);
    QCOMPARE(f.table.getHeaderCheckState(), Qt::Unchecked);
    QCOMPARE(spy.count(), 3);       // only the header box emits
}

// A press on the check area flips the row between checked and unchecked (never partial); the row is
// selected as any press selects it; Space on the current row does the same.
void tst_TableView::rowCheckFlipsAndSelects()
{
    Fixture f;
    f.table.setCheckstyle(true);
    QVERIFY(QTest::qWaitForWindowExposed(&f.table));
    QTest::mouseClick(f.table.viewport(), Qt::LeftButton, Qt::NoModifier, f.checkPoint(2));
    QCOMPARE(f.rowState(2), Qt::Checked);
    QCOMPARE(f.table.selectedRows(), QList<int>{2});
    QTest::mouseClick(f.table.viewport(), Qt::LeftButton, Qt::NoModifier, f.checkPoint(2));
    QCOMPARE(f.rowState(2), Qt::Unchecked);
    // Outside the check area the state stays.
    QTest::mouseClick(f.table.viewport(), Qt::LeftButton, Qt::NoModifier, f.cellPoint(3, 0));
    QCOMPARE(f.rowState(3), Qt::Unchecked);
    QCOMPARE(f.table.selectedRows(), QList<int>{3});
    QTest::keyClick(&f.table, Qt::Key_Space);
    QCOMPARE(f.rowState(3), Qt::Checked);
    // Without the check style the area is an ordinary part of the cell.
    f.table.setCheckstyle(false);
    QTest::mouseClick(f.table.viewport(), Qt::LeftButton, Qt::NoModifier, f.checkPoint(4));
    QCOMPARE(f.rowState(4), Qt::Unchecked);
}

// The header box paints three different looks, and section 0's caption moves right of it.
void tst_TableView::headerBoxPaintsItsState()
{
    Fixture f(3);
    f.table.setCheckstyle(true);
    QVERIFY(QTest::qWaitForWindowExposed(&f.table));
    QWidget *header = f.table.horizontalHeader()->viewport();
    const QRect box = f.table.getHeader(Qt::Horizontal)->checkRect();
    QCOMPARE(box.left(), 5);
    auto look = [&] { return header->grab().toImage().copy(box); };
    const QImage unchecked = look();
    f.table.model()->setData(f.table.model()->index(1, 0), Qt::Checked, Qt::CheckStateRole);
    const QImage partial = look();
    f.table.headerChecked(true);
    const QImage checked = look();
    QVERIFY(unchecked != partial);
    QVERIFY(partial != checked);
    QVERIFY(unchecked != checked);
    header->grab().save(QStringLiteral("/tmp/tst_tableview_header.png"));
    f.table.grab().save(QStringLiteral("/tmp/tst_tableview_table.png"));
    // Outside the box the header keeps its background.
    QCOMPARE(header->grab().toImage().pixelColor(box.right() + 3, 1), kMagenta);
}

void tst_TableView::columnWidgetClicksByName()
{
    Fixture f;
    f.table.setColumnWidth(2, 100);
    f.table.setColumnWidget(2, makeColumnWidget());
    QVERIFY(f.table.getColumnWidget(2));
    QVERIFY(f.table.getColumnWidget(2)->isHidden());
    QVERIFY(QTest::qWaitForWindowExposed(&f.table));
    QSignalSpy spy(&f.table, &TavixQTableView::customControlClicked);
    QTest::mouseClick(f.table.viewport(), Qt::LeftButton, Qt::NoModifier, f.cellPoint(3, 2, 10));
    QTest::mouseClick(f.table.viewport(), Qt::LeftButton, Qt::NoModifier, f.cellPoint(5, 2, -10));
    QTest::mouseClick(f.table.viewport(), Qt::LeftButton, Qt::NoModifier, f.cellPoint(4, 1));
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).toInt(), 3);
    QCOMPARE(spy.at(0).at(1).toString(), QStringLiteral("edit"));
    QCOMPARE(spy.at(1).at(0).toInt(), 5);
    QCOMPARE(spy.at(1).at(1).toString(), QStringLiteral("remove"));
    QCOMPARE(f.table.selectedRows(), QList<int>{4});
    // The container is drawn in every visible cell of its column: no row pixel of column 2 is plain.
    QVERIFY(f.pixel(0, 2) != kRed);
    f.table.setColumnWidget(2, nullptr);
    QTest::mouseClick(f.table.viewport(), Qt::LeftButton, Qt::NoModifier, f.cellPoint(3, 2, 10));
    QCOMPARE(spy.count(), 2);
    QCOMPARE(f.pixel(0, 2), kRed);
}

void tst_TableView::selectedRowsDistinct()
{
    Fixture f;
    f.table.setSelectionMode(QAbstractItemView::ExtendedSelection);
    QVERIFY(QTest::qWaitForWindowExposed(&f.table));
    QTest::mouseClick(f.table.viewport(), Qt::LeftButton, Qt::NoModifier, f.cellPoint(4, 1));
    QTest::mouseClick(f.table.viewport(), Qt::LeftButton, Qt::ControlModifier, f.cellPoint(2, 3));
    QCOMPARE(f.table.selectionModel()->selectedIndexes().size(), 8);
    QCOMPARE(f.table.selectedRows(), (QList<int>{2, 4}));
}

// Read back, multiselect is an extended selection, the row height reaches the vertical header and one
// header entry fills its whole group; the plain keys are in tst_roundtrip.
void tst_TableView::jsonRoundTrip()
{
    TavixQTableView table, copy;
    table.setSelectionMode(QAbstractItemView::ExtendedSelection);
    table.setItemHeight(28);
    table.setItemBackground(Hot, solid(kRed, "tableProbeRed"));
    table.setHeaderBackground(AllStates, solid(kBlue, "tableProbeBlue"));
    Json::Value node = tavixtest::written(table);
    copy.readJsonValue(&node);
    QCOMPARE(copy.selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(copy.verticalHeader()->defaultSectionSize(), 28);
    QCOMPARE(copy.getItemBackground(Normal).valid, false);
    QCOMPARE(copy.getHeaderBackground(Disable).color, kBlue);
    QCOMPARE(tavixtest::show(tavixtest::written(copy)), tavixtest::show(node));
}

void tst_TableView::hostileValues_data()
{
    QTest::addColumn<QByteArray>("attr");
    QTest::newRow("INT_MIN") << QByteArray(R"({"itemHeight": -2147483648, "checkstyle": -2147483648,
        "multiselect": -2147483648, "checkedImg": -2147483648})");
    QTest::newRow("INT_MAX") << QByteArray(R"({"itemHeight": 2147483647, "checkstyle": 2147483647,
        "multiselect": 2147483647, "uncheckImg": 2147483647})");
    QTest::newRow("NaN as string") << QByteArray(R"({"itemHeight": "NaN", "checkstyle": "nan",
        "multiselect": "NaN", "checkedImg": "NaN", "uncheckImg": ""})");
    QTest::newRow("huge real") << QByteArray(R"({"itemHeight": 1e300, "checkstyle": -1e300})");
    QTest::newRow("wrong kinds") << QByteArray(R"({"itemHeight": [1], "checkstyle": {"a": 1}, "checkedImg": null})");
}

void tst_TableView::hostileValues()
{
    QFETCH(QByteArray, attr);
    Json::Value node = tavixtest::parse("{\"attr\": " + attr
                                        + ", \"style\": [[\"tableProbeRed\", 1, 2147483647], [\"tableProbeRed\", 1,"
                                          " -2147483648], 7, [\"x\"]], \"child\": [{\"type\": \"qtscrollbar\","
                                          " \"attr\": 5}, 3]}");
    Fixture f(300);
    f.table.readJsonValue(&node);
    f.table.setCheckstyle(true);
    f.table.setColumnWidget(INT_MIN, makeColumnWidget());
    f.table.setColumnWidget(INT_MAX, nullptr);
    f.table.setCheckBoxImage(true, QStringLiteral("IDB_CHECKED"));
    QVERIFY(QTest::qWaitForWindowExposed(&f.table));
    f.table.scrollToBottom();
    QVERIFY(!f.table.grab().isNull());
    QTest::mouseClick(f.table.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(8, 8));
    QTest::mouseClick(f.table.horizontalHeader()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(8, 4));
    QVERIFY(f.table.getItemHeight() >= 0 && f.table.getItemHeight() <= 1000);
    QVERIFY(f.table.getImpl()->checkImageSize.width() > 0 && f.table.getImpl()->checkImageSize.width() <= 256);
}

// 100 000 rows: no widget per row, scrolling to the end and selecting there, checking every row.
void tst_TableView::hundredThousandRows()
{
    constexpr int kRows = 100000;
    TavixQTableView table;
    table.resize(300, 200);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    const int emptyWidgets = table.findChildren<QWidget *>().size();
    auto *model = new QStandardItemModel(kRows, 3, &table);
    for (int r = 0; r < kRows; ++r)
        model->setData(model->index(r, 0), QString::number(r));
    table.setCheckstyle(true);
    table.setModel(model);
    table.setColumnWidget(1, makeColumnWidget());
    table.scrollToBottom();
    QVERIFY(!table.viewport()->grab().isNull());
    QTest::mouseClick(table.viewport(), Qt::LeftButton, Qt::NoModifier,
                      table.visualRect(model->index(kRows - 1, 2)).center());
    QCOMPARE(table.selectedRows(), QList<int>{kRows - 1});
    table.headerChecked(true);
    QCOMPARE(model->index(kRows / 2, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QCOMPARE(table.getHeaderCheckState(), Qt::Checked);
    QCOMPARE(table.findChildren<QWidget *>().size(), emptyWidgets + 3);     // the container and its two buttons
}

void tst_TableView::deleteFromOwnSignal_data()
{
    QTest::addColumn<QString>("signal");
    QTest::newRow("clicked") << "clicked";
    QTest::newRow("customControlClicked") << "custom";
    QTest::newRow("headerCheckedChanged") << "header";
    QTest::newRow("model change from a row check") << "model";
}

void tst_TableView::deleteFromOwnSignal()
{
    QFETCH(QString, signal);
    QPointer<TavixQTableView> table = new TavixQTableView;
    TavixQTableView *t = table;
    auto *model = makeModel(5, nullptr);
    std::unique_ptr<QStandardItemModel> owner(model);
    t->setModel(model);
    t->setCheckstyle(true);
    t->setColumnWidget(2, makeColumnWidget());
    t->setColumnWidth(2, 100);
    auto kill = [t] { delete t; };
    if (signal == QLatin1String("clicked"))
        connect(t, &QAbstractItemView::clicked, kill);
    else if (signal == QLatin1String("custom"))
        connect(t, &TavixQTableView::customControlClicked, kill);
    else if (signal == QLatin1String("header"))
        connect(t, &TavixQTableView::headerCheckedChanged, kill);
    else
        connect(model, &QAbstractItemModel::dataChanged, t, kill);
    t->resize(320, 200);
    t->show();
    QVERIFY(QTest::qWaitForWindowExposed(t));
    QWidget *target = t->viewport();
    QPoint at = t->visualRect(model->index(1, 1)).center();
    if (signal == QLatin1String("custom"))
        at = t->visualRect(model->index(1, 2)).topLeft() + QPoint(10, 5);
    else if (signal == QLatin1String("header"))
        target = t->horizontalHeader()->viewport(), at = t->getHeader(Qt::Horizontal)->checkRect().center();
    else if (signal == QLatin1String("model"))
        at = t->visualRect(model->index(1, 0)).topLeft() + QPoint(10, 5);
    // Presses emit the view's own signals; a release would reach a deleted widget.
    if (signal == QLatin1String("clicked"))
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
    else
        QTest::mousePress(target, Qt::LeftButton, Qt::NoModifier, at);
    QVERIFY(table.isNull());
}

void tst_TableView::demoData()
{
    TavixQTableView table;
    table.initDemoData();
    QCOMPARE(table.model()->columnCount(), 5);
    QCOMPARE(table.model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Col5"));
    QCOMPARE(table.model()->index(3, 2).data().toString(), QStringLiteral("item 3 2"));
}

QTEST_MAIN(tst_TableView)
#include "tst_tableview.moc"
