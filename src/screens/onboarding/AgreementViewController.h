#pragma once

#include "screens/onboarding/OnboardingViewController.h"
#include "ui/AccessibleKey.h"

class QFrame;

// A text the user reads in a scrolling panel before agreeing: the agree button stays off
// until the text has been scrolled to its very end (or fits), and then stays on.
class AgreementViewController : public OnboardingViewController {
    Q_OBJECT

public:
    static constexpr QSize panelSize{720, 300};
    static constexpr int panelTopGap = 47;
    static constexpr int panelCornerRadius = 32;
    static constexpr int contentInset = 24;

    // Whether a visible area starting at `visibleTop` and `visibleHeight` high shows the end
    // of a document `documentHeight` high, or the whole of it.
    [[nodiscard]] static bool showsEnd(int visibleTop, int visibleHeight, int documentHeight);

    [[nodiscard]] TextView* titleText() const { return titleText_; }
    [[nodiscard]] QFrame* panel() const { return panel_; }
    [[nodiscard]] TextView* contentText() const { return contentText_; }
    [[nodiscard]] Button* agreeButton() const { return agreeButton_; }
    [[nodiscard]] Button* cancelButton() const { return cancelButton_; }

    virtual void didAgreeClick() = 0;
    virtual void didCancelClick() = 0;
    // Enables the agree button (queued) when the text shows its end.
    void contentViewDidChangeBounds();

protected:
    struct Texts {
        LocalizedKey title;
        LocalizedKey agree;
        LocalizedKey cancel;
        // What screen readers call the scrolling text.
        AccessibleKey content;
    };
    explicit AgreementViewController(Texts texts);

    void viewDidLoad() override;
    void viewDidAppear() override;
    void layoutElements(QSize viewSize) override;
    // Fills the content text; runs once the elements are built. False when there is nothing
    // to agree to (the document could not be loaded): Agree then stays off.
    virtual bool loadContent(TextView* content) = 0;

private:
    void enableAgreeButton();
    // The first answer counts: a second click while the first is under way does nothing.
    void answerOnce(void (AgreementViewController::*answer)());

    Texts texts_;
    TextView* titleText_ = nullptr;
    QFrame* panel_ = nullptr;
    TextView* contentText_ = nullptr;
    Button* agreeButton_ = nullptr;
    Button* cancelButton_ = nullptr;
    bool agreeable_ = true;
    bool answered_ = false;
};
