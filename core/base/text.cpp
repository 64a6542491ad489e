#include "core/base/text.h"

namespace corvane {

namespace {

// A Windows console is written in UTF-16, where a byte outside UTF-8 shows
// as U+FFFD and drives nothing: there only the C1 pairs count, as everywhere.
#ifdef _WIN32
constexpr bool kStrayBytesAreControls = false;
#else
constexpr bool kStrayBytesAreControls = true;
#endif

}  // namespace

TUtf8Prefix Utf8Prefix(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) return {1, 1};
  TUtf8Prefix prefix{1, 0};
  unsigned char low = 0x80;  // range of the second byte
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    prefix.Length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    prefix.Length = 3;
    if (lead == 0xE0) low = 0xA0;   // overlong
    if (lead == 0xED) high = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    prefix.Length = 4;
    if (lead == 0xF0) low = 0x90;   // overlong
    if (lead == 0xF4) high = 0x8F;  // beyond 10FFFF
  } else {
    return {0, 1};
  }
  for (; prefix.Valid < prefix.Length && pos + prefix.Valid < text.size(); ++prefix.Valid) {
    const auto next = static_cast<unsigned char>(text[pos + prefix.Valid]);
    if (next < low || next > high) break;
    low = 0x80;
    high = 0xBF;
  }
  return prefix;
}

std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& codePoint) {
  if (pos >= text.size()) return 0;
  const TUtf8Prefix prefix = Utf8Prefix(text, pos);
  if (prefix.Valid != prefix.Length) return 0;
  const auto lead = static_cast<unsigned char>(text[pos]);
  // The lead keeps 7, 5, 4 or 3 bits; each continuation 6.
  char32_t cp = lead & (0x7Fu >> (prefix.Length == 1 ? 0 : prefix.Length));
  for (std::size_t k = 1; k < prefix.Length; ++k) {
    cp = (cp << 6) | (static_cast<unsigned char>(text[pos + k]) & 0x3Fu);
  }
  codePoint = cp;
  return prefix.Length;
}

std::size_t CharacterLength(std::string_view text, std::size_t pos) {
  const TUtf8Prefix prefix = Utf8Prefix(text, pos);
  return prefix.Valid == prefix.Length ? prefix.Length : 1;
}

std::size_t ControlLength(std::string_view text, std::size_t pos) {
  const auto c = static_cast<unsigned char>(text[pos]);
  if (c < 0x20 || c == 0x7F) return 1;
  if (c < 0x80) return 0;
  // C1 controls in UTF-8 (C2 80 to C2 9F); C2 9B alone is a CSI to some terminals.
  if (c == 0xC2 && pos + 1 < text.size()) {
    const auto next = static_cast<unsigned char>(text[pos + 1]);
    if (next >= 0x80 && next <= 0x9F) return 2;
  }
  // Any other byte outside UTF-8: a lone 9B is a CSI to a terminal in an 8-bit mode.
  const TUtf8Prefix prefix = Utf8Prefix(text, pos);
  return kStrayBytesAreControls && prefix.Valid != prefix.Length ? 1 : 0;
}

std::string QuoteIfSpaced(std::string_view s) {
  std::string out;
  AppendQuotedIfSpaced(out, s);
  return out;
}

void AppendQuotedIfSpaced(std::string& out, std::string_view s) {
  const bool quoted = s.empty() || s.find(' ') != std::string_view::npos;
  if (quoted) out += '"';
  out += s;
  if (quoted) out += '"';
}

std::size_t FileNameStart(std::string_view path) {
#ifdef _WIN32
  const std::size_t cut = path.find_last_of("\\/:");
#else
  const std::size_t cut = path.rfind('/');
#endif
  return cut == std::string_view::npos ? 0 : cut + 1;
}

std::string_view ExtensionOf(std::string_view fileName) {
  const std::size_t start = fileName.find_first_not_of('.');
  const std::size_t dot = fileName.rfind('.');
  if (start == std::string_view::npos || dot == std::string_view::npos || dot < start) return {};
  return fileName.substr(dot);
}

}  // namespace corvane
