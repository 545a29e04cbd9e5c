#include "TavixTestSupport.h"
#include "controls/TavixQCheckBox.h"
#include "controls/TavixQCheckBoxImpl.h"
#include "controls/TavixQRadioButton.h"
#include "controls/TavixQRadioButtonImpl.h"
#include "core/TavixJson.h"
#include "core/TavixLibrary.h"
#include "resources/TavixQResourceManager.h"

#include <QImage>
#include <QSignalSpy>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <json/value.h>

using namespace TavixQtLib;

namespace {

const QColor kSentinel(0, 255, 255);
const QColor kGrey(0xCC, 0xCC, 0xCC);   // pen of the built-in indicators

QImage render(QWidget &widget)
{
    return tavixtest::rendered(widget, kSentinel);
}

void sendEnter(QWidget &widget)
{
    tavixtest::send(widget, QEvent::Enter);
}

using tavixtest::parse;

// A solid square PNG written at run time; the resource manager finds it by its file path.
QString writeSquare(const QTemporaryDir &dir, int side, const QColor &color)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(color);
    const QString path = dir.filePath(QStringLiteral("square%1.png").arg(side));
    return image.save(path) ? path : QString();
}

} // namespace

class tst_CheckBox : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { init(); }
    void defaultIndicatorAndCaption();
    void captionX_data();
    void captionX();
    void extremeIconOffsets_data();
    void extremeIconOffsets();
    void uncheckIconFollowsIntoHot();
    void themeEntryKeepsCaption();
    void checkBoxStyleSlots();
    void radioIndicatorScaled();
    void radioScaledSvgTakesIconColour();
    void radioStyleSlots_data();
    void radioStyleSlots();
    void radioDefaultsAndHitArea();
};

void tst_CheckBox::defaultIndicatorAndCaption()
{
    TavixQCheckBox box;
    box.setText(QStringLiteral("Check"));
    box.resize(120, 24);
    QCOMPARE(box.getImpl()->captionX(), 16);   // right of the 16 x 16 built-in image

    // Left-aligned, vertically centred: the 16 x 16 image spans y 4..19.
    QImage image = render(box);
    QCOMPARE(image.pixelColor(1, 12), kGrey);        // left side of the box outline
    QCOMPARE(image.pixelColor(8, 12), kSentinel);    // inside the empty box; no background painted
    box.setChecked(true);
    image = render(box);
    QCOMPARE(image.pixelColor(1, 12), kGrey);
    QVERIFY(image.pixelColor(8, 16) != kSentinel);  // the check mark passes (8, 13) of the image
}

void tst_CheckBox::captionX_data()
{
    QTest::addColumn<bool>("showIcon");
    QTest::addColumn<int>("x");
    QTest::newRow("offset") << true << 21;
    QTest::newRow("icon hidden") << false << 0;
}

void tst_CheckBox::captionX()
{
    QFETCH(bool, showIcon);
    QFETCH(int, x);
    TavixQCheckBox box;
    box.setShowIcon(showIcon);
    box.setIconOffsetX(5);
    box.setUncheckIcon(QStringLiteral("IDB_UNCHECK"));
    box.setChecked(true);   // the unchecked image sizes the caption whatever is shown
    QCOMPARE(box.getImpl()->captionX(), x);
}

// Indicator offsets come from pages: any int places the caption and the indicator without overflow (the
// sanitizer build checks the arithmetic) and survives a save.
void tst_CheckBox::extremeIconOffsets_data()
{
    QTest::addColumn<int>("offset");
    QTest::newRow("-1") << -1;
    QTest::newRow("INT_MIN") << INT_MIN;
    QTest::newRow("INT_MAX") << INT_MAX;
}

