#pragma once
// Text helpers of the editor.
#include <cstdint>
#include <string>
#include <string_view>

namespace ombrelt::mdlHandling {

// Field n (1-based) of a comma-separated text: the text between comma n - 1
// and comma n (field 1: before the first comma); "" when the text has fewer
// fields or n is below 1.
std::string GetCommaField(std::string_view text, std::int16_t n);

// Compile: the compact form of a script written into an executable
// (mdlHandling_Compile.cpp).

// Removes the line breaks, then compacts what is left (below). A line break
// right after a comment's closing "#" stays: the engine takes the character
// there as ordinary text, so removing it would let a following "#" be read
// as text instead of opening the next comment.
std::string PrepareCompiledScript(std::string_view script);

// Outside double quotes spaces are dropped and letters lower-cased; quoted
// text is copied unchanged, quotes included. Comments ("#" to "#", as the
// engine reads them) are copied unchanged and their double quotes do not
// count, so that the player, which cleans the text again, reads the same
// script as the editor does.
std::string CompactScript(std::string_view text);

}  // namespace ombrelt::mdlHandling
