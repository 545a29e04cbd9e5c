#include "designer/TavixQCanvas.h"

#include "controls/TavixQScrollBar.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixJson.h"
#include "core/TavixPageDocument.h"
#include "core/TavixQtCompat.h"
#include "designer/TavixQCanvasImpl.h"
#include "designer/TavixQCanvasWindow.h"
#include "resources/TavixQResourceManager.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QSaveFile>

#include <json/value.h>

#include <cstdlib>

namespace TavixQtLib {

namespace {

constexpr int kBand = 5;          // width of the hit band along a selected widget's border
constexpr int kSnap = 5;          // an edge closer than this to a sibling's edge snaps to it
constexpr int kMinSize = 10;      // smallest width and height a resize leaves
const QColor kPrimaryHandle(255, 255, 255);
const QColor kSecondaryHandle(197, 230, 255);

bool shownOnCanvas(const QWidget *widget)
{
    const QVariant flag = widget->property("visibility");
    return !flag.isValid() || flag.toBool();
}

// The origin of widget in the coordinates of ancestor, summed through positions: hidden widgets cannot
// be mapped through the screen.
QPoint originIn(const QWidget *widget, const QWidget *ancestor)
{
    QPoint origin;
    for (const QWidget *w = widget; w && w != ancestor; w = w->parentWidget())
        origin += w->pos();
    return origin;
}

// The text of a page document written whole or not at all: a QSaveFile writes a temporary file beside
// the target and renames it over the old one only when every byte is written.
bool writeWhole(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    // A short write (a full disk, a file size limit) shows only in flush(); commit() alone would rename
    // the cut file over the old one.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.size() != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

// One placement write of a move or resize. An absolutely placed kit control keeps its place in its layout
// record, which a save writes; the record is applied at once so the canvas shows the change.
void place(QWidget *widget, const QRect &rect)
{
    auto *control = dynamic_cast<ITavixQWidgetBase *>(widget);
    void *data = nullptr;
    if (control && control->getLayoutType() == Absolute)
        control->getLayoutData(data);
    if (data) {
        int *record = static_cast<int *>(data);
        record[0] = rect.x();
        record[1] = rect.y();
        record[2] = rect.width();
        record[3] = rect.height();
        control->resizeWidget();
        return;
    }
    widget->setGeometry(rect);
}

// A widget made from a page node, or the page window itself. Controls build parts of their own (a ribbon's
// pages, a combo box's list) that carry no "visibility" flag; those belong to the control that owns them.
bool isPageWidget(const QWidget *widget, const QWidget *window)
{
    for (; widget && widget != window; widget = widget->parentWidget()) {
        if (!widget->property("visibility").isValid())
            return false;
    }
    return widget == window;
}

// Page widgets are hidden, the canvas draws them; a control's own parts keep their visibility, so that
// grabbing the control shows them as the control itself shows them (the current ribbon page only).
void hidePageWidgets(QWidget *window)
{
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (isPageWidget(widget, window))
            widget->setVisible(false);
    }
}

} // namespace

// The registry's creator-only row "canvas" (core/TavixControlRegistry.cpp).
QWidget *tavixCreateCanvas()
{
    return TavixQCanvas::createTavixQCanvas();
}

TavixQCanvasImpl::TavixQCanvasImpl(QWidget *canvas)
    : TavixQWidgetBaseImpl(canvas, QString())   // no theme entry of its own
{
}

TavixQCanvas::TavixQCanvas(QWidget *parent)
    : QWidget(parent)
{
    m_impl = new TavixQCanvasImpl(this);
    setAcceptDrops(true);
}

TavixQCanvas::~TavixQCanvas()
{
    // Windows die with the canvas; their widgets must not call back into a half-destroyed canvas.
    for (TavixQCanvasWindow *window : m_impl->pages)
        disconnect(window, nullptr, this, nullptr);
    for (QWidget *widget : m_impl->selection)
        disconnect(widget, nullptr, this, nullptr);
    tavixDestroyImpl(this, m_impl);
}

TAVIX_DEFINE_CONTROL(TavixQCanvas, "canvas")

ControlInfo TavixQCanvas::getProps()
{
    return tavixControlInfo(typeName(), "TavixQCanvas", "Canvas", "Design canvas", "canvas");
}

// ---- Pages ----

bool TavixQCanvas::CheckPageValid(const QString &path)
{
    if (path.isEmpty())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > qint64(tavixMaxJsonDocumentSize()))
        return false;
    Json::Value root;
    return tavixParseJson(file.readAll(), root) && tavixJsonHas(root, "elements");
}

