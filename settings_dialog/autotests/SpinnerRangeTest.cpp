#include "SpinnerRange.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct Step {
    std::int32_t minimum;
    std::int32_t maximum;
    std::int32_t shown;
    int direction;
    std::int32_t expected;
};

void PrintTo(const Step& s, std::ostream* os)
{
    *os << s.shown << (s.direction > 0 ? " up in " : " down in ") << s.minimum << ".." << s.maximum;
}

class SpinnerStep : public ::testing::TestWithParam<Step> {};

TEST_P(SpinnerStep, StaysWithinRangeAndStepsFromNearestEnd)
{
    const Step& s = GetParam();
    EXPECT_EQ(SpinnerRange(s.minimum, s.maximum).stepped(s.shown, s.direction), s.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, SpinnerStep,
                         ::testing::Values(Step{0, 100, 2, +1, 3}, Step{0, 100, 2, -1, 1},
                                           Step{0, 100, 100, +1, 100}, Step{0, 100, 0, -1, 0},
                                           Step{0, 2000, 1999, +1, 2000}, Step{0, 2000, 2000, +1, 2000},
                                           // Outside the range (a hand-made konfig.cfg).
                                           Step{0, 100, 150, +1, 100}, Step{0, 100, 150, -1, 99},
                                           Step{0, 2000, -5, +1, 1}, Step{0, 2000, -5, -1, 0},
                                           Step{0, 2000, INT_MIN, -1, 0}, Step{0, 100, INT_MAX, +1, 100}));

TEST(SpinnerText, PlainDigitsRoundTrip)
{
    for (const std::int32_t value : {0, 7, 2000, 123456789, -42, INT_MIN, INT_MAX}) {
        const std::string text = SpinnerRange::text(value);
        EXPECT_EQ(text.find_first_of(", '."), std::string::npos) << text;
        EXPECT_EQ(SpinnerRange::number(text), value) << text;
    }
    EXPECT_EQ(SpinnerRange::text(-42), "-42");
    EXPECT_EQ(SpinnerRange::text(2000), "2000");
}

TEST(SpinnerText, RejectsWhatIsNoWholeNumber)
{
    for (const char* text : {"", "-", "12a", " 12", "1 000", "2147483648", "+5"})
        EXPECT_FALSE(SpinnerRange::number(text).has_value()) << text;
}

} // namespace
