#include "TavixTestSupport.h"
#include "controls/TavixQComboBox.h"
#include "controls/TavixQComboBoxImpl.h"
#include "controls/TavixQComboItemDelegate.h"
#include "controls/TavixQComboList.h"
#include "controls/TavixQScrollBar.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixJson.h"
#include "core/TavixLibrary.h"
#include "resources/TavixQResourceManager.h"

#include <QHoverEvent>
#include <QImage>
#include <QListView>
#include <QPointer>
#include <QtTest>

#include <climits>

#include <json/value.h>

using namespace TavixQtLib;
using tavixtest::parse;
using tavixtest::show;
using tavixtest::solid;
using tavixtest::rendered;
using tavixtest::send;
using tavixtest::hover;
using tavixtest::written;

namespace {

const QColor kLooks[4] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255), QColor(255, 0, 255)};
const QColor kButton(0, 128, 0);
const QColor kPopup(255, 255, 0);

void probeLooks(TavixQComboBox &combo)
{
    for (int s = Normal; s <= Disable; ++s) {
        combo.setBackground(CtrlState(s), solid(kLooks[s]));
        combo.setItemBackground(CtrlState(s), solid(kLooks[s]));
    }
    combo.setBtnBackground(AllStates, solid(kButton));
    combo.setPopupBackground(Normal, solid(kPopup));
    combo.setItemHeight(20);
    combo.resize(120, 24);
}

const QStringList kItems = {QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three"), QStringLiteral("Four")};

} // namespace

