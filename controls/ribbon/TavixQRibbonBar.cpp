#include "controls/ribbon/TavixQRibbonBar.h"

#include "controls/TavixQCheckBox.h"
#include "controls/TavixQComboBox.h"
#include "controls/TavixQLabel.h"
#include "controls/TavixQLineEdit.h"
#include "controls/TavixQProgressBar.h"
#include "controls/TavixQRadioButton.h"
#include "controls/TavixQSpinBox.h"
#include "controls/TavixQSwitch.h"
#include "controls/TavixQTabWidget.h"
#include "controls/ribbon/RibbonSeparator.h"
#include "controls/ribbon/TavixQRibbonArea.h"
#include "controls/ribbon/TavixQRibbonBarImpl.h"
#include "controls/ribbon/TavixQRibbonGroup.h"
#include "controls/ribbon/TavixQRibbonPage.h"
#include "controls/ribbon/TavixQRibbonPushButton.h"
#include "controls/ribbon/TavixRibbonLayout.h"
#include "core/TavixJson.h"
#include "core/TavixTypes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPointer>

#include <json/value.h>

namespace TavixQtLib {

namespace {

constexpr int kEdge = 4;          // header items keep this far from the bar's ends
constexpr int kItemGap = 6;
constexpr int kMinTabSpan = 120;  // narrower than this, the tab row gives up the gap after the left items
constexpr int kMinItemHeight = 16;

// Typed reads of a configuration item: a key of another JSON type counts as absent.
QString stringOr(const Json::Value &node, const char *key, const QString &fallback)
{
    const Json::Value *value = tavixJsonMember(node, key);
    return value && value->isString() ? QString::fromStdString(value->asString()) : fallback;
}

bool boolOr(const Json::Value &node, const char *key, bool fallback)
{
    const Json::Value *value = tavixJsonMember(node, key);
    return value && value->isBool() ? value->asBool() : fallback;
}

int intOr(const Json::Value &node, const char *key, int fallback)
{
    const Json::Value *value = tavixJsonMember(node, key);
    return value && value->isInt() ? value->asInt() : fallback;
}

const Json::Value *arrayMember(const Json::Value &node, const char *key)
{
    const Json::Value *value = tavixJsonMember(node, key);
    return value && value->isArray() ? value : nullptr;
}

// The caption of a text item: "text", else "name", else the kind's own word.
QString captionOf(const Json::Value &item, const char *fallback)
{
    return stringOr(item, "text", stringOr(item, "name", QString::fromLatin1(fallback)));
}

} // namespace

TAVIX_DEFINE_CONTROL(TavixQRibbonBar, "qtribbonbar")

TavixQRibbonBar::TavixQRibbonBar(QWidget *parent)
    : QWidget(parent)
{
    m_impl = new TavixQRibbonBarImpl(this);
    m_impl->tabBar = new TavixQTabWidget(this);
    // The bar gives its tab row its looks; a theme's tab-bar entry must not restyle it.
    if (TavixQWidgetBaseImpl *tabImpl = m_impl->tabBar->getControlImpl())
        tabImpl->themeName.clear();
    m_impl->area = new TavixQRibbonArea(this);
    connect(m_impl->tabBar, &TavixQTabWidget::currentChanged, this, &TavixQRibbonBar::onTabChanged);
    m_impl->applyStyles();
    updateLayout();
    m_impl->applyTheme();
}

TavixQRibbonBar::~TavixQRibbonBar()
{
    tavixDestroyImpl(this, m_impl);
}

ControlInfo TavixQRibbonBar::getProps()
{
    return tavixControlInfo(typeName(), "TavixQRibbonBar", "RibbonBar", "Windows ribbon style tabbed toolbar",
                            "ribbonbar");
}

TavixQTabWidget *TavixQRibbonBar::tabBar() const { return m_impl->tabBar; }
TavixQRibbonArea *TavixQRibbonBar::area() const { return m_impl->area; }
QList<TavixQRibbonPage *> TavixQRibbonBar::pages() const { return m_impl->area->pages(); }
int TavixQRibbonBar::getGroupHeight() const { return m_impl->groupHeight; }
int TavixQRibbonBar::getGroupRowCount() const { return m_impl->groupRowCount; }
int TavixQRibbonBar::getTabHeight() const { return m_impl->tabHeight; }
int TavixQRibbonBar::getTabItemWidth() const { return m_impl->tabItemWidth; }
int TavixQRibbonBar::getTopBarHeight() const { return m_impl->topBarHeight; }
bool TavixQRibbonBar::getShowMenuBar() const { return m_impl->showMenuBar; }
bool TavixQRibbonBar::isMinimized() const { return m_impl->minimized; }

QList<QWidget *> TavixQRibbonBar::topBarItems(bool right) const
{
    QList<QWidget *> items;
    for (const QPointer<QWidget> &item : right ? m_impl->rightItems : m_impl->leftItems) {
        if (item)
            items.append(item);
    }
    return items;
}

int TavixQRibbonBar::currentPage() const
{
    return m_impl->area ? m_impl->area->currentIndex() : -1;
}

bool TavixQRibbonBar::loadConfigFile(const QString &path)
{
    const QString resolved = QFileInfo::exists(path) ? path : QDir::current().filePath(path);
    QFile file(resolved);
    // A document larger than the parser accepts is refused before it is read into memory.
    if (!file.open(QIODevice::ReadOnly) || quint64(file.size()) > quint64(tavixMaxJsonDocumentSize()))
        return false;
    Json::Value root;
    if (!tavixParseJson(file.readAll(), root))
        return false;
    return loadConfig(root);
}

bool TavixQRibbonBar::loadConfigJson(const QString &json)
{
    Json::Value root;
    if (!tavixParseJson(json.toUtf8(), root))
        return false;
    return loadConfig(root);
}

bool TavixQRibbonBar::loadConfig(const Json::Value &root)
{
    TavixQRibbonBarImpl *d = m_impl;
    d->building = true;
    d->area->clearPages();
    d->tabBar->removeAllTab();

    const auto take = [&root](const char *key, int &field) {
        if (const Json::Value *v = tavixJsonMember(root, key); v && v->isInt())
            field = v->asInt();
    };
    take("groupHeight", d->groupHeight);
    take("groupRowCount", d->groupRowCount);
    take("tabHeight", d->tabHeight);
    take("tabItemWidth", d->tabItemWidth);
    take("topBarHeight", d->topBarHeight);

    loadTopBarItems(root);

    if (const Json::Value *tabs = arrayMember(root, "tabs")) {
        for (Json::ArrayIndex i = 0; i < tabs->size(); ++i) {
            const Json::Value &pageNode = (*tabs)[i];
            if (!pageNode.isObject())
                continue;   // not a page: nothing to build from it
            const QString name = stringOr(pageNode, "name", stringOr(pageNode, "displayName", QStringLiteral("Page")));
            const QString displayName = stringOr(pageNode, "displayName", name);
            const bool hadCurrent = d->area->currentIndex() >= 0;
            TavixQRibbonPage *page = d->area->addPage(name);
            d->tabBar->addTab(displayName);
            if (!hadCurrent)
                showPage(0);
            page->setDisplayName(displayName);
            const Json::Value *groups = arrayMember(pageNode, "groups");
            if (!groups)
                continue;
            for (Json::ArrayIndex g = 0; g < groups->size(); ++g) {
                const Json::Value &groupNode = (*groups)[g];
                if (!groupNode.isObject())
                    continue;
                const QString title = stringOr(groupNode, "displayName", stringOr(groupNode, "name", QStringLiteral("Group")));
                TavixQRibbonGroup *group = page->addGroup(title);
                if (const Json::Value *content = arrayMember(groupNode, "content")) {
                    for (Json::ArrayIndex c = 0; c < content->size(); ++c)
                        createRibbonItem((*content)[c], group, group);
                }
            }
        }
    }

    d->building = false;
    const bool hasPages = d->area->pageCount() > 0;
    if (hasPages)
        showPage(0);
    // Top-bar items are styled even without pages.
    d->applyStyles();
    updateLayout();
    updateGeometry();
    // Announced once the whole configuration is built: a slot may reload or delete the bar.
    if (hasPages)
        emit currentPageChanged(0);
    return true;
}

void TavixQRibbonBar::clearTopBarItems()
{
    QList<QPointer<QWidget>> items = m_impl->leftItems + m_impl->rightItems;
    m_impl->leftItems.clear();
    m_impl->rightItems.clear();
    for (const QPointer<QWidget> &item : items)
        delete item.data();
}

void TavixQRibbonBar::loadTopBarItems(const Json::Value &root)
{
    TavixQRibbonBarImpl *d = m_impl;
    clearTopBarItems();
    const Json::Value *topBar = tavixJsonMember(root, "topBar");
    if (!topBar || !topBar->isObject()) {
        if (!tavixJsonHas(root, "topBarHeight"))
            d->topBarHeight = 0;
        return;
    }
    if (const Json::Value *height = tavixJsonMember(*topBar, "height"); height && height->isInt())
        d->topBarHeight = height->asInt();
    else if (d->topBarHeight < 1)
        d->topBarHeight = TavixQRibbonBarImpl::kDefaultTopBarHeight;
    const auto load = [this, topBar](const char *side, QList<QPointer<QWidget>> &list) {
        const Json::Value *items = arrayMember(*topBar, side);
        for (Json::ArrayIndex i = 0; items && i < items->size(); ++i) {
            if (QWidget *item = createRibbonItem((*items)[i], this, nullptr))
                list.append(item);
        }
    };
    load("left", d->leftItems);
    load("right", d->rightItems);
}

QWidget *TavixQRibbonBar::createRibbonItem(const Json::Value &item, QWidget *parent, TavixQRibbonGroup *group)
{
    if (!item.isObject() || (!parent && !group))
        return nullptr;
    const QString type = stringOr(item, "itemType", QString());
    QWidget *created = nullptr;

    if (type == QLatin1String("separator")) {
        if (group) {
            group->addSeparator();
            return nullptr;
        }
        created = new RibbonSeparator(parent);
    } else if (type == QLatin1String("comboBox")) {
        QStringList entries;
        if (const Json::Value *list = arrayMember(item, "items")) {
            for (Json::ArrayIndex i = 0; i < list->size(); ++i) {
                if ((*list)[i].isString())
                    entries << QString::fromStdString((*list)[i].asString());
            }
        }
        if (entries.isEmpty())
            entries << captionOf(item, "Combo");
        TavixQComboBox *combo = group ? group->addComboBox(entries) : new TavixQComboBox(parent);
        if (!group)
            combo->addItems(entries);
        if (combo->count() > 0)
            combo->setCurrentIndex(qBound(0, intOr(item, "currentIndex", 0), combo->count() - 1));
        created = combo;
    } else if (type == QLatin1String("progressBar") || type == QLatin1String("spinBox")) {
        const int min = intOr(item, "min", 0);
        const int max = intOr(item, "max", 100);
        const int value = intOr(item, "value", min);
        if (type == QLatin1String("progressBar")) {
            TavixQProgressBar *progress = group ? group->addProgressBar(value, min, max) : new TavixQProgressBar(parent);
            if (!group) {
                progress->setRange(min, max);
                progress->setValue(qBound(progress->minimum(), value, progress->maximum()));
            }
            progress->setShowText(boolOr(item, "showText", true));
            created = progress;
        } else {
            TavixQSpinBox *spin = group ? group->addSpinBox(value, min, max) : new TavixQSpinBox(parent);
            if (!group) {
                spin->setRange(min, max);
                spin->setValue(value);
            }
            created = spin;
        }
    } else if (type == QLatin1String("checkBox")) {
        const QString text = captionOf(item, "Check");
        TavixQCheckBox *box = group ? group->addCheckBox(text) : new TavixQCheckBox(parent);
        if (!group)
            box->setText(text);
        box->setChecked(boolOr(item, "checked", false));
        created = box;
    } else if (type == QLatin1String("radioButton")) {
        const QString text = captionOf(item, "Radio");
        TavixQRadioButton *radio = group ? group->addRadioButton(text) : new TavixQRadioButton(parent);
        if (!group)
            radio->setText(text);
        radio->setChecked(boolOr(item, "checked", false));
        created = radio;
    } else if (type == QLatin1String("label")) {
        const QString text = captionOf(item, "Label");
        TavixQLabel *label = group ? group->addLabel(text) : new TavixQLabel(parent);
        // The label draws by its text style's alignment; centre that too.
        TextStyleDesc style = label->getTextStyle(Normal);
        style.hor = 1;
        style.ver = 1;
        label->setTextStyle(Normal, style);
        label->setAlignment(Qt::AlignCenter);
        label->setText(text);
        created = label;
    } else if (type == QLatin1String("lineEdit")) {
        const QString text = stringOr(item, "text", QString());
        TavixQLineEdit *edit = group ? group->addLineEdit(text) : new TavixQLineEdit(parent);
        if (!group)
            edit->setText(text);
        edit->setPlaceholderText(stringOr(item, "placeholder", QString()));
        created = edit;
    } else if (type == QLatin1String("switch")) {
        const bool on = boolOr(item, "checked", false);
        TavixQSwitch *toggle = group ? group->addSwitch(on) : new TavixQSwitch(parent);
        if (!group)
            toggle->setSwitchToLeft(!on);
        toggle->setLeftText(stringOr(item, "leftText", QString()));
        toggle->setRightText(stringOr(item, "rightText", QString()));
        created = toggle;
    } else if (type == QLatin1String("largeButton") || type == QLatin1String("smallButton")
               || type == QLatin1String("menuButton")) {
        const int style = type == QLatin1String("largeButton") ? RibbonButtonLarge : RibbonButtonSmall;
        QString text = captionOf(item, "Button");
        if (boolOr(item, "dropDown", false) && !text.endsWith(QLatin1String(" v")))
            text += QLatin1String(" v");
        TavixQPushButton *button = group ? group->addButton(text, style) : new TavixQRibbonPushButton(parent, style);
        if (!group)
            button->setText(text);
        button->setCheckable(boolOr(item, "checkable", false));
        button->setChecked(boolOr(item, "checked", false));
        const QString icon = stringOr(item, "icon", QString());
        if (!icon.isEmpty())
            button->setIcon(icon);
        created = button;
    } else {
        return nullptr;
    }

    const QString name = stringOr(item, "name", QString());
    if (!name.isEmpty())
        created->setObjectName(name);
    created->setToolTip(stringOr(item, "tooltip", QString()));
    created->setEnabled(boolOr(item, "enabled", true));
    const int width = intOr(item, "width", 0);
    const int height = intOr(item, "height", 0);
    if (width > 0)
        created->setProperty("tavixRibbonWidth", width);
    if (height > 0)
        created->setProperty("tavixRibbonHeight", height);
    if (group && (width > 0 || height > 0)) {
        // The size changes the group's width: lay the page out again.
        if (TavixQRibbonPage *page = group->page())
            page->updateLayout();
    }
    return created;
}

void TavixQRibbonBar::showPage(int index)
{
    m_impl->area->setCurrentPage(index);
    if (m_impl->tabBar->getSelectedIndex() != index) {
        m_impl->selectingTab = true;
        m_impl->tabBar->setSelectedIndex(index);
        m_impl->selectingTab = false;
    }
}

TavixQRibbonPage *TavixQRibbonBar::addPage(const QString &name)
{
    const bool hadCurrent = m_impl->area->currentIndex() >= 0;
    TavixQRibbonPage *page = m_impl->area->addPage(name);
    m_impl->tabBar->addTab(name);
    if (!hadCurrent)
        showPage(0);
    updateLayout();
    updateGeometry();
    QPointer<TavixQRibbonPage> guard(page);
    if (!hadCurrent)
        emit currentPageChanged(0);   // last: a slot may delete the bar
    return guard.data();
}

void TavixQRibbonBar::clearPages()
{
    m_impl->area->clearPages();
    m_impl->tabBar->removeAllTab();
    updateGeometry();
}

bool TavixQRibbonBar::setCurrentPage(int index)
{
    if (index < 0 || index >= m_impl->area->pageCount())
        return false;
    showPage(index);
    updateGeometry();
    emit currentPageChanged(index);
    return true;
}

void TavixQRibbonBar::onTabChanged(int index)
{
    if (m_impl->selectingTab)
        return;
    if (index != currentPage()) {
        setCurrentPage(index);
        return;
    }
    m_impl->minimized = !m_impl->minimized;
    updateLayout();
    updateGeometry();
    emit minimizedChanged(m_impl->minimized);
}

void TavixQRibbonBar::setMinimized(bool minimized)
{
    if (m_impl->minimized == minimized)
        return;
    m_impl->minimized = minimized;
    updateLayout();
    updateGeometry();
    emit minimizedChanged(minimized);
}

void TavixQRibbonBar::updateLayout()
{
    TavixQRibbonBarImpl *d = m_impl;
    if (d->building)
        return;
    const int header = d->headerHeight();
    const int itemLimit = qMax(header - 8, kMinItemHeight);
    const bool topBarShown = d->topBarHeight > 0;
    const auto place = [&](QWidget *item, long long x, const QSize &size) {
        const int h = qMin(itemLimit, qMax(size.height(), kMinItemHeight));
        item->setGeometry(tavixClampCoord(x), qMax((header - h) / 2, 0), size.width(), h);
        item->setVisible(topBarShown);
    };

    long long x = kEdge;
    for (const QPointer<QWidget> &item : d->leftItems) {
        if (!item)
            continue;
        const QSize size = tavixRibbonItemSize(item);
        place(item, x, size);
        x += size.width() + kItemGap;
    }
    long long r = width() - kEdge;
    for (int i = d->rightItems.size() - 1; i >= 0; --i) {
        QWidget *item = d->rightItems.at(i);
        if (!item)
            continue;
        const QSize size = tavixRibbonItemSize(item);
        const long long left = r - size.width();
        place(item, left, size);
        r = left - kItemGap;
    }

    long long spanLeft = topBarShown ? x + kItemGap : 0;
    long long spanRight = topBarShown ? r - kItemGap : width();
    if (spanRight <= spanLeft + kMinTabSpan) {
        spanLeft = topBarShown ? x : 0;
        spanRight = qMax(spanLeft, r);
    }
    d->tabBar->setItemSize(d->tabWidth());
    static_cast<ITavixQWidgetBase *>(d->tabBar)
        ->setGeometry(tavixClampCoord(spanLeft), 0, tavixClampCoord(qMax(spanRight - spanLeft, 0LL)), header);

    const int areaHeight = d->minimized ? 0 : qMax(height() - header, 0);
    d->area->setGeometry(0, header, width(), areaHeight);
    d->area->setVisible(!d->minimized);
    d->area->updateLayout();
    update();
}

QSize TavixQRibbonBar::sizeHint() const
{
    const int header = m_impl->headerHeight();
    const TavixQRibbonPage *page = m_impl->area->pageAt(m_impl->area->currentIndex());
    const int width = page ? page->sizeHint().width() : 0;
    const long long groups = m_impl->minimized ? 0 : qMax(m_impl->groupHeight, 0) + 8LL;
    return QSize(width, tavixClampCoord(qMin<long long>(header + groups, QWIDGETSIZE_MAX)));
}

void TavixQRibbonBar::applyItemStyle(QWidget *item)
{
    if (item)
        m_impl->applyItemStyle(item);
}

void TavixQRibbonBar::paintArea(TavixQRibbonArea *target)
{
    if (!target)
        return;
    QPainter painter(target);
    TavixQWidgetBaseImpl::drawFillStyle(&painter, m_impl->fill(TavixQRibbonBarImpl::AreaBackground), target->rect());
}

void TavixQRibbonBar::paintGroup(TavixQRibbonGroup *group)
{
    if (!group)
        return;
    QPainter painter(group);
    const QRect rect = group->rect();
    TavixQWidgetBaseImpl::drawFillStyle(&painter, m_impl->fill(TavixQRibbonBarImpl::GroupBackground), rect);
    const QRect title(rect.left() + 4, rect.bottom() - 19, rect.width() - 8, 18);
    TavixQWidgetBaseImpl::drawTextStyle(&painter, group->groupText(),
                                        m_impl->text(TavixQRibbonBarImpl::GroupTitleText), title,
                                        &m_impl->textLayouts);
}

void TavixQRibbonBar::paintEvent(QPaintEvent *event)
{
    if (m_impl)
        m_impl->paintEvent(event);
}

void TavixQRibbonBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateLayout();
}

} // namespace TavixQtLib
