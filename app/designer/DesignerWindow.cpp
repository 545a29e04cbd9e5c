#include "DesignerWindow.h"

#include "PageOutline.h"

#include "controls/TavixQScrollBar.h"
#include "core/ControlInfo.h"
#include "core/ITavixQWidgetBase.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixLibrary.h"
#include "designer/TavixQCanvas.h"
#include "designer/TavixQCanvasWindow.h"
#include "designer/TavixQPropertyList.h"
#include "resources/TavixQResourceManager.h"

#include <QAction>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDir>
#include <QDockWidget>
#include <QDrag>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QSaveFile>
#include <QTimer>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeView>

#include <json/value.h>

using namespace TavixQtLib;

namespace TavixDesigner {

namespace {

constexpr int kTypeRole = Qt::UserRole;
constexpr int kRibbonHeight = 140;

// The kit's bars paint only the styles they are given, and the designer loads no theme: without these a
// bar is there but unseen, and rows or page parts beyond it look absent.
void styleBar(TavixQScrollBar *bar)
{
    if (!bar)
        return;
    FillStyle track;
    track.color = QColor(232, 232, 232);
    bar->setScrollbarBackground(AllStates, track);
    FillStyle thumb;
    thumb.color = QColor(160, 160, 160);
    bar->setScrollbarThumb(AllStates, thumb);
    thumb.color = QColor(120, 120, 120);
    bar->setScrollbarThumb(Hot, thumb);
    bar->setScrollbarThumb(Pressed, thumb);
}

} // namespace

Palette::Palette(QWidget *parent)
    : QListWidget(parent)
{
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    for (const std::string &keyword : listedTypes()) {
        // Only what a drop can make: the page window's row, for one, makes no control of a page.
        QWidget probe;
        if (!dynamic_cast<ITavixQWidgetBase *>(tavixCreateControlByKeyword(keyword.c_str(), &probe)))
            continue;
        const ControlInfo *info = tavixGetControlInfo(QString::fromStdString(keyword));
        const QString shown = info && !info->displayName.empty() ? QString::fromStdString(info->displayName)
                                                                 : QString::fromStdString(keyword);
        auto *item = new QListWidgetItem(shown, this);
        item->setData(kTypeRole, QString::fromStdString(keyword));
        item->setToolTip(QString::fromStdString(keyword));
    }
}

void Palette::startDrag(Qt::DropActions)
{
    QListWidgetItem *item = currentItem();
    if (!item)
        return;
    auto *mime = new QMimeData;
    mime->setText(item->text());
    mime->setProperty("TypeName", item->data(kTypeRole).toString());
    auto *drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->exec(Qt::CopyAction);
}

DesignerWindow::DesignerWindow(QWidget *parent)
    : QMainWindow(parent)
{

    auto *centre = new QWidget(this);
    auto *grid = new QGridLayout(centre);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    m_canvas = new TavixQCanvas(centre);
    m_hBar = new TavixQScrollBar(centre);
    m_hBar->setOrientation(Qt::Horizontal);
    m_vBar = new TavixQScrollBar(centre);
    m_vBar->setOrientation(Qt::Vertical);
    grid->addWidget(m_canvas, 0, 0);
    grid->addWidget(m_vBar, 0, 1);
    grid->addWidget(m_hBar, 1, 0);
    m_canvas->SetScrollbar(m_hBar, true);
    m_canvas->SetScrollbar(m_vBar, false);
    styleBar(m_hBar);
    styleBar(m_vBar);
    setCentralWidget(centre);

    m_palette = new Palette;
    m_palette->setMaximumWidth(320);
    auto *paletteDock = new QDockWidget(QStringLiteral("Controls"), this);
    paletteDock->setWidget(m_palette);
    addDockWidget(Qt::LeftDockWidgetArea, paletteDock);

    // The page's controls, hidden ones too: choosing one selects it as a click on the canvas would.
    m_outline = new PageOutline;
    m_outline->setObjectName(QStringLiteral("outline"));
    m_outline->setMaximumWidth(320);
    auto *outlineDock = new QDockWidget(QStringLiteral("Outline"), this);
    outlineDock->setWidget(m_outline);
    addDockWidget(Qt::LeftDockWidgetArea, outlineDock);
    connect(m_outline, &PageOutline::controlChosen, this, [this](QWidget *widget) {
        m_canvas->RemoveAllSelected();
        m_canvas->AddSelectedControl(widget);
    });
    resizeDocks({paletteDock}, {220}, Qt::Horizontal);

    m_files = new QFileSystemModel(this);
    m_files->setNameFilters({QStringLiteral("*.json")});
    m_files->setNameFilterDisables(false);
    m_project = new QTreeView;
    m_project->setObjectName(QStringLiteral("project"));
    m_project->setMaximumWidth(320);
    m_project->setModel(m_files);
    for (int column = 1; column < m_files->columnCount(); ++column)
        m_project->hideColumn(column);
    connect(m_project, &QTreeView::activated, this, [this](const QModelIndex &index) {
        if (!m_files->isDir(index))
            openChosen(m_files->filePath(index));
    });
    auto *projectDock = new QDockWidget(QStringLiteral("Project"), this);
    projectDock->setWidget(m_project);
    addDockWidget(Qt::RightDockWidgetArea, projectDock);

    m_properties = new TavixQPropertyList;
    m_properties->setMinimumWidth(280);
    styleBar(m_properties->getScrollBar(false));
    styleBar(m_properties->getScrollBar(true));
    auto *propertyDock = new QDockWidget(QStringLiteral("Properties"), this);
    propertyDock->setWidget(m_properties);
    addDockWidget(Qt::RightDockWidgetArea, propertyDock);
    // Most of the right side to the properties: a control has far more rows than a project has pages.
    resizeDocks({projectDock, propertyDock}, {160, 600}, Qt::Vertical);
    connect(m_canvas, &TavixQCanvas::widgetSelected, this, &DesignerWindow::showSelection);
    connect(m_canvas, &TavixQCanvas::pageEdited, this, &DesignerWindow::markModified);
    // An edited property changes what the canvas draws from.
    connect(m_properties, &TavixQPropertyList::valueChanged, m_canvas, QOverload<>::of(&QWidget::update));
    connect(m_properties, &TavixQPropertyList::valueChanged, this, &DesignerWindow::markModified);
    // Style, image and colour rows ask for a picker.
    connect(m_properties, &TavixQPropertyList::selectEvent, this, &DesignerWindow::pick);

    QToolBar *tools = addToolBar(QStringLiteral("File"));
    tools->addAction(QStringLiteral("Open…"), this, &DesignerWindow::openFromDialog)->setShortcut(QKeySequence::Open);
    tools->addAction(QStringLiteral("Save"), this, &DesignerWindow::save)->setShortcut(QKeySequence::Save);
    tools->addAction(QStringLiteral("Save as…"), this, &DesignerWindow::saveAs)->setShortcut(QKeySequence::SaveAs);
    tools->addAction(QStringLiteral("Project…"), this, &DesignerWindow::chooseProject);
    tools->addAction(QStringLiteral("Save style"), this, &DesignerWindow::saveStyle);
    tools->addSeparator();
    tools->addAction(QStringLiteral("Ribbon"), this, &DesignerWindow::ribbonFromDialog);
    QAction *remove = tools->addAction(QStringLiteral("Delete"), this, &DesignerWindow::deleteSelection);
    remove->setShortcut(QKeySequence::Delete);
    statusBar()->showMessage(QStringLiteral("Open a page document, or a project folder"));
    updateTitle();
    resize(1280, 800);
    m_project->setRootIndex(m_files->setRootPath(QDir::currentPath()));
}

QString DesignerWindow::currentPath() const
{
    for (const QString &path : m_canvas->pagePaths()) {
        if (m_canvas->pageWindow(path) == m_canvas->GetCurWindow())
            return path;
    }
    return QString();
}

void DesignerWindow::updateTitle()
{
    const QString path = currentPath();
    setWindowTitle(path.isEmpty() ? QStringLiteral("Tavix page designer")
                                  : QStringLiteral("%1[*] - Tavix page designer").arg(QFileInfo(path).fileName()));
}

void DesignerWindow::markModified()
{
    // Created, deleted, renamed or hidden controls show in the outline.
    m_outline->showPage(m_canvas->GetCurWindow());
    if (m_canvas->GetCurWindow())
        setWindowModified(true);
}

void DesignerWindow::warn(const QString &title, const QString &text)
{
    statusBar()->showMessage(text);
    QMessageBox::warning(this, title, text);
}

bool DesignerWindow::maybeSave()
{
    const QString path = currentPath();
    if (!isWindowModified() || path.isEmpty())
        return true;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Unsaved changes"),
                    QStringLiteral("%1 has unsaved changes. Save them?").arg(QFileInfo(path).fileName()),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        if (m_canvas->SavePage(path)) {
            setWindowModified(false);
            return true;
        }
        warn(QStringLiteral("Save failed"), QStringLiteral("Could not save %1; the file is unchanged").arg(path));
        return false;
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void DesignerWindow::closeEvent(QCloseEvent *event)
{
    if (maybeSave())
        event->accept();
    else
        event->ignore();
}

bool DesignerWindow::openPage(const QString &path)
{
    bool cancelled = false;
    return openPageAsked(path, &cancelled);
}

void DesignerWindow::openChosen(const QString &path)
{
    bool cancelled = false;
    if (!openPageAsked(path, &cancelled) && !cancelled)
        warn(QStringLiteral("Open failed"), QStringLiteral("%1 is not a page document").arg(path));
}

bool DesignerWindow::openPageAsked(const QString &path, bool *cancelled)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    TavixQCanvasWindow *before = m_canvas->GetCurWindow();
    const QString beforePath = currentPath();
    if (before && absolute == beforePath)
        return true;
    // Loaded first: a file that is no page asks nothing and changes nothing.
    m_canvas->OpenJsonFile(absolute);
    TavixQCanvasWindow *opened = m_canvas->pageWindow(absolute);
    if (!opened) {
        statusBar()->showMessage(QStringLiteral("%1 is not a page document").arg(path));
        return false;
    }
    if (before && before != opened) {
        // The question is asked with the page it is about in view.
        m_canvas->OpenJsonFile(beforePath);
        if (!maybeSave()) {
            m_canvas->removePage(opened);
            *cancelled = true;
            return false;
        }
        // One page at a time: the one replaced goes, so no edits are kept where the user cannot see them.
        m_properties->bindControl(nullptr);
        m_canvas->removePage(before);
        m_canvas->OpenJsonFile(absolute);
    }
    setWindowModified(false);
    updateTitle();
    m_outline->showPage(m_canvas->GetCurWindow());
    m_properties->bindControl(m_canvas->GetCurWindow());
    // Without a project the page's own folder is shown.
    if (m_projectFolder.isEmpty())
        m_project->setRootIndex(m_files->setRootPath(QFileInfo(absolute).absolutePath()));
    statusBar()->showMessage(absolute);
    return true;
}

void DesignerWindow::setProjectFolder(const QString &folder)
{
    m_projectFolder = QFileInfo(folder).absoluteFilePath();
    m_canvas->SetProjectPath(m_projectFolder);
    tavixSetProjectFilePath(m_projectFolder + QLatin1Char('/'));
    m_project->setRootIndex(m_files->setRootPath(m_projectFolder));
}

bool DesignerWindow::addRibbon(const QString &configPath)
{
    TavixQCanvasWindow *window = m_canvas->GetCurWindow();
    if (!window)
        return false;
    QWidget *parent = m_canvas->selectedWidgets().value(0);
    if (!parent || parent == window) {
        parent = nullptr;
        for (QObject *child : window->children()) {
            if (dynamic_cast<ITavixQWidgetBase *>(child)) {
                parent = static_cast<QWidget *>(child);
                break;
            }
        }
        if (!parent)
            return false;
        m_canvas->RemoveAllSelected();
        m_canvas->AddSelectedControl(parent);
    }
    if (!m_canvas->createControl(QStringLiteral("qtribbonbar")))
        return false;
    auto *bar = dynamic_cast<ITavixQWidgetBase *>(parent->children().constLast());
    if (!bar)
        return false;
    // The configuration is an attribute of the bar, so a saved page builds the same ribbon again.
    Json::Value node(Json::objectValue);
    node["attr"]["configFile"] = QFileInfo(configPath).absoluteFilePath().toStdString();
    auto *widget = static_cast<QWidget *>(parent->children().constLast());
    const QString name = widget->objectName();
    bar->readJsonValue(&node);
    widget->setObjectName(name);
    widget->setVisible(false);   // the canvas draws it
    bar->setGeometry(0, 0, parent->width(), kRibbonHeight);
    m_canvas->RemoveAllSelected();
    m_canvas->AddSelectedControl(widget);
    return true;
}

void DesignerWindow::openFromDialog()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open page"), m_projectFolder,
                                                      QStringLiteral("Page documents (*.json)"));
    if (!path.isEmpty())
        openChosen(path);
}

