#pragma once

#include "ui/TabContentViewController.h"

#include <QSize>
#include <vector>

class QLabel;
class QScrollArea;
class SupportAppCell;
class TextView;

// The Information window's third tab: a legend of the two marks and the table of supported
// conferencing applications, scrolling inside a fixed box.
class InfoSupportAPPViewController : public TabContentViewController {
    Q_OBJECT

public:
    static constexpr int sideInset = 32;
    static constexpr int titleTop = 32;
    static constexpr int titleHeight = 19;
    static constexpr int legendGap = 16;
    static constexpr QSize markSize{16, 16};
    static constexpr int legendTextHeight = 16;
    static constexpr int dotGap = 8;
    static constexpr QSize dotSize{2, 2};
    static constexpr int tableGap = 12;
    static constexpr QSize tableBoxSize{436, 281};

    InfoSupportAPPViewController();
    ~InfoSupportAPPViewController() override;

    [[nodiscard]] TextView* supportWebDescriptionText() const { return supportWebDescriptionText_; }
    [[nodiscard]] QLabel* dotImage() const { return dotImage_; }
    [[nodiscard]] QLabel* pcImage() const { return pcImage_; }
    [[nodiscard]] QScrollArea* deviceListScrollView() const { return deviceListScrollView_; }
    [[nodiscard]] const std::vector<SupportAppCell*>& cells() const { return cells_; }

protected:
    void viewDidLoad() override;
    void layoutElements(QSize viewSize) override;

private:
    void buildTable();

    TextView* infoSupportAPPTitleText_ = nullptr;
    QLabel* webImage_ = nullptr;
    TextView* supportWebDescriptionText_ = nullptr;
    QLabel* dotImage_ = nullptr;
    QLabel* pcImage_ = nullptr;
    TextView* supportPCDescriptionText_ = nullptr;
    QScrollArea* deviceListScrollView_ = nullptr;
    std::vector<SupportAppCell*> cells_;
};
