#include "TavixTestSupport.h"
#include "controls/TavixQScrollBar.h"
#include "core/ITavixQWidgetBase.h"
#include "core/TavixLibrary.h"
#include "DesignerWindow.h"
#include "designer/TavixQCanvas.h"
#include "designer/TavixQCanvasWindow.h"
#include "designer/TavixQPropertyList.h"
#include "designer/TavixQPropertyListImpl.h"
#include "controls/TavixQPushButton.h"
#include "controls/TavixQSpinBox.h"
#include "core/TavixControlRegistry.h"
#include "resources/TavixQResourceManager.h"

#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

using namespace TavixQtLib;

namespace {

// A 300 x 200 page: a root container holding two buttons, and a group box with a label inside.
const QByteArray kPage = R"({"w": 300, "h": 200, "elements": [
    {"type": "qtcontainer", "name": "root", "layout": {"type": 1}, "x": 0, "y": 0, "w": 300, "h": 200, "child": [
        {"type": "qtbutton", "name": "qtbutton1", "layout": {"type": 1}, "x": 20, "y": 20, "w": 60, "h": 40},
        {"type": "qtbutton", "name": "b", "layout": {"type": 1}, "x": 150, "y": 20, "w": 60, "h": 40},
        {"type": "qtgroupbox", "name": "box", "layout": {"type": 1}, "x": 20, "y": 100, "w": 120, "h": 80,
         "child": [{"type": "qtlabel", "name": "inner", "layout": {"type": 1}, "x": 10, "y": 20, "w": 40, "h": 20}]}
    ]}]})";

using tavixtest::writeFile;

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

class Canvas : public TavixQCanvas
{
public:
    using TavixQCanvas::HitInSelected;
};

// A shown 500 x 400 canvas with its two scroll bars, the page open.
struct Fixture
{
    explicit Fixture(const QString &page)
    {
        canvas.resize(500, 400);
        canvas.SetScrollbar(&hBar, true);
        canvas.SetScrollbar(&vBar, false);
        canvas.show();
        QVERIFY(QTest::qWaitForWindowExposed(&canvas));
        QVERIFY(canvas.OpenJsonFile(page));
    }
    QWidget *find(const char *name) const { return canvas.GetCurWindow()->findChild<QWidget *>(QLatin1String(name)); }
    QPoint at(const char *name, int dx, int dy) const
    {
        QWidget *w = find(name);
        return w->mapTo(&canvas, QPoint(dx, dy));
    }

    TavixQScrollBar hBar;
    TavixQScrollBar vBar;
    Canvas canvas;   // after the bars: it goes first and must not touch them afterwards
};

// QTest::mouseMove of Qt 5 only moves the cursor; the canvas needs the move event with the button held.
void moveTo(QWidget *w, const QPoint &pos, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMouseEvent move(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(w, &move);
}

void drag(QWidget *w, const QPoint &from, const QPoint &by, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::mousePress(w, Qt::LeftButton, modifiers, from);
    moveTo(w, from + by, modifiers);
    QTest::mouseRelease(w, Qt::LeftButton, modifiers, from + by);
}

// Sends a palette drag carrying typeName (none when empty) to pos; whether the move was accepted.
bool dropAt(QWidget *canvas, const QPoint &pos, const QString &typeName)
{
    QMimeData mime;
    if (!typeName.isEmpty())
        mime.setProperty("TypeName", typeName);
    QDragEnterEvent enter(pos, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &enter);
    QDragMoveEvent move(pos, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &move);
    const bool accepted = move.isAccepted();
    QDropEvent drop(pos, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &drop);
    return accepted;
}

QString pageText(TavixQCanvasWindow *window)
{
    QString text;
    window->toJsonString(text);
    return text;
}

} // namespace

class tst_Canvas : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void openAndCentre();
    void openInvalidKeepsPage_data();
    void openInvalidKeepsPage();
    void scrolling();
    void clickSelection();
    void hitZones_data();
    void hitZones();
    void moveAndResize_data();
    void moveAndResize();
    void rootElementsStay();
    void dropCreatesUniqueNames();
    void createControl();
    void partsStandForTheirControl();
    void saveAndReopen();
    void failedSaveKeepsFile_data();
    void failedSaveKeepsFile();
    void updatePagePath();
    void removeAndCloseAll();
    void deletedWhileSelected();
    void handlesPainted();
    void dropIntoEveryContainer_data();
    void dropIntoEveryContainer();
    void farMovesAndHugeWidgets();
    void deletedFromItsOwnSignals_data();
    void deletedFromItsOwnSignals();
    void hostileSavePaths();
    void canvasDeletedByItsHost();
    void pageTheLoaderCannotRead();
    void designerApplication();
    void projectStylesReadBack();

private:
    QString page(const char *name, const QByteArray &text = kPage);
    QTemporaryDir m_dir;
};

void tst_Canvas::initTestCase()
{
    init();
    QVERIFY(writeFile(page("main.page.json"), kPage));
}

QString tst_Canvas::page(const char *name, const QByteArray &text)
{
    const QString path = m_dir.filePath(QLatin1String(name));
    if (!QFile::exists(path))
        writeFile(path, text);
    return path;
}

