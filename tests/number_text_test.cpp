#include "number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

namespace tollvane {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct ParseCase {
    std::string text;
    double expected;
};

TEST(ParseLeadingNumber, ReadsTheNumberAtTheStartOfTheText) {
    const ParseCase cases[] = {
        // the quality table and the opening inputs
        {"22050", 22050},
        {"4", 4},
        {"3.5", 3.5},
        {"20", 20},
        {"-1", -1},
        // no number at the start
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {"+", 0},
        {".", 0},
        {"-.", 0},
        {"--5", 0},
        {"- 5", 0},
        {"GB20", 0},
        // the number ends at the first character that cannot continue it
        {"3,5", 3},
        {"20GB", 20},
        {"1.2.3", 1.2},
        {"1e5", 1},
        {"0x10", 0},
        {"2 0", 2},
        {"7-", 7},
        {"3.5\n", 3.5},
        // as users type them: a bare fraction, a trailing point, a plus sign, pasted blanks
        {".5", 0.5},
        {"5.", 5},
        {"-.25", -0.25},
        {"+7", 7},
        {" 20", 20},
        {"\t 20", 20},
        {"  -3.5", -3.5},
        {"0020.500", 20.5},
        // correctly rounded, as the compiler reads the same literal
        {"0.1", 0.1},
        {"151.40533447265625", 151.40533447265625},
        {"179769313486231570814527423731704356798070567525844996598917476803157260780028538760589"
         "558632766878171540458953514382464234321326889464182768467546703537516986049910576551282"
         "076245490090389328944075868508455133942304583236903222948165808559332123348274797826204"
         "144723168738177180919299881250404026184124858368",
         DBL_MAX},
        // beyond the range of double: infinities, and zero for what is below the subnormals
        {"1" + std::string(400, '0'), kInf},
        {"-1" + std::string(400, '0') + ".5", -kInf},
        {"0." + std::string(400, '0') + "1", 0},
        {"0." + std::string(323, '0') + "5", 5e-324},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("text: \"" + c.text.substr(0, 40) + "\"");
        EXPECT_EQ(ParseLeadingNumber(c.text), c.expected);
    }
}

TEST(ParseLeadingNumber, KeepsTheSignOfZero) {
    EXPECT_TRUE(std::signbit(ParseLeadingNumber("-0")));
    EXPECT_TRUE(std::signbit(ParseLeadingNumber("-0." + std::string(400, '0') + "1")));
    EXPECT_FALSE(std::signbit(ParseLeadingNumber("0")));
}

TEST(ParseLeadingNumber, TakesAPastedMegabyteOfDigitsWhole) {
    const std::string megabyte(1 << 20, '9');
    EXPECT_EQ(ParseLeadingNumber(megabyte), kInf);
    EXPECT_EQ(ParseLeadingNumber("2." + megabyte), 3.0);  // 2.999... rounds up
    EXPECT_EQ(ParseLeadingNumber("0." + std::string(1 << 20, '0') + "1"), 0.0);
    EXPECT_EQ(ParseLeadingNumber("12x" + megabyte), 12.0);
}

struct FormatCase {
    double value;
    int decimals;
    std::string expected;
};

TEST(FormatFixed, RoundsToTheGivenDecimals) {
    const FormatCase cases[] = {
        {151.40533447265625, 2, "151.41"},
        {0.0739283859729766845703125, 3, "0.074"},
        {0, 1, "0.0"},
        {-33.816509952129, 1, "-33.8"},
        {75.7, 2, "75.70"},
        {0.148, 3, "0.148"},
        {12173.4, 1, "12173.4"},
        {1e15 + 0.25, 1, "1000000000000000.2"},  // exact tie, to even
        // exact binary ties go to even; 0.15 is not a tie (its double is below 0.15)
        {0.125, 2, "0.12"},
        {0.375, 2, "0.38"},
        {2.5, 0, "2"},
        {3.5, 0, "4"},
        {0.15, 1, "0.1"},
        // a negative value that rounds to zero carries no sign
        {-0.04, 1, "0.0"},
        {-0.0, 3, "0.000"},
        {-0.0004, 3, "0.000"},
        {-0.05000001, 1, "-0.1"},
        // not finite numbers
        {std::numeric_limits<double>::infinity(), 1, "\u221E"},
        {-std::numeric_limits<double>::infinity(), 2, "-\u221E"},
        {std::numeric_limits<double>::quiet_NaN(), 1, "-----"},
        // out-of-range decimals
        {2.75, -1, "3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " with " << c.decimals << " decimals");
        EXPECT_EQ(FormatFixed(c.value, c.decimals), c.expected);
    }
}

TEST(FormatFixed, PrintsTheLargestAndSmallestValuesWhole) {
    const std::string max = FormatFixed(-DBL_MAX, 1);
    EXPECT_EQ(max.size(), 1 + 309 + 2u);
    EXPECT_EQ(max.substr(0, 8), "-1797693");
    EXPECT_EQ(max.substr(max.size() - 6), "8368.0");

    const std::string tiny = FormatFixed(5e-324, 1074);  // the smallest subnormal, every digit
    EXPECT_EQ(tiny.size(), 2 + 1074u);
    EXPECT_EQ(tiny.substr(0, 2 + 323 + 4), "0." + std::string(323, '0') + "4940");
    EXPECT_EQ(tiny.back(), '5');
    EXPECT_EQ(FormatFixed(5e-324, 5000).size(), 2 + 1074u);
}

TEST(FormatWhole, PrintsExactDigits) {
    const FormatCase cases[] = {
        {579, 0, "579"},
        {-580, 0, "-580"},
        {0, 0, "0"},
        {-0.0, 0, "0"},
        {2318, 0, "2318"},
        {1e15, 0, "1000000000000000"},
        {9007199254740993.0, 0, "9007199254740992"},  // the literal is not a double; 2^53 is
        {1e22, 0, "10000000000000000000000"},
        {1e300, 0,
         "1000000000000000052504760255204420248704468581108159154915854115511802457988908195786"
         "371375080447864043704443832883878176942523235360430575644792184786706982848387200926575"
         "803737830233794788090059368953234970799945081119038967640880074652742780142494579258788"
         "820056842838115669472196386865459400540160"},
        {std::numeric_limits<double>::infinity(), 0, "\u221E"},
        {-std::numeric_limits<double>::infinity(), 0, "-\u221E"},
        {std::numeric_limits<double>::quiet_NaN(), 0, "-----"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value);
        EXPECT_EQ(FormatWhole(c.value), c.expected);
    }
}

}  // namespace
}  // namespace tollvane
