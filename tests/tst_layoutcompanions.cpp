// Stack container, spacer and splitter: the small companions of the layout container.

#include "controls/TavixQContainer.h"
#include "controls/TavixQSpacer.h"
#include "controls/TavixQSplitter.h"
#include "controls/TavixQStackContainer.h"
#include "controls/TavixQStackContainerImpl.h"
#include "core/TavixJson.h"
#include "resources/TavixQResourceManager.h"

#include <json/value.h>

#include <QtTest>

#include <climits>
#include <memory>

using namespace TavixQtLib;

namespace {

// Counts the events of one type that reach a watched object.
class EventCounter : public QObject
{
public:
    EventCounter(QObject *target, QEvent::Type type) : m_type(type) { target->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == m_type)
            ++count;
        return false;
    }

private:
    QEvent::Type m_type;
};

Json::Value parse(const char *text)
{
    Json::Value value;
    if (!tavixParseJson(QByteArray(text), value))
        qFatal("bad test JSON: %s", text);
    return value;
}

QString pageNames(const TavixQStackContainer &stack)
{
    QStringList names;
    for (int i = 0; i < stack.count(); ++i)
        names << stack.widget(i)->objectName();
    return names.join(QLatin1Char(','));
}

} // namespace

class tst_LayoutCompanions : public QObject
{
    Q_OBJECT

private slots:
    void stackIndexRules_data();
    void stackIndexRules();
    void stackPageSnapsBack_data();
    void stackPageSnapsBack();
    void stackDropsDeletedPage();
    void stackLayoutRequestDoesNotLoop();
    void stackLaysOutContainersOnResize();
    void stackJson();
    void spacerJson_data();
    void spacerJson();
    void spacerThicknessRelayoutsParent();
    void splitterDrag_data();
    void splitterDrag();
    void splitterDragInContainerRow();
};

// Each script line is one call on a stack of pages named A to D:
// "add X", "insert <index> X", "remove X", "current <index>", "currentw X", "self <index>", "null <index>".
// The result of the last insert or add is compared with `returned`.
void tst_LayoutCompanions::stackIndexRules_data()
{
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QString>("order");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("returned");

    QTest::newRow("first page is current") << QStringList{"add A"} << "A" << 0 << 0;
    QTest::newRow("second page keeps the first") << QStringList{"add A", "add B"} << "A,B" << 0 << 1;
    QTest::newRow("insert at 0 keeps the shown page")
        << QStringList{"add A", "add B", "insert 0 C"} << "C,A,B" << 1 << 0;
    QTest::newRow("insert after current")
        << QStringList{"add A", "add B", "insert 1 C"} << "A,C,B" << 0 << 1;
    QTest::newRow("index past the end appends")
        << QStringList{"add A", "insert 7 B", "insert -3 C"} << "A,B,C" << 0 << 2;
    QTest::newRow("remove current last of three")
        << QStringList{"add A", "add B", "add C", "current 2", "remove C"} << "A,B" << 1 << 2;
    QTest::newRow("remove current first of three")
        << QStringList{"add A", "add B", "add C", "remove A"} << "B,C" << 0 << 2;
    QTest::newRow("remove before current")
        << QStringList{"add A", "add B", "add C", "current 2", "remove A"} << "B,C" << 1 << 2;
    QTest::newRow("remove the only page") << QStringList{"add A", "remove A"} << "" << -1 << 0;
    QTest::newRow("remove a stranger") << QStringList{"add A", "add B", "remove D"} << "A,B" << 0 << 1;
    QTest::newRow("re-insert at own index")
        << QStringList{"add A", "add B", "add C", "current 2", "insert 1 B"} << "A,B,C" << 2 << 1;
    QTest::newRow("move current page to the end")
        << QStringList{"add A", "add B", "add C", "insert 3 A"} << "B,C,A" << 2 << 2;
    QTest::newRow("move a page before the current one")
        << QStringList{"add A", "add B", "add C", "current 1", "insert 0 C"} << "C,A,B" << 2 << 0;
    QTest::newRow("move a page behind the current one")
        << QStringList{"add A", "add B", "add C", "current 1", "insert 2 A"} << "B,A,C" << 0 << 1;
    QTest::newRow("current out of range")
        << QStringList{"add A", "add B", "add C", "current 5", "current -1"} << "A,B,C" << 0 << 2;
    QTest::newRow("current by widget") << QStringList{"add A", "add B", "currentw B", "currentw D"} << "A,B" << 1 << 1;
    QTest::newRow("null page") << QStringList{"add A", "null 0"} << "A" << 0 << -1;
    QTest::newRow("the stack itself") << QStringList{"add A", "self 0"} << "A" << 0 << -1;
}

