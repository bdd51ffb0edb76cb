// The message splitter of both directions under arbitrary reads. The input is a sequence of
// reads, each one length byte and then that many bytes (fewer when the input ends). Both
// splitters get the same reads; what they return, joined and followed by the final Flush(),
// must be exactly the bytes fed, and they never hold a whole fixed-layout message. A read
// that begins with a valid message gives that message whole, unless the bytes held before
// it and the read together begin a valid message.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/FuzzHarness.h"
#include "net/Framing.h"

namespace tamsok::fuzz {
namespace {

struct Checked {
  explicit Checked(Direction d) : splitter(d) {}
  MessageSplitter splitter;
  std::string joined;

  void Feed(std::string_view read, const std::string& fedBefore) {
    const std::size_t held = splitter.PendingSize();
    const std::string heldThenRead =
        fedBefore.substr(fedBefore.size() - held) + std::string(read.substr(0, kMaxHeldBytes));
    const bool mustStartMessage = splitter.StartsWithValidMessage(read) &&
                                  !(held > 0 && splitter.StartsWithValidMessage(heldThenRead));
    bool started = false;
    const std::size_t readAt = fedBefore.size();
    for (const std::string& message : splitter.Feed(read)) {
      if (message.empty()) Fail("the splitter returned an empty message", read);
      if (joined.size() == readAt && splitter.StartsWithValidMessage(message) &&
          read.starts_with(message))
        started = true;
      joined += message;
    }
    if (mustStartMessage && !started) Fail("a valid message at the start of a read was lost", read);
    if (splitter.PendingSize() >= kMaxHeldBytes) Fail("the splitter holds too many bytes", read);
    if (splitter.HasPending() != (splitter.PendingSize() > 0))
      Fail("HasPending() disagrees with PendingSize()");
  }

  void Finish(const std::string& fed) {
    joined += splitter.Flush();
    if (joined != fed) Fail("the messages do not join up to the bytes fed", fed);
    if (splitter.HasPending()) Fail("bytes are held after Flush()");
  }
};

}  // namespace
}  // namespace tamsok::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tamsok;
  fuzz::ByteReader in(data, size);
  fuzz::Checked toServer(Direction::ClientToServer), toClient(Direction::ServerToClient);
  std::string fed;
  while (!in.Empty()) {
    const std::string_view read = in.Bytes(in.Byte());
    toServer.Feed(read, fed);
    toClient.Feed(read, fed);
    fed += read;
  }
  toServer.Finish(fed);
  toClient.Finish(fed);
  return 0;
}
