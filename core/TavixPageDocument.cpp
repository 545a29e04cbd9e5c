#include "core/TavixPageDocument.h"

#include "core/ITavixPageWindow.h"
#include "core/ITavixQWidgetBase.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixControlRegistry_p.h"
#include "core/TavixJson.h"
#include "core/TavixQWidgetBase.h"
#include "resources/TavixQResourceManager.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QWidget>

#include <json/value.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace TavixQtLib {

namespace {

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

// Reads a regular, non-empty file no larger than the parser accepts (one byte more tells a file that
// grew meanwhile, which the parser then refuses). Straight into the buffer: a page is read on every load.
bool readDocumentFile(const QFileInfo &info, QByteArray &bytes)
{
    // A QByteArray holds less than 2 GiB, whatever limit the host set for documents.
    const qint64 limit = qint64(std::min<quint64>(tavixMaxJsonDocumentSize(), quint64(INT_MAX) - 64));
    if (!info.isFile() || info.size() <= 0 || info.size() > limit)
        return false;
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    bytes.resize(int(info.size()) + 1);
    const qint64 got = file.read(bytes.data(), bytes.size());
    if (got <= 0)
        return false;
    bytes.resize(int(got));
    return true;
}

// The text of a document: a resource's bytes in place, or a file's read into owned. Up to the first NUL
// byte, as a C reader of the buffer would see it.
bool locateDocumentText(const QString &fileName, QByteArray &owned, const char *&data, size_t &size)
{
    QString name = fileName;
    if (!name.contains(QLatin1String(".json"), Qt::CaseSensitive))
        name += QLatin1String(".json");

    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    unsigned resourceSize = 0;
    ResSourceType from = SourceDefault;
    data = nullptr;
    if (manager->getResource(name, data, resourceSize, from)) {
        size = resourceSize;
    } else {
        QFileInfo info(manager->getSkinDirPath() + name);
        if (!info.isFile())
            info.setFile(name);
        if (!readDocumentFile(info, owned))
            return false;
        data = owned.constData();
        size = size_t(owned.size());
    }
    if (!data || size == 0)
        return false;
    if (const void *nul = std::memchr(data, '\0', size))
        size = size_t(static_cast<const char *>(nul) - data);
    return size > 0;
}

// Element nesting followed at most. The parser already refuses deeper documents; the limit keeps the
// creation's recursion bounded whatever the document's origin.
constexpr int kMaxElementDepth = 200;

// A parsed document and the outline of its elements, both read-only once made.
struct ParsedDocument
{
    struct Element
    {
        const Json::Value *node = nullptr;
        const char *type = nullptr;     // null: not an object with a string "type"; builds nothing
        size_t end = 0;                 // one past the last element of its subtree
        bool placeNow = false;          // no "layout", but one of "x", "y", "w", "h"
    };

    ParsedDocument() = default;
    ParsedDocument(const ParsedDocument &) = delete;   // the outline points into this root
    ParsedDocument &operator=(const ParsedDocument &) = delete;

    Json::Value root;
    // The elements in depth-first order, each followed by its subtree: found once, so that a page built
    // again from this document looks none of it up.
    std::vector<Element> elements;

    void outline()
    {
        const Json::Value *top = tavixJsonMember(root, "elements");
        if (!top || !top->isArray())
            return;
        for (Json::ArrayIndex i = 0, n = top->size(); i < n; ++i)
            add((*top)[i], 0);
    }

private:
    void add(const Json::Value &node, int depth)
    {
        const size_t index = elements.size();
        elements.emplace_back();
        Element element;
        element.node = &node;
        // One pass over the element's few members rather than a search of its map per key.
        const Json::Value *type = nullptr;
        const Json::Value *children = nullptr;
        bool layout = false, placed = false;
        if (node.isObject()) {
            for (auto it = node.begin(), end = node.end(); it != end; ++it) {
                const char *nameEnd = nullptr;
                const char *name = it.memberName(&nameEnd);
                if (!name)
                    continue;
                switch (nameEnd - name) {
                case 1:
                    placed = placed || *name == 'x' || *name == 'y' || *name == 'w' || *name == 'h';
                    break;
                case 4:
                    if (std::memcmp(name, "type", 4) == 0)
                        type = &*it;
                    break;
                case 5:
                    if (std::memcmp(name, "child", 5) == 0)
                        children = &*it;
                    break;
                case 6:
                    layout = layout || std::memcmp(name, "layout", 6) == 0;
                    break;
                default:
                    break;
                }
            }
        }
        if (type && type->isString()) {
            element.type = type->asCString();
            element.placeNow = !layout && placed;
            if (children && children->isArray() && depth < kMaxElementDepth) {
                for (Json::ArrayIndex i = 0, n = children->size(); i < n; ++i)
                    add((*children)[i], depth + 1);
            }
        }
        element.end = elements.size();
        elements[index] = element;
    }
};

using DocumentTree = std::shared_ptr<const ParsedDocument>;

// Documents parsed lately, by their whole text. Parsing is most of what building a page costs beyond the
// widgets themselves, and pages are built again and again (a dialog opened anew, a page window per
// record), so a document whose text is unchanged is not parsed again. The key is the text itself, not the
// path: an edited file, or another theme's file of the same name, is parsed afresh. A tree is never
// written once parsed; a page being built holds its tree even if the cache lets go of it meanwhile.
class DocumentCache;
DocumentCache *liveCache = nullptr;   // null before first use and after the static is destroyed at exit

class DocumentCache
{
public:
    DocumentCache() { liveCache = this; }
    ~DocumentCache() { liveCache = nullptr; }
    DocumentCache(const DocumentCache &) = delete;
    DocumentCache &operator=(const DocumentCache &) = delete;

