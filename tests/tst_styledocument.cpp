#include "core/TavixJson.h"
#include "resources/FillStyle.h"
#include "resources/TavixStyleDocument.h"
#include "resources/TextStyleDesc.h"

#include <QFile>
#include <QtTest>

#include <climits>

using namespace TavixQtLib;

Q_DECLARE_METATYPE(TavixQtLib::FillStyle)

namespace {

Json::Value parse(const QByteArray &text)
{
    Json::Value value;
    if (!tavixParseJson(text, value))
        qFatal("test JSON does not parse: %s", text.constData());
    return value;
}

QByteArray show(const Json::Value &value) { return QByteArray::fromStdString(tavixJsonCompact(value)); }

QStringList keysOf(const Json::Value &object)
{
    QStringList keys;
    for (const std::string &key : object.getMemberNames())
        keys << QString::fromStdString(key);
    keys.sort();
    return keys;
}

QList<int> marginsOf(const FillStyle &s) { return {s.marginTop, s.marginRight, s.marginBottom, s.marginLeft}; }

} // namespace

class tst_StyleDocument : public QObject
{
    Q_OBJECT

private slots:
    void colorFromHex_data();
    void colorFromHex();
    void objectType_data();
    void objectType();
    void fillReaderDefaults();
    void fillMargins_data();
    void fillMargins();
    void textObject();
    void fillRoundTrip_data();
    void fillRoundTrip();
    void convertedKinds_data();
    void convertedKinds();
    void notAnObject();
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
    QTest::newRow("short number") << "1" << QColor(0, 0, 1, 0);
    QTest::newRow("leading zeros") << "00ff112233" << QColor(0x11, 0x22, 0x33, 0xff);
    QTest::newRow("not hexadecimal") << "ff11223g" << zero;
    QTest::newRow("0x prefix") << "0xff112233" << zero;   // also no "#" or spaces
    QTest::newRow("empty") << "" << zero;
    QTest::newRow("nine digits") << "1ff112233" << zero;
    QTest::newRow("twenty digits") << "ffffffffffffffffffff" << zero;
    QTest::newRow("non-ASCII") << QString::fromUtf8("ff\xc3\xa9") << zero;
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

void tst_StyleDocument::objectType_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<int>("type");
    QTest::newRow("fill") << QByteArray(R"({"type": 1})") << 1;
    QTest::newRow("text") << QByteArray(R"({"type": 2})") << 2;
    QTest::newRow("other number") << QByteArray(R"({"type": 3})") << 0;
    QTest::newRow("absent") << QByteArray(R"({"name": "a"})") << 0;
    QTest::newRow("string") << QByteArray(R"({"type": "1"})") << 0;
    QTest::newRow("bool converts") << QByteArray(R"({"type": true})") << 1;
    QTest::newRow("real truncates") << QByteArray(R"({"type": 2.7})") << 2;
    QTest::newRow("huge") << QByteArray(R"({"type": 4294967297})") << 0;
    QTest::newRow("array") << QByteArray("[1, 2]") << 0;
}

void tst_StyleDocument::objectType()
{
    QFETCH(QByteArray, json);
    QFETCH(int, type);
    QCOMPARE(tavixStyleObjectType(parse(json)), type);
}

void tst_StyleDocument::fillReaderDefaults()
{
    const FillStyle s = tavixReadFillStyleObject(
        parse(R"({"type": 1, "name": "plate", "drawImg": false, "clr": "ff336699"})"), 100.0f);
    QVERIFY(s.name == QLatin1String("plate") && s.valid && s.drawColor && !s.border);
    QCOMPARE(s.color, QColor(0x33, 0x66, 0x99, 0xff));
    QCOMPARE(s.borderSize, 1);
    QVERIFY(s.leftBorder && s.topBorder && s.rightBorder && s.bottomBorder);
    QVERIFY(s.roundTopLeft && s.roundTopRight && s.roundBottomRight && s.roundBottomLeft);
    QVERIFY(!s.repeatLeft && !s.repeatTop && !s.repeatRight && !s.repeatBottom && !s.repeatCenter);
    QCOMPARE(s.round, 0);
    QCOMPARE(marginsOf(s), QList<int>({0, 0, 0, 0}));

    // Absent keys take the reader's defaults, which differ from a fresh record's: image mode, white border.
    const FillStyle bare = tavixReadFillStyleObject(parse(R"({"type": 1})"), 1.0f);
    QVERIFY(bare.valid && !bare.drawColor && bare.name.isEmpty() && bare.img.isEmpty());
    QCOMPARE(bare.borderSize, 1);
    QCOMPARE(QList<QRgb>({bare.borderColor.rgba(), bare.color.rgba()}), QList<QRgb>({0xffffffffu, 0xffffffffu}));
}

