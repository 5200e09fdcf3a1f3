#pragma once
// A property every input must keep: a broken one stops the target, so that libFuzzer
// keeps the input that broke it.
#include <cstdlib>

inline void Check(bool condition) {
    if (!condition)
        std::abort();
}
