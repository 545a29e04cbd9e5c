#include "TavixDesignerWidget.h"

#include "controls/TavixQContainer.h"
#include "core/ControlInfo.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixQtCompat.h"

#include <QColor>
#include <QFileInfo>
#include <QPainter>
#include <QPixmap>

#include <cstring>
#include <memory>

namespace TavixQtLib {

namespace {

const char *const kGroup = "TavixQtLib";
const char *const kNamespace = "TavixQtLib::";

struct HeaderRow
{
    const char *className;
    const char *header;
};

const HeaderRow kHeaders[] = {
#include "TavixDesignerHeaders.inc"
};

// "TavixQPushButton" -> "pushButton": the object name Qt Designer gives the first instance.
QString objectNameFor(const QString &className)
{
    QString stem = className.startsWith(QLatin1String("TavixQ")) ? className.mid(6) : className;
    if (stem.isEmpty())
        stem = QStringLiteral("widget");
    stem[0] = stem[0].toLower();
    return stem;
}

// uic writes the class name into the generated code, which lives outside the kit's namespace.
QString qualified(const QString &className)
{
    return className.startsWith(QLatin1String(kNamespace)) ? className : QLatin1String(kNamespace) + className;
}

} // namespace

TavixDesignerWidget::TavixDesignerWidget(const ControlInfo &info, QObject *parent)
    : QObject(parent)
    , m_keyword(info.typeName)
{
    // uic writes this name into generated code, so it is the class the registry really creates; a
    // descriptor's class name is only a label (the property list's reads "TavixQProperty").
    QString className = QString::fromStdString(info.className);
    if (std::unique_ptr<QWidget> probe{tavixCreateControlByKeyword(info.typeName.c_str(), nullptr)}) {
        className = QString::fromLatin1(probe->metaObject()->className());
        if (className.startsWith(QLatin1String(kNamespace)))
            className = className.mid(int(std::strlen(kNamespace)));
    }
    const QString caption = QString::fromStdString(info.displayName);
    m_name = qualified(className);
    m_group = QLatin1String(kGroup);
    m_toolTip = QString::fromStdString(info.description);
    m_whatsThis = m_toolTip;
    m_includeFile = headerFor(className);
    m_icon = paintIcon(QString::fromStdString(info.iconName), caption.isEmpty() ? className.mid(6) : caption);
    m_domXml = QStringLiteral("<ui language=\"c++\">\n"
                              " <widget class=\"%1\" name=\"%2\">\n"
                              "  <property name=\"geometry\">\n"
                              "   <rect><x>0</x><y>0</y><width>120</width><height>40</height></rect>\n"
                              "  </property>\n"
                              " </widget>\n"
                              "</ui>\n")
                   .arg(m_name, objectNameFor(className));

    // The container describes itself; its texts win where it gives one, and its class name and markup
    // are qualified like every other entry so generated code compiles.
    if (info.typeName == TavixQContainer::typeName()) {
        std::unique_ptr<TavixQContainer> probe(new TavixQContainer);
        const QString own = probe->name();
        m_name = qualified(own);
        m_domXml = probe->domXml();
        m_domXml.replace(QStringLiteral("class=\"%1\"").arg(own), QStringLiteral("class=\"%1\"").arg(m_name));
        m_includeFile = headerFor(QFileInfo(probe->includeFile()).fileName());
        m_container = probe->isContainer();
        if (!probe->group().isEmpty())
            m_group = probe->group();
        if (!probe->toolTip().isEmpty())
            m_toolTip = probe->toolTip();
        if (!probe->whatsThis().isEmpty())
            m_whatsThis = probe->whatsThis();
        if (!probe->icon().isNull())
            m_icon = probe->icon();
    }
}

QWidget *TavixDesignerWidget::createWidget(QWidget *parent)
{
    if (m_keyword == TavixQContainer::typeName())
        return TavixQContainer().createWidget(parent);
    return tavixCreateControlByKeyword(m_keyword.c_str(), parent);
}

void TavixDesignerWidget::initialize(QDesignerFormEditorInterface *)
{
    m_initialized = true;
}

QString TavixDesignerWidget::headerFor(const QString &className)
{
    QString stem = className;
    if (stem.endsWith(QLatin1String(".h")))
        stem.chop(2);
    for (const HeaderRow &row : kHeaders) {
        if (stem == QLatin1String(row.className))
            return QLatin1String(row.header);
    }
    // A class whose header is named otherwise is still reachable through the umbrella header.
    return QStringLiteral("TavixQtLib/TavixQtLib.h");
}

QIcon TavixDesignerWidget::paintIcon(const QString &iconName, const QString &caption)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const int hue = int(tavixStableHash(iconName) % 360u);
    p.setPen(QColor::fromHsv(hue, 200, 120));
    p.setBrush(QColor::fromHsv(hue, 140, 230));
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
    QString initials;
    for (const QChar c : caption) {
        if (c.isUpper() && initials.size() < 2)
            initials += c;
    }
    if (initials.isEmpty())
        initials = caption.left(2);
    QFont font = p.font();
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor::fromHsv(hue, 230, 70));
    p.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, initials);
    p.end();
    return QIcon(pixmap);
}

} // namespace TavixQtLib
