#include <gtest/gtest.h>

#include <algorithm>

#include "settings/game_columns.h"
#include "settings/settings_layout.h"

namespace zent::testing {
namespace {

struct ColumnsCase {
    const char* row;
    GameColumnTexts shown;
};

class GameColumnsTest : public ::testing::TestWithParam<ColumnsCase> {};

TEST_P(GameColumnsTest, ShowTheDriveLetterTheRendererNameAndTheOptionsOn) {
    EXPECT_EQ(GameColumns(GetParam().row), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, GameColumnsTest,
    ::testing::Values(ColumnsCase{"SPACE RACE|68|1|True|False|False",
                                  {"SPACE RACE", "D:", "Standard Renderer (Capcom Hack)",
                                   "Z-Writing"}},
                      ColumnsCase{"X|116|3|TRUE|-1|True",
                                  {"X", "F5", "Old Gfx Renderer (Capcom Hack)",
                                   "Z-Writing, Alpha-Tested Z-Writing, NTSC mode"}},
                      ColumnsCase{"|101|2|False|0|False", {"", "Num 5", "Old Gfx Renderer", ""}},
                      ColumnsCase{"ODD|abc|7|maybe", {"ODD", "abc", "7", ""}}));

// Every control within the client area and clear of every other, at 96 and 144 DPI.
class LayoutTest : public ::testing::TestWithParam<int> {};

TEST_P(LayoutTest, ControlsFitTheWindowAndDoNotOverlap) {
    const int dpi = GetParam();
    for (const FormLayout* form : {&SettingsLayout(), &KeyBoxLayout(), &RendererLayout()}) {
        const auto px = [&](int twips) { return TwipsToPixels(twips, dpi); };
        const auto& controls = form->controls;
        for (auto a = controls.begin(); a != controls.end(); ++a) {
            EXPECT_TRUE(a->left >= 0 && a->top >= 0 &&
                        px(a->left + a->width) <= px(form->clientWidth) &&
                        px(a->top + a->height) <= px(form->clientHeight))
                << a->id;
            for (auto b = a + 1; b != controls.end(); ++b) {
                const bool apart = px(a->left) + px(a->width) <= px(b->left) ||
                                   px(b->left) + px(b->width) <= px(a->left) ||
                                   px(a->top) + px(a->height) <= px(b->top) ||
                                   px(b->top) + px(b->height) <= px(a->top);
                EXPECT_TRUE(apart) << a->id << " overlaps " << b->id;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Dpis, LayoutTest, ::testing::Values(96, 144));

}  // namespace
}  // namespace zent::testing
