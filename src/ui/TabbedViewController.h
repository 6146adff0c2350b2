#pragma once

#include "ui/ImageAsset.h"
#include "ui/LocalizedKey.h"
#include "ui/ViewController.h"

#include <QSize>
#include <memory>
#include <vector>

class Button;
class SeparatorLine;
class QWidget;

// A secondary window's content: a column of toggle tab buttons on the left, a separator, and
// the selected tab's view in a container beside it. Exactly one tab is on at any time; the
// first is selected when the view loads.
class TabbedViewController : public ViewController {
    Q_OBJECT

public:
    static constexpr int containerLeft = 200;
    static constexpr int tabButtonLeft = 16;
    static constexpr int tabButtonTop = 24;
    static constexpr int tabButtonGap = 4;
    static constexpr QSize tabButtonSize{168, 40};

    ~TabbedViewController() override;

    // A tab button was clicked (its toggle already flipped); the tag says which. A click on
    // the selected tab selects it again.
    void didCategoryButtonClick(int tag);

    // Null for a tag without a tab.
    [[nodiscard]] Button* tabButton(int tag) const;
    [[nodiscard]] ViewController* tabContent(int tag) const;
    [[nodiscard]] QWidget* containerView() const { return containerView_; }

    // A tab: its button's title and pictures (off, on) and the controller it shows.
    struct TabItem {
        LocalizedKey title;
        ImageAsset image;
        ImageAsset selectedImage;
        std::unique_ptr<ViewController> content;
    };

protected:
    // The tabs in tag order, from 0.
    explicit TabbedViewController(std::vector<TabItem> tabs);

    // Runs for each selection of a tab, before its view shows.
    virtual void tabSelected(int /*tag*/) {}

    void viewDidLoad() override;
    void layoutElements(QSize viewSize) override;

private:
    Button* makeTabButton(QWidget* parent, int tag);

    std::vector<TabItem> tabs_;
    std::vector<Button*> buttons_;
    QWidget* containerView_ = nullptr;
    SeparatorLine* line_ = nullptr;
};
