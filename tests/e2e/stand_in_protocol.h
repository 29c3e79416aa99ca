#pragma once
// What the stand-in emulator and the tests that read it agree on.

namespace zent {

// The stand-in's window class, and its log beside its program file.
inline constexpr wchar_t kStandInClass[] = L"ZentavioStandIn";
inline constexpr wchar_t kStandInLogName[] = L"zentavio_standin.log";

// Posted to the stand-in's window (registered message): it looks through a
// small hole in itself at what lies below and logs "backdrop-pixel <rrggbb>".
inline constexpr wchar_t kCheckBackdropMessage[] = L"ZentavioStandInCheckBackdrop";

}  // namespace zent
