#include "TavixTestSupport.h"
#include "controls/charts/TavixQECGChart.h"
#include "controls/charts/TavixQECGChartImpl.h"
#include "controls/charts/TavixQICDChart.h"
#include "controls/charts/TavixQICDChartImpl.h"
#include "controls/charts/TavixSweepTrace.h"

#include <json/value.h>

#include <QPainter>
#include <QPen>
#include <QtTest>

#include <cfloat>
#include <climits>
#include <cmath>
#include <limits>

using namespace TavixQtLib;

namespace {

const QColor kSentinel(0, 255, 255);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

QImage renderChart(QWidget &chart)
{
    return tavixtest::rendered(chart, kSentinel);
}

using tavixtest::near;

// A waveform with steep spikes, several points per pixel, in x order.
QPointF wavePoint(int i)
{
    const double x = i * 0.3;
    const double spike = std::fmod(x, 60.0) < 2.0 ? -35.0 : 0.0;
    return QPointF(x, 60.0 + 12.0 * std::sin(x / 7.0) + spike);
}

// The chart's look painted directly, step by step, without any picture of finished columns.
QImage paintedDirectly(const std::vector<QPointF> &pts, QSize size, const QPen &pen, const QColor (&below)[2],
                       const QColor (&above)[2])
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(pen);
    p.drawPolyline(pts.data(), int(pts.size()));
    const auto fill = [&](qreal edge, const QColor (&colors)[2]) {
        QPainterPath path(QPointF(0, edge));
        for (const QPointF &pt : pts)
            path.lineTo(pt);
        path.lineTo(pts.back().x(), edge);
        QLinearGradient g(0, 0, 0, size.height());
        g.setColorAt(0, colors[0]);
        g.setColorAt(1, colors[1]);
        p.fillPath(path, g);
    };
    fill(size.height(), below);
    fill(0, above);
    return image;
}

} // namespace

class tst_Charts : public QObject
{
    Q_OBJECT

private slots:
    void snapshotBehindGap();
    void fillNeedsThreePoints();
    void icdBaselineAndDefaults();
    void finishedColumnsMatchDirectPainting();
    void hostileValues();
    void jsonRoundTrip();
};

template <class Chart>
void checkSnapshotBehindGap()
{
    Chart chart;
    chart.resize(200, 100);
    chart.setLineWeight(3);
    chart.setLineColor(kRed, kBlue);
    for (int x = 0; x <= 200; x += 5)
        chart.addData(float(x), 50.5f);
    chart.swapData();
    chart.clearData();
    chart.setLineColor(kBlue, kRed);

    // Without points the whole earlier sweep shows, from the left edge on.
    QImage image = renderChart(chart);
    QCOMPARE(image.pixelColor(2, 50), kRed);
    QCOMPARE(image.pixelColor(100, 50), kRed);

    // One point at 10.7: the picture starts at 10 + 40.
    chart.addData(10.7f, 80.5f);
    image = renderChart(chart);
    QCOMPARE(image.pixelColor(49, 50), kSentinel);
    QCOMPARE(image.pixelColor(50, 50), kRed);
    QCOMPARE(image.pixelColor(199, 50), kRed);

    // The sweep moves on: the gap follows the newest point and the new trace is drawn in the first colour.
    chart.addData(30.2f, 80.5f);
    image = renderChart(chart);
    QCOMPARE(image.pixelColor(20, 80), kBlue);
    QCOMPARE(image.pixelColor(69, 50), kSentinel);
    QCOMPARE(image.pixelColor(70, 50), kRed);

}

void tst_Charts::snapshotBehindGap()
{
    checkSnapshotBehindGap<TavixQECGChart>();
    checkSnapshotBehindGap<TavixQICDChart>();
}

// The fill takes more than two points; it appears over columns already finished when the third arrives.
void tst_Charts::fillNeedsThreePoints()
{
    TavixQECGChart chart;
    chart.resize(200, 100);
    chart.enableFillColor(true, true);
    chart.setBelowFillColor(kBlue, kBlue);
    chart.setAboveFillColor(kRed, kRed);
    chart.addData(0, 50);
    chart.addData(150, 50);
    QImage image = renderChart(chart);
    QCOMPARE(image.pixelColor(60, 90), kSentinel);
    QCOMPARE(image.pixelColor(60, 10), kSentinel);
    QCOMPARE(image.pixelColor(60, 50), QColor(0, 255, 0));

    chart.addData(160, 50);
    image = renderChart(chart);
    QCOMPARE(image.pixelColor(60, 90), kBlue);
    QCOMPARE(image.pixelColor(60, 10), kRed);
    QCOMPARE(image.pixelColor(170, 90), kSentinel);   // nothing right of the newest point

    chart.popBack();
    image = renderChart(chart);
    QCOMPARE(image.pixelColor(60, 90), kSentinel);
}

void tst_Charts::icdBaselineAndDefaults()
{
    TavixQICDChart chart;
    chart.resize(200, 100);
    // Never configured: a one-pixel green polyline.
    chart.addData(0, 20.5f);
    chart.addData(199, 20.5f);
    QImage image = renderChart(chart);
    QCOMPARE(image.pixelColor(100, 20), QColor(0, 255, 0));
    QCOMPARE(image.pixelColor(100, 19), kSentinel);
    QCOMPARE(image.pixelColor(100, 21), kSentinel);

    chart.swapData();
    chart.clearData();
    chart.setLineColor(kBlue, kRed);
    chart.setICDType(1);
    for (int x = 0; x <= 60; x += 3)
        chart.addData(float(x), 80.5f);
    image = renderChart(chart);
    // The baseline replaces the trace; the points still place the earlier sweep's picture.
    QCOMPARE(image.pixelColor(30, 80), kSentinel);
    QCOMPARE(image.pixelColor(30, 40), kBlue);
    QCOMPARE(image.pixelColor(199, 40), kBlue);
    QCOMPARE(image.pixelColor(80, 20), kSentinel);
    QCOMPARE(image.pixelColor(110, 20), QColor(0, 255, 0));

}

