#include "resources/FillStyle.h"

namespace TavixQtLib {

bool FillRes::operator==(const FillRes &other) const
{
    return reserved0 == other.reserved0
        && reserved1 == other.reserved1
        && color == other.color
        && gradientColor == other.gradientColor
        && borderColor == other.borderColor
        && gradient == other.gradient
        && round == other.round
        && borderSize == other.borderSize
        && reserved2 == other.reserved2
        && border == other.border
        && leftBorder == other.leftBorder
        && topBorder == other.topBorder
        && rightBorder == other.rightBorder
        && bottomBorder == other.bottomBorder
        && roundTopLeft == other.roundTopLeft
        && roundTopRight == other.roundTopRight
        && roundBottomRight == other.roundBottomRight
        && roundBottomLeft == other.roundBottomLeft;
}

bool ImageDesc::operator==(const ImageDesc &other) const
{
    return img == other.img
        && marginLeft == other.marginLeft
        && marginRight == other.marginRight
        && marginTop == other.marginTop
        && marginBottom == other.marginBottom
        && repeatLeft == other.repeatLeft
        && repeatRight == other.repeatRight
        && repeatTop == other.repeatTop
        && repeatBottom == other.repeatBottom
        && repeatCenter == other.repeatCenter;
}

bool FillStyle::operator==(const FillStyle &other) const
{
    return FillRes::operator==(other)
        && ImageDesc::operator==(other)
        && isTextStyle == other.isTextStyle
        && name == other.name
        && valid == other.valid
        && drawColor == other.drawColor
        && reserved3 == other.reserved3;
}

} // namespace TavixQtLib
