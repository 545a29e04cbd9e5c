#pragma once

#include "core/TavixControlDeclare.h"
#include "resources/FillStyle.h"
#include "tavixqtlib_export.h"

#include <QColor>
#include <QLCDNumber>

namespace TavixQtLib {

class TavixQLCDNumberImpl;

// Seven-segment digits over a themed background fill.
class TAVIXQTLIB_EXPORT TavixQLCDNumber : public QLCDNumber, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQLCDNumber)
    TAVIX_DECLARE_FORWARDED_EVENTS
public:
    explicit TavixQLCDNumber(QWidget *parent = nullptr);
    ~TavixQLCDNumber() override;

    // Shows text as QLCDNumber does; getNumText() gives it back while the value is still the one it set
    // (so "12:30" survives a save), otherwise the value in general format ("12.5").
    void setNumText(const QString &text);
    QString getNumText() const;
    void setColor(const QColor &color);
    QColor getColor() const;   // the digits' colour
    // One background for every state; the state is ignored.
    void setBackground(CommonCtrlState state, const FillStyle &style);
    const FillStyle &getBackground(CommonCtrlState state) const;
    // 0..99 digits; other counts are ignored.
    void setDigitCountChecked(int count);
    int getDigitCount() const { return digitCount(); }

protected:
    bool event(QEvent *event) override;

private:
    friend class TavixQLCDNumberImpl;
    void paintAsQLCDNumber(QPaintEvent *event) { QLCDNumber::paintEvent(event); }
};

} // namespace TavixQtLib
