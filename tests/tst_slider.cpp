#include "TavixTestSupport.h"
#include "controls/TavixQSlider.h"
#include "controls/TavixQSliderImpl.h"
#include "core/CScrollBarStyle.h"
#include "core/TavixJson.h"
#include "core/TavixLibrary.h"
#include "resources/TavixQResourceManager.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionSlider>
#include <QtTest>

#include <json/value.h>

#include <climits>

using namespace TavixQtLib;

namespace {

using tavixtest::parse;
using tavixtest::solid;
using tavixtest::moveTo;

const QColor kChannel(0, 0, 255);
const QColor kFilled(255, 0, 0);
const QColor kThumb[4] = {QColor(0, 255, 0), QColor(255, 255, 0), QColor(255, 0, 255), QColor(0, 0, 0)};

void probeLook(TavixQSlider &slider)
{
    slider.setBackgroundStyle(CommonNormal, solid(kChannel));
    slider.setForegroundStyle(CommonNormal, solid(kFilled));
    for (int s = Normal; s <= Disable; ++s)
        slider.setThumbStyle(CtrlState(s), solid(kThumb[s]));
}

QImage shown(QWidget &widget)
{
    return tavixtest::rendered(widget);
}


} // namespace

class tst_Slider : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void handleFromStyle_data();
    void handleFromStyle();
    void channelAndFill_data();
    void channelAndFill();
    void thumbStates();
    void nodeRoundTrip();
    void hostileNumbers_data();
    void hostileNumbers();
};

void tst_Slider::initTestCase()
{
    init();
    QVERIFY(qobject_cast<CScrollBarStyle *>(QApplication::style()));
}

void tst_Slider::handleFromStyle_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("thumb");
    QTest::newRow("horizontal") << true << QSize(200, 30) << QSize(20, 20);
    QTest::newRow("horizontal, odd thumb") << true << QSize(213, 37) << QSize(23, 13);
    QTest::newRow("vertical") << false << QSize(30, 200) << QSize(20, 20);
    QTest::newRow("vertical, odd thumb") << false << QSize(37, 213) << QSize(13, 7);
}

// The style sizes the handle from the slider and centres it across the groove; along the groove the
// base style places it, over a travel shortened by the slider's own thumb length.
void tst_Slider::handleFromStyle()
{
    QFETCH(bool, horizontal);
    QFETCH(QSize, size);
    QFETCH(QSize, thumb);
    TavixQSlider slider(horizontal ? Qt::Horizontal : Qt::Vertical);
    slider.resize(size);
    slider.setThumbSize(thumb.width(), thumb.height());
    probeLook(slider);
    const QStyle *base = static_cast<QProxyStyle *>(slider.style())->baseStyle();
    QStyleOptionSlider option;
    slider.initStyleOption(&option);
    const int len = horizontal ? thumb.width() : thumb.height();
    QCOMPARE(slider.style()->pixelMetric(QStyle::PM_SliderLength, &option, &slider), len);
    QCOMPARE(slider.getSliderLength(), len);

    for (int value : {0, 37, 100}) {
        slider.setValue(value);
        slider.initStyleOption(&option);
        const QRect along = base->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &slider);
        const QRect expected = horizontal
            ? QRect(along.left(), (size.height() - thumb.height()) / 2, thumb.width(), thumb.height())
            : QRect((size.width() - thumb.width()) / 2, along.top(), thumb.width(), thumb.height());
        const QRect handle = slider.style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle,
                                                            &slider);
        QCOMPARE(handle, expected);
        QCOMPARE(slider.getThumbRect(), expected);
        QCOMPARE(shown(slider).pixelColor(expected.center()), kThumb[Normal]);
    }
    // At the ends of the range the thumb meets the ends of the groove: the travel knows its length.
    slider.setValue(horizontal ? 100 : 0);
    QCOMPARE(horizontal ? slider.getThumbRect().right() : slider.getThumbRect().bottom(),
             (horizontal ? size.width() : size.height()) - 1);
    slider.setValue(horizontal ? 0 : 100);
    QCOMPARE(horizontal ? slider.getThumbRect().left() : slider.getThumbRect().top(), 0);
}