void DesignerWindow::save()
{
    const QString path = currentPath();
    if (path.isEmpty())
        return saveAs();
    if (!m_canvas->SavePage(path)) {
        warn(QStringLiteral("Save failed"), QStringLiteral("Could not save %1; the file is unchanged").arg(path));
        return;
    }
    setWindowModified(false);
    statusBar()->showMessage(QStringLiteral("Saved %1").arg(path));
}

void DesignerWindow::saveAs()
{
    if (!m_canvas->GetCurWindow())
        return;
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save page as"), m_projectFolder,
                                                      QStringLiteral("Page documents (*.json)"));
    if (path.isEmpty())
        return;
    if (savePageAs(path))
        statusBar()->showMessage(QStringLiteral("Saved %1").arg(path));
    else
        warn(QStringLiteral("Save failed"), QStringLiteral("Could not save %1").arg(path));
}

// The page is written whole to the chosen file, then opened from there: the canvas keys pages by the
// file they came from, and re-keying keeps a page in its own folder.
bool DesignerWindow::savePageAs(const QString &path)
{
    TavixQCanvasWindow *window = m_canvas->GetCurWindow();
    const QString target = QFileInfo(path).absoluteFilePath();
    if (!window || path.isEmpty())
        return false;
    const QString old = currentPath();
    if (target == old) {
        if (!m_canvas->SavePage(old))
            return false;
        setWindowModified(false);
        return true;
    }
    QString text;
    window->toJsonString(text);
    const QByteArray bytes = text.toUtf8();
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return false;
    setWindowModified(false);   // written: reopening it below loses nothing
    // A page already open under the chosen name shows the file just written.
    if (TavixQCanvasWindow *stale = m_canvas->pageWindow(target))
        m_canvas->removePage(stale);
    m_properties->bindControl(nullptr);
    m_canvas->removePage(window);
    return openPage(target);
}

