#pragma once
// The key capture dialog "Press Any Key" as a window.

namespace zent {

// Loads the dialog (its Form_Load runs) or brings the open one to the front.
void ShowKeyBoxWindow();
void UnloadKeyBoxWindow();

}  // namespace zent
