#include "core/TavixLibrary.h"

#include "core/CScrollBarStyle.h"
#include "core/TavixControlRegistry.h"
#include "resources/TavixQResourceManager.h"

#include <QApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QPointer>

namespace TavixQtLib {

namespace {

bool initialized = false;
bool qtEmulator = false;
bool inDesigner = false;
bool serializeChild = true;

TavixQResourceManager *manager()
{
    return TavixQResourceManager::getInstance();
}

} // namespace

void init()
{
    if (initialized)
        return;
    // Installing a style and creating widgets need the application object; without it nothing
    // happens and a later call, once the application exists, does the work.
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    QApplication::setStyle(tavixGetStyle());
    tavixInitQtControl();
    manager()->initDefaultImageRes();
    manager()->initDefaultStyleRes();
    initialized = true;
}

void shutdown()
{
}

bool tavixIsInitialized()
{
    return initialized;
}

QStyle *tavixGetStyle()
{
    // The application owns the style once installed and deletes it with itself (or when another
    // style replaces it); a fresh instance is made then, so the result never dangles. Never deleted here.
    static QMutex mutex;
    static QPointer<CScrollBarStyle> style;
    QMutexLocker lock(&mutex);
    if (!style)
        style = new CScrollBarStyle;
    return style.data();
}

void tavixSetGlobalConfig(const TavixGlobalConfig &config)
{
    manager()->setGlobalConfig(config);
}

const TavixGlobalConfig &tavixGetGlobalConfig()
{
    return manager()->getGlobalConfig();
}

void tavixSetGlobalFontFamily(const QString &family)
{
    manager()->setGlobalFontFamily(family);
}

QString tavixGetGlobalFontFamily()
{
    return manager()->getGlobalFontFamily();
}

bool tavixIsInDesigner()
{
    return inDesigner;
}

void tavixSetIsInDesigner(bool value)
{
    inDesigner = value;
}

bool tavixIsQtEmulator()
{
    return qtEmulator;
}

void tavixSetQtEmulator(bool emulator)
{
    qtEmulator = emulator;
}

void tavixEnableSerializeChild(bool enable)
{
    serializeChild = enable;
}

bool tavixIsSerializeChild()
{
    return serializeChild;
}

bool tavixLoadThemeDir(const char *dir)
{
    if (!initialized)
        return false;
    return manager()->loadThemeDir(dir ? QString::fromUtf8(dir) : QString());
}

bool tavixLoadThemeFile(const char *file)
{
    if (!initialized)
        return false;
    return manager()->loadThemeFile(file ? QString::fromUtf8(file) : QString());
}

bool tavixLoadSkinFile(const QString &path, float scale)
{
    if (!initialized)
        return false;
    manager()->setScaleFactor(scale);
    return manager()->loadSkinFile(path);
}

bool tavixSetSkinFilePath(const QString &dir, float scale)
{
    if (!initialized)
        return false;
    manager()->setScaleFactor(scale);
    return manager()->setSkinDirPath(dir);
}

bool tavixSetProjectFilePath(const QString &dir)
{
    if (!initialized)
        return false;
    return manager()->setProjectDirPath(dir);
}

bool tavixNotifyThemeChange()
{
    if (!initialized)
        return false;
    return manager()->themeChange();
}

bool tavixGetFillStyle(const QString &name, FillStyle &out)
{
    return manager()->getFillStyle(name, out);
}

bool tavixGetTextStyle(const QString &name, TextStyleDesc &out)
{
    return manager()->getTextStyle(name, out);
}

void tavixSetFillStyle(const QString &name, FillStyle &style)
{
    manager()->setFillStyle(name, style);
}

void tavixSetTextStyle(const QString &name, TextStyleDesc &style)
{
    manager()->setTextStyle(name, style);
}

// The project forms raise the project switch around the plain call so that it acts on the project set.
bool tavixGetProjectFillStyle(const QString &name, FillStyle &out)
{
    manager()->setSwitchToProjectRes(true);
    const bool found = manager()->getFillStyle(name, out);
    manager()->setSwitchToProjectRes(false);
    return found;
}

bool tavixGetProjectTextStyle(const QString &name, TextStyleDesc &out)
{
    manager()->setSwitchToProjectRes(true);
    const bool found = manager()->getTextStyle(name, out);
    manager()->setSwitchToProjectRes(false);
    return found;
}

void tavixSetProjectFillStyle(const QString &name, FillStyle &style)
{
    manager()->setSwitchToProjectRes(true);
    manager()->setFillStyle(name, style);
    manager()->setSwitchToProjectRes(false);
}

void tavixSetProjectTextStyle(const QString &name, TextStyleDesc &style)
{
    manager()->setSwitchToProjectRes(true);
    manager()->setTextStyle(name, style);
    manager()->setSwitchToProjectRes(false);
}

const QVector<FillStyle> &tavixGetAllFillStyle()
{
    return manager()->getFillStyles();
}

const QVector<TextStyleDesc> &tavixGetAllTextStyle()
{
    return manager()->getTextStyles();
}

} // namespace TavixQtLib
