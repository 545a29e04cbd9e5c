#include "GallerySheet.h"

#include "GallerySamples.h"

#include "core/ControlInfo.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixTypes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWidget>
#include <QtMath>

#include <memory>

namespace TavixGallery {

using namespace TavixQtLib;

namespace {

constexpr int kMargin = 16;
constexpr int kCellPadding = 12;
constexpr int kMinCellWidth = 96;
constexpr int kTitleGap = 10;
constexpr int kHeaderGap = 6;
const QColor kSheetColor(0xFF, 0xFF, 0xFF);
const QColor kFrameColor(0xD8, 0xD8, 0xD8);
const QColor kCaptionColor(0x20, 0x20, 0x20);
const QColor kDetailColor(0x70, 0x70, 0x70);
const QColor kCheckerColor(0xEC, 0xEC, 0xEC);
constexpr int kCheckerSize = 8;

// Cells are checkered so that a control painting white still differs from one painting nothing.
void fillChecker(QPainter *painter, const QRect &rect)
{
    painter->save();
    painter->setClipRect(rect);
    painter->fillRect(rect, kSheetColor);
    for (int y = rect.top(); y <= rect.bottom(); y += kCheckerSize) {
        for (int x = rect.left() + ((y - rect.top()) / kCheckerSize % 2) * kCheckerSize; x <= rect.right();
             x += 2 * kCheckerSize)
            painter->fillRect(QRect(x, y, kCheckerSize, kCheckerSize), kCheckerColor);
    }
    painter->restore();
}

QFont titleFont()
{
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    return font;
}

// The control is painted alone: no window background, so what shows is what it paints.
void renderControl(QWidget *control, QPainter *painter, const QPoint &at)
{
    control->render(painter, at, QRegion(), QWidget::DrawChildren);
}

std::unique_ptr<QWidget> stateControl(const QString &keyword, int state, bool checked)
{
    std::unique_ptr<QWidget> control(createSampleControl(keyword));
    if (!control)
        return control;
    if (checked) {
        if (auto *button = qobject_cast<QAbstractButton *>(control.get()))
            button->setChecked(true);
    }
    // Shown off screen and settled, as in a page: scroll areas place their bars in posted layout requests.
    control->setAttribute(Qt::WA_DontShowOnScreen);
    control->show();
    QCoreApplication::sendPostedEvents();
    forceSampleState(keyword, control.get(), state);
    return control;
}

} // namespace

QVector<GalleryEntry> galleryEntries()
{
    QVector<GalleryEntry> entries;
    for (const std::string &keyword : listedTypes()) {
        const QString key = QString::fromStdString(keyword);
        const ControlInfo *info = tavixGetControlInfo(key);
        entries.append({key, info ? QString::fromStdString(info->displayName) : key});
    }
    for (const GallerySample &row : gallerySamples()) {
        if (row.create && listedTypes().count(row.keyword) == 0) {
            entries.append({QString::fromUtf8(row.keyword),
                            QString::fromUtf8(row.displayName ? row.displayName : row.keyword)});
        }
    }
    return entries;
}

QWidget *createSampleControl(const QString &keyword)
{
    const GallerySample *row = findSample(keyword);
    QWidget *control = (row && row->create) ? row->create()
                                            : tavixCreateControlByKeyword(keyword.toUtf8().constData(), nullptr);
    if (!control)
        return nullptr;
    control->resize(sampleSize(keyword));
    if (row && row->setup)
        row->setup(control);
    else
        applyGenericSample(control);
    return control;
}

bool hasCheckedVariant(const QWidget *control)
{
    const auto *button = qobject_cast<const QAbstractButton *>(control);
    return button && button->isCheckable();
}

QString stateName(int state)
{
    static const char *const names[] = {"Normal", "Hot", "Pressed", "Disable"};
    return QString::fromLatin1(names[tavixStateIndex(state)]);
}

QImage renderSampleCell(const QString &keyword, int state, bool checked, qreal ratio)
{
    std::unique_ptr<QWidget> control = stateControl(keyword, state, checked);
    if (!control)
        return QImage();
    ratio = qBound<qreal>(1.0, ratio, 8.0);
    QImage image(control->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    fillChecker(&painter, QRect(QPoint(0, 0), control->size()));
    renderControl(control.get(), &painter, QPoint());
    return image;
}

QImage renderSheet(const GalleryEntry &entry, const QString &lookName, qreal ratio)
{
    std::unique_ptr<QWidget> probe(createSampleControl(entry.keyword));
    if (!probe)
        return QImage();
    const bool checkable = hasCheckedVariant(probe.get());
    const QSize controlSize = probe->size();
    probe.reset();

    const QFont plain = QApplication::font();
    const QFont title = titleFont();
    const QFontMetrics plainMetrics(plain);
    const QFontMetrics titleMetrics(title);
    const QString detail = QStringLiteral("%1 · %2").arg(entry.keyword, lookName);
    const QString rowNames[] = {QStringLiteral("Unchecked"), QStringLiteral("Checked")};
    const int variants = checkable ? 2 : 1;

    const int labelWidth = checkable ? plainMetrics.horizontalAdvance(rowNames[0]) + kCellPadding : 0;
    const int cellWidth = qMax(kMinCellWidth, controlSize.width() + 2 * kCellPadding);
    const int cellHeight = controlSize.height() + 2 * kCellPadding;
    const int titleHeight = titleMetrics.height();
    const int headerHeight = plainMetrics.height();
    const int gridTop = kMargin + titleHeight + kTitleGap + headerHeight + kHeaderGap;
    const int gridLeft = kMargin + labelWidth;
    const int titleWidth = titleMetrics.horizontalAdvance(entry.displayName) + kCellPadding
                           + plainMetrics.horizontalAdvance(detail);
    const int width = qMax(gridLeft + 4 * cellWidth, kMargin + titleWidth) + kMargin;
    const int height = gridTop + variants * cellHeight + kMargin;

    // Painted at the ratio throughout: the controls draw themselves for that device, not enlarged afterwards.
    ratio = qBound<qreal>(1.0, ratio, 8.0);
    QImage sheet(qCeil(width * ratio), qCeil(height * ratio), QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(ratio);
    sheet.fill(kSheetColor);
    QPainter painter(&sheet);

    // Caption row: display name, then keyword and look in a lighter tone.
    painter.setFont(title);
    painter.setPen(kCaptionColor);
    const QRect titleRect(kMargin, kMargin, width - 2 * kMargin, titleHeight);
    painter.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter, entry.displayName);
    painter.setFont(plain);
    painter.setPen(kDetailColor);
    painter.drawText(titleRect.adjusted(titleMetrics.horizontalAdvance(entry.displayName) + kCellPadding, 0, 0, 0),
                     Qt::AlignLeft | Qt::AlignVCenter, detail);

    const int headerTop = kMargin + titleHeight + kTitleGap;
    painter.setPen(kCaptionColor);
    for (int s = Normal; s <= Disable; ++s) {
        painter.drawText(QRect(gridLeft + s * cellWidth, headerTop, cellWidth, headerHeight), Qt::AlignCenter,
                         stateName(s));
    }

    for (int v = 0; v < variants; ++v) {
        const int top = gridTop + v * cellHeight;
        if (checkable) {
            painter.setPen(kCaptionColor);
            painter.drawText(QRect(kMargin, top, labelWidth, cellHeight), Qt::AlignLeft | Qt::AlignVCenter,
                             rowNames[v]);
        }
        for (int s = Normal; s <= Disable; ++s) {
            const QRect cell(gridLeft + s * cellWidth, top, cellWidth, cellHeight);
            fillChecker(&painter, cell);
            painter.setPen(kFrameColor);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
            std::unique_ptr<QWidget> control = stateControl(entry.keyword, s, v == 1);
            if (!control)
                continue;
            // Centred in its cell; render() leaves the painter as it found it.
            const QPoint at(cell.left() + (cellWidth - controlSize.width()) / 2, cell.top() + kCellPadding);
            renderControl(control.get(), &painter, at);
        }
    }
    return sheet;
}

// One row per control: its sheet, and beside it a live instance to hover and press.
QWidget *createGalleryWindow(const QString &lookName)
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    grid->setColumnStretch(2, 1);
    int row = 0;
    for (const GalleryEntry &entry : galleryEntries()) {
        auto *sheet = new QLabel;
        sheet->setPixmap(QPixmap::fromImage(renderSheet(entry, lookName, sheet->devicePixelRatioF())));
        grid->addWidget(sheet, row, 0, Qt::AlignTop | Qt::AlignLeft);
        auto *live = new QVBoxLayout;
        live->addWidget(new QLabel(QStringLiteral("Try it")));
        if (QWidget *control = createSampleControl(entry.keyword)) {
            control->setFixedSize(control->size());
            live->addWidget(control);
        }
        live->addStretch();
        grid->addLayout(live, row, 1);
        ++row;
    }
    grid->setRowStretch(row, 1);

    auto *window = new QScrollArea;
    window->setWidget(page);
    window->setWindowTitle(QStringLiteral("TavixQtLib gallery: %1").arg(lookName));
    window->resize(1280, 800);
    return window;
}

} // namespace TavixGallery
