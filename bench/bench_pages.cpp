// Time to build a page of N = 100, 1 000 and 10 000 controls (mixed types, nested containers) from its
// document with tavixCreatePageByFileName, beside QUiLoader building the same widget tree from an
// equivalent .ui file (same widget count, nesting, geometry and texts). Both read their file from disk on
// each run; the loader is constructed once beforehand, so its plug-in scan is not counted. "ours" is a
// page loaded again, as an application does (its text unchanged, the kit builds it from the document it
// keeps parsed); "parsed" lets go of the kept documents before each run, so every load parses, as the
// first load of a page does. Every run of either follows a QUiLoader run; each figure is the median of
// its runs and each ratio is that figure / QUiLoader's (below 1 is faster). Both trees end in the same
// state: every widget not hidden, shown with its host. The hidden column counts widgets that would stay
// hidden when the host is shown; it must match.
//
//   QT_QPA_PLATFORM=offscreen ./bench_pages [--ours-only] [--runs K] [N...]   (the options serve profilers)

#include "core/TavixLibrary.h"
#include "core/TavixPageDocument.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QUiLoader>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <utility>
#include <vector>

using namespace TavixQtLib;

namespace {

constexpr int kFanOut = 8;      // children per container

struct Kind
{
    const char *ours;           // type keyword
    const char *stock;          // Qt class of the .ui file
    bool text;                  // carries a caption
};

// The mix of leaf controls; every kFanOut-th element is a container that holds the next ones.
const Kind kKinds[] = {
    {"qtbutton", "QPushButton", true}, {"qtlabel", "QLabel", true},
    {"qtcheckbox", "QCheckBox", true}, {"qtdedit", "QLineEdit", false},
    {"qtslider", "QSlider", false},    {"qtprogressbar", "QProgressBar", false},
    {"qtradiobox", "QRadioButton", true},
};
const Kind kContainer = {"qtcontainer", "QWidget", false};

// Writes both documents for a tree of n widgets: one top-level container; a container with more than
// kFanOut widgets below it holds kFanOut / 2 leaves and kFanOut / 2 containers sharing the rest, so the
// tree stays shallow (about log4 n levels) and every container is full.
struct Documents
{
    QByteArray page;
    QByteArray ui;
};

struct Builder
{
    int serial = 0;
    QByteArray page;
    QByteArray ui;

    void open(const Kind &kind, int index, bool container)
    {
        const int id = serial++;
        const QByteArray name = "w" + QByteArray::number(id);
        const int x = 4 + (index % 4) * 90, y = 4 + (index / 4) * 30;
        const int w = container ? 360 : 80, h = container ? 200 : 24;
        page += "{\"type\": \"" + QByteArray(kind.ours) + "\", \"name\": \"" + name + "\", \"x\": "
                + QByteArray::number(x) + ", \"y\": " + QByteArray::number(y) + ", \"w\": " + QByteArray::number(w)
                + ", \"h\": " + QByteArray::number(h);
        ui += "<widget class=\"" + QByteArray(kind.stock) + "\" name=\"" + name + "\">"
              "<property name=\"geometry\"><rect><x>" + QByteArray::number(x) + "</x><y>" + QByteArray::number(y)
              + "</y><width>" + QByteArray::number(w) + "</width><height>" + QByteArray::number(h)
              + "</height></rect></property>";
        if (kind.text) {
            page += ", \"attr\": {\"text\": \"Item " + QByteArray::number(id) + "\"}";
            ui += "<property name=\"text\"><string>Item " + QByteArray::number(id) + "</string></property>";
        }
    }

    void close()
    {
        page += "}";
        ui += "</widget>";
    }

    void leaf(int index)
    {
        const Kind &kind = kKinds[serial % int(sizeof(kKinds) / sizeof(kKinds[0]))];
        open(kind, index, false);
        close();
    }

