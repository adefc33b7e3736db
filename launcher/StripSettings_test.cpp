#include "launcher/StripSettings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "settings/FakeSettingsStore.h"
#include "settings/WindowSettings.h"

namespace {

using launcher::StripSettings;
using testing::ElementsAre;
using testing::IsEmpty;

// The strip's settings: section frmShutDown of the launcher's store.
struct Store {
  testing_support::FakeSettingsStore store;
  settings::WindowSettings helper{store, L"frmShutDown"};
  void Put(const std::wstring& key, const std::wstring& text) { store.sections[L"frmShutDown"][key] = text; }
  std::wstring Get(const std::wstring& key) const {
    return store.ReadText(L"frmShutDown", key).value_or(L"<missing>");
  }
};

TEST(ReadStripSettings, AnEmptyStoreGivesTheDefaultsAndWritesNothing) {
  Store store;
  EXPECT_EQ(launcher::ReadStripSettings(store.helper), StripSettings{});
  EXPECT_THAT(store.store.log.Lines(), IsEmpty());
}

TEST(ReadStripSettings, ReadsWhatWasStored) {
  Store store;
  store.Put(L"Pos", L"2");
  store.Put(L"TopMost", L"True");
  store.Put(L"LageButton", L"true");
  store.Put(L"Powerdown", L"False");
  store.Put(L"AutoEject", L"-1");
  store.Put(L"Standby", L"TRUE");
  EXPECT_EQ(launcher::ReadStripSettings(store.helper), (StripSettings{.corner = launcher::Corner::BottomRight,
                                                                      .topMost = true,
                                                                      .largeButtons = true,
                                                                      .autoEject = true,
                                                                      .standbyButton = true}));
}

TEST(ReadStripSettings, ACornerThatIsNoneOfTheFourReadsAsTopLeft) {
  for (const wchar_t* text : {L"4", L"-1", L"32767", L"99999", L"links", L"", L"1.5"}) {
    Store store;
    store.Put(L"Pos", text);
    store.Put(L"Standby", L"True");
    const StripSettings s = launcher::ReadStripSettings(store.helper);
    EXPECT_EQ(s.corner, launcher::Corner::TopLeft) << testing_support::Utf8(text);
    EXPECT_TRUE(s.standbyButton);
  }
}

TEST(ReadStripSettings, ABooleanThatDoesNotConvertReadsAsFalse) {
  Store store;
  store.Put(L"TopMost", L"ja");
  store.Put(L"LageButton", L"");
  store.Put(L"Pos", L"3");
  const StripSettings s = launcher::ReadStripSettings(store.helper);
  EXPECT_FALSE(s.topMost);
  EXPECT_FALSE(s.largeButtons);
  EXPECT_EQ(s.corner, launcher::Corner::BottomLeft);
}

TEST(WriteStripSettings, WritesAllSixInOrder) {
  Store store;
  launcher::WriteStripSettings(store.helper, {launcher::Corner::BottomLeft, true, false, true, false, true});
  EXPECT_THAT(store.store.log.Lines(),
              ElementsAre("Write(frmShutDown, Pos, 3)", "Write(frmShutDown, TopMost, True)",
                          "Write(frmShutDown, LageButton, False)", "Write(frmShutDown, Powerdown, True)",
                          "Write(frmShutDown, AutoEject, False)", "Write(frmShutDown, Standby, True)"));
  EXPECT_EQ(store.Get(L"Pos"), L"3");
  EXPECT_EQ(store.Get(L"LageButton"), L"False");
  EXPECT_EQ(
      launcher::ReadStripSettings(store.helper),
      (StripSettings{
          .corner = launcher::Corner::BottomLeft, .topMost = true, .powerOff = true, .standbyButton = true}));
}

}  // namespace
