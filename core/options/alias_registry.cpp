#include "core/options/alias_registry.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace {

char FoldAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool WordListed(std::string_view word, std::string_view list) {
  for (std::size_t p = list.find(word); p != std::string_view::npos; p = list.find(word, p + 1)) {
    const std::size_t end = p + word.size();
    if ((p == 0 || list[p - 1] == ' ') && (end == list.size() || list[end] == ' ')) return true;
  }
  return false;
}

// Every definition checks its words against the whole list, which would
// cost a run the square of its aliases. A word without blanks that the list
// holds is one of its blank-separated pieces, so a bitmap of the pieces'
// hashes settles most checks at once: a clear bit means "not listed". The
// bitmap describes the text it was made from and is made again for another.
struct TPieceFilter {
  std::string Text;
  std::uint64_t Bits[4] = {};
};

TPieceFilter Filter;

constexpr std::uint32_t kHashSeed = 2166136261u;
std::uint32_t HashStep(std::uint32_t hash, char c) {
  return (hash ^ static_cast<unsigned char>(c)) * 16777619u;
}

void MarkPiece(std::uint32_t hash) {
  Filter.Bits[(hash >> 6) & 3] |= std::uint64_t{1} << (hash & 63);
}
bool PieceMarked(std::uint32_t hash) {
  return ((Filter.Bits[(hash >> 6) & 3] >> (hash & 63)) & 1) != 0;
}

void MarkPieces(std::string_view text) {
  std::uint32_t hash = kHashSeed;
  bool inPiece = false;
  for (char c : text) {
    if (c != ' ') {
      hash = HashStep(hash, c);
      inPiece = true;
    } else if (inPiece) {
      MarkPiece(hash);
      hash = kHashSeed;
      inPiece = false;
    }
  }
  if (inPiece) MarkPiece(hash);
}

void Refilter(const std::string& all) {
  Filter.Text.reserve(all.capacity());
  Filter.Text = all;
  std::fill(std::begin(Filter.Bits), std::end(Filter.Bits), 0);
  MarkPieces(all);
}

}  // namespace

bool WordNotListed(const std::string& word, const std::string& list) {
  return !WordListed(word, list);
}

void RegisterAliases(std::string& all, std::string_view aliases) {
  if (Filter.Text != all) Refilter(all);
  // Room for every word at once: the list grows by one option at a time.
  if (all.capacity() < all.size() + aliases.size() + 1)
    all.reserve(2 * (all.size() + aliases.size()) + 32);
  std::string longWord;
  const std::size_t size = aliases.size();
  std::size_t p = 0;
  while (p < size) {
    if (aliases[p] == ' ') {
      ++p;
      continue;
    }
    // Blanks inside double quotes do not split; the quotes stay in the word.
    // Upper-cased on the stack and hashed as it is scanned: this runs for
    // every option of every run.
    char folded[64];
    std::size_t length = 0;
    std::uint32_t hash = kHashSeed;
    bool quoted = false;
    bool blanks = false;
    for (; p < size; ++p, ++length) {
      const char c = aliases[p];
      if (c == ' ') {
        if (!quoted) break;
        blanks = true;
      } else if (c == '"') {
        quoted = !quoted;
      }
      const char upper = FoldAscii(c);
      hash = HashStep(hash, upper);
      if (length < sizeof folded) {
        folded[length] = upper;
      } else {
        if (length == sizeof folded) longWord.assign(folded, length);
        longWord += upper;
      }
    }
    const std::string_view word =
        length <= sizeof folded ? std::string_view(folded, length) : std::string_view(longWord);
    // The hash stands for one piece only when the word holds no blank.
    const bool listed = (blanks || PieceMarked(hash)) && WordListed(word, all);
    if (listed) continue;
    all += ' ';
    all += word;
    if (blanks) {
      MarkPieces(word);
    } else {
      MarkPiece(hash);
    }
  }
  std::size_t first = 0;
  std::size_t end = all.size();
  while (first < end && static_cast<unsigned char>(all[first]) < 33) ++first;
  while (end > first && static_cast<unsigned char>(all[end - 1]) < 33) --end;
  if (first == 0 && end == all.size()) {
    if (Filter.Text.capacity() < all.size()) Filter.Text.reserve(all.capacity());
    Filter.Text.append(all, Filter.Text.size());
    return;
  }
  all.erase(end);
  all.erase(0, first);
  Refilter(all);
}
