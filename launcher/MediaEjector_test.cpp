#include "launcher/MediaEjector.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "launcher/FakeVolumeApi.h"
#include "platform/FakeSystemServices.h"

namespace launcher {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using testing_support::FakeSystemServices;
using testing_support::FakeVolumeApi;

// What one drive costs when every step succeeds.
std::vector<std::string> CleanEject(const std::string& letter, const std::string& handle) {
  return {"DriveType(" + letter + ")",
          "Open(" + letter + ")",
          "Lock(" + handle + ")",
          "Dismount(" + handle + ")",
          "PreventRemoval(" + handle + ", 0)",
          "Eject(" + handle + ")",
          "Close(" + handle + ")"};
}

long CountOf(const std::vector<std::string>& lines, const std::string& line) {
  return std::count(lines.begin(), lines.end(), line);
}

EjectFailure FailureOf(FakeVolumeApi& api, std::wstring_view drive) {
  const EjectFailure failure = EjectDrive(api, drive);
  EXPECT_NE(failure.number, 0u) << "EjectDrive reported no failure";
  return failure;
}

class EjectDriveTest : public testing::Test {
 protected:
  FakeVolumeApi api;
  void SetUp() override {
    api.driveTypes['E'] = 2;
    api.driveTypes['F'] = 2;
  }
};

TEST_F(EjectDriveTest, ARemovableDriveIsLockedDismountedReleasedAndEjected) {
  EXPECT_EQ(EjectDrive(api, L"E").number, 0u);
  EXPECT_EQ(api.log.Lines(), CleanEject("E", "0x101"));
}

TEST_F(EjectDriveTest, OnlyTheFirstCharacterNamesTheDriveInEitherCase) {
  EXPECT_EQ(EjectDrive(api, L"e:\\data").number, 0u);
  EXPECT_EQ(EjectDrive(api, L"f").number, 0u);
  auto expected = CleanEject("E", "0x101");
  const auto second = CleanEject("F", "0x102");
  expected.insert(expected.end(), second.begin(), second.end());
  EXPECT_EQ(api.log.Lines(), expected);
}

TEST_F(EjectDriveTest, FloppyLettersFailWithoutAnyDeviceCall) {
  for (const wchar_t* drive : {L"a:", L"A", L"B", L"b:\\"}) {
    const auto error = FailureOf(api, drive);
    EXPECT_EQ(error.number, kEjectNotEjectable);
    EXPECT_EQ(error.message, L"ｲｼﾞｪｸﾄできないﾄﾞﾗｲﾌﾞです");
  }
  EXPECT_THAT(api.log.Lines(), IsEmpty());
}

TEST_F(EjectDriveTest, WhatIsNoDriveLetterFailsWithoutAnyDeviceCall) {
  for (const wchar_t* drive : {L"", L"1", L":", L"\\\\.\\E:", L"ｅ", L"é"}) {
    EXPECT_EQ(FailureOf(api, drive).number, kEjectNotEjectable);
  }
  EXPECT_THAT(api.log.Lines(), IsEmpty());
}

TEST_F(EjectDriveTest, FixedNetworkCdRomAndUnknownDrivesAreAskedButNeverOpened) {
  api.driveTypes['C'] = 3;
  api.driveTypes['N'] = 4;
  api.driveTypes['G'] = 5;
  for (const wchar_t* drive : {L"C", L"N", L"G", L"Q"}) {
    const auto error = FailureOf(api, drive);
    EXPECT_EQ(error.number, kEjectNotEjectable);
    EXPECT_EQ(error.message, L"ｲｼﾞｪｸﾄできないﾄﾞﾗｲﾌﾞです");
  }
  EXPECT_THAT(api.log.Lines(), ElementsAre("DriveType(C)", "DriveType(N)", "DriveType(G)", "DriveType(Q)"));
}

TEST_F(EjectDriveTest, AVolumeThatWillNotOpenIsNotClosed) {
  api.openFails.insert('E');
  const auto error = FailureOf(api, L"E");
  EXPECT_EQ(error.number, kEjectOpenFailed);
  EXPECT_EQ(error.message, L"ﾎﾞﾘｭｰﾑﾊﾝﾄﾞﾙの取得に失敗しました");
  EXPECT_THAT(api.log.Lines(), ElementsAre("DriveType(E)", "Open(E)"));
}

TEST_F(EjectDriveTest, ABusyVolumeIsTriedTwentyOneTimesHalfASecondApartThenLeftMountedAtOnce) {
  api.lockFailures['E'] = FakeVolumeApi::kAlwaysBusy;
  const auto error = FailureOf(api, L"E");
  EXPECT_EQ(error.number, kEjectLockFailed);
  EXPECT_EQ(error.message, L"ﾃﾞﾊﾞｲｽのﾛｯｸに失敗しました");

  std::vector<std::string> expected = {"DriveType(E)", "Open(E)"};
  for (int attempt = 0; attempt < 21; ++attempt) {
    expected.push_back("Lock(0x101)");
    if (attempt < 20) expected.push_back("Sleep(500)");
  }
  expected.push_back("Close(0x101)");
  EXPECT_EQ(api.log.Lines(), expected);
}

// A card or stick with its lock switch on refuses write access; the same
// steps go on through a handle for reading. Any other refusal is no such
// medium and stays a failure.
TEST_F(EjectDriveTest, AWriteProtectedMediumIsEjectedThroughAHandleForReading) {
  api.writeProtected.insert('E');
  EXPECT_EQ(EjectDrive(api, L"E").number, 0u);
  auto expected = CleanEject("E", "0x101");
  expected.insert(expected.begin() + 2, "Open(E, read-only)");
  EXPECT_EQ(api.log.Lines(), expected);

  api.log.Clear();
  api.openFails.insert('F');
  EXPECT_EQ(FailureOf(api, L"F").number, kEjectOpenFailed);
  EXPECT_THAT(api.log.Lines(), ElementsAre("DriveType(F)", "Open(F)")) << "not found: no second try";
}

TEST_F(EjectDriveTest, ALockThatHoldsOnALaterAttemptGoesOn) {
  api.lockFailures['E'] = 20;
  EXPECT_EQ(EjectDrive(api, L"E").number, 0u);
  const auto& lines = api.log.Lines();
  EXPECT_EQ(CountOf(lines, "Lock(0x101)"), 21);
  EXPECT_EQ(CountOf(lines, "Sleep(500)"), 20);
  EXPECT_EQ(CountOf(lines, "Eject(0x101)"), 1);
}

TEST_F(EjectDriveTest, EachLaterStepFailureStopsTheRestAndClosesTheVolume) {
  struct Case {
    std::set<char> FakeVolumeApi::*fails;
    std::uint32_t number;
    const wchar_t* message;
    std::size_t requests;  // device requests made, the failing one included
  };
  const Case cases[] = {
      {&FakeVolumeApi::dismountFails, kEjectDismountFailed, L"ﾃﾞﾊﾞｲｽのﾃﾞｨｽﾏｳﾝﾄに失敗しました", 2},
      {&FakeVolumeApi::removalFails, kEjectRemovalFailed, L"ﾃﾞﾊﾞｲｽのﾘﾑｰﾌﾞに失敗しました", 3},
      {&FakeVolumeApi::ejectFails, kEjectEjectFailed, L"ﾃﾞﾊﾞｲｽのｲｼﾞｪｸﾄに失敗しました", 4},
  };
  for (const auto& one : cases) {
    FakeVolumeApi volume;
    volume.driveTypes['E'] = 2;
    (volume.*one.fails).insert('E');
    const auto error = FailureOf(volume, L"E");
    EXPECT_EQ(error.number, one.number);
    EXPECT_EQ(error.message, one.message);
    auto expected = CleanEject("E", "0x101");
    expected.erase(expected.begin() + 2 + static_cast<long>(one.requests), expected.end() - 1);
    EXPECT_EQ(volume.log.Lines(), expected);
  }
}

TEST(EjectSteps, SetMediaRemovalAsksForTheFlagItIsGiven) {
  FakeVolumeApi api;
  api.driveTypes['E'] = 2;
  EjectFailure failure;
  const VolumeHandle volume = OpenDriveVolume(api, L"E", failure);
  EXPECT_TRUE(SetMediaRemoval(api, volume, true, failure));
  EXPECT_TRUE(SetMediaRemoval(api, volume, false, failure));
  EXPECT_EQ(failure.number, 0u);
  EXPECT_THAT(api.log.Lines(),
              ElementsAre(testing::_, testing::_, "PreventRemoval(0x101, 1)", "PreventRemoval(0x101, 0)"));
}

TEST(EjectSteps, AStepThatSucceedsLeavesTheRecordEmptyAndOneThatFailsFillsIt) {
  FakeVolumeApi api;
  api.driveTypes['E'] = 2;
  api.ejectFails.insert('E');
  EjectFailure failure;
  const VolumeHandle volume = OpenDriveVolume(api, L"e", failure);
  EXPECT_EQ(volume, 0x101);
  EXPECT_TRUE(LockDriveVolume(api, volume, failure));
  EXPECT_TRUE(DismountDriveVolume(api, volume, failure));
  EXPECT_EQ(failure.number, 0u);
  EXPECT_FALSE(EjectDriveMedia(api, volume, failure));
  EXPECT_EQ(failure.number, kEjectEjectFailed);
  EXPECT_EQ(failure.message, EjectMessage(kEjectEjectFailed));
  EXPECT_EQ(EjectMessage(0x80040007), L"");
}

class EjectRemovableMediaTest : public testing::Test {
 protected:
  FakeSystemServices system;
  FakeVolumeApi api;

