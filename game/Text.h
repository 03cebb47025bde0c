// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text the player reads, so that the translation catalogues hold it under `context`; the
// rules keep the text as it stands and ask the view for it in the player's language.
#define TP_TEXT(context, text) text

namespace tp::game {

// Capacities in this game are counted in GBK bytes: one for an ASCII character, two for a
// Chinese one. Texts are kept in UTF-8, so these helpers count and cut by that measure.

// Byte length of one UTF-8 sequence starting with `lead` (1 for a stray byte).
constexpr std::size_t Utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        return 3;
    }
    if ((lead & 0xF8) == 0xF0) {
        return 4;
    }
    return 1;
}

// GBK bytes of one character: ASCII takes one, a Chinese character two. Characters beyond the
// basic plane need four bytes in the GBK family.
constexpr std::size_t GbkWidth(std::size_t utf8Length) {
    return utf8Length == 1 ? 1 : (utf8Length == 4 ? 4 : 2);
}

constexpr std::size_t GbkLength(std::string_view utf8) {
    std::size_t total = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n = Utf8SequenceLength(static_cast<unsigned char>(utf8[i]));
        total += GbkWidth(n);
        i += n;
    }
    return total;
}

// The longest prefix of `utf8` that fits `capacity` GBK bytes, never splitting a character.
constexpr std::string_view CutToGbkBytes(std::string_view utf8, std::size_t capacity) {
    std::size_t used = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t n = Utf8SequenceLength(static_cast<unsigned char>(utf8[i]));
        if (i + n > utf8.size() || used + GbkWidth(n) > capacity) {
            break;
        }
        used += GbkWidth(n);
        i += n;
    }
    return utf8.substr(0, i);
}

// The first `count` characters of `utf8`.
constexpr std::string_view CutToCharacters(std::string_view utf8, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t taken = 0; taken < count && i < utf8.size(); ++taken) {
        i += Utf8SequenceLength(static_cast<unsigned char>(utf8[i]));
    }
    return utf8.substr(0, i < utf8.size() ? i : utf8.size());
}

// Appends `pattern` with %1, %2, ... replaced by the arguments in order, as the translation
// catalogues write where a sentence takes a value; a % followed by anything else stays as it is.
// The caption is filled on every refresh, so the text between values is copied a stretch at a
// time into a string that keeps its room.
inline void AppendFilled(std::string& text, std::string_view pattern,
                         std::initializer_list<std::string_view> args) {
    std::size_t copied = 0;
    for (std::size_t i = pattern.find('%'); i != std::string_view::npos && i + 1 < pattern.size();
         i = pattern.find('%', i + 1)) {
        const char digit = pattern[i + 1];
        if (digit < '1' || digit > '9') {
            continue;
        }
        const auto index = static_cast<std::size_t>(digit - '1');
        if (index >= args.size()) {
            continue;
        }
        text.append(pattern.substr(copied, i - copied));
        text.append(*(args.begin() + index));
        copied = i + 2;
        ++i;
    }
    text.append(pattern.substr(copied));
}

inline std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string text;
    AppendFilled(text, pattern, args);
    return text;
}

// A short string of at most Capacity GBK bytes, held in UTF-8 without allocating. Longer
// texts are cut at a character boundary when assigned.
template <std::size_t Capacity> class ShortString {
public:
    constexpr ShortString() = default;
    constexpr ShortString(std::string_view text) { Assign(text); } // NOLINT: implicit on purpose

    constexpr void Assign(std::string_view text) {
        const std::string_view kept = CutToGbkBytes(text, Capacity);
        for (std::size_t i = 0; i < kept.size(); ++i) {
            data_[i] = kept[i];
        }
        size_ = static_cast<std::uint8_t>(kept.size());
    }

    constexpr std::string_view View() const { return {data_, size_}; }
    constexpr std::size_t GbkBytes() const { return GbkLength(View()); }
    constexpr bool Empty() const { return size_ == 0; }

    friend constexpr bool operator==(const ShortString& a, const ShortString& b) {
        return a.View() == b.View();
    }

private:
    // Worst case is two UTF-8 bytes per GBK byte (a four-byte character counts four).
    char data_[Capacity * 2] = {};
    std::uint8_t size_ = 0;
    static_assert(Capacity * 2 <= 255);
};

} // namespace tp::game
