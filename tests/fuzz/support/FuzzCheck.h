#pragma once
// Invariants of the fuzz targets. A broken one is a finding: it names the
// invariant and the failed check, then aborts so libFuzzer keeps the input.

#include <cstdio>
#include <cstdlib>

namespace q716::fuzz {

[[noreturn]] inline void invariantBroken(const char* invariant, const char* check, const char* file,
                                         int line) {
    std::fprintf(stderr, "broken invariant: %s\n  check: %s\n  at %s:%d\n", invariant, check, file,
                 line);
    std::abort();
}

} // namespace q716::fuzz

#define Q716_FUZZ_CHECK(condition, invariant)                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            ::q716::fuzz::invariantBroken(invariant, #condition, __FILE__, __LINE__);              \
    } while (false)
