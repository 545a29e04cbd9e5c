#include "resources/TavixPainting.h"
#include "resources/TavixQResourceManager.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>

using namespace TavixQtLib;

Q_DECLARE_METATYPE(TavixQtLib::FillStyle)

namespace {

const QColor kSentinel(0, 255, 255);

QImage canvas(int w, int h, const QColor &fill = kSentinel)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) <= 2 && qAbs(a.green() - b.green()) <= 2 && qAbs(a.blue() - b.blue()) <= 2
            && qAbs(a.alpha() - b.alpha()) <= 2;
}

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

FillStyle colourStyle(const QColor &fill, const QColor &border, int borderSize)
{
    FillStyle s;
    s.color = fill;
    s.borderColor = border;
    s.borderSize = borderSize;
    s.border = borderSize > 0;
    return s;
}

TextStyleDesc textStyle(int hor, int ver, int x = 0)
{
    TextStyleDesc s;
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

QImage nineSliceSource()
{
    QImage img(30, 30, QImage::Format_ARGB32);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x)
            img.setPixelColor(x, y, (x / 10 == 1 && y / 10 == 1) ? (x < 15 && y < 15 ? kCentreMark : kCentreBase)
                                                                 : kRegion[y / 10][x / 10]);
    return img;
}

FillStyle nineSliceStyle(const QString &path, int margin)
{
    FillStyle s;
    s.drawColor = false;
    s.img = path;
    s.marginLeft = s.marginRight = s.marginTop = s.marginBottom = margin;
    return s;
}

} // namespace

class tst_Painting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void border_data();
    void border();
    void drawsNothing_data();
    void drawsNothing();
    void roundedFill();
    void roundedRectPathShape();
    void nineSlice_data();
    void nineSlice();
    void nineSliceNarrowClipsRightEdge();
    void nineSliceHostileInputTerminates_data();
    void nineSliceHostileInputTerminates();
    void textAlignment_data();
    void textAlignment();
    void elideVersusWrap();
    void verticalText();
    void measureTextUsesGlobalFamily();
    void svgIconTintAndGray();
    void iconPlacement_data();
    void iconPlacement();
    void imageSize();
    void isSvgPath_data();
    void isSvgPath();
    void scaleSize_data();
    void scaleSize();

private:
    QString writeFile(const QString &name, const QByteArray &bytes);

    QTemporaryDir m_dir;
    QString m_nineSlice;
    QString m_bitmap;
};

QString tst_Painting::writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(m_dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return file.fileName();
}

void tst_Painting::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TavixQResourceManager::getInstance()->setGlobalFontFamily(QString());
    m_nineSlice = m_dir.filePath(QStringLiteral("nine.png"));
    QVERIFY(nineSliceSource().save(m_nineSlice));
    QImage bitmap(10, 6, QImage::Format_ARGB32);
    bitmap.fill(Qt::red);
    m_bitmap = m_dir.filePath(QStringLiteral("icon.png"));
    QVERIFY(bitmap.save(m_bitmap));
}

void tst_Painting::border_data()
{
    // Which sides carry the border, and how thick; it always fills the rectangle's outermost pixels.
    QTest::addColumn<QString>("sides");
    QTest::addColumn<int>("width");
    QTest::newRow("all") << "bltr" << 1;
    QTest::newRow("bottom") << "b" << 1;
    QTest::newRow("top") << "t" << 1;
    QTest::newRow("left") << "l" << 1;
    QTest::newRow("right") << "r" << 1;
    QTest::newRow("all, width 2") << "bltr" << 2;
    QTest::newRow("all, width 3") << "bltr" << 3;
    QTest::newRow("bottom, width 3") << "b" << 3;
}

