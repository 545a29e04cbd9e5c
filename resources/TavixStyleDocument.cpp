#include "resources/TavixStyleDocument.h"

#include "core/TavixJson.h"
#include "core/TavixJson_p.h"

#include <QtGlobal>

namespace TavixQtLib {

namespace {

QColor readColor(const Json::Value &object, const char *key, const char *fallback)
{
    QString text = QString::fromLatin1(fallback);
    tavixReadString(object, key, text);
    return tavixColorFromHex(text);
}

Json::Value colorValue(const QColor &color)
{
    return Json::Value(tavixColorToHex(color).toStdString());
}

int scaledMargin(int margin, float scaleFactor)
{
    // Margins follow the images, which are only ever scaled down. A negative factor would
    // turn margins negative; it acts as 0 instead. The product stays within int's range.
    if (!(scaleFactor < 1.0f))
        return margin;
    const double factor = qMax(0.0, double(scaleFactor));
    return int(double(margin) * factor);   // truncates toward zero
}

int marginAt(const Json::Value *margins, Json::ArrayIndex i)
{
    int value = 0;
    if (margins) {
        if (const Json::Value *element = tavixJsonAt(*margins, i))
            tavixJsonToInt(*element, value);
    }
    return value;
}

} // namespace

QColor tavixColorFromHex(const std::string &text)
{
    const QColor transparent = QColor::fromRgba(0);
    if (text.empty())
        return transparent;
    quint32 value = 0;
    for (char c : text) {
        const int digit = tavixHexDigit(c);
        if (digit < 0 || value > 0x0FFFFFFFu)   // not hexadecimal, or beyond 32 bits
            return transparent;
        value = (value << 4) | quint32(digit);
    }
    return QColor::fromRgba(value);
}

QColor tavixColorFromHex(const QString &text)
{
    return tavixColorFromHex(text.toStdString());
}

QString tavixColorToHex(const QColor &color)
{
    return QString::asprintf("%02X%02X%02X%02X", color.alpha(), color.red(), color.green(), color.blue());
}

int tavixStyleObjectType(const Json::Value &object)
{
    int type = 0;
    tavixReadInt(object, "type", type);
    return (type == FillStyleObject || type == TextStyleObject) ? type : 0;
}

FillStyle tavixReadFillStyleObject(const Json::Value &object, float scaleFactor)
{
    FillStyle style;
    style.valid = true;

    tavixReadString(object, "name", style.name);
    if (style.name == QLatin1String("empty"))
        style.valid = false;

    style.border = false;
    tavixReadBool(object, "border", style.border);
    style.borderSize = 1;
    tavixReadInt(object, "borderSize", style.borderSize);
    style.borderColor = readColor(object, "borderclr", "ffffffff");

    bool drawImg = true;
    tavixReadBool(object, "drawImg", drawImg);
    style.drawColor = !drawImg;

    style.color = readColor(object, "clr", "ffffffff");
    tavixReadString(object, "img", style.img);
    tavixReadInt(object, "round", style.round);

    tavixReadBool(object, "roundTopLeft", style.roundTopLeft);
    tavixReadBool(object, "roundTopRight", style.roundTopRight);
    tavixReadBool(object, "roundBottomRight", style.roundBottomRight);
    tavixReadBool(object, "roundBottomLeft", style.roundBottomLeft);
    tavixReadBool(object, "leftBorder", style.leftBorder);
    tavixReadBool(object, "rightBorder", style.rightBorder);
    tavixReadBool(object, "topBorder", style.topBorder);
    tavixReadBool(object, "bottomBorder", style.bottomBorder);
    tavixReadBool(object, "repeatLeft", style.repeatLeft);
    tavixReadBool(object, "repeatTop", style.repeatTop);
    tavixReadBool(object, "repeatRight", style.repeatRight);
    tavixReadBool(object, "repeatBottom", style.repeatBottom);
    tavixReadBool(object, "repeatCenter", style.repeatCenter);

    const Json::Value *margins = tavixJsonMember(object, "margin");
    if (margins && !margins->isArray())
        margins = nullptr;
    style.marginTop = scaledMargin(marginAt(margins, 0), scaleFactor);
    style.marginRight = scaledMargin(marginAt(margins, 1), scaleFactor);
    style.marginBottom = scaledMargin(marginAt(margins, 2), scaleFactor);
    style.marginLeft = scaledMargin(marginAt(margins, 3), scaleFactor);
    return style;
}

TextStyleDesc tavixReadTextStyleObject(const Json::Value &object)
{
    TextStyleDesc style;
    tavixReadString(object, "name", style.name);
    const QColor color = readColor(object, "clr", "ff000000");
    style.color = QColor(color.red(), color.green(), color.blue());   // text is always opaque
    tavixReadInt(object, "hor", style.hor);
    tavixReadInt(object, "ver", style.ver);
    tavixReadInt(object, "x", style.x);
    tavixReadInt(object, "y", style.y);
    tavixReadBool(object, "bold", style.bold);
    tavixReadBool(object, "underline", style.underline);
    tavixReadBool(object, "italic", style.italic);
    tavixReadBool(object, "isHor", style.isHor);
    tavixReadBool(object, "singleline", style.singleline);
    tavixReadInt(object, "size", style.size);
    tavixReadString(object, "family", style.family);
    return style;
}

Json::Value tavixWriteFillStyleObject(const FillStyle &style)
{
    Json::Value object(Json::objectValue);
    object["type"] = int(FillStyleObject);
    object["name"] = tavixJsonString(style.name);
    if (style.border)
        object["border"] = true;
    object["borderSize"] = style.borderSize;
    object["borderclr"] = colorValue(style.borderColor);
    object["drawImg"] = !style.drawColor;
    object["clr"] = colorValue(style.color);
    object["img"] = tavixJsonString(style.img);
    if (style.round != 0)
        object["round"] = style.round;

    const struct { const char *key; bool value; } corners[] = {
        {"roundTopLeft", style.roundTopLeft}, {"roundTopRight", style.roundTopRight},
        {"roundBottomRight", style.roundBottomRight}, {"roundBottomLeft", style.roundBottomLeft},
    };
    for (const auto &corner : corners) {
        if (!corner.value)
            object[corner.key] = false;
    }
    // Side flags mean nothing without a border; the reader restores them to true.
    if (style.border) {
        const struct { const char *key; bool value; } sides[] = {
            {"leftBorder", style.leftBorder}, {"rightBorder", style.rightBorder},
            {"topBorder", style.topBorder}, {"bottomBorder", style.bottomBorder},
        };
        for (const auto &side : sides) {
            if (!side.value)
                object[side.key] = false;
        }
    }
    const struct { const char *key; bool value; } repeats[] = {
        {"repeatLeft", style.repeatLeft}, {"repeatTop", style.repeatTop},
        {"repeatRight", style.repeatRight}, {"repeatBottom", style.repeatBottom},
        {"repeatCenter", style.repeatCenter},
    };
    for (const auto &repeat : repeats) {
        if (repeat.value)
            object[repeat.key] = true;
    }

    if (style.marginTop != 0 || style.marginRight != 0 || style.marginBottom != 0 || style.marginLeft != 0) {
        Json::Value margins(Json::arrayValue);
        margins.append(style.marginTop);
        margins.append(style.marginRight);
        margins.append(style.marginBottom);
        margins.append(style.marginLeft);
        object["margin"] = margins;
    }
    return object;
}

Json::Value tavixWriteTextStyleObject(const TextStyleDesc &style)
{
    Json::Value object(Json::objectValue);
    object["type"] = int(TextStyleObject);
    object["name"] = tavixJsonString(style.name);
    object["clr"] = colorValue(style.color);
    object["hor"] = style.hor;
    object["ver"] = style.ver;
    if (style.x != 0)
        object["x"] = style.x;
    if (style.y != 0)
        object["y"] = style.y;
    if (style.bold)
        object["bold"] = true;
    if (style.underline)
        object["underline"] = true;
    if (style.italic)
        object["italic"] = true;
    if (!style.isHor)
        object["isHor"] = false;
    if (!style.singleline)
        object["singleline"] = false;
    if (style.size != 12)
        object["size"] = style.size;
    object["family"] = tavixJsonString(style.family);
    return object;
}

} // namespace TavixQtLib
