#include "deep_sky_fixture.h"
#include "planning/catalogue_merge.h"
#include "planning/computation.h"
#include "planning/figures.h"
#include "planning/reading_order.h"
#include "planning/refusal.h"
#include "planning/rig_ranking.h"
#include "planning/rules.h"
#include "planning/suggestions.h"
#include "planning/sweep.h"
#include "planning/target_choice.h"
#include "planning/target_names.h"
#include "planning_refusal.h"
#include "presets/catalogue.h"
#include "support/temp_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace velmora::planning {
namespace {

Request rig(const char* telescope, const char* camera)
{
    Request request;
    request.telescope = telescope;
    request.camera = camera;
    return request;
}

TEST(TrainChoice, EachFigureNamesTheLayerItCameFrom)
{
    Request request = rig("CelestronOTC8", "PhilipsVesta");
    request.focalLength = 1250;
    request.binning = 2;
    const ChosenTrain chosen = chooseTrain(request, builtInCatalogue());
    EXPECT_EQ(chosen.sources.aperture, "telescope CelestronOTC8");
    EXPECT_EQ(chosen.sources.focalLength, "option");
    EXPECT_EQ(chosen.sources.pixelSize, "camera PhilipsVesta");
    EXPECT_EQ(chosen.sources.binning, "option");
    EXPECT_EQ(chosen.train.aperture, 203);
    EXPECT_EQ(chosen.train.focalLength, 1250);
    EXPECT_EQ(chosen.telescope, "CelestronOTC8");
    EXPECT_EQ(chosen.camera, "PhilipsVesta");

    // Every figure of the camera given by hand: the camera's name is not claimed.
    request.pixelSize = 3, request.width = 100, request.height = 100;
    request.binning.reset();
    const ChosenTrain byHand = chooseTrain(request, builtInCatalogue());
    EXPECT_EQ(byHand.camera, "");
    EXPECT_EQ(byHand.sources.binning, "default");
}

TEST(TrainChoice, ACameraKeepsItsOwnPixelHeightOnlyWithItsOwnPixelWidth)
{
    optics::EquipmentCatalogue catalogue;
    catalogue.telescopes.put({"Tube", 100, 1000});
    catalogue.cameras.put({"Oblong", 4, 100, 50, 8});
    Request request = rig("Tube", "Oblong");
    EXPECT_EQ(chooseTrain(request, catalogue).train.pixelHeight, 8);
    request.pixelSize = 5;
    EXPECT_EQ(chooseTrain(request, catalogue).train.pixelHeight, 0) << "a pixel given by hand is square";
}

TEST(TrainChoice, RefusalsNameTheirSubject)
{
    struct Case {
        Request request;
        Subject subject;
        Reason reason;
        std::string name = {}; // the name refused
        std::vector<double> figures = {};
    };
    Request noFocalLength;
    noFocalLength.aperture = 100;
    Request noWidth = noFocalLength;
    noWidth.focalLength = 1000, noWidth.pixelSize = 5;
    Request binnedAway = rig("CelestronOTC8", "PhilipsVesta");
    binnedAway.width = 7, binnedAway.binning = 8;
    Request unknownLens = rig("CelestronOTC8", "PhilipsVesta");
    unknownLens.lens = "Nope";
    const Case cases[] = {
        {Request {}, Subject::Aperture, Reason::Missing},
        {noFocalLength, Subject::FocalLength, Reason::Missing},
        {noWidth, Subject::Width, Reason::Missing},
        {rig("CelestronOTC99", "PhilipsVesta"), Subject::Telescope, Reason::NotFound, "CelestronOTC99"},
        {rig("CelestronOTC8", "!!"), Subject::Camera, Reason::NoLetters, "!!"},
        {unknownLens, Subject::Lens, Reason::NotFound, "Nope"},
        {binnedAway, Subject::Binning, Reason::NoWholeBinnedPixel, {}, {8, 7, 480}},
    };
    for (const Case& c : cases) {
        const Refused refused = refusalOf([&] { chooseTrain(c.request, builtInCatalogue()); });
        EXPECT_EQ(refused.subject, c.subject) << c.name;
        EXPECT_EQ(refused.reason, c.reason) << c.name;
        EXPECT_EQ(refused.name, c.name);
        EXPECT_EQ(refused.figures, c.figures) << c.name;
    }
    const Refused slip = refusalOf([&] { chooseTrain(rig("CelestronOTX8", "PhilipsVesta"), builtInCatalogue()); });
    ASSERT_FALSE(slip.closest.empty());
    EXPECT_EQ(slip.closest[0], "CelestronOTC8");
}

// A sink that keeps what the merge notes.
std::function<void(const MergeNote&)> collect(std::vector<MergeNote>& notes)
{
    return [&notes](const MergeNote& note) { notes.push_back(note); };
}

TEST(CatalogueMerge, ALaterEntryReplacesAnEarlierOneAndSaysWhose)
{
    const std::string header = "kind,name,aperture_mm,focal_length_mm,pixel_um,width_px,height_px\n";
    const std::string first = tempFile("first.csv", header + "telescope,CelestronOTC8,200,2000,,,\n");
    const std::string second = tempFile("second.csv", header + "telescope,Celestron OTC 8,201,2000,,,\n");
    std::vector<MergeNote> warnings;
    const optics::EquipmentCatalogue merged = mergeCatalogues({first, second}, collect(warnings));
    EXPECT_EQ(merged.telescopes.find("CelestronOTC8")->aperture, 201);
    EXPECT_EQ(merged.telescopes.items().size(), builtInCatalogue().telescopes.items().size());
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[0].kind, MergeNote::Kind::Telescope);
    EXPECT_EQ(warnings[0].path, first);
    EXPECT_FALSE(warnings[0].replaced) << "the built-in one";
    EXPECT_EQ(warnings[1].path, second);
    EXPECT_EQ(warnings[1].replaced, first);

