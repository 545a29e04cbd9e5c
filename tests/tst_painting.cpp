#include "TavixTestSupport.h"
#include "resources/TavixPainting.h"
#include "resources/TavixQResourceManager.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>

using namespace TavixQtLib;

namespace {

const QColor kSentinel(0, 255, 255);

// What draw paints on a w x h image filled with background.
template <typename Draw>
QImage painted(int w, int h, const QColor &background, Draw draw)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(background);
    {
        QPainter p(&img);
        draw(p);
    }
    return img;
}

using tavixtest::near;

// Bounding box of the pixels that differ from the background, and how many separate bands of rows hold them.
QRect inkBounds(const QImage &img, const QColor &background, int *lines = nullptr)
{
    QRect box;
    bool previousRowInked = false;
    for (int y = 0; y < img.height(); ++y) {
        bool inked = false;
        for (int x = 0; x < img.width(); ++x) {
            if (img.pixelColor(x, y) != background) {
                box |= QRect(x, y, 1, 1);
                inked = true;
            }
        }
        if (lines && inked && !previousRowInked)
            ++*lines;
        previousRowInked = inked;
    }
    return box;
}

FillStyle colourStyle(int borderSize, const QString &sides = QStringLiteral("bltr"))
{
    FillStyle s;
    s.color = Qt::red;
    s.borderColor = Qt::blue;
    s.borderSize = borderSize;
    s.border = borderSize > 0;
    s.bottomBorder = sides.contains('b');
    s.topBorder = sides.contains('t');
    s.leftBorder = sides.contains('l');
    s.rightBorder = sides.contains('r');
    return s;
}

TextStyleDesc textStyle(int hor, int ver, int x = 0, int elideMode = 1)
{
    TextStyleDesc s;
    s.elideMode = elideMode;
    s.family = QStringLiteral("DejaVu Sans");
    s.size = 16;
    s.color = Qt::black;
    s.hor = hor;
    s.ver = ver;
    s.x = x;
    return s;
}

// 30 x 30 nine-slice source, one colour per 10 x 10 region; the centre is navy with a magenta
// top-left quadrant, so stretching and tiling look different.
const QColor kRegion[3][3] = {{Qt::red, Qt::green, Qt::blue},
                              {Qt::yellow, QColor(1, 2, 3), QColor(0, 128, 0)},
                              {Qt::gray, Qt::white, Qt::black}};
const QColor kCentreMark(255, 0, 255);
const QColor kCentreBase(0, 0, 128);

FillStyle nineSliceStyle(const QString &path, int margin, bool repeat = false)
{
    FillStyle s;
    s.drawColor = false;
    s.img = path;
    s.marginLeft = s.marginRight = s.marginTop = s.marginBottom = margin;
    s.repeatCenter = repeat;
    return s;
}

// A pattern with no two neighbours alike, so a tile shifted by one pixel shows.
QImage patternImage(int w, int h, bool translucent)
{
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixelColor(x, y, QColor((x * 37 + y * 5) % 256, (y * 59 + x * 3) % 256, (x * y * 13) % 256,
                                             translucent ? 64 + (x * 11 + y * 7) % 192 : 255));
    return image;
}

struct Probe
{
    QPoint at;
    QColor colour;
};

} // namespace

Q_DECLARE_METATYPE(TavixQtLib::FillStyle)
Q_DECLARE_METATYPE(TavixQtLib::TextStyleDesc)
Q_DECLARE_METATYPE(QVector<Probe>)
Q_DECLARE_METATYPE(QMargins)

class tst_Painting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void border_data();
    void border();
    void drawsNothingOrOnlyWhatShows_data();
    void drawsNothingOrOnlyWhatShows();
    void rounded();
    void nineSlice_data();
    void nineSlice();
    void tiledCentreMatchesTiles_data();
    void tiledCentreMatchesTiles();
    void zoomedOutTiling_data();
    void zoomedOutTiling();
    void text_data();
    void text();
    void cachedTextMatchesPlain_data();
    void cachedTextMatchesPlain();
    void cachedTextFollowsChanges();
    void svgIconTintAndGray();
    void isSvgPath_data();
    void isSvgPath();
    void scaleSize_data();
    void scaleSize();

