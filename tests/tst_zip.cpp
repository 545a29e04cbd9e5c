// The archive reader, and themes and skins loaded from archives.

#include "TavixTestSupport.h"
#include "TavixZipBuilder.h"
#include "controls/TavixQImage.h"
#include "core/TavixLibrary.h"
#include "resources/TavixQResourceManager.h"
#include "resources/TavixQResourceManagerImpl.h"
#include "resources/TavixZip.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace TavixQtLib;
using namespace tavixtest;

namespace {

TavixQResourceManager *rm()
{
    return TavixQResourceManager::getInstance();
}

QByteArray pattern(int size, int seed = 1)
{
    QByteArray data(size, '\0');
    uint32_t x = uint32_t(seed) * 2654435761u;
    for (int i = 0; i < size; ++i) {
        x = x * 1103515245u + 12345u;
        data[i] = char("theme-text "[(x >> 16) % 11]);   // compressible, not trivially so
    }
    return data;
}

QByteArray png(int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    image.save(&buffer, "PNG");
    return bytes;
}

// Keeps its own copy: the reader reads the memory until closeZip.
struct Zip
{
    explicit Zip(const QByteArray &archive, const char *password = nullptr)
        : bytes(archive), handle(openZip(bytes.constData(), unsigned(bytes.size()), password)) {}
    ~Zip() { if (handle) closeZip(handle); }
    QByteArray bytes;
    ZipHandle *handle;
};

// Extracts index whole through a buffer of chunk bytes; the codes met on the way are appended.
QByteArray extract(ZipHandle *zip, int index, unsigned chunk, QVector<unsigned> *codes = nullptr)
{
    QByteArray out;
    QByteArray buffer(int(chunk), '\0');
    ZipEntry entry;
    if (getZipItem(zip, index, &entry) != ZipOk)
        return out;
    qint64 left = entry.uncompressedSize;
    for (;;) {
        const unsigned code = unzipItem(zip, index, buffer.data(), chunk);
        if (codes)
            codes->append(code);
        if (code != ZipOk && code != ZipMore)
            return QByteArray();
        const qint64 got = std::min<qint64>(left, chunk);
        out.append(buffer.constData(), int(got));
        left -= got;
        if (code == ZipOk)
            return out;
    }
}

void put(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QVERIFY(writeFile(path, bytes));
}

QByteArray utf16le(const QString &text)
{
    QByteArray bytes;
    for (QChar c : text)
        bytes.append(char(c.unicode() & 0xff)).append(char(c.unicode() >> 8));
    return bytes;
}

const char kStyle[] = R"({"style": [{"type": 1, "name": "zipFill", "clr": "ff00ff00"}]})";

} // namespace

class tst_Zip : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void findsArchive_data();
    void findsArchive();
    void emptyArchive();
    void cleansNames_data();
    void cleansNames();
    void countsEntries();
    void continuesWithMore_data();
    void continuesWithMore();
    void attributesAndTimes_data();
    void attributesAndTimes();
    void password_data();
    void password();
    void refusesBrokenArchives_data();
    void refusesBrokenArchives();
    void refusesBrokenEntries_data();
    void refusesBrokenEntries();
    void cutAtEveryLength();
    void argumentsAndLastError();
    void readsFiles();
    void themeFromArchiveMatchesFolder();
    void skinArchive();
    void loadKeepsOnlySoundEntries();
    void malformedCorpus_data();
    void malformedCorpus();
};

void tst_Zip::initTestCase()
{
    init();
}

void tst_Zip::cleanup()
{
    rm()->setArchiveEntryLimit(0);
    rm()->setResourceBudget(0);
}

void tst_Zip::findsArchive_data()
{
    QTest::addColumn<QByteArray>("prefix");
    QTest::addColumn<QByteArray>("comment");
    QTest::newRow("plain") << QByteArray() << QByteArray();
    QTest::newRow("100 bytes in front") << QByteArray(100, 'j') << QByteArray();
    QTest::newRow("signature-like junk in front") << QByteArray("PK\x05\x06PK\x03\x04", 8) << QByteArray();
    QTest::newRow("longest comment") << QByteArray(100, 'j') << QByteArray(65535, 'c');
    QTest::newRow("comment of 1024 + 3") << QByteArray() << QByteArray(1027, 'c');
}

