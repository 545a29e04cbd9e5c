#include "controls/TavixQTextLabelImpl.h"

#include "core/TavixJson.h"
#include "core/TavixLanguageText.h"
#include "core/TavixNodeEntries.h"
#include "resources/TavixQResourceManager.h"

#include <QLabel>

#include <json/value.h>

namespace TavixQtLib {

namespace {

constexpr int kNormalSlot = Normal;
constexpr int kDisableSlot = Disable;

} // namespace

TavixQTextLabelImpl::TavixQTextLabelImpl(QLabel *owner, const QString &typeName)
    : TavixQWidgetBaseImpl(owner, typeName)
    , label(owner)
{
}

void TavixQTextLabelImpl::setTextStyle(int state, const TextStyleDesc &style)
{
    if (state == Normal || state == AllStates)
        normalTextStyle = style;
    if (state == AllStates || (state >= Hot && state <= Disable)) {
        disableTextStyle = style;
        disableStyleSet = true;
    }
    applyStyle();
}

const TextStyleDesc &TavixQTextLabelImpl::getTextStyle(int state) const
{
    return state == Normal ? normalTextStyle : disableTextStyle;
}

void TavixQTextLabelImpl::setDisableColor(const QColor &color)
{
    disableTextStyle.color = color;
    disableStyleSet = true;
    applyStyle();
}

const TextStyleDesc &TavixQTextLabelImpl::activeStyle() const
{
    return (disableStyleSet && !label->isEnabled()) ? disableTextStyle : normalTextStyle;
}

void TavixQTextLabelImpl::notifyChangeLanguage()
{
    QString translated;
    if (tavixTranslateText(languageKey, translated))
        showText(translated);
}

bool TavixQTextLabelImpl::serializeJsonValue(Json::Value **node, bool read)
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
        QString nodeText;
        const Json::Value *attr = tavixAttrNode(target);
        if (attr && !TavixQResourceManager::getInstance()->isLoadFromThemeRes()
            && tavixReadString(*attr, "text", nodeText)) {
            showText(tavixTextFromNode(nodeText, languageKey));
        }
        applyStyle();
        return true;
    }

    Json::Value &out = **node;
    tavixWriteAttrString(out, "text", tavixTextForNode(text(), languageKey));
    styleSlots.write(out);
    return true;
}

} // namespace TavixQtLib
