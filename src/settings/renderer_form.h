#pragma once
// The renderer dialog "Select Renderer": the last step of adding a game, which
// asks for the renderer and three options and appends the new game row.

#include <array>
#include <cstdint>
#include <iterator>
#include <string>

#include "settings/settings_views.h"
#include "startup/config_store.h"

namespace zent {

// The renderer type of a game is its position in this list.
inline constexpr std::array<const char*, 4> kRendererNames = {
    "Standard Renderer",
    "Standard Renderer (Capcom Hack)",
    "Old Gfx Renderer",
    "Old Gfx Renderer (Capcom Hack)",
};

inline constexpr const char* kRenderingOptionsTitle = "Redering Options";

// One question per yes/no option of a game, in the order of its fields.
inline constexpr const char* kRenderingQuestions[] = {
    "Do you wish to enable Z-Writing for this game?",
    "Do you wish to enable Alpha-Tested Z-Writing for this game?",
    "Do you wish to enable NTSC mode for this game?",
};
static_assert(std::size(kRenderingQuestions) == kGameOptionCount,
              "one question for each yes/no field of a game");

struct NewGameRow {
    std::string name;
    std::int16_t driveKey = 0;
    int renderer = 0;
    std::array<bool, kGameOptionCount> options{};
};

// The games list row: name, drive key and renderer in decimal, then the
// options as "True" or "False", joined by "|".
std::string ComposeGameRow(const NewGameRow& game);

class RendererForm {
public:
    RendererForm(RendererView& view, SettingsWindows& windows) : view_(view), windows_(windows) {}

    void Form_Load();
    void cmdOk_Click();

private:
    RendererView& view_;
    SettingsWindows& windows_;
};

}  // namespace zent
