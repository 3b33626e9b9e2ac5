#include "engine/Text.h"

#include <algorithm>

#include "automation/ScriptError.h"

namespace ombrelt::Text {
namespace {

[[noreturn]] void TooLong() { throw ScriptError("Out of string space"); }

}  // namespace

std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view with,
                       std::size_t maxLength) {
    if (find.empty()) return std::string(text);
    std::size_t count = 0;
    for (std::size_t at = text.find(find); at != std::string_view::npos; at = text.find(find, at + find.size()))
        ++count;
    // Sizes in unsigned arithmetic that cannot wrap: count * find <= text.
    std::size_t kept = text.size() - count * find.size();
    if (count != 0 && with.size() > (maxLength - std::min(kept, maxLength)) / count) TooLong();
    if (kept > maxLength) TooLong();
    std::string out;
    out.reserve(kept + count * with.size());
    std::size_t from = 0;
    for (std::size_t at = text.find(find); at != std::string_view::npos; at = text.find(find, from)) {
        out.append(text, from, at - from);
        out.append(with);
        from = at + find.size();
    }
    out.append(text, from, std::string_view::npos);
    return out;
}

std::string Repeat(std::string_view text, long long count, std::size_t maxLength) {
    if (count < 1 || text.empty()) return std::string();
    if (static_cast<unsigned long long>(count) > maxLength / text.size()) TooLong();
    std::string out;
    out.reserve(text.size() * static_cast<std::size_t>(count));
    for (long long i = 0; i < count; ++i) out.append(text);
    return out;
}

std::string Join(std::string_view a, std::string_view b, std::size_t maxLength) {
    if (a.size() + b.size() > maxLength) TooLong();
    std::string out;
    out.reserve(a.size() + b.size());
    out.append(a);
    out.append(b);
    return out;
}

}  // namespace ombrelt::Text
