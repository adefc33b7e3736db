#include "ui/ScrollStep.h"

#include <gtest/gtest.h>

namespace {

using ui::NextScrollValue;
using ui::ScrollRequest;

const ui::ScrollRange kSeconds{0, 300, 5, 5};

TEST(NextScrollValue, ArrowsAndPagesMoveByTheirSteps) {
  EXPECT_EQ(NextScrollValue(30, ScrollRequest::LineForward, 0, kSeconds), 35);
  EXPECT_EQ(NextScrollValue(30, ScrollRequest::LineBack, 0, kSeconds), 25);
  EXPECT_EQ(NextScrollValue(30, ScrollRequest::PageForward, 0, {0, 300, 1, 10}), 40);
  EXPECT_EQ(NextScrollValue(30, ScrollRequest::PageBack, 0, {0, 300, 1, 10}), 20);
  EXPECT_EQ(NextScrollValue(30, ScrollRequest::None, 99, kSeconds), 30);
}

TEST(NextScrollValue, StaysWithinTheRange) {
  EXPECT_EQ(NextScrollValue(3, ScrollRequest::LineBack, 0, kSeconds), 0);
  EXPECT_EQ(NextScrollValue(298, ScrollRequest::PageForward, 0, kSeconds), 300);
  EXPECT_EQ(NextScrollValue(10, ScrollRequest::Thumb, 450, kSeconds), 300);
  EXPECT_EQ(NextScrollValue(10, ScrollRequest::Thumb, -4, kSeconds), 0);
  EXPECT_EQ(NextScrollValue(2147483647, ScrollRequest::LineForward, 0, {0, 2147483647, 5, 5}), 2147483647);
}

TEST(NextScrollValue, ThumbAndEndsJumpStraightThere) {
  EXPECT_EQ(NextScrollValue(10, ScrollRequest::Thumb, 123, kSeconds), 123);
  EXPECT_EQ(NextScrollValue(10, ScrollRequest::First, 0, kSeconds), 0);
  EXPECT_EQ(NextScrollValue(10, ScrollRequest::Last, 0, kSeconds), 300);
}

}  // namespace
