#include "ui/ImageLibrary.h"

#include "platform/Log.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QRectF>
#include <QSvgRenderer>
#include <cmath>
#include <string>

namespace {

// The one picture that sits in the desktop's panel, where the theme decides its colour.
constexpr std::string_view statusItemIcon = "icon_small_tool_Lumatix";

bool exists(std::string_view name, const QString& path) {
    if (QFile::exists(path)) {
        return true;
    }
    platform::Log::line("Image asset missing: " + std::string(name));
    return false;
}

// Largest rectangle of the picture's proportions centred in the target, so a view of another
// shape never distorts it.
QRectF fitted(const QSizeF& natural, const QSizeF& target) {
    if (natural.isEmpty()) {
        return {QPointF(0, 0), target};
    }
    const QSizeF size = natural.scaled(target, Qt::KeepAspectRatio);
    return {QPointF((target.width() - size.width()) / 2, (target.height() - size.height()) / 2),
            size};
}

} // namespace

QIcon ImageLibrary::icon(ImageAsset asset) {
    return icon(rawValue(asset));
}

QIcon ImageLibrary::icon(std::string_view name) {
    const QString path = resourcePath(name);
    if (!exists(name, path)) {
        return {};
    }
    QIcon result(path);
    if (name == statusItemIcon) {
        result.setIsMask(true);
    }
    return result;
}

QPixmap ImageLibrary::pixmap(ImageAsset asset, QSize logicalSize, qreal devicePixelRatio) {
    return pixmap(rawValue(asset), logicalSize, devicePixelRatio);
}

QPixmap ImageLibrary::pixmap(std::string_view name, QSize logicalSize, qreal devicePixelRatio) {
    const QString path = resourcePath(name);
    if (!exists(name, path)) {
        return {};
    }
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) {
        platform::Log::line("Image asset unreadable: " + std::string(name));
        return {};
    }
    const QSize logical = logicalSize.isEmpty() ? renderer.defaultSize() : logicalSize;
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const QSize device(static_cast<int>(std::ceil(logical.width() * ratio)),
                       static_cast<int>(std::ceil(logical.height() * ratio)));
    if (device.isEmpty()) {
        return {};
    }
    QImage image(device, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter, fitted(renderer.defaultSize(), QSizeF(device)));
    }
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(std::move(image));
}

QSize ImageLibrary::naturalSize(ImageAsset asset) {
    return naturalSize(rawValue(asset));
}

QSize ImageLibrary::naturalSize(std::string_view name) {
    const QString path = resourcePath(name);
    if (!exists(name, path)) {
        return {};
    }
    return QSvgRenderer(path).defaultSize();
}

QString ImageLibrary::resourcePath(std::string_view name) {
    return QStringLiteral(":/images/") +
           QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) +
           QStringLiteral(".svg");
}

QIcon ImageLibrary::toggleIcon(ImageAsset off, ImageAsset on) {
    QIcon toggle;
    toggle.addPixmap(pixmap(off), QIcon::Normal, QIcon::Off);
    toggle.addPixmap(pixmap(on), QIcon::Normal, QIcon::On);
    return toggle;
}

QLabel* ImageLibrary::pictureLabel(ImageAsset asset, QSize size, QWidget* parent) {
    auto* picture = new QLabel(parent);
    picture->setPixmap(pixmap(asset, size, qApp->devicePixelRatio()));
    picture->setAlignment(Qt::AlignCenter);
    picture->setFixedSize(size);
    return picture;
}
