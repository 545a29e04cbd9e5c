#pragma once

#include "core/TavixControlDeclare.h"
#include "core/TavixTypes.h"
#include "tavixqtlib_export.h"

#include <QColor>
#include <QWidget>

class QImage;

namespace TavixQtLib {

class TavixQImageImpl;

// One picture: a bitmap from the resource manager or the caller, an SVG (optionally tinted), or an
// animated GIF; stretched over the widget or shown at its natural size.
class TAVIXQTLIB_EXPORT TavixQImage : public QWidget, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQImage)
public:
    explicit TavixQImage(QWidget *parent = nullptr);
    ~TavixQImage() override;

    // A path ending in ".svg" (any case) is drawn as SVG. Stops a running movie.
    void setImagePath(const QString &path);
    const QString &getImagePath() const;
    void setSvgPath(const QString &path);
    const QString &getSvgPath() const;
    // Not owned: the caller keeps it alive while it is shown. Takes priority over the image path.
    void setImage(const QImage *image);
    const QImage *getImage() const;
    void setStretchDraw(bool stretch);
    bool getStretchDraw() const;
    // Placement at natural size; values outside 0..2 place at the left or top.
    void setAlignType(DockLayoutType hor, DockLayoutType ver);
    // Setting a colour also turns tinting on.
    void setSvgColor(const QColor &color);
    QColor getSvgColor() const;
    void setUseSvgColor(bool use);
    bool getUseSvgColor() const;
    // Plays an animated picture from the resource sets or the disk over the whole widget.
    void loadGif(const QString &path);
    void startAnimate();
    void stopAnimate();

signals:
    void movieFinished();
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
};

} // namespace TavixQtLib
