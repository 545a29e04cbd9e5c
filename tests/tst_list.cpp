#include "controls/TavixQContainer.h"
#include "controls/TavixQLabelEx.h"
#include "controls/TavixQLabelExImpl.h"
#include "controls/TavixQPushButton.h"
#include "controls/TavixQScrollBar.h"
#include "controls/views/TavixQList.h"
#include "controls/views/TavixQListItemDelegate.h"
#include "controls/views/TavixQListView.h"
#include "controls/views/TavixQListViewItemDelegate.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixLibrary.h"
#include "core/TavixQWidgetBaseImpl.h"
#include "TavixTestSupport.h"

#include <json/value.h>

#include <QLineEdit>
#include <QStandardItemModel>
#include <QtTest>

#include <climits>
#include <memory>

using namespace TavixQtLib;
using tavixtest::kRed;
using tavixtest::kGreen;
using tavixtest::kBlue;
using tavixtest::kGrey;
using tavixtest::kYellow;
using tavixtest::kMagenta;
using tavixtest::solid;
using tavixtest::hover;
using tavixtest::moveTo;

namespace {

// Probe look: background grey, rows red (plain), green (under the pointer), blue (selected).
template <class View>
void applyProbeRows(View &view)
{
    view.setBackground(CommonNormal, solid(kGrey));
    view.setItemBackground(Normal, solid(kRed));
    view.setItemBackground(Hot, solid(kGreen));
    view.setItemBackground(Pressed, solid(kBlue));
}

QImage grabViewport(QAbstractItemView &view)
{
    return view.viewport()->grab().toImage();
}

QPoint rowCentre(QAbstractItemView &view, int row)
{
    return view.visualRect(view.model()->index(row, 0)).center();
}

int widgetCount(const QWidget &w)
{
    return w.findChildren<QWidget *>().size();
}

// Template: a container 'row' with an inner container 'cell' at (10, 2, 30, 12) whose colour the
// display callback sets from the row (even rows yellow, odd rows magenta).
struct TemplateFixture
{
    TavixQListView view;
    TavixQContainer *row = nullptr;
    TavixQContainer *cell = nullptr;
    QStandardItemModel model;
    int displayCalls = 0;

    explicit TemplateFixture(int rows)
        : model(rows, 1)
    {
        view.resize(200, 120);
        view.setModel(&model);
        applyProbeRows(view);
        row = new TavixQContainer(&view);
        row->setChildLayout(TavixQContainer::NoUse);
        cell = new TavixQContainer(row);
        cell->setObjectName(QStringLiteral("cell"));
        cell->setGeometry(10, 2, 30, 12);
        view.createComplete();
        view.setItemDisplayCallBack([this](const TavixQListView *, const QWidget *, const QModelIndex &index) {
            ++displayCalls;
            cell->setBackground(solid(index.row() % 2 ? kMagenta : kYellow));
        });
    }
};

} // namespace

class tst_List : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void listRowStates_data();
    void listRowStates();
    void listIconPlacement();
    void templateRowsRenderTemplate();
    void templateBackgroundFollowsRow();
    void idleViewStaysIdle();
    void pressCtrlReachesControl();
    void iconModeRowSize();
    void pageNodeBuildsTemplateAndBars();
    void groupEntryFillsStates();
    void hostileValues_data();
    void hostileValues();
    void hundredThousandRows();
    void clicksMatchStockList_data();
    void clicksMatchStockList();
    void deleteFromOwnSignal_data();
    void deleteFromOwnSignal();
    void keysMoveCurrentRow();
    void emulatorDemoRows();
    void textSelectionInRows_data();
    void textSelectionInRows();
    void labelExCallBackVisibleRowsOnly();
};

// Hot wins over selected in the text list; selected wins in the template list.
void tst_List::listRowStates_data()
{
    QTest::addColumn<bool>("templated");
    QTest::addColumn<QColor>("selectedHovered");
    QTest::newRow("list") << false << kGreen;
    QTest::newRow("list view") << true << kBlue;
}

