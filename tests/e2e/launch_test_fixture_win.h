#pragma once
// A fresh emulator folder per test, with the configuration files a launch
// reads and the checks every launch test shares.

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "e2e_support_win.h"
#include "fnv1a.h"
#include "game_rows.h"
#include "launch_folder_win.h"
#include "text_expectations.h"

namespace zent {

inline constexpr char kArgument[] = "\"D:\\Images\\Space Race.img\"";
inline constexpr char kSavedConfig[] = "[video]\r\nrenderer=saved\r\nframe-skip=0\r\n";
inline constexpr char kStaleConfig[] = "[video]\r\nrenderer=left over from the last game\r\n";
// A game before the one launched, so that a lookup that takes the wrong row shows.
inline const std::string kOtherGame =
    testing::GameRow({.name = "ROAD FIGHT",
                      .driveKey = "82",
                      .renderer = "3",
                      .on = {kGameZWriting, kGameAlphaZWriting, kGameNtscMode}});

inline constexpr int kStartTimeoutMs = 20000;
inline constexpr int kExitTimeoutMs = 10000;

class LaunchTest : public ::testing::Test {
protected:
    void TearDown() override {
        if (HasFailure()) {
            std::printf("stand-in log:\n");
            for (const auto& line : folder_->LogLines()) {
                std::printf("%s\n", line.c_str());
            }
        }
    }

    void WriteConfig(const std::string& config) const {
        folder_->Write("zentconfig.ini", config);
        folder_->Write("tempavio.cfg", kSavedConfig);
        folder_->Write("zentavio.cfg", kStaleConfig);
    }

    bool LogHas(const std::string& line) const {
        for (const auto& logged : folder_->LogLines()) {
            if (logged == line) {
                return true;
            }
        }
        return false;
    }

    // Nothing was started and the emulator's configuration was left alone.
    void ExpectNothingStarted() const {
        EXPECT_EQ(folder_->LogLines(), std::vector<std::string>());
        EXPECT_EQ(folder_->Read("zentavio.cfg"), kStaleConfig);
        EXPECT_EQ(folder_->Read("tempavio.cfg"), kSavedConfig);
    }

    std::unique_ptr<LaunchFolder> folder_ = std::make_unique<LaunchFolder>();
};

}  // namespace zent
