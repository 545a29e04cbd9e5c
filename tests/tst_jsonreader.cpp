// tavixParseJson reads plain documents with its own reader and leaves the rest to the JSON library's:
// whatever the text, both must accept or refuse it alike and build equal trees. Checked over hand-made
// edge cases, every document of the fuzz corpora, the test data, the themes and the built-in resources,
// and truncated and byte-mutated copies of them.

#include "core/TavixJson.h"

#include <QDirIterator>
#include <QFile>
#include <QTest>

#include <json/value.h>

#include <string>

using namespace TavixQtLib;

namespace {

// Empty when both agree, else what differs.
QByteArray disagreement(const QByteArray &text)
{
    Json::Value ours(Json::objectValue), library(Json::objectValue);
    const bool oursOk = tavixParseJson(text.constData(), size_t(text.size()), ours);
    const bool libraryOk = tavixParseJsonByLibrary(text.constData(), size_t(text.size()), library);
    if (oursOk != libraryOk)
        return "accepted " + QByteArray(oursOk ? "by ours only" : "by the library only");
    if (!oursOk)
        return {};
    // == compares kinds (int against uint, int against real) as well as values; the text shows the member
    // order and is what a failure prints.
    if (!(ours == library) || tavixJsonCompact(ours) != tavixJsonCompact(library))
        return "trees differ: " + QByteArray::fromStdString(tavixJsonCompact(ours)).left(200) + " / "
               + QByteArray::fromStdString(tavixJsonCompact(library)).left(200);
    return {};
}

QByteArray nested(int depth, char open, char close, const QByteArray &inner)
{
    QByteArray text;
    for (int i = 0; i < depth; ++i)
        text += open == '{' ? QByteArray("{\"k\":") : QByteArray(1, open);
    text += inner;
    for (int i = 0; i < depth; ++i)
        text += close;
    return text;
}

QStringList documents()
{
    QStringList files;
    const struct {
        const char *dir;
        bool jsonOnly;   // the themes and resources hold images and fonts too
    } roots[] = {{"../fuzz/corpus", false}, {"data", false}, {"../themes", true}, {"../resources", true}};
    for (const auto &root : roots) {
        QDirIterator it(QFINDTESTDATA(root.dir), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (!root.jsonOnly || path.endsWith(QLatin1String(".json")))
                files << path;
        }
    }
    return files;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestJsonReader : public QObject
{
    Q_OBJECT

private slots:
    void sameAsLibrary_data();
    void sameAsLibrary();
    void corpora();
    void mutatedCorpora();
    void failureLeavesOutput();
};

void TestJsonReader::sameAsLibrary_data()
{
    QTest::addColumn<QByteArray>("text");
    const char *cases[] = {
        // Plain documents, the reader's own ground.
        R"({})", R"([])", R"( { } )", R"([ ])", "\t\r\n{\"a\" :\t1 ,\n\"b\":[true,false,null]}\r\n",
        R"({"type": "qtbutton", "name": "b1", "x": 4, "attr": {"text": "Item 1"}, "child": []})",
        R"([0, -0, 7, -7, 999999999, -999999999, 1000000000, -1000000000, 2147483647, 2147483648])",
        R"([-2147483648, -2147483649, 4294967295, 4294967296, 9223372036854775807, 9223372036854775808])",
        R"([18446744073709551615, 18446744073709551616, -9223372036854775808, -9223372036854775809])",
        R"([1.5, -0.0, 1e3, 1E-3, 1e400, -1e400, 1.7976931348623157e308, 4.9e-324, 1e-400])",
        R"([01, 00, -01, 1., .5, -.5, 1e, 1e+, -, +1, +, 1.2.3, 0x10, 1_000])",
        R"([NaN, nan, Infinity, -Infinity, +Infinity, inf])",
        R"([tru, truex, nul, falsey, True, NULL])",
        // Strings: escapes, UTF-8 as is, invalid UTF-8, control bytes.
        R"(["a\"b\\c\/d\be\ff\ng\rh\ti"])", R"(["\u0041\u00e9\u20ac\uFFFF\u0080\u07ff\u0800"])",
        R"(["\ud83d\ude00", "\ud83d", "\ude00", "\ud83dx", "\ud83d\u0041", "\uDBFF\uDFFF"])",
        R"(["\u0000", "\u00", "\u12G4", "\x41", "\a", "\'", "\
"])",
        "[\"caf\xc3\xa9\", \"\xe4\xb8\xad\", \"\xff\xfe\", \"\xc3\", \"\xed\xa0\x80\"]",
        "[\"tab\there\", \"nl\nhere\", \"bell\x07\", \"del\x7f\"]",
        R"(["unterminated)", R"(["trailing backslash\)", R"({"a": "x\)",
        // Keys: empty, repeated, escaped, odd.
        R"({"": 1})", R"({"": 1, "": 2})", R"({"a": 1, "a": 2})", R"({"a": {"b": 1}, "a": [2]})",
        R"({"a": 1, "": 2,})", R"({"\u0041": 1, "A": 2})", R"({"a\u0000b": 1})", R"({1: 2})", R"({'a': 1})",
        R"({a: 1})",
        // Structure: trailing commas, missing parts, extra text.
        R"([1,])", R"([1,,2])", R"([,])", R"({"a":1,})", R"({,})", R"({"a" 1})", R"({"a":})", R"({"a")",
        R"([1 2])", R"([1)", R"({"a":1)", R"(])", R"(})", R"({"a":1}})", R"([1]])", R"({"a":1} x)",
        R"({"a":1} {"b":2})", R"([1] // note)", R"([1] /* note */)", R"([1] /* open)", R"([1] /)",
        // Comments, which only the library reads.
        "// lead\n{\"a\": 1}", "{/* in */\"a\": 1}", "{\"a\": 1 // after\n}", "[1, /* x */ 2]",
        "{\"a\": /* c */ 1}", "[1 /* c */]", "/* only */", "{\"a\": 1 /* open",
        // Roots that are not containers, and nothing.
        "1", "\"text\"", "true", "null", "-5", " ", "\n", "{", "[", "\"",
        // Byte order mark, NUL bytes inside the text.
        "\xef\xbb\xbf{\"a\": 1}", "\xef\xbb\xbf[1]", "\xef\xbb{}",
    };
    for (const char *text : cases) {
        // Row names print control and non-ASCII bytes as escapes.
        QByteArray name;
        for (const char c : QByteArray(text))
            name += (c >= 0x20 && c < 0x7f) ? QByteArray(1, c) : "\\x" + QByteArray::number(uchar(c), 16);
        QTest::newRow(name.constData()) << QByteArray(text);
    }
    QTest::newRow("NUL after root") << QByteArray("[1]\0[2]", 7);
    QTest::newRow("NUL in structure") << QByteArray("[1,\0 2]", 7);
    QTest::newRow("NUL in string") << QByteArray("[\"a\0b\"]", 7);
    // Nesting on both sides of this reader's limit and of the library's.
    for (int depth : {127, 128, 129, 200, 254, 255, 256, 257, 300}) {
        QTest::addRow("arrays %d", depth) << nested(depth, '[', ']', "1");
        QTest::addRow("objects %d", depth) << nested(depth, '{', '}', "1");
        QTest::addRow("open arrays %d", depth) << nested(depth, '[', ']', "1").left(depth);
    }
}

