// The words of the script language and their command IDs. Words are compared
// lower-cased, exactly, in table order; for an ID with two words the first
// one in its table is the one printed back.
#include <algorithm>

#include "engine/SC.h"
#include "engine/Text.h"

namespace ombrelt {
namespace {

struct Word {
    std::string_view Text;
    std::int32_t ID;
};

constexpr Word InternalCommandTable[] = {
    {"call", 0},      {"function", 1}, {"endfunction", 2}, {"if", 3},       {"else", 4},
    {"endif", 5},     {"while", 6},    {"endwhile", 7},    {"string", 8},   {"int", 9},
    {"double", 10},   {"set", 11},     {"add", 12},        {"subtract", 13}, {"divide", 14},
    {"multiply", 15}, {"power", 16},   {"tan", 17},        {"cos", 18},     {"sin", 19},
    {"log", 20},      {"factorial", 21}, {"message", 22},  {"parse", 23},   {"combine", 12},
    {"removeall", 13}, {"replace", 24}, {"for", 24},       {"timer", 25},
};

constexpr Word ExternalCommandTable[] = {
    {"msgbox", 100},
    {"pause", 101},
    {"keyup", 102},
    {"start", 103},
    {"leftup", 104},
    {"pauses", 105},
    {"pausem", 106},
    {"pauseh", 107},
    {"rightup", 108},
    {"keydown", 109},
    {"startex", 110},
    {"middleup", 111},
    {"leftdown", 112},
    {"leftupex", 113},
    {"sendkeys", 114},
    {"leftclick", 115},
    {"rightdown", 116},
    {"movemouse", 117},
    {"rightupex", 118},
    {"loadimage", 119},
    {"saveimage", 120},
    {"rightclick", 121},
    {"leftdownex", 122},
    {"middledown", 123},
    {"middleupex", 124},
    {"findwindow", 125},
    {"rightdownex", 126},
    {"middleclick", 127},
    {"middledownex", 128},
    {"selectwindow", 125},
    {"findwindowex", 130},
    {"ignorepauses", 131},
    {"capturescreen", 132},
    {"setpausepercent", 133},
    {"selectsubwindow", 130},
    {"createcolorrange", 135},
    {"deselectwindow", 136},
    {"movemousetocolorrange", 137},
    {"movemousetocolorrangeex", 138},
    {"movemousetocolorrangefromcenterscreen", 140},
    {"origionalplaytime", 141},
    {"ispixel", 142},
    {"ispixelin", 143},
    {"issaturation", 144},
    {"issaturationinarea", 145},
    {"issaturationex", 146},
    {"issaturationinareaex", 147},
    {"enablerepeat", 148},
    {"disablerepeat", 149},
    {"getsaturation", 150},
    {"getsaturationin", 151},
    {"isimage", 152},
    {"isimageex", 153},
    {"isimageinarea", 154},
    {"isimageinareaex", 155},
    {"firstfindmode", 156},
    {"randomfindmode", 157},
};

template <std::size_t N>
const Word* FindWord(const Word (&table)[N], std::string_view word) {
    auto it = std::find_if(std::begin(table), std::end(table), [&](const Word& w) { return w.Text == word; });
    return it == std::end(table) ? nullptr : it;
}

template <std::size_t N>
const Word* FindID(const Word (&table)[N], std::int32_t id) {
    auto it = std::find_if(std::begin(table), std::end(table), [&](const Word& w) { return w.ID == id; });
    return it == std::end(table) ? nullptr : it;
}

}  // namespace

std::int32_t SC::ReturnFunctionID(std::string_view functionName) const {
    std::string word = Text::Lower(functionName);
    if (const Word* w = FindWord(InternalCommandTable, word)) return w->ID;
    return ReturnExternalFunctionID(word);
}

std::string SC::ReturnFunctionName(std::int32_t id) const {
    if (id >= CommandId::Call && id <= CommandId::Timer) return std::string(FindID(InternalCommandTable, id)->Text);
    return ReturnExternalName(id);
}

std::int32_t SC::ReturnExternalFunctionID(std::string_view functionName) const {
    const Word* w = FindWord(ExternalCommandTable, Text::Lower(functionName));
    return w ? w->ID : CommandId::Unknown;
}

std::string SC::ReturnExternalName(std::int32_t id) const {
    const Word* w = FindID(ExternalCommandTable, id);
    return w ? std::string(w->Text) : std::string("UNKNOWN COMMAND");
}

}  // namespace ombrelt
