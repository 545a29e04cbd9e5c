// Uses the installed kit only through its package: the umbrella header, the exported target and
// the usage requirements it carries (Qt widgets, jsoncpp).
#include <TavixQtLib/TavixQtLib.h>

#include <QApplication>
#include <QStyle>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    TavixQtLib::init();
    if (!TavixQtLib::tavixIsInitialized() || !TavixQtLib::tavixGetStyle()
        || QApplication::style() != TavixQtLib::tavixGetStyle()) {
        std::fprintf(stderr, "the kit did not start\n");
        return 1;
    }

    // Json::Value in the kit's signatures needs jsoncpp's headers and library from the package.
    Json::Value root;
    if (!TavixQtLib::tavixParseJson(QByteArray("{\"name\": \"probe\"}"), root)) {
        std::fprintf(stderr, "tavixParseJson failed\n");
        return 1;
    }
    QString name;
    if (!TavixQtLib::tavixReadString(root, "name", name) || name != QLatin1String("probe")) {
        std::fprintf(stderr, "tavixReadString failed\n");
        return 1;
    }
    return 0;
}
