#include "core/options/substring_index.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace corvane {

namespace {

constexpr std::int32_t kRoot = 0;

std::size_t At(std::int32_t node) { return static_cast<std::size_t>(node); }

// The child of node by byte, -1 when there is none.
std::int32_t Child(const TSubstringIndex& index, std::int32_t node, unsigned char byte) {
  if (node == kRoot) return index.RootChild[byte];
  const auto first = index.EdgeByte.begin() + index.FirstChild[At(node)];
  const auto last = index.EdgeByte.begin() + index.FirstChild[At(node) + 1];
  // Most nodes have one child or a few.
  const auto found =
      last - first <= 8 ? std::find(first, last, byte) : std::lower_bound(first, last, byte);
  if (found == last || *found != byte) return -1;
  return static_cast<std::int32_t>(found - index.EdgeByte.begin());
}

// The node the text reaches after one more byte, from node.
std::int32_t Step(const TSubstringIndex& index, std::int32_t node, unsigned char byte) {
  for (;;) {
    const std::int32_t child = Child(index, node, byte);
    if (child >= 0) return child;
    if (node == kRoot) return kRoot;
    node = index.Fallback[At(node)];
  }
}

// A node of the level being built: the patterns (a range of order) that
// begin with its text.
struct TPatternRange {
  std::size_t Begin = 0;
  std::size_t End = 0;
};

using TPatterns = std::vector<std::string_view>;

// What BuildTrie works with: the pattern numbers, grouped by node, and room
// for sorting a group.
struct TTrieBuild {
  std::vector<std::int32_t> Order;
  std::vector<std::uint64_t> Keys;
  std::vector<std::int32_t> Spare;
};

unsigned char ByteAt(const TPatterns& patterns, std::int32_t pattern, std::size_t depth) {
  return static_cast<unsigned char>(patterns[At(pattern)][depth]);
}

// Sorts Order[begin, end) by each pattern's byte at depth; the order within
// one byte does not matter, since the next level sorts again.
void SortByByte(TTrieBuild& build, const TPatterns& patterns, std::size_t begin, std::size_t end,
                std::size_t depth) {
  const std::size_t count = end - begin;
  if (count < 256) {
    // Byte and number in one key: a sort of plain integers.
    build.Keys.clear();
    for (std::size_t k = begin; k < end; ++k) {
      const std::int32_t pattern = build.Order[k];
      build.Keys.push_back(std::uint64_t{ByteAt(patterns, pattern, depth)} << 32 |
                           static_cast<std::uint32_t>(pattern));
    }
    std::sort(build.Keys.begin(), build.Keys.end());
    for (std::size_t k = 0; k < count; ++k) {
      build.Order[begin + k] = static_cast<std::int32_t>(build.Keys[k] & 0xFFFFFFFFu);
    }
    return;
  }
  // A counting sort: linear, and the table is paid for by the many patterns.
  std::array<std::size_t, 257> start{};
  for (std::size_t k = begin; k < end; ++k) ++start[ByteAt(patterns, build.Order[k], depth) + 1u];
  for (std::size_t b = 1; b < start.size(); ++b) start[b] += start[b - 1];
  build.Spare.resize(count);
  for (std::size_t k = begin; k < end; ++k) {
    const std::int32_t pattern = build.Order[k];
    build.Spare[start[ByteAt(patterns, pattern, depth)]++] = pattern;
  }
  std::copy(build.Spare.begin(), build.Spare.end(),
            build.Order.begin() + static_cast<std::ptrdiff_t>(begin));
}

// Builds the trie level by level, a radix sort of the patterns from their
// first byte on: the patterns of a node that go on are grouped by their
// next byte, one child per group.
void BuildTrie(TSubstringIndex& index, TTrieBuild& build, const TPatterns& patterns) {
  std::vector<TPatternRange> level{{0, build.Order.size()}};
  std::vector<TPatternRange> next;
  index.EdgeByte.push_back(0);  // the root has no edge
  auto nextNode = static_cast<std::int32_t>(1);
  auto node = static_cast<std::int32_t>(0);
  for (std::size_t depth = 0; !level.empty(); ++depth) {
    next.clear();
    for (TPatternRange range : level) {
      index.FirstChild.push_back(nextNode);
      const auto order = build.Order.begin();
      const auto goesOn = std::partition(order + static_cast<std::ptrdiff_t>(range.Begin),
                                         order + static_cast<std::ptrdiff_t>(range.End),
                                         [&patterns, depth](std::int32_t pattern) {
                                           return patterns[At(pattern)].size() == depth;
                                         });
      for (auto ended = order + static_cast<std::ptrdiff_t>(range.Begin); ended != goesOn;
           ++ended) {
        index.PatternNode[At(*ended)] = node;
      }
      range.Begin = static_cast<std::size_t>(goesOn - order);
      // Long shared prefixes give chains of nodes with one child: no sort.
      bool oneByte = true;
      for (std::size_t k = range.Begin + 1; k < range.End && oneByte; ++k) {
        oneByte = ByteAt(patterns, build.Order[k], depth) ==
                  ByteAt(patterns, build.Order[range.Begin], depth);
      }
      if (!oneByte) SortByByte(build, patterns, range.Begin, range.End, depth);
      while (range.Begin < range.End) {
        const unsigned char byte = ByteAt(patterns, build.Order[range.Begin], depth);
        std::size_t end = range.Begin + 1;
        while (end < range.End && ByteAt(patterns, build.Order[end], depth) == byte) ++end;
        index.EdgeByte.push_back(byte);
        next.push_back({range.Begin, end});
        ++nextNode;
        range.Begin = end;
      }
      ++node;
    }
    level.swap(next);
  }
  index.FirstChild.push_back(nextNode);
}

// In breadth-first order every shorter node's link is known before a longer
// one needs it.
void LinkFallbacks(TSubstringIndex& index) {
  const std::size_t nodes = index.EdgeByte.size();
  index.Fallback.assign(nodes, kRoot);
  for (std::size_t parent = 0; parent < nodes; ++parent) {
    for (std::int32_t child = index.FirstChild[parent]; child < index.FirstChild[parent + 1];
         ++child) {
      const unsigned char byte = index.EdgeByte[At(child)];
      if (parent == kRoot) {
        index.RootChild[byte] = child;
        continue;
      }
      index.Fallback[At(child)] = Step(index, index.Fallback[parent], byte);
    }
  }
}

}  // namespace

