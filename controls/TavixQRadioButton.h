#pragma once

#include "controls/TavixCheckableTypes.h"
#include "core/TavixControlDeclare.h"
#include "resources/FillStyle.h"
#include "resources/IconStyleDesc.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QRadioButton>

namespace TavixQtLib {

// Themed radio button: backgrounds by checked state and CtrlState, an indicator image scaled into
// the upper half of the widget's height, and three caption styles. The whole widget is clickable.
class TAVIXQTLIB_EXPORT TavixQRadioButton : public QRadioButton, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQRadioButton)
public:
    explicit TavixQRadioButton(QWidget *parent = nullptr);
    ~TavixQRadioButton() override;

    // Backgrounds while unchecked / checked. state may be AllStates; other values outside 0..3 are
    // ignored (getters then answer Normal).
    void setBackground(CtrlState state, const FillStyle &style);
    const FillStyle &getBackground(CtrlState state) const;
    void setSelectedBackground(CtrlState state, const FillStyle &style);
    const FillStyle &getSelectedBackground(CtrlState state) const;
    void setTextStyle(bool checked, const TextStyleDesc &style);
    TextStyleDesc getTextStyle(bool checked) const;
    void setTextStyleByState(CheckBoxTextState state, const TextStyleDesc &style);
    const TextStyleDesc &getTextStyleByState(CheckBoxTextState state) const;
    void setDisableTextStyle(const TextStyleDesc &style);
    const TextStyleDesc &getDisableTextStyle() const;

    void setIcon(RadioIconState which, const QString &path);
    void setIcon(const QString &path);      // all four indicators
    bool setUncheckIcon(const QString &path);
    QString getUncheckIcon() const;
    bool setUncheckHotIcon(const QString &path);
    QString getUncheckHotIcon() const;
    bool setCheckedIcon(const QString &path);
    QString getCheckedIcon() const;
    bool setCheckedHotIcon(const QString &path);
    QString getCheckedHotIcon() const;
    // Drawn while disabled, checked or not; without it the normal indicator is drawn grey.
    bool setDisableIcon(const QString &path);
    QString getDisableIcon() const;

    void setIconStyle(const IconStyleDesc &style);
    IconStyleDesc getIconStyle() const;
    void setIconHorAlign(DockLayoutType align);
    DockLayoutType getIconHorAlign() const;
    void setIconVerAlign(DockLayoutType align);
    DockLayoutType getIconVerAlign() const;
    void setIconOffsetX(int x);
    int getIconOffsetX() const;
    void setIconOffsetY(int y);
    int getIconOffsetY() const;
    void setShowIcon(bool show);
    bool getShowIcon() const;
    void setShowText(bool show);
    bool getShowText() const;
    // Stored and persisted only; it changes neither painting nor behaviour.
    void setPushlike(bool pushlike);
    bool getPushlike() const;

signals:
    // Every mouse press, after Qt's press handling, also when the click is later cancelled.
    void pressedEvent();

protected:
    bool hitButton(const QPoint &pos) const override;
    TAVIX_DECLARE_FORWARDED_EVENTS
protected:
    // Enter and Return click, as Space does.
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace TavixQtLib
