// Painting at a device pixel ratio above 1: pictures rendered for the device, "@2x" theme images,
// the fill cache and control families against their 1x picture.

#include "controls/TavixQCheckBox.h"
#include "controls/TavixQImage.h"
#include "controls/TavixQRadioButton.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixLibrary.h"
#include "resources/TavixPainting.h"
#include "resources/TavixQResourceManager.h"
#include "tests/TavixTestSupport.h"

#include <QPainter>
#include <QPixmapCache>
#include <QTemporaryDir>
#include <QtMath>
#include <QtTest>

#include <memory>

using namespace TavixQtLib;

namespace {

QImage canvas(const QSize &logical, qreal ratio, const QColor &fill = Qt::white)
{
    QImage image(qCeil(logical.width() * ratio), qCeil(logical.height() * ratio), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(fill);
    return image;
}

QImage renderAt(QWidget *widget, qreal ratio)
{
    QImage image = canvas(widget->size(), ratio);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// Aligned 2 x 2 device pixel blocks that are not one colour: a 1x picture enlarged to ratio 2 has none.
int mixedBlocks(const QImage &image)
{
    int mixed = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            mixed += image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p || image.pixel(x + 1, y + 1) != p;
        }
    }
    return mixed;
}

// Mean channel difference between a 1x picture and a ratio 2 one scaled down to 1x.
double differenceFromOneX(const QImage &one, const QImage &two)
{
    const QImage a = one.convertToFormat(QImage::Format_ARGB32);
    const QImage b = two.scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

} // namespace

class tst_HiDpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void renderedForDevice_data();
    void renderedForDevice();
    void imageVariant_data();
    void imageVariant();
    void cachedFill_data();
    void cachedFill();
    void family_data();
    void family();

private:
    QTemporaryDir dir;
};

void tst_HiDpi::initTestCase()
{
    init();
    QFile svg(dir.filePath(QStringLiteral("disc.svg")));
    QVERIFY(svg.open(QIODevice::WriteOnly));
    svg.write(R"(<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16"><circle cx="8" cy="8" r="6.5"/></svg>)");
    svg.close();
    // A theme whose picture has @2x and @3x variants in other colours, and one picture without any.
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("theme/images"))));
    QFile style(dir.filePath(QStringLiteral("theme/style.json")));
    QVERIFY(style.open(QIODevice::WriteOnly) && style.write(R"({"style": []})") > 0);
    style.close();
    const struct { const char *name; int side; QColor colour; } pictures[] = {
        {"pic", 8, tavixtest::kRed}, {"pic@2x", 16, tavixtest::kGreen}, {"pic@3x", 24, tavixtest::kBlue},
        {"plain", 8, tavixtest::kYellow}};
    for (const auto &picture : pictures) {
        QImage image(picture.side, picture.side, QImage::Format_ARGB32);
        image.fill(picture.colour);
        QVERIFY(image.save(dir.filePath(QStringLiteral("theme/images/%1.png").arg(QLatin1String(picture.name)))));
    }
    QVERIFY(TavixQResourceManager::getInstance()->loadThemeDir(dir.filePath(QStringLiteral("theme"))));
}

void tst_HiDpi::renderedForDevice_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("icon");
    const QString svg = dir.filePath(QStringLiteral("disc.svg"));
    QTest::newRow("SVG icon") << "icon" << svg;
    QTest::newRow("tinted SVG icon") << "tinted" << svg;
    QTest::newRow("gray SVG icon") << "gray" << svg;
    QTest::newRow("check box") << "checkbox" << QString();
    // 20 pixels high, the radio button scales its 16-pixel indicator down to half its height.
    QTest::newRow("radio, built-in unselected") << "radio" << "IDB_UNSELECT";
    QTest::newRow("radio, built-in selected") << "radio" << "IDB_SELECTED";
    QTest::newRow("radio, SVG") << "radio" << svg;
}

// At ratio 2 curved edges get their own anti-aliased device pixels, in the place and size of the 1x picture.
void tst_HiDpi::renderedForDevice()
{
    QFETCH(QString, what);
    QFETCH(QString, icon);
    std::unique_ptr<QWidget> widget;
    if (what == QLatin1String("checkbox")) {
        auto *box = new TavixQCheckBox;
        box->setChecked(true);
        widget.reset(box);
    } else if (what == QLatin1String("radio")) {
        auto *radio = new TavixQRadioButton;
        radio->setIcon(icon);
        radio->setChecked(true);
        widget.reset(radio);
    }
    QImage one, two;
    if (widget) {
        static_cast<QAbstractButton *>(widget.get())->setText(QString());
        widget->resize(24, 20);
        one = renderAt(widget.get(), 1);
        two = renderAt(widget.get(), 2);
    } else {
        IconStyleDesc style;
        style.useColor = what == QLatin1String("tinted");
        for (QImage *image : {&one, &two}) {
            *image = canvas(QSize(16, 16), image == &one ? 1 : 2);
            QPainter painter(image);
            tavixDrawIconImage(&painter, icon, style, QRect(0, 0, 16, 16), what == QLatin1String("gray"));
        }
    }
    QVERIFY2(mixedBlocks(two) >= 8, "enlarged 1x pixels");
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
    QTest::newRow("4 falls back to @3x") << "images/pic.png" << 4.0 << tavixtest::kBlue;
    QTest::newRow("no variant") << "images/plain.png" << 2.0 << tavixtest::kYellow;
    QTest::newRow("NaN") << "images/pic.png" << qQNaN() << tavixtest::kRed;
}

