#include "core/TavixAccessible.h"

#include "controls/charts/TavixQECGChart.h"
#include "controls/charts/TavixQICDChart.h"
#include "controls/ribbon/TavixQRibbonBar.h"
#include "controls/ribbon/TavixQRibbonGroup.h"
#include "controls/ribbon/TavixQRibbonPage.h"
#include "controls/TavixQCheckBox.h"
#include "controls/TavixQGroupBox.h"
#include "controls/TavixQImage.h"
#include "controls/TavixQLabel.h"
#include "controls/TavixQLabelEx.h"
#include "controls/TavixQLCDNumber.h"
#include "controls/TavixQProgressBar.h"
#include "controls/TavixQPushButton.h"
#include "controls/TavixQRadioButton.h"
#include "controls/TavixQScrollBar.h"
#include "controls/TavixQSlider.h"
#include "controls/TavixQSwitch.h"
#include "controls/TavixQSwitchImpl.h"
#include "controls/TavixQTabWidget.h"
#include "controls/TavixQTabWidgetImpl.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QKeySequence>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QVector>

#include <cmath>

namespace TavixQtLib {

namespace {

using TextOf = QString (*)(QWidget *);

// A button's "&Save" is "Save" with the mnemonic Alt+S; "&&" is a literal ampersand. Other kit captions
// have no mnemonics and are read as written.
QString withoutMnemonic(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        out.append(text.at(i));
    }
    return out;
}

// A kit widget seen by accessibility clients. The name is an explicit accessible name, else the caption
// the control shows, else what Qt would use (a window title, a buddy label), else the tool tip, else a
// fallback for controls that show no text at all (charts). The tool tip describes the control unless it
// already names it.
class KitWidget : public QAccessibleWidget
{
public:
    KitWidget(QWidget *widget, QAccessible::Role role, TextOf caption = nullptr, TextOf fallback = nullptr,
              TextOf description = nullptr)
        : QAccessibleWidget(widget, role), m_caption(caption), m_fallback(fallback), m_description(description)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return name();
        case QAccessible::Description: {
            QString text = widget()->accessibleDescription();
            if (text.isEmpty() && widget()->toolTip() != name())
                text = widget()->toolTip();
            if (text.isEmpty() && m_description)
                text = m_description(widget());
            return text;
        }
        case QAccessible::Value:
            return value();
        default:
            return QAccessibleWidget::text(t);
        }
    }

protected:
    virtual QString value() const { return QString(); }

    QString name() const
    {
        QString text = widget()->accessibleName();
        if (text.isEmpty() && m_caption)
            text = m_caption(widget());
        if (text.isEmpty())
            text = QAccessibleWidget::text(QAccessible::Name);
        if (text.isEmpty())
            text = widget()->toolTip();
        if (text.isEmpty() && m_fallback)
            text = m_fallback(widget());
        return text;
    }

private:
    TextOf m_caption;
    TextOf m_fallback;
    TextOf m_description;
};

// Push buttons (ribbon commands too), check boxes and radio buttons: the caption is the button's text
// whether or not the theme paints it. Actions run click(), so signals, toggling and radio exclusivity
// follow as from the pointer.
class KitButton : public KitWidget
{
public:
    KitButton(QAbstractButton *button, QAccessible::Role role)
        : KitWidget(button, role,
                    [](QWidget *w) { return withoutMnemonic(static_cast<QAbstractButton *>(w)->text()); })
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = KitWidget::state();
        QAbstractButton *b = button();
        s.checkable = b->isCheckable();
        s.pressed = b->isDown();
        if (auto *box = qobject_cast<QCheckBox *>(b))
            s.checkStateMixed = box->checkState() == Qt::PartiallyChecked;
        // Qt counts a partly checked box as checked; a client must hear "mixed", not "checked".
        s.checked = b->isChecked() && !s.checkStateMixed;
        if (auto *push = qobject_cast<QPushButton *>(b))
            s.defaultButton = push->isDefault();
        return s;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled())
            names << (button()->isCheckable() ? toggleAction() : pressAction());
        return names + KitWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction() || action == toggleAction()) {
            if (widget()->isEnabled())
                button()->click();
            return;
        }
        KitWidget::doAction(action);
    }

    // The mnemonic of the caption ("&Start" gives Alt+S) or an explicit shortcut.
    QStringList keyBindingsForAction(const QString &action) const override
    {
        const QKeySequence key = button()->shortcut();
        if ((action == pressAction() || action == toggleAction()) && !key.isEmpty())
            return QStringList(key.toString());
        return KitWidget::keyBindingsForAction(action);
    }

