#include "controls/TavixQCheckBox.h"
#include "controls/TavixQPushButton.h"
#include "controls/TavixQPushButtonImpl.h"
#include "controls/TavixQRadioButton.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixJson.h"
#include "core/TavixLibrary.h"
#include "designer/TavixQWindow.h"
#include "resources/TavixQResourceManager.h"

#include <QImage>
#include <QPointer>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <json/value.h>

using namespace TavixQtLib;

namespace {

// Probe looks: one saturated colour per state, so a wrong state cannot pass.
const QColor kNormal(255, 0, 0);
const QColor kHot(0, 255, 0);
const QColor kPressed(0, 0, 255);
const QColor kDisable(255, 0, 255);
const QColor kSentinel(0, 255, 255);

FillStyle solid(const QColor &color)
{
    FillStyle style;
    style.color = color;
    style.border = false;
    return style;
}

void applyProbeLooks(TavixQPushButton &button)
{
    button.setBackground(Normal, solid(kNormal));
    button.setBackground(Hot, solid(kHot));
    button.setBackground(Pressed, solid(kPressed));
    button.setBackground(Disable, solid(kDisable));
}

QImage renderWidget(QWidget &widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(kSentinel);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

bool near(const QColor &a, const QColor &b, int tolerance = 2)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
           && qAbs(a.blue() - b.blue()) <= tolerance && qAbs(a.alpha() - b.alpha()) <= tolerance;
}

#define COMPARE_COLOR(actual, expected)                                                                  \
    QVERIFY2(near((actual), (expected)),                                                                 \
             qPrintable(QStringLiteral("got %1, expected %2")                                           \
                            .arg((actual).name(QColor::HexArgb), (expected).name(QColor::HexArgb))))

void sendEnter(QWidget &widget)
{
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(&widget, &enter);
}

void sendLeave(QWidget &widget)
{
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&widget, &leave);
}

void sendMove(QWidget &widget, const QPoint &pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget.mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &move);
}

// Drives fade ticks until the timer stops; returns the number of ticks, or -1 when it never stops.
int runFade(TavixQPushButtonImpl *impl)
{
    for (int ticks = 1; ticks <= 100; ++ticks) {
        impl->fadeTick();
        if (!impl->isFadeRunning())
            return ticks;
    }
    return -1;
}

Json::Value writeNode(TavixQPushButton &button)
{
    Json::Value node(Json::objectValue);
    button.serializeJsonValue(&node, false);
    return node;
}

const Json::Value *attrMember(const Json::Value &node, const char *key)
{
    const Json::Value *attr = tavixJsonMember(node, "attr");
    return attr ? tavixJsonMember(*attr, key) : nullptr;
}

// Paint events reaching one widget.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

class tst_PushButton : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void fadeBlendsNormalToHotAndBack();
    void fadeStops_data();
    void fadeStops();
    void reenterDuringFadeOutFadesIn();
    void pressAndRelease();
    void disabledWhileHoveredShowsDisable_data();
    void disabledWhileHoveredShowsDisable();
    void allStatesAndStyleSlots();
    void deleteFromClickedSlot();
    void extensionZone_data();
    void extensionZone();
    void extensionRepaintsOnTransitionOnly();
    void attrWrite_data();
    void attrWrite();
    void attrRead_data();
    void attrRead();
    void iconPath_data();
    void iconPath();
    void languageCaption();
    void descriptor();
    void registry();
};

void tst_PushButton::initTestCase()
{
    init();
}

