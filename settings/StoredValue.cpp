#include "settings/StoredValue.h"

namespace settings {

std::optional<std::wstring> TextOfStoredBytes(std::uint32_t type, const std::uint8_t* bytes,
                                              std::size_t size) {
  if (type != kTextValueType || size > kLargestStoredValue) return std::nullopt;
  // One byte holds no character, not even the terminator every written text
  // has: it is what is left of a value, not an empty text.
  if (size == 1) return std::nullopt;
  std::wstring text;
  for (std::size_t i = 0; i + 1 < size; i += 2) {
    // Little-endian, as Windows stores UTF-16.
    const auto unit = static_cast<wchar_t>(bytes[i] | (bytes[i + 1] << 8));
    if (unit == L'\0') break;
    text += unit;
  }
  return text;
}

}  // namespace settings
