#include "settings/RegistrySettingsStore.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "settings/ScratchApplication.h"

namespace settings {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;
using testing_support::ScratchApplication;

using testing_support::KeyExists;
using testing_support::ReadRaw;

void WriteRaw(const std::wstring& path, const std::wstring& name, DWORD type, const void* data, DWORD bytes) {
  ASSERT_TRUE(testing_support::WriteRaw(path, name, type, data, bytes));
}

TEST(RegistrySettingsStore, KeepsTextAsStringValuesUnderTheApplicationAndSection) {
  ScratchApplication app(L"Layout");
  RegistrySettingsStore store(app.Name());
  ASSERT_TRUE(store.WriteText(L"frmDown", L"Msg", L"まもなく停止します"));
  const auto raw = ReadRaw(app.Path(L"frmDown"), L"Msg");
  ASSERT_TRUE(raw.has_value());
  EXPECT_EQ(raw->type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(raw->text, L"まもなく停止します");
  EXPECT_EQ(RegistrySettingsStore(app.Name()).ReadText(L"frmDown", L"Msg"), L"まもなく停止します");
}

TEST(RegistrySettingsStore, MissingValuesGiveNothingOrTheDefault) {
  ScratchApplication app(L"Missing");
  RegistrySettingsStore store(app.Name());
  EXPECT_EQ(store.ReadText(L"frmDown", L"Msg"), std::nullopt);
  EXPECT_EQ(store.ReadText(L"frmDown", L"TimeOut").value_or(L"0"), L"0");
  ASSERT_TRUE(store.WriteText(L"frmDown", L"Msg", L""));
  EXPECT_EQ(store.ReadText(L"frmDown", L"Msg"), L"") << "an empty text is a written value";
  EXPECT_EQ(store.ReadText(L"frmDown", L"TimeOut").value_or(L"0"), L"0");
  EXPECT_EQ(store.ReadText(L"Machine", L"Msg"), std::nullopt) << "sections are separate";
}

TEST(RegistrySettingsStore, OverwritesAndReadsLongText) {
  ScratchApplication app(L"Long");
  RegistrySettingsStore store(app.Name());
  const std::wstring longText(5000, L'ｱ');
  ASSERT_TRUE(store.WriteText(L"frmDown", L"Msg", L"first"));
  ASSERT_TRUE(store.WriteText(L"frmDown", L"Msg", longText));
  EXPECT_EQ(store.ReadText(L"frmDown", L"Msg"), longText);
}

// Whatever another program, a crash or a hand edit left under a name the
// programs read: each read ends at once, with the text where there is one and
// "not text" for the rest. A text value of an odd length once made every read
// ask for more room for ever.
TEST(RegistrySettingsStore, ReadsValuesOtherProgramsLeftOddly) {
  ScratchApplication app(L"Odd");
  const std::wstring path = app.Path(L"frmDown");
  const auto raw = [&path](const wchar_t* name, DWORD type, std::vector<BYTE> bytes) {
    WriteRaw(path, name, type, bytes.data(), static_cast<DWORD>(bytes.size()));
  };
  raw(L"Odd", REG_SZ, {'3', 0, '1'});
  raw(L"Unterminated", REG_SZ, {'1', 0, '2', 0});
  raw(L"NulInside", REG_SZ, {'3', 0, 0, 0, '2', 0, 0, 0});
  raw(L"OneByte", REG_SZ, {'3'});
  raw(L"NoBytes", REG_SZ, {});
  raw(L"Number", REG_DWORD, {5, 0, 0, 0});
  raw(L"WideNumber", REG_QWORD, {5, 0, 0, 0, 0, 0, 0, 0});
  raw(L"Binary", REG_BINARY, {'3', 0, 0, 0});
  raw(L"Texts", REG_MULTI_SZ, {'a', 0, 0, 0, 'b', 0, 0, 0, 0, 0});
  raw(L"Expandable", REG_EXPAND_SZ, {'3', 0, 0, 0});
  std::vector<BYTE> huge(kLargestStoredValue + 2, 'x');
  raw(L"Huge", REG_SZ, huge);
  std::vector<BYTE> largest(kLargestStoredValue, 0);
  for (std::size_t i = 0; i + 2 < largest.size(); i += 2) largest[i] = 'y';
  raw(L"Largest", REG_SZ, largest);

  RegistrySettingsStore store(app.Name());
  EXPECT_EQ(store.ReadText(L"frmDown", L"Odd"), L"3");
  EXPECT_EQ(store.ReadText(L"frmDown", L"Unterminated"), L"12");
  EXPECT_EQ(store.ReadText(L"frmDown", L"NulInside"), L"3");
  EXPECT_EQ(store.ReadText(L"frmDown", L"NoBytes"), L"");
  for (const wchar_t* name : {L"OneByte", L"Number", L"WideNumber", L"Binary", L"Texts", L"Expandable", L"Huge"}) {
    EXPECT_EQ(store.Read(L"frmDown", name).state, StoredState::Unreadable) << testing::PrintToString(name);
  }
  EXPECT_EQ(store.ReadText(L"frmDown", L"Largest"), std::wstring(kLargestStoredValue / 2 - 1, L'y'));
  EXPECT_EQ(store.Read(L"frmDown", L"Never").state, StoredState::Missing);
  EXPECT_EQ(store.Read(L"Other", L"Odd").state, StoredState::Missing) << "a section never written";
}

TEST(RegistrySettingsStore, DeletesOneWholeSection) {
  ScratchApplication app(L"Delete");
  RegistrySettingsStore store(app.Name());
  ASSERT_TRUE(store.WriteText(L"Machine", L"1", L"SERVER1"));
  ASSERT_TRUE(store.WriteText(L"Machine", L"2", L"SERVER2"));
  ASSERT_TRUE(store.WriteText(L"frmDown", L"Boot", L"1"));
  EXPECT_TRUE(store.DeleteSection(L"Machine"));
  EXPECT_FALSE(KeyExists(app.Path(L"Machine")));
  EXPECT_EQ(store.ReadText(L"Machine", L"1"), std::nullopt);
  EXPECT_EQ(store.ReadText(L"frmDown", L"Boot"), L"1");
  EXPECT_TRUE(store.DeleteSection(L"Machine")) << "a section already gone";
  EXPECT_TRUE(RegistrySettingsStore(app.Name() + L"_never").DeleteSection(L"Machine"))
      << "an application never stored";
}

TEST(RegistrySettingsStore, NamesTheValuesOfASectionAndDeletesOneOfThem) {
  ScratchApplication app(L"Values");
  RegistrySettingsStore store(app.Name());
  EXPECT_THAT(store.ValueNames(L"Machine"), IsEmpty()) << "a section never written";
  ASSERT_TRUE(store.WriteText(L"Machine", L"1", L"SERVER1"));
  ASSERT_TRUE(store.WriteText(L"Machine", L"12", L"SERVER12"));
  ASSERT_TRUE(store.WriteText(L"frmDown", L"Boot", L"1"));
  EXPECT_THAT(store.ValueNames(L"Machine"), UnorderedElementsAre(L"1", L"12"));

  EXPECT_TRUE(store.DeleteValue(L"Machine", L"1"));
  EXPECT_FALSE(ReadRaw(app.Path(L"Machine"), L"1").has_value());
  EXPECT_THAT(store.ValueNames(L"Machine"), ElementsAre(L"12"));
  EXPECT_FALSE(store.DeleteValue(L"Machine", L"1")) << "a value already gone";
  EXPECT_FALSE(store.DeleteValue(L"Other", L"12")) << "a section never written";
  EXPECT_EQ(store.ReadText(L"frmDown", L"Boot"), L"1");
}

// A run of values through one opening of the section, as Velmar's history
// is read and written: the same values as one at a time, the run ending
// where the reader says, a refused value skipped and reported.
TEST(RegistrySettingsStore, ReadsAndWritesARunOfValuesOfOneSection) {
  ScratchApplication app(L"Run");
  RegistrySettingsStore store(app.Name());
  std::vector<std::wstring> read;
  const auto take = [&read](StoredValue value) {
    if (value.state == StoredState::Missing) return false;
    read.push_back(value.state == StoredState::Text ? value.text : L"<not text>");
    return true;
  };
  const auto keyOf = [](std::size_t index) { return std::to_wstring(index + 1); };
  store.ReadEach(L"Machine", keyOf, take);
  EXPECT_THAT(read, IsEmpty());
  EXPECT_FALSE(KeyExists(app.Path(L"Machine"))) << "reading creates nothing";
  EXPECT_EQ(store.ValueCount(L"Machine"), 0u);
  EXPECT_TRUE(store.WriteTexts(L"Machine", {}));
  EXPECT_FALSE(KeyExists(app.Path(L"Machine"))) << "nothing to write creates nothing";

  // Around the size a first query has room for, and far past it.
  const std::wstring fits(255, L'f'), over(256, L'o'), long_(5000, L'ｱ');
  ASSERT_TRUE(store.WriteTexts(L"Machine", {{L"1", L"srv1"}, {L"2", fits}, {L"3", over}, {L"4", long_}}));
  const DWORD number = 5;
  WriteRaw(app.Path(L"Machine"), L"5", REG_DWORD, &number, sizeof number);
  ASSERT_TRUE(store.WriteText(L"Machine", L"6", L""));
  store.ReadEach(L"Machine", keyOf, take);
  EXPECT_THAT(read, ElementsAre(L"srv1", fits, over, long_, L"<not text>", L""));
  EXPECT_EQ(store.ReadText(L"Machine", L"3"), over);
  EXPECT_EQ(store.ValueCount(L"Machine"), 6u);

  read.clear();
  store.ReadEach(L"Machine", keyOf, [&read](StoredValue value) {
    read.push_back(value.text);
    return read.size() < 2;
  });
  EXPECT_THAT(read, ElementsAre(L"srv1", fits)) << "the reader ends the run";

  // A name longer than the registry allows is refused; the values after it
  // are written all the same.
  EXPECT_FALSE(store.WriteTexts(L"Other", {{L"1", L"a"}, {std::wstring(20000, L'n'), L"b"}, {L"3", L"c"}}));
  EXPECT_EQ(store.ReadText(L"Other", L"1"), L"a");
  EXPECT_EQ(store.ReadText(L"Other", L"3"), L"c");
  EXPECT_EQ(store.ValueCount(L"Other"), 2u);
  EXPECT_FALSE(store.WriteTexts(L"a\\b", {{L"1", L"x"}}));
  EXPECT_FALSE(RegistrySettingsStore(L"").WriteTexts(L"Machine", {{L"1", L"x"}}));
}

TEST(RegistrySettingsStore, NamesThatWouldLeaveTheApplicationKeyKeepNothing) {
  ScratchApplication app(L"Names");
  RegistrySettingsStore store(app.Name());
  EXPECT_FALSE(store.WriteText(L"", L"Msg", L"x"));
  EXPECT_FALSE(store.WriteText(L"a\\b", L"Msg", L"x"));
  EXPECT_FALSE(KeyExists(L"Software\\" + app.Name()));
  EXPECT_EQ(store.ReadText(L"", L"Msg"), std::nullopt);
  EXPECT_FALSE(store.DeleteSection(L""));
  EXPECT_FALSE(store.DeleteSection(L"..\\..\\Wine"));
  WriteRaw(L"Software\\" + app.Name() + L"\\a\\b", L"Msg", REG_SZ, L"x", 2 * sizeof(wchar_t));
  EXPECT_THAT(store.ValueNames(L"a\\b"), IsEmpty());
  EXPECT_FALSE(store.DeleteValue(L"a\\b", L"Msg"));
  EXPECT_TRUE(ReadRaw(L"Software\\" + app.Name() + L"\\a\\b", L"Msg").has_value());

  RegistrySettingsStore unnamed(L"");
  EXPECT_FALSE(unnamed.WriteText(L"frmDown", L"Msg", L"x"));
  EXPECT_FALSE(KeyExists(L"Software\\frmDown"));
  EXPECT_FALSE(RegistrySettingsStore(L"Wine\\..").WriteText(L"frmDown", L"Msg", L"x"));
}

}  // namespace
}  // namespace settings
