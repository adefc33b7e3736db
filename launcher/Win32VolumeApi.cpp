#include <windows.h>

#include "launcher/VolumeApi.h"

namespace launcher {
namespace {

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
