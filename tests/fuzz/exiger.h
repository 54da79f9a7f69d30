#pragma once
// What every fuzz target requires of its result: a failure stops the fuzzer with a crash it reports.
#include <cstdlib>
inline void exiger(bool condition)
{
    if (!condition)
        std::abort();
}
