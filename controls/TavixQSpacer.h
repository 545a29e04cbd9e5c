#pragma once

#include "core/TavixControlDeclare.h"
#include "tavixqtlib_export.h"

#include <QWidget>

namespace TavixQtLib {

// Invisible, mouse-transparent filler; in a container row it absorbs the free length.
class TAVIXQTLIB_EXPORT TavixQSpacer : public QWidget, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQSpacer)
public:
    enum Direction : int { Auto = 0, Horizontal = 1, Vertical = 2 };

    explicit TavixQSpacer(QWidget *parent = nullptr);
    ~TavixQSpacer() override;

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
};

} // namespace TavixQtLib
