// Keyboard use: which controls Tab reaches and in what order, the keys that operate each control, the
// combo box popup, the focus frame after keyboard focus only, and the dashboard driven without a mouse.

#include "CorvellaSorbane.h"

#include "controls/TavixQCheckBox.h"
#include "controls/TavixQComboBox.h"
#include "controls/TavixQContainer.h"
#include "controls/TavixQImage.h"
#include "controls/TavixQLabel.h"
#include "controls/TavixQLineEdit.h"
#include "controls/TavixQPushButton.h"
#include "controls/TavixQRadioButton.h"
#include "controls/TavixQScrollBar.h"
#include "controls/TavixQSlider.h"
#include "controls/TavixQSpinBox.h"
#include "controls/TavixQStackContainer.h"
#include "controls/TavixQSwitch.h"
#include "controls/TavixQTabWidget.h"
#include "controls/TavixQTextEdit.h"
#include "controls/charts/TavixQECGChart.h"
#include "controls/charts/TavixQICDChart.h"
#include "controls/views/TavixQList.h"
#include "controls/views/TavixQMenu.h"
#include "controls/views/TavixQTableView.h"
#include "controls/views/TavixQTreeView.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixLibrary.h"
#include "core/TavixQWidgetBaseImpl.h"
#include "TavixTestSupport.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

using namespace TavixQtLib;