void tst_LayoutCompanions::stackIndexRules()
{
    QFETCH(QStringList, script);
    QFETCH(QString, order);
    QFETCH(int, current);
    QFETCH(int, returned);

    QWidget window;
    window.resize(240, 160);
    auto *stack = new TavixQStackContainer(&window);
    stack->setGeometry(10, 10, 200, 120);
    window.show();

    QHash<QString, QWidget *> pages;
    for (const char *name : {"A", "B", "C", "D"}) {
        auto *page = new QWidget(&window);
        page->setObjectName(QString::fromLatin1(name));
        pages.insert(page->objectName(), page);
    }
    int result = -2;
    for (const QString &line : script) {
        const QStringList words = line.split(QLatin1Char(' '));
        const QString &op = words.at(0);
        if (op == QLatin1String("add"))
            result = stack->addWidget(pages.value(words.at(1)));
        else if (op == QLatin1String("insert"))
            result = stack->insertWidget(words.at(1).toInt(), pages.value(words.at(2)));
        else if (op == QLatin1String("remove"))
            stack->removeWidget(pages.value(words.at(1)));
        else if (op == QLatin1String("current"))
            stack->setCurrentIndex(words.at(1).toInt());
        else if (op == QLatin1String("currentw"))
            stack->setCurrentWidget(pages.value(words.at(1)));
        else if (op == QLatin1String("self"))
            result = stack->insertWidget(words.at(1).toInt(), stack);
        else if (op == QLatin1String("null"))
            result = stack->insertWidget(words.at(1).toInt(), nullptr);
        else
            QFAIL(qPrintable(line));
    }

    QCOMPARE(pageNames(*stack), order);
    QCOMPARE(stack->currentIndex(), current);
    QCOMPARE(result, returned);
    QCOMPARE(stack->currentWidget(), stack->widget(current));
    // Exactly the current page is shown, and every page fills the stack.
    for (int i = 0; i < stack->count(); ++i) {
        QWidget *page = stack->widget(i);
        QCOMPARE(page->parentWidget(), stack);
        QCOMPARE(page->isVisible(), i == current);
        QCOMPARE(page->geometry(), QRect(0, 0, 200, 120));
    }
    // Removed pages stay hidden where they are.
    for (QWidget *page : qAsConst(pages)) {
        if (page->parentWidget() == stack && !pageNames(*stack).contains(page->objectName()))
            QVERIFY(!page->isVisible());
    }
}

void tst_LayoutCompanions::stackPageSnapsBack_data()
{
    QTest::addColumn<bool>("current");
    QTest::addColumn<QRect>("target");
    QTest::addColumn<QRect>("expected");

    const QRect full(0, 0, 200, 120);
    QTest::newRow("other page moved") << false << QRect(15, 25, 200, 120) << full;
    QTest::newRow("other page resized") << false << QRect(0, 0, 50, 40) << full;
    QTest::newRow("current page moved") << true << QRect(15, 25, 200, 120) << QRect(15, 25, 200, 120);
}

void tst_LayoutCompanions::stackPageSnapsBack()
{
    QFETCH(bool, current);
    QFETCH(QRect, target);
    QFETCH(QRect, expected);

    TavixQStackContainer stack;
    stack.resize(200, 120);
    stack.show();
    auto *first = new QWidget;
    auto *second = new QWidget;
    stack.addWidget(first);
    stack.addWidget(second);
    QWidget *page = current ? first : second;
    page->show();   // a caller shows a page by hand; the stack still owns its geometry
    page->setGeometry(target);
    QCOMPARE(page->geometry(), expected);

    if (!current) {
        // A hidden page moved by code fills the stack again when it is shown.
        second->hide();
        second->setGeometry(target);
        stack.setCurrentWidget(second);
        QCOMPARE(second->geometry(), QRect(0, 0, 200, 120));
        QVERIFY(second->isVisible());
        QVERIFY(!first->isVisible());
    }
}

