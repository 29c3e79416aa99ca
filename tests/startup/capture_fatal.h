#pragma once
// Runs code that must end in the fatal error stop and hands back the error, so a
// test can check its number and what its description tells the user.

#include <gtest/gtest.h>

#include <optional>
#include <utility>

#include "startup/fatal_error.h"

namespace zent {

template <typename Action>
std::optional<FatalError> CaptureFatal(Action&& action) {
    try {
        std::forward<Action>(action)();
    } catch (const FatalError& error) {
        return error;
    }
    ADD_FAILURE() << "no FatalError was raised";
    return std::nullopt;
}

}  // namespace zent
