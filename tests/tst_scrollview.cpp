#include "TavixTestSupport.h"
#include "controls/TavixQContainer.h"
#include "controls/TavixQScrollBar.h"
#include "controls/TavixQScrollView.h"

#include <QtTest>

using namespace TavixQtLib;

class tst_ScrollView : public QObject
{
    Q_OBJECT

private slots:
    void barStyleSheets_data();
    void barStyleSheets();
    void scrollPosChanged();
    void contentOnCreateComplete();
    void replacedBars();
};

// Each call replaces the whole sheet of the bars it touches: the last call wins.
void tst_ScrollView::barStyleSheets_data()
{
    const QString size = QStringLiteral(
        "QScrollBar::vertical{ width:10; } QScrollBar::horizontal{ height:10; } "
        "QScrollBar::add-line:vertical{ width:10px;width:10px; subcontrol-origin: margin;} "
        "QScrollBar::sub-line:vertical{ width:10px;width:10px;subcontrol-origin: margin; }");
    const QString horButtons =
        QStringLiteral("QScrollBar::add-line{ width:14px;width:14px; }QScrollBar::sub-line{ width:14px;width:14px; }");
    QTest::addColumn<QString>("calls");     // "size", "btnhor" (14) and "btnver" (9)
    QTest::addColumn<QString>("vertical");
    QTest::addColumn<QString>("horizontal");
    QTest::newRow("button size then size") << "btnhor btnver size" << size << size;
    QTest::newRow("size then horizontal buttons") << "size btnhor" << size << horButtons;
}

void tst_ScrollView::barStyleSheets()
{
    QFETCH(QString, calls);
    QFETCH(QString, vertical);
    QFETCH(QString, horizontal);
    TavixQScrollView view;
    for (const QString &call : calls.split(QLatin1Char(' '))) {
        if (call == QLatin1String("size"))
            view.setScrollbarSize(false, 10);   // either flag styles both bars
        else
            view.setScrollbarBtnSize(call == QLatin1String("btnhor"), call == QLatin1String("btnhor") ? 14 : 9);
    }
    QCOMPARE(view.getScrollBar(false)->styleSheet(), vertical);
    QCOMPARE(view.getScrollBar(true)->styleSheet(), horizontal);
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
    view.setVScrollPos(20);     // unchanged: no scrolling, no signal
    QCOMPARE(spy, (QList<QList<QVariant>>{{0, -50}, {-30, 0}, {0, 30}}));
    QCOMPARE(content->pos(), QPoint(-30, -20));
}

// The first direct container child becomes the content, once. The viewport, left of the vertical bar, shows the
// view's background through the transparent content.
void tst_ScrollView::contentOnCreateComplete()
{
    TavixQScrollView view;
    view.setBackground(CommonNormal, tavixtest::solid(QColor(0, 200, 0)));
    view.resize(160, 120);
    view.createComplete();
    QVERIFY(!view.widget());
    auto *plain = new QWidget(&view);
    auto *content = new TavixQContainer(&view);
    auto *second = new TavixQContainer(&view);
    content->setDrawBackground(false);
    content->resize(100, 300);
    auto *block = new TavixQContainer(content);
    block->setGeometry(10, 10, 40, 40);
    block->setColor(QColor(200, 0, 0));
    view.createComplete();
    view.createComplete();
    QCOMPARE(view.widget(), content);
    QCOMPARE(content->parentWidget(), view.viewport());
    QVERIFY(plain->parentWidget() == &view && second->parentWidget() == &view);
    plain->hide();
    second->hide();
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    const QImage image = tavixtest::rendered(view, Qt::magenta);
    QCOMPARE(image.pixelColor(70, 100), QColor(0, 200, 0));
    QCOMPARE(image.pixelColor(30, 30), QColor(200, 0, 0));
}

// Bars set through setVerticalScrollBar()/setHorizontalScrollBar() replace (and delete) the kit bars; positions,
// style sheets and styles follow the bars the area holds (ASan catches a use of a replaced bar).
void tst_ScrollView::replacedBars()
{
    TavixQScrollView view;
    view.resize(100, 100);
    auto *content = new QWidget;
    content->resize(400, 300);
    view.setWidget(content);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    FillStyle orange;
    orange.color = QColor(255, 128, 0);
    IconStyleDesc iconStyle;

    for (const bool hor : {false, true}) {
        QPointer<TavixQScrollBar> kitBar = view.getScrollBar(hor);
        QVERIFY(kitBar);
        auto *plain = new QScrollBar;
        hor ? view.setHorizontalScrollBar(plain) : view.setVerticalScrollBar(plain);
        QVERIFY(!kitBar);
        QCOMPARE(view.getScrollBar(hor), nullptr);
        hor ? view.setHScrollPos(7) : view.setVScrollPos(5);
        QCOMPARE(plain->value(), hor ? 7 : 5);
        QCOMPARE(hor ? view.getHScrollPos() : view.getVScrollPos(), hor ? 7 : 5);
        QCOMPARE(hor ? -content->x() : -content->y(), hor ? 7 : 5);
        // Kit styles have no plain bar to go to; sheets do.
        view.setScrollbarBackgroundStyle(hor, orange);
        view.setScrollbarButtonStyle(hor, true, Normal, orange);
        view.setScrollbarButtonStyle(hor, false, Hot, orange);
        view.setScrollbarButtonIcon(hor, true, QStringLiteral("up.png"));
        view.setScrollbarButtonIconStyle(hor, false, iconStyle);
        view.setScrollbarThumbStyle(hor, AllStates, orange);
        view.setScrollbarThumb(hor, QStringLiteral("thumb.png"));
        view.setScrollbarBtnSize(hor, 9);
        QVERIFY(plain->styleSheet().contains(QLatin1String("9px")));
        view.setScrollbarSize(hor, 10);
        QVERIFY(plain->styleSheet().contains(QLatin1String("width:10")));

        auto *kit = new TavixQScrollBar(hor ? Qt::Horizontal : Qt::Vertical);
        hor ? view.setHorizontalScrollBar(kit) : view.setVerticalScrollBar(kit);
        QCOMPARE(view.getScrollBar(hor), kit);
        view.setScrollbarThumbStyle(hor, Pressed, orange);
        QCOMPARE(kit->getScrollbarThumb(Pressed).color, orange.color);
    }
}

QTEST_MAIN(tst_ScrollView)
#include "tst_scrollview.moc"