void tst_CheckBox::extremeIconOffsets()
{
    QFETCH(int, offset);
    const QByteArray v = QByteArray::number(offset);
    Json::Value node = parse(R"({"attr": {"text": "Caption", "iconX": )" + v + R"(, "iconY": )" + v
                             + R"(, "iconPath": "IDB_UNCHECK", "hotIconPath": "IDB_UNCHECK"}})");
    TavixQCheckBox box;
    TavixQRadioButton radio;
    for (QAbstractButton *button : {static_cast<QAbstractButton *>(&box), static_cast<QAbstractButton *>(&radio)}) {
        auto *control = dynamic_cast<ITavixQWidgetBase *>(button);
        button->resize(200, 40);
        QVERIFY(control->readJsonValue(&node));
        render(*button);
        Json::Value out(Json::objectValue);
        control->serializeJsonValue(&out, false);
        int written = 0;
        QVERIFY(tavixReadInt(out["attr"], "iconX", written));
        QCOMPARE(written, offset);
    }
    // The caption starts past a far-right indicator, before a far-left one.
    QCOMPARE(box.getImpl()->captionX() > 200, offset == INT_MAX);
    const QRect indicator = radio.getImpl()->indicatorRect(QSize(20, 20), radio.rect());
    QCOMPARE(indicator.left() > 200, offset == INT_MAX);
    QCOMPARE(indicator.size(), QSize(20, 20));
}

// Setting the plain image also sets the Hot one, until a Hot image of its own is set; reading a node alike.
void tst_CheckBox::uncheckIconFollowsIntoHot()
{
    TavixQCheckBox box;
    box.setUncheckIcon(QStringLiteral("p.png"));
    QCOMPARE(box.getUncheckHotIcon(), QStringLiteral("p.png"));
    box.setUncheckHotIcon(QStringLiteral("q.png"));
    box.setUncheckIcon(QStringLiteral("r.png"));
    QCOMPARE(box.getUncheckIcon(), QStringLiteral("r.png"));
    QCOMPARE(box.getUncheckHotIcon(), QStringLiteral("q.png"));
    box.setCheckedIcon(QStringLiteral("c.png"));
    QCOMPARE(box.getCheckedHotIcon(), QStringLiteral("c.png"));

    TavixQCheckBox read;
    Json::Value node = parse(R"({"attr": {"iconPath": "a.png", "siconPath": "b.png", "sHotIconPath": "bh.png"}})");
    QVERIFY(read.readJsonValue(&node));
    QCOMPARE(read.getUncheckHotIcon(), QStringLiteral("a.png"));
    QCOMPARE(read.getCheckedHotIcon(), QStringLiteral("bh.png"));
}

// A page node without text clears the caption; restyling from a theme entry keeps it.
void tst_CheckBox::themeEntryKeepsCaption()
{
    TavixQResourceManager *rm = TavixQResourceManager::getInstance();
    for (const bool fromTheme : {false, true}) {
        TavixQCheckBox box;
        TavixQRadioButton radio;
        box.setText(QStringLiteral("Keep me"));
        radio.setText(QStringLiteral("Keep me"));
        Json::Value node = parse(R"({"attr": {"iconX": 4}})");
        rm->setSwitchToThemeRes(fromTheme);
        box.serializeJsonValue(&node, true);
        radio.serializeJsonValue(&node, true);
        rm->setSwitchToThemeRes(false);
        QCOMPARE(box.getIconOffsetX(), 4);
        QCOMPARE(box.text(), fromTheme ? QStringLiteral("Keep me") : QString());
        QCOMPARE(radio.text(), box.text());
    }
}

void tst_CheckBox::checkBoxStyleSlots()
{
    TavixQResourceManager *rm = TavixQResourceManager::getInstance();
    FillStyle green, blue;
    green.color = Qt::green;
    blue.color = Qt::blue;
    rm->setFillStyle(QStringLiteral("tst_cb_green"), green);
    rm->setFillStyle(QStringLiteral("tst_cb_blue"), blue);

    // Slot 4 is every checked state, slot 5 checked Hot.
    Json::Value node = parse(R"({"style": [["tst_cb_green", 1, 4], ["tst_cb_blue", 1, 5]]})");
    TavixQCheckBox box;
    QVERIFY(box.readJsonValue(&node));
    QVERIFY(!box.getBackground(Normal).valid);   // unchecked group untouched
    QCOMPARE(box.getCheckedBackground(Disable).color, QColor(Qt::green));
    box.resize(60, 24);
    box.setChecked(true);
    QCOMPARE(render(box).pixelColor(40, 2), QColor(Qt::green));
    sendEnter(box);
    QCOMPARE(render(box).pixelColor(40, 2), QColor(Qt::blue));
}

