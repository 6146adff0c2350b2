#include "screens/info/InfoQRCodeViewController.h"

#include "ui/CardView.h"
#include "ui/ImageLibrary.h"
#include "ui/Palette.h"
#include "ui/TextView.h"

#include <QLabel>

namespace {

CardView* makeCard(QWidget* parent) {
    auto* card = new CardView(Qt::white, QColor(245, 246, 247), 16, parent);
    card->setFixedSize(InfoQRCodeViewController::cardSize);
    return card;
}

} // namespace

InfoQRCodeViewController::InfoQRCodeViewController() = default;
InfoQRCodeViewController::~InfoQRCodeViewController() = default;

void InfoQRCodeViewController::viewDidLoad() {
    QWidget* root = view();
    const auto makeCaption = [](QWidget* card, LocalizedKey key) {
        TextView* caption = makeText(card, key, colorNavy(), 12, true);
        caption->setAlignment(Qt::AlignHCenter);
        return caption;
    };
    iOSView_ = makeCard(root);
    iOSImage_ = ImageLibrary::pictureLabel(ImageAsset::img_qrcode_iOS, codeSize, iOSView_);
    iOSTitleText_ = makeCaption(iOSView_, LocalizedKey::SettingQRCodeiOSTitle);
    androidView_ = makeCard(root);
    androidImage_ =
        ImageLibrary::pictureLabel(ImageAsset::img_qrcode_android, codeSize, androidView_);
    androidTitleText_ = makeCaption(androidView_, LocalizedKey::SettingQRCodeAndroidTitle);
    androidCNView_ = makeCard(root);
    androidCNImage_ = ImageLibrary::pictureLabel(ImageAsset::img_qrcode_androidForChina, codeSize,
                                                 androidCNView_);
    androidCNTitleText_ = makeCaption(androidCNView_, LocalizedKey::SettingQRCodeAndroidCNTitle);
    startLayout();
}

void InfoQRCodeViewController::layoutElements(QSize /*viewSize*/) {
    const struct {
        CardView* card;
        QLabel* code;
        TextView* caption;
        int captionInset;
    } cards[] = {{iOSView_, iOSImage_, iOSTitleText_, captionInset},
                 {androidView_, androidImage_, androidTitleText_, captionInset},
                 {androidCNView_, androidCNImage_, androidCNTitleText_, wideCaptionInset}};
    int left = firstCardLeft;
    for (const auto& each : cards) {
        each.card->move(left, cardTop);
        each.code->move((cardSize.width() - codeSize.width()) / 2, codeTop);
        each.caption->setGeometry(each.captionInset, codeTop + codeSize.height() + captionGap,
                                  cardSize.width() - 2 * each.captionInset, captionHeight);
        left += cardSize.width() + cardGap;
    }
}
