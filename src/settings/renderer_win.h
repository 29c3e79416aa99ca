#pragma once
// The renderer dialog "Select Renderer" as a window.

#include <windows.h>

namespace zent {

// Loads the dialog (its Form_Load runs) or brings the open one to the front.
void ShowRendererWindow();
void UnloadRendererWindow();
// The dialog, as owner of its questions; null when it is not open.
HWND RendererWindowHandle();

}  // namespace zent