// An archive of no entries is sound: it opens and has nothing to walk (found by the fuzz driver).
void tst_Zip::emptyArchive()
{
    Zip zip(buildZip({}));
    QVERIFY(zip.handle);
    ZipEntry entry;
    QCOMPARE(getZipItem(zip.handle, -1, &entry), unsigned(ZipOk));
    QCOMPARE(entry.index, 0);
    QCOMPARE(getZipItem(zip.handle, 0, &entry), unsigned(ZipArgs));
}

void tst_Zip::findsArchive()
{
    QFETCH(QByteArray, prefix);
    QFETCH(QByteArray, comment);
    ZipLayout layout;
    layout.prefix = prefix;
    layout.comment = comment;
    const QByteArray a = pattern(3000, 1), b = pattern(500, 2);
    ZipItem stored{"b.txt", b};
    stored.deflate = false;
    Zip zip(buildZip({{"a.txt", a}, stored}, layout));
    QVERIFY(zip.handle);
    QCOMPARE(extract(zip.handle, 0, 4096), a);
    QCOMPARE(extract(zip.handle, 1, 4096), b);
    QCOMPARE(extract(zip.handle, 0, 4096), a);   // again, after another entry
}

void tst_Zip::cleansNames_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("reported");
    QTest::newRow("climbs in the middle") << QByteArray("a/b/../../etc/passwd") << QByteArray("etc/passwd");
    QTest::newRow("backslash climb") << QByteArray("x\\..\\y.png") << QByteArray("y.png");
    QTest::newRow("mixed climb") << QByteArray("x/..\\y/../z.png") << QByteArray("z.png");
    QTest::newRow("drive and slash") << QByteArray("C:\\images\\a.png") << QByteArray("images\\a.png");
    QTest::newRow("slash then drive") << QByteArray("/C:/a.png") << QByteArray("a.png");
    QTest::newRow("leading slashes") << QByteArray("//abs/a.png") << QByteArray("abs/a.png");
    // Written as a bare "../" the climb has no separator in front; it goes too.
    QTest::newRow("leading climb") << QByteArray("../../a.png") << QByteArray("a.png");
    QTest::newRow("climb after drive") << QByteArray("D:../a.png") << QByteArray("a.png");
    QTest::newRow("trailing climb") << QByteArray("images/..") << QByteArray("images");
    QTest::newRow("only dots") << QByteArray("..") << QByteArray("");
    QTest::newRow("plain") << QByteArray("images/a..b.png") << QByteArray("images/a..b.png");
}

void tst_Zip::cleansNames()
{
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, reported);
    Zip zip(buildZip({{stored, "x"}}));
    ZipEntry entry;
    QCOMPARE(getZipItem(zip.handle, 0, &entry), unsigned(ZipOk));
    QCOMPARE(QByteArray(entry.name), reported);
}

void tst_Zip::countsEntries()
{
    QVector<ZipItem> items;
    for (int i = 0; i < 12; ++i)
        items.append({"f" + QByteArray::number(i), QByteArray::number(i)});
    items[11].name = "folder/";
    items[11].data.clear();
    Zip zip(buildZip(items));
    ZipEntry entry;
    QCOMPARE(getZipItem(zip.handle, -1, &entry), unsigned(ZipOk));
    QCOMPARE(entry.index, 12);
    QCOMPARE(getZipItem(zip.handle, 11, &entry), unsigned(ZipOk));
    QCOMPARE(entry.uncompressedSize, 0);   // a folder: nothing to extract
    QCOMPARE(unzipItem(zip.handle, 11, nullptr, 0), unsigned(ZipOk));
    QCOMPARE(getZipItem(zip.handle, 3, &entry), unsigned(ZipOk));   // backwards after a later one
    QCOMPARE(QByteArray(entry.name), QByteArray("f3"));
}

