#include <windows.h>
// winioctl.h after windows.h: it needs its types.
#include <winioctl.h>

#include "launcher/VolumeApi.h"

namespace launcher {
namespace {

HANDLE AsHandle(VolumeHandle handle) { return reinterpret_cast<HANDLE>(handle); }

bool Control(VolumeHandle volume, DWORD code, const void* in = nullptr, DWORD inSize = 0) {
  DWORD returned = 0;
  return DeviceIoControl(AsHandle(volume), code, const_cast<void*>(in), inSize, nullptr, 0, &returned,
                         nullptr) != FALSE;
}

class Win32VolumeApi : public VolumeApi {
 public:
  std::uint32_t DriveType(char letter) override {
    const char root[] = {letter, ':', '\\', '\0'};
    return GetDriveTypeA(root);
  }
  OpenedVolume Open(char letter, VolumeAccess access) override {
    const char device[] = {'\\', '\\', '.', '\\', letter, ':', '\0'};
    const DWORD rights = access == VolumeAccess::ReadWrite ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ;
    const HANDLE volume =
        CreateFileA(device, rights, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (volume == INVALID_HANDLE_VALUE) return {kInvalidVolume, GetLastError()};
    return {reinterpret_cast<VolumeHandle>(volume), 0};
  }
  bool Lock(VolumeHandle volume) override { return Control(volume, FSCTL_LOCK_VOLUME); }
  bool Dismount(VolumeHandle volume) override { return Control(volume, FSCTL_DISMOUNT_VOLUME); }
  bool PreventRemoval(VolumeHandle volume, bool prevent) override {
    // PREVENT_MEDIA_REMOVAL is one flag byte, sent in a 4-byte buffer.
    const unsigned char request[4] = {static_cast<unsigned char>(prevent ? 1 : 0), 0, 0, 0};
    return Control(volume, IOCTL_STORAGE_MEDIA_REMOVAL, request, sizeof request);
  }
  bool Eject(VolumeHandle volume) override { return Control(volume, IOCTL_STORAGE_EJECT_MEDIA); }
  void Close(VolumeHandle volume) override { CloseHandle(AsHandle(volume)); }
  void Sleep(std::uint32_t milliseconds) override { ::Sleep(milliseconds); }
};

}  // namespace

VolumeApi& SystemVolumeApi() {
  static Win32VolumeApi api;
  return api;
}

}  // namespace launcher
