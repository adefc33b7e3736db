#pragma once
// DLLs come from Windows' own system directory, never from the program's
// folder or the current one: users run the programs from wherever they
// unpacked them, often the Downloads folder, where a web page can drop a DLL
// named like one of Windows' without asking. Windows builds only.
#include "core/WindowsHandles.h"

namespace core {

// First thing in every program: from here on Windows, and every DLL of
// Windows that the program's calls load, search the system directory only
// where Windows can be told so (Windows 8, and Windows 7 with its 2011 loader
// update), and never the current folder.
void SearchLibrariesInSystemDirectoryOnly();

// A DLL of Windows loaded by the program for a while, from the system
// directory only. It stays loaded as long as this object lives.
class SystemLibrary {
 public:
  explicit SystemLibrary(const wchar_t* fileName);

  // The library's export of that name as a function of the given type, or
  // nullptr where the library or the export is missing.
  template <typename Function>
  Function Find(const char* name) const {
    return reinterpret_cast<Function>(ExportAddress(module_.get(), name));
  }

 private:
  static void* ExportAddress(HMODULE module, const char* name);
  UniqueModule module_;
};

}  // namespace core