// The image control, an icon and a nine-slice fill all cover their 8 x 8 with the chosen picture.
void tst_HiDpi::imageVariant()
{
    QFETCH(QString, name);
    QFETCH(qreal, ratio);
    QFETCH(QColor, expected);
    const QImage *picture = TavixQResourceManager::getInstance()->getImageForRatio(name, false, ratio);
    QVERIFY(picture);
    QCOMPARE(QSizeF(picture->size()) / picture->devicePixelRatioF(), QSizeF(8, 8));
    if (std::isnan(ratio))
        ratio = 1;
    TavixQImage control;
    control.resize(8, 8);
    control.setImagePath(name);
    QImage images[] = {renderAt(&control, ratio), canvas(QSize(8, 8), ratio), canvas(QSize(8, 8), ratio)};
    FillStyle fill;
    fill.drawColor = false;
    fill.img = name;
    fill.marginLeft = fill.marginTop = fill.marginRight = fill.marginBottom = 2;
    {
        QPainter icon(&images[1]), nineSlice(&images[2]);
        tavixDrawIconImage(&icon, name, IconStyleDesc(), QRect(0, 0, 8, 8), false);
        tavixDrawFillStyle(&nineSlice, fill, QRect(0, 0, 8, 8));
    }
    for (const QImage &image : images) {
        const int last = image.width() - 1;
        for (const QPoint &p : {QPoint(0, 0), QPoint(last / 2, last / 2), QPoint(last, last)})
            QCOMPARE(image.pixelColor(p), expected);
    }
}

void tst_HiDpi::cachedFill_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<bool>("border");
    for (qreal ratio : {1.0, 1.5, 2.0}) {
        QTest::addRow("ratio %g", ratio) << ratio << false;
        QTest::addRow("ratio %g, border", ratio) << ratio << true;
    }
}

// A rounded fill small enough for the cache looks like one painted straight: a fill too large for the
// cache has the same top-left corner. The fill cached at another ratio first must not be reused.
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
    // On a transparent canvas, so that blending order cannot round the two differently.
    QImage primer = canvas(QSize(40, 24), ratio == 2.0 ? 1.0 : 2.0, Qt::transparent);
    QImage small = canvas(QSize(40, 24), ratio, Qt::transparent);
    QImage large = canvas(QSize(600, 600), ratio, Qt::transparent);
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
        {"qtbutton", {80, 28}},    {"qtcheckbox", {90, 22}},   {"qtradiobox", {90, 22}},  {"qtswitch", {44, 22}},
        {"qtslider", {120, 24}},   {"qtprogressbar", {120, 18}}, {"qtlabel", {90, 22}},   {"qtdedit", {100, 26}},
        {"qtspinbox", {80, 26}},   {"qtcombobox", {100, 26}},  {"qtscrollbar", {16, 120}}, {"qttab", {160, 90}},
        {"qtgroupbox", {120, 80}}, {"qtlcdnumber", {80, 30}},
    };
    for (const auto &row : rows)
        QTest::newRow(row.keyword) << QString::fromLatin1(row.keyword) << row.size;
}

// Under a real theme each family at ratio 2, scaled down, shows what it shows at 1x: nothing drawn at
// half size, shifted, doubled or clipped away.
void tst_HiDpi::family()
{
    QFETCH(QString, keyword);
    QFETCH(QSize, size);
    const QString theme = QFINDTESTDATA("../themes/theme1/style.json");
    QVERIFY(TavixQResourceManager::getInstance()->loadThemeDir(QFileInfo(theme).path()));
    std::unique_ptr<QWidget> control(tavixCreateControlByKeyword(keyword.toLatin1().constData(), nullptr));
    QVERIFY(control);
    control->resize(size);
    const double difference = differenceFromOneX(renderAt(control.get(), 1), renderAt(control.get(), 2));
    QVERIFY2(difference < 6, QByteArray::number(difference));
}

QTEST_MAIN(tst_HiDpi)
#include "tst_hidpi.moc"
