#include "TavixTestSupport.h"
#include "controls/TavixQCheckBox.h"
#include "controls/TavixQCheckBoxImpl.h"
#include "controls/TavixQContainer.h"
#include "controls/TavixQContainerImpl.h"
#include "controls/TavixQGroupBox.h"
#include "controls/TavixQGroupBoxImpl.h"
#include "controls/TavixQPushButton.h"
#include "controls/TavixQPushButtonImpl.h"
#include "controls/TavixQRadioButton.h"
#include "controls/TavixQRadioButtonImpl.h"
#include "controls/TavixQScrollBar.h"
#include "controls/TavixQScrollBarImpl.h"
#include "controls/TavixQScrollView.h"
#include "controls/TavixQScrollViewImpl.h"
#include "controls/TavixQSpacer.h"
#include "controls/TavixQSpacerImpl.h"
#include "controls/TavixQSplitter.h"
#include "controls/TavixQSplitterImpl.h"
#include "controls/TavixQStackContainer.h"
#include "controls/TavixQStackContainerImpl.h"

#include <QtTest>

#include <memory>

using namespace TavixQtLib;

namespace {

// What the declaration gives one control class, reached without naming the class in the test body.
struct ControlEntry
{
    QWidget *(*create)() = nullptr;
    const char *(*typeName)() = nullptr;
    ControlInfo (*getProps)() = nullptr;
    TavixQWidgetBaseImpl *(*impl)(QWidget *) = nullptr;    // the typed getImpl()
};

template <class C>
ControlEntry entryOf(QWidget *(*create)())
{
    ControlEntry e;
    e.create = create;
    e.typeName = &C::typeName;
    e.getProps = &C::getProps;
    e.impl = [](QWidget *w) -> TavixQWidgetBaseImpl * {
        C *control = qobject_cast<C *>(w);
        return control ? control->getImpl() : nullptr;
    };
    return e;
}

} // namespace

Q_DECLARE_METATYPE(ControlEntry)

class tst_ControlDeclare : public QObject
{
    Q_OBJECT
private slots:
    void glue_data();
    void glue();
};

void tst_ControlDeclare::glue_data()
{
    QTest::addColumn<ControlEntry>("entry");
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<bool>("forwardsHover");    // the spacer is mouse-transparent and forwards paint only
    QTest::newRow("button") << entryOf<TavixQPushButton>(&TavixQPushButton::createTavixQPushButton)
                            << "qtbutton" << true;
    QTest::newRow("checkbox") << entryOf<TavixQCheckBox>(&TavixQCheckBox::createTavixQCheckBox)
                              << "qtcheckbox" << true;
    QTest::newRow("radio") << entryOf<TavixQRadioButton>(&TavixQRadioButton::createTavixQRadioButton)
                           << "qtradiobox" << true;
    QTest::newRow("container") << entryOf<TavixQContainer>(&TavixQContainer::createTavixQContainer)
                               << "qtcontainer" << true;
    QTest::newRow("groupbox") << entryOf<TavixQGroupBox>(&TavixQGroupBox::createTavixQGroupBox)
                              << "qtgroupbox" << true;
    QTest::newRow("scrollbar") << entryOf<TavixQScrollBar>(&TavixQScrollBar::createTavixQScrollBar)
                               << "qtscrollbar" << true;
    QTest::newRow("scrollview") << entryOf<TavixQScrollView>(&TavixQScrollView::createTavixQScrollView)
                                << "qtscrollview" << true;
    QTest::newRow("spacer") << entryOf<TavixQSpacer>(&TavixQSpacer::createTavixQSpacer) << "qtspacer" << false;
    QTest::newRow("splitter") << entryOf<TavixQSplitter>(&TavixQSplitter::createTavixQSplitter)
                              << "qtsplitter" << true;
    QTest::newRow("stack") << entryOf<TavixQStackContainer>(&TavixQStackContainer::createTavixQStackContainer)
                           << "qtstackcontainer" << true;
}

void tst_ControlDeclare::glue()
{
    QFETCH(ControlEntry, entry);
    QFETCH(QString, keyword);
    QFETCH(bool, forwardsHover);

    QCOMPARE(QString::fromLatin1(entry.typeName()), keyword);
    std::unique_ptr<QWidget> widget(entry.create());
    QVERIFY(widget && !widget->parentWidget());
    auto *control = dynamic_cast<ITavixQWidgetBase *>(widget.get());
    QVERIFY(control);
    QCOMPARE(control->getTypeName(), keyword);
    QVERIFY(control->getControlBase());
    QVERIFY(control->getControlImpl());
    QCOMPARE(control->getControlImpl(), entry.impl(widget.get()));
    QCOMPARE(TavixQWidgetBaseImpl::fromWidget(widget.get()), control->getControlImpl());

    // The descriptor names its class and starts with the common rows.
    const ControlInfo info = entry.getProps();
    QCOMPARE(QString::fromStdString(info.typeName), keyword);
    QCOMPARE(QByteArray("TavixQtLib::") + QByteArray::fromStdString(info.className),
             QByteArray(widget->metaObject()->className()));
    QVERIFY(!info.displayName.empty() && !info.iconName.empty());
    QVERIFY(info.properties.size() >= 7);
    QCOMPARE(info.properties.front().label, QStringLiteral("Name"));

    // Enter and leave reach the Impl's state machine through the forwarded handlers.
    tavixtest::send(*widget, QEvent::Enter);
    QCOMPARE(control->getControlImpl()->hover, forwardsHover);
    tavixtest::send(*widget, QEvent::Leave);
    QVERIFY(!control->getControlImpl()->hover);

    // The destructor deletes the Impl before Qt deletes the children, and the "impl" property no
    // longer leads to it.
    QPointer<QObject> impl(control->getControlImpl());
    auto *child = new QWidget(widget.get());
    bool implReachable = true;
    QWidget *raw = widget.get();
    connect(child, &QObject::destroyed, this, [&implReachable, &impl, raw] {
        implReachable = !impl.isNull() || TavixQWidgetBaseImpl::fromWidget(raw) != nullptr;
    });
    widget.reset();
    QVERIFY(!implReachable);
    QVERIFY(impl.isNull());
}

QTEST_MAIN(tst_ControlDeclare)
#include "tst_controldeclare.moc"
