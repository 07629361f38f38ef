#pragma once

#include <QCoreApplication>
#include <chrono>
#include <future>

// Runs `work` on another thread while this one keeps handling events, so a blocking
// client and the server that answers it can live in one test process.
template <class Work> auto RunWhileProcessingEvents(Work work)
{
    auto result = std::async(std::launch::async, std::move(work));
    while (result.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
        QCoreApplication::processEvents();
    return result.get();
}