    DocumentTree find(const char *data, size_t size)
    {
        const std::lock_guard<std::mutex> lock(mutex);
        for (auto it = entries.begin(); it != entries.end(); ++it) {
            if (size_t(it->text.size()) == size && std::memcmp(it->text.constData(), data, size) == 0) {
                std::rotate(it, it + 1, entries.end());   // most recently used last
                return entries.back().tree;
            }
        }
        return nullptr;
    }

    void add(QByteArray text, const DocumentTree &tree)
    {
        const size_t size = size_t(text.size());
        if (size > kMaxTextBytes)
            return;
        std::vector<Entry> dropped;   // freed outside the lock
        const std::lock_guard<std::mutex> lock(mutex);
        while (!entries.empty() && (entries.size() >= kMaxEntries || textBytes + size > kMaxTextBytes)) {
            textBytes -= size_t(entries.front().text.size());
            dropped.push_back(std::move(entries.front()));
            entries.erase(entries.begin());
        }
        entries.push_back({std::move(text), tree});
        textBytes += size;
    }

    void clear()
    {
        std::vector<Entry> dropped;
        {
            const std::lock_guard<std::mutex> lock(mutex);
            dropped.swap(entries);
            textBytes = 0;
        }
        // The trees are freed outside the lock: a large one takes a while.
    }

private:
    // A parsed tree takes some ten times its text; together the kept trees stay within a few tens of MB.
    static constexpr size_t kMaxEntries = 16;
    static constexpr size_t kMaxTextBytes = size_t(2) * 1024 * 1024;

    struct Entry
    {
        QByteArray text;
        DocumentTree tree;
    };
    std::mutex mutex;   // documents may be read from more than one thread; widgets are built in one
    std::vector<Entry> entries;
    size_t textBytes = 0;
};

DocumentCache &documentCache()
{
    static DocumentCache cache;
    return cache;
}

// The parsed document, from the cache when its text was parsed before; null when it cannot be read or
// does not parse.
DocumentTree parsedDocument(const QString &fileName)
{
    QByteArray owned;
    const char *data = nullptr;
    size_t size = 0;
    if (!locateDocumentText(fileName, owned, data, size))
        return nullptr;
    DocumentCache &cache = documentCache();
    if (DocumentTree tree = cache.find(data, size))
        return tree;
    auto tree = std::make_shared<ParsedDocument>();
    if (!tavixParseJson(data, size, tree->root))
        return nullptr;
    tree->outline();
    DocumentTree shared = std::move(tree);
    // A file's own buffer becomes the key. A resource's bytes are copied, and so is a file's text cut at a
    // NUL: its buffer would hold the whole file, beyond what the kept texts are allowed.
    QByteArray text = data == owned.constData() && size == size_t(owned.size()) ? std::move(owned)
                                                                                 : QByteArray(data, int(size));
    cache.add(std::move(text), shared);
    return shared;
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

// Builds the element at index and its subtree under parent; made is its widget, or null. Returns the
// index past its subtree.
size_t createElement(const ParsedDocument &document, size_t index, QWidget *parent, int depth, QWidget *&made)
{
    const ParsedDocument::Element &element = document.elements[index];
    made = nullptr;
    if (!element.type)
        return element.end;
    ITavixQWidgetBase *control = nullptr;
    QWidget *widget = createControlFromNode(element.type, *element.node, parent, &control);
    if (!widget)
        return element.end;

    // A control's completion, or a child's reading, may run host code that deletes widgets; nothing is
    // touched after its widget is gone.
    QPointer<QWidget> alive(widget);
    // A nested control placed by "x"/"y"/"w"/"h" takes that place now: a container that arranges
    // nothing itself would leave it at its default geometry, and a saved page would reload scrambled.
    // (Top-level elements are placed by the caller; an arranging container places its children later.)
    if (depth > 0 && element.placeNow && control)
        control->resizeWidget();
    QWidget *child = nullptr;
    for (size_t next = index + 1; next < element.end && alive;)
        next = createElement(document, next, widget, depth + 1, child);
    if (!alive)
        return element.end;
    if (control)
        control->createComplete();
    made = alive.data();
    return element.end;
}

} // namespace

bool tavixReadPageDocument(const QString &fileName, Json::Value &root)
{
    CreatedByFileScope flag;
    const DocumentTree tree = parsedDocument(fileName);
    if (!tree)
        return false;
    root = tree->root;
    return true;
}

void tavixReleasePageDocuments()
{
    // The resource manager releases at exit too, possibly after the cache is gone.
    if (liveCache)
        liveCache->clear();
}

QWidget *tavixCreatePageByFileName(QWidget *parent, const QString &fileName)
{
    CreatedByFileScope flag;
    const DocumentTree tree = parsedDocument(fileName);
    if (!tree)
        return nullptr;
    applyWindowKeys(tree->root, parent);
    if (!parent)
        return nullptr;

    QPointer<QWidget> last;
    for (size_t index = 0, n = tree->elements.size(); index < n;) {
        QWidget *made = nullptr;
        index = createElement(*tree, index, parent, 0, made);
        last = made;
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