void tst_Canvas::openAndCentre()
{
    Fixture f(page("main.page.json"));
    TavixQCanvasWindow *window = f.canvas.GetCurWindow();
    QVERIFY(window);
    QCOMPARE(window->objectName(), QStringLiteral("main"));
    QCOMPARE(window->pageName(), QStringLiteral("main.page.json"));
    QCOMPARE(window->pos(), QPoint(100, 100));
    QVERIFY(f.hBar.isHidden() && f.vBar.isHidden());
    QWidget *button = f.find("qtbutton1");
    QVERIFY(button && button->isHidden() && button->property("visibility").toBool());
    // Opening the same path again shows the open page rather than loading a second.
    QVERIFY(f.canvas.OpenJsonFile(page("main.page.json")));
    QCOMPARE(f.canvas.GetCurWindow(), window);
    QCOMPARE(f.canvas.pagePaths().size(), 1);
}

void tst_Canvas::openInvalidKeepsPage_data()
{
    QTest::addColumn<QByteArray>("text");   // empty: the file does not exist
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("malformed") << QByteArray(R"({"elements": [)");
    QTest::newRow("no elements") << QByteArray(R"({"w": 10, "h": 10})");
    QTest::newRow("array root") << QByteArray(R"([{"elements": []}])");
}

void tst_Canvas::openInvalidKeepsPage()
{
    QFETCH(QByteArray, text);
    Fixture f(page("main.page.json"));
    TavixQCanvasWindow *window = f.canvas.GetCurWindow();
    const QString path = m_dir.filePath(QLatin1String(QTest::currentDataTag()) + QLatin1String(".json"));
    if (!text.isEmpty())
        QVERIFY(writeFile(path, text));
    QVERIFY(f.canvas.OpenJsonFile(path));
    QCOMPARE(f.canvas.GetCurWindow(), window);
    QVERIFY(window->isVisible());
    QCOMPARE(f.canvas.pagePaths(), QStringList{page("main.page.json")});
}

void tst_Canvas::scrolling()
{
    Fixture f(page("main.page.json"));
    TavixQCanvasWindow *small = f.canvas.GetCurWindow();
    QVERIFY(f.canvas.OpenJsonFile(page("big.json", R"({"w": 800, "h": 600, "elements": []})")));
    TavixQCanvasWindow *big = f.canvas.GetCurWindow();
    QVERIFY(big && big != small && small->isHidden());
    QVERIFY(f.hBar.isVisible() && f.vBar.isVisible());
    QCOMPARE(QList<int>({f.hBar.maximum(), f.vBar.maximum(), f.hBar.pageStep()}), QList<int>({300, 200, 500}));
    f.vBar.setValue(50);
    f.hBar.setValue(70);
    QCOMPARE(big->pos(), QPoint(-70, -50));
    // Each page keeps its own scroll position.
    QVERIFY(f.canvas.OpenJsonFile(page("main.page.json")));
    QCOMPARE(small->pos(), QPoint(100, 100));
    QVERIFY(f.canvas.OpenJsonFile(page("big.json")));
    QCOMPARE(QList<int>({f.hBar.value(), f.vBar.value()}), QList<int>({70, 50}));
}

void tst_Canvas::clickSelection()
{
    Fixture f(page("main.page.json"));
    QSignalSpy selected(&f.canvas, &TavixQCanvas::widgetSelected);
    QWidget *a = f.find("qtbutton1"), *b = f.find("b"), *box = f.find("box"), *inner = f.find("inner");
    QTest::mouseClick(&f.canvas, Qt::LeftButton, Qt::NoModifier, f.at("qtbutton1", 30, 20));
    QTest::mouseClick(&f.canvas, Qt::LeftButton, Qt::ShiftModifier, f.at("b", 30, 20));
    QCOMPARE(f.canvas.selectedWidgets(), QVector<QWidget *>({a, b}));
    QTest::mouseClick(&f.canvas, Qt::LeftButton, Qt::ShiftModifier, f.at("qtbutton1", 30, 20));
    QCOMPARE(f.canvas.selectedWidgets(), QVector<QWidget *>({b}));
    QTest::mouseClick(&f.canvas, Qt::LeftButton, Qt::NoModifier, f.at("box", 100, 5));
    QCOMPARE(f.canvas.selectedWidgets(), QVector<QWidget *>({box}));
    QCOMPARE(selected.count(), 3);
    QCOMPARE(selected.last().first().value<QWidget *>(), box);

    // Inside the selected box, on its unselected label: no move starts; the release selects the label.
    const QRect before = box->geometry();
    QTest::mousePress(&f.canvas, Qt::LeftButton, Qt::NoModifier, f.at("inner", 20, 10));
    QCOMPARE(f.canvas.getMouseState(), int(TavixQCanvas::Pressed));
    moveTo(&f.canvas, f.at("inner", 40, 30));
    QTest::mouseRelease(&f.canvas, Qt::LeftButton, Qt::NoModifier, f.at("inner", 20, 10));
    QCOMPARE(box->geometry(), before);
    QCOMPARE(f.canvas.selectedWidgets(), QVector<QWidget *>({inner}));
    QCOMPARE(f.canvas.getMouseState(), int(TavixQCanvas::Idle));
}

