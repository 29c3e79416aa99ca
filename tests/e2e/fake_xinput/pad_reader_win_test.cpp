#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "pads/pad_reader_win.h"

// Run by fake_pad.sh, with the stand-in xinput1_4.dll in the prefix's system
// folder and its build copy beside this program. Its readings are shown end to
// end, by the launch that Back and Start end.

namespace zent::testing {
namespace {

std::wstring ModulePath(HMODULE module) {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(module, path.data(), MAX_PATH));
    return path;
}

TEST(WindowsPadReaderTest, LoadsXInputFromTheSystemFolderNotTheProgramsOwn) {
    const std::wstring program = ModulePath(nullptr);
    const std::wstring besideProgram = program.substr(0, program.rfind(L'\\')) + L"\\xinput1_4.dll";
    ASSERT_NE(GetFileAttributesW(besideProgram.c_str()), INVALID_FILE_ATTRIBUTES);
    WindowsPadReader().XInputButtons(0);
    std::wstring system(MAX_PATH, L'\0');
    system.resize(GetSystemDirectoryW(system.data(), MAX_PATH));
    EXPECT_EQ(ModulePath(GetModuleHandleW(L"xinput1_4.dll")), system + L"\\xinput1_4.dll");
}

}  // namespace
}  // namespace zent::testing
