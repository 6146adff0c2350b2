#pragma once

#include "screens/main/MainScreenViewController.h"
#include "ui/AccessibleKey.h"
#include "ui/ImageAsset.h"
#include "ui/LocalizedKey.h"

class Button;
class QLabel;
class QWidget;
class TextView;

// The main window's screen while the speakerphone is connected: greets it by name and offers
// Meeting and Music mode as two large clickable panels.
class ModeViewController : public MainScreenViewController {
    Q_OBJECT

public:
    ModeViewController();

    void checkStatusWithNotitfication() override;
    void didMeetingClick();
    void didMusicClick();

    [[nodiscard]] QLabel* logoItemImage() const { return logoItemImage_; }
    [[nodiscard]] TextView* modeTitleText() const { return modeTitleText_; }
    [[nodiscard]] TextView* modeDescriptionText() const { return modeDescriptionText_; }
    [[nodiscard]] QWidget* meetingView() const { return meetingView_; }
    [[nodiscard]] TextView* meetingTitleText() const { return meetingTitleText_; }
    [[nodiscard]] TextView* meetingDescriptionText() const { return meetingDescriptionText_; }
    [[nodiscard]] Button* meetingButton() const { return meetingButton_; }
    [[nodiscard]] QWidget* musicView() const { return musicView_; }
    [[nodiscard]] TextView* musicTitleText() const { return musicTitleText_; }
    [[nodiscard]] TextView* musicDescriptionText() const { return musicDescriptionText_; }
    [[nodiscard]] Button* musicButton() const { return musicButton_; }

protected:
    void viewDidLoad() override;
    void layoutElements(QSize viewSize) override;

private:
    struct Panel {
        QWidget* view = nullptr;
        QLabel* image = nullptr;
        TextView* title = nullptr;
        TextView* description = nullptr;
        Button* button = nullptr;
    };

    void buildTitle();
    Panel buildPanel(QWidget* parent, ImageAsset picture, LocalizedKey titleKey,
                     LocalizedKey descriptionKey, AccessibleKey buttonName);
    // Heights follow the measured texts; returns the panel's height.
    static int layoutPanel(const Panel& panel, int left, int top);
    void showModeToast(LocalizedKey message);

    QLabel* logoItemImage_ = nullptr;
    TextView* modeTitleText_ = nullptr;
    TextView* modeDescriptionText_ = nullptr;
    QWidget* meetingView_ = nullptr;
    QLabel* meetingImage_ = nullptr;
    TextView* meetingTitleText_ = nullptr;
    TextView* meetingDescriptionText_ = nullptr;
    Button* meetingButton_ = nullptr;
    QWidget* musicView_ = nullptr;
    QLabel* musicImage_ = nullptr;
    TextView* musicTitleText_ = nullptr;
    TextView* musicDescriptionText_ = nullptr;
    Button* musicButton_ = nullptr;
};
