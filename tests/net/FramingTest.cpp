#include "net/Framing.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "game/Messages.h"

namespace tamsok {
namespace {

using Messages = std::vector<std::string>;

// Every fixed-layout message each side receives.
Messages ClientToServerSamples() {
  return {BuildRequ(1, 30, 5, 0, "  123 4567   89"), BuildMove({0, -1, 4, 0, 4, 1, 0}), BuildPass(),
          BuildLoss(), BuildFini()};
}

Messages ServerToClientSamples() {
  return {BuildMadeFromRoomLine(BuildRoomLine("192.0.2.7", "Oak", 30, 5, 0, "  123 4567   89")),
          BuildMove({59, 30, 9, 9, 0, 0, 0}),
          BuildPass(),
          BuildWinn(Camp::Fir),
          BuildWinn(Camp::Oak),
          std::string(kRequested),
          BuildRequ(0, 600, 20, 5, "65534    0    1")};
}

struct Side {
  Direction direction;
  Messages samples;
};

std::vector<Side> BothSides() {
  return {{Direction::ClientToServer, ClientToServerSamples()},
          {Direction::ServerToClient, ServerToClientSamples()}};
}

// Feeds the reads one by one and collects every message that comes out.
Messages FeedAll(MessageSplitter& splitter, const Messages& reads) {
  Messages out;
  for (const std::string& read : reads) {
    for (std::string& m : splitter.Feed(read))
      out.push_back(std::move(m));
    EXPECT_LT(splitter.PendingSize(), kMaxHeldBytes);
  }
  return out;
}

std::string Join(const Messages& parts) {
  std::string all;
  for (const std::string& p : parts)
    all += p;
  return all;
}

TEST(Framing, EveryMessageCutAtEveryByteComesOutWhole) {
  for (const Side& side : BothSides())
    for (const std::string& m : side.samples)
      for (std::size_t cut = 0; cut <= m.size(); ++cut) {
        MessageSplitter splitter(side.direction);
        const Messages out = FeedAll(splitter, {m.substr(0, cut), m.substr(cut)});
        EXPECT_EQ(out, Messages{m}) << m << " cut at " << cut;
        EXPECT_FALSE(splitter.HasPending()) << m << " cut at " << cut;
      }
}

// Covers, among others, a "Move" and the "Winn" it caused arriving in one read.
TEST(Framing, EveryPairGluedAndCutAnywhereComesOutAsTwo) {
  for (const Side& side : BothSides())
    for (const std::string& a : side.samples)
      for (const std::string& b : side.samples) {
        const std::string both = a + b;
        for (std::size_t cut = 0; cut <= both.size(); ++cut) {
          MessageSplitter splitter(side.direction);
          const Messages out = FeedAll(splitter, {both.substr(0, cut), both.substr(cut)});
          ASSERT_EQ(out, (Messages{a, b})) << both << " cut at " << cut;
          ASSERT_FALSE(splitter.HasPending());
        }
      }
}

TEST(Framing, OtherTextTakesTheRestOfTheRead) {
  const std::string chat = "[Guest] \xBE\xC8\xB3\xE7 Move 0-1 4 0 4 1 0";  // CP949 bytes
  for (const Side& side : BothSides()) {
    for (const std::string& m : side.samples) {
      MessageSplitter splitter(side.direction);
      EXPECT_EQ(splitter.Feed(m + chat + m), (Messages{m, chat + m})) << m;
      EXPECT_FALSE(splitter.HasPending());
    }
  }
  // Heads without a layout, and heads that only the other direction carries.
  const struct {
    Direction direction;
    const char* read;
  } others[] = {
      {Direction::ClientToServer, "BoadMove 0-1 4 0 4 1 0"},
      {Direction::ClientToServer, "Winn 1Pass"},
      {Direction::ClientToServer, "Made[Oak]"},
      {Direction::ServerToClient, "UnFiPass"},
      {Direction::ServerToClient, "LossPass"},
      {Direction::ServerToClient, "move 0-1"},
      {Direction::ServerToClient, "Reqx"},
  };
  for (const auto& o : others) {
    MessageSplitter splitter(o.direction);
    EXPECT_EQ(splitter.Feed(o.read), Messages{o.read}) << o.read;
  }
}

TEST(Framing, RequestedAndAnEchoedRequestAreToldApartByTheirFifthByte) {
  const std::string echo = BuildRequ(1, 30, 5, 0, "  123 4567   89");
  MessageSplitter splitter(Direction::ServerToClient);
  // Four bytes fit both; nothing can be decided yet.
  EXPECT_TRUE(splitter.Feed("Requ").empty());
  EXPECT_TRUE(splitter.Feed("este").empty());
  EXPECT_EQ(splitter.Feed("d" + echo.substr(0, 4)), Messages{"Requested"});
  EXPECT_TRUE(splitter.Feed(echo.substr(4, 1)).empty());  // now certainly a request
  EXPECT_EQ(splitter.Feed(echo.substr(5) + "Requested"), (Messages{echo, "Requested"}));

  // The server never receives "Requested"; to it, those bytes begin a request.
  MessageSplitter server(Direction::ClientToServer);
  EXPECT_TRUE(server.Feed("Requested").empty());
  EXPECT_EQ(server.Flush(), "Requested");
}

TEST(Framing, AnIncompleteMessageIsHeldUntilFlushed) {
  MessageSplitter splitter(Direction::ClientToServer);
  EXPECT_TRUE(splitter.Feed("Move 0-1").empty());
  EXPECT_TRUE(splitter.HasPending());
  EXPECT_EQ(splitter.PendingSize(), 8u);
  EXPECT_EQ(splitter.Flush(), "Move 0-1");
  EXPECT_FALSE(splitter.HasPending());
  EXPECT_EQ(splitter.Flush(), "");
  // After a flush the connection starts afresh.
  EXPECT_EQ(splitter.Feed("[Head] msg"), Messages{"[Head] msg"});

  // Bytes that turn out not to complete the held message are not lost: the whole becomes
  // one message (held bytes first), like any other text.
  EXPECT_TRUE(splitter.Feed("Mo").empty());
  EXPECT_EQ(splitter.Feed("[Head] msg"), Messages{"Mo[Head] msg"});
  // A read that ends inside a head is held too.
  EXPECT_TRUE(splitter.Feed("Pas").empty());
  EXPECT_EQ(splitter.Feed("s"), Messages{"Pass"});
  // An empty read changes nothing.
  EXPECT_TRUE(splitter.Feed("Pas").empty());
  EXPECT_TRUE(splitter.Feed("").empty());
  EXPECT_EQ(splitter.PendingSize(), 3u);
}

// Held bytes that a read does not complete never swallow a valid message that begins the
// read; a real completion still wins, and a character cut by a read stays whole.
TEST(Framing, HeldJunkNeverSwallowsAWholeMessage) {
  const std::string requ = BuildRequ(1, 30, 5, 0, "  123 4567   89");
  const struct {
    Direction direction;
    Messages reads, out;
    std::string held;
  } cases[] = {
      {Direction::ClientToServer,
       {"Move48-1 0 7", "Move48-1 0 7 0 6 0"},
       {"Move48-1 0 7", "Move48-1 0 7 0 6 0"}},
      {Direction::ClientToServer, {"Requ", requ}, {"Requ", requ}},
      {Direction::ClientToServer,
       {"[x] abc\xB0", "Move18-1 0 2 0 3 0"},
       {"[x] abc", "\xB0", "Move18-1 0 2 0 3 0"}},
      {Direction::ServerToClient, {"Made[Oak][ 3", "Winn 1"}, {"Made[Oak][ 3", "Winn 1"}},
      // The held bytes and the read make a valid request whose identifier begins like a pass.
      {Direction::ClientToServer,
       {"Requ1 30  5  0", "Pass567890abcde"},
       {"Requ1 30  5  0Pass567890abcde"}},
      // A read that does not begin with a valid message joins what is held.
      {Direction::ClientToServer, {"Move48-1 0 7", "Move48"}, {"Move48-1 0 7Move48"}},
      {Direction::ClientToServer, {"[x] \xB0", "\xA1 end"}, {"[x] ", "\xB0\xA1 end"}},
      {Direction::ServerToClient, {"\xB0"}, {}, "\xB0"},
  };
  for (const auto& c : cases) {
    MessageSplitter splitter(c.direction);
    EXPECT_EQ(FeedAll(splitter, c.reads), c.out) << c.reads[0];
    EXPECT_EQ(splitter.Flush(), c.held) << c.reads[0];
  }
}

// Random streams of messages and chat lines, cut into random reads: the messages that come
// out, with a final flush, are the bytes that went in, none lost and none repeated; and as
// long as no chat line sits in the middle of a read, every message comes out as sent.
TEST(Framing, RandomReadsNeverLoseOrDuplicateBytes) {
  std::mt19937 random(20240611);
  for (const Side& side : BothSides()) {
    Messages pool = side.samples;
    pool.push_back("[Guest] hello");
    pool.push_back("Boad");
    pool.push_back("Mo");
    for (int round = 0; round < 2000; ++round) {
      const int count = 1 + static_cast<int>(random() % 6);
      Messages sent;
      for (int i = 0; i < count; ++i)
        sent.push_back(side.samples[random() % side.samples.size()]);
      // Half the rounds end in something that is not a fixed-layout message.
      if (round % 2) sent.push_back(pool[side.samples.size() + random() % 3]);
      const std::string stream = Join(sent);

      Messages reads;
      for (std::size_t at = 0; at < stream.size();) {
        const std::size_t n = std::min<std::size_t>(1 + random() % 50, stream.size() - at);
        reads.push_back(stream.substr(at, n));
        at += n;
      }
      MessageSplitter splitter(side.direction);
      Messages out = FeedAll(splitter, reads);
      if (std::string rest = splitter.Flush(); !rest.empty()) out.push_back(rest);
      ASSERT_EQ(Join(out), stream);
      // Every fixed-layout message before the tail comes out as it was sent.
      for (int i = 0; i < count; ++i)
        ASSERT_EQ(out.at(i), sent[i]) << "round " << round;
    }
  }
}

}  // namespace
}  // namespace tamsok