void tst_Slider::channelAndFill_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<QRect>("channel");
    QTest::addColumn<QRect>("filled");
    // A 4-pixel thumb leaves the rows (columns) of the channel beside it visible.
    QTest::newRow("quarter") << true << 0 << 100 << 25 << QRect(0, 10, 200, 10) << QRect(0, 10, 50, 10);
    QTest::newRow("negative range, half") << true << -50 << 50 << 0 << QRect(0, 10, 200, 10) << QRect(0, 10, 100, 10);
    QTest::newRow("one-value range") << true << 5 << 5 << 5 << QRect(0, 10, 200, 10) << QRect();
    QTest::newRow("upright, 40") << false << 0 << 100 << 40 << QRect(10, 0, 10, 200) << QRect(10, 120, 10, 80);
}

void tst_Slider::channelAndFill()
{
    QFETCH(bool, horizontal);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(QRect, channel);
    QFETCH(QRect, filled);
    TavixQSlider slider(horizontal ? Qt::Horizontal : Qt::Vertical);
    slider.resize(horizontal ? QSize(200, 30) : QSize(30, 200));
    slider.setThumbSize(horizontal ? 20 : 4, horizontal ? 4 : 20);
    slider.setRange(minimum, maximum);
    slider.setValue(value);
    probeLook(slider);
    const QImage image = shown(slider);
    // The first and last row (column) of the channel, at its start and its end.
    const QPoint probes[] = {channel.topLeft(), channel.bottomRight(), channel.topRight(), channel.bottomLeft()};
    for (const QPoint &p : probes)
        QCOMPARE(image.pixelColor(p), filled.contains(p) ? kFilled : kChannel);
    if (!filled.isEmpty()) {
        const QPoint inside = horizontal ? filled.topRight() : filled.topLeft();
        const QPoint past = horizontal ? inside + QPoint(1, 0) : inside - QPoint(0, 1);
        QCOMPARE(image.pixelColor(inside), kFilled);
        QCOMPARE(image.pixelColor(past), kChannel);
    }
    const QPoint outside = horizontal ? channel.topLeft() - QPoint(0, 1) : channel.topLeft() - QPoint(1, 0);
    QCOMPARE(image.pixelColor(outside), QColor(Qt::cyan));
}

void tst_Slider::thumbStates()
{
    TavixQSlider slider;
    slider.resize(200, 30);
    probeLook(slider);
    const int &state = slider.getImpl()->state;
    tavixtest::send(slider, QEvent::Enter);
    QVERIFY(slider.hasMouseTracking());
    QCOMPARE(state, int(Normal));                 // entering alone does not light the thumb
    moveTo(&slider, QPoint(10, 15), Qt::NoButton);
    QCOMPARE(state, int(Hot));
    moveTo(&slider, QPoint(100, 15), Qt::NoButton);
    QCOMPARE(state, int(Normal));

    // A press on the channel moves the value (Qt's page step) but leaves the thumb's look.
    QTest::mouseClick(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(180, 15));
    QVERIFY(slider.value() > 0);
    QCOMPARE(state, int(Normal));

    // Dragging the thumb: Pressed while held, Hot when released over it.
    slider.setValue(0);
    QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(10, 15));
    QCOMPARE(state, int(Pressed));
    moveTo(&slider, QPoint(110, 15), Qt::LeftButton);
    // The grabbed thumb follows the pointer: about 100 of 180 pixels of travel (Qt rounds).
    QVERIFY2(qAbs(slider.value() - 56) <= 1, qPrintable(QString::number(slider.value())));
    QCOMPARE(state, int(Pressed));
    QTest::mouseRelease(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(110, 15));
    QCOMPARE(state, int(Hot));
    const QImage image = shown(slider);
    QCOMPARE(image.pixelColor(110, 15), kThumb[Hot]);
    QCOMPARE(image.pixelColor(5, 15), kFilled);
    QCOMPARE(image.pixelColor(190, 15), kChannel);

    tavixtest::send(slider, QEvent::Leave);
    QCOMPARE(state, int(Normal));
    QVERIFY(!slider.hasMouseTracking());
}

