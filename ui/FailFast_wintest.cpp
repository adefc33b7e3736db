#include "ui/FailFast.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <exception>

namespace {

TEST(EndAtOnceOnTerminate, AnUncaughtExceptionEndsTheProcessAsAFailFast) {
  EXPECT_EXIT(
      {
        ui::EndAtOnceOnTerminate();
        std::terminate();
      },
      testing::ExitedWithCode(static_cast<int>(0xC0000602)), "");
}

}  // namespace
