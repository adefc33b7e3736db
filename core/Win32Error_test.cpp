#include "core/Win32Error.h"

#include <gtest/gtest.h>

namespace core {
namespace {

TEST(Win32ErrorText, NamesTheCallAndItsCode) {
  EXPECT_EQ(Win32ErrorText({"CreateWindowExW", 1406}), L"CreateWindowExW (1406)");
  EXPECT_EQ(Win32ErrorText({"LoadImageW", 0}), L"LoadImageW (0)");
  EXPECT_EQ(Win32ErrorText({"RegisterClassExW", 4294967295u}), L"RegisterClassExW (4294967295)");
}

TEST(WidenAscii, KeepsAsciiAndMarksEveryOtherByte) {
  EXPECT_EQ(WidenAscii("std::bad_alloc"), L"std::bad_alloc");
  EXPECT_EQ(WidenAscii(""), L"");
  EXPECT_EQ(WidenAscii("caf\xC3\xA9s"), L"caf??s");
}

TEST(Win32Error, IsThrownAndCaughtByValueWithItsCallAndCode) {
  try {
    ThrowWin32Error("CreatePopupMenu", 8);
  } catch (const Win32Error& error) {
    EXPECT_STREQ(error.call, "CreatePopupMenu");
    EXPECT_EQ(error.code, 8u);
    return;
  }
  ADD_FAILURE() << "nothing was caught";
}

}  // namespace
}  // namespace core