void tst_PushButton::fadeBlendsNormalToHotAndBack()
{
    TavixQPushButton button;
    button.resize(60, 24);
    applyProbeLooks(button);
    button.setFadeEnabled(true);
    button.setFadeDuration(150);
    TavixQPushButtonImpl *impl = button.getImpl();
    QSignalSpy entered(&button, &TavixQPushButton::enterSignal);
    QSignalSpy left(&button, &TavixQPushButton::leaveSignal);

    sendEnter(button);
    QCOMPARE(entered.count(), 1);
    QCOMPARE(impl->state, int(Hot));
    QVERIFY(impl->isFadeRunning());
    QCOMPARE(impl->fadeTimer->interval(), 16);
    COMPARE_COLOR(renderWidget(button).pixelColor(30, 12), kNormal);   // weight 0: still Normal

    for (int i = 0; i < 5; ++i)
        impl->fadeTick();
    const double weight = 5 * 16 / 150.0;
    COMPARE_COLOR(renderWidget(button).pixelColor(30, 12),
                  QColor(qRound(255 * (1 - weight)), qRound(255 * weight), 0));

    QCOMPARE(runFade(impl) + 5, 10);   // 150 ms in 16 ms steps
    QCOMPARE(impl->state, int(Hot));
    COMPARE_COLOR(renderWidget(button).pixelColor(30, 12), kHot);

    sendLeave(button);
    QCOMPARE(left.count(), 1);
    QVERIFY(impl->isFadeRunning());
    QCOMPARE(impl->state, int(Hot));   // stays Hot while the look fades back
    COMPARE_COLOR(renderWidget(button).pixelColor(30, 12), kHot);
    impl->fadeTick();
    impl->fadeTick();
    const double back = 1.0 - 2 * 16 / 150.0;
    COMPARE_COLOR(renderWidget(button).pixelColor(30, 12),
                  QColor(qRound(255 * (1 - back)), qRound(255 * back), 0));
    QCOMPARE(runFade(impl) + 2, 10);
    QCOMPARE(impl->state, int(Normal));
    COMPARE_COLOR(renderWidget(button).pixelColor(30, 12), kNormal);
}

void tst_PushButton::fadeStops_data()
{
    QTest::addColumn<bool>("byJson");
    QTest::newRow("setFadeEnabled(false)") << false;
    QTest::newRow("\"fadeEnabled\": 0") << true;
}

void tst_PushButton::fadeStops()
{
    QFETCH(bool, byJson);
    TavixQPushButton button;
    button.resize(60, 24);
    applyProbeLooks(button);
    button.setFadeEnabled(true);
    TavixQPushButtonImpl *impl = button.getImpl();
    sendEnter(button);
    runFade(impl);
    sendLeave(button);
    impl->fadeTick();
    QVERIFY(impl->isFadeRunning());

    if (byJson) {
        Json::Value node(Json::objectValue);
        node["attr"]["fadeEnabled"] = 0;
        QVERIFY(button.readJsonValue(&node));
    } else {
        button.setFadeEnabled(false);
    }
    QVERIFY(!impl->isFadeRunning());
    QVERIFY(!button.getFadeEnabled());
    QCOMPARE(impl->fadeProgress, 1.0);
    // The pointer is outside: a cut-short fade-out must not leave the button looking Hot.
    QCOMPARE(impl->state, int(Normal));
    COMPARE_COLOR(renderWidget(button).pixelColor(30, 12), kNormal);
}

void tst_PushButton::reenterDuringFadeOutFadesIn()
{
    TavixQPushButton button;
    button.resize(60, 24);
    applyProbeLooks(button);
    button.setFadeEnabled(true);
    TavixQPushButtonImpl *impl = button.getImpl();
    sendEnter(button);
    runFade(impl);
    sendLeave(button);
    impl->fadeTick();
    sendEnter(button);
    QCOMPARE(impl->fadeTarget, int(Hot));
    QCOMPARE(runFade(impl), 10);     // a full fade-in, not a timer that never stops
    COMPARE_COLOR(renderWidget(button).pixelColor(30, 12), kHot);
}

void tst_PushButton::pressAndRelease()
{
    TavixQPushButton button;
    button.resize(60, 24);
    applyProbeLooks(button);
    button.setFadeEnabled(true);
    TavixQPushButtonImpl *impl = button.getImpl();
    QSignalSpy clicked(&button, &QPushButton::clicked);
    sendEnter(button);
    runFade(impl);

    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(30, 12));
    QCOMPARE(impl->state, int(Pressed));
    COMPARE_COLOR(renderWidget(button).pixelColor(30, 12), kPressed);
    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(30, 12));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(impl->state, int(Hot));
    QVERIFY(!impl->isFadeRunning());   // no new fade on release
    COMPARE_COLOR(renderWidget(button).pixelColor(30, 12), kHot);
}

void tst_PushButton::disabledWhileHoveredShowsDisable_data()
{
    QTest::addColumn<bool>("fade");
    QTest::newRow("no fade") << false;
    QTest::newRow("fade") << true;
}

