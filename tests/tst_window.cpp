#include "TavixTestSupport.h"
#include "controls/TavixQContainer.h"
#include "controls/TavixQPushButton.h"
#include "core/ITavixWindow.h"
#include "core/TavixQWidgetBase.h"
#include "designer/TavixQSubWin.h"
#include "designer/TavixQMDIArea.h"
#include "designer/TavixQWindow.h"
#include "designer/TavixQWindowDesigner.h"
#include "designer/TavixQWindowImpl.h"
#include "resources/TavixQResourceManager.h"

#include <QtTest>

#include <climits>

using namespace TavixQtLib;

namespace {

const QColor kSentinel(0, 255, 255);

void dragTo(QWidget *widget, const QPoint &global)
{
    tavixtest::moveTo(widget, widget->mapFromGlobal(global), Qt::LeftButton);
}

QColor centrePixel(QWidget *widget)
{
    return tavixtest::rendered(*widget, kSentinel).pixelColor(widget->width() / 2, widget->height() / 2);
}

using tavixtest::writeFile;

// The offscreen platform cannot grab the mouse and says so on every press; delivery does not need it.
QtMessageHandler previousHandler = nullptr;

void quietGrabWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.contains(QLatin1String("does not support grabbing the mouse")))
        previousHandler(type, context, message);
}

// A window that registers and is destroyed without unregistering.
class CarelessWindow : public QWidget, public ITavixWindow
{
public:
    QWidget *getWindowWidget() override { return this; }
};

struct SubWinHost
{
    QWidget host;
    TavixQSubWin *sub = new TavixQSubWin(&host);
    SubWinHost()
    {
        host.resize(800, 600);
        sub->setGeometry(100, 100, 450, 450);
        host.show();
    }
};

} // namespace

class tst_Window : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { previousHandler = qInstallMessageHandler(quietGrabWarnings); }
    void cleanup();
    void dragStart_data();
    void dragStart();
    void resizeByBorder_data();
    void resizeByBorder();
    void clampedEdgeFollowsPointerBack();
    void maximizedNeitherResizesNorDrags();
    void pressActiveBlocksOtherWindows();
    void hostileNumbers_data();
    void hostileNumbers();
    void containerFillsWindow();
    void background();
    void modalLoop_data();
    void modalLoop();
    void themeChangeReachesRegisteredWindowsOnly();
    void destroyedWindowNeverTouched();
    void mdiAreaIsStoredNotOwned();
};

void tst_Window::cleanup()
{
    QVERIFY(!TavixQWindowImpl::windowPressActive);
    TavixQWindowImpl::windowPressActive = false;
}

void tst_Window::dragStart_data()
{
    QTest::addColumn<QString>("under");      // what lies under the press: body, container, button
    QTest::addColumn<bool>("onlyCaption");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("drags");
    QTest::newRow("body") << "body" << false << 200 << true;
    QTest::newRow("container") << "container" << false << 200 << true;
    QTest::newRow("disabled push button") << "button" << false << 200 << false;
    QTest::newRow("caption only, y = 40") << "body" << true << 40 << true;
    QTest::newRow("caption only, y = 41") << "body" << true << 41 << false;
    QTest::newRow("caption only, container at y = 40") << "container" << true << 40 << true;
}

// The press goes to the topmost widget under the pointer and propagates up as Qt delivers it; a kit
// control other than a container or label keeps the window where it is.
void tst_Window::dragStart()
{
    QFETCH(QString, under);
    QFETCH(bool, onlyCaption);
    QFETCH(int, y);
    QFETCH(bool, drags);
    SubWinHost h;
    h.sub->setOnlyDragCaption(onlyCaption);
    QWidget *child = nullptr;
    if (under == QLatin1String("container"))
        child = new TavixQContainer(h.sub);
    else if (under == QLatin1String("button"))
        child = new TavixQPushButton(h.sub);
    if (child) {
        child->setGeometry(100, y - 10, 100, 20);
        child->setEnabled(under != QLatin1String("button"));   // a disabled button passes its presses on
        child->show();
    }
    const QPoint local(150, y);
    QWidget *target = h.sub->childAt(local) ? h.sub->childAt(local) : h.sub;
    QCOMPARE(target, child ? child : h.sub);
    const QPoint global = h.sub->mapToGlobal(local);
    QTest::mousePress(target, Qt::LeftButton, {}, target->mapFromGlobal(global));
    dragTo(h.sub, global + QPoint(30, 20));
    QTest::mouseRelease(h.sub, Qt::LeftButton, {}, h.sub->mapFromGlobal(global + QPoint(30, 20)));
    QCOMPARE(h.sub->pos(), drags ? QPoint(130, 120) : QPoint(100, 100));
    QCOMPARE(h.sub->size(), QSize(450, 450));
}

