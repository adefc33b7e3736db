#pragma once
// Taking the media out of removable drives before the session ends: unmount
// the file system, release any removal lock, push the medium out. Nothing is
// ever shown; a failing drive is passed over. Each drive's ejection answers
// with the record of its failing step, the failure's number and message; the
// scan of every drive reads none of them.
#include <cstdint>
#include <string>
#include <string_view>

#include "launcher/VolumeApi.h"
#include "platform/SystemServices.h"

namespace launcher {

inline constexpr std::uint32_t kEjectNotEjectable = 0x80040001;
inline constexpr std::uint32_t kEjectOpenFailed = 0x80040002;
inline constexpr std::uint32_t kEjectLockFailed = 0x80040003;
inline constexpr std::uint32_t kEjectDismountFailed = 0x80040004;
inline constexpr std::uint32_t kEjectRemovalFailed = 0x80040005;
inline constexpr std::uint32_t kEjectEjectFailed = 0x80040006;

inline constexpr int kLockAttempts = 21;
inline constexpr std::uint32_t kLockRetryMilliseconds = 500;

// What the failing step of one drive left behind; number 0 while none failed.
struct EjectFailure {
  std::uint32_t number = 0;
  std::wstring message;
};

// The message of each failure number; empty for a number that is not one of ours.
std::wstring EjectMessage(std::uint32_t number);

// Every removable drive from C to Z in turn. Passes no failure on, whatever happens.
void EjectRemovableMedia(platform::SystemServices& system, VolumeApi& volumes) noexcept;

// One drive; only the first character of drive counts. The failing step's
// number and message, if one failed, once the volume has been closed: a
// result its caller takes or passes over on purpose.
[[nodiscard]] EjectFailure EjectDrive(VolumeApi& api, std::wstring_view drive);

// The steps; each records its failure and returns kInvalidVolume or false, never raises.
VolumeHandle OpenDriveVolume(VolumeApi& api, std::wstring_view drive, EjectFailure& failure);
bool LockDriveVolume(VolumeApi& api, VolumeHandle volume, EjectFailure& failure);
bool DismountDriveVolume(VolumeApi& api, VolumeHandle volume, EjectFailure& failure);
bool SetMediaRemoval(VolumeApi& api, VolumeHandle volume, bool prevent, EjectFailure& failure);
bool EjectDriveMedia(VolumeApi& api, VolumeHandle volume, EjectFailure& failure);

}  // namespace launcher
