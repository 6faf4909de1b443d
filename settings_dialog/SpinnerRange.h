#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The range of an up-down spinner of the settings dialog and its one step,
// and the way its edit shows a number: plain decimal digits, a minus sign
// when negative, no digit grouping. It knows nothing of widgets.
class SpinnerRange final {
public:
    constexpr SpinnerRange(std::int32_t minimum, std::int32_t maximum) : minimum_(minimum), maximum_(maximum) {}

    [[nodiscard]] constexpr std::int32_t minimum() const { return minimum_; }
    [[nodiscard]] constexpr std::int32_t maximum() const { return maximum_; }

    // One step up (direction > 0) or down from the shown value, kept within
    // the range: at an end the value stays. A value outside the range, which
    // only a hand-made settings file can bring, steps from its nearest end.
    [[nodiscard]] std::int32_t stepped(std::int32_t shown, int direction) const;

    [[nodiscard]] static std::string text(std::int32_t value);
    // The number a text shows; empty unless the whole text is one 32-bit number.
    [[nodiscard]] static std::optional<std::int32_t> number(std::string_view text);

private:
    std::int32_t minimum_;
    std::int32_t maximum_;
};