class tst_ComboBox : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { init(); }
    // A 120 x 24 combo draws its button in the square (96, 0, 24, 24).
    void fieldAndButton()
    {
        TavixQComboBox combo;
        probeLooks(combo);
        combo.addItem(QStringLiteral("One"));
        const QImage image = rendered(combo);
        QCOMPARE(image.pixelColor(95, 12), kLooks[Normal]);
        QCOMPARE(image.pixelColor(96, 1), kButton);
        QCOMPARE(image.pixelColor(119, 23), kButton);
        QCOMPARE(TavixQComboBoxImpl::textRect(QRect(0, 0, 120, 24), true), QRect(20, 0, 100, 24));
    }

    void statesByMouse()
    {
        TavixQComboBox combo;
        probeLooks(combo);
        combo.addItems(kItems.mid(0, 2));
        const QPoint probe(5, 5);
        send(combo, QEvent::Enter);
        QCOMPARE(rendered(combo).pixelColor(probe), kLooks[Hot]);
        QTest::mousePress(&combo, Qt::LeftButton, {}, QPoint(30, 12));
        QCOMPARE(rendered(combo).pixelColor(probe), kLooks[Pressed]);
        QTest::mouseRelease(&combo, Qt::LeftButton, {}, QPoint(30, 12));
        QCOMPARE(combo.getImpl()->state, int(Hot));
        // The popup took the release of the opening press: closing it leaves Pressed.
        QTest::mousePress(&combo, Qt::LeftButton, {}, QPoint(30, 12));
        QVERIFY(combo.getList()->isVisible());
        combo.hidePopup();
        QVERIFY(combo.getImpl()->state != Pressed);
        send(combo, QEvent::Leave);
        QCOMPARE(rendered(combo).pixelColor(probe), kLooks[Normal]);
        combo.setEnabled(false);
        QCOMPARE(rendered(combo).pixelColor(probe), kLooks[Disable]);
    }

    // Rows: plain Normal, selected Pressed, under the pointer Hot, also when that row is selected.
    void popupRowsHotAndSelected()
    {
        TavixQComboBox combo;
        probeLooks(combo);
        combo.addItems(kItems);
        combo.setCurrentIndex(1);
        combo.showPopup();
        TavixQComboList *list = combo.getList();
        QCOMPARE(combo.view(), list);
        QWidget *viewport = list->viewport();
        const int x = viewport->width() - 4;   // clear of the row text

        hover(viewport, QPoint(x, 2 * 20 + 10));
        QImage image = rendered(*viewport);
        QCOMPARE(image.pixelColor(x, 0 * 20 + 10), kLooks[Normal]);
        QCOMPARE(image.pixelColor(x, 1 * 20 + 10), kLooks[Pressed]);
        QCOMPARE(image.pixelColor(x, 2 * 20 + 10), kLooks[Hot]);
        QCOMPARE(image.pixelColor(x, 3 * 20 + 10), kLooks[Normal]);

        hover(viewport, QPoint(x, 1 * 20 + 10));
        image = rendered(*viewport);
        QCOMPARE(image.pixelColor(x, 1 * 20 + 10), kLooks[Hot]);
        QCOMPARE(image.pixelColor(x, 2 * 20 + 10), kLooks[Normal]);
        combo.hidePopup();
    }

    void popupScrollsWithKitBar()
    {
        TavixQComboBox combo;
        probeLooks(combo);
        for (int i = 0; i < 200; ++i)
            combo.addItem(QString::number(i));
        combo.showPopup();
        auto *bar = qobject_cast<TavixQScrollBar *>(combo.getList()->verticalScrollBar());
        QVERIFY(bar);
        QTRY_VERIFY(bar->isVisible());
        QVERIFY(bar->maximum() > 0);
        bar->setValue(bar->maximum());
        QWidget *viewport = combo.getList()->viewport();
        QCOMPARE(combo.getList()->indexAt(QPoint(5, viewport->height() - 5)).row(), 199);
        combo.hidePopup();
    }

    void perStateSetters_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QList<bool>>("changed");
        QTest::newRow("Hot") << int(Hot) << QList<bool>({false, true, false, false});
        QTest::newRow("AllStates") << int(AllStates) << QList<bool>({true, true, true, true});
        QTest::newRow("5 means Normal") << 5 << QList<bool>({true, false, false, false});
        QTest::newRow("INT_MIN means Normal") << INT_MIN << QList<bool>({true, false, false, false});
    }

    void perStateSetters()
    {
        QFETCH(int, state);
        QFETCH(QList<bool>, changed);
        TavixQComboBox combo;
        const QString icon = QStringLiteral(":/x.svg");
        combo.setBtnIcon(CtrlState(state), icon);
        combo.setItemBackground(CtrlState(state), solid(kPopup));
        QList<bool> icons, items;
        for (int s = Normal; s <= Disable; ++s) {
            icons << (combo.getBtnIcon(CtrlState(s)) == icon);
            items << (combo.getItemBackground(CtrlState(s)).color == kPopup);
        }
        QCOMPARE(icons, changed);
        QCOMPARE(items, changed);
        QCOMPARE(combo.getBtnIcon(CtrlState(state)), icon);   // out of range reads Normal too
    }

    // "btnIcon" sets every state, "btnHotIcon" then only Hot; "text" adds an item on each read; without
    // icons and text the written "attr" is empty.
    void readRules()
    {
        TavixQComboBox combo, empty;
        Json::Value node = parse(R"({"attr": {"btnIcon": "a.svg", "btnHotIcon": "b.svg", "text": "Beta"}})");
        QVERIFY(combo.readJsonValue(&node));
        QVERIFY(combo.readJsonValue(&node));
        QStringList icons;
        for (int s = Normal; s <= Disable; ++s)
            icons << combo.getBtnIcon(CtrlState(s));
        QCOMPARE(icons, QStringList({"a.svg", "b.svg", "a.svg", "a.svg"}));
        QCOMPARE(combo.count(), 2);
        QCOMPARE(combo.currentText(), QStringLiteral("Beta"));
        QCOMPARE(show(*tavixJsonMember(written(empty), "attr")), QByteArray("{}"));
    }

    // A theme entry styles combo boxes on every theme change; its "text" must not pile up items.
    void themeEntryAddsNoItems()
    {
        TavixQComboBox combo;
        combo.addItem(QStringLiteral("Own"));
        Json::Value entry = parse(R"({"attr": {"text": "FromTheme", "btnIcon": "t.svg"}})");
        TavixQResourceManager *rm = TavixQResourceManager::getInstance();
        rm->setSwitchToThemeRes(true);
        combo.serializeJsonValue(&entry, true);
        rm->setSwitchToThemeRes(false);
        QCOMPARE(combo.count(), 1);
        QCOMPARE(combo.getNormalBtnIcon(), QStringLiteral("t.svg"));
    }

    void deleteFromCurrentIndexChanged_data()
    {
        QTest::addColumn<int>("route");
        QTest::newRow("page node") << 0;
        QTest::newRow("emulator items") << 1;
        QTest::newRow("descriptor Context row") << 2;
        QTest::newRow("popup click") << 3;
    }

    // A slot deletes the combo box (deferred, as Qt requires) whichever route changed its item.
    void deleteFromCurrentIndexChanged()
    {
        QFETCH(int, route);
        QWidget parent;
        QPointer<TavixQComboBox> combo = new TavixQComboBox(&parent);
        if (route >= 2)
            combo->addItems(kItems.mid(0, 2));
        int changes = 0;
        connect(combo.data(), QOverload<int>::of(&QComboBox::currentIndexChanged), &parent, [&]() {
            ++changes;
            combo->deleteLater();
        });
        if (route == 0) {
            Json::Value node = parse(R"({"attr": {"text": "Only"}})");
            QVERIFY(combo->readJsonValue(&node));
        } else if (route == 1) {
            tavixSetQtEmulator(true);
            combo->createComplete();
            tavixSetQtEmulator(false);
        } else if (route == 2) {
            for (const PropertyDef &row : TavixQComboBox::getProps().properties)
                if (row.label == QLatin1String("Context"))
                    row.setString(combo.data(), QStringLiteral("Two"));
        } else {
            combo->showPopup();
            QTest::mouseClick(combo->getList()->viewport(), Qt::LeftButton, {}, QPoint(10, 20 + 10));
        }
        QVERIFY(changes >= 1);
        QTRY_VERIFY(combo.isNull());
    }

    void hostileValues_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("INT_MIN") << QByteArray::number(INT_MIN);
        QTest::newRow("INT_MAX") << QByteArray::number(INT_MAX);
        QTest::newRow("NaN as text") << QByteArray("\"NaN\"");
        QTest::newRow("object") << QByteArray("{}");
    }

    // Wrong kinds and extreme numbers in attr, style slots and row height never crash painting.
    void hostileValues()
    {
        QFETCH(QByteArray, value);
        TavixQComboBox combo;
        Json::Value node = parse("{\"attr\": {\"btnIcon\": " + value + ", \"btnHotIcon\": " + value + "}, \"style\": [[\"x\", "
                                 + value + ", " + value + "], " + value + "]}");
        QVERIFY(combo.readJsonValue(&node));
        combo.setItemHeight(value.toInt());
        combo.addItems(kItems.mid(0, 2));
        combo.resize(120, 24);
        rendered(combo);
        combo.showPopup();
        rendered(*combo.getList()->viewport());
        QVERIFY(combo.getList()->visualRect(combo.model()->index(1, 0)).height() >= 1);
        combo.hidePopup();
    }

    void emulatorItems()
    {
        tavixSetQtEmulator(true);
        TavixQComboBox combo;
        combo.createComplete();
        tavixSetQtEmulator(false);
        QCOMPARE(combo.count(), 3);
        QCOMPARE(combo.currentText(), QStringLiteral("Item1"));
        TavixQComboBox plain;
        plain.createComplete();
        QCOMPARE(plain.count(), 0);
    }

    // QComboBox deletes the kit's list when given another view; the combo box must not reach it again.
    void replacedView()
    {
        QPointer<TavixQComboBox> combo = new TavixQComboBox;
        QPointer<TavixQComboList> list = combo->getList();
        combo->setView(new QListView);
        QTRY_VERIFY(list.isNull());
        QVERIFY(!combo->getList());
        combo->addItem(QStringLiteral("One"));
        combo->showPopup();
        combo->hidePopup();
        delete combo.data();
    }

    // The designer's Context row picks the item; a popup fill set for any state is the one popup fill.
    void descriptor()
    {
        TavixQComboBox combo;
        combo.addItems(kItems.mid(0, 2));
        int found = 0;
        for (const PropertyDef &row : TavixQComboBox::getProps().properties) {
            if (row.label == QLatin1String("Context")) {
                row.setString(&combo, QStringLiteral("Two"));
                QCOMPARE(combo.currentIndex(), 1);
                ++found;
            } else if (row.label == QLatin1String("PopupBackground")) {
                row.setFillStyle(&combo, Normal, solid(kPopup));
                QCOMPARE(row.getFillStyle(&combo, Hot).color, kPopup);
                ++found;
            }
        }
        QCOMPARE(found, 2);
    }
};

QTEST_MAIN(tst_ComboBox)
#include "tst_combobox.moc"