private:
    QTemporaryDir m_dir;
    QString m_nineSlice;
    QString m_pattern, m_translucent, m_dot;
};

void tst_Painting::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TavixQResourceManager::getInstance()->setGlobalFontFamily(QString());
    QImage nine(30, 30, QImage::Format_ARGB32);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x)
            nine.setPixelColor(x, y, (x / 10 == 1 && y / 10 == 1) ? (x < 15 && y < 15 ? kCentreMark : kCentreBase)
                                                                  : kRegion[y / 10][x / 10]);
    m_nineSlice = m_dir.filePath(QStringLiteral("nine.png"));
    QVERIFY(nine.save(m_nineSlice));
    m_pattern = m_dir.filePath(QStringLiteral("pattern.png"));
    m_translucent = m_dir.filePath(QStringLiteral("translucent.png"));
    m_dot = m_dir.filePath(QStringLiteral("dot.png"));
    QVERIFY(patternImage(13, 11, false).save(m_pattern) && patternImage(13, 11, true).save(m_translucent));
    QImage dot(1, 1, QImage::Format_ARGB32);
    dot.fill(Qt::red);
    QVERIFY(dot.save(m_dot));
}

void tst_Painting::border_data()
{
    // Which sides carry the border, and how thick; it always fills the rectangle's outermost pixels.
    QTest::addColumn<QString>("sides");
    QTest::addColumn<int>("width");
    QTest::newRow("all") << "bltr" << 1;
    QTest::newRow("bottom") << "b" << 1;
    QTest::newRow("all, width 3") << "bltr" << 3;
}

void tst_Painting::border()
{
    QFETCH(QString, sides);
    QFETCH(int, width);
    const QImage img = painted(30, 20, kSentinel, [&](QPainter &p) {
        tavixDrawFillStyle(&p, colourStyle(width, sides), 2, 3, 20, 10);
    });
    // Rectangle (2, 3, 20, 10): each side's outermost and innermost border pixel at its middle, and
    // its outermost pixel near both ends, clear of the sides that meet it.
    const int b = width;
    const QMap<QChar, QVector<QPoint>> probes = {
        {'b', {QPoint(12, 12), QPoint(12, 13 - b), QPoint(2 + b, 12), QPoint(21 - b, 12)}},
        {'t', {QPoint(12, 3), QPoint(12, 2 + b), QPoint(2 + b, 3), QPoint(21 - b, 3)}},
        {'l', {QPoint(2, 8), QPoint(1 + b, 8), QPoint(2, 3 + b), QPoint(2, 12 - b)}},
        {'r', {QPoint(21, 8), QPoint(22 - b, 8), QPoint(21, 3 + b), QPoint(21, 12 - b)}}};
    for (auto it = probes.cbegin(); it != probes.cend(); ++it)
        for (const QPoint &pt : it.value())
            QCOMPARE(img.pixelColor(pt), QColor(sides.contains(it.key()) ? Qt::blue : Qt::red));
    QCOMPARE(img.pixelColor(12, 8), QColor(Qt::red));
    QCOMPARE(inkBounds(img, kSentinel), QRect(2, 3, 20, 10));
}

