#include "editor/BasicMode.h"

namespace ombrelt::editor::BasicMode {

namespace {
constexpr std::string_view kFilePrefix = "Ombrelt Basic Mode - ";
constexpr std::string_view kAdvancedUntitled = "Ombrelt";
constexpr std::string_view kAdvancedPrefix = "Ombrelt - ";
}  // namespace

std::string FileCaption(std::string_view fileName) {
    std::string caption(kFilePrefix);
    caption += fileName;
    return caption;
}

std::optional<std::string> AdvancedCaption(std::string_view basicCaption) {
    if (basicCaption == UntitledCaption) return std::nullopt;
    std::string caption(kAdvancedPrefix);
    if (basicCaption.size() > kFilePrefix.size()) caption += basicCaption.substr(kFilePrefix.size());
    return caption;
}

std::optional<std::string> CaptionFromAdvanced(std::string_view advancedCaption) {
    if (advancedCaption == kAdvancedUntitled) return std::nullopt;
    std::string caption(kFilePrefix);
    if (advancedCaption.size() > kAdvancedPrefix.size()) caption += advancedCaption.substr(kAdvancedPrefix.size());
    return caption;
}

}  // namespace ombrelt::editor::BasicMode