void tst_PushButton::disabledWhileHoveredShowsDisable()
{
    QFETCH(bool, fade);
    TavixQPushButton button;
    button.resize(60, 24);
    applyProbeLooks(button);
    button.setFadeEnabled(fade);
    sendEnter(button);
    button.setEnabled(false);
    sendLeave(button);
    QVERIFY(!button.getImpl()->isFadeRunning());
    COMPARE_COLOR(renderWidget(button).pixelColor(30, 12), kDisable);
    QCOMPARE(button.getImpl()->state, int(Disable));
    button.setEnabled(true);
    COMPARE_COLOR(renderWidget(button).pixelColor(30, 12), kNormal);
}

void tst_PushButton::allStatesAndStyleSlots()
{
    TavixQPushButton button;
    button.setBackground(AllStates, solid(kHot));
    for (int s = Normal; s <= Disable; ++s)
        QCOMPARE(button.getBackground(CtrlState(s)).color, kHot);
    button.setBackground(CtrlState(9), solid(kDisable));   // out of range: ignored
    QCOMPARE(button.getBackground(CtrlState(9)).color, kHot);

    TavixQResourceManager *rm = TavixQResourceManager::getInstance();
    FillStyle yellow = solid(QColor(255, 255, 0));
    FillStyle black = solid(QColor(0, 0, 0));
    rm->setFillStyle(QStringLiteral("tst_pb_yellow"), yellow);
    rm->setFillStyle(QStringLiteral("tst_pb_black"), black);
    TextStyleDesc blue;
    blue.color = kPressed;
    rm->setTextStyle(QStringLiteral("tst_pb_text"), blue);

    Json::Value node(Json::objectValue);
    Json::Value entries(Json::arrayValue);
    Json::Value first(Json::arrayValue), second(Json::arrayValue), missing(Json::arrayValue), text(Json::arrayValue);
    first.append("tst_pb_yellow"); first.append(1); first.append(0);
    second.append("tst_pb_black"); second.append(1); second.append(2);
    missing.append("tst_pb_nowhere"); missing.append(1); missing.append(1);
    text.append("tst_pb_text"); text.append(2); text.append(4);
    entries.append(first);
    entries.append(second);
    entries.append(missing);
    entries.append(text);
    node["style"] = entries;
    QVERIFY(button.readJsonValue(&node));
    QCOMPARE(button.getBackground(Normal).color, QColor(255, 255, 0));
    QCOMPARE(button.getBackground(Hot).color, QColor(255, 255, 0));
    QCOMPARE(button.getBackground(Pressed).color, QColor(0, 0, 0));
    QCOMPARE(button.getBackground(Disable).color, QColor(255, 255, 0));
    QCOMPARE(button.getTextStyle(Disable).color, kPressed);

    button.resize(40, 20);
    COMPARE_COLOR(renderWidget(button).pixelColor(20, 10), QColor(255, 255, 0));
}

void tst_PushButton::deleteFromClickedSlot()
{
    QPointer<TavixQPushButton> button = new TavixQPushButton;
    button->resize(60, 24);
    connect(button.data(), &QPushButton::clicked, button.data(), [&button] { delete button.data(); });
    QTest::mouseClick(button.data(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 12));
    QVERIFY(button.isNull());
}

void tst_PushButton::extensionZone_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<bool>("hot");
    QTest::newRow("left edge") << 0 << false;
    QTest::newRow("last outside") << 80 << false;
    QTest::newRow("first inside") << 81 << true;
    QTest::newRow("right edge") << 99 << true;
}

void tst_PushButton::extensionZone()
{
    QFETCH(int, x);
    QFETCH(bool, hot);
    TavixQPushButton button;
    button.resize(100, 24);
    applyProbeLooks(button);
    Json::Value node(Json::objectValue);
    node["attr"]["isExtBtn"] = 1;
    node["attr"]["extWidth"] = 20;
    QVERIFY(button.readJsonValue(&node));
    button.resize(100, 24);
    sendEnter(button);
    sendMove(button, QPoint(x, 12));
    QCOMPARE(button.getImpl()->extHot, hot);

    // Split look: over the extension only that part shows the state.
    const QImage image = renderWidget(button);
    COMPARE_COLOR(image.pixelColor(90, 12), kHot);
    COMPARE_COLOR(image.pixelColor(40, 12), hot ? kNormal : kHot);
}