void tst_Painting::drawsNothingOrOnlyWhatShows_data()
{
    // Styles and sizes from corrupt documents must neither draw outside nor stall a repaint.
    QTest::addColumn<FillStyle>("style");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<bool>("inked");   // on the 40 x 40 canvas
    FillStyle invalid = colourStyle(1);
    invalid.valid = false;
    const FillStyle tiled = nineSliceStyle(m_nineSlice, 10, true);
    QTest::newRow("not valid") << invalid << QRect(0, 0, 20, 10) << false;
    QTest::newRow("negative height") << colourStyle(1) << QRect(5, 5, 10, -4) << false;
    QTest::newRow("edge of int range") << tiled << QRect(INT_MAX - 50, INT_MAX - 50, 50, 50) << false;
    QTest::newRow("huge tiled centre") << tiled << QRect(-1000000, -1000000, INT_MAX / 2, INT_MAX / 2) << true;
    QTest::newRow("INT_MAX margins") << nineSliceStyle(m_nineSlice, INT_MAX, true) << QRect(0, 0, 40, 40) << false;
}

void tst_Painting::drawsNothingOrOnlyWhatShows()
{
    QFETCH(FillStyle, style);
    QFETCH(QRect, rect);
    QFETCH(bool, inked);
    const QImage img = painted(40, 40, kSentinel, [&](QPainter &p) { tavixDrawFillStyle(&p, style, rect); });
    QCOMPARE(!inkBounds(img, kSentinel).isNull(), inked);
    tavixDrawFillStyle(nullptr, style, rect);
}

void tst_Painting::rounded()
{
    const auto render = [](int round, const QString &sides) {
        FillStyle s = colourStyle(sides.isEmpty() ? 0 : 1, sides);
        s.round = round;
        return painted(60, 40, kSentinel, [&](QPainter &p) { tavixDrawFillStyle(&p, s, 10, 10, 40, 20); });
    };
    // Round 100 on 40 x 20 uses radius 10.
    const QImage clamped = render(100, QString());
    QCOMPARE(clamped, render(10, QString()));
    QCOMPARE(clamped.pixelColor(10, 10), kSentinel);       // outside the arc
    QCOMPARE(clamped.pixelColor(30, 10), QColor(Qt::red)); // the straight top side
    QCOMPARE(clamped.pixelColor(11, 20), QColor(Qt::red)); // the arcs meet mid-height

    // A lone side of an over-rounded rectangle stops at the arcs instead of running outside.
    const QImage bottom = render(100, QStringLiteral("b"));
    QCOMPARE(inkBounds(bottom, kSentinel), QRect(10, 10, 40, 20));
    QVERIFY(near(bottom.pixelColor(30, 29), Qt::blue));
    QVERIFY(!near(bottom.pixelColor(11, 29), Qt::blue));
}

void tst_Painting::nineSlice_data()
{
    // The 30 x 30 source with margins 10. Into (5, 5, 100, 40) the centre target is (15, 15, 80, 20),
    // from the 10 x 10 source whose top-left 5 x 5 quadrant is the mark.
    QTest::addColumn<bool>("repeat");
    QTest::addColumn<bool>("recorded");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QVector<Probe>>("probes");
    // Corners unscaled, edges stretched along their length, nothing outside.
    const QVector<Probe> frame = {
        {{5, 5}, kRegion[0][0]},   {{14, 14}, kRegion[0][0]}, {{94, 14}, kRegion[0][1]}, {{95, 5}, kRegion[0][2]},
        {{14, 34}, kRegion[1][0]}, {{95, 15}, kRegion[1][2]}, {{20, 35}, kRegion[2][1]}, {{104, 44}, kRegion[2][2]},
        {{15, 15}, kCentreMark},   {{4, 4}, kSentinel},       {{105, 45}, kSentinel}};
    const QRect target(5, 5, 100, 40);
    const QVector<Probe> tiled = frame + QVector<Probe>{{{45, 25}, kCentreMark}, {{22, 15}, kCentreBase}};
    QTest::newRow("stretched") << false << false << target
                               << frame + QVector<Probe>{{{45, 19}, kCentreMark}, {{60, 25}, kCentreBase}};
    QTest::newRow("tiled 8 x 2") << true << false << target << tiled;
    // A picture's extent is only what has been recorded so far, not a bound on the visible tiles.
    QTest::newRow("tiled into a picture") << true << true << target << tiled;
    // Narrower than both margins: the right edge only shows in the band from the left edge's last column.
    QTest::newRow("15 wide") << false << false << QRect(0, 0, 15, 40)
                             << QVector<Probe>{{{6, 20}, kRegion[1][0]}, {{12, 20}, kRegion[1][2]},
                                               {{14, 20}, kRegion[1][2]}, {{15, 20}, kSentinel}};
}

