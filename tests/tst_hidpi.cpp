// Painting at a device pixel ratio above 1: pictures rendered for the device, "@2x" theme images,
// the fill cache and control families against their 1x picture.

#include "controls/charts/TavixQICDChart.h"
#include "controls/ribbon/RibbonSeparator.h"
#include "controls/ribbon/TavixQRibbonPushButton.h"
#include "controls/TavixQComboBox.h"
#include "controls/TavixQLabel.h"
#include "controls/TavixQProgressBar.h"
#include "controls/TavixQPushButton.h"
#include "controls/TavixQSwitch.h"
#include "controls/TavixQTabWidget.h"
#include "controls/TavixQCheckBox.h"
#include "controls/TavixQGroupBox.h"
#include "controls/TavixQGroupBoxImpl.h"
#include "controls/TavixQImage.h"
#include "controls/TavixQRadioButton.h"
#include "controls/views/TavixQMenu.h"
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

// Device pixel edge nearest the logical coordinate v under ratio, halves rounding up.
int devicePixel(qreal v, qreal ratio)
{
    return qFloor(v * ratio + 0.5 + 1e-6);
}

// The pixels across a line: the device column x from top to bottom, or the device row y.
QVector<QRgb> across(const QImage &image, int at, Qt::Orientation line)
{
    QVector<QRgb> pixels;
    const int n = line == Qt::Horizontal ? image.height() : image.width();
    for (int i = 0; i < n; ++i)
        pixels << (line == Qt::Horizontal ? image.pixel(at, i) : image.pixel(i, at));
    return pixels;
}

// Every run of exactly colour in pixels as (start, length). A half-tone beside a run (a neighbour that
// differs from the pixel beyond it, as a line smeared over two pixels leaves) makes the result empty and
// says where in failure.
QVector<QPoint> crispRuns(const QVector<QRgb> &pixels, QRgb colour, QByteArray *failure)
{
    QVector<QPoint> runs;
    for (int i = 0; i < pixels.size();) {
        if (pixels[i] != colour) {
            ++i;
            continue;
        }
        int end = i;
        while (end < pixels.size() && pixels[end] == colour)
            ++end;
        const bool flatBefore = i < 2 || pixels[i - 1] == pixels[i - 2];
        const bool flatAfter = end + 1 >= pixels.size() || pixels[end] == pixels[end + 1];
        if (!flatBefore || !flatAfter) {
            *failure = QByteArray("half-tone beside the run at ") + QByteArray::number(i);
            return {};
        }
        runs << QPoint(i, end - i);
        i = end;
    }
    return runs;
}

// The control keyword stands for, with caption shown (or, empty, without any).
QWidget *captioned(const QString &what, const QString &caption)
{
    if (what == QLatin1String("tab cells")) {
        auto *tab = new TavixQTabWidget;
        tab->addTab(caption);
        return tab;
    }
    if (what == QLatin1String("ribbon command")) {
        auto *command = new TavixQRibbonPushButton;
        command->setText(caption);
        return command;
    }
    if (what == QLatin1String("menu item")) {
        auto *menu = new TavixQMenu;
        menu->addAction(caption.isEmpty() ? QStringLiteral(" ") : caption);
        return menu;
    }
    QWidget *control = tavixCreateControlByKeyword(what.toLatin1().constData(), nullptr);
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setText(caption);
    else if (auto *label = qobject_cast<TavixQLabel *>(control))
        label->setText(caption);
    else if (auto *combo = qobject_cast<TavixQComboBox *>(control))
        combo->addItem(caption);
    else if (auto *box = qobject_cast<TavixQGroupBox *>(control))
        box->setText(caption);
    else if (auto *sw = qobject_cast<TavixQSwitch *>(control))
        sw->setRightText(caption.isEmpty() ? caption : QStringLiteral("Hgjy"));   // a state's word, not a title
    else if (auto *progress = qobject_cast<TavixQProgressBar *>(control)) {
        progress->setValue(50);
        progress->setShowText(!caption.isEmpty());
    }
    return control;
}

// Device pixels where painting with a caption differs from painting without: the caption's ink.
QRect inkBox(const QImage &with, const QImage &without, int *count)
{
    QRect box;
    *count = 0;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            if (with.pixel(x, y) != without.pixel(x, y)) {
                box |= QRect(x, y, 1, 1);
                ++*count;
            }
        }
    }
    return box;
}

