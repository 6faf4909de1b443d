#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

// Pictures drawn with a transparent key colour: the colour of their
// bottom-left pixel.
class KeyedPicture final {
public:
    [[nodiscard]] static QImage transparentKey(const QImage& picture);
    [[nodiscard]] static QImage load(const QString& resource);
};
