#include "controls/TavixQScrollBar.h"
#include "controls/TavixQScrollBarImpl.h"
#include "core/TavixJson.h"
#include "resources/TavixQResourceManager.h"

#include <QImage>
#include <QMouseEvent>
#include <QtTest>

#include <json/value.h>

using namespace TavixQtLib;
using Part = TavixQScrollBarImpl::Part;

namespace {

void registerFill(const QString &name, const QColor &color)
{
    FillStyle style;
    style.name = name;
    style.color = color;
    TavixQResourceManager::getInstance()->setFillStyle(name, style);
}

// QTest::mouseMove does not carry the held button in every Qt 5 version; a drag is sent by hand.
void dragTo(QWidget *w, const QPoint &pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
}

void hoverTo(QWidget *w, const QPoint &pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
}

QColor renderedAt(TavixQScrollBar &bar, const QPoint &pos)
{
    QImage image(bar.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::cyan);
    bar.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image.pixelColor(pos);
}

} // namespace

class tst_ScrollBar : public QObject
{
    Q_OBJECT

private slots:
    void constructors();
    void arrowDraggedOffReturnsToNormal();
    void thumbDraggedOffStaysPressed();
    void hoverAndLeave();
    void sizeHintThickness_data();
    void sizeHintThickness();
    void partStyleSetters();
    void thumbSlotFillsEveryState();
    void laterEntriesOverrideOneState();
    void jsonRoundTrip();
    void horFromJson_data();
    void horFromJson();
    void descriptorRows();
};

void tst_ScrollBar::constructors()
{
    TavixQScrollBar vertical;
    QCOMPARE(vertical.orientation(), Qt::Vertical);
    QVERIFY(vertical.hasMouseTracking());
    QCOMPARE(vertical.getTypeName(), QStringLiteral("qtscrollbar"));
    TavixQScrollBar horizontal(Qt::Horizontal);
    QCOMPARE(horizontal.orientation(), Qt::Horizontal);
    QVERIFY(horizontal.getImpl()->horizontal);
    QVERIFY(horizontal.getControlImpl() == horizontal.getImpl());
}

void tst_ScrollBar::arrowDraggedOffReturnsToNormal()
{
    TavixQScrollBar bar;
    bar.setRange(0, 100);
    bar.resize(16, 200);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    TavixQScrollBarImpl *impl = bar.getImpl();
    const QRect up = impl->partRect(TavixQScrollBarImpl::UpPart);
    QVERIFY(up.isValid());

    QTest::mousePress(&bar, Qt::LeftButton, Qt::NoModifier, up.center());
    QCOMPARE(impl->upState, int(Pressed));
    QCOMPARE(impl->downState, int(Normal));
    dragTo(&bar, QPoint(up.center().x(), bar.height() / 2));
    QCOMPARE(impl->upState, int(Normal));
    dragTo(&bar, up.center());   // back over the arrow while still held
    QCOMPARE(impl->upState, int(Hot));
    QTest::mouseRelease(&bar, Qt::LeftButton, Qt::NoModifier, up.center());
    QCOMPARE(impl->upState, int(Hot));
}

void tst_ScrollBar::thumbDraggedOffStaysPressed()
{
    TavixQScrollBar bar;
    bar.setRange(0, 100);
    bar.setPageStep(20);
    bar.resize(16, 200);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    TavixQScrollBarImpl *impl = bar.getImpl();
    const QRect thumb = impl->partRect(TavixQScrollBarImpl::ThumbPart);
    QVERIFY(thumb.isValid());

    QTest::mousePress(&bar, Qt::LeftButton, Qt::NoModifier, thumb.center());
    QCOMPARE(impl->thumbState, int(Pressed));
    const QPoint off(bar.width() + 60, thumb.center().y() + 30);
    dragTo(&bar, off);
    QCOMPARE(impl->thumbState, int(Pressed));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&bar, &leave);
    QCOMPARE(impl->thumbState, int(Pressed));
    QTest::mouseRelease(&bar, Qt::LeftButton, Qt::NoModifier, off);
    QCOMPARE(impl->thumbState, int(Normal));
}

void tst_ScrollBar::hoverAndLeave()
{
    TavixQScrollBar bar;
    bar.setRange(0, 100);
    bar.resize(16, 200);
    TavixQScrollBarImpl *impl = bar.getImpl();
    const QRect down = impl->partRect(TavixQScrollBarImpl::DownPart);
    hoverTo(&bar, down.center());
    QCOMPARE(impl->downState, int(Hot));
    QCOMPARE(impl->upState, int(Normal));
    impl->upState = 9;   // a stray value counts as Normal
    hoverTo(&bar, impl->partRect(TavixQScrollBarImpl::UpPart).center());
    QCOMPARE(impl->upState, int(Hot));
    QCOMPARE(impl->downState, int(Normal));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&bar, &leave);
    QCOMPARE(impl->upState, int(Normal));
}

void tst_ScrollBar::sizeHintThickness_data()
{
    QTest::addColumn<int>("orientation");
    QTest::newRow("vertical") << int(Qt::Vertical);
    QTest::newRow("horizontal") << int(Qt::Horizontal);
}

