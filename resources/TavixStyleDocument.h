#pragma once

// Conversion between style records and the objects of a style document ({"style": [ ... ]}).
// Colours are text of hexadecimal digits read as one number AARRGGBB; written as eight upper-case digits.

#include "resources/FillStyle.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <json/value.h>

#include <QColor>
#include <QString>

#include <string>

namespace TavixQtLib {

enum StyleObjectType : int {
    FillStyleObject = 1,
    TextStyleObject = 2
};

// Text that is not hexadecimal reads as 0 (transparent black); six digits give alpha 0.
// Only digits are accepted (no "#", "0x" or spaces); a value beyond 32 bits is not a colour and reads as 0.
TAVIXQTLIB_EXPORT QColor tavixColorFromHex(const std::string &text);
TAVIXQTLIB_EXPORT QColor tavixColorFromHex(const QString &text);
TAVIXQTLIB_EXPORT QString tavixColorToHex(const QColor &color);   // "AARRGGBB"

// The "type" of a style object: 1, 2, or 0 when absent or anything else.
TAVIXQTLIB_EXPORT int tavixStyleObjectType(const Json::Value &object);
// Reads one object, converting values by the JSON library's rules (see tavixJsonToInt); a value it
// cannot convert reads as absent. Margins are multiplied by scaleFactor when it is below 1.0.
TAVIXQTLIB_EXPORT FillStyle tavixReadFillStyleObject(const Json::Value &object, float scaleFactor);
TAVIXQTLIB_EXPORT TextStyleDesc tavixReadTextStyleObject(const Json::Value &object);
TAVIXQTLIB_EXPORT Json::Value tavixWriteFillStyleObject(const FillStyle &style);
TAVIXQTLIB_EXPORT Json::Value tavixWriteTextStyleObject(const TextStyleDesc &style);

} // namespace TavixQtLib
