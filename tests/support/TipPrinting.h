#pragma once

#include "common/Tip.h"

#include <gtest/gtest.h>
#include <ostream>

// Lets failing expectations show Tips as text rather than raw object bytes.
inline void PrintTo(const Tip& tip, std::ostream* os)
{
    *os << "{date=" << ::testing::PrintToString(tip.date)
        << ", category=" << ::testing::PrintToString(tip.category)
        << ", text=" << ::testing::PrintToString(tip.text) << "}";
}