// Deleting a page must not leave a dangling entry behind.
void tst_LayoutCompanions::stackDropsDeletedPage()
{
    TavixQStackContainer stack;
    stack.resize(100, 80);
    stack.show();
    auto *a = new QWidget;
    auto *b = new QWidget;
    auto *c = new QWidget;
    stack.addWidget(a);
    stack.addWidget(b);
    stack.addWidget(c);
    stack.setCurrentIndex(1);

    delete b;
    QCOMPARE(stack.count(), 2);
    QCOMPARE(stack.currentWidget(), c);
    QVERIFY(c->isVisible());
    delete a;
    QCOMPARE(stack.currentIndex(), 0);
    QCOMPARE(stack.currentWidget(), c);

    // Re-parented away: no longer a page either.
    QWidget elsewhere;
    c->setParent(&elsewhere);
    QCOMPARE(stack.count(), 0);
    QCOMPARE(stack.currentIndex(), -1);
    QVERIFY(!stack.currentWidget());
    stack.resize(120, 90);   // must not touch the departed page
    QVERIFY(c->size() != QSize(120, 90));
}

// Refreshing the page posts a LayoutRequest back to the stack; answering it must not start over.
void tst_LayoutCompanions::stackLayoutRequestDoesNotLoop()
{
    QWidget window;
    window.resize(200, 100);
    auto *stack = new TavixQStackContainer(&window);
    stack->resize(200, 100);
    stack->addWidget(new QWidget);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();

    EventCounter counter(stack, QEvent::LayoutRequest);
    QCoreApplication::postEvent(stack, new QEvent(QEvent::LayoutRequest));
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    QCOMPARE(counter.count, 1);
}

void tst_LayoutCompanions::stackLaysOutContainersOnResize()
{
    TavixQStackContainer stack;
    stack.resize(100, 50);
    auto *page = new TavixQContainer;
    page->setChildLayout(TavixQContainer::Vertical);
    auto *inner = new TavixQContainer(page);
    inner->setChildLayout(TavixQContainer::Horizontal);
    inner->setWidthPolicy(PolicyExpanding);
    auto *left = new QWidget(inner);
    auto *right = new QWidget(inner);
    stack.addWidget(page);
    stack.show();

    stack.resize(300, 80);
    QCOMPARE(page->geometry(), QRect(0, 0, 300, 80));
    QCOMPARE(inner->width(), 300);
    QCOMPARE(left->width() + right->width(), 300);
    QCOMPARE(right->x(), left->width());
}

void tst_LayoutCompanions::stackJson()
{
    TavixQResourceManager *resources = TavixQResourceManager::getInstance();
    FillStyle red;
    red.name = QStringLiteral("tst_stack_red");
    red.color = QColor(255, 0, 0);
    FillStyle blue = red;
    blue.name = QStringLiteral("tst_stack_blue");
    blue.color = QColor(0, 0, 255);
    resources->setFillStyle(red.name, red);
    resources->setFillStyle(blue.name, blue);

    Json::Value node = parse(R"({"name": "stack",
        "style": [["tst_stack_red", 1, 0], ["missing", 1, 1], ["tst_stack_blue", 1, 1], ["tst_stack_blue", 1, 7]],
        "attr": {"drawBackground": 0}})");
    TavixQStackContainer stack;
    QVERIFY(stack.readJsonValue(&node));
    // Slot 0 is the enabled background only; slot 1 the disabled one.
    QCOMPARE(stack.getBackgroundState(Normal).color, QColor(255, 0, 0));
    QCOMPARE(stack.getBackgroundState(Disable).color, QColor(0, 0, 255));
    QVERIFY(!stack.getDrawBackground());

    Json::Value written;
    stack.serializeJsonValue(&written, false);
    const Json::Value *style = tavixJsonMember(written, "style");
    QVERIFY(style && style->isArray());
    QCOMPARE(tavixJsonCompact(*style), std::string(R"([["tst_stack_red",1,0],["tst_stack_blue",1,1]])"));
    int draw = -1;
    QVERIFY(tavixReadInt(*tavixJsonMember(written, "attr"), "drawBackground", draw));
    QCOMPARE(draw, 0);

    // Drawing again drops the key.
    stack.setDrawBackground(true);
    Json::Value again;
    stack.serializeJsonValue(&again, false);
    const Json::Value *attr = tavixJsonMember(again, "attr");
    QVERIFY(!attr || !tavixJsonHas(*attr, "drawBackground"));
}

