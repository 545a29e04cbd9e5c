#include "controls/TavixQCheckBox.h"
#include "controls/TavixQCheckBoxImpl.h"
#include "controls/TavixQRadioButton.h"
#include "controls/TavixQRadioButtonImpl.h"
#include "core/TavixJson.h"
#include "core/TavixLibrary.h"
#include "resources/TavixQResourceManager.h"

#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <json/value.h>

using namespace TavixQtLib;

namespace {

const QColor kSentinel(0, 255, 255);
const QColor kGrey(0xCC, 0xCC, 0xCC);   // pen of the built-in indicators

QImage renderWidget(QWidget &widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(kSentinel);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

void sendEnter(QWidget &widget)
{
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(&widget, &enter);
}

Json::Value parse(const char *text)
{
    Json::Value node;
    tavixParseJson(QByteArray(text), node);
    return node;
}

Json::Value writeNode(ITavixQWidgetBase &control)
{
    Json::Value node(Json::objectValue);
    control.serializeJsonValue(&node, false);
    return node;
}

Json::Value styleEntry(const char *name, int kind, int slot)
{
    Json::Value entry(Json::arrayValue);
    entry.append(name);
    entry.append(kind);
    entry.append(slot);
    return entry;
}

QStringList labels(const ControlInfo &info)
{
    QStringList result;
    for (const PropertyDef &def : info.properties)
        result << def.label;
    return result;
}

// A solid square PNG written at run time; the resource manager finds it by its file path.
QString writeSquare(const QTemporaryDir &dir, const QString &name, int side, const QColor &color)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(color);
    const QString path = dir.filePath(name);
    return image.save(path) ? path : QString();
}

} // namespace

class tst_CheckBox : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void defaultIndicatorAndCaption();
    void captionX_data();
    void captionX();
    void hotAndDisabledIndicators();
    void uncheckIconFollowsIntoHot();
    void checkBoxAttrs();
    void themeEntryKeepsCaption_data();
    void themeEntryKeepsCaption();
    void checkBoxStyleSlots();
    void checkBoxDescriptor();
    void radioDefaults();
    void radioIndicatorScaled();
    void radioIndicatorSizedByDrawnIcon();
    void radioStyleSlots_data();
    void radioStyleSlots();
    void radioAlignmentRoundTrip();
    void radioPressedEventAndHitArea();
    void radioDescriptor();
};

void tst_CheckBox::initTestCase()
{
    init();
    QVERIFY(TavixQResourceManager::getInstance()->getImage(QStringLiteral("IDB_UNCHECK")));
}

void tst_CheckBox::defaultIndicatorAndCaption()
{
    TavixQCheckBox box;
    box.setText(QStringLiteral("Check"));
    box.resize(120, 24);
    QCOMPARE(box.getImpl()->captionX(), 16);   // right of the 16 x 16 built-in image

    // Left-aligned, vertically centred: the 16 x 16 image spans y 4..19.
    QImage image = renderWidget(box);
    QCOMPARE(image.pixelColor(1, 12), kGrey);        // left side of the box outline
    QCOMPARE(image.pixelColor(8, 12), kSentinel);    // inside the empty box; no background painted
    QCOMPARE(image.pixelColor(1, 2), kSentinel);     // above the image

    box.setChecked(true);
    image = renderWidget(box);
    QCOMPARE(image.pixelColor(1, 12), kGrey);
    QVERIFY(image.pixelColor(8, 16) != kSentinel);  // the check mark passes (8, 13) of the image
}

void tst_CheckBox::captionX_data()
{
    QTest::addColumn<bool>("showIcon");
    QTest::addColumn<int>("horAlign");
    QTest::addColumn<int>("offsetX");
    QTest::addColumn<QString>("uncheckIcon");
    QTest::addColumn<int>("x");
    QTest::newRow("default") << true << 0 << 0 << "IDB_UNCHECK" << 16;
    QTest::newRow("offset") << true << 0 << 5 << "IDB_UNCHECK" << 21;
    QTest::newRow("icon hidden") << false << 0 << 5 << "IDB_UNCHECK" << 0;
    QTest::newRow("centred icon") << true << 1 << 5 << "IDB_UNCHECK" << 0;
    QTest::newRow("no icon") << true << 0 << 5 << "" << 0;
    QTest::newRow("missing image") << true << 0 << 5 << "tst_nowhere.png" << 0;
}

void tst_CheckBox::captionX()
{
    QFETCH(bool, showIcon);
    QFETCH(int, horAlign);
    QFETCH(int, offsetX);
    QFETCH(QString, uncheckIcon);
    QFETCH(int, x);
    TavixQCheckBox box;
    box.setShowIcon(showIcon);
    box.setIconHorAlign(DockLayoutType(horAlign));
    box.setIconOffsetX(offsetX);
    box.setUncheckIcon(uncheckIcon);
    box.setChecked(true);   // the unchecked image sizes the caption whatever is shown
    QCOMPARE(box.getImpl()->captionX(), x);
}

