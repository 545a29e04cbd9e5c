#include "resources/TextStyleDesc.h"

namespace TavixQtLib {

QString tavixDefaultFontFamily()
{
    // Widely installed on Linux desktops; fontconfig substitutes a close match where it is missing.
    return QStringLiteral("DejaVu Sans");
}

bool TextStyleDesc::operator==(const TextStyleDesc &other) const
{
    return isTextStyle == other.isTextStyle
        && name == other.name
        && bold == other.bold
        && italic == other.italic
        && reserved0 == other.reserved0
        && size == other.size
        && underline == other.underline
        && reserved1 == other.reserved1
        && family == other.family
        && color == other.color
        && x == other.x
        && y == other.y
        && isHor == other.isHor
        && singleline == other.singleline
        && hor == other.hor
        && ver == other.ver
        && elideMode == other.elideMode;
}

} // namespace TavixQtLib