void tst_Canvas::hitZones_data()
{
    QTest::addColumn<QPoint>("offset");   // from the 60 x 40 button's top-left
    QTest::addColumn<int>("zone");
    QTest::newRow("middle") << QPoint(30, 20) << int(CAV_HIT_MOVE);
    QTest::newRow("left band inner edge") << QPoint(4, 20) << int(CAV_HIT_LEFT);
    QTest::newRow("just past left band") << QPoint(5, 20) << int(CAV_HIT_MOVE);
    QTest::newRow("right band inner edge") << QPoint(56, 20) << int(CAV_HIT_RIGHT);
    QTest::newRow("just before right band") << QPoint(55, 20) << int(CAV_HIT_MOVE);
    QTest::newRow("top") << QPoint(30, 4) << int(CAV_HIT_TOP);
    QTest::newRow("bottom") << QPoint(30, 36) << int(CAV_HIT_BOTTOM);
    QTest::newRow("top-left corner") << QPoint(0, 0) << int(CAV_HIT_TOP_LEFT);
    QTest::newRow("bottom-right edge included") << QPoint(60, 40) << int(CAV_HIT_BOTTOM_RIGHT);
    QTest::newRow("top-right") << QPoint(59, 2) << int(CAV_HIT_TOP_RIGHT);
    QTest::newRow("bottom-left") << QPoint(1, 39) << int(CAV_HIT_BOTTOM_LEFT);
    QTest::newRow("outside") << QPoint(61, 20) << int(CAV_HIT_NONE);
}

void tst_Canvas::hitZones()
{
    QFETCH(QPoint, offset);
    QFETCH(int, zone);
    Fixture f(page("main.page.json"));
    f.canvas.AddSelectedControl(f.find("qtbutton1"));
    const QPoint p = f.at("qtbutton1", offset.x(), offset.y());
    QCOMPARE(int(f.canvas.HitInSelected(p.x(), p.y())), zone);
}

void tst_Canvas::moveAndResize_data()
{
    // The button starts at (20, 20, 60, 40); its sibling b has left 150, the box top 100.
    QTest::addColumn<QPoint>("press");    // from the button's top-left
    QTest::addColumn<QPoint>("by");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("move") << QPoint(30, 20) << QPoint(30, 30) << false << QRect(50, 50, 60, 40);
    QTest::newRow("snaps 4 px from a left") << QPoint(30, 20) << QPoint(126, 0) << false << QRect(150, 20, 60, 40);
    QTest::newRow("no snap at 5 px") << QPoint(30, 20) << QPoint(125, 0) << false << QRect(145, 20, 60, 40);
    QTest::newRow("snaps to a top") << QPoint(30, 20) << QPoint(40, 77) << false << QRect(60, 100, 60, 40);
    QTest::newRow("shift, vertical") << QPoint(30, 20) << QPoint(3, 10) << true << QRect(20, 30, 60, 40);
    QTest::newRow("shift, horizontal") << QPoint(30, 20) << QPoint(10, 3) << true << QRect(30, 20, 60, 40);
    QTest::newRow("left") << QPoint(1, 20) << QPoint(10, 7) << false << QRect(30, 20, 50, 40);
    QTest::newRow("left past minimum") << QPoint(1, 20) << QPoint(55, 0) << false << QRect(75, 20, 10, 40);
    QTest::newRow("right") << QPoint(58, 20) << QPoint(15, 9) << false << QRect(20, 20, 75, 40);
    QTest::newRow("top") << QPoint(30, 1) << QPoint(3, -10) << false << QRect(20, 10, 60, 50);
    QTest::newRow("bottom") << QPoint(30, 39) << QPoint(0, 5) << false << QRect(20, 20, 60, 45);
    QTest::newRow("top-left") << QPoint(1, 1) << QPoint(5, 5) << false << QRect(25, 25, 55, 35);
    QTest::newRow("bottom-left") << QPoint(1, 39) << QPoint(-5, 5) << false << QRect(15, 20, 65, 45);
    QTest::newRow("top-right") << QPoint(59, 1) << QPoint(5, -5) << false << QRect(20, 15, 65, 45);
    QTest::newRow("bottom-right to minimum") << QPoint(59, 39) << QPoint(-55, -35) << false << QRect(20, 20, 10, 10);
}