void SubstringIndexBuild(TSubstringIndex& index, const std::vector<std::string_view>& patterns) {
  index = TSubstringIndex{};
  index.RootChild.assign(256, -1);
  index.PatternNode.assign(patterns.size(), kRoot);
  TTrieBuild build;
  build.Order.resize(patterns.size());
  std::iota(build.Order.begin(), build.Order.end(), 0);
  BuildTrie(index, build, patterns);
  LinkFallbacks(index);
  index.Seen.assign(index.EdgeByte.size(), 0);
  index.Seen[kRoot] = 1;
}

void SubstringIndexAppend(TSubstringIndex& index, std::string_view text) {
  if (index.Seen.empty()) return;  // never built: no patterns to tell of
  std::int32_t state = index.State;
  for (char c : text) {
    state = Step(index, state, static_cast<unsigned char>(c));
    // Every node on the fallback chain ends here too. A node already seen
    // had its whole chain marked then, so the walk stops there.
    for (std::int32_t node = state; index.Seen[At(node)] == 0; node = index.Fallback[At(node)]) {
      index.Seen[At(node)] = 1;
    }
  }
  index.State = state;
}

bool SubstringIndexContains(const TSubstringIndex& index, std::size_t pattern) {
  return index.Seen[At(index.PatternNode[pattern])] != 0;
}

}  // namespace corvane
