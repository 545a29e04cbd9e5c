#include "controls/TavixQLCDNumberImpl.h"

#include "controls/TavixQLCDNumber.h"
#include "core/TavixJson.h"
#include "core/TavixNodeEntries.h"
#include "resources/TavixQResourceManager.h"
#include "resources/TavixStyleDocument.h"

#include <QPalette>

#include <json/value.h>

namespace TavixQtLib {

namespace {

constexpr int kBackgroundSlot = 0;

// Eight hexadecimal digits at most (alpha, red, green, blue); anything else is not a colour.
bool readHexColor(const Json::Value &attr, const char *key, QColor &out)
{
    const Json::Value *value = tavixJsonMember(attr, key);
    QString text;
    if (!value || !value->isString() || !tavixJsonToString(*value, text))
        return false;
    text = text.trimmed();
    if (text.isEmpty() || text.size() > 8)
        return false;
    bool ok = false;
    const uint rgb = text.toUInt(&ok, 16);
    if (!ok)
        return false;
    out = QColor::fromRgb(QRgb(rgb));   // documents do not set the digits' alpha: opaque
    out.setAlpha(255);
    return true;
}

} // namespace

TavixQLCDNumberImpl::TavixQLCDNumberImpl(TavixQLCDNumber *owner)
    : TavixQWidgetBaseImpl(owner, QString::fromLatin1(TavixQLCDNumber::typeName()))
    , lcd(owner)
{
}

void TavixQLCDNumberImpl::paintEvent(QPaintEvent *event)
{
    TavixQWidgetBaseImpl::paintEvent(event);   // its painter is closed again before the digits
    lcd->paintAsQLCDNumber(event);
}

void TavixQLCDNumberImpl::paint(QPainter *painter, const QRect &rect)
{
    drawFillStyle(painter, background, rect);
}

void TavixQLCDNumberImpl::applyColor()
{
    if (!color.isValid())
        return;
    // Set here rather than in paint: a palette change inside a paint event schedules another one.
    QPalette palette = lcd->palette();
    palette.setBrush(QPalette::All, QPalette::WindowText, QBrush(color));
    lcd->setPalette(palette);
}

bool TavixQLCDNumberImpl::serializeJsonValue(Json::Value **node, bool read)
{
    if (!TavixQWidgetBaseImpl::serializeJsonValue(node, read))
        return false;
    TavixStyleSlots styleSlots;
    styleSlots.fill(kBackgroundSlot, &background);

    if (read) {
        const Json::Value &target = **node;
        styleSlots.read(target);
        if (const Json::Value *attr = tavixAttrNode(target)) {
            int digits = 0;
            if (tavixReadInt(*attr, "digitCount", digits))
                lcd->setDigitCountChecked(digits);
            if (readHexColor(*attr, "color", color))
                applyColor();
            // A theme entry styles the number; it never changes what it shows.
            QString text;
            if (!TavixQResourceManager::getInstance()->isLoadFromThemeRes() && tavixReadString(*attr, "text", text))
                lcd->setNumText(text);
        }
        lcd->update();
        return true;
    }

    Json::Value &out = **node;
    tavixWriteAttrInt(out, "digitCount", lcd->digitCount(), 0);
    // Always written, so a page keeps its colour whatever the reader's default.
    tavixAttrObject(out)["color"] = tavixJsonString(tavixColorToHex(lcd->getColor()));
    tavixAttrObject(out)["text"] = tavixJsonString(lcd->getNumText());
    styleSlots.write(out);
    return true;
}

} // namespace TavixQtLib
