#pragma once
// The kernel32 calls the ejection makes, and nothing more: the real
// implementation forwards them to Windows, the fake in testing/ records them.
#include <cstdint>

namespace launcher {

// A HANDLE carried as an integer; -1 is INVALID_HANDLE_VALUE.
using VolumeHandle = std::intptr_t;
inline constexpr VolumeHandle kInvalidVolume = -1;

class VolumeApi {
 public:
  virtual ~VolumeApi() = default;
  virtual std::uint32_t GetDriveTypeA(const char* rootPath) = 0;
  virtual VolumeHandle CreateFileA(const char* fileName, std::uint32_t access, std::uint32_t shareMode,
                                   const void* security, std::uint32_t disposition, std::uint32_t flags,
                                   VolumeHandle templateFile) = 0;
  // Returns the BOOL of the call: non-zero for success.
  virtual std::int32_t DeviceIoControl(VolumeHandle device, std::uint32_t code, const void* in,
                                       std::uint32_t inSize, void* out, std::uint32_t outSize,
                                       std::uint32_t& bytesReturned, void* overlapped) = 0;
  virtual bool CloseHandle(VolumeHandle handle) = 0;
  virtual void Sleep(std::uint32_t milliseconds) = 0;
};

// The real implementation (Windows build only).
VolumeApi& SystemVolumeApi();

}  // namespace launcher
