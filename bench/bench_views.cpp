// Time to show and to scroll one page of the list and the template list at 1 000 and 100 000 rows,
// beside a stock view over the same rows: QListWidget for the list, QListView over the same
// QStandardItemModel for the template list. The stock views are measured with their defaults and
// with uniform item sizes (the setting the kit's views use). Ratios are ours / stock; below 1 is faster.
//
//   QT_QPA_PLATFORM=offscreen ./bench_views

#include "TavixBenchRow.h"
#include "controls/TavixQContainer.h"
#include "controls/views/TavixQList.h"
#include "controls/views/TavixQListView.h"
#include "controls/views/TavixQTableView.h"
#include "controls/views/TavixQTreeView.h"
#include "core/TavixLibrary.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QListWidget>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

using namespace TavixQtLib;

namespace {

int displayCalls = 0;             // template rows filled, to show that only visible rows are drawn
constexpr int kShowRuns = 3;       // the fastest is reported
constexpr int kPages = 40;         // pages scrolled per scroll figure
const QSize kViewSize(300, 400);

struct Figures
{
    double showMs = 0;
    double pageMs = 0;
};

// show: from show() to the first frame painted; page: one page step of the vertical bar and its repaint.
Figures measure(const std::function<QAbstractItemView *()> &make)
{
    Figures f{1e300, 0};
    for (int run = 0; run < kShowRuns; ++run) {
        std::unique_ptr<QAbstractItemView> view(make());
        view->resize(kViewSize);
        QElapsedTimer timer;
        timer.start();
        view->show();
        QCoreApplication::processEvents();
        view->viewport()->repaint();
        f.showMs = std::min(f.showMs, timer.nsecsElapsed() / 1e6);
        if (run + 1 < kShowRuns)
            continue;
        QScrollBar *bar = view->verticalScrollBar();
        timer.restart();
        for (int page = 0; page < kPages; ++page) {
            bar->setValue(bar->value() + bar->pageStep());
            view->viewport()->repaint();
        }
        f.pageMs = timer.nsecsElapsed() / 1e6 / kPages;
    }
    return f;
}

QStringList texts(int rows)
{
    QStringList list;
    list.reserve(rows);
    for (int i = 0; i < rows; ++i)
        list.append(QStringLiteral("row %1").arg(i));
    return list;
}

// A row template: a container with a caption button and an inner panel, filled per row.
QWidget *makeTemplate()
{
    auto *row = new TavixQContainer;
    row->setChildLayout(TavixQContainer::Horizontal);
    row->setChildPadding(2);
    row->setChildSpace(4);
    row->addChildWidget(new TavixQContainer, 1);
    row->addChildWidget(new TavixQContainer, 3);
    return row;
}

void report(const char *what, int rows, const Figures &ours, const Figures &stock, const Figures &uniform)
{
    std::printf("%-13s %7d rows  show %8.2f ms (stock %8.2f, x%6.2f; uniform %7.2f, x%6.2f)  "
                "page %6.3f ms (stock %6.3f, x%5.2f; uniform %6.3f, x%5.2f)\n",
                what, rows, ours.showMs, stock.showMs, ours.showMs / stock.showMs, uniform.showMs,
                ours.showMs / uniform.showMs, ours.pageMs, stock.pageMs, ours.pageMs / stock.pageMs, uniform.pageMs,
                ours.pageMs / uniform.pageMs);
    const std::string name = std::string(what) + " " + std::to_string(rows) + " rows";
    tavixBenchRow("views vs stock", name + ", show", ours.showMs, stock.showMs, "ms", "-");
    tavixBenchRow("views vs stock", name + ", page", ours.pageMs, stock.pageMs, "ms", "-");
}

// The table over rows x 4 cells with a check column, beside a stock QTableView over the same model,
// with its default row header and with fixed-height rows (the setting the kit's table uses).
void benchTable(int rows)
{
    QStandardItemModel model(rows, 4);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < 4; ++c)
            model.setData(model.index(r, c), QStringLiteral("cell %1 %2").arg(r).arg(c));
        model.setData(model.index(r, 0), r % 3 ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    }
    const Figures ours = measure([&] {
        auto *t = new TavixQTableView;
        t->setCheckstyle(true);
        t->setModel(&model);
        return t;
    });
    auto stockTable = [&model](bool fixed) {
        auto *t = new QTableView;
        if (fixed) {
            t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
            t->verticalHeader()->setDefaultSectionSize(20);
        }
        t->setModel(&model);
        return t;
    };
    const Figures stock = measure([&] { return stockTable(false); });
    const Figures fixed = measure([&] { return stockTable(true); });
    std::printf("%-13s %7d rows  show %8.2f ms (stock %8.2f, x%6.2f; fixed rows %7.2f, x%6.2f)  "
                "page %6.3f ms (stock %6.3f, x%5.2f; fixed rows %6.3f, x%5.2f)\n",
                "table", rows, ours.showMs, stock.showMs, ours.showMs / stock.showMs, fixed.showMs,
                ours.showMs / fixed.showMs, ours.pageMs, stock.pageMs, ours.pageMs / stock.pageMs, fixed.pageMs,
                ours.pageMs / fixed.pageMs);
    const std::string name = "table " + std::to_string(rows) + " rows";
    tavixBenchRow("views vs stock", name + ", show", ours.showMs, stock.showMs, "ms", "-");
    tavixBenchRow("views vs stock", name + ", page", ours.pageMs, stock.pageMs, "ms", "-");
}

