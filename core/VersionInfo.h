#pragma once
// The running program's own version resource (Windows builds only).
#include <string>

namespace core {

struct VersionValues {
  std::wstring fileName;  // the executable's file name on disk, without extension
  unsigned major = 0;
  unsigned minor = 0;
  unsigned revision = 0;  // the fourth field of the file version
  std::wstring legalCopyright;
  std::wstring companyName;
  std::wstring comments;
};

VersionValues ReadOwnVersion();

}  // namespace core
