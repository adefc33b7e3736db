#include "ui/DefaultInstance.h"

#include <gtest/gtest.h>

namespace {

struct Counter {
  static inline int made = 0;
  int count = 10;
  Counter() { ++made; }
};

using Default = ui::DefaultInstance<Counter>;

TEST(DefaultInstance, MadeOnFirstUseAndSharedAfterwards) {
  Default::Drop(Default::Exists() ? Default::Get().get() : nullptr);
  const int before = Counter::made;
  EXPECT_FALSE(Default::Exists());
  auto first = Default::Get();
  first->count = 3;
  EXPECT_EQ(Default::Get(), first);
  EXPECT_EQ(Default::Get()->count, 3);
  EXPECT_EQ(Counter::made, before + 1);
  Default::Drop(first.get());
}

TEST(DefaultInstance, DroppingGivesAFreshObjectWhileTheRunningCallerKeepsItsOwn) {
  auto running = Default::Get();
  running->count = 0;
  Default::Drop(running.get());
  EXPECT_FALSE(Default::Exists());
  EXPECT_EQ(running->count, 0);
  auto fresh = Default::Get();
  EXPECT_NE(fresh, running);
  EXPECT_EQ(fresh->count, 10);
  Default::Drop(fresh.get());
}

TEST(DefaultInstance, AnOldObjectCannotDropItsSuccessor) {
  auto old = Default::Get();
  Default::Drop(old.get());
  auto current = Default::Get();
  Default::Drop(old.get());
  EXPECT_TRUE(Default::Exists());
  EXPECT_EQ(Default::Get(), current);
  Default::Drop(current.get());
}

}  // namespace