void tst_Zip::continuesWithMore_data()
{
    QTest::addColumn<bool>("deflate");
    QTest::addColumn<int>("size");
    QTest::addColumn<unsigned>("chunk");
    QTest::addColumn<int>("mores");
    QTest::newRow("deflate 10000 into 4096") << true << 10000 << 4096u << 2;
    QTest::newRow("stored 10000 into 4096") << false << 10000 << 4096u << 2;
    QTest::newRow("deflate exact fit") << true << 8192 << 4096u << 1;
    QTest::newRow("deflate bigger than the input buffer") << true << 300000 << 65536u << 4;
    QTest::newRow("deflate one byte at a time") << true << 100 << 1u << 99;
}

void tst_Zip::continuesWithMore()
{
    QFETCH(bool, deflate);
    QFETCH(int, size);
    QFETCH(unsigned, chunk);
    QFETCH(int, mores);
    ZipItem item{"big.bin", pattern(size, 7)};
    item.deflate = deflate;
    Zip zip(buildZip({item}));
    QVector<unsigned> codes;
    QCOMPARE(extract(zip.handle, 0, chunk, &codes), item.data);
    QVector<unsigned> expected(mores, ZipMore);
    expected.append(ZipOk);
    QCOMPARE(codes, expected);
}

void tst_Zip::attributesAndTimes_data()
{
    QTest::addColumn<int>("madeBy");
    QTest::addColumn<uint>("external");
    QTest::addColumn<QByteArray>("extra");
    QTest::addColumn<uint>("attr");
    QTest::addColumn<qint64>("mtime");
    QTest::addColumn<qint64>("atime");
    std::tm tm{};
    tm.tm_year = 124, tm.tm_mon = 0, tm.tm_mday = 1, tm.tm_hour = 12, tm.tm_isdst = -1;
    const qint64 dos = qint64(std::mktime(&tm));
    QByteArray ut;
    put16(ut, 0x5455), put16(ut, 9), ut.append(char(3)), put32(ut, 1000000000), put32(ut, 1200000000);
    QByteArray shortUt;   // claims three times, holds one
    put16(shortUt, 0x5455), put16(shortUt, 5), shortUt.append(char(7)), put32(shortUt, 77);
    // 0040555: read-only folder; 0x11: DOS read-only + folder bits.
    QTest::newRow("unix read-only folder") << 0x0314 << ((0040555u << 16) | 0x10) << QByteArray()
                                           << ((0040555u | 0x4000u) & ~0x80u) << dos << dos;
    QTest::newRow("dos read-only folder") << 0x0014 << 0x11u << QByteArray() << 0x4000u << dos << dos;
    QTest::newRow("UT mtime and atime") << 0x0314 << (0100644u << 16) << ut << 0100644u
                                        << qint64(1000000000) << qint64(1200000000);
    QTest::newRow("UT shorter than its flags") << 0x0314 << (0100644u << 16) << shortUt << 0100644u
                                               << qint64(77) << dos;
}

void tst_Zip::attributesAndTimes()
{
    QFETCH(int, madeBy);
    QFETCH(uint, external);
    QFETCH(QByteArray, extra);
    QFETCH(uint, attr);
    QFETCH(qint64, mtime);
    QFETCH(qint64, atime);
    ZipItem item{"a", "x"};
    item.madeBy = uint16_t(madeBy);
    item.externalAttr = external;
    item.localExtra = extra;
    Zip zip(buildZip({item}));
    ZipEntry entry;
    QCOMPARE(getZipItem(zip.handle, 0, &entry), unsigned(ZipOk));
    QCOMPARE(entry.attr, attr);
    QCOMPARE(qint64(entry.mtime), mtime);
    QCOMPARE(qint64(entry.atime), atime);
}

