#include "TavixTestSupport.h"
#include "core/TavixJson.h"
#include "resources/FillStyle.h"
#include "resources/TavixStyleDocument.h"
#include "resources/TextStyleDesc.h"

#include <QFile>
#include <QtTest>

#include <climits>

using namespace TavixQtLib;

namespace {

using tavixtest::parse;
using tavixtest::show;


QStringList keysOf(const Json::Value &object)
{
    QStringList keys;
    for (const std::string &key : object.getMemberNames())
        keys << QString::fromStdString(key);
    keys.sort();
    return keys;
}

} // namespace

class tst_StyleDocument : public QObject
{
    Q_OBJECT

private slots:
    void colorFromHex_data();
    void colorFromHex();
    void fillReaderDefaults();
    void fillMargins_data();
    void fillMargins();
    void textObject();
    void fillRoundTrip();
    void convertedKinds_data();
    void convertedKinds();
    void defaultStyleDocumentReads();
};

void tst_StyleDocument::colorFromHex_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("color");
    const QColor zero(0, 0, 0, 0);
    QTest::newRow("eight digits") << "80FF4020" << QColor(0xff, 0x40, 0x20, 0x80);
    QTest::newRow("lower case") << "ff0a0b0c" << QColor(0x0a, 0x0b, 0x0c, 0xff);
    QTest::newRow("six digits have alpha 0") << "FF8000" << QColor(0xff, 0x80, 0x00, 0);
    QTest::newRow("not hexadecimal") << "ff11223g" << zero;
    QTest::newRow("nine digits") << "1ff112233" << zero;
}

void tst_StyleDocument::colorFromHex()
{
    QFETCH(QString, text);
    QFETCH(QColor, color);
    QCOMPARE(tavixColorFromHex(text).rgba(), color.rgba());
    QCOMPARE(tavixColorFromHex(text.toStdString()).rgba(), color.rgba());
    if (text.size() == 8 && color.alpha())   // written back as eight upper-case digits, alpha first
        QCOMPARE(tavixColorToHex(color), text.toUpper());
}

void tst_StyleDocument::fillReaderDefaults()
{
    // Absent keys take the reader's defaults, which differ from a fresh record's: image mode, white border of 1.
    FillStyle expected;
    expected.drawColor = false;
    expected.borderSize = 1;
    expected.borderColor = Qt::white;
    QCOMPARE(tavixReadFillStyleObject(parse(R"({"type": 1})"), 1.0f), expected);
    expected.name = QStringLiteral("plate");
    expected.drawColor = true;
    expected.color = QColor(0x33, 0x66, 0x99);
    QCOMPARE(tavixReadFillStyleObject(parse(R"({"type": 1, "name": "plate", "drawImg": false, "clr": "ff336699"})"),
                                      100.0f),
             expected);
}

void tst_StyleDocument::fillMargins_data()
{
    QTest::addColumn<QByteArray>("margin");
    QTest::addColumn<float>("scale");
    QTest::addColumn<QList<int>>("margins");   // top, right, bottom, left
    QTest::newRow("order") << QByteArray("[4, 6, 8, 10]") << 100.0f << QList<int>{4, 6, 8, 10};
    QTest::newRow("non-int elements") << QByteArray(R"([null, "x", 2.5, [1]])") << 1.0f << QList<int>{0, 0, 2, 0};
    QTest::newRow("not an array") << QByteArray(R"({"a": 1})") << 1.0f << QList<int>{0, 0, 0, 0};
    QTest::newRow("half, truncated") << QByteArray("[5, 7, -3, 10]") << 0.5f << QList<int>{2, 3, -1, 5};
}

void tst_StyleDocument::fillMargins()
{
    QFETCH(QByteArray, margin);
    QFETCH(float, scale);
    QFETCH(QList<int>, margins);
    const FillStyle s = tavixReadFillStyleObject(parse("{\"type\": 1, \"margin\": " + margin + "}"), scale);
    QCOMPARE(QList<int>({s.marginTop, s.marginRight, s.marginBottom, s.marginLeft}), margins);
    // Written back in the same order; all zero is not written.
    Json::Value expected;
    for (int m : margins) {
        if (margins != QList<int>{0, 0, 0, 0})
            expected.append(m);
    }
    QCOMPARE(show(tavixWriteFillStyleObject(s)["margin"]), show(expected));
}

void tst_StyleDocument::textObject()
{
    // The colour's alpha is ignored: text is opaque.
    QCOMPARE(tavixReadTextStyleObject(parse(R"({"type": 2, "clr": "80ff0000"})")).color.rgba(), 0xffff0000u);
    QCOMPARE(tavixReadTextStyleObject(parse(R"({"type": 2})")), TextStyleDesc());

    // Values at the reader's defaults (size 12, horizontal, single line, no offsets) are left out.
    TextStyleDesc t;
    QCOMPARE(keysOf(tavixWriteTextStyleObject(t)), QStringList({"clr", "family", "hor", "name", "type", "ver"}));

    // A record with every carried field changed writes them all and reads back the same.
    t.name = QString::fromUtf8("\xc3\xa9tiquette");
    t.family = QString::fromUtf8("Noto Sans \xe6\x97\xa5");
    t.bold = t.italic = t.underline = true;
    t.isHor = t.singleline = false;
    t.size = 13;
    t.color = QColor(10, 20, 30);
    t.x = INT_MIN, t.y = INT_MAX;
    t.hor = 2, t.ver = 0;
    const Json::Value object = tavixWriteTextStyleObject(t);
    QCOMPARE(keysOf(object), QStringList({"bold", "clr", "family", "hor", "isHor", "italic", "name", "singleline",
                                          "size", "type", "underline", "ver", "x", "y"}));
    QVERIFY(object["isHor"].isBool() && !object["isHor"].asBool());
    QCOMPARE(tavixStyleObjectType(object), 2);
    QCOMPARE(tavixReadTextStyleObject(object), t);
}

