#include "GallerySheet.h"
#include "TavixTestSupport.h"

#include "core/TavixControlRegistry.h"
#include "core/TavixLibrary.h"
#include "core/TavixTypes.h"

#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using namespace TavixQtLib;

namespace {

const QColor kThemeColor(0xFF, 0x00, 0xFF);   // no built-in style uses it

struct Run
{
    int exitCode = -1;
    bool crashed = true;
    QByteArray errors;
};

Run runGallery(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TAVIX_GALLERY_EXECUTABLE), arguments);
    Run run;
    if (!process.waitForFinished(90000))
        return run;
    run.exitCode = process.exitCode();
    run.crashed = process.exitStatus() != QProcess::NormalExit;
    run.errors = process.readAllStandardError();
    return run;
}

int distinctColours(const QImage &image, int enough)
{
    QSet<QRgb> seen;
    for (int y = 0; y < image.height() && seen.size() < enough; ++y) {
        for (int x = 0; x < image.width() && seen.size() < enough; ++x)
            seen.insert(image.pixel(x, y));
    }
    return seen.size();
}

bool contains(const QImage &image, const QColor &colour)
{
    return tavixtest::countColour(image, colour) > 0;
}

void put(const QString &path, const QByteArray &bytes)
{
    QVERIFY(tavixtest::writeFile(path, bytes));
}

} // namespace

class tst_Gallery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void oneSheetPerListedType();
    void themeDirectoryRestylesSheets();
    void failuresExitNonZero_data();
    void failuresExitNonZero();
    void forcedStatesShow_data();
    void forcedStatesShow();
};

void tst_Gallery::initTestCase()
{
    init();
}

void tst_Gallery::oneSheetPerListedType()
{
    QTemporaryDir out;
    const Run run = runGallery({QStringLiteral("--output"), out.path()});
    QVERIFY2(!run.crashed, run.errors.constData());
    QCOMPARE(run.exitCode, 0);

    QVERIFY(!listedTypes().empty());
    for (const std::string &keyword : listedTypes()) {
        const QString path = out.filePath(QString::fromStdString(keyword) + QStringLiteral(".png"));
        QVERIFY2(QFileInfo(path).size() > 0, qPrintable(path));
        const QImage sheet(path);
        QVERIFY2(!sheet.isNull(), qPrintable(path));
        QVERIFY2(distinctColours(sheet, 3) >= 3, qPrintable(path));
    }
}

// The theme's button fill shows in the button's sheet, and only when the theme is given.
void tst_Gallery::themeDirectoryRestylesSheets()
{
    QTemporaryDir theme, plain, themed;
    put(theme.filePath(QStringLiteral("style.json")),
        R"({"style": [{"type": 1, "name": "galleryMagenta", "drawImg": 0, "clr": "FFFF00FF"}]})");
    put(theme.filePath(QStringLiteral("theme.json")),
        R"({"elements": [{"child": [{"name": "qtbutton", "style": [["galleryMagenta", 1, 0]]}]}]})");

    QCOMPARE(runGallery({QStringLiteral("--output"), plain.path()}).exitCode, 0);
    QCOMPARE(runGallery({QStringLiteral("--theme"), theme.path(), QStringLiteral("--output"), themed.path()}).exitCode,
             0);
    QVERIFY(!contains(QImage(plain.filePath(QStringLiteral("qtbutton.png"))), kThemeColor));
    QVERIFY(contains(QImage(themed.filePath(QStringLiteral("qtbutton.png"))), kThemeColor));
}

void tst_Gallery::failuresExitNonZero_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("missing theme") << QStringList{QStringLiteral("--theme"), QStringLiteral("/nonexistent/theme"),
                                                  QStringLiteral("--output"), QStringLiteral("@OUT@")};
    QTest::newRow("output is a file") << QStringList{QStringLiteral("--output"), QStringLiteral("@FILE@")};
    QTest::newRow("stray argument") << QStringList{QStringLiteral("--output"), QStringLiteral("@OUT@"),
                                                   QStringLiteral("extra")};
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--bogus"), QStringLiteral("--output"),
                                                   QStringLiteral("@OUT@")};
}

void tst_Gallery::failuresExitNonZero()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir out;
    put(out.filePath(QStringLiteral("file")), "not a directory");
    arguments.replaceInStrings(QStringLiteral("@OUT@"), out.filePath(QStringLiteral("sheets")));
    arguments.replaceInStrings(QStringLiteral("@FILE@"), out.filePath(QStringLiteral("file")));
    const Run run = runGallery(arguments);
    QVERIFY(!run.crashed);
    QVERIFY(run.exitCode != 0);
    QVERIFY(!QFileInfo::exists(out.filePath(QStringLiteral("sheets/qtbutton.png"))));
}

// A forced state must survive until the grab: each pair differs in the built-in look.
void tst_Gallery::forcedStatesShow_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<int>("stateA");
    QTest::addColumn<bool>("checkedA");
    QTest::addColumn<int>("stateB");
    QTest::addColumn<bool>("checkedB");
    QTest::newRow("button Hot") << "qtbutton" << int(Normal) << false << int(Hot) << false;
    QTest::newRow("button Disable") << "qtbutton" << int(Normal) << false << int(Disable) << false;
    QTest::newRow("check box checked") << "qtcheckbox" << int(Normal) << false << int(Normal) << true;
    QTest::newRow("check box Disable") << "qtcheckbox" << int(Normal) << true << int(Disable) << true;
    QTest::newRow("container Disable") << "qtcontainer" << int(Normal) << false << int(Disable) << false;
}

void tst_Gallery::forcedStatesShow()
{
    QFETCH(QString, keyword);
    QFETCH(int, stateA);
    QFETCH(bool, checkedA);
    QFETCH(int, stateB);
    QFETCH(bool, checkedB);
    const QImage a = TavixGallery::renderSampleCell(keyword, stateA, checkedA);
    const QImage b = TavixGallery::renderSampleCell(keyword, stateB, checkedB);
    QVERIFY(!a.isNull() && !b.isNull());
    QVERIFY(a != b);
    // The same state renders the same: nothing left over from another cell.
    QCOMPARE(TavixGallery::renderSampleCell(keyword, stateA, checkedA), a);
}

QTEST_MAIN(tst_Gallery)
#include "tst_gallery.moc"