void tst_List::listRowStates()
{
    QFETCH(bool, templated);
    QFETCH(QColor, selectedHovered);
    std::unique_ptr<QAbstractItemView> view;
    std::unique_ptr<TemplateFixture> fixture;
    if (templated) {
        fixture.reset(new TemplateFixture(5));
        fixture->view.show();
    } else {
        auto *list = new TavixQList;
        view.reset(list);
        list->resize(200, 120);
        applyProbeRows(*list);
        for (int i = 0; i < 5; ++i)
            list->addItem(QStringLiteral("row %1").arg(i));
        list->show();
    }
    QAbstractItemView &v = templated ? static_cast<QAbstractItemView &>(fixture->view) : *view;
    QVERIFY(QTest::qWaitForWindowExposed(&v));
    const QPoint probe(120, 0);     // right of the template's cell
    auto colourAt = [&](int row) {
        const QImage img = grabViewport(v);
        return img.pixelColor(probe.x(), rowCentre(v, row).y());
    };
    QCOMPARE(colourAt(0), kRed);
    QTest::mouseClick(v.viewport(), Qt::LeftButton, Qt::NoModifier, rowCentre(v, 1));
    hover(v.viewport(), rowCentre(v, 3));
    QCOMPARE(colourAt(1), kBlue);
    QCOMPARE(colourAt(3), kGreen);
    QCOMPARE(colourAt(4), kRed);
    hover(v.viewport(), rowCentre(v, 1));
    QCOMPARE(colourAt(1), selectedHovered);
    QCOMPARE(colourAt(3), kRed);
    // Below the last row the viewport background shows.
    const QImage img = grabViewport(v);
    QCOMPARE(img.pixelColor(probe.x(), img.height() - 2), kGrey);
}

// A 30-pixel row draws its icon at 24 x 24 centred in the first 28 pixels; the text starts at 28.
void tst_List::listIconPlacement()
{
    TavixQList list;
    list.resize(200, 100);
    applyProbeRows(list);
    list.setItemHeight(30);
    QPixmap pixmap(48, 48);
    pixmap.fill(kYellow);
    list.addItem(new QListWidgetItem(QIcon(pixmap), QString()));
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    const QRect row = list.visualRect(list.model()->index(0, 0));
    QCOMPARE(row.height(), 30);
    const QImage img = grabViewport(list);
    const int y = row.center().y();
    QCOMPARE(img.pixelColor(row.left() + 1, y), kRed);
    QCOMPARE(img.pixelColor(row.left() + 2, y), kYellow);
    QCOMPARE(img.pixelColor(row.left() + 25, y), kYellow);
    QCOMPARE(img.pixelColor(row.left() + 26, y), kRed);
    QCOMPARE(img.pixelColor(row.left() + 10, row.top() + 2), kRed);    // 24 high: 3 pixels above
    QCOMPARE(img.pixelColor(row.left() + 10, row.top() + 3), kYellow);
    QCOMPARE(TavixQListItemDelegate::iconSide(24), 16);
    QCOMPARE(TavixQListItemDelegate::iconSide(33), 32);
}

// Each visible row is the template filled by the callback for that row.
void tst_List::templateRowsRenderTemplate()
{
    TemplateFixture f(5);
    f.view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    const QImage img = grabViewport(f.view);
    img.save(QStringLiteral("/tmp/tst_list_template.png"));
    for (int row = 0; row < 5; ++row) {
        const QRect r = f.view.visualRect(f.model.index(row, 0));
        QCOMPARE(img.pixelColor(r.left() + 20, r.top() + 8), row % 2 ? kMagenta : kYellow);
        QCOMPARE(img.pixelColor(r.left() + 5, r.top() + 8), kRed);      // template outside the cell
        QCOMPARE(img.pixelColor(r.left() + 45, r.top() + 8), kRed);
    }
    QVERIFY(f.row->isHidden());
    f.view.setItemTemplate(&f.view);
    f.view.setItemTemplate(f.view.viewport());
    QCOMPARE(f.view.getitemTemplate(), f.row);
    Json::Value node;
    f.view.serializeJsonValue(&node, false);
    QCOMPARE(node["child"][0]["type"].asString(), std::string("qtcontainer"));
}

// An entry that is not valid leaves the template's own background.
void tst_List::templateBackgroundFollowsRow()
{
    TemplateFixture f(3);
    f.row->setBackground(solid(kGreen));
    f.view.setItemTemplate(nullptr);
    f.view.setItemTemplate(f.row);
    FillStyle none;
    none.valid = false;
    f.view.setItemBackground(Normal, none);
    f.view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    f.view.setCurrentIndex(f.model.index(2, 0));
    const QImage img = grabViewport(f.view);
    QCOMPARE(img.pixelColor(100, rowCentre(f.view, 0).y()), kGreen);
    QCOMPARE(img.pixelColor(100, rowCentre(f.view, 2).y()), kBlue);
}

