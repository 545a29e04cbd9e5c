#pragma once

#include "core/TavixControlDeclare.h"
#include "resources/FillStyle.h"
#include "tavixqtlib_export.h"

#include <QWidget>

namespace TavixQtLib {

// A page stack: only the current page is shown, and every page is kept sized to the stack.
class TAVIXQTLIB_EXPORT TavixQStackContainer : public QWidget, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQStackContainer)
public:
    explicit TavixQStackContainer(QWidget *parent = nullptr);
    ~TavixQStackContainer() override;

    // Inserts page at index (out of range: the end); an existing page moves there. Returns the index
    // used, or -1 for null, the stack itself or one of its ancestors. The first page becomes current.
    int insertWidget(int index, QWidget *page);
    int addWidget(QWidget *page);
    // Hides page and drops it from the stack; it keeps its Qt parent.
    void removeWidget(QWidget *page);
    void setCurrentIndex(int index);        // out of range: ignored
    void setCurrentWidget(QWidget *page);
    int currentIndex() const;
    QWidget *currentWidget() const;         // null when there is no page
    int count() const;
    QWidget *widget(int index) const;       // null out of range

    void setBackground(const FillStyle &style);
    void setDisableBackground(const FillStyle &style);
    // Normal selects the enabled background, any other state the disabled one.
    void setBackgroundState(CtrlState state, const FillStyle &style);
    const FillStyle &getBackgroundState(CtrlState state) const;
    void setDrawBackground(bool draw);
    bool getDrawBackground() const;

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    TAVIX_DECLARE_FORWARDED_EVENTS
};

} // namespace TavixQtLib
