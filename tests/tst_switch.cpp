#include "TavixTestSupport.h"
#include "controls/TavixQSwitch.h"
#include "controls/TavixQSwitchImpl.h"
#include "core/TavixJson.h"
#include "resources/TavixQResourceManager.h"

#include <QImage>
#include <QPointer>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <json/value.h>

#include <climits>
#include <cstring>

using namespace TavixQtLib;

namespace {

using tavixtest::parse;
using tavixtest::solid;

const QColor kBackground(0, 0, 255);
const QColor kThumbNormal(255, 0, 0);
const QColor kThumbPressed(0, 255, 0);

void probeLook(TavixQSwitch &sw)
{
    sw.resize(100, 29);
    sw.setBackgroundStyle(CommonNormal, solid(kBackground));
    sw.setThumbStyle(AllStates, solid(kThumbNormal));
    sw.setThumbStyle(Pressed, solid(kThumbPressed));
    sw.setLeftText(QString());
    sw.setRightText(QString());
}

QImage shown(QWidget &widget)
{
    return tavixtest::rendered(widget);
}

int thumbLeft(TavixQSwitch &sw)
{
    return sw.getImpl()->thumbRect(sw.rect()).left();
}

int inkIn(const QImage &image, const QRect &box)
{
    int n = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += c.red() > 180 && c.green() > 180 && c.blue() < 100;
        }
    }
    return n;
}

} // namespace

class tst_Switch : public QObject
{
    Q_OBJECT

private slots:
    void pressMovesThumbAcross();
    void thumbFollowsSideAndSize();
    void onFromNode_data();
    void onFromNode();
    void oneTextAwayFromThumb();
    void thumbSlots();
    void missingKeys_data();
    void missingKeys();
    void hostileNumbers_data();
    void hostileNumbers();
    void deleted_data();
    void deleted();
    void naturalSizeInALayout();
};

void tst_Switch::pressMovesThumbAcross()
{
    TavixQSwitch sw;
    probeLook(sw);
    sw.setSwitchSpeed(600);
    QSignalSpy toggled(&sw, &TavixQSwitch::toggled);
    QCOMPARE(thumbLeft(sw), 73);            // 100 - 2 * 2 - 25, plus the left margin
    QImage image = shown(sw);
    QCOMPARE(image.pixelColor(85, 14), kThumbNormal);
    QCOMPARE(image.pixelColor(14, 14), kBackground);

    QTest::mousePress(&sw, Qt::LeftButton, Qt::NoModifier, QPoint(50, 14));
    QCOMPARE(shown(sw).pixelColor(85, 14), kThumbPressed);   // the press shows at once
    QTest::mouseRelease(&sw, Qt::LeftButton, Qt::NoModifier, QPoint(50, 14));
    // On its way the thumb is between the ends and the side has not changed yet.
    QTRY_VERIFY(thumbLeft(sw) > 2 && thumbLeft(sw) < 60);
    QVERIFY(!sw.getIsSwitchToLeft());
    const int before = thumbLeft(sw);
    QTest::mouseClick(&sw, Qt::LeftButton, Qt::NoModifier, QPoint(50, 14));
    QVERIFY(thumbLeft(sw) <= before);       // a second press does not restart it from 73
    QTRY_VERIFY(!sw.getImpl()->isAnimating());
    QVERIFY(sw.getIsSwitchToLeft());
    QCOMPARE(thumbLeft(sw), 2);
    QCOMPARE(toggled.count(), 1);
    QCOMPARE(toggled.at(0).at(0).toBool(), false);
    image = shown(sw);
    QCOMPARE(image.pixelColor(14, 14), kThumbNormal);
    QCOMPARE(image.pixelColor(85, 14), kBackground);
}

// The thumb rests at its side's end whatever changed since it was first drawn.
void tst_Switch::thumbFollowsSideAndSize()
{
    TavixQSwitch sw;
    probeLook(sw);
    shown(sw);
    sw.setSwitchToLeft(true);
    QCOMPARE(shown(sw).pixelColor(14, 14), kThumbNormal);
    Json::Value on = parse("{\"attr\": {\"on\": true}}");
    QVERIFY(sw.readJsonValue(&on));
    QCOMPARE(thumbLeft(sw), 73);
    sw.resize(160, 29);
    QCOMPARE(shown(sw).pixelColor(145, 14), kThumbNormal);
    sw.setMargin(10);
    sw.setThumbSize(20, 9);
    QCOMPARE(sw.getImpl()->thumbRect(sw.rect()), QRect(130, 10, 20, 9));

    // Cut short, a toggle leaves the thumb where it was asked to be, and no later flip follows.
    QTest::mouseClick(&sw, Qt::LeftButton, Qt::NoModifier, QPoint(50, 14));
    sw.setSwitchToLeft(false);
    QTest::qWait(sw.getSwitchSpeed() + 100);
    QVERIFY(!sw.getIsSwitchToLeft());
    QCOMPARE(thumbLeft(sw), 130);
}