    // The same entry again replaces nothing worth a word.
    warnings.clear();
    mergeCatalogues({second, second}, collect(warnings));
    EXPECT_EQ(warnings.size(), 1u);

    warnings.clear();
    const Refused refused = refusalOf([&] { mergeCatalogues({first, testPath("missing.csv")}, collect(warnings)); });
    EXPECT_EQ(refused.subject, Subject::Catalogue);
    EXPECT_EQ(warnings.size(), 1u) << "what the first file said is kept";
}

using Planning = DeepSkyFixture;

// Each name offered for completion finds an object, and the names people
// use are among them.
TEST_F(Planning, EveryNameOfferedFindsItsObject)
{
    const std::vector<std::string> names = targetNames(deepSky());
    EXPECT_TRUE(std::ranges::is_sorted(names));
    EXPECT_EQ(std::ranges::adjacent_find(names), names.end());
    for (const char* wanted : {"M31", "NGC 224", "IC 434", "Andromeda Galaxy", "B33", "M110"})
        EXPECT_TRUE(std::ranges::binary_search(names, std::string(wanted))) << wanted;
    for (const std::string& name : names)
        EXPECT_TRUE(deepSky().find(name)) << name;
}

TEST_F(Planning, TheTargetIsFramedInTheSameCall)
{
    Request request = rig("CelestronOTC8", "StarlightXpressSXVH9");
    request.target = "M51";
    const Computation computation = computeRig(request, builtInCatalogue(), &deepSky());
    ASSERT_TRUE(computation.target);
    EXPECT_EQ(computation.target->object->displayName().substr(0, 3), "M51");
    // The SXV-H9's 1392 x 1040 pixels of 6.45 um at 2032 mm: 8.98 x 6.71 mm, 15.19' x 11.35'.
    EXPECT_NEAR(computation.target->field.width, 15.19, 0.005);
    EXPECT_NEAR(computation.target->field.height, 11.35, 0.005);
    EXPECT_TRUE(pixelFieldOf(computation.outcome));

    request.overlap = 0.5;
    const Refused overlap = refusalOf([&] { computeRig(request, builtInCatalogue(), &deepSky()); });
    EXPECT_EQ(overlap.subject, Subject::Overlap);
    EXPECT_EQ(overlap.reason, Reason::OutOfBounds);
    EXPECT_EQ(overlap.figures, std::vector<double> {50});
    request.overlap = 0.1;
    request.target = "M5199";
    const Refused unknown = refusalOf([&] { computeRig(request, builtInCatalogue(), &deepSky()); });
    EXPECT_EQ(unknown.reason, Reason::NotFound);
    ASSERT_FALSE(unknown.closest.empty());
    EXPECT_EQ(unknown.closest[0], "IC5199");
    request.target = "M40";
    const Refused sizeless = refusalOf([&] { computeRig(request, builtInCatalogue(), &deepSky()); });
    EXPECT_EQ(sizeless.subject, Subject::Target);
    EXPECT_EQ(sizeless.reason, Reason::NoSize);
}

