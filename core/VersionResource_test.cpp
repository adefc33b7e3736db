#include "core/VersionResource.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

void PutWord(Bytes& out, std::uint32_t value) {
  out.push_back(static_cast<unsigned char>(value & 0xFF));
  out.push_back(static_cast<unsigned char>(value >> 8 & 0xFF));
}
void PadTo32Bits(Bytes& out) {
  while (out.size() % 4 != 0) out.push_back(0);
}
void PutText(Bytes& out, std::u16string_view text) {
  for (const char16_t c : text) PutWord(out, c);
  PutWord(out, 0);
}

// One node laid out as the resource compiler lays it out: header, key,
// padding, value, padding, children. A text value's length counts UTF-16
// units, NUL included; a binary one's counts bytes.
Bytes Node(std::u16string_view key, const Bytes& value, bool text, const std::vector<Bytes>& children = {}) {
  Bytes out(6, 0);
  PutText(out, key);
  PadTo32Bits(out);
  out.insert(out.end(), value.begin(), value.end());
  for (const Bytes& child : children) {
    PadTo32Bits(out);
    out.insert(out.end(), child.begin(), child.end());
  }
  const std::size_t valueLength = text ? value.size() / 2 : value.size();
  out[0] = static_cast<unsigned char>(out.size() & 0xFF);
  out[1] = static_cast<unsigned char>(out.size() >> 8);
  out[2] = static_cast<unsigned char>(valueLength & 0xFF);
  out[3] = static_cast<unsigned char>(valueLength >> 8);
  out[4] = text ? 1 : 0;
  return out;
}

Bytes TextValue(std::u16string_view text) {
  Bytes out;
  PutText(out, text);
  return out;
}

Bytes FixedInfo(unsigned major, unsigned minor, unsigned build, unsigned revision) {
  Bytes out;
  for (const std::uint32_t dword : {0xFEEF04BDu, 0x00010000u, major << 16 | minor, build << 16 | revision}) {
    PutWord(out, dword & 0xFFFF);
    PutWord(out, dword >> 16);
  }
  out.resize(52, 0);
  return out;
}

Bytes Translation(std::uint16_t language, std::uint16_t codePage) {
  Bytes out;
  PutWord(out, language);
  PutWord(out, codePage);
  return out;
}

Bytes Resource(std::u16string_view tableKey, const Bytes& translation,
               const Bytes& fixed = FixedInfo(1, 2, 0, 3)) {
  const Bytes strings = Node(u"StringFileInfo", {}, true,
                             {Node(tableKey, {}, true,
                                   {Node(u"Comments", TextValue(u"\u30c6\u30b9\u30c8\u7528"), true),
                                    Node(u"CompanyName", TextValue(u"VuriRivu Project"), true),
                                    Node(u"LegalCopyright", TextValue(u"Copyright (C) 2026"), true)})});
  const Bytes variables = Node(u"VarFileInfo", {}, true, {Node(u"Translation", translation, false)});
  return Node(u"VS_VERSION_INFO", fixed, false, {strings, variables});
}

core::VersionResourceFields Read(const Bytes& resource) {
  return core::ReadVersionResource(resource.data(), resource.size());
}

TEST(VersionResource, ReadsTheFileVersionAndTheStringsOfTheListedLanguage) {
  // The table's key in upper case, as our resource scripts write it; Windows
  // matches it in either case.
  const Bytes resource = Resource(u"041104B0", Translation(0x0411, 1200));
  const auto fields = Read(resource);
  EXPECT_EQ(fields.major, 1u);
  EXPECT_EQ(fields.minor, 2u);
  EXPECT_EQ(fields.revision, 3u);
  EXPECT_EQ(fields.comments, u"\u30c6\u30b9\u30c8\u7528");
  EXPECT_EQ(fields.companyName, u"VuriRivu Project");
  EXPECT_EQ(fields.legalCopyright, u"Copyright (C) 2026");
  const Bytes lowerCase = Resource(u"041104b0", Translation(0x0411, 1200));
  EXPECT_EQ(Read(lowerCase).comments, u"\u30c6\u30b9\u30c8\u7528");
}

TEST(VersionResource, StringsOfAnotherLanguageOrAWrongSignatureAreNotRead) {
  const Bytes english = Resource(u"040904B0", Translation(0x0411, 1200));
  const auto otherLanguage = Read(english);
  EXPECT_EQ(otherLanguage.major, 1u);
  EXPECT_TRUE(otherLanguage.comments.empty());
  EXPECT_TRUE(otherLanguage.legalCopyright.empty());

  Bytes badFixed = FixedInfo(1, 2, 0, 3);
  badFixed[0] ^= 1;
  const Bytes unsignedResource = Resource(u"041104B0", Translation(0x0411, 1200), badFixed);
  const auto unsigned_ = Read(unsignedResource);
  EXPECT_EQ(unsigned_.major, 0u);
  EXPECT_EQ(unsigned_.revision, 0u);
  EXPECT_EQ(unsigned_.companyName, u"VuriRivu Project");
}

TEST(VersionResource, ACutOrCorruptedResourceIsNeverReadBeyondItsEnd) {
  const Bytes whole = Resource(u"041104B0", Translation(0x0411, 1200));
  // Every shorter length: the sanitizers report a read past the copy.
  for (std::size_t size = 0; size < whole.size(); ++size) {
    const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
    const auto fields = Read(cut);
    EXPECT_TRUE(fields.comments.empty() || fields.comments == u"\u30c6\u30b9\u30c8\u7528") << size;
  }
  // Every node length replaced by every small value, and by one too large.
  for (std::size_t at = 0; at + 1 < whole.size(); at += 4) {
    for (const unsigned length : {0u, 1u, 5u, 6u, 7u, 0xFFFFu}) {
      Bytes corrupt = whole;
      corrupt[at] = static_cast<unsigned char>(length & 0xFF);
      corrupt[at + 1] = static_cast<unsigned char>(length >> 8);
      const auto fields = Read(corrupt);
      for (const auto text : {fields.comments, fields.companyName, fields.legalCopyright}) {
        const auto* begin = reinterpret_cast<const unsigned char*>(text.data());
        EXPECT_TRUE(text.empty() ||
                    (begin >= corrupt.data() && begin + 2 * text.size() <= corrupt.data() + corrupt.size()))
            << at << " " << length;
      }
    }
  }
}

TEST(VersionResource, AResourceThatIsNotAVersionResourceGivesNothing) {
  const Bytes other = Node(u"VS_VERSION_INFX", FixedInfo(1, 2, 0, 3), false);
  const auto fields = Read(other);
  EXPECT_EQ(fields.major, 0u);
  EXPECT_TRUE(fields.comments.empty());
}

}  // namespace