void tst_LayoutCompanions::spacerJson_data()
{
    QTest::addColumn<QByteArray>("attr");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("thickness");

    // The spacer starts at direction 1, thickness 4, so that "unchanged" is visible.
    QTest::newRow("in range") << QByteArray(R"({"direction": 2, "thickness": 9})") << 2 << 9;
    QTest::newRow("auto") << QByteArray(R"({"direction": 0, "thickness": 0})") << 0 << 0;
    QTest::newRow("direction 3") << QByteArray(R"({"direction": 3})") << 0 << 4;
    QTest::newRow("direction -1") << QByteArray(R"({"direction": -1})") << 0 << 4;
    QTest::newRow("direction INT_MAX") << QByteArray(R"({"direction": 2147483647})") << 0 << 4;
    QTest::newRow("thickness -5") << QByteArray(R"({"thickness": -5})") << 1 << 0;
    QTest::newRow("thickness INT_MIN") << QByteArray(R"({"thickness": -2147483648})") << 1 << 0;
    QTest::newRow("wrong kinds") << QByteArray(R"({"direction": "2", "thickness": [3]})") << 1 << 4;
    QTest::newRow("out of int range") << QByteArray(R"({"direction": 4294967298, "thickness": 1e12})") << 1 << 4;
    QTest::newRow("absent") << QByteArray("{}") << 1 << 4;
}

void tst_LayoutCompanions::spacerJson()
{
    QFETCH(QByteArray, attr);
    QFETCH(int, direction);
    QFETCH(int, thickness);

    TavixQSpacer spacer;
    spacer.setDirection(TavixQSpacer::Horizontal);
    spacer.setThickness(4);
    Json::Value node(Json::objectValue);
    node["attr"] = parse(attr.constData());
    QVERIFY(spacer.readJsonValue(&node));
    QCOMPARE(spacer.getDirection(), direction);
    QCOMPARE(spacer.getThickness(), thickness);

    // Written back only when not 0, and read back to the same values.
    Json::Value written;
    spacer.serializeJsonValue(&written, false);
    const Json::Value *writtenAttr = tavixJsonMember(written, "attr");
    QCOMPARE(writtenAttr && tavixJsonHas(*writtenAttr, "direction"), direction != 0);
    QCOMPARE(writtenAttr && tavixJsonHas(*writtenAttr, "thickness"), thickness != 0);
    TavixQSpacer copy;
    QVERIFY(copy.readJsonValue(&written));
    QCOMPARE(copy.getDirection(), direction);
    QCOMPARE(copy.getThickness(), thickness);
}