void tst_Slider::nodeRoundTrip()
{
    TavixQResourceManager *rm = TavixQResourceManager::getInstance();
    FillStyle channel = solid(QColor(1, 2, 3), QStringLiteral("tstSliderChannel"));
    FillStyle filled = solid(QColor(4, 5, 6), QStringLiteral("tstSliderFilled"));
    FillStyle thumb = solid(QColor(7, 8, 9), QStringLiteral("tstSliderThumb"));
    for (FillStyle *style : {&channel, &filled, &thumb})
        rm->setFillStyle(style->name, *style);

    Json::Value node = parse("{\"name\": \"s\", \"attr\": {\"isHor\": 0, \"thumbW\": 14, \"thumbH\": 9,"
                             " \"channelSize\": 3, \"min\": -20, \"max\": 40, \"val\": -5},"
                             " \"style\": [[\"tstSliderChannel\", 1, 0], [\"tstSliderFilled\", 1, 2],"
                             " [\"tstSliderThumb\", 1, 4], [\"tstSliderChannel\", 1, 6]]}");
    TavixQSlider slider;
    QVERIFY(slider.readJsonValue(&node));
    QCOMPARE(slider.orientation(), Qt::Vertical);
    QCOMPARE(slider.getThumbBtnSize(), QSize(14, 9));
    QCOMPARE(slider.getChannelHeight(), 3);
    QCOMPARE(slider.minimum(), -20);
    QCOMPARE(slider.maximum(), 40);
    QCOMPARE(slider.value(), -5);
    QCOMPARE(slider.getForegroundStyle(CommonNormal).color, filled.color);
    QCOMPARE(slider.getThumbStyle(Hot).color, thumb.color);
    QCOMPARE(slider.getThumbStyle(Pressed).color, channel.color);

    Json::Value first = tavixtest::written(slider);
    TavixQSlider copy;
    QVERIFY(copy.readJsonValue(&first));
    Json::Value second = tavixtest::written(copy);
    QCOMPARE(tavixJsonStyled(second), tavixJsonStyled(first));

    // A node without the value keys gives a horizontal slider at 0.
    Json::Value bare = parse("{\"attr\": {}}");
    QVERIFY(copy.readJsonValue(&bare));
    QCOMPARE(copy.orientation(), Qt::Horizontal);
    QCOMPARE(copy.value(), 0);
    QCOMPARE(copy.minimum(), -20);

    // A theme entry restyles sliders of both orientations; it never turns them or moves their values.
    slider.setValue(30);
    Json::Value entry = parse("{\"attr\": {\"thumbW\": 12}}");
    Json::Value *themed = &entry;
    rm->setSwitchToThemeRes(true);
    slider.getImpl()->serializeJsonValue(&themed, true);
    rm->setSwitchToThemeRes(false);
    QCOMPARE(slider.getThumbBtnSize(), QSize(12, 9));
    QCOMPARE(slider.orientation(), Qt::Vertical);
    QCOMPARE(slider.value(), 30);
}

void tst_Slider::hostileNumbers_data()
{
    QTest::addColumn<QByteArray>("attr");
    QTest::newRow("min above max") << QByteArray("{\"min\": 80, \"max\": 20, \"val\": 50}");
    QTest::newRow("full int range") << QByteArray("{\"min\": -2147483648, \"max\": 2147483647, \"val\": 2147483647}");
    QTest::newRow("INT_MIN everywhere") << QByteArray("{\"min\": -2147483648, \"max\": -2147483648,"
                                                      " \"val\": -2147483648, \"thumbW\": -2147483648,"
                                                      " \"thumbH\": -2147483648, \"channelSize\": -2147483648}");
    QTest::newRow("INT_MAX sizes") << QByteArray("{\"thumbW\": 2147483647, \"thumbH\": 2147483647,"
                                                 " \"channelSize\": 2147483647}");
    QTest::newRow("NaN as text") << QByteArray("{\"min\": \"NaN\", \"max\": \"NaN\", \"val\": \"NaN\","
                                               " \"thumbW\": \"NaN\"}");
}

void tst_Slider::hostileNumbers()
{
    QFETCH(QByteArray, attr);
    Json::Value node = parse("{\"attr\": " + attr + "}");
    for (const Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
        TavixQSlider slider;
        slider.resize(orientation == Qt::Horizontal ? QSize(200, 30) : QSize(30, 200));
        slider.readJsonValue(&node);
        slider.setOrientation(orientation);
        QVERIFY(slider.minimum() <= slider.maximum());
        QVERIFY(slider.value() >= slider.minimum() && slider.value() <= slider.maximum());
        QVERIFY(slider.getThumbBtnSize().width() >= 0 && slider.getThumbBtnSize().width() <= 10000);
        const double f = TavixQSliderImpl::fraction(slider.value(), slider.minimum(), slider.maximum());
        QVERIFY(f >= 0.0 && f <= 1.0);
        shown(slider);
        QTest::mouseClick(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(15, 15));
        QTest::keyClick(&slider, Qt::Key_PageUp);
        QTest::keyClick(&slider, Qt::Key_End);
        shown(slider);
    }
}

QTEST_MAIN(tst_Slider)
#include "tst_slider.moc"
