#pragma once

#include "resources/FillStyle.h"
#include "resources/TavixGlobalConfig.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QByteArray>
#include <QMap>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

namespace Json { class Value; }
class QImage;
class QSize;
class QSvgRenderer;
class QWidget;

namespace TavixQtLib {

class ITavixWindow;
class TavixQResourceManagerImpl;
struct ZipHandle;

enum ResSourceType : int {
    SourceDefault = 0,
    SourceTheme = 1,
    SourceProject = 2
};

// The process-wide keeper of styles, images, SVG renderers, fonts, translations and theme nodes.
// Three sets: default (skin), project and theme. Everything it hands out by pointer stays owned by
// the set it came from until that set is replaced or releaseRes() runs.
class TAVIXQTLIB_EXPORT TavixQResourceManager
{
public:
    static TavixQResourceManager *getInstance();

    // Loads; failures return false. A failed theme or project load still installs the new set.
    bool loadThemeDir(const QString &dir);          // then themeChange(); same dir again: true, no-op
    bool setSkinDirPath(const QString &dir);        // adds dir/style.json and dir/language.txt to the default set
    bool setProjectDirPath(const QString &dir);
    // Archives. The theme load replaces the theme set without notifying (call tavixNotifyThemeChange());
    // the skin loads add fonts, styles and (file form) "language.txt" to the default set. Entries over
    // the entry limit, beyond the set's budget, or that fail to extract or check are left out.
    bool loadThemeFile(const QString &path);
    bool loadSkinFile(const QString &path);
    bool loadSkinFile(const char *data, int size);
    // Largest declared size of one archive entry, 64 MiB by default; 0 or less restores the default.
    void setArchiveEntryLimit(qint64 bytes);
    qint64 getArchiveEntryLimit() const;
    // Total bytes of files one resource set may take in, 256 MiB by default; 0 or less restores the
    // default. Files that do not fit are left out of the set. Applies to every set from the next file on.
    void setResourceBudget(qint64 bytes);
    qint64 getResourceBudget() const;

    // Style lookup from the set the switches select; "empty"/"emptyRect" are invalid pseudo-styles.
    // Not found: false, out untouched.
    bool getFillStyle(const QString &name, FillStyle &out);
    bool getTextStyle(const QString &name, TextStyleDesc &out);
    void setFillStyle(const QString &name, FillStyle &style);
    void setTextStyle(const QString &name, TextStyleDesc &style);   // like setFillStyle, for text styles
    void setFillStyle(TavixQResourceManagerImpl *set, const QString &name, FillStyle &style);
    void setTextStyle(TavixQResourceManagerImpl *set, const QString &name, TextStyleDesc &style);
    const QVector<FillStyle> &getFillStyles();      // the project set's when there is one, else the default's
    const QVector<TextStyleDesc> &getTextStyles();

    // Style documents.
    bool readStyle(TavixQResourceManagerImpl *set, const Json::Value &styleArray);
    bool writeStyle(TavixQResourceManagerImpl *set, Json::Value &out);
    QString toProjectStyleString();

    // Owned by the manager; null when missing, undecodable, or declaring a size over the image limits.
    QImage *getImage(const QString &name, bool gray = false);
    // The picture to paint at a device pixel ratio: above 1, the "name@Nx" file beside name (N from
    // ceil(ratio) down to 2) with its devicePixelRatio set to N, or a built-in image drawn at the ratio;
    // otherwise what getImage gives. Owned by the manager.
    QImage *getImageForRatio(const QString &name, bool gray, qreal ratio);
    // Qt's name for the N-times variant: "images/a.png" -> "images/a@2x.png".
    static QString atNxName(const QString &name, int n);
    // Images are refused before decoding when a side exceeds maxSide pixels (16 384 by default) or the
    // decoded pixels would take more than maxBytes (256 MiB by default, and never more than the resource
    // budget). Values of 0 or less restore the defaults.
    void setImageLimits(int maxSide, qint64 maxBytes);
    int getImageSideLimit() const;
    qint64 getImageByteLimit() const;
    bool isImageSizeAllowed(const QSize &size) const;
    // size scaled down, aspect kept, until it is allowed; an SVG's natural size goes through this.
    QSize boundedImageSize(const QSize &size) const;
    QSvgRenderer *getSvgRenderer(const QString &name);          // owned; null when missing or invalid
    // Raw bytes of a loaded file, searched project, default, theme. data/size point into the set.
    bool getResource(const QString &name, const char *&data, unsigned &size, ResSourceType &from);
    const Json::Value *getThemeJsonValue(const char *name);
    QString getThemePath() const;
    QString getSkinDirPath() const;
    QString getFileSkinPath() const;

