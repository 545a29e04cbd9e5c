#include "TavixTestSupport.h"
#include "core/TavixJson.h"
#include "core/TavixNodeEntries.h"
#include "resources/TavixQResourceManager.h"

#include <QtTest>

#include <json/value.h>

using namespace TavixQtLib;

Q_DECLARE_METATYPE(TavixQtLib::FillStyle)

namespace {

using tavixtest::parse;
using tavixtest::show;


// A colour-mode style, or an image-mode one when img is given.
FillStyle fillStyle(const char *name, QColor colour, const char *img = nullptr)
{
    FillStyle s;
    s.name = QString::fromLatin1(name);
    s.color = colour;
    s.drawColor = !img;
    s.img = QString::fromLatin1(img);
    return s;
}

// A fill group 0-3, one text slot 8, a text group 11-14 and a fill group 20-23 whose slot 20 sets only its
// first state. Indexed by slot number.
struct Styles
{
    FillStyle fills[24];
    TextStyleDesc texts[24];

    static bool isText(int slot) { return slot >= 8 && slot <= 14; }
    TavixStyleSlots slotsOf()
    {
        TavixStyleSlots s;
        s.fillGroup(0, fills, 4).fillGroup(20, fills + 20, 4, false).text(8, texts + 8).textGroup(11, texts + 11, 4);
        return s;
    }
    // "slot:name" for every named record, in slot order.
    QString names() const
    {
        QStringList out;
        for (int slot = 0; slot < 24; ++slot) {
            const QString &name = isText(slot) ? texts[slot].name : fills[slot].name;
            if (!name.isEmpty())
                out << QStringLiteral("%1:%2").arg(slot).arg(name);
        }
        return out.join(QLatin1Char(' '));
    }
    // Fills records the way names() lists them; a fill name with a leading '~' takes that look unnamed.
    void assign(const QString &list)
    {
        TavixQResourceManager *manager = TavixQResourceManager::getInstance();
        for (const QString &item : list.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const int slot = item.section(QLatin1Char(':'), 0, 0).toInt();
            const QString name = item.section(QLatin1Char(':'), 1);
            const bool unnamed = name.startsWith(QLatin1Char('~'));
            if (isText(slot))
                texts[slot].name = name;
            else if (manager->getFillStyle(name.mid(unnamed ? 1 : 0), fills[slot]) && unnamed)
                fills[slot].name.clear();
        }
    }
};

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
    void looksDifferent_data();
    void looksDifferent();
    void attrWriters();
};

void tst_NodeEntries::initTestCase()
{
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    for (FillStyle s : {fillStyle("red", Qt::red), fillStyle("alsoRed", Qt::red), fillStyle("green", Qt::green),
                        fillStyle("blue", Qt::blue), fillStyle("imageA", Qt::white, "a.png"),
                        fillStyle("imageB", Qt::white, "b.png")})
        manager->setFillStyle(s.name, s);
    for (const char *name : {"t1", "t2"}) {
        TextStyleDesc t;
        t.name = QString::fromLatin1(name);
        manager->setTextStyle(manager->getDefaultManagerImpl(), t.name, t);
    }
}

void tst_NodeEntries::read_data()
{
    QTest::addColumn<QByteArray>("style");
    QTest::addColumn<QString>("names");   // the records named afterwards; none means nothing was applied
    QTest::newRow("slot 0 fills all") << QByteArray(R"([["red", 1, 0]])") << "0:red 1:red 2:red 3:red";
    QTest::newRow("later slot 2 overrides only Pressed") << QByteArray(R"([["red", 1, 0], ["green", 1, 2]])")
                                                         << "0:red 1:red 2:green 3:red";
    QTest::newRow("group without spread sets one state") << QByteArray(R"([["green", 1, 20]])") << "20:green";
    QTest::newRow("unknown names skipped") << QByteArray(R"([["red", 1, 0], ["nosuch", 1, 1], ["nosuch", 2, 8]])")
                                           << "0:red 1:red 2:red 3:red";
    QTest::newRow("malformed entries skipped")
        << QByteArray(R"([5, [], ["red", 1], [1, 1, 0], ["red", 1, "0"], ["red", 1, 1.5], ["green", 1, 99],
                         ["green", 1, -1], {"name": "red"}, null, ["blue", 1, 1]])") << "1:blue";
    QTest::newRow("lookup follows the slot, not the kind") << QByteArray(R"([["red", 2, 0], ["t1", 1, 8]])")
                                                           << "0:red 1:red 2:red 3:red 8:t1";
    QTest::newRow("text group") << QByteArray(R"([["t1", 2, 11], ["t2", 2, 13]])") << "11:t1 12:t1 13:t2 14:t1";
    QTest::newRow("nothing found") << QByteArray(R"([["nosuch", 1, 0]])") << "";
}

void tst_NodeEntries::read()
{
    QFETCH(QByteArray, style);
    QFETCH(QString, names);
    Styles s;
    QCOMPARE(s.slotsOf().read(parse("{\"style\": " + style + "}")), !names.isEmpty());
    QCOMPARE(s.names(), names);
    QCOMPARE(s.fills[0].color, s.fills[0].name.isEmpty() ? FillStyle().color : QColor(Qt::red));   // whole record
}

