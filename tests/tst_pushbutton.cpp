#include "TavixTestSupport.h"
#include "controls/TavixQPushButton.h"
#include "controls/TavixQPushButtonImpl.h"
#include "core/TavixJson.h"
#include "core/TavixLibrary.h"
#include "designer/TavixQWindow.h"
#include "resources/TavixQResourceManager.h"

#include <QImage>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <functional>

#include <json/value.h>

using namespace TavixQtLib;

namespace {

// One saturated colour per state, so a wrong state cannot pass.
const QColor kNormal(255, 0, 0);
const QColor kHot(0, 255, 0);
const QColor kPressed(0, 0, 255);
const QColor kDisable(255, 0, 255);

using tavixtest::near;
using tavixtest::solid;

void probe(TavixQPushButton &button, bool fade, int width = 60)
{
    button.resize(width, 24);
    const QColor looks[] = {kNormal, kHot, kPressed, kDisable};
    for (int s = Normal; s <= Disable; ++s)
        button.setBackground(CtrlState(s), solid(looks[s]));
    button.setFadeEnabled(fade);
}

// The colour painted at (x, 12) over a cyan sentinel.
QColor shown(QWidget &widget, int x = 30)
{
    return tavixtest::rendered(widget).pixelColor(x, 12);
}

#define COMPARE_COLOR(actual, expected)                                                                  \
    QVERIFY2(near((actual), (expected)),                                                                 \
             qPrintable((actual).name(QColor::HexArgb) + QLatin1String(" != ") + (expected).name(QColor::HexArgb)))

// Sends Enter, Leave, or a button-less MouseMove to (x, 12).
void send(QWidget &widget, QEvent::Type type, int x = 0)
{
    QEvent plain(type);
    QMouseEvent move(type, QPoint(x, 12), widget.mapToGlobal(QPoint(x, 12)), Qt::NoButton, {}, {});
    QCoreApplication::sendEvent(&widget, type == QEvent::MouseMove ? &move : &plain);
}

// Drives fade ticks until the timer stops; returns the number of ticks, or -1 when it never stops.
int runFade(TavixQPushButtonImpl *impl)
{
    int ticks = 0;
    for (; impl->isFadeRunning() && ticks < 100; ++ticks)
        impl->fadeTick();
    return impl->isFadeRunning() ? -1 : ticks;
}

using tavixtest::parse;

// The written "attr" string of key; empty when the key is absent.
QString writtenAttr(TavixQPushButton &button, const char *key)
{
    Json::Value node(Json::objectValue);
    button.serializeJsonValue(&node, false);
    const Json::Value *attr = tavixJsonMember(node, "attr");
    QString value;
    return attr && tavixReadString(*attr, key, value) ? value : QString();
}

struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

class tst_PushButton : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { init(); }
    void fadeNormalToHotAndBack();
    void hoverScript_data();
    void hoverScript();
    void allStatesAndStyleSlots();
    void deleteFromClickedSlot();
    void extensionZone();
    void attrs_data();
    void attrs();
    void extremeOffsets_data();
    void extremeOffsets();
    void iconPath();
    void languageCaption();
};

void tst_PushButton::fadeNormalToHotAndBack()
{
    TavixQPushButton button;
    probe(button, true);   // fading over the default 150 ms
    TavixQPushButtonImpl *impl = button.getImpl();

    send(button, QEvent::Enter);
    QCOMPARE(impl->state, int(Hot));
    COMPARE_COLOR(shown(button), kNormal);   // weight 0: still the Normal look
    for (int i = 0; i < 5; ++i)
        impl->fadeTick();
    const QColor half = shown(button);   // blended, not switched
    QVERIFY2(half.red() > 60 && half.green() > 60 && half.blue() == 0, qPrintable(half.name()));
    QCOMPARE(runFade(impl) + 5, 10);   // 150 ms in 16 ms steps
    COMPARE_COLOR(shown(button), kHot);

    send(button, QEvent::Leave);
    QCOMPARE(impl->state, int(Hot));   // stays Hot while the look fades back
    COMPARE_COLOR(shown(button), kHot);
    impl->fadeTick();
    impl->fadeTick();
    const QColor early = shown(button);   // fading out from the Hot side
    QVERIFY2(early.green() > early.red() && early.red() > 20, qPrintable(early.name()));
    QCOMPARE(runFade(impl) + 2, 10);
    QCOMPARE(impl->state, int(Normal));
    COMPARE_COLOR(shown(button), kNormal);
}

