#pragma once

#include <QListWidget>
#include <QMainWindow>
#include <QString>

class QFileSystemModel;
class QLabel;
class QTreeView;

namespace TavixQtLib {
struct PropertyDef;
class TavixQCanvas;
class TavixQPropertyList;
class TavixQScrollBar;
} // namespace TavixQtLib

namespace TavixDesigner {

class PageOutline;

// The control palette: one entry per listed control type of the registry. Dragging an entry carries its
// type keyword in the "TypeName" property of the drag's QMimeData, which the canvas reads on drop.
class Palette : public QListWidget
{
    Q_OBJECT
public:
    explicit Palette(QWidget *parent = nullptr);

protected:
    void startDrag(Qt::DropActions actions) override;
};

// The page designer: palette at the left, the canvas with its scroll bars in the middle, the project
// folder and the property list of the canvas's selection at the right.
class DesignerWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit DesignerWindow(QWidget *parent = nullptr);

    TavixQtLib::TavixQCanvas *canvas() const { return m_canvas; }
    PageOutline *outline() const { return m_outline; }
    // Opens a page document in place of the current one; false (with a message in the status bar) when
    // it is no page, the current page then stays. Unsaved changes of the current page are offered for
    // saving first; false when the user keeps them.
    bool openPage(const QString &path);
    void setProjectFolder(const QString &folder);
    // Builds a ribbon bar from the configuration document into the selected widget (the page's first
    // element when nothing is selected).
    bool addRibbon(const QString &configPath);
    // Writes the current page to path (any folder) and keeps editing it there; false when nothing could
    // be written, the page then stays where it was.
    bool savePageAs(const QString &path);
    // What a picker's choice does to a style, image or colour row: a style name (from the styles in
    // use), an image path or a colour. False when the choice fits no row of that kind.
    bool applyPick(TavixQtLib::PropertyDef *def, const QString &choice);
    // Deletes the selected controls (Delete key); a page's root elements and the page itself stay.
    // The number deleted.
    int deleteSelection();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    bool openPageAsked(const QString &path, bool *cancelled);
    // Opens from the user's choice; a file that is no page is reported in a message box.
    void openChosen(const QString &path);
    // True when nothing unsaved is lost: no changes, saved, or the user discards them.
    bool maybeSave();
    void markModified();
    void updateTitle();
    void warn(const QString &title, const QString &text);
    void openFromDialog();
    void save();
    void saveAs();
    void chooseProject();
    void saveStyle();
    void ribbonFromDialog();
    void showSelection(QWidget *widget);
    void pick(TavixQtLib::PropertyDef *def);
    QString currentPath() const;

    TavixQtLib::TavixQCanvas *m_canvas = nullptr;
    TavixQtLib::TavixQScrollBar *m_hBar = nullptr;
    TavixQtLib::TavixQScrollBar *m_vBar = nullptr;
    TavixQtLib::TavixQPropertyList *m_properties = nullptr;
    Palette *m_palette = nullptr;
    PageOutline *m_outline = nullptr;
    QFileSystemModel *m_files = nullptr;
    QTreeView *m_project = nullptr;
    QString m_projectFolder;
};

} // namespace TavixDesigner
