// Reading decks: every line's meaning for point and area sources, and refused decks.
#include "outside/plumo3/deck.h"

#include <gtest/gtest.h>

#include "outside/plumo3/report.h"

namespace {

// A stack deck as the predictor writes it: rural, downwash, class and wind speed given.
const char* kStackDeck =
    "modelrun\nP\n0.0792745\n10\n0.1\n35\n293\n298\n0\nR\ny\n12\n30\n20\nn\ny\n"
    "2\n4\n3.5\nn\ny\n5\n100\n0\nn\nn\nn\n";
const char* kAreaDeck =
    "modelrun\r\nA\r\n5.78704e-05\r\n3\r\n10\r\n10\r\n0\r\nU\r\ny\r\n"
    "2\r\n1\r\nn\r\ny\r\n100\r\n0\r\nn\r\n";

TEST(PlumoDeck, StackDeckLinesAreReadInOrder) {
    plumo::Deck d = plumo::ReadDeck(kStackDeck);
    EXPECT_FALSE(d.areaSource);
    EXPECT_DOUBLE_EQ(d.stack.emission, 0.0792745);
    EXPECT_EQ(d.stack.height, 10);
    EXPECT_EQ(d.stack.diameter, 0.1);
    EXPECT_EQ(d.stack.exitVelocity, 35);
    EXPECT_EQ(d.stack.exitTemperature, 293);
    EXPECT_EQ(d.stack.ambientTemperature, 298);
    EXPECT_EQ(d.landUse, plumo::LandUse::Rural);
    EXPECT_TRUE(d.stack.downwash);
    EXPECT_EQ(d.stack.buildingHeight, 12);
    EXPECT_EQ(d.stack.buildingLength, 30);
    EXPECT_EQ(d.stack.buildingWidth, 20);
    EXPECT_EQ(d.metOption, 2);
    EXPECT_EQ(d.stabilityClass, 4);
    EXPECT_TRUE(d.windGiven);
    EXPECT_EQ(d.wind10, 3.5);
    EXPECT_EQ(d.terrain, 5);
    EXPECT_EQ(d.distances, std::vector<double>{100});
}

TEST(PlumoDeck, AreaDeckWithWindowsLineEndsAndClassOnly) {
    plumo::Deck d = plumo::ReadDeck(kAreaDeck);
    EXPECT_TRUE(d.areaSource);
    EXPECT_DOUBLE_EQ(d.area.emission, 5.78704e-05);
    EXPECT_EQ(d.area.releaseHeight, 3);
    EXPECT_EQ(d.area.length, 10);
    EXPECT_EQ(d.landUse, plumo::LandUse::Urban);
    EXPECT_EQ(d.stabilityClass, 1);
    EXPECT_FALSE(d.windGiven);
    EXPECT_EQ(d.distances, std::vector<double>{100});
}

TEST(PlumoDeck, RefusedDecksNameTheirLine) {
    struct Case {
        const char* deck;
        int line;
        const char* words;
    };
    const Case cases[] = {
        {"", 1, "ends before the title"},
        {"t\nX\n", 2, "source type"},
        {"t\nP\nabc\n", 3, "expected a number for the emission rate"},
        {"t\nP\n-1\n", 3, "below 0"},
        {"t\nP\n1\n10\n1\n5\n0\n", 7, "stack gas temperature must be above 0"},
        {"t\nP\n1\n10\n1\n5\n300\n290\n0\nQ\n", 10, "land use"},
        {"t\nP\n1\n10\n1\n5\n300\n290\n0\nU\nmaybe\n", 11, "y or n"},
        {"t\nA\n1e-5\n3\n0\n10\n0\nU\ny\n1\n", 5, "length of the area must be above 0"},
        {"t\nA\n1e-5\n3\n10\n10\n0\nU\ny\n3\n", 10, "option must be 1 or 2"},
        {"t\nA\n1e-5\n3\n10\n10\n0\nU\ny\n2\n7\n", 11, "class must be 1 to 6"},
        {"t\nA\n1e-5\n3\n10\n10\n0\nU\ny\n2\n4\n0\n", 12, "wind speed must be above 0"},
        {"t\nA\n1e-5\n3\n10\n10\n0\nU\ny\n1\nn\ny\n0\n", 13, "no distance"},
        {"t\nA\n1e-5\n3\n10\n10\n0\nU\ny\n1\nn\ny\n100\n", 14, "ends before a distance"},
        {"t\nA\nnan\n", 3, "expected a number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.deck);
        try {
            plumo::ReadDeck(c.deck);
            ADD_FAILURE() << "accepted";
        } catch (const plumo::DeckError& e) {
            EXPECT_EQ(e.Line(), c.line) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.words), std::string::npos) << e.what();
        }
    }
}

TEST(PlumoDeck, FullMeteorologyReportsTheHighestOfEveryClassAndWind) {
    std::string deck = kStackDeck;
    plumo::Deck d =
        plumo::ReadDeck("t\nP\n1\n30\n2\n15\n400\n293\n0\nU\nn\nn\ny\n1\nn\ny\n0\n800\n0\nn\nn\n");
    EXPECT_EQ(d.metOption, 1);
    EXPECT_EQ(d.stabilityClass, 0);
    plumo::PointResult best = plumo::HighestPointConcentration(d, 800);
    for (const plumo::Weather& w : plumo::ScreeningWeather(0)) {
        double c = plumo::PointConcentration(d.stack, d.landUse, w, 800, 0, 0).concentration;
        EXPECT_LE(c, best.concentration);
    }
    EXPECT_GT(best.concentration, 0);
}

TEST(PlumoDeck, ListingHasDashesThenOneResultLinePerDistance) {
    plumo::Deck d = plumo::ReadDeck(
        "t\nP\n100\n30\n2\n15\n400\n293\n0\nR\nn\nn\ny\n2\n4\n5\nn\ny\n0\n1000\n0.5\n0\n");
    std::string listing = plumo::ModelReport(d);
    size_t dashes = listing.find("-----");
    ASSERT_NE(dashes, std::string::npos);
    EXPECT_EQ(listing.find("-----", listing.find('\n', dashes)), std::string::npos);
    std::string rest = listing.substr(listing.find('\n', dashes) + 1);
    // 100 g/s, rural D, 5 m/s at 10 m, x = 1 km: 6.214211e-05 g/m3 (plume_test.cpp); the
    // distance 0.5 m is taken as 1 m.
    EXPECT_EQ(rest.substr(0, rest.find('\n')).substr(0, 24), "    1000.0   6.21421E+01");
    EXPECT_EQ(rest.substr(rest.find('\n') + 1, 11), "       1.0 ");
    EXPECT_EQ(plumo::ErrorReport("bad").find("-----"), std::string::npos);
}

}  // namespace
