#include "controls/TavixQSpacerImpl.h"

#include "controls/TavixQSpacer.h"
#include "core/TavixJson.h"
#include "core/TavixNodeEntries.h"

#include <json/value.h>

namespace TavixQtLib {

TavixQSpacerImpl::TavixQSpacerImpl(QWidget *widget)
    : TavixQWidgetBaseImpl(widget, QString::fromLatin1(TavixQSpacer::typeName()))
{
}

void TavixQSpacerImpl::paint(QPainter *, const QRect &)
{
}

bool TavixQSpacerImpl::serializeJsonValue(Json::Value **node, bool read)
{
    const bool result = TavixQWidgetBaseImpl::serializeJsonValue(node, read);
    if (!node || !*node)
        return result;

    if (read) {
        const Json::Value *attr = tavixAttrNode(**node);
        if (!attr)
            return result;
        auto *spacer = qobject_cast<TavixQSpacer *>(widget);
        int value = 0;
        // Through the setters, so that a parent container makes room for the new values.
        if (tavixReadInt(*attr, "direction", value)) {
            if (spacer)
                spacer->setDirection(TavixQSpacer::Direction(value));
            else
                direction = (value >= 0 && value <= 2) ? value : 0;
        }
        if (tavixReadInt(*attr, "thickness", value)) {
            if (spacer)
                spacer->setThickness(value);
            else
                thickness = qBound(0, value, int(QWIDGETSIZE_MAX));
        }
        return result;
    }

    tavixWriteAttrInt(**node, "direction", direction, 0);
    tavixWriteAttrInt(**node, "thickness", thickness, 0);
    return result;
}

} // namespace TavixQtLib
