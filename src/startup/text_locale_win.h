#pragma once

namespace zent {
// Takes the decimal separator and the case mapping of the user's system settings.
void UseSystemTextLocale();
}  // namespace zent
