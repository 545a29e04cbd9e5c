#include "core/TavixJson.h"
#include "core/TavixNodeEntries.h"
#include "resources/TavixQResourceManager.h"

#include <QtTest>

#include <json/value.h>

using namespace TavixQtLib;

namespace {

Json::Value parse(const QByteArray &text)
{
    Json::Value value;
    if (!tavixParseJson(text, value))
        qFatal("test JSON does not parse: %s", text.constData());
    return value;
}

QByteArray show(const Json::Value &value)
{
    return QByteArray::fromStdString(tavixJsonCompact(value));
}

FillStyle colourStyle(const char *name, QColor colour)
{
    FillStyle s;
    s.name = QString::fromLatin1(name);
    s.color = colour;
    return s;
}

FillStyle imageStyle(const char *name, const char *img)
{
    FillStyle s;
    s.name = QString::fromLatin1(name);
    s.drawColor = false;
    s.img = QString::fromLatin1(img);
    return s;
}

// The slot layout of a check box: fill groups 0-3 and 4-7, caption styles 8-10; plus a text group 11-14.
struct Styles
{
    FillStyle unchecked[4];
    FillStyle checked[4];
    TextStyleDesc caption;
    TextStyleDesc checkedCaption;
    TextStyleDesc disableCaption;
    TextStyleDesc texts[4];

    TavixStyleSlots slotsOf()
    {
        TavixStyleSlots s;
        s.fillGroup(0, unchecked, 4).fillGroup(4, checked, 4);
        s.text(8, &caption).text(9, &checkedCaption).text(10, &disableCaption);
        s.textGroup(11, texts, 4);
        return s;
    }
};

QStringList names(const FillStyle *styles)
{
    QStringList out;
    for (int i = 0; i < 4; ++i)
        out << styles[i].name;
    return out;
}

QStringList names(const TextStyleDesc *styles)
{
    QStringList out;
    for (int i = 0; i < 4; ++i)
        out << styles[i].name;
    return out;
}

// "red" etc. name styles of the default set; a name with a leading '~' takes that style unnamed.
FillStyle lookUp(const QString &entry)
{
    FillStyle s;
    if (entry.isEmpty())
        return s;
    const bool unnamed = entry.startsWith(QLatin1Char('~'));
    TavixQResourceManager::getInstance()->getFillStyle(unnamed ? entry.mid(1) : entry, s);
    if (unnamed)
        s.name.clear();
    return s;
}

} // namespace

class tst_NodeEntries : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void read_data();
    void read();
    void write_data();
    void write();
    void groupWithoutSpreadWritesEveryState();
    void looksDifferent_data();
    void looksDifferent();
    void attrWriters();
};

void tst_NodeEntries::initTestCase()
{
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    FillStyle red = colourStyle("red", Qt::red);
    FillStyle alsoRed = colourStyle("alsoRed", Qt::red);
    FillStyle green = colourStyle("green", Qt::green);
    FillStyle blue = colourStyle("blue", Qt::blue);
    FillStyle imageA = imageStyle("imageA", "a.png");
    FillStyle imageB = imageStyle("imageB", "b.png");
    manager->setFillStyle(red.name, red);
    manager->setFillStyle(alsoRed.name, alsoRed);
    manager->setFillStyle(green.name, green);
    manager->setFillStyle(blue.name, blue);
    manager->setFillStyle(imageA.name, imageA);
    manager->setFillStyle(imageB.name, imageB);
    for (const char *name : {"t1", "t2"}) {
        TextStyleDesc t;
        t.name = QString::fromLatin1(name);
        manager->setTextStyle(manager->getDefaultManagerImpl(), t.name, t);
    }
    TextStyleDesc probe;
    QVERIFY(manager->getTextStyle(QStringLiteral("t2"), probe));
    FillStyle found;
    QVERIFY(manager->getFillStyle(QStringLiteral("green"), found));
    QCOMPARE(found.color, QColor(Qt::green));
}

