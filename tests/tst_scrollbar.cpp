#include "TavixTestSupport.h"
#include "controls/TavixQScrollBar.h"
#include "controls/TavixQScrollBarImpl.h"
#include "core/TavixJson.h"
#include "resources/TavixQResourceManager.h"

#include <QImage>
#include <QMouseEvent>
#include <QtTest>

#include <json/value.h>

using namespace TavixQtLib;
using Part = TavixQScrollBarImpl::Part;

namespace {

using tavixtest::parse;

void registerFill(const QString &name, const QColor &color)
{
    FillStyle style = tavixtest::solid(color, name);
    TavixQResourceManager::getInstance()->setFillStyle(name, style);
}

using tavixtest::moveTo;

} // namespace

class tst_ScrollBar : public QObject
{
    Q_OBJECT

private slots:
    void partStates_data();
    void partStates();
    void sizeHintThickness();
    void thumbSlotFillsEveryState();
    void styleSlotsFromNode();
    void horFromJson_data();
    void horFromJson();
};

void tst_ScrollBar::partStates_data()
{
    QTest::addColumn<int>("part");
    QTest::addColumn<QPoint>("off");        // where the held button is dragged to, on a 16 x 200 bar
    QTest::addColumn<int>("offState");      // until the release
    QTest::newRow("up arrow returns to Normal") << int(TavixQScrollBarImpl::UpPart) << QPoint(8, 100) << int(Normal);
    QTest::newRow("thumb stays Pressed") << int(TavixQScrollBarImpl::ThumbPart) << QPoint(76, 130) << int(Pressed);
}

void tst_ScrollBar::partStates()
{
    QFETCH(int, part);
    QFETCH(QPoint, off);
    QFETCH(int, offState);
    TavixQScrollBar bar;
    bar.setRange(0, 100);
    bar.setPageStep(20);
    bar.resize(16, 200);
    TavixQScrollBarImpl *impl = bar.getImpl();
    int &state = part == TavixQScrollBarImpl::UpPart ? impl->upState : impl->thumbState;
    const QPoint on = impl->partRect(Part(part)).center();

    state = 9;   // a stray value counts as Normal
    moveTo(&bar, on, Qt::NoButton);
    QCOMPARE(state, int(Hot));
    tavixtest::send(bar, QEvent::Leave);
    QCOMPARE(state, int(Normal));
    QTest::mousePress(&bar, Qt::LeftButton, Qt::NoModifier, on);
    QCOMPARE(state, int(Pressed));
    moveTo(&bar, off, Qt::LeftButton);
    QCOMPARE(state, offState);
    tavixtest::send(bar, QEvent::Leave);
    QCOMPARE(state, offState);
    QTest::mouseRelease(&bar, Qt::LeftButton, Qt::NoModifier, off);
    QCOMPARE(state, int(Normal));
}

void tst_ScrollBar::sizeHintThickness()
{
    for (const Qt::Orientation orientation : {Qt::Vertical, Qt::Horizontal}) {
        TavixQScrollBar bar(orientation, nullptr);
        const QSize original = bar.sizeHint();
        bar.setWidthHeight(8);
        QCOMPARE(bar.sizeHint(),
                 orientation == Qt::Vertical ? QSize(8, original.height()) : QSize(original.width(), 8));
        bar.setWidthHeight(-1);
        QCOMPARE(bar.sizeHint(), original);
    }
}

void tst_ScrollBar::thumbSlotFillsEveryState()
{
    registerFill(QStringLiteral("tstScrollThumb"), QColor(200, 0, 0));
    Json::Value node = parse("{\"style\": [[\"tstScrollThumb\", 1, 10]]}");
    TavixQScrollBar bar;
    QVERIFY(bar.readJsonValue(&node));
    bar.setRange(0, 100);
    bar.setPageStep(50);
    bar.resize(16, 200);
    TavixQScrollBarImpl *impl = bar.getImpl();
    const QPoint centre = impl->partRect(TavixQScrollBarImpl::ThumbPart).center();
    for (int state : {int(Normal), int(Hot), int(Pressed), int(Disable), 9, -1}) {
        impl->thumbState = state < 0 ? Normal : state;
        bar.setEnabled(state >= 0);
        QCOMPARE(tavixtest::rendered(bar).pixelColor(centre), QColor(200, 0, 0));
    }
}

void tst_ScrollBar::styleSlotsFromNode()
{
    const QColor a(10, 20, 30), b(40, 50, 60);
    registerFill(QStringLiteral("tstScrollA"), a);
    registerFill(QStringLiteral("tstScrollB"), b);
    // Slot 6 styles every down-button state, 8 then overrides only Pressed; 1 and 14 name no part.
    Json::Value node = parse("{\"name\": \"bar\", \"attr\": {\"upicon\": \"up.svg\", \"thumbicon\": \"t.png\","
                                    " \"hor\": 1}, \"style\": [[\"tstScrollA\", 1, 6], [\"tstScrollB\", 1, 8],"
                                    " [\"tstScrollB\", 1, 0], [\"tstScrollB\", 1, 1], [\"nope\", 1, 2],"
                                    " [\"tstScrollB\", 1, 14], [\"tstScrollB\", 1, 10], [\"tstScrollA\", 1, 12]]}");
    TavixQScrollBar bar;
    QVERIFY(bar.readJsonValue(&node));
    QCOMPARE(bar.getScrollbarDownButton(Hot).color, a);
    QCOMPARE(bar.getScrollbarDownButton(Pressed).color, b);
    QCOMPARE(bar.getScrollbarBackground(Normal).color, b);
    QCOMPARE(bar.getScrollbarUpButton(Normal).color, FillStyle().color);
    QCOMPARE(bar.getScrollbarThumb(Pressed).color, a);
    QCOMPARE(bar.getScrollbarThumb(Normal).color, b);
}

void tst_ScrollBar::horFromJson_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("hor 1") << QByteArray("{\"attr\": {\"hor\": 1}}") << true;
    QTest::newRow("hor true") << QByteArray("{\"attr\": {\"hor\": true}}") << true;
    QTest::newRow("hor 0") << QByteArray("{\"attr\": {\"hor\": 0}}") << false;
    QTest::newRow("wrong kind") << QByteArray("{\"attr\": {\"hor\": \"yes\"}}") << false;
}

void tst_ScrollBar::horFromJson()
{
    QFETCH(QByteArray, json);
    QFETCH(bool, horizontal);
    Json::Value node = parse(json.constData());
    TavixQScrollBar bar(Qt::Horizontal);
    bar.readJsonValue(&node);
    QCOMPARE(bar.orientation(), horizontal ? Qt::Horizontal : Qt::Vertical);
    QCOMPARE(bar.getImpl()->horizontal, horizontal);

    // A theme entry restyles a bar but never turns it.
    TavixQScrollBar themed(Qt::Horizontal);
    TavixQResourceManager::getInstance()->setSwitchToThemeRes(true);
    Json::Value *entry = &node;
    themed.getImpl()->serializeJsonValue(&entry, true);
    TavixQResourceManager::getInstance()->setSwitchToThemeRes(false);
    QCOMPARE(themed.orientation(), Qt::Horizontal);
}

QTEST_MAIN(tst_ScrollBar)
#include "tst_scrollbar.moc"
