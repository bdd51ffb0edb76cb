// Splitting the bytes of a connection into messages.
//
// The texts on the wire carry no terminator and no length prefix: a sender writes each
// message with one send, and TCP may still glue two of them into one read or cut one across
// two reads. A MessageSplitter, one per connection, recovers the messages from the reads:
//
//  - a message that begins with a fixed-layout head of its direction is cut at the layout's
//    length, so several messages in one read all come out, in order;
//  - a fixed-layout message (or a head) cut across reads is held until the rest arrives; the
//    held bytes are always a strict prefix of one fixed-layout message or a single lead byte
//    (below), so they stay under kMaxHeldBytes;
//  - any other text (a chat line "[...", a head without a layout, garbage) is taken as it
//    comes: the whole rest of the read is one message; when it ends with the lead byte of a
//    code page 949 double-byte character, that byte is held and goes in front of the next
//    read, so a character cut by a read boundary stays whole;
//  - held bytes never swallow a valid message that arrives whole at the start of a read:
//    unless they and the read together begin a valid message, they come out first, as a
//    message of their own. A stalled fragment of junk therefore costs only itself.
//
// A valid message is a fixed layout of its direction that is complete and whose fields all
// read (see game/Messages.h).
//
// Fixed layouts per direction (bytes):
//   client -> server: "Requ" 29, "Move" 18, "Pass" 4, "Loss" 4, "Fini" 4
//   server -> client: "Made" 41, "Move" 18, "Pass" 4, "Winn" 6, "Requested" 9, and the
//                     server's unchanged echo of a request, "Requ" 29
// "Requested" and "Requ" share their first four bytes; the fifth decides ('e' or a digit),
// and bytes are held until it has arrived.
//
// How a role uses it, per connection:
//
//   messages = splitter.Feed(bytesOfThisRead);
//   if (!splitter.HasPending()) holdTimer.stop();
//   else if (!messages.empty() || !holdTimer.isActive()) holdTimer.start(kHoldTimeoutMs);
//   for (std::string& message : messages) Handle(message);
//
//   on holdTimer timeout and on disconnect:
//     if (std::string rest = splitter.Flush(); !rest.empty()) Handle(rest);
//
// The bound is per message: the timer starts when bytes of a message begin to be held and
// starts again only when a message was completed, so a peer that never completes a message
// delays its connection by kHoldTimeoutMs at most; what it sent is then handled as one
// (short, hence refused or shown) message.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tamsok {

// Which way the bytes travel; each way has its own set of fixed layouts.
enum class Direction {
  ClientToServer,  // read by the server
  ServerToClient,  // read by a client
};

// The longest fixed layout ("Made"); held bytes are always fewer.
inline constexpr std::size_t kMaxHeldBytes = 41;

// A suggested bound for how long a role lets a connection hold an incomplete message before
// it flushes it, in milliseconds. A message is one send of at most 41 bytes, so on any
// working link its rest follows almost at once.
inline constexpr int kHoldTimeoutMs = 500;

class MessageSplitter {
 public:
  explicit MessageSplitter(Direction direction) : direction_(direction) {}

  // Takes the bytes of one read and returns the complete messages found, in order. Bytes
  // held from earlier reads come first. An incomplete fixed-layout message at the end is
  // held, not returned.
  std::vector<std::string> Feed(std::string_view bytes);

  // Returns the held bytes (empty when none) and forgets them.
  std::string Flush();

  // True when `bytes` begins with a complete fixed-layout message of this direction whose
  // fields all read.
  bool StartsWithValidMessage(std::string_view bytes) const;

  bool HasPending() const { return !held_.empty(); }
  std::size_t PendingSize() const { return held_.size(); }
  Direction direction() const { return direction_; }

 private:
  Direction direction_;
  std::string held_;
};

}  // namespace tamsok
