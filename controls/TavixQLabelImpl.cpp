#include "controls/TavixQLabelImpl.h"

#include "controls/TavixQLabel.h"
#include "core/TavixJson.h"
#include "core/TavixLanguageText.h"
#include "core/TavixNodeEntries.h"
#include "resources/TavixPainting.h"
#include "resources/TavixQResourceManager.h"

#include <QFontMetrics>
#include <QPalette>
#include <QTextDocument>

#include <json/value.h>

namespace TavixQtLib {

namespace {

constexpr int kNormalSlot = Normal;
constexpr int kDisableSlot = Disable;

Qt::Alignment styleAlignment(const TextStyleDesc &style)
{
    Qt::Alignment align;
    switch (style.hor) {
    case 0: align |= Qt::AlignLeft; break;
    case 1: align |= Qt::AlignHCenter; break;
    case 2: align |= Qt::AlignRight; break;
    default: break;
    }
    switch (style.ver) {
    case 0: align |= Qt::AlignTop; break;
    case 1: align |= Qt::AlignVCenter; break;
    case 2: align |= Qt::AlignBottom; break;
    default: break;
    }
    return align;
}

Qt::TextElideMode qtElideMode(int mode)
{
    switch (mode) {
    case 0: return Qt::ElideLeft;
    case 2: return Qt::ElideMiddle;
    default: return Qt::ElideRight;   // 1, and stray values from documents
    }
}

} // namespace

TavixQLabelImpl::TavixQLabelImpl(TavixQLabel *owner)
    : TavixQWidgetBaseImpl(owner, QString::fromLatin1(TavixQLabel::typeName()))
    , label(owner)
{
}

void TavixQLabelImpl::paintEvent(QPaintEvent *event)
{
    if (!label->isEnabled())
        state = Disable;
    else if (state == Disable)
        state = Normal;
    label->paintAsQLabel(event);
}

const TextStyleDesc &TavixQLabelImpl::activeStyle() const
{
    return (disableStyleSet && !label->isEnabled()) ? disableTextStyle : normalTextStyle;
}

void TavixQLabelImpl::applyStyle()
{
    const TextStyleDesc &style = activeStyle();
    label->setFont(tavixTextStyleFont(style));
    QPalette palette = label->palette();
    palette.setBrush(QPalette::All, QPalette::WindowText, QBrush(style.color));
    label->setPalette(palette);
    label->setAlignment(styleAlignment(style));
    label->setWordWrap(!style.singleline || style.elideMode == 3);
    updateShownText();
}

QString TavixQLabelImpl::shownText(const QString &text, const TextStyleDesc &style, const QFont &font, int width,
                                   bool richText)
{
    if (style.elideMode == 3 || !style.singleline || richText)
        return text;
    return QFontMetrics(font).elidedText(text, qtElideMode(style.elideMode), qMax(0, width));
}

void TavixQLabelImpl::updateShownText()
{
    const Qt::TextFormat format = label->textFormat();
    const bool rich = format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(fullText));
    const int width = label->contentsRect().width() - 2 * label->margin();
    const QString shown = shownText(fullText, activeStyle(), label->font(), width, rich);
    if (shown != label->QLabel::text())
        label->QLabel::setText(shown);
}

void TavixQLabelImpl::setFullText(const QString &text)
{
    fullText = text;
    updateShownText();
}

void TavixQLabelImpl::notifyChangeLanguage()
{
    QString text;
    if (tavixTranslateText(languageKey, text))
        setFullText(text);
}

bool TavixQLabelImpl::serializeJsonValue(Json::Value **node, bool read)
{
    // The base may redirect *node to the control's theme entry; it rejects nodes that are not objects.
    if (!TavixQWidgetBaseImpl::serializeJsonValue(node, read))
        return false;
    TavixStyleSlots styleSlots;
    styleSlots.text(kNormalSlot, &normalTextStyle).text(kDisableSlot, &disableTextStyle);

    if (read) {
        const Json::Value &target = **node;
        const TextStyleDesc disableBefore = disableTextStyle;
        styleSlots.read(target);
        if (disableTextStyle != disableBefore)
            disableStyleSet = true;
        // A theme entry styles the label; it never changes its text.
        QString text;
        const Json::Value *attr = tavixAttrNode(target);
        if (attr && !TavixQResourceManager::getInstance()->isLoadFromThemeRes()
            && tavixReadString(*attr, "text", text)) {
            fullText = tavixTextFromNode(text, languageKey);
        }
        applyStyle();
        return true;
    }

    Json::Value &out = **node;
    tavixWriteAttrString(out, "text", tavixTextForNode(fullText, languageKey));
    styleSlots.write(out);
    return true;
}

} // namespace TavixQtLib