bool TavixQCanvas::CreatePageFromJson(const QString &path)
{
    if (!CheckPageValid(path))
        return false;
    if (m_impl->pages.contains(path))
        return OpenWindowPage(path);   // one window per path
    // The loader finds a document by its own rules (".json" appended to a name without it, the resource
    // sets first): a file it would not read as this path opens no page, rather than an empty or foreign
    // one that a save would then write over the file.
    Json::Value document;
    if (!tavixReadPageDocument(path, document))
        return false;
    auto *window = new TavixQCanvasWindow(this);
    tavixCreatePageByFileName(window, path);
    hidePageWidgets(window);
    window->setPageName(path.mid(path.lastIndexOf(QLatin1Char('/')) + 1));
    window->setObjectName(window->pageName().section(QLatin1Char('.'), 0, 0));
    m_impl->currentWindow = window;
    window->setProperty("visibility", true);
    window->setVisible(false);
    m_impl->pages.insert(path, window);
    connect(window, &QObject::destroyed, this, &TavixQCanvas::forgetPage);
    window->installEventFilter(this);   // a page resized by its rows needs new bars and centring
    UpdateScrollBar();
    return true;
}

bool TavixQCanvas::OpenWindowPage(const QString &path)
{
    TavixQCanvasWindow *window = m_impl->pages.value(path);
    if (!window)
        return false;
    if (window == m_impl->currentWindow)
        return true;
    if (TavixQCanvasWindow *old = m_impl->currentWindow) {
        old->setProperty("visibility", false);
        old->setVisible(false);
    }
    m_impl->currentWindow = window;
    window->setProperty("visibility", true);
    window->setVisible(true);
    UpdateScrollBar();
    update();
    return true;
}

bool TavixQCanvas::OpenJsonFile(const QString &path)
{
    if (!OpenWindowPage(path)) {
        TavixQCanvasWindow *before = m_impl->currentWindow;
        if (before)
            before->setVisible(false);
        if (CreatePageFromJson(path) && m_impl->currentWindow)
            m_impl->currentWindow->setVisible(true);
        else if (before)
            before->setVisible(true);   // still the page shown; its window keeps passing on the mouse
    }
    RemoveAllSelected();
    m_impl->mouseState = Idle;
    return true;
}

bool TavixQCanvas::SavePage(const QString &path)
{
    TavixQCanvasWindow *window = m_impl->pages.value(path);
    if (!window)
        return false;
    QString text;
    window->toJsonString(text);
    return writeWhole(path, text.toUtf8());
}

bool TavixQCanvas::SaveStyle(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QString text = TavixQResourceManager::getInstance()->toProjectStyleString();
    if (text.isEmpty())
        return false;
    return writeWhole(path, text.toUtf8());
}

QString TavixQCanvas::UpdatePagePath(const QString &path)
{
    TavixQCanvasWindow *window = m_impl->pages.value(path);
    if (!window)
        return QString();
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash >= 0 ? path.left(slash + 1) : QString();
    const QString renamed = folder + window->objectName() + QLatin1String(".json");
    if (renamed == path)
        return renamed;
    m_impl->pages.remove(path);
    TavixQCanvasWindow *replaced = m_impl->pages.value(renamed);
    m_impl->pages.insert(renamed, window);
    // A page that was open under the new name would be left unreachable: it is closed.
    if (replaced && replaced != window) {
        if (replaced == m_impl->currentWindow)
            m_impl->currentWindow = nullptr;
        m_impl->scrollPositions.remove(replaced);
        disconnect(replaced, nullptr, this, nullptr);
        delete replaced;
    }
    return renamed;
}

