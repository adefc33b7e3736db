#include "core/VersionResource.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace core {
namespace {

// Every node of the resource begins with three 16-bit fields (its length in
// bytes, its value's length, its type: 1 for text, 0 for binary), then its
// key as NUL-terminated UTF-16; value and children each start on the next
// 32-bit boundary.
constexpr std::size_t kHeaderBytes = 6;
constexpr std::uint16_t kTextValue = 1;
// VS_FIXEDFILEINFO: its signature, then the file version's high and low 32 bits.
constexpr std::uint32_t kFixedInfoSignature = 0xFEEF04BD;
constexpr std::size_t kFixedInfoBytes = 52;

struct Node {
  std::size_t end = 0;
  std::size_t keyBegin = 0;
  std::size_t keyUnits = 0;
  std::size_t valueBegin = 0;
  std::size_t valueBytes = 0;
  std::uint16_t type = 0;
  std::size_t childrenBegin = 0;
};

constexpr std::size_t AlignTo32Bits(std::size_t offset) { return (offset + 3) & ~std::size_t{3}; }

class Block {
 public:
  Block(const unsigned char* bytes, std::size_t size) : bytes_(bytes), size_(size) {}

  std::uint16_t Word(std::size_t at) const {
    return static_cast<std::uint16_t>(bytes_[at] | bytes_[at + 1] << 8);
  }
  std::uint32_t Dword(std::size_t at) const {
    return Word(at) | static_cast<std::uint32_t>(Word(at + 2)) << 16;
  }

  // The node that starts at begin and lies wholly before limit.
  std::optional<Node> NodeAt(std::size_t begin, std::size_t limit) const {
    if (limit > size_ || begin > limit || limit - begin < kHeaderBytes) return std::nullopt;
    Node node;
    const std::size_t length = Word(begin);
    if (length < kHeaderBytes || length > limit - begin) return std::nullopt;
    node.end = begin + length;
    node.type = Word(begin + 4);
    node.keyBegin = begin + kHeaderBytes;
    std::size_t at = node.keyBegin;
    while (at + 2 <= node.end && Word(at) != 0) at += 2;
    if (at + 2 > node.end) return std::nullopt;
    node.keyUnits = (at - node.keyBegin) / 2;
    node.valueBegin = AlignTo32Bits(at + 2);
    const std::size_t valueLength = Word(begin + 2);
    node.valueBytes = node.type == kTextValue ? valueLength * 2 : valueLength;
    // A value said to be longer than its node is read only up to the node's end.
    node.valueBegin = std::min(node.valueBegin, node.end);
    node.valueBytes = std::min(node.valueBytes, node.end - node.valueBegin);
    node.childrenBegin = std::min(node.end, AlignTo32Bits(node.valueBegin + node.valueBytes));
    return node;
  }

  // The key compared as Windows compares it here: ASCII letters in either case.
  bool KeyIs(const Node& node, std::u16string_view key) const {
    if (node.keyUnits != key.size()) return false;
    for (std::size_t i = 0; i < key.size(); ++i) {
      if (Fold(Word(node.keyBegin + 2 * i)) != Fold(key[i])) return false;
    }
    return true;
  }

  // The first child of parent with that key.
  std::optional<Node> Child(const Node& parent, std::u16string_view key) const {
    for (std::size_t at = parent.childrenBegin; at < parent.end;) {
      const auto child = NodeAt(at, parent.end);
      if (!child) break;
      if (KeyIs(*child, key)) return child;
      at = AlignTo32Bits(child->end);
    }
    return std::nullopt;
  }

  // A text value up to its first NUL.
  std::u16string_view Text(const Node& node) const {
    std::size_t units = 0;
    while (units < node.valueBytes / 2 && Word(node.valueBegin + 2 * units) != 0) ++units;
    return {reinterpret_cast<const char16_t*>(bytes_ + node.valueBegin), units};
  }

 private:
  static char16_t Fold(std::uint32_t c) {
    return static_cast<char16_t>(c >= u'a' && c <= u'z' ? c - (u'a' - u'A') : c);
  }

  const unsigned char* bytes_;
  std::size_t size_;
};

// The StringFileInfo table's key for a language and code page: eight hexadecimal digits.
void TableKey(std::uint32_t translation, char16_t (&key)[8]) {
  constexpr char16_t kDigits[] = u"0123456789ABCDEF";
  const std::uint32_t languageThenCodePage = (translation & 0xFFFF) << 16 | translation >> 16;
  for (int i = 0; i < 8; ++i) key[i] = kDigits[(languageThenCodePage >> (28 - 4 * i)) & 0xF];
}

}  // namespace

VersionResourceFields ReadVersionResource(const unsigned char* bytes, std::size_t size) {
  VersionResourceFields fields;
  const Block block(bytes, size);
  const auto root = block.NodeAt(0, size);
  if (!root || !block.KeyIs(*root, u"VS_VERSION_INFO")) return fields;

  if (root->valueBytes >= kFixedInfoBytes && block.Dword(root->valueBegin) == kFixedInfoSignature) {
    const std::uint32_t high = block.Dword(root->valueBegin + 8);
    const std::uint32_t low = block.Dword(root->valueBegin + 12);
    fields.major = high >> 16;
    fields.minor = high & 0xFFFF;
    fields.revision = low & 0xFFFF;
  }

  const auto variables = block.Child(*root, u"VarFileInfo");
  const auto translations = variables ? block.Child(*variables, u"Translation") : std::nullopt;
  if (!translations || translations->valueBytes < 4) return fields;
  char16_t key[8];
  TableKey(block.Dword(translations->valueBegin), key);

  const auto strings = block.Child(*root, u"StringFileInfo");
  const auto table = strings ? block.Child(*strings, {key, 8}) : std::nullopt;
  if (!table) return fields;
  const auto text = [&](std::u16string_view name) -> std::u16string_view {
    const auto value = block.Child(*table, name);
    return value ? block.Text(*value) : std::u16string_view{};
  };
  fields.legalCopyright = text(u"LegalCopyright");
  fields.companyName = text(u"CompanyName");
  fields.comments = text(u"Comments");
  return fields;
}

}  // namespace core
