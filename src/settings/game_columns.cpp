#include "settings/game_columns.h"

#include <vector>

#include "settings/key_names.h"
#include "settings/renderer_form.h"
#include "startup/config_store.h"
#include "startup/fatal_error.h"
#include "startup/text_conversions.h"

namespace zent {

namespace {

std::string DriveText(const std::string& field) {
    if (!IsKeyCodeText(field)) {
        return field;
    }
    const std::string name = KeyName(std::stoi(field));
    return name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z' ? name + ":" : name;
}

std::string RendererText(const std::string& field) {
    const int position = RendererPosition(field);
    return position < 0 ? field : kRendererNames[static_cast<std::size_t>(position)];
}

bool IsOn(const std::string& field) {
    try {
        return WholeBoolean(field);
    } catch (const FatalError&) {
        return false;
    }
}

}  // namespace

int RendererPosition(const std::string& field) {
    const bool listed = field.size() == 1 && field[0] >= '0' &&
                        field[0] < '0' + static_cast<int>(kRendererNames.size());
    return listed ? field[0] - '0' : -1;
}

GameColumnTexts GameColumns(const std::string& row) {
    std::vector<std::string> fields = Split(row, '|');
    fields.resize(kGameFieldCount);
    GameColumnTexts columns{fields[kGameName], DriveText(fields[kGameDriveKey]),
                            RendererText(fields[kGameRendererType]), ""};
    for (std::size_t option = kGameZWriting; option < kGameFieldCount; ++option) {
        if (IsOn(fields[option])) {
            columns[kOptionsColumn] += (columns[kOptionsColumn].empty() ? "" : ", ");
            columns[kOptionsColumn] += kGameFieldNames[option];
        }
    }
    return columns;
}

}  // namespace zent