// Each script word is one step on a probe button: "fade" switches fading on, "run" drives the fade to its end,
// "tick" one step, "off" and "json" switch fading off by code or by a node. A fade still running at the end is
// driven out and its ticks counted.
void tst_PushButton::hoverScript_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("state");
    QTest::addColumn<QColor>("look");
    QTest::newRow("press") << "fade enter run press" << 0 << int(Pressed) << kPressed;
    QTest::newRow("release starts no fade") << "fade enter run press release" << 0 << int(Hot) << kHot;
    QTest::newRow("disabled while hovered") << "enter disable leave" << 0 << int(Disable) << kDisable;
    // A fade-out cut short must not leave the button looking Hot, nor a timer that never stops.
    QTest::newRow("fade off mid fade-out") << "fade enter run leave tick tick off" << 0 << int(Normal) << kNormal;
    QTest::newRow("fadeEnabled 0 mid fade-out") << "fade enter run leave tick tick json" << 0 << int(Normal)
                                                << kNormal;
    QTest::newRow("re-enter mid fade-out") << "fade enter run leave tick tick enter" << 10 << int(Hot) << kHot;
}

void tst_PushButton::hoverScript()
{
    QFETCH(QString, script);
    QFETCH(int, ticks);
    QFETCH(int, state);
    QFETCH(QColor, look);
    TavixQPushButton button;
    probe(button, false);
    TavixQPushButtonImpl *impl = button.getImpl();
    QSignalSpy clicked(&button, &QPushButton::clicked);
    Json::Value fadeOff = parse(R"({"attr": {"fadeEnabled": 0}})");
    const QHash<QByteArray, std::function<void()>> steps = {
        {"fade", [&] { button.setFadeEnabled(true); }}, {"off", [&] { button.setFadeEnabled(false); }},
        {"json", [&] { button.readJsonValue(&fadeOff); }}, {"run", [&] { runFade(impl); }},
        {"enter", [&] { send(button, QEvent::Enter); }}, {"leave", [&] { send(button, QEvent::Leave); }},
        {"tick", [&] { impl->fadeTick(); }}, {"disable", [&] { button.setEnabled(false); }},
        {"press", [&] { QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(30, 12)); }},
        {"release", [&] { QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(30, 12)); }}};
    const QList<QByteArray> words = script.toLatin1().split(' ');
    for (const QByteArray &word : words) {
        QVERIFY2(steps.contains(word), word);
        steps.value(word)();
    }
    QCOMPARE(runFade(impl), ticks);
    COMPARE_COLOR(shown(button), look);
    QCOMPARE(impl->state, state);
    QCOMPARE(clicked.count(), int(words.count("release")));
}

void tst_PushButton::allStatesAndStyleSlots()
{
    TavixQPushButton button;
    button.setBackground(AllStates, solid(kHot));
    for (int s = Normal; s <= Disable; ++s)
        QCOMPARE(button.getBackground(CtrlState(s)).color, kHot);

    TavixQResourceManager *rm = TavixQResourceManager::getInstance();
    FillStyle yellow = solid(Qt::yellow), black = solid(Qt::black);
    rm->setFillStyle(QStringLiteral("tst_pb_yellow"), yellow);
    rm->setFillStyle(QStringLiteral("tst_pb_black"), black);
    // Slot 0 sets every state, slot 2 then only Pressed; a missing name changes nothing.
    Json::Value node = parse(R"({"style": [["tst_pb_yellow", 1, 0], ["tst_pb_black", 1, 2],
                                           ["tst_pb_nowhere", 1, 1]]})");
    QVERIFY(button.readJsonValue(&node));
    const QColor expected[] = {Qt::yellow, Qt::yellow, Qt::black, Qt::yellow};
    for (int s = Normal; s <= Disable; ++s)
        QCOMPARE(button.getBackground(CtrlState(s)).color, expected[s]);
}

