// Painting at a device pixel ratio above 1: pictures rendered for the device, "@2x" theme images,
// the fill cache and every control family against its 1x picture.

#include "controls/TavixQCheckBox.h"
#include "controls/TavixQImage.h"
#include "controls/TavixQRadioButton.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixLibrary.h"
#include "resources/TavixPainting.h"
#include "resources/TavixQResourceManager.h"
#include "tests/TavixTestSupport.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPixmapCache>
#include <QTemporaryDir>
#include <QtMath>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace TavixQtLib;

namespace {

QImage canvas(const QSize &logical, qreal ratio, const QColor &fill = Qt::transparent)
{
    QImage image(qCeil(logical.width() * ratio), qCeil(logical.height() * ratio),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(fill);
    return image;
}

QImage renderAt(QWidget *widget, qreal ratio)
{
    QImage image = canvas(widget->size(), ratio, Qt::white);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// Aligned 2 x 2 blocks of device pixels that are not one colour. A 1x picture enlarged to ratio 2
// without smoothing has none; a picture rendered for the device has many along every curved edge.
int mixedBlocks(const QImage &image)
{
    int mixed = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            if (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p || image.pixel(x + 1, y + 1) != p)
                ++mixed;
        }
    }
    return mixed;
}

// Mean absolute channel difference between a picture at ratio 1 and one at ratio 2 boxed down to 1x.
double differenceFromOneX(const QImage &one, const QImage &two)
{
    const QImage a = one.convertToFormat(QImage::Format_ARGB32);
    const QImage b = two.convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            int channels[4] = {0, 0, 0, 0};
            for (int dy = 0; dy < 2; ++dy) {
                for (int dx = 0; dx < 2; ++dx) {
                    const QRgb p = b.pixel(std::min(2 * x + dx, b.width() - 1), std::min(2 * y + dy, b.height() - 1));
                    channels[0] += qRed(p);
                    channels[1] += qGreen(p);
                    channels[2] += qBlue(p);
                    channels[3] += qAlpha(p);
                }
            }
            const QRgb q = a.pixel(x, y);
            sum += std::abs(channels[0] / 4 - qRed(q)) + std::abs(channels[1] / 4 - qGreen(q))
                   + std::abs(channels[2] / 4 - qBlue(q)) + std::abs(channels[3] / 4 - qAlpha(q));
        }
    }
    return sum / (4.0 * a.width() * a.height());
}

QImage solidPicture(int side, const QColor &colour)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

} // namespace

class tst_HiDpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void svgIconEdge_data();
    void svgIconEdge();
    void indicator_data();
    void indicator();
    void imageVariant_data();
    void imageVariant();
    void builtInAtRatio();
    void cachedFill_data();
    void cachedFill();
    void family_data();
    void family();

private:
    QTemporaryDir dir;
    QString svgPath;
};

void tst_HiDpi::initTestCase()
{
    init();
    QVERIFY(dir.isValid());
    svgPath = dir.filePath(QStringLiteral("disc.svg"));
    QFile svg(svgPath);
    QVERIFY(svg.open(QIODevice::WriteOnly));
    svg.write(R"(<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16" viewBox="0 0 16 16">)"
              R"(<circle cx="8" cy="8" r="6.5" fill="#000000"/></svg>)");
    svg.close();

    // A theme whose picture has @2x and @3x variants in other colours, and one picture without any.
    const QString theme = dir.filePath(QStringLiteral("theme"));
    QVERIFY(QDir().mkpath(theme + QStringLiteral("/images")));
    QFile style(theme + QStringLiteral("/style.json"));
    QVERIFY(style.open(QIODevice::WriteOnly));
    style.write(R"({"style": []})");
    style.close();
    QVERIFY(solidPicture(8, tavixtest::kRed).save(theme + QStringLiteral("/images/pic.png")));
    QVERIFY(solidPicture(16, tavixtest::kGreen).save(theme + QStringLiteral("/images/pic@2x.png")));
    QVERIFY(solidPicture(24, tavixtest::kBlue).save(theme + QStringLiteral("/images/pic@3x.png")));
    QVERIFY(solidPicture(8, tavixtest::kYellow).save(theme + QStringLiteral("/images/plain.png")));
    QVERIFY(TavixQResourceManager::getInstance()->loadThemeDir(theme));
}

void tst_HiDpi::svgIconEdge_data()
{
    QTest::addColumn<bool>("tinted");
    QTest::addColumn<bool>("gray");
    QTest::newRow("plain") << false << false;
    QTest::newRow("tinted") << true << false;
    QTest::newRow("gray") << false << true;
}

