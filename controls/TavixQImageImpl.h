#pragma once

#include "core/TavixQWidgetBaseImpl.h"
#include "tavixqtlib_export.h"

#include <QColor>
#include <QString>

class QImage;
class QLabel;
class QMovie;

namespace TavixQtLib {

class TavixQImage;

class TAVIXQTLIB_EXPORT TavixQImageImpl : public TavixQWidgetBaseImpl
{
    Q_OBJECT
public:
    explicit TavixQImageImpl(TavixQImage *owner);
    ~TavixQImageImpl() override;

    void paintEvent(QPaintEvent *event) override;
    void paint(QPainter *painter, const QRect &rect) override;
    bool serializeJsonValue(Json::Value **node, bool read) override;

    // Where content of the given size goes inside rect (whole widget when stretched).
    QRect placement(const QRect &rect, const QSize &content) const;
    void setPath(const QString &path);
    void startMovie(const QString &path);
    void deleteMovie();

    int lastFrame = -1;
    bool stretch = true;
    int verAlign = 1;
    int horAlign = 1;
    QString imagePath;
    QString svgPath;
    const QImage *image = nullptr;      // not owned
    bool useSvgColor = false;
    QColor svgColor = QColor(0, 0, 0);
    QMovie *movie = nullptr;            // owned
    QLabel *movieLabel = nullptr;       // child of the widget

private:
    // Reports the end of the animation once each time the movie arrives on its last frame.
    void noteFrame(int frame);

    TavixQImage *owner;
};

} // namespace TavixQtLib
