#include "core/TavixJson.h"
#include "core/TavixJson_p.h"

#include <json/reader.h>
#include <json/writer.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <memory>
#include <sstream>
#include <string_view>
#include <utility>

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

namespace {

// Reads the plain documents that pages, themes and styles are made of with less work than the library's
// reader (no tokens, no intermediate strings, shared key names) and builds the very tree that reader
// builds. It knows only what is certain to be read alike: an object or array root, JSON whitespace,
// strings with the standard escapes, integers of up to nine digits, true, false and null. Anything else
// (comments, reals, large or zero-led numbers, control bytes, lone or paired surrogates, \u0000, empty or
// repeated keys, trailing commas or text, a byte order mark, deep nesting) makes it give up, and the
// library reads the whole text: a refusal is always the library's.
class PlainReader
{
public:
    PlainReader(const char *begin, const char *end) : p(begin), end(end) {}

    bool read(Json::Value &root)
    {
        skipSpace();
        if (p == end || (*p != '{' && *p != '['))
            return false;
        if (!value(root, 0))
            return false;
        skipSpace();
        return p == end;
    }

private:
    // Well inside the library's own limit, so that nothing read here would be refused there.
    static constexpr int kMaxDepth = 128;

    const char *p;
    const char *const end;
    std::string key;      // reused for every member name
    std::string decoded;  // reused for string values with escapes

