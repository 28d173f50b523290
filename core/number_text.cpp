#include "number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace tollvane {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Writes `value` in fixed notation to [first, last); returns the end, or nullptr if it would not
// fit. std::to_chars is locale-independent and prints the exact binary value, correctly rounded.
char* ToFixed(char* first, char* last, double value, int decimals) {
    const auto [end, error] = std::to_chars(first, last, value, std::chars_format::fixed, decimals);
    return error == std::errc{} ? end : nullptr;
}

constexpr int kMostDecimals = 1074;

std::string FromFixed(const char* first, const char* last) {
    // "-0.00" and the like: a value that rounds to zero carries no sign.
    if (*first == '-' && std::all_of(first + 1, last, [](char c) { return c == '0' || c == '.'; }))
        ++first;
    return std::string(first, last);
}

}  // namespace

double ParseLeadingNumber(std::string_view text) {
    const char* p = text.data();
    const char* const end = p + text.size();

    while (p != end && IsBlank(*p)) ++p;

    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }

    const char* const integerStart = p;
    while (p != end && IsDigit(*p)) ++p;
    const char* const integerEnd = p;
    std::ptrdiff_t fractionDigits = 0;
    if (p != end && *p == '.') {
        const char* const fractionStart = ++p;
        while (p != end && IsDigit(*p)) ++p;
        fractionDigits = p - fractionStart;
    }
    const char* const numberEnd = p;

    if (integerEnd == integerStart && fractionDigits == 0) return 0.0;  // "", "-", "." or "abc"

    // The span holds digits and at most one point, which std::from_chars reads in full.
    double magnitude = 0.0;
    const auto parsed =
        std::from_chars(integerStart, numberEnd, magnitude, std::chars_format::fixed);
    if (parsed.ec == std::errc::result_out_of_range) {
        // from_chars leaves `magnitude` untouched here. A nonzero digit before the point means the
        // value is at least 1, so it overflowed; otherwise it is too small even for a subnormal.
        const bool overflow =
            std::any_of(integerStart, integerEnd, [](char c) { return c != '0'; });
        magnitude = overflow ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -magnitude : magnitude;
}

std::string FormatFixed(double value, int decimals) {
    if (std::isnan(value)) return std::string(kNotANumberText);
    if (std::isinf(value)) return std::string(value < 0 ? kNegativeInfinityText : kInfinityText);
    // 1074 places hold every digit of any double's exact value.
    decimals = std::clamp(decimals, 0, kMostDecimals);

    // Every ordinary result fits here; the largest doubles (309 digits before the point) or a
    // long run of decimals take the exact size from the heap instead.
    std::array<char, 64> small;
    if (char* end = ToFixed(small.data(), small.data() + small.size(), value, decimals))
        return FromFixed(small.data(), end);

    constexpr std::size_t kMostIntegerDigits = std::numeric_limits<double>::max_exponent10 + 1;
    std::string large(1 + kMostIntegerDigits + 1 + static_cast<std::size_t>(decimals), '\0');
    char* end = ToFixed(large.data(), large.data() + large.size(), value, decimals);
    return FromFixed(large.data(), end);
}

std::string FormatWhole(double value) {
    return FormatFixed(value, 0);
}

}  // namespace tollvane
