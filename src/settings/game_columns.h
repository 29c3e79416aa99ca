#pragma once
// The columns the games list draws a game row in: what a player reads of the
// row's fields. The row itself stays the list's item, as the file holds it.

#include <array>
#include <cstddef>
#include <string>

namespace zent {

enum GameColumn : std::size_t { kNameColumn, kDriveColumn, kRendererColumn, kOptionsColumn };

inline constexpr std::array<const char*, 4> kGameColumnTitles = {"Name", "Drive", "Renderer",
                                                                 "Options"};

using GameColumnTexts = std::array<std::string, kGameColumnTitles.size()>;

// The name as held; the drive key's letter ("D:") or key name ("F5"); the
// renderer as the renderer dialog lists it; the names of the options that are
// on, joined by ", ". A drive or renderer field that holds no such value
// shows as held.
GameColumnTexts GameColumns(const std::string& row);

// The renderer type's position in the renderer dialog's list, -1 for a field
// that holds none.
int RendererPosition(const std::string& field);

}  // namespace zent
