#include "controls/TavixQScrollBar.h"
#include "controls/views/TavixQTreeConerWidget.h"
#include "controls/views/TavixQTreeView.h"
#include "controls/views/TavixQTreeViewItemDelegate.h"
#include "controls/views/TavixQTreeViewport.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixLibrary.h"
#include "TavixTestSupport.h"

#include <json/value.h>

#include <QStandardItemModel>
#include <QtTest>


using namespace TavixQtLib;
using tavixtest::kRed;
using tavixtest::kGreen;
using tavixtest::kBlue;
using tavixtest::kGrey;
using tavixtest::solid;

namespace {

// parents top-level rows "p<i>", each with children rows "p<i>.<j>".
void fill(QStandardItemModel &model, int parents, int children)
{
    model.clear();
    QList<QStandardItem *> tops;
    for (int i = 0; i < parents; ++i) {
        auto *top = new QStandardItem(QStringLiteral("p%1").arg(i));
        QList<QStandardItem *> rows;
        for (int j = 0; j < children; ++j)
            rows.append(new QStandardItem(QStringLiteral("p%1.%2").arg(i).arg(j)));
        if (!rows.isEmpty())
            top->appendColumn(rows);
        tops.append(top);
    }
    model.appendColumn(tops);
}

// A shown tree over 4 parents x 3 children; background grey, rows red, hovered green, selected blue.
struct Fixture
{
    QStandardItemModel model;
    TavixQTreeView tree;

    explicit Fixture(int parents = 4, int children = 3)
    {
        fill(model, parents, children);
        tree.setModel(&model);
        tree.setBackground(CommonNormal, solid(kGrey));
        tree.setItemBackground(Normal, solid(kRed));
        tree.setItemBackground(Hot, solid(kGreen));
        tree.setItemBackground(Pressed, solid(kBlue));
        tree.resize(200, 200);
        tree.show();
    }
    QModelIndex top(int i) const { return model.index(i, 0); }
    QModelIndex child(int i, int j) const { return model.index(j, 0, top(i)); }
    QPoint centre(const QModelIndex &index) const { return tree.visualRect(index).center(); }
    QImage grab() const { return tree.viewport()->grab().toImage(); }
    void hover(const QPoint &pos) { tavixtest::hover(tree.viewport(), pos); }
    // What a real double click delivers: press, release, double click, release.
    void doubleClick(const QPoint &pos)
    {
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, Qt::NoModifier, pos);
        QMouseEvent dbl(QEvent::MouseButtonDblClick, pos, tree.viewport()->mapToGlobal(pos), Qt::LeftButton,
                        Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(tree.viewport(), &dbl);
        QTest::mouseRelease(tree.viewport(), Qt::LeftButton, Qt::NoModifier, pos);
    }
};

int widgetCount(const QWidget &w)
{
    return w.findChildren<QWidget *>().size();
}

} // namespace

class tst_TreeView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rowStates();
    void defaultRowHeight();
    void expandCollapse_data();
    void expandCollapse();
    void asteriskOpensBranch();
    void branchIndicatorPainting();
    void cornerAndViewportWidgets();
    void jsonRoundTrip();
    void hostileValues_data();
    void hostileValues();
    void hundredThousandRows();
    void clicksMatchStockTree_data();
    void clicksMatchStockTree();
    void deleteFromOwnSignal_data();
    void deleteFromOwnSignal();
    void demoDataAndRegistry();
};

void tst_TreeView::initTestCase()
{
    init();
    FillStyle red = solid(kRed, "treeProbeRed"), green = solid(kGreen, "treeProbeGreen"),
              thumb = solid(kBlue, "treeProbeThumb");
    tavixSetFillStyle(red.name, red);
    tavixSetFillStyle(green.name, green);
    tavixSetFillStyle(thumb.name, thumb);
}

