#pragma once

#include "controls/TavixCheckableTypes.h"
#include "core/TavixControlDeclare.h"
#include "resources/FillStyle.h"
#include "resources/IconStyleDesc.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QCheckBox>

namespace TavixQtLib {

// Themed check box: backgrounds by checked state and CtrlState, an indicator image per checked
// state and CtrlState (the built-in "IDB_UNCHECK" / "IDB_CHECKED" by default) and three caption styles.
class TAVIXQTLIB_EXPORT TavixQCheckBox : public QCheckBox, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQCheckBox)
public:
    explicit TavixQCheckBox(QWidget *parent = nullptr);
    ~TavixQCheckBox() override;

    // Backgrounds while unchecked / checked. state may be AllStates; other values outside 0..3 are
    // ignored (getters then answer Normal).
    void setBackground(CtrlState state, const FillStyle &style);
    const FillStyle &getBackground(CtrlState state) const;
    void setCheckedBackground(CtrlState state, const FillStyle &style);
    const FillStyle &getCheckedBackground(CtrlState state) const;
    void setTextStyle(bool checked, const TextStyleDesc &style);
    const TextStyleDesc &getTextStyle(bool checked) const;
    void setTextStyleByState(CheckBoxTextState state, const TextStyleDesc &style);
    const TextStyleDesc &getTextStyleByState(CheckBoxTextState state) const;
    void setDisableTextStyle(const TextStyleDesc &style);
    const TextStyleDesc &getDisableTextStyle() const;

    // Also sets the Hot indicator while that is still the built-in image.
    void setUncheckIcon(const QString &path);
    QString getUncheckIcon() const;
    void setUncheckHotIcon(const QString &path);
    QString getUncheckHotIcon() const;
    // Also sets the Hot indicator while that is still the built-in image.
    void setCheckedIcon(const QString &path);
    QString getCheckedIcon() const;
    void setCheckedHotIcon(const QString &path);
    QString getCheckedHotIcon() const;
    void setDisableCheckIcon(const QString &path);
    QString getDisableCheckIcon() const;
    QString getDisableUncheckIcon() const;

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

    TAVIX_DECLARE_FORWARDED_EVENTS
protected:
    // Enter and Return click, as Space does.
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace TavixQtLib
