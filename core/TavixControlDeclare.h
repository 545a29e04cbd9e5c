#pragma once

#include "core/ControlInfo.h"
#include "core/ITavixQWidgetBase.h"
#include "core/TavixQWidgetBase.h"
#include "core/TavixQtCompat.h"

#include <QPointer>
#include <QString>
#include <QVariant>
#include <QWidget>

// The glue every kit control shares, declared once in the manner of Q_OBJECT / Q_DECLARE_PRIVATE.
//
// In the class body, after Q_OBJECT:
//     TAVIX_DECLARE_CONTROL(TavixQLabel)
//     TAVIX_DECLARE_FORWARDED_EVENTS        // optional: paint, enter, leave, press, release, move
// In the source:
//     TAVIX_DEFINE_CONTROL(TavixQLabel, "qtlabel")
//     TAVIX_DEFINE_FORWARDED_EVENTS(TavixQLabel, QLabel)
//
// The class needs a constructor taking the parent (create##Class##In uses it). The control then owns
// `m_impl` (a Class##Impl, which the macro declares, created in the constructor) and `m_base`; its
// destructor calls tavixDestroyImpl(this, m_impl). A control that
// paints some other way uses TAVIX_DECLARE_FORWARDED_INPUT_EVENTS (all but paint). A control whose
// handlers differ (Impl first, a signal, nothing forwarded) still declares the set, writes those
// handlers itself and defines the plain ones one by one with TAVIX_DEFINE_FORWARDED_PAINT /
// TAVIX_DEFINE_FORWARDED_EVENT. Handlers outside the set (double click, resize, wheel) are
// declared by hand.

// Creator, keyword, descriptor, interface answers, base record and Impl pointer.
//
// The "impl" and "visibility" flags every control carries are declared properties: read and written
// through QObject::property/setProperty exactly like dynamic ones (unset reads as an invalid QVariant,
// an invalid QVariant clears), but found at the top of the class's own meta-object instead of after a
// miss over every inherited property, and set without a property-change event. A page builds thousands.
#define TAVIX_DECLARE_CONTROL(Class)                                                                 \
    Q_PROPERTY(QVariant impl READ tavixImplFlag WRITE setTavixImplFlag DESIGNABLE false STORED false  \
                   SCRIPTABLE false)                                                                 \
    Q_PROPERTY(QVariant visibility READ tavixVisibilityFlag WRITE setTavixVisibilityFlag              \
                   DESIGNABLE false STORED false SCRIPTABLE false)                                   \
                                                                                                     \
public:                                                                                              \
    static QWidget *create##Class();                                                                 \
    static QWidget *create##Class##In(QWidget *parent); /* born a child: no reparenting afterwards */ \
    static const char *typeName();                                                                   \
    static ::TavixQtLib::ControlInfo getProps();                                                     \
    ::TavixQtLib::TavixQWidgetBase *getControlBase() override { return &m_base; }                    \
    QString getTypeName() const override { return QString::fromLatin1(typeName()); }                 \
    ::TavixQtLib::TavixQWidgetBaseImpl *getControlImpl() const override;                             \
    class Class##Impl *getImpl() const { return m_impl; } /* declares the Impl class too */          \
    /* Through the class setGeometry is Qt's; through the interface it also makes the layout Absolute. */ \
    using QWidget::setGeometry;                                                                      \
                                                                                                     \
private:                                                                                             \
    ::TavixQtLib::TavixQWidgetBase m_base{this, this, &m_visibilityFlag}; /* layout, opacity, owner */ \
    Class##Impl *m_impl = nullptr;               /* owned; created in the constructor */             \
    QVariant m_implFlag;                                                                             \
    QVariant m_visibilityFlag;                                                                       \
    QVariant tavixImplFlag() const { return m_implFlag; }                                            \
    void setTavixImplFlag(const QVariant &value) { m_implFlag = value; }                             \
    QVariant tavixVisibilityFlag() const { return m_visibilityFlag; }                                \
    void setTavixVisibilityFlag(const QVariant &value) { m_visibilityFlag = value; }                 \
                                                                                                     \
public:

// Painting by the Impl, and enter/leave/mouse handed to the Impl's state machine after Qt's handler.
#define TAVIX_DECLARE_FORWARDED_EVENTS                                                               \
protected:                                                                                           \
    void paintEvent(QPaintEvent *event) override;                                                    \
    TAVIX_DECLARE_FORWARDED_INPUT_EVENTS

// Enter/leave/mouse only, for a control that paints some other way.
#define TAVIX_DECLARE_FORWARDED_INPUT_EVENTS                                                         \
protected:                                                                                           \
    void enterEvent(::TavixQtLib::TavixEnterEvent *event) override;                                  \
    void leaveEvent(QEvent *event) override;                                                         \
    void mousePressEvent(QMouseEvent *event) override;                                               \
    void mouseReleaseEvent(QMouseEvent *event) override;                                             \
    void mouseMoveEvent(QMouseEvent *event) override;                                                \
                                                                                                     \
public:

#define TAVIX_DEFINE_CONTROL(Class, keyword)                                                         \
    QWidget *Class::create##Class() { return new Class(); }                                          \
    QWidget *Class::create##Class##In(QWidget *parent) { return new Class(parent); }                 \
    const char *Class::typeName() { return keyword; }                                                \
    ::TavixQtLib::TavixQWidgetBaseImpl *Class::getControlImpl() const { return m_impl; }

// Qt's handler runs first and may emit (clicked, toggled, ...); a connected slot may delete the
// control, so the Impl is reached only while it is alive.
#define TAVIX_DEFINE_FORWARDED_EVENT(Class, QtBase, Handler, EventType)                              \
    void Class::Handler(EventType *event)                                                            \
    {                                                                                                \
        QPointer<Class> alive(this);                                                                 \
        QtBase::Handler(event);                                                                      \
        if (alive && m_impl)                                                                         \
            m_impl->Handler(event);                                                                  \
    }

#define TAVIX_DEFINE_FORWARDED_PAINT(Class)                                                          \
    void Class::paintEvent(QPaintEvent *event)                                                       \
    {                                                                                                \
        if (m_impl)                                                                                  \
            m_impl->paintEvent(event);                                                               \
    }

#define TAVIX_DEFINE_FORWARDED_EVENTS(Class, QtBase)                                                 \
    TAVIX_DEFINE_FORWARDED_PAINT(Class)                                                              \
    TAVIX_DEFINE_FORWARDED_INPUT_EVENTS(Class, QtBase)

#define TAVIX_DEFINE_FORWARDED_INPUT_EVENTS(Class, QtBase)                                           \
    TAVIX_DEFINE_FORWARDED_EVENT(Class, QtBase, enterEvent, ::TavixQtLib::TavixEnterEvent)           \
    TAVIX_DEFINE_FORWARDED_EVENT(Class, QtBase, leaveEvent, QEvent)                                  \
    TAVIX_DEFINE_FORWARDED_EVENT(Class, QtBase, mousePressEvent, QMouseEvent)                        \
    TAVIX_DEFINE_FORWARDED_EVENT(Class, QtBase, mouseReleaseEvent, QMouseEvent)                      \
    TAVIX_DEFINE_FORWARDED_EVENT(Class, QtBase, mouseMoveEvent, QMouseEvent)

namespace TavixQtLib {

// Clears the "impl" property so nothing reaches a deleted Impl through it, then deletes the Impl.
template <class Impl>
inline void tavixDestroyImpl(QWidget *control, Impl *&impl)
{
    control->setProperty("impl", QVariant());
    delete impl;
    impl = nullptr;
}

} // namespace TavixQtLib