void tst_HiDpi::svgIconEdge()
{
    QFETCH(bool, tinted);
    QFETCH(bool, gray);
    IconStyleDesc icon;
    icon.useColor = tinted;
    icon.color = tavixtest::kBlue;
    QImage image = canvas(QSize(16, 16), 2);
    {
        QPainter painter(&image);
        tavixDrawIconImage(&painter, svgPath, icon, QRect(0, 0, 16, 16), gray);
    }
    // Placed where the 1x icon is: the disc's centre is inked, the corners are not.
    QVERIFY(qAlpha(image.pixel(16, 16)) > 200);
    QCOMPARE(qAlpha(image.pixel(1, 1)), 0);
    QVERIFY2(mixedBlocks(image) >= 12, "the disc's edge is made of enlarged 1x pixels");
}

void tst_HiDpi::indicator_data()
{
    QTest::addColumn<bool>("radio");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QString>("icon");   // the radio button's indicator; the check box keeps its built-in
    QTest::newRow("check box, checked") << false << true << QString();
    QTest::newRow("radio, unchecked") << true << false << "IDB_UNSELECT";
    QTest::newRow("radio, checked") << true << true << "IDB_SELECTED";
    QTest::newRow("radio, SVG") << true << true << svgPath;
}

void tst_HiDpi::indicator()
{
    QFETCH(bool, radio);
    QFETCH(bool, checked);
    QFETCH(QString, icon);
    std::unique_ptr<QAbstractButton> button;
    if (radio) {
        // 20 pixels high: the radio button scales its 16-pixel indicator down to half its height.
        auto *r = new TavixQRadioButton;
        r->setIcon(icon);
        button.reset(r);
    } else {
        button.reset(new TavixQCheckBox);
    }
    button->setText(QString());
    button->setChecked(checked);
    button->resize(24, 20);
    const QImage one = renderAt(button.get(), 1);
    const QImage two = renderAt(button.get(), 2);
    QVERIFY2(mixedBlocks(two) >= 8, "the indicator is the 1x image enlarged");
    // Drawn where and as large as at 1x.
    QVERIFY2(differenceFromOneX(one, two) < 6, QByteArray::number(differenceFromOneX(one, two)));
}

void tst_HiDpi::imageVariant_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("1x") << "images/pic.png" << 1.0 << tavixtest::kRed;
    QTest::newRow("1.25 takes @2x") << "images/pic.png" << 1.25 << tavixtest::kGreen;
    QTest::newRow("1.5 takes @2x") << "images/pic.png" << 1.5 << tavixtest::kGreen;
    QTest::newRow("2") << "images/pic.png" << 2.0 << tavixtest::kGreen;
    QTest::newRow("3") << "images/pic.png" << 3.0 << tavixtest::kBlue;
    QTest::newRow("4 falls back to @3x") << "images/pic.png" << 4.0 << tavixtest::kBlue;
    QTest::newRow("no variant") << "images/plain.png" << 2.0 << tavixtest::kYellow;
}

void tst_HiDpi::imageVariant()
{
    QFETCH(QString, name);
    QFETCH(qreal, ratio);
    QFETCH(QColor, expected);
    TavixQResourceManager *rm = TavixQResourceManager::getInstance();
    const QImage *picture = rm->getImageForRatio(name, false, ratio);
    QVERIFY(picture);
    // Whatever its pixels, the picture keeps the 1x picture's logical size.
    QCOMPARE(QSizeF(picture->size()) / picture->devicePixelRatioF(), QSizeF(8, 8));
    QCOMPARE(rm->getImageForRatio(name, false, ratio), picture);   // cached
    QCOMPARE(rm->getImage(name)->size(), QSize(8, 8));            // the 1x lookup is unchanged

    // The image control, an icon and a nine-slice fill all paint the variant over the whole 8 x 8.
    TavixQImage control;
    control.resize(8, 8);
    control.setImagePath(name);
    QImage shown = renderAt(&control, ratio);
    QImage icon = canvas(QSize(8, 8), ratio, Qt::white);
    QImage fill = canvas(QSize(8, 8), ratio, Qt::white);
    {
        QPainter painter(&icon);
        tavixDrawIconImage(&painter, name, IconStyleDesc(), QRect(0, 0, 8, 8), false);
    }
    {
        FillStyle style;
        style.drawColor = false;
        style.img = name;
        style.marginLeft = style.marginTop = style.marginRight = style.marginBottom = 2;
        QPainter painter(&fill);
        tavixDrawFillStyle(&painter, style, QRect(0, 0, 8, 8));
    }
    for (const QImage *image : {&shown, &icon, &fill}) {
        const int last = image->width() - 1;
        for (const QPoint &p : {QPoint(0, 0), QPoint(last / 2, last / 2), QPoint(last, last)})
            QCOMPARE(image->pixelColor(p), expected);
    }
}

