#include "settings/pending_game.h"

namespace zent {

PendingAddition Pending;

}  // namespace zent
