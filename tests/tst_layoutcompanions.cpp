// Stack container, spacer and splitter: the small companions of the layout container.

#include "TavixTestSupport.h"
#include "controls/TavixQContainer.h"
#include "controls/TavixQSpacer.h"
#include "controls/TavixQSplitter.h"
#include "controls/TavixQStackContainer.h"
#include "core/TavixJson.h"

#include <json/value.h>

#include <QtTest>

#include <functional>
#include <utility>

using namespace TavixQtLib;

using tavixtest::parse;

class tst_LayoutCompanions : public QObject
{
    Q_OBJECT

private slots:
    void stackIndexRules_data();
    void stackIndexRules();
    void stackPageSnapsBack();
    void stackLayoutRequestDoesNotLoop();
    void stackPageGoneDuringSwitch_data();
    void stackPageGoneDuringSwitch();
    void spacerJson_data();
    void spacerJson();
    void splitterDrag_data();
    void splitterDrag();
};

// Each script step is one call on a stack of pages named A to D ("none" is no page):
// "add X", "insert <index> X", "remove X", "current <index>", "delete X", "reparent X" (to the
// window), "resize" (to 150 x 100). The result of the last insert or add is compared with `returned`.
void tst_LayoutCompanions::stackIndexRules_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("order");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("returned");
    QTest::newRow("first page is current") << "add A" << "A" << 0 << 0;
    QTest::newRow("insert at 0 keeps the shown page") << "add A; add B; insert 0 C" << "C,A,B" << 1 << 0;
    QTest::newRow("index past the end appends") << "add A; insert 7 B; insert -3 C" << "A,B,C" << 0 << 2;
    QTest::newRow("remove current last of three") << "add A; add B; add C; current 2; remove C" << "A,B" << 1 << 2;
    QTest::newRow("remove the only page") << "add A; remove A" << "" << -1 << 0;
    QTest::newRow("move a page before current") << "add A; add B; add C; current 1; insert 0 C" << "C,A,B" << 2 << 0;
    QTest::newRow("move a page behind current") << "add A; add B; add C; current 1; insert 2 A" << "B,A,C" << 0 << 1;
    QTest::newRow("current out of range") << "add A; add B; add C; current 5; current -1" << "A,B,C" << 0 << 2;
    QTest::newRow("no page") << "add A; insert 0 none" << "A" << 0 << -1;
    // Deleted or re-parented pages leave no dangling entry; a resize fits every page, shown or not, and no other.
    QTest::newRow("delete the current page") << "add A; add B; add C; current 1; delete B; resize" << "A,C" << 1 << 2;
    QTest::newRow("re-parent the last page") << "add A; add B; reparent A; reparent B; resize" << "" << -1 << 1;
}

void tst_LayoutCompanions::stackIndexRules()
{
    QFETCH(QString, script);
    QFETCH(QString, order);
    QFETCH(int, current);
    QFETCH(int, returned);
    QWidget window;
    auto *stack = new TavixQStackContainer(&window);
    stack->setGeometry(10, 10, 200, 120);
    window.show();
    QHash<QString, QWidget *> pages;
    for (const char *name : {"A", "B", "C", "D"}) {
        auto *page = new QWidget(&window);
        page->setObjectName(QLatin1String(name));
        pages.insert(page->objectName(), page);
    }
    int result = -2;
    for (const QString &step : script.split(QLatin1String("; "))) {
        const QStringList words = step.split(QLatin1Char(' '));
        QWidget *page = pages.value(words.last());   // null for "none" and for numbers
        const QString &op = words.at(0);
        if (op == QLatin1String("add"))
            result = stack->addWidget(page);
        else if (op == QLatin1String("insert"))
            result = stack->insertWidget(words.at(1).toInt(), page);
        else if (op == QLatin1String("remove"))
            stack->removeWidget(page);
        else if (op == QLatin1String("current"))
            stack->setCurrentIndex(words.at(1).toInt());
        else if (op == QLatin1String("delete"))
            delete pages.take(words.last());
        else if (op == QLatin1String("reparent"))
            page->setParent(&window);
        else
            stack->resize(150, 100);
    }

    QStringList names;
    for (int i = 0; i < stack->count(); ++i)
        names << stack->widget(i)->objectName();
    QCOMPARE(names.join(QLatin1Char(',')), order);
    QCOMPARE(stack->currentIndex(), current);
    QCOMPARE(result, returned);
    QCOMPARE(stack->currentWidget(), stack->widget(current));
    // Exactly the current page is shown and every page fills the stack; removed pages stay hidden.
    for (QWidget *page : qAsConst(pages)) {
        const int index = order.split(QLatin1Char(','), Qt::SkipEmptyParts).indexOf(page->objectName());
        if (page->parentWidget() == stack)
            QCOMPARE(page->isVisible(), index >= 0 && index == current);
        if (index >= 0 || page->parentWidget() == &window)   // never fitted once out of the stack
            QCOMPARE(page->geometry() == stack->rect(), index >= 0);
    }
}