namespace {

// A control on a page and a text that says what state it is in.
struct Subject
{
    QWidget *widget = nullptr;
    std::function<QString()> state;
};

QString number(int value)
{
    return QString::number(value);
}

// Builds one control of a kind under page, with what its state text needs.
Subject makeSubject(const QString &kind, QWidget *page)
{
    Subject s;
    if (kind == QLatin1String("button")) {
        auto *button = new TavixQPushButton(page);
        button->setText(QStringLiteral("Go"));
        auto *clicks = new int(0);
        QObject::connect(button, &QPushButton::clicked, [clicks] { ++*clicks; });
        QObject::connect(button, &QObject::destroyed, [clicks] { delete clicks; });
        s = {button, [clicks] { return QStringLiteral("clicks %1").arg(*clicks); }};
    } else if (kind == QLatin1String("checkbox")) {
        auto *box = new TavixQCheckBox(page);
        s = {box, [box] { return QString::fromLatin1(box->isChecked() ? "on" : "off"); }};
    } else if (kind == QLatin1String("radio")) {
        auto *radio = new TavixQRadioButton(page);
        s = {radio, [radio] { return QString::fromLatin1(radio->isChecked() ? "on" : "off"); }};
    } else if (kind == QLatin1String("switch")) {
        auto *sw = new TavixQSwitch(page);
        sw->setSwitchSpeed(0);   // the toggle ends inside the key press
        sw->setSwitchToLeft(true);
        s = {sw, [sw] { return QString::fromLatin1(sw->getIsSwitchToLeft() ? "off" : "on"); }};
    } else if (kind == QLatin1String("slider")) {
        auto *slider = new TavixQSlider(page);
        slider->setOrientation(Qt::Horizontal);
        slider->setRange(0, 100);
        slider->setPageStep(10);
        slider->setValue(50);
        s = {slider, [slider] { return number(slider->value()); }};
    } else if (kind == QLatin1String("spinbox")) {
        auto *spin = new TavixQSpinBox(page);
        spin->setRange(0, 100);
        spin->setValue(50);
        s = {spin, [spin] { return number(spin->value()); }};
    } else if (kind == QLatin1String("scrollbar")) {
        auto *bar = new TavixQScrollBar(Qt::Vertical, page);
        bar->setRange(0, 100);
        bar->setPageStep(20);
        bar->setValue(50);
        bar->setFocusPolicy(Qt::StrongFocus);   // a bar of its own; those of views stay out of the chain
        s = {bar, [bar] { return number(bar->value()); }};
    } else if (kind == QLatin1String("tab")) {
        auto *tab = new TavixQTabWidget(page);
        for (const char *text : {"General", "Data", "Style", "More"})
            tab->addTab(QString::fromLatin1(text));
        tab->setSelectedIndex(1);
        s = {tab, [tab] { return number(tab->getSelectedIndex()); }};
    } else if (kind == QLatin1String("combo")) {
        auto *combo = new TavixQComboBox(page);
        combo->addItems({QStringLiteral("Light"), QStringLiteral("Dark"), QStringLiteral("Classic")});
        combo->setCurrentIndex(1);
        s = {combo, [combo] { return number(combo->currentIndex()); }};
    } else if (kind == QLatin1String("lineedit")) {
        auto *edit = new TavixQLineEdit(page);
        edit->setText(QStringLiteral("ab"));
        s = {edit, [edit] { return QStringLiteral("%1|%2").arg(edit->text()).arg(edit->cursorPosition()); }};
    } else if (kind == QLatin1String("textedit")) {
        auto *edit = new TavixQTextEdit(page);
        edit->setPlainText(QStringLiteral("ab"));
        s = {edit, [edit] { return edit->toPlainText(); }};
    } else if (kind == QLatin1String("list")) {
        auto *list = new TavixQList(page);
        for (int i = 0; i < 5; ++i)
            list->addItem(QStringLiteral("row %1").arg(i));
        list->setCurrentRow(1);
        s = {list, [list] { return number(list->currentRow()); }};
    } else if (kind == QLatin1String("table") || kind == QLatin1String("tree")) {
        auto *model = new QStandardItemModel(4, 3, page);
        for (int r = 0; r < 4; ++r) {
            for (int c = 0; c < 3; ++c)
                model->setItem(r, c, new QStandardItem(QStringLiteral("%1,%2").arg(r).arg(c)));
        }
        model->item(1, 0)->appendRow(new QStandardItem(QStringLiteral("child")));
        QAbstractItemView *view = nullptr;
        if (kind == QLatin1String("table"))
            view = new TavixQTableView(page);
        else
            view = new TavixQTreeView(page);
        view->setModel(model);
        view->setCurrentIndex(model->index(1, 0));
        s = {view, [view] {
                 const QModelIndex i = view->currentIndex();
                 return QStringLiteral("%1,%2").arg(i.row()).arg(i.column());
             }};
    }
    return s;
}

bool showActive(QWidget &page)
{
    page.show();
    QApplication::setActiveWindow(&page);
    page.activateWindow();
    return QTest::qWaitForWindowActive(&page);
}

// Pixels of the outermost ring of a grab that differ between two grabs of the same control.
int ringDifference(const QImage &a, const QImage &b, int depth = 3)
{
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const bool ring = x < depth || y < depth || x >= a.width() - depth || y >= a.height() - depth;
            if (ring && a.pixel(x, y) != b.pixel(x, y))
                ++differing;
        }
    }
    return differing;
}

QImage grabOf(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

// Gives target focus with Tab from a button placed before it in the chain.
bool tabInto(QWidget *before, QWidget *target)
{
    before->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(before, Qt::Key_Tab);
    return QApplication::focusWidget() == target;
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace

class tst_Keyboard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void focusPolicies_data();
    void focusPolicies();
    void tabOrderOverMixedPage();
    void activationKeys_data();
    void activationKeys();
    void spaceHeldShowsPressed_data();
    void spaceHeldShowsPressed();
    void comboPopupFromKeyboard_data();
    void comboPopupFromKeyboard();
    void menuFromKeyboard();
    void focusFrameAfterTab_data();
    void focusFrameAfterTab();
    void noFocusFrameAfterMouseClick();
    void tabWidgetFrameMarksSelectedCell();
    void focusFrameAttribute_data();
    void focusFrameAttribute();
    void dashboardFromKeyboard();

private:
    QTemporaryDir m_dir;
};

void tst_Keyboard::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // Cards and the "NoFrame" button entry; the entry's attribute turns the focus frame off.
    const QByteArray style = "{\"style\":[{\"type\":1,\"name\":\"card\",\"drawImg\":false,\"clr\":\"FFE0E0E0\","
                             "\"borderSize\":0}]}";
    const QByteArray theme = "{\"elements\":[{\"type\":\"qtcontainer\",\"name\":\"theme\",\"child\":["
                             "{\"name\":\"CardBg\",\"type\":\"qtcontainer\",\"style\":[[\"card\",1,0]]},"
                             "{\"name\":\"NoFrame\",\"type\":\"qtbutton\",\"attr\":{\"focusFrame\":0}}]}]}";
    QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("theme1/images"))));
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("theme1/style.json")), style));
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("theme1/theme.json")), theme));
    init();
    QVERIFY(tavixLoadThemeDir(m_dir.filePath(QStringLiteral("theme1")).toUtf8().constData()));
}

