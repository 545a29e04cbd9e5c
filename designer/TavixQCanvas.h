#pragma once

#include "core/TavixControlDeclare.h"
#include "tavixqtlib_export.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>

class QPainter;

namespace TavixQtLib {

class TavixQCanvasWindow;
class TavixQScrollBar;

// Where a point lies relative to one selected widget; the border band is 5 pixels wide.
enum TAVIX_CAV_HIT_TEST {
    CAV_HIT_MOVE = 0,
    CAV_HIT_LEFT = 1,
    CAV_HIT_RIGHT = 2,
    CAV_HIT_TOP = 3,
    CAV_HIT_BOTTOM = 4,
    CAV_HIT_TOP_LEFT = 5,
    CAV_HIT_BOTTOM_LEFT = 6,
    CAV_HIT_TOP_RIGHT = 7,
    CAV_HIT_BOTTOM_RIGHT = 8,
    CAV_HIT_NONE = 9
};

// The design surface of the page designer. It keeps open page documents keyed by the path they were
// loaded from, each in a TavixQCanvasWindow whose widgets stay hidden: the canvas draws them from grabbed
// images, with handles around the selection. The mouse selects, moves and resizes (snapping to the left
// and top edges of siblings); a palette drag whose QMimeData carries a "TypeName" property creates a
// control where it is dropped.
class TAVIXQTLIB_EXPORT TavixQCanvas : public QWidget, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQCanvas)
public:
    enum MouseState { Pressed = 0, Dragging = 3, Idle = 6 };

    explicit TavixQCanvas(QWidget *parent = nullptr);
    ~TavixQCanvas() override;

    // Shows the page stored under path, loading it first when it is not open. A file that is no page
    // leaves the current page as it was; the result is true either way.
    bool OpenJsonFile(const QString &path);
    // Writes the page stored under path back to that file, replacing it only once the whole text is
    // written. False when the page is not open or the file cannot be written; the old file is then intact.
    bool SavePage(const QString &path);
    // Writes the project's style text to path in the same safe way; false when nothing could be written.
    bool SaveStyle(const QString &path);
    // Re-keys the page stored under path after its window's object name changed: the folder of path, the
    // object name and ".json". Empty when path is not open.
    QString UpdatePagePath(const QString &path);
    bool removePage(TavixQCanvasWindow *window);
    void closeAllWindows();
    // Also switches style look-ups to the project set (until a project wrapper lowers the switch again).
    void SetProjectPath(const QString &path);
    QString getProjectPath() const;
    void SetScrollbar(TavixQScrollBar *bar, bool horizontal);   // not owned

    void AddSelectedControl(QWidget *widget);
    void RemoveAllSelected();
    QVector<QWidget *> selectedWidgets() const;
    // Creates a control of the type keyword inside the primary selected widget, at (0, 0), 100 x 100.
    bool createControl(const QString &typeName);

    TavixQCanvasWindow *GetCurWindow() const;
    QStringList pagePaths() const;                      // in key order
    TavixQCanvasWindow *pageWindow(const QString &path) const;
    int getNameCounter() const;
    int getMouseState() const;

signals:
    void widgetSelected(QWidget *widget);
    // The mouse changed the current page: a control dropped or created, the selection moved or resized.
    void pageEdited();

public slots:
    void scrollChanged(int value);

protected:
    bool CheckPageValid(const QString &path);
    bool CreatePageFromJson(const QString &path);
    bool OpenWindowPage(const QString &path);
    TAVIX_CAV_HIT_TEST HitInSelected(int x, int y);
    bool IsInSelected(QWidget *widget) const;
    bool RemoveSelected(QWidget *widget);
    void DrawSelectionPoint(QPainter &painter, int x, int y, bool secondary);
    void UpdateScrollBar();
    void paintChild(QPainter &painter, const QPoint &origin, QWidget *widget);

    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The page widget under a point of the current page window; null without one.
    QWidget *widgetAt(const QPoint &windowPos) const;
    QWidget *createNamed(const QString &typeName, QWidget *parent);
    void forgetWidget(QObject *object);
    void forgetPage(QObject *object);
};

} // namespace TavixQtLib