void tst_NodeEntries::read_data()
{
    QTest::addColumn<QByteArray>("style");
    QTest::addColumn<bool>("applied");
    QTest::addColumn<QStringList>("unchecked");
    QTest::addColumn<QStringList>("checked");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("caption");
    const QStringList none{"", "", "", ""};
    QTest::newRow("slot 0 fills all") << QByteArray(R"([["red", 1, 0]])") << true
                                      << QStringList{"red", "red", "red", "red"} << none << none << "";
    QTest::newRow("later slot 2 overrides only Pressed")
        << QByteArray(R"([["red", 1, 0], ["green", 1, 2]])") << true << QStringList{"red", "red", "green", "red"}
        << none << none << "";
    QTest::newRow("slot 0 after a state entry overwrites it")
        << QByteArray(R"([["green", 1, 2], ["red", 1, 0]])") << true << QStringList{"red", "red", "red", "red"}
        << none << none << "";
    QTest::newRow("second group starts at slot 4")
        << QByteArray(R"([["blue", 1, 4], ["green", 1, 7]])") << true << none
        << QStringList{"blue", "blue", "blue", "green"} << none << "";
    QTest::newRow("unknown names skipped")
        << QByteArray(R"([["red", 1, 0], ["nosuch", 1, 1], ["nosuch", 2, 8]])") << true
        << QStringList{"red", "red", "red", "red"} << none << none << "";
    QTest::newRow("malformed entries skipped")
        << QByteArray(R"([5, [], ["red"], ["red", 1], [1, 1, 0], ["red", 1, "0"], ["red", 1, true],
                         ["red", 1, 1.5], ["green", 1, 99], ["green", 1, -1], ["green", 1, 2147483648],
                         {"name": "red"}, null, ["blue", 1, 1]])")
        << true << QStringList{"", "blue", "", ""} << none << none << "";
    QTest::newRow("lookup follows the slot, not the kind")
        << QByteArray(R"([["red", 2, 0], ["t1", 1, 8], ["red", 1, 9]])") << true
        << QStringList{"red", "red", "red", "red"} << none << none << "t1";
    QTest::newRow("text group") << QByteArray(R"([["t1", 2, 11], ["t2", 2, 13]])") << true << none << none
                                << QStringList{"t1", "t1", "t2", "t1"} << "";
    QTest::newRow("pseudo-style empty") << QByteArray(R"([["empty", 1, 3]])") << true
                                        << QStringList{"", "", "", "empty"} << none << none << "";
    QTest::newRow("style not an array") << QByteArray(R"({"a": ["red", 1, 0]})") << false << none << none << none
                                        << "";
    QTest::newRow("nothing found") << QByteArray(R"([["nosuch", 1, 0]])") << false << none << none << none << "";
}

void tst_NodeEntries::read()
{
    QFETCH(QByteArray, style);
    QFETCH(bool, applied);
    QFETCH(QStringList, unchecked);
    QFETCH(QStringList, checked);
    QFETCH(QStringList, texts);
    QFETCH(QString, caption);
    Styles s;
    const Json::Value node = parse("{\"style\": " + style + "}");
    QCOMPARE(s.slotsOf().read(node), applied);
    QCOMPARE(names(s.unchecked), unchecked);
    QCOMPARE(names(s.checked), checked);
    QCOMPARE(names(s.texts), texts);
    QCOMPARE(s.caption.name, caption);
    QVERIFY(s.checkedCaption.name.isEmpty());
    if (unchecked.at(3) == QLatin1String("empty"))
        QVERIFY(!s.unchecked[3].valid);
    if (unchecked.at(0) == QLatin1String("red"))
        QCOMPARE(s.unchecked[0].color, QColor(Qt::red));
}

void tst_NodeEntries::write_data()
{
    QTest::addColumn<QStringList>("unchecked");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QByteArray>("expected");   // the "style" member; null when absent
    const QStringList none{"", "", "", ""};
    QTest::newRow("all same") << QStringList{"red", "red", "red", "red"} << none << ""
                              << QByteArray(R"([["red", 1, 0]])");
    QTest::newRow("differing named pair")
        << QStringList{"red", "green", "green", "blue"} << none << ""
        << QByteArray(R"([["red", 1, 0], ["green", 1, 1], ["green", 1, 2], ["blue", 1, 3]])");
    QTest::newRow("only the last pair differs")
        << QStringList{"red", "red", "red", "green"} << none << ""
        << QByteArray(R"([["red", 1, 0], ["red", 1, 1], ["red", 1, 2], ["green", 1, 3]])");
    QTest::newRow("unnamed states are left out")
        << QStringList{"red", "green", "", "blue"} << none << ""
        << QByteArray(R"([["red", 1, 0], ["green", 1, 1], ["blue", 1, 3]])");
    QTest::newRow("differing pair without both names")
        << QStringList{"red", "~green", "~green", "~green"} << none << "" << QByteArray(R"([["red", 1, 0]])");
    QTest::newRow("same look under other names")
        << QStringList{"red", "alsoRed", "red", "red"} << none << "" << QByteArray(R"([["red", 1, 0]])");
    QTest::newRow("image mode compares images")
        << QStringList{"imageA", "imageB", "imageB", "imageB"} << none << ""
        << QByteArray(R"([["imageA", 1, 0], ["imageB", 1, 1], ["imageB", 1, 2], ["imageB", 1, 3]])");
    QTest::newRow("text compare by names")
        << none << QStringList{"t1", "t1", "t2", "t2"} << ""
        << QByteArray(R"([["t1", 2, 11], ["t1", 2, 12], ["t2", 2, 13], ["t2", 2, 14]])");
    QTest::newRow("text all same") << none << QStringList{"t1", "t1", "t1", "t1"} << ""
                                   << QByteArray(R"([["t1", 2, 11]])");
    QTest::newRow("single slot named") << none << none << "t2" << QByteArray(R"([["t2", 2, 8]])");
    QTest::newRow("nothing named") << none << none << "" << QByteArray("null");
}

