#pragma once
// Records every volume call; answers per drive letter as the test scripts it.
// Handles are handed out from 0x101 upwards in the order the volumes are opened.
#include <cstdio>
#include <map>
#include <set>
#include <string>

#include "launcher/MediaEjector.h"
#include "launcher/VolumeApi.h"
#include "testing/CallLog.h"

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
  std::map<launcher::VolumeHandle, char> openedDrives;  // every handle ever given out

  std::uint32_t GetDriveTypeA(const char* rootPath) override {
    log.Add("GetDriveTypeA", Quoted(rootPath));
    const auto found = driveTypes.find(rootPath[0]);
    return found == driveTypes.end() ? 1 : found->second;
  }
  launcher::VolumeHandle CreateFileA(const char* fileName, std::uint32_t access, std::uint32_t shareMode,
                                     const void* security, std::uint32_t disposition, std::uint32_t flags,
                                     launcher::VolumeHandle templateFile) override {
    log.Add("CreateFileA", Quoted(fileName), Hex(access), shareMode, security ? "security" : "null",
            disposition, flags, templateFile);
    const std::string name(fileName);
    const char letter = name.size() == 6 && name.compare(0, 4, "\\\\.\\") == 0 ? name[4] : '?';
    if (openFails.count(letter) != 0) return launcher::kInvalidVolume;
    const launcher::VolumeHandle handle = nextHandle_++;
    openedDrives[handle] = letter;
    return handle;
  }
  std::int32_t DeviceIoControl(launcher::VolumeHandle device, std::uint32_t code, const void* in,
                               std::uint32_t inSize, void* out, std::uint32_t outSize,
                               std::uint32_t& bytesReturned, void* overlapped) override {
    log.Add("DeviceIoControl", Hex(static_cast<std::uint64_t>(device)), Hex(code), Bytes(in, inSize), inSize,
            out ? "buffer" : "null", outSize, overlapped ? "overlapped" : "null");
    bytesReturned = 0;
    const auto drive = openedDrives.find(device);
    if (drive == openedDrives.end()) return 0;
    const char letter = drive->second;
    switch (code) {
      case launcher::kLockVolume:
        return lockFailures[letter]-- > 0 ? 0 : 1;
      case launcher::kDismountVolume:
        return dismountFails.count(letter) ? 0 : 1;
      case launcher::kMediaRemoval:
        return removalFails.count(letter) ? 0 : 1;
      case launcher::kEjectMedia:
        return ejectFails.count(letter) ? 0 : 1;
      default:
        return 0;
    }
  }
  bool CloseHandle(launcher::VolumeHandle handle) override {
    log.Add("CloseHandle", Hex(static_cast<std::uint64_t>(handle)));
    return true;
  }
  void Sleep(std::uint32_t milliseconds) override { log.Add("Sleep", milliseconds); }

 private:
  static std::string Bytes(const void* data, std::uint32_t size) {
    if (data == nullptr) return "null";
    std::string text = "[";
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (std::uint32_t i = 0; i < size; ++i) {
      char byte[4];
      std::snprintf(byte, sizeof(byte), "%02X", bytes[i]);
      text += (i ? " " : "") + std::string(byte);
    }
    return text + "]";
  }

  launcher::VolumeHandle nextHandle_ = 0x101;
};

}  // namespace testing_support