private:
    QAbstractButton *button() const { return static_cast<QAbstractButton *>(object()); }
};

// The switch is a two-state check box.
class KitSwitch : public KitWidget
{
public:
    explicit KitSwitch(TavixQSwitch *control) : KitWidget(control, QAccessible::CheckBox) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = KitWidget::state();
        s.checkable = true;
        s.checked = isOn();
        return s;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled())
            names << toggleAction();
        return names + KitWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action != toggleAction()) {
            KitWidget::doAction(action);
            return;
        }
        // The same animated toggle a press starts; the state changes (and is announced) when it ends.
        if (widget()->isEnabled() && control()->getImpl())
            control()->getImpl()->toggle();
    }

protected:
    QString value() const override
    {
        return control()->getImpl() ? control()->getImpl()->stateText() : QString();
    }

private:
    TavixQSwitch *control() const { return static_cast<TavixQSwitch *>(object()); }
    bool isOn() const { return !control()->getIsSwitchToLeft(); }   // the thumb rests at the right
};

// Sliders and scroll bars (settable, with step actions) and progress bars (read only).
class KitRange : public KitWidget, public QAccessibleValueInterface
{
public:
    KitRange(QWidget *widget, QAccessible::Role role) : KitWidget(widget, role) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return KitWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return slider() ? slider()->value() : bar()->value(); }
    QVariant maximumValue() const override { return slider() ? slider()->maximum() : bar()->maximum(); }
    QVariant minimumValue() const override { return slider() ? slider()->minimum() : bar()->minimum(); }
    QVariant minimumStepSize() const override { return slider() ? slider()->singleStep() : 0; }

    // A client may send anything: NaN, infinity and non-numbers are refused, other numbers clamped.
    void setCurrentValue(const QVariant &value) override
    {
        QAbstractSlider *s = slider();
        bool ok = false;
        const double wanted = value.toDouble(&ok);
        if (!s || !s->isEnabled() || !ok || !std::isfinite(wanted))
            return;
        s->setValue(int(std::lround(qBound(double(s->minimum()), wanted, double(s->maximum())))));
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (slider() && widget()->isEnabled())
            names << increaseAction() << decreaseAction();
        return names + KitWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        QAbstractSlider *s = slider();
        const bool step = action == increaseAction() || action == decreaseAction();
        if (!step) {
            KitWidget::doAction(action);
            return;
        }
        // What an arrow key does: emits actionTriggered and valueChanged like any user step.
        if (s && s->isEnabled())
            s->triggerAction(action == increaseAction() ? QAbstractSlider::SliderSingleStepAdd
                                                        : QAbstractSlider::SliderSingleStepSub);
    }

protected:
    QString value() const override { return slider() ? QString::number(slider()->value()) : bar()->text(); }

private:
    QAbstractSlider *slider() const { return qobject_cast<QAbstractSlider *>(object()); }
    QProgressBar *bar() const { return static_cast<QProgressBar *>(object()); }
};

// One cell of a tab widget: a child without an object of its own, like Qt's tab-bar buttons.
class KitTabCell : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    KitTabCell(TavixQTabWidget *tab, int index) : m_tab(tab), m_index(index) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }

    bool isValid() const override { return m_tab && m_tab->getImpl() && m_index < m_tab->getTabCount(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override
    {
        QAccessibleInterface *bar = parent();
        return bar ? bar->window() : nullptr;
    }
    QAccessibleInterface *parent() const override
    {
        return m_tab ? QAccessible::queryAccessibleInterface(m_tab.data()) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid())
            return QString();
        return m_tab->getTabText(m_index);
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QRect cell = m_tab->getImpl()->cellRect(m_index);
        return QRect(m_tab->mapToGlobal(cell.topLeft()), cell.size());
    }

    QAccessible::Role role() const override { return QAccessible::PageTab; }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const bool selected = m_index == m_tab->getSelectedIndex();
        s.selectable = true;
        s.selected = selected;
        s.focusable = m_tab->focusPolicy() != Qt::NoFocus;
        s.focused = selected && m_tab->hasFocus();
        s.disabled = !m_tab->isEnabled();
        s.invisible = !m_tab->isVisible();
        s.offscreen = !m_tab->rect().intersects(m_tab->getImpl()->cellRect(m_index));
        return s;
    }

    QStringList actionNames() const override
    {
        return isValid() && m_tab->isEnabled() ? QStringList(pressAction()) : QStringList();
    }

    // Selects the tab, as Qt's tab bars do for this action; the tab already selected stays as it is.
    void doAction(const QString &action) override
    {
        if (action == pressAction() && isValid() && m_tab->isEnabled())
            m_tab->setSelectedIndex(m_index);
    }

    QStringList keyBindingsForAction(const QString &) const override { return QStringList(); }

    int index() const { return m_index; }

