// The version values come out of the running executable's own resource.
#include <gtest/gtest.h>

#include "core/VersionInfo.h"

namespace {

TEST(OwnVersion, ReadsTheBuiltResource) {
  const core::OwnVersion own;
  const core::VersionValues& v = own.Values();
  EXPECT_EQ(v.fileName, L"dovra_version_test");
  EXPECT_EQ(v.major, SUITE_VERSION_MAJOR);
  EXPECT_EQ(v.minor, SUITE_VERSION_MINOR);
  EXPECT_EQ(v.revision, SUITE_VERSION_REVISION);
  EXPECT_EQ(v.legalCopyright, L"" SUITE_COPYRIGHT);
  EXPECT_EQ(v.companyName, L"" SUITE_COMPANY);
  EXPECT_EQ(v.comments, L"\u30c6\u30b9\u30c8\u7528");  // テスト用
}

}  // namespace
