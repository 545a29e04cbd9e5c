#pragma once

#include "core/TavixQWidgetBaseImpl.h"
#include "tavixqtlib_export.h"

#include <QIcon>
#include <QString>

class QPushButton;
class QTimer;

namespace TavixQtLib {

// Private side of TavixQPushButton: per-state looks, icons, the extension area and the hover fade.
class TAVIXQTLIB_EXPORT TavixQPushButtonImpl : public TavixQWidgetBaseImpl
{
    Q_OBJECT
public:
    static constexpr int kFadeInterval = 16;        // ms between fade ticks
    static constexpr int kDefaultFadeDuration = 150;
    static constexpr int kMaxFadeDuration = 60000;  // a longer fade would leave the button in between for hours

    explicit TavixQPushButtonImpl(QPushButton *button);
    ~TavixQPushButtonImpl() override;

    void paint(QPainter *painter, const QRect &rect) override;
    bool serializeJsonValue(Json::Value **node, bool read) override;
    void notifyChangeLanguage() override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

    // Stops a running fade and settles on the look of the pointer's position.
    void stopFade();
    bool isFadeRunning() const;
    void setFadeDuration(int ms);   // 0 or less stores the default; at most a minute
    void setIconPath(const QString &path);
    void setIconObject(const QIcon &newIcon);

    // Caption rectangle: rect shifted by the text offsets, keeping its right and bottom edges.
    QRect captionRect(const QRect &rect) const;
    // Whether x lies in the extension area at the right edge of a button width pixels wide.
    static bool isInExtension(int x, int width, int extWidth);
    // Per-channel linear blend; weight 0 gives from, 1 gives to.
    static QColor blendColor(const QColor &from, const QColor &to, double weight);
    // A fade from one look to the other is under way (the Hot weight is fadeProgress).
    bool isFadeUnderWay() const;
    FillStyle blendedBackground() const;
    TextStyleDesc blendedTextStyle() const;

public slots:
    // One fade step; the timer's timeout. Public so that a fade can be driven without waiting.
    void fadeTick();

public:
    QPushButton *button = nullptr;

    QString languageKey;
    bool extHot = false;
    bool isExtBtn = false;
    QString extHotIconPath;
    QString extIconPath;
    int extWidth = 0;
    bool useIcon = true;
    bool showText = true;
    QString iconPath;
    QIcon icon;
    QString hotIconPath;
    QString pressedIconPath;
    IconStyleDesc iconStyle;
    int textOffsetX = 0;
    int textOffsetY = 0;
    bool drawBackground = true;
    FillStyle backgrounds[4];
    TextStyleDesc textStyles[4];
    bool fadeEnabled = false;
    int fadeDuration = kDefaultFadeDuration;
    double fadeProgress = 0.0;
    int fadeFrom = Normal;      // CtrlState
    int fadeTarget = Normal;    // CtrlState
    QTimer *fadeTimer = nullptr;

private:
    void startFade(int from, int target, double progress);
    void layoutIconBesideCaption(const QSize &iconSize);
    void drawState(QPainter *painter, const QRect &rect, const FillStyle &fill, const TextStyleDesc &text);
};

} // namespace TavixQtLib
