#include <gtest/gtest.h>

#include <string>

#include "startup/capture_fatal.h"
#include "startup/command_line.h"

namespace zent {
namespace {

// How Windows hands over the program's own path: quoted when started from
// Explorer or a shortcut, bare when typed at a prompt.
const char* const kProgramPaths[] = {
    "\"C:\\Program Files\\Zent\\ZentavioWrapper.exe\"",
    "C:\\Zent\\ZentavioWrapper.exe",
    "ZentavioWrapper",
};

TEST(ArgumentTextTest, NoArgumentGivesTheEmptyText) {
    for (const std::string program : kProgramPaths) {
        EXPECT_EQ(ArgumentText(program), "") << program;
        EXPECT_EQ(ArgumentText(program + "   \t "), "") << program;
    }
    EXPECT_EQ(ArgumentText(""), "");
}

TEST(ArgumentTextTest, DropsTheProgramPathAndTheBlanksAfterItOnly) {
    for (const std::string program : kProgramPaths) {
        EXPECT_EQ(ArgumentText(program + " D:\\Images\\Space Race.img"),
                  "D:\\Images\\Space Race.img")
            << program;
        EXPECT_EQ(ArgumentText(program + " \t  \"D:\\Images\\Space Race.img\"  "),
                  "\"D:\\Images\\Space Race.img\"  ")
            << program;
    }
}

TEST(ArgumentTextTest, QuotedProgramPathNeedsNoBlankBeforeTheArgument) {
    EXPECT_EQ(ArgumentText("\"C:\\Zent\\ZentavioWrapper.exe\"D:\\Images\\Space Race.img"),
              "D:\\Images\\Space Race.img");
}

TEST(ArgumentTextTest, UnclosedQuotedProgramPathLeavesNoArgument) {
    EXPECT_EQ(ArgumentText("\"C:\\Zent\\ZentavioWrapper.exe D:\\Images\\Space Race.img"), "");
}

struct GameNameCase {
    const char* argument;
    const char* gameName;
};

void PrintTo(const GameNameCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(std::string(c.argument)) << " names "
         << ::testing::PrintToString(std::string(c.gameName));
}

class GameNameFromCommandLineTest : public ::testing::TestWithParam<GameNameCase> {};

// Every case goes through the whole way from the raw command line, with each kind
// of program path in front.
TEST_P(GameNameFromCommandLineTest, DerivesTheKeyName) {
    for (const std::string program : kProgramPaths) {
        const std::string argument = ArgumentText(program + " " + GetParam().argument);
        EXPECT_EQ(DeriveGameName(argument), GetParam().gameName) << program;
    }
}

INSTANTIATE_TEST_SUITE_P(
    ArgumentTable, GameNameFromCommandLineTest,
    ::testing::Values(GameNameCase{"D:\\Images\\Space Race.img", "Space Race"},
                      GameNameCase{"\"D:\\Images\\Space Race.img\"", "Space Race"},
                      GameNameCase{"\"Space Race.img\"", "\"Space Race"},
                      GameNameCase{"D:\\my.games\\set.2\\Space Race.img", "Space Race"},
                      GameNameCase{"Space.Race.img", "Space"},
                      GameNameCase{"D:\\Images\\Space Race", "Space Race"},
                      GameNameCase{"D:\\Images\\Space Race.img   ", "Space Race"},
                      GameNameCase{"D:\\Images\\Space Race .img", "Space Race"},
                      GameNameCase{"D:\\Images\\Space Race.img -x", "Space Race"},
                      GameNameCase{"D:\\Images\\Space Race.img E:\\Other\\Disc", "Disc"},
                      GameNameCase{"D:/Images/Space Race.img", "D:/Images/Space Race"},
                      GameNameCase{"D:\\Images\\sPaCe rAcE.img", "sPaCe rAcE"},
                      GameNameCase{"D:\\Images\\\tSpace Race\t.img", "\tSpace Race\t"},
                      GameNameCase{"D:\\Images\\   Space Race", "Space Race"},
                      GameNameCase{"D:\\Images\\.img", ""}));

TEST(DeriveGameNameTest, PathEndingInAFolderIsFatalAndQuotesTheArgument) {
    for (const char* argument : {"D:\\Images\\", "D:\\Images\\   ", "\\"}) {
        const auto error = CaptureFatal([&] { DeriveGameName(argument); });
        ASSERT_TRUE(error) << argument;
        EXPECT_EQ(error->number(), kSubscriptOutOfRange) << argument;
        EXPECT_NE(error->description().find(Quoted(argument)), std::string::npos)
            << error->description();
    }
}

}  // namespace
}  // namespace zent
