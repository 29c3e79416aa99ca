#pragma once
// Resource identifiers shared by app.rc and the code (plain #defines: the
// resource compiler reads this file too).

// The multi-size application icon of the Settings window and the launch form.
#define ZENT_APP_ICON 1
