# Where an exe's bytes come from, read off the GNU ld map made beside it:
#   awk -f map-contributors.awk <program.exe.map>
# prints "<bytes><TAB><contributor>" lines, one per contributor, in no order.
# The sizes are the input sections the linker kept, before alignment.
function hex(text,    n, i, d) {
  n = 0
  for (i = 3; i <= length(text); i++) {
    d = index("0123456789abcdef", tolower(substr(text, i, 1))) - 1
    n = n * 16 + d
  }
  return n
}
function kind(section, file) {
  if (section ~ /^\.eh_frame/) return "unwind tables"
  if (section ~ /^\.rsrc/) return "resources"
  if (file ~ /cp-demangle/) return "the demangler (libstdc++)"
  if (file ~ /libstdc\+\+/) return "libstdc++"
  if (file ~ /winpthread/) return "winpthread"
  if (file ~ /libgcc/) return "libgcc"
  if (file ~ /libmingwex.*(printf|pformat|scanf)/) return "mingw printf"
  if (file ~ /libmingw|crt2|crtbegin|crtend/) return "mingw runtime"
  if (file ~ /\/lib\/\.\.\/lib\/lib[a-z0-9_]+\.a\(/) return "import tables"
  # The programs are linked with link-time optimisation: their code comes out
  # of the optimiser's own object files.
  if (file ~ /\.obj|\.res|build\/|ltrans/) return "our code"
  return "other"
}
/^Linker script and memory map/ { on = 1; next }
!on { next }
# An input section: " .name  0xADDRESS  0xSIZE  file", the name alone on its
# line when it is long.
/^ \.[^ ]+$/ { pending = $1; next }
{
  if (pending != "" && $1 ~ /^0x/ && $2 ~ /^0x/ && NF >= 3) { section = pending; size = $2; file = $3 }
  else if ($1 ~ /^\./ && $2 ~ /^0x/ && $3 ~ /^0x/ && NF >= 4) { section = $1; size = $3; file = $4 }
  else { pending = ""; next }
  pending = ""
  bytes[kind(section, file)] += hex(size)
}
END { for (k in bytes) printf "%d\t%s\n", bytes[k], k }
