#pragma once

#include "core/TavixQWidgetBaseImpl.h"
#include "resources/FillStyle.h"
#include "tavixqtlib_export.h"

#include <QColor>
#include <QString>

namespace TavixQtLib {

class TavixQLCDNumber;

class TAVIXQTLIB_EXPORT TavixQLCDNumberImpl : public TavixQWidgetBaseImpl
{
    Q_OBJECT
public:
    static constexpr int kMaxDigits = 99;   // QLCDNumber's own limit

    explicit TavixQLCDNumberImpl(TavixQLCDNumber *lcd);

    // The background through paint(), then QLCDNumber's frame and digits over it.
    void paintEvent(QPaintEvent *event) override;
    void paint(QPainter *painter, const QRect &rect) override;
    bool serializeJsonValue(Json::Value **node, bool read) override;

    // Puts color into the palette QLCDNumber draws the digits with; an invalid colour changes nothing.
    void applyColor();

    TavixQLCDNumber *lcd = nullptr;
    QColor color;           // digits; invalid until set
    FillStyle background;   // one for all states
    QString numText;        // the text last given to setNumText
    double numTextValue = 0.0;
    bool hasNumText = false;
};

} // namespace TavixQtLib
