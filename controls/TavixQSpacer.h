#pragma once

#include "core/ControlInfo.h"
#include "core/ITavixQWidgetBase.h"
#include "core/TavixQWidgetBase.h"
#include "tavixqtlib_export.h"

#include <QWidget>

namespace TavixQtLib {

class TavixQSpacerImpl;

// Invisible, mouse-transparent filler; in a container row it absorbs the free length.
class TAVIXQTLIB_EXPORT TavixQSpacer : public QWidget, public ITavixQWidgetBase
{
    Q_OBJECT
public:
    enum Direction : int { Auto = 0, Horizontal = 1, Vertical = 2 };

    explicit TavixQSpacer(QWidget *parent = nullptr);
    ~TavixQSpacer() override;

    static QWidget *createTavixQSpacer();
    static const char *typeName();
    static ControlInfo getProps();

    TavixQWidgetBase *getControlBase() override { return &m_base; }
    QString getTypeName() const override;
    TavixQWidgetBaseImpl *getControlImpl() const override;
    TavixQSpacerImpl *getImpl() const { return m_impl; }

    // Through the class setGeometry is Qt's; through the interface it also makes the layout Absolute.
    using QWidget::setGeometry;

    // Values outside Auto..Vertical store Auto. A parent container lays out again.
    void setDirection(Direction direction);
    int getDirection() const;
    // Cross size in a container row; negative values store 0. A parent container lays out again.
    void setThickness(int thickness);
    int getThickness() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void relayoutParent();

    TavixQWidgetBase m_base{this};
    TavixQSpacerImpl *m_impl = nullptr;
};

} // namespace TavixQtLib
