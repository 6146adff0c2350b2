#include "screens/info/InfoSupportAPPViewController.h"

#include "screens/info/SupportAppCell.h"
#include "ui/Accessibility.h"
#include "ui/FocusRing.h"
#include "ui/ImageLibrary.h"
#include "ui/Localization.h"
#include "ui/Palette.h"
#include "ui/TextMetrics.h"
#include "ui/TextView.h"

#include <QLabel>
#include <QScrollArea>
#include <QTextDocument>

InfoSupportAPPViewController::InfoSupportAPPViewController() = default;
InfoSupportAPPViewController::~InfoSupportAPPViewController() = default;

void InfoSupportAPPViewController::viewDidLoad() {
    QWidget* root = view();
    infoSupportAPPTitleText_ =
        makeText(root, LocalizedKey::InfoSupportAppTitle, colorTabText(), 14, TextView::bold);
    webImage_ = ImageLibrary::pictureLabel(ImageAsset::icon_support_web, markSize, root);
    supportWebDescriptionText_ = makeText(root, LocalizedKey::InfoSupportAppWebDescription,
                                          colorSlateGrey(), 12, TextView::bold);
    dotImage_ = ImageLibrary::pictureLabel(ImageAsset::img_dot, dotSize, root);
    pcImage_ = ImageLibrary::pictureLabel(ImageAsset::icon_support_pc, markSize, root);
    supportPCDescriptionText_ = makeText(root, LocalizedKey::InfoSupportAppPCDescription,
                                         colorSlateGrey(), 12, TextView::bold);
    // The legend's texts say what its marks show.
    for (QLabel* legend : {webImage_, dotImage_, pcImage_}) {
        Accessibility::hideDecoration(legend);
    }
    buildTable();
    startLayout();
}

// The table is as tall as all its rows; the fixed box scrolls it, with its scroller always
// shown so that the hidden rows are announced.
void InfoSupportAPPViewController::buildTable() {
    deviceListScrollView_ = new QScrollArea(view());
    deviceListScrollView_->setFrameShape(QFrame::NoFrame);
    deviceListScrollView_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    deviceListScrollView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FocusRing::attach(deviceListScrollView_);
    auto* table = new QWidget;
    table->setAutoFillBackground(true);
    QPalette white = table->palette();
    white.setColor(QPalette::Window, Qt::white);
    table->setPalette(white);
    deviceListScrollView_->viewport()->setPalette(white);
    for (int row = 0; row < SupportAppCell::rowCount; ++row) {
        auto* cell = new SupportAppCell(table);
        cell->configure(row);
        cell->move(0, row * SupportAppCell::rowHeight);
        cells_.push_back(cell);
    }
    table->resize(tableBoxSize.width(), SupportAppCell::rowCount * SupportAppCell::rowHeight);
    deviceListScrollView_->setWidget(table);
    deviceListScrollView_->setAccessibleName(
        Localization::localizedString(LocalizedKey::InfoSupportAppTitle));
}

void InfoSupportAPPViewController::layoutElements(QSize viewSize) {
    const int width = viewSize.width();
    infoSupportAPPTitleText_->setGeometry(sideInset, titleTop, width - 2 * sideInset, titleHeight);
    const int legendTop = titleTop + titleHeight + legendGap;
    webImage_->move(sideInset, legendTop);
    // The web description is exactly as wide as its text, so the dot and the PC legend
    // follow it directly in every language.
    const int webTextLeft = sideInset + markSize.width();
    const int webTextWidth = TextMetrics::measureTextWidth(
        supportWebDescriptionText_->toPlainText(),
        supportWebDescriptionText_->document()->defaultFont(), legendTextHeight);
    supportWebDescriptionText_->setGeometry(webTextLeft, legendTop, webTextWidth, legendTextHeight);
    const int dotLeft = webTextLeft + webTextWidth + dotGap;
    dotImage_->move(dotLeft, legendTop + (legendTextHeight - dotSize.height()) / 2);
    const int pcLeft = dotLeft + dotSize.width() + dotGap;
    pcImage_->move(pcLeft, legendTop);
    const int pcTextLeft = pcLeft + markSize.width();
    supportPCDescriptionText_->setGeometry(pcTextLeft, legendTop, width - sideInset - pcTextLeft,
                                           legendTextHeight);
    deviceListScrollView_->setGeometry((width - tableBoxSize.width()) / 2,
                                       legendTop + markSize.height() + tableGap,
                                       tableBoxSize.width(), tableBoxSize.height());
}