void tst_Canvas::moveAndResize()
{
    QFETCH(QPoint, press);
    QFETCH(QPoint, by);
    QFETCH(bool, shift);
    QFETCH(QRect, expected);
    Fixture f(page("main.page.json"));
    QWidget *button = f.find("qtbutton1");
    f.canvas.AddSelectedControl(button);
    drag(&f.canvas, f.at("qtbutton1", press.x(), press.y()), by, shift ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(button->geometry(), expected);
    QCOMPARE(f.canvas.getMouseState(), int(TavixQCanvas::Idle));
    // The place is the control's own, so a save writes it.
    const Json::Value node = tavixtest::written(*dynamic_cast<ITavixQWidgetBase *>(button));
    QCOMPARE(QRect(node["x"].asInt(), node["y"].asInt(), node["w"].asInt(), node["h"].asInt()), expected);
}

void tst_Canvas::rootElementsStay()
{
    Fixture f(page("main.page.json"));
    QWidget *root = f.find("root");
    f.canvas.AddSelectedControl(root);
    f.canvas.AddSelectedControl(f.find("b"));
    drag(&f.canvas, f.at("b", 30, 20), QPoint(20, 20));
    QCOMPARE(root->geometry(), QRect(0, 0, 300, 200));
    QCOMPARE(f.find("b")->geometry(), QRect(150, 20, 60, 40));
}

void tst_Canvas::dropCreatesUniqueNames()
{
    Fixture f(page("main.page.json"));
    QWidget *box = f.find("box");
    QCOMPARE(f.canvas.getNameCounter(), 1);
    // The page already holds qtbutton1.
    QVERIFY(dropAt(&f.canvas, f.at("box", 80, 60), QStringLiteral("qtbutton")));
    QVERIFY(dropAt(&f.canvas, f.at("box", 30, 70), QStringLiteral("qtbutton")));
    QWidget *second = box->findChild<QWidget *>(QStringLiteral("qtbutton2"), Qt::FindDirectChildrenOnly);
    QWidget *third = box->findChild<QWidget *>(QStringLiteral("qtbutton3"), Qt::FindDirectChildrenOnly);
    QVERIFY(second && third);
    QCOMPARE(f.canvas.getNameCounter(), 4);
    QCOMPARE(second->geometry(), QRect(80, 60, 100, 100));
    QVERIFY(second->isHidden() && second->property("visibility").toBool());

    // Nothing is made without a type, for a keyword the registry does not know, or for one that makes no
    // kit control; a drag outside the page is refused.
    const int children = box->findChildren<QWidget *>().size();
    dropAt(&f.canvas, f.at("box", 50, 40), QString());
    dropAt(&f.canvas, f.at("box", 50, 40), QStringLiteral("noSuchType"));
    dropAt(&f.canvas, f.at("box", 50, 40), QStringLiteral("Window"));
    QVERIFY(!dropAt(&f.canvas, QPoint(5, 5), QStringLiteral("qtbutton")));
    QCOMPARE(box->findChildren<QWidget *>().size(), children);
    QCOMPARE(f.canvas.GetCurWindow()->findChildren<QWidget *>(QStringLiteral("qtbutton4")).size(), 0);
}

void tst_Canvas::createControl()
{
    Fixture f(page("main.page.json"));
    QVERIFY(!f.canvas.createControl(QStringLiteral("qtlabel")));   // nothing selected
    f.canvas.AddSelectedControl(f.find("box"));
    QVERIFY(f.canvas.createControl(QStringLiteral("qtlabel")));
    QVERIFY(!f.canvas.createControl(QStringLiteral("noSuchType")));
    QWidget *made = f.find("box")->findChild<QWidget *>(QStringLiteral("qtlabel1"));
    QVERIFY(made && made->geometry() == QRect(0, 0, 100, 100));
    QCOMPARE(f.canvas.getNameCounter(), 2);
}

// A control's own parts (here a scroll view's viewport) are neither selected nor hidden by the canvas.
void tst_Canvas::partsStandForTheirControl()
{
    Fixture f(page("main.page.json"));
    QVERIFY(dropAt(&f.canvas, f.at("root", 160, 100), QStringLiteral("qtscrollview")));
    QWidget *view = f.find("qtscrollview1");
    QVERIFY(view && view->isHidden());
    QWidget *viewport = view->findChild<QWidget *>(QStringLiteral("qt_scrollarea_viewport"));
    QVERIFY(viewport && !viewport->isHidden());
    QTest::mouseClick(&f.canvas, Qt::LeftButton, Qt::NoModifier, f.at("qtscrollview1", 50, 50));
    QCOMPARE(f.canvas.selectedWidgets(), QVector<QWidget *>({view}));
}

void tst_Canvas::saveAndReopen()
{
    const QString path = page("edited.json");
    QString saved;
    {
        Fixture f(path);
        QVERIFY(!f.canvas.SavePage(m_dir.filePath(QStringLiteral("notOpen.json"))));
        f.canvas.AddSelectedControl(f.find("box"));
        QVERIFY(f.canvas.createControl(QStringLiteral("qtcheckbox")));
        f.canvas.RemoveAllSelected();
        f.canvas.AddSelectedControl(f.find("b"));
        drag(&f.canvas, f.at("b", 30, 20), QPoint(-20, 30));
        QVERIFY(f.canvas.SavePage(path));
        saved = pageText(f.canvas.GetCurWindow());
        QCOMPARE(QString::fromUtf8(readFile(path)), saved);
    }
    Fixture again(path);
    QCOMPARE(pageText(again.canvas.GetCurWindow()), saved);
    QCOMPARE(again.find("b")->geometry(), QRect(130, 50, 60, 40));
    QVERIFY(again.find("box")->findChild<QWidget *>(QStringLiteral("qtcheckbox1")));
}

void tst_Canvas::failedSaveKeepsFile_data()
{
    QTest::addColumn<bool>("readOnlyFolder");   // else every write beyond 8 bytes fails
    QTest::newRow("read-only folder") << true;
    QTest::newRow("write fails part-way") << false;
}

void tst_Canvas::failedSaveKeepsFile()
{
    QFETCH(bool, readOnlyFolder);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.json"));
    QVERIFY(writeFile(path, kPage));
    Fixture f(path);
    f.canvas.AddSelectedControl(f.find("root"));
    QVERIFY(f.canvas.createControl(QStringLiteral("qtlabel")));   // the page differs from the file

    const QFile::Permissions was = QFile::permissions(dir.path());
    rlimit oldLimit{};
    getrlimit(RLIMIT_FSIZE, &oldLimit);
    if (readOnlyFolder) {
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        QFile probe(dir.filePath(QStringLiteral("probe")));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QFile::setPermissions(dir.path(), was);
            QSKIP("this user writes into read-only folders");
        }
    } else {
        std::signal(SIGXFSZ, SIG_IGN);   // the failing write then returns an error instead of ending the test
        rlimit small = oldLimit;
        small.rlim_cur = 8;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    const bool pageSaved = f.canvas.SavePage(path);
    const bool styleSaved = f.canvas.SaveStyle(dir.filePath(QStringLiteral("style.json")));
    setrlimit(RLIMIT_FSIZE, &oldLimit);
    QFile::setPermissions(dir.path(), was);
    QVERIFY(!pageSaved);
    QVERIFY(!styleSaved);
    QCOMPARE(readFile(path), kPage);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.json")});   // no leftovers

    QVERIFY(f.canvas.SaveStyle(dir.filePath(QStringLiteral("style.json"))));
    QVERIFY(readFile(dir.filePath(QStringLiteral("style.json"))).contains("\"style\""));
    QVERIFY(!f.canvas.SaveStyle(QString()));
}

void tst_Canvas::updatePagePath()
{
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("a/b")));
    const QString old = page("a/b/old.json");
    Fixture f(old);
    TavixQCanvasWindow *window = f.canvas.GetCurWindow();
    QCOMPARE(f.canvas.UpdatePagePath(old), old);   // name unchanged
    window->setObjectName(QStringLiteral("new"));
    const QString renamed = f.canvas.UpdatePagePath(old);
    QCOMPARE(renamed, m_dir.filePath(QStringLiteral("a/b/new.json")));
    QCOMPARE(f.canvas.pageWindow(renamed), window);
    QVERIFY(!f.canvas.pageWindow(old));
    QVERIFY(f.canvas.UpdatePagePath(old).isEmpty());
    QVERIFY(f.canvas.SavePage(renamed) && QFile::exists(renamed));
}

