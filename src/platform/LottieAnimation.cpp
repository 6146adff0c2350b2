#include "platform/LottieAnimation.h"

#include "platform/Bundle.h"
#include "platform/Platform.h"

#include <QPainter>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <rlottie.h>

namespace platform {

std::unique_ptr<LottieAnimation> LottieAnimation::loadFromFile(const std::filesystem::path& path,
                                                               Failure* failure) {
    const auto fail = [failure](Failure reason) {
        if (failure != nullptr) {
            *failure = reason;
        }
        return nullptr;
    };
    std::error_code error;
    std::ifstream file(path, std::ios::binary);
    if (!file || !std::filesystem::is_regular_file(path, error)) {
        return fail(Failure::missing);
    }
    std::string json((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    // Not cached by rlottie: a file replaced on disk must be read again.
    auto animation = rlottie::Animation::loadFromData(std::move(json), path.string(),
                                                      path.parent_path().string(), false);
    size_t width = 0;
    size_t height = 0;
    if (animation) {
        animation->size(width, height);
    }
    if (!animation || animation->totalFrame() == 0 || width == 0 || height == 0) {
        return fail(Failure::invalid);
    }
    fail(Failure::none);
    return std::unique_ptr<LottieAnimation>(new LottieAnimation(std::move(animation)));
}

std::filesystem::path LottieAnimation::pathForNamed(const std::string& name,
                                                    const std::string& subdirectory) {
    return Platform::bundle().resourcesPath() / subdirectory / (name + ".json");
}

LottieAnimation::LottieAnimation(std::unique_ptr<rlottie::Animation> animation)
    : animation_(std::move(animation)) {}

LottieAnimation::~LottieAnimation() = default;

int LottieAnimation::totalFrames() const {
    return static_cast<int>(animation_->totalFrame());
}

double LottieAnimation::frameRate() const {
    return animation_->frameRate();
}

QSize LottieAnimation::size() const {
    size_t width = 0;
    size_t height = 0;
    animation_->size(width, height);
    return {static_cast<int>(width), static_cast<int>(height)};
}

QImage LottieAnimation::renderFrame(int frame, QSize imageSize) const {
    QImage canvas(imageSize, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    const QSize fitted = size().scaled(imageSize, Qt::KeepAspectRatio);
    if (fitted.isEmpty()) {
        return canvas;
    }
    QImage drawn(fitted, QImage::Format_ARGB32_Premultiplied);
    rlottie::Surface surface(
        reinterpret_cast<std::uint32_t*>(drawn.bits()), static_cast<size_t>(fitted.width()),
        static_cast<size_t>(fitted.height()), static_cast<size_t>(drawn.bytesPerLine()));
    const int last = totalFrames() - 1;
    animation_->renderSync(static_cast<size_t>(std::clamp(frame, 0, last)), surface, true);
    QPainter painter(&canvas);
    painter.drawImage((imageSize.width() - fitted.width()) / 2,
                      (imageSize.height() - fitted.height()) / 2, drawn);
    return canvas;
}

} // namespace platform
