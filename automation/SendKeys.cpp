#include "automation/SendKeys.h"

#include <array>
#include <cctype>
#include <string>

namespace ombrelt {
namespace {

struct NamedKey {
    std::string_view Name;
    std::uint8_t Code;
};

// The function keys F1 to F16 are matched by their number.
constexpr std::array<NamedKey, 28> NamedKeys{{
    {"BACKSPACE", 0x08}, {"BS", 0x08},       {"BKSP", 0x08},     {"BREAK", 0x03},
    {"CAPSLOCK", 0x14},  {"DELETE", 0x2E},   {"DEL", 0x2E},      {"DOWN", 0x28},
    {"END", 0x23},       {"ENTER", VkReturn}, {"ESC", 0x1B},     {"HELP", 0x2F},
    {"HOME", 0x24},      {"INSERT", 0x2D},   {"INS", 0x2D},      {"LEFT", 0x25},
    {"NUMLOCK", 0x90},   {"PGDN", 0x22},     {"PGUP", 0x21},     {"PRTSC", 0x2C},
    {"RIGHT", 0x27},     {"SCROLLLOCK", 0x91}, {"TAB", 0x09},    {"UP", 0x26},
    {"ADD", 0x6B},       {"SUBTRACT", 0x6D}, {"MULTIPLY", 0x6A}, {"DIVIDE", 0x6F},
}};

std::uint8_t ModifierKey(char c) {
    switch (c) {
        case '+': return VkShift;
        case '^': return VkControl;
        case '%': return VkAlt;
        default: return 0;
    }
}

class Parser {
public:
    explicit Parser(std::string_view keys) : s_(keys) {}

    std::optional<std::vector<KeyStroke>> Run() {
        if (!Sequence(false)) return std::nullopt;
        return std::move(out_);
    }

private:
    // Items up to the end, or up to the ")" that closes a group.
    bool Sequence(bool inGroup) {
        while (i_ < s_.size()) {
            if (s_[i_] == ')') return inGroup;
            if (!Item()) return false;
        }
        return !inGroup;  // a group left open is broken syntax
    }

    // Modifiers, then the key or group that they hold for.
    bool Item() {
        std::vector<std::uint8_t> mods;
        while (i_ < s_.size() && ModifierKey(s_[i_]) != 0) {
            std::uint8_t vk = ModifierKey(s_[i_]);
            for (auto m : mods)
                if (m == vk) return false;  // "++a"
            mods.push_back(vk);
            ++i_;
        }
        if (i_ >= s_.size() || s_[i_] == ')') return false;  // "a+", "(a^)"

        // A modifier that an enclosing group already holds stays as it is.
        std::vector<std::uint8_t> pressed;
        for (auto vk : mods) {
            if (Held(vk)) continue;
            out_.push_back({KeyStroke::Kind::Press, vk, 0, 1});
            held_.push_back(vk);
            pressed.push_back(vk);
        }
        bool ok;
        if (s_[i_] == '(') {
            ++i_;
            ok = Sequence(true);
            ++i_;  // the closing ")"
        } else {
            ok = Single();
        }
        for (auto it = pressed.rbegin(); it != pressed.rend(); ++it) {
            out_.push_back({KeyStroke::Kind::Release, *it, 0, 1});
            held_.pop_back();
        }
        return ok;
    }

    bool Single() {
        char c = s_[i_];
        switch (c) {
            case '{': return Brace();
            case '}': return false;  // a closing brace must itself be in braces
            case '~':
                ++i_;
                out_.push_back({KeyStroke::Kind::Key, VkReturn, 0, 1});
                return true;
            default:
                ++i_;
                out_.push_back({KeyStroke::Kind::Char, 0, c, 1});
                return true;
        }
    }

    // "{" name [spaces [count]] "}". The name's first character is taken
    // whatever it is, so "{}}", "{{}" and "{ }" give the character itself.
    bool Brace() {
        ++i_;
        if (i_ >= s_.size()) return false;
        std::size_t start = i_++;
        while (i_ < s_.size() && s_[i_] != '}' && s_[i_] != ' ') ++i_;
        std::string_view name = s_.substr(start, i_ - start);
        std::int32_t count = 1;
        if (i_ < s_.size() && s_[i_] == ' ') {
            while (i_ < s_.size() && s_[i_] == ' ') ++i_;
            if (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_]))) {
                count = 0;
                while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_]))) {
                    count = count * 10 + (s_[i_] - '0');
                    if (count > MaxKeyRepeat) return false;
                    ++i_;
                }
            }
        }
        if (i_ >= s_.size() || s_[i_] != '}') return false;
        ++i_;

        KeyStroke stroke;
        if (name.size() == 1) {
            stroke = {KeyStroke::Kind::Char, 0, name[0], count};
        } else {
            std::uint8_t vk = SpecialKeyCode(name);
            if (vk == 0) return false;
            stroke = {KeyStroke::Kind::Key, vk, 0, count};
        }
        if (count > 0) out_.push_back(stroke);
        return true;
    }

    bool Held(std::uint8_t vk) const {
        for (auto h : held_)
            if (h == vk) return true;
        return false;
    }

    std::string_view s_;
    std::size_t i_ = 0;
    std::vector<KeyStroke> out_;
    std::vector<std::uint8_t> held_;
};

}  // namespace

std::optional<std::vector<KeyStroke>> ParseSendKeys(std::string_view keys) { return Parser(keys).Run(); }

std::uint8_t SpecialKeyCode(std::string_view name) {
    std::string upper(name);
    for (auto& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper.size() >= 2 && upper.size() <= 3 && upper[0] == 'F') {
        int n = 0;
        for (std::size_t k = 1; k < upper.size(); ++k) {
            if (!std::isdigit(static_cast<unsigned char>(upper[k]))) return 0;
            n = n * 10 + (upper[k] - '0');
        }
        if (upper[1] == '0' || n < 1 || n > 16) return 0;
        return static_cast<std::uint8_t>(0x70 + n - 1);  // F1 is 0x70
    }
    for (const auto& key : NamedKeys)
        if (key.Name == upper) return key.Code;
    return 0;
}

}  // namespace ombrelt
