// scaledpicture.cpp: choosing between the 1x and the 2x picture, and fitting the 2x one to the ratio.
#include "platform/scaledpicture.h"

#include "platform/filereading.h"

#include <QImage>

#include <utility>

namespace quintrel {

namespace {

// The 2x picture made ready for the ratio: as it is at 2 and above, reduced smoothly below. The
// reduced size is the logical size times the ratio, rounded, and the pixmap's ratio is what makes
// that many pixels exactly the logical size again.
QPixmap fitToRatio(const QImage &doubled, QSize logical, qreal ratio)
{
    if (ratio >= 2) {
        QPixmap pixmap = QPixmap::fromImage(doubled);
        pixmap.setDevicePixelRatio(2);
        return pixmap;
    }
    const QSize physical(qRound(logical.width() * ratio), qRound(logical.height() * ratio));
    QPixmap pixmap = QPixmap::fromImage(doubled.scaled(physical, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(qreal(physical.width()) / logical.width());
    return pixmap;
}

bool isDoubleOf(const QImage &doubled, QSize logical) { return doubled.size() == logical * 2; }

// The path without its extension, and the extension with its dot (empty when there is none).
std::pair<QByteArrayView, QByteArrayView> splitExtension(QByteArrayView path)
{
    const qsizetype slash = path.lastIndexOf('/');
    const qsizetype dot = path.lastIndexOf('.');
    if (dot <= slash)
        return {path, {}};
    return {path.first(dot), path.sliced(dot)};
}

} // namespace

QByteArray doubleSizePath(QByteArrayView path) { return splitExtension(path).first.toByteArray() + "@2x.png"; }

QByteArray doubleSizeIconPath(QByteArrayView path)
{
    const auto [stem, extension] = splitExtension(path);
    return stem.toByteArray() + "@2x" + extension.toByteArray();
}

QPixmap readDoubleSizePicture(const QByteArray &path, QSize single, const PictureCap &cap, qreal ratio)
{
    if (!(ratio > 1))
        return {};
    const QImage doubled = readPicture(doubleSizePath(path), cap);
    return isDoubleOf(doubled, single) ? fitToRatio(doubled, single, ratio) : QPixmap();
}

QPixmap readPictureForRatio(const QByteArray &path, const PictureCap &cap, qreal ratio, QString *reason)
{
    // Above 1 the 1x picture only gives its size, from its header: a turn then decodes one
    // picture, not two.
    if (ratio > 1) {
        if (const QSize single = readPictureSize(path, cap); single.isValid()) {
            QPixmap sharp = readDoubleSizePicture(path, single, cap, ratio);
            if (!sharp.isNull())
                return sharp;
        }
    }
    const QImage single = readPicture(path, cap, reason);
    return single.isNull() ? QPixmap() : QPixmap::fromImage(single);
}

QPixmap resourcePictureForRatio(const QString &resource, qreal ratio)
{
    const QImage single(resource);
    if (ratio > 1 && !single.isNull()) {
        const QImage doubled(QString::fromUtf8(doubleSizePath(resource.toUtf8())));
        if (isDoubleOf(doubled, single.size()))
            return fitToRatio(doubled, single.size(), ratio);
    }
    return QPixmap::fromImage(single);
}

} // namespace quintrel
