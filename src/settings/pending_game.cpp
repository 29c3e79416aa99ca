#include "settings/pending_game.h"

#include "settings/settings_views.h"
#include "startup/fatal_error.h"
#include "startup/text_conversions.h"

namespace zent {

PendingAddition Pending;

std::set<std::string> ListedNames(const SettingsView& view) {
    std::set<std::string> names;
    const int rows = view.GameRowCount();
    for (int i = 0; i < rows; ++i) {
        const std::string row = view.GameRow(i);
        names.insert(UpperCase(row.substr(0, row.find('|'))));
    }
    return names;
}

std::string AlreadyListed(const std::string& path, const std::string& name) {
    return path + ": the game " + Quoted(name) +
           " is in the list already. To change its settings, select it and press Edit Game.";
}

std::string SkippedNotice(const std::vector<std::string>& skipped) {
    std::string notice = skipped.size() == 1
                             ? "One image was not added:\n"
                             : std::to_string(skipped.size()) + " images were not added:\n";
    for (const std::string& why : skipped) {
        notice += "\n" + why;
    }
    return notice;
}

}  // namespace zent