void tst_Window::resizeByBorder_data()
{
    QTest::addColumn<QPoint>("press");   // in the sub-window
    QTest::addColumn<QPoint>("motion");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("right edge grows") << QPoint(448, 200) << QPoint(50, 7) << QRect(100, 100, 500, 450);
    QTest::newRow("left edge grows, (2, 20)") << QPoint(2, 20) << QPoint(-30, 0) << QRect(70, 100, 480, 450);
    QTest::newRow("top edge shrinks") << QPoint(200, 1) << QPoint(0, 20) << QRect(100, 120, 450, 430);
    QTest::newRow("bottom edge grows") << QPoint(200, 448) << QPoint(0, 25) << QRect(100, 100, 450, 475);
    QTest::newRow("top-left corner, (2, 2)") << QPoint(2, 2) << QPoint(-10, -20) << QRect(90, 80, 460, 470);
    QTest::newRow("bottom-right corner") << QPoint(448, 448) << QPoint(10, 20) << QRect(100, 100, 460, 470);
    // Past the minimum the dragged edge stops and the opposite edge stays where it was.
    QTest::newRow("left edge stops at 400") << QPoint(1, 200) << QPoint(100, 0) << QRect(150, 100, 400, 450);
    QTest::newRow("right edge stops at 400") << QPoint(448, 200) << QPoint(-100, 0) << QRect(100, 100, 400, 450);
    QTest::newRow("top edge stops at 400") << QPoint(200, 1) << QPoint(0, 70) << QRect(100, 150, 450, 400);
    QTest::newRow("top-left: width stops, height follows")
        << QPoint(2, 2) << QPoint(80, -10) << QRect(150, 90, 400, 460);
}

void tst_Window::resizeByBorder()
{
    QFETCH(QPoint, press);
    QFETCH(QPoint, motion);
    QFETCH(QRect, geometry);
    SubWinHost h;
    h.sub->setResizeable(true);
    const QPoint global = h.sub->mapToGlobal(press);
    QTest::mousePress(h.sub, Qt::LeftButton, {}, press);
    // In two steps, so the second starts from where the first left the border.
    dragTo(h.sub, global + motion / 2);
    dragTo(h.sub, global + motion);
    QTest::mouseRelease(h.sub, Qt::LeftButton, {}, h.sub->mapFromGlobal(global + motion));
    QCOMPARE(h.sub->geometry(), geometry);
    QCOMPARE(h.sub->getImpl()->resizeZone, int(TavixQWindowImpl::NoZone));
}

void tst_Window::clampedEdgeFollowsPointerBack()
{
    SubWinHost h;
    h.sub->setResizeable(true);
    const QPoint global = h.sub->mapToGlobal(QPoint(1, 200));
    QTest::mousePress(h.sub, Qt::LeftButton, {}, QPoint(1, 200));
    dragTo(h.sub, global + QPoint(100, 0));
    QCOMPARE(h.sub->geometry(), QRect(150, 100, 400, 450));
    // Back left of where the edge stopped: the edge is under the pointer again.
    dragTo(h.sub, global + QPoint(40, 0));
    QCOMPARE(h.sub->geometry(), QRect(140, 100, 410, 450));
    QTest::mouseRelease(h.sub, Qt::LeftButton, {}, h.sub->mapFromGlobal(global + QPoint(40, 0)));
    // A smaller minimum lets the next drag go further.
    h.sub->setMinWidth(100);
    const QPoint right = h.sub->mapToGlobal(QPoint(408, 200));
    QTest::mousePress(h.sub, Qt::LeftButton, {}, QPoint(408, 200));
    dragTo(h.sub, right + QPoint(-250, 0));
    QTest::mouseRelease(h.sub, Qt::LeftButton, {}, h.sub->mapFromGlobal(right + QPoint(-250, 0)));
    QCOMPARE(h.sub->geometry(), QRect(140, 100, 160, 450));
}