void tst_Zip::password_data()
{
    QTest::addColumn<bool>("deflate");
    QTest::addColumn<QByteArray>("given");
    QTest::addColumn<unsigned>("code");
    QTest::newRow("right, deflate") << true << QByteArray("s3cret") << unsigned(ZipOk);
    QTest::newRow("right, stored") << false << QByteArray("s3cret") << unsigned(ZipOk);
    QTest::newRow("wrong") << true << QByteArray("guess") << unsigned(ZipPassword);
    QTest::newRow("none") << true << QByteArray() << unsigned(ZipPassword);
}

void tst_Zip::password()
{
    QFETCH(bool, deflate);
    QFETCH(QByteArray, given);
    QFETCH(unsigned, code);
    ZipItem item{"secret.txt", pattern(20000, 3)};
    item.deflate = deflate;
    item.password = "s3cret";
    Zip zip(buildZip({item}), given.isEmpty() ? nullptr : given.constData());
    QByteArray buffer(20000, '\0');
    QCOMPARE(unzipItem(zip.handle, 0, buffer.data(), 20000), code);
    QCOMPARE(buffer == item.data, code == ZipOk);
}

void tst_Zip::refusesBrokenArchives_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QVector<ZipItem> two = {{"a.txt", pattern(4000, 1)}, {"b.txt", pattern(4000, 2)}};
    ZipLayout multi;
    multi.disk = 1;
    QTest::newRow("multi-volume marker") << buildZip(two, multi);
    ZipLayout more;
    more.countDelta = 1;
    QTest::newRow("count beyond the directory") << buildZip(two, more);
    QByteArray truncated = buildZip(two);
    // The end record keeps its sizes while the directory loses its last 10 bytes.
    const int end = truncated.size() - 22;
    truncated.remove(end - 10, 10);
    QTest::newRow("truncated central directory") << truncated;
    QByteArray overlapping = buildZip(two);
    // The second entry's local-header offset moved onto the first's data: both share bytes.
    const int secondCentral = overlapping.indexOf(QByteArray("PK\x01\x02", 4), overlapping.indexOf("PK\x01\x02") + 4);
    overlapping[secondCentral + 42] = 10;
    overlapping[secondCentral + 43] = 0;
    QTest::newRow("overlapping entries") << overlapping;
    QByteArray beyond = buildZip(two);
    beyond[beyond.size() - 22 + 16] = char(0xF0);   // directory offset past the record
    QTest::newRow("directory offset past the end") << beyond;
    QByteArray outside = buildZip(two);
    const int firstCentral = outside.indexOf("PK\x01\x02");
    outside[firstCentral + 45] = char(0x7F);        // local header far outside the archive
    QTest::newRow("local header outside") << outside;
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("no end record") << QByteArray(5000, 'P');
}

void tst_Zip::refusesBrokenArchives()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!openZip(bytes.constData(), unsigned(bytes.size()), nullptr));
    QCOMPARE(getZipLastError(), unsigned(ZipNoFile));
}

void tst_Zip::refusesBrokenEntries_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<unsigned>("itemCode");
    QTest::addColumn<unsigned>("code");
    const auto declaring = [](qint64 size, qint64 crc) {
        ZipItem item{"a.txt", pattern(1000)};
        item.declaredSize = size;
        item.declaredCrc = crc;
        return buildZip({item});
    };
    const auto patched = [](QVector<QPair<int, char>> bytes) {
        QByteArray zip = buildZip({{"a.txt", pattern(1000)}});
        for (const auto &b : bytes)
            zip[b.first] = b.second;
        return zip;
    };
    const unsigned ok = ZipOk, corrupt = ZipCorrupt;
    QTest::newRow("declares 4 GiB") << declaring(0xFFFFFFFFll, -1) << corrupt << corrupt;
    // A few hundred compressed bytes cannot make 2 GiB.
    QTest::newRow("absurd ratio") << declaring(0x7FFFFFFF, -1) << ok << corrupt;
    QTest::newRow("holds more than declared") << declaring(900, -1) << ok << corrupt;
    QTest::newRow("holds less than declared") << declaring(1100, -1) << ok << corrupt;
    QTest::newRow("CRC mismatch") << declaring(-1, 0x12345678) << ok << corrupt;
    QTest::newRow("broken deflate data") << patched({{35, char(0xFF)}, {36, char(0xFF)}, {37, char(0xFF)}}) << ok
                                         << unsigned(ZipFlate);
    QTest::newRow("bad local signature") << patched({{2, 9}}) << corrupt << corrupt;
    QTest::newRow("local name differs") << patched({{30, 'b'}}) << ok << corrupt;
    QTest::newRow("local method differs") << patched({{8, 12}}) << ok << corrupt;   // not the directory's
}

