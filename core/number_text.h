// Conversions between the texts shown in the window and the numbers behind them.
//
// None of these functions consults the C or C++ locale: "." is the decimal point and no digit
// grouping is read or written, whatever the user's regional settings.
#pragma once

#include <string>
#include <string_view>

namespace tollvane {

// Reads the number at the start of `text` and returns it; never fails.
//
// Leading blanks (spaces and tabs) are skipped. The number is an optional "+" or "-", then digits
// with at most one "."; at least one digit must stand on either side of the point (".5" and "5."
// are numbers, a lone "." is not). Reading stops at the first character that cannot continue the
// number, so "3,5" gives 3, "20GB" gives 20, "1.2.3" gives 1.2 and "1e5" gives 1 (no exponents).
// A text that starts with no number gives 0. Digits beyond the range of double give +/-infinity.
// Runs in time linear in the length of the text and allocates nothing.
double ParseLeadingNumber(std::string_view text);

// `value` rounded to `decimals` places (the exact binary value to the nearest, exact ties to
// even), with at least one digit before the point and exactly `decimals` after it: "0.148",
// "75.70", "-135.3". A negative value that rounds to zero prints as zero, without the sign.
// Infinities print as "∞" and "-∞", NaN as "-----". `decimals` is taken as 0 when negative and as
// 1074 (enough for every digit of any double) when larger.
std::string FormatFixed(double value, int decimals);

// A whole number as its exact decimal digits, however large: "2318", "0", "-2319". A value with a
// fraction is rounded as FormatFixed(value, 0) rounds it; infinities and NaN as in FormatFixed.
std::string FormatWhole(double value);

// What FormatFixed and FormatWhole print for the values that are not finite numbers.
inline constexpr std::string_view kInfinityText = "\u221E";
inline constexpr std::string_view kNegativeInfinityText = "-\u221E";
inline constexpr std::string_view kNotANumberText = "-----";

}  // namespace tollvane
