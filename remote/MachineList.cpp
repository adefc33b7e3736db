#include "remote/MachineList.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>

namespace remote {
namespace {

bool IsSeparator(wchar_t c) { return c == L',' || c == L';' || c == L'\t'; }

// Blanks a user may leave around a name: a space, the ideographic space a
// Japanese input method types, and the carriage return of a file's line end.
bool IsBlankAroundName(wchar_t c) { return c == L' ' || c == L'\x3000' || c == L'\r'; }

std::wstring_view Trimmed(std::wstring_view text) {
  while (!text.empty() && IsBlankAroundName(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlankAroundName(text.back())) text.remove_suffix(1);
  return text;
}

// Windows compares computer names without regard to case, through its own
// upper-case table. The letters that have a case in the scripts computer
// names are written in: Latin, full-width Latin, Greek and Cyrillic.
wchar_t Upper(wchar_t c) {
  if ((c >= L'a' && c <= L'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7) ||
      (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) || (c >= 0x430 && c <= 0x44F))
    return static_cast<wchar_t>(c - 0x20);
  if (c >= 0x450 && c <= 0x45F) return static_cast<wchar_t>(c - 0x50);
  if (c >= 0xFF41 && c <= 0xFF5A) return static_cast<wchar_t>(c - 0x20);
  return c;
}

std::wstring CaseFolded(std::wstring_view name) {
  std::wstring folded(name.size(), L'\0');
  std::transform(name.begin(), name.end(), folded.begin(), Upper);
  return folded;
}

void AppendCodePoint(std::wstring& text, char32_t c) {
  if (sizeof(wchar_t) == 2 && c >= 0x10000) {
    text += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
    text += static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
  } else {
    text += static_cast<wchar_t>(c);
  }
}

// The text of well-formed UTF-8; nothing when any sequence is not.
std::optional<std::wstring> FromUtf8(std::string_view bytes) {
  std::wstring text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const std::size_t length = lead < 0x80                   ? 1
                               : lead >= 0xC2 && lead < 0xE0 ? 2
                               : lead >= 0xE0 && lead < 0xF0 ? 3
                               : lead >= 0xF0 && lead < 0xF5 ? 4
                                                             : 0;
    if (length == 0 || i + length > bytes.size()) return std::nullopt;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      c = (c << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and code points past Unicode are not UTF-8.
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kLeast[length] || (c >= 0xD800 && c < 0xE000) || c > 0x10FFFF) return std::nullopt;
    AppendCodePoint(text, c);
    i += length;
  }
  return text;
}

}  // namespace

bool NamesAList(std::wstring_view typed) {
  return std::any_of(typed.begin(), typed.end(), IsSeparator) || ListFilePath(typed).has_value();
}

std::optional<std::wstring> ListFilePath(std::wstring_view typed) {
  typed = Trimmed(typed);
  if (typed.empty() || typed.front() != L'@') return std::nullopt;
  return std::wstring(Trimmed(typed.substr(1)));
}

MachineList ReadMachineList(std::wstring_view text, bool fileComments) {
  MachineList list;
  std::unordered_set<std::wstring> seen;
  bool inComment = false;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    const wchar_t c = i < text.size() ? text[i] : L'\n';
    const bool endsLine = c == L'\n';
    const bool endsEntry = endsLine || IsSeparator(c) || (fileComments && c == L'#');
    if (!endsEntry) continue;
    if (!inComment) {
      std::wstring_view entry = Trimmed(text.substr(start, i - start));
      while (entry.starts_with(L"\\\\")) entry = Trimmed(entry.substr(2));
      if (!entry.empty() && seen.insert(CaseFolded(entry)).second) {
        if (list.machines.size() == kMostMachinesInAList) return {{}, ListProblem::TooManyMachines};
        list.machines.push_back(ChooseMachine(std::wstring(entry)));
      }
    }
    inComment = !endsLine && (inComment || (fileComments && c == L'#'));
    start = i + 1;
  }
  if (list.machines.empty()) list.problem = ListProblem::NoMachine;
  return list;
}

std::wstring DecodeListFile(std::string_view bytes,
                            const std::function<std::wstring(std::string_view)>& fromAnsi) {
  if (bytes.starts_with("\xFF\xFE")) {
    std::wstring text;
    text.reserve(bytes.size() / 2);
    // A stray last byte holds no character.
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
      const auto unit = static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                              (static_cast<unsigned char>(bytes[i + 1]) << 8));
      // On a host whose wide characters are 32 bits, a pair is joined.
      if (sizeof(wchar_t) == 4 && unit >= 0xDC00 && unit < 0xE000 && !text.empty() && text.back() >= 0xD800 &&
          text.back() < 0xDC00) {
        text.back() = static_cast<wchar_t>(0x10000 + ((text.back() - 0xD800) << 10) + (unit - 0xDC00));
      } else {
        text += static_cast<wchar_t>(unit);
      }
    }
    return text;
  }
  const bool markedUtf8 = bytes.starts_with("\xEF\xBB\xBF");
  if (markedUtf8) bytes.remove_prefix(3);
  if (auto text = FromUtf8(bytes)) return std::move(*text);
  return fromAnsi(bytes);
}

std::wstring JoinedNames(const std::vector<MachineChoice>& machines) {
  std::wstring joined;
  for (const auto& machine : machines) {
    if (!joined.empty()) joined += L", ";
    joined += machine.displayName;
  }
  return joined;
}

}  // namespace remote
