#pragma once

#include "core/ControlInfo.h"
#include "core/TavixControlDeclare.h"
#include "resources/FillStyle.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QSize>
#include <QWidget>

namespace TavixQtLib {

class TavixQSwitchImpl;

// On/off toggle: a background, a thumb that slides between the two ends over an animation, and a
// text at each end. The thumb resting at the right end is "on".
class TAVIXQTLIB_EXPORT TavixQSwitch : public QWidget, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQSwitch)
    TAVIX_DECLARE_FORWARDED_EVENTS

public:
    // The end a text style belongs to.
    enum SwitchPosition : int { Left = 0, Right = 1 };

    explicit TavixQSwitch(QWidget *parent = nullptr);
    ~TavixQSwitch() override;

    // One background for every state; the state argument is accepted and ignored.
    void setBackgroundStyle(CommonCtrlState state, const FillStyle &style);
    const FillStyle &getBackgroundStyle(CommonCtrlState state) const;
    // state may be AllStates; other values outside 0..3 are ignored (getters then answer Normal).
    void setThumbStyle(CtrlState state, const FillStyle &style);
    const FillStyle &getThumbStyle(CtrlState state) const;
    // Left: the text at the thumb's end; Right: the text at the other end.
    void setTextStyle(SwitchPosition position, const TextStyleDesc &style);
    const TextStyleDesc &getTextStyle(SwitchPosition position) const;
    void setLeftText(const QString &text);
    QString getLeftText() const;
    void setRightText(const QString &text);
    QString getRightText() const;
    // Pixels; clamped to 0..10000.
    void setThumbSize(int width, int height);
    void getThumbSize(int &width, int &height) const;
    void setThumbBtnSize(const QSize &size);
    QSize getThumbBtnSize() const;
    // Duration of one toggle in milliseconds, at most 10000.
    void setSwitchSpeed(unsigned int ms);
    unsigned int getSwitchSpeed() const;
    // Inset of the thumb and the texts; clamped to 0..10000.
    void setMargin(int margin);
    int getMargin() const;
    // Places the thumb at once, stopping a running toggle.
    void setSwitchToLeft(bool left);
    bool getIsSwitchToLeft() const;
    // false: only the text away from the thumb is drawn.
    void setShowAllText(bool show);
    bool getShowAllText() const;

    QSize sizeHint() const override;

protected:
    // Space, Enter and Return toggle, as they activate a check box.
    void keyPressEvent(QKeyEvent *event) override;

signals:
    // The resting side changed: at the end of a toggle, or by setSwitchToLeft or a page read.
    // on is true when the thumb rests at the right. A slot may delete the switch.
    void toggled(bool on);
};

} // namespace TavixQtLib
