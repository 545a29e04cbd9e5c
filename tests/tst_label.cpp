#include "TavixTestSupport.h"
#include "controls/TavixQLCDNumber.h"
#include "controls/TavixQLabel.h"
#include "controls/TavixQLabelEx.h"
#include "controls/TavixQLabelExImpl.h"
#include "controls/TavixQLabelImpl.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixJson.h"
#include "core/TavixLibrary.h"
#include "designer/TavixQWindow.h"
#include "resources/TavixPainting.h"
#include "resources/TavixQResourceManager.h"

#include <QFontMetrics>
#include <QImage>
#include <QTextDocument>
#include <QtTest>

#include <climits>
#include <cmath>

#include <json/value.h>

using namespace TavixQtLib;

namespace {

using tavixtest::parse;
using tavixtest::show;
using tavixtest::written;

const QColor kNormal(255, 0, 0);
const QColor kDisable(0, 0, 255);
const QString kLong = QStringLiteral("The quick brown fox jumps over the lazy dog again and again");

TextStyleDesc textStyle(const QColor &color, int elideMode = 1, bool singleline = true, int size = 14)
{
    TextStyleDesc style;
    style.color = color;
    style.elideMode = elideMode;
    style.singleline = singleline;
    style.size = size;
    style.ver = 0;
    return style;
}

QImage renderWidget(QWidget &widget)
{
    return tavixtest::rendered(widget, Qt::white);
}

// Ink of colour c: clearly darker than the white background and darkened in c's direction.
bool inked(const QColor &pixel, const QColor &c)
{
    const double d[3] = {255.0 - pixel.red(), 255.0 - pixel.green(), 255.0 - pixel.blue()};
    const double t[3] = {255.0 - c.red(), 255.0 - c.green(), 255.0 - c.blue()};
    const double dot = d[0] * t[0] + d[1] * t[1] + d[2] * t[2];
    const double dd = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
    const double tt = t[0] * t[0] + t[1] * t[1] + t[2] * t[2];
    return dd > 60.0 * 60.0 && dot > 0.97 * std::sqrt(dd * tt);
}

struct Ink
{
    int left = INT_MAX, right = -1, top = INT_MAX, bottom = -1;
    int rows = 0;   // bands of consecutive rows holding ink
    bool any() const { return right >= 0; }
};

Ink findInk(const QImage &image, const QColor &color)
{
    Ink ink;
    bool inBand = false;
    for (int y = 0; y < image.height(); ++y) {
        bool row = false;
        for (int x = 0; x < image.width(); ++x) {
            if (inked(image.pixelColor(x, y), color)) {
                row = true;
                ink.left = qMin(ink.left, x);
                ink.right = qMax(ink.right, x);
                ink.top = qMin(ink.top, y);
                ink.bottom = qMax(ink.bottom, y);
            }
        }
        if (row && !inBand)
            ++ink.rows;
        inBand = row;
    }
    return ink;
}

struct PressCounter : QWidget
{
    int presses = 0;
    void mousePressEvent(QMouseEvent *) override { ++presses; }
};

} // namespace

