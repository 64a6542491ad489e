// Tells which of a set of patterns, all known beforehand, occur anywhere
// inside a text that only grows at its end. The patterns form a trie with
// fallback links (Aho-Corasick); each byte appended to the text is fed
// through it once, and every trie node whose text ends at that byte is
// marked. A pattern occurs in the text so far exactly when its node is
// marked, so a question costs one look-up.
//
// The validation asks, for each argument, whether it occurs in the list
// built from the arguments before it, and knows every argument beforehand.
// Measured with `linewright = 50 $(seq -f 'a%g' 1 70000)` (its DistinctList):
// a search of the whole list per argument took 18.6 s; a suffix automaton of
// the list was linear, but took about 45 bytes per byte of list (117 MB of
// address space for 14 arguments of 128 KiB) and the run 314 million
// instructions; this trie takes 10 bytes per node, at most one node per byte
// of the patterns and common prefixes once, and the run 185 million.
//
// Bytes are compared exactly; callers fold letter case themselves.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace corvane {

struct TSubstringIndex {
  // The trie's nodes in breadth-first order; node 0 is the root, the empty
  // text. Node v's children are FirstChild[v] .. FirstChild[v + 1] - 1, in
  // ascending order of EdgeByte, the byte on the edge into each.
  std::vector<std::int32_t> FirstChild;
  std::vector<unsigned char> EdgeByte;
  // The node of the longest proper suffix of a node's text that is a node.
  std::vector<std::int32_t> Fallback;
  // Whether the node's text occurs in the text fed so far.
  std::vector<unsigned char> Seen;
  // The node each pattern ends in.
  std::vector<std::int32_t> PatternNode;
  // The root's children by byte (-1: none); nearly every byte fed passes the root.
  std::vector<std::int32_t> RootChild;
  // The node of the longest suffix of the text fed that is a node.
  std::int32_t State = 0;
};

// Makes the index of the patterns over an empty text. The patterns are only
// read during the call.
void SubstringIndexBuild(TSubstringIndex& index, const std::vector<std::string_view>& patterns);
// Appends the bytes of text to the text.
void SubstringIndexAppend(TSubstringIndex& index, std::string_view text);
// True when the pattern of that number (its place in the list given to the
// build) occurs in the text; the empty pattern always does.
bool SubstringIndexContains(const TSubstringIndex& index, std::size_t pattern);

}  // namespace corvane
