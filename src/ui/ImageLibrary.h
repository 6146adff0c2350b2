#pragma once

#include "ui/ImageAsset.h"

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <string_view>

class QLabel;
class QWidget;

// The bundled pictures, drawn as SVG so they stay sharp at any scale. Lookups by name accept
// any text; a name without a picture is logged once per lookup and gives an empty image.
class ImageLibrary {
public:
    // Scalable icon; the status-item icon is marked as a mask so the desktop may recolour it.
    [[nodiscard]] static QIcon icon(ImageAsset asset);
    [[nodiscard]] static QIcon icon(std::string_view name);
    // For a toggle button: the first picture while it is off, the second while it is on.
    [[nodiscard]] static QIcon toggleIcon(ImageAsset off, ImageAsset on);

    // The picture rendered at a size in logical pixels (an empty size means its natural size)
    // for a screen of the given device pixel ratio. The pixmap carries that ratio.
    [[nodiscard]] static QPixmap pixmap(ImageAsset asset, QSize logicalSize = {},
                                        qreal devicePixelRatio = 1.0);
    [[nodiscard]] static QPixmap pixmap(std::string_view name, QSize logicalSize = {},
                                        qreal devicePixelRatio = 1.0);

    // A fixed-size label showing the picture centred, sharp on the application's screen.
    [[nodiscard]] static QLabel* pictureLabel(ImageAsset asset, QSize size, QWidget* parent);

    // The size the picture is drawn for, in logical pixels; empty for a missing picture.
    [[nodiscard]] static QSize naturalSize(ImageAsset asset);
    [[nodiscard]] static QSize naturalSize(std::string_view name);

    // The resource path of a picture (whether or not it exists).
    [[nodiscard]] static QString resourcePath(std::string_view name);
};
