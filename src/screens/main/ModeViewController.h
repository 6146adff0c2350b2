#pragma once

#include "audio/ModeInUse.h"
#include "screens/main/MainScreenViewController.h"
#include "ui/AccessibleKey.h"
#include "ui/ImageAsset.h"
#include "ui/LocalizedKey.h"

class Button;
class QLabel;
class QWidget;
class TextView;

// The main window's screen while the speakerphone is connected: greets it by name and offers
// Meeting and Music mode as two large clickable panels; the mode in use is marked.
class ModeViewController : public MainScreenViewController {
    Q_OBJECT

public:
    ModeViewController();

    void checkStatusWithNotitfication() override;
    void didMeetingClick();
    void didMusicClick();
    // Marks the panel of the mode the system's defaults amount to, or none.
    void showModeInUse(ModeInUse mode);
    [[nodiscard]] ModeInUse shownModeInUse() const { return shownModeInUse_; }

    [[nodiscard]] QLabel* logoItemImage() const { return logoItemImage_; }
    [[nodiscard]] TextView* modeTitleText() const { return modeTitleText_; }
    [[nodiscard]] TextView* modeDescriptionText() const { return modeDescriptionText_; }
    [[nodiscard]] QWidget* meetingView() const { return meeting_.view; }
    [[nodiscard]] TextView* meetingTitleText() const { return meeting_.title; }
    [[nodiscard]] TextView* meetingDescriptionText() const { return meeting_.description; }
    [[nodiscard]] Button* meetingButton() const { return meeting_.button; }
    [[nodiscard]] QWidget* musicView() const { return music_.view; }
    [[nodiscard]] TextView* musicTitleText() const { return music_.title; }
    [[nodiscard]] TextView* musicDescriptionText() const { return music_.description; }
    [[nodiscard]] Button* musicButton() const { return music_.button; }

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
        QLabel* inUseBadge = nullptr;
    };

    void buildTitle();
    Panel buildPanel(QWidget* parent, ImageAsset picture, LocalizedKey titleKey,
                     LocalizedKey descriptionKey, AccessibleKey buttonName);
    // Heights follow the measured texts; returns the panel's height.
    static int layoutPanel(const Panel& panel, int left, int top);
    void showModeToast(LocalizedKey message);
    static void markPanel(const Panel& panel, bool inUse);

    QLabel* logoItemImage_ = nullptr;
    TextView* modeTitleText_ = nullptr;
    TextView* modeDescriptionText_ = nullptr;
    Panel meeting_;
    Panel music_;
    ModeInUse shownModeInUse_ = ModeInUse::none;
};