// Fed like a monitor with a paint between batches, the chart copies finished columns; the result must
// be what painting every point afresh gives, also after points are taken off either end.
void tst_Charts::finishedColumnsMatchDirectPainting()
{
    TavixQECGChart chart;
    chart.resize(300, 120);
    const QColor below[2] = {QColor(0, 200, 0, 120), QColor(0, 60, 0, 20)};
    const QColor above[2] = {QColor(90, 0, 0, 60), QColor(200, 0, 0, 140)};
    chart.setLineColor(QColor(250, 250, 60), Qt::white);
    chart.setLineWeight(2.5f);
    chart.enableFillColor(true, true);
    chart.setBelowFillColor(below[0], below[1]);
    chart.setAboveFillColor(above[0], above[1]);
    const QPen pen(QBrush(QColor(250, 250, 60)), 2.5, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);

    std::vector<QPointF> sent;
    QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
    const auto compare = [&]() {
        image.fill(Qt::black);
        chart.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        const QImage expected = paintedDirectly(sent, chart.size(), pen, below, above);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (!near(image.pixelColor(x, y), expected.pixelColor(x, y), 3))
                    return QPoint(x, y);
            }
        }
        return QPoint(-1, -1);
    };

    for (int i = 0; i < 900; ++i) {
        sent.push_back(wavePoint(i));
        chart.addData(float(sent.back().x()), float(sent.back().y()));
        if (i % 16 == 15)
            QCOMPARE(compare(), QPoint(-1, -1));
    }
    QVERIFY(chart.getImpl()->points.usedCache());

    for (int i = 0; i < 40; ++i) {
        chart.popBack();
        sent.pop_back();
    }
    QCOMPARE(compare(), QPoint(-1, -1));
    for (int i = 0; i < 120; ++i) {
        chart.popFront();
        sent.erase(sent.begin());
    }
    QCOMPARE(compare(), QPoint(-1, -1));
    sent.push_back(QPointF(250, 30));
    chart.addData(250, 30);
    QCOMPARE(compare(), QPoint(-1, -1));
    // A point back to the left: painted whole, still the same picture.
    sent.push_back(QPointF(100, 100));
    chart.addData(100, 100);
    QCOMPARE(compare(), QPoint(-1, -1));
    QVERIFY(!chart.getImpl()->points.usedCache());
}

void tst_Charts::hostileValues()
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    TavixQECGChart chart;
    chart.resize(120, 80);
    chart.enableFillColor(true, true);
    chart.addData(nan, 10);
    chart.addData(10, inf);
    chart.addData(-inf, 10);
    QCOMPARE(chart.dataSize(), 0);

    chart.setLineWeight(4);
    for (float weight : {nan, -1.0f, inf})
        chart.setLineWeight(weight);
    QCOMPARE(chart.getLineWeight(), 4.0f);
    chart.setLineWeight(1e9f);
    QCOMPARE(chart.getLineWeight(), 1000.0f);
    chart.setLineWeight(3);

    // Far outside the widget in every direction: painted (clamped), never a crash or a hang.
    const float far[][2] = {{-FLT_MAX, 40}, {10, 40}, {20, FLT_MAX}, {30, -FLT_MAX}, {40, 40},
                            {FLT_MAX, 40}, {float(INT_MAX), float(INT_MIN)}};
    for (const auto &p : far)
        chart.addData(p[0], p[1]);
    QCOMPARE(chart.dataSize(), 7);
    QCOMPARE(chart.getAt(5), QPointF(double(FLT_MAX), 40));
    renderChart(chart);
    chart.swapData();
    chart.popBack();
    renderChart(chart);

    for (int i : {INT_MIN, -1, chart.dataSize(), INT_MAX})
        QCOMPARE(chart.getAt(i), QPointF(0, 0));
    chart.clearData();
    chart.popBack();
    chart.popFront();
    QCOMPARE(chart.dataSize(), 0);

    chart.resize(0, 0);
    chart.addData(1, 1);
    chart.addData(2, 2);
    chart.addData(3, 3);
    chart.swapData();

    // A host that never clears keeps the newest points, in the order it sent them.
    chart.clearData();
    for (int i = 0; i < TavixSweepTrace::kMaxPoints + 10; ++i)
        chart.addData(float(i % 4096), float(i));
    QCOMPARE(chart.dataSize(), TavixSweepTrace::kMaxPoints);
    for (int i = 0; i < chart.dataSize(); i += 99999)
        QCOMPARE(chart.getAt(i).y(), double(i + 10));
}

// Only the common content: the keyword, name and geometry come back unchanged.
template <class Chart>
void checkRoundTrip(const char *keyword)
{
    Chart first;
    Chart second;
    first.setObjectName(QStringLiteral("trace"));
    first.ITavixQWidgetBase::setGeometry(5, 6, 300, 90);
    Json::Value written = tavixtest::written(first);
    QCOMPARE(written["type"].asString(), std::string(keyword));
    QVERIFY(second.readJsonValue(&written));
    QCOMPARE(tavixtest::show(tavixtest::written(second)), tavixtest::show(written));
}

void tst_Charts::jsonRoundTrip()
{
    checkRoundTrip<TavixQECGChart>("qtecgchart");
    checkRoundTrip<TavixQICDChart>("qticdchart");
}

QTEST_MAIN(tst_Charts)
#include "tst_charts.moc"
