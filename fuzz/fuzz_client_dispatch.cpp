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

  Handled Dispatch(Game& game, std::string_view message) override {
    return HandleServerMessage(game, message);
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
