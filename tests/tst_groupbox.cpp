#include "TavixTestSupport.h"
#include "controls/TavixQGroupBox.h"
#include "controls/TavixQGroupBoxImpl.h"
#include "core/TavixJson.h"
#include "resources/TavixQResourceManager.h"

#include <json/value.h>

#include <QtTest>

#include <climits>

using namespace TavixQtLib;

namespace {

const QColor kSentinel(0, 255, 255);

QImage renderBox(TavixQGroupBox &box)
{
    return tavixtest::rendered(box, kSentinel);
}

using tavixtest::parse;

} // namespace

class tst_GroupBox : public QObject
{
    Q_OBJECT

private slots:
    void frame_data();
    void frame();
    void readJson_data();
    void readJson();
    void writeJson();
    void sizeHintHoldsCaptionAndChildren();
};

void tst_GroupBox::frame_data()
{
    QTest::addColumn<QString>("caption");   // empty: showText false
    QTest::addColumn<int>("lineSize");
    QTest::newRow("no caption, line size 1") << "" << 1;
    QTest::newRow("no caption, line size 3") << "" << 3;
    QTest::newRow("caption") << "Options" << 1;
}

// A closed frame except for the gap in the top edge, from x = 5 to x = 9 + caption width (exclusive ends).
void tst_GroupBox::frame()
{
    QFETCH(QString, caption);
    QFETCH(int, lineSize);
    TavixQGroupBox box;
    box.resize(200, 60);
    box.setText(caption);
    box.setShowText(!caption.isEmpty());
    box.setLineSize(lineSize);
    const QColor line(200, 0, 0);
    box.setLineColor(line);
    const QImage image = renderBox(box);
    const QSize text = TavixQWidgetBaseImpl::measureText(box.getTextStyle(CommonNormal), caption);
    const int top = text.height() / 2, bottom = 60 - lineSize, right = 198;
    for (int x = 0; x <= right; ++x) {
        QCOMPARE(image.pixelColor(x, top) == line, x <= 5 || x >= 9 + (caption.isEmpty() ? 0 : text.width()));
        QCOMPARE(image.pixelColor(x, bottom), line);
    }
    for (int y = top; y <= bottom; ++y)
        QVERIFY(image.pixelColor(0, y) == line && image.pixelColor(right, y) == line);
    // Inside, above and below the frame nothing is painted.
    QCOMPARE(image.pixelColor(100, (top + bottom) / 2), kSentinel);
    QVERIFY(top == 0 || image.pixelColor(100, top - 1) == kSentinel);
    QVERIFY(bottom == 59 || image.pixelColor(100, 59) == kSentinel);
}

void tst_GroupBox::readJson_data()
{
    QTest::addColumn<QString>("attr");
    QTest::addColumn<int>("lineSize");
    QTest::addColumn<QColor>("lineColor");

    // The box starts at line size 2 and colour (1, 2, 3), so "unchanged" is visible.
    const QColor start(1, 2, 3), rgb(0x10, 0x20, 0x30);
    QTest::newRow("size 3") << R"({"size": 3})" << 3 << start;
    QTest::newRow("size INT_MIN") << R"({"size": -2147483648})" << INT_MIN << start;
    QTest::newRow("size as string") << R"({"size": "3"})" << 2 << start;
    QTest::newRow("colour string") << R"({"color": "FF102030"})" << 2 << rgb;
    QTest::newRow("colour number") << R"({"color": 1056816})" << 2 << rgb;
    QTest::newRow("colour not hexadecimal") << R"({"color": "red"})" << 2 << start;
}

void tst_GroupBox::readJson()
{
    QFETCH(QString, attr);
    QFETCH(int, lineSize);
    QFETCH(QColor, lineColor);
    TavixQGroupBox box;
    box.setLineSize(2);
    box.setLineColor(QColor(1, 2, 3));
    Json::Value node = parse(QStringLiteral(R"({"attr": %1})").arg(attr).toUtf8().constData());
    QVERIFY(box.readJsonValue(&node));
    QCOMPARE(box.getLineSize(), lineSize);
    QCOMPARE(box.getLineColor(), lineColor);
    box.resize(50, 30);
    renderBox(box);     // any value read must paint
}