bool TavixQCanvas::removePage(TavixQCanvasWindow *window)
{
    const QString key = m_impl->pages.key(window);
    if (!window || !m_impl->pages.contains(key) || m_impl->pages.value(key) != window)
        return false;
    if (window == m_impl->currentWindow)
        m_impl->currentWindow = nullptr;
    // Widgets of the closed page leave the selection as they are deleted (forgetWidget).
    m_impl->pages.remove(key);
    m_impl->scrollPositions.remove(window);
    disconnect(window, nullptr, this, nullptr);
    delete window;
    update();
    return true;
}

void TavixQCanvas::closeAllWindows()
{
    m_impl->mouseState = Idle;
    RemoveAllSelected();
    const auto windows = m_impl->pages.values();
    m_impl->pages.clear();
    m_impl->scrollPositions.clear();
    m_impl->currentWindow = nullptr;
    for (TavixQCanvasWindow *window : windows) {
        disconnect(window, nullptr, this, nullptr);
        delete window;
    }
    update();
}

void TavixQCanvas::SetProjectPath(const QString &path)
{
    m_impl->projectPath = path;
    TavixQResourceManager::getInstance()->setSwitchToProjectRes(true);
}

QString TavixQCanvas::getProjectPath() const
{
    return m_impl->projectPath;
}

TavixQCanvasWindow *TavixQCanvas::GetCurWindow() const
{
    return m_impl->currentWindow;
}

QStringList TavixQCanvas::pagePaths() const
{
    return m_impl->pages.keys();
}

TavixQCanvasWindow *TavixQCanvas::pageWindow(const QString &path) const
{
    return m_impl->pages.value(path);
}

int TavixQCanvas::getNameCounter() const
{
    return m_impl->nameCounter;
}

int TavixQCanvas::getMouseState() const
{
    return m_impl->mouseState;
}

// A selected widget deleted by anyone leaves the selection; a move in progress ends.
void TavixQCanvas::forgetWidget(QObject *object)
{
    // By then the object is only a QObject: compare pointers, never cast it down.
    int at = -1;
    for (int i = 0; i < m_impl->selection.size() && at < 0; ++i) {
        if (static_cast<QObject *>(m_impl->selection.at(i)) == object)
            at = i;
    }
    if (at < 0)
        return;
    m_impl->selection.remove(at);
    if (at < m_impl->dragStartRects.size())
        m_impl->dragStartRects.remove(at);
    if (m_impl->mouseState == Dragging)
        m_impl->mouseState = Idle;
    update();
}

// A page window deleted by anyone closes its page.
void TavixQCanvas::forgetPage(QObject *object)
{
    // By then the object is only a QObject: find the stored pointer instead of casting it down.
    for (auto it = m_impl->pages.begin(); it != m_impl->pages.end(); ++it) {
        if (static_cast<QObject *>(it.value()) == object) {
            m_impl->pages.erase(it);
            break;
        }
    }
    for (auto it = m_impl->scrollPositions.begin(); it != m_impl->scrollPositions.end(); ++it) {
        if (static_cast<QObject *>(it.key()) == object) {
            m_impl->scrollPositions.erase(it);
            break;
        }
    }
    if (m_impl->currentWindow && static_cast<QObject *>(m_impl->currentWindow) == object)
        m_impl->currentWindow = nullptr;
    update();
}

// ---- Scroll bars ----

void TavixQCanvas::SetScrollbar(TavixQScrollBar *bar, bool horizontal)
{
    if (!bar)
        return;
    (horizontal ? m_impl->hScrollBar : m_impl->vScrollBar) = bar;
    connect(bar, &QScrollBar::valueChanged, this, &TavixQCanvas::scrollChanged, Qt::UniqueConnection);
}

