#include "controls/TavixQImageImpl.h"

#include "controls/TavixQImage.h"
#include "core/TavixJson.h"
#include "core/TavixNodeEntries.h"
#include "resources/TavixPainting.h"
#include "resources/TavixQResourceManager.h"
#include "resources/TavixStyleDocument.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QMovie>
#include <QPainter>
#include <QSvgRenderer>
#include <QtMath>

#include <json/value.h>

#include <algorithm>

namespace TavixQtLib {

namespace {

const QString kDefaultSvgColor = QStringLiteral("FF000000");

// The "@Nx" animation beside path for a high-DPI screen, as for still images; path itself when none.
QString animationForRatio(TavixQResourceManager *resources, const QString &path, qreal ratio)
{
    for (int n = std::min(qCeil(ratio), 9); n > 1 && !path.isEmpty(); --n) {
        const QString variant = TavixQResourceManager::atNxName(path, n);
        const char *data = nullptr;
        unsigned size = 0;
        ResSourceType from = SourceDefault;
        if (resources->getResource(variant, data, size, from) || QFileInfo(variant).isFile())
            return variant;
    }
    return path;
}

// Offset of content of length content inside length for alignment 0, 1, 2 (other values: 0).
int alignOffset(int align, int length, int content)
{
    const qint64 free = qint64(length) - content;
    if (align == 1)
        return int(free / 2);
    if (align == 2)
        return int(qBound(qint64(INT_MIN), free, qint64(INT_MAX)));
    return 0;
}

} // namespace

TavixQImageImpl::TavixQImageImpl(TavixQImage *owner)
    : TavixQWidgetBaseImpl(owner, QString::fromLatin1(TavixQImage::typeName()))
    , owner(owner)
{
}

TavixQImageImpl::~TavixQImageImpl()
{
    deleteMovie();   // the label is the widget's child and goes with it
}

QRect TavixQImageImpl::placement(const QRect &rect, const QSize &content) const
{
    const int w = widget->width();
    const int h = widget->height();
    if (stretch)
        return QRect(rect.left(), rect.top(), w, h);
    return QRect(rect.left() + alignOffset(horAlign, w, content.width()),
                 rect.top() + alignOffset(verAlign, h, content.height()), content.width(), content.height());
}

void TavixQImageImpl::setPath(const QString &path)
{
    deleteMovie();
    imagePath = path;
    if (isSvgPath(path))
        svgPath = path;
    else
        svgPath.clear();
}

void TavixQImageImpl::deleteMovie()
{
    if (movie) {
        // movieFinished() is emitted from the movie's own frame signal, and a slot may replace the
        // picture: the movie must outlive that emission.
        movie->disconnect(this);
        movie->stop();
        movie->deleteLater();
        movie = nullptr;
    }
    if (movieLabel) {
        movieLabel->setMovie(nullptr);
        movieLabel->hide();
    }
    lastFrame = -1;
}

void TavixQImageImpl::startMovie(const QString &named)
{
    deleteMovie();
    // Animations held by a resource set (a zipped theme, for one) play from a copy of their bytes.
    TavixQResourceManager *resources = TavixQResourceManager::getInstance();
    // The label stretches frames over the widget, so a larger variant only adds detail.
    const QString path = animationForRatio(resources, named, widget->devicePixelRatioF());
    const char *data = nullptr;
    unsigned size = 0;
    ResSourceType from = SourceDefault;
    auto *device = new QBuffer;
    if (!path.isEmpty() && resources->getResource(path, data, size, from) && size <= unsigned(INT_MAX))
        device->setData(data, int(size));
    // Every frame is decoded into a picture of the animation's declared screen size: bound it first.
    QImageReader probe;
    if (device->size() > 0 && device->open(QIODevice::ReadOnly))
        probe.setDevice(device);
    else
        probe.setFileName(path);
    const bool allowed = resources->isImageSizeAllowed(probe.size());
    probe.setDevice(nullptr);
    device->close();
    if (!allowed) {
        delete device;
        return;
    }
    if (device->size() > 0) {
        movie = new QMovie;
        device->setParent(movie);
        movie->setDevice(device);
    } else {
        delete device;
        movie = new QMovie(path);
    }
    connect(movie, &QMovie::frameChanged, this, &TavixQImageImpl::noteFrame);
    if (!movieLabel)
        movieLabel = new QLabel(widget);
    movieLabel->setGeometry(0, 0, widget->width(), widget->height());
    movieLabel->setScaledContents(true);
    movieLabel->setMovie(movie);
    movieLabel->show();
    movie->start();
}

void TavixQImageImpl::noteFrame(int frame)
{
    if (!movie || frame == lastFrame)
        return;
    lastFrame = frame;
    if (frame == movie->frameCount() - 1)
        emit owner->movieFinished();
}

void TavixQImageImpl::paintEvent(QPaintEvent *event)
{
    TavixQWidgetBaseImpl::paintEvent(event);
    if (movie)
        noteFrame(movie->currentFrameNumber());
}

void TavixQImageImpl::paint(QPainter *painter, const QRect &rect)
{
    TavixQResourceManager *resources = TavixQResourceManager::getInstance();
    if (svgPath.isEmpty()) {
        const QImage *picture = image ? image : resources->getImage(imagePath, false);
        if (!picture || picture->isNull())
            return;
        const QRect target = placement(rect, picture->size());
        // Placed by the 1x picture; a theme's "@2x" variant supplies the pixels on a high-DPI device.
        const QImage *pixels = image ? nullptr : tavixImageForPainter(painter, imagePath, false);
        if (pixels && !pixels->isNull() && pixels->devicePixelRatioF() != 1)
            tavixDrawImageInto(painter, stretch ? QRectF(target) : QRectF(target.topLeft(), picture->size()), *pixels);
        else if (stretch)
            painter->drawImage(target, *picture);
        else
            painter->drawImage(target.topLeft(), *picture);
        return;
    }

    QSvgRenderer *renderer = resources->getSvgRenderer(svgPath);
    if (!renderer || !renderer->isValid())
        return;
    // An SVG may declare any natural size; it is clamped like a raster image's and drawn at that size.
    QSize size = resources->boundedImageSize(renderer->defaultSize());
    if (!size.isValid())
        size = QSize(qMax(widget->width(), 1), qMax(widget->height(), 1));
    const QRect target = placement(rect, size);
    if (target.isEmpty())
        return;
    if (!useSvgColor) {
        renderer->render(painter, target);
        return;
    }
    // Only the part inside the widget is tinted: an SVG may declare a size far beyond any screen.
    const QRect visible = target.intersected(QRect(rect.topLeft(), widget->size()));
    if (visible.isEmpty())
        return;
    // Tinted at the painter's pixel ratio, so that a high-DPI screen gets the vector's own detail.
    const qreal ratio = tavixPainterPixelRatio(painter);
    QImage tinted(qCeil(visible.width() * ratio), qCeil(visible.height() * ratio), QImage::Format_ARGB32_Premultiplied);
    if (tinted.isNull())
        return;
    tinted.setDevicePixelRatio(ratio);
    tinted.fill(Qt::transparent);
    {
        QPainter layer(&tinted);
        layer.translate(-visible.topLeft());
        renderer->render(&layer, target);
        layer.resetTransform();
        layer.setCompositionMode(QPainter::CompositionMode_SourceIn);
        layer.fillRect(QRectF(0, 0, tinted.width() / ratio, tinted.height() / ratio), svgColor);
    }
    tavixDrawImageInto(painter, QRectF(visible), tinted);
}

bool TavixQImageImpl::serializeJsonValue(Json::Value **node, bool read)
{
    const bool result = TavixQWidgetBaseImpl::serializeJsonValue(node, read);
    if (!node || !*node)
        return result;
    Json::Value &value = **node;

    if (read) {
        if (const Json::Value *attr = tavixAttrNode(value)) {
            QString path;
            if (tavixReadString(*attr, "path", path)) {
                imagePath = path;
                if (isSvgPath(path))
                    svgPath = path;
            }
            tavixReadBool(*attr, "fill", stretch);
            tavixReadString(*attr, "svgPath", svgPath);
            tavixReadBool(*attr, "svgUseColor", useSvgColor);
            // Hexadecimal AARRGGBB; the picture's tint is always opaque. Other text keeps the colour.
            QString color;
            if (tavixReadString(*attr, "svgColor", color)) {
                bool ok = false;
                const uint number = color.trimmed().toUInt(&ok, 16);
                if (ok)
                    svgColor = QColor(int((number >> 16) & 0xFF), int((number >> 8) & 0xFF), int(number & 0xFF));
            }
        }
        widget->update();
        return result;
    }

    tavixWriteAttrString(value, "path", svgPath.isEmpty() ? imagePath : QString());
    tavixWriteAttrBool(value, "fill", stretch, true);
    tavixWriteAttrString(value, "svgPath", svgPath);
    tavixWriteAttrBool(value, "svgUseColor", useSvgColor, false);
    tavixWriteAttrString(value, "svgColor", tavixColorToHex(svgColor), kDefaultSvgColor);
    return result;
}

} // namespace TavixQtLib