void tst_PushButton::extensionRepaintsOnTransitionOnly()
{
    TavixQPushButton button;
    button.getImpl()->isExtBtn = true;
    button.getImpl()->extWidth = 20;
    button.resize(100, 24);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    PaintCounter counter;
    button.installEventFilter(&counter);
    QCoreApplication::processEvents();

    const struct {
        int x;
        bool repaint;
    } moves[] = {{50, false}, {85, true}, {90, false}, {81, false}, {80, true}, {10, false}};
    for (const auto &move : moves) {
        counter.paints = 0;
        sendMove(button, QPoint(move.x, 12));
        QCoreApplication::processEvents();
        QVERIFY2((counter.paints > 0) == move.repaint, qPrintable(QString::number(move.x)));
    }
}

void tst_PushButton::attrWrite_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("expected");   // empty: key absent
    QTest::newRow("defaults write no iconColor") << "iconColor" << "" << "";
    QTest::newRow("opaque red icon") << "iconColor" << "red" << "FFFF0000";
    QTest::newRow("black icon") << "iconColor" << "black" << "";
    QTest::newRow("defaults write no hasIcon") << "hasIcon" << "" << "";
    QTest::newRow("no icon") << "hasIcon" << "noicon" << "0";
    QTest::newRow("fade duration") << "fadeDuration" << "duration" << "300";
    QTest::newRow("caption") << "text" << "caption" << "Go";
    QTest::newRow("offset back at default") << "txtX" << "stale" << "";
}

void tst_PushButton::attrWrite()
{
    QFETCH(QString, key);
    QFETCH(QString, change);
    QFETCH(QString, expected);
    TavixQPushButton button;
    IconStyleDesc icon = button.getIconStyle();
    if (change == QLatin1String("red") || change == QLatin1String("black")) {
        icon.color = change == QLatin1String("red") ? QColor(255, 0, 0) : QColor(0, 0, 0);
        button.setIconStyle(icon);
    } else if (change == QLatin1String("noicon")) {
        button.setUseIcon(false);
    } else if (change == QLatin1String("duration")) {
        button.setFadeDuration(300);
    } else if (change == QLatin1String("caption")) {
        button.setText(QStringLiteral("Go"));
    } else if (change == QLatin1String("stale")) {
        Json::Value node(Json::objectValue);
        node["attr"]["txtX"] = 5;
        QVERIFY(button.readJsonValue(&node));
        QCOMPARE(button.getTextOffsetX(), 5);
        button.setTextOffsetX(0);
    }
    const Json::Value node = writeNode(button);
    const Json::Value *value = attrMember(node, key.toUtf8().constData());
    if (expected.isEmpty()) {
        QVERIFY2(!value, value ? value->toStyledString().c_str() : "");
        return;
    }
    QVERIFY(value);
    const QString actual = value->isString() ? QString::fromStdString(value->asString())
                                             : QString::number(value->asInt());
    QCOMPARE(actual, expected);
}

void tst_PushButton::attrRead_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<int>("fadeDuration");
    QTest::addColumn<QColor>("iconColor");
    const QColor black(0, 0, 0);
    QTest::newRow("duration 0") << R"({"attr": {"fadeDuration": 0}})" << 150 << black;
    QTest::newRow("duration -5") << R"({"attr": {"fadeDuration": -5}})" << 150 << black;
    QTest::newRow("duration 300") << R"({"attr": {"fadeDuration": 300}})" << 300 << black;
    QTest::newRow("duration as text") << R"({"attr": {"fadeDuration": "300"}})" << 150 << black;
    QTest::newRow("attr not an object") << R"({"attr": [1, 2]})" << 150 << black;
    QTest::newRow("icon colour") << R"({"attr": {"iconColor": "8000FF00"}})" << 150 << QColor(0, 255, 0, 128);
    QTest::newRow("style not an array") << R"({"style": 7, "attr": {"iconColor": 5}})" << 150 << black;
}

void tst_PushButton::attrRead()
{
    QFETCH(QString, json);
    QFETCH(int, fadeDuration);
    QFETCH(QColor, iconColor);
    Json::Value node;
    QVERIFY(tavixParseJson(json.toUtf8(), node));
    TavixQPushButton button;
    button.setFadeDuration(0);
    QCOMPARE(button.getFadeDuration(), 150);
    button.readJsonValue(&node);
    QCOMPARE(button.getFadeDuration(), fadeDuration);
    QCOMPARE(button.getIconStyle().color, iconColor);
}

