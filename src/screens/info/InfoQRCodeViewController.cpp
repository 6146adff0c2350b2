#include "screens/info/InfoQRCodeViewController.h"

#include "ui/CardView.h"
#include "ui/ImageLibrary.h"
#include "ui/Localization.h"
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
        TextView* caption = makeText(card, key, colorNavy(), 12, TextView::bold);
        caption->setAlignment(Qt::AlignHCenter);
        return caption;
    };
    // A screen reader names each code after its store, as the caption does.
    const auto makeCode = [](QWidget* card, ImageAsset asset, LocalizedKey store) {
        QLabel* code = ImageLibrary::pictureLabel(asset, codeSize, card);
        code->setAccessibleName(Localization::localizedFormat(
            AccessibleKey::StoreQRCode, Localization::localizedString(store)));
        return code;
    };
    iOSView_ = makeCard(root);
    iOSImage_ = makeCode(iOSView_, ImageAsset::img_qrcode_iOS, LocalizedKey::SettingQRCodeiOSTitle);
    iOSTitleText_ = makeCaption(iOSView_, LocalizedKey::SettingQRCodeiOSTitle);
    androidView_ = makeCard(root);
    androidImage_ = makeCode(androidView_, ImageAsset::img_qrcode_android,
                             LocalizedKey::SettingQRCodeAndroidTitle);
    androidTitleText_ = makeCaption(androidView_, LocalizedKey::SettingQRCodeAndroidTitle);
    androidCNView_ = makeCard(root);
    androidCNImage_ = makeCode(androidCNView_, ImageAsset::img_qrcode_androidForChina,
                               LocalizedKey::SettingQRCodeAndroidCNTitle);
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
