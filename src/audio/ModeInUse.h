#pragma once

#include <optional>
#include <string_view>

// Which mode the system's defaults amount to: Meeting when output and input are both the
// speakerphone, Music when only the output is, none otherwise.
enum class ModeInUse { none, meeting, music };

[[nodiscard]] ModeInUse modeInUse(std::optional<std::string_view> defaultOutputName,
                                  std::optional<std::string_view> defaultInputName);
