#pragma once
// Caption rules of the basic-mode window.
#include <optional>
#include <string>
#include <string_view>

namespace ombrelt::editor::BasicMode {

// The caption of a basic-mode window that holds nothing recorded, opened or
// saved yet.
constexpr std::string_view UntitledCaption = "Ombrelt Basic Mode";

// The basic-mode caption for a script file (its name without the folder).
std::string FileCaption(std::string_view fileName);

// The basic-mode caption when the user switches from the advanced-mode
// window: its file title behind "Ombrelt - "; nothing (keep the caption)
// while the advanced window is untitled ("Ombrelt").
std::optional<std::string> CaptionFromAdvanced(std::string_view advancedCaption);

// The advanced-mode window's caption when the user switches to it: the file
// title behind "Ombrelt Basic Mode - "; nothing (keep the caption) while the
// basic-mode window is untitled.
std::optional<std::string> AdvancedCaption(std::string_view basicCaption);

}  // namespace ombrelt::editor::BasicMode
