#include "optics/equipment_catalogue.h"
#include "presets/catalogue.h"

#include <gtest/gtest.h>

namespace velmora::optics {
namespace {

TEST(BuiltInCatalogue, HoldsEveryMenuEntryUnderTheNameTheMenuShows)
{
    const EquipmentCatalogue catalogue = builtInCatalogue();
    EXPECT_EQ(catalogue.telescopes.items().size(), kTelescopes.size());
    EXPECT_EQ(catalogue.cameras.items().size(), kCameras.size());
    // Names whose menu object names carry slips of the keyboard.
    for (const char* shown : {"CelestronFIRSTSCOPE114", "vixenR150SDG", "vixenR200SSDG"}) {
        const Telescope* telescope = catalogue.telescopes.find(shown);
        ASSERT_NE(telescope, nullptr) << shown;
        EXPECT_EQ(telescope->name, shown);
    }
    ASSERT_NE(catalogue.cameras.find("StarlightXpressSXVH5"), nullptr);
    EXPECT_EQ(catalogue.cameras.find("StarlightXpressSXVH5")->name, "StarlightXpressSXVH5");
}

TEST(BuiltInCatalogue, NamesMatchIgnoringCaseBlanksAndPunctuationAndOldObjectNames)
{
    const EquipmentCatalogue catalogue = builtInCatalogue();
    const Telescope* firstscope = catalogue.telescopes.find("CelestronFIRSTSCOPE114");
    for (const char* typed :
        {"celestron firstscope 114", "CELESTRON-FIRSTSCOPE-114", "CelestroFIRSTSCOPE114", "  celestron_firstscope.114"})
        EXPECT_EQ(catalogue.telescopes.find(typed), firstscope) << typed;
    EXPECT_EQ(catalogue.telescopes.find("talmvixenR150SDG"), catalogue.telescopes.find("vixen R150SDG"));
    EXPECT_EQ(catalogue.telescopes.find("tal1vixenR200SSDG")->aperture, 200);
    EXPECT_EQ(catalogue.telescopes.find("CelestronFIRSTSCOPE"), nullptr) << "no match on a prefix";
    EXPECT_EQ(catalogue.cameras.find("CelestronOTC8"), nullptr) << "telescopes are not cameras";
}

TEST(Shelf, RefusesATakenNameAndOffersTheClosest)
{
    Shelf<Telescope> shelf;
    ASSERT_TRUE(shelf.add({"My Dob", 254, 1200}, {"dob10"}));
    EXPECT_FALSE(shelf.add({"my-dob", 100, 500}));
    EXPECT_FALSE(shelf.add({"Other", 100, 500}, {"DOB 10"}));
    EXPECT_EQ(shelf.items().size(), 1u);
    EXPECT_EQ(shelf.find("Other"), nullptr) << "a refused entry leaves no alias behind";

    const EquipmentCatalogue catalogue = builtInCatalogue();
    const auto closest = catalogue.telescopes.closest("Celestronotc");
    ASSERT_EQ(closest.size(), 3u) << "three at most, of the many near";
    EXPECT_TRUE(closest.front().starts_with("CelestronOTC")) << closest.front();
    EXPECT_EQ(catalogue.cameras.closest("PhilipsVsta"), std::vector<std::string> {"PhilipsVesta"});
    EXPECT_EQ(catalogue.cameras.closest("PhlipsVst"), std::vector<std::string> {"PhilipsVesta"}) << "3 slips in 9";
    EXPECT_TRUE(catalogue.cameras.closest("zzzzzzzz").empty());
}

// A later file's layer: its entry takes the place of an earlier one of the
// same name, once, and says whether it differs; its own names stay unique.
TEST(Shelf, ALayerReplacesEarlierEntriesInTheirPlace)
{
    Shelf<Lens> shelf;
    ASSERT_TRUE(shelf.add({"Barlow 2x", 2}));
    ASSERT_TRUE(shelf.add({"Reducer", 0.63}));
    shelf.beginLayer();
    EXPECT_TRUE(shelf.add({"barlow-2X", 2.5}));
    EXPECT_TRUE(shelf.add({"Reducer", 0.63}));
    EXPECT_FALSE(shelf.add({"Barlow 2 x", 3})) << "named twice within the layer";
    EXPECT_TRUE(shelf.add({"New", 4}));
    EXPECT_FALSE(shelf.add({"new", 5}));
    const std::vector<Lens> expected {{"barlow-2X", 2.5}, {"Reducer", 0.63}, {"New", 4}};
    EXPECT_EQ(shelf.items(), expected);
    ASSERT_EQ(shelf.replacements().size(), 2u);
    EXPECT_EQ(shelf.replacements()[0].position, 0u);
    EXPECT_TRUE(shelf.replacements()[0].differs);
    EXPECT_EQ(shelf.replacements()[1].position, 1u);
    EXPECT_FALSE(shelf.replacements()[1].differs) << "the same lens again";
    EXPECT_EQ(shelf.find("barlow 2x")->factor, 2.5);

    shelf.beginLayer();
    EXPECT_TRUE(shelf.replacements().empty());
    EXPECT_TRUE(shelf.add({"new", 6})) << "the last layer's entry is earlier now";
    EXPECT_EQ(shelf.items().size(), 3u);
}

// Thousands of entries: every one found by any spelling of its key, none by another's.
TEST(Shelf, ManyEntriesAreFoundByTheirKeysAlone)
{
    Shelf<Lens> shelf;
    for (int i = 0; i < 5000; ++i)
        ASSERT_TRUE(shelf.add({"Lens " + std::to_string(i), double(i + 1)}));
    for (int i = 0; i < 5000; i += 7) {
        const Lens* found = shelf.find("LENS-" + std::to_string(i));
        ASSERT_NE(found, nullptr) << i;
        EXPECT_EQ(found->factor, i + 1);
    }
    EXPECT_EQ(shelf.find("Lens 5000"), nullptr);
    EXPECT_EQ(shelf.find("Lens"), nullptr);
    EXPECT_FALSE(shelf.add({"lens_4999", 1}));
}

} // namespace
} // namespace velmora::optics
