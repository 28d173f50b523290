// FormatFixed and FormatWhole over any double: the shape of the text, the C library's exact
// printf digits, and reading the text back to within half a unit of its last decimal.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "number_text.h"

namespace {

bool IsFixed(const std::string& text, int decimals) {
    std::size_t i = text[0] == '-' ? 1 : 0;
    const std::size_t point = text.find('.');
    const std::size_t integerEnd = decimals == 0 ? text.size() : point;
    if (decimals > 0 &&
        (point == std::string::npos || text.size() - point - 1 != std::size_t(decimals)))
        return false;
    if (integerEnd <= i) return false;
    for (std::size_t k = i; k < text.size(); ++k) {
        if (k != point && (text[k] < '0' || text[k] > '9')) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double) + 1) return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    const int decimals = data[sizeof value] % 8;

    const std::string text = tollvane::FormatFixed(value, decimals);
    if (tollvane::FormatWhole(value) != tollvane::FormatFixed(value, 0)) std::abort();

    if (std::isnan(value)) {
        if (text != tollvane::kNotANumberText) std::abort();
        return 0;
    }
    if (std::isinf(value)) {
        if (text != (value > 0 ? tollvane::kInfinityText : tollvane::kNegativeInfinityText))
            std::abort();
        return 0;
    }
    if (!IsFixed(text, decimals)) std::abort();

    // The C library prints the same digits in the "C" locale; only a zero's sign may differ.
    std::vector<char> buffer(400);
    std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, value);
    std::string printed(buffer.data());
    if (printed[0] == '-' && printed.find_first_not_of("-0.") == std::string::npos)
        printed.erase(0, 1);
    if (text != printed) std::abort();

    // Read back, it is the value to within half a unit of the last decimal (and the rounding
    // of reading a decimal back into a double).
    const double back = tollvane::ParseLeadingNumber(text);
    const double halfUnit = 0.5 * std::pow(10.0, -decimals);
    if (std::fabs(back - value) > halfUnit * (1 + 1e-9) + std::fabs(value) * 0x1p-52) std::abort();
    return 0;
}