private:
    QPointer<TavixQTabWidget> m_tab;
    int m_index;
};

// The tab widget: a page tab list whose children are its cells. Cells are made on demand and live as
// long as this interface, as registered interfaces must.
class KitTabBar : public KitWidget
{
public:
    explicit KitTabBar(TavixQTabWidget *tab) : KitWidget(tab, QAccessible::PageTabList) {}

    ~KitTabBar() override
    {
        for (QAccessible::Id id : qAsConst(m_cells)) {
            if (id)
                QAccessible::deleteAccessibleInterface(id);
        }
    }

    int childCount() const override { return tab()->getTabCount(); }

    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (index >= m_cells.size())
            m_cells.resize(index + 1);
        if (!m_cells.at(index)) {
            auto *cell = new KitTabCell(tab(), index);
            m_cells[index] = QAccessible::registerAccessibleInterface(cell);
        }
        return QAccessible::accessibleInterface(m_cells.at(index));
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto *cell = dynamic_cast<const KitTabCell *>(child);
        if (!cell || !cell->isValid() || cell->parent() != this)
            return -1;
        return cell->index();
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QPoint local = tab()->mapFromGlobal(QPoint(x, y));
        return tab()->getImpl() ? child(tab()->getImpl()->cellAt(local)) : nullptr;
    }

    QAccessibleInterface *focusChild() const override
    {
        return tab()->hasFocus() ? child(tab()->getSelectedIndex()) : nullptr;
    }

private:
    TavixQTabWidget *tab() const { return static_cast<TavixQTabWidget *>(object()); }

    mutable QVector<QAccessible::Id> m_cells;   // 0 where no cell has been asked for yet
};

QString labelText(QWidget *w) { return static_cast<TavixQLabel *>(w)->getText(); }
QString labelExText(QWidget *w) { return static_cast<TavixQLabelEx *>(w)->getText(); }
QString lcdText(QWidget *w) { return static_cast<TavixQLCDNumber *>(w)->getNumText(); }
QString groupBoxText(QWidget *w) { return static_cast<TavixQGroupBox *>(w)->getText(); }
QString ribbonGroupText(QWidget *w) { return static_cast<TavixQRibbonGroup *>(w)->groupText(); }

QString ribbonPageText(QWidget *w)
{
    const auto *page = static_cast<TavixQRibbonPage *>(w);
    return page->displayName().isEmpty() ? page->pageName() : page->displayName();
}

QString ecgName(QWidget *) { return QStringLiteral("ECG chart"); }
QString icdName(QWidget *) { return QStringLiteral("ICD chart"); }

QString chartDescription(QWidget *w)
{
    const int points = static_cast<TavixQSweepChart *>(w)->dataSize();
    return QStringLiteral("Waveform of %1 point%2").arg(points).arg(points == 1 ? "" : "s");
}

// A kit control whose first Qt ancestor is plain QWidget holds other controls (or nothing); one derived
// from a Qt control keeps that control's interface.
bool isPlainKitWidget(QObject *object)
{
    const QMetaObject *meta = object->metaObject();
    bool kit = false;
    for (; meta && QByteArray(meta->className()).startsWith("TavixQtLib::"); meta = meta->superClass())
        kit = true;
    return kit && meta == &QWidget::staticMetaObject;
}

} // namespace