// Plain rows red, the row under the pointer green, the selected row blue even under the pointer;
// below the last row the background shows.
void tst_TreeView::rowStates()
{
    Fixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.tree));
    const int x = 150;
    auto colourAt = [&](const QModelIndex &index) { return f.grab().pixelColor(x, f.centre(index).y()); };
    QCOMPARE(colourAt(f.top(0)), kRed);
    QTest::mouseClick(f.tree.viewport(), Qt::LeftButton, Qt::NoModifier, f.centre(f.top(1)));
    f.hover(f.centre(f.top(3)));
    QCOMPARE(colourAt(f.top(1)), kBlue);
    QCOMPARE(colourAt(f.top(3)), kGreen);
    QCOMPARE(colourAt(f.top(2)), kRed);
    f.hover(f.centre(f.top(1)));
    QCOMPARE(colourAt(f.top(1)), kBlue);
    QCOMPARE(colourAt(f.top(3)), kRed);
    const QImage img = f.grab();
    img.save(QStringLiteral("/tmp/tst_treeview_rows.png"));
    QCOMPARE(img.pixelColor(x, img.height() - 2), kGrey);
    // The indentation of the selected row keeps the background: only the themed row shows selection.
    QCOMPARE(img.pixelColor(2, f.centre(f.top(1)).y()), kGrey);
}

void tst_TreeView::defaultRowHeight()
{
    Fixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.tree));
    QCOMPARE(f.tree.visualRect(f.top(1)).height(), 20);
    f.tree.setItemHeight(33);
    QCOMPARE(f.tree.visualRect(f.top(1)).height(), 33);
    QCOMPARE(f.tree.visualRect(f.top(2)).top(), 66);
}

// Each way of opening or closing a row changes the tree once and emits once.
void tst_TreeView::expandCollapse_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("startExpanded");
    QTest::newRow("indicator click opens") << "branch" << false;
    QTest::newRow("indicator click closes") << "branch" << true;
    QTest::newRow("double click opens") << "double" << false;
    QTest::newRow("double click closes") << "double" << true;
    QTest::newRow("Right opens") << "right" << false;
    QTest::newRow("Left closes") << "left" << true;
    QTest::newRow("Plus opens") << "plus" << false;
    QTest::newRow("Minus closes") << "minus" << true;
    QTest::newRow("Asterisk opens") << "asterisk" << false;
}

void tst_TreeView::expandCollapse()
{
    QFETCH(QString, how);
    QFETCH(bool, startExpanded);
    Fixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.tree));
    const QModelIndex row = f.top(1);
    f.tree.setExpanded(row, startExpanded);
    f.tree.setCurrentIndex(row);
    QSignalSpy opened(&f.tree, &QTreeView::expanded), closed(&f.tree, &QTreeView::collapsed),
        clicked(&f.tree, &QAbstractItemView::clicked), doubled(&f.tree, &QAbstractItemView::doubleClicked);
    const QRect branch = f.tree.branchRect(row);
    QVERIFY(!branch.isEmpty());
    QVERIFY(branch.right() < f.tree.visualRect(row).left());
    if (how == QLatin1String("branch")) {
        QTest::mouseClick(f.tree.viewport(), Qt::LeftButton, Qt::NoModifier, branch.center());
        QCOMPARE(clicked.count(), 0);
    } else if (how == QLatin1String("double")) {
        f.doubleClick(f.centre(row));
        QCOMPARE(doubled.count(), 1);
        QCOMPARE(clicked.count(), 1);       // the first click only, as Qt's tree does
    } else {
        const Qt::Key key = how == QLatin1String("right") ? Qt::Key_Right
            : how == QLatin1String("left")                ? Qt::Key_Left
            : how == QLatin1String("plus")                ? Qt::Key_Plus
            : how == QLatin1String("minus")               ? Qt::Key_Minus
                                                          : Qt::Key_Asterisk;
        QTest::keyClick(&f.tree, key);
    }
    QCOMPARE(f.tree.isExpanded(row), !startExpanded);
    QCOMPARE(opened.count(), startExpanded ? 0 : 1);
    QCOMPARE(closed.count(), startExpanded ? 1 : 0);
    QSignalSpy &spy = startExpanded ? closed : opened;
    QCOMPARE(spy.at(0).at(0).value<QModelIndex>(), row);
    // The children follow the row directly when it is open.
    QCOMPARE(f.tree.indexBelow(row) == f.child(1, 0), !startExpanded);
    QCOMPARE(f.tree.currentIndex(), row);
}

