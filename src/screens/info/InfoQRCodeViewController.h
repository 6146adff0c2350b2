#pragma once

#include "ui/TabContentViewController.h"

#include <QSize>

class CardView;
class QLabel;
class TextView;

// The Information window's first tab: QR codes of the phone app's store pages, the same three
// cards for every region.
class InfoQRCodeViewController : public TabContentViewController {
    Q_OBJECT

public:
    static constexpr int cardTop = 24;
    static constexpr int firstCardLeft = 32;
    static constexpr int cardGap = 12;
    static constexpr QSize cardSize{130, 120};
    static constexpr int codeTop = 8;
    static constexpr QSize codeSize{80, 80};
    static constexpr int captionGap = 8;
    static constexpr int captionInset = 8;
    // The mainland-China caption is longer in every language.
    static constexpr int wideCaptionInset = 4;
    static constexpr int captionHeight = 16;

    InfoQRCodeViewController();
    ~InfoQRCodeViewController() override;

    [[nodiscard]] CardView* iOSView() const { return iOSView_; }
    [[nodiscard]] CardView* androidView() const { return androidView_; }
    [[nodiscard]] CardView* androidCNView() const { return androidCNView_; }
    [[nodiscard]] TextView* iOSTitleText() const { return iOSTitleText_; }
    [[nodiscard]] TextView* androidTitleText() const { return androidTitleText_; }
    [[nodiscard]] TextView* androidCNTitleText() const { return androidCNTitleText_; }

protected:
    void viewDidLoad() override;
    void layoutElements(QSize viewSize) override;

private:
    CardView* iOSView_ = nullptr;
    QLabel* iOSImage_ = nullptr;
    TextView* iOSTitleText_ = nullptr;
    CardView* androidView_ = nullptr;
    QLabel* androidImage_ = nullptr;
    TextView* androidTitleText_ = nullptr;
    CardView* androidCNView_ = nullptr;
    QLabel* androidCNImage_ = nullptr;
    TextView* androidCNTitleText_ = nullptr;
};
