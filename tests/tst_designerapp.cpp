#include "TavixTestSupport.h"
#include "DesignerWindow.h"
#include "PageOutline.h"
#include "core/TavixLibrary.h"
#include "designer/TavixQCanvas.h"
#include "designer/TavixQCanvasWindow.h"
#include "designer/TavixQPropertyList.h"
#include "designer/TavixQPropertyListImpl.h"
#include "controls/TavixQCheckBox.h"
#include "controls/TavixQComboBox.h"
#include "controls/TavixQContainer.h"
#include "controls/TavixQLineEdit.h"
#include "controls/TavixQSpinBox.h"

#include <QDrag>
#include <QFile>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>

using namespace TavixQtLib;
using TavixDesigner::DesignerWindow;

namespace {

// A 400 x 300 page: a root container with a button, a spacer, a slider and a group box.
const QByteArray kPage = R"({"w": 400, "h": 300, "elements": [
    {"type": "qtcontainer", "name": "root", "layout": {"type": 1}, "x": 0, "y": 0, "w": 400, "h": 300, "child": [
        {"type": "qtbutton", "name": "ok", "layout": {"type": 1}, "x": 20, "y": 20, "w": 80, "h": 30},
        {"type": "qtspacer", "name": "gap", "layout": {"type": 1}, "x": 20, "y": 60, "w": 80, "h": 30},
        {"type": "qtslider", "name": "level", "layout": {"type": 1}, "x": 20, "y": 240, "w": 200, "h": 24},
        {"type": "qtgroupbox", "name": "box", "layout": {"type": 1}, "x": 200, "y": 20, "w": 180, "h": 150}
    ]}]})";

const QByteArray kOther = R"({"w": 200, "h": 100, "elements": [
    {"type": "qtcontainer", "name": "other", "layout": {"type": 1}, "x": 0, "y": 0, "w": 200, "h": 100}]})";

using tavixtest::writeFile;

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

QString pageText(TavixQCanvasWindow *window)
{
    QString text;
    if (window)
        window->toJsonString(text);
    return text;
}

// Answers the next message box with button, keeping its text; stops when it goes out of scope.
class ModalAnswer : public QObject
{
public:
    explicit ModalAnswer(QMessageBox::StandardButton button)
    {
        connect(&m_timer, &QTimer::timeout, this, [this, button] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->button(button))
                return;
            m_timer.stop();
            text = box->text();
            ++seen;
            QTest::mouseClick(box->button(button), Qt::LeftButton);
        });
        m_timer.start(10);
    }
    QString text;
    int seen = 0;

private:
    QTimer m_timer;
};

// QTest::mouseMove of Qt 5 only moves the cursor; a drag needs the move event with the button held.
void moveHeld(QWidget *w, const QPoint &pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
}

void dragOn(QWidget *w, const QPoint &from, const QPoint &by)
{
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, from);
    moveHeld(w, from + by);
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, from + by);
}

void clickTool(DesignerWindow &designer, const QString &text)
{
    for (QToolBar *bar : designer.findChildren<QToolBar *>()) {
        for (QAction *action : bar->actions()) {
            if (action->text() == text) {
                QTest::mouseClick(bar->widgetForAction(action), Qt::LeftButton);
                return;
            }
        }
    }
    QFAIL(qPrintable(QStringLiteral("no tool %1").arg(text)));
}

PropertyRow *row(DesignerWindow &designer, const QString &label)
{
    auto *list = designer.findChild<TavixQPropertyList *>();
    for (PropertyRow *r : list->getImpl()->rows) {
        if (r->def && r->def->label == label)
            return r;
    }
    return nullptr;
}

// What the user reads in the title bar.
QString shownTitle(QWidget &window)
{
    return window.windowHandle() ? window.windowHandle()->title() : QString();
}