void tst_HiDpi::builtInAtRatio()
{
    TavixQResourceManager *rm = TavixQResourceManager::getInstance();
    QImage *one = rm->getImage(QStringLiteral("IDB_CHECKED"));
    QVERIFY(one);
    QCOMPARE(rm->getImageForRatio(QStringLiteral("IDB_CHECKED"), false, 1.0), one);
    QCOMPARE(rm->getImageForRatio(QStringLiteral("IDB_CHECKED"), false, qQNaN()), one);
    for (qreal ratio : {1.25, 1.5, 2.0}) {
        const QImage *image = rm->getImageForRatio(QStringLiteral("IDB_CHECKED"), false, ratio);
        const QImage *gray = rm->getImageForRatio(QStringLiteral("IDB_CHECKED"), true, ratio);
        QVERIFY(image && gray);
        QCOMPARE(image->size(), QSize(qCeil(16 * ratio), qCeil(16 * ratio)));
        QCOMPARE(image->devicePixelRatioF(), ratio);
        QCOMPARE(gray->size(), image->size());
        QVERIFY(*gray != *image);
    }
    // Emptying the default set keeps the built-ins, and their high-DPI pictures come back on demand.
    rm->releaseRes();
    QVERIFY(rm->getImageForRatio(QStringLiteral("IDB_CHECKED"), false, 2.0));
}

void tst_HiDpi::cachedFill_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<bool>("border");
    for (qreal ratio : {1.0, 1.5, 2.0}) {
        for (bool border : {false, true}) {
            QTest::addRow("ratio %g%s", ratio, border ? ", border" : "") << ratio << border;
        }
    }
}

// A rounded fill small enough for the cache must look like one painted straight: a fill too large for
// the cache has the same top-left corner. The same fill painted at another ratio first must not be reused.
void tst_HiDpi::cachedFill()
{
    QFETCH(qreal, ratio);
    QFETCH(bool, border);
    FillStyle style = tavixtest::solid(QColor(30, 120, 200));
    style.round = 7;
    style.border = border;
    style.borderSize = 1;
    style.borderColor = QColor(200, 40, 40);
    QPixmapCache::clear();
    const qreal other = ratio == 2.0 ? 1.0 : 2.0;
    QImage primer = canvas(QSize(40, 24), other);
    QImage small = canvas(QSize(40, 24), ratio);
    QImage large = canvas(QSize(600, 600), ratio);
    for (QImage *image : {&primer, &small, &large}) {
        QPainter painter(image);
        tavixDrawFillStyle(&painter, style, QRect(QPoint(0, 0), image->size() / image->devicePixelRatioF()));
    }
    const int corner = qCeil(12 * ratio);
    QCOMPARE(small.copy(0, 0, corner, corner), large.copy(0, 0, corner, corner));
}

void tst_HiDpi::family_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QSize>("size");
    const struct { const char *keyword; QSize size; } rows[] = {
        {"qtbutton", {80, 28}},      {"qtcheckbox", {90, 22}},  {"qtradiobox", {90, 22}},
        {"qtswitch", {44, 22}},      {"qtslider", {120, 24}},   {"qtprogressbar", {120, 18}},
        {"qtlabel", {90, 22}},       {"qtdedit", {100, 26}},    {"qtspinbox", {80, 26}},
        {"qtcombobox", {100, 26}},   {"qtscrollbar", {16, 120}}, {"qttab", {160, 90}},
        {"qtgroupbox", {120, 80}},   {"qtcontainer", {80, 60}}, {"qtlcdnumber", {80, 30}},
    };
    for (const auto &row : rows)
        QTest::newRow(row.keyword) << QString::fromLatin1(row.keyword) << row.size;
}

// Every family at ratio 2, boxed down to 1x, shows what it shows at 1x: nothing drawn at half size,
// shifted, doubled or clipped away.
void tst_HiDpi::family()
{
    QFETCH(QString, keyword);
    QFETCH(QSize, size);
    // Under a real theme, so that each control paints its fills, borders, icons and captions.
    const QString theme = QFINDTESTDATA("../themes/theme1/style.json");
    QVERIFY(!theme.isEmpty());
    QVERIFY(TavixQResourceManager::getInstance()->loadThemeDir(QFileInfo(theme).path()));
    std::unique_ptr<QWidget> control(tavixCreateControlByKeyword(keyword.toLatin1().constData(), nullptr));
    QVERIFY(control);
    control->resize(size);
    const QImage one = renderAt(control.get(), 1);
    const QImage two = renderAt(control.get(), 2);
    const double difference = differenceFromOneX(one, two);
    QVERIFY2(difference < 6, QByteArray::number(difference));
}

QTEST_MAIN(tst_HiDpi)
#include "tst_hidpi.moc"
