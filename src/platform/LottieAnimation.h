#pragma once

#include <QImage>
#include <QSize>
#include <filesystem>
#include <memory>
#include <string>

namespace rlottie {
class Animation;
}

namespace platform {

// A Lottie (Bodymovin JSON) animation, drawn frame by frame.
class LottieAnimation {
public:
    enum class Failure { none, missing, invalid };

    // Null when the file is missing or not an animation; `failure` then says which.
    [[nodiscard]] static std::unique_ptr<LottieAnimation>
    loadFromFile(const std::filesystem::path& path, Failure* failure = nullptr);
    // Where the application bundle keeps <subdirectory>/<name>.json.
    [[nodiscard]] static std::filesystem::path pathForNamed(const std::string& name,
                                                            const std::string& subdirectory);

    ~LottieAnimation();
    LottieAnimation(const LottieAnimation&) = delete;
    LottieAnimation& operator=(const LottieAnimation&) = delete;

    [[nodiscard]] int totalFrames() const;
    [[nodiscard]] double frameRate() const;
    // The size the animation is drawn for.
    [[nodiscard]] QSize size() const;

    // One frame scaled to fit the image size without distortion, centred, on transparency.
    [[nodiscard]] QImage renderFrame(int frame, QSize imageSize) const;

private:
    explicit LottieAnimation(std::unique_ptr<rlottie::Animation> animation);

    std::unique_ptr<rlottie::Animation> animation_;
};

} // namespace platform