// A 64 x 64 image is drawn as a 20 x 20 square at (10, 10): offset 10, vertically centred, caption at 22.
// Without a Hot image the plain one is drawn while hovered, scaled alike.
void tst_CheckBox::radioIndicatorScaled()
{
    QTemporaryDir dir;
    const QString path = writeSquare(dir, 64, Qt::red);
    QVERIFY(!path.isEmpty());
    TavixQRadioButton radio;
    radio.resize(200, 40);
    radio.setUncheckIcon(path);
    const QSize scaled = TavixQRadioButtonImpl::scaledIndicatorSize(QSize(64, 64), radio.rect());
    QCOMPARE(scaled, QSize(20, 20));
    QCOMPARE(TavixQRadioButtonImpl::captionRect(scaled, radio.rect()).left(), 22);
    for (bool hot : {false, true}) {
        if (hot)
            sendEnter(radio);
        const QImage image = render(radio);
        QCOMPARE(image.pixelColor(11, 11), QColor(Qt::red));
        QCOMPARE(image.pixelColor(28, 28), QColor(Qt::red));
        QCOMPARE(image.pixelColor(8, 20), kSentinel);
        QCOMPARE(image.pixelColor(32, 20), kSentinel);
        QCOMPARE(image.pixelColor(20, 32), kSentinel);
    }
}

// An SVG indicator scaled to the row keeps the icon colour the unscaled one would paint in.
void tst_CheckBox::radioScaledSvgTakesIconColour()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("disc.svg"));
    QVERIFY(tavixtest::writeFile(path, "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\">"
                                       "<rect width=\"64\" height=\"64\" fill=\"#ff0000\"/></svg>"));
    TavixQRadioButton radio;
    radio.resize(200, 40);
    radio.setUncheckIcon(path);
    IconStyleDesc icon = radio.getIconStyle();
    icon.useColor = true;
    icon.color = QColor(Qt::blue);
    radio.setIconStyle(icon);
    const QImage image = render(radio);
    QCOMPARE(image.pixelColor(20, 20), QColor(Qt::blue));
    QCOMPARE(image.pixelColor(32, 20), kSentinel);
}

void tst_CheckBox::radioStyleSlots_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("changed");
    QTest::newRow("slot 9: checked caption") << 9 << int(CheckBoxTextState::Checked);
    QTest::newRow("slot 10: disabled caption") << 10 << int(CheckBoxTextState::Disable);
}

void tst_CheckBox::radioStyleSlots()
{
    QFETCH(int, slot);
    QFETCH(int, changed);
    TextStyleDesc big;
    big.size = 29;
    TavixQResourceManager::getInstance()->setTextStyle(QStringLiteral("tst_rb_big"), big);
    Json::Value node = parse(R"({"style": [["tst_rb_big", 2, 0]]})");
    node["style"][0][2] = slot;
    TavixQRadioButton radio;
    QVERIFY(radio.readJsonValue(&node));
    for (auto state : {CheckBoxTextState::Unchecked, CheckBoxTextState::Checked, CheckBoxTextState::Disable})
        QCOMPARE(radio.getTextStyleByState(state).size, int(state) == changed ? 29 : 12);
}

// Anywhere inside the widget counts as the button, not just the indicator and caption.
void tst_CheckBox::radioDefaultsAndHitArea()
{
    TavixQRadioButton radio;
    radio.resize(200, 40);
    QCOMPARE(render(radio).pixelColor(20, 20), kSentinel);   // unchecked default: nothing at all
    QSignalSpy pressed(&radio, &TavixQRadioButton::pressedEvent);
    QSignalSpy clicked(&radio, &QAbstractButton::clicked);
    QTest::mousePress(&radio, Qt::LeftButton, Qt::NoModifier, QPoint(150, 30));
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(radio.getImpl()->state, int(Pressed));
    QTest::mouseRelease(&radio, Qt::LeftButton, Qt::NoModifier, QPoint(250, 30));   // outside: cancelled
    QCOMPARE(clicked.count(), 0);
    QTest::mouseClick(&radio, Qt::LeftButton, Qt::NoModifier, QPoint(190, 35));
    QCOMPARE(pressed.count(), 2);
    QCOMPARE(clicked.count(), 1);
    QVERIFY(radio.isChecked());
    QCOMPARE(render(radio).pixelColor(20, 20), QColor(Qt::white));   // checked: the default fill
}

QTEST_MAIN(tst_CheckBox)
#include "tst_checkbox.moc"
