#include "resources/TavixQResourceManagerImpl.h"

#include <QSvgRenderer>

#include <algorithm>
#include <cstring>

namespace TavixQtLib {

ResourceFile::ResourceFile(const QByteArray &bytes)
    : size(unsigned(bytes.size()))
{
    // One byte even for an empty file, so that data is never null for a record that exists.
    data = new char[size ? size : 1];
    if (size)
        std::memcpy(data, bytes.constData(), size);
}

ResourceFile::~ResourceFile()
{
    delete[] data;
}

TavixQResourceManagerImpl::~TavixQResourceManagerImpl()
{
    // Application fonts stay registered: the font database may already be gone at process exit.
    clearCaches(false);
    for (auto &entry : files)
        delete entry.second;
    for (ResourceFile *file : styleFiles)
        delete file;
}

void TavixQResourceManagerImpl::putFillStyle(const QString &name, const FillStyle &given)
{
    // Stored under its key: the style file writes the record's own name, which is what reads it back.
    FillStyle style = given;
    style.name = name;
    const auto it = fillStyleIndex.constFind(name);
    if (it != fillStyleIndex.constEnd() && it.value() >= 0 && it.value() < fillStyles.size()) {
        fillStyles[it.value()] = style;
        return;
    }
    fillStyles.append(style);
    fillStyleIndex.insert(name, fillStyles.size() - 1);
}

void TavixQResourceManagerImpl::putTextStyle(const QString &name, const TextStyleDesc &given)
{
    // Stored under its key: the style file writes the record's own name, which is what reads it back.
    TextStyleDesc style = given;
    style.name = name;
    const auto it = textStyleIndex.constFind(name);
    if (it != textStyleIndex.constEnd() && it.value() >= 0 && it.value() < textStyles.size()) {
        textStyles[it.value()] = style;
        return;
    }
    textStyles.append(style);
    textStyleIndex.insert(name, textStyles.size() - 1);
}

const FillStyle *TavixQResourceManagerImpl::findFillStyle(const QString &name) const
{
    const auto it = fillStyleIndex.constFind(name);
    if (it == fillStyleIndex.constEnd() || it.value() < 0 || it.value() >= fillStyles.size())
        return nullptr;
    return &fillStyles.at(it.value());
}

const TextStyleDesc *TavixQResourceManagerImpl::findTextStyle(const QString &name) const
{
    const auto it = textStyleIndex.constFind(name);
    if (it == textStyleIndex.constEnd() || it.value() < 0 || it.value() >= textStyles.size())
        return nullptr;
    return &textStyles.at(it.value());
}

void TavixQResourceManagerImpl::addFile(const std::string &key, ResourceFile *file)
{
    if (!file)
        return;
    if (!files.emplace(key, file).second)
        delete file;
}

const ResourceFile *TavixQResourceManagerImpl::findFile(const std::string &key) const
{
    const auto it = files.find(key);
    return it == files.end() ? nullptr : it->second;
}

qint64 TavixQResourceManagerImpl::remainingBudget() const
{
    return std::max<qint64>(budget - bytesTaken, 0);
}

bool TavixQResourceManagerImpl::charge(qint64 bytes)
{
    if (bytes < 0 || bytes > remainingBudget())
        return false;
    bytesTaken += bytes;
    return true;
}

void TavixQResourceManagerImpl::clearCaches(bool keepBuiltIns)
{
    for (QMap<QString, QImage *> *cache : {&images, &grayImages}) {
        for (auto it = cache->begin(); it != cache->end();) {
            if (keepBuiltIns && it.key().contains(QLatin1String("IDB_"))) {
                ++it;
                continue;
            }
            delete it.value();
            it = cache->erase(it);
        }
    }
    qDeleteAll(emptyImages);
    emptyImages.clear();
    // Built-in ones among them are drawn again on demand.
    qDeleteAll(ratioImages);
    ratioImages.clear();
    qDeleteAll(svgRenderers);
    svgRenderers.clear();
    fillStyles.clear();
    textStyles.clear();
    fillStyleIndex.clear();
    textStyleIndex.clear();
}

} // namespace TavixQtLib
