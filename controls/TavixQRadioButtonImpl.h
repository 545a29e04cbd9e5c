#pragma once

#include "controls/TavixQCheckableImpl.h"
#include "tavixqtlib_export.h"

#include <QSize>
#include <QString>

class QRadioButton;

namespace TavixQtLib {

// Private side of TavixQRadioButton: backgrounds by checked state and CtrlState, an indicator image
// scaled into the upper half of the widget's height, and one indicator for the disabled state.
class TAVIXQTLIB_EXPORT TavixQRadioButtonImpl : public TavixQCheckableImpl
{
    Q_OBJECT
public:
    explicit TavixQRadioButtonImpl(QRadioButton *radio);
    ~TavixQRadioButtonImpl() override;

    void paint(QPainter *painter, const QRect &rect) override;
    FillStyle *backgrounds(bool checked) override { return checked ? selectedBackgrounds : unselectedBackgrounds; }

    // The indicator drawn for a checked state and CtrlState while the widget is (not) enabled.
    // gray tells whether it is drawn in the disabled rendering.
    QString indicatorPath(bool checked, int state, bool enabled, bool *gray = nullptr) const;
    // natural fitted into (width, height / 2) keeping its aspect ratio; invalid stays invalid.
    static QSize scaledIndicatorSize(const QSize &natural, const QRect &rect);
    // Where an indicator of the given size sits in rect: aligned, then moved by the offsets.
    QRect indicatorRect(const QSize &size, const QRect &rect) const;
    // rect right of an indicator of the given size; rect itself when the size is invalid.
    static QRect captionRect(const QSize &indicatorSize, const QRect &rect);

    QRadioButton *radio = nullptr;

    QString disableIcon;
    bool pushlike = false;              // stored and persisted only
    FillStyle unselectedBackgrounds[4]; // by CtrlState; nothing painted until a style is assigned
    FillStyle selectedBackgrounds[4];   // by CtrlState; the default fill style until one is assigned

protected:
    void readOwnAttrs(const Json::Value &attr) override;
    void writeOwnAttrs(Json::Value &node) const override;

private:
    void drawScaledIndicator(QPainter *painter, const QString &path, const QRect &target, bool gray);
};

} // namespace TavixQtLib
