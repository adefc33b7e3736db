#pragma once
// What the media ejector asks of a drive's volume, said by intent: the real
// implementation (Win32VolumeApi.cpp) makes the Windows calls, the fake beside
// it answers per drive letter. The exact calls are proven by the journeys on
// the shipped program.
#include <cstdint>

namespace launcher {

// A volume HANDLE carried as an integer; -1 is INVALID_HANDLE_VALUE.
using VolumeHandle = std::intptr_t;
inline constexpr VolumeHandle kInvalidVolume = -1;

enum class VolumeAccess { ReadWrite, ReadOnly };

// An opened volume, or kInvalidVolume with the error code Windows gave.
struct OpenedVolume {
  VolumeHandle handle = kInvalidVolume;
  std::uint32_t errorCode = 0;
};

class VolumeApi {
 public:
  virtual ~VolumeApi() = default;
  // The GetDriveType answer for the drive of an upper-case letter.
  virtual std::uint32_t DriveType(char letter) = 0;
  // Opens the drive's volume, shared, for reading and writing or for reading only.
  virtual OpenedVolume Open(char letter, VolumeAccess access) = 0;
  // One request each; true when Windows carried it out.
  virtual bool Lock(VolumeHandle volume) = 0;
  virtual bool Dismount(VolumeHandle volume) = 0;
  virtual bool PreventRemoval(VolumeHandle volume, bool prevent) = 0;
  virtual bool Eject(VolumeHandle volume) = 0;
  virtual void Close(VolumeHandle volume) = 0;
  virtual void Sleep(std::uint32_t milliseconds) = 0;
};

// The real implementation (Windows build only).
VolumeApi& SystemVolumeApi();

}  // namespace launcher
