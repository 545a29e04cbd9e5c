#include "controls/TavixQComboBox.h"

#include "controls/TavixQComboBoxImpl.h"
#include "controls/TavixQComboList.h"

#include <QPointer>

namespace TavixQtLib {

TAVIX_DEFINE_CONTROL(TavixQComboBox, "qtcombobox")
TAVIX_DEFINE_FORWARDED_EVENTS(TavixQComboBox, QComboBox)

TavixQComboBox::TavixQComboBox(QWidget *parent)
    : QComboBox(parent)
{
    m_impl = new TavixQComboBoxImpl(this);
    m_list = new TavixQComboList(m_impl);
    m_impl->applyTheme();
    setView(m_list.data());
}

TavixQComboBox::~TavixQComboBox()
{
    // The popup outlives this body; it must not paint with a deleted Impl.
    if (m_list)
        m_list->setImpl(nullptr);
    tavixDestroyImpl(this, m_impl);
}

TavixQComboList *TavixQComboBox::getList() const
{
    return m_list.data();
}

void TavixQComboBox::showPopup()
{
    QComboBox::showPopup();
    if (m_list)
        m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void TavixQComboBox::hidePopup()
{
    QPointer<TavixQComboBox> alive(this);
    QComboBox::hidePopup();   // may run a short event loop to flash the chosen row
    if (!alive || !m_impl)
        return;
    if (m_impl->state == Pressed)
        m_impl->state = m_impl->hover ? Hot : Normal;
    update();
}

ControlInfo TavixQComboBox::getProps()
{
    ControlInfo info;
    info.typeName = typeName();
    info.className = "TavixQComboBox";
    info.displayName = "ComboBox";
    info.description = "Control ComboBox";
    info.iconName = "combo";
    info.properties = tavixCommonPropertyDefs();

    const auto fillRow = [](const char *label, auto setter, auto getter, bool allStates) {
        PropertyDef row = tavixPropertyDef(QString::fromLatin1(label), FillStyleRef);
        if (allStates)
            tavixAddStateOptions(row);
        else
            row.addOption(Normal, QStringLiteral("Normal"));
        row.setFillStyle = tavixBindAccessor(setter);
        row.getFillStyle = tavixBindAccessor(getter);
        return row;
    };
    const auto textRow = [](const char *label, auto setter, auto getter) {
        PropertyDef row = tavixPropertyDef(QString::fromLatin1(label), TextStyleRef);
        tavixAddStateOptions(row);
        row.setTextStyle = tavixBindAccessor(setter);
        row.getTextStyle = tavixBindAccessor(getter);
        return row;
    };
    const auto stringRow = [](const char *label, int type, auto setter, auto getter) {
        PropertyDef row = tavixPropertyDef(QString::fromLatin1(label), type);
        row.setString = tavixBindAccessor(setter);
        row.getString = tavixBindAccessor(getter);
        return row;
    };
    auto &rows = info.properties;
    rows.push_back(fillRow("Background", &TavixQComboBox::setBackground, &TavixQComboBox::getBackground, true));
    rows.push_back(
        fillRow("BtnBackground", &TavixQComboBox::setBtnBackground, &TavixQComboBox::getBtnBackground, true));
    rows.push_back(textRow("TextStyle", &TavixQComboBox::setTextStyle, &TavixQComboBox::getTextStyle));
    // Its own label: a second "BtnBackground" row could not be told from the button's.
    rows.push_back(fillRow("PopupBackground", &TavixQComboBox::setPopupBackground,
                           &TavixQComboBox::getPopupBackground, false));
    rows.push_back(fillRow("ItemBg", &TavixQComboBox::setItemBackground, &TavixQComboBox::getItemBackground, true));
    rows.push_back(textRow("ItemText", &TavixQComboBox::setItemTextStyle, &TavixQComboBox::getItemTextStyle));
    rows.push_back(stringRow("Context", String, &QComboBox::setCurrentText, &QComboBox::currentText));
    rows.push_back(stringRow("Icon", ImagePath, &TavixQComboBox::setNormalBtnIcon, &TavixQComboBox::getNormalBtnIcon));
    rows.push_back(stringRow("HotIcon", ImagePath, &TavixQComboBox::setHotBtnIcon, &TavixQComboBox::getHotBtnIcon));
    return info;
}

void TavixQComboBox::setBackground(CtrlState state, const FillStyle &style)
{
    TavixQComboBoxImpl::setEntry(m_impl->backgrounds, state, style);
}

const FillStyle &TavixQComboBox::getBackground(CtrlState state) const
{
    return m_impl->backgrounds[tavixStateIndex(state)];
}

void TavixQComboBox::setBtnBackground(CtrlState state, const FillStyle &style)
{
    TavixQComboBoxImpl::setEntry(m_impl->btnBackgrounds, state, style);
}

const FillStyle &TavixQComboBox::getBtnBackground(CtrlState state) const
{
    return m_impl->btnBackgrounds[tavixStateIndex(state)];
}

void TavixQComboBox::setTextStyle(CtrlState state, const TextStyleDesc &style)
{
    TavixQComboBoxImpl::setEntry(m_impl->textStyles, state, style);
}

const TextStyleDesc &TavixQComboBox::getTextStyle(CtrlState state) const
{
    return m_impl->textStyles[tavixStateIndex(state)];
}

void TavixQComboBox::setItemBackground(CtrlState state, const FillStyle &style)
{
    TavixQComboBoxImpl::setEntry(m_impl->itemBackgrounds, state, style);
}

const FillStyle &TavixQComboBox::getItemBackground(CtrlState state) const
{
    return m_impl->itemBackgrounds[tavixStateIndex(state)];
}

void TavixQComboBox::setItemTextStyle(CtrlState state, const TextStyleDesc &style)
{
    TavixQComboBoxImpl::setEntry(m_impl->itemTextStyles, state, style);
}

const TextStyleDesc &TavixQComboBox::getItemTextStyle(CtrlState state) const
{
    return m_impl->itemTextStyles[tavixStateIndex(state)];
}

void TavixQComboBox::setPopupBackground(CtrlState, const FillStyle &style)
{
    m_impl->popupBackground = style;
}

const FillStyle &TavixQComboBox::getPopupBackground(CtrlState) const
{
    return m_impl->popupBackground;
}

void TavixQComboBox::setBtnIcon(CtrlState state, const QString &path)
{
    TavixQComboBoxImpl::setEntry(m_impl->btnIcons, state, path);
}

QString TavixQComboBox::getBtnIcon(CtrlState state) const
{
    return m_impl->btnIcons[tavixStateIndex(state)];
}

void TavixQComboBox::setNormalBtnIcon(const QString &path)
{
    m_impl->btnIcons[Normal] = path;
}

QString TavixQComboBox::getNormalBtnIcon() const
{
    return m_impl->btnIcons[Normal];
}

void TavixQComboBox::setHotBtnIcon(const QString &path)
{
    m_impl->btnIcons[Hot] = path;
}

QString TavixQComboBox::getHotBtnIcon() const
{
    return m_impl->btnIcons[Hot];
}

void TavixQComboBox::setItemHeight(int height)
{
    m_impl->itemHeight = height;
}

int TavixQComboBox::getItemHeight() const
{
    return m_impl->itemHeight;
}

} // namespace TavixQtLib
