// One layout pass of a Horizontal container against a QHBoxLayout over the same number of plain
// widgets. Prints the cost per child of each and their ratio; the container's cost per child should
// stay flat as the child count grows.
//
//   QT_QPA_PLATFORM=offscreen ./bench_layout

#include "controls/TavixQContainer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QWidget>

#include <algorithm>
#include <cstdio>

using TavixQtLib::TavixQContainer;

namespace {

constexpr int kChildWidth = 20;
constexpr int kHeight = 40;
constexpr qint64 kPlacementsPerBatch = 400000;   // child placements timed per batch
constexpr int kBatches = 5;                       // the best batch is reported

// Nanoseconds per child of the fastest batch; pass(width) runs one layout pass at that width.
template <class Pass>
double bestPerChild(int n, Pass pass)
{
    const int reps = int(std::max<qint64>(3, kPlacementsPerBatch / n));
    double best = 1e300;
    for (int batch = 0; batch < kBatches; ++batch) {
        QElapsedTimer timer;
        timer.start();
        for (int rep = 0; rep < reps; ++rep)
            pass(n * (kChildWidth + 2 * (rep & 1)));   // every child moves or resizes on every pass
        const double perChild = double(timer.nsecsElapsed()) / (double(reps) * n);
        best = std::min(best, perChild);
    }
    return best;
}

double benchContainer(int n)
{
    TavixQContainer container;
    container.setChildLayout(TavixQContainer::Horizontal);
    container.resize(n * kChildWidth, kHeight);
    for (int i = 0; i < n; ++i)
        new QWidget(&container);
    QCoreApplication::processEvents();   // runs the relayout the added children posted
    return bestPerChild(n, [&container](int width) {
        container.resize(width, kHeight);
        container.forceResize();
    });
}

double benchBoxLayout(int n)
{
    QWidget host;
    auto *layout = new QHBoxLayout(&host);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int i = 0; i < n; ++i)
        layout->addWidget(new QWidget);
    QCoreApplication::processEvents();
    layout->setGeometry(QRect(0, 0, n * kChildWidth, kHeight));   // settles the cached size hints
    return bestPerChild(n, [layout](int width) { layout->setGeometry(QRect(0, 0, width, kHeight)); });
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    std::printf("%8s %18s %18s %8s\n", "children", "container ns/child", "QHBoxLayout ns/child", "ratio");
    for (int n : {10, 100, 1000, 10000}) {
        const double container = benchContainer(n);
        const double box = benchBoxLayout(n);
        std::printf("%8d %18.1f %18.1f %8.2f\n", n, container, box, container / box);
        std::fflush(stdout);
    }
    return 0;
}
