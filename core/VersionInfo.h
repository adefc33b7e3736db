#pragma once
// The running program's own version resource, read where it lies in the
// program's image (core/VersionResource.h). The values are views into that
// image and into the program's path, which an OwnVersion holds; reading them
// takes nothing from the C++ library, so dovra, which is built without
// exceptions, reads them too.
#include <memory>
#include <string_view>

namespace core {

struct VersionValues {
  std::wstring_view fileName;  // the executable's file name on disk, without extension
  unsigned major = 0;
  unsigned minor = 0;
  unsigned revision = 0;  // the fourth field of the file version
  std::wstring_view legalCopyright;
  std::wstring_view companyName;
  std::wstring_view comments;
};

// Reads the values once, on construction (Windows builds only). What cannot be
// read stays empty or zero.
class OwnVersion {
 public:
  OwnVersion();
  const VersionValues& Values() const { return values_; }

 private:
  struct HeapFree {
    void operator()(void* block) const;
  };
  std::unique_ptr<wchar_t[], HeapFree> path_;
  VersionValues values_;
};

}  // namespace core