QAccessibleInterface *tavixAccessibleFactory(const QString &, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    QWidget *w = static_cast<QWidget *>(object);

    if (auto *control = qobject_cast<TavixQSwitch *>(w))
        return new KitSwitch(control);
    if (auto *tab = qobject_cast<TavixQTabWidget *>(w))
        return new KitTabBar(tab);
    if (auto *button = qobject_cast<TavixQPushButton *>(w))
        return new KitButton(button, QAccessible::PushButton);
    if (auto *box = qobject_cast<TavixQCheckBox *>(w))
        return new KitButton(box, QAccessible::CheckBox);
    if (auto *radio = qobject_cast<TavixQRadioButton *>(w))
        return new KitButton(radio, QAccessible::RadioButton);
    if (qobject_cast<TavixQSlider *>(w))
        return new KitRange(w, QAccessible::Slider);
    if (qobject_cast<TavixQScrollBar *>(w))
        return new KitRange(w, QAccessible::ScrollBar);
    if (qobject_cast<TavixQProgressBar *>(w))
        return new KitRange(w, QAccessible::ProgressBar);
    if (qobject_cast<TavixQLabel *>(w))
        return new KitWidget(w, QAccessible::StaticText, &labelText);
    if (qobject_cast<TavixQLabelEx *>(w))
        return new KitWidget(w, QAccessible::StaticText, &labelExText);
    if (qobject_cast<TavixQLCDNumber *>(w))
        return new KitWidget(w, QAccessible::StaticText, &lcdText);
    if (qobject_cast<TavixQImage *>(w))
        return new KitWidget(w, QAccessible::Graphic);
    if (qobject_cast<TavixQECGChart *>(w))
        return new KitWidget(w, QAccessible::Chart, nullptr, &ecgName, &chartDescription);
    if (qobject_cast<TavixQICDChart *>(w))
        return new KitWidget(w, QAccessible::Chart, nullptr, &icdName, &chartDescription);
    if (qobject_cast<TavixQGroupBox *>(w))
        return new KitWidget(w, QAccessible::Grouping, &groupBoxText);
    if (qobject_cast<TavixQRibbonBar *>(w))
        return new KitWidget(w, QAccessible::ToolBar);
    if (qobject_cast<TavixQRibbonGroup *>(w))
        return new KitWidget(w, QAccessible::Grouping, &ribbonGroupText);
    if (qobject_cast<TavixQRibbonPage *>(w))
        return new KitWidget(w, QAccessible::Pane, &ribbonPageText);
    if (w->inherits("RibbonSeparator"))
        return new KitWidget(w, QAccessible::Separator);
    if (w->inherits("TavixQtLib::TavixQSpacer"))
        return new KitWidget(w, QAccessible::Whitespace);
    if (w->inherits("TavixQtLib::TavixQSplitter"))
        return new KitWidget(w, QAccessible::Splitter);
    // Scroll views and the property list scroll a page of controls; Qt would call them a client area.
    if (w->inherits("TavixQtLib::TavixQScrollView"))
        return new KitWidget(w, QAccessible::Pane);
    // The designer's surface draws the pages it edits itself: a canvas, not a pane of children.
    if (w->inherits("TavixQtLib::TavixQCanvas"))
        return new KitWidget(w, QAccessible::Canvas);
    if (w->inherits("TavixQtLib::TavixQRibbonRowPanel"))
        return new KitWidget(w, QAccessible::Grouping);
    if (isPlainKitWidget(w))
        return new KitWidget(w, QAccessible::Pane);   // containers, stacks, ribbon areas, canvas windows
    // Lists, tables and trees keep Qt's own interfaces, stateless on Qt 5: those classes are not exported,
    // and reaching one through queryAccessibleInterface() caches it for the view, so a wrapper would be a
    // second interface for the same object, which the cache does not allow.
    return nullptr;
}

void tavixInstallAccessibleFactory()
{
    // Registering the controls again must not stack up copies of the factory.
    static bool installed = false;
    if (installed)
        return;
    QAccessible::installFactory(&tavixAccessibleFactory);
    installed = true;
}

void tavixNotifyAccessibleChecked(QObject *control)
{
    if (!control)
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(control, changed);
    QAccessible::updateAccessibility(&event);
}

void tavixNotifyAccessibleName(QObject *control)
{
    auto *widget = qobject_cast<QWidget *>(control);
    if (!widget || !widget->accessibleName().isEmpty())
        return;
    QAccessibleEvent event(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void tavixNotifyAccessibleValue(QObject *control, const QString &value)
{
    if (!control)
        return;
    QAccessibleValueChangeEvent event(control, value);
    QAccessible::updateAccessibility(&event);
}

void tavixNotifyAccessibleSelection(QObject *control, int child)
{
    if (!control)
        return;
    // A screen reader follows keyboard focus: the focused bar's focus moves to the new cell as well.
    auto *widget = qobject_cast<QWidget *>(control);
    if (widget && widget->hasFocus()) {
        QAccessibleEvent focus(control, QAccessible::Focus);
        focus.setChild(child);
        QAccessible::updateAccessibility(&focus);
    }
    QAccessibleEvent event(control, QAccessible::Selection);
    event.setChild(child);
    QAccessible::updateAccessibility(&event);
}

} // namespace TavixQtLib