struct Session
{
    explicit Session(const QString &path)
    {
        designer.resize(1200, 800);
        designer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&designer));
        QVERIFY(designer.openPage(path));
    }
    TavixQCanvas *canvas() { return designer.canvas(); }
    QWidget *find(const char *name)
    {
        return canvas()->GetCurWindow()->findChild<QWidget *>(QLatin1String(name));
    }
    QPoint at(const char *name, int dx, int dy) { return find(name)->mapTo(canvas(), QPoint(dx, dy)); }
    void select(const char *name) { QTest::mouseClick(canvas(), Qt::LeftButton, Qt::NoModifier, at(name, 15, 15)); }

    DesignerWindow designer;
};

} // namespace

class tst_DesignerApp : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void editSaveReopen();
    void unsavedChangesGuard_data();
    void unsavedChangesGuard();
    void deleteKeyInAnEditor_data();
    void deleteKeyInAnEditor();
    void pageSizeEdited();
    void failedSaveIsShown();
    void malformedPageIsReported();
    void propertyRowsReachable();
    void hiddenControlFoundInOutline();
};

void tst_DesignerApp::initTestCase()
{
    TavixQtLib::init();
}

// A user's whole session: drag a label from the palette, move and resize it, edit properties of every
// editor kind, delete a control, save with the tool bar, and find it all again after reopening.
void tst_DesignerApp::editSaveReopen()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.json"));
    QVERIFY(writeFile(path, kPage));
    Session s(path);
    QCOMPARE(shownTitle(s.designer), QStringLiteral("page.json - Tavix page designer"));

    // The palette's own drag: pressed on "Label" and pulled; its payload is dropped on the root.
    auto *palette = s.designer.findChild<TavixDesigner::Palette *>();
    QListWidgetItem *labelItem = nullptr;
    for (int i = 0; i < palette->count() && !labelItem; ++i) {
        if (palette->item(i)->data(Qt::UserRole).toString() == QLatin1String("qtlabel"))
            labelItem = palette->item(i);
    }
    QVERIFY(labelItem);
    const QPoint itemAt = palette->visualItemRect(labelItem).center();
    const QPoint dropAt = s.at("root", 60, 120);
    QTest::mousePress(palette->viewport(), Qt::LeftButton, Qt::NoModifier, itemAt);
    moveHeld(palette->viewport(), itemAt + QPoint(5, 0));    // the view enters its dragging state
    moveHeld(palette->viewport(), itemAt + QPoint(40, 0));   // and starts the drag
    QMouseEvent release(QEvent::MouseButtonRelease, itemAt, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(palette->viewport(), &release);
    // Without a window system the drag ends at once; its payload lives until the event loop runs.
    auto *drag = palette->findChild<QDrag *>();
    QVERIFY(drag && drag->mimeData());
    QDragEnterEvent enter(dropAt, Qt::CopyAction, drag->mimeData(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(s.canvas(), &enter);
    QDragMoveEvent move(dropAt, Qt::CopyAction, drag->mimeData(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(s.canvas(), &move);
    QVERIFY(move.isAccepted());
    QDropEvent drop(dropAt, Qt::CopyAction, drag->mimeData(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(s.canvas(), &drop);
    QVERIFY(drop.isAccepted());
    const QString labelName = QStringLiteral("qtlabel%1").arg(s.canvas()->getNameCounter() - 1);
    const QByteArray labelKey = labelName.toUtf8();
    QWidget *label = s.find(labelKey.constData());
    QVERIFY2(label, labelKey.constData());
    QCOMPARE(label->geometry(), QRect(60, 120, 100, 100));
    QVERIFY(s.designer.isWindowModified());
    QCOMPARE(shownTitle(s.designer), QStringLiteral("page.json* - Tavix page designer"));

    // Select, move by (30, 10), then pull the bottom-right corner in by (40, 60).
    s.select(labelKey.constData());
    QCOMPARE(s.canvas()->selectedWidgets(), QVector<QWidget *>{label});
    dragOn(s.canvas(), s.at(labelKey.constData(), 50, 50), QPoint(30, 10));
    QCOMPARE(label->geometry(), QRect(90, 130, 100, 100));
    dragOn(s.canvas(), s.at(labelKey.constData(), 99, 99), QPoint(-40, -60));
    QCOMPARE(label->geometry(), QRect(90, 130, 60, 40));

    // Text, then a boolean, in the label's rows.
    PropertyRow *text = row(s.designer, QStringLiteral("Text"));
    QVERIFY(text && text->lineEdit);
    text->lineEdit->selectAll();
    QTest::keyClicks(text->lineEdit, QStringLiteral("Hello"));
    PropertyRow *enable = row(s.designer, QStringLiteral("Enable"));
    QVERIFY(enable && enable->checkBox);
    QTest::mouseClick(enable->checkBox, Qt::LeftButton, Qt::NoModifier, QPoint(8, 15));   // on its box
    QVERIFY(!label->isEnabled());

    // The root: a number quad and an enumeration.
    s.canvas()->RemoveAllSelected();
    QTest::mouseClick(s.canvas(), Qt::LeftButton, Qt::NoModifier, s.at("root", 5, 290));
    QCOMPARE(s.canvas()->selectedWidgets().value(0), s.find("root"));
    PropertyRow *padding = row(s.designer, QStringLiteral("ChildPadding"));
    QVERIFY(padding && padding->spinBoxes[2]);
    padding->spinBoxes[2]->selectAll();
    QTest::keyClicks(padding->spinBoxes[2], QStringLiteral("7"));
    // The spacer: an enumeration picked.
    s.select("gap");
    PropertyRow *direction = row(s.designer, QStringLiteral("Direction"));
    QVERIFY(direction && direction->comboBox);
    const int directionWas = direction->def->getInt(s.find("gap"));
    QTest::keyClick(direction->comboBox, Qt::Key_Down);
    const int directionNow = direction->def->getInt(s.find("gap"));
    const auto readDirection = direction->def->getInt;   // the row is reused once another control is shown
    QVERIFY(directionNow != directionWas);

    // The group box: a colour typed in.
    s.select("box");
    PropertyRow *colour = row(s.designer, QStringLiteral("LineColor"));
    QVERIFY(colour && colour->lineEdit);
    colour->lineEdit->selectAll();
    QTest::keyClicks(colour->lineEdit, QStringLiteral("#ff123456"));
    QCOMPARE(colour->def->getColor(s.find("box")), QColor(0x12, 0x34, 0x56));

    // The slider goes with the Delete key.
    s.select("level");
    QApplication::setActiveWindow(&s.designer);
    QTest::keyClick(&s.designer, Qt::Key_Delete);
    QVERIFY(!s.find("level"));

    const QString edited = pageText(s.canvas()->GetCurWindow());
    clickTool(s.designer, QStringLiteral("Save"));
    QVERIFY(!s.designer.isWindowModified());
    QCOMPARE(shownTitle(s.designer), QStringLiteral("page.json - Tavix page designer"));

    Session again(path);
    QCOMPARE(pageText(again.canvas()->GetCurWindow()), edited);
    QCOMPARE(again.find(labelKey.constData())->geometry(), QRect(90, 130, 60, 40));
    QVERIFY(!again.find(labelKey.constData())->isEnabled());
    QVERIFY(!again.find("level"));
    QCOMPARE(readDirection(again.find("gap")), directionNow);
    QVERIFY(readFile(path).contains("Hello") && readFile(path).contains("7"));
    QVERIFY(!again.designer.isWindowModified());   // selecting and showing rows changes nothing
    again.select("ok");
    QVERIFY(!again.designer.isWindowModified());

    // Ctrl+S saves too.
    dragOn(again.canvas(), again.at("ok", 40, 15), QPoint(0, 30));
    QVERIFY(again.designer.isWindowModified());
    QApplication::setActiveWindow(&again.designer);
    QTest::keyClick(&again.designer, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!again.designer.isWindowModified());
    QVERIFY(readFile(path).contains("\"y\" : 50"));
}

void tst_DesignerApp::unsavedChangesGuard_data()
{
    QTest::addColumn<bool>("quit");             // else another page is opened
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("leaves");           // the edited page is replaced or the window closes
    QTest::addColumn<bool>("fileHasEdit");
    QTest::newRow("open, cancel") << false << int(QMessageBox::Cancel) << false << false;
    QTest::newRow("open, discard") << false << int(QMessageBox::Discard) << true << false;
    QTest::newRow("open, save") << false << int(QMessageBox::Save) << true << true;
    QTest::newRow("quit, cancel") << true << int(QMessageBox::Cancel) << false << false;
    QTest::newRow("quit, discard") << true << int(QMessageBox::Discard) << true << false;
    QTest::newRow("quit, save") << true << int(QMessageBox::Save) << true << true;
}

// Unsaved work is never dropped without asking; the answer decides.
void tst_DesignerApp::unsavedChangesGuard()
{
    QFETCH(bool, quit);
    QFETCH(int, answer);
    QFETCH(bool, leaves);
    QFETCH(bool, fileHasEdit);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.json"));
    const QString other = dir.filePath(QStringLiteral("other.json"));
    QVERIFY(writeFile(path, kPage) && writeFile(other, kOther));
    Session s(path);
    s.select("ok");
    dragOn(s.canvas(), s.at("ok", 40, 15), QPoint(0, 50));
    QCOMPARE(s.find("ok")->y(), 70);

    ModalAnswer reply{QMessageBox::StandardButton(answer)};
    if (quit)
        QCOMPARE(s.designer.close(), leaves);
    else
        QCOMPARE(s.designer.openPage(other), leaves);
    QCOMPARE(reply.seen, 1);
    QVERIFY(reply.text.contains(QLatin1String("page.json")));
    QCOMPARE(readFile(path).contains("\"y\" : 70"), fileHasEdit);
    if (!leaves) {
        QVERIFY(s.designer.isVisible() && s.find("ok") && s.find("ok")->y() == 70);
        QVERIFY(s.designer.isWindowModified());
    } else if (!quit) {
        QCOMPARE(s.canvas()->pagePaths(), QStringList{other});
        QVERIFY(!s.designer.isWindowModified());
        // Reopening the first page shows what the file holds.
        QVERIFY(s.designer.openPage(path));
        QCOMPARE(s.find("ok")->y(), fileHasEdit ? 70 : 20);
    }
    QCOMPARE(reply.seen, 1);   // nothing more was asked
}

void tst_DesignerApp::deleteKeyInAnEditor_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("after");   // the editor's text once Delete took its first character
    QTest::newRow("text") << QStringLiteral("Tooltip") << QStringLiteral("ip");
    QTest::newRow("number") << QStringLiteral("Alpha") << QStringLiteral("55");
}

// Delete typed into a property's editor edits the text; it deletes no control.
void tst_DesignerApp::deleteKeyInAnEditor()
{
    QFETCH(QString, label);
    QFETCH(QString, after);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.json"));
    QVERIFY(writeFile(path, kPage));
    Session s(path);
    s.select("ok");
    PropertyRow *r = row(s.designer, label);
    QVERIFY(r);
    QLineEdit *edit = r->lineEdit;
    if (!edit) {
        QVERIFY(r->spinBoxes[0]);
        edit = r->spinBoxes[0]->findChild<QLineEdit *>();
    } else {
        edit->setText(QStringLiteral("tip"));
    }
    QApplication::setActiveWindow(&s.designer);
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    QVERIFY(s.find("ok"));
    QCOMPARE(edit->text(), after);
}

// The page's own size edited in its rows: the canvas recentres it, with scroll bars once it is larger.
void tst_DesignerApp::pageSizeEdited()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.json"));
    QVERIFY(writeFile(path, kPage));
    Session s(path);
    TavixQCanvasWindow *page = s.canvas()->GetCurWindow();
    auto *list = s.designer.findChild<TavixQPropertyList *>();
    QCOMPARE(list->getBoundControl(), page);
    PropertyRow *width = row(s.designer, QStringLiteral("Width"));
    QVERIFY(width && width->spinBoxes[0]);
    width->spinBoxes[0]->selectAll();
    QTest::keyClicks(width->spinBoxes[0], QStringLiteral("3000"));
    QCOMPARE(page->width(), 3000);
    QVERIFY(s.designer.isWindowModified());
    QList<QScrollBar *> bars;
    for (QScrollBar *bar : s.designer.centralWidget()->findChildren<QScrollBar *>())
        if (bar->orientation() == Qt::Horizontal)
            bars << bar;
    QCOMPARE(bars.size(), 1);
    QVERIFY(bars[0]->isVisible() && bars[0]->maximum() == 3000 - s.canvas()->width());
    QCOMPARE(page->x(), 0);
    width->spinBoxes[0]->selectAll();
    QTest::keyClicks(width->spinBoxes[0], QStringLiteral("200"));
    QCOMPARE(page->x(), (s.canvas()->width() - 200) / 2);
    QVERIFY(!bars[0]->isVisible());
}

// A save that cannot be written says so in a message box, and the page stays unsaved.
void tst_DesignerApp::failedSaveIsShown()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("sub")));
    const QString path = dir.filePath(QStringLiteral("sub/page.json"));
    QVERIFY(writeFile(path, kPage));
    Session s(path);
    s.select("ok");
    dragOn(s.canvas(), s.at("ok", 40, 15), QPoint(0, 50));
    // The folder becomes a file: no write can succeed, whoever runs the test.
    QVERIFY(QFile::remove(path) && QDir(dir.path()).rmdir(QStringLiteral("sub")));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("sub")), "a file"));
    {
        ModalAnswer ok(QMessageBox::Ok);
        clickTool(s.designer, QStringLiteral("Save"));
        QCOMPARE(ok.seen, 1);
        QVERIFY(ok.text.contains(QLatin1String("Could not save")));
    }
    QVERIFY(s.designer.isWindowModified());
    QCOMPARE(readFile(dir.filePath(QStringLiteral("sub"))), QByteArray("a file"));
    // Quitting still asks; a save that fails then keeps the window open.
    ModalAnswer save(QMessageBox::Save);
    ModalAnswer ok(QMessageBox::Ok);
    QVERIFY(!s.designer.close());
    QCOMPARE(save.seen, 1);
    QCOMPARE(ok.seen, 1);
}

