#include "audio/CallStreams.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace {

struct KnownProgram {
    std::string_view displayName;
    // Lowercase forms of its binary, of the last part of its application id, or of its
    // application name or that name's first word.
    std::array<std::string_view, 4> names;
};

// The desktop clients of the conferencing programs the assistant is known to work with, and
// the common browsers.
constexpr std::array knownPrograms{
    KnownProgram{"Zoom", {"zoom", "zoom.real"}},
    KnownProgram{"Microsoft Teams", {"teams", "teams-for-linux", "microsoft teams"}},
    KnownProgram{"Skype", {"skypeforlinux", "skype"}},
    KnownProgram{"Slack", {"slack"}},
    KnownProgram{"Discord", {"discord"}},
    KnownProgram{"Webex", {"webex", "ciscocollabhost"}},
    KnownProgram{"VooV Meeting", {"wemeetapp", "voov meeting", "tencent meeting"}},
    KnownProgram{"WeChat", {"wechat", "weixin"}},
    KnownProgram{"DingTalk", {"dingtalk"}},
    KnownProgram{"Google Chrome", {"chrome", "google-chrome", "google chrome"}},
    KnownProgram{"Chromium", {"chromium", "chromium-browser"}},
    KnownProgram{"Firefox", {"firefox"}},
    KnownProgram{"Microsoft Edge", {"msedge", "microsoft-edge", "microsoft edge"}},
    KnownProgram{"Opera", {"opera"}},
};

// Level meters and mixers open streams on every input; they never make a call.
constexpr std::array<std::string_view, 9> mixers{
    "pavucontrol", "pavucontrol-qt",       "plasma-pa",
    "kmix",        "pulsemixer",           "pamixer",
    "ncpamixer",   "gnome-control-center", "lumatix-connection-assistant",
};

std::string lowercase(std::string_view text) {
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::string_view withoutSuffix(std::string_view name, std::string_view suffix) {
    return name.ends_with(suffix) ? name.substr(0, name.size() - suffix.size()) : name;
}

// "/opt/zoom/zoom" → "zoom"; "firefox-esr", "firefox-bin" → "firefox".
std::string binaryName(std::string_view binary) {
    if (const auto slash = binary.rfind('/'); slash != std::string_view::npos) {
        binary = binary.substr(slash + 1);
    }
    std::string name = lowercase(binary);
    for (const std::string_view suffix : {"-esr", "-bin", ".bin", "-stable", "-beta"}) {
        name = std::string(withoutSuffix(name, suffix));
    }
    return name;
}

// "us.zoom.Zoom" → "zoom"; "com.github.IsmaelMartinez.teams_for_linux" → "teams-for-linux".
std::string idName(std::string_view id) {
    if (const auto dot = id.rfind('.'); dot != std::string_view::npos) {
        id = id.substr(dot + 1);
    }
    std::string name = lowercase(id);
    std::ranges::replace(name, '_', '-');
    return name;
}

std::vector<std::string> namesOf(const platform::RecordingStream& stream) {
    std::vector<std::string> names;
    const auto add = [&names](std::string name) {
        if (!name.empty()) {
            names.push_back(std::move(name));
        }
    };
    add(binaryName(stream.processBinary));
    add(idName(stream.applicationId));
    const std::string name = lowercase(stream.applicationName);
    add(name);
    add(name.substr(0, name.find(' ')));
    return names;
}

bool isMixer(const std::vector<std::string>& names) {
    return std::ranges::any_of(names, [](const std::string& name) {
        return std::ranges::find(mixers, name) != mixers.end();
    });
}

} // namespace

std::optional<std::string> CallStreams::callApplication(const platform::RecordingStream& stream) {
    if (stream.fromMonitor || stream.peakMeter) {
        return std::nullopt;
    }
    const std::vector<std::string> names = namesOf(stream);
    if (isMixer(names)) {
        return std::nullopt;
    }
    for (const KnownProgram& program : knownPrograms) {
        const auto known = [&program](const std::string& name) {
            return std::ranges::find(program.names, name) != program.names.end();
        };
        if (std::ranges::any_of(names, known)) {
            return std::string(program.displayName);
        }
    }
    return std::nullopt;
}

std::optional<std::string>
CallStreams::firstCall(const std::vector<platform::RecordingStream>& streams) {
    for (const auto& stream : streams) {
        if (auto application = callApplication(stream)) {
            return application;
        }
    }
    return std::nullopt;
}
