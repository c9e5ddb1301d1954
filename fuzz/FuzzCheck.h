// Stops a fuzz run with a readable reason when a property of the code under test does not hold.
#pragma once

#include <cstdio>
#include <cstdlib>

// Aborts so that libFuzzer (or the replay test) records the input that broke `what`.
inline void fuzzRequire(bool holds, const char* what) {
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}