void tst_PushButton::deleteFromClickedSlot()
{
    QPointer<TavixQPushButton> button = new TavixQPushButton;
    button->resize(60, 24);
    connect(button.data(), &QPushButton::clicked, button.data(), [&button] { delete button.data(); });
    QTest::mouseClick(button.data(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 12));
    QVERIFY(button.isNull());
}

// Width 100 with a 20-pixel extension: x 81..99 is the extension, which alone shows the state; only crossing
// its edge repaints.
void tst_PushButton::extensionZone()
{
    TavixQPushButton button;
    Json::Value node = parse(R"({"attr": {"isExtBtn": 1, "extWidth": 20}})");
    QVERIFY(button.readJsonValue(&node));
    probe(button, false, 100);
    send(button, QEvent::Enter);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    send(button, QEvent::MouseMove, 10);   // Qt's own hover handling repaints on the first move
    QCoreApplication::processEvents();
    PaintCounter counter;
    button.installEventFilter(&counter);

    // x, over the extension, repainted
    const int moves[][3] = {{0, 0, 0}, {80, 0, 0}, {81, 1, 1}, {99, 1, 0}, {85, 1, 0}, {80, 0, 1}, {10, 0, 0}};
    for (const auto &move : moves) {
        counter.paints = 0;
        send(button, QEvent::MouseMove, move[0]);
        QCoreApplication::processEvents();
        QVERIFY2(button.getImpl()->extHot == bool(move[1]), QByteArray::number(move[0]));
        QVERIFY2((counter.paints > 0) == bool(move[2]), QByteArray::number(move[0]));
        COMPARE_COLOR(shown(button, 90), kHot);
        COMPARE_COLOR(shown(button, 40), move[1] ? kNormal : kHot);
    }
}

void tst_PushButton::attrs_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<int>("fadeDuration");
    QTest::addColumn<QColor>("iconColor");
    QTest::addColumn<QString>("written");   // "iconColor" as written back; empty: not written
    const QColor black(Qt::black);
    QTest::newRow("duration 0") << R"({"attr": {"fadeDuration": 0}})" << 150 << black << "";
    QTest::newRow("duration -5") << R"({"attr": {"fadeDuration": -5}})" << 150 << black << "";
    // A fade of INT_MAX ms would leave the button half-lit for weeks.
    QTest::newRow("duration INT_MAX") << R"({"attr": {"fadeDuration": 2147483647}})" << 60000 << black << "";
    QTest::newRow("opaque red icon") << R"({"attr": {"iconColor": "FFFF0000"}})" << 150 << QColor(Qt::red)
                                     << "FFFF0000";
    QTest::newRow("opaque black icon") << R"({"attr": {"iconColor": "FF000000"}})" << 150 << black << "";
    // Text does not convert to a number; a number converts to its digits, read as hexadecimal.
    QTest::newRow("wrong kinds") << R"({"style": 7, "attr": {"fadeDuration": "300", "iconColor": 5}})" << 150
                                 << QColor(0, 0, 5, 0) << "00000005";
}

void tst_PushButton::attrs()
{
    QFETCH(QString, json);
    QFETCH(int, fadeDuration);
    QFETCH(QColor, iconColor);
    QFETCH(QString, written);
    TavixQPushButton button;
    button.setFadeDuration(0);
    QCOMPARE(button.getFadeDuration(), 150);
    Json::Value node = parse(json.toUtf8().constData());
    button.readJsonValue(&node);
    QCOMPARE(button.getFadeDuration(), fadeDuration);
    QCOMPARE(button.getIconStyle().color, iconColor);
    QCOMPARE(writtenAttr(button, "iconColor"), written);
}

