#pragma once

#include <QBasicTimer>
#include <QImage>
#include <QWidget>
#include <memory>
#include <string>

namespace platform {
class LottieAnimation;
}

// Plays a Lottie animation in a loop, fitted into the view without distortion. Without an
// animation the view stays empty.
class AnimationView : public QWidget {
    Q_OBJECT

public:
    explicit AnimationView(QWidget* parent = nullptr);
    ~AnimationView() override;

    // Loads <resources>/<subdirectory>/<name>.json; false, with one line, when it cannot.
    bool loadNamed(const std::string& name, const std::string& subdirectory);
    void setAnimation(std::unique_ptr<platform::LottieAnimation> animation);
    [[nodiscard]] bool hasAnimation() const { return animation_ != nullptr; }

    // Loops until stopped; frames advance only while the view is visible.
    void play();
    void stop();
    [[nodiscard]] bool isPlaying() const { return playing_; }
    [[nodiscard]] int currentFrame() const { return frame_; }
    // The picture of the current frame as last drawn for the view's size.
    [[nodiscard]] const QImage& currentImage() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateTicking();
    void renderCurrentFrame();

    std::unique_ptr<platform::LottieAnimation> animation_;
    QBasicTimer ticker_;
    bool playing_ = false;
    int frame_ = 0;
    QImage image_;
};
