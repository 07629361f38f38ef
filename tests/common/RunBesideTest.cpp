#include "common/RunBeside.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <thread>

// The work runs on a thread of its own and the rest here; both are done on return, and a
// failure of either reaches the caller only then.
TEST(RunBeside, BothAreDoneBeforeEitherFailureIsPassedOn)
{
    struct Row {
        const char* name;
        bool workThrows;
        bool meanwhileThrows;
        const char* rethrown; // nullptr: none
    };
    const Row rows[] = {
        {"NeitherFails", false, false, nullptr},
        {"WorkFails", true, false, "work"},
        {"MeanwhileFails", false, true, "meanwhile"},
        {"BothFail", true, true, "meanwhile"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::thread::id workOn, meanwhileOn;
        bool workDone = false;
        bool workDoneBeforeReturn = false;
        std::string rethrown;
        try {
            RunBeside(
                [&] {
                    workOn = std::this_thread::get_id();
                    workDone = true;
                    if (row.workThrows)
                        throw std::runtime_error("work");
                },
                [&] {
                    meanwhileOn = std::this_thread::get_id();
                    if (row.meanwhileThrows)
                        throw std::runtime_error("meanwhile");
                });
            workDoneBeforeReturn = workDone;
        } catch (const std::runtime_error& error) {
            workDoneBeforeReturn = workDone;
            rethrown = error.what();
        }
        EXPECT_TRUE(workDoneBeforeReturn);
        EXPECT_EQ(rethrown, row.rethrown ? row.rethrown : "");
        EXPECT_EQ(meanwhileOn, std::this_thread::get_id());
        EXPECT_NE(workOn, std::this_thread::get_id());
    }
}