void tst_PushButton::iconPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("iconObject");
    QTest::newRow("resource png") << ":/qt-project.org/styles/commonstyle/images/up-16.png" << true;
    QTest::newRow("resource SVG") << ":/icons/arrow.SVG" << false;
    QTest::newRow("resource svg") << ":/icons/arrow.svg" << false;
    QTest::newRow("file png") << "images/arrow.png" << false;
}

void tst_PushButton::iconPath()
{
    QFETCH(QString, path);
    QFETCH(bool, iconObject);
    TavixQPushButton button;
    button.setUseIcon(false);
    button.setIcon(path);
    QVERIFY(button.getUseIcon());
    QCOMPARE(!button.getImpl()->icon.isNull(), iconObject);
    QCOMPARE(button.getIcon(), iconObject ? QString() : path);

}

void tst_PushButton::languageCaption()
{
    TavixQResourceManager *rm = TavixQResourceManager::getInstance();
    const QString table = QStringLiteral("Language\tEnglish\tDeutsch\r\nok\tOK\tJa\r\n");
    const QByteArray bytes(reinterpret_cast<const char *>(table.utf16()), table.size() * 2);
    QVERIFY(rm->readLanguage(bytes));
    QVERIFY(rm->setCurrentLanguage(QStringLiteral("English")));

    TavixQWindow window;
    auto *button = new TavixQPushButton(&window);
    Json::Value node(Json::objectValue);
    node["attr"]["text"] = "|->ok";
    QVERIFY(button->readJsonValue(&node));
    QCOMPARE(button->text(), QStringLiteral("OK"));

    QVERIFY(rm->setCurrentLanguage(QStringLiteral("Deutsch")));
    QCOMPARE(button->text(), QStringLiteral("Ja"));
    // Saved, the caption keeps its key so a reloaded page still follows the language.
    const Json::Value saved = writeNode(*button);
    const Json::Value *text = attrMember(saved, "text");
    QVERIFY(text && text->isString());
    QCOMPARE(QString::fromStdString(text->asString()), QStringLiteral("|->ok"));

    // A plain caption ends the binding.
    node["attr"]["text"] = "Plain";
    QVERIFY(button->readJsonValue(&node));
    QVERIFY(rm->setCurrentLanguage(QStringLiteral("English")));
    QCOMPARE(button->text(), QStringLiteral("Plain"));
}

void tst_PushButton::descriptor()
{
    const ControlInfo info = TavixQPushButton::getProps();
    QCOMPARE(info.typeName, std::string("qtbutton"));
    QCOMPARE(info.className, std::string("TavixQPushButton"));
    QStringList labels;
    for (const PropertyDef &def : info.properties)
        labels << def.label;
    QCOMPARE(labels, QStringList({"Name", "Type", "Visibility", "Enable", "Tooltip", "Alpha", "Line", "Background",
                                  "DrawBackground", "FadeEnabled", "FadeDuration"}));

    TavixQPushButton button;
    info.properties[7].setFillStyle(&button, Pressed, solid(kDisable));
    QCOMPARE(button.getBackground(Pressed).color, kDisable);
    QCOMPARE(button.getBackground(Hot).color, QColor(0xED, 0xFB, 0xFF));
    info.properties[10].setInt(&button, -1);
    QCOMPARE(info.properties[10].getInt(&button), 150);
}

void tst_PushButton::registry()
{
    // keyword, described class (empty for a creator-only alias), type keyword of the created control
    const char *const rows[][3] = {
        {"qtbutton", "TavixQPushButton", "qtbutton"}, {"qtcheckbox", "TavixQCheckBox", "qtcheckbox"},
        {"qtradiobox", "TavixQRadioButton", "qtradiobox"}, {"button", "", "qtbutton"},
        {"checkbox", "", "qtcheckbox"}, {"radio", "", "qtradiobox"}, {"radiobox", "", "qtradiobox"}};
    for (const auto &row : rows) {
        const ControlInfo *info = tavixGetControlInfo(QString::fromLatin1(row[0]));
        QCOMPARE(info ? info->className : std::string(), std::string(row[1]));
        QScopedPointer<QWidget> widget(tavixCreateControlByKeyword(row[0], nullptr));
        auto *control = dynamic_cast<ITavixQWidgetBase *>(widget.data());
        QVERIFY2(control, row[0]);
        QCOMPARE(control->getTypeName(), QString::fromLatin1(row[2]));
    }
}

QTEST_MAIN(tst_PushButton)
#include "tst_pushbutton.moc"
