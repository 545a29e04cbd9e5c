#pragma once

#include "resources/FillStyle.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <json/value.h>

#include <QImage>
#include <QMap>
#include <QString>
#include <QVector>

#include <map>
#include <string>
#include <vector>

class QSvgRenderer;

namespace TavixQtLib {

// The whole content of one loaded file; handed to readers by length, never as a C string.
struct TAVIXQTLIB_EXPORT ResourceFile
{
    ResourceFile() = default;
    explicit ResourceFile(const QByteArray &bytes);
    ~ResourceFile();
    ResourceFile(const ResourceFile &) = delete;
    ResourceFile &operator=(const ResourceFile &) = delete;

    char *data = nullptr;   // owned
    unsigned size = 0;
};

// One resource set (default/skin, project or theme). Owns everything it holds.
class TAVIXQTLIB_EXPORT TavixQResourceManagerImpl
{
public:
    TavixQResourceManagerImpl() = default;
    ~TavixQResourceManagerImpl();
    TavixQResourceManagerImpl(const TavixQResourceManagerImpl &) = delete;
    TavixQResourceManagerImpl &operator=(const TavixQResourceManagerImpl &) = delete;

    // Adds or replaces by name; a replaced record keeps its position.
    void putFillStyle(const QString &name, const FillStyle &style);
    void putTextStyle(const QString &name, const TextStyleDesc &style);
    const FillStyle *findFillStyle(const QString &name) const;
    const TextStyleDesc *findTextStyle(const QString &name) const;
    // Inserts under key unless present (the first record wins); takes ownership either way.
    void addFile(const std::string &key, ResourceFile *file);
    const ResourceFile *findFile(const std::string &key) const;
    // Bytes this set may still take in from files; never negative.
    qint64 remainingBudget() const;
    // Counts bytes against the budget; false, and nothing counted, when they do not fit.
    bool charge(qint64 bytes);
    // Deletes cached images and gray variants (except keys containing "IDB_" when keepBuiltIns),
    // renderers and styles.
    void clearCaches(bool keepBuiltIns);

    Json::Value themeRoot;                  // parsed theme.json; null when absent
    int styleFileCount = 0;
    std::map<std::string, ResourceFile *> files;        // lower-cased relative name
    std::map<std::string, const Json::Value *> themeNodes;   // points into themeRoot
    std::vector<ResourceFile *> styleFiles; // every style.json met; the last one is used
    QString dirPath;
    QString filePath;
    bool loaded = false;                    // the last load into this set succeeded
    qint64 budget = 0;                      // total bytes the set may take in from files
    qint64 bytesTaken = 0;                  // bytes counted so far
    QMap<QString, QImage *> images;         // key = requested name
    // Gray variants by requested name, apart from images so that no file name can meet one.
    QMap<QString, QImage *> grayImages;
    // Images of width 0 that getImage hands out uncached; kept here so that they are freed with the set.
    QMap<QString, QImage *> emptyImages;
    // Pictures for a device pixel ratio above 1 (getImageForRatio), keyed by name, ratio and gray.
    QMap<QString, QImage *> ratioImages;
    QMap<QString, QSvgRenderer *> svgRenderers;
    QVector<FillStyle> fillStyles;          // insertion order
    QVector<TextStyleDesc> textStyles;
    QMap<QString, int> fonts;               // family -> application font id
    QMap<QString, int> fillStyleIndex;      // name -> position in fillStyles
    QMap<QString, int> textStyleIndex;
};

} // namespace TavixQtLib
