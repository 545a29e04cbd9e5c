#include "core/TavixJson.h"

#include <json/reader.h>
#include <json/writer.h>

#include <climits>
#include <cmath>
#include <memory>
#include <sstream>

namespace TavixQtLib {

namespace {
constexpr int kMaxJsonDepth = 256;   // deeper documents would overflow jsoncpp's recursive reader
constexpr size_t kDefaultMaxJsonDocumentSize = size_t(16) * 1024 * 1024;
size_t maxJsonDocumentSize = kDefaultMaxJsonDocumentSize;   // GUI thread only, like every setting of the kit
}

void tavixSetMaxJsonDocumentSize(size_t bytes)
{
    maxJsonDocumentSize = bytes ? bytes : kDefaultMaxJsonDocumentSize;
}

size_t tavixMaxJsonDocumentSize()
{
    return maxJsonDocumentSize;
}

bool tavixParseJson(const char *data, size_t size, Json::Value &out)
{
    if (!data || size == 0 || size > maxJsonDocumentSize)
        return false;
    Json::CharReaderBuilder builder;
    builder["allowComments"] = true;
    builder["stackLimit"] = kMaxJsonDepth;
    builder["collectComments"] = false;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value parsed;
    std::string errors;
    bool ok = false;
    try {
        ok = reader->parse(data, data + size, &parsed, &errors);
    } catch (...) {   // jsoncpp throws past its stack limit
        ok = false;
    }
    if (!ok)
        return false;
    out.swap(parsed);
    return true;
}

bool tavixParseJson(const QByteArray &data, Json::Value &out)
{
    return tavixParseJson(data.constData(), size_t(data.size()), out);
}

const Json::Value *tavixJsonMember(const Json::Value &node, const char *key)
{
    if (!key || !node.isObject())
        return nullptr;
    return node.find(key, key + std::char_traits<char>::length(key));
}

bool tavixJsonHas(const Json::Value &node, const char *key)
{
    return tavixJsonMember(node, key) != nullptr;
}

bool tavixJsonToBool(const Json::Value &value, bool &out)
{
    if (!value.isNull() && !value.isBool() && !value.isNumeric())
        return false;
    out = value.asBool();
    return true;
}

bool tavixJsonToInt(const Json::Value &value, int &out)
{
    switch (value.type()) {
    case Json::nullValue:
    case Json::booleanValue:
        out = value.asBool() ? 1 : 0;
        return true;
    case Json::intValue:
    case Json::uintValue:
        if (!value.isInt())
            return false;
        out = value.asInt();
        return true;
    case Json::realValue: {
        const double real = value.asDouble();
        if (!(real >= double(INT_MIN) && real <= double(INT_MAX)))   // also rejects NaN
            return false;
        out = int(real);
        return true;
    }
    default:
        return false;
    }
}

bool tavixJsonToUInt(const Json::Value &value, unsigned &out)
{
    switch (value.type()) {
    case Json::nullValue:
    case Json::booleanValue:
        out = value.asBool() ? 1u : 0u;
        return true;
    case Json::intValue:
    case Json::uintValue:
        if (!value.isUInt())
            return false;
        out = value.asUInt();
        return true;
    case Json::realValue: {
        const double real = value.asDouble();
        if (!(real >= 0.0 && real <= double(UINT_MAX)))
            return false;
        out = unsigned(real);
        return true;
    }
    default:
        return false;
    }
}

bool tavixJsonToDouble(const Json::Value &value, double &out)
{
    if (!value.isNull() && !value.isBool() && !value.isNumeric())
        return false;
    out = value.asDouble();
    return true;
}

bool tavixJsonToStdString(const Json::Value &value, std::string &out)
{
    if (value.isArray() || value.isObject())
        return false;
    out = value.asString();   // "", "true"/"false" or the number's text for other scalars
    return true;
}

bool tavixJsonToString(const Json::Value &value, QString &out)
{
    if (value.isString()) {
        const char *begin = nullptr;
        const char *end = nullptr;
        value.getString(&begin, &end);
        out = begin ? QString::fromUtf8(begin, int(end - begin)) : QString();
        return true;
    }
    std::string text;
    if (!tavixJsonToStdString(value, text))
        return false;
    out = QString::fromStdString(text);
    return true;
}

bool tavixReadBool(const Json::Value &node, const char *key, bool &out)
{
    const Json::Value *v = tavixJsonMember(node, key);
    return v && tavixJsonToBool(*v, out);
}

bool tavixReadInt(const Json::Value &node, const char *key, int &out)
{
    const Json::Value *v = tavixJsonMember(node, key);
    return v && tavixJsonToInt(*v, out);
}

bool tavixReadUInt(const Json::Value &node, const char *key, unsigned &out)
{
    const Json::Value *v = tavixJsonMember(node, key);
    return v && tavixJsonToUInt(*v, out);
}

bool tavixReadDouble(const Json::Value &node, const char *key, double &out)
{
    const Json::Value *v = tavixJsonMember(node, key);
    return v && tavixJsonToDouble(*v, out);
}

bool tavixReadString(const Json::Value &node, const char *key, QString &out)
{
    const Json::Value *v = tavixJsonMember(node, key);
    return v && tavixJsonToString(*v, out);
}

bool tavixReadStdString(const Json::Value &node, const char *key, std::string &out)
{
    const Json::Value *v = tavixJsonMember(node, key);
    return v && tavixJsonToStdString(*v, out);
}

const Json::Value *tavixJsonAt(const Json::Value &array, Json::ArrayIndex i)
{
    if (!array.isArray() || i >= array.size())
        return nullptr;
    return &array[i];
}

Json::Value tavixJsonString(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    return Json::Value(utf8.constData(), utf8.constData() + utf8.size());
}

std::string tavixJsonStyled(const Json::Value &value)
{
    // The classic styled layout (indentation 3, short arrays on one line within a right margin of 74).
    // The stream writers lay arrays out differently, so the older writer stays despite its deprecation.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    Json::StyledWriter writer;
    return writer.write(value);
#pragma GCC diagnostic pop
}

std::string tavixJsonCompact(const Json::Value &value)
{
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    builder["emitUTF8"] = true;
    return Json::writeString(builder, value);
}

} // namespace TavixQtLib
