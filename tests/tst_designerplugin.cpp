// The Qt Designer plug-in as Qt Designer sees it: loaded from its file, one entry per listed
// control, each creating its control and describing it so uic can compile a form.
#include "controls/TavixQContainer.h"
#include "core/ITavixQWidgetBase.h"
#include "core/TavixControlRegistry.h"

#include <QPluginLoader>
#include <QXmlStreamReader>
#include <QtTest>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <memory>

using namespace TavixQtLib;

class tst_DesignerPlugin : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyListedControl();
    void entries_data();
    void entries();
    void containerDescribesItself();

private:
    QDesignerCustomWidgetInterface *entry(const QString &name) const;
    QList<QDesignerCustomWidgetInterface *> m_widgets;
};

void tst_DesignerPlugin::initTestCase()
{
    static QPluginLoader loader(QStringLiteral(TAVIX_DESIGNER_PLUGIN_FILE));
    QVERIFY2(loader.load(), qPrintable(loader.errorString()));
    auto *collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(loader.instance());
    QVERIFY(collection);
    m_widgets = collection->customWidgets();
}

QDesignerCustomWidgetInterface *tst_DesignerPlugin::entry(const QString &name) const
{
    for (QDesignerCustomWidgetInterface *w : m_widgets) {
        if (w->name() == name)
            return w;
    }
    return nullptr;
}

void tst_DesignerPlugin::everyListedControl()
{
    // Every listed type but the page window ("Window"), which no form places.
    QCOMPARE(size_t(m_widgets.size()), listedTypes().size() - listedTypes().count("Window"));
    QWidget form;
    for (QDesignerCustomWidgetInterface *w : m_widgets) {
        QVERIFY2(w->name().startsWith(QLatin1String("TavixQtLib::TavixQ")), qPrintable(w->name()));
        QCOMPARE(w->group(), QStringLiteral("TavixQtLib"));
        QVERIFY2(!w->toolTip().isEmpty(), qPrintable(w->name()));
        QVERIFY2(!w->icon().isNull(), qPrintable(w->name()));
        QVERIFY(!w->isInitialized());
        w->initialize(nullptr);
        QVERIFY(w->isInitialized());

        std::unique_ptr<QWidget> created(w->createWidget(&form));
        QVERIFY2(created, qPrintable(w->name()));
        QCOMPARE(created->parentWidget(), &form);
        // The class uic names must be the class Qt Designer gets.
        QCOMPARE(QString::fromLatin1(created->metaObject()->className()), w->name());
        QVERIFY(dynamic_cast<ITavixQWidgetBase *>(created.get()));

        // The markup names the same class and is well-formed.
        QXmlStreamReader xml(w->domXml());
        bool sawWidget = false;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("widget") && !sawWidget) {
                QCOMPARE(xml.attributes().value(QLatin1String("class")).toString(), w->name());
                sawWidget = true;
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(w->name() + QLatin1Char(' ') + xml.errorString()));
        QVERIFY(sawWidget);
    }
}

void tst_DesignerPlugin::entries_data()
{
    // The header uic's generated code includes.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("includeFile");
    QTest::newRow("button") << "TavixQtLib::TavixQPushButton" << "controls/TavixQPushButton.h";
    QTest::newRow("tree") << "TavixQtLib::TavixQTreeView" << "controls/views/TavixQTreeView.h";
    QTest::newRow("checkbox") << "TavixQtLib::TavixQCheckBox" << "controls/TavixQCheckBox.h";
}

void tst_DesignerPlugin::entries()
{
    QFETCH(QString, name);
    QFETCH(QString, includeFile);
    QDesignerCustomWidgetInterface *w = entry(name);
    QVERIFY(w);
    QCOMPARE(w->includeFile(), includeFile);
}

void tst_DesignerPlugin::containerDescribesItself()
{
    QDesignerCustomWidgetInterface *w = entry(QStringLiteral("TavixQtLib::TavixQContainer"));
    QVERIFY(w);
    TavixQContainer own;
    QCOMPARE(w->isContainer(), own.isContainer());
    QCOMPARE(w->includeFile(), QStringLiteral("controls/TavixQContainer.h"));
    QVERIFY(w->domXml().contains(QLatin1String("name=\"container\"")));
    // Its own group and tool tip are empty, so the registry's fill in.
    QCOMPARE(w->group(), QStringLiteral("TavixQtLib"));
    QCOMPARE(w->toolTip(), QString::fromStdString(TavixQContainer::getProps().description));
    std::unique_ptr<QWidget> created(w->createWidget(nullptr));
    QVERIFY(qobject_cast<TavixQContainer *>(created.get()));
}

QTEST_MAIN(tst_DesignerPlugin)
#include "tst_designerplugin.moc"
