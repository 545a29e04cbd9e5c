#include "DemoFactories.h"

#include "controls/TavixQLabel.h"
#include "core/TavixLibrary.h"
#include "resources/TextStyleDesc.h"

#include <QVariant>

using namespace TavixQtLib;

namespace TavixDemo {

namespace {

// The factory's own style is kept on the label so a theme change can be undone per label.
const char *const kOwnColor = "demoLabelColor";
const char *const kOwnSize = "demoLabelSize";
const char *const kOwnBold = "demoLabelBold";
const char *const kOwnWrap = "demoLabelWrap";
const char *const kOwnCentered = "demoLabelCentered";
const char *const kPinned = "demoLabelPinned";

void applyOwnStyle(TavixQLabel *label, bool dark)
{
    const QColor own = label->property(kOwnColor).value<QColor>();
    const QColor color = dark && !label->property(kPinned).toBool() ? darkVariant(own) : own;
    TextStyleDesc style;
    style.family = tavixGetGlobalFontFamily();
    style.size = label->property(kOwnSize).toInt();
    style.bold = label->property(kOwnBold).toBool();
    style.color = color;
    style.singleline = !label->property(kOwnWrap).toBool();
    if (label->property(kOwnCentered).toBool())
        style.hor = 1;
    label->setTextStyle(Normal, style);
    label->setColor(color);
}

} // namespace

FillStyle makeFill(const QColor &fill, int radius, const QColor &border, int borderWidth)
{
    FillStyle style;
    style.valid = true;
    style.drawColor = true;
    style.color = fill;
    style.gradientColor = fill;
    style.round = radius;
    style.borderSize = borderWidth;
    style.border = borderWidth > 0;
    style.borderColor = borderWidth > 0 ? border : fill;
    style.leftBorder = style.topBorder = style.rightBorder = style.bottomBorder = true;
    style.roundTopLeft = style.roundTopRight = style.roundBottomRight = style.roundBottomLeft = true;
    return style;
}

FillStyle transparentFill()
{
    return makeFill(QColor(0, 0, 0, 0));
}

TavixQLabel *makeLabel(QWidget *parent, const QString &text, const QColor &color, int size, bool bold)
{
    auto *label = new TavixQLabel(parent);
    label->setText(text);
    label->setProperty(kOwnColor, color);
    label->setProperty(kOwnSize, size);
    label->setProperty(kOwnBold, bold);
    applyOwnStyle(label, false);
    label->setWidthPolicy(PolicyExpanding);
    label->setHeightPolicy(PolicyExpanding);
    return label;
}

void setLabelWrap(TavixQLabel *label, bool wrap)
{
    label->setProperty(kOwnWrap, wrap);
    applyOwnStyle(label, false);
}

void setLabelCentered(TavixQLabel *label)
{
    label->setProperty(kOwnCentered, true);
    applyOwnStyle(label, false);
}

void pinLabelColor(TavixQLabel *label)
{
    label->setProperty(kPinned, true);
}

void adaptLabels(QWidget *root, bool dark)
{
    if (!root)
        return;
    for (TavixQLabel *label : root->findChildren<TavixQLabel *>()) {
        if (label->property(kOwnColor).isValid())
            applyOwnStyle(label, dark);
    }
}

QColor darkVariant(const QColor &color)
{
    // Mirror the lightness into the upper range: strong text becomes near white, muted text a light
    // grey, accents a pastel of the same hue. On a background darker than 20 % lightness every result
    // stays above 4.5:1.
    const QColor hsl = color.toHsl();
    const qreal l = hsl.lightnessF();
    const qreal mirrored = 0.62 + (1.0 - l) * 0.34;
    return QColor::fromHslF(hsl.hslHueF() < 0 ? 0 : hsl.hslHueF(), hsl.hslSaturationF() * 0.8, mirrored,
                            color.alphaF());
}

} // namespace TavixDemo