// Asterisk opens every row below the current one, each announced once.
void tst_TreeView::asteriskOpensBranch()
{
    Fixture f(2, 2);
    QVERIFY(QTest::qWaitForWindowExposed(&f.tree));
    auto *grandchild = new QStandardItem(QStringLiteral("deep"));
    f.model.itemFromIndex(f.child(0, 1))->appendRow(grandchild);
    grandchild->appendRow(new QStandardItem(QStringLiteral("deeper")));
    f.tree.expand(f.child(0, 1));
    f.tree.setCurrentIndex(f.top(0));
    QSignalSpy opened(&f.tree, &QTreeView::expanded);
    QTest::keyClick(&f.tree, Qt::Key_Asterisk);
    QCOMPARE(opened.count(), 2);    // the row and "deep"; the opened child is not announced again
    QVERIFY(f.tree.isExpanded(f.top(0)) && f.tree.isExpanded(grandchild->index()));
    QVERIFY(!f.tree.isExpanded(f.top(1)));
}

// Qt draws an indicator beside each row with children, which changes when the row opens; leaves and
// the indentation of child rows show the background.
void tst_TreeView::branchIndicatorPainting()
{
    Fixture f(3, 2);
    f.tree.setItemHeight(24);
    QVERIFY(QTest::qWaitForWindowExposed(&f.tree));
    auto branchPixels = [&](const QModelIndex &, const QRect &area) {
        const QImage img = f.grab().copy(area);
        return img.width() * img.height() - tavixtest::countColour(img, kGrey);
    };
    const QRect closedBranch = f.tree.branchRect(f.top(0));
    QVERIFY(branchPixels(f.top(0), closedBranch) > 0);
    const QImage before = f.grab().copy(closedBranch);
    f.tree.expand(f.top(0));
    const QImage after = f.grab().copy(f.tree.branchRect(f.top(0)));
    f.grab().save(QStringLiteral("/tmp/tst_treeview_branches.png"));
    QVERIFY(before != after);
    // A child row has no indicator; the indentation left of it is background.
    const QModelIndex leaf = f.child(0, 1);
    QVERIFY(f.tree.branchRect(leaf).isEmpty());
    const QRect row = f.tree.visualRect(leaf);
    QCOMPARE(row.left(), 2 * f.tree.indentation());
    QCOMPARE(branchPixels(leaf, QRect(2, row.top() + 2, row.left() - 4, row.height() - 4)), 0);
    QCOMPARE(f.grab().pixelColor(row.left() + 2, row.top() + 2), kRed);
    // Without root decoration top-level rows have none.
    f.tree.setRootIsDecorated(false);
    QVERIFY(f.tree.branchRect(f.top(1)).isEmpty());
}

// The corner between the two bars and the viewport widget paint the tree's background.
void tst_TreeView::cornerAndViewportWidgets()
{
    Fixture f(40, 0);
    f.model.setData(f.top(3), QString(300, QLatin1Char('w')));
    f.tree.resizeColumnToContents(0);
    QVERIFY(QTest::qWaitForWindowExposed(&f.tree));
    QVERIFY(f.tree.horizontalScrollBar()->isVisible() && f.tree.verticalScrollBar()->isVisible());
    TavixQTreeConerWidget *corner = f.tree.getCornerWidget();
    QCOMPARE(f.tree.cornerWidget(), static_cast<QWidget *>(corner));
    QCOMPARE(f.tree.viewport(), static_cast<QWidget *>(f.tree.getViewportWidget()));
    QVERIFY(corner->isVisible());
    const QImage img = f.tree.grab().toImage();
    img.save(QStringLiteral("/tmp/tst_treeview_corner.png"));
    const QPoint inCorner = corner->geometry().center();
    QCOMPARE(img.pixelColor(inCorner), kGrey);
    f.tree.setBackground(CommonNormal, solid(kGreen));
    QCOMPARE(corner->grab().toImage().pixelColor(2, 2), kGreen);
    // Drawn apart from the tree, the viewport widget paints the background itself.
    TavixQTreeViewport viewport(f.tree.getImpl());
    viewport.resize(50, 20);
    QCOMPARE(tavixtest::rendered(viewport).pixelColor(25, 10), kGreen);
}