void tst_Painting::border()
{
    QFETCH(QString, sides);
    QFETCH(int, width);
    FillStyle s = colourStyle(Qt::red, Qt::blue, width);
    s.bottomBorder = sides.contains('b');
    s.topBorder = sides.contains('t');
    s.leftBorder = sides.contains('l');
    s.rightBorder = sides.contains('r');
    QImage img = canvas(30, 20);
    QPainter p(&img);
    tavixDrawFillStyle(&p, s, 2, 3, 20, 10);
    p.end();

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

void tst_Painting::drawsNothing_data()
{
    QTest::addColumn<FillStyle>("style");
    QTest::addColumn<QRect>("rect");
    FillStyle invalid = colourStyle(Qt::red, Qt::blue, 1);
    invalid.valid = false;
    const FillStyle plain = colourStyle(Qt::red, Qt::blue, 1);
    QTest::newRow("not valid") << invalid << QRect(0, 0, 20, 10);
    QTest::newRow("missing image") << nineSliceStyle(QStringLiteral("/nonexistent/x.png"), 2) << QRect(0, 0, 20, 10);
    QTest::newRow("zero width") << plain << QRect(5, 5, 0, 10);
    QTest::newRow("negative height") << plain << QRect(5, 5, 10, -4);
}

void tst_Painting::drawsNothing()
{
    QFETCH(FillStyle, style);
    QFETCH(QRect, rect);
    QImage img = canvas(30, 20);
    QPainter p(&img);
    tavixDrawFillStyle(&p, style, rect);
    p.end();
    QVERIFY(inkBounds(img, kSentinel).isNull());
    tavixDrawFillStyle(nullptr, style, rect);
}

void tst_Painting::roundedFill()
{
    const auto render = [](int round, bool bottomBorderOnly) {
        FillStyle s = colourStyle(Qt::red, Qt::blue, bottomBorderOnly ? 1 : 0);
        s.round = round;
        s.topBorder = s.leftBorder = s.rightBorder = !bottomBorderOnly;
        QImage img = canvas(60, 40);
        QPainter p(&img);
        tavixDrawFillStyle(&p, s, 10, 10, 40, 20);
        return img;
    };
    // Round 100 on 40 x 20 uses radius 10.
    const QImage clamped = render(100, false);
    QCOMPARE(clamped, render(10, false));
    QCOMPARE(clamped.pixelColor(10, 10), kSentinel);       // outside the arc
    QCOMPARE(clamped.pixelColor(30, 10), QColor(Qt::red)); // the straight top side
    QCOMPARE(clamped.pixelColor(11, 20), QColor(Qt::red)); // the arcs meet mid-height

    // A lone side of an over-rounded rectangle stops at the arcs instead of running outside.
    const QImage bottom = render(100, true);
    QCOMPARE(inkBounds(bottom, kSentinel), QRect(10, 10, 40, 20));
    QVERIFY(near(bottom.pixelColor(30, 29), Qt::blue));
    QVERIFY(!near(bottom.pixelColor(11, 29), Qt::blue));
}

void tst_Painting::roundedRectPathShape()
{
    QVERIFY(tavixRoundedRectPath(QRectF(0, 0, 0, 10), 4, true, true, true, true).isEmpty());
    QPainterPath square;
    square.addRect(QRectF(1, 2, 30, 20));
    for (qreal radius : {qreal(0), qreal(-5), qQNaN()})
        QCOMPARE(tavixRoundedRectPath(QRectF(1, 2, 30, 20), radius, true, true, true, true), square);

    // Only the top-left corner rounded; the path starts where its arc ends and runs clockwise.
    const QPainterPath tl = tavixRoundedRectPath(QRectF(0, 0, 40, 20), 8, true, false, false, false);
    QVERIFY(!tl.contains(QPointF(0.5, 0.5)));
    for (const QPointF &corner : {QPointF(39.5, 0.5), QPointF(39.5, 19.5), QPointF(0.5, 19.5)})
        QVERIFY(tl.contains(corner));
    QCOMPARE(QPointF(tl.elementAt(0)), QPointF(8, 0));
    QCOMPARE(QPointF(tl.elementAt(1)), QPointF(40, 0));
}

void tst_Painting::nineSlice_data()
{
    // Centre target (15, 15, 80, 20) from the 10 x 10 source whose top-left 5 x 5 quadrant is the mark.
    QTest::addColumn<bool>("repeat");
    QTest::addColumn<QPoint>("markProbe");
    QTest::addColumn<QPoint>("baseProbe");
    QTest::addColumn<bool>("recorded");
    QTest::newRow("stretched") << false << QPoint(45, 19) << QPoint(60, 25) << false;
    QTest::newRow("tiled 8 x 2") << true << QPoint(45, 25) << QPoint(22, 15) << false;
    QTest::newRow("tiled into a picture") << true << QPoint(45, 25) << QPoint(22, 15) << true;
}

void tst_Painting::nineSlice()
{
    QFETCH(bool, repeat);
    QFETCH(QPoint, markProbe);
    QFETCH(QPoint, baseProbe);
    QFETCH(bool, recorded);
    FillStyle s = nineSliceStyle(m_nineSlice, 10);
    s.repeatCenter = repeat;
    QImage img = canvas(110, 50);
    QPainter p(&img);
    if (recorded) {   // a picture's extent is only what has been recorded so far, not a bound
        QPicture picture;
        QPainter recorder(&picture);
        recorder.translate(45, 45);
        tavixDrawFillStyle(&recorder, s, 5, 5, 100, 40);
        recorder.end();
        p.drawPicture(-45, -45, picture);
    } else {
        tavixDrawFillStyle(&p, s, 5, 5, 100, 40);
    }
    p.end();

    // Corners unscaled, edges stretched along their length, nothing outside.
    const struct { QPoint pt; QColor colour; } probes[] = {
        {{5, 5}, kRegion[0][0]},   {{14, 14}, kRegion[0][0]},  {{15, 5}, kRegion[0][1]},  {{94, 14}, kRegion[0][1]},
        {{95, 5}, kRegion[0][2]},  {{104, 14}, kRegion[0][2]}, {{5, 15}, kRegion[1][0]},  {{14, 34}, kRegion[1][0]},
        {{95, 15}, kRegion[1][2]}, {{104, 34}, kRegion[1][2]}, {{5, 35}, kRegion[2][0]},  {{20, 35}, kRegion[2][1]},
        {{94, 44}, kRegion[2][1]}, {{104, 44}, kRegion[2][2]}, {{15, 15}, kCentreMark},   {{4, 4}, kSentinel},
        {{105, 45}, kSentinel},    {markProbe, kCentreMark},   {baseProbe, kCentreBase}};
    for (const auto &probe : probes)
        QCOMPARE(img.pixelColor(probe.pt), probe.colour);
}

void tst_Painting::nineSliceNarrowClipsRightEdge()
{
    QImage img = canvas(15, 40);
    QPainter p(&img);
    tavixDrawFillStyle(&p, nineSliceStyle(m_nineSlice, 10), 0, 0, 15, 40);
    p.end();
    // The right edge's target starts at x 5 but only shows past the left edge.
    QCOMPARE(img.pixelColor(6, 20), kRegion[1][0]);
    QCOMPARE(img.pixelColor(12, 20), kRegion[1][2]);
    QCOMPARE(img.pixelColor(14, 20), kRegion[1][2]);
}

void tst_Painting::nineSliceHostileInputTerminates_data()
{
    QTest::addColumn<int>("margin");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("huge tiled centre") << 10 << QRect(-1000000, -1000000, INT_MAX / 2, INT_MAX / 2);
    QTest::newRow("INT_MAX margins") << INT_MAX << QRect(0, 0, 40, 40);
    QTest::newRow("INT_MIN margins") << INT_MIN << QRect(0, 0, 40, 40);
    QTest::newRow("edge of int range") << 10 << QRect(INT_MAX - 50, INT_MAX - 50, 50, 50);
}

void tst_Painting::nineSliceHostileInputTerminates()
{
    QFETCH(int, margin);
    QFETCH(QRect, rect);
    FillStyle s = nineSliceStyle(m_nineSlice, margin);
    s.repeatCenter = true;
    QImage img = canvas(40, 40);
    QPainter p(&img);
    tavixDrawFillStyle(&p, s, rect);
    p.end();
    if (rect.width() > 1000)
        QVERIFY(img.pixelColor(20, 20) != kSentinel);   // the visible tiles are still drawn
}

void tst_Painting::textAlignment_data()
{
    QTest::addColumn<int>("hor");
    QTest::addColumn<int>("offset");
    QTest::newRow("left, offset 10") << 0 << 10;
    QTest::newRow("centre") << 1 << 0;
    QTest::newRow("right, offset 10") << 2 << 10;
}

void tst_Painting::textAlignment()
{
    QFETCH(int, hor);
    QFETCH(int, offset);
    const QRect rect(5, 0, 120, 30);
    QImage img = canvas(150, 30, Qt::white);
    QPainter p(&img);
    tavixDrawTextStyle(&p, QStringLiteral("Hello"), textStyle(hor, 1, offset), rect);
    p.end();
    const QRect ink = inkBounds(img, Qt::white);
    QVERIFY(!ink.isNull() && ink.width() < 80);
    if (hor == 0)
        QVERIFY(ink.left() >= rect.x() + offset && ink.left() <= rect.x() + offset + 3);
    else if (hor == 1)
        QVERIFY(qAbs(ink.center().x() - rect.center().x()) <= 2);
    else   // the offset moves only the text area's left side, so the text still ends at x + w
        QVERIFY2(ink.right() <= rect.right() && ink.right() >= rect.right() - 3, qPrintable(QString::number(ink.right())));
    QVERIFY(qAbs(ink.center().y() - rect.center().y()) <= 3);
}

void tst_Painting::elideVersusWrap()
{
    const QString text = QStringLiteral("a long caption that cannot fit into the narrow label area");
    TextStyleDesc s = textStyle(0, 0);
    for (int mode : {1, 3}) {
        s.elideMode = mode;
        QImage img = canvas(200, 80, Qt::white);
        QPainter p(&img);
        tavixDrawTextStyle(&p, text, s, QRect(0, 0, 100, 80));
        p.end();
        int lines = 0;
        const QRect ink = inkBounds(img, Qt::white, &lines);
        QVERIFY(ink.right() < (mode == 3 ? 100 : 98));
        QVERIFY(ink.width() > 50);
        QCOMPARE(lines > 1, mode == 3);
    }
}

void tst_Painting::verticalText()
{
    TextStyleDesc s = textStyle(1, 1);
    s.isHor = false;
    const QRect rect(10, 5, 30, 150);
    QImage img = canvas(60, 170, Qt::white);
    QPainter p(&img);
    p.setBrush(Qt::green);
    tavixDrawTextStyle(&p, QStringLiteral("Vertical"), s, rect);
    QCOMPARE(p.brush().color(), QColor(Qt::black));   // the brush stays set
    // Sizes that cannot or should not back a scratch image draw nothing.
    for (const QRect &bad : {QRect(0, 0, INT_MAX, INT_MAX), QRect(0, 0, 100000, 100000), QRect(0, 0, -10, 20)})
        tavixDrawTextStyle(&p, QStringLiteral("x"), s, bad);
    tavixDrawTextStyle(nullptr, QStringLiteral("x"), s, rect);
    p.end();
    const QRect ink = inkBounds(img, Qt::white);
    QVERIFY(rect.contains(ink));
    QVERIFY2(ink.height() > 2 * ink.width(), qPrintable(QStringLiteral("%1x%2").arg(ink.width()).arg(ink.height())));
    QVERIFY(qAbs(ink.center().y() - rect.center().y()) <= 3);
}

void tst_Painting::measureTextUsesGlobalFamily()
{
    TextStyleDesc s = textStyle(0, 1);
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    QVERIFY(tavixMeasureText(s, QStringLiteral("iiii")).width() < tavixMeasureText(s, QStringLiteral("MMMM")).width());
    manager->setGlobalFontFamily(QStringLiteral("DejaVu Sans Mono"));
    const QSize narrow = tavixMeasureText(s, QStringLiteral("iiii"));
    const QSize wide = tavixMeasureText(s, QStringLiteral("MMMM"));
    manager->setGlobalFontFamily(QString());
    QCOMPARE(narrow, wide);
    QVERIFY(narrow.height() >= 16);
}

void tst_Painting::svgIconTintAndGray()
{
    // Top-left quadrant opaque green, top-right green at 50 % opacity, bottom half empty.
    const QString path = writeFile(QStringLiteral("tint.svg"),
        "<svg xmlns='http://www.w3.org/2000/svg' width='20' height='20'>"
        "<rect x='0' y='0' width='10' height='10' fill='#00ff00'/>"
        "<rect x='10' y='0' width='10' height='10' fill='#00ff00' fill-opacity='0.5'/></svg>");
    QVERIFY(!path.isEmpty());
    IconStyleDesc icon;
    icon.useColor = true;
    icon.color = QColor(0xFF, 0, 0);
    QImage img = canvas(40, 40, Qt::transparent);
    QPainter p(&img);
    tavixDrawIconImage(&p, path, icon, QRect(0, 0, 40, 40), false);
    p.end();
    // 20 x 20 centred: the icon spans (10, 10) to (29, 29).
    QVERIFY(near(img.pixelColor(14, 14), QColor(255, 0, 0, 255)));
    QVERIFY(near(img.pixelColor(25, 14), QColor(255, 0, 0, 128)));
    QCOMPARE(img.pixelColor(14, 25).alpha(), 0);
    QCOMPARE(inkBounds(img, Qt::transparent), QRect(10, 10, 20, 10));

    icon.useColor = false;
    img.fill(Qt::transparent);
    p.begin(&img);
    tavixDrawIconImage(&p, path, icon, QRect(0, 0, 40, 40), true);
    p.end();
    const QColor gray = img.pixelColor(14, 14);
    QVERIFY(gray.alpha() > 0 && qAbs(gray.red() - gray.green()) <= 2 && qAbs(gray.green() - gray.blue()) <= 2);
    QCOMPARE(img.pixelColor(14, 25).alpha(), 0);
}

void tst_Painting::iconPlacement_data()
{
    // The 10 x 6 red bitmap in the rectangle (5, 5, 40, 30), offset by (2, 1).
    QTest::addColumn<int>("hor");
    QTest::addColumn<int>("ver");
    QTest::addColumn<bool>("asPixmap");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("left top") << 0 << 0 << false << QPoint(7, 6);
    QTest::newRow("centre") << 1 << 1 << false << QPoint(22, 18);
    QTest::newRow("right bottom") << 2 << 2 << false << QPoint(37, 30);
    QTest::newRow("unknown pins to 0") << 7 << -1 << false << QPoint(2, 1);
    QTest::newRow("pixmap centre") << 1 << 1 << true << QPoint(22, 18);
    QTest::newRow("pixmap right bottom") << 2 << 2 << true << QPoint(37, 30);
}

void tst_Painting::iconPlacement()
{
    QFETCH(int, hor);
    QFETCH(int, ver);
    QFETCH(bool, asPixmap);
    QFETCH(QPoint, topLeft);
    IconStyleDesc icon;
    icon.horAlign = hor;
    icon.verAlign = ver;
    icon.useColor = true;   // no effect on bitmaps
    icon.color = Qt::blue;
    icon.offsetX = 2;
    icon.offsetY = 1;
    const QRect rect(5, 5, 40, 30);
    QImage img = canvas(60, 50);
    QPainter p(&img);
    if (asPixmap) {
        const QIcon qicon(m_bitmap);
        tavixDrawIconPixmap(&p, qicon, QSize(10, 6), icon, rect);
        tavixDrawIconPixmap(&p, qicon, QSize(1000000, 1000000), icon, rect);
        tavixDrawIconPixmap(&p, QIcon(), QSize(10, 6), icon, rect);
    } else {
        tavixDrawIconImage(&p, m_bitmap, icon, rect, false);
        tavixDrawIconImage(&p, m_dir.filePath(QStringLiteral("missing.png")), icon, rect, false);
    }
    p.end();
    QCOMPARE(inkBounds(img, kSentinel), QRect(topLeft, QSize(10, 6)));
    QCOMPARE(img.pixelColor(topLeft), QColor(Qt::red));
}

void tst_Painting::imageSize()
{
    const QString svg = writeFile(QStringLiteral("size.svg"),
        "<svg xmlns='http://www.w3.org/2000/svg' width='24' height='12'><rect width='4' height='4'/></svg>");
    const QString broken = writeFile(QStringLiteral("broken.svg"), "<svg");
    QCOMPARE(tavixImageSize(svg, false), QSize(24, 12));
    QCOMPARE(tavixImageSize(m_bitmap, false), QSize(10, 6));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Cannot read file")));
    QVERIFY(!tavixImageSize(broken, false).isValid());
    QVERIFY(!tavixImageSize(m_dir.filePath(QStringLiteral("missing.png")), false).isValid());
    QVERIFY(!tavixImageSize(QString(), false).isValid());
}

void tst_Painting::isSvgPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("svg");
    QTest::newRow("plain") << "icons/a.svg" << true;
    QTest::newRow("upper case") << "A.SVG" << true;
    QTest::newRow("padded") << "  a.Svg \t" << true;
    QTest::newRow("png") << "a.png" << false;
    QTest::newRow("svgz") << "a.svgz" << false;
    QTest::newRow("svg inside") << "a.svg.png" << false;
    QTest::newRow("empty") << "" << false;
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
    QTest::newRow("factor one") << 1.0f << QSize(30, 21) << QSize(30, 21);
    QTest::newRow("default factor") << 100.0f << QSize(30, 21) << QSize(30, 21);
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