void tst_CheckBox::hotAndDisabledIndicators()
{
    QTemporaryDir dir;
    const QString red = writeSquare(dir, QStringLiteral("red.png"), 16, Qt::red);
    QVERIFY(!red.isEmpty());
    TavixQCheckBox box;
    box.resize(60, 24);
    box.setUncheckHotIcon(red);
    QCOMPARE(renderWidget(box).pixelColor(8, 12), kSentinel);
    sendEnter(box);
    QCOMPARE(renderWidget(box).pixelColor(8, 12), QColor(Qt::red));

    // Disabled without disable images: no indicator at all.
    box.setEnabled(false);
    QCOMPARE(renderWidget(box).pixelColor(1, 12), kSentinel);
    Json::Value node = parse(R"({"attr": {"disableIconPath": "IDB_CHECKED"}})");
    QVERIFY(box.readJsonValue(&node));
    QCOMPARE(box.getDisableUncheckIcon(), QStringLiteral("IDB_CHECKED"));
    box.setEnabled(false);   // the read showed and enabled the box again
    QCOMPARE(renderWidget(box).pixelColor(1, 12), kGrey);
}

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

    // The same rule when reading a node.
    TavixQCheckBox read;
    Json::Value node = parse(R"({"attr": {"iconPath": "a.png", "siconPath": "b.png", "sHotIconPath": "bh.png"}})");
    QVERIFY(read.readJsonValue(&node));
    QCOMPARE(read.getUncheckHotIcon(), QStringLiteral("a.png"));
    QCOMPARE(read.getCheckedHotIcon(), QStringLiteral("bh.png"));
}

void tst_CheckBox::checkBoxAttrs()
{
    TavixQCheckBox box;
    Json::Value node = parse(R"({"attr": {"iconHor": 2, "iconVer": 0, "iconX": "3", "showText": 0,
                                          "text": "Enable", "disableSIconPath": "d.png"}})");
    QVERIFY(box.readJsonValue(&node));
    QCOMPARE(box.getIconHorAlign(), DockFar);
    QCOMPARE(box.getIconVerAlign(), DockNear);
    QCOMPARE(box.getIconOffsetX(), 0);   // a string is not a number: left as it was
    QVERIFY(!box.getShowText());
    QCOMPARE(box.text(), QStringLiteral("Enable"));
    QCOMPARE(box.getDisableCheckIcon(), QStringLiteral("d.png"));

    Json::Value written = writeNode(box);
    TavixQCheckBox copy;
    QVERIFY(copy.readJsonValue(&written));
    QCOMPARE(copy.getIconVerAlign(), DockNear);
    QCOMPARE(copy.text(), QStringLiteral("Enable"));
    QCOMPARE(copy.getDisableCheckIcon(), QStringLiteral("d.png"));
}

void tst_CheckBox::themeEntryKeepsCaption_data()
{
    QTest::addColumn<bool>("fromTheme");
    QTest::addColumn<QString>("caption");
    QTest::newRow("page node without text") << false << "";
    QTest::newRow("theme entry") << true << "Keep me";
}

void tst_CheckBox::themeEntryKeepsCaption()
{
    QFETCH(bool, fromTheme);
    QFETCH(QString, caption);
    TavixQResourceManager *rm = TavixQResourceManager::getInstance();
    TavixQCheckBox box;
    TavixQRadioButton radio;
    box.setText(QStringLiteral("Keep me"));
    radio.setText(QStringLiteral("Keep me"));
    Json::Value node = parse(R"({"attr": {"iconX": 4}})");
    rm->setSwitchToThemeRes(fromTheme);
    Json::Value *boxNode = &node;
    Json::Value *radioNode = &node;
    box.getImpl()->serializeJsonValue(&boxNode, true);
    radio.getImpl()->serializeJsonValue(&radioNode, true);
    rm->setSwitchToThemeRes(false);
    QCOMPARE(box.getIconOffsetX(), 4);
    QCOMPARE(box.text(), caption);
    QCOMPARE(radio.text(), caption);
}

