#pragma once

// Stops the fuzzer at a broken property: the trap is reported as a crash with its input.
inline void require(bool condition) {
    if (!condition)
        __builtin_trap();
}
