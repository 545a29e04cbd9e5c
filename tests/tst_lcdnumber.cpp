#include "TavixTestSupport.h"
#include "controls/TavixQLCDNumber.h"
#include "core/TavixJson.h"
#include "resources/TavixQResourceManager.h"

#include <QImage>
#include <QtTest>

#include <json/value.h>

using namespace TavixQtLib;

namespace {

using tavixtest::parse;
using tavixtest::show;

const QColor kBackground(0, 0, 255);
const QColor kDigits(255, 0, 0);

QImage renderWidget(QWidget &widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::cyan);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

int countColor(const QImage &image, const QColor &color)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == color;
    return n;
}

Json::Value written(TavixQLCDNumber &lcd)
{
    Json::Value node(Json::objectValue);
    lcd.serializeJsonValue(&node, false);
    return node;
}

} // namespace

class tst_LCDNumber : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        FillStyle blue;
        blue.name = QStringLiteral("tst_lcd_blue");
        blue.color = kBackground;
        TavixQResourceManager::getInstance()->setFillStyle(blue.name, blue);
    }

    // The fill covers the whole control; the digits are drawn over it in the digit colour.
    void paintsFillThenDigits()
    {
        TavixQLCDNumber lcd;
        lcd.resize(160, 60);
        Json::Value node = parse(R"({"style": [["tst_lcd_blue", 1, 0]], "attr": {"color": "FFFF0000", "text": "88"}})");
        QVERIFY(lcd.readJsonValue(&node));
        const QImage image = renderWidget(lcd);
        QCOMPARE(image.pixelColor(1, 1), kBackground);
        QCOMPARE(countColor(image, Qt::cyan), 0);
        QVERIFY(countColor(image, kDigits) > 200);
        lcd.setColor(QColor(0, 255, 0));
        const QImage green = renderWidget(lcd);
        QCOMPARE(countColor(green, kDigits), 0);
        QVERIFY(countColor(green, QColor(0, 255, 0)) > 200);
    }

    void numText_data()
    {
        QTest::addColumn<QString>("given");
        QTest::newRow("clock text is kept") << "12:30";
        QTest::newRow("NaN as text") << "NaN";
        QTest::newRow("empty") << "";
    }

    void numText()
    {
        QFETCH(QString, given);
        TavixQLCDNumber lcd;
        lcd.setNumText(given);
        QCOMPARE(lcd.getNumText(), given);
        lcd.display(7.25);   // a value shown since replaces the text
        QCOMPARE(lcd.getNumText(), QStringLiteral("7.25"));
    }

    void roundTrip()
    {
        TavixQLCDNumber first;
        Json::Value node = parse(R"({"style": [["tst_lcd_blue", 1, 0]],
                                     "attr": {"color": "FF123456", "digitCount": 8, "text": "12.5"}})");
        QVERIFY(first.readJsonValue(&node));
        const Json::Value out = written(first);
        QCOMPARE(show(out["attr"]), QByteArray(R"({"color":"FF123456","digitCount":8,"text":"12.5"})"));
        QCOMPARE(show(out["style"]), QByteArray(R"([["tst_lcd_blue",1,0]])"));
        TavixQLCDNumber second;
        QVERIFY(second.readJsonValue(const_cast<Json::Value *>(&out)));
        QCOMPARE(show(written(second)), show(out));
        QCOMPARE(second.value(), 12.5);
    }

    void hostileAttributes_data()
    {
        QTest::addColumn<QByteArray>("attr");
        QTest::newRow("digitCount INT_MIN") << QByteArray(R"({"digitCount": -2147483648})");
        QTest::newRow("digitCount INT_MAX") << QByteArray(R"({"digitCount": 2147483647})");
        QTest::newRow("digitCount NaN text") << QByteArray(R"({"digitCount": "NaN"})");
        QTest::newRow("digitCount beyond int") << QByteArray(R"({"digitCount": 1e300})");
        QTest::newRow("color not hex") << QByteArray(R"({"color": "zzzzzzzz"})");
        QTest::newRow("color too long") << QByteArray(R"({"color": "FFFF0000FF"})");
        QTest::newRow("color is a number") << QByteArray(R"({"color": 12})");
        QTest::newRow("text is an array") << QByteArray(R"({"text": [1]})");
    }

    // Out-of-range or malformed values keep the previous digit count, colour and text.
    void hostileAttributes()
    {
        QFETCH(QByteArray, attr);
        TavixQLCDNumber lcd;
        lcd.setDigitCount(6);
        lcd.setColor(kDigits);
        lcd.setNumText(QStringLiteral("42"));
        Json::Value node(Json::objectValue);
        node["attr"] = parse(attr);
        QVERIFY(lcd.readJsonValue(&node));
        QCOMPARE(lcd.digitCount(), 6);
        QCOMPARE(lcd.getColor(), kDigits);
        QCOMPARE(lcd.getNumText(), QStringLiteral("42"));
        lcd.resize(80, 30);
        renderWidget(lcd);
    }

    // The designer reaches the control only through these bindings.
    void descriptor()
    {
        const ControlInfo info = TavixQLCDNumber::getProps();
        QCOMPARE(info.properties.size(), size_t(11));
        const auto row = [&info](const char *label) {
            for (const PropertyDef &def : info.properties)
                if (def.label == QLatin1String(label))
                    return def;
            return PropertyDef();
        };
        TavixQLCDNumber lcd;
        row("DigitCount").setInt(&lcd, 9);
        row("DigitCount").setInt(&lcd, 1000);   // beyond QLCDNumber's limit: kept
        QCOMPARE(row("DigitCount").getInt(&lcd), 9);
        row("TextColor").setColor(&lcd, kDigits);
        QCOMPARE(row("TextColor").getColor(&lcd), kDigits);
        row("Text").setString(&lcd, QStringLiteral("3.5"));
        QCOMPARE(row("Text").getString(&lcd), QStringLiteral("3.5"));
        FillStyle fill;
        fill.color = kBackground;
        row("Background").setFillStyle(&lcd, CommonDisable, fill);
        QCOMPARE(row("Background").getFillStyle(&lcd, CommonNormal).color, kBackground);
    }
};

QTEST_MAIN(tst_LCDNumber)
#include "tst_lcdnumber.moc"
