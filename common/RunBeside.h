#pragma once

#include "common/InHalves.h"

#include <cstddef>

// Runs `work` on a thread of its own while `meanwhile` runs on this one, and returns once
// both are done; where no thread can be had, runs `work` and then `meanwhile` here. An
// exception from either is rethrown once both are done, `meanwhile`'s first.
template <class Work, class Meanwhile> void RunBeside(Work&& work, Meanwhile&& meanwhile)
{
    // Two positions: 1, the work, is the half given a thread of its own; 0 stays here.
    InHalves(2, 2, [&](int, std::size_t from, std::size_t to) {
        if (to > 1)
            work();
        if (from == 0)
            meanwhile();
    });
}