// Runs as "start+length ...", for messages that show what was found.
QByteArray runsText(const QVector<QPoint> &runs)
{
    QByteArray text;
    for (const QPoint &run : runs)
        text += QByteArray::number(run.x()) + "+" + QByteArray::number(run.y()) + " ";
    return text;
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
    void borderOnDevicePixels_data();
    void borderOnDevicePixels();
    void hairline_data();
    void hairline();
    void captionNotClipped_data();
    void captionNotClipped();

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

void tst_HiDpi::borderOnDevicePixels_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("round");
    QTest::addColumn<int>("borderSize");
    for (qreal ratio : {1.0, 1.25, 1.5, 2.0}) {
        QTest::addRow("%g, square", ratio) << ratio << 0 << 1;
        QTest::addRow("%g, rounded", ratio) << ratio << 6 << 1;
        QTest::addRow("%g, square, 2 wide", ratio) << ratio << 0 << 2;
    }
}

// A bordered fill at logical (3, 5, 30, 21) and its neighbour at x 33: each border side is whole device
// pixels of the full colour at the rectangle's device edge (one for a one-pixel border), the fill runs
// up to it without a gap, and the two rectangles meet without a gap or an overlap.
void tst_HiDpi::borderOnDevicePixels()
{
    QFETCH(qreal, ratio);
    QFETCH(int, round);
    QFETCH(int, borderSize);
    const QColor fillColour(40, 90, 200), borderColour(220, 30, 30);
    FillStyle style = tavixtest::solid(fillColour);
    style.round = round;
    style.border = true;
    style.borderSize = borderSize;
    style.borderColor = borderColour;
    QImage image = canvas(QSize(70, 32), ratio);
    {
        QPainter painter(&image);
        tavixDrawFillStyle(&painter, style, QRect(3, 5, 30, 21));
        tavixDrawFillStyle(&painter, style, QRect(33, 5, 30, 21));
    }
    const int width = borderSize == 1 ? 1 : qRound(borderSize * ratio);
    const int left = devicePixel(3, ratio), middle = devicePixel(33, ratio), right = devicePixel(63, ratio);
    const int top = devicePixel(5, ratio), bottom = devicePixel(26, ratio);
    QByteArray failure;
    // Down the middle of the first rectangle: top and bottom sides.
    const QVector<QRgb> column = across(image, (left + middle) / 2, Qt::Horizontal);
    QCOMPARE(runsText(crispRuns(column, borderColour.rgb(), &failure)),
             runsText({QPoint(top, width), QPoint(bottom - width, width)}));
    for (int y = top + width; y < bottom - width; ++y)
        QCOMPARE(QColor(column[y]), fillColour);
    // Across both: left and right sides of each, the second's left side right after the first's right one.
    const QVector<QRgb> row = across(image, (top + bottom) / 2, Qt::Vertical);
    QCOMPARE(runsText(crispRuns(row, borderColour.rgb(), &failure)),
             runsText({QPoint(left, width), QPoint(middle - width, 2 * width), QPoint(right - width, width)}));
    QCOMPARE(QColor(row[left - 1]), QColor(Qt::white));
    QCOMPARE(QColor(row[right]), QColor(Qt::white));
    QVERIFY2(failure.isEmpty(), failure.constData());
}

void tst_HiDpi::hairline_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<qreal>("ratio");
    for (const char *what : {"menu separator", "ribbon separator", "group box", "ICD baseline"}) {
        for (qreal ratio : {1.0, 1.25, 1.5, 2.0})
            QTest::addRow("%s, %g", what, ratio) << QString::fromLatin1(what) << ratio;
    }
}