void tst_Canvas::removeAndCloseAll()
{
    Fixture f(page("main.page.json"));
    TavixQCanvasWindow *first = f.canvas.GetCurWindow();
    QVERIFY(f.canvas.OpenJsonFile(page("second.json")));
    TavixQCanvasWindow *second = f.canvas.GetCurWindow();
    QPointer<QWidget> inFirst = first->findChild<QWidget *>(QStringLiteral("b"));
    f.canvas.AddSelectedControl(inFirst);
    f.canvas.AddSelectedControl(second->findChild<QWidget *>(QStringLiteral("b")));

    QVERIFY(f.canvas.removePage(first));
    QVERIFY(inFirst.isNull() && !f.canvas.removePage(first));
    // The closed page's widget left the selection; the current page stays.
    QCOMPARE(f.canvas.selectedWidgets().size(), 1);
    QCOMPARE(f.canvas.GetCurWindow(), second);
    QVERIFY(f.canvas.removePage(second));
    QVERIFY(!f.canvas.GetCurWindow());
    QVERIFY(!f.canvas.grab().isNull());
    QTest::mouseClick(&f.canvas, Qt::LeftButton, Qt::NoModifier, QPoint(150, 150));   // no page: nothing

    QVERIFY(f.canvas.OpenJsonFile(page("main.page.json")) && f.canvas.OpenJsonFile(page("second.json")));
    f.canvas.AddSelectedControl(f.find("b"));
    QPointer<TavixQCanvasWindow> open = f.canvas.GetCurWindow();
    f.canvas.closeAllWindows();
    QVERIFY(open.isNull() && !f.canvas.GetCurWindow() && f.canvas.pagePaths().isEmpty());
    QVERIFY(f.canvas.selectedWidgets().isEmpty());
}

void tst_Canvas::deletedWhileSelected()
{
    Fixture f(page("main.page.json"));
    QWidget *a = f.find("qtbutton1");
    f.canvas.AddSelectedControl(a);
    f.canvas.AddSelectedControl(f.find("b"));
    QTest::mousePress(&f.canvas, Qt::LeftButton, Qt::NoModifier, f.at("qtbutton1", 30, 20));
    QCOMPARE(f.canvas.getMouseState(), int(TavixQCanvas::Dragging));
    delete f.find("b");
    moveTo(&f.canvas, f.at("qtbutton1", 40, 30));
    QTest::mouseRelease(&f.canvas, Qt::LeftButton, Qt::NoModifier, f.at("qtbutton1", 40, 30));
    QCOMPARE(f.canvas.selectedWidgets(), QVector<QWidget *>({a}));
    QVERIFY(!f.canvas.grab().isNull());
    // A page window deleted from outside closes its page.
    delete f.canvas.GetCurWindow();
    QVERIFY(!f.canvas.GetCurWindow() && f.canvas.pagePaths().isEmpty());
    QVERIFY(f.canvas.selectedWidgets().isEmpty());
}

void tst_Canvas::handlesPainted()
{
    Fixture f(page("main.page.json"));
    f.canvas.AddSelectedControl(f.find("qtbutton1"));
    f.canvas.AddSelectedControl(f.find("b"));
    const QImage image = f.canvas.grab().toImage();
    const QPoint a = f.at("qtbutton1", 0, 0), b = f.at("b", 60, 40);
    QCOMPARE(image.pixelColor(a + QPoint(-1, -1)), QColor(255, 255, 255));   // primary: white
    QCOMPARE(image.pixelColor(b + QPoint(-1, -1)), QColor(197, 230, 255));   // secondary: light blue
    QCOMPARE(image.pixelColor(a + QPoint(-3, -3)), QColor(Qt::black));
    QCOMPARE(image.pixelColor(a + QPoint(29, -1)), QColor(255, 255, 255));   // the top middle handle
    QCOMPARE(image.pixelColor(QPoint(5, 5)), QColor(Qt::gray));
}

