#pragma once

// A control of the application's own: a round status light with a caption. It joins the kit's registry
// under "statusdot", so page documents can place it, themes can style it and the property list edits it.

#include <TavixQtLib/TavixQtLib.h>

#include <QWidget>

class StatusDot : public QWidget, public TavixQtLib::ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(StatusDot)
    TAVIX_DECLARE_FORWARDED_EVENTS

public:
    explicit StatusDot(QWidget *parent = nullptr);
    ~StatusDot() override;

    void setOn(bool on);
    bool isOn() const;
    void setCaption(const QString &caption);
    QString caption() const;
    // The light's look when off (false) and on (true).
    void setLightStyle(int on, const TavixQtLib::FillStyle &style);
    TavixQtLib::FillStyle lightStyle(int on) const;

signals:
    void toggled(bool on);
};

// Everything the page and the theme say about a status dot, and how it paints.
class StatusDotImpl : public TavixQtLib::TavixQWidgetBaseImpl
{
    Q_OBJECT

public:
    explicit StatusDotImpl(QWidget *widget);

    void paint(QPainter *painter, const QRect &rect) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool serializeJsonValue(Json::Value **node, bool read) override;

    enum Slot { OffSlot = 0, OnSlot = 1, CaptionSlot = 2 };
    TavixQtLib::FillStyle light[2];
    TavixQtLib::TextStyleDesc captionStyle;
    QString caption;
    bool on = false;
};
