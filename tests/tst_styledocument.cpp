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

Json::Value parse(const char *text)
{
    Json::Value value;
    if (!tavixParseJson(QByteArray(text), value))
        qFatal("test JSON does not parse: %s", text);
    return value;
}

QStringList keysOf(const Json::Value &object)
{
    QStringList keys;
    for (const std::string &key : object.getMemberNames())
        keys << QString::fromStdString(key);
    keys.sort();
    return keys;
}

QList<int> marginsOf(const FillStyle &s)
{
    return {s.marginTop, s.marginRight, s.marginBottom, s.marginLeft};
}

// What a fill record looks like after a write and a read: the fields the document does not carry.
FillStyle normalisedFill(FillStyle s)
{
    const FillStyle fresh;
    s.valid = s.name != QLatin1String("empty");
    s.gradient = fresh.gradient;
    s.gradientColor = fresh.gradientColor;
    s.reserved0 = fresh.reserved0;
    s.reserved1 = fresh.reserved1;
    s.reserved2 = fresh.reserved2;
    s.reserved3 = fresh.reserved3;
    if (!s.border)
        s.leftBorder = s.topBorder = s.rightBorder = s.bottomBorder = true;
    return s;
}

} // namespace

class tst_StyleDocument : public QObject
{
    Q_OBJECT

private slots:
    void colorFromHex_data();
    void colorFromHex();
    void colorToHex();
    void objectType_data();
    void objectType();

    void fillColourModeObject();
    void fillAbsentKeysUseReaderDefaults();
    void fillMargins_data();
    void fillMargins();
    void fillWrittenKeys_data();
    void fillWrittenKeys();

    void textAlphaIgnored();
    void textWrittenKeys();

    void fillRecordRoundTrip_data();
    void fillRecordRoundTrip();
    void textRecordRoundTrip();
    void documentRoundTrip();

    void wrongKindsReadAsAbsent();
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
    QTest::newRow("not hexadecimal") << "zz112233" << zero;
    QTest::newRow("trailing junk") << "ff11223g" << zero;
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
}

void tst_StyleDocument::colorToHex()
{
    QCOMPARE(tavixColorToHex(QColor(0x0a, 0xb0, 0x0c, 0x01)), QStringLiteral("010AB00C"));
    QCOMPARE(tavixColorToHex(QColor(255, 255, 255, 0)), QStringLiteral("00FFFFFF"));
    const QColor odd(0x12, 0x34, 0x56, 0x78);
    QCOMPARE(tavixColorFromHex(tavixColorToHex(odd)), odd);
}

void tst_StyleDocument::objectType_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<int>("type");
    QTest::newRow("fill") << R"({"type": 1})" << 1;
    QTest::newRow("text") << R"({"type": 2})" << 2;
    QTest::newRow("other number") << R"({"type": 3})" << 0;
    QTest::newRow("absent") << R"({"name": "a"})" << 0;
    QTest::newRow("string") << R"({"type": "1"})" << 0;
    QTest::newRow("huge") << R"({"type": 4294967297})" << 0;
    QTest::newRow("array") << R"([1, 2])" << 0;
}

void tst_StyleDocument::objectType()
{
    QFETCH(QString, json);
    QFETCH(int, type);
    QCOMPARE(tavixStyleObjectType(parse(json.toUtf8().constData())), type);
}

void tst_StyleDocument::fillColourModeObject()
{
    const FillStyle s = tavixReadFillStyleObject(
        parse(R"({"type": 1, "name": "plate", "drawImg": false, "clr": "ff336699"})"), 100.0f);
    QCOMPARE(s.name, QStringLiteral("plate"));
    QVERIFY(s.valid);
    QVERIFY(s.drawColor);
    QCOMPARE(s.color, QColor(0x33, 0x66, 0x99, 0xff));
    QVERIFY(!s.border);
    QCOMPARE(s.borderSize, 1);
    QVERIFY(s.leftBorder && s.topBorder && s.rightBorder && s.bottomBorder);
    QVERIFY(s.roundTopLeft && s.roundTopRight && s.roundBottomRight && s.roundBottomLeft);
    QVERIFY(!s.repeatLeft && !s.repeatTop && !s.repeatRight && !s.repeatBottom && !s.repeatCenter);
    QCOMPARE(s.round, 0);
    QCOMPARE(marginsOf(s), QList<int>({0, 0, 0, 0}));
}

