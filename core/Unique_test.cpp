#include "core/Unique.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

// Handles are numbers here; each close is noted.
std::vector<int> closed;

struct ZeroIsEmpty {
  using Type = int;
  static constexpr Type Empty() { return 0; }
  static void Close(Type handle) { closed.push_back(handle); }
};
// As INVALID_HANDLE_VALUE is: the empty value is not zero, and zero is a handle.
struct MinusOneIsEmpty {
  using Type = int;
  static constexpr Type Empty() { return -1; }
  static void Close(Type handle) { closed.push_back(handle); }
};

class UniqueTest : public testing::Test {
 protected:
  void SetUp() override { closed.clear(); }
};

TEST_F(UniqueTest, ClosesWhatItHoldsOnceWhenItGoes) {
  {
    const core::Unique<ZeroIsEmpty> owned(7);
    EXPECT_TRUE(owned);
    EXPECT_EQ(owned.get(), 7);
  }
  { const core::Unique<ZeroIsEmpty> empty; }
  EXPECT_THAT(closed, ElementsAre(7));
}

TEST_F(UniqueTest, AMoveHandsTheHandleOnAndTheOneMovedFromClosesNothing) {
  core::Unique<ZeroIsEmpty> first(3);
  core::Unique<ZeroIsEmpty> second(std::move(first));
  EXPECT_FALSE(first);  // NOLINT(bugprone-use-after-move): moved from is empty
  EXPECT_EQ(second.get(), 3);
  core::Unique<ZeroIsEmpty> third(5);
  third = std::move(second);
  EXPECT_THAT(closed, ElementsAre(5)) << "the handle moved over goes first";
  third = std::move(third);
  EXPECT_EQ(third.get(), 3) << "moved onto itself, it keeps its handle";
  EXPECT_THAT(closed, ElementsAre(5));
}

TEST_F(UniqueTest, ResetClosesTheOldAndReleaseClosesNothing) {
  core::Unique<ZeroIsEmpty> owned(1);
  owned.reset(2);
  EXPECT_THAT(closed, ElementsAre(1));
  EXPECT_EQ(owned.get(), 2);
  owned.reset(4);
  closed.clear();
  EXPECT_EQ(owned.release(), 4);
  EXPECT_FALSE(owned);
  owned.reset();
  EXPECT_THAT(closed, IsEmpty());
}

TEST_F(UniqueTest, PutClosesWhatIsHeldAndTakesTheNewHandle) {
  core::Unique<ZeroIsEmpty> owned(6);
  *owned.put() = 8;  // as a call that writes a handle through a pointer
  EXPECT_THAT(closed, ElementsAre(6));
  EXPECT_EQ(owned.get(), 8);
}

TEST_F(UniqueTest, MinusOneIsEmptyWhereTheHandleSaysSoAndZeroIsAHandleThere) {
  {
    core::Unique<MinusOneIsEmpty> none;
    EXPECT_FALSE(none);
    EXPECT_EQ(none.get(), -1);
    core::Unique<MinusOneIsEmpty> zero(0);
    EXPECT_TRUE(zero);
    none = std::move(zero);
    EXPECT_EQ(zero.release(), -1);  // NOLINT(bugprone-use-after-move)
  }
  EXPECT_THAT(closed, ElementsAre(0));
}

TEST_F(UniqueTest, ScopeExitRunsOnceAtTheEndUnlessDismissed) {
  int ran = 0;
  {
    const core::ScopeExit withdraw([&ran] { ++ran; });
  }
  {
    core::ScopeExit kept([&ran] { ++ran; });
    kept.Dismiss();
  }
  try {
    const core::ScopeExit onError([&ran] { ++ran; });
    throw 1;
  } catch (int) {
  }
  EXPECT_EQ(ran, 2);
}

}  // namespace
