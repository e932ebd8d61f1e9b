#include "runtime/fatal_error.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

void PrintAndAbort(const char* text) {
  std::fprintf(stderr, "fatal: %s\n", text);
  std::fflush(stderr);
  std::_Exit(3);
}

TEST(FatalErrorTest, OneBasedAccessReachesEveryElement) {
  std::vector<int> items{10, 20, 30};
  EXPECT_EQ(rt::At1(items, 1), 10);
  EXPECT_EQ(rt::At1(items, 3), 30);
  rt::At1(items, 2) = 25;
  EXPECT_EQ(items[1], 25);
}

TEST(FatalErrorDeathTest, IndexOutsideItsListIsAFatalReport) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  std::vector<int> items{1, 2};
  for (std::size_t bad : {std::size_t{0}, std::size_t{3}}) {
    EXPECT_EXIT(
        {
          rt::SetFatalErrorHandler(PrintAndAbort);
          rt::At1(items, bad, "items");
        },
        testing::ExitedWithCode(3), "items");
  }
}

}  // namespace
