#include "controls/TavixQContainer.h"
#include "controls/TavixQScrollBar.h"
#include "controls/TavixQScrollView.h"
#include "core/TavixJson.h"
#include "resources/TavixQResourceManager.h"

#include <json/value.h>

#include <QtTest>

using namespace TavixQtLib;

namespace {

QString sizeSheet(int n)
{
    return QStringLiteral("QScrollBar::vertical{ width:%1; } QScrollBar::horizontal{ height:%1; } "
                          "QScrollBar::add-line:vertical{ width:%1px;width:%1px; subcontrol-origin: margin;} "
                          "QScrollBar::sub-line:vertical{ width:%1px;width:%1px;subcontrol-origin: margin; }")
        .arg(n);
}

QString horButtonSheet(int n)
{
    return QStringLiteral("QScrollBar::add-line{ width:%1px;width:%1px; }QScrollBar::sub-line{ width:%1px;width:%1px; }")
        .arg(n);
}

QString verButtonSheet(int n)
{
    return QStringLiteral("QScrollBar::add-line:vertical{ height:%1px;width:%1px; }"
                          "QScrollBar::sub-line:vertical{ height:%1px;width:%1px; }")
        .arg(n);
}

} // namespace

class tst_ScrollView : public QObject
{
    Q_OBJECT

private slots:
    void barStyleSheets_data();
    void barStyleSheets();
    void scrollPosChanged();
    void createCompleteTakesFirstContainer();
    void backgroundUnderViewport();
};

// Each call replaces the whole sheet of the bars it touches: the last call wins.
void tst_ScrollView::barStyleSheets_data()
{
    QTest::addColumn<QStringList>("calls");     // "size <n>", "btnhor <n>", "btnver <n>"
    QTest::addColumn<QString>("vertical");
    QTest::addColumn<QString>("horizontal");

    QTest::newRow("button size then size") << QStringList{"btnhor 14", "size 10"} << sizeSheet(10) << sizeSheet(10);
    QTest::newRow("both buttons then size")
        << QStringList{"btnhor 14", "btnver 12", "size 8"} << sizeSheet(8) << sizeSheet(8);
    QTest::newRow("size then horizontal buttons") << QStringList{"size 10", "btnhor 14"} << sizeSheet(10)
                                                  << horButtonSheet(14);
    QTest::newRow("size then vertical buttons") << QStringList{"size 10", "btnver 9"} << verButtonSheet(9)
                                                << sizeSheet(10);
}

void tst_ScrollView::barStyleSheets()
{
    QFETCH(QStringList, calls);
    QFETCH(QString, vertical);
    QFETCH(QString, horizontal);

    TavixQScrollView view;
    for (const QString &call : calls) {
        const QStringList words = call.split(QLatin1Char(' '));
        const int n = words.at(1).toInt();
        if (words.at(0) == QLatin1String("size"))
            view.setScrollbarSize(n % 2 == 0, n);   // either flag styles both bars
        else if (words.at(0) == QLatin1String("btnhor"))
            view.setScrollbarBtnSize(true, n);
        else
            view.setScrollbarBtnSize(false, n);
    }
    QCOMPARE(view.getScrollBar(false)->styleSheet(), vertical);
    QCOMPARE(view.getScrollBar(true)->styleSheet(), horizontal);
    // The kit's bars are the ones the area scrolls with.
    QCOMPARE(view.verticalScrollBar(), view.getScrollBar(false));
    QCOMPARE(view.horizontalScrollBar(), view.getScrollBar(true));
}

void tst_ScrollView::scrollPosChanged()
{
    TavixQScrollView view;
    view.resize(100, 100);
    auto *content = new QWidget;
    content->resize(400, 300);
    view.setWidget(content);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy spy(&view, &TavixQScrollView::scrollPosChanged);

    view.setVScrollPos(50);
    QCOMPARE(view.getVScrollPos(), 50);
    view.setHScrollPos(30);
    view.setVScrollPos(20);
    QCOMPARE(spy.count(), 3);
    QCOMPARE(spy.at(0), (QList<QVariant>{0, -50}));
    QCOMPARE(spy.at(1), (QList<QVariant>{-30, 0}));
    QCOMPARE(spy.at(2), (QList<QVariant>{0, 30}));
    QCOMPARE(content->pos(), QPoint(-30, -20));

    view.setVScrollPos(20);     // unchanged: no scrolling, no signal
    QCOMPARE(spy.count(), 3);
}

void tst_ScrollView::createCompleteTakesFirstContainer()
{
    TavixQScrollView view;
    view.createComplete();
    QVERIFY(!view.widget());

    auto *plain = new QWidget(&view);
    auto *first = new TavixQContainer(&view);
    auto *second = new TavixQContainer(&view);
    view.createComplete();
    QCOMPARE(view.widget(), first);
    QCOMPARE(first->parentWidget(), view.viewport());
    QCOMPARE(plain->parentWidget(), &view);

    // Running again keeps the content, even with another container among the direct children.
    view.createComplete();
    QCOMPARE(view.widget(), first);
    QCOMPARE(second->parentWidget(), &view);
}

void tst_ScrollView::backgroundUnderViewport()
{
    FillStyle green;
    green.name = QStringLiteral("tst_scrollview_green");
    green.color = QColor(0, 200, 0);
    TavixQResourceManager::getInstance()->setFillStyle(green.name, green);
    Json::Value node;
    QVERIFY(tavixParseJson(QByteArray(R"({"w": 160, "h": 120, "style": [["tst_scrollview_green", 1, 0]]})"), node));

    TavixQScrollView view;
    QVERIFY(view.readJsonValue(&node));
    QCOMPARE(view.getBackground(CommonNormal).color, QColor(0, 200, 0));
    view.resize(160, 120);
    auto *content = new TavixQContainer(&view);
    content->setDrawBackground(false);
    content->resize(100, 300);
    auto *block = new TavixQContainer(content);
    block->setGeometry(10, 10, 40, 40);
    block->setColor(QColor(200, 0, 0));
    view.createComplete();
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::magenta);
    view.render(&image);
    image.save(QStringLiteral("/tmp/tst_scrollview.png"));
    // The viewport shows the view's background through the transparent content, under the content.
    QCOMPARE(image.pixelColor(70, 100), QColor(0, 200, 0));
    QCOMPARE(image.pixelColor(30, 30), QColor(200, 0, 0));
    const int barLeft = view.getScrollBar(false)->mapTo(&view, QPoint(0, 0)).x();
    QVERIFY(view.getScrollBar(false)->isVisible());
    QVERIFY(barLeft > 100 && barLeft < 160);
}

QTEST_MAIN(tst_ScrollView)
#include "tst_scrollview.moc"