void tst_LayoutCompanions::spacerThicknessRelayoutsParent()
{
    TavixQContainer row;
    row.resize(300, 100);
    row.setChildLayout(TavixQContainer::Horizontal);
    auto *spacer = new TavixQSpacer;
    row.addChildWidget(spacer, 1);
    QVERIFY(spacer->testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(spacer->focusPolicy(), Qt::NoFocus);

    spacer->setThickness(12);
    QCOMPARE(spacer->height(), 12);
    spacer->setThickness(30);
    QCOMPARE(spacer->height(), 30);
}

void tst_LayoutCompanions::splitterDrag_data()
{
    QTest::addColumn<bool>("hor");
    QTest::addColumn<int>("upLeftLimit");
    QTest::addColumn<int>("downRightLimit");
    QTest::addColumn<int>("travel");
    QTest::addColumn<int>("moved");     // how far the boundary follows

    // Two 100-pixel widgets with a 6-pixel bar between them (206 pixels in all).
    QTest::newRow("right, free") << true << -1 << -1 << 40 << 40;
    QTest::newRow("left, free") << true << -1 << -1 << -30 << -30;
    QTest::newRow("right, stops at the right limit") << true << -1 << 80 << 50 << 20;
    QTest::newRow("left, stops at the left limit") << true << 70 << -1 << -50 << -30;
    QTest::newRow("left past zero") << true << -1 << -1 << -150 << -100;
    QTest::newRow("limits larger than the widgets") << true << 150 << 150 << 30 << 0;
    QTest::newRow("down, free") << false << -1 << -1 << 25 << 25;
    QTest::newRow("up, stops at the top limit") << false << 90 << -1 << -25 << -10;
    QTest::newRow("down, stops at the bottom limit") << false << -1 << 95 << 25 << 5;
}

void tst_LayoutCompanions::splitterDrag()
{
    QFETCH(bool, hor);
    QFETCH(int, upLeftLimit);
    QFETCH(int, downRightLimit);
    QFETCH(int, travel);
    QFETCH(int, moved);

    QWidget window;
    window.resize(300, 300);
    auto *upLeft = new QWidget(&window);
    auto *bar = new TavixQSplitter(&window);
    auto *downRight = new QWidget(&window);
    const QPoint along = hor ? QPoint(1, 0) : QPoint(0, 1);
    auto span = [hor](int start, int length) {
        return hor ? QRect(start, 0, length, 50) : QRect(0, start, 50, length);
    };
    upLeft->setGeometry(span(0, 100));
    bar->setGeometry(span(100, 6));
    downRight->setGeometry(span(106, 100));
    bar->setIsHor(hor);
    bar->setUpLeftWidget(upLeft);
    bar->setDownRightWidget(downRight);
    bar->setUpLeftLimit(upLeftLimit);
    bar->setDownRightLimit(downRightLimit);
    QCOMPARE(bar->cursor().shape(), hor ? Qt::SplitHCursor : Qt::SplitVCursor);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QWindow *handle = window.windowHandle();
    const QPoint start = bar->geometry().center();
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, start);
    // Two steps: the second is measured from the press, not from where the bar has got to.
    QTest::mouseMove(handle, start + along * (travel / 2));
    QTest::mouseMove(handle, start + along * travel);
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, start + along * travel);

    QCOMPARE(upLeft->geometry(), span(0, 100 + moved));
    QCOMPARE(bar->geometry(), span(100 + moved, 6));
    QCOMPARE(downRight->geometry(), span(106 + moved, 100 - moved));

    // After the release, moving the pointer changes nothing.
    QTest::mouseMove(handle, start);
    QCOMPARE(bar->geometry(), span(100 + moved, 6));
}

// In a container row the neighbours are resized through the row, which then places the bar.
void tst_LayoutCompanions::splitterDragInContainerRow()
{
    TavixQContainer row;
    row.resize(306, 60);
    row.setChildLayout(TavixQContainer::Horizontal);
    auto *left = new TavixQContainer;
    auto *bar = new TavixQSplitter;
    auto *right = new TavixQContainer;
    row.addChildWidget(left, 1);
    row.addChildWidget(bar, 1);
    row.addChildWidget(right, 1);
    bar->resize(6, 60);
    bar->setWidthPolicy(PolicyFixed);
    row.forceResize();
    QCOMPARE(left->width(), 150);
    QCOMPARE(bar->x(), 150);
    bar->setUpLeftWidget(left);
    bar->setDownRightWidget(right);
    bar->setDownRightLimit(100);
    row.show();
    QVERIFY(QTest::qWaitForWindowExposed(&row));

    QWindow *handle = row.windowHandle();
    const QPoint start = bar->geometry().center();
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(handle, start + QPoint(80, 0));
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, start + QPoint(80, 0));
    QCOMPARE(left->width(), 200);
    QCOMPARE(bar->x(), 200);
    QCOMPARE(right->geometry(), QRect(206, 0, 100, right->height()));

    // The row keeps the dragged width when it grows: the other side takes the new room.
    row.resize(406, 60);
    QCOMPARE(left->width(), 200);
    QCOMPARE(right->width(), 200);
}

QTEST_MAIN(tst_LayoutCompanions)
#include "tst_layoutcompanions.moc"