// Slot 0 carries both styles, the kind saying which; the line colour is written opaque. A translated caption
// follows the language and keeps its key when saved.
void tst_GroupBox::writeJson()
{
    TavixQResourceManager *resources = TavixQResourceManager::getInstance();
    FillStyle fill;
    fill.name = QStringLiteral("tst_groupbox_fill");
    TextStyleDesc text;
    text.name = QStringLiteral("tst_groupbox_text");
    resources->setFillStyle(fill.name, fill);
    resources->setTextStyle(text.name, text);
    const QString table = QStringLiteral("Language\tEnglish\tGerman\r\ntst_gb_title\tFrame\tRahmen\r\n");
    QVERIFY(resources->readLanguage(QByteArray(reinterpret_cast<const char *>(table.utf16()), table.size() * 2)));
    QVERIFY(resources->setCurrentLanguage(QStringLiteral("English")));
    Json::Value node = parse(R"({"style": [["tst_groupbox_fill", 1, 0], ["tst_groupbox_text", 2, 0],
        ["tst_groupbox_fill", 2, 0], ["tst_groupbox_text", 1, 1], "junk", [1, 2, 0]],
        "attr": {"text": "|->tst_gb_title", "size": 3, "color": "80102030", "showText": 0}})");
    TavixQGroupBox box;
    QVERIFY(box.readJsonValue(&node));
    QCOMPARE(box.getText(), QStringLiteral("Frame"));
    QVERIFY(resources->setCurrentLanguage(QStringLiteral("German")));
    box.notifyChangeLanguage();
    QCOMPARE(box.getText(), QStringLiteral("Rahmen"));

    Json::Value written = tavixtest::written(box);
    QCOMPARE(tavixJsonCompact(written["style"]),
             std::string(R"([["tst_groupbox_fill",1,0],["tst_groupbox_text",2,0]])"));
    QCOMPARE(tavixJsonCompact(written["attr"]),
             std::string(R"({"color":"FF102030","showText":0,"size":3,"text":"|->tst_gb_title"})"));
}

// A layout gives a group box room for its caption and for what it holds, and hears of a new caption.
void tst_GroupBox::sizeHintHoldsCaptionAndChildren()
{
    QWidget window;
    auto *box = new TavixQGroupBox;
    tavixtest::showInLayout(window, box);
    box->setText(QStringLiteral("Short"));
    QTRY_COMPARE(box->size(), box->sizeHint());
    const int shortWidth = box->width();
    const int captionWidth = box->getImpl()->captionSize().width();
    QVERIFY(shortWidth >= captionWidth + 16);   // the caption and the frame's corner beyond it
    box->setText(QStringLiteral("A much longer caption than before"));
    QTRY_VERIFY(box->width() > shortWidth);
    QCOMPARE(box->width(), box->getImpl()->captionSize().width() + 24);
    box->setShowText(false);
    QTRY_COMPARE(box->width(), 60);

    auto *child = new QWidget(box);
    child->setGeometry(10, 30, 300, 200);
    child->show();
    QCOMPARE(box->sizeHint(), QSize(310 + 8, 230 + 8));   // 8 pixels past its far edges
    child->move(INT_MAX / 2, INT_MAX / 2);   // far away: bounded, not wrapped
    const QSize far = box->sizeHint();
    QVERIFY(far.width() >= 300 && far.width() <= QWIDGETSIZE_MAX);
    QVERIFY(far.height() >= 200 && far.height() <= QWIDGETSIZE_MAX);
}

QTEST_MAIN(tst_GroupBox)
#include "tst_groupbox.moc"
