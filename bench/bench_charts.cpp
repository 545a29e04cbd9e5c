// The ECG chart fed like a monitor: 1 000 points per second for 10 simulated seconds, one paint per
// 16 ms frame, the sweep filling a 1000-pixel widget at 100 pixels per second. Prints the paint time
// per frame at the start, middle and end of the sweep against a plain antialiased drawPolyline of
// the same points into the same image, and their ratio. Ours should stay flat; the reference grows.
//
//   QT_QPA_PLATFORM=offscreen ./bench_charts [--png DIR]   (DIR receives ecg.png and icd.png)

#include "TavixBenchRow.h"
#include "controls/charts/TavixQECGChart.h"
#include "controls/charts/TavixQECGChartImpl.h"
#include "controls/charts/TavixQICDChart.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QPen>

#include <cmath>
#include <cstdio>
#include <vector>

using TavixQtLib::TavixQECGChart;
using TavixQtLib::TavixQICDChart;

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 200;
constexpr int kRate = 1000;             // points per second
constexpr int kSeconds = 10;
constexpr int kFrameMs = 16;
constexpr double kPixelsPerSecond = 100.0;
constexpr int kRepeats = 5;             // each frame's chart paint is timed this often; the best counts

double gauss(double t, double centre, double width)
{
    const double d = (t - centre) / width;
    return std::exp(-0.5 * d * d);
}

// Millivolts of a synthetic beat at 75 per minute: P wave, QRS complex, T wave.
double ecgMillivolts(double t)
{
    const double phase = std::fmod(t, 0.8);
    return 0.15 * gauss(phase, 0.16, 0.025) - 0.12 * gauss(phase, 0.285, 0.008) + 1.3 * gauss(phase, 0.30, 0.010)
        - 0.3 * gauss(phase, 0.318, 0.009) + 0.32 * gauss(phase, 0.52, 0.045);
}

// Sample i of a sweep starting at x = 0; phase shifts the waveform in time.
QPointF samplePoint(int i, double phase = 0)
{
    const double t = double(i) / kRate;
    return QPointF(t * kPixelsPerSecond, kHeight * 0.65 - ecgMillivolts(t + phase) * 80.0);
}

template <class Paint>
double bestMicroseconds(QImage &image, int repeats, Paint paint)
{
    double best = 1e300;
    for (int r = 0; r < repeats; ++r) {
        image.fill(Qt::black);
        QElapsedTimer timer;
        timer.start();
        {
            QPainter painter(&image);
            paint(painter);
        }
        best = std::min(best, timer.nsecsElapsed() / 1000.0);
    }
    return best;
}

void configure(TavixQECGChart &chart)
{
    chart.resize(kWidth, kHeight);
    chart.setLineWeight(2.0f);
    chart.setLineColor(QColor(80, 255, 120), QColor(80, 255, 120));
    chart.enableFillColor(true, false);
    chart.setBelowFillColor(QColor(80, 255, 120, 90), QColor(80, 255, 120, 0));
}

void savePictures(const QString &dir)
{
    TavixQECGChart ecg;
    configure(ecg);
    TavixQICDChart icd;
    icd.resize(kWidth, kHeight / 2);
    // One full sweep, kept as the picture; then 6 seconds of the next one over it.
    for (int i = 0; i < kRate * kSeconds; ++i) {
        ecg.addData(float(samplePoint(i).x()), float(samplePoint(i).y()));
        const QPointF p = samplePoint(i);
        icd.addData(float(p.x()), float(p.y() / 2));
    }
    ecg.swapData();
    icd.swapData();
    ecg.clearData();
    icd.clearData();
    for (int i = 0; i < kRate * 6; ++i) {
        const QPointF p = samplePoint(i, 0.37);   // another phase, so the two sweeps differ
        ecg.addData(float(p.x()), float(p.y()));
        icd.addData(float(p.x()), float(p.y() / 2));
    }
    for (auto *chart : {static_cast<QWidget *>(&ecg), static_cast<QWidget *>(&icd)}) {
        QImage out(chart->size(), QImage::Format_ARGB32_Premultiplied);
        out.fill(QColor(16, 24, 32));
        chart->render(&out, QPoint(), QRegion(), QWidget::DrawChildren);
        out.save(dir + (chart == &ecg ? "/ecg.png" : "/icd.png"));
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int png = args.indexOf(QStringLiteral("--png"));
    if (png > 0 && png + 1 < args.size())
        savePictures(args.at(png + 1));

    TavixQECGChart chart;
    configure(chart);
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    const QPen pen(QBrush(QColor(80, 255, 120)), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    std::vector<QPointF> sent;

    const int frames = kSeconds * 1000 / kFrameMs;
    std::vector<double> ours(frames), reference(frames);
    int next = 0;
    for (int f = 0; f < frames; ++f) {
        const int due = std::min(kRate * kSeconds, (f + 1) * kFrameMs * kRate / 1000);
        for (; next < due; ++next) {
            const QPointF p = samplePoint(next);
            chart.addData(float(p.x()), float(p.y()));
            sent.emplace_back(float(p.x()), float(p.y()));
        }
        ours[f] = bestMicroseconds(image, kRepeats, [&](QPainter &painter) {
            chart.getImpl()->paint(&painter, chart.rect());
        });
        reference[f] = bestMicroseconds(image, 1, [&](QPainter &painter) {
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.setPen(pen);
            painter.drawPolyline(sent.data(), int(sent.size()));
        });
    }

    bool inOrder = chart.dataSize() == int(sent.size());
    for (int i = 0; inOrder && i < chart.dataSize(); ++i)
        inOrder = chart.getAt(i) == sent[std::size_t(i)];
    std::printf("ECG chart %dx%d, %d points/s for %d s, one paint per %d ms frame (%d frames)\n", kWidth,
                kHeight, kRate, kSeconds, kFrameMs, frames);
    std::printf("points kept in order: %d of %d (%s)\n", chart.dataSize(), kRate * kSeconds,
                inOrder ? "all" : "MISMATCH");
    std::printf("%-8s %12s %14s %8s\n", "second", "chart us", "polyline us", "ratio");   // ratio: chart / polyline
    const int perSecond = frames / kSeconds;
    for (int s : {0, kSeconds / 2, kSeconds - 1}) {
        double a = 0, b = 0;
        const int from = s * perSecond;
        const int to = s == kSeconds - 1 ? frames : from + perSecond;
        for (int f = from; f < to; ++f) {
            a += ours[f];
            b += reference[f];
        }
        a /= (to - from);
        b /= (to - from);
        std::printf("%-8d %12.1f %14.1f %8.4f\n", s + 1, a, b, a / b);
        tavixBenchRow("ECG paint per frame", "second " + std::to_string(s + 1) + " vs one polyline", a, b, "us",
                      "<= 2000 us a tick");
    }
    return 0;
}