void tst_Painting::nineSlice()
{
    QFETCH(bool, repeat);
    QFETCH(bool, recorded);
    QFETCH(QRect, rect);
    QFETCH(QVector<Probe>, probes);
    const FillStyle s = nineSliceStyle(m_nineSlice, 10, repeat);
    const QImage img = painted(110, 50, kSentinel, [&](QPainter &p) {
        if (!recorded)
            return tavixDrawFillStyle(&p, s, rect);
        QPicture picture;
        QPainter recorder(&picture);
        recorder.translate(45, 45);
        tavixDrawFillStyle(&recorder, s, rect);
        recorder.end();
        p.drawPicture(-45, -45, picture);
    });
    for (const Probe &probe : probes)
        QCOMPARE(img.pixelColor(probe.at), probe.colour);
}

void tst_Painting::tiledCentreMatchesTiles_data()
{
    // Margins left, top, right, bottom of a 13 x 11 pattern leave a 6 x 8 centre that divides no target.
    QTest::addColumn<QString>("path");
    QTest::addColumn<QMargins>("margins");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QPoint>("offset");   // painter translation
    const QMargins margins(3, 2, 4, 1);
    const QRect rect(5, 4, 61, 47);
    QTest::newRow("opaque") << m_pattern << margins << rect << QPoint();
    QTest::newRow("translucent") << m_translucent << margins << rect << QPoint();
    QTest::newRow("whole image, no margins") << m_translucent << QMargins() << rect << QPoint();
    QTest::newRow("tile larger than the target") << m_translucent << QMargins(1, 1, 0, 0) << QRect(5, 4, 9, 7)
                                                 << QPoint();
    QTest::newRow("1 x 1") << m_dot << QMargins() << QRect(3, 3, 50, 40) << QPoint();
    QTest::newRow("translated painter") << m_pattern << margins << rect << QPoint(-7, 9);
    QTest::newRow("starts off the canvas") << m_translucent << margins << QRect(-20, -15, 70, 60) << QPoint();
}

void tst_Painting::tiledCentreMatchesTiles()
{
    QFETCH(QString, path);
    QFETCH(QMargins, margins);
    QFETCH(QRect, rect);
    QFETCH(QPoint, offset);
    FillStyle style = nineSliceStyle(path, 0, true);
    style.marginLeft = margins.left();
    style.marginTop = margins.top();
    style.marginRight = margins.right();
    style.marginBottom = margins.bottom();
    const QImage actual = painted(80, 70, kSentinel, [&](QPainter &p) {
        p.translate(offset);
        tavixDrawFillStyle(&p, style, rect);
    });

    // The stretched fill for the frame, then the centre cleared and tiled one drawImage per tile.
    const QImage source(path);
    const QRect centre = rect.marginsRemoved(margins);
    const QRect piece = source.rect().marginsRemoved(margins);
    FillStyle stretched = style;
    stretched.repeatCenter = false;
    const QImage expected = painted(80, 70, kSentinel, [&](QPainter &p) {
        p.translate(offset);
        tavixDrawFillStyle(&p, stretched, rect);
        p.setClipRect(centre);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.fillRect(centre, kSentinel);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        for (int y = centre.top(); y <= centre.bottom(); y += piece.height())
            for (int x = centre.left(); x <= centre.right(); x += piece.width())
                p.drawImage(QPoint(x, y), source, piece);
    });
    QCOMPARE(actual, expected);
}

