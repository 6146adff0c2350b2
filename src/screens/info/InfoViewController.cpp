#include "screens/info/InfoViewController.h"

#include "analytics/Analytics.h"
#include "screens/info/InfoQRCodeViewController.h"
#include "screens/info/InfoSupportAPPViewController.h"
#include "screens/info/InfoUserGuideViewController.h"
#include "ui/WindowSetup.h"

namespace {

std::vector<TabbedViewController::TabItem> infoTabs() {
    using A = ImageAsset;
    std::vector<TabbedViewController::TabItem> tabs;
    tabs.push_back({LocalizedKey::InfoQRCodeButtonTitle, A::btn_tab_download_default,
                    A::btn_tab_download_selected, std::make_unique<InfoQRCodeViewController>()});
    tabs.push_back({LocalizedKey::InfoUserGuideButtonTitle, A::btn_tab_faq_default,
                    A::btn_tab_faq_selected, std::make_unique<InfoUserGuideViewController>()});
    tabs.push_back({LocalizedKey::InfoSupportAppButtonTitle, A::btn_tab_support_default,
                    A::btn_tab_support_selected, std::make_unique<InfoSupportAPPViewController>()});
    return tabs;
}

// The page names the usage statistics know the tabs by.
constexpr const char* pageNames[] = {"phone_app_download", "support_page",
                                     "software_compatible_platform"};

} // namespace

InfoViewController::InfoViewController() : TabbedViewController(infoTabs()) {}

InfoViewController::~InfoViewController() = default;

InfoQRCodeViewController* InfoViewController::QRCodeVC() const {
    return static_cast<InfoQRCodeViewController*>(tabContent(QRCode));
}

InfoUserGuideViewController* InfoViewController::userGuideVC() const {
    return static_cast<InfoUserGuideViewController*>(tabContent(userGuide));
}

InfoSupportAPPViewController* InfoViewController::supportAppVC() const {
    return static_cast<InfoSupportAPPViewController*>(tabContent(supportApp));
}

void InfoViewController::viewDidAppear() {
    WindowSetup::showSecondaryWindow(*this, LocalizedKey::InfoViewTitle);
}

void InfoViewController::tabSelected(int tag) {
    Analytics::sendMoreInfoEvent(pageNames[tag]);
}
