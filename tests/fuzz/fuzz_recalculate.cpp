// Recalculate over any two texts and either flag: the shape of every result text, the ten
// space-per-hour pairs, and independence from whatever follows the numbers.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "recalculate.h"
#include "space_per_hour.h"

namespace {

using tollvane::kQualityRows;

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
        const auto& pair = tollvane::testing::kSpacePerHour[i];
        if (row.perHourMb != (compressed ? pair.compressedMb : pair.mb)) std::abort();
        if (row.perHourGb != (compressed ? pair.compressedGb : pair.gb)) std::abort();
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
