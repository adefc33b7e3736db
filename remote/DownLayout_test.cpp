#include "remote/DownLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

using remote::ControlKind;
using remote::kDownControls;

const remote::ControlSpec* Find(int id) {
  const auto found =
      std::find_if(kDownControls.begin(), kDownControls.end(), [id](const auto& c) { return c.id == id; });
  return found == kDownControls.end() ? nullptr : &*found;
}

TEST(DownLayout, EveryControlLiesInsideItsFrameOrTheClientArea) {
  for (const auto& control : kDownControls) {
    SCOPED_TRACE(control.id);
    int width = remote::kClientWidth;
    int height = remote::kClientHeight;
    if (control.container != 0) {
      const auto* frame = Find(control.container);
      ASSERT_NE(frame, nullptr);
      ASSERT_EQ(frame->kind, ControlKind::Frame);
      width = frame->place.width;
      height = frame->place.height;
    }
    EXPECT_GE(control.place.left, 0);
    EXPECT_GE(control.place.top, 0);
    EXPECT_LE(control.place.left + control.place.width, width);
    EXPECT_LE(control.place.top + control.place.height, height);
  }
}

TEST(DownLayout, IdentifiersAreUniqueAndAFrameComesRightBeforeWhatItHolds) {
  std::set<int> ids;
  int currentFrame = 0;
  for (const auto& control : kDownControls) {
    EXPECT_TRUE(ids.insert(control.id).second) << control.id;
    if (control.kind == ControlKind::Frame) currentFrame = control.id;
    // Tab order runs through a frame's contents straight after the frame.
    if (control.container != 0) {
      EXPECT_EQ(control.container, currentFrame) << control.id;
    }
  }
}

TEST(OnClientArea, AddsTheFrameOffset) {
  const auto txtMsg = remote::OnClientArea(*Find(remote::kTxtMsg));
  EXPECT_EQ(txtMsg.left, 150 + 1200);
  EXPECT_EQ(txtMsg.top, 600 + 375);
  const auto chkBoot = remote::OnClientArea(*Find(remote::kChkBoot));
  EXPECT_EQ(chkBoot.left, 150 + 300);
  EXPECT_EQ(chkBoot.top, 2025 + 675);
  const auto exec = remote::OnClientArea(*Find(remote::kCmdExec));
  EXPECT_EQ(exec.left, 3525);
  EXPECT_EQ(exec.width, 1300);
}

}  // namespace