// A body is pictured up or down (the site's figures say when it rises), but
// only within the years its series cover.
TEST_F(Planning, ABodyToPictureMustBeInItsSeries)
{
    Request request = rig("CelestronOTC8", "PhilipsVesta");
    request.frame = sky::findBody("jupiter");
    request.date = sky::UtcMoment {2026, 12, 6, 21, 0, 0};
    const Computation night = computeRig(request, builtInCatalogue(), nullptr);
    ASSERT_TRUE(night.framedBody);
    EXPECT_EQ(night.sky->bodies[*night.framedBody].facts, request.frame);

    // From Milan at noon Jupiter is down (it transits near 02:30 UT that week).
    request.date = sky::UtcMoment {2026, 12, 6, 12, 0, 0};
    sky::Observation milan;
    milan.site = sky::GeoSite {45.46, 9.19, 0};
    request.observation = milan;
    const Computation noon = computeRig(request, builtInCatalogue(), nullptr);
    ASSERT_TRUE(noon.framedBody);
    const sky::BodyView& down = noon.sky->bodies[*noon.framedBody];
    ASSERT_TRUE(down.fromSite);
    EXPECT_LT(down.fromSite->altitude, 0);
    ASSERT_TRUE(down.fromSite->rise);

    request.observation.reset();
    request.frame = sky::findBody("pluto");
    request.date = sky::UtcMoment {1000, 1, 1, 0, 0, 0};
    const Refused early = refusalOf([&] { computeRig(request, builtInCatalogue(), nullptr); });
    EXPECT_EQ(early.reason, Reason::OutsideSeries);
    EXPECT_EQ(early.figures, std::vector<double> {1000});
}

TEST(Sweep, SkipsCamerasBinnedAwayAndSortsByTheResultAsked)
{
    optics::EquipmentCatalogue catalogue;
    catalogue.telescopes.put({"Short", 80, 400});
    catalogue.telescopes.put({"Long", 200, 2000});
    catalogue.cameras.put({"Small", 3, 6, 6});
    catalogue.cameras.put({"Big", 9, 1000, 800});
    catalogue.cameras.put({"Mid", 5, 500, 400});
    Request request;
    request.binning = 8;
    const Sweep binned(catalogue, request);
    EXPECT_EQ(binned.size(), 4u);
    EXPECT_EQ(binned.skippedRigs(), 2u) << "the 6 px camera, with each telescope";
    EXPECT_EQ(binned.row(0).chosen.telescope, "Short");
    EXPECT_EQ(binned.row(1).chosen.camera, "Mid");

    request.binning.reset();
    request.sortBy = findQuantity("pixel_field");
    const Sweep sorted(catalogue, request);
    ASSERT_EQ(sorted.size(), 6u);
    // Pixel fields, 206265 x pixel / focal length: Long with Small first (0.31"), Short with Big last (4.6").
    EXPECT_EQ(sorted.row(0).chosen.telescope + sorted.row(0).chosen.camera, "LongSmall");
    EXPECT_EQ(sorted.row(5).chosen.telescope + sorted.row(5).chosen.camera, "ShortBig");
    for (std::size_t i = 1; i < sorted.size(); ++i)
        EXPECT_LE(*pixelFieldOf(sorted.row(i - 1).outcome), *pixelFieldOf(sorted.row(i).outcome)) << i;
}

