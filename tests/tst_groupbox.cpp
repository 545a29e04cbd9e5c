#include "controls/TavixQGroupBox.h"
#include "controls/TavixQGroupBoxImpl.h"
#include "core/TavixJson.h"
#include "resources/TavixQResourceManager.h"

#include <json/value.h>

#include <QtTest>

#include <climits>

using namespace TavixQtLib;

namespace {

const QColor kSentinel(0, 255, 255);

QImage renderBox(TavixQGroupBox &box)
{
    QImage image(box.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(kSentinel);
    box.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QByteArray utf16le(const QString &text)
{
    QByteArray bytes;
    for (QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

} // namespace

class tst_GroupBox : public QObject
{
    Q_OBJECT

private slots:
    void frameWithoutCaption_data();
    void frameWithoutCaption();
    void captionWidensTheGap();
    void readJson_data();
    void readJson();
    void writeJson();
    void languageChange();
};

void tst_GroupBox::frameWithoutCaption_data()
{
    QTest::addColumn<int>("lineSize");
    QTest::newRow("line size 1") << 1;
    QTest::newRow("line size 3") << 3;
}

// Without a caption the frame is closed except for the gap at x = 6..8 of the top edge.
void tst_GroupBox::frameWithoutCaption()
{
    QFETCH(int, lineSize);
    TavixQGroupBox box;
    box.resize(60, 40);
    box.setShowText(false);
    box.setLineSize(lineSize);
    box.setLineColor(QColor(200, 0, 0));
    const QImage image = renderBox(box);
    image.save(QStringLiteral("/tmp/tst_groupbox_nocaption.png"));

    const QColor line(200, 0, 0);
    const int top = TavixQWidgetBaseImpl::measureText(box.getTextStyle(CommonNormal), QString()).height() / 2;
    const int bottom = 40 - lineSize;
    const int right = 60 - 2;
    for (int x = 0; x <= right; ++x) {
        const bool inGap = x > 5 && x < 9;
        QCOMPARE(image.pixelColor(x, top) == line, !inGap);
        QCOMPARE(image.pixelColor(x, bottom), line);
    }
    for (int y = top; y <= bottom; ++y) {
        QCOMPARE(image.pixelColor(0, y), line);
        QCOMPARE(image.pixelColor(right, y), line);
    }
    // Inside, above, right of and below the frame nothing is painted.
    QCOMPARE(image.pixelColor(30, (top + bottom) / 2), kSentinel);
    QCOMPARE(image.pixelColor(59, 20), kSentinel);
    if (top > 0)
        QCOMPARE(image.pixelColor(20, top - 1), kSentinel);
    if (bottom < 39)
        QCOMPARE(image.pixelColor(20, 39), kSentinel);
}

void tst_GroupBox::captionWidensTheGap()
{
    TavixQGroupBox box;
    box.resize(200, 60);
    box.setText(QStringLiteral("Options"));
    TextStyleDesc style;
    style.size = 14;
    style.color = QColor(0, 0, 200);
    box.setTextStyle(CommonNormal, style);
    box.setLineColor(QColor(200, 0, 0));
    const QImage image = renderBox(box);
    image.save(QStringLiteral("/tmp/tst_groupbox_caption.png"));

    const QSize caption = TavixQWidgetBaseImpl::measureText(style, QStringLiteral("Options"));
    QVERIFY(caption.width() > 10);
    const int top = caption.height() / 2;
    const QColor line(200, 0, 0);
    QCOMPARE(image.pixelColor(5, top), line);
    QVERIFY(image.pixelColor(6, top) != line);
    QVERIFY(image.pixelColor(8 + caption.width(), top) != line);
    QCOMPARE(image.pixelColor(9 + caption.width(), top), line);
}

void tst_GroupBox::readJson_data()
{
    QTest::addColumn<QByteArray>("attr");
    QTest::addColumn<int>("lineSize");
    QTest::addColumn<QColor>("lineColor");
    QTest::addColumn<bool>("showText");

    // The box starts at line size 2, colour (1, 2, 3) and a shown caption, so "unchanged" is visible.
    const QColor start(1, 2, 3);
    const QColor rgb(0x10, 0x20, 0x30);
    QTest::newRow("size 3") << QByteArray(R"({"size": 3})") << 3 << start << true;
    QTest::newRow("size INT_MIN") << QByteArray(R"({"size": -2147483648})") << INT_MIN << start << true;
    QTest::newRow("size as string") << QByteArray(R"({"size": "3"})") << 2 << start << true;
    QTest::newRow("colour string") << QByteArray(R"({"color": "FF102030"})") << 2 << rgb << true;
    QTest::newRow("colour string, alpha ignored") << QByteArray(R"({"color": "00102030"})") << 2 << rgb << true;
    QTest::newRow("colour lower-case string") << QByteArray(R"({"color": "ff102030"})") << 2 << rgb << true;
    QTest::newRow("colour number") << QByteArray(R"({"color": 1056816})") << 2 << rgb << true;
    QTest::newRow("colour unsigned number") << QByteArray(R"({"color": 4279246896})") << 2 << rgb << true;
    QTest::newRow("colour negative number") << QByteArray(R"({"color": -15720400})") << 2 << rgb << true;
    QTest::newRow("colour not hexadecimal") << QByteArray(R"({"color": "red"})") << 2 << start << true;
    QTest::newRow("colour too long") << QByteArray(R"({"color": "1FF102030"})") << 2 << start << true;
    QTest::newRow("colour of another kind") << QByteArray(R"({"color": [1]})") << 2 << start << true;
    QTest::newRow("showText 0") << QByteArray(R"({"showText": 0})") << 2 << start << false;
    QTest::newRow("showText false") << QByteArray(R"({"showText": false})") << 2 << start << false;
}

void tst_GroupBox::readJson()
{
    QFETCH(QByteArray, attr);
    QFETCH(int, lineSize);
    QFETCH(QColor, lineColor);
    QFETCH(bool, showText);

    TavixQGroupBox box;
    box.setLineSize(2);
    box.setLineColor(QColor(1, 2, 3));
    Json::Value node(Json::objectValue);
    QVERIFY(tavixParseJson(attr, node["attr"]));
    QVERIFY(box.readJsonValue(&node));
    QCOMPARE(box.getLineSize(), lineSize);
    QCOMPARE(box.getLineColor(), lineColor);
    QCOMPARE(box.getShowText(), showText);
    box.resize(50, 30);
    renderBox(box);     // any value read must paint
}

void tst_GroupBox::writeJson()
{
    TavixQResourceManager *resources = TavixQResourceManager::getInstance();
    FillStyle fill;
    fill.name = QStringLiteral("tst_groupbox_fill");
    fill.color = QColor(9, 9, 9);
    TextStyleDesc text;
    text.name = QStringLiteral("tst_groupbox_text");
    text.size = 17;
    resources->setFillStyle(fill.name, fill);
    resources->setTextStyle(text.name, text);

    // Slot 0 carries both styles; the kind says which.
    Json::Value node;
    QVERIFY(tavixParseJson(QByteArray(R"({"style": [["tst_groupbox_fill", 1, 0], ["tst_groupbox_text", 2, 0],
        ["tst_groupbox_fill", 2, 0], ["tst_groupbox_text", 1, 1], "junk", [1, 2, 0]],
        "attr": {"text": "Frame", "size": 3, "color": "80102030", "showText": 0}})"), node));
    TavixQGroupBox box;
    QVERIFY(box.readJsonValue(&node));
    QCOMPARE(box.getBackground(Normal).name, fill.name);
    QCOMPARE(box.getTextStyle(CommonNormal).size, 17);
    QCOMPARE(box.getText(), QStringLiteral("Frame"));

    Json::Value written;
    box.serializeJsonValue(&written, false);
    const Json::Value *attr = tavixJsonMember(written, "attr");
    QVERIFY(attr);
    QString color;
    QVERIFY(tavixReadString(*attr, "color", color));
    QCOMPARE(color, QStringLiteral("FF102030"));
    int showText = -1;
    QVERIFY(tavixReadInt(*attr, "showText", showText));
    QCOMPARE(showText, 0);
    QCOMPARE(tavixJsonCompact(*tavixJsonMember(written, "style")),
             std::string(R"([["tst_groupbox_fill",1,0],["tst_groupbox_text",2,0]])"));

    TavixQGroupBox copy;
    QVERIFY(copy.readJsonValue(&written));
    QCOMPARE(copy.getText(), box.getText());
    QCOMPARE(copy.getLineSize(), 3);
    QCOMPARE(copy.getLineColor(), QColor(0x10, 0x20, 0x30));
    QVERIFY(!copy.getShowText());
    QCOMPARE(copy.getTextStyle(CommonNormal).size, 17);

    // Defaults write nothing but the colour of the opaque black line.
    TavixQGroupBox plain;
    Json::Value defaults;
    plain.serializeJsonValue(&defaults, false);
    const Json::Value *plainAttr = tavixJsonMember(defaults, "attr");
    QVERIFY(plainAttr);
    QCOMPARE(tavixJsonCompact(*plainAttr), std::string(R"({"color":"FF000000","size":1})"));
}

void tst_GroupBox::languageChange()
{
    TavixQResourceManager *resources = TavixQResourceManager::getInstance();
    QVERIFY(resources->readLanguage(utf16le(QStringLiteral(
        "Language\tEnglish\tGerman\r\ntst_gb_title\tFrame\tRahmen\r\n"))));
    QVERIFY(resources->setCurrentLanguage(QStringLiteral("English")));

    Json::Value node;
    QVERIFY(tavixParseJson(QByteArray(R"({"attr": {"text": "|->tst_gb_title"}})"), node));
    TavixQGroupBox box;
    QVERIFY(box.readJsonValue(&node));
    QCOMPARE(box.getText(), QStringLiteral("Frame"));

    QVERIFY(resources->setCurrentLanguage(QStringLiteral("German")));
    box.notifyChangeLanguage();
    QCOMPARE(box.getText(), QStringLiteral("Rahmen"));
    Json::Value written;
    box.serializeJsonValue(&written, false);
    QString text;
    QVERIFY(tavixReadString(*tavixJsonMember(written, "attr"), "text", text));
    QCOMPARE(text, QStringLiteral("|->tst_gb_title"));

    // A caption set by code is not replaced by the next language change.
    box.setText(QStringLiteral("Fixed"));
    QVERIFY(resources->setCurrentLanguage(QStringLiteral("English")));
    box.notifyChangeLanguage();
    QCOMPARE(box.getText(), QStringLiteral("Fixed"));
}

QTEST_MAIN(tst_GroupBox)
#include "tst_groupbox.moc"