void tst_Keyboard::focusPolicies_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<bool>("tabReaches");
    for (const char *input : {"qtbutton", "qtcheckbox", "qtradiobox", "qtswitch", "qtslider", "qtspinbox",
                              "qtdedit", "qttext", "qtcombobox", "qttab", "qtlist", "qtlistview", "qtdatagrid",
                              "qttree"})
        QTest::newRow(input) << QString::fromLatin1(input) << true;
    for (const char *passive : {"qtlabel", "qtlabelex", "qtpicture", "qtcontainer", "qtstackcontainer",
                                "qtgroupbox", "qtprogressbar", "qtlcdnumber", "qtspacer", "qtsplitter",
                                "qtecgchart", "qticdchart", "qtscrollbar", "qtribbonbar"})
        QTest::newRow(passive) << QString::fromLatin1(passive) << false;
}

void tst_Keyboard::focusPolicies()
{
    QFETCH(QString, keyword);
    QFETCH(bool, tabReaches);
    QWidget page;
    QWidget *control = tavixCreateControlByKeyword(keyword.toUtf8().constData(), &page);
    // The charts are built by their hosts, not through the registry.
    if (!control && keyword == QLatin1String("qtecgchart"))
        control = new TavixQECGChart(&page);
    else if (!control && keyword == QLatin1String("qticdchart"))
        control = new TavixQICDChart(&page);
    QVERIFY(control);
    QCOMPARE(bool(control->focusPolicy() & Qt::TabFocus), tabReaches);
}

void tst_Keyboard::tabOrderOverMixedPage()
{
    QWidget page;
    page.resize(400, 600);
    QList<QWidget *> expected;
    auto *first = new TavixQPushButton(&page);
    expected << first;
    new TavixQLabel(&page);
    expected << makeSubject(QStringLiteral("checkbox"), &page).widget;
    new TavixQImage(&page);
    expected << makeSubject(QStringLiteral("switch"), &page).widget;
    auto *box = new TavixQContainer(&page);   // takes no focus itself; its field does
    auto *field = new TavixQLineEdit(box);
    expected << field;
    expected << makeSubject(QStringLiteral("slider"), &page).widget;
    expected << makeSubject(QStringLiteral("tab"), &page).widget;
    expected << makeSubject(QStringLiteral("combo"), &page).widget;
    expected << makeSubject(QStringLiteral("list"), &page).widget;
    int y = 0;
    for (QWidget *w : page.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        w->setGeometry(0, y, 200, 40);
        y += 50;
    }
    field->setGeometry(0, 0, 150, 30);
    QVERIFY(showActive(page));
    first->setFocus(Qt::OtherFocusReason);

    QList<QWidget *> forward{QApplication::focusWidget()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        forward << QApplication::focusWidget();
    }
    QCOMPARE(forward, expected);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), first);   // wraps round

    QList<QWidget *> backward;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        backward.prepend(QApplication::focusWidget());
    }
    QCOMPARE(backward, expected);
}

