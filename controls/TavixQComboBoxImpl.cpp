#include "controls/TavixQComboBoxImpl.h"

#include "controls/TavixQComboBox.h"
#include "core/TavixJson.h"
#include "core/TavixLibrary.h"
#include "core/TavixNodeEntries.h"
#include "resources/TavixQResourceManager.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>

#include <json/value.h>

namespace TavixQtLib {

TavixQComboBoxImpl::TavixQComboBoxImpl(QComboBox *combo)
    : TavixQWidgetBaseImpl(combo, QString::fromLatin1(TavixQComboBox::typeName()))
    , combo(combo)
{
}

QRect TavixQComboBoxImpl::buttonRect(const QRect &rect)
{
    const int h = rect.height();
    return QRect(rect.left() + rect.width() - h, rect.top(), h, h);
}

QRect TavixQComboBoxImpl::textRect(const QRect &rect, bool withIcon)
{
    if (!withIcon)
        return rect;
    return QRect(rect.left() + kIconColumn, rect.top(), rect.width() - kIconColumn, rect.height());
}

int TavixQComboBoxImpl::rowLook(QStyle::State rowState)
{
    if (rowState & QStyle::State_MouseOver)
        return Hot;
    if (rowState & QStyle::State_Selected)
        return Pressed;
    return Normal;
}

void TavixQComboBoxImpl::paint(QPainter *painter, const QRect &rect)
{
    if (!combo)
        return;
    const int s = tavixStateIndex(state);
    const QIcon icon = combo->itemIcon(combo->currentIndex());
    const QRect button = buttonRect(rect);

    drawFillStyle(painter, backgrounds[s], rect);
    drawFillStyle(painter, btnBackgrounds[s], button);
    if (!btnIcons[s].isEmpty())
        drawIconImage(painter, btnIcons[s], IconStyleDesc(), button, false);
    if (!combo->lineEdit())
        drawTextStyle(painter, combo->currentText(), textStyles[s], textRect(rect, !icon.isNull()), &textLayouts);
    if (!icon.isNull()) {
        const QRect iconRect(5, 0, kIconColumn, combo->height());
        drawIconPixmap(painter, icon, QSize(kIconSide, kIconSide), IconStyleDesc(), iconRect);
    }
}

void TavixQComboBoxImpl::createComplete()
{
    if (!combo || !tavixIsQtEmulator())
        return;
    // The first item becomes current and notifies; a connected slot may delete the combo box.
    QPointer<QComboBox> alive(combo);
    for (const char *text : {"Item1", "Item2", "Item3"}) {
        combo->addItem(QString::fromLatin1(text));
        if (!alive)
            return;
    }
    combo->setCurrentIndex(0);
}

bool TavixQComboBoxImpl::serializeJsonValue(Json::Value **node, bool read)
{
    if (!TavixQWidgetBaseImpl::serializeJsonValue(node, read))
        return false;
    TavixStyleSlots styleSlots;
    styleSlots.fillGroup(0, backgrounds, 4)
        .fillGroup(4, btnBackgrounds, 4)
        .textGroup(8, textStyles, 4)
        .fill(12, &popupBackground)
        .fillGroup(13, itemBackgrounds, 4)
        .textGroup(17, itemTextStyles, 4);

    if (read) {
        const Json::Value &target = **node;
        styleSlots.read(target);
        if (combo->lineEdit())
            combo->lineEdit()->setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
        const Json::Value *attr = tavixAttrNode(target);
        if (!attr)
            return true;
        QString text;
        if (tavixReadString(*attr, "btnIcon", text)) {
            for (QString &icon : btnIcons)
                icon = text;
        }
        if (tavixReadString(*attr, "btnHotIcon", text))
            btnIcons[Hot] = text;
        combo->update();
        // A theme entry styles the box; it never adds items to it.
        if (TavixQResourceManager::getInstance()->isLoadFromThemeRes() || !tavixReadString(*attr, "text", text))
            return true;
        // Adding the first item makes it current and notifies; a connected slot may delete the combo
        // box and this object with it, so nothing is touched once it is gone.
        QPointer<QComboBox> alive(combo);
        combo->addItem(text);
        if (alive)
            combo->setCurrentText(text);
        return !alive.isNull();
    }

    Json::Value &out = **node;
    tavixWriteAttrString(out, "text", combo->currentText());
    tavixWriteAttrString(out, "btnIcon", btnIcons[Normal]);
    if (btnIcons[Hot] != btnIcons[Normal])
        tavixWriteAttrString(out, "btnHotIcon", btnIcons[Hot]);
    styleSlots.write(out);
    return true;
}

} // namespace TavixQtLib
