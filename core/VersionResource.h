#pragma once
// A version resource (VS_VERSIONINFO) read as it lies in the executable, so
// that a program reads its own version without version.dll, which is not one
// of the DLLs Windows always loads from its own directory. Nothing here
// allocates or throws, so dovra, built without either, uses it too.
#include <cstddef>
#include <string_view>

namespace core {

struct VersionResourceFields {
  unsigned major = 0;
  unsigned minor = 0;
  unsigned revision = 0;  // the fourth field of the file version
  // Views into the resource; empty where the resource has no such string.
  std::u16string_view legalCopyright;
  std::u16string_view companyName;
  std::u16string_view comments;
};

// The file version, and the strings of the first language the resource lists
// under "VarFileInfo\Translation". The block must start on an even address,
// as a loaded resource does. What is malformed or cut short is not read: its
// fields stay zero or empty.
VersionResourceFields ReadVersionResource(const unsigned char* block, std::size_t size);

}  // namespace core
