#include "TavixTestSupport.h"
#include "controls/TavixQLineEdit.h"
#include "controls/TavixQLineEditImpl.h"
#include "controls/TavixQScrollBar.h"
#include "controls/TavixQSpinBox.h"
#include "controls/TavixQTextEdit.h"
#include "controls/TavixQTextEditImpl.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixJson.h"
#include "core/TavixLibrary.h"

#include <QClipboard>
#include <QScrollBar>
#include <QImage>
#include <QInputMethodEvent>
#include <QtTest>

#include <climits>
#include <functional>

#include <json/value.h>

using namespace TavixQtLib;
using tavixtest::parse;
using tavixtest::show;

namespace {

using tavixtest::solid;
using tavixtest::rendered;
using tavixtest::written;

// One saturated colour per state, so a wrong state cannot pass.
const QColor kLooks[4] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255), QColor(255, 0, 255)};
const QColor kPlaceholder(255, 200, 0);

TextStyleDesc textIn(const QColor &color, int size = 12)
{
    TextStyleDesc style;
    style.color = color;
    style.size = size;
    return style;
}

template <class Editor>
void probeLooks(Editor &edit)
{
    for (int s = Normal; s <= Disable; ++s) {
        edit.setBackground(CtrlState(s), solid(kLooks[s]));
        // Text colours differ from every background so they show up separately.
        edit.setTextStyle(CtrlState(s), textIn(QColor(s * 40, 128, 128)));
    }
}

// Pixels of exactly this colour inside (or, with outside, outside) area.
int countColour(const QImage &image, const QColor &colour, const QRect &area, bool outside = false)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += area.contains(x, y) != outside && image.pixelColor(x, y) == colour;
    return n;
}

void send(QWidget &widget, QEvent::Type type)
{
    if (type == QEvent::FocusIn || type == QEvent::FocusOut) {
        QFocusEvent focus(type, Qt::MouseFocusReason);
        QCoreApplication::sendEvent(&widget, &focus);
    } else {
        QEvent plain(type);
        QCoreApplication::sendEvent(&widget, &plain);
    }
}

// The line edit or the text edit, probed with the state looks.
QWidget &pick(bool textEdit, TavixQLineEdit &line, TavixQTextEdit &text, bool probe = true)
{
    if (probe && textEdit)
        probeLooks(text);
    else if (probe)
        probeLooks(line);
    return textEdit ? static_cast<QWidget &>(text) : line;
}

