// ecg-monitor: a sweeping ECG trace fed by a timer, as a bedside monitor shows it.
//
//   ecg-monitor [--quit-after MS]
//
// Every tick appends the samples that fell due since the last one; at the right edge the finished
// sweep is kept as a picture and the trace starts again at the left, over the old one.
#include <TavixQtLib/TavixQtLib.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QTimer>

#include <cmath>

namespace {

constexpr double kPixelsPerSecond = 125.0;      // 25 mm/s at five pixels per millimetre
constexpr int kTickMs = 20;

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

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption quitAfter(QStringLiteral("quit-after"), QStringLiteral("Quit after <ms>."),
                                       QStringLiteral("ms"));
    parser.addOption(quitAfter);
    parser.process(app);

    TavixQtLib::init();

    // The chart paints no background of its own, so it sits on a dark container.
    TavixQtLib::TavixQContainer window;
    window.setWindowTitle(QStringLiteral("ECG monitor"));
    window.setColor(QColor(16, 20, 24));
    window.resize(640, 240);

    auto *chart = new TavixQtLib::TavixQECGChart(&window);
    chart->setGeometry(window.rect());
    chart->setLineColor(QColor(80, 230, 120), QColor());
    chart->setLineWeight(2.0f);

    QElapsedTimer clock;
    clock.start();
    double sweepStart = 0.0;    // seconds at x = 0 of the current sweep
    int nextX = 0;
    QTimer feed;
    QObject::connect(&feed, &QTimer::timeout, chart, [&] {
        const double now = clock.elapsed() / 1000.0;
        const double baseline = chart->height() * 0.65;
        const double gain = chart->height() * 0.4;
        while (sweepStart + nextX / kPixelsPerSecond <= now) {
            if (nextX >= chart->width()) {
                chart->swapData();
                chart->clearData();
                sweepStart += nextX / kPixelsPerSecond;
                nextX = 0;
            }
            const double t = sweepStart + nextX / kPixelsPerSecond;
            chart->addData(float(nextX), float(baseline - ecgMillivolts(t) * gain));
            ++nextX;
        }
    });
    feed.start(kTickMs);

    if (parser.isSet(quitAfter)) {
        QTimer::singleShot(parser.value(quitAfter).toInt(), &app, [&] {
            // A run that drew nothing is a failure worth reporting to whoever asked for the timed run.
            QApplication::exit(chart->dataSize() > 0 ? 0 : 1);
        });
    }
    window.show();
    return QApplication::exec();
}
