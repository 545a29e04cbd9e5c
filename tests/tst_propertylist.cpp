#include "TavixTestSupport.h"

#include "controls/charts/TavixQECGChart.h"
#include "controls/charts/TavixQICDChart.h"
#include "controls/TavixQCheckBox.h"
#include "controls/TavixQComboBox.h"
#include "controls/TavixQContainer.h"
#include "controls/TavixQLabel.h"
#include "controls/TavixQLineEdit.h"
#include "controls/TavixQPushButton.h"
#include "controls/TavixQSpinBox.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixLibrary.h"
#include "core/TavixJson.h"
#include "designer/TavixQCanvas.h"
#include "designer/TavixQCanvasWindow.h"
#include "designer/TavixQPropertyList.h"
#include "designer/TavixQPropertyListImpl.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <json/value.h>

#include <climits>

using namespace TavixQtLib;

Q_DECLARE_METATYPE(PropertyDef *)

namespace {

PropertyRow *findRow(TavixQPropertyList &list, const QString &label)
{
    for (PropertyRow *row : list.getImpl()->rows)
        if (row->def && row->def->label == label)
            return row;
    return nullptr;
}

// A value different from current that a sane setter keeps.
int otherInt(int current) { return current == 7 ? 9 : 7; }

// Sets then reads back def on target through its accessors; returns what went wrong, if anything.
QString checkRow(const PropertyDef &def, QWidget *target)
{
    const QString where = def.label + QLatin1String(": ");
    switch (def.type) {
    case ObjectName:
    case String:
    case ImagePath: {
        if (!def.setString || !def.getString)
            return where + QLatin1String("string accessors missing");
        const QString probe = QStringLiteral("probe_%1").arg(def.label);
        def.setString(target, probe);
        return def.getString(target) == probe ? QString() : where + QLatin1String("string not kept");
    }
    case ReadOnlyString:
        return def.getString ? QString() : where + QLatin1String("getter missing");
    case Bool: {
        if (!def.setBool || !def.getBool)
            return where + QLatin1String("bool accessors missing");
        const bool flipped = !def.getBool(target);
        def.setBool(target, flipped);
        return def.getBool(target) == flipped ? QString() : where + QLatin1String("bool not kept");
    }
    case FillStyleRef: {
        if (!def.setFillStyle || !def.getFillStyle || def.optionValues.empty())
            return where + QLatin1String("fill-style accessors or states missing");
        for (int state : def.optionValues) {
            FillStyle style;
            style.name = QStringLiteral("fill%1").arg(state);
            style.color = QColor(10 + state, 20, 30);
            def.setFillStyle(target, state, style);
            if (def.getFillStyle(target, state).name != style.name)
                return where + QStringLiteral("fill style of state %1 not kept").arg(state);
        }
        return QString();
    }
    case TextStyleRef: {
        if (!def.setTextStyle || !def.getTextStyle || def.optionValues.empty())
            return where + QLatin1String("text-style accessors or states missing");
        for (int state : def.optionValues) {
            TextStyleDesc style;
            style.name = QStringLiteral("text%1").arg(state);
            style.size = 10 + state;
            def.setTextStyle(target, state, style);
            if (def.getTextStyle(target, state).name != style.name)
                return where + QStringLiteral("text style of state %1 not kept").arg(state);
        }
        return QString();
    }
    case Int: {
        if (!def.setInt || !def.getInt)
            return where + QLatin1String("int accessors missing");
        // Put back afterwards: rows may bound each other (a slider's value by its maximum).
        const int old = def.getInt(target);
        const int value = otherInt(old);
        def.setInt(target, value);
        const int kept = def.getInt(target);
        def.setInt(target, old);
        return kept == value ? QString() : where + QStringLiteral("int %1 not kept").arg(value);
    }
    case Enumeration: {
        if (!def.setInt || !def.getInt)
            return where + QLatin1String("int accessors missing");
        if (def.optionValues.empty() || def.optionValues.size() != def.optionTexts.size())
            return where + QLatin1String("options missing");
        for (auto it = def.optionValues.rbegin(); it != def.optionValues.rend(); ++it) {
            def.setInt(target, *it);
            if (def.getInt(target) != *it)
                return where + QStringLiteral("option %1 not kept").arg(*it);
        }
        return QString();
    }
    case IntPair: {
        if (!def.setIntPair || !def.getIntPair)
            return where + QLatin1String("int-pair accessors missing");
        int a = 0, b = 0;
        def.setIntPair(target, 11, 13);
        def.getIntPair(target, a, b);
        return a == 11 && b == 13 ? QString() : where + QStringLiteral("pair read %1,%2").arg(a).arg(b);
    }
    case IntQuad: {
        if (!def.setIntQuad || !def.getIntQuad)
            return where + QLatin1String("int-quad accessors missing");
        int v[4] = {};
        def.setIntQuad(target, 1, 2, 3, 4);
        def.getIntQuad(target, v[0], v[1], v[2], v[3]);
        return QList<int>({v[0], v[1], v[2], v[3]}) == QList<int>({1, 2, 3, 4}) ? QString()
                                                                                 : where + QLatin1String("quad not kept");
    }
    case Color: {
        if (!def.setColor || !def.getColor)
            return where + QLatin1String("colour accessors missing");
        const QColor probe(12, 34, 56);
        def.setColor(target, probe);
        return def.getColor(target) == probe ? QString() : where + QLatin1String("colour not kept");
    }
    case GroupLine:
        return QString();
    default:
        return where + QStringLiteral("unknown type %1").arg(def.type);
    }
}

// Created by its registry key (the canvas window's is not its type name); a combo box gets the
// items its "Context" checks select.
QWidget *makeControl(const ControlInfo &info, QWidget *host)
{
    std::string keyword = info.typeName;
    for (const auto &entry : controlInfoMap())
        if (&entry.second == &info)
            keyword = entry.first;
    QWidget *control = tavixCreateControlByKeyword(keyword.c_str(), host);
    if (auto *combo = qobject_cast<QComboBox *>(control))
        combo->addItems({QStringLiteral("probe_Context"), QStringLiteral("edited")});
    return control;
}

// The node a control writes of itself, children aside, as text.
QByteArray nodeText(QWidget *w)
{
    Json::Value node(Json::objectValue);
    tavixEnableSerializeChild(false);
    dynamic_cast<ITavixQWidgetBase *>(w)->serializeJsonValue(&node, false);
    tavixEnableSerializeChild(true);
    return QByteArray::fromStdString(tavixJsonStyled(node));
}

// Drives one row's own editor to a value other than the one shown and checks that the control took it
// and that the list announced the edit once, naming the row's definition; false when the row has none.
bool editRow(PropertyRow *row, QWidget *control, QSignalSpy &changed, QStringList &faults)
{
    const PropertyDef &def = *row->def;
    const int before = changed.count();
    QString fault;
    switch (def.type) {
    case ObjectName:
        row->lineEdit->setText(QStringLiteral("renamed"));
        break;
    case String:
    case ImagePath:
        row->lineEdit->setText(QStringLiteral("edited ä"));
        if (def.getString(control) != QStringLiteral("edited ä"))
            fault = QStringLiteral("line edit not written");
        break;
    case Bool:
        row->checkBox->setChecked(!row->checkBox->isChecked());
        if (def.getBool(control) != row->checkBox->isChecked())
            fault = QStringLiteral("check box not written");
        break;
    case Int:
        row->spinBoxes[0]->setValue(otherInt(row->spinBoxes[0]->value()));
        if (def.getInt(control) != row->spinBoxes[0]->value())
            fault = QStringLiteral("spin box not written");
        break;
    case IntPair:
    case IntQuad: {
        row->spinBoxes[1]->setValue(row->spinBoxes[1]->value() == 5 ? 6 : 5);
        int v[4] = {};
        if (def.type == IntPair)
            def.getIntPair(control, v[0], v[1]);
        else
            def.getIntQuad(control, v[0], v[1], v[2], v[3]);
        if (v[1] != row->spinBoxes[1]->value())
            fault = QStringLiteral("second spin box not written");
        break;
    }
    case Enumeration: {
        if (row->comboBox->count() < 2)
            return false;
        const int chosen = row->comboBox->currentIndex() == 1 ? 0 : 1;
        emit row->comboBox->activated(chosen);
        if (def.getInt(control) != def.optionValues[std::size_t(chosen)])
            fault = QStringLiteral("choice not written");
        break;
    }
    case Color:
        // The editor keeps alpha; the round trip below wants an opaque colour, as pages store them.
        row->lineEdit->setText(QStringLiteral("80102030"));
        if (def.getColor(control) != QColor(0x10, 0x20, 0x30, 0x80))
            fault = QStringLiteral("colour not written");
        row->lineEdit->setText(QStringLiteral("FF102030"));
        break;
    case FillStyleRef: {
        // What the designer's picker does with the chosen style.
        FillStyle fill;
        if (!tavixGetFillStyle(QStringLiteral("reviewFill"), fill))
            return false;
        for (int state : def.optionValues)   // a part's normal entry reads back over all its states
            def.setFillStyle(control, state, fill);
        return true;
    }
    case TextStyleRef: {
        TextStyleDesc text;
        if (!tavixGetTextStyle(QStringLiteral("reviewText"), text))
            return false;
        for (int state : def.optionValues)
            def.setTextStyle(control, state, text);
        return true;
    }
    default:
        return false;
    }
    const int expected = def.type == Color ? 2 : 1;
    if (changed.count() != before + expected)
        fault += QStringLiteral(" valueChanged %1 times").arg(changed.count() - before);
    else if (changed.last().at(0).value<PropertyDef *>() != row->def)
        fault += QStringLiteral(" valueChanged names another definition");
    if (!fault.isEmpty())
        faults << def.label + QLatin1String(": ") + fault;
    return true;
}

const QByteArray kRootPage = R"({"w": 420, "h": 320, "elements": [
    {"type": "qtcontainer", "name": "root", "layout": {"type": 1}, "x": 0, "y": 0, "w": 420, "h": 320}]})";

} // namespace

