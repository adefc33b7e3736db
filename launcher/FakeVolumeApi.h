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
  std::map<char, int> lockFailures;  // failed lock attempts before the lock holds
  std::set<char> dismountFails;
  std::set<char> removalFails;
  std::set<char> ejectFails;

  std::uint32_t DriveType(char letter) override {
    log.Add("DriveType", letter);
    const auto found = driveTypes.find(letter);
    return found == driveTypes.end() ? 1 : found->second;
  }
  launcher::VolumeHandle Open(char letter) override {
    log.Add("Open", letter);
    if (openFails.count(letter) != 0) return launcher::kInvalidVolume;
    const launcher::VolumeHandle handle = nextHandle_++;
    openedDrives_[handle] = letter;
    return handle;
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
