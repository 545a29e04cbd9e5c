#pragma once

#include "core/ControlInfo.h"
#include "core/TavixControlDeclare.h"
#include "resources/FillStyle.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QProgressBar>

namespace TavixQtLib {

class TavixQProgressBarImpl;

// Themed progress bar: Qt's value model, painted as a background and a filled part (a bar, or a
// wedge of a circle) from fill styles, with an optional percentage text.
class TAVIXQTLIB_EXPORT TavixQProgressBar : public QProgressBar, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQProgressBar)
    TAVIX_DECLARE_FORWARDED_EVENTS

public:
    explicit TavixQProgressBar(QWidget *parent = nullptr);
    ~TavixQProgressBar() override;

    // One background and one filled-part style for every state; the state argument is ignored.
    void setBackground(CommonCtrlState state, const FillStyle &style);
    const FillStyle &getBackground(CommonCtrlState state) const;
    void setForeground(CommonCtrlState state, const FillStyle &style);
    const FillStyle &getForeground(CommonCtrlState state) const;
    void setTextStyle(const TextStyleDesc &style);
    const TextStyleDesc &getTextStyle() const;
    // Draws the percentage of the range reached, as "40%".
    void setShowText(bool show);
    bool getShowText() const;
    // Draws the filled part as a wedge of the angle range instead of a bar.
    void setCircleProgressBar(bool circle);
    bool getIsCircleProgressBar() const;
    // Degrees, clockwise from straight down; 1..361 (one turn) at first. Ignored unless end > start
    // and start >= 1. A wedge never sweeps more than one turn.
    void setCircleAngleRange(int start, int end);
    void getCirleAngleRange(int &start, int &end) const;
};

} // namespace TavixQtLib