void tst_Painting::zoomedOutTiling_data()
{
    QTest::addColumn<bool>("recorded");
    QTest::newRow("on an image") << false;
    QTest::newRow("through a picture") << true;
}

void tst_Painting::zoomedOutTiling()
{
    // A 1 x 1 tile over 1 000 000 x 1 000 000 seen at 1 %: the work follows the 100 x 100 device pixels
    // (before, ten thousand million tiles).
    QFETCH(bool, recorded);
    const FillStyle style = nineSliceStyle(m_dot, 0, true);
    const QImage img = painted(100, 100, kSentinel, [&](QPainter &p) {
        if (!recorded) {
            p.scale(0.01, 0.01);
            return tavixDrawFillStyle(&p, style, 0, 0, 1000000, 1000000);
        }
        QPicture picture;
        QPainter recorder(&picture);
        recorder.scale(0.01, 0.01);
        tavixDrawFillStyle(&recorder, style, 0, 0, 1000000, 1000000);
        recorder.end();
        p.drawPicture(0, 0, picture);
    });
    for (const QPoint &at : {QPoint(0, 0), QPoint(50, 50), QPoint(99, 99)})
        QCOMPARE(img.pixelColor(at), QColor(Qt::red));
}

void tst_Painting::text_data()
{
    // Where the ink must stay, what it must reach, and whether it runs onto several lines.
    QTest::addColumn<QString>("text");
    QTest::addColumn<TextStyleDesc>("style");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QRect>("inside");
    QTest::addColumn<QRect>("reaches");
    QTest::addColumn<bool>("wraps");
    const QString caption = QStringLiteral("a long caption that cannot fit into the narrow label area");
    const QRect line(5, 0, 120, 30), box(0, 0, 100, 80);
    TextStyleDesc vertical = textStyle(1, 1);
    vertical.isHor = false;
    // The offset moves only the text area's left side, so right-aligned text still ends at x + w.
    QTest::newRow("right, x 10") << "Hello" << textStyle(2, 1, 10) << line << line << QRect(121, 13, 1, 5) << false;
    QTest::newRow("elided within w - 2") << caption << textStyle(0, 0, 0, 1) << box << QRect(0, 0, 98, 80)
                                         << QRect(2, 8, 49, 1) << false;
    QTest::newRow("wrapped") << caption << textStyle(0, 0, 0, 3) << box << box << QRect(2, 8, 49, 1) << true;
    QTest::newRow("vertical") << "Vertical" << vertical << QRect(10, 5, 30, 150) << QRect(10, 5, 30, 150)
                              << QRect(25, 55, 1, 50) << false;
}

void tst_Painting::text()
{
    QFETCH(QString, text);
    QFETCH(TextStyleDesc, style);
    QFETCH(QRect, rect);
    QFETCH(QRect, inside);
    QFETCH(QRect, reaches);
    QFETCH(bool, wraps);
    const QImage img = painted(150, 170, Qt::white, [&](QPainter &p) {
        tavixDrawTextStyle(&p, text, style, rect);
        // Sizes that cannot or should not back a scratch image draw nothing.
        for (const QRect &bad : {QRect(0, 0, INT_MAX, INT_MAX), QRect(0, 0, 100000, 100000), QRect(0, 0, -10, 20)})
            tavixDrawTextStyle(&p, text, style, style.isHor ? QRect() : bad);
    });
    tavixDrawTextStyle(nullptr, text, style, rect);
    int lines = 0;
    const QRect ink = inkBounds(img, Qt::white, &lines);
    QVERIFY2(inside.contains(ink) && ink.contains(reaches),
             qPrintable(QStringLiteral("ink %1,%2 %3x%4").arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())));
    if (style.isHor)   // turned letters leave blank rows between them
        QCOMPARE(lines > 1, wraps);
}

