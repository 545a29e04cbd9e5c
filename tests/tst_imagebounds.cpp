// Images declaring sizes beyond the limits are refused before decoding; the rest of a theme loads.

#include "TavixTestSupport.h"
#include "TavixZipBuilder.h"
#include "controls/TavixQImage.h"
#include "controls/TavixQImageImpl.h"
#include "core/TavixLibrary.h"
#include "resources/TavixPainting.h"
#include "resources/TavixQResourceManager.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>

using namespace TavixQtLib;
using namespace tavixtest;

namespace {

TavixQResourceManager *rm()
{
    return TavixQResourceManager::getInstance();
}

QByteArray be32(quint32 v)
{
    QByteArray out;
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(char((v >> shift) & 0xFF));
    return out;
}

QByteArray pngChunk(const QByteArray &kind, const QByteArray &body)
{
    return be32(quint32(body.size())) + kind + body + be32(crcOf(kind + body));
}

// A real PNG header of any size followed by a little compressed data: a few hundred bytes that a
// decoder trusting the header would turn into width x height x 4 bytes.
QByteArray pngDeclaring(quint32 width, quint32 height)
{
    QByteArray ihdr = be32(width) + be32(height);
    ihdr.append(char(8)).append(char(6)).append(char(0)).append(char(0)).append(char(0));
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", ihdr)
           + pngChunk("IDAT", qCompress(QByteArray(100000, '\0')).mid(4)) + pngChunk("IEND", QByteArray());
}

QByteArray gifDeclaring(quint16 width, quint16 height)
{
    QByteArray out("GIF89a");
    put16(out, width), put16(out, height);
    out.append(char(0x80)).append(char(0)).append(char(0));
    out.append(QByteArray("\0\0\0\xff\xff\xff", 6));
    out.append(char(0x2c));
    put16(out, 0), put16(out, 0), put16(out, width), put16(out, height);
    out.append(char(0));
    out.append(QByteArray("\x02\x02\x44\x01\x00\x3b", 6));
    return out;
}

QByteArray svgDeclaring(int width, int height)
{
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" viewBox=\"0 0 10 10\">"
                          "<rect width=\"10\" height=\"10\" fill=\"#ff0000\"/></svg>")
        .arg(width)
        .arg(height)
        .toUtf8();
}

QByteArray png(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    image.save(&buffer, "PNG");
    return bytes;
}

void put(const QString &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir + QLatin1Char('/') + name;
    QDir().mkpath(QFileInfo(path).path());
    QVERIFY(writeFile(path, bytes));
}

qint64 peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

const char kStyle[] = R"({"style": [{"type": 1, "name": "boundsFill", "clr": "ff00ff00"}]})";

} // namespace

class tst_ImageBounds : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void bombsRefusedRestLoads_data();
    void bombsRefusedRestLoads();
    void svgNaturalSizeClamped();
    void limitsSettable_data();
    void limitsSettable();
};

void tst_ImageBounds::initTestCase()
{
    init();
}

void tst_ImageBounds::cleanup()
{
    rm()->setImageLimits(0, 0);
}

void tst_ImageBounds::bombsRefusedRestLoads_data()
{
    QTest::addColumn<bool>("archive");
    QTest::newRow("folder") << false;
    QTest::newRow("archive") << true;
}

