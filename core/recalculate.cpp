#include "recalculate.h"

#include <cfloat>
#include <cmath>
#include <limits>

#include "number_text.h"

// The digits shown depend on every intermediate value being rounded exactly as written below:
// float values held in single precision, nothing fused or reassociated.
static_assert(FLT_EVAL_METHOD == 0, "float arithmetic must not be carried in excess precision");
static_assert(std::numeric_limits<float>::is_iec559 && std::numeric_limits<double>::is_iec559,
              "float and double must be IEEE 754 single and double precision");
#if defined(__FAST_MATH__)
#error "the calculation core must not be built with fast-math"
#endif

namespace tollvane {

const std::array<QualityPreset, kQualityRows> kQualityPresets = {{
    {"AM Radio (Mono)", "22050", "2"},
    {"FM Radio (Mono)", "32000", "2"},
    {"FM Radio (Stereo)", "32000", "4"},
    {"CD Quality (Mono)", "44100", "2"},
    {"CD Quality (Stereo)", "44100", "4"},
}};

namespace {

// Rounds a double to the nearest float, ties to even. A plain conversion of a value beyond the
// float range is undefined behaviour, so those are rounded here: past the midpoint between
// FLT_MAX and 2^128 a value becomes infinity, as IEEE 754 rounding to nearest gives.
float RoundToSingle(double value) {
    constexpr double kOverflowThreshold = 0x1.ffffffp127;  // FLT_MAX + half an ulp, a tie
    if (std::fabs(value) <= FLT_MAX) return static_cast<float>(value);
    if (std::isnan(value)) return std::numeric_limits<float>::quiet_NaN();
    const float limit =
        std::fabs(value) >= kOverflowThreshold ? std::numeric_limits<float>::infinity() : FLT_MAX;
    return value < 0 ? -limit : limit;
}

std::string WithUnit(std::string number, std::string_view unit) {
    return number.append(unit);
}

}  // namespace

std::array<RowOutputs, kQualityRows> Recalculate(
    const UserInputs& inputs, const std::array<QualityPreset, kQualityRows>& presets) {
    // Song length, in minutes and then in hours, each rounded to single precision. A length
    // beyond the float range becomes an infinite length.
    float songHours = RoundToSingle(ParseLeadingNumber(inputs.songLengthText));
    songHours = RoundToSingle(double{songHours} / 60);

    const float compression = inputs.compressed ? 0.25f : 1.0f;
    const double driveGb = ParseLeadingNumber(inputs.driveSizeText);

    std::array<RowOutputs, kQualityRows> rows;
    for (std::size_t i = 0; i < kQualityRows; ++i) {
        const double frameBytes = ParseLeadingNumber(presets[i].frameBytesText);
        const double rate = ParseLeadingNumber(presets[i].rateText);

        float bytes = RoundToSingle(rate * frameBytes * compression);  // per second
        bytes = RoundToSingle(double{bytes} * 3600);                   // per hour
        const float kb = RoundToSingle(double{bytes} / 1024);
        const float mb = RoundToSingle(double{kb} / 1024);
        const float gb = RoundToSingle(double{mb} / 1024);

        RowOutputs& row = rows[i];
        row.perHourMb = WithUnit(FormatFixed(mb, 2), " Mb");
        row.perHourGb = WithUnit(FormatFixed(gb, 3), " Gb");

        // A drive too large for double gives infinite hours and songs; an infinite drive over
        // an infinite song length is not a number and shows as such (see FormatFixed).
        row.hours = FormatFixed(driveGb / gb, 1);

        // The product of two floats is exact in double. Zero, negative zero and lengths so
        // short that they round to zero hours leave the songs undefined.
        if (songHours > 0) {
            row.songs = FormatWhole(std::floor(driveGb / (double{gb} * double{songHours})));
        } else {
            row.songs = std::string(kNotANumberText);
        }
    }
    return rows;
}

}  // namespace tollvane