void tst_Keyboard::activationKeys_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    const int none = Qt::NoModifier;
    QTest::newRow("button space") << "button" << int(Qt::Key_Space) << none << "clicks 0" << "clicks 1";
    QTest::newRow("button return") << "button" << int(Qt::Key_Return) << none << "clicks 0" << "clicks 1";
    QTest::newRow("button keypad enter") << "button" << int(Qt::Key_Enter) << int(Qt::KeypadModifier)
                                         << "clicks 0" << "clicks 1";
    QTest::newRow("button ctrl+return") << "button" << int(Qt::Key_Return) << int(Qt::ControlModifier)
                                        << "clicks 0" << "clicks 0";
    QTest::newRow("checkbox space") << "checkbox" << int(Qt::Key_Space) << none << "off" << "on";
    QTest::newRow("checkbox return") << "checkbox" << int(Qt::Key_Return) << none << "off" << "on";
    QTest::newRow("radio space") << "radio" << int(Qt::Key_Space) << none << "off" << "on";
    QTest::newRow("radio enter") << "radio" << int(Qt::Key_Enter) << none << "off" << "on";
    QTest::newRow("switch space") << "switch" << int(Qt::Key_Space) << none << "off" << "on";
    QTest::newRow("switch return") << "switch" << int(Qt::Key_Return) << none << "off" << "on";
    QTest::newRow("switch letter") << "switch" << int(Qt::Key_A) << none << "off" << "off";
    QTest::newRow("slider right") << "slider" << int(Qt::Key_Right) << none << "50" << "51";
    QTest::newRow("slider left") << "slider" << int(Qt::Key_Left) << none << "50" << "49";
    QTest::newRow("slider page up") << "slider" << int(Qt::Key_PageUp) << none << "50" << "60";
    QTest::newRow("slider home") << "slider" << int(Qt::Key_Home) << none << "50" << "0";
    QTest::newRow("slider end") << "slider" << int(Qt::Key_End) << none << "50" << "100";
    QTest::newRow("spin up") << "spinbox" << int(Qt::Key_Up) << none << "50" << "51";
    QTest::newRow("spin page down") << "spinbox" << int(Qt::Key_PageDown) << none << "50" << "40";
    QTest::newRow("scrollbar down") << "scrollbar" << int(Qt::Key_Down) << none << "50" << "51";
    QTest::newRow("scrollbar page down") << "scrollbar" << int(Qt::Key_PageDown) << none << "50" << "70";
    QTest::newRow("scrollbar home") << "scrollbar" << int(Qt::Key_Home) << none << "50" << "0";
    QTest::newRow("tab right") << "tab" << int(Qt::Key_Right) << none << "1" << "2";
    QTest::newRow("tab left") << "tab" << int(Qt::Key_Left) << none << "1" << "0";
    QTest::newRow("tab down") << "tab" << int(Qt::Key_Down) << none << "1" << "2";
    QTest::newRow("tab end") << "tab" << int(Qt::Key_End) << none << "1" << "3";
    QTest::newRow("tab home") << "tab" << int(Qt::Key_Home) << none << "1" << "0";
    QTest::newRow("line edit types") << "lineedit" << int(Qt::Key_X) << none << "ab|2" << "abx|3";
    QTest::newRow("line edit home") << "lineedit" << int(Qt::Key_Home) << none << "ab|2" << "ab|0";
    QTest::newRow("text edit types") << "textedit" << int(Qt::Key_X) << none << "ab" << "xab";
    QTest::newRow("combo down") << "combo" << int(Qt::Key_Down) << none << "1" << "2";
    QTest::newRow("combo up") << "combo" << int(Qt::Key_Up) << none << "1" << "0";
    QTest::newRow("list down") << "list" << int(Qt::Key_Down) << none << "1" << "2";
    QTest::newRow("list end") << "list" << int(Qt::Key_End) << none << "1" << "4";
    QTest::newRow("table right") << "table" << int(Qt::Key_Right) << none << "1,0" << "1,1";
    QTest::newRow("table down") << "table" << int(Qt::Key_Down) << none << "1,0" << "2,0";
    QTest::newRow("tree down") << "tree" << int(Qt::Key_Down) << none << "1,0" << "2,0";
    QTest::newRow("tree opens") << "tree" << int(Qt::Key_Right) << none << "1,0" << "1,0";
}

