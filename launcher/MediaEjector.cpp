#include "launcher/MediaEjector.h"

#include "core/Text.h"
#include "core/Unique.h"

namespace launcher {
namespace {

// What Windows answers for write access to a medium whose lock switch is on
// (ERROR_WRITE_PROTECT), or that refuses writing to this user (ERROR_ACCESS_DENIED).
constexpr std::uint32_t kWriteProtect = 19;
constexpr std::uint32_t kAccessDenied = 5;

void Record(EjectFailure& failure, std::uint32_t number) {
  failure.number = number;
  failure.message = EjectMessage(number);
}

}  // namespace

std::wstring EjectMessage(std::uint32_t number) {
  switch (number) {
    case kEjectNotEjectable:
      return L"ｲｼﾞｪｸﾄできないﾄﾞﾗｲﾌﾞです";
    case kEjectOpenFailed:
      return L"ﾎﾞﾘｭｰﾑﾊﾝﾄﾞﾙの取得に失敗しました";
    case kEjectLockFailed:
      return L"ﾃﾞﾊﾞｲｽのﾛｯｸに失敗しました";
    case kEjectDismountFailed:
      return L"ﾃﾞﾊﾞｲｽのﾃﾞｨｽﾏｳﾝﾄに失敗しました";
    case kEjectRemovalFailed:
      return L"ﾃﾞﾊﾞｲｽのﾘﾑｰﾌﾞに失敗しました";
    case kEjectEjectFailed:
      return L"ﾃﾞﾊﾞｲｽのｲｼﾞｪｸﾄに失敗しました";
    default:
      return {};
  }
}

void EjectRemovableMedia(platform::SystemServices& system, VolumeApi& volumes) noexcept {
  // A and B are floppy letters, never ejected this way.
  for (wchar_t letter = L'C'; letter <= L'Z'; ++letter) {
    try {
      const std::wstring drive(1, letter);
      // A drive that fails keeps its medium: its failure is shown nowhere, and
      // the scan and the session end go on.
      if (system.DriveType(drive) == platform::kDriveRemovable) static_cast<void>(EjectDrive(volumes, drive));
    } catch (...) {
      // Nor may anything raised on the way keep the other drives in.
    }
  }
}

EjectFailure EjectDrive(VolumeApi& api, std::wstring_view drive) {
  EjectFailure failure;
  const VolumeHandle volume = OpenDriveVolume(api, drive, failure);
  if (volume != kInvalidVolume) {
    // Closed however EjectDrive leaves, the answer ignored: there is nothing
    // left to do for a handle that will not close.
    const core::ScopeExit close([&api, volume] {
      try {
        api.Close(volume);
      } catch (...) {
      }
    });
    // Each step only once all before it succeeded; the eject's own answer changes nothing.
    if (LockDriveVolume(api, volume, failure) && DismountDriveVolume(api, volume, failure) &&
        SetMediaRemoval(api, volume, false, failure)) {
      EjectDriveMedia(api, volume, failure);
    }
  }
  return failure;
}

VolumeHandle OpenDriveVolume(VolumeApi& api, std::wstring_view drive, EjectFailure& failure) {
  const wchar_t letter = drive.empty() ? L'\0' : core::AsciiUpper(drive.front());
  // Only a letter can name a volume device; A and B are floppy drives.
  if (letter < L'C' || letter > L'Z') {
    Record(failure, kEjectNotEjectable);
    return kInvalidVolume;
  }
  const char name = static_cast<char>(letter);
  // Asked again at the moment of opening: the medium may have changed since the scan.
  if (api.DriveType(name) != platform::kDriveRemovable) {
    Record(failure, kEjectNotEjectable);
    return kInvalidVolume;
  }
  OpenedVolume opened = api.Open(name, VolumeAccess::ReadWrite);
  // A write-protected card or stick ejects all the same: its volume is locked,
  // dismounted and ejected through a handle for reading.
  if (opened.handle == kInvalidVolume &&
      (opened.errorCode == kWriteProtect || opened.errorCode == kAccessDenied))
    opened = api.Open(name, VolumeAccess::ReadOnly);
  if (opened.handle == kInvalidVolume) Record(failure, kEjectOpenFailed);
  return opened.handle;
}

bool LockDriveVolume(VolumeApi& api, VolumeHandle volume, EjectFailure& failure) {
  // Files still closing or an indexer may hold the volume for a moment: wait
  // about ten seconds for it before giving the drive up, and not a moment
  // longer once the last attempt has failed.
  for (int attempt = 0; attempt < kLockAttempts; ++attempt) {
    if (api.Lock(volume)) return true;
    if (attempt + 1 < kLockAttempts) api.Sleep(kLockRetryMilliseconds);
  }
  Record(failure, kEjectLockFailed);
  return false;
}

bool DismountDriveVolume(VolumeApi& api, VolumeHandle volume, EjectFailure& failure) {
  if (api.Dismount(volume)) return true;
  Record(failure, kEjectDismountFailed);
  return false;
}

bool SetMediaRemoval(VolumeApi& api, VolumeHandle volume, bool prevent, EjectFailure& failure) {
  if (api.PreventRemoval(volume, prevent)) return true;
  Record(failure, kEjectRemovalFailed);
  return false;
}

bool EjectDriveMedia(VolumeApi& api, VolumeHandle volume, EjectFailure& failure) {
  if (api.Eject(volume)) return true;
  Record(failure, kEjectEjectFailed);
  return false;
}

}  // namespace launcher
