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
    ASSERT_FALSE(closest.empty());
    EXPECT_TRUE(closest.front().starts_with("CelestronOTC")) << closest.front();
    EXPECT_EQ(catalogue.cameras.closest("PhilipsVsta"), std::vector<std::string> {"PhilipsVesta"});
    EXPECT_EQ(catalogue.cameras.closest("PhlipsVst"), std::vector<std::string> {"PhilipsVesta"}) << "3 slips in 9";
    EXPECT_TRUE(catalogue.cameras.closest("zzzzzzzz").empty());
}

} // namespace
} // namespace velmora::optics
