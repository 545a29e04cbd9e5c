#include "TavixTestSupport.h"
#include "controls/TavixQProgressBar.h"
#include "controls/TavixQProgressBarImpl.h"
#include "core/TavixJson.h"
#include "resources/TavixQResourceManager.h"

#include <QImage>
#include <QtTest>

#include <json/value.h>

#include <climits>

using namespace TavixQtLib;

namespace {

using tavixtest::parse;
using tavixtest::solid;

const QColor kEmpty(0, 0, 255);
const QColor kDone(255, 0, 0);

void probeLook(TavixQProgressBar &bar)
{
    bar.setBackground(CommonNormal, solid(kEmpty));
    bar.setForeground(CommonNormal, solid(kDone));
}

QImage shown(QWidget &widget)
{
    return tavixtest::rendered(widget);
}

} // namespace

class tst_ProgressBar : public QObject
{
    Q_OBJECT

private slots:
    void barFill_data();
    void barFill();
    void wedge_data();
    void wedge();
    void angleRange_data();
    void angleRange();
    void percentText_data();
    void percentText();
    void valueFromNodes();
    void hostileNumbers_data();
    void hostileNumbers();
};

void tst_ProgressBar::barFill_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");      // INT_MIN: Qt's reset value
    QTest::addColumn<int>("done");       // pixels filled along the bar
    QTest::newRow("40 of 100") << true << 0 << 100 << 40 << 80;
    QTest::newRow("upright 40 of 100") << false << 0 << 100 << 40 << 80;
    QTest::newRow("full") << true << 0 << 100 << 100 << 200;
    QTest::newRow("offset range") << true << 1000 << 1200 << 1150 << 150;
    QTest::newRow("reset") << true << 0 << 100 << INT_MIN << 0;
    QTest::newRow("one-value range") << true << 7 << 7 << 7 << 0;
}

void tst_ProgressBar::barFill()
{
    QFETCH(bool, horizontal);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(int, done);
    TavixQProgressBar bar;
    bar.setOrientation(horizontal ? Qt::Horizontal : Qt::Vertical);
    bar.resize(horizontal ? QSize(200, 20) : QSize(20, 200));
    bar.setRange(minimum, maximum);
    if (value == INT_MIN)
        bar.reset();
    else
        bar.setValue(value);
    probeLook(bar);
    const QImage image = shown(bar);
    auto at = [&](int along) {
        return horizontal ? image.pixelColor(along, 10) : image.pixelColor(10, 199 - along);
    };
    if (done > 0)
        QCOMPARE(at(done - 1), kDone);
    if (done < 200)
        QCOMPARE(at(done), kEmpty);
    QCOMPARE(at(0), done > 0 ? kDone : kEmpty);
}

void tst_ProgressBar::wedge_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("filled");     // quadrants filled: lower-left, upper-left, upper-right, lower-right
    QTest::newRow("empty") << 0 << "....";
    QTest::newRow("a quarter, clockwise from the bottom") << 25 << "L...";
    QTest::newRow("half") << 50 << "LU..";
    QTest::newRow("three quarters") << 75 << "LUR.";
    QTest::newRow("full") << 100 << "LURB";
}

void tst_ProgressBar::wedge()
{
    QFETCH(int, value);
    QFETCH(QString, filled);
    TavixQProgressBar bar;
    bar.resize(100, 100);
    bar.setCircleProgressBar(true);
    bar.setValue(value);
    probeLook(bar);
    const QImage image = shown(bar);
    // Quadrant centres, in the order of a clockwise sweep that starts straight down.
    const QPoint quadrants[] = {QPoint(25, 75), QPoint(25, 25), QPoint(75, 25), QPoint(75, 75)};
    for (int q = 0; q < 4; ++q)
        QCOMPARE(image.pixelColor(quadrants[q]), filled.at(q) == QLatin1Char('.') ? kEmpty : kDone);
}

void tst_ProgressBar::angleRange_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<bool>("stored");
    QTest::newRow("quarter turn") << 91 << 181 << true;
    QTest::newRow("start 0") << 0 << 90 << false;
    QTest::newRow("empty") << 90 << 90 << false;
    QTest::newRow("backwards") << 200 << 100 << false;
    QTest::newRow("INT_MIN start") << INT_MIN << 10 << false;
    QTest::newRow("huge") << 1 << INT_MAX << true;
}