void tst_Painting::cachedTextMatchesPlain_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<TextStyleDesc>("style");
    QTest::addColumn<QRect>("rect");
    const QString caption = QStringLiteral("a long caption that cannot fit into the narrow label area");
    const QRect box(3, 2, 100, 80), line(5, 4, 120, 30);
    TextStyleDesc underlined = textStyle(1, 1);
    underlined.underline = true;
    underlined.bold = true;
    TextStyleDesc offset = textStyle(2, 2, 7);
    offset.y = -5;
    for (int hor = 0; hor < 3; ++hor)
        for (int ver = 0; ver < 3; ++ver) {
            QTest::addRow("elided %d %d", hor, ver) << caption << textStyle(hor, ver) << box;
            QTest::addRow("wrapped %d %d", hor, ver) << caption << textStyle(hor, ver, 0, 3) << box;
        }
    QTest::newRow("two lines") << QStringLiteral("first\nsecond\rthird") << textStyle(1, 1) << line;
    QTest::newRow("tab, trailing spaces") << QStringLiteral("a\tb   ") << textStyle(2, 1) << line;
    QTest::newRow("right to left") << QStringLiteral("\u05e9\u05dc\u05d5\u05dd \u05e2\u05d5\u05dc\u05dd ")
                                   << textStyle(2, 1, 0, 3) << box;
    QTest::newRow("underlined bold") << QStringLiteral("Underlined") << underlined << line;
    QTest::newRow("offsets past the rect") << QStringLiteral("Offset") << offset << line;
    QTest::newRow("taller than the rect") << caption << textStyle(1, 1, 0, 3) << QRect(0, 0, 60, 25);
    QTest::newRow("empty rect") << QStringLiteral("x") << textStyle(0, 0) << QRect(4, 4, 0, 10);
}

// The cache lays captions out as drawText does; its first paint and the later ones from the cache give
// drawText's pixels.
void tst_Painting::cachedTextMatchesPlain()
{
    QFETCH(QString, text);
    QFETCH(TextStyleDesc, style);
    QFETCH(QRect, rect);
    const QImage plain = painted(140, 100, Qt::white, [&](QPainter &p) { tavixDrawTextStyle(&p, text, style, rect); });
    QVERIFY(plain != painted(140, 100, Qt::white, [](QPainter &) {}) || rect.isEmpty());
    TavixTextLayoutCache cache;
    for (int round = 0; round < 2; ++round) {
        const QImage cached = painted(140, 100, Qt::white, [&](QPainter &p) {
            tavixDrawTextStyle(&p, text, style, rect, &cache);
        });
        QCOMPARE(cached, plain);
    }
    QVERIFY(cache.size() <= 1);
}

void tst_Painting::cachedTextFollowsChanges()
{
    TavixTextLayoutCache cache;
    TextStyleDesc style = textStyle(1, 1);
    const auto check = [&](const QString &text, const QRect &rect) {
        const QImage cached = painted(140, 60, Qt::white, [&](QPainter &p) {
            tavixDrawTextStyle(&p, text, style, rect, &cache);
        });
        return cached == painted(140, 60, Qt::white, [&](QPainter &p) { tavixDrawTextStyle(&p, text, style, rect); });
    };
    QVERIFY(check(QStringLiteral("Caption"), QRect(0, 0, 120, 30)));
    QVERIFY(check(QStringLiteral("Caption"), QRect(10, 20, 120, 30)));     // moved: same layout
    QCOMPARE(cache.size(), 1);
    QVERIFY(check(QStringLiteral("Caption"), QRect(0, 0, 50, 30)));        // narrower: elided again
    QVERIFY(check(QStringLiteral("Other text"), QRect(0, 0, 120, 30)));
    style.color = Qt::red;                                                  // colour: same layout, new ink
    QVERIFY(check(QStringLiteral("Other text"), QRect(0, 0, 120, 30)));
    style.size = 22;
    QVERIFY(check(QStringLiteral("Other text"), QRect(0, 0, 120, 30)));
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    const QString family = manager->getGlobalFontFamily();
    manager->setGlobalFontFamily(QStringLiteral("DejaVu Serif"));
    const bool afterFamily = check(QStringLiteral("Other text"), QRect(0, 0, 120, 30));
    manager->setGlobalFontFamily(family);
    QVERIFY(afterFamily);
    // A few captions at most, whatever was drawn.
    for (int i = 0; i < 20; ++i)
        QVERIFY(check(QString::number(i), QRect(0, 0, 120, 30)));
    QVERIFY(cache.size() <= 8);
    cache.clear();
    QCOMPARE(cache.size(), 0);
}

