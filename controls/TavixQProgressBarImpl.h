#pragma once

#include "core/TavixQWidgetBaseImpl.h"
#include "resources/FillStyle.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QPolygonF>
#include <QRect>
#include <QString>

namespace TavixQtLib {

class TavixQProgressBar;

// Private side of TavixQProgressBar: styles, the text switch and the wedge mode.
class TAVIXQTLIB_EXPORT TavixQProgressBarImpl : public TavixQWidgetBaseImpl
{
public:
    explicit TavixQProgressBarImpl(TavixQProgressBar *owner);

    void paint(QPainter *painter, const QRect &rect) override;
    bool serializeJsonValue(Json::Value **node, bool read) override;

    // Share of the range the value has reached, 0..1. An empty range, and Qt's reset value below the
    // minimum, count as nothing done.
    double fraction() const;
    // The filled bar in rect for a fraction f: from the left, or from the bottom when vertical.
    QRect filledRect(const QRect &rect, double f) const;
    // The wedge's outline for a fraction f: the centre, one point per whole degree swept, the centre.
    QPolygonF wedge(const QRect &rect, double f) const;
    // "40%": the fraction in whole percent.
    QString percentText() const;

    bool isCircle = false;
    int circleStartAngle = 1;
    int circleEndAngle = 361;
    bool showText = false;
    TextStyleDesc textStyle;
    FillStyle background;
    FillStyle foreground;

private:
    TavixQProgressBar *bar = nullptr;
};

} // namespace TavixQtLib