void tst_Zip::refusesBrokenEntries()
{
    QFETCH(QByteArray, bytes);
    QFETCH(unsigned, itemCode);
    QFETCH(unsigned, code);
    Zip zip(bytes);
    QVERIFY(zip.handle);
    ZipEntry entry;
    QCOMPARE(getZipItem(zip.handle, 0, &entry), itemCode);
    QByteArray buffer(2000, '\0');
    QCOMPARE(unzipItem(zip.handle, 0, buffer.data(), unsigned(buffer.size())), code);
    QCOMPARE(getZipLastError(), code);
}

void tst_Zip::cutAtEveryLength()
{
    ZipItem stored{"s.txt", pattern(300, 4)};
    stored.deflate = false;
    const QByteArray whole = buildZip({{"a.txt", pattern(700, 1)}, stored, {"c/", QByteArray()}});
    for (int length = 0; length < whole.size(); ++length) {
        // A copy of exactly length bytes, so that a read past it is a fault the sanitizers see.
        std::unique_ptr<char[]> cut(new char[size_t(std::max(length, 1))]);
        std::memcpy(cut.get(), whole.constData(), size_t(length));
        ZipHandle *zip = openZip(cut.get(), unsigned(length), nullptr);
        QVERIFY2(!zip, qPrintable(QString::number(length)));
        QCOMPARE(getZipLastError(), unsigned(ZipNoFile));
    }
    Zip zip(whole);
    QVERIFY(zip.handle);
}

void tst_Zip::argumentsAndLastError()
{
    ZipEntry entry;
    char buffer[4];
    QCOMPARE(getZipItem(nullptr, 0, &entry), unsigned(ZipArgs));
    QCOMPARE(unzipItem(nullptr, 0, buffer, 4), unsigned(ZipArgs));
    QCOMPARE(closeZip(nullptr), unsigned(ZipArgs));
    QVERIFY(!openZip(static_cast<const void *>(nullptr), 10, nullptr));
    QCOMPARE(getZipLastError(), unsigned(ZipArgs));
    Zip zip(buildZip({{"a", "x"}}));
    QCOMPARE(getZipItem(zip.handle, 1, &entry), unsigned(ZipArgs));
    QCOMPARE(getZipItem(zip.handle, -2, &entry), unsigned(ZipArgs));
    QCOMPARE(getZipItem(zip.handle, 0, nullptr), unsigned(ZipArgs));
    QCOMPARE(unzipItem(zip.handle, INT_MAX, buffer, 4), unsigned(ZipArgs));
    QCOMPARE(unzipItem(zip.handle, 0, nullptr, 4), unsigned(ZipArgs));
    QCOMPARE(getZipLastError(), unsigned(ZipArgs));
    QCOMPARE(unzipItem(zip.handle, 0, buffer, 4), unsigned(ZipOk));
    QCOMPARE(getZipLastError(), unsigned(ZipOk));
}

void tst_Zip::readsFiles()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("théme.zip"));
    ZipLayout layout;
    layout.prefix = QByteArray(100, 'j');
    const QByteArray data = pattern(50000, 9);
    put(path, buildZip({{"a.txt", data}}, layout));
    ZipHandle *zip = openZip(QFile::encodeName(path).constData(), nullptr);
    QVERIFY(zip);
    QCOMPARE(extract(zip, 0, 16384), data);
    QCOMPARE(closeZip(zip), unsigned(ZipOk));
    QVERIFY(!openZip(QFile::encodeName(dir.filePath(QStringLiteral("missing.zip"))).constData(), nullptr));
    QCOMPARE(getZipLastError(), unsigned(ZipNoFile));
    QVERIFY(!openZip(QFile::encodeName(dir.path()).constData(), nullptr));   // a folder
}