void tst_Painting::svgIconTintAndGray()
{
    // Top-left quadrant opaque green, top-right green at 50 % opacity, bottom half empty.
    const QString path = m_dir.filePath(QStringLiteral("tint.svg"));
    QVERIFY(tavixtest::writeFile(path,
        "<svg xmlns='http://www.w3.org/2000/svg' width='20' height='20'>"
        "<rect x='0' y='0' width='10' height='10' fill='#00ff00'/>"
        "<rect x='10' y='0' width='10' height='10' fill='#00ff00' fill-opacity='0.5'/></svg>"));
    IconStyleDesc icon;
    icon.useColor = true;
    icon.color = QColor(0xFF, 0, 0);
    const auto draw = [&](bool gray) {
        return painted(40, 40, Qt::transparent, [&](QPainter &p) {
            tavixDrawIconImage(&p, path, icon, QRect(0, 0, 40, 40), gray);
        });
    };
    // 20 x 20 centred: the icon spans (10, 10) to (29, 29).
    QImage img = draw(false);
    QVERIFY(near(img.pixelColor(14, 14), QColor(255, 0, 0, 255)));
    QVERIFY(near(img.pixelColor(25, 14), QColor(255, 0, 0, 128)));
    QCOMPARE(inkBounds(img, Qt::transparent), QRect(10, 10, 20, 10));

    icon.useColor = false;
    img = draw(true);
    const QColor gray = img.pixelColor(14, 14);
    QVERIFY(gray.alpha() > 0 && qAbs(gray.red() - gray.green()) <= 2 && qAbs(gray.green() - gray.blue()) <= 2);
}

void tst_Painting::isSvgPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("svg");
    QTest::newRow("plain") << "icons/a.svg" << true;
    QTest::newRow("padded, any case") << "  a.Svg \t" << true;
    QTest::newRow("png") << "a.png" << false;
    QTest::newRow("svgz") << "a.svgz" << false;
    QTest::newRow("svg inside") << "a.svg.png" << false;
}

void tst_Painting::isSvgPath()
{
    QFETCH(QString, path);
    QFETCH(bool, svg);
    QCOMPARE(tavixIsSvgPath(path), svg);
}

void tst_Painting::scaleSize_data()
{
    QTest::addColumn<float>("factor");
    QTest::addColumn<QSize>("given");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("half rounds away from zero") << 0.5f << QSize(30, 21) << QSize(15, 11);
    QTest::newRow("quarter") << 0.25f << QSize(6, 10) << QSize(2, 3);
    QTest::newRow("never below one") << 0.25f << QSize(1, 0) << QSize(1, 1);
    QTest::newRow("invalid stays") << 0.5f << QSize(-1, 8) << QSize(-1, 8);
}

void tst_Painting::scaleSize()
{
    QFETCH(float, factor);
    QFETCH(QSize, given);
    QFETCH(QSize, expected);
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    const float previous = manager->getScaleFactor();
    manager->setScaleFactor(factor);
    const QSize result = tavixScaleSize(given);
    manager->setScaleFactor(previous);
    QCOMPARE(result, expected);
}

QTEST_MAIN(tst_Painting)
#include "tst_painting.moc"