void TavixQCanvas::UpdateScrollBar()
{
    TavixQCanvasWindow *window = m_impl->currentWindow;
    TavixQScrollBar *hBar = m_impl->hScrollBar;
    TavixQScrollBar *vBar = m_impl->vScrollBar;
    if (!window || !hBar || !vBar)
        return;
    const int w = window->width(), h = window->height();
    const int cw = width(), ch = height();
    hBar->setRange(0, qMax(0, w - cw));
    hBar->setPageStep(cw);
    vBar->setRange(0, qMax(0, h - ch));
    vBar->setPageStep(ch);
    if (w < cw)
        window->setX((cw - w) / 2);
    hBar->setVisible(w >= cw);
    if (h < ch)
        window->setY((ch - h) / 2);
    vBar->setVisible(h >= ch);
    const QPoint remembered = m_impl->scrollPositions.value(window);
    m_impl->scrollPositions.insert(window, remembered);
    hBar->setValue(remembered.x());
    vBar->setValue(remembered.y());
    // A page grown past the canvas leaves its centred place: the bars' values place it now, also when
    // setValue changed nothing and so moved nothing.
    if (w >= cw)
        window->setX(-hBar->value());
    if (h >= ch)
        window->setY(-vBar->value());
}

bool TavixQCanvas::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && watched == m_impl->currentWindow) {
        UpdateScrollBar();
        update();
    }
    return QWidget::eventFilter(watched, event);
}

void TavixQCanvas::scrollChanged(int value)
{
    TavixQCanvasWindow *window = m_impl->currentWindow;
    if (!window)
        return;
    QPoint &remembered = m_impl->scrollPositions[window];
    QObject *bar = sender();
    if (bar && bar == m_impl->vScrollBar) {
        window->setY(-value);
        remembered.setY(value);
    } else if (bar && bar == m_impl->hScrollBar) {
        window->setX(-value);
        remembered.setX(value);
    }
    update();
}

void TavixQCanvas::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    UpdateScrollBar();
}

// ---- Drawing ----

void TavixQCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::gray);
    TavixQCanvasWindow *window = m_impl->currentWindow;
    if (!window)
        return;
    const QPoint origin = window->pos();
    for (QObject *child : window->children()) {
        if (child->isWidgetType() && child->property("visibility").isValid())
            paintChild(painter, origin, static_cast<QWidget *>(child));
    }
    for (int i = 0; i < m_impl->selection.size(); ++i) {
        QWidget *widget = m_impl->selection.at(i);
        const QPoint tl = originIn(widget, this);
        const int l = tl.x(), t = tl.y(), w = widget->width(), h = widget->height();
        const bool secondary = i > 0;
        const QPoint points[] = {{l, t}, {l + w / 2, t}, {l + w, t}, {l, t + h}, {l + w / 2, t + h},
                                 {l + w, t + h}, {l, t + h / 2}, {l + w, t + h / 2}};
        for (const QPoint &p : points)
            DrawSelectionPoint(painter, p.x(), p.y(), secondary);
    }
}

void TavixQCanvas::paintChild(QPainter &painter, const QPoint &origin, QWidget *widget)
{
    if (widget != m_impl->currentWindow && !shownOnCanvas(widget))
        return;
    const QRect target(origin + widget->pos(), widget->size());
    // The widget with its own parts: its page children are hidden and drawn one by one below. Only the
    // part that can show is grabbed: a widget resized far beyond the canvas would need a pixmap larger
    // than any memory, and nothing of it would be drawn.
    QRect shown = target & rect();
    if (painter.hasClipping())
        shown &= painter.clipBoundingRect().toAlignedRect();
    if (!shown.isEmpty())
        painter.drawPixmap(shown.topLeft(), widget->grab(shown.translated(-target.topLeft())));
    painter.save();
    // Within the parent's clip too, as the hit test finds widgets only inside all their ancestors.
    painter.setClipRect(target, Qt::IntersectClip);
    for (QObject *child : widget->children()) {
        if (child->isWidgetType() && child->property("visibility").isValid())
            paintChild(painter, target.topLeft(), static_cast<QWidget *>(child));
    }
    painter.restore();
}

