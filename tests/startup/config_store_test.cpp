#include <gtest/gtest.h>

#include "startup/config_store.h"

namespace zent {
namespace {

TEST(ConfigStoreTest, WritesTheSevenLinesOfTwoGames) {
    ExitKeyCode = std::string("27");
    HighPriority = true;
    CpuSpeed = 100;
    ShowFps = false;
    GameCount = 2;
    GameTable = {GameRecord{"SPACE RACE", "68", "1", "True", "False", "False"},
                 GameRecord{"ROAD FIGHT", "69", "0", "False", "False", "True"}};
    EXPECT_EQ(ComposeConfigText(),
              "27\r\n1\r\n 100 \r\n0\r\n 2 \r\nSPACE RACE|68|1|True|False|False\r\n"
              "ROAD FIGHT|69|0|False|False|True\r\n");
}

}  // namespace
}  // namespace zent
