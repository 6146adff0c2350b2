#include "ui/ImageAsset.h"

#include <cstddef>

namespace {

constexpr std::array<std::string_view, 52> rawValues{
    "btn_switch_off_clicked",
    "btn_switch_off_default",
    "btn_switch_off_disable",
    "btn_switch_off_hover",
    "btn_switch_on_clicked",
    "btn_switch_on_default",
    "btn_switch_on_disable",
    "btn_switch_on_hover",
    "btn_tab_download_default",
    "btn_tab_download_selected",
    "btn_tab_faq_default",
    "btn_tab_faq_selected",
    "btn_tab_preference_default",
    "btn_tab_preference_selected",
    "btn_tab_privacy_default",
    "btn_tab_privacy_selected",
    "btn_tab_support_default",
    "btn_tab_support_selected",
    "btn_tab_updates_default",
    "btn_tab_updates_selected",
    "icon_light_off",
    "icon_light_on",
    "icon_more_info",
    "icon_setting",
    "icon_small_tool_Lumatix",
    "icon_support_pc",
    "icon_support_web",
    "icon_Lumatix_dialog",
    "icon_view_link_clicked",
    "icon_view_link_default",
    "icon_view_link_hover",
    "img_bluetooth",
    "img_dot",
    "img_google_meet",
    "img_line",
    "img_login_items",
    "img_microphone",
    "img_microsoft_teams",
    "img_normal_mode",
    "img_online_mode",
    "img_qrcode_android",
    "img_qrcode_androidForChina",
    "img_qrcode_iOS",
    "img_skype",
    "img_step_02",
    "img_step_03",
    "img_updates",
    "img_version_finding",
    "img_version_new",
    "img_version_updated",
    "img_webex",
    "img_zoom",
};

static_assert(rawValues.size() == allImageAssets.size());

} // namespace

std::string_view rawValue(ImageAsset value) {
    return rawValues.at(static_cast<std::size_t>(value));
}

std::optional<ImageAsset> imageAssetFromRawValue(std::string_view text) {
    for (std::size_t index = 0; index < rawValues.size(); ++index) {
        if (rawValues[index] == text) {
            return static_cast<ImageAsset>(index);
        }
    }
    return std::nullopt;
}
