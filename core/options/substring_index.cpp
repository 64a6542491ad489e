#include "core/options/substring_index.h"

namespace corvane {

namespace {

constexpr std::int32_t kRoot = 0;

TIndexState& StateAt(TSubstringIndex& index, std::int32_t state) {
  return index.States[static_cast<std::size_t>(state)];
}

// The slot holding the target of the transition from state by byte, or null
// when there is none; const or not as the index is.
template <typename Index>
auto FindTarget(Index& index, std::int32_t state, unsigned char byte)
    -> decltype(&index.RootTargets[0]) {
  if (state == kRoot) return &index.RootTargets[byte];
  auto& s = index.States[static_cast<std::size_t>(state)];
  if (s.OwnTarget < 0) return nullptr;
  if (s.OwnByte == byte) return &s.OwnTarget;
  for (std::int32_t e = s.MoreEdges; e >= 0; e = index.Edges[static_cast<std::size_t>(e)].Next) {
    auto& edge = index.Edges[static_cast<std::size_t>(e)];
    if (edge.Byte == byte) return &edge.Target;
  }
  return nullptr;
}

std::int32_t Transition(const TSubstringIndex& index, std::int32_t state, unsigned char byte) {
  const std::int32_t* target = FindTarget(index, state, byte);
  return target == nullptr ? -1 : *target;
}

// Adds a transition that does not exist yet.
void AddTransition(TSubstringIndex& index, std::int32_t state, unsigned char byte,
                   std::int32_t target) {
  if (state == kRoot) {
    index.RootTargets[byte] = target;
    return;
  }
  TIndexState& from = StateAt(index, state);
  if (from.OwnTarget < 0) {
    from.OwnTarget = target;
    from.OwnByte = byte;
    return;
  }
  index.Edges.push_back(TIndexEdge{target, from.MoreEdges, byte});
  from.MoreEdges = static_cast<std::int32_t>(index.Edges.size() - 1);
}

// Points the transition from state by byte at clone when it points at q.
bool RedirectTransition(TSubstringIndex& index, std::int32_t state, unsigned char byte,
                        std::int32_t q, std::int32_t clone) {
  std::int32_t* target = FindTarget(index, state, byte);
  if (target == nullptr || *target != q) return false;
  *target = clone;
  return true;
}

std::int32_t AddState(TSubstringIndex& index, std::int32_t length, std::int32_t link) {
  TIndexState s;
  s.Length = length;
  s.Link = link;
  index.States.push_back(s);
  return static_cast<std::int32_t>(index.States.size() - 1);
}

// A new state with the same edges as q (q is never the root).
std::int32_t CloneState(TSubstringIndex& index, std::int32_t q, std::int32_t length) {
  const std::int32_t clone = AddState(index, length, StateAt(index, q).Link);
  const TIndexState original = StateAt(index, q);
  if (original.OwnTarget >= 0) AddTransition(index, clone, original.OwnByte, original.OwnTarget);
  for (std::int32_t e = original.MoreEdges; e >= 0;
       e = index.Edges[static_cast<std::size_t>(e)].Next) {
    const TIndexEdge edge = index.Edges[static_cast<std::size_t>(e)];
    AddTransition(index, clone, edge.Byte, edge.Target);
  }
  return clone;
}

void AppendByte(TSubstringIndex& index, unsigned char byte) {
  const std::int32_t current = AddState(index, StateAt(index, index.LastState).Length + 1, -1);
  std::int32_t p = index.LastState;
  while (p >= 0 && Transition(index, p, byte) < 0) {
    AddTransition(index, p, byte, current);
    p = StateAt(index, p).Link;
  }
  if (p < 0) {
    StateAt(index, current).Link = kRoot;
  } else {
    const std::int32_t q = Transition(index, p, byte);
    const std::int32_t length = StateAt(index, p).Length + 1;
    if (StateAt(index, q).Length == length) {
      StateAt(index, current).Link = q;
    } else {
      // q also stands for longer substrings; split off the shorter ones.
      const std::int32_t clone = CloneState(index, q, length);
      while (p >= 0 && RedirectTransition(index, p, byte, q, clone)) p = StateAt(index, p).Link;
      StateAt(index, q).Link = clone;
      StateAt(index, current).Link = clone;
    }
  }
  index.LastState = current;
}

}  // namespace

void SubstringIndexReset(TSubstringIndex& index) {
  index.States.assign(1, TIndexState{});
  index.Edges.clear();
  index.RootTargets.assign(256, -1);
  index.LastState = kRoot;
}

void SubstringIndexReserve(TSubstringIndex& index, std::size_t textLength) {
  // A text of n bytes needs at most 2n states and 3n transitions, at least
  // one per state but the last held in the state. Reserved room that is
  // never written is address space only, not memory.
  index.States.reserve(2 * textLength + 2);
  index.Edges.reserve(2 * textLength + 2);
}

void SubstringIndexAppend(TSubstringIndex& index, std::string_view text) {
  if (index.States.empty()) SubstringIndexReset(index);
  for (char c : text) AppendByte(index, static_cast<unsigned char>(c));
}

bool SubstringIndexContains(const TSubstringIndex& index, std::string_view pattern) {
  if (pattern.empty()) return true;
  if (index.States.empty()) return false;
  std::int32_t state = kRoot;
  for (char c : pattern) {
    state = Transition(index, state, static_cast<unsigned char>(c));
    if (state < 0) return false;
  }
  return true;
}

}  // namespace corvane