void tst_Switch::onFromNode_data()
{
    QTest::addColumn<QByteArray>("attr");
    QTest::addColumn<bool>("left");
    QTest::newRow("absent") << QByteArray("{}") << true;
    QTest::newRow("true") << QByteArray("{\"on\": true}") << false;
    QTest::newRow("1") << QByteArray("{\"on\": 1}") << false;
    QTest::newRow("0") << QByteArray("{\"on\": 0}") << true;
    QTest::newRow("wrong kind") << QByteArray("{\"on\": \"yes\"}") << true;
}

void tst_Switch::onFromNode()
{
    QFETCH(QByteArray, attr);
    QFETCH(bool, left);
    Json::Value node = parse("{\"attr\": " + attr + "}");
    TavixQSwitch sw;
    sw.setSwitchToLeft(!left);
    QVERIFY(sw.readJsonValue(&node));
    QCOMPARE(sw.getIsSwitchToLeft(), left);

    Json::Value written = tavixtest::written(sw);
    const Json::Value *onKey = tavixJsonMember(written["attr"], "on");
    if (left)
        QVERIFY(!onKey);
    else
        QVERIFY(onKey && onKey->isBool() && onKey->asBool());
}

void tst_Switch::oneTextAwayFromThumb()
{
    TavixQSwitch sw;
    probeLook(sw);
    TextStyleDesc text;
    text.color = QColor(255, 255, 0);
    text.hor = 1;
    sw.setTextStyle(TavixQSwitch::Left, text);
    sw.setTextStyle(TavixQSwitch::Right, text);
    sw.setLeftText(QStringLiteral("On"));
    sw.setRightText(QStringLiteral("Off"));
    const QRect leftBox = sw.getImpl()->leftTextRect(sw.rect());
    const QRect rightBox = sw.getImpl()->rightTextRect(sw.rect());

    QVERIFY(inkIn(shown(sw), rightBox) > 0);   // both texts by default
    sw.setShowAllText(false);
    QImage image = shown(sw);                 // thumb at the right: only "On", at the left
    QVERIFY(inkIn(image, leftBox) > 0);
    QCOMPARE(inkIn(image, rightBox), 0);
    sw.setSwitchToLeft(true);
    image = shown(sw);
    QCOMPARE(inkIn(image, leftBox), 0);
    QVERIFY(inkIn(image, rightBox) > 0);
}

// Slot 2 fills every thumb state and a later state entry overrides its copy; slot 1 is no thumb slot.
void tst_Switch::thumbSlots()
{
    TavixQResourceManager *rm = TavixQResourceManager::getInstance();
    FillStyle thumb = solid(QColor(4, 5, 6), QStringLiteral("tstSwitchThumb"));
    FillStyle hot = solid(QColor(7, 8, 9), QStringLiteral("tstSwitchHot"));
    FillStyle stray = solid(QColor(1, 2, 3), QStringLiteral("tstSwitchStray"));
    for (FillStyle *style : {&thumb, &hot, &stray})
        rm->setFillStyle(style->name, *style);
    Json::Value node = parse("{\"style\": [[\"tstSwitchThumb\", 1, 2], [\"tstSwitchStray\", 1, 1],"
                             " [\"tstSwitchHot\", 1, 3]]}");
    TavixQSwitch sw;
    QVERIFY(sw.readJsonValue(&node));
    QList<QColor> thumbs;
    for (int s = Normal; s <= Disable; ++s)
        thumbs << sw.getThumbStyle(CtrlState(s)).color;
    QCOMPARE(thumbs, QList<QColor>({thumb.color, hot.color, thumb.color, thumb.color}));
    QVERIFY(sw.getBackgroundStyle(CommonNormal).color != stray.color);
}

void tst_Switch::missingKeys_data()
{
    QTest::addColumn<bool>("fromTheme");
    QTest::newRow("page node resets") << false;
    QTest::newRow("theme entry keeps the page's") << true;   // a theme restyles; texts and side are the page's
}

void tst_Switch::missingKeys()
{
    QFETCH(bool, fromTheme);
    TavixQSwitch sw;
    sw.setThumbSize(30, 20);
    QSignalSpy toggled(&sw, &TavixQSwitch::toggled);
    Json::Value entry = parse("{\"attr\": {\"margin\": 5}}");
    Json::Value *node = &entry;
    TavixQResourceManager::getInstance()->setSwitchToThemeRes(fromTheme);
    sw.getImpl()->serializeJsonValue(&node, true);
    TavixQResourceManager::getInstance()->setSwitchToThemeRes(false);
    QCOMPARE(sw.getMargin(), 5);
    QCOMPARE(sw.getThumbBtnSize(), fromTheme ? QSize(30, 20) : QSize(25, 25));
    QCOMPARE(sw.getLeftText(), fromTheme ? QStringLiteral("On") : QString());
    QCOMPARE(sw.getRightText(), fromTheme ? QStringLiteral("Off") : QString());
    QCOMPARE(sw.getIsSwitchToLeft(), !fromTheme);
    QCOMPARE(toggled.count(), fromTheme ? 0 : 1);

    Json::Value written(Json::objectValue);    // a default switch writes none of its own keys
    TavixQSwitch().serializeJsonValue(&written, false);
    for (const char *key : {"thumbW", "thumbH", "speed", "margin", "on"})
        QVERIFY2(tavixJsonHas(written["attr"], key) == !strcmp(key, "on"), key);
}