void tst_ProgressBar::angleRange()
{
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(bool, stored);
    TavixQProgressBar bar;
    bar.setCircleAngleRange(start, end);
    int s = 0, e = 0;
    bar.getCirleAngleRange(s, e);
    QCOMPARE(s, stored ? start : 1);
    QCOMPARE(e, stored ? end : 361);

    // The wedge never outgrows one turn, however wide the range.
    bar.resize(100, 100);
    bar.setCircleProgressBar(true);
    bar.setValue(99);
    QVERIFY(bar.getImpl()->wedge(bar.rect(), 0.99).size() <= 363);
    shown(bar);
}

void tst_ProgressBar::percentText_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("29 stays 29") << 0 << 100 << 29 << "29%";
    QTest::newRow("half of 200") << 0 << 200 << 100 << "50%";
    QTest::newRow("full int range") << INT_MIN << INT_MAX << INT_MAX << "100%";
    QTest::newRow("one-value range") << 3 << 3 << 3 << "0%";
}

void tst_ProgressBar::percentText()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(QString, text);
    TavixQProgressBar bar;
    bar.setRange(minimum, maximum);
    bar.setValue(value);
    QCOMPARE(bar.getImpl()->percentText(), text);

    // Drawn only when asked for, in the text style's colour.
    bar.resize(80, 30);
    probeLook(bar);
    TextStyleDesc style;
    style.color = QColor(255, 255, 0);
    style.hor = 1;
    bar.setTextStyle(style);
    // Glyph edges blend into the bar and a short text may have no pixel of the pure colour; only the
    // text brings green into the red and blue bar.
    auto inked = [&bar] {
        const QImage image = shown(bar);
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixelColor(x, y).green() > 128;
        return n;
    };
    QCOMPARE(inked(), 0);
    bar.setShowText(true);
    QVERIFY(inked() > 0);
}

// A theme entry restyles the bar and never moves its value; a page node without "val" starts at 0, and a bar
// in Qt's reset state writes none.
void tst_ProgressBar::valueFromNodes()
{
    TavixQResourceManager *rm = TavixQResourceManager::getInstance();
    TavixQProgressBar bar;
    bar.setShowText(true);
    bar.setValue(64);
    Json::Value entry = parse("{\"attr\": {\"showText\": 0}}");
    Json::Value *themed = &entry;
    rm->setSwitchToThemeRes(true);
    bar.getImpl()->serializeJsonValue(&themed, true);
    rm->setSwitchToThemeRes(false);
    QVERIFY(!bar.getShowText());
    QCOMPARE(bar.value(), 64);

    Json::Value bare = parse("{}");
    QVERIFY(bar.readJsonValue(&bare));
    QCOMPARE(bar.value(), 0);
    Json::Value fresh(Json::objectValue);
    TavixQProgressBar().serializeJsonValue(&fresh, false);
    QVERIFY(!tavixJsonHas(fresh["attr"], "val"));
}

void tst_ProgressBar::hostileNumbers_data()
{
    QTest::addColumn<QByteArray>("attr");
    QTest::newRow("INT_MAX") << QByteArray("{\"val\": 2147483647, \"showText\": 2147483647}");
    QTest::newRow("INT_MIN") << QByteArray("{\"val\": -2147483648, \"showText\": -2147483648}");
    QTest::newRow("NaN as text") << QByteArray("{\"val\": \"NaN\", \"showText\": \"NaN\"}");
    QTest::newRow("beyond int") << QByteArray("{\"val\": 1e300}");
}

void tst_ProgressBar::hostileNumbers()
{
    QFETCH(QByteArray, attr);
    Json::Value node = parse("{\"attr\": " + attr + "}");
    for (const bool circle : {false, true}) {
        TavixQProgressBar bar;
        bar.resize(100, 60);
        bar.setCircleProgressBar(circle);
        bar.setShowText(true);
        bar.setRange(INT_MIN, INT_MAX);
        bar.readJsonValue(&node);
        const double f = bar.getImpl()->fraction();
        QVERIFY(f >= 0.0 && f <= 1.0);
        shown(bar);
        bar.setRange(50, 10);               // Qt keeps a range whose maximum is not below its minimum
        shown(bar);
    }
}

QTEST_MAIN(tst_ProgressBar)
#include "tst_progressbar.moc"
