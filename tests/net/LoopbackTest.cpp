// A room, a requester and a spectator in one process, talking over real loopback sockets.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTcpServer>
#include <QTemporaryDir>
#include <fstream>
#include <sstream>

#include "net/TextCodec.h"
#include "tests/net/NetFixtures.h"

namespace tamsok {
namespace {

using testing::Station;
using testing::WaitUntil;

using Loopback = testing::LoopbackRoom;

TEST_F(Loopback, ConnectingListsTheAddressOnceAndWritesTheSettingsFile) {
  EXPECT_EQ(room->windows.addressLines, std::vector<std::string>{"127.0.0.1"});
  EXPECT_EQ(room->view.panel[kPanelConnection], "Server mode");
  EXPECT_EQ(requester->view.panel[kPanelConnection], "Connected");
  EXPECT_EQ(requester->game.OwnCamp(), Camp::Fir);
  std::ifstream in(Ini("requester"));
  std::stringstream content;
  content << in.rdbuf();
  EXPECT_EQ(content.str(), "[Server IP]\n127.0.0.1=\n");
  EXPECT_TRUE(requester->windows.knownLists.at(0).empty());
  // Off and on again: the dialog now lists the address, and the file keeps one line.
  requester->session.miConnectClick();
  ASSERT_TRUE(WaitUntil([&] { return requester->game.Mode() == GameMode::LocalFree; }));
  EXPECT_EQ(requester->view.panel[kPanelConnection], "Disconnected");
  requester->session.miConnectClick();
  ASSERT_TRUE(WaitUntil([&] { return requester->game.Mode() == GameMode::ClientFree; }));
  EXPECT_EQ(requester->windows.knownLists.at(1), std::vector<std::string>{"127.0.0.1"});
  std::ifstream again(Ini("requester"));
  std::stringstream content2;
  content2 << again.rdbuf();
  EXPECT_EQ(content2.str(), "[Server IP]\n127.0.0.1=\n");
}

TEST_F(Loopback, RequestsAreListedOnceAndAnotherOptionSetAddsALine) {
  requester->windows.nextOptions = {0, 45, 3, 2};
  requester->session.miReqGameClick();
  requester->session.miReqGameClick();
  ASSERT_TRUE(WaitUntil([&] {
    return std::count(requester->windows.received.begin(), requester->windows.received.end(),
                      "Requested") == 2;
  }));
  EXPECT_EQ(room->windows.requestLines.size(), 1u);
  EXPECT_EQ(room->windows.requestLines[0].substr(0, 38), "[      127.0.0.1][Fir][ 45][  3][  2][");
  requester->windows.nextOptions = {1, 30, 5, 0};
  requester->session.miReqGameClick();
  ASSERT_TRUE(WaitUntil([&] { return room->windows.requestLines.size() == 2; }));
  EXPECT_TRUE(room->windows.Received("[127.0.0.1]Requested"));
}

TEST_F(Loopback, AWholeGameMovesPassesChatAndATreeCapture) {
  requester->game.SelectViewSide(2);
  StartGame({0, 45, 3, 2});
  EXPECT_EQ(room->game.Mode(), GameMode::ServerPlaying);
  EXPECT_EQ(room->game.OwnCamp(), Camp::Oak);
  EXPECT_EQ(room->game.UnitTime(), 45);
  EXPECT_EQ(room->game.ExceedLimit(), 3);
  EXPECT_EQ(room->game.RetractLimit(), 2);
  EXPECT_TRUE(room->windows.locked);
  EXPECT_TRUE(requester->game.CanHandlePieces());
  EXPECT_EQ(requester->game.OwnCamp(), Camp::Fir);
  EXPECT_EQ(requester->game.UnitTime(), 45);
  EXPECT_FALSE(spectator->game.CanHandlePieces());
  EXPECT_TRUE(spectator->windows.Received("Made some game"));
  EXPECT_TRUE(requester->windows.Received("Made new game..."));

  // The requester (side 2) moves Fir's Ant; every board shows it on its own frame.
  requester->game.PlayDroppedPiece(18, 9, 6);
  ASSERT_TRUE(AllHaveRecords(1));
  EXPECT_EQ(room->game.board().PiecePos[18], (Square{0, 3}));
  EXPECT_EQ(requester->game.board().PiecePos[18], (Square{9, 6}));
  EXPECT_EQ(spectator->game.board().PiecePos[18], (Square{0, 3}));
  EXPECT_TRUE(room->windows.Received("[127.0.0.1]Move18-1 0 2 0 3 0"));
  EXPECT_TRUE(requester->windows.Received(""));  // the echo of its own move

  // The room (Oak) moves its Tree forward.
  room->game.PlayDroppedPiece(30, 4, 8);
  ASSERT_TRUE(AllHaveRecords(2));
  EXPECT_EQ(requester->game.board().PiecePos[30], (Square{5, 1}));
  EXPECT_EQ(spectator->game.board().PiecePos[30], (Square{4, 8}));

  // The requester passes; it takes effect when the echo comes back.
  requester->game.miPassClick();
  EXPECT_TRUE(requester->game.PassPending());
  ASSERT_TRUE(AllHaveRecords(3));
  EXPECT_FALSE(requester->game.PassPending());
  EXPECT_TRUE(requester->windows.Received("pass"));
  room->game.miPassClick();
  ASSERT_TRUE(AllHaveRecords(4));

  // Chat both ways, in the wire's code page.
  const std::string korean = Utf8ToCp949("[Guest] 안녕 hello");
  requester->session.SendChatLine(korean);
  ASSERT_TRUE(WaitUntil([&] { return requester->windows.Received(korean); }));
  EXPECT_TRUE(room->windows.Received("[127.0.0.1]" + korean));
  room->session.SendChatLine("[Head] hi");
  ASSERT_TRUE(WaitUntil([&] {
    return requester->windows.Received("[Head] hi") && spectator->windows.Received("[Head] hi");
  }));
  EXPECT_FALSE(room->windows.Received("[Head] hi"));

  // A request during the game comes back unchanged, and is told in words.
  requester->session.miReqGameClick();
  ASSERT_TRUE(WaitUntil([&] {
    return requester->windows.Received("The room is playing a game; try again when it ends");
  }));

  // Fir's Lightning strikes Oak's Tree inside the Clouds' zone: the game is over.
  requester->game.PlayDroppedPiece(1, 5, 1);
  ASSERT_TRUE(WaitUntil([&] {
    return requester->game.Mode() == GameMode::ClientFree &&
           room->game.Mode() == GameMode::ServerFree;
  }));
  EXPECT_EQ(room->view.boxes.back(), "Game over|Fir Win");
  EXPECT_EQ(requester->view.boxes.back(), "Game over|Fir Win");
  EXPECT_TRUE(requester->windows.Received("Game over"));
  EXPECT_FALSE(room->game.board().InPlay[30]);
  EXPECT_FALSE(room->windows.locked);
  EXPECT_TRUE(room->windows.errors.empty());
  EXPECT_TRUE(requester->windows.errors.empty());
}

TEST_F(Loopback, LossAndFiniEndings) {
  StartGame({1, 30, 5, 0});  // the requester plays Oak, the room Fir
  requester->game.miLossgameClick();
  EXPECT_EQ(requester->game.Mode(), GameMode::ClientFree);
  ASSERT_TRUE(WaitUntil([&] { return requester->windows.Received("Game over"); }));
  EXPECT_EQ(room->view.boxes.back(), "Game over|Fir Win");
  EXPECT_EQ(requester->view.boxes.back(), "Game over|Fir Win");
  EXPECT_EQ(room->game.Mode(), GameMode::ServerFree);

  requester->windows.received.clear();
  StartGame({0, 30, 5, 0});
  while (requester->game.RecordCount() < 50) {
    requester->game.PassBookkeeping();
    room->game.PassBookkeeping();
  }
  requester->game.miScoringClick();
  ASSERT_TRUE(WaitUntil([&] { return requester->windows.Received("Game over"); }));
  EXPECT_EQ(room->view.boxes.back(), "Game over|Oak Win");  // nothing captured: Oak
}

TEST_F(Loopback, TheRequesterLeavingMidGameLeavesTheRoomPlaying) {
  StartGame({0, 30, 5, 0});
  requester->session.miConnectClick();
  ASSERT_TRUE(WaitUntil([&] { return room->windows.addressLines.empty(); }));
  EXPECT_EQ(room->game.Mode(), GameMode::ServerPlaying);
  EXPECT_EQ(requester->game.Mode(), GameMode::LocalFree);
  EXPECT_EQ(requester->view.panel[kPanelGame].rfind("Disconnected :", 0), 0u);
  // The room can still end it.
  room->game.miLossgameClick();
  EXPECT_EQ(room->game.Mode(), GameMode::ServerFree);
  ASSERT_TRUE(WaitUntil([&] { return spectator->game.Mode() == GameMode::ClientFree; }));
}

TEST(LoopbackErrors, ABusyPortIsReportedAndLeavesTheModeAlone) {
  QTcpServer squatter;
  ASSERT_TRUE(squatter.listen(QHostAddress::AnyIPv4, 0));
  QTemporaryDir dir;
  Station s(std::filesystem::path(dir.path().toStdString()) / "tamsok.ini", squatter.serverPort(),
            4);
  s.session.miCreateRoomClick();
  EXPECT_FALSE(s.session.RoomChecked());
  EXPECT_FALSE(s.view.checked[MenuItem::miCreateRoom]);
  EXPECT_EQ(s.game.Mode(), GameMode::LocalFree);
  ASSERT_EQ(s.windows.errors.size(), 1u);
  EXPECT_NE(s.windows.errors[0].find("Cannot open the room on port"), std::string::npos);
}

TEST(LoopbackErrors, BadAddressesAndRefusedConnections) {
  QTemporaryDir dir;
  const auto ini = std::filesystem::path(dir.path().toStdString()) / "tamsok.ini";
  Station s(ini, 1, 5);
  s.windows.nextAddress = "";
  s.session.miConnectClick();  // the box answers OK
  EXPECT_EQ(s.view.boxes.back(), "Socket Error|Try again !!!");
  EXPECT_FALSE(s.session.ClientChecked());
  EXPECT_EQ(s.view.panel[kPanelGame], "Socket error");

  s.view.answers.push_back(BoxAnswer::Cancel);
  s.session.miConnectClick();
  ASSERT_EQ(s.windows.errors.size(), 1u);
  EXPECT_EQ(s.windows.errors[0], "No address specified");
  EXPECT_TRUE(s.session.ClientChecked());  // Cancel leaves the check mark on
  s.session.miConnectClick();
  EXPECT_FALSE(s.session.ClientChecked());

  // Nobody listens on port 1 of the loopback: a later, asynchronous error.
  QTcpServer probe;
  ASSERT_TRUE(probe.listen(QHostAddress::AnyIPv4, 0));
  const quint16 closedPort = probe.serverPort();
  probe.close();
  s.session.client().SetPort(closedPort);
  s.windows.nextAddress = "127.0.0.1";
  s.session.miConnectClick();
  EXPECT_EQ(s.view.panel[kPanelGame], "Wait for Searching [127.0.0.1]");
  ASSERT_TRUE(WaitUntil([&] { return s.windows.errors.size() == 2; }));
  EXPECT_EQ(s.windows.errors[1], "Asynchronous socket error 10061");
  EXPECT_TRUE(s.session.ClientChecked());
  EXPECT_EQ(s.view.panel[kPanelGame], "Wait for Searching [127.0.0.1]");
}

}  // namespace
}  // namespace tamsok
