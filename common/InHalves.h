#pragma once

#include <cstddef>
#include <exception>
#include <system_error>
#include <thread>

// Runs `work(half, from, to)` over the positions [0, count): for a count of at least
// `splitFrom`, in two halves at once (half 0 here, half 1 on a thread of its own), else,
// or when no thread can be had, as half 0 over them all. Returns once both halves are
// done; an exception from either is rethrown then, the first half's before the second's.
template <class Work> void InHalves(std::size_t count, std::size_t splitFrom, Work&& work)
{
    const std::size_t middle = count / 2;
    std::exception_ptr secondFailed;
    std::thread second;
    if (count >= splitFrom) {
        try {
            second = std::thread([&] {
                try {
                    work(1, middle, count);
                } catch (...) {
                    secondFailed = std::current_exception();
                }
            });
        } catch (const std::system_error&) {
            // No thread to be had: this one does both halves.
        }
    }
    if (!second.joinable()) {
        work(0, std::size_t{0}, count);
        return;
    }
    try {
        work(0, std::size_t{0}, middle);
    } catch (...) {
        second.join();
        throw;
    }
    second.join();
    if (secondFailed)
        std::rethrow_exception(secondFailed);
}