void DesignerWindow::chooseProject()
{
    const QString folder = QFileDialog::getExistingDirectory(this, QStringLiteral("Project folder"), m_projectFolder);
    if (!folder.isEmpty())
        setProjectFolder(folder);
}

// The project's own styles go to style.json in the project folder.
void DesignerWindow::saveStyle()
{
    if (m_projectFolder.isEmpty()) {
        statusBar()->showMessage(QStringLiteral("Choose a project folder first"));
        return;
    }
    const QString path = QDir(m_projectFolder).filePath(QStringLiteral("style.json"));
    if (m_canvas->SaveStyle(path))
        statusBar()->showMessage(QStringLiteral("Saved %1").arg(path));
    else
        warn(QStringLiteral("Save failed"), QStringLiteral("Could not save %1; the file is unchanged").arg(path));
}

void DesignerWindow::ribbonFromDialog()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Ribbon configuration"), m_projectFolder,
                                                      QStringLiteral("Ribbon configurations (*.json)"));
    if (!path.isEmpty() && !addRibbon(path))
        statusBar()->showMessage(QStringLiteral("Open a page first"));
}

void DesignerWindow::pick(PropertyDef *def)
{
    if (!def || !def->target)
        return;
    QString choice;
    bool ok = false;
    if (def->type == FillStyleRef || def->type == TextStyleRef) {
        TavixQResourceManager *manager = TavixQResourceManager::getInstance();
        QStringList names;
        if (def->type == FillStyleRef) {
            for (const FillStyle &style : manager->getFillStyles())
                names << style.name;
        } else {
            for (const TextStyleDesc &style : manager->getTextStyles())
                names << style.name;
        }
        names.removeAll(QString());
        names.removeDuplicates();
        names.sort();
        choice = QInputDialog::getItem(this, def->label, QStringLiteral("Style"), names, 0, false, &ok);
    } else if (def->type == ImagePath) {
        choice = QFileDialog::getOpenFileName(this, def->label, m_projectFolder,
                                              QStringLiteral("Images (*.png *.jpg *.bmp *.svg *.gif)"));
        ok = !choice.isEmpty();
    } else if (def->type == Color) {
        const QColor color = QColorDialog::getColor(def->getColor ? def->getColor(def->target) : QColor(), this,
                                                    def->label, QColorDialog::ShowAlphaChannel);
        choice = color.isValid() ? color.name(QColor::HexArgb) : QString();
        ok = color.isValid();
    }
    if (ok)
        applyPick(def, choice);
}

