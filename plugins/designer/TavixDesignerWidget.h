#pragma once

#include <QIcon>
#include <QObject>
#include <QString>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <string>

namespace TavixQtLib {

struct ControlInfo;

// One kit control offered to Qt Designer, described by its registry entry.
class TavixDesignerWidget : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)
public:
    TavixDesignerWidget(const ControlInfo &info, QObject *parent);

    QString name() const override { return m_name; }
    QString group() const override { return m_group; }
    QString toolTip() const override { return m_toolTip; }
    QString whatsThis() const override { return m_whatsThis; }
    QString includeFile() const override { return m_includeFile; }
    QIcon icon() const override { return m_icon; }
    bool isContainer() const override { return m_container; }
    QString domXml() const override { return m_domXml; }
    QWidget *createWidget(QWidget *parent) override;
    bool isInitialized() const override { return m_initialized; }
    void initialize(QDesignerFormEditorInterface *core) override;

    // Header a form's generated code includes for className, relative to the installed include folder.
    static QString headerFor(const QString &className);
    // A toolbox picture for an icon keyword: a tile in a colour of its own with the caption's initials.
    static QIcon paintIcon(const QString &iconName, const QString &caption);

private:
    std::string m_keyword;
    QString m_name;
    QString m_group;
    QString m_toolTip;
    QString m_whatsThis;
    QString m_includeFile;
    QString m_domXml;
    QIcon m_icon;
    bool m_container = false;
    bool m_initialized = false;
};

} // namespace TavixQtLib