void TavixQCanvas::DrawSelectionPoint(QPainter &painter, int x, int y, bool secondary)
{
    painter.setPen(QPen(Qt::black));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(x - 3, y - 3, 5, 5);
    painter.fillRect(x - 2, y - 2, 3, 3, secondary ? kSecondaryHandle : kPrimaryHandle);
}

// ---- Selection ----

void TavixQCanvas::AddSelectedControl(QWidget *widget)
{
    if (!widget || IsInSelected(widget))
        return;
    m_impl->selection.append(widget);
    connect(widget, &QObject::destroyed, this, &TavixQCanvas::forgetWidget, Qt::UniqueConnection);
    update();
    emit widgetSelected(widget);
}

bool TavixQCanvas::RemoveSelected(QWidget *widget)
{
    const int at = m_impl->selection.indexOf(widget);
    if (at < 0)
        return false;
    m_impl->selection.remove(at);
    if (at < m_impl->dragStartRects.size())
        m_impl->dragStartRects.remove(at);
    disconnect(widget, &QObject::destroyed, this, &TavixQCanvas::forgetWidget);
    update();
    return true;
}

void TavixQCanvas::RemoveAllSelected()
{
    while (!m_impl->selection.isEmpty())
        RemoveSelected(m_impl->selection.constLast());
    m_impl->dragStartRects.clear();
    update();
}

QVector<QWidget *> TavixQCanvas::selectedWidgets() const
{
    return m_impl->selection;
}

bool TavixQCanvas::IsInSelected(QWidget *widget) const
{
    return m_impl->selection.contains(widget);
}

TAVIX_CAV_HIT_TEST TavixQCanvas::HitInSelected(int x, int y)
{
    TavixQCanvasWindow *window = m_impl->currentWindow;
    for (QWidget *widget : m_impl->selection) {
        // A page's root element is never moved or resized, nor is the page window itself.
        if (widget->parentWidget() == window || widget == window)
            return CAV_HIT_NONE;
        const QPoint tl = originIn(widget, this);
        const int l = tl.x(), t = tl.y(), w = widget->width(), h = widget->height();
        if (x < l || x > l + w || y < t || y > t + h)
            continue;
        const bool inLeft = x < l + kBand, inTop = y < t + kBand;
        const bool inRight = x > l + w - kBand, inBottom = y > t + h - kBand;
        if (inLeft && inTop)
            return CAV_HIT_TOP_LEFT;
        if (inRight && inBottom)
            return CAV_HIT_BOTTOM_RIGHT;
        if (inRight && inTop)
            return CAV_HIT_TOP_RIGHT;
        if (inLeft)
            return inBottom ? CAV_HIT_BOTTOM_LEFT : CAV_HIT_LEFT;
        if (inRight)
            return CAV_HIT_RIGHT;
        if (inTop)
            return CAV_HIT_TOP;
        return inBottom ? CAV_HIT_BOTTOM : CAV_HIT_MOVE;
    }
    return CAV_HIT_NONE;
}

// ---- Mouse ----

QWidget *TavixQCanvas::widgetAt(const QPoint &windowPos) const
{
    TavixQCanvasWindow *window = m_impl->currentWindow;
    if (!window)
        return nullptr;
    QWidget *hit = window->HitTestWithChildren(window, windowPos.x(), windowPos.y());
    // A part of a control stands for the control.
    while (hit && !isPageWidget(hit, window))
        hit = hit->parentWidget();
    return hit;
}

void TavixQCanvas::mousePressEvent(QMouseEvent *event)
{
    m_impl->pressPos = event->pos();
    m_impl->moved = false;
    TavixQCanvasWindow *window = m_impl->currentWindow;
    if (!window)
        return;
    m_impl->mouseState = Pressed;
    m_impl->hitZone = HitInSelected(m_impl->pressPos.x(), m_impl->pressPos.y());
    if (m_impl->hitZone == CAV_HIT_MOVE) {
        const QPoint at = m_impl->pressPos - window->pos();
        if (!IsInSelected(widgetAt(at)))
            m_impl->hitZone = CAV_HIT_NONE;
    }
    if (m_impl->hitZone == CAV_HIT_NONE)
        return;
    m_impl->mouseState = Dragging;
    m_impl->dragStartRects.clear();
    for (QWidget *widget : m_impl->selection)
        m_impl->dragStartRects.append(widget->geometry());
}