// A page with each kind of control that holds others.
const QByteArray kHolders = R"({"w": 600, "h": 400, "elements": [
    {"type": "qtcontainer", "name": "root", "layout": {"type": 1}, "x": 0, "y": 0, "w": 600, "h": 400, "child": [
        {"type": "qtgroupbox", "name": "box", "layout": {"type": 1}, "x": 10, "y": 10, "w": 180, "h": 150},
        {"type": "qttab", "name": "tabs", "layout": {"type": 1}, "x": 200, "y": 10, "w": 180, "h": 150},
        {"type": "qtscrollview", "name": "scroll", "layout": {"type": 1}, "x": 390, "y": 10, "w": 180, "h": 150},
        {"type": "qtcontainer", "name": "inner", "layout": {"type": 1}, "x": 10, "y": 200, "w": 180, "h": 150}
    ]}]})";

void tst_Canvas::dropIntoEveryContainer_data()
{
    QTest::addColumn<QString>("type");
    for (const std::string &keyword : listedTypes()) {
        QWidget probe;
        if (dynamic_cast<ITavixQWidgetBase *>(tavixCreateControlByKeyword(keyword.c_str(), &probe)))
            QTest::newRow(keyword.c_str()) << QString::fromStdString(keyword);
    }
}

// A palette drop of each listed type into the root and every holder; the saved page reopens the same.
void tst_Canvas::dropIntoEveryContainer()
{
    QFETCH(QString, type);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("holders.json"));
    QVERIFY(writeFile(path, kHolders));
    const char *holders[] = {"root", "box", "tabs", "scroll", "inner"};
    QString saved;
    QMap<QString, QString> parents;   // dropped control -> the holder it went into
    {
        Fixture f(path);
        f.canvas.resize(700, 500);
        for (const char *holder : holders) {
            const QPoint at = holder == QByteArray("root") ? f.at(holder, 590, 390) : f.at(holder, 90, 75);
            const int before = f.canvas.getNameCounter();
            QVERIFY2(dropAt(&f.canvas, at, type), holder);
            QVERIFY2(f.canvas.getNameCounter() > before, holder);
        }
        for (QWidget *w : f.canvas.GetCurWindow()->findChildren<QWidget *>()) {
            if (w->objectName().startsWith(type))
                parents.insert(w->objectName(), w->parentWidget()->objectName());
        }
        QCOMPARE(parents.size(), 5);
        QVERIFY2(QSet<QString>(parents.begin(), parents.end()).size() == 5,   // one in each holder
                 qPrintable(QStringList(parents.values()).join(QLatin1Char(' '))));
        QVERIFY(!f.canvas.grab().isNull());
        QVERIFY(f.canvas.SavePage(path));
        saved = pageText(f.canvas.GetCurWindow());
    }
    Fixture again(path);
    QCOMPARE(pageText(again.canvas.GetCurWindow()), saved);
    for (auto it = parents.cbegin(); it != parents.cend(); ++it) {
        QWidget *w = again.find(it.key().toUtf8().constData());
        QWidget *holder = w ? w->parentWidget() : nullptr;
        while (holder && !dynamic_cast<ITavixQWidgetBase *>(holder))   // a scroll view's viewport
            holder = holder->parentWidget();
        QVERIFY2(holder && holder->objectName() == it.value(), qPrintable(it.key()));
    }
}

// Moves far past every edge and resizes to huge sizes: nothing overflows, the canvas still draws the
// part that shows, and the page saves and reopens with what was done.
void tst_Canvas::farMovesAndHugeWidgets()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("far.json"));
    QVERIFY(writeFile(path, kPage));
    QRect far;
    {
        Fixture f(path);
        f.canvas.AddSelectedControl(f.find("b"));
        // Resize from the bottom-right corner by a million pixels: the widget covers the canvas.
        drag(&f.canvas, f.at("b", 59, 39), QPoint(1000000, 1000000));
        far = f.find("b")->geometry();
        QVERIFY(far.width() > 100000 && far.height() > 100000);
        const QImage image = f.canvas.grab().toImage();
        QVERIFY(!image.isNull());
        // The button's own fill shows where it covers the page.
        const QPoint inside = f.at("b", 20, 20) + QPoint(100, 100);
        QVERIFY(image.pixelColor(inside) != image.pixelColor(f.at("root", 5, 5)));
        QVERIFY(f.canvas.SavePage(path));
        // Moved far off the page: it is no longer under the mouse there, but nothing overflows.
        f.canvas.RemoveAllSelected();
        f.canvas.AddSelectedControl(f.find("qtbutton1"));
        drag(&f.canvas, f.at("qtbutton1", 30, 20), QPoint(-100000, -100000));
        QCOMPARE(f.find("qtbutton1")->pos(), QPoint(-99980, -99980));
        QVERIFY(!f.canvas.grab().isNull());
        QTest::mousePress(&f.canvas, Qt::LeftButton, Qt::NoModifier, f.at("qtbutton1", 30, 20));
        QCOMPARE(f.canvas.getMouseState(), int(TavixQCanvas::Pressed));
        QTest::mouseRelease(&f.canvas, Qt::LeftButton, Qt::NoModifier, f.at("qtbutton1", 30, 20));
        QVERIFY(f.canvas.SavePage(path));
    }
    Fixture again(path);
    QCOMPARE(again.find("b")->geometry(), far);
    QVERIFY(!again.canvas.grab().isNull());
}

