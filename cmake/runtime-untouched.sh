#!/usr/bin/env bash
# Proves that each program takes the C++ and GCC runtime as the toolchain
# ships it, none of its parts replaced by ours:
#   runtime-untouched.sh <program.exe.map>...
# Reads the linker's map of each program (written beside it): no symbol that
# our own objects define may be one of the runtime's own entry points, such as
# the terminate handler, the demangler, operator new or the exception ABI.
set -euo pipefail
failures=0
for map in "$@"; do
  found=$(awk '
    /^Linker script and memory map/ { on = 1; next }
    !on { next }
    # An input section line names its file last; a symbol line is an address
    # and a name. Our objects are the link-time optimiser'"'"'s output and the
    # objects of the build tree.
    /^ \.[^ ]+ +0x/ || /^ +0x[0-9a-f]+ +0x[0-9a-f]+ / { ours = ($NF ~ /ltrans|\.obj$/); next }
    /^ \.[^ ]+$/ { next }
    ours && /^ +0x[0-9a-f]+ +[^ ]/ {
      name = $0
      sub(/^ +0x[0-9a-f]+ +/, "", name)
      # Inline functions of the library headers are ours to instantiate;
      # these are what only the runtime itself defines.
      if (name ~ /^(__cxa_|__gxx_personality|__gcc_personality|_Unwind_|__emutls_|__cxxabiv1::|__gnu_cxx::__verbose_terminate_handler|std::__throw_|std::(set_|get_)?terminate\(|operator new|operator delete)/)
        print name
    }' "$map")
  if [ -n "$found" ]; then
    echo "FAILED: $(basename "$map" .map) defines what the runtime defines:"
    sed 's/^/  /' <<<"$found"
    failures=$((failures + 1))
  else
    echo "ok: $(basename "$map" .map) leaves the runtime as it is"
  fi
done
exit $((failures > 0))
