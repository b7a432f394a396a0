// artpicture.h: a picture of the window art for the pixel ratio of the window that paints it.
#pragma once

#include "platform/scaledpicture.h"

#include <QPixmap>
#include <QString>

#include <utility>

namespace quintrel {

// Made at the first paint and again only when the ratio changes (a window moved to another screen).
class ArtPicture {
public:
    explicit ArtPicture(QString resource)
        : m_resource(std::move(resource))
    {
    }

    const QPixmap &forRatio(qreal ratio)
    {
        if (ratio != m_ratio) {
            m_pixmap = resourcePictureForRatio(m_resource, ratio);
            m_ratio = ratio;
        }
        return m_pixmap;
    }

private:
    QString m_resource;
    QPixmap m_pixmap;
    qreal m_ratio = 0;
};

} // namespace quintrel