void tst_Canvas::deletedFromItsOwnSignals_data()
{
    QTest::addColumn<QString>("victim");   // what the handler deletes
    QTest::addColumn<bool>("onSelection"); // else on the property list's valueChanged
    for (bool onSelection : {true, false}) {
        const char *how = onSelection ? "widgetSelected: " : "valueChanged: ";
        for (const char *victim : {"control", "parent", "page", "all pages"})
            QTest::newRow(qPrintable(QLatin1String(how) + QLatin1String(victim))) << QString::fromLatin1(victim)
                                                                               << onSelection;
    }
}

// A host deleting the selected control, its parent or its page from the canvas's or the property
// list's own signals, with a move in progress: no crash, and the list edits nothing that is gone.
void tst_Canvas::deletedFromItsOwnSignals()
{
    QFETCH(QString, victim);
    QFETCH(bool, onSelection);
    Fixture f(page("main.page.json"));
    TavixQPropertyList list;
    list.resize(300, 600);
    QObject::connect(&f.canvas, &TavixQCanvas::widgetSelected, &list, &TavixQPropertyList::bindControl);
    const auto strike = [&] {
        QWidget *selected = f.canvas.selectedWidgets().value(0);
        if (victim == QLatin1String("control"))
            delete selected;
        else if (victim == QLatin1String("parent"))
            delete (selected ? selected->parentWidget() : nullptr);
        else if (victim == QLatin1String("page"))
            f.canvas.removePage(f.canvas.GetCurWindow());
        else
            f.canvas.closeAllWindows();
    };
    if (onSelection)
        QObject::connect(&f.canvas, &TavixQCanvas::widgetSelected, &list, strike);
    else
        QObject::connect(&list, &TavixQPropertyList::valueChanged, &list, strike);

    const QPoint inner = f.at("inner", 20, 10);
    QTest::mouseClick(&f.canvas, Qt::LeftButton, Qt::NoModifier, inner);
    if (!onSelection) {
        QCOMPARE(list.getBoundControl(), f.find("inner"));
        // Mid-resize: pressed on the bottom-right band, the row edit deletes, then the mouse goes on.
        QTest::mousePress(&f.canvas, Qt::LeftButton, Qt::NoModifier, f.at("inner", 39, 19));
        QCOMPARE(f.canvas.getMouseState(), int(TavixQCanvas::Dragging));
        PropertyRow *width = nullptr;
        for (PropertyRow *row : list.getImpl()->rows)
            if (row->def && row->def->type == Int && row->spinBoxes[0])
                width = row;
        QVERIFY(width);
        width->spinBoxes[0]->setValue(width->spinBoxes[0]->value() + 1);
        moveTo(&f.canvas, inner + QPoint(30, 30));
        QTest::mouseRelease(&f.canvas, Qt::LeftButton, Qt::NoModifier, inner + QPoint(30, 30));
    }
    QVERIFY(list.getImpl()->rows.isEmpty() || list.getBoundControl());
    QVERIFY(!f.canvas.grab().isNull());
    QTest::mouseClick(&f.canvas, Qt::LeftButton, Qt::NoModifier, QPoint(250, 250));
    QCOMPARE(f.canvas.getMouseState(), int(TavixQCanvas::Idle));
}

// A host closing the whole designer when a widget is clicked: the canvas goes from inside its own
// mouse handling and touches nothing of itself afterwards.
void tst_Canvas::canvasDeletedByItsHost()
{
    QPointer<TavixQCanvas> canvas = new TavixQCanvas;
    canvas->resize(500, 400);
    QVERIFY(canvas->OpenJsonFile(page("main.page.json")));
    QObject::connect(canvas.data(), &TavixQCanvas::widgetSelected, canvas.data(), [&canvas] { delete canvas.data(); });
    const QPoint at = canvas->GetCurWindow()->findChild<QWidget *>(QStringLiteral("b"))->mapTo(canvas, QPoint(5, 5));
    const QPoint global = canvas->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &release);
    QVERIFY(canvas.isNull());
}

