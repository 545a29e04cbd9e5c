#include "controls/TavixQProgressBarImpl.h"

#include "controls/TavixQProgressBar.h"
#include "core/TavixJson.h"
#include "core/TavixNodeEntries.h"
#include "resources/TavixQResourceManager.h"

#include <QPainter>
#include <QPainterPath>

#include <json/value.h>

#include <cmath>

namespace TavixQtLib {

namespace {

// One turn and the point that closes it: a wider angle range would only repeat the circle.
constexpr int kMaxWedgePoints = 361;

} // namespace

TavixQProgressBarImpl::TavixQProgressBarImpl(TavixQProgressBar *owner)
    : TavixQWidgetBaseImpl(owner, QString::fromLatin1(TavixQProgressBar::typeName()))
    , bar(owner)
{
}

double TavixQProgressBarImpl::fraction() const
{
    if (!bar || bar->maximum() <= bar->minimum())
        return 0.0;
    // In double: the difference of two ints may not fit an int.
    const double done = double(bar->value()) - double(bar->minimum());
    return qBound(0.0, done / (double(bar->maximum()) - double(bar->minimum())), 1.0);
}

QString TavixQProgressBarImpl::percentText() const
{
    qint64 percent = 0;
    if (bar && bar->maximum() > bar->minimum()) {
        // Whole percent in integers, so that 29 of 100 never reads as 28.
        const qint64 done = qint64(bar->value()) - bar->minimum();
        percent = qBound(qint64(0), done * 100 / (qint64(bar->maximum()) - bar->minimum()), qint64(100));
    }
    return QStringLiteral("%1%").arg(percent);
}

QRect TavixQProgressBarImpl::filledRect(const QRect &rect, double f) const
{
    if (bar && bar->orientation() == Qt::Vertical) {
        const int height = int(f * rect.height());
        return QRect(rect.left(), rect.top() + rect.height() - height, rect.width(), height);
    }
    return QRect(rect.left(), rect.top(), int(f * rect.width()), rect.height());
}

QPolygonF TavixQProgressBarImpl::wedge(const QRect &rect, double f) const
{
    const double cx = rect.left() + rect.width() / 2;
    const double cy = rect.top() + rect.height() / 2;
    const double radius = qMax(rect.width(), rect.height());
    const double sweep = f * (double(circleEndAngle) - double(circleStartAngle));
    // Whole degrees a with start <= a < start + sweep.
    const int points = int(qMin(std::ceil(sweep), double(kMaxWedgePoints)));
    QPolygonF polygon;
    polygon.reserve(points + 2);
    polygon.append(QPointF(cx, cy));
    for (int i = 0; i < points; ++i) {
        // Degree 0 points straight down; angles grow clockwise on screen.
        const double a = (double(circleStartAngle) + i) * 3.1415926 / 180.0;
        polygon.append(QPointF(cx - std::sin(a) * radius, cy + std::cos(a) * radius));
    }
    polygon.append(QPointF(cx, cy));
    return polygon;
}

void TavixQProgressBarImpl::paint(QPainter *painter, const QRect &rect)
{
    const double f = fraction();
    drawFillStyle(painter, background, rect);
    if (!isCircle) {
        const QRect filled = filledRect(rect, f);
        if (!filled.isEmpty())
            drawFillStyle(painter, foreground, filled);
    } else if (f >= 1.0) {
        drawFillStyle(painter, foreground, rect);
    } else if (f > 0.0) {
        QPainterPath path;
        path.setFillRule(Qt::OddEvenFill);
        path.addPolygon(wedge(rect, f));
        painter->save();
        painter->setClipPath(path, Qt::ReplaceClip);
        drawFillStyle(painter, foreground, rect);
        painter->restore();
    }
    if (showText)
        drawTextStyle(painter, percentText(), textStyle, rect, &textLayouts);
}

bool TavixQProgressBarImpl::serializeJsonValue(Json::Value **node, bool read)
{
    // The base may redirect *node to the control's theme entry; it rejects nodes that are not objects.
    if (!TavixQWidgetBaseImpl::serializeJsonValue(node, read) || !bar)
        return false;
    TavixStyleSlots styleSlots;
    styleSlots.fill(0, &background).fill(2, &foreground).text(4, &textStyle);

    if (read) {
        const Json::Value &target = **node;
        const Json::Value *attr = tavixAttrNode(target);
        const Json::Value empty;
        const Json::Value &a = attr ? *attr : empty;
        bool b = false;
        if (tavixReadBool(a, "showText", b))
            showText = b;
        styleSlots.read(target);
        bar->update();
        // A theme entry styles a bar; it never moves its value.
        if (TavixQResourceManager::getInstance()->isLoadFromThemeRes())
            return true;
        int value = 0;
        tavixReadInt(a, "val", value);
        bar->setValue(value);   // last: emits, and a slot may delete the bar
        return true;
    }

    Json::Value &out = **node;
    tavixWriteAttrBool(out, "showText", showText, false);
    // Qt's reset value (one below the minimum) marks "no progress", which a missing key already means.
    tavixWriteAttrInt(out, "val", bar->value() < bar->minimum() ? 0 : bar->value(), 0);
    styleSlots.write(out);
    return true;
}

} // namespace TavixQtLib