// The thumb style travels in the bar's child node; one entry fills the whole row state group.
void tst_TreeView::jsonRoundTrip()
{
    TavixQTreeView first, second;
    first.setItemBackground(AllStates, solid(kRed, "treeProbeRed"));
    first.setItemBackground(Pressed, solid(kGreen, "treeProbeGreen"));
    first.setScrollbarThumbStyle(false, AllStates, solid(kBlue, "treeProbeThumb"));
    Json::Value node = tavixtest::written(first);
    QVERIFY(second.readJsonValue(&node));
    QCOMPARE(tavixtest::show(tavixtest::written(second)), tavixtest::show(node));
    QCOMPARE(second.getItemBackground(Hot).color, kRed);
    QCOMPARE(second.getItemBackground(Pressed).color, kGreen);
    QCOMPARE(second.getScrollBar(false)->getScrollbarThumb(Hot).name, QStringLiteral("treeProbeThumb"));
}

void tst_TreeView::hostileValues_data()
{
    QTest::addColumn<QByteArray>("attr");
    QTest::newRow("INT_MIN") << QByteArray(R"({"itemHeight": -2147483648})");
    QTest::newRow("INT_MAX") << QByteArray(R"({"itemHeight": 2147483647})");
    QTest::newRow("NaN as string") << QByteArray(R"({"itemHeight": "NaN"})");
    QTest::newRow("huge real") << QByteArray(R"({"itemHeight": 1e300})");
    QTest::newRow("wrong kinds") << QByteArray(R"({"itemHeight": [1]})");
    QTest::newRow("attr not an object") << QByteArray("7");
}

// Out-of-range numbers, strings in numeric keys and wrong kinds leave a bounded row height; a text
// offset of INT_MAX keeps the row width finite.
void tst_TreeView::hostileValues()
{
    QFETCH(QByteArray, attr);
    const Json::Value node = tavixtest::parse("{\"attr\": " + attr
                                              + ", \"style\": [[\"treeProbeRed\", 1, 2147483647], 7, [\"x\"],"
                                                " [\"treeProbeRed\", 1, -2147483648]],"
                                                " \"child\": [{\"type\": \"qtscrollbar\", \"attr\": 5}, 3]}");
    Fixture f(200, 3);
    Json::Value copy = node;
    f.tree.readJsonValue(&copy);
    TextStyleDesc wide;
    wide.x = INT_MAX;
    f.tree.setItemTextStyle(Hot, wide);
    f.tree.setItemHeight(INT_MIN);
    QCOMPARE(f.tree.getItemHeight(), 0);
    f.tree.setItemHeight(INT_MAX);
    QCOMPARE(f.tree.getItemHeight(), 1000);
    copy = node;
    f.tree.readJsonValue(&copy);
    QVERIFY(f.tree.getItemHeight() >= 0 && f.tree.getItemHeight() <= 1000);
    f.tree.expandAll();
    f.tree.resizeColumnToContents(0);
    QVERIFY(QTest::qWaitForWindowExposed(&f.tree));
    f.tree.scrollToBottom();
    QVERIFY(!f.grab().isNull());
    QVERIFY(f.tree.getDelegate()->sizeHint(QStyleOptionViewItem(), f.top(0)).width() > 0);
}

// Showing, scrolling, selecting and opening among 100 000 rows makes no widget per row.
void tst_TreeView::hundredThousandRows()
{
    Fixture f(0, 0);
    QVERIFY(QTest::qWaitForWindowExposed(&f.tree));
    const int emptyWidgets = widgetCount(f.tree);
    fill(f.model, 1000, 100);
    f.tree.expandAll();
    f.tree.scrollToBottom();
    const QModelIndex last = f.child(999, 99);
    QTest::mouseClick(f.tree.viewport(), Qt::LeftButton, Qt::NoModifier, f.centre(last));
    QCOMPARE(f.tree.currentIndex(), last);
    QCOMPARE(f.grab().pixelColor(150, f.centre(last).y()), kBlue);
    QTest::keyClick(&f.tree, Qt::Key_Home);
    QCOMPARE(f.tree.currentIndex(), f.top(0));
    QTest::keyClick(&f.tree, Qt::Key_Left);
    QVERIFY(!f.tree.isExpanded(f.top(0)));
    QCOMPARE(widgetCount(f.tree), emptyWidgets);
}

// The kit's own emission of the view's signals keeps what a stock tree emits for the same input.
void tst_TreeView::clicksMatchStockTree_data()
{
    // b: indicator of row 1, c: click row 1, k: Ctrl click row 1, d: double click row 2
    QTest::addColumn<QString>("input");
    QTest::newRow("click") << "c";
    QTest::newRow("indicator") << "b";
    QTest::newRow("indicator then click") << "b c";
    QTest::newRow("double click") << "d";
    QTest::newRow("click then double click") << "c d";
    QTest::newRow("Ctrl click deselects") << "c k";
}

