#pragma once

#include "core/TavixQWidgetBaseImpl.h"
#include "resources/FillStyle.h"
#include "resources/IconStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QRect>
#include <QString>

namespace TavixQtLib {

class TavixQScrollBar;

// Private side of TavixQScrollBar: per-part styles, icons and the states of the arrow buttons and thumb.
class TAVIXQTLIB_EXPORT TavixQScrollBarImpl : public TavixQWidgetBaseImpl
{
public:
    enum Part : int { UpPart = 0, DownPart = 1, ThumbPart = 2 };

    explicit TavixQScrollBarImpl(TavixQScrollBar *bar);

    void paint(QPainter *painter, const QRect &rect) override;
    bool serializeJsonValue(Json::Value **node, bool read) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

    // The style's rectangle of a part on the bar as it is now.
    QRect partRect(Part part) const;
    int partState(Part part) const;

    FillStyle background;
    int thumbState = Normal;
    FillStyle upButton[4];
    int downState = Normal;
    FillStyle downButton[4];
    int upState = Normal;
    FillStyle thumb[4];
    QString upIcon;
    QString downIcon;
    QString thumbIcon;
    bool horizontal = false;
    IconStyleDesc upIconStyle;
    IconStyleDesc downIconStyle;
    int widthHeight = -1;

private:
    void setPartState(Part part, int value);

    TavixQScrollBar *bar = nullptr;
};

} // namespace TavixQtLib