struct PaintCounter : QObject
{
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

class tst_TextInputs : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { init(); }
    void passwordField()
    {
        TavixQLineEdit edit;
        edit.setIsPassword(true);
        QCOMPARE(edit.contextMenuPolicy(), Qt::NoContextMenu);
        QTest::keyClicks(&edit, "secret");
        QCOMPARE(edit.text(), QStringLiteral("secret"));
        QVERIFY(edit.displayText() != edit.text());

        QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
        QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(!edit.hasSelectedText());
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit.text(), QStringLiteral("secret"));
        edit.selectAll();   // even a selection made in code is not copied by the key
        QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("pasted"));

        edit.setIsPassword(false);
        QCOMPARE(edit.contextMenuPolicy(), Qt::DefaultContextMenu);
        QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("secret"));
    }

    void shortcutCapture_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("expected");
        const QString before = QStringLiteral("CTRL+B");
        QTest::newRow("ctrl shift a") << int(Qt::Key_A) << int(Qt::ControlModifier | Qt::ShiftModifier) << "CTRL+SHIFT+A";
        QTest::newRow("all three z") << int(Qt::Key_Z)
                                     << int(Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier)
                                     << "CTRL+ALT+SHIFT+Z";
        QTest::newRow("plain a") << int(Qt::Key_A) << 0 << "A";
        QTest::newRow("F12") << int(Qt::Key_F12) << int(Qt::ControlModifier) << "F12";
        QTest::newRow("F35") << int(Qt::Key_F35) << 0 << "F35";
        QTest::newRow("digit keeps") << int(Qt::Key_5) << int(Qt::ControlModifier) << before;
        QTest::newRow("space keeps") << int(Qt::Key_Space) << 0 << before;
        QTest::newRow("modifier alone keeps") << int(Qt::Key_Control) << int(Qt::ControlModifier) << before;
        QTest::newRow("backspace clears") << int(Qt::Key_Backspace) << 0 << "";
        QTest::newRow("delete clears") << int(Qt::Key_Delete) << 0 << "";
    }

    void shortcutCapture()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, expected);
        TavixQLineEdit edit;
        edit.setIsShortcut(true);
        edit.setText(QStringLiteral("CTRL+B"));
        QTest::keyClick(&edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(edit.text(), expected);
    }

    void editingKeepsWorking()
    {
        TavixQLineEdit edit;
        probeLooks(edit);
        edit.setPlaceholderText(QStringLiteral("type here"));
        QTest::keyClicks(&edit, "hello world");
        QCOMPARE(edit.text(), QStringLiteral("hello world"));

        QTest::keyClick(&edit, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(&edit, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(edit.selectedText(), QStringLiteral("ld"));
        QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("ld"));
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.text(), QStringLiteral("hello wor"));
        QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(edit.text(), QStringLiteral("hello world"));
        QTest::keyClick(&edit, Qt::Key_End);
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit.text(), QStringLiteral("hello worldld"));

        QInputMethodEvent compose(QStringLiteral("e"), {});
        QCoreApplication::sendEvent(&edit, &compose);
        QInputMethodEvent commit;
        commit.setCommitString(QString(QChar(0x00E9)));
        QCoreApplication::sendEvent(&edit, &commit);
        QCOMPARE(edit.text(), QStringLiteral("hello worldld") + QChar(0x00E9));

        // Painting (which restyles the font and palette) leaves the undo history alone.
        rendered(edit);
        QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(edit.text(), QStringLiteral("hello worldld"));
    }

    void statesPaint_data()
    {
        QTest::addColumn<bool>("textEdit");
        QTest::newRow("line edit") << false;
        QTest::newRow("text edit") << true;
    }

    // Hot is never painted; focus shows Pressed with its text colour.
    void statesPaint()
    {
        QFETCH(bool, textEdit);
        TavixQLineEdit line;
        TavixQTextEdit text;
        QWidget &edit = pick(textEdit, line, text);
        edit.resize(120, 60);
        TavixQWidgetBaseImpl *impl = TavixQWidgetBaseImpl::fromWidget(&edit);
        const QPoint probe(3, 3);

        QCOMPARE(rendered(edit).pixelColor(probe), kLooks[Normal]);
        send(edit, QEvent::Enter);
        QCOMPARE(impl->state, int(Hot));
        QCOMPARE(rendered(edit).pixelColor(probe), kLooks[Normal]);
        send(edit, QEvent::FocusIn);
        QCOMPARE(impl->state, int(Pressed));
        QCOMPARE(rendered(edit).pixelColor(probe), kLooks[Pressed]);
        QCOMPARE(edit.palette().color(QPalette::Text), QColor(Pressed * 40, 128, 128));
        send(edit, QEvent::Leave);   // focus keeps Pressed
        QCOMPARE(impl->state, int(Pressed));
        send(edit, QEvent::FocusOut);
        QCOMPARE(rendered(edit).pixelColor(probe), kLooks[Normal]);
        edit.setEnabled(false);
        QCOMPARE(rendered(edit).pixelColor(probe), kLooks[Disable]);
    }

    void bareEditorShowsParent_data()
    {
        statesPaint_data();
    }

    // Without a background of the kit's, nothing of Qt's panel covers what lies behind the editor, in
    // any state; typed text still shows.
    void bareEditorShowsParent()
    {
        QFETCH(bool, textEdit);
        const QColor behind(30, 90, 160);
        QWidget parent;
        parent.resize(160, 80);
        QPalette palette = parent.palette();
        palette.setColor(QPalette::Window, behind);
        parent.setPalette(palette);
        parent.setAutoFillBackground(true);
        auto *line = new TavixQLineEdit(&parent);
        auto *text = new TavixQTextEdit(&parent);
        QWidget &edit = pick(textEdit, *line, *text, false);
        (textEdit ? static_cast<QWidget *>(line) : text)->hide();
        FillStyle none;
        none.valid = false;
        for (int s = Normal; s <= Disable; ++s) {
            if (textEdit)
                text->setBackground(CtrlState(s), none);
            else
                line->setBackground(CtrlState(s), none);
        }
        edit.setGeometry(10, 10, 140, 60);
        const QRect inside(QPoint(20, 55), QSize(120, 10));   // below the first line of text
        QCOMPARE(countColour(rendered(parent), behind, inside), inside.width() * inside.height());
        send(edit, QEvent::FocusIn);
        QCOMPARE(countColour(rendered(parent), behind, inside), inside.width() * inside.height());
        edit.setEnabled(false);
        QCOMPARE(countColour(rendered(parent), behind, inside), inside.width() * inside.height());
        edit.setEnabled(true);
        if (textEdit)
            text->setPlainText(QStringLiteral("typed"));
        else
            line->setText(QStringLiteral("typed"));
        QVERIFY(countColour(rendered(parent), behind, edit.geometry()) < edit.width() * edit.height());
    }

    void paintingSettles_data()
    {
        statesPaint_data();
    }

    // Applying the state's text style before each paint must not schedule the next one.
    void paintingSettles()
    {
        QFETCH(bool, textEdit);
        TavixQLineEdit line;
        TavixQTextEdit text;
        QWidget &edit = pick(textEdit, line, text);
        edit.resize(120, 40);
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        send(edit, QEvent::FocusIn);   // the Pressed style differs from the one applied so far
        PaintCounter counter;
        edit.installEventFilter(&counter);
        if (textEdit)
            text.viewport()->installEventFilter(&counter);
        const auto spin = [] { for (int i = 0; i < 20; ++i) QCoreApplication::processEvents(); };
        spin();
        const int settled = counter.paints;
        QVERIFY(settled >= 1);
        spin();
        QCOMPARE(counter.paints, settled);
    }

    void placeholderInsideMargins_data()
    {
        statesPaint_data();
    }

    // The placeholder is painted inside the contents margins while the editor is empty, and typing hides it.
    void placeholderInsideMargins()
    {
        QFETCH(bool, textEdit);
        TavixQLineEdit line;
        TavixQTextEdit text;
        QWidget &edit = pick(textEdit, line, text, false);
        TextStyleDesc style = textIn(kPlaceholder, 30);
        style.ver = 0;
        if (textEdit) {
            text.setBackground(AllStates, solid(Qt::white));
            text.setPlaceholderText(QStringLiteral("WWWWWWWW"));
            text.setPlaceholderTextStyle(style);
            text.setEditMargin(20, 4, 30, 6);
        } else {
            line.setBackground(AllStates, solid(Qt::white));
            line.setPlaceholderText(QStringLiteral("WWWWWWWW"));
            line.setPlaceholderTextStyle(Normal, style);
            line.setEditMargin(20, 4, 30, 6);
        }
        edit.resize(200, 60);
        QImage image = rendered(edit);
        const QRect inside = edit.rect().adjusted(30, 20, -6, -4);
        QVERIFY(countColour(image, kPlaceholder, inside) > 20);
        QCOMPARE(countColour(image, kPlaceholder, inside, true), 0);

        QTest::keyClick(&edit, Qt::Key_X);
        QCOMPARE(countColour(rendered(edit), kPlaceholder, edit.rect()), 0);
    }

    // "ispassord": 0 is the written default: reading it turns nothing on.
    void lineEditNode()
    {
        TavixQLineEdit edit;
        Json::Value value = parse(R"({"attr": {"ispassord": 0}})");
        QVERIFY(edit.readJsonValue(&value));
        QCOMPARE(edit.contentsMargins(), QMargins());
        QVERIFY(!edit.getIsPassword() && !edit.getIsShortcut());
        edit.setEditMargin(2, 4, 1, 3);     // top, bottom, left, right
        QCOMPARE(edit.contentsMargins(), QMargins(1, 2, 3, 4));
    }

    void hostileNumbers_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("margin");
        QTest::newRow("INT_MIN") << QByteArray::number(INT_MIN) << 0;
        QTest::newRow("INT_MAX") << QByteArray::number(INT_MAX) << 10000;
        QTest::newRow("minus one") << QByteArray("-1") << 0;
        QTest::newRow("NaN as text") << QByteArray("\"NaN\"") << 0;
        QTest::newRow("huge real") << QByteArray("1e300") << 0;
        QTest::newRow("real") << QByteArray("7.9") << 7;
        QTest::newRow("array") << QByteArray("[1]") << 0;
    }

    // Margins from a page are clamped or ignored; the editors still lay out, paint and take keys.
    void hostileNumbers()
    {
        QFETCH(QByteArray, value);
        QFETCH(int, margin);
        const QByteArray doc = "{\"attr\": {\"leftMargin\": " + value + ", \"topMargin\": " + value
            + ", \"rightMargin\": 2}, \"style\": [[\"x\", " + value + ", " + value + "]]}";
        TavixQLineEdit line;
        TavixQTextEdit text;
        for (ITavixQWidgetBase *control : {static_cast<ITavixQWidgetBase *>(&line), static_cast<ITavixQWidgetBase *>(&text)}) {
            Json::Value node = parse(doc);
            QVERIFY(control->readJsonValue(&node));
        }
        const QMargins m = line.contentsMargins();
        QCOMPARE(QList<int>({m.left(), m.top(), m.right()}), QList<int>({margin, margin, 2}));
        int top = 0, bottom = 0, left = 0, right = 0;
        text.getEditMargin(top, bottom, left, right);
        QCOMPARE(QMargins(left, top, right, bottom), m);
        line.resize(80, 24);
        text.resize(80, 60);
        rendered(line);
        rendered(text);
        QTest::keyClicks(&line, "ok");
        QCOMPARE(line.text(), QStringLiteral("ok"));
    }

    // The kit only restyles the spin box: Qt's range handling and keys stay, also for a range given backwards.
    void spinBoxRange()
    {
        TavixQSpinBox box;
        QVERIFY(!box.hasFrame());
        box.setRange(10, 5);
        QCOMPARE(box.value(), 10);
        box.setRange(0, 100);
        box.setValue(5);
        QTest::keyClick(&box, Qt::Key_Up);
        QCOMPARE(box.value(), 6);
        box.resize(80, 24);
        rendered(box);
    }

    // The "Margin" row writes left, top, right, bottom like every IntQuad row (tst_propertylist reads it back).
    void marginRow()
    {
        const ControlInfo *info = tavixGetControlInfo(QStringLiteral("qtdedit"));
        QVERIFY(info);
        TavixQLineEdit edit;
        int found = 0;
        for (const PropertyDef &row : info->properties) {
            if (row.label != QLatin1String("Margin"))
                continue;
            ++found;
            row.setIntQuad(&edit, 1, 2, 3, 4);
            QCOMPARE(edit.contentsMargins(), QMargins(1, 2, 3, 4));
        }
        QCOMPARE(found, 1);
    }

    // The text edit scrolls with the kit's bars; replacing one leaves no dangling accessor.
    void textEditBars()
    {
        TavixQTextEdit edit;
        QCOMPARE(edit.verticalScrollBar(), edit.getScrollBar(false));
        QCOMPARE(edit.horizontalScrollBar(), edit.getScrollBar(true));
        edit.setVerticalScrollBar(new QScrollBar);
        QVERIFY(!edit.getScrollBar(false));
        QVERIFY(edit.getScrollBar(true));
    }
};

QTEST_MAIN(tst_TextInputs)
#include "tst_textinputs.moc"
