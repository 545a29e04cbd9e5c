#pragma once

#include "core/TavixControlDeclare.h"
#include "resources/FillStyle.h"
#include "tavixqtlib_export.h"

#include <QIcon>
#include <QSize>
#include <QWidget>

class QDesignerFormEditorInterface;

namespace TavixQtLib {

class TavixQScrollBar;

// Layout panel: paints a themed background and arranges its children itself (rows shared by
// ratio, wrapping flows, absolute docking), optionally scrolled by bound scroll bars.
class TAVIXQTLIB_EXPORT TavixQContainer : public QWidget, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQContainer)
public:
    enum AutoChildLayout : int { Horizontal = 0, Vertical = 1, HorFloat = 2, VerFloat = 3, NoUse = 4 };
    Q_ENUM(AutoChildLayout)

    explicit TavixQContainer(QWidget *parent = nullptr);
    ~TavixQContainer() override;

    // Layout settings; each change lays the children out again.
    void setChildLayout(AutoChildLayout layout);
    AutoChildLayout getChildLayout() const;
    void setChildSpace(int space);              // negative gaps act as 0
    int getChildSpace() const;
    void setChildPadding(int all);
    void setChildPadding(int left, int top, int right, int bottom);
    void getChildPadding(int &left, int &top, int &right, int &bottom) const;
    void setChildRatio(QWidget *child, int ratio);          // null is ignored
    // Re-parents child to this container, watches it and gives it ratio when it is a kit control. The
    // layout pass and the bar update run once for all children added before the event loop runs again,
    // or at once through forceResize().
    void addChildWidget(QWidget *child, int ratio = 1);
    // When docked absolutely in a parent container, take the size of the content.
    void setAbsoluteDockAutoSize(bool autoSize);
    bool getAbsoluteDockAutoSize() const;
    // Size of the flow content plus paddings (used for auto-sized docking).
    QSize getContentSize() const;

    void setBackground(const FillStyle &style);
    const FillStyle &getBackground() const;
    void setDisableBackground(const FillStyle &style);
    const FillStyle &getDisableBackground() const;
    // Normal selects the enabled background, any other state the disabled one.
    void setBackgroundState(CtrlState state, const FillStyle &style);
    const FillStyle &getBackgroundState(CtrlState state) const;
    void setColor(const QColor &color);         // switches the background to colour painting
    void setUseFillStyle(bool useColor);        // the background's drawColor flag
    bool getUseFillStyle() const;
    void setDrawBackground(bool draw);
    bool getDrawBackground() const;

    // Binds bar as this container's horizontal or vertical scroll bar (null unbinds that axis). A bar
    // serves one container: binding it here, or re-parenting it away, unbinds it from where it was.
    void bindScrollBar(TavixQScrollBar *bar, bool horizontal);
    TavixQScrollBar *getBindScrollBar(bool horizontal) const;
    // With a bound bar, pos is clamped to its range; without one, to 0..16777215.
    void setScrollPos(bool horizontal, int pos);
    int getScrollPos(bool horizontal) const;

    // Animates the size from `from` to `to` over durationMs (0 or less: at once). False while another
    // animation runs.
    bool startResizeAnimation(const QSize &from, const QSize &to, int durationMs);
    bool isResizeAnimationRunning() const;

    // A native child window kept on this container's rectangle; the handle is not owned.
    void bindWindowHandle(void *handle);
    void unbindWindowHandle();
    void *getWindowHandle() const;

    // Custom-widget description for a designer plug-in. toolTip() and whatsThis() return the
    // widget's own texts (empty on a fresh container) so the Qt getters keep working.
    QString name() const;
    QString includeFile() const;
    QString domXml() const;
    QString group() const;
    QString toolTip() const;
    QString whatsThis() const;
    QIcon icon() const;
    bool isContainer() const;
    void initialize(QDesignerFormEditorInterface *core);
    bool isInitialized() const;
    QWidget *createWidget(QWidget *parent);

public slots:
    // Lays the children out again; called by children whose ratio or size changed.
    void forceResize();

signals:
    void mouseClickEvent();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    TAVIX_DECLARE_FORWARDED_EVENTS

private:
    bool m_designerInitialized = false;
};

} // namespace TavixQtLib
