#include "SpinnerRange.h"

#include <algorithm>
#include <charconv>

std::int32_t SpinnerRange::stepped(std::int32_t shown, int direction) const
{
    const std::int32_t from = std::clamp(shown, minimum_, maximum_);
    if (direction > 0)
        return from < maximum_ ? from + 1 : from;
    if (direction < 0)
        return from > minimum_ ? from - 1 : from;
    return from;
}

std::string SpinnerRange::text(std::int32_t value)
{
    return std::to_string(value);
}

std::optional<std::int32_t> SpinnerRange::number(std::string_view text)
{
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || text.empty())
        return std::nullopt;
    return value;
}
