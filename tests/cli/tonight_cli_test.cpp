#include "cli_json.h"
#include "sky/sexagesimal.h"
#include "support/temp_file.h"

#include <gtest/gtest.h>

namespace velmora::cli {
namespace {

const std::vector<std::string> kRig = {"--telescope", "CelestronOTC8", "--camera", "StarlightXpressSXVH9"};
const std::vector<std::string> kMilanInDecember = {"--date", "2026-12-20T20:00Z", "--site", "45.46,9.19,120"};

// A target from the site gets the bodies' figures, tonight's hours and, as
// it needs a mosaic, its tiles; the night's twilight comes in time order.
TEST(TonightCli, ATargetFromTheSiteGetsItsNightAndItsTiles)
{
    const Json answer = jsonOf(with(with(kRig, kMilanInDecember), {"--target", "M31"}));
    const Json& site = answer["target_site"];
    const Json& night = answer["night"];
    EXPECT_GT(site["altitude_deg"].get<double>(), 30);
    EXPECT_EQ(site["horizon"], "rises and sets");
    EXPECT_GT(site["usable_hours"].get<double>(), 1);
    EXPECT_LE(site["usable_hours"].get<double>(), site["usable_hours_ignoring_moon"].get<double>());
    EXPECT_LE(site["usable_hours_ignoring_moon"].get<double>(), night["dark_hours"].get<double>());
    EXPECT_EQ(night["twilight"], "astronomical");
    EXPECT_EQ(night["dark_start_utc"], night["astronomical_dusk_utc"]);
    EXPECT_EQ(answer["tiles"].size(), answer["target"]["mosaic_frames"].get<double>());
    EXPECT_EQ(answer["tiles"][0]["tile_camera_angle_deg"], answer["target"]["mosaic_angle_deg"]);

    // CSV: a row a tile, the night's fields on each.
    const Invocation csv = invoke(with(with(kRig, kMilanInDecember), {"--target", "M31", "--format", "csv"}));
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 1 + 90);
    EXPECT_NE(csv.out.find("usable_hours"), std::string::npos);
    EXPECT_NE(csv.out.find("tile_ra_deg"), std::string::npos);
    EXPECT_NE(csv.out.find("sunset_utc"), std::string::npos);
}

// What dark means moves the night's dark span: a lighter level lasts longer.
TEST(TonightCli, TheTwilightChosenSetsTheDarkSpan)
{
    double hours = 0;
    for (const char* level : {"astronomical", "nautical", "civil", "sunset"}) {
        const Json answer = jsonOf(with(with(kRig, kMilanInDecember), {"--target", "M42", "--twilight", level}));
        EXPECT_EQ(answer["night"]["twilight"], level);
        EXPECT_GT(answer["night"]["dark_hours"].get<double>(), hours) << level;
        hours = answer["night"]["dark_hours"];
    }
    const Json summer = jsonOf(with(kRig, {"--date", "2026-06-21T23:00Z", "--site", "60.2,24.9", "--target", "M13"}));
    EXPECT_EQ(summer["night"]["dark_hours"], 0);
    EXPECT_EQ(summer["target_site"]["usable_hours"], 0);
    EXPECT_NE(
        summer["night"]["night_notes"].get<std::string>().find("astronomical twilight never ends"), std::string::npos);
    // In the polar night the Sun stays below -6 degrees: dark the whole day round.
    const Json polar = jsonOf(
        with(kRig, {"--date", "2026-12-21T12:00Z", "--site", "78.2,15.6", "--target", "M31", "--twilight", "civil"}));
    EXPECT_NEAR(polar["night"]["dark_hours"].get<double>(), 24, 1e-9);
    EXPECT_TRUE(polar["night"]["civil_dusk_utc"].is_null());
    EXPECT_EQ(polar["night"]["night_notes"], "the Sun never rises; the Sun stays below -6 deg all day");
    // The night the polar night begins: civil twilight ends just after noon
    // and does not come back; the Sun does not stay below -6 all day yet.
    const Json first = jsonOf(with(kRig, {"--date", "2026-11-12T23:00Z", "--site", "78.2,15.6", "--target", "M31"}));
    EXPECT_FALSE(first["night"]["civil_dusk_utc"].is_null());
    EXPECT_TRUE(first["night"]["civil_dawn_utc"].is_null());
    EXPECT_EQ(first["night"]["night_notes"], "the Sun never rises");
}

// A horizon that hides the east and a Moon avoided from far away take
// hours away, never add them.
TEST(TonightCli, AHorizonAndTheMoonOnlyTakeHoursAway)
{
    const auto hours = [](const std::vector<std::string>& more) {
        return jsonOf(with(with(with(kRig, kMilanInDecember), {"--target", "M42"}), more))["target_site"];
    };
    const Json open = hours({});
    const Json wooded = hours({"--horizon", tempFile("wood.hrz", "0 0\n90 60\n180 60\n270 0\n")});
    EXPECT_LT(wooded["usable_hours_ignoring_moon"].get<double>(), open["usable_hours_ignoring_moon"].get<double>());
    const Json avoided = hours({"--moon-avoidance", "180,30"});
    EXPECT_LT(avoided["usable_hours"].get<double>(), open["usable_hours"].get<double>());
    EXPECT_EQ(avoided["usable_hours_ignoring_moon"], open["usable_hours_ignoring_moon"]);
}

// Each ranking key reaches the suggestions (the order itself is the planning
// layer's), and --min-hours leaves out the shorter.
TEST(TonightCli, SuggestionsRankByTheKeyAsked)
{
    const std::vector<std::string> suggest = with(with(kRig, kMilanInDecember), {"--suggest", "--min-fill", "0.2"});
    struct Key {
        std::vector<std::string> options;
        const char* column;
        bool mostFirst;
    };
    const Key keys[] = {{{}, "usable_hours", true},
        {{"--sqm", "20", "--read-noise", "9", "--rank-by", "hours-needed"}, "hours_needed", false}};
    for (const Key& key : keys) {
        const Json ranked = jsonOf(with(suggest, key.options));
        ASSERT_GT(ranked.size(), 3u) << key.column;
        for (std::size_t i = 1; i < ranked.size() && !ranked[i][key.column].is_null(); ++i) {
            const double before = ranked[i - 1][key.column], after = ranked[i][key.column];
            EXPECT_LE(key.mostFirst ? after : before, key.mostFirst ? before : after) << key.column << ' ' << i;
        }
    }
    const Json ranked = jsonOf(suggest);
    const Json least = jsonOf(with(suggest, {"--min-hours", "5"}));
    ASSERT_FALSE(least.empty());
    EXPECT_LT(least.size(), ranked.size());
    for (const Json& row : least)
        EXPECT_GE(row["usable_hours"].get<double>(), 5);
}

// Each tile's place in degrees and as the catalogue writes it, south of
// the equator too (the writing itself is the sky layer's).
TEST(TonightCli, TilesGiveTheirPlacesInBothForms)
{
    for (const char* target : {"M31", "NGC 253"}) {
        const Json answer = jsonOf(with(kRig, {"--target", target}));
        ASSERT_FALSE(answer["tiles"].empty()) << target;
        for (const Json& tile : answer["tiles"]) {
            EXPECT_NEAR(tile["tile_ra_deg"].get<double>(), answer["target"]["ra_deg"].get<double>(), 3) << target;
            EXPECT_NEAR(tile["tile_dec_deg"].get<double>(), answer["target"]["dec_deg"].get<double>(), 3) << target;
            EXPECT_EQ(tile["tile_ra"], sky::rightAscensionText(tile["tile_ra_deg"].get<double>()));
            EXPECT_EQ(tile["tile_dec"], sky::declinationText(tile["tile_dec_deg"].get<double>()));
        }
    }
}

struct Refusal {
    std::vector<std::string> args;
    const char* message;
};

TEST(TonightCli, WhatTheNightCannotTakeIsRefused)
{
    const std::string oneLine = tempFile("one.hrz", "10 5\n");
    const Refusal rows[] = {
        {{"--suggest", "--date", "2026-12-20"}, "--suggest with --date requires --site"},
        {{"--suggest", "--min-hours", "2"}, "--min-hours requires --site and --date"},
        {{"--suggest", "--min-hours", "25", "--date", "2026-12-20", "--site", "45,9"},
            "the hours '25' is not from 0 to 24"},
        {{"--target", "M31", "--twilight", "dusk", "--date", "2026-12-20", "--site", "45,9"},
            "'dusk' is not one of sunset, civil, nautical, astronomical"},
        {{"--target", "M31", "--moon-avoidance", "15", "--date", "2026-12-20", "--site", "45,9"},
            "is not DISTANCE,WIDTH"},
        {{"--target", "M31", "--moon-avoidance", "15,0", "--date", "2026-12-20", "--site", "45,9"},
            "the width 0 is not above 0"},
        {{"--target", "M31", "--horizon", oneLine, "--date", "2026-12-20", "--site", "45,9"},
            "one.hrz:1: a horizon needs points at two azimuths at least"},
        {{"--target", "M31", "--twilight", "civil"}, "--twilight requires --site"},
    };
    for (const Refusal& row : rows) {
        const Invocation run = invoke(with(kRig, row.args));
        EXPECT_EQ(run.status, 2) << row.message;
        EXPECT_NE(run.err.find(row.message), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
}

} // namespace
} // namespace velmora::cli
