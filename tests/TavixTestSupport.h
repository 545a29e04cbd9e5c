#pragma once

// Helpers shared by the test executables.

#include "core/ITavixQWidgetBase.h"
#include "core/TavixJson.h"
#include "core/TavixQtCompat.h"
#include "resources/FillStyle.h"

#include <QByteArray>
#include <QColor>
#include <QCoreApplication>
#include <QCursor>
#include <QFile>
#include <QHBoxLayout>
#include <QImage>
#include <QMouseEvent>
#include <QString>
#include <QWidget>
#include <QtGlobal>

namespace tavixtest {

// Parses a document written in a test; one that does not parse is a fault of the test itself.
inline Json::Value parse(const QByteArray &text)
{
    Json::Value value;
    if (!TavixQtLib::tavixParseJson(text, value))
        qFatal("test JSON does not parse: %s", text.constData());
    return value;
}

inline QByteArray show(const Json::Value &value)
{
    return QByteArray::fromStdString(TavixQtLib::tavixJsonCompact(value));
}

// Probe colours the item-view tests paint rows and backgrounds with and look for in grabbed pixels.
inline const QColor kRed(255, 0, 0);
inline const QColor kGreen(0, 255, 0);
inline const QColor kBlue(0, 0, 255);
inline const QColor kGrey(90, 90, 90);
inline const QColor kYellow(255, 255, 0);
inline const QColor kMagenta(255, 0, 255);

// A plain colour fill, optionally a named style.
inline TavixQtLib::FillStyle solid(const QColor &colour, const char *name = "")
{
    TavixQtLib::FillStyle style;
    style.color = colour;
    style.name = QString::fromLatin1(name);
    return style;
}

inline TavixQtLib::FillStyle solid(const QColor &colour, const QString &name)
{
    TavixQtLib::FillStyle style = solid(colour);
    style.name = name;
    return style;
}

// The node a control writes, starting from an empty object.
inline Json::Value written(TavixQtLib::ITavixQWidgetBase &control)
{
    Json::Value node(Json::objectValue);
    control.serializeJsonValue(&node, false);
    return node;
}

// The widget and its children rendered over a sentinel colour that shows what was not painted.
inline QImage rendered(QWidget &widget, const QColor &sentinel = QColor(0, 255, 255))
{
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(sentinel);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// Pixels of exactly this colour in the image.
inline int countColour(const QImage &image, const QColor &colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

// QTest::mouseMove does not carry the held button in every Qt 5 version, so moves are sent by hand.
inline void moveTo(QWidget *w, const QPoint &pos, Qt::MouseButtons held = Qt::NoButton)
{
    QMouseEvent move(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
}

inline void hover(QWidget *viewport, const QPoint &pos)
{
    QHoverEvent move =
        TavixQtLib::tavixHoverEvent(QEvent::HoverMove, pos, viewport->mapToGlobal(pos), QPoint(-1, -1));
    QCoreApplication::sendEvent(viewport, &move);
}

// An event without arguments (Enter, Leave, ...) sent straight to the widget.
inline void send(QWidget &widget, QEvent::Type type)
{
    QEvent plain(type);
    QCoreApplication::sendEvent(&widget, &plain);
}

// Shows window with w alone in its layout at the top left, at w's size hint (w's policy made Fixed):
// what a layout gives a control, and how it follows a changed hint.
inline void showInLayout(QWidget &window, QWidget *w)
{
    auto *layout = new QHBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    w->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    layout->addWidget(w, 0, Qt::AlignLeft | Qt::AlignTop);
    window.resize(800, 400);
    window.show();
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace tavixtest

namespace {

// Qt 6 gives a window that appears under the cursor an enter event, which would make the first row
// or control Hot before a test moves the mouse; the offscreen cursor starts where test windows
// appear, so it is moved away once per test program (Qt 5 sends no such event).
void tavixTestCursorAway()
{
    QCursor::setPos(-1000, -1000);
}
Q_COREAPP_STARTUP_FUNCTION(tavixTestCursorAway)

} // namespace


namespace tavixtest {

// Within tolerance per channel, alpha included: blending and antialiasing round.
inline bool near(const QColor &a, const QColor &b, int tolerance = 2)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
           && qAbs(a.blue() - b.blue()) <= tolerance && qAbs(a.alpha() - b.alpha()) <= tolerance;
}

} // namespace tavixtest
