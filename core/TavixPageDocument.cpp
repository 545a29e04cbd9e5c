#include "core/TavixPageDocument.h"

#include "core/ITavixPageWindow.h"
#include "core/ITavixQWidgetBase.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixJson.h"
#include "core/TavixQWidgetBase.h"
#include "resources/TavixQResourceManager.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QWidget>

#include <json/value.h>

#include <cstring>
#include <string>

namespace TavixQtLib {

namespace {

// Element nesting followed at most. The parser already refuses deeper documents; the limit keeps the
// creation's recursion bounded whatever the document's origin.
constexpr int kMaxElementDepth = 200;

// Raises the created-by-file flag for a scope and puts back what was there, so that a document read
// while a page is being built (a menu by one of its controls) leaves the page's flag raised.
class CreatedByFileScope
{
public:
    CreatedByFileScope() : previous(TavixQResourceManager::getInstance()->isCreatedByFile())
    {
        TavixQResourceManager::getInstance()->setCreatedByFile(true);
    }
    ~CreatedByFileScope() { TavixQResourceManager::getInstance()->setCreatedByFile(previous); }
    CreatedByFileScope(const CreatedByFileScope &) = delete;
    CreatedByFileScope &operator=(const CreatedByFileScope &) = delete;

private:
    bool previous;
};

// Parses the text up to its first NUL byte, as a C reader of the buffer would see it.
bool parseText(const char *data, size_t size, Json::Value &root)
{
    const void *nul = std::memchr(data, '\0', size);
    if (nul)
        size = size_t(static_cast<const char *>(nul) - data);
    return tavixParseJson(data, size, root);
}

// Reads a regular, non-empty file no larger than the parser accepts (one byte more tells a file that
// grew meanwhile, which the parser then refuses).
bool readDocumentFile(const QString &path, QByteArray &bytes)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() <= 0 || quint64(info.size()) > tavixMaxJsonDocumentSize())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.read(info.size() + 1);
    return !bytes.isEmpty() && file.error() == QFileDevice::NoError;
}

int boundedSize(int value)
{
    return qBound(0, value, QWIDGETSIZE_MAX);
}

// The window keys, in the order the document format lists them.
void applyWindowKeys(const Json::Value &root, QWidget *parent)
{
    auto *window = dynamic_cast<ITavixPageWindow *>(parent);
    if (!window)
        return;
    int number = 0;
    bool flag = false;
    if (tavixReadInt(root, "w", number))
        parent->resize(boundedSize(number), parent->height());
    if (tavixReadInt(root, "h", number))
        parent->resize(parent->width(), boundedSize(number));
    if (tavixReadBool(root, "trans", flag) && flag)
        window->setTransparent(true);
    if (tavixReadBool(root, "drag", flag))
        window->setCanDrag(flag);
    if (tavixReadBool(root, "resize", flag))
        window->setResizeable(flag);
    if (tavixReadInt(root, "minH", number))
        window->setMinHeight(number);
    if (tavixReadInt(root, "minW", number))
        window->setMinWidth(number);
    if (tavixReadBool(root, "onlyDragCaption", flag))
        window->setOnlyDragCaption(flag);
    // Written by the page window beside the keys above; taken too, so that a saved page loads as it was.
    if (tavixReadBool(root, "dbmax", flag))
        window->setMaximizeOnDoubleClick(flag);
    if (tavixReadInt(root, "dbheight", number))
        window->setCaptionHeight(number);
}

QWidget *createElement(const Json::Value &node, QWidget *parent, int depth)
{
    const Json::Value *type = tavixJsonMember(node, "type");
    if (!type || !type->isString())
        return nullptr;
    QWidget *widget = tavixCreateControlFromNode(type->asCString(), node, parent);
    if (!widget)
        return nullptr;

    // A control's reading or completion may run host code that deletes widgets; nothing is touched
    // after its widget is gone.
    QPointer<QWidget> alive(widget);
    // A nested control placed by "x"/"y"/"w"/"h" takes that place now: a container that arranges
    // nothing itself would leave it at its default geometry, and a saved page would reload scrambled.
    // (Top-level elements are placed by the caller; an arranging container places its children later.)
    if (depth > 0 && !tavixJsonMember(node, "layout")
        && (tavixJsonMember(node, "w") || tavixJsonMember(node, "h") || tavixJsonMember(node, "x")
            || tavixJsonMember(node, "y"))) {
        if (auto *control = dynamic_cast<ITavixQWidgetBase *>(widget))
            control->resizeWidget();
    }
    const Json::Value *children = tavixJsonMember(node, "child");
    if (children && children->isArray() && depth < kMaxElementDepth) {
        for (Json::ArrayIndex i = 0, n = children->size(); i < n && alive; ++i)
            createElement((*children)[i], widget, depth + 1);
    }
    if (!alive)
        return nullptr;
    if (auto *control = dynamic_cast<ITavixQWidgetBase *>(widget))
        control->createComplete();
    return alive.data();
}

} // namespace

bool tavixReadPageDocument(const QString &fileName, Json::Value &root)
{
    CreatedByFileScope flag;
    QString name = fileName;
    if (!name.contains(QLatin1String(".json"), Qt::CaseSensitive))
        name += QLatin1String(".json");

    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    const char *data = nullptr;
    unsigned size = 0;
    ResSourceType from = SourceDefault;
    if (manager->getResource(name, data, size, from))
        return data && size > 0 && parseText(data, size, root);

    QString path = manager->getSkinDirPath() + name;
    if (!QFileInfo(path).isFile())
        path = name;
    QByteArray bytes;
    return readDocumentFile(path, bytes) && parseText(bytes.constData(), size_t(bytes.size()), root);
}

QWidget *tavixCreatePageByFileName(QWidget *parent, const QString &fileName)
{
    CreatedByFileScope flag;
    Json::Value root;
    if (!tavixReadPageDocument(fileName, root))
        return nullptr;
    applyWindowKeys(root, parent);
    if (!parent)
        return nullptr;

    const Json::Value *elements = tavixJsonMember(root, "elements");
    if (!elements || !elements->isArray())
        return nullptr;
    QPointer<QWidget> last;
    for (Json::ArrayIndex i = 0, n = elements->size(); i < n; ++i) {
        last = createElement((*elements)[i], parent, 0);
        auto *control = dynamic_cast<ITavixQWidgetBase *>(last.data());
        if (!control)
            continue;
        if (TavixQWidgetBase *base = control->getControlBase())
            base->resizeWidget();
    }
    // The result is a kit control; a host's plain widget from a bound creator is built but not returned.
    return dynamic_cast<ITavixQWidgetBase *>(last.data()) ? last.data() : nullptr;
}

} // namespace TavixQtLib