void tst_StyleDocument::fillAbsentKeysUseReaderDefaults()
{
    // The reader's defaults differ from a fresh record's: image mode, white border of width 1.
    const FillStyle s = tavixReadFillStyleObject(parse(R"({"type": 1})"), 1.0f);
    QVERIFY(s.valid);
    QVERIFY(!s.drawColor);
    QCOMPARE(s.borderSize, 1);
    QCOMPARE(s.borderColor.rgba(), 0xffffffffu);
    QCOMPARE(s.color.rgba(), 0xffffffffu);
    QVERIFY(s.name.isEmpty());
    QVERIFY(s.img.isEmpty());
}

void tst_StyleDocument::fillMargins_data()
{
    QTest::addColumn<QString>("margin");
    QTest::addColumn<float>("scale");
    QTest::addColumn<QList<int>>("margins");   // top, right, bottom, left
    QTest::newRow("order") << "[4, 6, 8, 10]" << 100.0f << QList<int>{4, 6, 8, 10};
    QTest::newRow("missing elements") << "[4, 6]" << 1.0f << QList<int>{4, 6, 0, 0};
    QTest::newRow("extra elements") << "[1, 2, 3, 4, 5]" << 1.0f << QList<int>{1, 2, 3, 4};
    QTest::newRow("non-int elements") << R"([null, "x", 2.5, [1]])" << 1.0f << QList<int>{0, 0, 0, 0};
    QTest::newRow("not an array") << R"("x")" << 1.0f << QList<int>{0, 0, 0, 0};
    QTest::newRow("object") << R"({"a": 1})" << 1.0f << QList<int>{0, 0, 0, 0};
    QTest::newRow("half, truncated") << "[5, 7, -3, 10]" << 0.5f << QList<int>{2, 3, -1, 5};
    QTest::newRow("scale one unchanged") << "[5, 7, 9, 11]" << 1.0f << QList<int>{5, 7, 9, 11};
    QTest::newRow("int extremes halved") << "[2147483647, -2147483648, 0, 1]" << 0.5f
                                         << QList<int>{1073741823, -1073741824, 0, 0};
    QTest::newRow("negative scale acts as 0") << "[5, 7, 9, 11]" << -2.0f << QList<int>{0, 0, 0, 0};
}

void tst_StyleDocument::fillMargins()
{
    QFETCH(QString, margin);
    QFETCH(float, scale);
    QFETCH(QList<int>, margins);
    const QByteArray json = "{\"type\": 1, \"margin\": " + margin.toUtf8() + "}";
    const FillStyle s = tavixReadFillStyleObject(parse(json.constData()), scale);
    QCOMPARE(marginsOf(s), margins);
}

void tst_StyleDocument::fillWrittenKeys_data()
{
    QTest::addColumn<FillStyle>("style");
    QTest::addColumn<QStringList>("extraKeys");   // beyond the always-written ones
    const FillStyle fresh;
    QTest::newRow("fresh record") << fresh << QStringList();

    FillStyle s = fresh;
    s.leftBorder = s.bottomBorder = false;
    QTest::newRow("side flags without border") << s << QStringList();
    s.border = true;
    QTest::newRow("side flags with border") << s << QStringList{"border", "bottomBorder", "leftBorder"};

    s = fresh;
    s.round = 4;
    s.roundTopRight = false;
    s.repeatCenter = true;
    s.gradient = true;
    QTest::newRow("round, corner, repeat") << s << QStringList{"repeatCenter", "round", "roundTopRight"};

    s = fresh;
    s.marginLeft = 3;
    QTest::newRow("one margin") << s << QStringList{"margin"};
}