// Filling the template (texts that change the size hints of its controls) must not make the view
// paint again and again.
void tst_List::idleViewStaysIdle()
{
    TemplateFixture f(8);
    auto *caption = new TavixQPushButton(f.row);
    caption->setGeometry(60, 0, 80, 18);
    f.view.setItemTemplate(nullptr);
    f.view.setItemTemplate(f.row);
    f.view.setItemDisplayCallBack([&f, caption](const TavixQListView *, const QWidget *, const QModelIndex &index) {
        ++f.displayCalls;
        caption->setText(QString(index.row() + 1, QLatin1Char('x')));
    });
    f.view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    QTest::qWait(50);
    const int settled = f.displayCalls;
    QVERIFY(settled > 0);
    QTest::qWait(200);
    QCOMPARE(f.displayCalls, settled);
}

void tst_List::pressCtrlReachesControl()
{
    TemplateFixture f(6);
    f.view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    QSignalSpy spy(&f.view, &TavixQListView::pressCtrl);
    const QRect r3 = f.view.visualRect(f.model.index(3, 0));
    QTest::mouseClick(f.view.viewport(), Qt::LeftButton, Qt::NoModifier, r3.topLeft() + QPoint(20, 8));
    QTest::mouseClick(f.view.viewport(), Qt::LeftButton, Qt::NoModifier, r3.topLeft() + QPoint(100, 8));
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).value<QWidget *>(), static_cast<QWidget *>(f.cell));
    QCOMPARE(spy.at(0).at(1).value<QModelIndex>().row(), 3);
    QCOMPARE(spy.at(1).at(0).value<QWidget *>(), static_cast<QWidget *>(f.row));
    QCOMPARE(f.view.currentIndex().row(), 3);     // Qt's own handling followed
    // After a resize the cache is rebuilt for the pressed row.
    f.view.resize(220, 120);
    QTest::mouseClick(f.view.viewport(), Qt::LeftButton, Qt::NoModifier, rowCentre(f.view, 1) - QPoint(80, 0));
    QCOMPARE(spy.count(), 3);
    QCOMPARE(spy.at(2).at(0).value<QWidget *>(), static_cast<QWidget *>(f.cell));
    QCOMPARE(spy.at(2).at(1).value<QModelIndex>().row(), 1);
    // A control that is not visible as a delegate item is not hit; the row is.
    TavixQWidgetBaseImpl::fromWidget(f.cell)->delegateItemVisible = false;
    f.view.viewport()->repaint();
    QTest::mouseClick(f.view.viewport(), Qt::LeftButton, Qt::NoModifier, rowCentre(f.view, 1) - QPoint(80, 0));
    QCOMPARE(spy.count(), 4);
    QCOMPARE(spy.at(3).at(0).value<QWidget *>(), static_cast<QWidget *>(f.row));
}

void tst_List::iconModeRowSize()
{
    TemplateFixture f(4);
    f.view.setItemMode(1);
    f.view.setItemWidth(50);
    f.view.setItemHeight(30);
    f.view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    QCOMPARE(f.view.visualRect(f.model.index(2, 0)).size(), QSize(50, 30));
    f.view.setItemForSizeCallBack([](const TavixQListView *, const QStyleOptionViewItem &, const QModelIndex &index) {
        return QSize(40 + index.row(), 25);
    });
    QCOMPARE(f.view.visualRect(f.model.index(2, 0)).size(), QSize(42, 25));
}


void tst_List::initTestCase()
{
    init();
    FillStyle red = solid(kRed, "listProbeRed"), green = solid(kGreen, "listProbeGreen"),
              thumb = solid(kBlue, "listProbeThumb");
    tavixSetFillStyle(red.name, red);
    tavixSetFillStyle(green.name, green);
    tavixSetFillStyle(thumb.name, thumb);
}