    void skipSpace()
    {
        while (p != end && (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n'))
            ++p;
    }

    bool value(Json::Value &out, int depth)
    {
        if (p == end)
            return false;
        switch (*p) {
        case '{':
            return object(out, depth + 1);
        case '[':
            return array(out, depth + 1);
        case '"':
            return string(out);
        case 't':
            return literal("true", 4, out, Json::Value(true));
        case 'f':
            return literal("false", 5, out, Json::Value(false));
        case 'n':
            return literal("null", 4, out, Json::Value());
        default:
            return number(out);
        }
    }

    bool literal(const char *word, ptrdiff_t length, Json::Value &out, Json::Value v)
    {
        if (end - p < length || std::memcmp(p, word, size_t(length)) != 0)
            return false;
        p += length;
        out = std::move(v);
        return true;
    }

    bool number(Json::Value &out)
    {
        const bool negative = *p == '-';
        const char *digits = negative ? p + 1 : p;
        const char *q = digits;
        int magnitude = 0;
        while (q != end && *q >= '0' && *q <= '9') {
            if (q - digits == 9)   // ten digits or more may not fit an int
                return false;
            magnitude = magnitude * 10 + (*q - '0');
            ++q;
        }
        const ptrdiff_t count = q - digits;
        if (count == 0 || (*digits == '0' && count > 1))
            return false;
        if (q != end && (*q == '.' || *q == 'e' || *q == 'E' || (*q >= '0' && *q <= '9')))
            return false;
        p = q;
        out = Json::Value(negative ? -magnitude : magnitude);
        return true;
    }

    // The member names every page, theme and style document repeats. A member named by one of these
    // literals keeps the literal as its key (the library's static-string keys) instead of a copy of its
    // own; the tree reads, compares, copies and writes exactly the same.
    static const char *knownKey(const std::string &name)
    {
        static constexpr std::string_view kKeys[] = {
            "type", "name", "x", "y", "w", "h", "attr", "text", "child", "style", "theme", "layout",
            "ratio", "tooltip", "visibility", "enable", "elements", "color", "image", "font", "size",
            "widthPolicy", "heightPolicy", "absoluteLayout"};
        for (const std::string_view candidate : kKeys) {
            if (name == candidate)
                return candidate.data();   // a literal: terminated, and static
        }
        return nullptr;
    }

    // Reads a string at p (the opening quote) into text, or leaves it to the library.
    bool text(std::string &out)
    {
        out.clear();
        const char *run = ++p;
        while (p != end) {
            const unsigned char c = static_cast<unsigned char>(*p);
            if (c == '"') {
                out.append(run, size_t(p - run));
                ++p;
                return true;
            }
            if (c < 0x20)
                return false;
            if (c != '\\') {
                ++p;
                continue;
            }
            out.append(run, size_t(p - run));
            if (end - p < 2)
                return false;
            const char escape = p[1];
            p += 2;
            switch (escape) {
            case '"': out += '"'; break;
            case '/': out += '/'; break;
            case '\\': out += '\\'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': {
                if (end - p < 4)
                    return false;
                unsigned code = 0;
                for (int i = 0; i < 4; ++i) {
                    const int digit = tavixHexDigit(p[i]);
                    if (digit < 0)
                        return false;
                    code = code * 16 + unsigned(digit);
                }
                p += 4;
                if (code == 0 || (code >= 0xD800 && code <= 0xDFFF))
                    return false;
                if (code < 0x80) {
                    out += char(code);
                } else if (code < 0x800) {
                    out += char(0xC0 | (code >> 6));
                    out += char(0x80 | (code & 0x3F));
                } else {
                    out += char(0xE0 | (code >> 12));
                    out += char(0x80 | ((code >> 6) & 0x3F));
                    out += char(0x80 | (code & 0x3F));
                }
                break;
            }
            default:
                return false;
            }
            run = p;
        }
        return false;
    }

    bool string(Json::Value &out)
    {
        // The common case, no escape: the value is made straight from the text.
        const char *begin = p + 1;
        for (const char *q = begin; q != end; ++q) {
            const unsigned char c = static_cast<unsigned char>(*q);
            if (c == '"') {
                out = Json::Value(begin, q);
                p = q + 1;
                return true;
            }
            if (c == '\\' || c < 0x20)
                break;
        }
        if (!text(decoded))
            return false;
        out = Json::Value(decoded.data(), decoded.data() + decoded.size());
        return true;
    }

    bool object(Json::Value &out, int depth)
    {
        if (depth > kMaxDepth)
            return false;
        ++p;
        out = Json::Value(Json::objectValue);
        skipSpace();
        if (p != end && *p == '}') {
            ++p;
            return true;
        }
        for (;;) {
            if (p == end || *p != '"' || !text(key) || key.empty())
                return false;
            skipSpace();
            if (p == end || *p != ':')
                return false;
            ++p;
            skipSpace();
            const Json::ArrayIndex before = out.size();
            const char *known = knownKey(key);
            Json::Value &member = known ? out[Json::StaticString(known)] : out[key];
            if (out.size() == before)   // a repeated key
                return false;
            bool closed = false;
            if (!value(member, depth) || !separator('}', closed))
                return false;
            if (closed)
                return true;
        }
    }

    bool array(Json::Value &out, int depth)
    {
        if (depth > kMaxDepth)
            return false;
        ++p;
        out = Json::Value(Json::arrayValue);
        skipSpace();
        if (p != end && *p == ']') {
            ++p;
            return true;
        }
        for (;;) {
            bool closed = false;
            if (!value(out.append(Json::Value()), depth) || !separator(']', closed))
                return false;
            if (closed)
                return true;
        }
    }

    // After a member or an element: past the closing character (closed set) or past a comma and the space
    // after it; false on anything else.
    bool separator(char close, bool &closed)
    {
        skipSpace();
        if (p == end || (*p != close && *p != ','))
            return false;
        closed = *p++ == close;
        if (!closed)
            skipSpace();
        return true;
    }
};

} // namespace

bool tavixParseJsonByLibrary(const char *data, size_t size, Json::Value &out)
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

bool tavixParseJson(const char *data, size_t size, Json::Value &out)
{
    if (!data || size == 0 || size > maxJsonDocumentSize)
        return false;
    try {
        Json::Value parsed;
        if (PlainReader(data, data + size).read(parsed)) {
            out.swap(parsed);
            return true;
        }
    } catch (...) {   // out of memory: the library's reader has the last word
    }
    return tavixParseJsonByLibrary(data, size, out);
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