void tst_NodeEntries::write_data()
{
    QTest::addColumn<QString>("names");
    QTest::addColumn<QString>("entries");   // the written entries, as slot:name
    QTest::newRow("all same") << "0:red 1:red 2:red 3:red" << "0:red";
    QTest::newRow("differing named pair") << "0:red 1:green 2:green 3:blue" << "0:red 1:green 2:green 3:blue";
    QTest::newRow("only the last pair differs") << "0:red 1:red 2:red 3:green" << "0:red 1:red 2:red 3:green";
    QTest::newRow("unnamed states are left out") << "0:red 1:green 3:blue" << "0:red 1:green 3:blue";
    // Slot 0 spreads on reading: a named state it would not restore is written after it, whatever the pairs.
    QTest::newRow("differing pair without both names") << "0:red 1:~green 2:blue 3:blue" << "0:red 2:blue 3:blue";
    QTest::newRow("lone Hot") << "1:green" << "1:green";
    QTest::newRow("unnamed Normal, named others") << "0:~red 1:green 2:green 3:blue" << "1:green 2:green 3:blue";
    QTest::newRow("lone text state") << "13:t2" << "13:t2";
    QTest::newRow("same look under other names") << "0:red 1:alsoRed 2:red 3:red" << "0:red";
    QTest::newRow("image mode compares images") << "0:imageA 1:imageB 2:imageB 3:imageB"
                                                << "0:imageA 1:imageB 2:imageB 3:imageB";
    QTest::newRow("text compared by names") << "11:t1 12:t1 13:t2 14:t2" << "11:t1 12:t1 13:t2 14:t2";
    // Slot 0 of such a group sets only Normal, so one entry could not restore the others.
    QTest::newRow("group without spread writes every state") << "20:red 21:red 22:red 23:red"
                                                             << "20:red 21:red 22:red 23:red";
    QTest::newRow("nothing named") << "" << "";
}

void tst_NodeEntries::write()
{
    QFETCH(QString, names);
    QFETCH(QString, entries);
    Styles s;
    s.assign(names);
    Json::Value node(Json::objectValue);
    s.slotsOf().write(node);
    QCOMPARE(tavixJsonHas(node, "style"), !entries.isEmpty());
    QStringList written;
    for (const Json::Value &e : node["style"]) {
        // [name, kind (1 fill, 2 text), slot]
        QVERIFY2(e.isArray() && e.size() == 3 && e[0].isString() && e[1].isInt() && e[2].isInt()
                     && e[1].asInt() == (Styles::isText(e[2].asInt()) ? 2 : 1), show(e).constData());
        written << QStringLiteral("%1:%2").arg(e[2].asInt()).arg(QString::fromStdString(e[0].asString()));
    }
    QCOMPARE(written.join(QLatin1Char(' ')), entries);
}

void tst_NodeEntries::looksDifferent_data()
{
    QTest::addColumn<FillStyle>("a");
    QTest::addColumn<FillStyle>("b");
    QTest::addColumn<bool>("differ");
    const auto changed = [](FillStyle s, void (*change)(FillStyle &)) { change(s); return s; };
    const FillStyle colour = fillStyle("a", Qt::red), image = fillStyle("a", Qt::white, "a.png");
    const FillStyle invalid = changed(colour, [](FillStyle &s) { s.valid = false; });
    QTest::newRow("valid") << colour << invalid << true;
    QTest::newRow("image in colour mode")
        << colour << changed(colour, [](FillStyle &s) { s.img = QStringLiteral("other.png"); }) << false;
    QTest::newRow("colour in image mode") << image << changed(image, [](FillStyle &s) { s.color = Qt::blue; })
                                          << false;
    QTest::newRow("both invalid") << invalid << changed(invalid, [](FillStyle &s) { s.color = Qt::blue; }) << true;
}

void tst_NodeEntries::looksDifferent()
{
    QFETCH(FillStyle, a);
    QFETCH(FillStyle, b);
    QFETCH(bool, differ);
    QCOMPARE(TavixStyleSlots::looksDifferent(a, b), differ);
    QCOMPARE(TavixStyleSlots::looksDifferent(b, a), differ);
}

void tst_NodeEntries::attrWriters()
{
    // A value at its default is not written, and drops the same key written before.
    Json::Value node(Json::objectValue);
    tavixWriteAttrBool(node, "hasIcon", true, true);
    tavixWriteAttrBool(node, "isExtBtn", true, false);
    tavixWriteAttrInt(node, "extWidth", -3, 0);
    tavixWriteAttrString(node, "empty", QString());
    tavixWriteAttrString(node, "text", QStringLiteral("\u00c4x"));
    QCOMPARE(show(node), show(parse(R"({"attr": {"isExtBtn": 1, "extWidth": -3, "text": "\u00c4x"}})")));
    tavixWriteAttrBool(node, "isExtBtn", false, true);
    tavixWriteAttrInt(node, "extWidth", 0, 0);
    QCOMPARE(show(node), show(parse(R"({"attr": {"isExtBtn": 0, "text": "\u00c4x"}})")));
}

QTEST_MAIN(tst_NodeEntries)
#include "tst_nodeentries.moc"