void tst_Switch::hostileNumbers_data()
{
    QTest::addColumn<QByteArray>("attr");
    QTest::addColumn<QSize>("thumb");
    QTest::addColumn<int>("margin");
    QTest::addColumn<uint>("speed");
    QTest::newRow("INT_MAX") << QByteArray("{\"thumbW\": 2147483647, \"thumbH\": 2147483647, \"margin\": 2147483647,"
                                           " \"speed\": 2147483647}")
                             << QSize(10000, 10000) << 10000 << 10000u;
    QTest::newRow("INT_MIN") << QByteArray("{\"thumbW\": -2147483648, \"thumbH\": -2147483648,"
                                           " \"margin\": -2147483648, \"speed\": -2147483648}")
                             << QSize(0, 0) << 0 << 300u;
    QTest::newRow("NaN as text") << QByteArray("{\"thumbW\": \"NaN\", \"thumbH\": \"nan\", \"margin\": \"NaN\","
                                               " \"speed\": \"NaN\"}")
                                 << QSize(25, 25) << 2 << 300u;
    QTest::newRow("beyond int") << QByteArray("{\"thumbW\": 1e300, \"margin\": 9223372036854775807,"
                                              " \"speed\": 4294967296}")
                                << QSize(25, 25) << 2 << 300u;
}

void tst_Switch::hostileNumbers()
{
    QFETCH(QByteArray, attr);
    QFETCH(QSize, thumb);
    QFETCH(int, margin);
    QFETCH(uint, speed);
    Json::Value node = parse("{\"attr\": " + attr + "}");
    TavixQSwitch sw;
    sw.resize(100, 29);
    sw.readJsonValue(&node);
    QCOMPARE(sw.getThumbBtnSize(), thumb);
    QCOMPARE(sw.getMargin(), margin);
    QCOMPARE(sw.getSwitchSpeed(), speed);
    shown(sw);
    sw.setSwitchSpeed(20);
    QTest::mouseClick(&sw, Qt::LeftButton, Qt::NoModifier, QPoint(50, 14));
    shown(sw);
    QTRY_VERIFY(!sw.getImpl()->isAnimating());
    sw.setSwitchSpeed(UINT_MAX);
    QCOMPARE(sw.getSwitchSpeed(), 10000u);
}

void tst_Switch::deleted_data()
{
    QTest::addColumn<uint>("speed");
    QTest::addColumn<bool>("fromToggled");     // else by a timer while the thumb moves
    QTest::newRow("from toggled") << 40u << true;
    QTest::newRow("from toggled, inside the press") << 0u << true;   // a zero-length toggle ends at once
    QTest::newRow("mid-animation") << 200u << false;
}

void tst_Switch::deleted()
{
    QFETCH(uint, speed);
    QFETCH(bool, fromToggled);
    QWidget parent;
    QPointer<TavixQSwitch> sw = new TavixQSwitch(&parent);
    sw->resize(100, 29);
    sw->setSwitchSpeed(speed);
    auto kill = [&sw] { delete sw.data(); };
    if (fromToggled)
        connect(sw.data(), &TavixQSwitch::toggled, sw.data(), kill);
    else
        QTimer::singleShot(60, sw.data(), kill);
    QTest::mousePress(sw.data(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 14));
    QTRY_VERIFY(!sw);
    QTest::qWait(int(speed) + 50);   // animation ticks left over must find nothing
}

QTEST_MAIN(tst_Switch)
// A layout gives a switch room for its thumb at either end, and follows a new thumb or margin.
void tst_Switch::naturalSizeInALayout()
{
    QWidget window;
    auto *sw = new TavixQSwitch;
    tavixtest::showInLayout(window, sw);
    QCOMPARE(sw->sizeHint(), QSize(2 + 25 + 25 + 2, 2 + 25 + 2));
    QTRY_COMPARE(sw->size(), sw->sizeHint());
    sw->setThumbSize(30, 16);
    QTRY_COMPARE(sw->size(), QSize(64, 20));
    sw->setMargin(0);
    QTRY_COMPARE(sw->size(), QSize(60, 16));
    sw->setThumbSize(INT_MAX, INT_MAX);   // bounded, and the layout caps it at the window
    QCOMPARE(sw->sizeHint(), QSize(20000, 10000));
}

#include "tst_switch.moc"
