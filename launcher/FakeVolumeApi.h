#pragma once
// Records what was asked of each volume; answers per drive letter as the test
// scripts it. Handles are handed out from 0x101 upwards in the order the
// volumes are opened.
#include <map>
#include <set>
#include <string>

#include "core/CallLog.h"
#include "launcher/VolumeApi.h"

namespace testing_support {

class FakeVolumeApi : public launcher::VolumeApi {
 public:
  static constexpr int kAlwaysBusy = 1000;

  CallLog log;
  std::map<char, std::uint32_t> driveTypes;  // by upper-case letter; others answer 1 (no root)
  std::set<char> openFails;
  // Media with their lock switch on: opening them for writing is refused.
  std::set<char> writeProtected;
  std::map<char, int> lockFailures;  // failed lock attempts before the lock holds
  std::set<char> dismountFails;
  std::set<char> removalFails;
  std::set<char> ejectFails;

  std::uint32_t DriveType(char letter) override {
    log.Add("DriveType", letter);
    const auto found = driveTypes.find(letter);
    return found == driveTypes.end() ? 1 : found->second;
  }
  static constexpr std::uint32_t kNotFound = 2, kWriteProtect = 19;

  // Logged as Open(E) for reading and writing, Open(E, read-only) for reading.
  launcher::OpenedVolume Open(char letter, launcher::VolumeAccess access) override {
    const bool readOnly = access == launcher::VolumeAccess::ReadOnly;
    if (readOnly) {
      log.Add("Open", letter, "read-only");
    } else {
      log.Add("Open", letter);
    }
    if (openFails.count(letter) != 0) return {launcher::kInvalidVolume, kNotFound};
    if (!readOnly && writeProtected.count(letter) != 0) return {launcher::kInvalidVolume, kWriteProtect};
    const launcher::VolumeHandle handle = nextHandle_++;
    openedDrives_[handle] = letter;
    return {handle, 0};
  }
  bool Lock(launcher::VolumeHandle volume) override {
    log.Add("Lock", Handle(volume));
    return Known(volume) && lockFailures[openedDrives_[volume]]-- <= 0;
  }
  bool Dismount(launcher::VolumeHandle volume) override {
    log.Add("Dismount", Handle(volume));
    return Known(volume) && dismountFails.count(openedDrives_[volume]) == 0;
  }
  bool PreventRemoval(launcher::VolumeHandle volume, bool prevent) override {
    log.Add("PreventRemoval", Handle(volume), prevent ? 1 : 0);
    return Known(volume) && removalFails.count(openedDrives_[volume]) == 0;
  }
  bool Eject(launcher::VolumeHandle volume) override {
    log.Add("Eject", Handle(volume));
    return Known(volume) && ejectFails.count(openedDrives_[volume]) == 0;
  }
  void Close(launcher::VolumeHandle volume) override { log.Add("Close", Handle(volume)); }
  void Sleep(std::uint32_t milliseconds) override { log.Add("Sleep", milliseconds); }

 private:
  static std::string Handle(launcher::VolumeHandle volume) { return Hex(static_cast<std::uint64_t>(volume)); }
  bool Known(launcher::VolumeHandle volume) const { return openedDrives_.count(volume) != 0; }

  std::map<launcher::VolumeHandle, char> openedDrives_;  // every handle ever given out
  launcher::VolumeHandle nextHandle_ = 0x101;
};

}  // namespace testing_support
