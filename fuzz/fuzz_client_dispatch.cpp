// The client's dispatcher under arbitrary reads from the server, interleaved with what the
// client's user does (moves, menu commands, the clock) and with the connection being made
// and lost. Input layout: FuzzHarness.h.
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzHarness.h"

namespace tamsok::fuzz {
namespace {

class ClientRole : public Role {
 public:
  Direction direction() const override { return Direction::ServerToClient; }

  Handled Dispatch(Game& game, std::string_view message, int) override {
    const GameMode mode = game.Mode();
    const Handled h = HandleServerMessage(game, message);
    // Other text is shown as it came, byte for byte.
    const std::string_view head = HeadOf(message);
    bool handled = false;
    for (std::string_view known : {kHeadMade, kHeadBoad, kHeadWinn, kHeadMove, kHeadPass, kHeadUnFi,
                                   kHeadUndo, kHeadRedo, kHeadReLa})
      handled = handled || head == known;
    if (mode != GameMode::LocalFree && mode != GameMode::LocalPlaying && !handled &&
        h.reply != message)
      Fail("other text was not shown byte for byte", message);
    return h;
  }

  void RoleOp(Station& s, Op op, ByteReader&) override {
    Game& g = s.game;
    const GameMode mode = g.Mode();
    if (op == Op::RoleA) {
      // "Client mode" switched on and the connection made.
      if (mode != GameMode::LocalFree || !s.view.Enabled(MenuItem::miConnect)) return;
      g.SetOwnCamp(Camp::Fir);
      g.SetGameMode(GameMode::ClientFree);
      return;
    }
    if (mode == GameMode::ClientFree || mode == GameMode::ClientPlaying)
      g.SetGameMode(GameMode::LocalFree);  // the connection closed
  }
};

}  // namespace
}  // namespace tamsok::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tamsok::fuzz::ClientRole role;
  tamsok::fuzz::RunDispatchInput(data, size, role);
  return 0;
}