void tst_Window::maximizedNeitherResizesNorDrags()
{
    TavixQWindow window;
    window.setResizeable(true);
    window.setMaximizeOnDoubleClick(true);
    window.showMaximized();
    QVERIFY(window.isMaximized());
    const QRect maximized = window.geometry();
    for (const QPoint &press : {QPoint(2, 2), QPoint(200, 200)}) {
        const QPoint global = window.mapToGlobal(press);
        QTest::mousePress(&window, Qt::LeftButton, {}, press);
        dragTo(&window, global + QPoint(40, 30));
        QTest::mouseRelease(&window, Qt::LeftButton, {}, window.mapFromGlobal(global + QPoint(40, 30)));
        QCOMPARE(window.geometry(), maximized);
    }
    // A double click below the caption changes nothing; in the caption it restores the window.
    QTest::mouseDClick(&window, Qt::LeftButton, {}, QPoint(200, 40));
    QVERIFY(window.isMaximized());
    QTest::mouseDClick(&window, Qt::LeftButton, {}, QPoint(200, 39));
    QVERIFY(!window.isMaximized());
    QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(200, 39));
}

void tst_Window::pressActiveBlocksOtherWindows()
{
    SubWinHost h;
    TavixQWindow other;
    other.setGeometry(300, 300, 500, 500);
    other.show();
    const QPoint start = other.pos();
    QTest::mousePress(h.sub, Qt::LeftButton, {}, QPoint(200, 200));
    QVERIFY(TavixQWindowImpl::windowPressActive);
    // While the sub-window holds the mouse, another kit window's press starts nothing.
    const QPoint global = other.mapToGlobal(QPoint(200, 200));
    QTest::mousePress(&other, Qt::LeftButton, {}, QPoint(200, 200));
    dragTo(&other, global + QPoint(50, 50));
    QCOMPARE(other.pos(), start);
    // A sub-window destroyed while it holds the mouse does not leave every kit window locked.
    delete h.sub;
    QVERIFY(!TavixQWindowImpl::windowPressActive);
    QTest::mousePress(&other, Qt::LeftButton, {}, QPoint(200, 200));
    dragTo(&other, global + QPoint(50, 50));
    QTest::mouseRelease(&other, Qt::LeftButton, {}, other.mapFromGlobal(global + QPoint(50, 50)));
    QCOMPARE(other.pos(), start + QPoint(50, 50));
}

void tst_Window::hostileNumbers_data()
{
    QTest::addColumn<int>("value");
    QTest::newRow("INT_MIN") << INT_MIN;
    QTest::newRow("0") << 0;
    QTest::newRow("INT_MAX") << INT_MAX;
}