void tst_Keyboard::activationKeys()
{
    QFETCH(QString, kind);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QWidget page;
    page.resize(300, 200);
    Subject subject = makeSubject(kind, &page);
    QVERIFY(subject.widget);
    subject.widget->setGeometry(10, 10, 220, 150);
    QVERIFY(showActive(page));
    subject.widget->setFocus(Qt::TabFocusReason);
    QCOMPARE(subject.state(), before);
    QTest::keyClick(subject.widget, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(subject.state(), after);
    if (kind == QLatin1String("tree") && key == Qt::Key_Right) {
        auto *tree = static_cast<TavixQTreeView *>(subject.widget);
        QVERIFY(tree->isExpanded(tree->currentIndex()));
    }
}

void tst_Keyboard::spaceHeldShowsPressed_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *kind : {"button", "checkbox", "radio"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void tst_Keyboard::spaceHeldShowsPressed()
{
    QFETCH(QString, kind);
    QWidget page;
    Subject subject = makeSubject(kind, &page);
    QWidget *control = subject.widget;
    control->setGeometry(10, 10, 80, 30);
    const auto paintStates = [](auto *c) {   // red in every state, green when pressed; checked or not
        c->setBackground(AllStates, tavixtest::solid(tavixtest::kRed));
        c->setBackground(Pressed, tavixtest::solid(tavixtest::kGreen));
    };
    if (auto *button = qobject_cast<TavixQPushButton *>(control))
        paintStates(button);
    if (auto *box = qobject_cast<TavixQCheckBox *>(control)) {
        paintStates(box);
        box->setShowIcon(false);
    }
    if (auto *radio = qobject_cast<TavixQRadioButton *>(control)) {
        paintStates(radio);
        radio->setShowIcon(false);
    }
    // The frame's tint would colour the probe.
    dynamic_cast<ITavixQWidgetBase *>(control)->getControlImpl()->setFocusFrame(false);
    QVERIFY(showActive(page));
    control->setFocus(Qt::TabFocusReason);
    const QString before = subject.state();
    QTest::keyPress(control, Qt::Key_Space);
    QCOMPARE(grabOf(control).pixelColor(40, 15), tavixtest::kGreen);
    QCOMPARE(subject.state(), before);   // nothing happens before the key comes up
    QTest::keyRelease(control, Qt::Key_Space);
    QVERIFY(subject.state() != before);
    if (kind == QLatin1String("button"))
        QCOMPARE(grabOf(control).pixelColor(40, 15), tavixtest::kRed);
}

void tst_Keyboard::comboPopupFromKeyboard_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("alt+down") << int(Qt::Key_Down) << int(Qt::AltModifier);
    QTest::newRow("f4") << int(Qt::Key_F4) << int(Qt::NoModifier);
}

void tst_Keyboard::comboPopupFromKeyboard()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QWidget page;
    page.resize(300, 200);
    Subject subject = makeSubject(QStringLiteral("combo"), &page);
    auto *combo = static_cast<TavixQComboBox *>(subject.widget);
    combo->setGeometry(10, 10, 150, 30);
    QVERIFY(showActive(page));
    combo->setFocus(Qt::TabFocusReason);
    QTest::keyClick(combo, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTRY_VERIFY(combo->view()->isVisible());
    QCOMPARE(combo->currentIndex(), 1);   // opening chooses nothing
    QTest::keyClick(combo->view(), Qt::Key_Escape);
    QTRY_VERIFY(!combo->view()->isVisible());
    QCOMPARE(combo->currentIndex(), 1);   // Escape keeps the choice
    QTRY_COMPARE(QApplication::focusWidget(), combo);
}

void tst_Keyboard::menuFromKeyboard()
{
    TavixQMenu menu;
    QAction *first = menu.addAction(QStringLiteral("Open"));
    QAction *second = menu.addAction(QStringLiteral("Save"));
    QSignalSpy triggered(&menu, &QMenu::triggered);
    menu.popup(QPoint(10, 10));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    QTest::keyClick(&menu, Qt::Key_Down);
    QCOMPARE(menu.activeAction(), first);
    QTest::keyClick(&menu, Qt::Key_Down);
    QCOMPARE(menu.activeAction(), second);
    QTest::keyClick(&menu, Qt::Key_Return);
    QTRY_COMPARE(triggered.count(), 1);
    QCOMPARE(triggered.at(0).at(0).value<QAction *>(), second);
    QVERIFY(!menu.isVisible());
    menu.popup(QPoint(10, 10));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    QTest::keyClick(&menu, Qt::Key_Escape);
    QTRY_VERIFY(!menu.isVisible());
    QCOMPARE(triggered.count(), 1);
}

void tst_Keyboard::focusFrameAfterTab_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *kind : {"button", "checkbox", "radio", "switch", "slider", "spinbox", "lineedit", "textedit",
                             "tab", "combo", "list",
                             "table", "tree"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void tst_Keyboard::focusFrameAfterTab()
{
    QFETCH(QString, kind);
    QWidget page;
    page.resize(300, 250);
    auto *before = new TavixQPushButton(&page);
    before->setGeometry(0, 0, 40, 20);
    Subject subject = makeSubject(kind, &page);
    subject.widget->setGeometry(20, 40, 200, 120);
    QVERIFY(showActive(page));
    const QImage plain = grabOf(subject.widget);
    QVERIFY(tabInto(before, subject.widget));
    const QImage focused = grabOf(subject.widget);
    if (kind == QLatin1String("button") || kind == QLatin1String("switch"))
        focused.save(QDir::temp().filePath(QStringLiteral("tavix_keyboard_%1.png").arg(kind)));
    QVERIFY2(ringDifference(plain, focused, kind == QLatin1String("tab") ? 200 : 3) > 20,
             "no focus frame after Tab");
    // Leaving takes the frame away again (Tab would move between a table's cells).
    before->setFocus(Qt::BacktabFocusReason);
    QVERIFY(!subject.widget->hasFocus());
    QCOMPARE(ringDifference(plain, grabOf(subject.widget), 200), 0);
}

void tst_Keyboard::noFocusFrameAfterMouseClick()
{
    QWidget page;
    page.resize(300, 200);
    auto *button = new TavixQPushButton(&page);
    button->setGeometry(20, 20, 120, 40);
    auto *other = new TavixQPushButton(&page);
    other->setGeometry(20, 100, 120, 40);
    QVERIFY(showActive(page));
    const QImage plain = grabOf(button);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(60, 20));
    QVERIFY(button->hasFocus());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button, &leave);   // back to Normal, as before the click
    QCOMPARE(ringDifference(plain, grabOf(button), 200), 0);
    auto *impl = button->getControlImpl();
    QVERIFY(!impl->hasKeyboardFocus());

    // Keyboard focus followed by a click elsewhere: the clicked control shows no frame either.
    QVERIFY(tabInto(other, button));
    QVERIFY(impl->hasKeyboardFocus());
    QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(60, 20));
    QCoreApplication::sendEvent(other, &leave);
    QVERIFY(other->hasFocus());
    QVERIFY(!other->getControlImpl()->hasKeyboardFocus());
    QCOMPARE(ringDifference(grabOf(other), plain, 200), 0);
}

