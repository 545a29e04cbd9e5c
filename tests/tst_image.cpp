#include "TavixTestSupport.h"
#include "controls/TavixQImage.h"
#include "controls/TavixQImageImpl.h"
#include "core/TavixControlRegistry.h"

#include <json/value.h>

#include <QLabel>
#include <QMovie>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>

using namespace TavixQtLib;

namespace {

const QColor kSentinel(0, 255, 255);
const QColor kRed(255, 0, 0);

QImage renderImage(QWidget &widget)
{
    return tavixtest::rendered(widget, kSentinel);
}

// An animated GIF of 2 x 2 pixels: frame 0 red, frame 1 blue, 50 ms each, played once. The image data
// restarts the code table every two pixels, so every code stays 3 bits wide.
QByteArray twoFrameGif()
{
    QByteArray gif("GIF89a");
    const auto le16 = [&gif](int v) {
        gif.append(char(v & 0xFF));
        gif.append(char((v >> 8) & 0xFF));
    };
    le16(2);
    le16(2);
    gif.append(char(0x80)).append(char(0)).append(char(0));             // two-colour global table
    gif.append(QByteArray::fromHex("ff00000000ff"));                    // 0 red, 1 blue
    for (int index : {0, 1}) {
        gif.append(QByteArray::fromHex("21f904000500000000").left(8));  // graphic control: 50 ms
        gif.append(char(0x2C));
        le16(0);
        le16(0);
        le16(2);
        le16(2);
        gif.append(char(0));
        gif.append(char(2));                                            // minimum code size
        const int codes[] = {4, index, index, 4, index, index, 5};      // clear, pixels, end
        QByteArray data;
        unsigned bits = 0;
        int count = 0;
        for (int code : codes) {
            bits |= unsigned(code) << count;
            count += 3;
            while (count >= 8) {
                data.append(char(bits & 0xFF));
                bits >>= 8;
                count -= 8;
            }
        }
        if (count > 0)
            data.append(char(bits & 0xFF));
        gif.append(char(data.size())).append(data).append(char(0));
    }
    gif.append(char(0x3B));
    return gif;
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file");
    return file.fileName();
}

} // namespace

class tst_Image : public QObject
{
    Q_OBJECT

private slots:
    void placement_data();
    void placement();
    void tintedSvg();
    void gifAdvancesAndFinishes();
    void clickedOnRelease();
    void json_data();
    void json();
};

void tst_Image::placement_data()
{
    QTest::addColumn<bool>("fromFile");
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<int>("hor");
    QTest::addColumn<int>("ver");
    QTest::addColumn<QRect>("drawn");   // where the 20 x 10 picture lands in the 100 x 50 widget
    QTest::newRow("centred") << false << false << 1 << 1 << QRect(40, 20, 20, 10);
    QTest::newRow("near") << false << false << 0 << 0 << QRect(0, 0, 20, 10);
    QTest::newRow("far") << false << false << 2 << 2 << QRect(80, 40, 20, 10);
    QTest::newRow("out of range reads as near") << false << false << 7 << INT_MIN << QRect(0, 0, 20, 10);
    QTest::newRow("stretched") << false << true << 2 << 0 << QRect(0, 0, 100, 50);
    QTest::newRow("file, centred") << true << false << 1 << 1 << QRect(40, 20, 20, 10);
    QTest::newRow("file, stretched") << true << true << 1 << 1 << QRect(0, 0, 100, 50);
}

void tst_Image::placement()
{
    QFETCH(bool, fromFile);
    QFETCH(bool, stretch);
    QFETCH(int, hor);
    QFETCH(int, ver);
    QFETCH(QRect, drawn);
    QImage picture(20, 10, QImage::Format_ARGB32);
    picture.fill(kRed);
    QTemporaryDir dir;
    TavixQImage image;
    image.resize(100, 50);
    if (fromFile) {
        const QString path = dir.filePath(QStringLiteral("red.png"));
        QVERIFY(picture.save(path));
        image.setImagePath(path);
    } else {
        image.setImage(&picture);
    }
    image.setStretchDraw(stretch);
    image.setAlignType(DockLayoutType(hor), DockLayoutType(ver));
    const QImage shown = renderImage(image);
    for (const QPoint &p : {drawn.topLeft(), drawn.bottomRight(), drawn.center()})
        QCOMPARE(shown.pixelColor(p), kRed);
    for (const QPoint &p : {drawn.topLeft() - QPoint(1, 1), drawn.bottomRight() + QPoint(1, 1)}) {
        if (shown.rect().contains(p))
            QCOMPARE(shown.pixelColor(p), kSentinel);
    }
}

