#include "controls/TavixQGroupBoxImpl.h"

#include "controls/TavixQGroupBox.h"
#include "core/TavixAccessible.h"
#include "core/TavixJson.h"
#include "core/TavixLanguageText.h"
#include "core/TavixNodeEntries.h"
#include "resources/TavixQResourceManager.h"
#include "resources/TavixStyleDocument.h"

#include <json/value.h>

#include <QPainter>
#include <QPen>

#include <climits>

namespace TavixQtLib {

namespace {

constexpr int kGroupFillKind = 1;
constexpr int kGroupTextKind = 2;

// A colour from a number: the low 24 bits are red, green, blue; alpha is not taken from documents.
QColor colorFromValue(unsigned value)
{
    return QColor(int((value >> 16) & 0xFF), int((value >> 8) & 0xFF), int(value & 0xFF));
}

bool readColor(const Json::Value &value, QColor &out)
{
    QString text;
    if (value.isString() && tavixJsonToString(value, text)) {
        bool ok = false;
        const unsigned number = text.trimmed().toUInt(&ok, 16);
        if (!ok)
            return false;
        out = colorFromValue(number);
        return true;
    }
    unsigned number = 0;
    if (tavixJsonToUInt(value, number)) {
        out = colorFromValue(number);
        return true;
    }
    int signedNumber = 0;
    if (tavixJsonToInt(value, signedNumber)) {
        out = colorFromValue(static_cast<unsigned>(signedNumber));
        return true;
    }
    return false;
}

} // namespace

TavixQGroupBoxImpl::TavixQGroupBoxImpl(QWidget *widget)
    : TavixQWidgetBaseImpl(widget, QString::fromLatin1(TavixQGroupBox::typeName()))
{
}

QPolygon TavixQGroupBoxImpl::framePath(const QRect &r, int captionWidth, int captionHeight, int lineSize)
{
    const int top = r.top() + captionHeight / 2;
    // lineSize comes from documents: keep the sum inside int whatever it is.
    const qint64 lowest = qint64(r.top()) + r.height() - lineSize;
    const int bottom = int(qBound(qint64(INT_MIN / 2), lowest, qint64(INT_MAX / 2)));
    QPolygon path;
    path << QPoint(r.left() + 5, top) << QPoint(r.left(), top) << QPoint(r.left(), bottom)
         << QPoint(r.right() - 1, bottom) << QPoint(r.right() - 1, top)
         << QPoint(r.left() + 9 + captionWidth, top);
    return path;
}

QSize TavixQGroupBoxImpl::captionSize() const
{
    QSize size = measureText(textStyle, text);
    if (!showText)
        size.setWidth(0);
    return size;
}

void TavixQGroupBoxImpl::paint(QPainter *painter, const QRect &rect)
{
    const QSize caption = captionSize();
    tavixDrawHairPolyline(painter, framePath(rect, caption.width(), caption.height(), lineSize), lineColor);
    if (showText) {
        drawTextStyle(painter, text, textStyle,
                      QRect(rect.left() + 7, rect.top(), caption.width() + 5, caption.height()), &textLayouts);
    }
}

bool TavixQGroupBoxImpl::serializeJsonValue(Json::Value **node, bool read)
{
    const bool result = TavixQWidgetBaseImpl::serializeJsonValue(node, read);
    if (!node || !*node)
        return result;
    Json::Value &value = **node;

    if (read) {
        // Slot 0 holds both styles; the entry's kind tells which.
        if (const Json::Value *style = tavixJsonMember(value, "style"); style && style->isArray()) {
            TavixQResourceManager *resources = TavixQResourceManager::getInstance();
            for (Json::ArrayIndex i = 0; i < style->size(); ++i) {
                const Json::Value *entry = tavixJsonAt(*style, i);
                const Json::Value *nameValue = entry ? tavixJsonAt(*entry, 0) : nullptr;
                const Json::Value *kindValue = entry ? tavixJsonAt(*entry, 1) : nullptr;
                const Json::Value *slotValue = entry ? tavixJsonAt(*entry, 2) : nullptr;
                QString name;
                int kind = 0;
                int slot = -1;
                if (!nameValue || !kindValue || !slotValue || !tavixJsonToString(*nameValue, name)
                    || !tavixJsonToInt(*kindValue, kind) || !tavixJsonToInt(*slotValue, slot) || slot != 0) {
                    continue;
                }
                if (kind == kGroupFillKind && resources->getFillStyle(name, background))
                    noteStyle(0, false, background.name);
                else if (kind == kGroupTextKind && resources->getTextStyle(name, textStyle))
                    noteStyle(0, true, textStyle.name);
            }
        }
        if (const Json::Value *attr = tavixAttrNode(value)) {
            QString caption;
            if (tavixReadString(*attr, "text", caption))
                setCaption(tavixTextFromNode(caption, languageKey));
            tavixReadInt(*attr, "size", lineSize);
            if (const Json::Value *color = tavixJsonMember(*attr, "color"))
                readColor(*color, lineColor);
            tavixReadBool(*attr, "showText", showText);
        }
        widget->update();
        widget->updateGeometry();   // the caption makes the size hint
        return result;
    }

    // What the theme entry supplied is left out.
    Json::Value entries(Json::arrayValue);
    const QString backgroundName = ownStyleName(0, false, background.name);
    const QString textName = ownStyleName(0, true, textStyle.name);
    if (!backgroundName.isEmpty())
        entries.append(tavixStyleEntry(backgroundName, false, 0));
    if (!textName.isEmpty())
        entries.append(tavixStyleEntry(textName, true, 0));
    if (!entries.empty())
        value["style"] = entries;

    tavixWriteAttrString(value, "text", tavixTextForNode(text, languageKey));
    tavixWriteAttrInt(value, "size", lineSize, 0);
    tavixWriteAttrString(value, "color", tavixColorToHex(lineColor), QStringLiteral("00000000"));
    tavixWriteAttrBool(value, "showText", showText, true);
    return result;
}

void TavixQGroupBoxImpl::notifyChangeLanguage()
{
    QString translated;
    if (tavixTranslateText(languageKey, translated)) {
        setCaption(translated);
        widget->update();
    }
}

void TavixQGroupBoxImpl::setCaption(const QString &caption)
{
    if (caption == text)
        return;
    text = caption;
    widget->updateGeometry();
    tavixNotifyAccessibleName(widget);
}

} // namespace TavixQtLib
