#pragma once

#include "core/TavixControlDeclare.h"
#include "resources/FillStyle.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QColor>
#include <QWidget>

namespace TavixQtLib {

// A one-pixel frame with a caption set into its top edge.
class TAVIXQTLIB_EXPORT TavixQGroupBox : public QWidget, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQGroupBox)
public:
    explicit TavixQGroupBox(QWidget *parent = nullptr);
    ~TavixQGroupBox() override;

    void setText(const QString &text);
    QString getText() const;
    // One text style and one background for every state; the state argument is ignored.
    void setTextStyle(CommonCtrlState state, const TextStyleDesc &style);
    const TextStyleDesc &getTextStyle(CommonCtrlState state) const;
    void setBackground(CtrlState state, const FillStyle &style);
    const FillStyle &getBackground(CtrlState state) const;
    void setLineColor(const QColor &color);
    QColor getLineColor() const;
    // Raises the bottom edge to lineSize pixels above the bottom; the pen stays one pixel wide.
    void setLineSize(int size);
    int getLineSize() const;
    void setShowText(bool show);
    bool getShowText() const;

    QSize sizeHint() const override;

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    TAVIX_DECLARE_FORWARDED_EVENTS
};

} // namespace TavixQtLib