// The same theme from its folder and from an archive of that folder paints the same pixels.
void tst_Zip::themeFromArchiveMatchesFolder()
{
    QImage logo(8, 8, QImage::Format_ARGB32);
    logo.fill(Qt::blue);
    for (int i = 0; i < 8; ++i)
        logo.setPixelColor(i, i, Qt::yellow);
    QByteArray logoBytes;
    QBuffer buffer(&logoBytes);
    logo.save(&buffer, "PNG");
    const QVector<ZipItem> items = {
        {"style.json", kStyle}, {"images/logo.png", logoBytes},
        {"theme.json", R"({"elements": [{"child": [{"name": "qtpicture", "attr": {"path": "images/logo.png", "fill": 1}}]}]})"}};
    QTemporaryDir dir, out;
    for (const ZipItem &item : items)
        put(dir.filePath(QString::fromUtf8(item.name)), item.data);
    const QString archive = out.filePath(QStringLiteral("theme.zip"));
    put(archive, buildZip(items));

    auto render = []() {
        TavixQImage image;
        image.resize(32, 32);
        return rendered(image);
    };
    QVERIFY(rm()->loadThemeDir(dir.path()));
    const QImage fromFolder = render();
    QCOMPARE(fromFolder.pixelColor(30, 2), QColor(Qt::blue));
    QVERIFY(tavixLoadThemeFile(archive.toUtf8().constData()));
    QCOMPARE(rm()->getThemePath(), archive);
    QCOMPARE(render(), fromFolder);

    QVERIFY(!rm()->loadThemeFile(out.filePath(QStringLiteral("missing.zip"))));
    QVERIFY(rm()->getThemeManagerIml() && rm()->getThemeManagerIml()->files.empty());   // replaced, empty
}

void tst_Zip::skinArchive()
{
    QFile font(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf"));
    if (!font.open(QIODevice::ReadOnly))
        QSKIP("needs the DejaVu fonts");
    const QByteArray fontBytes = font.readAll();
    const QByteArray style = R"({"style": [{"type": 1, "name": "skinZipFill", "clr": "ff102030"}]})";
    const QByteArray language = utf16le(QStringLiteral("Language\tEnglish\tDeutsch\r\nzipKey\tYes\tJa\r\n"));
    const QByteArray bytes = buildZip({{"style.json", style}, {"fonts/serif.ttf", fontBytes},
                                       {"language.txt", language}});

    QVERIFY(rm()->loadSkinFile(bytes.constData(), bytes.size()));
    FillStyle fill;
    QVERIFY(rm()->getFillStyle(QStringLiteral("skinZipFill"), fill));
    QVERIFY(rm()->getDefaultManagerImpl()->fonts.contains(QStringLiteral("DejaVu Serif")));
    QVERIFY(!rm()->getLanguageList().contains(QStringLiteral("Deutsch")));   // memory form: no language

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("skin.zip"));
    put(path, bytes);
    QVERIFY(tavixLoadSkinFile(path, 1.0f));
    QCOMPARE(rm()->getFileSkinPath(), path);
    QVERIFY(rm()->setCurrentLanguage(QStringLiteral("Deutsch")));
    QCOMPARE(rm()->getString(QStringLiteral("zipKey")), QStringLiteral("Ja"));
    QVERIFY(!rm()->loadSkinFile(nullptr, 10));
    QVERIFY(!rm()->loadSkinFile(QByteArray("PK").constData(), 2));
}