    void initFontRes(bool fromDir);
    void initDefaultImageRes();
    void initDefaultStyleRes();

    // Translations: a UTF-16 (little-endian, or as a byte-order mark says), TAB-separated table headed "Language".
    // Tables accumulate across reads, together within the resource budget: a file that would take them past
    // it is refused whole (false, tables as they were). Reading the same rows again costs nothing more.
    bool readLanguage(const QByteArray &bytes);
    // Drops every table and the current language (windows are not told), e.g. before another skin's file.
    void clearLanguages();
    QString getString(const QString &key) const;
    QStringList getLanguageList() const;
    QString getCurrentLanguage() const;
    bool setCurrentLanguage(const QString &name);

    // Kit windows (TavixQWindow) and designer windows (TavixQWindowDesigner). Each entry keeps a guard
    // on the window's widget, so a window destroyed without unregistering is skipped, never touched.
    bool registerWindow(ITavixWindow *window);
    bool unregisterWindow(ITavixWindow *window);
    bool registerDesignerWindow(ITavixWindow *window);
    bool unregisterDesignerWindow(ITavixWindow *window);
    bool themeChange();                             // refreshes every registered window's controls
    void notifyThemeChange(QWidget *window);        // depth-first refreshTheme() on kit controls
    void notifyChangeLanguage(QWidget *window);

    const TavixGlobalConfig &getGlobalConfig() const;
    void setGlobalConfig(const TavixGlobalConfig &config);
    QString getGlobalFontFamily() const;
    void setGlobalFontFamily(const QString &family);
    bool getButtonFadeEnabled() const;
    int getButtonFadeDuration() const;              // 150 when the stored value is not positive

    float getScaleFactor() const;
    void setScaleFactor(float factor);              // applied only below 1.0
    bool isCreatedByFile() const;
    void setCreatedByFile(bool value);
    bool isDesigner() const;
    void setIsDesigner(bool value);
    bool isLoadFromThemeRes() const;
    void setSwitchToThemeRes(bool value);
    bool isProjectRes() const;
    void setSwitchToProjectRes(bool value);

    TavixQResourceManagerImpl *getDefaultManagerImpl() const;
    TavixQResourceManagerImpl *getProjectManagerImpl() const;
    TavixQResourceManagerImpl *getThemeManagerIml() const;

    void releaseRes();   // empties the default set, keeping built-in images, and the parsed page documents

private:
    TavixQResourceManager();
    ~TavixQResourceManager();
    TavixQResourceManager(const TavixQResourceManager &) = delete;
    TavixQResourceManager &operator=(const TavixQResourceManager &) = delete;

    // Reads the last style document of set into its tables; false when there is none or it is unusable.
    bool applyStyleFile(TavixQResourceManagerImpl *set);
    // Parses "theme.json" of set into themeRoot and, when index, fills themeNodes.
    static void readThemeDocument(TavixQResourceManagerImpl *set, bool index);
    TavixQResourceManagerImpl *newSet() const;          // empty, with the current budget
    // Takes every usable entry of an open archive into set and closes it; false when zip is null.
    bool readArchive(ZipHandle *zip, TavixQResourceManagerImpl *set) const;
    bool applySkinArchive(ZipHandle *zip, bool withLanguage);
    TavixQResourceManagerImpl *styleLookupSet() const;   // the set the switches select, or null
    TavixQResourceManagerImpl *setOf(ResSourceType from) const;   // the set a resource came from
    QImage *findCachedImage(const QString &name, bool gray) const;
    TavixQResourceManagerImpl *setHoldingImage(const QImage *image, bool gray) const;

    bool createdByFile = false;
    bool switchToThemeRes = false;
    bool switchToProjectRes = false;
    bool designer = false;
    float scaleFactor = 100.0f;
    TavixGlobalConfig globalConfig;
    qint64 resourceBudget = 0;
    qint64 archiveEntryLimit = 0;
    int imageSideLimit = 0;
    qint64 imageByteLimit = 0;
    const QMap<QString, QString> *currentLanguage = nullptr;
    QString currentLanguageName;
    QMap<QString, QMap<QString, QString>> languages;
    qint64 languageBytes = 0;   // what the tables hold, as readLanguage weighs it against the budget
    QMap<ITavixWindow *, QPointer<QWidget>> windows;
    QMap<ITavixWindow *, QPointer<QWidget>> designerWindows;
    TavixQResourceManagerImpl *defaultRes = nullptr;
    TavixQResourceManagerImpl *projectRes = nullptr;
    TavixQResourceManagerImpl *themeRes = nullptr;
};

} // namespace TavixQtLib
