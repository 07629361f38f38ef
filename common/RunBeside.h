#pragma once

#include <exception>
#include <system_error>
#include <thread>

// Runs `work` on a thread of its own while `meanwhile` runs on this one, and returns once
// both are done; where no thread can be had, runs `work` and then `meanwhile` here. An
// exception from either is rethrown once both are done, `meanwhile`'s first.
template <class Work, class Meanwhile> void RunBeside(Work&& work, Meanwhile&& meanwhile)
{
    std::exception_ptr workFailed;
    std::thread beside;
    try {
        beside = std::thread([&] {
            try {
                work();
            } catch (...) {
                workFailed = std::current_exception();
            }
        });
    } catch (const std::system_error&) {
        work();
    }
    try {
        meanwhile();
    } catch (...) {
        if (beside.joinable())
            beside.join();
        throw;
    }
    if (beside.joinable())
        beside.join();
    if (workFailed)
        std::rethrow_exception(workFailed);
}
