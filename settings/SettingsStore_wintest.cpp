#include "settings/SettingsStore.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "testing/TestRegistry.h"

namespace settings {
namespace {

using testing_support::ScratchApplication;

// What the registry itself holds, read past the store.
struct RawValue {
  DWORD type = REG_NONE;
  std::wstring text;
};
std::optional<RawValue> ReadRaw(const std::wstring& path, const std::wstring& name) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
  wchar_t buffer[512] = {};
  DWORD bytes = sizeof(buffer) - sizeof(wchar_t);
  RawValue value;
  const LONG result =
      RegQueryValueExW(key, name.c_str(), nullptr, &value.type, reinterpret_cast<BYTE*>(buffer), &bytes);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS) return std::nullopt;
  value.text = buffer;
  return value;
}

bool KeyExists(const std::wstring& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

void WriteRaw(const std::wstring& path, const std::wstring& name, DWORD type, const void* data, DWORD bytes) {
  HKEY key = nullptr;
  ASSERT_EQ(
      RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
      ERROR_SUCCESS);
  RegSetValueExW(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), bytes);
  RegCloseKey(key);
}

TEST(SettingsStore, KeepsTextAsStringValuesUnderTheApplicationAndSection) {
  ScratchApplication app(L"Layout");
  const SettingsStore store(app.name());
  ASSERT_TRUE(store.WriteText(L"frmDown", L"Msg", L"まもなく停止します"));
  const auto raw = ReadRaw(app.Path(L"frmDown"), L"Msg");
  ASSERT_TRUE(raw.has_value());
  EXPECT_EQ(raw->type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(raw->text, L"まもなく停止します");
  EXPECT_EQ(SettingsStore(app.name()).ReadText(L"frmDown", L"Msg"), L"まもなく停止します");
}

TEST(SettingsStore, MissingValuesGiveNothingOrTheDefault) {
  ScratchApplication app(L"Missing");
  const SettingsStore store(app.name());
  EXPECT_EQ(store.ReadText(L"frmDown", L"Msg"), std::nullopt);
  EXPECT_EQ(store.ReadText(L"frmDown", L"TimeOut", L"0"), L"0");
  ASSERT_TRUE(store.WriteText(L"frmDown", L"Msg", L""));
  EXPECT_EQ(store.ReadText(L"frmDown", L"Msg"), L"") << "an empty text is a written value";
  EXPECT_EQ(store.ReadText(L"frmDown", L"TimeOut", L"0"), L"0");
  EXPECT_EQ(store.ReadText(L"Machine", L"Msg"), std::nullopt) << "sections are separate";
}

TEST(SettingsStore, OverwritesAndReadsLongText) {
  ScratchApplication app(L"Long");
  const SettingsStore store(app.name());
  const std::wstring longText(5000, L'ｱ');
  ASSERT_TRUE(store.WriteText(L"frmDown", L"Msg", L"first"));
  ASSERT_TRUE(store.WriteText(L"frmDown", L"Msg", longText));
  EXPECT_EQ(store.ReadText(L"frmDown", L"Msg"), longText);
}

TEST(SettingsStore, ReadsValuesOtherProgramsLeftOddly) {
  ScratchApplication app(L"Odd");
  const std::wstring path = app.Path(L"frmDown");
  const DWORD number = 7;
  WriteRaw(path, L"App", REG_DWORD, &number, sizeof(number));
  const wchar_t unterminated[] = {L'1', L'2'};
  WriteRaw(path, L"TimeOut", REG_SZ, unterminated, sizeof(unterminated));
  const SettingsStore store(app.name());
  EXPECT_EQ(store.ReadText(L"frmDown", L"App"), std::nullopt) << "a number value is not text";
  EXPECT_EQ(store.ReadText(L"frmDown", L"TimeOut"), L"12");
}

TEST(SettingsStore, DeletesOneWholeSection) {
  ScratchApplication app(L"Delete");
  const SettingsStore store(app.name());
  ASSERT_TRUE(store.WriteText(L"Machine", L"1", L"SERVER1"));
  ASSERT_TRUE(store.WriteText(L"Machine", L"2", L"SERVER2"));
  ASSERT_TRUE(store.WriteText(L"frmDown", L"Boot", L"1"));
  EXPECT_TRUE(store.DeleteSection(L"Machine"));
  EXPECT_FALSE(KeyExists(app.Path(L"Machine")));
  EXPECT_EQ(store.ReadText(L"Machine", L"1"), std::nullopt);
  EXPECT_EQ(store.ReadText(L"frmDown", L"Boot"), L"1");
  EXPECT_TRUE(store.DeleteSection(L"Machine")) << "a section already gone";
  EXPECT_TRUE(SettingsStore(app.name() + L"_never").DeleteSection(L"Machine"))
      << "an application never stored";
}

TEST(SettingsStore, NamesThatWouldLeaveTheApplicationKeyKeepNothing) {
  ScratchApplication app(L"Names");
  const SettingsStore store(app.name());
  EXPECT_FALSE(store.WriteText(L"", L"Msg", L"x"));
  EXPECT_FALSE(store.WriteText(L"a\\b", L"Msg", L"x"));
  EXPECT_FALSE(KeyExists(L"Software\\" + app.name()));
  EXPECT_EQ(store.ReadText(L"", L"Msg"), std::nullopt);
  EXPECT_FALSE(store.DeleteSection(L""));
  EXPECT_FALSE(store.DeleteSection(L"..\\..\\Wine"));

  const SettingsStore unnamed(L"");
  EXPECT_FALSE(unnamed.WriteText(L"frmDown", L"Msg", L"x"));
  EXPECT_FALSE(KeyExists(L"Software\\frmDown"));
  EXPECT_FALSE(SettingsStore(L"Wine\\..").WriteText(L"frmDown", L"Msg", L"x"));
}

}  // namespace
}  // namespace settings