void tst_CheckBox::checkBoxStyleSlots()
{
    TavixQResourceManager *rm = TavixQResourceManager::getInstance();
    FillStyle green;
    green.color = Qt::green;
    FillStyle blue;
    blue.color = Qt::blue;
    rm->setFillStyle(QStringLiteral("tst_cb_green"), green);
    rm->setFillStyle(QStringLiteral("tst_cb_blue"), blue);
    TextStyleDesc red;
    red.color = Qt::red;
    rm->setTextStyle(QStringLiteral("tst_cb_red"), red);

    Json::Value node(Json::objectValue);
    node["style"].append(styleEntry("tst_cb_green", 1, 4));
    node["style"].append(styleEntry("tst_cb_blue", 1, 5));
    node["style"].append(styleEntry("tst_cb_red", 2, 8));
    TavixQCheckBox box;
    QVERIFY(box.readJsonValue(&node));
    QVERIFY(!box.getBackground(Normal).valid);   // unchecked group untouched
    QCOMPARE(box.getCheckedBackground(Normal).color, QColor(Qt::green));
    QCOMPARE(box.getCheckedBackground(Hot).color, QColor(Qt::blue));
    QCOMPARE(box.getCheckedBackground(Disable).color, QColor(Qt::green));
    QCOMPARE(box.getTextStyle(false).color, QColor(Qt::red));
    QCOMPARE(box.getTextStyle(true).color, QColor(Qt::black));

    box.resize(60, 24);
    box.setChecked(true);
    QCOMPARE(renderWidget(box).pixelColor(40, 2), QColor(Qt::green));
    sendEnter(box);
    QCOMPARE(renderWidget(box).pixelColor(40, 2), QColor(Qt::blue));
}

void tst_CheckBox::checkBoxDescriptor()
{
    const ControlInfo info = TavixQCheckBox::getProps();
    QCOMPARE(info.typeName, std::string("qtcheckbox"));
    QCOMPARE(info.displayName, std::string("Checkbox"));
    QCOMPARE(labels(info).mid(7), QStringList({"UncheckBg", "CheckedBg", "TextStyle", "Line", "ShowIcon",
                                               "UncheckIcon", "UncheckHotIcon", "CheckedIcon", "CheckedHotIcon",
                                               "HorAlign", "VerAlign", "OffsetX", "OffsetY"}));
    TavixQCheckBox box;
    FillStyle style;
    style.color = Qt::yellow;
    info.properties[7].setFillStyle(&box, Hot, style);
    QCOMPARE(box.getBackground(Hot).color, QColor(Qt::yellow));
    QVERIFY(box.getBackground(Pressed).color != QColor(Qt::yellow));
    TextStyleDesc text;
    text.size = 31;
    info.properties[9].setTextStyle(&box, 2, text);
    QCOMPARE(box.getDisableTextStyle().size, 31);
    info.properties[17].setInt(&box, DockFar);
    QCOMPARE(box.getIconVerAlign(), DockFar);
    QCOMPARE(box.getIconHorAlign(), DockNear);
}

void tst_CheckBox::radioDefaults()
{
    TavixQRadioButton radio;
    radio.resize(100, 30);
    QCOMPARE(radio.getIconOffsetX(), 10);
    QCOMPARE(renderWidget(radio).pixelColor(20, 15), kSentinel);         // unchecked: nothing at all
    radio.setChecked(true);
    QCOMPARE(renderWidget(radio).pixelColor(20, 15), QColor(Qt::white)); // checked: the default fill
}

void tst_CheckBox::radioIndicatorScaled()
{
    QTemporaryDir dir;
    const QString path = writeSquare(dir, QStringLiteral("big.png"), 64, Qt::red);
    QVERIFY(!path.isEmpty());
    TavixQRadioButton radio;
    radio.resize(200, 40);
    radio.setIcon(path);
    const QSize scaled = TavixQRadioButtonImpl::scaledIndicatorSize(QSize(64, 64), radio.rect());
    QCOMPARE(scaled, QSize(20, 20));
    QCOMPARE(TavixQRadioButtonImpl::captionRect(scaled, radio.rect()).left(), 22);

    // Drawn as a 20 x 20 square at (10, 10): offset 10, vertically centred.
    const QImage image = renderWidget(radio);
    QCOMPARE(image.pixelColor(11, 11), QColor(Qt::red));
    QCOMPARE(image.pixelColor(28, 28), QColor(Qt::red));
    QCOMPARE(image.pixelColor(8, 20), kSentinel);
    QCOMPARE(image.pixelColor(32, 20), kSentinel);
    QCOMPARE(image.pixelColor(20, 32), kSentinel);
}