// Built as the page loader builds it (the control, then each child, then createComplete): the first
// kit child becomes the template and a scroll bar child restyles the owned bar instead of staying.
void tst_List::pageNodeBuildsTemplateAndBars()
{
    const Json::Value node = tavixtest::parse(R"({"type": "qtlistview", "name": "rows", "w": 200, "h": 100,
        "attr": {"itemHeight": 24, "itemMode": 0},
        "child": [{"type": "qtscrollbar", "name": "bar", "w": 12, "h": 80,
                   "style": [["listProbeThumb", 1, 10]]},
                  {"type": "qtcontainer", "name": "row", "w": 100, "h": 24}]})");
    QWidget page;
    std::unique_ptr<QWidget> made(tavixCreateControlFromNode("qtlistview", node, &page));
    auto *view = qobject_cast<TavixQListView *>(made.get());
    QVERIFY(view);
    for (Json::ArrayIndex i = 0; i < node["child"].size(); ++i) {
        const Json::Value &child = node["child"][i];
        QVERIFY(tavixCreateControlFromNode(child["type"].asCString(), child, view));
    }
    view->createComplete();
    QVERIFY(view->getitemTemplate());
    QCOMPARE(view->getitemTemplate()->objectName(), QStringLiteral("row"));
    QVERIFY(view->findChildren<TavixQScrollBar *>(QString(), Qt::FindDirectChildrenOnly).isEmpty());
    QCOMPARE(view->getScrollBar(false)->getScrollbarThumb(Disable).name, QStringLiteral("listProbeThumb"));
    QCOMPARE(view->getScrollBar(false)->orientation(), Qt::Vertical);
    QCOMPARE(view->getItemHeight(), 24);
}

// In the text list one entry for the first slot of the row state group fills the whole group on reading.
void tst_List::groupEntryFillsStates()
{
    TavixQList list;
    Json::Value node = tavixtest::parse(R"({"style": [["listProbeRed", 1, 2], ["listProbeGreen", 1, 3]]})");
    QVERIFY(list.readJsonValue(&node));
    QCOMPARE(list.getItemBackground(Hot).color, kGreen);
    QCOMPARE(list.getItemBackground(Pressed).color, kRed);
    QCOMPARE(list.getItemBackground(Disable).color, kRed);
}

// Numbers out of range, strings in numeric keys and wrong types leave bounded values and never crash.
void tst_List::hostileValues_data()
{
    QTest::addColumn<QByteArray>("attr");
    QTest::newRow("INT_MIN") << QByteArray(R"({"itemHeight": -2147483648, "itemWidth": -2147483648,
        "spacing": -2147483648, "itemMode": -2147483648, "multiselect": -2147483648})");
    QTest::newRow("INT_MAX") << QByteArray(R"({"itemHeight": 2147483647, "itemWidth": 2147483647,
        "spacing": 2147483647, "itemMode": 2147483647, "multiselect": 2147483647})");
    QTest::newRow("NaN as string") << QByteArray(R"({"itemHeight": "NaN", "itemWidth": "nan",
        "spacing": "NaN", "itemMode": "NaN", "multiselect": "NaN"})");
    QTest::newRow("huge real") << QByteArray(R"({"itemHeight": 1e300, "spacing": -1e300})");
    QTest::newRow("wrong kinds") << QByteArray(R"({"itemHeight": [1], "spacing": {"a": 1}, "itemMode": null})");
}

void tst_List::hostileValues()
{
    QFETCH(QByteArray, attr);
    const Json::Value node = tavixtest::parse("{\"attr\": " + attr
                                              + ", \"style\": [[\"listProbeRed\", 1, 2147483647], 7, [\"x\"]],"
                                                " \"child\": [{\"type\": \"qtscrollbar\", \"attr\": 5}, 3]}");
    TemplateFixture f(200);
    TavixQList list;
    for (int i = 0; i < 200; ++i)
        list.addItem(QString::number(i));
    Json::Value copy = node;
    list.readJsonValue(&copy);
    copy = node;
    f.view.readJsonValue(&copy);
    for (QAbstractItemView *v : {static_cast<QAbstractItemView *>(&list), static_cast<QAbstractItemView *>(&f.view)}) {
        v->resize(200, 150);
        v->show();
        QVERIFY(QTest::qWaitForWindowExposed(v));
        v->scrollToBottom();
        QVERIFY(!grabViewport(*v).isNull());
    }
    QVERIFY(list.getItemHeight() >= 0 && list.getItemHeight() <= 1000);
    QVERIFY(f.view.getItemHeight() >= 0 && f.view.getItemHeight() <= 1000);
    QVERIFY(f.view.getItemWidth() >= 0 && f.view.getItemWidth() <= 1000);
    QVERIFY(f.view.getItemSpace() >= 0 && f.view.getItemSpace() <= 1000);
    QVERIFY(f.view.getItemMode() == 0 || f.view.getItemMode() == 1);
}

