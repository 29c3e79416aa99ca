// zent_read_box [longest wait in ms]
// Waits for the launcher's "Zentavio Wrapper" error box, prints its text and
// dismisses it. Exits with 1 when no box came.

#include <cstdio>
#include <cstdlib>

#include "e2e_support_win.h"

int main(int argc, char** argv) {
    const int longest = argc > 1 ? std::atoi(argv[1]) : 10000;
    const auto text = zent::ReadAndDismissBox(0, longest);
    if (!text) {
        std::printf("no \"Zentavio Wrapper\" box within %d ms\n", longest);
        return 1;
    }
    std::printf("%s\n", text->c_str());
    return 0;
}
