#include "conversion_control/keyboard_pointer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Key = PointerKey;

struct KeysCase
{
    const char *name;
    std::vector<Key> keys;
    double step;
    float expectedX, expectedY;
};

class KeyboardPointerKeys : public testing::TestWithParam<KeysCase>
{};

// An interior of 290 x 312 pixels: the centre is (145, 156), the last
// pixels are at 289 and 311.
TEST_P(KeyboardPointerKeys, MoveFromTheCentreAndStayInside)
{
    const KeysCase &c = GetParam();
    KeyboardPointer pointer;
    PointerPlace place;
    for (Key key : c.keys) {
        place = pointer.Move(key, c.step, 290, 312);
    }
    EXPECT_TRUE(pointer.Active());
    EXPECT_FLOAT_EQ(place.X, c.expectedX);
    EXPECT_FLOAT_EQ(place.Y, c.expectedY);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyboardPointerKeys,
    testing::Values(
        KeysCase{"oneRight", {Key::Right}, 1, 146, 156},
        KeysCase{"upIsTowardsTheTop", {Key::Up, Key::Up}, 1, 145, 154},
        KeysCase{"leftAndDown", {Key::Left, Key::Down, Key::Down}, 1, 144, 158},
        KeysCase{"gridSteps", {Key::Right, Key::Right, Key::Up}, 19.25, 183.5, 136.75},
        KeysCase{"homeReturnsToTheCentre", {Key::Right, Key::Down, Key::Home}, 1, 145, 156},
        KeysCase{"homeAlone", {Key::Home}, 1, 145, 156},
        KeysCase{"stopsAtTheRightEdge", std::vector<Key>(20, Key::Right), 19.25, 289, 156},
        KeysCase{"stopsAtTheTop", std::vector<Key>(20, Key::Up), 19.25, 145, 0},
        KeysCase{"backFromTheEdgeAtOnce",
                 {Key::Left, Key::Left, Key::Left, Key::Left, Key::Left, Key::Left, Key::Left,
                  Key::Left, Key::Right},
                 19.25,
                 19.25,
                 156}),
    [](const testing::TestParamInfo<KeysCase> &info) { return info.param.name; });

TEST(KeyboardPointer, StartsInactiveAndEnds)
{
    KeyboardPointer pointer;
    EXPECT_FALSE(pointer.Active());
    (void)pointer.Move(Key::Left, 1, 100, 100);
    pointer.End();
    EXPECT_FALSE(pointer.Active());
    // Reset goes back to the centre.
    (void)pointer.Move(Key::Left, 5, 100, 100);
    pointer.Reset();
    EXPECT_FALSE(pointer.Active());
    EXPECT_FLOAT_EQ(pointer.Place(100, 100).X, 50);
    // Escape ends it where it was.
    (void)pointer.Move(Key::Right, 5, 100, 100);
    EXPECT_FLOAT_EQ(pointer.Move(Key::Escape, 5, 100, 100).X, 55);
    EXPECT_FALSE(pointer.Active());
}

TEST(KeyboardPointer, KeepsItsPlaceFromTheCentreWhenTheDiagramResizes)
{
    KeyboardPointer pointer;
    (void)pointer.Move(Key::Right, 10, 200, 100);
    EXPECT_FLOAT_EQ(pointer.Place(400, 300).X, 210);
    EXPECT_FLOAT_EQ(pointer.Place(400, 300).Y, 150);
    // A diagram too small for the offset holds it at its edge.
    EXPECT_FLOAT_EQ(pointer.Place(16, 16).X, 15);
    // And one with no interior at its only place.
    EXPECT_FLOAT_EQ(pointer.Place(0, 0).X, 0);
    EXPECT_FLOAT_EQ(pointer.Place(0, 0).Y, 0);
}

} // namespace