// Showing, scrolling and selecting 100 000 rows makes no widget per row, and the template is filled
// only for rows that are drawn.
void tst_List::hundredThousandRows()
{
    constexpr int kRows = 100000;
    TavixQList list;
    list.resize(200, 200);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    const int emptyWidgets = widgetCount(list);
    QStringList texts;
    for (int i = 0; i < kRows; ++i)
        texts.append(QString::number(i));
    list.addItems(texts);
    list.scrollToBottom();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 190));
    QCOMPARE(list.currentRow(), kRows - 1);
    QVERIFY(!grabViewport(list).isNull());
    QCOMPARE(widgetCount(list), emptyWidgets);

    TemplateFixture f(0);
    f.view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    const int emptyViewWidgets = widgetCount(f.view);
    f.model.setRowCount(kRows);
    f.displayCalls = 0;
    QVERIFY(!grabViewport(f.view).isNull());
    f.view.scrollToBottom();
    QVERIFY(!grabViewport(f.view).isNull());
    QTest::mouseClick(f.view.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 110));
    QCOMPARE(f.view.currentIndex().row(), kRows - 1);
    QVERIFY2(f.displayCalls < 100, qPrintable(QString::number(f.displayCalls)));
    QCOMPARE(widgetCount(f.view), emptyViewWidgets);
}

// The kit's own emission of clicked keeps what a stock list does with the same clicks: selection,
// deselection by Ctrl, edits of a selected row, and one clicked per click.
void tst_List::clicksMatchStockList_data()
{
    QTest::addColumn<QString>("clicks");     // row and modifier per click: "1 2c" = row 1, then Ctrl on row 2
    // mode -1: single selection, editing on SelectedClicked
    QTest::addColumn<int>("mode");
    QTest::newRow("single") << "1 3 3" << int(QAbstractItemView::SingleSelection);
    QTest::newRow("single, Ctrl deselects") << "1 1c" << int(QAbstractItemView::SingleSelection);
    QTest::newRow("multi toggles") << "1 2 1" << int(QAbstractItemView::MultiSelection);
    QTest::newRow("extended, Ctrl and Shift") << "0 2c 4s" << int(QAbstractItemView::ExtendedSelection);
    QTest::newRow("selected clicked edits") << "2 w 2" << -1;     // w: apart, not a double click
}

void tst_List::clicksMatchStockList()
{
    QFETCH(QString, clicks);
    QFETCH(int, mode);
    TavixQList ours;
    QListWidget stock;
    for (QListWidget *list : {static_cast<QListWidget *>(&ours), &stock}) {
        list->resize(200, 150);
        for (int i = 0; i < 5; ++i) {
            list->addItem(QString::number(i));
            list->item(i)->setFlags(list->item(i)->flags() | Qt::ItemIsEditable);
        }
        if (mode < 0)
            list->setEditTriggers(QAbstractItemView::SelectedClicked);
        else
            list->setSelectionMode(QAbstractItemView::SelectionMode(mode));
        list->show();
        QVERIFY(QTest::qWaitForWindowExposed(list));
    }
    QSignalSpy oursClicked(&ours, &QAbstractItemView::clicked), stockClicked(&stock, &QAbstractItemView::clicked);
    QSignalSpy oursItem(&ours, &QListWidget::itemClicked);
    for (const QString &click : clicks.split(QLatin1Char(' '))) {
        if (click == QLatin1String("w")) {
            QTest::qWait(QApplication::doubleClickInterval() + 50);
            continue;
        }
        const int row = click.left(1).toInt();
        const Qt::KeyboardModifiers mods = click.endsWith(QLatin1Char('c')) ? Qt::ControlModifier
            : click.endsWith(QLatin1Char('s'))                             ? Qt::ShiftModifier
                                                                           : Qt::NoModifier;
        for (QListWidget *list : {static_cast<QListWidget *>(&ours), &stock})
            QTest::mouseClick(list->viewport(), Qt::LeftButton, mods, rowCentre(*list, row));
    }
    auto rows = [](QListWidget &list) {
        QList<int> selected;
        for (const QModelIndex &index : list.selectionModel()->selectedIndexes())
            selected.append(index.row());
        std::sort(selected.begin(), selected.end());
        return selected;
    };
    QCOMPARE(rows(ours), rows(stock));
    QCOMPARE(ours.currentRow(), stock.currentRow());
    QCOMPARE(oursClicked.count(), stockClicked.count());
    QCOMPARE(oursItem.count(), stockClicked.count());
    auto editing = [](QListWidget &list) { return list.viewport()->findChildren<QLineEdit *>().size(); };
    if (mode < 0)   // Qt opens the editor once the double-click interval has passed
        QTRY_VERIFY(editing(stock) > 0 && editing(ours) > 0);
    QCOMPARE(editing(ours), editing(stock));
}