void tst_StyleDocument::fillWrittenKeys()
{
    QFETCH(FillStyle, style);
    QFETCH(QStringList, extraKeys);
    const Json::Value object = tavixWriteFillStyleObject(style);
    QStringList expected = QStringList{"borderSize", "borderclr", "clr", "drawImg", "img", "name", "type"} + extraKeys;
    expected.sort();
    QCOMPARE(keysOf(object), expected);
    QCOMPARE(object["type"].asInt(), 1);
    if (object.isMember("margin"))
        QCOMPARE(tavixJsonCompact(object["margin"]), tavixJsonCompact(parse("[0, 0, 0, 3]")));
}

void tst_StyleDocument::textAlphaIgnored()
{
    const TextStyleDesc t = tavixReadTextStyleObject(parse(R"({"type": 2, "clr": "80ff0000"})"));
    QCOMPARE(t.color.rgba(), 0xffff0000u);
    const TextStyleDesc six = tavixReadTextStyleObject(parse(R"({"type": 2, "clr": "00ff00"})"));
    QCOMPARE(six.color.rgba(), 0xff00ff00u);
    const TextStyleDesc absent = tavixReadTextStyleObject(parse(R"({"type": 2})"));
    QCOMPARE(absent, TextStyleDesc());
}

void tst_StyleDocument::textWrittenKeys()
{
    TextStyleDesc t;
    QCOMPARE(keysOf(tavixWriteTextStyleObject(t)),
             QStringList({"clr", "family", "hor", "name", "type", "ver"}));
    t.isHor = false;
    t.singleline = false;
    t.size = 13;
    t.y = -2;
    t.italic = true;
    t.elideMode = 3;
    const Json::Value object = tavixWriteTextStyleObject(t);
    QCOMPARE(keysOf(object),
             QStringList({"clr", "family", "hor", "isHor", "italic", "name", "singleline", "size", "type", "ver", "y"}));
    QVERIFY(object["isHor"].isBool() && !object["isHor"].asBool());
    QCOMPARE(object["type"].asInt(), 2);
    QCOMPARE(object["clr"].asString(), std::string("FF000000"));
}

void tst_StyleDocument::fillRecordRoundTrip_data()
{
    QTest::addColumn<FillStyle>("style");
    const FillStyle fresh;
    QTest::newRow("fresh") << fresh;

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
    s.marginRight = 0;
    s.marginBottom = INT_MIN;
    s.marginLeft = INT_MAX;
    s.repeatLeft = s.repeatTop = s.repeatRight = s.repeatBottom = s.repeatCenter = true;
    QTest::newRow("everything changed") << s;

    s = fresh;
    s.name = QStringLiteral("empty");
    s.gradient = true;
    s.gradientColor = Qt::red;
    s.reserved0 = 7;
    s.reserved1 = QStringLiteral("r");
    s.reserved2 = 3;
    s.reserved3 = false;
    s.leftBorder = false;   // border off: not carried
    QTest::newRow("uncarried fields") << s;
}

void tst_StyleDocument::fillRecordRoundTrip()
{
    QFETCH(FillStyle, style);
    const Json::Value written = tavixWriteFillStyleObject(style);
    QCOMPARE(tavixStyleObjectType(written), 1);
    const FillStyle back = tavixReadFillStyleObject(written, 100.0f);
    QCOMPARE(back, normalisedFill(style));
    QCOMPARE(tavixJsonCompact(tavixWriteFillStyleObject(back)), tavixJsonCompact(written));
}

