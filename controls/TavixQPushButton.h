#pragma once

#include "core/TavixControlDeclare.h"
#include "resources/FillStyle.h"
#include "resources/IconStyleDesc.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QPushButton>

namespace TavixQtLib {

// Themed push button: one fill and one text style per CtrlState, an optional icon with hot and
// pressed variants, an optional extension area at the right edge and an optional hover fade.
class TAVIXQTLIB_EXPORT TavixQPushButton : public QPushButton, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQPushButton)
public:
    explicit TavixQPushButton(QWidget *parent = nullptr);
    ~TavixQPushButton() override;

    // state may be AllStates; other values outside 0..3 are ignored (getters then answer Normal).
    void setBackground(CtrlState state, const FillStyle &style);
    const FillStyle &getBackground(CtrlState state) const;
    void setTextStyle(CtrlState state, const TextStyleDesc &style);
    const TextStyleDesc &getTextStyle(CtrlState state) const;
    // Colour mode (true) or image mode of the state's fill style.
    void setUseFillStyle(CtrlState state, bool useColor);
    bool getUseFillStyle(CtrlState state) const;
    void setDrawBackground(bool draw);
    bool getDrawBackground() const;
    // Turning the fade off stops a running fade.
    void setFadeEnabled(bool enabled);
    bool getFadeEnabled() const;
    void setFadeDuration(int ms);   // milliseconds; 0 or less stores 150
    int getFadeDuration() const;

    // A ":" resource path to a raster image becomes a QIcon; an SVG is laid out beside the caption.
    void setIcon(const QString &path);
    // Lays the icon out beside the caption; takes precedence over the icon paths.
    void setIcon(const QIcon &icon);
    QString getIcon() const;    // the icon path
    void setHotIcon(const QString &path);
    QString getHotIcon() const;
    void setPressedIcon(const QString &path);
    QString getPressedIcon() const;
    void setIconStyle(const IconStyleDesc &style);
    IconStyleDesc getIconStyle() const;
    void setUseIcon(bool use);
    bool getUseIcon() const;
    void setShowText(bool show);
    bool getShowText() const;
    void setTextOffsetX(int x);
    void setTextOffsetY(int y);
    int getTextOffsetX() const;
    int getTextOffsetY() const;

    QSize sizeHint() const override;

signals:
    void enterSignal();
    void leaveSignal();

    TAVIX_DECLARE_FORWARDED_EVENTS
protected:
    // Enter and Return click, as Space does; in a dialog Qt's default-button handling does it.
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace TavixQtLib