// A malformed page chosen in the project tree is reported; the page being edited stays, edits and all.
void tst_DesignerApp::malformedPageIsReported()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.json"));
    QVERIFY(writeFile(path, kPage));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("broken.json")), "{\"elements\": [ {\"type\": "));
    Session s(path);
    s.designer.setProjectFolder(dir.path());
    s.select("ok");
    dragOn(s.canvas(), s.at("ok", 40, 15), QPoint(0, 50));
    TavixQCanvasWindow *before = s.canvas()->GetCurWindow();

    auto *tree = s.designer.findChild<QTreeView *>(QStringLiteral("project"));
    auto *model = qobject_cast<QFileSystemModel *>(tree->model());
    QVERIFY(model);
    const QModelIndex broken = model->index(dir.filePath(QStringLiteral("broken.json")));
    QTRY_VERIFY(broken.isValid() && tree->visualRect(broken).isValid());
    tree->setCurrentIndex(broken);
    ModalAnswer ok(QMessageBox::Ok);
    QTest::keyClick(tree, Qt::Key_Return);
    // Only the failure is shown: nothing is asked about the unsaved page for a file that is no page.
    QTRY_COMPARE(ok.seen, 1);
    QVERIFY(ok.text.contains(QLatin1String("broken.json")));
    QCOMPARE(s.canvas()->GetCurWindow(), before);
    QCOMPARE(s.find("ok")->y(), 70);
    QVERIFY(s.designer.isWindowModified());
}