// Moves and resizes of a page other than the current one are undone, those of the current page left alone; a
// hidden page moved by code fills the stack again when it is shown.
void tst_LayoutCompanions::stackPageSnapsBack()
{
    const QRect full(0, 0, 200, 120), moved(15, 25, 200, 120);
    TavixQStackContainer stack;
    stack.resize(200, 120);
    stack.show();
    QWidget *first = new QWidget, *second = new QWidget;
    stack.addWidget(first);
    stack.addWidget(second);
    second->show();   // a caller shows a page by hand; the stack still owns its geometry
    second->setGeometry(moved);
    QCOMPARE(second->geometry(), full);
    second->resize(50, 40);
    QCOMPARE(second->geometry(), full);
    first->setGeometry(moved);
    QCOMPARE(first->geometry(), moved);
    second->hide();
    second->setGeometry(moved);
    stack.setCurrentWidget(second);
    QCOMPARE(second->geometry(), full);
    QVERIFY(second->isVisible() && !first->isVisible());
}

// Refreshing the page posts a LayoutRequest back to the stack; answering it must not start over.
void tst_LayoutCompanions::stackLayoutRequestDoesNotLoop()
{
    QWidget window;
    auto *stack = new TavixQStackContainer(&window);
    stack->resize(200, 100);
    stack->addWidget(new QWidget);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();

    struct Counter : QObject {
        int count = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            count += event->type() == QEvent::LayoutRequest;
            return false;
        }
    } counter;
    stack->installEventFilter(&counter);
    QCoreApplication::postEvent(stack, new QEvent(QEvent::LayoutRequest));
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    QCOMPARE(counter.count, 1);
}

// Switching from A to C hides A first; A's hide event deletes or removes a page. The current index stays valid
// and exactly the current page is shown: C when it is still there, else A stays.
void tst_LayoutCompanions::stackPageGoneDuringSwitch_data()
{
    QTest::addColumn<QString>("action");     // done from A's hide event
    QTest::addColumn<QString>("order");
    QTest::addColumn<QString>("shown");
    QTest::newRow("delete the new page") << "delete C" << "A,B" << "A";
    QTest::newRow("remove the new page") << "remove C" << "A,B" << "A";
    QTest::newRow("delete a page before it") << "delete B" << "A,C" << "C";
    QTest::newRow("delete every other page") << "delete B C" << "A" << "A";
}

void tst_LayoutCompanions::stackPageGoneDuringSwitch()
{
    QFETCH(QString, action);
    QFETCH(QString, order);
    QFETCH(QString, shown);
    QWidget window;
    auto *stack = new TavixQStackContainer(&window);
    stack->resize(200, 100);
    QHash<QString, QPointer<QWidget>> pages;
    for (const char *name : {"A", "B", "C"}) {
        auto *page = new QWidget;
        page->setObjectName(QLatin1String(name));
        pages.insert(page->objectName(), page);
        stack->addWidget(page);
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    struct OnHide : QObject {
        std::function<void()> run;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Hide && run)
                std::exchange(run, nullptr)();
            return false;
        }
    } onHide;
    const QStringList words = action.split(QLatin1Char(' '));
    onHide.run = [&] {
        for (const QString &name : words.mid(1)) {
            if (words.first() == QLatin1String("delete"))
                delete pages.value(name).data();
            else
                stack->removeWidget(pages.value(name));
        }
    };
    pages.value(QStringLiteral("A"))->installEventFilter(&onHide);
    stack->setCurrentIndex(2);

    QStringList names;
    for (int i = 0; i < stack->count(); ++i)
        names << stack->widget(i)->objectName();
    QCOMPARE(names.join(QLatin1Char(',')), order);
    QVERIFY(stack->currentIndex() >= 0 && stack->currentIndex() < stack->count());
    QCOMPARE(stack->currentWidget()->objectName(), shown);
    for (const QPointer<QWidget> &page : qAsConst(pages)) {
        if (page && page->parentWidget() == stack)
            QCOMPARE(page->isVisible(), page->objectName() == shown);
    }
}

void tst_LayoutCompanions::spacerJson_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("thickness");

    // The spacer starts at direction 1, thickness 4, so that "unchanged" is visible.
    QTest::newRow("in range") << R"({"attr": {"direction": 2, "thickness": 9}})" << 2 << 9;
    QTest::newRow("direction 3") << R"({"attr": {"direction": 3}})" << 0 << 4;
    QTest::newRow("direction -1") << R"({"attr": {"direction": -1}})" << 0 << 4;
    QTest::newRow("thickness -5") << R"({"attr": {"thickness": -5}})" << 1 << 0;
    QTest::newRow("thickness INT_MIN") << R"({"attr": {"thickness": -2147483648}})" << 1 << 0;
    // No widget is larger; a container adding it to other lengths must not overflow.
    QTest::newRow("thickness INT_MAX") << R"({"attr": {"thickness": 2147483647}})" << 1 << int(QWIDGETSIZE_MAX);
    QTest::newRow("out of int range") << R"({"attr": {"direction": 4294967298, "thickness": 1e12}})" << 1 << 4;
}