void TestJsonReader::sameAsLibrary()
{
    QFETCH(QByteArray, text);
    QCOMPARE(disagreement(text), QByteArray());
}

void TestJsonReader::corpora()
{
    const QStringList files = documents();
    QVERIFY2(files.size() > 100, "the corpora were not found");
    for (const QString &path : files)
        QVERIFY2(disagreement(readAll(path)).isEmpty(), qPrintable(path + ": " + disagreement(readAll(path))));
}

// Each document cut short at many places, and with single bytes replaced by the characters that steer a
// JSON reader, at positions spread over the text.
void TestJsonReader::mutatedCorpora()
{
    static const char kBytes[] = {'"', '\\', '}', ']', '{', '[', ',', ':', '0', '-', '.', 'e', '/', '*', 'u',
                                  ' ', '\0', '\x01', '\x80', '\xff', 'x', 't'};
    int checked = 0;
    for (const QString &path : documents()) {
        const QByteArray text = readAll(path);
        if (text.isEmpty() || text.size() > 16 * 1024)
            continue;
        const int step = qMax(1, text.size() / 16);
        for (int at = 0; at < text.size(); at += step) {
            const QByteArray cut = text.left(at);
            QVERIFY2(disagreement(cut).isEmpty(), qPrintable(path + " cut at " + QString::number(at)));
            for (char byte : kBytes) {
                QByteArray mutated = text;
                mutated[at] = byte;
                const QByteArray why = disagreement(mutated);
                QVERIFY2(why.isEmpty(), qPrintable(QStringLiteral("%1 byte %2 at %3: %4")
                                                       .arg(path).arg(int(uchar(byte))).arg(at)
                                                       .arg(QString::fromUtf8(why))));
                ++checked;
            }
        }
    }
    QVERIFY(checked > 10000);
}

void TestJsonReader::failureLeavesOutput()
{
    Json::Value out("kept");
    QVERIFY(!tavixParseJson(QByteArray(R"({"a": })"), out));
    QCOMPARE(out.asString(), std::string("kept"));
    // A document that the plain reader gives up on half-way still arrives whole through the library.
    QVERIFY(tavixParseJson(QByteArray(R"({"a": [1, 2, {"b": "c"}], "d": 1.5})"), out));
    QCOMPARE(out["a"][2]["b"].asString(), std::string("c"));
    QCOMPARE(out["d"].asDouble(), 1.5);
}

QTEST_GUILESS_MAIN(TestJsonReader)
#include "tst_jsonreader.moc"
