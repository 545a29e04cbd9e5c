#pragma once

// Safe JSON access. jsoncpp throws on type mismatches (asInt() on a string, isMember() on an array);
// the kit lets no exception out, so every read goes through these helpers: a value is converted where
// jsoncpp would convert it, and a key that cannot be converted reads as absent (output left untouched).

#include "tavixqtlib_export.h"

#include <json/value.h>

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <string>

namespace TavixQtLib {

// Parses a whole document (comments allowed, nesting limited to 256 levels, at most
// tavixMaxJsonDocumentSize() bytes). On failure returns false and leaves out untouched.
TAVIXQTLIB_EXPORT bool tavixParseJson(const char *data, size_t size, Json::Value &out);
TAVIXQTLIB_EXPORT bool tavixParseJson(const QByteArray &data, Json::Value &out);
// The same parse done by the JSON library's own reader alone, with the same settings and limits.
// tavixParseJson reads plain documents itself and hands everything else to this one, so both accept,
// refuse and build exactly alike; tests and fuzz drivers hold one against the other.
TAVIXQTLIB_EXPORT bool tavixParseJsonByLibrary(const char *data, size_t size, Json::Value &out);

// Largest document tavixParseJson accepts, 16 MiB by default. A parse costs tens of times the text's
// size, so this bounds the memory one document can claim; 0 restores the default.
TAVIXQTLIB_EXPORT void tavixSetMaxJsonDocumentSize(size_t bytes);
TAVIXQTLIB_EXPORT size_t tavixMaxJsonDocumentSize();

// The member key of an object node, or nullptr when node is not an object or has no such member.
TAVIXQTLIB_EXPORT const Json::Value *tavixJsonMember(const Json::Value &node, const char *key);
TAVIXQTLIB_EXPORT bool tavixJsonHas(const Json::Value &node, const char *key);

// Conversions of one value by the JSON library's own rules: null reads as false, 0 or empty text, numbers
// convert between kinds (reals truncate toward zero), bools and numbers become text. Where the library
// would throw (text or a container to a number or bool, a container to text, a number out of range) the
// result is false and out is untouched.
TAVIXQTLIB_EXPORT bool tavixJsonToBool(const Json::Value &value, bool &out);
TAVIXQTLIB_EXPORT bool tavixJsonToInt(const Json::Value &value, int &out);
TAVIXQTLIB_EXPORT bool tavixJsonToUInt(const Json::Value &value, unsigned &out);
TAVIXQTLIB_EXPORT bool tavixJsonToDouble(const Json::Value &value, double &out);
TAVIXQTLIB_EXPORT bool tavixJsonToString(const Json::Value &value, QString &out);   // UTF-8
TAVIXQTLIB_EXPORT bool tavixJsonToStdString(const Json::Value &value, std::string &out);

// Reads node[key]; false (out untouched) when node is not an object, the key is absent or cannot convert.
TAVIXQTLIB_EXPORT bool tavixReadBool(const Json::Value &node, const char *key, bool &out);
TAVIXQTLIB_EXPORT bool tavixReadInt(const Json::Value &node, const char *key, int &out);
TAVIXQTLIB_EXPORT bool tavixReadUInt(const Json::Value &node, const char *key, unsigned &out);
TAVIXQTLIB_EXPORT bool tavixReadDouble(const Json::Value &node, const char *key, double &out);
TAVIXQTLIB_EXPORT bool tavixReadString(const Json::Value &node, const char *key, QString &out);
TAVIXQTLIB_EXPORT bool tavixReadStdString(const Json::Value &node, const char *key, std::string &out);

// Element i of an array node, or nullptr.
TAVIXQTLIB_EXPORT const Json::Value *tavixJsonAt(const Json::Value &array, Json::ArrayIndex i);

TAVIXQTLIB_EXPORT Json::Value tavixJsonString(const QString &text);   // UTF-8 string value

// Renders a value as text: styled (indentation 3, non-ASCII escaped, ending in a newline) or compact on one
// line (UTF-8, no newline).
TAVIXQTLIB_EXPORT std::string tavixJsonStyled(const Json::Value &value);
TAVIXQTLIB_EXPORT std::string tavixJsonCompact(const Json::Value &value);

} // namespace TavixQtLib
