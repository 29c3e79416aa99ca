#include "startup/file_system.h"

#include "startup/fatal_error.h"

namespace zent {

namespace {
FileSystem* g_files = nullptr;
std::string g_programFolder;
}  // namespace

FileSystem& ActiveFileSystem() {
    if (g_files == nullptr) {
        Fail(kInvalidArgument, "internal error: no file system was installed at start-up");
    }
    return *g_files;
}

void SetActiveFileSystem(FileSystem* files) {
    g_files = files;
}

const std::string& ProgramFolder() {
    return g_programFolder;
}

void SetProgramFolder(std::string folder) {
    g_programFolder = std::move(folder);
}

std::string ProgramFile(std::string_view name) {
    return g_programFolder + "\\" + std::string(name);
}

}  // namespace zent
