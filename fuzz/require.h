#pragma once

// A promise of the code under test that the input broke: stop, so the fuzzer keeps the
// input as a crash.
inline void require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}
