#include "editor/mdlCorrectTime.h"

#include <cmath>

#include "automation/Convert.h"
#include "automation/ScriptError.h"
#include "engine/Text.h"

namespace ombrelt::editor::mdlCorrectTime {
namespace {

constexpr std::string_view kPlayTimeKeyword = "origionalplaytime(";
constexpr std::string_view kPausePercentHead = "SetPausePercent(";
constexpr std::string_view kStatementTail = ");";

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Text::LowerChar(a[i]) != Text::LowerChar(b[i])) return false;
    }
    return true;
}

}  // namespace

double ReadOriginalPlayTime(std::string_view script) {
    std::string compact;
    compact.reserve(script.size());
    for (char c : script) {
        if (c != '\r' && c != '\n' && c != '\t' && c != ' ') compact += Text::LowerChar(c);
    }
    double total = 0.0;
    std::string_view rest = compact;
    // Only pieces ended by ";" count: text after the last one is no statement.
    for (std::size_t end = rest.find(';'); end != std::string_view::npos; end = rest.find(';')) {
        std::string_view piece = rest.substr(0, end);
        rest.remove_prefix(end + 1);
        if (piece.substr(0, kPlayTimeKeyword.size()) != kPlayTimeKeyword) continue;
        piece.remove_suffix(1);  // the closing parenthesis
        std::string_view value =
            piece.size() > kPlayTimeKeyword.size() ? piece.substr(kPlayTimeKeyword.size()) : std::string_view{};
        RunStep([&] {
            double sum = total + Convert::ToDouble(value);
            if (!std::isfinite(sum)) throw ScriptError("Overflow");
            total = sum;
        });
    }
    return total;
}

double MeasuredSeconds(std::int32_t wholeSeconds, std::uint32_t milliseconds) {
    return static_cast<double>(wholeSeconds) + static_cast<double>(milliseconds) / 1000.0;
}

double NewPercentage(double measuredSeconds, double originalPlayTime) {
    if (originalPlayTime == 0.0) return 100.0;
    double percent = 100.0 * measuredSeconds / originalPlayTime;
    // A result that is no number would be written into the script as text
    // that the engine cannot read back.
    return std::isfinite(percent) ? percent : 100.0;
}

std::string RewritePausePercent(std::string_view script, std::string_view oldArgument, double percent) {
    std::string find(kPausePercentHead);
    find += oldArgument;
    find += kStatementTail;
    std::string with(kPausePercentHead);
    with += Convert::DoubleToText(percent);
    with += kStatementTail;

    std::string out;
    out.reserve(script.size());
    std::size_t i = 0;
    while (i < script.size()) {
        if (script.size() - i >= find.size() && SameLetters(script.substr(i, find.size()), find)) {
            out += with;
            i += find.size();
        } else {
            out += script[i++];
        }
    }
    return out;
}

std::string ResultMessage(double measuredSeconds, double originalPlayTime) {
    return "Time took: " + Convert::DoubleToText(measuredSeconds) + " seconds out of Origional Play Time: " +
           Convert::DoubleToText(originalPlayTime) + " seconds";
}

}  // namespace ombrelt::editor::mdlCorrectTime