void tst_Keyboard::tabWidgetFrameMarksSelectedCell()
{
    QWidget page;
    page.resize(400, 100);
    auto *before = new TavixQPushButton(&page);
    before->setGeometry(0, 0, 40, 20);
    auto *tab = static_cast<TavixQTabWidget *>(makeSubject(QStringLiteral("tab"), &page).widget);
    tab->setItemSize(80);
    tab->setGeometry(0, 30, 320, 40);
    QVERIFY(showActive(page));
    const QImage plain = grabOf(tab);
    QVERIFY(tabInto(before, tab));
    const QImage focused = grabOf(tab);
    int inside = 0, outside = 0;   // the frame sits in the selected (second) cell only
    for (int x = 0; x < plain.width(); ++x) {
        for (int y = 0; y < plain.height(); ++y)
            (x >= 80 && x < 160 ? inside : outside) += plain.pixel(x, y) != focused.pixel(x, y);
    }
    QVERIFY(inside > 20);
    QCOMPARE(outside, 0);
}

// Where the switch comes from, what a save writes for it, and whether Tab then shows a frame.
void tst_Keyboard::focusFrameAttribute_data()
{
    QTest::addColumn<QByteArray>("node");
    QTest::addColumn<QString>("theme");
    QTest::addColumn<int>("set");              // -1 leaves it, 0 and 1 call setFocusFrame
    QTest::addColumn<bool>("frame");
    QTest::addColumn<QByteArray>("written");   // the "focusFrame" value a save writes; empty for none
    QTest::newRow("default") << QByteArray("{}") << QString() << -1 << true << QByteArray();
    QTest::newRow("page false") << QByteArray("{\"attr\":{\"focusFrame\":false}}") << QString() << -1 << false
                                << QByteArray("false");
    QTest::newRow("page 0") << QByteArray("{\"attr\":{\"focusFrame\":0}}") << QString() << -1 << false
                            << QByteArray("0");
    QTest::newRow("page text") << QByteArray("{\"attr\":{\"focusFrame\":\"no\"}}") << QString() << -1 << true
                               << QByteArray("\"no\"");
    QTest::newRow("theme entry") << QByteArray("{}") << QStringLiteral("NoFrame") << -1 << false << QByteArray();
    QTest::newRow("theme then on") << QByteArray("{}") << QStringLiteral("NoFrame") << 1 << true << QByteArray("1");
    QTest::newRow("setter off") << QByteArray("{}") << QString() << 0 << false << QByteArray("0");
    QTest::newRow("setter on") << QByteArray("{}") << QString() << 1 << true << QByteArray();
    QTest::newRow("page off, set on") << QByteArray("{\"attr\":{\"focusFrame\":0}}") << QString() << 1 << true
                                      << QByteArray();
}

