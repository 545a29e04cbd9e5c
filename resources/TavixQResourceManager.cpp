#include "resources/TavixQResourceManager.h"

#include "core/ITavixQWidgetBase.h"
#include "core/ITavixWindow.h"
#include "core/TavixJson.h"
#include "core/TavixPageDocument.h"
#include "core/TavixQWidgetBase.h"
#include "core/TavixQtCompat.h"
#include "resources/TavixPainting.h"
#include "resources/TavixQResourceManagerImpl.h"
#include "resources/TavixStyleDocument.h"
#include "resources/TavixZip.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QSvgRenderer>
#include <QtMath>
#include <QWidget>

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

namespace TavixQtLib {

namespace {

constexpr qint64 kDefaultResourceBudget = qint64(256) * 1024 * 1024;
constexpr qint64 kDefaultArchiveEntryLimit = qint64(64) * 1024 * 1024;
constexpr int kDefaultImageSideLimit = 16384;
constexpr qint64 kDefaultImageByteLimit = qint64(256) * 1024 * 1024;
// One file at most whatever the budget: a QByteArray holds less than 2 GiB.
constexpr qint64 kMaxReadSize = qint64(1) << 30;
// Charged for each file a set keeps beyond its bytes (record, key, map node), so that a folder of
// countless tiny files spends the budget too.
constexpr qint64 kFileOverhead = 256;
// What one translation takes beside its text: a map node and string headers.
constexpr qint64 kLanguageEntryOverhead = 64;
// Entries listed per folder at most: a folder of millions must not cost memory before the budget can say no.
constexpr int kMaxFolderEntries = 65536;
constexpr int kDefaultFadeDuration = 150;
const char kDefaultStyleResource[] = ":/style/resources/style/defaultStyle.json";

// Reads a regular file whole when it holds at most limit bytes.
bool readWholeFile(const QString &path, qint64 limit, QByteArray &out)
{
    limit = std::min(limit, kMaxReadSize);
    const QFileInfo info(path);
    if (limit < 0 || !info.isFile() || info.size() > limit)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // read() allocates what it is asked for up front; one byte more tells a file that grew since the check.
    QByteArray bytes = file.read(info.size() + 1);
    if (bytes.size() > info.size() || file.error() != QFileDevice::NoError)
        return false;
    out.swap(bytes);
    return true;
}

std::string fileKey(const QString &name)
{
    return name.toLower().toUtf8().toStdString();
}

// Reads a file into bytes and counts it against the set's budget; false when it does not fit or cannot
// be read. Links are followed: what they point at is read and counted like any other file.
bool takeFile(const QFileInfo &entry, TavixQResourceManagerImpl *set, QByteArray &bytes)
{
    return entry.isFile() && readWholeFile(entry.filePath(), set->remainingBudget() - kFileOverhead, bytes)
           && set->charge(bytes.size() + kFileOverhead);
}

// A folder's entries (dot files included, "." and ".." not) in QDir's Name | DirsFirst order.
QFileInfoList listFolder(const QString &path, QDir::Filters filters)
{
    QFileInfoList entries;
    QDirIterator it(path, filters | QDir::Hidden | QDir::NoDotAndDotDot);
    while (entries.size() < kMaxFolderEntries && it.hasNext()) {
        it.next();
        entries.append(it.fileInfo());
    }
    std::sort(entries.begin(), entries.end(), [](const QFileInfo &a, const QFileInfo &b) {
        if (a.isDir() != b.isDir())
            return a.isDir();
        return a.fileName() < b.fileName();
    });
    return entries;
}

void readImagesFolder(const QString &path, TavixQResourceManagerImpl *set)
{
    for (const QFileInfo &entry : listFolder(path, QDir::Files)) {
        if (set->remainingBudget() <= kFileOverhead)
            return;   // spent: the set keeps what it has
        const std::string key = "images/" + fileKey(entry.fileName());
        QByteArray bytes;
        if (!set->findFile(key) && takeFile(entry, set, bytes))
            set->addFile(key, new ResourceFile(bytes));
    }
}

// False only when the directory does not exist. Files that do not fit the set's budget are left out.
bool readDirectory(const QString &path, TavixQResourceManagerImpl *set)
{
    if (path.isEmpty())
        return false;   // QDir("") would silently mean the working directory
    const QDir dir(path);
    if (!dir.exists())
        return false;
    // The style and theme documents are taken first and the images folder last, so that pictures cannot
    // spend what the documents need. Keys of the three groups never meet, and within a group the sorted
    // order still decides which of two names alike but for case is kept.
    QFileInfoList documents, others;
    QString imagesFolder;
    for (const QFileInfo &entry : listFolder(path, QDir::Dirs | QDir::Files)) {
        const QString name = entry.fileName();
        if (name == QLatin1String("tmpTheme.zip"))
            continue;
        if (entry.isDir()) {
            if (name == QLatin1String("images"))
                imagesFolder = entry.filePath();
            continue;
        }
        const std::string key = fileKey(name);
        (key == "style.json" || key == "theme.json" ? documents : others).append(entry);
    }
    for (const QFileInfoList *group : {&documents, &others}) {
        for (const QFileInfo &entry : *group) {
            const std::string key = fileKey(entry.fileName());
            QByteArray bytes;
            if (key != "style.json" && set->findFile(key))
                continue;   // the first of two names alike but for case is kept
            if (!takeFile(entry, set, bytes))
                continue;   // a smaller file after it may still fit
            if (key == "style.json")
                set->styleFiles.push_back(new ResourceFile(bytes));
            else
                set->addFile(key, new ResourceFile(bytes));
        }
    }
    if (!imagesFolder.isEmpty())
        readImagesFolder(imagesFolder, set);
    return true;
}

// Decodes bytes, or the file at path when bytes is empty, as QImage would (format guessed), refusing
// a picture whose declared size is over the manager's limits before a pixel is decoded: a small
// compressed file can claim gigabytes. A format that cannot tell its size up front is refused for the
// same reason.
bool decodeImage(const QByteArray &bytes, const QString &path, const TavixQResourceManager *limits, QImage &out)
{
    QBuffer buffer;
    QImageReader reader;
    if (path.isEmpty()) {
        buffer.setData(bytes);
        if (!buffer.open(QIODevice::ReadOnly))
            return false;
        reader.setDevice(&buffer);
    } else {
        reader.setFileName(path);
    }
    const QSize size = reader.size();
    if (!limits->isImageSizeAllowed(size))
        return false;
    return reader.read(&out);
}

// The candidate files on disk for an image or SVG name, in search order.
QStringList diskCandidates(const QString &skinDir, const QString &name)
{
    return {skinDir + name, name, skinDir + QLatin1String("images/") + name};
}

QString firstExistingFile(const QStringList &candidates)
{
    for (const QString &path : candidates) {
        if (QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

// Children are collected first: a control's refresh may add or delete widgets.
QVector<QPointer<QObject>> childSnapshot(QObject *parent)
{
    QVector<QPointer<QObject>> result;
    const QObjectList &children = parent->children();
    result.reserve(children.size());
    for (QObject *child : children)
        result.append(child);
    return result;
}

// Calls visit on every kit control below parent, depth first, each before its children. A control
// deleted by an earlier visit is skipped with its children.
template <typename Visit>
void forEachControlBelow(QWidget *parent, const Visit &visit)
{
    if (!parent)
        return;
    for (const QPointer<QObject> &child : childSnapshot(parent)) {
        if (!child || !child->isWidgetType())
            continue;
        auto *widget = static_cast<QWidget *>(child.data());
        if (auto *control = dynamic_cast<ITavixQWidgetBase *>(widget))
            visit(control);
        if (child)
            forEachControlBelow(widget, visit);
    }
}

// Only the guards are read: a window destroyed while still registered shows up as a null guard.
QVector<QPointer<QWidget>> windowSnapshot(const QMap<ITavixWindow *, QPointer<QWidget>> &windows)
{
    QVector<QPointer<QWidget>> result;
    result.reserve(windows.size());
    for (const QPointer<QWidget> &window : windows)
        result.append(window);
    return result;
}

constexpr qreal kMaxImageRatio = 8.0;
const char *const kBuiltInImages[] = {"IDB_UNSELECT", "IDB_SELECTED", "IDB_UNCHECK", "IDB_CHECKED"};

// The built-in 16 x 16 indicator images, drawn at a device pixel ratio so that a high-DPI screen gets
// real detail instead of enlarged pixels. False for any other name.
bool drawBuiltInImage(const QString &name, qreal ratio, QImage &out)
{
    int which = 0;
    while (which < 4 && name != QLatin1String(kBuiltInImages[which]))
        ++which;
    if (which == 4)
        return false;
    const int side = qCeil(16 * ratio);
    out = QImage(side, side, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    out.setDevicePixelRatio(ratio);
    const QPen pen(QColor(0xCC, 0xCC, 0xCC, 0xFF), 1);
    const QRect frame(1, 1, 14, 14);
    QPainter painter(&out);
    painter.setPen(pen);
    if (which <= 1) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(frame);
        if (which == 1) {
            painter.setBrush(pen.color());
            painter.drawEllipse(QPointF(8.0, 8.0), 4.0, 4.0);
        }
        return true;
    }
    if (ratio > 1.0) {
        // An aliased 1-pixel frame lies on pixel column 1; centred on 1.5 it covers the same area at any ratio.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawRect(QRectF(frame).translated(0.5, 0.5));
    } else {
        painter.drawRect(frame);
    }
    if (which == 3) {
        painter.setRenderHint(QPainter::Antialiasing);
        const QPoint tick[] = {QPoint(4, 9), QPoint(8, 13), QPoint(14, 3)};
        painter.drawPolyline(tick, 3);
    }
    return true;
}

} // namespace

// A name without an extension gets the suffix at its end.
QString TavixQResourceManager::atNxName(const QString &name, int n)
{
    int dot = name.lastIndexOf(QLatin1Char('.'));
    const int slash = std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
    if (dot < 0 || dot < slash)
        dot = name.size();
    return QString(name).insert(dot, QStringLiteral("@%1x").arg(n));
}

TavixQResourceManager *TavixQResourceManager::getInstance()
{
    static TavixQResourceManager _sResManager;
    return &_sResManager;
}

TavixQResourceManager::TavixQResourceManager()
    : resourceBudget(kDefaultResourceBudget)
    , archiveEntryLimit(kDefaultArchiveEntryLimit)
    , imageSideLimit(kDefaultImageSideLimit)
    , imageByteLimit(kDefaultImageByteLimit)
    , defaultRes(newSet())
{
}

TavixQResourceManagerImpl *TavixQResourceManager::newSet() const
{
    auto *set = new TavixQResourceManagerImpl;
    set->budget = resourceBudget;
    return set;
}

void TavixQResourceManager::setResourceBudget(qint64 bytes)
{
    resourceBudget = bytes > 0 ? bytes : kDefaultResourceBudget;
    for (TavixQResourceManagerImpl *set : {defaultRes, projectRes, themeRes}) {
        if (set)
            set->budget = resourceBudget;
    }
}

qint64 TavixQResourceManager::getResourceBudget() const
{
    return resourceBudget;
}

void TavixQResourceManager::setArchiveEntryLimit(qint64 bytes)
{
    archiveEntryLimit = bytes > 0 ? bytes : kDefaultArchiveEntryLimit;
}

qint64 TavixQResourceManager::getArchiveEntryLimit() const
{
    return archiveEntryLimit;
}

void TavixQResourceManager::setImageLimits(int maxSide, qint64 maxBytes)
{
    imageSideLimit = maxSide > 0 ? maxSide : kDefaultImageSideLimit;
    imageByteLimit = maxBytes > 0 ? maxBytes : kDefaultImageByteLimit;
}

int TavixQResourceManager::getImageSideLimit() const
{
    return imageSideLimit;
}

qint64 TavixQResourceManager::getImageByteLimit() const
{
    return imageByteLimit;
}

bool TavixQResourceManager::isImageSizeAllowed(const QSize &size) const
{
    return size.isValid() && size.width() <= imageSideLimit && size.height() <= imageSideLimit
           && qint64(size.width()) * size.height() * 4 <= std::min(imageByteLimit, resourceBudget);
}

QSize TavixQResourceManager::boundedImageSize(const QSize &size) const
{
    if (!size.isValid() || isImageSizeAllowed(size))
        return size;
    const double side = double(imageSideLimit);
    const double pixels = double(std::min(imageByteLimit, resourceBudget)) / 4.0;
    double scale = std::min(side / std::max(size.width(), 1), side / std::max(size.height(), 1));
    scale = std::min(scale, std::sqrt(pixels / (double(std::max(size.width(), 1)) * std::max(size.height(), 1))));
    return QSize(std::max(int(size.width() * scale), 1), std::max(int(size.height() * scale), 1));
}

TavixQResourceManager::~TavixQResourceManager()
{
    // May run after the application object is gone: only plain deletes from here on.
    releaseRes();
    delete themeRes;
    delete projectRes;
    delete defaultRes;
}

// ---- Loading ----

bool TavixQResourceManager::applyStyleFile(TavixQResourceManagerImpl *set)
{
    if (!set || set->styleFiles.empty())
        return false;
    const ResourceFile *file = set->styleFiles.back();
    Json::Value root;
    if (!file || !tavixParseJson(file->data, file->size, root))
        return false;
    const Json::Value *styles = tavixJsonMember(root, "style");
    if (!styles)
        return false;
    return readStyle(set, *styles);
}

void TavixQResourceManager::readThemeDocument(TavixQResourceManagerImpl *set, bool index)
{
    const ResourceFile *file = set ? set->findFile("theme.json") : nullptr;
    Json::Value root;
    if (!file || !tavixParseJson(file->data, file->size, root))
        return;
    set->themeNodes.clear();   // the nodes point into the root about to be replaced
    set->themeRoot.swap(root);
    if (!index)
        return;
    const Json::Value *elements = tavixJsonMember(set->themeRoot, "elements");
    const Json::Value *first = elements ? tavixJsonAt(*elements, 0) : nullptr;
    const Json::Value *child = first ? tavixJsonMember(*first, "child") : nullptr;
    if (!child || !(child->isArray() || child->isObject()))
        return;
    // themeRoot is only read from now on, so these pointers stay valid for the set's lifetime.
    for (auto it = child->begin(); it != child->end(); ++it) {
        std::string name;
        if (tavixReadStdString(*it, "name", name))
            set->themeNodes.emplace(name, &*it);
    }
}

bool TavixQResourceManager::loadThemeDir(const QString &dir)
{
    // Only a successful load short-cuts: retrying a directory that failed must read it again.
    if (themeRes && themeRes->loaded && !dir.isEmpty() && themeRes->dirPath == dir)
        return true;
    delete themeRes;
    themeRes = newSet();
    themeRes->dirPath = dir;
    if (!readDirectory(dir, themeRes) || !applyStyleFile(themeRes))
        return false;
    readThemeDocument(themeRes, true);
    themeRes->loaded = true;
    themeChange();
    return true;
}

bool TavixQResourceManager::setProjectDirPath(const QString &dir)
{
    delete projectRes;
    projectRes = newSet();
    projectRes->filePath = dir;
    if (!readDirectory(dir, projectRes) || !applyStyleFile(projectRes))
        return false;
    readThemeDocument(projectRes, false);
    projectRes->loaded = true;
    return true;
}

bool TavixQResourceManager::setSkinDirPath(const QString &dir)
{
    if (dir.isEmpty())
        return false;
    QString path = dir;
    if (!path.endsWith(QDir::separator()) && !path.endsWith(QLatin1Char('/')))
        path += QDir::separator();
    defaultRes->dirPath = path;

    // The two files are parsed, not kept: they must fit what is left of the budget but are not counted.
    const qint64 budget = defaultRes->remainingBudget();
    QByteArray bytes;
    Json::Value root;
    const qint64 documentLimit = std::min(budget, qint64(std::min<size_t>(tavixMaxJsonDocumentSize(), kMaxReadSize)));
    if (!readWholeFile(path + QLatin1String("style.json"), documentLimit, bytes) || bytes.isEmpty()
        || !tavixParseJson(bytes, root))
        return false;
    const Json::Value *styles = tavixJsonMember(root, "style");
    if (!styles)
        return false;
    readStyle(defaultRes, *styles);

    QByteArray language;
    if (readWholeFile(path + QLatin1String("language.txt"), budget, language) && !language.isEmpty())
        readLanguage(language);
    return true;
}

bool TavixQResourceManager::readArchive(ZipHandle *zip, TavixQResourceManagerImpl *set) const
{
    if (!zip)
        return false;
    ZipEntry info;
    const int count = getZipItem(zip, -1, &info) == ZipOk ? info.index : 0;
    for (int i = 0; i < count; ++i) {
        // The declared size is checked before anything is allocated; extraction cannot exceed it.
        if (getZipItem(zip, i, &info) != ZipOk || info.name[0] == 0 || info.uncompressedSize <= 0
            || info.uncompressedSize > archiveEntryLimit)
            continue;
        const std::string key = fileKey(QString::fromUtf8(info.name));
        const bool styleFile = key == "style.json";
        if (!styleFile && set->findFile(key))
            continue;
        const qint64 cost = qint64(info.uncompressedSize) + kFileOverhead;
        if (!set->charge(cost))
            continue;   // a smaller entry after it may still fit
        auto *file = new ResourceFile;
        file->size = unsigned(info.uncompressedSize);
        file->data = new char[file->size];
        // An entry that does not extract whole and intact is dropped, never kept half-filled.
        if (unzipItem(zip, i, file->data, file->size) != ZipOk) {
            delete file;
            set->bytesTaken -= cost;
            continue;
        }
        if (styleFile) {
            set->styleFiles.push_back(file);
            ++set->styleFileCount;
        } else {
            set->addFile(key, file);
        }
    }
    closeZip(zip);
    return true;
}

bool TavixQResourceManager::loadThemeFile(const QString &path)
{
    delete themeRes;
    themeRes = newSet();
    themeRes->filePath = path;
    if (path.isEmpty() || !readArchive(openZip(QFile::encodeName(path).constData(), nullptr), themeRes)
        || !applyStyleFile(themeRes))
        return false;
    readThemeDocument(themeRes, true);
    themeRes->loaded = true;
    return true;
}

bool TavixQResourceManager::applySkinArchive(ZipHandle *zip, bool withLanguage)
{
    if (!readArchive(zip, defaultRes))
        return false;
    initFontRes(false);
    if (!applyStyleFile(defaultRes))
        return false;
    if (withLanguage) {
        if (const ResourceFile *language = defaultRes->findFile("language.txt"))
            readLanguage(QByteArray::fromRawData(language->data, int(language->size)));
    }
    return true;
}

bool TavixQResourceManager::loadSkinFile(const QString &path)
{
    if (path.isEmpty())
        return false;
    defaultRes->filePath = path;
    return applySkinArchive(openZip(QFile::encodeName(path).constData(), nullptr), true);
}

bool TavixQResourceManager::loadSkinFile(const char *data, int size)
{
    if (!data || size <= 0)
        return false;
    return applySkinArchive(openZip(data, unsigned(size), nullptr), false);
}

// ---- Styles ----

TavixQResourceManagerImpl *TavixQResourceManager::styleLookupSet() const
{
    // No fallback between sets: a raised switch whose set is missing finds nothing.
    if (switchToThemeRes)
        return themeRes;
    if (switchToProjectRes)
        return projectRes;
    return defaultRes;
}

bool TavixQResourceManager::getFillStyle(const QString &name, FillStyle &out)
{
    if (name == QLatin1String("empty") || name == QLatin1String("emptyRect")) {
        out.name = name;
        out.valid = false;
        return true;
    }
    const TavixQResourceManagerImpl *set = styleLookupSet();
    const FillStyle *style = set ? set->findFillStyle(name) : nullptr;
    if (!style)
        return false;
    out = *style;
    out.valid = true;
    return true;
}

bool TavixQResourceManager::getTextStyle(const QString &name, TextStyleDesc &out)
{
    const TavixQResourceManagerImpl *set = styleLookupSet();
    const TextStyleDesc *style = set ? set->findTextStyle(name) : nullptr;
    if (!style)
        return false;
    out = *style;
    return true;
}

void TavixQResourceManager::setFillStyle(const QString &name, FillStyle &style)
{
    setFillStyle(switchToProjectRes ? projectRes : defaultRes, name, style);
}

void TavixQResourceManager::setTextStyle(const QString &name, TextStyleDesc &style)
{
    setTextStyle(switchToProjectRes ? projectRes : defaultRes, name, style);
}

void TavixQResourceManager::setFillStyle(TavixQResourceManagerImpl *set, const QString &name, FillStyle &style)
{
    if (set)
        set->putFillStyle(name, style);
}

void TavixQResourceManager::setTextStyle(TavixQResourceManagerImpl *set, const QString &name,
                                         TextStyleDesc &style)
{
    if (set)
        set->putTextStyle(name, style);
}

const QVector<FillStyle> &TavixQResourceManager::getFillStyles()
{
    return projectRes ? projectRes->fillStyles : defaultRes->fillStyles;
}

const QVector<TextStyleDesc> &TavixQResourceManager::getTextStyles()
{
    return projectRes ? projectRes->textStyles : defaultRes->textStyles;
}

bool TavixQResourceManager::readStyle(TavixQResourceManagerImpl *set, const Json::Value &styleArray)
{
    if (!set)
        return false;
    if (!styleArray.isArray() && !styleArray.isObject())
        return true;   // nothing to add
    for (auto it = styleArray.begin(); it != styleArray.end(); ++it) {
        const Json::Value &object = *it;
        switch (tavixStyleObjectType(object)) {
        case FillStyleObject: {
            const FillStyle style = tavixReadFillStyleObject(object, scaleFactor);
            set->putFillStyle(style.name, style);
            break;
        }
        case TextStyleObject: {
            const TextStyleDesc style = tavixReadTextStyleObject(object);
            set->putTextStyle(style.name, style);
            break;
        }
        default:
            break;
        }
    }
    return true;
}

bool TavixQResourceManager::writeStyle(TavixQResourceManagerImpl *set, Json::Value &out)
{
    // Appending to anything but an array (or null) would throw inside jsoncpp.
    if (!set || !(out.isNull() || out.isArray()))
        return false;
    if (out.isNull())
        out = Json::Value(Json::arrayValue);
    for (const FillStyle &style : qAsConst(set->fillStyles))
        out.append(tavixWriteFillStyleObject(style));
    for (const TextStyleDesc &style : qAsConst(set->textStyles))
        out.append(tavixWriteTextStyleObject(style));
    return true;
}

QString TavixQResourceManager::toProjectStyleString()
{
    Json::Value styles;   // stays null without a project set
    if (projectRes)
        writeStyle(projectRes, styles);
    Json::Value document(Json::objectValue);
    document["style"] = styles;
    return QString::fromStdString(tavixJsonStyled(document));
}

// ---- Raw resources, images and SVG ----

bool TavixQResourceManager::getResource(const QString &name, const char *&data, unsigned &size,
                                        ResSourceType &from)
{
    from = SourceDefault;
    QString normalized = name.toLower();
    normalized.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const std::string key = normalized.toUtf8().toStdString();

    const ResourceFile *file = nullptr;
    if (projectRes && (file = projectRes->findFile(key)))
        from = SourceProject;
    else if ((file = defaultRes->findFile(key)))
        from = SourceDefault;
    else if (themeRes && (file = themeRes->findFile(key)))
        from = SourceTheme;
    if (!file)
        return false;
    data = file->data;
    size = file->size;
    return true;
}

TavixQResourceManagerImpl *TavixQResourceManager::setOf(ResSourceType from) const
{
    return from == SourceTheme ? themeRes : from == SourceProject ? projectRes : defaultRes;
}

QImage *TavixQResourceManager::findCachedImage(const QString &name, bool gray) const
{
    for (const TavixQResourceManagerImpl *set : {defaultRes, projectRes, themeRes}) {
        if (set) {
            if (QImage *image = (gray ? set->grayImages : set->images).value(name))
                return image;
        }
    }
    return nullptr;
}

QImage *TavixQResourceManager::getImage(const QString &name, bool gray)
{
    // An image fill without an image asks on every paint; no file or cache entry has an empty name.
    if (name.isEmpty())
        return nullptr;
    if (QImage *cached = findCachedImage(name, gray))
        return cached;

    QImage image;
    const char *data = nullptr;
    unsigned size = 0;
    ResSourceType from = SourceDefault;
    bool decoded = getResource(name, data, size, from) && size <= unsigned(INT_MAX)
        && decodeImage(QByteArray::fromRawData(data, int(size)), QString(), this, image);
    if (!decoded) {
        from = SourceDefault;   // images read from disk are cached in the default set
        const QString path = firstExistingFile(diskCandidates(defaultRes->dirPath, name));
        decoded = !path.isEmpty() && decodeImage(QByteArray(), path, this, image);
    }
    // The gray variant of an image that exists only in a cache (the built-in ones have no file) is made
    // from the cached one, which is already at its final size.
    bool cachedSource = false;
    if (!decoded && gray) {
        const std::pair<TavixQResourceManagerImpl *, ResSourceType> sets[] = {
            {defaultRes, SourceDefault}, {projectRes, SourceProject}, {themeRes, SourceTheme}};
        for (const auto &set : sets) {
            if (const QImage *plain = set.first ? set.first->images.value(name) : nullptr) {
                image = *plain;
                from = set.second;
                decoded = cachedSource = true;
                break;
            }
        }
    }
    if (!decoded)
        return nullptr;

    if (scaleFactor < 1.0f && !cachedSource) {
        image = image.scaled(int(image.width() * scaleFactor), int(image.height() * scaleFactor),
                             Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }

    TavixQResourceManagerImpl *target = setOf(from);
    if (image.width() == 0) {
        // Not cached as an image, yet owned by the set so that repeated requests cannot leak. Its gray
        // variant is the same empty image.
        if (QImage *empty = target->emptyImages.value(name))
            return empty;
        QImage *empty = new QImage(image);
        target->emptyImages.insert(name, empty);
        return empty;
    }

    if (gray) {
        // The disabled rendering needs the platform style and so a GUI application.
        if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
            return nullptr;
        const QIcon icon(QPixmap::fromImage(image));
        image = icon.pixmap(image.size(), QIcon::Disabled, QIcon::Off).toImage();
    }

    QImage *&slot = (gray ? target->grayImages : target->images)[name];
    delete slot;
    slot = new QImage(image);
    return slot;
}

QSvgRenderer *TavixQResourceManager::getSvgRenderer(const QString &name)
{
    for (const TavixQResourceManagerImpl *set : {defaultRes, projectRes, themeRes}) {
        if (set) {
            if (QSvgRenderer *cached = set->svgRenderers.value(name))
                return cached;
        }
    }

    auto *renderer = new QSvgRenderer;
    const char *data = nullptr;
    unsigned size = 0;
    ResSourceType from = SourceDefault;
    bool loaded = getResource(name, data, size, from) && size <= unsigned(INT_MAX)
        && renderer->load(QByteArray(data, int(size))) && renderer->isValid();
    if (!loaded) {
        from = SourceDefault;
        const QString path = firstExistingFile(diskCandidates(defaultRes->dirPath, name));
        loaded = !path.isEmpty() && renderer->load(path) && renderer->isValid();
    }
    if (!loaded) {
        delete renderer;
        return nullptr;
    }

    TavixQResourceManagerImpl *target = setOf(from);
    QSvgRenderer *&slot = target->svgRenderers[name];
    delete slot;
    slot = renderer;
    return renderer;
}

const Json::Value *TavixQResourceManager::getThemeJsonValue(const char *name)
{
    if (!themeRes || !name || themeRes->themeRoot.isNull())
        return nullptr;
    const auto it = themeRes->themeNodes.find(name);
    return it == themeRes->themeNodes.end() ? nullptr : it->second;
}

QString TavixQResourceManager::getThemePath() const
{
    if (!themeRes)
        return QString();
    return themeRes->filePath.isEmpty() ? themeRes->dirPath : themeRes->filePath;
}

QString TavixQResourceManager::getSkinDirPath() const
{
    return defaultRes->dirPath;
}

QString TavixQResourceManager::getFileSkinPath() const
{
    return defaultRes->filePath;
}

// ---- Built-ins and fonts ----

void TavixQResourceManager::initFontRes(bool fromDir)
{
    auto record = [this](int id) {
        if (id < 0)
            return;
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty())
            defaultRes->fonts.insert(families.first(), id);
    };
    if (fromDir) {
        if (defaultRes->dirPath.isEmpty())
            return;   // would otherwise list a "fonts" folder at the file system root
        const QFileInfoList entries =
            QDir(defaultRes->dirPath + QLatin1String("/fonts/")).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
        for (const QFileInfo &entry : entries) {
            if (entry.isFile())
                record(QFontDatabase::addApplicationFont(entry.filePath()));
        }
        return;
    }
    for (const auto &entry : defaultRes->files) {
        if (entry.first.size() >= 5 && entry.first.find("fonts") != std::string::npos && entry.second
            && entry.second->size <= unsigned(INT_MAX)) {
            record(QFontDatabase::addApplicationFontFromData(
                QByteArray(entry.second->data, int(entry.second->size))));
        }
    }
}

void TavixQResourceManager::initDefaultImageRes()
{
    for (const char *key : kBuiltInImages) {
        QImage image;
        drawBuiltInImage(QLatin1String(key), 1.0, image);
        QImage *&slot = defaultRes->images[QLatin1String(key)];
        delete slot;
        slot = new QImage(image);
    }
}

QImage *TavixQResourceManager::getImageForRatio(const QString &name, bool gray, qreal ratio)
{
    if (!(ratio > 1.0) || name.isEmpty())
        return getImage(name, gray);
    ratio = std::min(ratio, kMaxImageRatio);
    const QString key = name + QLatin1Char('\n') + QString::number(qRound(ratio * 100)) + (gray ? "g" : "");
    for (const TavixQResourceManagerImpl *set : {defaultRes, projectRes, themeRes}) {
        if (set) {
            if (QImage *cached = set->ratioImages.value(key))
                return cached;
        }
    }

    QImage image;
    TavixQResourceManagerImpl *target = nullptr;
    if (drawBuiltInImage(name, ratio, image)) {
        target = defaultRes;
        if (gray)
            image = tavixDisabledImage(image);
    } else {
        // Qt's convention: "name@2x.png" beside "name.png", the highest N not above ceil(ratio) first.
        const QImage *variant = nullptr;
        int n = std::min(qCeil(ratio), 9);
        for (; n > 1; --n) {
            variant = getImage(atNxName(name, n), gray);
            if (variant && !variant->isNull())
                break;
        }
        if (n > 1) {
            image = *variant;
            image.setDevicePixelRatio(n);
            target = setHoldingImage(variant, gray);
        } else {
            // Remembered, so that a theme without variants is not searched for them on every paint.
            QImage *plain = getImage(name, gray);
            if (!plain || plain->isNull())
                return plain;
            image = *plain;
            target = setHoldingImage(plain, gray);
        }
    }
    if (!target || image.isNull())
        return getImage(name, gray);
    QImage *&slot = target->ratioImages[key];
    delete slot;
    slot = new QImage(image);
    return slot;
}

TavixQResourceManagerImpl *TavixQResourceManager::setHoldingImage(const QImage *image, bool gray) const
{
    for (TavixQResourceManagerImpl *set : {defaultRes, projectRes, themeRes}) {
        if (set && std::find((gray ? set->grayImages : set->images).cbegin(),
                             (gray ? set->grayImages : set->images).cend(), image)
                       != (gray ? set->grayImages : set->images).cend())
            return set;
    }
    return nullptr;
}

void TavixQResourceManager::initDefaultStyleRes()
{
    QFile file(QString::fromLatin1(kDefaultStyleResource));
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    Json::Value root;
    if (bytes.isEmpty() || !tavixParseJson(bytes, root))
        return;
    if (const Json::Value *styles = tavixJsonMember(root, "style"))
        readStyle(defaultRes, *styles);
}

// ---- Languages ----

bool TavixQResourceManager::readLanguage(const QByteArray &bytes)
{
    // UTF-16 taken two bytes at a time, an odd last byte dropped. Little-endian unless a byte-order mark
    // says otherwise; the mark itself is not text.
    const auto *raw = reinterpret_cast<const uchar *>(bytes.constData());
    const int size = bytes.size();
    const bool bigEndian = size >= 2 && raw[0] == 0xFE && raw[1] == 0xFF;
    const int start = (bigEndian || (size >= 2 && raw[0] == 0xFF && raw[1] == 0xFE)) ? 2 : 0;
    const int units = (size - start) / 2;
    QString text(units, Qt::Uninitialized);
    QChar *out = text.data();
    for (int i = 0; i < units; ++i) {
        const uchar first = raw[start + 2 * i], second = raw[start + 2 * i + 1];
        out[i] = QChar(bigEndian ? ushort((first << 8) | second) : ushort(first | (second << 8)));
    }

    const QStringList lines = text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    if (lines.size() < 2)
        return false;
    const QStringList header = lines.first().split(QLatin1Char('\t'), Qt::SkipEmptyParts);
    if (header.size() < 2 || header.first() != QLatin1String("Language"))
        return false;

    // Nothing lives outside the tables to bound them, so what a file adds is weighed against the budget
    // before anything is stored; a text replacing one already held costs only the difference.
    const auto entryCost = [](const QString &key, const QString &text) {
        return kLanguageEntryOverhead + 2 * (qint64(key.size()) + text.size());
    };
    qint64 added = 0;
    for (int c = 1; c < header.size(); ++c) {
        if (!languages.contains(header.at(c)))
            added += entryCost(header.at(c), QString());
    }
    QVector<QStringList> rows;
    rows.reserve(lines.size() - 1);
    for (int l = 1; l < lines.size(); ++l) {
        QStringList cells = lines.at(l).split(QLatin1Char('\t'), Qt::SkipEmptyParts);
        if (cells.size() < 2)
            continue;
        const int count = qMin(cells.size(), header.size());   // cells past the last language are dropped
        for (int c = 1; c < count; ++c) {
            const auto table = languages.constFind(header.at(c));
            const QString *held = nullptr;
            if (table != languages.constEnd()) {
                const auto it = table->constFind(cells.first());
                held = it != table->constEnd() ? &it.value() : nullptr;
            }
            added += held ? 2 * (qint64(cells.at(c).size()) - held->size()) : entryCost(cells.first(), cells.at(c));
        }
        rows.append(std::move(cells));
    }
    if (languageBytes + added > resourceBudget)
        return false;
    languageBytes = std::max<qint64>(0, languageBytes + added);

    // QMap nodes keep their address while the map is not copied, so the columns can be held directly.
    QVector<QMap<QString, QString> *> columns(header.size(), nullptr);
    for (int c = 1; c < header.size(); ++c)
        columns[c] = &languages[header.at(c)];
    if (!currentLanguage) {
        currentLanguage = columns[1];
        currentLanguageName = header.at(1);
    }
    for (const QStringList &cells : qAsConst(rows)) {
        const int count = qMin(cells.size(), header.size());
        for (int c = 1; c < count; ++c)
            columns[c]->insert(cells.first(), cells.at(c));
    }
    return true;
}

void TavixQResourceManager::clearLanguages()
{
    currentLanguage = nullptr;
    currentLanguageName.clear();
    languages.clear();
    languageBytes = 0;
}

QString TavixQResourceManager::getString(const QString &key) const
{
    return currentLanguage ? currentLanguage->value(key) : QString();
}

QStringList TavixQResourceManager::getLanguageList() const
{
    return languages.keys();
}

QString TavixQResourceManager::getCurrentLanguage() const
{
    return currentLanguage ? currentLanguageName : QString();
}

bool TavixQResourceManager::setCurrentLanguage(const QString &name)
{
    const auto it = languages.constFind(name);
    if (it == languages.constEnd())
        return false;
    currentLanguage = &it.value();
    currentLanguageName = name;
    for (const QPointer<QWidget> &window : windowSnapshot(windows)) {
        if (window)
            notifyChangeLanguage(window);
    }
    return true;
}

// ---- Windows and notifications ----

bool TavixQResourceManager::registerWindow(ITavixWindow *window)
{
    if (!window)
        return false;
    windows.insert(window, window->getWindowWidget());
    return true;
}

bool TavixQResourceManager::unregisterWindow(ITavixWindow *window)
{
    if (!window)
        return false;
    windows.remove(window);
    return true;
}

bool TavixQResourceManager::registerDesignerWindow(ITavixWindow *window)
{
    if (!window)
        return false;
    designerWindows.insert(window, window->getWindowWidget());
    return true;
}

bool TavixQResourceManager::unregisterDesignerWindow(ITavixWindow *window)
{
    if (!window)
        return false;
    designerWindows.remove(window);
    return true;
}

bool TavixQResourceManager::themeChange()
{
    const QVector<QPointer<QWidget>> plain = windowSnapshot(windows);
    const QVector<QPointer<QWidget>> designed = windowSnapshot(designerWindows);
    for (const auto *list : {&plain, &designed}) {
        for (const QPointer<QWidget> &window : *list) {
            if (window)
                notifyThemeChange(window);
        }
    }
    return true;
}

void TavixQResourceManager::notifyThemeChange(QWidget *window)
{
    forEachControlBelow(window, [](ITavixQWidgetBase *control) {
        if (TavixQWidgetBase *base = control->getControlBase())
            base->refreshTheme();
    });
}

// Walks through plain widgets too, like the theme walk: controls inside a scroll view sit below its
// plain viewport and content widgets.
void TavixQResourceManager::notifyChangeLanguage(QWidget *window)
{
    forEachControlBelow(window, [](ITavixQWidgetBase *control) { control->notifyChangeLanguage(); });
}

// ---- Global settings ----

const TavixGlobalConfig &TavixQResourceManager::getGlobalConfig() const
{
    return globalConfig;
}

void TavixQResourceManager::setGlobalConfig(const TavixGlobalConfig &config)
{
    globalConfig.fontFamily = config.fontFamily;
    globalConfig.buttonFadeEnabled = config.buttonFadeEnabled;
    globalConfig.buttonFadeDuration = config.buttonFadeDuration < 1 ? kDefaultFadeDuration
                                                                    : config.buttonFadeDuration;
    if (!globalConfig.fontFamily.isEmpty()) {
        QFont font = QApplication::font();
        font.setFamily(globalConfig.fontFamily);
        tavixSetApplicationFont(font);
    }
    themeChange();   // the same walk over every window and designer window
}

QString TavixQResourceManager::getGlobalFontFamily() const
{
    return globalConfig.fontFamily;
}

void TavixQResourceManager::setGlobalFontFamily(const QString &family)
{
    TavixGlobalConfig config = globalConfig;
    config.fontFamily = family;
    setGlobalConfig(config);
}

bool TavixQResourceManager::getButtonFadeEnabled() const
{
    return globalConfig.buttonFadeEnabled;
}

int TavixQResourceManager::getButtonFadeDuration() const
{
    return globalConfig.buttonFadeDuration > 0 ? globalConfig.buttonFadeDuration : kDefaultFadeDuration;
}

// ---- Flags and sets ----

float TavixQResourceManager::getScaleFactor() const { return scaleFactor; }
void TavixQResourceManager::setScaleFactor(float factor) { scaleFactor = factor; }
bool TavixQResourceManager::isCreatedByFile() const { return createdByFile; }
void TavixQResourceManager::setCreatedByFile(bool value) { createdByFile = value; }
bool TavixQResourceManager::isDesigner() const { return designer; }
void TavixQResourceManager::setIsDesigner(bool value) { designer = value; }
bool TavixQResourceManager::isLoadFromThemeRes() const { return switchToThemeRes; }
void TavixQResourceManager::setSwitchToThemeRes(bool value) { switchToThemeRes = value; }
bool TavixQResourceManager::isProjectRes() const { return switchToProjectRes; }
void TavixQResourceManager::setSwitchToProjectRes(bool value) { switchToProjectRes = value; }
TavixQResourceManagerImpl *TavixQResourceManager::getDefaultManagerImpl() const { return defaultRes; }
TavixQResourceManagerImpl *TavixQResourceManager::getProjectManagerImpl() const { return projectRes; }
TavixQResourceManagerImpl *TavixQResourceManager::getThemeManagerIml() const { return themeRes; }

void TavixQResourceManager::releaseRes()
{
    defaultRes->clearCaches(true);
    tavixReleasePageDocuments();
}

} // namespace TavixQtLib
