#include "core/ErrorReport.h"

#include "core/Win32Error.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>

namespace {

core::ErrorReport ReportOf(const std::function<void()>& raise) {
  try {
    raise();
  } catch (...) {
    return core::ReportCurrentException();
  }
  ADD_FAILURE() << "nothing was raised";
  return {};
}

TEST(ReportCurrentException, OtherFailuresGetTheirUsualNumbers) {
  const auto memory = ReportOf([] { throw std::bad_alloc(); });
  EXPECT_EQ(memory.number, 7);
  EXPECT_EQ(memory.description, L"メモリが不足しています。");

  const auto library = ReportOf([] { throw std::length_error("basic_string::_M_create\xff"); });
  EXPECT_EQ(library.number, 51);
  EXPECT_EQ(library.description, L"内部エラーです。basic_string::_M_create?");

  const auto windows = ReportOf([] { core::ThrowWin32Error("CreateWindowExW", 1406); });
  EXPECT_EQ(windows.number, 51);
  EXPECT_EQ(windows.description, L"内部エラーです。CreateWindowExW (1406)");
  const auto unknown = ReportOf([] { throw 42; });
  EXPECT_EQ(unknown.number, 51);
  EXPECT_EQ(unknown.description, L"内部エラーです。");
}

}  // namespace
