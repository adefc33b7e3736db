#include <windows.h>
// winioctl.h after windows.h: it needs its types.
#include <winioctl.h>

#include "launcher/MediaEjector.h"
#include "launcher/VolumeApi.h"

namespace launcher {
namespace {

// The ejector is shared with the host build, so it spells these out; here
// they are held against Windows' own.
static_assert(kGenericReadWrite == (GENERIC_READ | GENERIC_WRITE));
static_assert(kShareReadWrite == (FILE_SHARE_READ | FILE_SHARE_WRITE) && kOpenExisting == OPEN_EXISTING);
static_assert(kLockVolume == FSCTL_LOCK_VOLUME && kDismountVolume == FSCTL_DISMOUNT_VOLUME);
static_assert(kMediaRemoval == IOCTL_STORAGE_MEDIA_REMOVAL && kEjectMedia == IOCTL_STORAGE_EJECT_MEDIA);

HANDLE AsHandle(VolumeHandle handle) { return reinterpret_cast<HANDLE>(handle); }

class Win32VolumeApi : public VolumeApi {
 public:
  std::uint32_t GetDriveTypeA(const char* rootPath) override { return ::GetDriveTypeA(rootPath); }
  VolumeHandle CreateFileA(const char* fileName, std::uint32_t access, std::uint32_t shareMode,
                           const void* security, std::uint32_t disposition, std::uint32_t flags,
                           VolumeHandle templateFile) override {
    return reinterpret_cast<VolumeHandle>(::CreateFileA(
        fileName, access, shareMode, static_cast<SECURITY_ATTRIBUTES*>(const_cast<void*>(security)),
        disposition, flags, AsHandle(templateFile)));
  }
  std::int32_t DeviceIoControl(VolumeHandle device, std::uint32_t code, const void* in, std::uint32_t inSize,
                               void* out, std::uint32_t outSize, std::uint32_t& bytesReturned,
                               void* overlapped) override {
    DWORD returned = 0;
    const BOOL result = ::DeviceIoControl(AsHandle(device), code, const_cast<void*>(in), inSize, out, outSize,
                                          &returned, static_cast<OVERLAPPED*>(overlapped));
    bytesReturned = returned;
    return result;
  }
  bool CloseHandle(VolumeHandle handle) override { return ::CloseHandle(AsHandle(handle)) != FALSE; }
  void Sleep(std::uint32_t milliseconds) override { ::Sleep(milliseconds); }
};

}  // namespace

VolumeApi& SystemVolumeApi() {
  static Win32VolumeApi api;
  return api;
}

}  // namespace launcher
