#include "core/TavixPageDocument.h"

#include "core/TavixJson.h"

#include <QFile>

#include <json/value.h>

namespace TavixQtLib {

// Reads the path as given; the resource sets and the default directory are searched by the full reader.
bool tavixReadPageDocument(const QString &fileName, Json::Value &root)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    if (size <= 0 || quint64(size) > tavixMaxJsonDocumentSize())
        return false;
    return tavixParseJson(file.readAll(), root);
}

} // namespace TavixQtLib
