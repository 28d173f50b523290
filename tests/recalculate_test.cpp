#include "recalculate.h"

#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <locale>
#include <string>

#include "number_text.h"
#include "space_per_hour.h"

namespace tollvane {
namespace {

using Column = std::array<std::string, kQualityRows>;

std::array<RowOutputs, kQualityRows> Compute(std::string drive, std::string song, bool compressed) {
    return Recalculate(UserInputs{std::move(song), std::move(drive), compressed}, kQualityPresets);
}

Column Hours(const std::array<RowOutputs, kQualityRows>& rows) {
    Column column;
    for (std::size_t i = 0; i < kQualityRows; ++i) column[i] = rows[i].hours;
    return column;
}

Column Songs(const std::array<RowOutputs, kQualityRows>& rows) {
    Column column;
    for (std::size_t i = 0; i < kQualityRows; ++i) column[i] = rows[i].songs;
    return column;
}

const Column kNoSongs = {"-----", "-----", "-----", "-----", "-----"};

TEST(QualityPresets, AreTheFiveLevelsInOrder) {
    const std::array<std::string, kQualityRows> labels = {"AM Radio (Mono)", "FM Radio (Mono)",
                                                          "FM Radio (Stereo)", "CD Quality (Mono)",
                                                          "CD Quality (Stereo)"};
    const std::array<std::string, kQualityRows> rates = {"22050", "32000", "32000", "44100",
                                                         "44100"};
    const std::array<std::string, kQualityRows> frameBytes = {"2", "2", "4", "2", "4"};
    for (std::size_t i = 0; i < kQualityRows; ++i) {
        EXPECT_EQ(kQualityPresets[i].label, labels[i]);
        EXPECT_EQ(kQualityPresets[i].rateText, rates[i]);
        EXPECT_EQ(kQualityPresets[i].frameBytesText, frameBytes[i]);
    }
}

// The space per hour depends only on the row and the compression flag.
TEST(Recalculate, SpacePerHourIsOneOfTenPairs) {
    const std::string drives[] = {"20", "0", "-20", "", "1" + std::string(400, '0')};
    const std::string songs[] = {"3.5", "0", "abc", "1" + std::string(50, '0')};
    for (const std::string& drive : drives) {
        for (const std::string& song : songs) {
            for (const bool compressed : {false, true}) {
                SCOPED_TRACE("drive " + drive.substr(0, 8) + ", song " + song.substr(0, 8) +
                             (compressed ? ", compressed" : ""));
                const auto rows = Compute(drive, song, compressed);
                for (std::size_t i = 0; i < kQualityRows; ++i) {
                    const auto& pair = testing::kSpacePerHour[i];
                    EXPECT_EQ(rows[i].perHourMb, compressed ? pair.compressedMb : pair.mb);
                    EXPECT_EQ(rows[i].perHourGb, compressed ? pair.compressedGb : pair.gb);
                }
            }
        }
    }
}

struct Scenario {
    const char* name;
    std::string drive;
    std::string song;
    bool compressed;
    Column hours;
    Column songs;
};

TEST(Recalculate, HoursAndSongsForTypicalInputs) {
    const Scenario scenarios[] = {
        {"opening inputs",
         "20",
         "3.5",
         false,
         {"135.3", "93.2", "46.6", "67.6", "33.8"},
         {"2318", "1597", "798", "1159", "579"}},
        {"opening inputs, compressed",
         "20",
         "3.5",
         true,
         {"541.1", "372.8", "186.4", "270.5", "135.3"},
         {"9275", "6391", "3195", "4637", "2318"}},
        {"120 GB, 4 minutes",
         "120",
         "4",
         false,
         {"811.6", "559.2", "279.6", "405.8", "202.9"},
         {"12173", "8388", "4194", "6086", "3043"}},
        {"empty drive",
         "0",
         "3.5",
         false,
         {"0.0", "0.0", "0.0", "0.0", "0.0"},
         {"0", "0", "0", "0", "0"}},
        {"emptied drive box",
         "",
         "3.5",
         false,
         {"0.0", "0.0", "0.0", "0.0", "0.0"},
         {"0", "0", "0", "0", "0"}},
        // floor rounds towards minus infinity: -2318.85 gives -2319
        {"negative drive",
         "-20",
         "3.5",
         false,
         {"-135.3", "-93.2", "-46.6", "-67.6", "-33.8"},
         {"-2319", "-1598", "-799", "-1160", "-580"}},
        {"hour-long songs, compressed",
         "20",
         "60",
         true,
         {"541.1", "372.8", "186.4", "270.5", "135.3"},
         {"541", "372", "186", "270", "135"}},
        {"trailing letter",
         "20x",
         "3.5min",
         false,
         {"135.3", "93.2", "46.6", "67.6", "33.8"},
         {"2318", "1597", "798", "1159", "579"}},
    };
    for (const auto& s : scenarios) {
        SCOPED_TRACE(s.name);
        const auto rows = Compute(s.drive, s.song, s.compressed);
        EXPECT_EQ(Hours(rows), s.hours);
        EXPECT_EQ(Songs(rows), s.songs);
    }
}

// The song length is rounded to single precision in minutes and again in hours; a computation in
// double throughout gives 215073 and 45981.
TEST(Recalculate, SongLengthIsHeldInSinglePrecision) {
    EXPECT_EQ(Compute("53", "0.1", false)[0].songs, "215072");
    EXPECT_EQ(Compute("37", "0.9", true)[1].songs, "45982");
}

TEST(Recalculate, NoSongLengthLeavesTheSongsUndefined) {
    const std::string tinySong = "0." + std::string(50, '0') + "1";  // rounds to 0 hours in float
    const std::string songs[] = {"0", "-1", "", "abc", "-", ".", "-0", tinySong};
    for (const std::string& song : songs) {
        SCOPED_TRACE("song \"" + song.substr(0, 8) + "\"");
        const auto rows = Compute("20", song, false);
        EXPECT_EQ(Songs(rows), kNoSongs);
        EXPECT_EQ(Hours(rows), Hours(Compute("20", "3.5", false)));
    }
}

// Beyond the formats' ranges nothing traps: infinities show as such, infinity over infinity as
// not a number.
TEST(Recalculate, ValuesBeyondTheFormatsRanges) {
    const std::string hugeDrive = "1" + std::string(400, '0');  // beyond double
    const std::string hugeSong = "1" + std::string(50, '0');    // beyond float
    // Between FLT_MAX and 2^128 a float rounds to the nearer: the midpoint and above to infinity.
    const std::string roundsToInfinity = "340282356779733661637539395458142568448";
    const std::string roundsToMax = "340282350000000000000000000000000000000";
    const std::string bigDrive = "1" + std::string(300, '0');  // 10^300, within double

    const Column inf = {"\u221E", "\u221E", "\u221E", "\u221E", "\u221E"};
    const Column negInf = {"-\u221E", "-\u221E", "-\u221E", "-\u221E", "-\u221E"};
    const Column zeros = {"0", "0", "0", "0", "0"};

    const struct {
        const char* name;
        std::string drive, song;
        Column hours, songs;
    } cases[] = {
        {"huge drive", hugeDrive, "3.5", inf, inf},
        {"huge negative drive", "-" + hugeDrive, "3.5", negInf, negInf},
        {"huge drive, huge song", hugeDrive, hugeSong, inf, kNoSongs},
        {"huge drive, no song", hugeDrive, "", inf, kNoSongs},
        {"huge song", "20", hugeSong, Hours(Compute("20", "3.5", false)), zeros},
        {"huge song, negative drive", "-20", hugeSong, Hours(Compute("-20", "3.5", false)), zeros},
        {"huge negative song", "20", "-" + hugeSong, Hours(Compute("20", "3.5", false)), kNoSongs},
        {"song rounding to infinity", bigDrive, roundsToInfinity,
         Hours(Compute(bigDrive, "", false)), zeros},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto rows = Compute(c.drive, c.song, false);
        EXPECT_EQ(Hours(rows), c.hours);
        EXPECT_EQ(Songs(rows), c.songs);
    }

    // Below the midpoint the song length is FLT_MAX minutes, a finite length: a drive of 10^300 GB
    // then holds about 1.19 x 10^264 songs of it, every digit printed.
    const std::string manySongs = Compute(bigDrive, roundsToMax, false)[0].songs;
    EXPECT_EQ(manySongs.size(), 265u);
    EXPECT_EQ(manySongs.substr(0, 2), "11");
}

TEST(Recalculate, ReadsTheQualityTableItIsGiven) {
    auto presets = kQualityPresets;
    presets[0].rateText = "44100";
    presets[0].frameBytesText = "4";
    const auto rows = Recalculate(UserInputs{"3.5", "20", false}, presets);
    EXPECT_EQ(rows[0].perHourMb, "605.62 Mb");
    EXPECT_EQ(rows[0].songs, "579");
    EXPECT_EQ(rows[1].perHourMb, "219.73 Mb");
}

// The window's toolkit sets the process locale from the user's environment; a decimal comma there
// must change neither what is read nor what is printed.
TEST(Recalculate, IgnoresTheProcessLocale) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) {
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed (locale-gen de_DE.UTF-8)";
    }
    const std::locale previousGlobal = std::locale::global(std::locale("de_DE.UTF-8"));
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");

    const auto rows = Compute("20", "3.5", false);
    EXPECT_EQ(rows[0].perHourMb, "151.41 Mb");
    EXPECT_EQ(rows[2].perHourGb, "0.429 Gb");
    EXPECT_EQ(Hours(rows), (Column{"135.3", "93.2", "46.6", "67.6", "33.8"}));
    EXPECT_EQ(Songs(rows), (Column{"2318", "1597", "798", "1159", "579"}));
    EXPECT_EQ(ParseLeadingNumber("3,5"), 3.0);
    EXPECT_EQ(FormatWhole(1e22), "10000000000000000000000");

    std::locale::global(previousGlobal);
    std::setlocale(LC_ALL, before.c_str());
}

}  // namespace
}  // namespace tollvane