// A slot may delete the view from the view's own signal.
void tst_List::deleteFromOwnSignal_data()
{
    QTest::addColumn<QString>("signal");
    QTest::newRow("list clicked") << "list clicked";
    QTest::newRow("list itemClicked") << "list itemClicked";
    QTest::newRow("list view clicked") << "view clicked";
    QTest::newRow("list view pressCtrl") << "view pressCtrl";
}

void tst_List::deleteFromOwnSignal()
{
    QFETCH(QString, signal);
    QPointer<QAbstractItemView> view;
    QWidget *viewport = nullptr;
    if (signal.startsWith(QLatin1String("list"))) {
        auto *list = new TavixQList;
        view = list;
        list->addItems({QStringLiteral("a"), QStringLiteral("b")});
        auto kill = [list] { delete list; };
        if (signal.endsWith(QLatin1String("itemClicked")))
            connect(list, &QListWidget::itemClicked, kill);
        else
            connect(list, &QAbstractItemView::clicked, kill);
    } else {
        auto *v = new TavixQListView;
        view = v;
        v->setModel(new QStandardItemModel(3, 1, v));
        v->setItemTemplate(new TavixQContainer);
        if (signal.endsWith(QLatin1String("pressCtrl")))
            connect(v, &TavixQListView::pressCtrl, [v] { delete v; });
        else
            connect(v, &QAbstractItemView::clicked, [v] { delete v; });
    }
    view->resize(200, 100);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view));
    viewport = view->viewport();
    const QPoint at = rowCentre(*view, 1);
    if (signal.endsWith(QLatin1String("pressCtrl"))) {
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, at);
    } else {
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
    }
    QVERIFY(view.isNull());
}

void tst_List::keysMoveCurrentRow()
{
    TavixQList list;
    list.addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    list.setCurrentRow(0);
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(list.currentRow(), 2);
}

void tst_List::emulatorDemoRows()
{
    tavixSetQtEmulator(true);
    TavixQList list;
    list.createComplete();
    list.createComplete();
    tavixSetQtEmulator(false);
    QCOMPARE(list.count(), 20);
    QCOMPARE(list.item(19)->text(), QStringLiteral("item 19"));
    TavixQList plain;
    plain.createComplete();
    QCOMPARE(plain.count(), 0);

    TavixQListView view;
    view.initDemoData();
    QPointer<QAbstractItemModel> first = view.model();
    view.initDemoData();
    QVERIFY(first.isNull());
    QCOMPARE(view.model()->rowCount(), 20);
}

namespace {

// Template: a container 'row' holding a selectable extended label at (4, 2, 160, 16) that the
// extended-label callback fills with the row number.
struct LabelFixture
{
    TavixQListView view;
    TavixQLabelEx *label = nullptr;
    QStandardItemModel model;
    QList<int> filledRows;

    explicit LabelFixture(int rows)
        : model(rows, 1)
    {
        view.resize(200, 120);
        view.setModel(&model);
        applyProbeRows(view);
        auto *row = new TavixQContainer(&view);
        row->setChildLayout(TavixQContainer::NoUse);
        label = new TavixQLabelEx(row);
        label->setGeometry(4, 2, 160, 16);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        view.createComplete();
        view.setLabelExCallBack([this](const TavixQListView *, TavixQLabelEx *l, const QModelIndex &index) {
            filledRows.append(index.row());
            l->setText(QStringLiteral("Row %1 holds words").arg(index.row()));
        });
    }
};

int selectionPixels(const QImage &image, const QRect &wanted)
{
    const QRect area = wanted & image.rect();
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == TavixQLabelExImpl::kSelectionColor;
    }
    return count;
}

} // namespace