void tst_StyleDocument::fillMargins_data()
{
    QTest::addColumn<QByteArray>("margin");
    QTest::addColumn<float>("scale");
    QTest::addColumn<QList<int>>("margins");   // top, right, bottom, left
    QTest::newRow("order") << QByteArray("[4, 6, 8, 10]") << 100.0f << QList<int>{4, 6, 8, 10};
    QTest::newRow("missing elements") << QByteArray("[4, 6]") << 1.0f << QList<int>{4, 6, 0, 0};
    QTest::newRow("extra elements") << QByteArray("[1, 2, 3, 4, 5]") << 1.0f << QList<int>{1, 2, 3, 4};
    QTest::newRow("non-int elements") << QByteArray(R"([null, "x", 2.5, [1]])") << 1.0f << QList<int>{0, 0, 2, 0};
    QTest::newRow("not an array") << QByteArray(R"({"a": 1})") << 1.0f << QList<int>{0, 0, 0, 0};
    QTest::newRow("half, truncated") << QByteArray("[5, 7, -3, 10]") << 0.5f << QList<int>{2, 3, -1, 5};
    QTest::newRow("int extremes halved") << QByteArray("[2147483647, -2147483648, 0, 1]") << 0.5f
                                         << QList<int>{1073741823, -1073741824, 0, 0};
    QTest::newRow("negative scale acts as 0") << QByteArray("[5, 7, 9, 11]") << -2.0f << QList<int>{0, 0, 0, 0};
}

void tst_StyleDocument::fillMargins()
{
    QFETCH(QByteArray, margin);
    QFETCH(float, scale);
    QFETCH(QList<int>, margins);
    const FillStyle s = tavixReadFillStyleObject(parse("{\"type\": 1, \"margin\": " + margin + "}"), scale);
    QCOMPARE(marginsOf(s), margins);
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
    QCOMPARE(tavixReadTextStyleObject(parse(R"({"type": 2, "clr": "00ff00"})")).color.rgba(), 0xff00ff00u);
    QCOMPARE(tavixReadTextStyleObject(parse(R"({"type": 2})")), TextStyleDesc());

    // Values at the reader's defaults (size 12, horizontal, single line, no offsets) are left out.
    TextStyleDesc t;
    QCOMPARE(keysOf(tavixWriteTextStyleObject(t)), QStringList({"clr", "family", "hor", "name", "type", "ver"}));

    // A record with every carried field changed writes them all and reads back the same.
    t.name = QString::fromUtf8("\xc3\xa9tiquette");
    t.bold = t.italic = t.underline = true;
    t.size = 13;
    t.family = QString::fromUtf8("Noto Sans \xe6\x97\xa5");
    t.color = QColor(10, 20, 30);
    t.x = INT_MIN;
    t.y = INT_MAX;
    t.isHor = t.singleline = false;
    t.hor = 2;
    t.ver = 0;
    const Json::Value object = tavixWriteTextStyleObject(t);
    QCOMPARE(keysOf(object), QStringList({"bold", "clr", "family", "hor", "isHor", "italic", "name", "singleline",
                                          "size", "type", "underline", "ver", "x", "y"}));
    QVERIFY(object["isHor"].isBool() && !object["isHor"].asBool());
    QCOMPARE(tavixStyleObjectType(object), 2);
    QCOMPARE(tavixReadTextStyleObject(object), t);
}