void tst_StyleDocument::textRecordRoundTrip()
{
    TextStyleDesc t;
    t.name = QString::fromUtf8("\xc3\xa9tiquette");
    t.bold = t.italic = t.underline = true;
    t.size = 0;
    t.family = QString::fromUtf8("Noto Sans \xe6\x97\xa5");
    t.color = QColor(10, 20, 30, 40);
    t.x = INT_MIN;
    t.y = INT_MAX;
    t.isHor = false;
    t.singleline = false;
    t.hor = 2;
    t.ver = 0;
    const Json::Value written = tavixWriteTextStyleObject(t);
    QCOMPARE(tavixStyleObjectType(written), 2);
    TextStyleDesc expected = t;
    expected.color.setAlpha(255);
    QCOMPARE(tavixReadTextStyleObject(written), expected);
}

void tst_StyleDocument::documentRoundTrip()
{
    // A hand-written document in short form: read -> write -> read gives the same records.
    const Json::Value doc = parse(R"({"style": [
        {"type": 1, "name": "a", "drawImg": true, "img": "x.png", "margin": [4, 6, 8, 10], "repeatCenter": true},
        {"type": 1, "name": "b", "drawImg": false, "clr": "ff102030", "border": true, "borderSize": 2,
         "borderclr": "80ffffff", "leftBorder": false, "round": 6, "roundBottomRight": false},
        {"type": 2, "name": "t", "clr": "ff00ff00", "size": 15, "bold": true, "x": 3, "singleline": false},
        {"type": 7, "name": "skipped"}
    ]})");
    const Json::Value &styles = doc["style"];
    for (Json::ArrayIndex i = 0; i < styles.size(); ++i) {
        const Json::Value &object = styles[i];
        switch (tavixStyleObjectType(object)) {
        case FillStyleObject: {
            const FillStyle first = tavixReadFillStyleObject(object, 100.0f);
            const Json::Value written = tavixWriteFillStyleObject(first);
            QCOMPARE(tavixReadFillStyleObject(written, 100.0f), first);
            if (first.name == QLatin1String("a"))
                QCOMPARE(tavixJsonCompact(written["margin"]), tavixJsonCompact(object["margin"]));
            break;
        }
        case TextStyleObject: {
            const TextStyleDesc first = tavixReadTextStyleObject(object);
            QCOMPARE(tavixReadTextStyleObject(tavixWriteTextStyleObject(first)), first);
            break;
        }
        default:
            QCOMPARE(object["name"].asString(), std::string("skipped"));
        }
    }
}

void tst_StyleDocument::wrongKindsReadAsAbsent()
{
    const Json::Value fillJson = parse(R"({"type": 1, "name": 5, "drawImg": "no", "clr": 5, "borderclr": [1],
        "borderSize": "big", "round": 1e20, "img": {}, "border": "yes", "margin": "x", "repeatCenter": null})");
    const FillStyle fill = tavixReadFillStyleObject(fillJson, 0.5f);
    QCOMPARE(fill, tavixReadFillStyleObject(parse(R"({"type": 1})"), 0.5f));

    const Json::Value textJson = parse(R"({"type": 2, "name": [], "size": "big", "clr": 5, "hor": "1",
        "x": 2.5, "isHor": "false", "family": 12})");
    QCOMPARE(tavixReadTextStyleObject(textJson), TextStyleDesc());

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
    for (Json::ArrayIndex i = 0; i < styles->size(); ++i) {
        const Json::Value &object = (*styles)[i];
        const int type = tavixStyleObjectType(object);
        QVERIFY(type == 1 || type == 2);
        const QString name = type == 1 ? tavixReadFillStyleObject(object, 1.0f).name
                                       : tavixReadTextStyleObject(object).name;
        QVERIFY2(!name.isEmpty() && !names[type].contains(name), qPrintable(name));
        names[type].insert(name);
    }
    QVERIFY(names[1].contains(QStringLiteral("defaultBackground")));
    QVERIFY(names[2].contains(QStringLiteral("defaultText")));
}

QTEST_MAIN(tst_StyleDocument)
#include "tst_styledocument.moc"