TEST_F(Planning, RigsRankTheBestFramingFirst)
{
    Request request;
    request.target = "M31";
    request.binning = 8;
    optics::EquipmentCatalogue catalogue = builtInCatalogue();
    catalogue.cameras.put({"Tiny", 5, 7, 7});
    const RigRanking ranking = rankRigs(request, catalogue, deepSky());
    const std::size_t telescopes = catalogue.telescopes.items().size();
    EXPECT_EQ(ranking.skipped, telescopes) << "the 7 px camera binned 8 x 8, with each telescope";
    EXPECT_EQ(ranking.rigs.size(), telescopes * (catalogue.cameras.items().size() - 1));
    for (std::size_t i = 1; i < ranking.rigs.size(); ++i)
        EXPECT_FALSE(sky::framesBetter(ranking.rigs[i].framing, ranking.rigs[i - 1].framing)) << i;
}

TEST_F(Planning, SuggestionsNeedAFieldToFrameOn)
{
    Request request;
    request.aperture = 100, request.focalLength = 1e300, request.pixelSize = 1e-300;
    request.width = 10, request.height = 10;
    EXPECT_EQ(refusalOf([&] { suggestTargets(request, builtInCatalogue(), deepSky()); }).subject, Subject::Suggest);
    const Request wide = [] {
        Request r = rig("TakahashiFS102", "ApogeeAP1ME");
        r.suggestion.minFill = 0.5;
        return r;
    }();
    const auto suggested = suggestTargets(wide, builtInCatalogue(), deepSky());
    ASSERT_FALSE(suggested.empty());
    for (const Suggestion& suggestion : suggested)
        EXPECT_GE(suggestion.framing.fill(), 0.5) << suggestion.framing.object->displayName();
}

// A chip whose width or height alone overflows is refused before its field
// (which would come out a finite half turn) is looked at.
TEST(TargetChoice, AChipOfNoFiniteSizeIsRefused)
{
    const optics::OpticalTrain rigs[] = {{100, 1000, 1e10, 100, 1e300}, {100, 1000, 1e10, 1e300, 100}};
    for (const optics::OpticalTrain& train : rigs) {
        const Refused refused = refusalOf([&] { requireFrameable(train, Subject::Target); });
        EXPECT_EQ(refused.subject, Subject::Target);
        EXPECT_EQ(refused.reason, Reason::ChipNotFinite);
    }
    EXPECT_NO_THROW(requireFrameable({100, 1000, 1e10, 100, 100}, Subject::Target));
}

// Tonight's hours need both the site and the date; either alone leaves
// the suggestions as the rig frames them.
TEST_F(Planning, SuggestionsAreForTonightOnlyWithSiteAndDate)
{
    Request request = rig("TakahashiFS102", "ApogeeAP1ME");
    request.suggestion.minFill = 0.5;
    sky::Observation milan;
    milan.site = sky::GeoSite {45.46, 9.19, 0};
    const auto tonightOf = [&](bool site, bool date) {
        request.observation = site ? std::optional(milan) : std::nullopt;
        request.date = date ? std::optional(sky::UtcMoment {2026, 12, 20, 20, 0, 0}) : std::nullopt;
        const std::vector<Suggestion> suggested = suggestTargets(request, builtInCatalogue(), deepSky());
        EXPECT_FALSE(suggested.empty());
        return std::ranges::count_if(suggested, [](const Suggestion& s) { return s.tonight.has_value(); });
    };
    EXPECT_EQ(tonightOf(false, true), 0);
    EXPECT_EQ(tonightOf(true, false), 0);
    EXPECT_GT(tonightOf(true, true), 0);
}

TEST(ReadingOrder, BodiesGoOutwardFromTheSunWithTheMoonBesideTheEarth)
{
    struct Rank {
        const char* id;
        int rank;
    };
    const Rank ranks[] = {{"focal_ratio", -1}, {"km_per_pixel_sun", 0}, {"km_per_pixel_mercury_far", 1},
        {"km_per_pixel_moon", 3}, {"km_per_pixel_mars_near", 4}, {"km_per_pixel_pluto", 9},
        {"km_per_pixel_vulcan", -1}};
    for (const Rank& r : ranks)
        EXPECT_EQ(readingRank(r.id), r.rank) << r.id;

    sky::SkyView view {};
    for (const char* name : {"moon", "sun", "mars", "venus"})
        view.bodies.push_back(sky::BodyView {sky::findBody(name), 0, 0, 0, 0, false, {}, 0, {}, {}});
    std::string order;
    for (const sky::BodyView* body : bodiesOutward(view))
        order += std::string(body->facts->name) + " ";
    EXPECT_EQ(order, "sun venus moon mars ");
}

