#pragma once

#include "core/TavixQWidgetBaseImpl.h"
#include "resources/FillStyle.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QRect>
#include <QSize>
#include <QString>

class QVariantAnimation;

namespace TavixQtLib {

class TavixQSwitch;

// Private side of TavixQSwitch: the resting side, the thumb animation, styles and texts.
class TAVIXQTLIB_EXPORT TavixQSwitchImpl : public TavixQWidgetBaseImpl
{
    Q_OBJECT
public:
    static constexpr int kDefaultSpeed = 300;       // ms
    static constexpr int kDefaultMargin = 2;
    static constexpr int kDefaultThumb = 25;
    static constexpr int kMaxSpeed = 10000;         // ms; a page must not start a toggle that runs for days
    static constexpr int kMaxLength = 10000;        // bound of margins and thumb sides, in pixels

    explicit TavixQSwitchImpl(TavixQSwitch *owner);
    ~TavixQSwitchImpl() override;

    void paint(QPainter *painter, const QRect &rect) override;
    bool serializeJsonValue(Json::Value **node, bool read) override;
    void mousePressEvent(QMouseEvent *event) override;

    // Starts moving the thumb to the other side; does nothing while a toggle runs.
    void toggle();
    // Rests the thumb on a side at once, stopping a running toggle; emits toggled() on a change.
    void setSide(bool left);
    bool isAnimating() const { return animating; }

    // How far the thumb travels in a switch width pixels wide (never negative).
    int travel(int width) const;
    // Where the thumb is drawn in rect: the animation's offset while a toggle runs, else its side's end.
    QRect thumbRect(const QRect &rect) const;
    // The two text boxes, of the thumb's size at the thumb's top.
    QRect leftTextRect(const QRect &rect) const;
    QRect rightTextRect(const QRect &rect) const;
    // The text that marks the state: with both texts shown the one under the thumb (it takes the emphasised
    // style), else the only one drawn, which sits away from the thumb. Read as the accessible value.
    QString stateText() const;
    // Announces the accessible value when the state text is no longer before.
    void announceStateText(const QString &before) const;

public slots:
    void valueChanged(const QVariant &value);
    void finished();

public:
    TavixQSwitch *control = nullptr;

    bool showAllText = true;
    int thumbX = -1;            // offset from the left margin, as animated or last drawn; -1 before either
    bool animating = false;
    int margin = kDefaultMargin;
    bool showText = true;
    bool switchToLeft = false;
    int speed = kDefaultSpeed;
    QString leftText = QStringLiteral("On");
    QString rightText = QStringLiteral("Off");
    QSize thumbSize = QSize(kDefaultThumb, kDefaultThumb);
    FillStyle background;
    FillStyle thumbStyles[4];
    TextStyleDesc leftTextStyle;
    TextStyleDesc rightTextStyle;
    QVariantAnimation *animation = nullptr;     // owned by this object
};

} // namespace TavixQtLib