void tst_TreeView::clicksMatchStockTree()
{
    QFETCH(QString, input);
    QStandardItemModel oursModel, stockModel;
    fill(oursModel, 4, 2);
    fill(stockModel, 4, 2);
    TavixQTreeView ours;
    QTreeView stock;
    ours.setModel(&oursModel);
    stock.setModel(&stockModel);
    stock.setHeaderHidden(true);
    stock.setUniformRowHeights(true);
    stock.setEditTriggers(QAbstractItemView::NoEditTriggers);
    QList<std::shared_ptr<QSignalSpy>> spies;
    for (QTreeView *tree : {static_cast<QTreeView *>(&ours), &stock}) {
        tree->resize(200, 200);
        tree->show();
        QVERIFY(QTest::qWaitForWindowExposed(tree));
        spies.append(std::make_shared<QSignalSpy>(tree, &QAbstractItemView::pressed));
        spies.append(std::make_shared<QSignalSpy>(tree, &QAbstractItemView::clicked));
        spies.append(std::make_shared<QSignalSpy>(tree, &QAbstractItemView::doubleClicked));
        spies.append(std::make_shared<QSignalSpy>(tree, &QTreeView::expanded));
        spies.append(std::make_shared<QSignalSpy>(tree, &QTreeView::collapsed));
    }
    const QRect branch = ours.branchRect(oursModel.index(1, 0));
    for (const QString &step : input.split(QLatin1Char(' '))) {
        for (QTreeView *tree : {static_cast<QTreeView *>(&ours), &stock}) {
            const QPoint row1 = tree->visualRect(tree->model()->index(1, 0)).center();
            const QPoint row2 = tree->visualRect(tree->model()->index(2, 0)).center();
            if (step == QLatin1String("b")) {
                // The stock tree's rows follow its own font, lower than ours on some Qt builds.
                const QPoint indicator = tree == &ours ? branch.center()
                    : QPoint(tree->visualRect(tree->model()->index(1, 0)).left() - tree->indentation() / 2, row1.y());
                QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, indicator);
            } else if (step == QLatin1String("c") || step == QLatin1String("k")) {
                QTest::mouseClick(tree->viewport(), Qt::LeftButton,
                                  step == QLatin1String("k") ? Qt::ControlModifier : Qt::NoModifier, row1);
            } else {
                QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, row2);
                QMouseEvent dbl(QEvent::MouseButtonDblClick, row2, tree->viewport()->mapToGlobal(row2),
                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                QCoreApplication::sendEvent(tree->viewport(), &dbl);
                QTest::mouseRelease(tree->viewport(), Qt::LeftButton, Qt::NoModifier, row2);
            }
        }
        QTest::qWait(QApplication::doubleClickInterval() + 20);
    }
    for (int i = 0; i < 5; ++i)
        QVERIFY2(spies.at(i)->count() == spies.at(i + 5)->count(),
                 qPrintable(QStringLiteral("signal %1: %2 against %3").arg(i).arg(spies.at(i)->count()).arg(spies.at(i + 5)->count())));
    auto selected = [](QTreeView &tree) {
        QList<int> rows;
        for (const QModelIndex &index : tree.selectionModel()->selectedIndexes())
            rows.append(index.row());
        return rows;
    };
    QCOMPARE(selected(ours), selected(stock));
    for (int r = 0; r < 4; ++r)
        QCOMPARE(ours.isExpanded(oursModel.index(r, 0)), stock.isExpanded(stockModel.index(r, 0)));
}

// A slot may delete the tree from any of the tree's own signals that input raises.
void tst_TreeView::deleteFromOwnSignal_data()
{
    QTest::addColumn<QString>("signal");
    QTest::addColumn<QString>("input");
    QTest::newRow("pressed") << "pressed" << "press";
    QTest::newRow("clicked") << "clicked" << "click";
    QTest::newRow("doubleClicked") << "doubleClicked" << "double";
    QTest::newRow("activated by Enter") << "activated" << "enter";
    QTest::newRow("expanded by double click") << "expanded" << "double";
    QTest::newRow("expanded by indicator") << "expanded" << "branch";
    QTest::newRow("expanded by Right") << "expanded" << "right";
    QTest::newRow("expanded by Asterisk") << "expanded" << "asterisk";
    QTest::newRow("collapsed by Left") << "collapsed" << "left";
    QTest::newRow("entered") << "entered" << "move";
}

