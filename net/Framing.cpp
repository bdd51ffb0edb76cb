#include "net/Framing.h"

#include <algorithm>
#include <cassert>
#include <span>

#include "game/Messages.h"

namespace tamsok {

namespace {

// A fixed-layout message: the literal it begins with and its whole length in bytes.
struct Layout {
  std::string_view literal;
  std::size_t length;
};

constexpr std::size_t Len(int n) {
  return static_cast<std::size_t>(n);
}

constexpr Layout kClientToServer[] = {
    {kHeadRequ, Len(kRequLength)}, {kHeadMove, Len(kMoveLength)}, {kHeadPass, Len(kHeadLength)},
    {kHeadLoss, Len(kHeadLength)}, {kHeadFini, Len(kHeadLength)},
};

constexpr Layout kServerToClient[] = {
    {kHeadMade, Len(kMadeLength)}, {kHeadMove, Len(kMoveLength)},   {kHeadPass, Len(kHeadLength)},
    {kHeadWinn, Len(kWinnLength)}, {kRequested, kRequested.size()}, {kHeadRequ, Len(kRequLength)},
};

constexpr std::size_t MaxLength(std::span<const Layout> layouts) {
  std::size_t n = 0;
  for (const Layout& l : layouts)
    n = std::max({n, l.length, l.literal.size()});
  return n;
}
static_assert(MaxLength(kClientToServer) <= kMaxHeldBytes);
static_assert(MaxLength(kServerToClient) == kMaxHeldBytes);

std::span<const Layout> LayoutsOf(Direction d) {
  if (d == Direction::ClientToServer) return kClientToServer;
  return kServerToClient;
}

// What the bytes at the front of the stream are.
enum class Front {
  Message,  // a complete fixed-layout message of `length` bytes
  Hold,     // the beginning of a fixed-layout message (or of its literal); wait for more
  Other,    // not a fixed-layout message: the whole rest is one message
};

struct Match {
  Front front;
  std::size_t length = 0;
};

Match MatchFront(std::string_view rest, std::span<const Layout> layouts) {
  bool undecided = false;  // a literal that agrees with every byte so far but is not complete
  const Layout* best = nullptr;
  for (const Layout& l : layouts) {
    const std::size_t n = std::min(l.literal.size(), rest.size());
    if (rest.substr(0, n) != l.literal.substr(0, n)) continue;
    if (rest.size() < l.literal.size()) {
      undecided = true;
    } else if (best == nullptr || l.literal.size() > best->literal.size()) {
      // The longest complete literal wins: "Requested" over "Requ".
      best = &l;
    }
  }
  if (undecided) return {Front::Hold};
  if (best == nullptr) return {Front::Other};
  if (rest.size() < best->length) return {Front::Hold};
  return {Front::Message, best->length};
}

}  // namespace

std::vector<std::string> MessageSplitter::Feed(std::string_view bytes) {
  std::vector<std::string> messages;
  held_.append(bytes);
  const std::span<const Layout> layouts = LayoutsOf(direction_);
  std::size_t start = 0;
  while (start < held_.size()) {
    const std::string_view rest = std::string_view(held_).substr(start);
    const Match m = MatchFront(rest, layouts);
    if (m.front == Front::Hold) break;
    const std::size_t length = m.front == Front::Message ? m.length : rest.size();
    messages.emplace_back(rest.substr(0, length));
    start += length;
  }
  held_.erase(0, start);
  assert(held_.size() < kMaxHeldBytes);
  return messages;
}

std::string MessageSplitter::Flush() {
  std::string out;
  out.swap(held_);
  return out;
}

}  // namespace tamsok
