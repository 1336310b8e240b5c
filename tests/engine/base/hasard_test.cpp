#include "engine/base/hasard.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

TEST(Hasard, MemeGraineMemeSuite)
{
    const auto tirer = [] {
        std::vector<double> suite;
        for (int i = 0; i < 20; ++i) suite.push_back(hasard(1000) + hasardReel());
        return suite;
    };
    semerHasard(42);
    const auto premiere = tirer();
    semerHasard(42);
    EXPECT_EQ(tirer(), premiere);
    semerHasard(43);
    EXPECT_NE(tirer(), premiere);
}

TEST(Hasard, DansLIntervalle)
{
    semerHasard(7);
    std::set<int> vus;
    for (int i = 0; i < 600; ++i) {
        const int n = hasard(6);
        ASSERT_GE(n, 0);
        ASSERT_LT(n, 6);
        vus.insert(n);
        const double r = hasardReel();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
    EXPECT_EQ(vus.size(), 6u);
    for (const int n : {1, 0, -5}) EXPECT_EQ(hasard(n), 0) << n;
}

}  // namespace
