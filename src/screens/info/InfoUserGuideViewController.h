#pragma once

#include "ui/TabContentViewController.h"

#include <QSize>
#include <array>
#include <string_view>

class Button;
class SeparatorLine;
class TextView;

// The Information window's second tab: the user guide and support pages, one row per
// language, each opening its page in the browser whatever the user's region.
class InfoUserGuideViewController : public TabContentViewController {
    Q_OBJECT

public:
    enum Row : int { TW = 0, CN = 1, EN = 2, JP = 3 };

    static constexpr int rowTop = 32;
    static constexpr int sideInset = 32;
    static constexpr QSize titleSize{68, 19};
    static constexpr int buttonGap = 12;
    static constexpr QSize buttonSize{15, 15};
    static constexpr int lineGap = 8;

    InfoUserGuideViewController();
    ~InfoUserGuideViewController() override;

    // The page a row's button opens; empty for a tag without a row.
    [[nodiscard]] static std::string_view pageFor(int tag);

    // A link button was clicked; the tag names its row.
    void didUserGuideButtonClick(int tag);

    [[nodiscard]] Button* button(Row row) const { return rows_[row].button; }

protected:
    void viewDidLoad() override;
    void layoutElements(QSize viewSize) override;

private:
    struct RowViews {
        TextView* title = nullptr;
        Button* button = nullptr;
        SeparatorLine* line = nullptr; // none under the last row
    };

    std::array<RowViews, 4> rows_{};
};