// Offsets and the extension width come from pages: any int keeps the caption rectangle's right and bottom
// edges and paints without overflow (the sanitizer build checks the arithmetic).
void tst_PushButton::extremeOffsets_data()
{
    QTest::addColumn<int>("value");
    QTest::newRow("0") << 0;
    QTest::newRow("-5") << -5;
    QTest::newRow("INT_MIN") << INT_MIN;
    QTest::newRow("INT_MAX") << INT_MAX;
}

void tst_PushButton::extremeOffsets()
{
    QFETCH(int, value);
    TavixQPushButton button;
    button.resize(40, 20);
    button.setText(QStringLiteral("OK"));
    const QByteArray v = QByteArray::number(value);
    Json::Value node = parse(R"({"attr": {"txtX": )" + v + R"(, "txtY": )" + v + R"(, "iconX": )" + v
                             + R"(, "isExtBtn": 1, "extWidth": )" + v + R"(, "iconPath": "IDB_CHECKED"}})");
    QVERIFY(button.readJsonValue(&node));
    const QRect caption = button.getImpl()->captionRect(button.rect());
    QCOMPARE(caption.right(), 39);
    QCOMPARE(caption.bottom(), 19);
    QCOMPARE(caption.left() <= 0, value <= 0);
    QImage image(button.size(), QImage::Format_ARGB32_Premultiplied);
    button.render(&image);
    QMouseEvent move(QEvent::MouseMove, QPointF(30, 10), button.mapToGlobal(QPoint(30, 10)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&button, &move);
    button.render(&image);
    Json::Value out(Json::objectValue);
    button.serializeJsonValue(&out, false);
    int written = 0;
    tavixReadInt(out["attr"], "txtX", written);
    QCOMPARE(written, value);   // kept as the page gave it
}

// A resource PNG becomes an icon object; an SVG, whatever the case of its suffix, stays a path.
void tst_PushButton::iconPath()
{
    for (const char *path : {":/qt-project.org/styles/commonstyle/images/up-16.png", ":/icons/arrow.SVG"}) {
        TavixQPushButton button;
        button.setUseIcon(false);
        button.setIcon(QLatin1String(path));
        QVERIFY(button.getUseIcon());
        const bool png = QByteArray(path).endsWith(".png");
        QCOMPARE(!button.getImpl()->icon.isNull(), png);
        QCOMPARE(button.getIcon(), png ? QString() : QLatin1String(path));
    }
}

void tst_PushButton::languageCaption()
{
    TavixQResourceManager *rm = TavixQResourceManager::getInstance();
    const QString table = QStringLiteral("Language\tEnglish\tDeutsch\r\nok\tOK\tJa\r\n");
    QVERIFY(rm->readLanguage(QByteArray(reinterpret_cast<const char *>(table.utf16()), table.size() * 2)));
    QVERIFY(rm->setCurrentLanguage(QStringLiteral("English")));

    TavixQWindow window;
    auto *button = new TavixQPushButton(&window);
    Json::Value node = parse(R"({"attr": {"text": "|->ok"}})");
    QVERIFY(button->readJsonValue(&node));
    QCOMPARE(button->text(), QStringLiteral("OK"));
    QVERIFY(rm->setCurrentLanguage(QStringLiteral("Deutsch")));
    QCOMPARE(button->text(), QStringLiteral("Ja"));
    // Saved, the caption keeps its key so a reloaded page still follows the language.
    QCOMPARE(writtenAttr(*button, "text"), QStringLiteral("|->ok"));
}

QTEST_MAIN(tst_PushButton)
#include "tst_pushbutton.moc"
