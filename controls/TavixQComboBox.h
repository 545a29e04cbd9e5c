#pragma once

#include "core/TavixControlDeclare.h"
#include "resources/FillStyle.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QComboBox>
#include <QPointer>

namespace TavixQtLib {

class TavixQComboBoxImpl;
class TavixQComboList;

// A QComboBox painted from styles: field, square drop-down button with an icon, current text, and a
// popup list whose rows show hover and selection. Qt keeps the model, selection and popup logic.
class TAVIXQTLIB_EXPORT TavixQComboBox : public QComboBox, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQComboBox)
    TAVIX_DECLARE_FORWARDED_EVENTS
public:
    explicit TavixQComboBox(QWidget *parent = nullptr);
    ~TavixQComboBox() override;

    // Per-state setters take AllStates for all four; any other state outside 0..3 means Normal.
    // None of them repaints.
    void setBackground(CtrlState state, const FillStyle &style);
    const FillStyle &getBackground(CtrlState state) const;
    void setBtnBackground(CtrlState state, const FillStyle &style);
    const FillStyle &getBtnBackground(CtrlState state) const;
    void setTextStyle(CtrlState state, const TextStyleDesc &style);
    const TextStyleDesc &getTextStyle(CtrlState state) const;
    // Popup rows: Normal plain, Hot under the pointer, Pressed selected.
    void setItemBackground(CtrlState state, const FillStyle &style);
    const FillStyle &getItemBackground(CtrlState state) const;
    void setItemTextStyle(CtrlState state, const TextStyleDesc &style);
    const TextStyleDesc &getItemTextStyle(CtrlState state) const;
    void setPopupBackground(CtrlState state, const FillStyle &style);   // state ignored
    const FillStyle &getPopupBackground(CtrlState state) const;
    void setBtnIcon(CtrlState state, const QString &path);
    QString getBtnIcon(CtrlState state) const;
    void setNormalBtnIcon(const QString &path);
    QString getNormalBtnIcon() const;
    void setHotBtnIcon(const QString &path);
    QString getHotBtnIcon() const;
    void setItemHeight(int height);     // popup row height in pixels; rows are drawn 1..10000 high
    int getItemHeight() const;

    TavixQComboList *getList() const;   // null once another view is set

    // Menu-like styles switch the list's scroll bar off; the popup scrolls with the kit's bar instead.
    void showPopup() override;
    // The popup takes the release of the press that opened it; closing it settles the field's state.
    void hidePopup() override;

private:
    // The popup view, owned by QComboBox (which deletes it when given another view).
    QPointer<TavixQComboList> m_list;
};

} // namespace TavixQtLib
