#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// A text of at most N bytes stored as one length byte and N character bytes,
// the way the settings file and the word list hold texts. Assigning a longer
// text keeps its first N bytes; the bytes behind a shorter text keep what
// they held.
template <std::size_t N>
class FixedString final {
    static_assert(N <= 255, "the length must fit one byte");

public:
    FixedString() = default;
    explicit FixedString(std::string_view text) { assign(text); }

    void assign(std::string_view text)
    {
        const std::size_t n = std::min(text.size(), N);
        std::copy_n(text.data(), n, chars.begin());
        length = static_cast<std::uint8_t>(n);
    }
    FixedString& operator=(std::string_view text)
    {
        assign(text);
        return *this;
    }

    [[nodiscard]] std::string_view view() const { return {chars.data(), size()}; }
    [[nodiscard]] std::string str() const { return std::string(view()); }
    // A stored length above N (a hand-made file) reads as N.
    [[nodiscard]] std::size_t size() const { return std::min<std::size_t>(length, N); }
    [[nodiscard]] static constexpr std::size_t capacity() { return N; }

    std::uint8_t length = 0;
    std::array<char, N> chars{};
};