void tst_TreeView::deleteFromOwnSignal()
{
    QFETCH(QString, signal);
    QFETCH(QString, input);
    QStandardItemModel model;
    fill(model, 4, 3);
    auto *tree = new TavixQTreeView;
    QPointer<TavixQTreeView> alive(tree);
    tree->setModel(&model);
    tree->resize(200, 200);
    tree->show();
    QVERIFY(QTest::qWaitForWindowExposed(tree));
    const QModelIndex row = model.index(1, 0);
    tree->setCurrentIndex(row);
    if (input == QLatin1String("left"))
        tree->expand(row);
    auto kill = [tree] { delete tree; };
    const QByteArray name = signal.toLatin1();
    if (name == "pressed")
        connect(tree, &QAbstractItemView::pressed, kill);
    else if (name == "clicked")
        connect(tree, &QAbstractItemView::clicked, kill);
    else if (name == "doubleClicked")
        connect(tree, &QAbstractItemView::doubleClicked, kill);
    else if (name == "activated")
        connect(tree, &QAbstractItemView::activated, kill);
    else if (name == "expanded")
        connect(tree, &QTreeView::expanded, kill);
    else if (name == "collapsed")
        connect(tree, &QTreeView::collapsed, kill);
    else
        connect(tree, &QAbstractItemView::entered, kill);
    QWidget *viewport = tree->viewport();
    const QPoint at = tree->visualRect(row).center();
    if (input == QLatin1String("press")) {
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, at);
    } else if (input == QLatin1String("click")) {
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
    } else if (input == QLatin1String("double")) {
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
        QMouseEvent dbl(QEvent::MouseButtonDblClick, at, viewport->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                        Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &dbl);
    } else if (input == QLatin1String("branch")) {
        // The style decides whether the press or the release opens the row.
        const QPoint branch = tree->branchRect(row).center();
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, branch);
        if (alive)
            QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, branch);
    } else if (input == QLatin1String("move")) {
        QTest::mouseMove(viewport, at);
        QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &move);
    } else {
        const Qt::Key key = input == QLatin1String("enter") ? Qt::Key_Return
            : input == QLatin1String("right")               ? Qt::Key_Right
            : input == QLatin1String("left")                ? Qt::Key_Left
                                                            : Qt::Key_Asterisk;
        QTest::keyClick(tree, key);
    }
    QVERIFY(alive.isNull());
}

void tst_TreeView::demoDataAndRegistry()
{
    tavixSetQtEmulator(true);
    TavixQTreeView demo;
    demo.createComplete();
    demo.createComplete();
    tavixSetQtEmulator(false);
    QCOMPARE(demo.model()->rowCount(), 100);
    const QModelIndex top = demo.model()->index(99, 0);
    QCOMPARE(top.data().toString(), QStringLiteral("item1"));
    QCOMPARE(demo.model()->rowCount(top), 1);
    QCOMPARE(demo.model()->index(0, 1, top).data().toString(), QStringLiteral("item3"));
    QPointer<QAbstractItemModel> first = demo.model();
    demo.initDemoData();
    QVERIFY(first.isNull());
    TavixQTreeView plain;
    plain.createComplete();
    QVERIFY(!plain.model());

    // The descriptor has two Background rows: the first is the view's, the second the rows'.
    const ControlInfo *info = tavixGetControlInfo(QStringLiteral("qttree"));
    QVERIFY(info);
    TavixQTreeView tree;
    int backgrounds = 0;
    for (const PropertyDef &def : info->properties) {
        if (def.label == QLatin1String("Background")) {
            def.setFillStyle(&tree, Hot, solid(kBlue));
            ++backgrounds;
        }
    }
    QCOMPARE(backgrounds, 2);
    QCOMPARE(tree.getItemBackground(Hot).color, kBlue);     // the second row binds to the rows
    QCOMPARE(tree.getBackground(CommonNormal).color, kBlue); // the first ignores the state
}

QTEST_MAIN(tst_TreeView)
#include "tst_treeview.moc"