    // A container with `below` widgets under it.
    void container(int index, int below)
    {
        open(kContainer, index, true);
        if (below > 0) {
            page += ", \"child\": [";
            if (below <= kFanOut) {
                for (int i = 0; i < below; ++i) {
                    if (i)
                        page += ", ";
                    leaf(i);
                }
            } else {
                const int leaves = kFanOut / 2, nested = kFanOut - leaves;
                const int rest = below - leaves - nested;   // shared by the nested containers
                for (int i = 0; i < leaves; ++i) {
                    page += i ? ", " : "";
                    leaf(i);
                }
                for (int i = 0; i < nested; ++i) {
                    page += ", ";
                    container(leaves + i, rest / nested + (i < rest % nested ? 1 : 0));
                }
            }
            page += "]";
        }
        close();
    }
};

Documents documents(int n)
{
    Builder b;
    b.page = "{\"elements\": [";
    b.ui = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><ui version=\"4.0\"><class>Page</class>";
    b.container(0, n - 1);
    b.page += "]}";
    b.ui += "</ui>";
    return {b.page, b.ui};
}

// Widgets built below root, root excluded.
int countWidgets(QWidget *root)
{
    return root ? root->findChildren<QWidget *>().size() : 0;
}

// Widgets below root that showing root would leave hidden.
int countHidden(QWidget *root)
{
    int hidden = 0;
    for (QWidget *w : root->findChildren<QWidget *>()) {
        if (!w->isWindow() && !w->isVisibleTo(root))
            ++hidden;
    }
    return hidden;
}

struct Side
{
    explicit Side(std::function<QWidget *(QWidget *)> f, std::function<void()> before = {})
        : build(std::move(f))
        , prepare(std::move(before))
    {
    }

    std::function<QWidget *(QWidget *)> build;
    std::function<void()> prepare;  // untimed, before each run
    std::vector<double> times;
    int built = 0;
    int hidden = 0;

    void run()
    {
        if (prepare)
            prepare();
        auto *host = new QWidget;
        QElapsedTimer timer;
        timer.start();
        QWidget *made = build(host);
        times.push_back(timer.nsecsElapsed() / 1e6);
        built = made ? countWidgets(host) : -1;
        hidden = countHidden(host);
        // Pending polish requests go before the tree does, as an event loop would deliver them.
        QCoreApplication::sendPostedEvents();
        delete host;
    }

    double median()
    {
        std::sort(times.begin(), times.end());
        return times.empty() ? 0 : times[times.size() / 2];
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    init();
    bool oursOnly = false;
    bool firstOnly = false;   // for profiling a first load alone
    int runsGiven = 0;
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--ours-only") == 0)
            oursOnly = true;
        else if (std::strcmp(argv[i], "--first-only") == 0)
            oursOnly = firstOnly = true;
        else if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runsGiven = std::max(1, std::atoi(argv[++i]));
        else if (const int n = std::atoi(argv[i]); n > 1)
            sizes.push_back(n);
    }
    if (sizes.empty())
        sizes = {100, 1000, 10000};
    QTemporaryDir dir;
    QUiLoader loader;
    std::printf("%8s %12s %12s %8s %14s %14s %12s %8s\n", "N", "ours ms", "QUiLoader ms", "ratio", "ours us/ctl",
                "loader us/ctl", "parsed ms", "ratio");
    for (const int n : sizes) {
        const Documents docs = documents(n);
        const QString pagePath = dir.filePath(QStringLiteral("page%1.json").arg(n));
        const QString uiPath = dir.filePath(QStringLiteral("page%1.ui").arg(n));
        QFile pageFile(pagePath), uiFile(uiPath);
        if (!pageFile.open(QIODevice::WriteOnly) || pageFile.write(docs.page) != docs.page.size()
            || !uiFile.open(QIODevice::WriteOnly) || uiFile.write(docs.ui) != docs.ui.size())
            return 1;
        pageFile.close();
        uiFile.close();

        Side stock([&](QWidget *host) {
            QFile f(uiPath);
            return f.open(QIODevice::ReadOnly) ? loader.load(&f, host) : nullptr;
        });
        Side ours([&](QWidget *host) { return tavixCreatePageByFileName(host, pagePath); });
        // The same with the kept parsed documents let go of before each run: every load parses.
        Side first([&](QWidget *host) { return tavixCreatePageByFileName(host, pagePath); },
                   [] { tavixReleasePageDocuments(); });
        const int runs = runsGiven ? runsGiven : n >= 10000 ? 11 : n >= 1000 ? 31 : 61;
        for (int run = 0; run < runs; ++run) {
            if (!oursOnly) {
                stock.run();
                first.run();
                stock.run();
            }
            (firstOnly ? first : ours).run();
        }
        const double o = (firstOnly ? first : ours).median(), s = oursOnly ? 0 : stock.median(), f = oursOnly ? 0 : first.median();
        std::printf("%8d %12.2f %12.2f %8.2f %14.2f %14.2f %12.2f %8.2f", n, o, s, s > 0 ? o / s : 0.0,
                    o * 1000 / n, s * 1000 / n, f, s > 0 ? f / s : 0.0);
        // Qt widgets that the controls hold inside (editors, viewports) count too: shown for comparison.
        std::printf("   widgets: ours %d, QUiLoader %d; hidden: ours %d, QUiLoader %d\n", ours.built, stock.built,
                    ours.hidden, stock.hidden);
    }
    return 0;
}
