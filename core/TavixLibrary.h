#pragma once

#include "resources/FillStyle.h"
#include "resources/TavixGlobalConfig.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QString>
#include <QVector>

class QStyle;

namespace TavixQtLib {

// Once per process, after the QApplication exists: installs the kit's style, registers the
// controls and loads the built-in images and styles. Later calls do nothing.
TAVIXQTLIB_EXPORT void init();
TAVIXQTLIB_EXPORT void shutdown();     // frees nothing; everything lives until process exit
TAVIXQTLIB_EXPORT bool tavixIsInitialized();
TAVIXQTLIB_EXPORT QStyle *tavixGetStyle();   // the single CScrollBarStyle; never null

TAVIXQTLIB_EXPORT void tavixSetGlobalConfig(const TavixGlobalConfig &config);
TAVIXQTLIB_EXPORT const TavixGlobalConfig &tavixGetGlobalConfig();
TAVIXQTLIB_EXPORT void tavixSetGlobalFontFamily(const QString &family);
TAVIXQTLIB_EXPORT QString tavixGetGlobalFontFamily();

TAVIXQTLIB_EXPORT bool tavixIsInDesigner();
TAVIXQTLIB_EXPORT void tavixSetIsInDesigner(bool inDesigner);
TAVIXQTLIB_EXPORT bool tavixIsQtEmulator();
TAVIXQTLIB_EXPORT void tavixSetQtEmulator(bool emulator);   // set by emulator detection
TAVIXQTLIB_EXPORT void tavixEnableSerializeChild(bool enable);
TAVIXQTLIB_EXPORT bool tavixIsSerializeChild();

// Resource wrappers. The loaders return false before init().
TAVIXQTLIB_EXPORT bool tavixLoadThemeDir(const char *dir);   // UTF-8
TAVIXQTLIB_EXPORT bool tavixLoadThemeFile(const char *file);  // UTF-8; no notification, as loadThemeFile
TAVIXQTLIB_EXPORT bool tavixLoadSkinFile(const QString &path, float scale);
TAVIXQTLIB_EXPORT bool tavixSetSkinFilePath(const QString &dir, float scale);
TAVIXQTLIB_EXPORT bool tavixSetProjectFilePath(const QString &dir);
TAVIXQTLIB_EXPORT bool tavixNotifyThemeChange();
TAVIXQTLIB_EXPORT bool tavixGetFillStyle(const QString &name, FillStyle &out);
TAVIXQTLIB_EXPORT bool tavixGetTextStyle(const QString &name, TextStyleDesc &out);
TAVIXQTLIB_EXPORT void tavixSetFillStyle(const QString &name, FillStyle &style);
TAVIXQTLIB_EXPORT void tavixSetTextStyle(const QString &name, TextStyleDesc &style);
TAVIXQTLIB_EXPORT bool tavixGetProjectFillStyle(const QString &name, FillStyle &out);
TAVIXQTLIB_EXPORT bool tavixGetProjectTextStyle(const QString &name, TextStyleDesc &out);
TAVIXQTLIB_EXPORT void tavixSetProjectFillStyle(const QString &name, FillStyle &style);
TAVIXQTLIB_EXPORT void tavixSetProjectTextStyle(const QString &name, TextStyleDesc &style);
TAVIXQTLIB_EXPORT const QVector<FillStyle> &tavixGetAllFillStyle();
TAVIXQTLIB_EXPORT const QVector<TextStyleDesc> &tavixGetAllTextStyle();

} // namespace TavixQtLib