  // Both see the same drives unless a test says otherwise.
  void Drive(char letter, std::int32_t type) {
    system.driveTypes[static_cast<wchar_t>(letter)] = type;
    api.driveTypes[letter] = static_cast<std::uint32_t>(type);
  }
  std::vector<std::string> Opened() const {
    std::vector<std::string> opened;
    for (const auto& line : api.log.Lines()) {
      if (line.rfind("Open", 0) == 0) opened.push_back(line);
    }
    return opened;
  }
};

TEST_F(EjectRemovableMediaTest, AsksEveryLetterFromCToZInOrder) {
  EjectRemovableMedia(system, api);
  std::vector<std::string> expected;
  for (char letter = 'C'; letter <= 'Z'; ++letter)
    expected.push_back("DriveType(" + std::string(1, letter) + ")");
  EXPECT_EQ(system.log.Lines(), expected);
}

TEST_F(EjectRemovableMediaTest, WithoutARemovableDriveNothingIsOpened) {
  Drive('C', 3);
  Drive('D', 5);
  Drive('N', 4);
  EjectRemovableMedia(system, api);
  EXPECT_THAT(api.log.Lines(), IsEmpty());
}

TEST_F(EjectRemovableMediaTest, TwoRemovableDrivesAreEjectedLowerLetterFirstEachWithItsOwnHandle) {
  Drive('C', 3);
  Drive('H', 2);
  Drive('E', 2);
  EjectRemovableMedia(system, api);
  auto expected = CleanEject("E", "0x101");
  const auto second = CleanEject("H", "0x102");
  expected.insert(expected.end(), second.begin(), second.end());
  EXPECT_EQ(api.log.Lines(), expected);
}

TEST_F(EjectRemovableMediaTest, ABusyDriveIsGivenUpAndTheScanGoesOn) {
  Drive('E', 2);
  Drive('F', 2);
  api.lockFailures['E'] = FakeVolumeApi::kAlwaysBusy;
  EXPECT_NO_THROW(EjectRemovableMedia(system, api));
  const auto& lines = api.log.Lines();
  EXPECT_EQ(CountOf(lines, "Lock(0x101)"), 21);
  EXPECT_EQ(CountOf(lines, "Sleep(500)"), 20);
  EXPECT_EQ(CountOf(lines, "Dismount(0x101)"), 0);
  EXPECT_EQ(CountOf(lines, "Close(0x101)"), 1);
  EXPECT_EQ(CountOf(lines, "Eject(0x102)"), 1);
  EXPECT_EQ(CountOf(lines, "Close(0x102)"), 1);
}

TEST_F(EjectRemovableMediaTest, ALetterWhoseTypeCannotBeFoundIsSkipped) {
  Drive('E', 2);
  Drive('F', 2);
  system.failingDrives.insert(L'E');
  EjectRemovableMedia(system, api);
  EXPECT_THAT(Opened(), ElementsAre("Open(F)"));
  EXPECT_EQ(system.log.Lines().size(), 24u);
}

TEST_F(EjectRemovableMediaTest, EveryKindOfFailureIsPassedOver) {
  Drive('D', 2);
  Drive('E', 2);
  Drive('F', 2);
  Drive('G', 2);
  api.openFails.insert('D');
  api.dismountFails.insert('E');
  api.ejectFails.insert('F');
  api.driveTypes['G'] = 3;  // changed between the two questions: no longer removable
  Drive('K', 2);
  EXPECT_NO_THROW(EjectRemovableMedia(system, api));
  EXPECT_EQ(Opened().size(), 4u);
  EXPECT_EQ(CountOf(api.log.Lines(), "Eject(0x103)"), 1) << "the last drive is still ejected";
}

// Volume calls that fail by raising, as a broken driver or a missing export might.
class ThrowingVolumeApi : public FakeVolumeApi {
 public:
  OpenedVolume Open(char letter, VolumeAccess access) override {
    FakeVolumeApi::Open(letter, access);
    throw std::runtime_error("opening failed");
  }
};

TEST_F(EjectRemovableMediaTest, NothingRaisedInsideTheScanGetsOut) {
  for (wchar_t letter = L'C'; letter <= L'Z'; ++letter) system.failingDrives.insert(letter);
  EXPECT_NO_THROW(EjectRemovableMedia(system, api));
  EXPECT_EQ(system.log.Lines().size(), 24u);
  EXPECT_THAT(api.log.Lines(), IsEmpty());

  ThrowingVolumeApi throwing;
  system.failingDrives.clear();
  for (char letter : {'E', 'F'}) {
    system.driveTypes[static_cast<wchar_t>(letter)] = 2;
    throwing.driveTypes[letter] = 2;
  }
  EXPECT_NO_THROW(EjectRemovableMedia(system, throwing));
  EXPECT_EQ(Opened().size(), 0u);
  EXPECT_THAT(throwing.log.Lines(), ElementsAre("DriveType(E)", "Open(E)", "DriveType(F)", "Open(F)"));
}

}  // namespace
}  // namespace launcher
