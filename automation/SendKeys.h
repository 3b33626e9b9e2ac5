#pragma once
// The send-keys syntax that "sendkeys" scripts are written in. Plain
// characters type themselves; + Shift, ^ Ctrl and % Alt hold for the next key
// or for the next group in parentheses; ~ is Enter; braces name a special key
// ({ENTER}, {F5}), give one character literally ({+}, {}}, {(}) and take a
// repeat count ({TAB 3}, {a 10}). The whole text is parsed before anything is
// typed, so broken syntax or an unknown key name types nothing.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace ombrelt {

struct KeyStroke {
    enum class Kind : std::uint8_t {
        Press,    // a modifier goes down and stays down
        Release,  // a modifier comes up
        Key,      // VirtualKey goes down and up, Count times
        Char,     // Character is typed, Count times
    };
    Kind What = Kind::Key;
    std::uint8_t VirtualKey = 0;
    char Character = 0;
    std::int32_t Count = 1;

    bool operator==(const KeyStroke&) const = default;
};

inline constexpr std::uint8_t VkShift = 0x10;
inline constexpr std::uint8_t VkControl = 0x11;
inline constexpr std::uint8_t VkAlt = 0x12;
inline constexpr std::uint8_t VkReturn = 0x0D;

// The largest repeat count in braces; a larger one is broken syntax, so a
// typo cannot queue input for minutes.
inline constexpr std::int32_t MaxKeyRepeat = 32767;

// The strokes that type keys, modifiers released in reverse order of their
// press; nullopt when the syntax is broken or a key name is unknown.
std::optional<std::vector<KeyStroke>> ParseSendKeys(std::string_view keys);

// The virtual-key code of a special key's name in braces, any case
// ("ENTER", "pgdn", "F12"); 0 for a name that is not one.
std::uint8_t SpecialKeyCode(std::string_view name);

}  // namespace ombrelt
