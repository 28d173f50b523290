// ParseLeadingNumber over any bytes: against the C library's correctly rounded strtod (the fuzzer
// runs in the "C" locale), and independent of whatever follows the number.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "number_text.h"

namespace {

// The number at the start of the text, rewritten as strtod reads it: sign, digits, point.
std::string Reference(std::string_view text) {
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string_view::npos) return "0";
    std::string number = "0";  // a leading zero makes ".5" and "-.5" well-formed
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
    bool digits = false, point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
        number += c;
    }
    if (!digits) return "0";
    return (negative ? "-" : "") + number;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = tollvane::ParseLeadingNumber(text);

    const std::string reference = Reference(text);
    const double expected = std::strtod(reference.c_str(), nullptr);
    if (std::memcmp(&value, &expected, sizeof value) != 0 && !(value == 0 && expected == 0)) {
        std::abort();  // a wrong value (zeros may differ in sign only where strtod drops it)
    }
    if (std::isnan(value)) std::abort();

    // What follows the number never matters.
    const std::string extended = std::string(text) + "x9.9" + std::string(text);
    const double again = tollvane::ParseLeadingNumber(extended);
    if (std::memcmp(&value, &again, sizeof value) != 0) std::abort();
    return 0;
}