void tst_Keyboard::focusFrameAttribute()
{
    QFETCH(QByteArray, node);
    QFETCH(QString, theme);
    QFETCH(int, set);
    QFETCH(bool, frame);
    QFETCH(QByteArray, written);
    QWidget page;
    page.resize(300, 200);
    auto *before = new TavixQPushButton(&page);
    before->setGeometry(0, 0, 40, 20);
    auto *button = new TavixQPushButton(&page);
    Json::Value in = tavixtest::parse(node);
    QVERIFY(button->readJsonValue(&in));
    button->setGeometry(20, 40, 120, 40);
    if (!theme.isEmpty())
        button->setThemeName(theme);
    TavixQWidgetBaseImpl *impl = button->getControlImpl();
    if (set >= 0)
        impl->setFocusFrame(set == 1);
    QCOMPARE(impl->getFocusFrame(), frame);

    Json::Value out(Json::objectValue);
    QVERIFY(button->serializeJsonValue(&out, false));
    const Json::Value *attr = tavixJsonMember(out, "attr");
    const Json::Value *value = attr ? tavixJsonMember(*attr, "focusFrame") : nullptr;
    QCOMPARE(value ? tavixtest::show(*value) : QByteArray(), written);
    TavixQPushButton again;   // read back, the saved node gives the same switch
    again.setThemeName(theme.isEmpty() ? QStringLiteral("qtbutton") : theme);
    QVERIFY(again.readJsonValue(&out));
    QCOMPARE(again.getControlImpl()->getFocusFrame(), frame);

    QVERIFY(showActive(page));
    const QImage plain = grabOf(button);
    QVERIFY(tabInto(before, button));
    QVERIFY(impl->hasKeyboardFocus());
    QCOMPARE(ringDifference(plain, grabOf(button)) > 20, frame);
}