// The tree at 1 000 and 100 000 rows (10 and 1 000 parents of 100 children each, all open), beside a
// stock headerless QTreeView over the same model, with its defaults and with uniform row heights.
void benchTree()
{
    for (int parents : {10, 1000}) {
        QStandardItemModel model;
        for (int p = 0; p < parents; ++p) {
            auto *parent = new QStandardItem(QStringLiteral("parent %1").arg(p));
            QList<QStandardItem *> children;
            for (int c = 0; c < 100; ++c)
                children.append(new QStandardItem(QStringLiteral("row %1.%2").arg(p).arg(c)));
            parent->appendColumn(children);
            model.appendRow(parent);
        }
        const int rows = parents * 100;
        auto open = [&model](QTreeView *tree) {
            tree->setModel(&model);
            tree->expandAll();
            return tree;
        };
        // Opening every parent lays the rows out before the view is shown, so it is timed on its own.
        auto openMs = [&open](const std::function<QTreeView *()> &make) {
            double best = 1e300;
            for (int run = 0; run < kShowRuns; ++run) {
                std::unique_ptr<QTreeView> t(make());
                QElapsedTimer timer;
                timer.start();
                open(t.get());
                best = std::min(best, timer.nsecsElapsed() / 1e6);
            }
            return best;
        };
        const double oursOpen = openMs([] { return new TavixQTreeView; });
        const double stockOpen = openMs([] { return new QTreeView; });
        std::printf("%-13s %7d rows  setModel + expandAll %8.2f ms (stock %8.2f, x%6.2f)\n", "tree", parents * 100,
                    oursOpen, stockOpen, oursOpen / stockOpen);
        const Figures tree = measure([&] { return open(new TavixQTreeView); });
        auto stockTree = [&](bool uniform) {
            auto *t = new QTreeView;
            t->setHeaderHidden(true);
            t->setUniformRowHeights(uniform);
            return open(t);
        };
        const Figures treeStock = measure([&] { return stockTree(false); });
        const Figures treeUniform = measure([&] { return stockTree(true); });
        report("tree", rows, tree, treeStock, treeUniform);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    init();
    for (int rows : {1000, 100000}) {
        const QStringList items = texts(rows);
        auto listWidget = [&items](QListWidget *w, bool uniform) {
            w->setUniformItemSizes(uniform);
            w->addItems(items);
            return w;
        };
        const Figures list = measure([&] { return listWidget(new TavixQList, true); });
        const Figures listStock = measure([&] { return listWidget(new QListWidget, false); });
        const Figures listUniform = measure([&] { return listWidget(new QListWidget, true); });
        report("list", rows, list, listStock, listUniform);

        QStandardItemModel model(rows, 1);
        for (int i = 0; i < rows; ++i)
            model.setData(model.index(i, 0), items.at(i));
        displayCalls = 0;
        const Figures view = measure([&] {
            auto *v = new TavixQListView;
            v->setModel(&model);
            v->setItemHeight(24);
            v->setItemTemplate(makeTemplate());
            v->setItemDisplayCallBack(
                [](const TavixQListView *, const QWidget *, const QModelIndex &) { ++displayCalls; });
            return v;
        });
        const int calls = displayCalls;
        auto stockView = [&model](bool uniform) {
            auto *v = new QListView;
            v->setModel(&model);
            v->setUniformItemSizes(uniform);
            return v;
        };
        const Figures viewStock = measure([&] { return stockView(false); });
        const Figures viewUniform = measure([&] { return stockView(true); });
        report("template list", rows, view, viewStock, viewUniform);
        std::printf("%-13s %7d rows  template rows drawn in %d shows and %d pages: %d\n", "", rows, kShowRuns,
                    kPages, calls);
        benchTable(rows);
    }
    benchTree();
    return 0;
}