// The designer as a user works it: the palette offers only what a drop makes, a style row's picker
// restyles the control, and Save as writes into another folder and keeps editing the page there.
void tst_Canvas::designerApplication()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("other folder")));
    const QString path = dir.filePath(QStringLiteral("page.json"));
    QVERIFY(writeFile(path, kPage));
    TavixDesigner::DesignerWindow designer;
    QVERIFY(designer.openPage(path));

    auto *palette = designer.findChild<TavixDesigner::Palette *>();
    QVERIFY(palette && palette->count() > 20);
    for (int i = 0; i < palette->count(); ++i) {
        const QString type = palette->item(i)->data(Qt::UserRole).toString();
        QWidget probe;
        QVERIFY2(dynamic_cast<ITavixQWidgetBase *>(tavixCreateControlByKeyword(type.toUtf8().constData(), &probe)),
                 qPrintable(type));
    }

    TavixQCanvas *canvas = designer.canvas();
    QWidget *button = canvas->GetCurWindow()->findChild<QWidget *>(QStringLiteral("b"));
    canvas->AddSelectedControl(button);
    auto *list = designer.findChild<TavixQPropertyList *>();
    QVERIFY(list && list->getBoundControl() == button);
    PropertyRow *styleRow = nullptr;
    for (PropertyRow *row : list->getImpl()->rows)
        if (!styleRow && row->def && row->def->type == FillStyleRef)
            styleRow = row;
    QVERIFY(styleRow);
    QString chosen;
    for (const FillStyle &style : TavixQResourceManager::getInstance()->getFillStyles())
        if (chosen.isEmpty() && !style.name.isEmpty() && style.name != styleRow->def->getFillStyle(button, 0).name)
            chosen = style.name;
    QVERIFY(!chosen.isEmpty());
    QVERIFY(!designer.applyPick(styleRow->def, QStringLiteral("no such style")));
    QVERIFY(designer.applyPick(styleRow->def, chosen));
    QCOMPARE(styleRow->def->getFillStyle(button, 0).name, chosen);

    const QString copy = dir.filePath(QStringLiteral("other folder/cöpy.json"));
    QVERIFY(designer.savePageAs(copy));
    QCOMPARE(readFile(path), kPage);   // the original is untouched
    QVERIFY(canvas->pageWindow(copy) && canvas->pageWindow(copy) == canvas->GetCurWindow());
    QCOMPARE(canvas->GetCurWindow()->findChild<TavixQPushButton *>(QStringLiteral("b"))->getBackground(Normal).name,
             chosen);
    QVERIFY(!designer.savePageAs(QStringLiteral("/etc/passwd/x.json")));   // under a file: nothing written
    QCOMPARE(canvas->GetCurWindow(), canvas->pageWindow(copy));

    // Delete: the selected box with the selected label inside it, while the list shows the label; the
    // page's root element stays.
    TavixQCanvasWindow *window = canvas->GetCurWindow();
    canvas->RemoveAllSelected();
    canvas->AddSelectedControl(window->findChild<QWidget *>(QStringLiteral("root")));
    canvas->AddSelectedControl(window->findChild<QWidget *>(QStringLiteral("box")));
    canvas->AddSelectedControl(window->findChild<QWidget *>(QStringLiteral("inner")));
    QCOMPARE(designer.deleteSelection(), 1);
    QVERIFY(!window->findChild<QWidget *>(QStringLiteral("box")) && window->findChild<QWidget *>(QStringLiteral("root")));
    QVERIFY(canvas->selectedWidgets().isEmpty() && !list->getBoundControl());
    QVERIFY(canvas->SavePage(copy) && !readFile(copy).contains("\"box\"") && readFile(copy).contains("\"root\""));
}

// A page file whose name the loader reads otherwise (".json" is appended to names without it): not
// opened, so no empty page can be saved over it.
void tst_Canvas::pageTheLoaderCannotRead()
{
    QTemporaryDir dir;
    for (const char *name : {"Upper.JSON", "no extension"}) {
        const QString path = dir.filePath(QLatin1String(name));
        QVERIFY(writeFile(path, kPage));
        TavixQCanvas canvas;
        QVERIFY(canvas.OpenJsonFile(path));
        QVERIFY2(!canvas.pageWindow(path) || canvas.pageWindow(path)->findChild<QWidget *>(QStringLiteral("b")), name);
        canvas.SavePage(path);
        QCOMPARE(readFile(path), kPage);
    }
}

// Saving where a folder became a file, and through a link to the page: false or the link kept.
void tst_Canvas::hostileSavePaths()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("sub")));
    const QString path = dir.filePath(QStringLiteral("sub/page.json"));
    QVERIFY(writeFile(path, kPage));
    const QString link = dir.filePath(QStringLiteral("link.json"));
    QVERIFY(QFile::link(path, link));
    {
        Fixture f(link);
        f.canvas.AddSelectedControl(f.find("root"));
        QVERIFY(f.canvas.createControl(QStringLiteral("qtlabel")));
        QVERIFY(f.canvas.SavePage(link));
        QVERIFY(QFileInfo(link).isSymLink());
        QVERIFY(readFile(path).contains("qtlabel"));
    }
    Fixture f(path);
    QVERIFY(QFile::remove(path) && QDir(dir.path()).rmdir(QStringLiteral("sub")));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("sub")), "a file"));   // the folder is a file now
    QVERIFY(!f.canvas.SavePage(path));
    QCOMPARE(readFile(dir.filePath(QStringLiteral("sub"))), QByteArray("a file"));
}

// The project's own styles written by SaveStyle are the ones the project folder gives back.
void tst_Canvas::projectStylesReadBack()
{
    QTemporaryDir dir;
    tavixSetProjectFilePath(dir.path() + QLatin1Char('/'));   // a new project: no style file yet
    FillStyle fill;
    fill.color = QColor(11, 22, 33);
    fill.border = true;
    fill.borderSize = 2;
    fill.borderColor = QColor(44, 55, 66);
    tavixSetProjectFillStyle(QStringLiteral("projFill"), fill);
    TextStyleDesc text;
    text.size = 19;
    text.color = QColor(1, 2, 3);
    tavixSetProjectTextStyle(QStringLiteral("projText"), text);
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    const QString before = manager->toProjectStyleString();
    QVERIFY(before.contains(QLatin1String("projFill")) && before.contains(QLatin1String("projText")));

    TavixQCanvas canvas;
    QVERIFY(canvas.SaveStyle(dir.filePath(QStringLiteral("style.json"))));
    QVERIFY(tavixSetProjectFilePath(dir.path() + QLatin1Char('/')));
    QCOMPARE(manager->toProjectStyleString(), before);
    FillStyle readFill;
    QVERIFY(tavixGetProjectFillStyle(QStringLiteral("projFill"), readFill));
    QCOMPARE(readFill.color, fill.color);
    QCOMPARE(readFill.borderColor, fill.borderColor);
    TextStyleDesc readText;
    QVERIFY(tavixGetProjectTextStyle(QStringLiteral("projText"), readText));
    QCOMPARE(readText.size, 19);
}

QTEST_MAIN(tst_Canvas)
#include "tst_canvas.moc"
