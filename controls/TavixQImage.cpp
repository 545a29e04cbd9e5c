#include "controls/TavixQImage.h"

#include "controls/TavixQImageImpl.h"

#include <QLabel>
#include <QMovie>
#include <QPointer>

namespace TavixQtLib {

TAVIX_DEFINE_CONTROL(TavixQImage, "qtpicture")

TavixQImage::TavixQImage(QWidget *parent)
    : QWidget(parent)
{
    m_impl = new TavixQImageImpl(this);
    m_impl->applyTheme();
}

TavixQImage::~TavixQImage()
{
    tavixDestroyImpl(this, m_impl);
}

ControlInfo TavixQImage::getProps()
{
    ControlInfo info;
    info.typeName = typeName();
    info.className = "TavixQImage";
    info.displayName = "Image";
    info.description = "Control Image";
    info.iconName = "picture";
    info.properties = tavixCommonPropertyDefs();

    PropertyDef path = tavixPropertyDef(QStringLiteral("ImagePath"), ImagePath);
    path.setString = tavixBindAccessor(&TavixQImage::setImagePath);
    path.getString = tavixBindAccessor(&TavixQImage::getImagePath);
    info.properties.push_back(path);

    PropertyDef stretch = tavixPropertyDef(QStringLiteral("Stretch"), Bool);
    stretch.setBool = tavixBindAccessor(&TavixQImage::setStretchDraw);
    stretch.getBool = tavixBindAccessor(&TavixQImage::getStretchDraw);
    info.properties.push_back(stretch);
    return info;
}

void TavixQImage::setImagePath(const QString &path)
{
    m_impl->setPath(path);
    update();
}

const QString &TavixQImage::getImagePath() const
{
    return m_impl->imagePath;
}

void TavixQImage::setSvgPath(const QString &path)
{
    m_impl->deleteMovie();
    m_impl->svgPath = path;
    m_impl->imagePath.clear();
    m_impl->image = nullptr;
    update();
}

const QString &TavixQImage::getSvgPath() const
{
    return m_impl->svgPath;
}

void TavixQImage::setImage(const QImage *image)
{
    m_impl->image = image;
    m_impl->svgPath.clear();
    update();
}

const QImage *TavixQImage::getImage() const
{
    return m_impl->image;
}

// Stretch and alignment take effect at the next repaint, so a caller can set both before one update.
void TavixQImage::setStretchDraw(bool stretch)
{
    m_impl->stretch = stretch;
}

bool TavixQImage::getStretchDraw() const
{
    return m_impl->stretch;
}

void TavixQImage::setAlignType(DockLayoutType hor, DockLayoutType ver)
{
    m_impl->horAlign = hor;
    m_impl->verAlign = ver;
}

void TavixQImage::setSvgColor(const QColor &color)
{
    m_impl->svgColor = color;
    m_impl->useSvgColor = true;
    update();
}

QColor TavixQImage::getSvgColor() const
{
    return m_impl->svgColor;
}

void TavixQImage::setUseSvgColor(bool use)
{
    if (m_impl->useSvgColor == use)
        return;
    m_impl->useSvgColor = use;
    update();
}

bool TavixQImage::getUseSvgColor() const
{
    return m_impl->useSvgColor;
}

void TavixQImage::loadGif(const QString &path)
{
    m_impl->imagePath.clear();
    m_impl->svgPath.clear();
    m_impl->image = nullptr;
    m_impl->startMovie(path);
    update();
}

void TavixQImage::startAnimate()
{
    if (m_impl->movie)
        m_impl->movie->start();
}

void TavixQImage::stopAnimate()
{
    if (m_impl->movie)
        m_impl->movie->stop();
}

void TavixQImage::paintEvent(QPaintEvent *event)
{
    if (m_impl)
        m_impl->paintEvent(event);
}

// Any button, anywhere over the widget, is a click.
void TavixQImage::mouseReleaseEvent(QMouseEvent *event)
{
    QPointer<TavixQImage> alive(this);
    QWidget::mouseReleaseEvent(event);
    if (alive && m_impl)
        m_impl->mouseReleaseEvent(event);
    if (alive)
        emit clicked();
}

void TavixQImage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_impl && m_impl->movieLabel)
        m_impl->movieLabel->setGeometry(rect());
}

} // namespace TavixQtLib
