#include "screens/info/InfoUserGuideViewController.h"

#include "BuildConfig.h"
#include "core/LogLines.h"
#include "platform/Log.h"
#include "platform/Platform.h"
#include "platform/WebBrowser.h"
#include "ui/Accessibility.h"
#include "ui/Button.h"
#include "ui/ImageLibrary.h"
#include "ui/Localization.h"
#include "ui/Palette.h"
#include "ui/SeparatorLine.h"
#include "ui/TextView.h"

namespace {

constexpr LocalizedKey rowTitles[] = {
    LocalizedKey::InfoUserGuideTWTitle, LocalizedKey::InfoUserGuideCNTitle,
    LocalizedKey::InfoUserGuideENTitle, LocalizedKey::InfoUserGuideJPTitle};

} // namespace

InfoUserGuideViewController::InfoUserGuideViewController() = default;

InfoUserGuideViewController::~InfoUserGuideViewController() = default;

std::string_view InfoUserGuideViewController::pageFor(int tag) {
    switch (tag) {
    case TW:
        return build_config::userGuideTW;
    case CN:
        return build_config::userGuideCN;
    case EN:
        return build_config::userGuideEN;
    case JP:
        return build_config::userGuideJP;
    default:
        return {};
    }
}

void InfoUserGuideViewController::viewDidLoad() {
    QWidget* root = view();
    for (int row = TW; row <= JP; ++row) {
        RowViews& views = rows_[row];
        views.title = makeText(root, rowTitles[row], colorTabText(), 14, TextView::bold);
        views.button = new Button(root);
        views.button->setIcon(ImageLibrary::icon(ImageAsset::icon_view_link_default));
        views.button->setIconSize(buttonSize);
        views.button->setFixedSize(buttonSize);
        ButtonAppearance borderless = views.button->appearance();
        borderless.highlightsByBackground = false;
        views.button->setAppearance(borderless);
        views.button->setCursor(Qt::PointingHandCursor);
        // Only a picture: the name says which guide it opens.
        views.button->setAccessibleName(Localization::localizedFormat(
            AccessibleKey::UserGuideLink, Localization::localizedString(rowTitles[row])));
        views.button->setAccessibleDescription(
            Localization::localizedString(AccessibleKey::UserGuideLinkDescription));
        connect(views.button, &Button::clicked, this,
                [this, row] { didUserGuideButtonClick(row); });
        if (row != JP) {
            views.line = new SeparatorLine(root);
        }
    }
    startLayout();
}

void InfoUserGuideViewController::layoutElements(QSize viewSize) {
    int top = rowTop;
    for (const RowViews& views : rows_) {
        views.title->setGeometry(sideInset, top, titleSize.width(), titleSize.height());
        views.button->move(sideInset + titleSize.width() + buttonGap,
                           top + (titleSize.height() - buttonSize.height()) / 2);
        top += titleSize.height() + lineGap;
        if (views.line != nullptr) {
            views.line->setGeometry(sideInset, top, viewSize.width() - 2 * sideInset, 1);
            top += 1 + lineGap;
        }
    }
}

void InfoUserGuideViewController::didUserGuideButtonClick(int tag) {
    platform::Log::line(log_lines::userGuideButtonClick);
    const std::string_view page = pageFor(tag);
    if (page.empty()) {
        return;
    }
    if (platform::Platform::webBrowser().open(page)) {
        platform::Log::line(log_lines::defaultBrowserOpened);
    }
}