bool DesignerWindow::applyPick(PropertyDef *def, const QString &choice)
{
    QWidget *control = def ? def->target : nullptr;
    if (!control)
        return false;
    // A page keeps a part's normal style and reads it back over the part's other states: the pick goes
    // to every state of the row, so the page reopens as it is shown.
    std::vector<int> states = def->optionValues;
    if (states.empty())
        states.push_back(0);
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    bool applied = false;
    if (def->type == FillStyleRef && def->setFillStyle) {
        for (const FillStyle &style : manager->getFillStyles()) {
            if (style.name == choice && !choice.isEmpty()) {
                for (int state : states)
                    def->setFillStyle(control, state, style);
                applied = true;
                break;
            }
        }
    } else if (def->type == TextStyleRef && def->setTextStyle) {
        for (const TextStyleDesc &style : manager->getTextStyles()) {
            if (style.name == choice && !choice.isEmpty()) {
                for (int state : states)
                    def->setTextStyle(control, state, style);
                applied = true;
                break;
            }
        }
    } else if (def->type == ImagePath && def->setString) {
        def->setString(control, choice);
        applied = true;
    } else if (def->type == Color && def->setColor && QColor(choice).isValid()) {
        def->setColor(control, QColor(choice));
        applied = true;
    }
    if (!applied)
        return false;
    markModified();
    // The rows show what the control now holds; rebuilt after the row's own click has returned.
    QPointer<QWidget> guard(control);
    QTimer::singleShot(0, m_properties, [this, guard] {
        if (guard && m_properties->getBoundControl() == guard)
            m_properties->bindControl(guard);
    });
    m_canvas->update();
    return true;
}

int DesignerWindow::deleteSelection()
{
    TavixQCanvasWindow *window = m_canvas->GetCurWindow();
    if (!window)
        return 0;
    // Guarded: deleting a container deletes the selected controls inside it too.
    QList<QPointer<QWidget>> doomed;
    for (QWidget *widget : m_canvas->selectedWidgets()) {
        if (widget != window && widget->parentWidget() != window)
            doomed << widget;
    }
    m_canvas->RemoveAllSelected();
    int deleted = 0;
    for (const QPointer<QWidget> &widget : doomed) {
        if (widget) {
            delete widget.data();
            ++deleted;
        }
    }
    m_canvas->update();
    if (deleted > 0)
        markModified();
    return deleted;
}

void DesignerWindow::showSelection(QWidget *widget)
{
    m_outline->showSelected(widget);
    m_properties->bindControl(widget);
    statusBar()->showMessage(widget->objectName());
}

} // namespace TavixDesigner