void tst_List::textSelectionInRows_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::newRow("enabled") << true;
    QTest::newRow("disabled") << false;
}

void tst_List::textSelectionInRows()
{
    QFETCH(bool, enabled);
    LabelFixture f(6);
    f.view.setEnableSelection(enabled);
    f.view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    QWidget *vp = f.view.viewport();
    const QRect r2 = f.view.visualRect(f.model.index(2, 0));
    const QRect r3 = f.view.visualRect(f.model.index(3, 0));
    QCOMPARE(selectionPixels(grabViewport(f.view), r2), 0);

    QSignalSpy spy(&f.view, &TavixQListView::pressCtrl);
    QTest::mousePress(vp, Qt::LeftButton, Qt::NoModifier, r2.topLeft() + QPoint(10, 10));
    moveTo(vp, r2.topLeft() + QPoint(90, 10), Qt::LeftButton);
    // Leaving the row keeps the selection's end and the rows' own selection.
    moveTo(vp, r3.topLeft() + QPoint(120, 10), Qt::LeftButton);
    QTest::mouseRelease(vp, Qt::LeftButton, Qt::NoModifier, r3.topLeft() + QPoint(120, 10));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<QWidget *>(), static_cast<QWidget *>(f.label));
    // Without selection Qt's drag moves the current row; a text drag leaves it.
    QCOMPARE(f.view.currentIndex().row(), enabled ? 2 : 3);
    QVERIFY(!f.view.getDelegate()->pressed);

    const int *h = f.view.getDelegate()->highLight;
    const QImage image = grabViewport(f.view);
    if (!enabled) {
        QCOMPARE(h[0], -1);
        QCOMPARE(selectionPixels(image, image.rect()), 0);
        moveTo(vp, r2.topLeft() + QPoint(20, 10), Qt::NoButton);
        QVERIFY(vp->cursor().shape() != Qt::IBeamCursor);
        return;
    }
    QCOMPARE(h[0], 2);
    QCOMPARE(f.view.getDelegate()->getWidgets().at(h[1]).data(), static_cast<QWidget *>(f.label));
    QVERIFY2(h[2] >= 0 && h[2] <= 2, qPrintable(QString::number(h[2])));
    QVERIFY2(h[3] > 5 && h[3] < 17, qPrintable(QString::number(h[3])));
    QVERIFY(f.view.getEnableSelection());
    // The highlight lies in row 2 only, under the dragged part of the label.
    QVERIFY(selectionPixels(image, QRect(r2.left() + 10, r2.top() + 2, 60, 16)) > 100);
    QCOMPARE(selectionPixels(image, QRect(r2.left() + 110, r2.top(), 100, r2.height())), 0);
    QCOMPARE(selectionPixels(image, QRect(0, r3.top(), image.width(), image.height() - r3.top())), 0);
    QVERIFY(selectionPixels(image, QRect(0, 0, image.width(), r2.top())) == 0);
    // I-beam over the text only.
    moveTo(vp, r3.topLeft() + QPoint(20, 10), Qt::NoButton);
    QCOMPARE(vp->cursor().shape(), Qt::IBeamCursor);
    moveTo(vp, r3.topLeft() + QPoint(190, 10), Qt::NoButton);
    QCOMPARE(vp->cursor().shape(), Qt::ArrowCursor);
    // A press beside the text ends the selection; turning selection off clears it too.
    QTest::mouseClick(vp, Qt::LeftButton, Qt::NoModifier, r3.topLeft() + QPoint(190, 10));
    QCOMPARE(h[0], -1);
    QCOMPARE(selectionPixels(grabViewport(f.view), f.view.viewport()->rect()), 0);
}

void tst_List::labelExCallBackVisibleRowsOnly()
{
    LabelFixture f(500);
    f.view.setEnableSelection(true);
    f.view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    f.filledRows.clear();
    f.view.viewport()->repaint();
    QVERIFY(!f.filledRows.isEmpty());
    for (int row : qAsConst(f.filledRows))
        QVERIFY2(f.view.visualRect(f.model.index(row, 0)).intersects(f.view.viewport()->rect()),
                 qPrintable(QString::number(row)));
    QVERIFY(f.filledRows.contains(0));
    // The template shows what the callback put in for the row last drawn.
    QVERIFY(f.label->getText().startsWith(QLatin1String("Row ")));
}

QTEST_MAIN(tst_List)
#include "tst_list.moc"
