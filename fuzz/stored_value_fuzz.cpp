// A stored value's raw bytes, of any type and length, as the programs read
// them: the reading ends, reads no byte past the value (AddressSanitizer
// watches the exact-size buffer libFuzzer hands over), and gives text for a
// text value only, never for a lone byte: the whole UTF-16 code units before
// the first NUL. The first byte of the input is the value's type, the rest
// its bytes.
#include <cstdint>
#include <string>

#include "fuzz/FuzzInput.h"
#include "settings/StoredValue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using fuzz::Require;
  if (size == 0) return 0;
  // Types 0 to 11 are the registry's; the rest stand for anything else.
  const std::uint32_t type = data[0] < 16 ? data[0] : 0x10000u + data[0];
  const std::uint8_t* bytes = data + 1;
  const std::size_t length = size - 1;

  const auto text = settings::TextOfStoredBytes(type, bytes, length);
  Require(text.has_value() == (type == settings::kTextValueType && length != 1),
          "a text value has text, unless it is a lone byte; no other value has");
  if (!text) return 0;
  Require(text->size() <= length / 2, "no more characters than whole pairs of bytes");
  Require(text->find(L'\0') == std::wstring::npos, "the text holds no NUL");
  for (std::size_t i = 0; i < text->size(); ++i) {
    const auto unit = static_cast<std::uint16_t>((*text)[i]);
    Require(unit == (bytes[2 * i] | bytes[2 * i + 1] << 8), "each character is its two bytes, low first");
  }
  const std::size_t end = 2 * text->size();
  Require(end + 1 >= length || (bytes[end] == 0 && bytes[end + 1] == 0),
          "the text ends at a NUL or where whole characters run out");
  return 0;
}
