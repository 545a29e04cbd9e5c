#pragma once

#include "core/TavixQWidgetBaseImpl.h"
#include "tavixqtlib_export.h"

namespace TavixQtLib {

class TAVIXQTLIB_EXPORT TavixQSpacerImpl : public TavixQWidgetBaseImpl
{
    Q_OBJECT
public:
    explicit TavixQSpacerImpl(QWidget *widget);

    // A spacer is never seen: nothing is painted.
    void paint(QPainter *painter, const QRect &rect) override;
    bool serializeJsonValue(Json::Value **node, bool read) override;

    int direction = 0;      // TavixQSpacer::Direction
    int thickness = 0;      // cross size in a container row
};

} // namespace TavixQtLib
