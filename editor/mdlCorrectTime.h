#pragma once
// Time correction: a timed run of a recorded script is compared with the play
// time the recorder wrote into it, and the script's SetPausePercent statement
// is rewritten so that the next plain run takes the recorded time.
#include <cstdint>
#include <string>
#include <string_view>

namespace ombrelt::editor::mdlCorrectTime {

// The sum of the values of every "origionalplaytime(" statement of a
// lower-cased script; a value that does not convert adds nothing.
double ReadOriginalPlayTime(std::string_view lowerScript);

// Whole seconds counted by the seconds timer plus the milliseconds of the
// second under way.
double MeasuredSeconds(std::int32_t wholeSeconds, std::uint32_t milliseconds);

// 100 x measured / original; 100 when there is no usable original time.
double NewPercentage(double measuredSeconds, double originalPlayTime);

// Every "SetPausePercent(" + oldArgument + ");" (letters in any case) replaced
// by the same statement with the new percentage.
std::string RewritePausePercent(std::string_view script, std::string_view oldArgument, double percent);

// The text of the message that ends a timed run.
std::string ResultMessage(double measuredSeconds, double originalPlayTime);

}  // namespace ombrelt::editor::mdlCorrectTime