// A path ending in upper-case .SVG draws as SVG; the tint keeps the picture's transparency.
void tst_Image::tintedSvg()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("LOGO.SVG"),
        "<svg xmlns='http://www.w3.org/2000/svg' width='20' height='20'>"
        "<circle cx='10' cy='10' r='10' fill='black'/></svg>");
    TavixQImage image;
    image.resize(100, 50);
    image.setStretchDraw(false);
    image.setImagePath(path);
    QCOMPARE(image.getSvgPath(), path);
    QCOMPARE(renderImage(image).pixelColor(50, 25), QColor(Qt::black));

    image.setSvgColor(kRed);
    const QImage shown = renderImage(image);
    QCOMPARE(shown.pixelColor(50, 25), kRed);
    QCOMPARE(shown.pixelColor(40, 15), kSentinel);   // the circle's corner stays clear
    QCOMPARE(shown.pixelColor(30, 25), kSentinel);   // outside the picture
}

void tst_Image::gifAdvancesAndFinishes()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("beat.gif"), twoFrameGif());
    TavixQImage image;
    image.resize(40, 40);
    QSignalSpy finished(&image, &TavixQImage::movieFinished);
    image.loadGif(path);
    QMovie *movie = image.getImpl()->movie;
    QVERIFY(movie);
    QCOMPARE(movie->frameCount(), 2);
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(movie->currentFrameNumber(), 1);
    QCOMPARE(image.grab().toImage().pixelColor(20, 20), QColor(0, 0, 255));
    // Repainting on the last frame is not another end of the animation.
    image.repaint();
    QTest::qWait(120);
    QCOMPARE(finished.count(), 1);

    // A still picture replaces the movie and its label, also from the end-of-animation slot.
    image.loadGif(path);
    connect(&image, &TavixQImage::movieFinished, &image,
            [&image]() { image.setImagePath(QStringLiteral("none.png")); });
    QTRY_COMPARE(finished.count(), 2);
    QVERIFY(!image.getImpl()->movie);
    QVERIFY(image.getImpl()->movieLabel->isHidden());
    image.loadGif(dir.filePath(QStringLiteral("missing.gif")));   // shows an empty label, no crash
    QVERIFY(image.getImpl()->movieLabel->isVisible() || !image.isVisible());
}

void tst_Image::clickedOnRelease()
{
    TavixQImage image;
    image.resize(30, 30);
    QSignalSpy clicked(&image, &TavixQImage::clicked);
    QTest::mouseClick(&image, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(clicked.count(), 1);
    QTest::mouseClick(&image, Qt::RightButton, {}, QPoint(28, 28));
    QCOMPARE(clicked.count(), 2);
}

void tst_Image::json_data()
{
    QTest::addColumn<QByteArray>("node");
    QTest::addColumn<QByteArray>("attr");   // what the image writes back
    QTest::newRow("bitmap, natural size") << QByteArray(R"({"attr":{"path":"a.png","fill":0}})")
                                          << QByteArray(R"({"fill":0,"path":"a.png"})");
    QTest::newRow("upper-case SVG path") << QByteArray(R"({"attr":{"path":"LOGO.SVG"}})")
                                         << QByteArray(R"({"svgPath":"LOGO.SVG"})");
    QTest::newRow("tint, alpha ignored")
        << QByteArray(R"({"attr":{"svgPath":"x.svg","svgUseColor":1,"svgColor":"80FF0000"}})")
        << QByteArray(R"({"svgColor":"FFFF0000","svgPath":"x.svg","svgUseColor":1})");
    QTest::newRow("wrong kinds keep defaults")
        << QByteArray(R"({"attr":{"fill":"NaN","svgColor":"zz","svgUseColor":[1],"path":7}})")
        << QByteArray(R"({"path":"7"})");
    QTest::newRow("extreme numbers") << QByteArray(R"({"attr":{"fill":-2147483648,"svgUseColor":2147483647}})")
                                     << QByteArray(R"({"svgUseColor":1})");
    QTest::newRow("colour beyond 32 bits") << QByteArray(R"({"attr":{"svgColor":"1FF00FF00"}})")
                                           << QByteArray("{}");
}

void tst_Image::json()
{
    QFETCH(QByteArray, node);
    QFETCH(QByteArray, attr);
    Json::Value in = tavixtest::parse(node);
    TavixQImage image;
    QVERIFY(image.readJsonValue(&in));
    Json::Value written = tavixtest::written(image);
    QCOMPARE(tavixtest::show(written["attr"]), tavixtest::show(tavixtest::parse(attr)));
    TavixQImage again;
    QVERIFY(again.readJsonValue(&written));
    QCOMPARE(tavixtest::show(tavixtest::written(again)), tavixtest::show(written));
}

QTEST_MAIN(tst_Image)
#include "tst_image.moc"