void tst_ImageBounds::bombsRefusedRestLoads()
{
    QFETCH(bool, archive);
    QTemporaryDir dir;
    const QVector<ZipItem> items = {{"style.json", kStyle},
                                    {"theme.json", R"({"elements": [{"child": [{"name": "qtpicture", "attr": {"path": "images/bomb.png", "fill": 1}}]}]})"},
                                    {"images/bomb.png", pngDeclaring(30000, 30000)},
                                    {"images/wide.png", pngDeclaring(20000, 4)},
                                    {"images/bomb.gif", gifDeclaring(60000, 60000)},
                                    {"images/bomb.svg", svgDeclaring(60000, 60000)},
                                    {"images/good.png", png(6, 6)}};
    for (const ZipItem &item : items)
        QVERIFY(item.data.size() < 2000);   // small files, all of them
    const qint64 before = peakKiB();
    if (archive) {
        const QString path = dir.filePath(QStringLiteral("bombs.zip"));
        put(dir.path(), QStringLiteral("bombs.zip"), buildZip(items));
        QVERIFY(rm()->loadThemeFile(path));
    } else {
        for (const ZipItem &item : items)
            put(dir.path(), QString::fromUtf8(item.name), item.data);
        QVERIFY(rm()->loadThemeDir(dir.path()));
    }
    FillStyle fill;
    rm()->setSwitchToThemeRes(true);
    QVERIFY(rm()->getFillStyle(QStringLiteral("boundsFill"), fill));
    rm()->setSwitchToThemeRes(false);
    QVERIFY(rm()->getThemeJsonValue("qtpicture"));
    for (const char *name : {"images/bomb.png", "images/wide.png", "images/bomb.gif", "images/bomb.svg"}) {
        QVERIFY2(!rm()->getImage(QString::fromLatin1(name)), name);
        QVERIFY2(!rm()->getImage(QString::fromLatin1(name), true), name);
    }
    const QImage *good = rm()->getImage(QStringLiteral("images/good.png"));
    QVERIFY(good && good->size() == QSize(6, 6));

    // The picture bound to the bomb draws nothing; the animation never starts.
    TavixQImage picture;
    picture.resize(20, 20);
    QCOMPARE(rendered(picture).pixelColor(10, 10), QColor(Qt::cyan));
    picture.loadGif(QStringLiteral("images/bomb.gif"));
    QVERIFY(!picture.getImpl()->movie);
    // Decoding any of them would have taken gigabytes.
    QVERIFY2(peakKiB() - before < 200 * 1024, qPrintable(QString::number(peakKiB() - before)));
}

void tst_ImageBounds::svgNaturalSizeClamped()
{
    QTemporaryDir dir;
    put(dir.path(), QStringLiteral("style.json"), kStyle);
    put(dir.path(), QStringLiteral("images/tall.svg"), svgDeclaring(1000, 400000));
    put(dir.path(), QStringLiteral("images/small.svg"), svgDeclaring(30, 20));
    QVERIFY(rm()->loadThemeDir(dir.path()));
    QSvgRenderer *renderer = rm()->getSvgRenderer(QStringLiteral("images/tall.svg"));
    QVERIFY(renderer && renderer->defaultSize() == QSize(1000, 400000));
    const QSize clamped = tavixImageSize(QStringLiteral("images/tall.svg"), false);
    QVERIFY(clamped.height() <= 16384 && clamped.width() >= 1);
    QCOMPARE(clamped.height() / 400, clamped.width() / 1);   // aspect kept (integer rounding aside)
    QCOMPARE(tavixImageSize(QStringLiteral("images/small.svg"), false), QSize(30, 20));

    // Drawn at its widget's size, the clamped picture still paints.
    TavixQImage picture;
    picture.setSvgPath(QStringLiteral("images/tall.svg"));
    picture.resize(30, 30);
    QCOMPARE(rendered(picture).pixelColor(0, 0), QColor(Qt::red));
}

void tst_ImageBounds::limitsSettable_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("loads");
    QTest::newRow("default, 100 x 100") << 0 << qint64(0) << QSize(100, 100) << true;
    QTest::newRow("side 99") << 99 << qint64(0) << QSize(100, 100) << false;
    QTest::newRow("side 100") << 100 << qint64(0) << QSize(100, 100) << true;
    QTest::newRow("bytes one short") << 0 << qint64(100 * 100 * 4 - 1) << QSize(100, 100) << false;
    QTest::newRow("bytes exact") << 0 << qint64(100 * 100 * 4) << QSize(100, 100) << true;
    QTest::newRow("negative restores default") << -5 << qint64(-5) << QSize(300, 2) << true;
}

void tst_ImageBounds::limitsSettable()
{
    QFETCH(int, side);
    QFETCH(qint64, bytes);
    QFETCH(QSize, size);
    QFETCH(bool, loads);
    QTemporaryDir dir;
    put(dir.path(), QStringLiteral("style.json"), kStyle);
    put(dir.path(), QStringLiteral("images/p.png"), png(size.width(), size.height()));
    QVERIFY(rm()->loadThemeDir(dir.path()));
    rm()->setImageLimits(side, bytes);
    QCOMPARE(rm()->getImage(QStringLiteral("images/p.png")) != nullptr, loads);
}

QTEST_MAIN(tst_ImageBounds)
#include "tst_imagebounds.moc"
