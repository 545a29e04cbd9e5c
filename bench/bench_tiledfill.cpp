// A tiled image centre (repeatCenter) filling a window-sized rectangle against a plain drawTiledPixmap
// of the same tile, measured in the same run. Prints milliseconds per fill of each and their ratio.
//
//   QT_QPA_PLATFORM=offscreen ./bench_tiledfill

#include "resources/FillStyle.h"
#include "resources/TavixPainting.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace TavixQtLib;

namespace {

constexpr int kBatches = 5;   // the best batch is reported
constexpr int kFillsPerBatch = 20;

// Milliseconds per call of the fastest batch.
template <class Fill>
double bestPerFill(Fill fill)
{
    double best = 1e300;
    for (int batch = 0; batch < kBatches; ++batch) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < kFillsPerBatch; ++i)
            fill();
        best = std::min(best, double(timer.nsecsElapsed()) / 1e6 / kFillsPerBatch);
    }
    return best;
}

QImage tile(int side)
{
    QImage image(side, side, QImage::Format_ARGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            image.setPixelColor(x, y, QColor((x * 40) % 256, (y * 70) % 256, 128, 200 + (x + y) % 50));
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QImage canvas(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    std::printf("%-30s %12s %12s %8s\n", "case", "ours ms", "tiled ms", "ratio");
    struct Case { const char *name; int side; qreal scale; int extent; };
    const Case cases[] = {{"1x1 tile, 1920x1080", 1, 1.0, 0},
                          {"16x16 tile, 1920x1080", 16, 1.0, 0},
                          {"1x1 tile, 1e6 square at 1%", 1, 0.01, 1000000}};
    for (const Case &c : cases) {
        const QString path = dir.filePath(QStringLiteral("tile%1.png").arg(c.side));
        const QImage image = tile(c.side);
        image.save(path);
        const QPixmap pixmap = QPixmap::fromImage(image);
        FillStyle style;
        style.drawColor = false;
        style.img = path;
        style.repeatCenter = true;
        const int w = c.extent ? c.extent : canvas.width(), h = c.extent ? c.extent : canvas.height();
        QPainter painter(&canvas);
        painter.scale(c.scale, c.scale);
        const double ours = bestPerFill([&] { tavixDrawFillStyle(&painter, style, 0, 0, w, h); });
        const double reference = bestPerFill([&] { painter.drawTiledPixmap(QRect(0, 0, w, h), pixmap); });
        std::printf("%-30s %12.3f %12.3f %8.2f\n", c.name, ours, reference, ours / reference);
        std::fflush(stdout);
    }
    return 0;
}