void tst_ScrollBar::sizeHintThickness()
{
    QFETCH(int, orientation);
    TavixQScrollBar bar(Qt::Orientation(orientation), nullptr);
    const bool vertical = orientation == Qt::Vertical;
    const QSize original = bar.sizeHint();
    auto thickness = [vertical](const QSize &s) { return vertical ? s.width() : s.height(); };
    auto length = [vertical](const QSize &s) { return vertical ? s.height() : s.width(); };

    bar.setWidthHeight(8);
    QCOMPARE(bar.getWidthHeight(), 8);
    QCOMPARE(thickness(bar.sizeHint()), 8);
    QCOMPARE(length(bar.sizeHint()), length(original));
    bar.setWidthHeight(-1);
    QCOMPARE(bar.sizeHint(), original);
    bar.setWidthHeight(-7);   // any negative value means the style's thickness
    QCOMPARE(bar.getWidthHeight(), -1);
    QCOMPARE(bar.sizeHint(), original);
}

void tst_ScrollBar::partStyleSetters()
{
    TavixQScrollBar bar;
    FillStyle red;
    red.color = Qt::red;
    FillStyle blue;
    blue.color = Qt::blue;
    bar.setScrollbarThumb(AllStates, red);
    bar.setScrollbarThumb(Pressed, blue);
    QCOMPARE(bar.getScrollbarThumb(Normal).color, QColor(Qt::red));
    QCOMPARE(bar.getScrollbarThumb(Disable).color, QColor(Qt::red));
    QCOMPARE(bar.getScrollbarThumb(Pressed).color, QColor(Qt::blue));
    bar.setScrollbarUpButton(CtrlState(9), blue);   // ignored
    QCOMPARE(bar.getScrollbarUpButton(Normal).color, FillStyle().color);
    QCOMPARE(bar.getScrollbarDownButton(CtrlState(-3)).color, FillStyle().color);   // bounded read
    bar.setScrollbarBackground(Disable, blue);   // one style for every state
    QCOMPARE(bar.getScrollbarBackground(Normal).color, QColor(Qt::blue));
}

void tst_ScrollBar::thumbSlotFillsEveryState()
{
    registerFill(QStringLiteral("tstScrollThumb"), QColor(200, 0, 0));
    Json::Value node;
    QVERIFY(tavixParseJson(QByteArray("{\"style\": [[\"tstScrollThumb\", 1, 10]]}"), node));
    TavixQScrollBar bar;
    QVERIFY(bar.readJsonValue(&node));
    bar.setRange(0, 100);
    bar.setPageStep(50);
    bar.resize(16, 200);
    TavixQScrollBarImpl *impl = bar.getImpl();
    const QPoint centre = impl->partRect(TavixQScrollBarImpl::ThumbPart).center();

    for (int state = Normal; state <= Disable; ++state) {
        impl->thumbState = state;
        QCOMPARE(renderedAt(bar, centre), QColor(200, 0, 0));
    }
    impl->thumbState = Normal;
    bar.setEnabled(false);
    QCOMPARE(renderedAt(bar, centre), QColor(200, 0, 0));
    // The other parts keep their built-in look.
    QCOMPARE(bar.getScrollbarUpButton(Normal).color, FillStyle().color);
}

void tst_ScrollBar::laterEntriesOverrideOneState()
{
    registerFill(QStringLiteral("tstScrollA"), QColor(10, 20, 30));
    registerFill(QStringLiteral("tstScrollB"), QColor(40, 50, 60));
    Json::Value node;
    QVERIFY(tavixParseJson(QByteArray("{\"style\": [[\"tstScrollA\", 1, 6], [\"tstScrollB\", 1, 8],"
                                      " [\"tstScrollB\", 1, 0], [\"tstScrollB\", 1, 1], [\"nope\", 1, 2],"
                                      " [\"tstScrollB\", 1, 14]]}"), node));
    TavixQScrollBar bar;
    bar.readJsonValue(&node);
    QCOMPARE(bar.getScrollbarDownButton(Normal).color, QColor(10, 20, 30));
    QCOMPARE(bar.getScrollbarDownButton(Hot).color, QColor(10, 20, 30));
    QCOMPARE(bar.getScrollbarDownButton(Pressed).color, QColor(40, 50, 60));
    QCOMPARE(bar.getScrollbarDownButton(Disable).color, QColor(10, 20, 30));
    QCOMPARE(bar.getScrollbarBackground(Normal).color, QColor(40, 50, 60));
    QCOMPARE(bar.getScrollbarUpButton(Normal).color, FillStyle().color);   // slot 1 and 14 are not parts
    QCOMPARE(bar.getScrollbarThumb(Normal).color, FillStyle().color);
}

