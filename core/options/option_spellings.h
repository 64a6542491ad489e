// The spellings under which an alias can be typed, and how an alias list
// splits into aliases.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "ascii_text.h"

namespace corvane {

// The one-character aliases that may be typed with no prefix.
inline constexpr char BareSymbolChars[] = "!#$%*+-.@_~";

bool IsBareSymbolChar(char c);

// The next alias of an alias list from pos on: the list splits at runs of
// blanks, commas and semicolons. Empty when the list is used up.
inline std::string_view NextAlias(std::string_view list, std::size_t& pos) {
  // Letters and digits lie above all three separators: one comparison each.
  return NextPiece(list, pos, [](char c) {
    return static_cast<unsigned char>(c) <= ';' && (c == ' ' || c == ',' || c == ';');
  });
}

// Whether the mode (ParamMatchMode) lets a bare symbol go without a prefix,
// and whether it lets a value follow a spelling after ":" or "=".
constexpr bool BareAllowed(std::int32_t mode) { return mode == 1 || mode == 3; }
constexpr bool AttachAllowed(std::int32_t mode) { return mode == 2 || mode == 3; }

// The prefixes the alias is accepted after, in the order they are tried: "/"
// and "-" for one character (after none first for a bare symbol when the
// mode allows it), "/" and "--" for more ("/", "-" and "--" when doubleDash,
// the setting CoreState.DoubleDashForLongNames, is false). Inline, as
// matching asks for every alias of every option.
inline std::span<const std::string_view> AliasPrefixes(std::string_view alias, std::int32_t mode,
                                                       bool doubleDash) {
  static constexpr std::string_view kBareShort[] = {"", "/", "-"};
  static constexpr std::string_view kShort[] = {"/", "-"};
  static constexpr std::string_view kLongDoubleDash[] = {"/", "--"};
  static constexpr std::string_view kLong[] = {"/", "-", "--"};
  if (alias.size() == 1) {
    if (BareAllowed(mode) && IsBareSymbolChar(alias[0])) return kBareShort;
    return kShort;
  }
  if (doubleDash) return kLongDoubleDash;
  return kLong;
}
// Every prefix, alias and (in modes 2 and 3) suffix, each followed by a
// blank, skipping any that the text so far already holds.
std::string BuildOptionSpellings(const std::string& aliases, std::int32_t mode);

}  // namespace corvane
