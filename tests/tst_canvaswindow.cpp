#include "TavixTestSupport.h"
#include "controls/TavixQContainer.h"
#include "controls/TavixQLabel.h"
#include "controls/TavixQPushButton.h"
#include "core/ControlInfo.h"
#include "core/ITavixQWidgetBase.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixJson.h"
#include "core/TavixLibrary.h"
#include "core/TavixPageDocument.h"
#include "designer/TavixQCanvasWindow.h"
#include "designer/TavixQWindowDesigner.h"
#include "resources/TavixQResourceManager.h"

#include <QFile>
#include <QMoveEvent>
#include <QTemporaryDir>
#include <QtTest>

#include <json/value.h>

using namespace TavixQtLib;

namespace {

using tavixtest::parse;
using tavixtest::show;

class ResizeCounter : public QWidget
{
public:
    int resizes = 0;

protected:
    void resizeEvent(QResizeEvent *) override { ++resizes; }
};

} // namespace

class tst_CanvasWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void descriptor();
    void pageKeys_data();
    void pageKeys();
    void typeComesFirst();
    void hitTest_data();
    void hitTest();
    void hideAll();
    void designerFollowsParent();
    void designerTheme();

private:
    QTemporaryDir m_dir;
};

void tst_CanvasWindow::initTestCase()
{
    init();
}

void tst_CanvasWindow::descriptor()
{
    const ControlInfo *info = tavixGetControlInfo(QStringLiteral("Window"));
    QVERIFY(info);
    QWidget *made = tavixCreateControlByKeyword("Window", nullptr);
    auto *window = qobject_cast<TavixQCanvasWindow *>(made);
    QVERIFY(window);
    info->properties[1].setInt(window, 333);    // "Width" fixes the width
    QCOMPARE(window->width(), 333);
    QCOMPARE(window->minimumWidth(), 333);
    delete made;
}

void tst_CanvasWindow::pageKeys_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QByteArray>("expected");   // the document without "elements"
    QTest::newRow("defaults") << "" << QByteArray(R"({"dbheight":40,"drag":true,"h":200,"minH":400,"minW":400,"w":300})");
    QTest::newRow("zero minimums and caption 35, no drag")
        << "zero" << QByteArray(R"({"dbheight":35,"drag":false,"h":200,"minH":0,"minW":0,"w":300})");
    QTest::newRow("flags") << "flags" << QByteArray(R"({"dbheight":40,"dbmax":true,"drag":true,"h":200,"minH":400,)"
                                                    R"("minW":400,"onlyDragCaption":true,"resize":true,"trans":true,"w":300})");
}

void tst_CanvasWindow::pageKeys()
{
    QFETCH(QString, setup);
    QFETCH(QByteArray, expected);
    TavixQCanvasWindow window;
    window.resize(300, 200);
    if (setup == QLatin1String("zero")) {
        window.setMinWidth(0);
        window.setMinHeight(0);
        window.setCaptionHeight(35);
        window.setCanDrag(false);
    } else if (setup == QLatin1String("flags")) {
        window.setResizeable(true);
        window.setOnlyDragCaption(true);
        window.setMaximizeOnDoubleClick(true);
        window.setTransparent(true);
    }
    new QWidget(&window);   // not a kit control: no "elements"
    QString text;
    window.toJsonString(text);
    QCOMPARE(show(parse(text.toUtf8())), expected);

    const QString path = m_dir.filePath(QStringLiteral("keys.json"));
    QVERIFY(tavixtest::writeFile(path, text.toUtf8()));
    TavixQCanvasWindow again;
    tavixCreatePageByFileName(&again, path);
    QString reread;
    again.toJsonString(reread);
    QCOMPARE(show(parse(reread.toUtf8())), expected);
}

void tst_CanvasWindow::typeComesFirst()
{
    TavixQCanvasWindow window;
    auto *label = new TavixQLabel(&window);
    label->setObjectName(QStringLiteral("a"));
    label->setToolTip(QStringLiteral("tip"));
    QString text;
    window.toJsonString(text);
    const int elements = text.indexOf(QLatin1String("\"elements\""));
    QVERIFY(elements > 0);
    const int brace = text.indexOf(QLatin1Char('{'), elements);
    const QString firstKey = text.mid(brace + 1).trimmed().section(QLatin1Char('"'), 1, 1);
    QCOMPARE(firstKey, QStringLiteral("type"));
}

