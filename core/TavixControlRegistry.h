#pragma once

#include "core/ControlInfo.h"
#include "tavixqtlib_export.h"

#include <QString>
#include <QVector>

#include <map>
#include <set>
#include <string>

namespace Json { class Value; }
class QWidget;

namespace TavixQtLib {

// Registry collections, keyed by type keyword compared bytewise (case-sensitive, ascending byte order).
// Created before main runs and never cleared; ControlInfo pointers stay valid for the process.
TAVIXQTLIB_EXPORT std::map<std::string, ControlCreateFunction> &creatorMap();
TAVIXQTLIB_EXPORT std::map<std::string, ControlInfo> &controlInfoMap();
TAVIXQTLIB_EXPORT std::set<std::string> &listedTypes();

// Registers the built-in control types, then decides emulator mode from the executable's path.
TAVIXQTLIB_EXPORT void tavixInitQtControl();
TAVIXQTLIB_EXPORT void tavixRegisterQtControl(const char *keyword, ControlCreateFunction create,
                                              ControlInfo info, bool listed);
TAVIXQTLIB_EXPORT void tavixRegisterDefaultControl(const char *keyword, ControlCreateFunction create);
TAVIXQTLIB_EXPORT void tavixBindControlCreateFunction(BoundCreateFunction f);   // null clears it
TAVIXQTLIB_EXPORT ControlInfo *tavixGetControlInfo(const QString &keyword);      // null when not described
TAVIXQTLIB_EXPORT QVector<ControlInfo *> tavixGetAllControlInfo();

// Creates the control for a page node: the bound creator first, else the registry; re-parents it and,
// for a kit control, reads the node (unless null). Null for an unregistered keyword.
TAVIXQTLIB_EXPORT QWidget *tavixCreateControlFromNode(const char *keyword, const Json::Value &node,
                                                      QWidget *parent);
// Creates a registered control under parent without reading any node; null when unregistered.
TAVIXQTLIB_EXPORT QWidget *tavixCreateControlByKeyword(const char *keyword, QWidget *parent);

// Emulator detection on an explicit path (the registry calls it with the executable's path).
TAVIXQTLIB_EXPORT void tavixDetectEmulator(const QString &executablePath);

} // namespace TavixQtLib
