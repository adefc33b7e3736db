#include "launcher/ShutDownSettings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "testing/FakeFormHelper.h"

namespace {

using launcher::ShutDownSettings;
using testing::ElementsAre;
using testing_support::FakeFormHelper;

// The launcher's store: application VuriRivu, section frmShutDown.
struct Store {
  FakeFormHelper helper;
  Store() {
    helper.AppName(L"VuriRivu");
    helper.Attach(1, L"frmShutDown");
    helper.state().log.Clear();
  }
  void Put(const std::wstring& key, const std::wstring& text) {
    helper.state().SetText(L"VuriRivu", L"frmShutDown", key, text);
  }
  std::wstring Get(const std::wstring& key) {
    return helper.state().Text(L"VuriRivu", L"frmShutDown", key).value_or(L"<missing>");
  }
};

TEST(ReadShutDownSettings, AnEmptyStoreGivesTheDefaultsInOrder) {
  Store store;
  EXPECT_EQ(launcher::ReadShutDownSettings(store.helper), ShutDownSettings{});
  EXPECT_THAT(store.helper.state().log.Lines(),
              ElementsAre("ReadSetting(Pos, 0)", "ReadSetting(TopMost, False)",
                          "ReadSetting(LageButton, False)", "ReadSetting(Powerdown, False)",
                          "ReadSetting(AutoEject, False)", "ReadSetting(Standby, False)"));
}

TEST(ReadShutDownSettings, ReadsWhatWasStored) {
  Store store;
  store.Put(L"Pos", L"2");
  store.Put(L"TopMost", L"True");
  store.Put(L"LageButton", L"true");
  store.Put(L"Powerdown", L"False");
  store.Put(L"AutoEject", L"-1");
  store.Put(L"Standby", L"TRUE");
  EXPECT_EQ(launcher::ReadShutDownSettings(store.helper),
            (ShutDownSettings{2, true, true, false, true, true}));
}

TEST(ReadShutDownSettings, ACornerThatIsNoneOfTheFourReadsAsTopLeft) {
  for (const wchar_t* text : {L"4", L"-1", L"32767", L"99999", L"links", L"", L"1.5"}) {
    Store store;
    store.Put(L"Pos", text);
    store.Put(L"Standby", L"True");
    const ShutDownSettings s = launcher::ReadShutDownSettings(store.helper);
    EXPECT_EQ(s.Pos, 0) << testing_support::Utf8(text);
    EXPECT_TRUE(s.Standby);
  }
}

TEST(ReadShutDownSettings, ABooleanThatDoesNotConvertReadsAsFalse) {
  Store store;
  store.Put(L"TopMost", L"ja");
  store.Put(L"LageButton", L"");
  store.Put(L"Pos", L"3");
  const ShutDownSettings s = launcher::ReadShutDownSettings(store.helper);
  EXPECT_FALSE(s.TopMost);
  EXPECT_FALSE(s.LageButton);
  EXPECT_EQ(s.Pos, 3);
}

TEST(WriteShutDownSettings, WritesAllSixInOrder) {
  Store store;
  launcher::WriteShutDownSettings(store.helper, {3, true, false, true, false, true});
  EXPECT_THAT(store.helper.state().log.Lines(),
              ElementsAre("WriteSetting(Pos, 3)", "WriteSetting(TopMost, True)",
                          "WriteSetting(LageButton, False)", "WriteSetting(Powerdown, True)",
                          "WriteSetting(AutoEject, False)", "WriteSetting(Standby, True)"));
  EXPECT_EQ(store.Get(L"Pos"), L"3");
  EXPECT_EQ(store.Get(L"LageButton"), L"False");
  EXPECT_EQ(launcher::ReadShutDownSettings(store.helper),
            (ShutDownSettings{3, true, false, true, false, true}));
}

}  // namespace