// Entries over the limit, past the budget or failing their check are left out; the rest loads.
void tst_Zip::loadKeepsOnlySoundEntries()
{
    ZipItem badCrc{"images/bad.png", png(4, 4, Qt::red)};
    badCrc.declaredCrc = 1;
    ZipItem big{"images/big.bin", pattern(300000)};
    ZipItem bigger{"images/bigger.bin", pattern(600000)};
    ZipItem climbing{"../../images/up.png", png(4, 4, Qt::green)};
    const QByteArray bytes = buildZip({{"style.json", kStyle}, badCrc, big, bigger, climbing,
                                       {"images/ok.png", png(4, 4, Qt::blue)}, {"IMAGES/OK.PNG", "second"}});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.zip"));
    put(path, bytes);
    rm()->setArchiveEntryLimit(500000);
    rm()->setResourceBudget(400000);
    QVERIFY(rm()->loadThemeFile(path));
    const TavixQResourceManagerImpl *set = rm()->getThemeManagerIml();
    QVERIFY(!set->findFile("images/bad.png"));
    QVERIFY(set->findFile("images/big.bin"));
    QVERIFY(!set->findFile("images/bigger.bin"));   // over the entry limit
    QVERIFY(set->findFile("images/up.png"));        // landed inside the root
    const ResourceFile *ok = set->findFile("images/ok.png");
    QVERIFY(ok && QByteArray(ok->data, int(ok->size)) == png(4, 4, Qt::blue));   // the first of a name wins
    QVERIFY(set->bytesTaken <= 400000);

    rm()->setResourceBudget(200000);   // big.bin no longer fits; the small ones still do
    QVERIFY(rm()->loadThemeFile(path));
    set = rm()->getThemeManagerIml();
    QVERIFY(!set->findFile("images/big.bin") && set->findFile("images/ok.png"));
}

void tst_Zip::malformedCorpus_data()
{
    QTest::addColumn<QString>("path");
    const QString root = QFINDTESTDATA("data/malformed");
    QVERIFY(!root.isEmpty());
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    int count = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        QTest::newRow(qPrintable(QDir(root).relativeFilePath(path))) << path;
        ++count;
    }
    QVERIFY(count >= 80);
}

// Each input of the generated corpus fails the way its folder says, and nothing else happens.
void tst_Zip::malformedCorpus()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QString kind = QFileInfo(path).dir().dirName();
    if (kind == QLatin1String("zip-open")) {
        QVERIFY(!openZip(bytes.constData(), unsigned(bytes.size()), nullptr));
        QVERIFY(!openZip(QFile::encodeName(path).constData(), nullptr));
    } else if (kind == QLatin1String("zip-entry")) {
        // Opens, yet no entry with data extracts as good.
        Zip zip(bytes);
        QVERIFY(zip.handle);
        ZipEntry count;
        QCOMPARE(getZipItem(zip.handle, -1, &count), unsigned(ZipOk));
        for (int i = 0; i < count.index; ++i) {
            ZipEntry entry;
            if (getZipItem(zip.handle, i, &entry) != ZipOk)
                continue;
            QByteArray buffer(int(std::min(entry.uncompressedSize, 1 << 20)), '\0');
            const unsigned code = unzipItem(zip.handle, i, buffer.data(), unsigned(buffer.size()));
            QVERIFY2(code != ZipOk || entry.uncompressedSize == 0, qPrintable(QString::number(i)));
        }
    } else if (kind == QLatin1String("style")) {
        QTemporaryDir dir;
        put(dir.filePath(QStringLiteral("style.json")), bytes);
        QVERIFY(!rm()->loadThemeDir(dir.path()));
    } else if (kind == QLatin1String("language")) {
        QVERIFY(!rm()->readLanguage(bytes));
    } else if (kind == QLatin1String("image")) {
        QTemporaryDir dir;
        put(dir.filePath(QStringLiteral("style.json")), kStyle);
        const QString name = QStringLiteral("images/") + QFileInfo(path).fileName();
        put(dir.filePath(name), bytes);
        QVERIFY(rm()->loadThemeDir(dir.path()));
        QVERIFY(!rm()->getImage(name));
    } else if (kind == QLatin1String("theme")) {
        // A theme archive with a broken style document loads nothing usable.
        QVERIFY(!rm()->loadSkinFile(bytes.constData(), bytes.size()));
    } else {
        QFAIL(qPrintable(QStringLiteral("unknown corpus folder ") + kind));
    }
}

QTEST_MAIN(tst_Zip)
#include "tst_zip.moc"
