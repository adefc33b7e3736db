#include "dovra/DovraCommand.h"

#include <gtest/gtest.h>

#include <string>

#include "core/SessionEnd.h"

namespace {

TEST(ArgumentText, DropsTheProgramNameAndTheBlanksAroundTheArgument) {
  EXPECT_EQ(dovra::ArgumentText(L"dovra"), L"");
  EXPECT_EQ(dovra::ArgumentText(L"dovra /s"), L"/s");
  EXPECT_EQ(dovra::ArgumentText(L"dovra \t /s \t"), L"/s");
  EXPECT_EQ(dovra::ArgumentText(L"\"C:\\Program Files\\dovra.exe\" /R"), L"/R");
  EXPECT_EQ(dovra::ArgumentText(L"\"C:\\Program Files\\dovra.exe\"/p"), L"/p");
  EXPECT_EQ(dovra::ArgumentText(L"C:\\tools\\dovra.exe /s  /r"), L"/s  /r");
  EXPECT_EQ(dovra::ArgumentText(L"\"unterminated /s"), L"");
  EXPECT_EQ(dovra::ArgumentText(L""), L"");
}

TEST(OptionFlags, EachOptionInEitherCaseNamesItsFlagWord) {
  const struct {
    const wchar_t* lower;
    const wchar_t* upper;
    std::uint32_t flags;
  } rows[] = {{L"/s", L"/S", core::kExitShutdown},
              {L"/r", L"/R", core::kExitReboot},
              {L"/l", L"/L", core::kExitLogoff},
              {L"/p", L"/P", core::kExitPowerOff}};
  for (const auto& row : rows) {
    EXPECT_EQ(dovra::OptionFlags(row.lower), row.flags) << row.flags;
    EXPECT_EQ(dovra::OptionFlags(row.upper), row.flags) << row.flags;
  }
}

TEST(OptionFlags, AnythingElseAsksForTheUsageBox) {
  for (const wchar_t* text : {L"", L"/s /r", L"/s now", L"-s", L"s", L"/x", L"/", L"//s", L"/ s", L"/S/R",
                              L"/\u017F", L"\uFF0FS"}) {
    EXPECT_FALSE(dovra::OptionFlags(text).has_value());
  }
}

TEST(OptionFlags, BlanksAroundTheOptionAreNotPartOfIt) {
  EXPECT_EQ(dovra::OptionFlags(dovra::ArgumentText(L"dovra /s ")), core::kExitShutdown);
  EXPECT_EQ(dovra::OptionFlags(dovra::ArgumentText(L"dovra\t/L\t")), core::kExitLogoff);
  EXPECT_FALSE(dovra::OptionFlags(dovra::ArgumentText(L"dovra /s /r")).has_value());
}

// A script or a scheduled task reads whether Windows took the request.
TEST(ExitCodeOf, ZeroWhenAcceptedWindowsCodeWhenRefused) {
  EXPECT_EQ(dovra::ExitCodeOf(core::RequestAnswer{}), 0u);
  EXPECT_EQ(dovra::ExitCodeOf(core::RequestAnswer::Refused(1314)), 1314u) << "no shutdown privilege";
  EXPECT_EQ(dovra::ExitCodeOf(core::RequestAnswer::Refused(1115)), 1115u) << "a shut-down already under way";
  EXPECT_NE(dovra::ExitCodeOf(core::RequestAnswer::Refused(0)), 0u)
      << "a refusal is never reported as success";
  EXPECT_NE(dovra::kUsageExitCode, 0u);
}

core::VersionValues Version(std::wstring_view fileName, std::wstring_view company) {
  core::VersionValues v;
  v.fileName = fileName;
  v.major = 6;
  v.minor = 0;
  v.revision = 1;
  v.legalCopyright = L"Copyright (C) 2026 Someone";
  v.companyName = company;
  return v;
}

const wchar_t* const kUsageHead =
    L"\u30b3\u30de\u30f3\u30c9\u30e9\u30a4\u30f3\u3067Windows\u3092\u7d42\u4e86\r\n"  // コマンドラインでWindowsを終了
    L"\u30aa\u30d7\u30b7\u30e7\u30f3\r\n"                                             // オプション
    L"  /s  \u7d42\u4e86\r\n"                                                         // 終了
    L"  /r  \u518d\u8d77\u52d5\r\n"                                                   // 再起動
    L"  /l  \u30ed\u30b0\u30aa\u30d5\r\n"                                             // ログオフ
    L"  /p  \u96fb\u6e90\u65ad(\u53ef\u80fd\u306a\u3089)\r\n"  // 電源断(可能なら)
    L"\r\n"
    L"\u8907\u6570\u6307\u5b9a\u306f\u51fa\u6765\u307e\u305b\u3093\r\n"  // 複数指定は出来ません
    L"\r\n";

TEST(UsageText, ByteForByteWithCompanyName) {
  EXPECT_EQ(std::wstring(dovra::UsageText(Version(L"dovra", L"Acme"))),
            std::wstring(kUsageHead) + L"dovra.exe Ver6.0.1\r\nCopyright (C) 2026 Someone(Acme)");
}

TEST(UsageText, WithoutCompanyNameEndsWithTheCopyright) {
  EXPECT_EQ(std::wstring(dovra::UsageText(Version(L"dovra", L""))),
            std::wstring(kUsageHead) + L"dovra.exe Ver6.0.1\r\nCopyright (C) 2026 Someone");
}

TEST(UsageText, ARenamedExecutableShowsItsNameOnDisk) {
  auto version = Version(L"\u7d42\u4e86", L"");
  version.major = 10;
  version.minor = 20;
  version.revision = 300;
  const std::wstring text(dovra::UsageText(version));
  EXPECT_NE(text.find(L"\r\n\u7d42\u4e86.exe Ver10.20.300\r\n"), std::wstring::npos);
}

TEST(UsageText, AnOverlongNameIsCutAtTheEndOfTheBox) {
  const std::wstring name(5000, L'x');
  const auto text = dovra::UsageText(Version(name, L"Acme"));
  const std::wstring_view shown(text);
  EXPECT_EQ(shown.size(), 1024u);
  EXPECT_EQ(shown.substr(0, std::wstring_view(kUsageHead).size()), kUsageHead);
  EXPECT_EQ(shown.back(), L'x');
  EXPECT_EQ(text.CStr()[shown.size()], L'\0');
}

}  // namespace
