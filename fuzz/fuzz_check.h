#pragma once
// What every fuzz target holds the core to: malformed input ends in a FatalError
// with a description (its number is an ErrorNumber, which always has its
// wording); anything else is a finding.

#include <cstdio>
#include <cstdlib>

#include "startup/fatal_error.h"

namespace zent {

// Ends the run the way a crash would, so the fuzzer keeps the input.
[[noreturn]] inline void FuzzFinding(const char* what) {
    std::fprintf(stderr, "fuzz finding: %s\n", what);
    std::abort();
}

inline void CheckFatalError(const FatalError& error) {
    if (error.description().empty()) {
        FuzzFinding("a FatalError without a description");
    }
}

}  // namespace zent