void TavixQCanvas::mouseMoveEvent(QMouseEvent *event)
{
    TavixQCanvasWindow *window = m_impl->currentWindow;
    const QVector<QWidget *> &selection = m_impl->selection;
    if (m_impl->mouseState != Dragging || selection.isEmpty() || !window)
        return;
    m_impl->moved = m_impl->moved || event->pos() != m_impl->pressPos;
    for (QWidget *widget : selection) {
        if (widget->parentWidget() == window || widget == window)
            return;
    }
    const int dx = event->pos().x() - m_impl->pressPos.x();
    const int dy = event->pos().y() - m_impl->pressPos.y();

    QVector<int> lefts, tops;
    if (QWidget *parent = selection.first()->parentWidget()) {
        for (QObject *child : parent->children()) {
            auto *sibling = qobject_cast<QWidget *>(child);
            if (!sibling || sibling->property("MarkDelete").toBool() || !sibling->property("visibility").toBool()
                || IsInSelected(sibling))
                continue;
            lefts.append(sibling->x());
            tops.append(sibling->y());
        }
    }
    const auto snap = [](int value, const QVector<int> &edges) {
        for (int edge : edges) {
            if (std::abs(edge - value) < kSnap)
                return edge;
        }
        return value;
    };

    const TAVIX_CAV_HIT_TEST zone = m_impl->hitZone;
    const bool left = zone == CAV_HIT_LEFT || zone == CAV_HIT_TOP_LEFT || zone == CAV_HIT_BOTTOM_LEFT;
    const bool right = zone == CAV_HIT_RIGHT || zone == CAV_HIT_TOP_RIGHT || zone == CAV_HIT_BOTTOM_RIGHT;
    const bool top = zone == CAV_HIT_TOP || zone == CAV_HIT_TOP_LEFT || zone == CAV_HIT_TOP_RIGHT;
    const bool bottom = zone == CAV_HIT_BOTTOM || zone == CAV_HIT_BOTTOM_LEFT || zone == CAV_HIT_BOTTOM_RIGHT;
    for (int i = 0; i < selection.size() && i < m_impl->dragStartRects.size(); ++i) {
        const QRect start = m_impl->dragStartRects.at(i);
        QRect r = selection.at(i)->geometry();
        if (zone == CAV_HIT_MOVE) {
            int x = start.x(), y = start.y();
            if (event->modifiers() == Qt::ShiftModifier) {   // one axis only
                if (std::abs(dx) <= std::abs(dy))
                    y = snap(start.y() + dy, tops);
                else
                    x = snap(start.x() + dx, lefts);
            } else {
                x = snap(start.x() + dx, lefts);
                y = snap(start.y() + dy, tops);
            }
            r.moveTo(x, y);
        } else {
            // A left or top resize keeps the edge where the mouse put it even when the minimum applies.
            if (left) {
                r.setX(start.x() + dx);
                r.setWidth(start.width() - dx);
            } else if (right) {
                r.setWidth(start.width() + dx);
            }
            if (top) {
                r.moveTop(start.y() + dy);
                r.setHeight(start.height() - dy);
            } else if (bottom) {
                r.setHeight(start.height() + dy);
            }
            if ((top || bottom) && r.height() < kMinSize)
                r.setHeight(kMinSize);
            if ((left || right) && r.width() < kMinSize)
                r.setWidth(kMinSize);
        }
        place(selection.at(i), r);
    }
    update();
}

void TavixQCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    TavixQCanvasWindow *window = m_impl->currentWindow;
    if (!window)
        return;
    // A press on a selected widget that never moved is a click too, so Shift can take it out again.
    const bool click = m_impl->mouseState == Pressed || (m_impl->mouseState == Dragging && !m_impl->moved);
    const bool edited = m_impl->mouseState == Dragging && m_impl->moved;
    // Idle before the selection changes: a handler of widgetSelected may delete the canvas, and nothing
    // of it is touched after that signal.
    m_impl->mouseState = Idle;
    if (edited)
        emit pageEdited();
    if (click) {
        const QPoint at = event->pos() - window->pos();
        if (QWidget *hit = widgetAt(at)) {
            if (event->modifiers() == Qt::ShiftModifier) {
                if (IsInSelected(hit))
                    RemoveSelected(hit);
                else
                    AddSelectedControl(hit);
            } else {
                RemoveAllSelected();
                AddSelectedControl(hit);
            }
        }
    }
}

// ---- Creating controls ----

// Creates a kit control of typeName under parent with a name no widget of its page has yet.
QWidget *TavixQCanvas::createNamed(const QString &typeName, QWidget *parent)
{
    const QByteArray keyword = typeName.toUtf8();
    QWidget *widget = tavixCreateControlByKeyword(keyword.constData(), parent);
    if (!widget)
        return nullptr;
    if (!dynamic_cast<ITavixQWidgetBase *>(widget)) {
        delete widget;
        return nullptr;
    }
    // Names are unique across the whole page, so that a saved page names each control once.
    QWidget *scope = parent;
    while (scope->parentWidget() && !qobject_cast<TavixQCanvasWindow *>(scope))
        scope = scope->parentWidget();
    const auto taken = [scope, widget](const QString &name) {
        for (QWidget *other : scope->findChildren<QWidget *>()) {
            if (other != widget && other->objectName() == name)
                return true;
        }
        return false;
    };
    QString name = QStringLiteral("%1%2").arg(typeName).arg(m_impl->nameCounter);
    while (taken(name)) {
        ++m_impl->nameCounter;
        name = QStringLiteral("%1%2").arg(typeName).arg(m_impl->nameCounter);
    }
    widget->setProperty("visibility", true);
    widget->setVisible(false);
    widget->setObjectName(name);
    ++m_impl->nameCounter;
    return widget;
}

bool TavixQCanvas::createControl(const QString &typeName)
{
    if (m_impl->selection.isEmpty())
        return false;
    QWidget *widget = createNamed(typeName, m_impl->selection.first());
    if (!widget)
        return false;
    dynamic_cast<ITavixQWidgetBase *>(widget)->setGeometry(0, 0, 100, 100);
    update();
    emit pageEdited();
    return true;
}

void TavixQCanvas::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData() && event->mimeData()->property("TypeName").isValid())
        event->acceptProposedAction();
    else
        event->ignore();
}

void TavixQCanvas::dragMoveEvent(QDragMoveEvent *event)
{
    TavixQCanvasWindow *window = m_impl->currentWindow;
    if (!event->mimeData() || !event->mimeData()->property("TypeName").isValid() || !window) {
        event->ignore();
        return;
    }
    const QRect area = window->geometry();
    const QPoint p = tavixDropPos(event);
    // Edges included, the right and bottom ones too.
    if (p.x() >= area.left() && p.x() <= area.left() + area.width() && p.y() >= area.top()
        && p.y() <= area.top() + area.height())
        event->acceptProposedAction();
    else
        event->ignore();
}

void TavixQCanvas::dropEvent(QDropEvent *event)
{
    TavixQCanvasWindow *window = m_impl->currentWindow;
    const QVariant type = event->mimeData() ? event->mimeData()->property("TypeName") : QVariant();
    if (!type.isValid() || !window) {
        event->ignore();
        return;
    }
    const QPoint at = tavixDropPos(event) - window->pos();
    QWidget *parent = widgetAt(at);
    if (!parent)
        return;
    QWidget *widget = createNamed(type.toString(), parent);
    if (!widget)
        return;
    const QPoint local = at - originIn(parent, window);
    dynamic_cast<ITavixQWidgetBase *>(widget)->setGeometry(local.x(), local.y(), 100, 100);
    event->acceptProposedAction();
    update();
    emit pageEdited();
}

} // namespace TavixQtLib
