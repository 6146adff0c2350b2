#pragma once

#include "screens/main/MainScreenViewController.h"

class AnimationView;
class Button;
class QLabel;
class QWidget;
class TextView;

// The main window's screen while the speakerphone is missing: three pairing steps side by
// side, the first one animated, and a button to the desktop's Bluetooth settings.
class BluetoothViewController : public MainScreenViewController {
    Q_OBJECT

public:
    // The pairing animation in the resource folder "Animations".
    static constexpr const char* animationName = "img_step_01@1x";
    static constexpr const char* animationFolder = "Animations";

    BluetoothViewController();

    void checkStatusWithNotitfication() override;
    void didOpenBluetoothClick();

    [[nodiscard]] QLabel* logoItemImage() const { return logoItemImage_; }
    [[nodiscard]] TextView* bluetoothTitleText() const { return bluetoothTitleText_; }
    [[nodiscard]] TextView* bluetoothDescriptionText() const { return bluetoothDescriptionText_; }
    [[nodiscard]] QWidget* step1view() const { return step1view_; }
    [[nodiscard]] AnimationView* animationView() const { return animationView_; }
    [[nodiscard]] TextView* step1TitleText() const { return step1TitleText_; }
    [[nodiscard]] TextView* step1DescriptionText() const { return step1DescriptionText_; }
    [[nodiscard]] QWidget* step2view() const { return step2view_; }
    [[nodiscard]] TextView* step2TitleText() const { return step2TitleText_; }
    [[nodiscard]] QWidget* step3view() const { return step3view_; }
    [[nodiscard]] TextView* step3TitleText() const { return step3TitleText_; }
    [[nodiscard]] TextView* step3DescriptionText() const { return step3DescriptionText_; }
    [[nodiscard]] Button* openBluetoothButton() const { return openBluetoothButton_; }

protected:
    void viewDidLoad() override;
    void willStartStatusCheck() override;
    void layoutElements(QSize viewSize) override;

private:
    QLabel* logoItemImage_ = nullptr;
    TextView* bluetoothTitleText_ = nullptr;
    TextView* bluetoothDescriptionText_ = nullptr;
    QWidget* step1view_ = nullptr;
    AnimationView* animationView_ = nullptr;
    TextView* step1TitleText_ = nullptr;
    TextView* step1DescriptionText_ = nullptr;
    QWidget* step2view_ = nullptr;
    QLabel* step2Image_ = nullptr;
    TextView* step2TitleText_ = nullptr;
    QWidget* step3view_ = nullptr;
    QLabel* step3Image_ = nullptr;
    TextView* step3TitleText_ = nullptr;
    TextView* step3DescriptionText_ = nullptr;
    Button* openBluetoothButton_ = nullptr;
};