// Lines the kit draws one pixel wide stay one device pixel of the full colour at every ratio, at the
// device pixel their logical position starts at, wherever the control sits (here at an offset that is
// not a whole device pixel at 1.25 and 1.5).
void tst_HiDpi::hairline()
{
    QFETCH(QString, what);
    QFETCH(qreal, ratio);
    std::unique_ptr<QWidget> widget;
    QColor line;
    QVector<QPair<int, Qt::Orientation>> at;   // logical position across each line, and its direction
    QPoint probe;                               // logical point the cross-sections run through
    if (what == QLatin1String("menu separator")) {
        auto *menu = new TavixQMenu;
        menu->addAction(QStringLiteral("Open"));
        QAction *separator = menu->addSeparator();
        menu->addAction(QStringLiteral("Close"));
        menu->resize(menu->sizeHint());
        const QRect g = menu->actionGeometry(separator);
        line = QColor(204, 204, 204);
        at << qMakePair(g.center().y(), Qt::Horizontal);
        probe = QPoint(g.center().x(), 0);
        widget.reset(menu);
    } else if (what == QLatin1String("ribbon separator")) {
        widget.reset(new RibbonSeparator);
        widget->resize(7, 40);
        line = QColor(198, 206, 216);
        at << qMakePair(3, Qt::Vertical);
        probe = QPoint(0, 20);
    } else if (what == QLatin1String("ICD baseline")) {
        auto *chart = new TavixQICDChart;
        chart->setICDType(1);
        chart->resize(60, 60);
        line = QColor(0, 255, 0);
        at << qMakePair(40, Qt::Horizontal);
        probe = QPoint(30, 0);
        widget.reset(chart);
    } else {
        auto *box = new TavixQGroupBox;
        box->setText(QString());
        box->setLineColor(QColor(20, 120, 60));
        box->resize(50, 40);
        line = QColor(20, 120, 60);
        const int top = box->getImpl()->framePath(box->rect(), 0, box->getImpl()->captionSize().height(), 1)
                            .at(1).y();
        at << qMakePair(top, Qt::Horizontal) << qMakePair(39, Qt::Horizontal) << qMakePair(0, Qt::Vertical)
           << qMakePair(48, Qt::Vertical);
        probe = QPoint(25, 20);
        widget.reset(box);
    }
    const QPoint offset(3, 3);
    QImage image = canvas(widget->size() + QSize(6, 6), ratio);
    widget->render(&image, offset, QRegion(), QWidget::DrawChildren);
    QByteArray failure;
    for (Qt::Orientation direction : {Qt::Horizontal, Qt::Vertical}) {
        QVector<QPoint> expected;
        for (const auto &line : at) {
            if (line.second == direction)
                expected << QPoint(devicePixel(line.first + (direction == Qt::Horizontal ? offset.y() : offset.x()),
                                               ratio), 1);
        }
        if (expected.isEmpty())
            continue;
        const int through = direction == Qt::Horizontal ? devicePixel(probe.x() + offset.x() + 0.5, ratio)
                                                        : devicePixel(probe.y() + offset.y() + 0.5, ratio);
        QCOMPARE(runsText(crispRuns(across(image, through, direction), line.rgb(), &failure)), runsText(expected));
    }
    QVERIFY2(failure.isEmpty(), failure.constData());
}

void tst_HiDpi::captionNotClipped_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<qreal>("ratio");
    for (const char *what : {"qtbutton", "qtcheckbox", "qtradiobox", "qtswitch", "qtlabel", "qtcombobox",
                             "qtgroupbox", "qtprogressbar", "tab cells", "menu item", "ribbon command"}) {
        for (qreal ratio : {1.25, 1.5})
            QTest::addRow("%s, %g", what, ratio) << QString::fromLatin1(what) << ratio;
    }
}

// Under a real theme a control at its size hint shows its whole caption at fractional ratios: the ink has
// the size and amount it has in a control with room to spare, so nothing is cut, elided or pushed out.
void tst_HiDpi::captionNotClipped()
{
    QFETCH(QString, what);
    QFETCH(qreal, ratio);
    const QString theme = QFINDTESTDATA("../themes/theme1/style.json");
    QVERIFY(TavixQResourceManager::getInstance()->loadThemeDir(QFileInfo(theme).path()));
    const QString caption = QStringLiteral("Hgjy Quarterly");
    std::unique_ptr<QWidget> with(captioned(what, caption)), without(captioned(what, QString()));
    QVERIFY(with && without);
    const QSize hint = with->sizeHint();
    QVERIFY(hint.isValid());
    QRect boxes[2];
    int counts[2];
    const QSize sizes[2] = {hint, hint + QSize(80, 24)};
    for (int i = 0; i < 2; ++i) {
        with->resize(sizes[i]);
        without->resize(sizes[i]);
        boxes[i] = inkBox(renderAt(with.get(), ratio), renderAt(without.get(), ratio), &counts[i]);
    }
    QVERIFY2(!boxes[1].isEmpty(), "no caption drawn");
    const QByteArray seen = QByteArray::number(boxes[0].width()) + "x" + QByteArray::number(boxes[0].height())
                            + " at the hint " + QByteArray::number(hint.width()) + "x"
                            + QByteArray::number(hint.height()) + ", " + QByteArray::number(boxes[1].width()) + "x"
                            + QByteArray::number(boxes[1].height()) + " with room";
    // A menu lays its entries out for its own width, so what differs around the caption is not compared.
    const bool heightToo = what != QLatin1String("menu item");
    QVERIFY2(qAbs(boxes[0].width() - boxes[1].width()) <= 1
                 && (!heightToo || qAbs(boxes[0].height() - boxes[1].height()) <= 1),
             seen.constData());
    QVERIFY2(counts[0] > counts[1] * 9 / 10, seen.constData());
}

QTEST_MAIN(tst_HiDpi)
#include "tst_hidpi.moc"
