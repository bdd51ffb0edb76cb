#include "net/Framing.h"

#include <algorithm>
#include <cassert>
#include <span>

#include "game/Messages.h"

namespace tamsok {

namespace {

// Whether the fields of a complete fixed-layout message read.
using FieldCheck = bool (*)(std::string_view message);

template <auto Reader>
bool Reads(std::string_view message) {
  return static_cast<bool>(Reader(message));
}

bool NoFields(std::string_view) {
  return true;
}

// A fixed-layout message: the literal it begins with, its whole length in bytes, and the
// check of its fields.
struct Layout {
  std::string_view literal;
  std::size_t length;
  FieldCheck reads;
};

constexpr std::size_t Len(int n) {
  return static_cast<std::size_t>(n);
}

constexpr Layout kClientToServer[] = {
    {kHeadRequ, Len(kRequLength), Reads<ReadRequ>}, {kHeadMove, Len(kMoveLength), Reads<ReadMove>},
    {kHeadPass, Len(kHeadLength), NoFields},        {kHeadLoss, Len(kHeadLength), NoFields},
    {kHeadFini, Len(kHeadLength), NoFields},
};

constexpr Layout kServerToClient[] = {
    {kHeadMade, Len(kMadeLength), Reads<ReadMade>}, {kHeadMove, Len(kMoveLength), Reads<ReadMove>},
    {kHeadPass, Len(kHeadLength), NoFields},        {kHeadWinn, Len(kWinnLength), Reads<ReadWinn>},
    {kRequested, kRequested.size(), NoFields},      {kHeadRequ, Len(kRequLength), Reads<ReadRequ>},
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
  const Layout* layout = nullptr;
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
  return {Front::Message, best->length, best};
}

// True when the text ends with the lead byte of a code page 949 double-byte character whose
// second byte is missing. The text begins on a character boundary.
bool EndsWithDanglingLead(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b >= 0x81 && b <= 0xFE) {
      if (i + 1 == text.size()) return true;
      i += 2;
    } else {
      ++i;
    }
  }
  return false;
}

}  // namespace

bool MessageSplitter::StartsWithValidMessage(std::string_view bytes) const {
  const Match m = MatchFront(bytes, LayoutsOf(direction_));
  return m.front == Front::Message && m.layout->reads(bytes.substr(0, m.length));
}

std::vector<std::string> MessageSplitter::Feed(std::string_view bytes) {
  std::vector<std::string> messages;
  if (!held_.empty() && StartsWithValidMessage(bytes) &&
      !StartsWithValidMessage(held_ + std::string(bytes.substr(0, kMaxHeldBytes)))) {
    // What was held is junk in front of a whole message: it goes out alone.
    messages.push_back(std::move(held_));
    held_.clear();
  }
  held_.append(bytes);
  const std::span<const Layout> layouts = LayoutsOf(direction_);
  std::size_t start = 0;
  while (start < held_.size()) {
    const std::string_view rest = std::string_view(held_).substr(start);
    const Match m = MatchFront(rest, layouts);
    if (m.front == Front::Hold) break;
    std::size_t length = m.front == Front::Message ? m.length : rest.size();
    if (m.front == Front::Other && EndsWithDanglingLead(rest)) --length;
    if (length > 0) messages.emplace_back(rest.substr(0, length));
    start += length;
    if (length < rest.size() && m.front == Front::Other) break;  // the dangling lead is held
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
