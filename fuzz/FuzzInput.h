#pragma once
// What the fuzz targets share: the raw bytes turned into the text a program
// would receive, a settings store written as sections of key=value lines, and
// the check that stops the run when a property breaks.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fuzz {

// Windows hands the programs UTF-16. The bytes are read as UTF-8, so the seed
// files stay readable, and become UTF-16 code units as on Windows: a character
// beyond the first plane becomes a surrogate pair, an encoded surrogate stays
// alone, and a byte that starts no valid sequence stands for the code unit of
// its own value. Every 16-bit unit can thus be reached.
inline std::wstring WideText(const std::uint8_t* data, std::size_t size) {
  std::wstring text;
  std::size_t i = 0;
  while (i < size) {
    const std::uint8_t lead = data[i];
    const std::size_t length = lead < 0x80             ? 1
                               : (lead & 0xE0) == 0xC0 ? 2
                               : (lead & 0xF0) == 0xE0 ? 3
                               : (lead & 0xF8) == 0xF0 ? 4
                                                       : 0;
    char32_t c = length == 1 ? lead : lead & (0xFF >> (length + 1));
    bool valid = length != 0 && i + length <= size;
    for (std::size_t k = 1; valid && k < length; ++k) {
      valid = (data[i + k] & 0xC0) == 0x80;
      c = (c << 6) | (data[i + k] & 0x3F);
    }
    if (!valid || c > 0x10FFFF) {
      text += static_cast<wchar_t>(lead);
      ++i;
      continue;
    }
    if (c >= 0x10000) {
      c -= 0x10000;
      text += static_cast<wchar_t>(0xD800 + (c >> 10));
      text += static_cast<wchar_t>(0xDC00 + (c & 0x3FF));
    } else {
      text += static_cast<wchar_t>(c);
    }
    i += length;
  }
  return text;
}

// The text split at each line feed; everything else, a carriage return
// included, stays part of its line, as a registry value may hold it.
inline std::vector<std::wstring> Lines(std::wstring_view text) {
  std::vector<std::wstring> lines;
  for (;;) {
    const auto end = text.find(L'\n');
    lines.emplace_back(text.substr(0, end));
    if (end == std::wstring_view::npos) return lines;
    text.remove_prefix(end + 1);
  }
}

// section -> key -> stored text.
using Sections = std::map<std::wstring, std::map<std::wstring, std::wstring>>;

// A store written like an .ini file: "[section]" starts a section, "key=text"
// stores text under the key (the first '=' ends the key), "!key" (no '=')
// stores a value that is not text, as another program may leave one, and
// other lines are ignored. Values before the first section header go to the
// unnamed section.
struct Store {
  Sections text;
  std::vector<std::pair<std::wstring, std::wstring>> notText;  // (section, key)
};
inline Store ParseStore(const std::vector<std::wstring>& lines) {
  Store store;
  std::wstring section;
  for (const auto& line : lines) {
    if (line.size() >= 2 && line.front() == L'[' && line.back() == L']') {
      section = line.substr(1, line.size() - 2);
    } else if (const auto equals = line.find(L'='); equals != std::wstring::npos) {
      store.text[section][line.substr(0, equals)] = line.substr(equals + 1);
    } else if (line.size() >= 2 && line.front() == L'!') {
      store.notText.emplace_back(section, line.substr(1));
    }
  }
  return store;
}
inline Sections ParseSections(const std::vector<std::wstring>& lines) { return ParseStore(lines).text; }

// Stops the run, so libFuzzer keeps the input that broke the property.
inline void Require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", property);
  std::abort();
}

// The one blank rule of every reader of the programs, for a stored number as
// for dovra's argument: a space or a tab, and nothing else, is a blank.
inline bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

inline std::wstring_view TrimBlanks(std::wstring_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// A decimal integer "[+|-]digits" once the blanks on both sides are dropped.
// Written apart from the code under test, to measure it against.
struct Decimal {
  bool isNumber = false;
  bool negative = false;
  std::wstring magnitude;  // no leading zeros; "0" for zero
};
inline Decimal ReadDecimal(std::wstring_view text) {
  text = TrimBlanks(text);
  if (text.empty()) return {};
  Decimal d;
  if (text.front() == L'+' || text.front() == L'-') {
    d.negative = text.front() == L'-';
    text.remove_prefix(1);
  }
  const auto isDigit = [](wchar_t c) { return c >= L'0' && c <= L'9'; };
  if (text.empty() || !std::all_of(text.begin(), text.end(), isDigit)) return {};
  const auto nonZero = text.find_first_not_of(L'0');
  d.magnitude = nonZero == std::wstring_view::npos ? L"0" : std::wstring(text.substr(nonZero));
  d.isNumber = true;
  return d;
}

// The value of a decimal that lies within [low, high] (bounds of at most nine
// digits); nullopt for anything else.
inline std::optional<long> DecimalWithin(const Decimal& d, long low, long high) {
  if (!d.isNumber || d.magnitude.size() > 9) return std::nullopt;
  const long value = d.negative ? -std::stol(d.magnitude) : std::stol(d.magnitude);
  if (value < low || value > high) return std::nullopt;
  return value;
}

}  // namespace fuzz