void tst_NodeEntries::write()
{
    QFETCH(QStringList, unchecked);
    QFETCH(QStringList, texts);
    QFETCH(QString, caption);
    QFETCH(QByteArray, expected);
    Styles s;
    for (int i = 0; i < 4; ++i) {
        s.unchecked[i] = lookUp(unchecked.at(i));
        s.texts[i].name = texts.at(i);
    }
    s.caption.name = caption;
    Json::Value node(Json::objectValue);
    s.slotsOf().write(node);
    const Json::Value *style = tavixJsonMember(node, "style");
    QCOMPARE(show(style ? *style : Json::Value()), show(parse(expected)));
}

void tst_NodeEntries::groupWithoutSpreadWritesEveryState()
{
    // Slot 0 of such a group sets only Normal, so one entry could not restore the others.
    FillStyle thumb[4];
    for (FillStyle &f : thumb)
        f = lookUp(QStringLiteral("red"));
    TavixStyleSlots group;
    group.fillGroup(20, thumb, 4, false);
    Json::Value node(Json::objectValue);
    group.write(node);
    QCOMPARE(show(node["style"]), show(parse(R"([["red", 1, 20], ["red", 1, 21], ["red", 1, 22], ["red", 1, 23]])")));

    FillStyle back[4];
    TavixStyleSlots backSlots;
    backSlots.fillGroup(20, back, 4, false);
    const Json::Value one = parse(R"({"style": [["green", 1, 20]]})");
    QVERIFY(backSlots.read(one));
    QCOMPARE(names(back), (QStringList{"green", "", "", ""}));
}

void tst_NodeEntries::looksDifferent_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("differ");
    QTest::newRow("nothing") << "none" << false;
    QTest::newRow("name only") << "name" << false;
    QTest::newRow("valid") << "valid" << true;
    QTest::newRow("mode") << "drawColor" << true;
    QTest::newRow("colour") << "color" << true;
    QTest::newRow("border side flag") << "leftBorder" << true;
    QTest::newRow("corner flag") << "roundTopLeft" << true;
    QTest::newRow("border size") << "borderSize" << true;
    QTest::newRow("image in colour mode") << "img" << false;
    QTest::newRow("image in image mode") << "imageMode img" << true;
    QTest::newRow("colour in image mode") << "imageMode color" << false;
    QTest::newRow("both invalid") << "bothInvalid color" << false;
}

void tst_NodeEntries::looksDifferent()
{
    QFETCH(QString, change);
    QFETCH(bool, differ);
    FillStyle a = colourStyle("a", Qt::red);
    if (change.contains(QLatin1String("imageMode")))
        a.drawColor = false;
    if (change.contains(QLatin1String("bothInvalid")))
        a.valid = false;
    FillStyle b = a;
    if (change == QLatin1String("name"))
        b.name = QStringLiteral("b");
    if (change == QLatin1String("valid"))
        b.valid = false;
    if (change == QLatin1String("drawColor"))
        b.drawColor = false;
    if (change.endsWith(QLatin1String("color")))
        b.color = Qt::blue;
    if (change == QLatin1String("leftBorder"))
        b.leftBorder = false;
    if (change == QLatin1String("roundTopLeft"))
        b.roundTopLeft = false;
    if (change == QLatin1String("borderSize"))
        b.borderSize = 3;
    if (change.endsWith(QLatin1String("img")))
        b.img = QStringLiteral("other.png");
    QCOMPARE(TavixStyleSlots::looksDifferent(a, b), differ);
    QCOMPARE(TavixStyleSlots::looksDifferent(b, a), differ);
}

void tst_NodeEntries::attrWriters()
{
    Json::Value node(Json::objectValue);
    tavixWriteAttrBool(node, "hasIcon", true, true);
    tavixWriteAttrInt(node, "extWidth", 0, 0);
    tavixWriteAttrString(node, "text", QString(), QString());
    QCOMPARE(show(node), show(parse(R"({"attr": {}})")));

    tavixWriteAttrBool(node, "hasIcon", false, true);
    tavixWriteAttrBool(node, "isExtBtn", true, false);
    tavixWriteAttrInt(node, "extWidth", -3, 0);
    tavixWriteAttrString(node, "text", QStringLiteral("\u00c4x"));
    QCOMPARE(show(node), show(parse(R"({"attr": {"hasIcon": 0, "isExtBtn": 1, "extWidth": -3, "text": "\u00c4x"}})")));

    // A value back at its default drops the key written before.
    tavixWriteAttrInt(node, "extWidth", 0, 0);
    QVERIFY(!tavixJsonHas(*tavixAttrNode(node), "extWidth"));

    // Nodes that cannot hold an "attr" object are left alone.
    Json::Value array(Json::arrayValue);
    tavixWriteAttrInt(array, "x", 1, 0);
    QVERIFY(array.isArray() && array.empty());
    Json::Value wrongAttr = parse(R"({"attr": 5})");
    QVERIFY(!tavixAttrNode(wrongAttr));
    tavixWriteAttrInt(wrongAttr, "x", 1, 0);
    QCOMPARE(show(wrongAttr), show(parse(R"({"attr": {"x": 1}})")));
    QVERIFY(!tavixAttrNode(parse("[1]")));
}

QTEST_MAIN(tst_NodeEntries)
#include "tst_nodeentries.moc"