// Edges, minimums and caption heights at the ends of int: no overflow, no negative size, no crash.
void tst_Window::hostileNumbers()
{
    QFETCH(int, value);
    SubWinHost h;
    h.sub->setResizeable(true);
    h.sub->setMinWidth(value);
    h.sub->setMinHeight(value);
    h.sub->setCaptionHeight(value);
    h.sub->setOnlyDragCaption(true);
    QVERIFY(h.sub->getMinWidth() >= 0 && h.sub->getMinWidth() <= QWIDGETSIZE_MAX);
    const QPoint global = h.sub->mapToGlobal(QPoint(448, 448));
    QTest::mousePress(h.sub, Qt::LeftButton, {}, QPoint(448, 448));
    dragTo(h.sub, global + QPoint(-1000, -1000));
    dragTo(h.sub, global + QPoint(INT_MAX / 4, INT_MAX / 4));
    QTest::mouseRelease(h.sub, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(h.sub->width() >= 0 && h.sub->height() >= 0);
    QVERIFY(h.sub->width() <= QWIDGETSIZE_MAX && h.sub->height() <= QWIDGETSIZE_MAX);

    h.sub->setMinimumSize(0, 0);
    h.sub->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    h.sub->setGeometry(100, 100, 450, 450);
    h.sub->setX(value);
    h.sub->setY(value);
    const QRect g = h.sub->geometry();
    QVERIFY(g.width() >= 0 && g.height() >= 0);
    QCOMPARE(g.right(), 549);   // the opposite edges stay
    QCOMPARE(g.bottom(), 549);
}

// A top-level container fills a kit window and a designer window even when they are not top-level
// (recognised through ITavixWindow), and any top-level window; not a sub-window inside another widget.
void tst_Window::containerFillsWindow()
{
    QWidget host;
    TavixQWindow window;
    auto *designer = new TavixQWindowDesigner(&host);
    auto *sub = new TavixQSubWin(&host);
    TavixQSubWin topLevelSub;
    const QList<QPair<QWidget *, bool>> parents = {
        {&window, true}, {designer, true}, {sub, false}, {&topLevelSub, true}};
    for (const auto &entry : parents) {
        auto *container = new TavixQContainer(entry.first);
        container->getControlBase()->setGeometry(5, 5, 10, 10);
        entry.first->resize(320, 210);
        container->getControlBase()->resizeWidget();
        QCOMPARE(container->geometry(), entry.second ? QRect(0, 0, 320, 210) : QRect(5, 5, 10, 10));
    }
    // A shown window lays out its kit children when it changes size.
    window.show();
    window.resize(400, 300);
    QCOMPARE(window.findChild<TavixQContainer *>()->geometry(), QRect(0, 0, 400, 300));
}

void tst_Window::background()
{
    TavixQSubWin sub;
    sub.resize(60, 40);
    QCOMPARE(centrePixel(&sub), kSentinel);   // no background unless asked
    FillRes fill;
    fill.color = QColor(200, 10, 10);
    sub.setBackgroundColor(fill);
    sub.setShowBackground(true);
    QCOMPARE(centrePixel(&sub), QColor(200, 10, 10));
}

void tst_Window::modalLoop_data()
{
    QTest::addColumn<QString>("ending");
    QTest::newRow("closeModal") << "closeModal";
    QTest::newRow("close") << "close";
    QTest::newRow("escape") << "escape";
    QTest::newRow("window deleted") << "delete";
}

void tst_Window::modalLoop()
{
    QFETCH(QString, ending);
    QPointer<TavixQWindow> window = new TavixQWindow;
    QTimer::singleShot(0, window, [window, ending]() {
        QVERIFY(window->isModal() || window->windowModality() == Qt::ApplicationModal);
        if (ending == QLatin1String("closeModal"))
            window->closeModal();
        else if (ending == QLatin1String("close"))
            window->close();
        else if (ending == QLatin1String("escape"))
            QTest::keyClick(window, Qt::Key_Escape);
        else
            delete window;
    });
    window->doModal();   // returns; a hang here fails by the test's timeout
    QCOMPARE(window.isNull(), ending == QLatin1String("delete"));
    delete window;
}

void tst_Window::themeChangeReachesRegisteredWindowsOnly()
{
    QTemporaryDir theme;
    QVERIFY(writeFile(theme.filePath("style.json"),
                      R"({"style": [{"type": 1, "name": "winRed", "drawImg": false, "clr": "ffff0000"}]})"));
    QVERIFY(writeFile(theme.filePath("theme.json"),
                      R"({"elements": [{"child": [{"name": "qtbutton", "style": [["winRed", 1, 0]]}]}]})"));
    TavixQWindow registered;
    QWidget plain;
    auto *inside = new TavixQPushButton(new QWidget(&registered));   // reached below a plain widget too
    auto *outside = new TavixQPushButton(&plain);
    inside->parentWidget()->resize(60, 30);
    inside->resize(60, 30);
    outside->resize(60, 30);
    const QColor before = centrePixel(outside);
    QCOMPARE(centrePixel(inside), before);
    QVERIFY(TavixQResourceManager::getInstance()->loadThemeDir(theme.path()));
    QCOMPARE(centrePixel(inside), QColor(255, 0, 0));
    QCOMPARE(centrePixel(outside), before);
}

// Under AddressSanitizer a walk that reached a destroyed window would fail here.
void tst_Window::destroyedWindowNeverTouched()
{
    TavixQResourceManager *rm = TavixQResourceManager::getInstance();
    auto *window = new TavixQWindow;
    new TavixQPushButton(window);
    delete window;
    auto *careless = new CarelessWindow;
    new TavixQPushButton(careless);
    QVERIFY(rm->registerWindow(careless));
    QVERIFY(rm->registerDesignerWindow(careless));
    delete careless;   // never unregistered
    QVERIFY(rm->themeChange());
    const QString table = QStringLiteral("Language\tEnglish\r\nok\tOK\r\n");
    QVERIFY(rm->readLanguage(QByteArray(reinterpret_cast<const char *>(table.utf16()), table.size() * 2)));
    QVERIFY(rm->setCurrentLanguage(QStringLiteral("English")));
    TavixGlobalConfig config = rm->getGlobalConfig();
    rm->setGlobalConfig(config);
    QVERIFY(!rm->registerWindow(nullptr) && !rm->unregisterWindow(nullptr));
}

QTEST_MAIN(tst_Window)
// The window only remembers its MDI area: it neither owns it nor keeps a dangling pointer to it.
void tst_Window::mdiAreaIsStoredNotOwned()
{
    TavixQWindow window;
    auto *area = new TavixQMDIArea;
    window.setMDIArea(area);
    QCOMPARE(window.getMDIArea(), area);
    QVERIFY(!area->parent());
    delete area;
    QCOMPARE(window.getMDIArea(), static_cast<TavixQMDIArea *>(nullptr));
}

#include "tst_window.moc"