void tst_Keyboard::dashboardFromKeyboard()
{
    CorvellaSorbane window;
    QVERIFY(showActive(window));
    // The theme dialog opens beside the window; Ctrl+T gives it the keyboard, Escape closes it.
    QPointer<QDialog> dialog = window.themeDialog();
    QVERIFY(dialog && dialog->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_T, Qt::ControlModifier);
    QTRY_COMPARE(QApplication::activeWindow(), dialog.data());
    QVERIFY(dialog->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!dialog);
    QTRY_COMPARE(QApplication::activeWindow(), &window);

    // Tab reaches the checked section; arrows step through the sections and open each.
    const QList<TavixQRadioButton *> &nav = window.navigationButtons();
    QCOMPARE(nav.size(), 14);
    for (int i = 0; i < 60 && QApplication::focusWidget() != nav.first(); ++i)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), nav.first());
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(window.currentSection(), QStringLiteral("List"));
    QCOMPARE(QApplication::focusWidget(), nav.at(3));
    QVERIFY(nav.at(3)->getControlImpl()->hasKeyboardFocus());
    window.sidebar()->grab().save(QDir::temp().filePath(QStringLiteral("tavix_keyboard_sidebar.png")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(window.currentSection(), QStringLiteral("Label"));

    // Enter opens the section of a focused button.
    nav.at(13)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(nav.at(13), Qt::Key_Return);
    QCOMPARE(window.currentSection(), QStringLiteral("ComboBox"));

    // Tab goes on from the sections to the collapse button, and then into the open page.
    QTest::keyClick(nav.at(13), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window.collapseButton());
    QTest::keyClick(window.collapseButton(), Qt::Key_Space);
    QTRY_VERIFY(window.isCollapsed());
    QTRY_VERIFY(!window.sidebar()->isResizeAnimationRunning());
    QTest::keyClick(window.collapseButton(), Qt::Key_Return);
    QTRY_VERIFY(!window.isCollapsed());
    QTRY_VERIFY(!window.sidebar()->isResizeAnimationRunning());
    QTest::keyClick(window.collapseButton(), Qt::Key_Tab);
    QWidget *inPage = QApplication::focusWidget();
    QVERIFY(inPage && window.workspaceStack()->currentWidget()->isAncestorOf(inPage));
    TavixQComboBox *combo = window.workspaceStack()->currentWidget()->findChild<TavixQComboBox *>();
    QVERIFY(combo);
    for (int i = 0; i < 10 && QApplication::focusWidget() != combo; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), combo);
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    QTRY_VERIFY(combo->view()->isVisible());
    QTest::keyClick(combo->view(), Qt::Key_Escape);
    QTRY_VERIFY(!combo->view()->isVisible());

    // Enter in a field presses no button behind the user's back (the dashboard is a dialog underneath).
    window.selectSection(QStringLiteral("Dashboard"));
    auto *search = window.workspaceStack()->currentWidget()->findChild<TavixQLineEdit *>();
    QVERIFY(search);
    search->setFocus(Qt::TabFocusReason);
    QTest::keyClick(search, Qt::Key_Return);
    QVERIFY(!window.isCollapsed());
    QVERIFY(!window.sidebar()->isResizeAnimationRunning());
    QVERIFY(window.isVisible());

    // Escape on the dashboard itself closes nothing; Ctrl+T brings the theme dialog back.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(window.isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_T, Qt::ControlModifier);
    QTRY_VERIFY(window.themeDialog() && QApplication::activeWindow() == window.themeDialog());
    // Enter on the focused choice ("Theme 1", found as "./theme1" beside the test's theme) applies it.
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.path()));
    QSignalSpy applied(&window, &CorvellaSorbane::themeApplied);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(applied.count(), 1);
    QDir::setCurrent(previous);
    QCOMPARE(applied.at(0).at(1).toBool(), true);
}

QTEST_MAIN(tst_Keyboard)
#include "tst_keyboard.moc"