class tst_PropertyList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qRegisterMetaType<PropertyDef *>();
        init();
    }

    void everyDescriptorKeepsWhatItsAccessorsSet()
    {
        QStringList faults;
        const QVector<ControlInfo *> infos = tavixGetAllControlInfo();
        QVERIFY(!infos.isEmpty());
        for (ControlInfo *info : infos) {
            QWidget host;
            QWidget *control = makeControl(*info, &host);
            if (!control) {
                faults << QString::fromStdString(info->typeName) + QLatin1String(": not creatable");
                continue;
            }
            auto *base = dynamic_cast<ITavixQWidgetBase *>(control);
            if (base ? base->getTypeName().toStdString() != info->typeName : !qobject_cast<TavixQCanvasWindow *>(control))
                faults << QString::fromStdString(info->typeName) + QLatin1String(": keyword differs from getTypeName");
            for (const PropertyDef &def : info->properties) {
                const QString fault = checkRow(def, control);
                if (!fault.isEmpty())
                    faults << QString::fromStdString(info->typeName) + QLatin1Char(' ') + fault;
            }
        }
        // The charts describe themselves without a registry row.
        TavixQECGChart ecg;
        TavixQICDChart icd;
        const std::pair<ControlInfo, QWidget *> charts[] = {{TavixQECGChart::getProps(), &ecg},
                                                            {TavixQICDChart::getProps(), &icd}};
        for (const auto &chart : charts) {
            for (const PropertyDef &def : chart.first.properties) {
                const QString fault = checkRow(def, chart.second);
                if (!fault.isEmpty())
                    faults << QString::fromStdString(chart.first.typeName) + QLatin1Char(' ') + fault;
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1String("\n"))));
    }

    void editedRowsSurviveSaveAndReopen_data()
    {
        QTest::addColumn<QString>("type");
        for (const std::string &keyword : listedTypes()) {
            QWidget probe;   // the page window's row makes no control for a page
            if (dynamic_cast<ITavixQWidgetBase *>(tavixCreateControlByKeyword(keyword.c_str(), &probe)))
                QTest::newRow(keyword.c_str()) << QString::fromStdString(keyword);
        }
    }

    // A user's edit of every row through the list reaches the control; in a canvas page that is saved and
    // opened again (a path with a space and a non-ASCII letter), the control reads back as it was written.
    void editedRowsSurviveSaveAndReopen()
    {
        QFETCH(QString, type);
        FillStyle fill;
        fill.color = QColor(1, 2, 3);
        tavixSetFillStyle(QStringLiteral("reviewFill"), fill);
        TextStyleDesc text;
        text.size = 17;
        tavixSetTextStyle(QStringLiteral("reviewText"), text);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("my pägé.json"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(kRootPage) == kRootPage.size());
        }
        QByteArray edited;
        {
            TavixQCanvas canvas;
            canvas.resize(600, 500);
            QVERIFY(canvas.OpenJsonFile(path) && canvas.GetCurWindow());
            QWidget *root = canvas.GetCurWindow()->findChild<QWidget *>(QStringLiteral("root"));
            QVERIFY(root);
            canvas.AddSelectedControl(root);
            QVERIFY(canvas.createControl(type));
            QWidget *control = qobject_cast<QWidget *>(root->children().constLast());
            QVERIFY(control);
            if (auto *combo = qobject_cast<QComboBox *>(control))   // an item for the "Context" row to choose
                combo->addItems({QStringLiteral("first"), QStringLiteral("edited ä")});
            TavixQPropertyList list;
            list.resize(320, 900);
            QSignalSpy changed(&list, &TavixQPropertyList::valueChanged);
            list.bindControl(control);
            QCOMPARE(list.getImpl()->rows.size(), int(tavixGetControlInfo(type)->properties.size()));
            QCOMPARE(changed.count(), 0);
            int edits = 0;
            QStringList faults;
            for (PropertyRow *row : list.getImpl()->rows)
                edits += editRow(row, control, changed, faults) ? 1 : 0;
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1String("\n"))));
            QVERIFY(edits > 0 && changed.count() > 0);
            QCOMPARE(control->objectName(), QStringLiteral("renamed"));
            QVERIFY(!canvas.grab().isNull());
            QVERIFY(canvas.SavePage(path));
            edited = nodeText(control);
        }
        TavixQCanvas again;
        QVERIFY(again.OpenJsonFile(path) && again.GetCurWindow());
        QWidget *reopened = again.GetCurWindow()->findChild<QWidget *>(QStringLiteral("renamed"));
        QVERIFY(reopened);
        // The lines that differ, so a failure names the lost or added key.
        const QList<QByteArray> was = edited.split('\n'), is = nodeText(reopened).split('\n');
        QStringList diff;
        for (int i = 0; i < std::max(was.size(), is.size()); ++i) {
            if (was.value(i) != is.value(i))
                diff << QString::fromUtf8(was.value(i) + " -> " + is.value(i));
        }
        QVERIFY2(diff.isEmpty(), qPrintable(diff.join(QLatin1String("; "))));
    }

    void keysAndClicksWriteTheControl()
    {
        TavixQPushButton button;
        button.setFadeDuration(150);
        TavixQPropertyList list;
        list.resize(300, 400);
        list.show();
        list.bindControl(&button);
        QSignalSpy changed(&list, &TavixQPropertyList::valueChanged);

        PropertyRow *tooltip = findRow(list, QStringLiteral("Tooltip"));
        QVERIFY(tooltip && tooltip->lineEdit);
        QTest::keyClicks(tooltip->lineEdit, QStringLiteral("ok"));
        QCOMPARE(button.toolTip(), QStringLiteral("ok"));
        QCOMPARE(changed.count(), 2);   // one per keystroke
        QCOMPARE(changed.last().at(0).value<PropertyDef *>(), tooltip->def);

        PropertyRow *enable = findRow(list, QStringLiteral("Enable"));
        QVERIFY(enable && enable->checkBox);
        QTest::mouseClick(enable->checkBox, Qt::LeftButton, {}, QPoint(8, enable->checkBox->height() / 2));
        QVERIFY(!button.isEnabled());
        QCOMPARE(changed.count(), 3);

        PropertyRow *fade = findRow(list, QStringLiteral("FadeDuration"));
        QVERIFY(fade && fade->spinBoxes[0]);
        fade->spinBoxes[0]->setFocus();
        QTest::keyClick(fade->spinBoxes[0], Qt::Key_Up);
        QCOMPARE(button.getFadeDuration(), 151);
        QCOMPARE(changed.count(), 4);

        // A setter that clamps: the editor shows what the control kept.
        PropertyRow *alpha = findRow(list, QStringLiteral("Alpha"));
        QVERIFY(alpha);
        alpha->spinBoxes[0]->setValue(9000);
        QCOMPARE(alpha->spinBoxes[0]->value(), button.getOpacity());
    }

    void fillingIsNoEdit()
    {
        TavixQPushButton button;
        button.setObjectName(QStringLiteral("first"));
        TavixQPropertyList list;
        QSignalSpy changed(&list, &TavixQPropertyList::valueChanged);
        list.bindControl(&button);
        button.setObjectName(QStringLiteral("second"));
        list.bindControl(&button);      // the name line edit is refilled with a different text
        QCOMPARE(changed.count(), 0);
        QCOMPARE(button.objectName(), QStringLiteral("second"));
    }

    void styleRowsAskForAPicker()
    {
        TavixQPushButton button;
        TavixQPropertyList list;
        list.resize(300, 400);
        list.show();
        list.bindControl(&button);
        QSignalSpy select(&list, &TavixQPropertyList::selectEvent);
        QSignalSpy changed(&list, &TavixQPropertyList::valueChanged);
        PropertyRow *background = findRow(list, QStringLiteral("Background"));
        QVERIFY(background && background->styleButton);
        QCOMPARE(background->valueLabel->getText(), button.getBackground(Normal).name);
        QTest::mouseClick(background->styleButton, Qt::LeftButton);
        QCOMPARE(select.count(), 1);
        PropertyDef *def = select.first().at(0).value<PropertyDef *>();
        QVERIFY(def && def->type == FillStyleRef);
        QCOMPARE(def->target, static_cast<QWidget *>(&button));
        QCOMPARE(changed.count(), 0);

        // A pooled row refers to nothing: its button asks for nothing.
        list.removeAll();
        QTest::mouseClick(background->styleButton, Qt::LeftButton);
        QCOMPARE(select.count(), 1);
    }

    void hostileNumbers_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::newRow("INT_MIN in the usual range") << INT_MIN << -10000 << 10000;
        QTest::newRow("INT_MAX in the usual range") << INT_MAX << -10000 << 10000;
        QTest::newRow("INT_MAX in the full range") << INT_MAX << INT_MIN << INT_MAX;
        QTest::newRow("INT_MIN in the full range") << INT_MIN << INT_MIN << INT_MAX;
        QTest::newRow("minimum above maximum") << 5 << 100 << -100;
    }

    void hostileNumbers()
    {
        QFETCH(int, stored);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        int value = stored;
        QWidget target;
        PropertyDef def = tavixPropertyDef(QStringLiteral("Number"), Int);
        def.getInt = [&value](QWidget *) { return value; };
        def.setInt = [&value](QWidget *, int v) { value = v; };
        def.minimum = minimum;
        def.maximum = maximum;
        def.target = &target;
        PropertyDef pair = def;
        pair.type = IntPair;
        pair.getIntPair = [&value](QWidget *, int &a, int &b) { a = value; b = value; };
        pair.setIntPair = [&value](QWidget *, int a, int) { value = a; };

        TavixQPropertyList list;
        list.show();
        list.addItem(def);
        list.addItem(pair);
        TavixQSpinBox *spin = list.getImpl()->rows[0]->spinBoxes[0];
        QVERIFY(spin->value() >= qMin(minimum, maximum) && spin->value() <= qMax(minimum, maximum));
        spin->setFocus();
        QTest::keyClick(spin, Qt::Key_Up);
        QTest::keyClick(spin, Qt::Key_Down);
        QTest::keyClick(spin, Qt::Key_PageUp);
        QTest::keyClick(list.getImpl()->rows[1]->spinBoxes[0], Qt::Key_Down);
        QVERIFY(value >= qMin(minimum, maximum) && value <= qMax(minimum, maximum));
    }

    void emptyEnumerationIsInert()
    {
        int value = 3;
        int writes = 0;
        QWidget target;
        PropertyDef none = tavixPropertyDef(QStringLiteral("None"), Enumeration);
        none.getInt = [&value](QWidget *) { return value; };
        none.setInt = [&](QWidget *, int v) { value = v; ++writes; };
        none.target = &target;
        PropertyDef lopsided = none;    // more values than texts: only the paired ones are offered
        lopsided.optionValues = {1, 2, 3};
        lopsided.optionTexts = {QStringLiteral("one")};

        TavixQPropertyList list;
        QSignalSpy changed(&list, &TavixQPropertyList::valueChanged);
        list.addItem(none);
        list.addItem(lopsided);
        TavixQComboBox *empty = list.getImpl()->rows[0]->comboBox;
        TavixQComboBox *one = list.getImpl()->rows[1]->comboBox;
        QCOMPARE(empty->count(), 0);
        QCOMPARE(one->count(), 1);
        QCOMPARE(one->currentIndex(), -1);      // 3 is not among the offered choices
        emit empty->activated(0);
        emit empty->activated(-1);
        emit one->activated(5);
        QCOMPARE(writes, 0);
        QCOMPARE(changed.count(), 0);
        emit one->activated(0);
        QCOMPARE(value, 1);
        QCOMPARE(changed.count(), 1);
    }

    void rowsArePooledAndPlaced()
    {
        TavixQPushButton button;
        std::vector<PropertyDef> defs = TavixQPushButton::getProps().properties;
        for (PropertyDef &def : defs)
            def.target = &button;
        PropertyDef unknown = tavixPropertyDef(QStringLiteral("Spare"), 7);
        TavixQPropertyList list;
        list.resize(300, 600);
        for (int pass = 0; pass < 2; ++pass) {
            list.removeAll();
            for (int i = 0; i < 5; ++i)
                list.addItem(defs[std::size_t(i)]);
            list.addItem(unknown);
            QCOMPARE(list.getContent()->size(), QSize(300, 150));
        }
        int made = 0;
        for (const auto &pool : list.getImpl()->rowPool)
            made += pool.size();
        QCOMPARE(made, 5);

        list.removeAll();
        list.addItem(defs[6]);   // "Line"
        PropertyRow *line = list.getImpl()->rows[0];
        QCOMPARE(line->nameLabel, nullptr);
        QWidget *stroke = line->container->findChild<TavixQContainer *>(QStringLiteral("line"));
        QVERIFY(stroke);
        QCOMPARE(stroke->geometry(), QRect(120, 15, 180, 1));
    }

    void deletingTheBoundControl()
    {
        auto *button = new TavixQPushButton;
        TavixQPropertyList list;
        list.resize(300, 400);
        list.bindControl(button);
        PropertyRow *tooltip = findRow(list, QStringLiteral("Tooltip"));
        QVERIFY(tooltip);
        delete button;
        QVERIFY(list.getImpl()->rows.isEmpty());
        QCOMPARE(list.getBoundControl(), nullptr);
        QCOMPARE(list.getContent()->height(), 0);
        tooltip->lineEdit->setText(QStringLiteral("after"));   // must write nowhere

        // Rows added by the host for a control it then deletes.
        auto *other = new TavixQPushButton;
        std::vector<PropertyDef> defs = TavixQPushButton::getProps().properties;
        for (PropertyDef &def : defs) {
            def.target = other;
            list.addItem(def);
        }
        PropertyRow *enable = findRow(list, QStringLiteral("Enable"));
        delete other;
        QVERIFY(list.getImpl()->rows.isEmpty());
        enable->checkBox->toggle();
    }

    void backgroundSlotRoundTrips()
    {
        FillStyle style;
        style.name = QStringLiteral("plBackground");
        style.color = QColor(1, 2, 3);
        tavixSetFillStyle(style.name, style);
        const Json::Value node = tavixtest::parse(
            R"({"type": "qtproperty", "name": "props", "w": 200, "h": 100, "style": [["plBackground", 1, 0]]})");
        QScopedPointer<QWidget> widget(tavixCreateControlFromNode("qtproperty", node, nullptr));
        auto *list = qobject_cast<TavixQPropertyList *>(widget.data());
        QVERIFY(list);
        Json::Value written;
        list->serializeJsonValue(&written, false);
        QCOMPARE(written["type"].asString(), std::string("qtproperty"));
        QCOMPARE(tavixtest::show(written["style"]), QByteArray(R"([["plBackground",1,0]])"));
    }
};

QTEST_MAIN(tst_PropertyList)
#include "tst_propertylist.moc"