void tst_StyleDocument::fillRoundTrip()
{
    const QStringList always = {"borderSize", "borderclr", "clr", "drawImg", "img", "name", "type"};
    // Every carried field changed: all are written and read back the same.
    FillStyle s;
    s.name = QString::fromUtf8("Kn\xc3\xb6pfe \xe5\x90\x8d");
    s.drawColor = false;
    s.color = QColor(1, 2, 3, 4);
    s.borderColor = QColor(9, 8, 7, 0);
    s.border = true;
    s.topBorder = s.roundBottomLeft = false;
    s.round = -5;
    s.img = QStringLiteral("images/a b.png");
    s.marginTop = 1;
    s.marginLeft = INT_MAX;
    s.repeatLeft = s.repeatCenter = true;
    Json::Value written = tavixWriteFillStyleObject(s);
    QStringList keys = always + QStringList{"border", "topBorder", "round", "roundBottomLeft", "repeatLeft",
                                            "repeatCenter", "margin"};
    keys.sort();
    QCOMPARE(keysOf(written), keys);
    QCOMPARE(tavixStyleObjectType(written), 1);
    QCOMPARE(tavixReadFillStyleObject(written, 100.0f), s);

    // Gradient, reserved fields and side flags without a border are not carried; "empty" is never valid.
    s = FillStyle();
    s.name = QStringLiteral("empty");
    FillStyle back = s;
    back.valid = false;
    s.gradient = true;
    s.reserved0 = 7;
    s.leftBorder = false;
    written = tavixWriteFillStyleObject(s);
    QCOMPARE(keysOf(written), always);
    QCOMPARE(tavixReadFillStyleObject(written, 100.0f), back);
}

void tst_StyleDocument::convertedKinds_data()
{
    QTest::addColumn<QByteArray>("given");
    QTest::addColumn<QByteArray>("same");   // the same record in the kinds the writer uses
    QTest::newRow("null") << QByteArray(R"({"name": null, "clr": null, "borderSize": null, "drawImg": null,
        "isHor": null, "size": null, "family": null, "margin": [null, 3]})")
                          << QByteArray(R"({"name": "", "clr": "", "borderSize": 0, "drawImg": false,
        "isHor": false, "size": 0, "family": "", "margin": [0, 3]})");
    QTest::newRow("numbers and bools") << QByteArray(R"({"name": 5, "clr": 12, "border": 0.5, "round": true,
        "x": -2.9, "bold": 2, "img": false, "margin": [1.9, true]})")
                                       << QByteArray(R"({"name": "5", "clr": "12", "border": true, "round": 1,
        "x": -2, "bold": true, "img": "false", "margin": [1, 1]})");
    // What the JSON library cannot convert reads as absent.
    QTest::newRow("not convertible") << QByteArray(R"({"name": [], "drawImg": "no", "clr": {}, "borderSize": "big",
        "round": 1e20, "img": {}, "border": "yes", "margin": "x", "size": "big", "hor": "1", "isHor": "false",
        "family": [12], "x": 4294967296})")
                                     << QByteArray("{}");
    QTest::newRow("not an object") << QByteArray("[1, 2]") << QByteArray("{}");
}

void tst_StyleDocument::convertedKinds()
{
    QFETCH(QByteArray, given);
    QFETCH(QByteArray, same);
    QCOMPARE(tavixReadFillStyleObject(parse(given), 0.5f), tavixReadFillStyleObject(parse(same), 0.5f));
    QCOMPARE(tavixReadTextStyleObject(parse(given)), tavixReadTextStyleObject(parse(same)));
}

void tst_StyleDocument::defaultStyleDocumentReads()
{
    // The bundled default style: every object has a type and a unique name per kind.
    QFile file(QStringLiteral(":/style/resources/style/defaultStyle.json"));
    Json::Value doc;
    QVERIFY(file.open(QIODevice::ReadOnly) && tavixParseJson(file.readAll(), doc));
    QSet<QString> names[3];
    for (const Json::Value &object : doc["style"]) {
        const int type = tavixStyleObjectType(object);
        QVERIFY(type == 1 || type == 2);
        const QString name = type == 1 ? tavixReadFillStyleObject(object, 1.0f).name
                                       : tavixReadTextStyleObject(object).name;
        QVERIFY2(!name.isEmpty() && !names[type].contains(name), qPrintable(name));
        names[type].insert(name);
    }
    QVERIFY(names[1].contains(QStringLiteral("defaultBackground")) && names[2].contains(QStringLiteral("defaultText")));
}

QTEST_MAIN(tst_StyleDocument)
#include "tst_styledocument.moc"