TEST(Observation, TheAirDefaultsToTheStandardAtmosphereAtTheSite)
{
    // The defaults of the figure table, which velmora-calc --help and the
    // planner's fields show; an equatorial mount.
    const sky::Observation plain {};
    EXPECT_EQ(plain.temperature, figure(FigureId::Temperature).byDefault);
    EXPECT_EQ(plain.air().humidity * 100, figure(FigureId::Humidity).byDefault);
    EXPECT_EQ(plain.minAltitude, figure(FigureId::MinAltitude).byDefault);
    EXPECT_EQ(plain.shortest, figure(FigureId::BandShortest).byDefault);
    EXPECT_EQ(plain.longest, figure(FigureId::BandLongest).byDefault);
    EXPECT_FALSE(plain.altAzMount);
    struct Air {
        double elevation;
        std::optional<double> pressure;
        double expected; // hPa; the ICAO standard atmosphere's
    };
    const Air airs[] = {
        {0, std::nullopt, 1013.25}, {1000, std::nullopt, 898.75}, {2000, std::nullopt, 794.95}, {1000, 950.0, 950}};
    for (const Air& air : airs) {
        sky::Observation observation;
        observation.site = sky::GeoSite {45, 9, air.elevation};
        observation.pressure = air.pressure;
        observation.humidity = 80;
        EXPECT_NEAR(observation.air().pressure, air.expected, 0.05) << air.elevation;
        EXPECT_DOUBLE_EQ(observation.air().humidity, 0.8) << "a share, not a percentage";
    }
}

TEST_F(Planning, ARequestSamplesAt550NanometresUnlessTold)
{
    Request request = rig("CelestronOTC8", "PhilipsVesta");
    request.seeing = 2;
    const Computation plain = computeRig(request, builtInCatalogue(), nullptr);
    request.wavelength = 550;
    const Computation green = computeRig(request, builtInCatalogue(), nullptr);
    ASSERT_TRUE(plain.sampling && green.sampling);
    EXPECT_EQ(plain.sampling->criticalFocalRatio, green.sampling->criticalFocalRatio);
    request.wavelength = 551;
    EXPECT_NE(computeRig(request, builtInCatalogue(), nullptr).sampling->criticalFocalRatio,
        plain.sampling->criticalFocalRatio);
}

// Sampling needs a seeing, and sampling and bodies a pixel field: a field
// that underflows to nothing gives neither.
TEST(Computation, SamplingAndBodiesOnlyWithWhatTheyNeed)
{
    Request request = rig("CelestronOTC8", "PhilipsVesta");
    request.date = sky::UtcMoment {2026, 12, 6, 21, 0, 0};
    const Computation unseen = computeRig(request, builtInCatalogue(), nullptr);
    EXPECT_FALSE(unseen.sampling);
    EXPECT_TRUE(unseen.sky);
    Request vanishing;
    vanishing.aperture = 100, vanishing.focalLength = 1e300, vanishing.pixelSize = 1e-300;
    vanishing.width = 10, vanishing.height = 10, vanishing.seeing = 2, vanishing.date = request.date;
    const Computation nothing = computeRig(vanishing, builtInCatalogue(), nullptr);
    ASSERT_TRUE(pixelFieldOf(nothing.outcome));
    EXPECT_EQ(*pixelFieldOf(nothing.outcome), 0);
    EXPECT_FALSE(nothing.sampling);
    EXPECT_FALSE(nothing.sky);
}

TEST(Rules, OverlapAndCorrectorThresholds)
{
    const std::pair<double, bool> overlaps[] = {{-1, false}, {0, true}, {10, true}, {49.99, true}, {50, false}};
    for (const auto& [percent, accepted] : overlaps)
        EXPECT_EQ(figure(FigureId::Overlap).bounds.holds(percent), accepted) << percent;
    const std::pair<double, bool> spreads[] = {{0.2, false}, {1, false}, {1.01, true}};
    for (const auto& [pixels, advised] : spreads)
        EXPECT_EQ(isCorrectorAdvised(pixels), advised) << pixels;
}

} // namespace
} // namespace velmora::planning
