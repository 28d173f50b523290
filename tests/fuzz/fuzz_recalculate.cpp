// Recalculate over any two texts and either flag: the shape of every result text, the ten
// space-per-hour pairs, and independence from whatever follows the numbers.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "recalculate.h"

namespace {

using tollvane::kQualityRows;

// MB and GB per hour, per row: not compressed, then compressed.
const std::array<std::array<std::string_view, 4>, kQualityRows> kPairs = {{
    {"151.41 Mb", "0.148 Gb", "37.85 Mb", "0.037 Gb"},
    {"219.73 Mb", "0.215 Gb", "54.93 Mb", "0.054 Gb"},
    {"439.45 Mb", "0.429 Gb", "109.86 Mb", "0.107 Gb"},
    {"302.81 Mb", "0.296 Gb", "75.70 Mb", "0.074 Gb"},
    {"605.62 Mb", "0.591 Gb", "151.41 Mb", "0.148 Gb"},
}};

bool IsInfinity(std::string_view t) {
    return t == "\u221E" || t == "-\u221E";
}

bool IsInteger(std::string_view t) {
    if (!t.empty() && t[0] == '-') t.remove_prefix(1);
    return !t.empty() && t.find_first_not_of("0123456789") == std::string_view::npos;
}

bool IsOneDecimal(std::string_view t) {
    return t.size() >= 3 && t[t.size() - 2] == '.' && IsInteger(t.substr(0, t.size() - 2)) &&
           IsInteger(t.substr(t.size() - 1));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const bool compressed = data[0] & 1;
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t split = rest.find('\0');
    const std::string song(rest.substr(0, split));
    const std::string drive(split == std::string_view::npos ? "" : rest.substr(split + 1));

    const auto rows = tollvane::Recalculate({song, drive, compressed}, tollvane::kQualityPresets);
    for (std::size_t i = 0; i < kQualityRows; ++i) {
        const auto& row = rows[i];
        if (row.perHourMb != kPairs[i][compressed ? 2 : 0]) std::abort();
        if (row.perHourGb != kPairs[i][compressed ? 3 : 1]) std::abort();
        if (!IsOneDecimal(row.hours) && !IsInfinity(row.hours)) std::abort();
        // A drive beyond double gives infinitely many songs; infinity over infinity is "-----".
        if (!IsInteger(row.songs) && !IsInfinity(row.songs) && row.songs != "-----") std::abort();
    }

    // Text after the numbers never changes a result.
    const auto extended = tollvane::Recalculate(
        {song + "x1" + drive, drive + "/7" + song, compressed}, tollvane::kQualityPresets);
    for (std::size_t i = 0; i < kQualityRows; ++i) {
        if (extended[i].hours != rows[i].hours || extended[i].songs != rows[i].songs) std::abort();
    }
    return 0;
}