class tst_Label : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        init();
        TavixQResourceManager *rm = TavixQResourceManager::getInstance();
        TextStyleDesc red = textStyle(kNormal), blue = textStyle(kDisable);
        red.name = QStringLiteral("tst_label_red");
        blue.name = QStringLiteral("tst_label_blue");
        rm->setTextStyle(red.name, red);
        rm->setTextStyle(blue.name, blue);
    }

    void layout_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("singleline");
        QTest::addColumn<QString>("shownPattern");   // where the ellipsis sits; empty: wraps, never elides
        QTest::newRow("left") << 0 << true << "^….+$";
        QTest::newRow("right") << 1 << true << "^.+…$";
        QTest::newRow("middle") << 2 << true << "^.+….+$";
        QTest::newRow("stray mode elides right") << 7 << true << "^.+…$";
        QTest::newRow("mode 3 never elides") << 3 << true << "";
        QTest::newRow("multi-line style") << 1 << false << "";
    }

    // The ink stays inside the label: elided on one row, or wrapped into several; widened, all shows.
    void layout()
    {
        QFETCH(int, mode);
        QFETCH(bool, singleline);
        QFETCH(QString, shownPattern);
        TavixQLabel label;
        label.setTextStyle(Normal, textStyle(kNormal, mode, singleline));
        label.setText(kLong);
        label.resize(120, shownPattern.isEmpty() ? 120 : 30);
        const Ink narrow = findInk(renderWidget(label), kNormal);
        QVERIFY2(narrow.any() && narrow.right < 120, qPrintable(QString::number(narrow.right)));
        if (shownPattern.isEmpty()) {
            QCOMPARE(label.text(), kLong);
            QVERIFY2(narrow.rows >= 3, qPrintable(QString::number(narrow.rows)));
            return;
        }
        QCOMPARE(narrow.rows, 1);
        QVERIFY2(QRegularExpression(shownPattern).match(label.text()).hasMatch(), qPrintable(label.text()));
        QCOMPARE(label.getText(), kLong);
        label.resize(600, 30);
        QVERIFY(findInk(renderWidget(label), kNormal).right > narrow.right + 100);
        QCOMPARE(label.text(), kLong);
    }

    // A label already narrow elides new text immediately, not only after its next resize.
    void setTextElidesAtOnce()
    {
        TavixQLabel label;
        label.setTextStyle(Normal, textStyle(kNormal));
        label.resize(80, 30);
        label.setText(kLong);
        QVERIFY(label.text().endsWith(QChar(0x2026)));
        QVERIFY(findInk(renderWidget(label), kNormal).right < 80);
        // Cutting rich text would leave broken markup on screen: it is shown as set.
        const QString rich = QStringLiteral("<b>") + kLong + QStringLiteral("</b>");
        label.setText(rich);
        QCOMPARE(label.text(), rich);
        // Set through QLabel's own functions, a text survives the next resize.
        label.setNum(42);
        QCOMPARE(label.getText(), QStringLiteral("42"));
        label.resize(90, 30);
        QCOMPARE(label.text(), QStringLiteral("42"));
    }

    // Whatever the text and width, the label shows what Qt's eliding gives: texts that surely fit skip the
    // measuring, the rest (wide glyphs, tabs, other scripts, variant separators) are measured.
    void elisionMatchesQt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        const QString variants = QStringLiteral("a long variant") + QChar(0x9c) + QStringLiteral("short");
        for (const int width : {0, 12, 40, 90, 400}) {
            const QByteArray w = QByteArray::number(width);
            QTest::newRow("caption " + w) << QStringLiteral("Item 12") << width;
            QTest::newRow("wide glyphs " + w) << QStringLiteral("WWWWWWWWWWWWWWWW") << width;
            QTest::newRow("narrow glyphs " + w) << QStringLiteral("iiiiiiii") << width;
            QTest::newRow("tab " + w) << QStringLiteral("a\tb\tc\td") << width;
            QTest::newRow("other scripts " + w) << QStringLiteral("\u0416\u0438\u0432 \u6F22\u5B57 \u00E9t\u00E9") << width;
            QTest::newRow("variants " + w) << variants << width;
        }
    }

    void elisionMatchesQt()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        TavixQLabel label;
        label.setTextStyle(Normal, textStyle(kNormal));
        label.resize(width, 30);
        label.setText(text);
        QCOMPARE(label.text(), QFontMetrics(label.font()).elidedText(text, Qt::ElideRight, width));
        QCOMPARE(label.getText(), text);
    }

    // The disabled look (blue, larger) shows only while disabled; without one the normal look stays.
    void stylesPerState()
    {
        TavixQLabel label;
        label.resize(200, 30);
        label.setText(QStringLiteral("Sample"));
        label.setTextStyle(Normal, textStyle(kNormal));
        label.setEnabled(false);
        QVERIFY(findInk(renderWidget(label), kNormal).any());   // no disabled look given yet
        label.setEnabled(true);

        TextStyleDesc big = textStyle(kDisable, 1, true, 30);
        label.setTextStyle(Disable, big);
        QCOMPARE(label.font().pixelSize(), 14);
        QImage image = renderWidget(label);
        QVERIFY(findInk(image, kNormal).any() && !findInk(image, kDisable).any());

        label.setEnabled(false);
        image = renderWidget(label);
        QVERIFY(findInk(image, kDisable).any() && !findInk(image, kNormal).any());
        QCOMPARE(label.font().pixelSize(), 30);
    }

    // The control's alpha reaches the text: at 128 the darkest red pixel is about half-way to white.
    void alpha()
    {
        TavixQLabel label;
        label.resize(200, 30);
        label.setTextStyle(Normal, textStyle(kNormal, 1, true, 24));
        label.setText(QStringLiteral("Sample"));
        const auto palest = [&label] {
            const QImage image = renderWidget(label);
            int minGreen = 255;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    minGreen = qMin(minGreen, image.pixelColor(x, y).green());
            return minGreen;
        };
        QVERIFY(palest() < 30);
        const Ink opaque = findInk(renderWidget(label), kNormal);
        label.setOpacity(254);
        const Ink nearly = findInk(renderWidget(label), kNormal);
        QVERIFY(qAbs(opaque.left - nearly.left) <= 1 && qAbs(opaque.right - nearly.right) <= 1);
        QVERIFY(qAbs(opaque.top - nearly.top) <= 1 && qAbs(opaque.bottom - nearly.bottom) <= 1);
        label.setOpacity(128);
        const int half = palest();
        QVERIFY2(half > 100 && half < 150, qPrintable(QString::number(half)));
    }

    void globalFontFamily()
    {
        TavixQLabel label;
        TavixQLabelEx labelEx;
        const QFont applicationFont = QApplication::font();
        const QString family = QStringLiteral("tst_label family");
        tavixSetGlobalFontFamily(family);
        const QString labelFamily = label.font().family();
        const QString exFamily = labelEx.getImpl()->document->defaultFont().family();
        tavixSetGlobalFontFamily(QString());
        QApplication::setFont(applicationFont);
        QCOMPARE(labelFamily, family);
        QCOMPARE(exFamily, family);
    }

    // "|->key" follows the language, is written back as the key, and an explicit text ends the link.
    void languageKey()
    {
        TavixQResourceManager *rm = TavixQResourceManager::getInstance();
        const QString table = QStringLiteral("Language\tEnglish\tDeutsch\r\ntst_lbl\tHello\tHallo\r\n");
        QVERIFY(rm->readLanguage(QByteArray(reinterpret_cast<const char *>(table.utf16()), table.size() * 2)));
        QVERIFY(rm->setCurrentLanguage(QStringLiteral("English")));

        TavixQWindow window;
        auto *label = new TavixQLabel(&window);
        auto *labelEx = new TavixQLabelEx(&window);
        Json::Value node = parse(R"({"attr": {"text": "|->tst_lbl"}})");
        QVERIFY(label->readJsonValue(&node) && labelEx->readJsonValue(&node));
        QCOMPARE(label->getText(), QStringLiteral("Hello"));
        QVERIFY(rm->setCurrentLanguage(QStringLiteral("Deutsch")));
        QCOMPARE(label->getText(), QStringLiteral("Hallo"));
        QCOMPARE(labelEx->getText(), QStringLiteral("Hallo"));
        QCOMPARE(show(written(*label)["attr"]["text"]), QByteArray("\"|->tst_lbl\""));

        label->setText(QStringLiteral("Fixed"));
        QVERIFY(rm->setCurrentLanguage(QStringLiteral("English")));
        QCOMPARE(label->getText(), QStringLiteral("Fixed"));
        QCOMPARE(labelEx->getText(), QStringLiteral("Hello"));
    }

    // The whole text is written even while elided; the styles of both states are written in their slots.
    void writesWholeText()
    {
        TavixQLabel label;
        label.resize(60, 20);
        Json::Value node = parse(R"({"attr": {"text": "A rather long caption here"},
                                     "style": [["tst_label_red", 2, 0], ["tst_label_blue", 2, 3]]})");
        QVERIFY(label.readJsonValue(&node));
        QVERIFY(label.text() != label.getText());   // elided on screen
        const Json::Value out = written(label);
        QCOMPARE(show(out["attr"]["text"]), QByteArray("\"A rather long caption here\""));
        QCOMPARE(show(out["style"]), QByteArray(R"([["tst_label_red",2,0],["tst_label_blue",2,3]])"));
    }

    void hostileNodes_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("text is a number") << QByteArray(R"({"attr": {"text": 12}})");
        QTest::newRow("text is an object") << QByteArray(R"({"attr": {"text": {"a": 1}}})");
        QTest::newRow("attr is an array") << QByteArray(R"({"attr": [1, 2]})");
        QTest::newRow("style is a string") << QByteArray(R"({"style": "tst_label_red"})");
        QTest::newRow("style slots INT_MIN/INT_MAX/NaN")
            << QByteArray(R"({"style": [["tst_label_red", 2, -2147483648], ["tst_label_red", 2, 2147483647],
                                        ["tst_label_red", 2, "NaN"], [null], 5]})");
        QTest::newRow("w INT_MAX") << QByteArray(R"({"w": 2147483647, "h": -2147483648})");
        QTest::newRow("empty language key") << QByteArray(R"({"attr": {"text": "|->"}})");
    }

    // Nothing crashes, the control still writes a node, and unknown slots leave the styles as they were.
    void hostileNodes()
    {
        QFETCH(QByteArray, json);
        Json::Value node = parse(json);
        TavixQLabel label;
        TavixQLabelEx labelEx;
        label.readJsonValue(&node);
        labelEx.readJsonValue(&node);
        label.resize(50, 20);
        renderWidget(label);
        renderWidget(labelEx);
        QCOMPARE(label.getTextStyle(Normal).name, QString());
        QVERIFY(written(label).isObject() && written(labelEx).isObject());
    }

    // Style records from documents are untrusted too.
    void hostileStyles()
    {
        for (int value : {INT_MIN, -1, 100000, INT_MAX}) {
            TextStyleDesc style = textStyle(kNormal, value);
            style.size = value;
            style.hor = style.ver = style.x = style.y = value;
            TavixQLabel label;
            TavixQLabelEx labelEx;
            label.resize(80, 30);
            labelEx.resize(80, 30);
            label.setText(kLong);
            label.setTextStyle(AllStates, style);
            labelEx.setTextStyle(AllStates, style);
            renderWidget(label);
            renderWidget(labelEx);
            QTest::mouseDClick(&labelEx, Qt::LeftButton, Qt::NoModifier, QPoint(5, 10));
            QVERIFY(labelEx.calcSize(kLong, 50).isValid());
        }
    }

    // A megabyte of text: eliding, wrapping and the document label stay bounded.
    void hugeText()
    {
        QString huge;
        for (int i = 0; i < (1 << 17); ++i)
            huge += QStringLiteral("word%1 ").arg(i % 10);
        for (int mode : {1, 3}) {
            TavixQLabel label;
            label.setTextStyle(Normal, textStyle(kNormal, mode));
            label.resize(100, 40);
            label.setText(huge);
            QVERIFY(findInk(renderWidget(label), kNormal).right < 100);
        }
        TavixQLabelEx labelEx;
        labelEx.resize(100, 40);
        labelEx.setText(huge);
        QTest::mouseDClick(&labelEx, Qt::LeftButton, Qt::NoModifier, QPoint(5, 10));
        renderWidget(labelEx);
        Json::Value node(Json::objectValue);
        node["attr"]["text"] = tavixJsonString(huge);
        TavixQLCDNumber lcd;
        QVERIFY(lcd.readJsonValue(&node));
        lcd.resize(100, 40);
        renderWidget(lcd);
    }

    void labelExSelection_data()
    {
        QTest::addColumn<bool>("interactive");
        QTest::addColumn<bool>("doubleClick");   // else a drag from right to left over the first line
        QTest::newRow("double click selects all") << true << true;
        QTest::newRow("backward drag") << true << false;
        QTest::newRow("no interaction flags") << false << true;
    }

    void labelExSelection()
    {
        QFETCH(bool, interactive);
        QFETCH(bool, doubleClick);
        TavixQLabelEx label;
        label.resize(220, 80);
        label.setTextStyle(Normal, textStyle(kNormal));
        label.setText(QStringLiteral("First paragraph\nSecond paragraph"));
        label.setTextInteractionFlags(interactive ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
        const QColor highlight = QColor::fromRgb(TavixQLabelExImpl::kSelectionColor);

        const QPoint firstLine(5, 12);
        if (doubleClick) {
            QTest::mouseDClick(&label, Qt::LeftButton, Qt::NoModifier, firstLine);
        } else {
            QTest::mousePress(&label, Qt::LeftButton, Qt::NoModifier, QPoint(60, 12));
            tavixtest::moveTo(&label, firstLine, Qt::LeftButton);
            QTest::mouseRelease(&label, Qt::LeftButton, Qt::NoModifier, firstLine);
        }
        const QImage image = renderWidget(label);
        const Ink ink = findInk(image, highlight);
        if (!interactive) {
            QCOMPARE(ink.rows, 0);
            return;
        }
        // Select all covers both paragraphs; the drag covers the first line from its start to x = 60.
        const int lineHeight = QFontMetrics(tavixTextStyleFont(label.getTextStyle(Normal))).height();
        QCOMPARE(ink.rows, 1);
        QVERIFY2(ink.bottom - ink.top + 1 >= (doubleClick ? 2 : 1) * lineHeight - 2, qPrintable(QString::number(ink.bottom)));
        QVERIFY(ink.bottom - ink.top + 1 < (doubleClick ? 3 : 2) * lineHeight);
        QVERIFY(ink.left <= 5);
        if (!doubleClick)
            QVERIFY(ink.right >= 50 && ink.right <= 64);
    }

    // Through the window, as a user's press arrives: taken by a selecting label (so the drag stays with
    // it), passed on to the parent by one without interaction flags.
    void labelExTakesPressOnlyWhenInteractive()
    {
        PressCounter parent;
        parent.resize(200, 100);
        auto *label = new TavixQLabelEx(&parent);
        label->setGeometry(0, 0, 200, 100);
        label->setText(QStringLiteral("Some text"));
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, QPoint(10, 12));
        QCOMPARE(parent.presses, 0);
        label->setTextInteractionFlags(Qt::NoTextInteraction);
        QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, QPoint(10, 12));
        QCOMPARE(parent.presses, 1);
    }

    void labelExCalcSize()
    {
        TavixQLabelEx label;
        label.setTextStyle(Normal, textStyle(kNormal));
        const QString html = QStringLiteral("<p>alpha beta gamma delta epsilon zeta eta theta</p>");
        const QSize unwrapped = label.calcSize(html, 0);
        const QSize wrapped = label.calcSize(html, 80);
        QVERIFY(unwrapped.width() > 150);
        QVERIFY(wrapped.width() <= 80 && wrapped.height() >= 3 * unwrapped.height() / 2);
        for (int width : {INT_MIN, -1, INT_MAX})
            QVERIFY(label.calcSize(html, width).isValid());
        label.setHtmlContent(html);
        QCOMPARE(label.heightForWidth(80), wrapped.height());
        label.setHtmlContent(QStringLiteral("<b>bold</b> text"));
        QCOMPARE(label.getText(), QStringLiteral("bold text"));
        QVERIFY(label.getHtmlContent().contains(QStringLiteral("font-weight")));
    }

    // A line break in the text shows as two lines; the disabled look replaces the normal one.
    void labelExLinesAndStates()
    {
        TavixQLabelEx label;
        label.resize(200, 60);
        label.setTextStyle(Normal, textStyle(kNormal));
        label.setText(QStringLiteral("line one\nline two"));
        QCOMPARE(findInk(renderWidget(label), kNormal).rows, 2);
        label.setTextStyle(Disable, textStyle(kDisable));
        label.setEnabled(false);
        const QImage disabled = renderWidget(label);
        QVERIFY(findInk(disabled, kDisable).rows == 2 && !findInk(disabled, kNormal).any());
    }

    // last: it loads a theme for the rest of the process
    // A theme entry named after the keyword styles every new control but never sets what it shows.
    void themeStylesButKeepsText()
    {
        QTemporaryDir dir;
        const auto save = [&dir](const char *name, const QByteArray &bytes) {
            return tavixtest::writeFile(dir.filePath(QLatin1String(name)), bytes);
        };
        QVERIFY(save("style.json", R"({"style": [{"type": 2, "name": "tst_theme_blue", "clr": "ff0000ff"}]})"));
        QVERIFY(save("theme.json", R"({"elements": [{"child": [
            {"name": "qtlabel", "attr": {"text": "fromTheme"}, "style": [["tst_theme_blue", 2, 0]]},
            {"name": "qtlabelex", "attr": {"text": "fromTheme"}, "style": [["tst_theme_blue", 2, 0]]},
            {"name": "qtlcdnumber", "attr": {"text": "77", "color": "FF00FF00"}}]}]})"));
        QVERIFY(TavixQResourceManager::getInstance()->loadThemeDir(dir.path()));
        TavixQLabel label;
        TavixQLabelEx labelEx;
        TavixQLCDNumber lcd;
        QCOMPARE(label.getColor(), kDisable);
        QCOMPARE(labelEx.getTextStyle(Normal).color, kDisable);
        QCOMPARE(lcd.getColor(), QColor(0, 255, 0));
        QCOMPARE(label.getText(), QStringLiteral("label"));
        QCOMPARE(labelEx.getText(), QStringLiteral("label"));
        QCOMPARE(lcd.getNumText(), QStringLiteral("0"));
    }
};

QTEST_MAIN(tst_Label)
#include "tst_label.moc"
