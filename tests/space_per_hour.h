// The only texts the MB and GB per hour cells can show: they depend on the row and the
// compression flag alone. Shared by the core's tests and its fuzz target.
#pragma once

#include <array>
#include <string_view>

namespace tollvane::testing {

struct SpacePerHour {
    std::string_view mb, gb, compressedMb, compressedGb;
};

inline constexpr std::array<SpacePerHour, 5> kSpacePerHour = {{
    {"151.41 Mb", "0.148 Gb", "37.85 Mb", "0.037 Gb"},
    {"219.73 Mb", "0.215 Gb", "54.93 Mb", "0.054 Gb"},
    {"439.45 Mb", "0.429 Gb", "109.86 Mb", "0.107 Gb"},
    {"302.81 Mb", "0.296 Gb", "75.70 Mb", "0.074 Gb"},
    {"605.62 Mb", "0.591 Gb", "151.41 Mb", "0.148 Gb"},
}};

}  // namespace tollvane::testing
