#include "settings/pending_game.h"

namespace zent {

std::string NewGameName;
DriveKeyValue NewGameDriveKey;
int NewGameRenderer = 0;
bool ExitKeyCapture = false;

}  // namespace zent