void tst_CanvasWindow::hitTest_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("hit");   // object name; empty: null
    // Window 200 x 100; container "c" at (10, 10) 100 x 50 holds "b" at (5, 5) 20 x 10 and "top" at
    // (10, 5) 20 x 10 over it; "gone" at (150, 10) 20 x 20 has visibility false and holds "inside".
    QTest::newRow("deepest") << QPoint(16, 16) << "b";
    QTest::newRow("later sibling on top") << QPoint(22, 17) << "top";
    QTest::newRow("left edge included") << QPoint(15, 15) << "b";
    QTest::newRow("right edge of top") << QPoint(39, 15) << "top";
    QTest::newRow("container bottom-right") << QPoint(109, 59) << "c";
    QTest::newRow("window") << QPoint(110, 60) << "w";
    QTest::newRow("hidden at design time") << QPoint(155, 15) << "w";
    QTest::newRow("outside") << QPoint(200, 100) << "";
}

void tst_CanvasWindow::hitTest()
{
    QFETCH(QPoint, point);
    QFETCH(QString, hit);
    TavixQCanvasWindow window;
    window.setObjectName(QStringLiteral("w"));
    window.resize(200, 100);
    const auto make = [](QWidget *parent, const char *name, QRect r) {
        auto *w = new TavixQLabel(parent);
        w->setObjectName(QLatin1String(name));
        w->setGeometry(r);
        w->setProperty("visibility", true);
        return w;
    };
    auto *c = make(&window, "c", QRect(10, 10, 100, 50));
    make(c, "b", QRect(5, 5, 20, 10));
    make(c, "top", QRect(10, 5, 20, 10));
    auto *gone = make(&window, "gone", QRect(150, 10, 20, 20));
    gone->setProperty("visibility", false);
    make(gone, "inside", QRect(0, 0, 20, 20));
    window.hideAllWidges();     // design time: Qt-hidden, drawn by the canvas
    QWidget *found = window.HitTestWithChildren(&window, point.x(), point.y());
    QCOMPARE(found ? found->objectName() : QString(), hit);
}

void tst_CanvasWindow::hideAll()
{
    TavixQCanvasWindow window;
    auto *a = new TavixQContainer(&window);
    auto *b = new TavixQPushButton(a);
    auto *plain = new QWidget(b);
    window.show();
    QVERIFY(plain->isVisible());
    window.hideAllWidges();
    QVERIFY(window.isVisible());
    QVERIFY(a->isHidden() && b->isHidden() && plain->isHidden());
}

// Resizing the parent resizes the designer to it, and the parent's own resize handling does not run;
// the designer stays at the origin.
void tst_CanvasWindow::designerFollowsParent()
{
    ResizeCounter parent;
    parent.resize(300, 200);
    auto *designer = new TavixQWindowDesigner(&parent);
    auto *label = new TavixQLabel(designer);
    Json::Value node = parse(R"({"x": 7, "y": 8, "w": 30, "h": 20})");
    label->readJsonValue(&node);
    parent.show();
    designer->resize(10, 10);   // takes the parent's size and starts following it
    QCOMPARE(designer->size(), QSize(300, 200));
    QCOMPARE(label->geometry(), QRect(7, 8, 30, 20));
    const int before = parent.resizes;
    parent.resize(800, 600);
    QCOMPARE(designer->size(), QSize(800, 600));
    QCOMPARE(parent.resizes, before);
    designer->move(40, 30);
    QCOMPARE(designer->pos(), QPoint(0, 0));
}

void tst_CanvasWindow::designerTheme()
{
    QTemporaryDir theme;
    QVERIFY(tavixtest::writeFile(theme.filePath(QStringLiteral("style.json")), R"({"style": []})"));
    TavixQWindowDesigner designer;
    Json::Value node = parse(R"({"name": "d", "attr": {"theme": ")" + theme.path().toUtf8() + R"("}})");
    QVERIFY(designer.readJsonValue(&node));
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    QCOMPARE(QDir(manager->getThemePath()), QDir(theme.path()));
    Json::Value out(Json::objectValue);
    designer.serializeJsonValue(&out, false);
    QString written;
    QVERIFY(tavixReadString(out["attr"], "theme", written));
    QCOMPARE(written, manager->getThemePath());
}

QTEST_MAIN(tst_CanvasWindow)
#include "tst_canvaswindow.moc"
