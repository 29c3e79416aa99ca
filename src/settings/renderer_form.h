#pragma once
// The renderer dialog "Select Renderer": the last step of adding a game, which
// asks for the renderer and three options and appends the new game row.

#include <array>
#include <cstdint>
#include <string>

#include "settings/settings_views.h"

namespace zent {

// The renderer type of a game is its position in this list.
inline constexpr std::array<const char*, 4> kRendererNames = {
    "Standard Renderer",
    "Standard Renderer (Capcom Hack)",
    "Old Gfx Renderer",
    "Old Gfx Renderer (Capcom Hack)",
};

inline constexpr const char* kRenderingOptionsTitle = "Redering Options";

// Z-Writing, Alpha-Tested Z-Writing, NTSC mode, in the order of the row's fields.
inline constexpr std::array<const char*, 3> kRenderingQuestions = {
    "Do you wish to enable Z-Writing for this game?",
    "Do you wish to enable Alpha-Tested Z-Writing for this game?",
    "Do you wish to enable NTSC mode for this game?",
};

struct NewGameRow {
    std::string name;
    std::int16_t driveKey = 0;
    int renderer = 0;
    std::array<bool, 3> options{};
};

// The games list row: name, drive key and renderer in decimal, then the three
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
