#pragma once

#include "core/ControlInfo.h"
#include "core/ITavixQWidgetBase.h"
#include "core/TavixQWidgetBase.h"
#include "resources/FillStyle.h"
#include "tavixqtlib_export.h"

#include <QWidget>

namespace TavixQtLib {

class TavixQStackContainerImpl;

// A page stack: only the current page is shown, and every page is kept sized to the stack.
class TAVIXQTLIB_EXPORT TavixQStackContainer : public QWidget, public ITavixQWidgetBase
{
    Q_OBJECT
public:
    explicit TavixQStackContainer(QWidget *parent = nullptr);
    ~TavixQStackContainer() override;

    static QWidget *createTavixQStackContainer();
    static const char *typeName();
    static ControlInfo getProps();

    TavixQWidgetBase *getControlBase() override { return &m_base; }
    QString getTypeName() const override;
    TavixQWidgetBaseImpl *getControlImpl() const override;
    TavixQStackContainerImpl *getImpl() const { return m_impl; }

    // Through the class setGeometry is Qt's; through the interface it also makes the layout Absolute.
    using QWidget::setGeometry;

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
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    TavixQWidgetBase m_base{this};
    TavixQStackContainerImpl *m_impl = nullptr;    // owned; created in the constructor
};

} // namespace TavixQtLib
