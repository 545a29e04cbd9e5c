#include "resources/TavixStyleDocument.h"

#include "core/TavixJson.h"

#include <QtGlobal>

namespace TavixQtLib {

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Keys are converted by the JSON library's rules (null reads as false, 0 or "", reals truncate, numbers
// become text); a value it cannot convert reads as absent, so the reader's default applies.
void readBool(const Json::Value &object, const char *key, bool &out)
{
    if (const Json::Value *value = tavixJsonMember(object, key))
        tavixJsonToBool(*value, out);
}

void readInt(const Json::Value &object, const char *key, int &out)
{
    if (const Json::Value *value = tavixJsonMember(object, key))
        tavixJsonToInt(*value, out);
}

void readString(const Json::Value &object, const char *key, QString &out)
{
    if (const Json::Value *value = tavixJsonMember(object, key))
        tavixJsonToString(*value, out);
}

QColor readColor(const Json::Value &object, const char *key, const char *fallback)
{
    QString text = QString::fromLatin1(fallback);
    readString(object, key, text);
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
        const int digit = hexDigit(c);
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
    readInt(object, "type", type);
    return (type == FillStyleObject || type == TextStyleObject) ? type : 0;
}

FillStyle tavixReadFillStyleObject(const Json::Value &object, float scaleFactor)
{
    FillStyle style;
    style.valid = true;

    readString(object, "name", style.name);
    if (style.name == QLatin1String("empty"))
        style.valid = false;

    style.border = false;
    readBool(object, "border", style.border);
    style.borderSize = 1;
    readInt(object, "borderSize", style.borderSize);
    style.borderColor = readColor(object, "borderclr", "ffffffff");

    bool drawImg = true;
    readBool(object, "drawImg", drawImg);
    style.drawColor = !drawImg;

    style.color = readColor(object, "clr", "ffffffff");
    readString(object, "img", style.img);
    readInt(object, "round", style.round);

    readBool(object, "roundTopLeft", style.roundTopLeft);
    readBool(object, "roundTopRight", style.roundTopRight);
    readBool(object, "roundBottomRight", style.roundBottomRight);
    readBool(object, "roundBottomLeft", style.roundBottomLeft);
    readBool(object, "leftBorder", style.leftBorder);
    readBool(object, "rightBorder", style.rightBorder);
    readBool(object, "topBorder", style.topBorder);
    readBool(object, "bottomBorder", style.bottomBorder);
    readBool(object, "repeatLeft", style.repeatLeft);
    readBool(object, "repeatTop", style.repeatTop);
    readBool(object, "repeatRight", style.repeatRight);
    readBool(object, "repeatBottom", style.repeatBottom);
    readBool(object, "repeatCenter", style.repeatCenter);

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
    readString(object, "name", style.name);
    const QColor color = readColor(object, "clr", "ff000000");
    style.color = QColor(color.red(), color.green(), color.blue());   // text is always opaque
    readInt(object, "hor", style.hor);
    readInt(object, "ver", style.ver);
    readInt(object, "x", style.x);
    readInt(object, "y", style.y);
    readBool(object, "bold", style.bold);
    readBool(object, "underline", style.underline);
    readBool(object, "italic", style.italic);
    readBool(object, "isHor", style.isHor);
    readBool(object, "singleline", style.singleline);
    readInt(object, "size", style.size);
    readString(object, "family", style.family);
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