// A control with more rows than the list shows: the bar is seen, and it reaches the last row.
void tst_DesignerApp::propertyRowsReachable()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.json"));
    QVERIFY(writeFile(path, kPage));
    Session s(path);
    s.designer.resize(1200, 500);
    s.select("level");
    auto *list = s.designer.findChild<TavixQPropertyList *>();
    QTRY_VERIFY(list->getImpl()->rows.size() * TavixQPropertyListImpl::kRowHeight > list->viewport()->height());
    QScrollBar *bar = list->verticalScrollBar();
    QTRY_VERIFY(bar->isVisible());
    const QImage painted = bar->grab().toImage();
    QVERIFY(tavixtest::countColour(painted, QColor(160, 160, 160)) > bar->width() * 10);   // a thumb, not nothing
    QVERIFY(tavixtest::countColour(painted, QColor(232, 232, 232)) > 0);                  // on a track
    bar->setValue(bar->maximum());
    QWidget *last = list->getImpl()->rows.last()->container;
    const QRect shown(last->mapTo(list->viewport(), QPoint()), last->size());
    QVERIFY(list->viewport()->rect().contains(shown));

    // An empty text field is framed: the user sees where to type.
    PropertyRow *tooltip = row(s.designer, QStringLiteral("Tooltip"));
    QVERIFY(tooltip && tooltip->lineEdit && tooltip->lineEdit->text().isEmpty());
    const QImage field = tooltip->lineEdit->grab().toImage();
    QVERIFY(tavixtest::countColour(field, QColor(150, 150, 150)) >= field.width() + field.height());
}