void tst_LayoutCompanions::spacerJson()
{
    QFETCH(QString, json);
    QFETCH(int, direction);
    QFETCH(int, thickness);

    TavixQSpacer spacer;
    spacer.setDirection(TavixQSpacer::Horizontal);
    spacer.setThickness(4);
    Json::Value node = parse(json.toUtf8().constData());
    QVERIFY(spacer.readJsonValue(&node));
    QCOMPARE(spacer.getDirection(), direction);
    QCOMPARE(spacer.getThickness(), thickness);
    // Written back and read back to the same values.
    Json::Value written = tavixtest::written(spacer);
    TavixQSpacer copy;
    QVERIFY(copy.readJsonValue(&written));
    QCOMPARE(copy.getDirection(), direction);
    QCOMPARE(copy.getThickness(), thickness);
}

// Two 100-pixel neighbours with a 6-pixel bar between them (206 pixels in all), dragged by real mouse events.
// In a container row the neighbours are resized through the row, which then places the bar, and keeps the dragged
// width when it grows.
void tst_LayoutCompanions::splitterDrag_data()
{
    QTest::addColumn<bool>("hor");
    QTest::addColumn<bool>("inRow");
    QTest::addColumn<int>("upLeftLimit");
    QTest::addColumn<int>("downRightLimit");
    QTest::addColumn<int>("travel");
    QTest::addColumn<int>("moved");     // how far the boundary follows

    QTest::newRow("right, free") << true << false << -1 << -1 << 40 << 40;
    QTest::newRow("right, stops at the right limit") << true << false << -1 << 80 << 50 << 20;
    QTest::newRow("left, stops at the left limit") << true << false << 70 << -1 << -50 << -30;
    QTest::newRow("left past zero") << true << false << -1 << -1 << -150 << -100;
    QTest::newRow("down, free") << false << false << -1 << -1 << 25 << 25;
    QTest::newRow("container row, left") << true << true << -1 << -1 << -30 << -30;
    QTest::newRow("container row, right limit") << true << true << -1 << 80 << 50 << 20;
    QTest::newRow("container row, click only") << true << true << -1 << -1 << 0 << 0;
}

void tst_LayoutCompanions::splitterDrag()
{
    QFETCH(bool, hor);
    QFETCH(bool, inRow);
    QFETCH(int, upLeftLimit);
    QFETCH(int, downRightLimit);
    QFETCH(int, travel);
    QFETCH(int, moved);

    TavixQContainer row;
    row.resize(206, 206);
    auto *upLeft = new TavixQContainer(&row);
    auto *bar = new TavixQSplitter(&row);
    auto *downRight = new TavixQContainer(&row);
    auto span = [hor](int from, int length) { return hor ? QRect(from, 0, length, 50) : QRect(0, from, 50, length); };
    upLeft->setGeometry(span(0, 100));
    bar->setGeometry(span(100, 6));
    downRight->setGeometry(span(106, 100));
    bar->setIsHor(hor);
    bar->setUpLeftWidget(upLeft);
    bar->setDownRightWidget(downRight);
    bar->setUpLeftLimit(upLeftLimit);
    bar->setDownRightLimit(downRightLimit);
    QCOMPARE(bar->cursor().shape(), hor ? Qt::SplitHCursor : Qt::SplitVCursor);
    if (inRow) {
        bar->setWidthPolicy(PolicyFixed);
        row.setChildLayout(TavixQContainer::Horizontal);
        row.forceResize();
        QCOMPARE(bar->geometry(), span(100, 6));
    }
    row.show();
    QVERIFY(QTest::qWaitForWindowExposed(&row));

    // Two steps: the second is measured from the press, not from where the bar has got to.
    QWindow *handle = row.windowHandle();
    const QPoint start = bar->geometry().center(), along = hor ? QPoint(travel, 0) : QPoint(0, travel);
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(handle, start + along / 2);
    QTest::mouseMove(handle, start + along);
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, start + along);
    QTest::mouseMove(handle, start);   // after the release moving changes nothing
    QCOMPARE(upLeft->geometry(), span(0, 100 + moved));
    QCOMPARE(bar->geometry(), span(100 + moved, 6));
    QCOMPARE(downRight->geometry(), span(106 + moved, 100 - moved));
    if (inRow) {
        row.resize(306, 206);
        QCOMPARE(upLeft->width(), moved ? 100 + moved : 150);   // a click alone leaves both sharing the row
        QCOMPARE(downRight->width(), 300 - upLeft->width());
    }
}

QTEST_MAIN(tst_LayoutCompanions)
#include "tst_layoutcompanions.moc"