void tst_StyleDocument::fillRoundTrip_data()
{
    QTest::addColumn<FillStyle>("style");
    QTest::addColumn<QStringList>("extraKeys");   // written beyond the always-written ones
    QTest::addColumn<FillStyle>("back");          // what the document carries of it
    QTest::newRow("fresh record") << FillStyle() << QStringList() << FillStyle();

    FillStyle s;
    s.name = QString::fromUtf8("Kn\xc3\xb6pfe \xe5\x90\x8d");
    s.drawColor = false;
    s.color = QColor(1, 2, 3, 4);
    s.borderColor = QColor(9, 8, 7, 0);
    s.borderSize = 0;
    s.border = true;
    s.topBorder = s.rightBorder = false;
    s.round = -5;
    s.roundBottomLeft = s.roundTopLeft = false;
    s.img = QStringLiteral("images/a b.png");
    s.marginTop = 1;
    s.marginBottom = INT_MIN;
    s.marginLeft = INT_MAX;
    s.repeatLeft = s.repeatTop = s.repeatRight = s.repeatBottom = s.repeatCenter = true;
    QTest::newRow("everything changed")
        << s << QStringList{"border", "topBorder", "rightBorder", "round", "roundBottomLeft", "roundTopLeft",
                            "repeatLeft", "repeatTop", "repeatRight", "repeatBottom", "repeatCenter", "margin"} << s;

    // Gradient, reserved fields and side flags without a border are not carried; "empty" is never valid.
    s = FillStyle();
    s.name = QStringLiteral("empty");
    FillStyle back = s;
    back.valid = false;
    s.gradient = true;
    s.gradientColor = Qt::red;
    s.reserved0 = 7;
    s.reserved1 = QStringLiteral("r");
    s.reserved2 = 3;
    s.reserved3 = false;
    s.leftBorder = false;
    QTest::newRow("uncarried fields") << s << QStringList() << back;
}

void tst_StyleDocument::fillRoundTrip()
{
    QFETCH(FillStyle, style);
    QFETCH(QStringList, extraKeys);
    QFETCH(FillStyle, back);
    const Json::Value written = tavixWriteFillStyleObject(style);
    QStringList keys = QStringList{"borderSize", "borderclr", "clr", "drawImg", "img", "name", "type"} + extraKeys;
    keys.sort();
    QCOMPARE(keysOf(written), keys);
    QCOMPARE(tavixStyleObjectType(written), 1);
    const FillStyle read = tavixReadFillStyleObject(written, 100.0f);
    QCOMPARE(read, back);
    QCOMPARE(show(tavixWriteFillStyleObject(read)), show(written));
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
}

void tst_StyleDocument::convertedKinds()
{
    QFETCH(QByteArray, given);
    QFETCH(QByteArray, same);
    QCOMPARE(tavixReadFillStyleObject(parse(given), 0.5f), tavixReadFillStyleObject(parse(same), 0.5f));
    QCOMPARE(tavixReadTextStyleObject(parse(given)), tavixReadTextStyleObject(parse(same)));
}

void tst_StyleDocument::notAnObject()
{
    for (const char *notObject : {"[1, 2]", "\"text\"", "null", "3"}) {
        const Json::Value v = parse(notObject);
        QCOMPARE(tavixReadFillStyleObject(v, 1.0f), tavixReadFillStyleObject(Json::Value(), 1.0f));
        QCOMPARE(tavixReadTextStyleObject(v), TextStyleDesc());
    }
}

void tst_StyleDocument::defaultStyleDocumentReads()
{
    // The bundled default style: every object has a type and a unique name per kind.
    QFile file(QStringLiteral(":/style/resources/style/defaultStyle.json"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    Json::Value doc;
    QVERIFY(tavixParseJson(file.readAll(), doc));
    const Json::Value *styles = tavixJsonMember(doc, "style");
    QVERIFY(styles && styles->isArray() && styles->size() > 0);
    QSet<QString> names[3];
    for (const Json::Value &object : *styles) {
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
