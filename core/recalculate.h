// The one computation of the program: from the user's inputs and the quality table to the twenty
// result texts that the window shows.
#pragma once

#include <array>
#include <string>

namespace tollvane {

// One row of the quality table, held as the texts that the window's controls carry.
struct QualityPreset {
    std::string label;           // the row's name, e.g. "CD Quality (Stereo)"
    std::string rateText;        // sample rate in samples per second, e.g. "44100"
    std::string frameBytesText;  // bytes per sample frame: 2 for mono, 4 for stereo (16-bit)
};

// The three inputs, as the text boxes and the check box hold them.
struct UserInputs {
    std::string songLengthText;  // minutes
    std::string driveSizeText;   // GB (1 GB = 1024 MB)
    bool compressed = false;     // 4:1 compression
};

// The four result texts of one quality row.
struct RowOutputs {
    std::string perHourMb;  // space one hour takes, e.g. "151.41 Mb"
    std::string perHourGb;  // the same in GB, e.g. "0.148 Gb"
    std::string hours;      // hours of audio that fit on the drive, e.g. "135.3"
    std::string songs;      // songs that fit on the drive, e.g. "2318", or "-----"
};

inline constexpr std::size_t kQualityRows = 5;

// The five quality levels, from AM radio to CD stereo, all with 16-bit samples.
extern const std::array<QualityPreset, kQualityRows> kQualityPresets;

// The results of every row, row 0 first. Accepts any texts: a text without a leading number
// counts as 0. Keeps no state between calls.
std::array<RowOutputs, kQualityRows> Recalculate(
    const UserInputs& inputs, const std::array<QualityPreset, kQualityRows>& presets);

}  // namespace tollvane