void tst_CheckBox::radioIndicatorSizedByDrawnIcon()
{
    QTemporaryDir dir;
    const QString path = writeSquare(dir, QStringLiteral("big.png"), 64, Qt::red);
    TavixQRadioButton radio;
    radio.resize(200, 40);
    radio.setUncheckIcon(path);   // no Hot variant: Hot falls back to it
    TavixQRadioButtonImpl *impl = radio.getImpl();
    QCOMPARE(impl->indicatorPath(false, Hot, true), path);
    sendEnter(radio);
    const QImage image = renderWidget(radio);
    QCOMPARE(image.pixelColor(20, 20), QColor(Qt::red));
    QCOMPARE(image.pixelColor(32, 20), kSentinel);   // still scaled, not drawn at 64 x 64

    bool gray = false;
    QCOMPARE(impl->indicatorPath(false, Disable, false, &gray), path);
    QVERIFY(gray);
    radio.setDisableIcon(QStringLiteral("off.png"));
    QCOMPARE(impl->indicatorPath(true, Disable, false, &gray), QStringLiteral("off.png"));
    QVERIFY(!gray);
}

void tst_CheckBox::radioStyleSlots_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("changed");   // 0 unchecked, 1 checked, 2 disable caption style
    QTest::newRow("slot 8") << 8 << 0;
    QTest::newRow("slot 9") << 9 << 1;
    QTest::newRow("slot 10") << 10 << 2;
}

void tst_CheckBox::radioStyleSlots()
{
    QFETCH(int, slot);
    QFETCH(int, changed);
    TextStyleDesc big;
    big.size = 29;
    TavixQResourceManager::getInstance()->setTextStyle(QStringLiteral("tst_rb_big"), big);
    Json::Value node(Json::objectValue);
    node["style"].append(styleEntry("tst_rb_big", 2, slot));
    TavixQRadioButton radio;
    QVERIFY(radio.readJsonValue(&node));
    QCOMPARE(radio.getTextStyleByState(CheckBoxTextState::Unchecked).size, changed == 0 ? 29 : 12);
    QCOMPARE(radio.getTextStyleByState(CheckBoxTextState::Checked).size, changed == 1 ? 29 : 12);
    QCOMPARE(radio.getTextStyleByState(CheckBoxTextState::Disable).size, changed == 2 ? 29 : 12);
}

void tst_CheckBox::radioAlignmentRoundTrip()
{
    TavixQRadioButton radio;
    radio.setIconHorAlign(DockFar);
    radio.setIconVerAlign(DockNear);
    radio.setPushlike(true);
    radio.setText(QStringLiteral("Mode"));
    Json::Value node = writeNode(radio);
    TavixQRadioButton copy;
    QVERIFY(copy.readJsonValue(&node));
    QCOMPARE(copy.getIconHorAlign(), DockFar);
    QCOMPARE(copy.getIconVerAlign(), DockNear);
    QVERIFY(copy.getPushlike());
    QCOMPARE(copy.text(), QStringLiteral("Mode"));
}

void tst_CheckBox::radioPressedEventAndHitArea()
{
    TavixQRadioButton radio;
    radio.resize(200, 40);
    QSignalSpy pressed(&radio, &TavixQRadioButton::pressedEvent);
    QSignalSpy clicked(&radio, &QAbstractButton::clicked);

    QTest::mousePress(&radio, Qt::LeftButton, Qt::NoModifier, QPoint(150, 30));
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(radio.getImpl()->state, int(Pressed));
    QTest::mouseRelease(&radio, Qt::LeftButton, Qt::NoModifier, QPoint(250, 30));   // outside: cancelled
    QCOMPARE(clicked.count(), 0);
    QVERIFY(!radio.isChecked());

    // Anywhere inside the widget counts as the button, not just the indicator and caption.
    QTest::mouseClick(&radio, Qt::LeftButton, Qt::NoModifier, QPoint(190, 35));
    QCOMPARE(pressed.count(), 2);
    QCOMPARE(clicked.count(), 1);
    QVERIFY(radio.isChecked());
}

void tst_CheckBox::radioDescriptor()
{
    const ControlInfo info = TavixQRadioButton::getProps();
    QCOMPARE(info.className, std::string("TavixQRadioButton"));
    QCOMPARE(info.iconName, std::string("radio"));
    QCOMPARE(labels(info).mid(7),
             QStringList({"UnselectedBg", "SelectedBg", "TextStyle", "Line", "PushLike", "ShowIcon", "ShowText",
                          "UncheckIcon", "UncheckHotIcon", "CheckedIcon", "CheckedHotIcon", "HorAlign", "VerAlign",
                          "OffsetX", "OffsetY"}));
    TavixQRadioButton radio;
    TextStyleDesc text;
    text.size = 17;
    info.properties[9].setTextStyle(&radio, int(CheckBoxTextState::Disable), text);
    QCOMPARE(radio.getDisableTextStyle().size, 17);
    info.properties[14].setString(&radio, QStringLiteral("u.png"));
    QCOMPARE(radio.getUncheckIcon(), QStringLiteral("u.png"));
    info.properties[11].setBool(&radio, true);
    QVERIFY(radio.getPushlike());
}

QTEST_MAIN(tst_CheckBox)
#include "tst_checkbox.moc"
