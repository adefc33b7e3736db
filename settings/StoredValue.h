#pragma once
// A value as the settings store holds it, read as the programs read it. The
// registry is shared with every other program and with the user's own hand:
// a value the programs look for may be of any type, of an odd length, without
// its terminator, with NULs inside or very large. Reading it takes a bounded
// number of steps whatever it holds, and what the programs could not have
// written reads as no text at all.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace settings {

// The registry's number for a text value (REG_SZ), the only type the
// programs write.
inline constexpr std::uint32_t kTextValueType = 1;

// The largest value read at all: the registry's own limit for a value in its
// standard format. Nothing the programs write comes near it; a larger value
// is not theirs.
inline constexpr std::size_t kLargestStoredValue = 1024 * 1024;

enum class StoredState {
  Missing,     // never written
  Unreadable,  // there, but not text the programs wrote
  Text,
};

struct StoredValue {
  StoredState state = StoredState::Missing;
  std::wstring text;  // for Text only

  static StoredValue OfText(std::wstring text) { return {StoredState::Text, std::move(text)}; }
  static StoredValue Unreadable() { return {StoredState::Unreadable, {}}; }
};

// The text of a value's raw bytes as the registry hands them over: for a
// text value, its UTF-16 code units up to the first NUL (its terminator, or
// one inside it), a stray last byte of an odd length dropped; nothing for a
// lone byte, for a value over the limit or for any other type. No byte past
// size is read.
std::optional<std::wstring> TextOfStoredBytes(std::uint32_t type, const std::uint8_t* bytes,
                                              std::size_t size);

}  // namespace settings
