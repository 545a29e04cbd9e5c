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

const QColor kBackground(0, 0, 255);
const QColor kDigits(255, 0, 0);

using tavixtest::rendered;
using tavixtest::countColour;

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
        const QImage image = rendered(lcd);
        QCOMPARE(lcd.value(), 88.0);   // the text read is the value shown
        QCOMPARE(image.pixelColor(1, 1), kBackground);
        QCOMPARE(countColour(image, Qt::cyan), 0);
        QVERIFY(countColour(image, kDigits) > 200);
        lcd.setColor(QColor(0, 255, 0));
        const QImage green = rendered(lcd);
        QCOMPARE(countColour(green, kDigits), 0);
        QVERIFY(countColour(green, QColor(0, 255, 0)) > 200);
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
        rendered(lcd);
    }

    // A designer edit past QLCDNumber's digit limit keeps the count; a fill set for any state is the one fill.
    void descriptor()
    {
        const ControlInfo info = TavixQLCDNumber::getProps();
        TavixQLCDNumber lcd;
        int found = 0;
        for (const PropertyDef &def : info.properties) {
            found += def.label == QLatin1String("DigitCount") || def.label == QLatin1String("Background");
            if (def.label == QLatin1String("DigitCount")) {
                def.setInt(&lcd, 9);
                def.setInt(&lcd, 1000);
                QCOMPARE(def.getInt(&lcd), 9);
            } else if (def.label == QLatin1String("Background")) {
                def.setFillStyle(&lcd, CommonDisable, tavixtest::solid(kBackground));
                QCOMPARE(def.getFillStyle(&lcd, CommonNormal).color, kBackground);
            }
        }
        QCOMPARE(found, 2);
    }
};

QTEST_MAIN(tst_LCDNumber)
#include "tst_lcdnumber.moc"