// A control hidden at design time is not drawn, so no click reaches it; the outline lists it, greyed,
// and choosing it there selects it, so that it can be shown again.
void tst_DesignerApp::hiddenControlFoundInOutline()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.json"));
    QVERIFY(writeFile(path, kPage));
    Session s(path);
    TavixDesigner::PageOutline *outline = s.designer.outline();
    QTreeWidgetItem *root = outline->itemFor(s.find("root"));
    QVERIFY(root);
    QCOMPARE(root->text(0), QStringLiteral("root (Container)"));   // the palette's name
    QCOMPARE(root->childCount(), 4);   // the group box's own parts are not listed

    s.select("ok");
    QCOMPARE(outline->currentItem(), outline->itemFor(s.find("ok")));
    PropertyRow *visibility = row(s.designer, QStringLiteral("Visibility"));
    QVERIFY(visibility && visibility->checkBox);
    QVERIFY(visibility->checkBox->isChecked());
    QTest::mouseClick(visibility->checkBox, Qt::LeftButton, Qt::NoModifier, QPoint(8, 15));   // on its box
    QCOMPARE(s.find("ok")->property("visibility").toBool(), false);
    QTreeWidgetItem *ok = outline->itemFor(s.find("ok"));
    QVERIFY(ok);
    QCOMPARE(ok->foreground(0).color(), outline->palette().color(QPalette::Disabled, QPalette::Text));

    // The canvas no longer finds it where it was drawn.
    s.canvas()->RemoveAllSelected();
    s.select("ok");
    QVERIFY(!s.canvas()->selectedWidgets().contains(s.find("ok")));

    const QRect rowRect = outline->visualItemRect(outline->itemFor(s.find("ok")));
    QTest::mouseClick(outline->viewport(), Qt::LeftButton, Qt::NoModifier, rowRect.center());
    QCOMPARE(s.canvas()->selectedWidgets(), QVector<QWidget *>{s.find("ok")});
    // Let go of on the canvas, it is chosen again by a click on the row that is still current.
    s.canvas()->RemoveAllSelected();
    QTest::mouseClick(outline->viewport(), Qt::LeftButton, Qt::NoModifier, rowRect.center());
    QCOMPARE(s.canvas()->selectedWidgets(), QVector<QWidget *>{s.find("ok")});
    auto *list = s.designer.findChild<TavixQPropertyList *>();
    QCOMPARE(list->getBoundControl(), s.find("ok"));
    visibility = row(s.designer, QStringLiteral("Visibility"));
    QTest::mouseClick(visibility->checkBox, Qt::LeftButton, Qt::NoModifier, QPoint(8, 15));   // on its box
    QCOMPARE(s.find("ok")->property("visibility").toBool(), true);
    QVERIFY(s.designer.isWindowModified());

    // Deleted from the canvas, gone from the outline.
    QCOMPARE(s.designer.deleteSelection(), 1);
    QCOMPARE(outline->itemFor(s.find("root"))->childCount(), 3);
}

QTEST_MAIN(tst_DesignerApp)
#include "tst_designerapp.moc"