void tst_ScrollBar::jsonRoundTrip()
{
    registerFill(QStringLiteral("tstScrollA"), QColor(10, 20, 30));
    registerFill(QStringLiteral("tstScrollB"), QColor(40, 50, 60));
    Json::Value node;
    QVERIFY(tavixParseJson(QByteArray("{\"name\": \"bar\", \"attr\": {\"upicon\": \"up.svg\", \"thumbicon\": \"t.png\","
                                      " \"hor\": 1}, \"style\": [[\"tstScrollA\", 1, 0], [\"tstScrollB\", 1, 10],"
                                      " [\"tstScrollA\", 1, 12]]}"), node));
    TavixQScrollBar bar;
    QVERIFY(bar.readJsonValue(&node));
    QCOMPARE(bar.orientation(), Qt::Horizontal);
    QCOMPARE(bar.getScrollbarBtnIcon(true), QStringLiteral("up.svg"));
    QCOMPARE(bar.getScrollbarBtnIcon(false), QString());
    QCOMPARE(bar.getScrollbarThumbIcon(), QStringLiteral("t.png"));

    Json::Value first(Json::objectValue);
    bar.serializeJsonValue(&first, false);
    const Json::Value *style = tavixJsonMember(first, "style");
    QVERIFY(style && style->isArray());
    QCOMPARE(int(style->size()), 5);   // background and one entry per named thumb state

    TavixQScrollBar copy;
    QVERIFY(copy.readJsonValue(&first));
    Json::Value second(Json::objectValue);
    copy.serializeJsonValue(&second, false);
    QCOMPARE(tavixJsonStyled(second), tavixJsonStyled(first));
    QVERIFY(second == first);
    QCOMPARE(copy.getScrollbarThumb(Pressed).color, QColor(10, 20, 30));

    // Cleared icons drop their keys, also those the node held when it was read.
    copy.setScrollbarBtnIcon(true, QString());
    copy.setScrollbarThumbIcon(QString());
    copy.setOrientation(Qt::Vertical);
    Json::Value third(Json::objectValue);
    copy.serializeJsonValue(&third, false);
    const Json::Value *attr = tavixJsonMember(third, "attr");
    for (const char *key : {"upicon", "downicon", "thumbicon", "hor"})
        QVERIFY2(!attr || !tavixJsonHas(*attr, key), key);
}

void tst_ScrollBar::horFromJson_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<int>("orientation");
    QTest::newRow("hor 1") << QByteArray("{\"attr\": {\"hor\": 1}}") << int(Qt::Horizontal);
    QTest::newRow("hor true") << QByteArray("{\"attr\": {\"hor\": true}}") << int(Qt::Horizontal);
    QTest::newRow("hor 0") << QByteArray("{\"attr\": {\"hor\": 0}}") << int(Qt::Vertical);
    QTest::newRow("absent") << QByteArray("{}") << int(Qt::Vertical);
    QTest::newRow("wrong kind") << QByteArray("{\"attr\": {\"hor\": \"yes\"}}") << int(Qt::Vertical);
    QTest::newRow("attr not an object") << QByteArray("{\"attr\": [1]}") << int(Qt::Vertical);
}

void tst_ScrollBar::horFromJson()
{
    QFETCH(QByteArray, json);
    QFETCH(int, orientation);
    Json::Value node;
    QVERIFY(tavixParseJson(json, node));
    TavixQScrollBar bar(Qt::Horizontal);
    bar.readJsonValue(&node);
    QCOMPARE(int(bar.orientation()), orientation);
    QCOMPARE(bar.getImpl()->horizontal, orientation == Qt::Horizontal);

    // A theme entry restyles a bar but never turns it.
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    TavixQScrollBar themed(Qt::Horizontal);
    manager->setSwitchToThemeRes(true);
    Json::Value *entry = &node;
    themed.getImpl()->serializeJsonValue(&entry, true);
    manager->setSwitchToThemeRes(false);
    QCOMPARE(themed.orientation(), Qt::Horizontal);
}

void tst_ScrollBar::descriptorRows()
{
    const ControlInfo info = TavixQScrollBar::getProps();
    QCOMPARE(info.typeName, std::string("qtscrollbar"));
    QCOMPARE(info.className, std::string("TavixQScrollBar"));
    QCOMPARE(info.displayName, std::string("ScrollBar"));
    QCOMPARE(info.iconName, std::string("scrollbar"));
    QStringList labels;
    for (const PropertyDef &def : info.properties)
        labels << def.label;
    QCOMPARE(labels, QStringList({"Name", "Type", "Visibility", "Enable", "Tooltip", "Alpha", "Line", "Background",
                                  "UpButton", "DownButton", "Thumb", "Thumb"}));
    QCOMPARE(info.properties[7].optionTexts, std::vector<QString>({"Normal", "Disable"}));
    QCOMPARE(info.properties[10].type, int(FillStyleRef));
    QCOMPARE(info.properties[11].type, int(ImagePath));

    TavixQScrollBar bar;
    FillStyle green;
    green.color = Qt::green;
    info.properties[9].setFillStyle(&bar, Hot, green);
    QCOMPARE(bar.getScrollbarDownButton(Hot).color, QColor(Qt::green));
    info.properties[11].setString(&bar, QStringLiteral("thumb.svg"));
    QCOMPARE(info.properties[11].getString(&bar), QStringLiteral("thumb.svg"));
}

QTEST_MAIN(tst_ScrollBar)
#include "tst_scrollbar.moc"
