// The main window: the board with its 60 piece images and the last-move marker, the status
// bar, the whole menu, and the game itself. It shows what the Game reports (GameView) and hands
// the Game the user's gestures; it decides nothing about the rules.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include <QMainWindow>

#include <filesystem>
#include <memory>

#include "game/Game.h"
#include "net/NetSession.h"
#include "ui/Assets.h"
#include "ui/BoardGeometry.h"
#include "ui/ComputerPlayer.h"
#include "ui/GameFileCommands.h"
#include "ui/Glide.h"
#include "ui/ImageControl.h"
#include "ui/MoveSound.h"
#include "ui/StatusBarPanel.h"
#include "ui/Translation.h"
#include "ui/UiPrompts.h"

class QAction;
class QActionGroup;
class QFrame;
class QLabel;
class QTimer;

namespace tamsok {

class BoardKeyboard;
class BoardOverlay;
class LearningTools;
class GameDisplays;
class TAboutBox;
class TChatForm;
class TInputIPForm;
class TKiboForm;
class TProtocolForm;
class TRequestForm;

// The game's sends, forwarded to the network roles. The roles plug in through the two
// functions; until they do, nothing is sent.
class PeerForwarder : public PeerLink {
 public:
  void SendToAll(const std::string& text) override {
    if (sendToAll) sendToAll(text);
  }
  void SendToServer(const std::string& text) override {
    if (sendToServer) sendToServer(text);
  }

  std::function<void(const std::string&)> sendToAll;
  std::function<void(const std::string&)> sendToServer;
};

// The state of a drag. Pixel values are client-area coordinates of the main window.
struct DragState {
  int DraggedTag = 0;               // Tag (PieceId + 1) of the image being dragged, 0 when none
  int ImageLeft = 0, ImageTop = 0;  // where the dragged image's corner is now
  int HomeLeft = 0, HomeTop = 0;    // the corner on the square it was picked up from
  int PressX = 0, PressY = 0;       // the pointer inside the image at the press
};

class TBoardForm : public QMainWindow, public GameView, public PieceMouseHandler {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 785;
  static constexpr int kClientHeight = 530;

  // Creates the window and runs FormCreate. `seed` fixes the station identifier.
  explicit TBoardForm(std::optional<unsigned> seed = std::nullopt);
  ~TBoardForm() override;

  // Brings in the six other windows, after the main window: chat, about box, move history,
  // room status, request dialog, server-address dialog; then the network side, on `port`
  // (1024 in play) with the settings file at `iniPath`. A window is created at its first use
  // (its accessor below), together with those before it in that order that do not exist yet,
  // so they are always created in that order; none is needed for the first frame.
  void CreateSecondaryWindows(quint16 port = kGamePort,
                              const std::filesystem::path& iniPath = NetSession::DefaultIniPath());

  Game& game() { return game_; }
  const Game& game() const { return game_; }
  const BoardGeometry& Geometry() const { return geometry_; }

  // ---- Menu commands ---------------------------------------------------------------------
  // Network commands, carried out by the network session.
  void miCreateRoomClick();
  void miConnectClick();
  void miReqGameClick();

  // The game's commands as the menu gives them (GameCommands.cpp): a question first where a
  // click would give up a running game, undo and redo by whole turns against the computer,
  // and a finished local game stepped through. Code that acts for a player calls the game.
  void miNewClick();
  void miLocalAloneClick();
  void miExitClick();
  void miLoadClick();
  void miSaveClick();
  void miSaveasClick();
  void miUndoFirstClick() { StepRecords(&Game::miUndoFirstClick, Retraction::UndoFirst); }
  void miUndoClick() { StepRecords(&Game::miUndoClick, Retraction::Undo); }
  void miRedoClick() { StepRecords(&Game::miRedoClick, Retraction::Redo); }
  void miRedoLastClick() { StepRecords(&Game::miRedoLastClick, Retraction::RedoLast); }
  void miPassClick() {
    if (!computer_->RefusePass()) game_.miPassClick();
  }
  void miLossgameClick();
  void miScoringClick();
  // A finished game stays on the board in LocalFree until the next game: it can be stepped
  // through with undo and redo, and no piece can be moved on it.
  bool FinishedGameOnBoard() const;
  void miWoodClick() { SelectSkin(Skin::Wood); }
  void miSlateClick() { SelectSkin(Skin::Slate); }
  void miMarbteaClick() { SelectSkin(Skin::Marbtea); }
  void miPBfoilClick() { SelectSkin(Skin::PBfoil); }
  void miR0Click() { game_.SelectViewSide(0); }
  void miR90Click() { game_.SelectViewSide(1); }
  void miR180Click() { game_.SelectViewSide(2); }
  void miR270Click() { game_.SelectViewSide(3); }
  void miMyViewClick() { game_.miMyViewClick(); }
  void miKilledPieceClick();
  void miShowLegalMovesClick();
  void miShowInfluenceClick();
  void miMoveHistoryClick();
  void miChatWindowClick();
  void miRoomStateClick();
  void miAttachClick();
  void miAboutClick();
  void miSoundTTagClick();
  void miLanguageSystemClick() { SelectLanguage(Language::System); }
  void miLanguageEnglishClick() { SelectLanguage(Language::English); }
  void miLanguageKoreanClick() { SelectLanguage(Language::Korean); }

  // The one-second clock tick.
  void Timer1Timer() { game_.Timer1Timer(); }

  // ---- Piece images ----------------------------------------------------------------------
  void KimulMouseDown(PieceImageControl& image, Qt::MouseButton button, Qt::MouseButtons buttons,
                      Qt::KeyboardModifiers keys, int X, int Y) override;
  void KimulMouseMove(PieceImageControl& image, Qt::MouseButtons buttons,
                      Qt::KeyboardModifiers keys, int X, int Y) override;
  void KimulMouseUp(PieceImageControl& image, Qt::MouseButton button, Qt::MouseButtons buttons,
                    Qt::KeyboardModifiers keys, int X, int Y) override;

  // ---- Holding a piece: the mouse handlers above and the keyboard (BoardKeyboard) --------
  // Picks the piece up as a press on its image at (X, Y) does; false, with the reason shown
  // where there is one, when it may not be held now.
  bool PickUp(PieceId piece, int X, int Y);
  // The held piece's image onto the square, as a drag carries it.
  void CarryTo(Square s);
  // Lets the held piece go over the square, as a release does.
  void DropHeld(Square s);
  // Puts the held piece back on its own square; nothing is played.
  void CancelHold();

  // ---- GameView --------------------------------------------------------------------------
  void ShowStatus(int panel, const std::string& text) override;
  BoxAnswer ShowMessageBox(const std::string& text, const std::string& caption,
                           BoxButtons buttons) override;
  void SetMenuEnabled(MenuItem item, bool enabled) override;
  void SetMenuChecked(MenuItem item, bool checked) override;
  void ShowSideToMove(Camp side) override;
  void PlacePieceImage(PieceId piece, Square pos) override;
  void RefreshPieceImage(PieceId piece, Square pos) override;
  void MovePieceImage(PieceId piece, Square to) override;
  void RestorePieceImage(PieceId piece, Square to) override;
  void SnapBack(PieceId piece, Square home) override;
  void PutInTray(PieceId piece, int slot) override;
  void ApplyTrayVisibility() override;
  void MoveAnimation(PieceId piece, Square to) override;
  void PlaceMoveMarker(Square at) override;
  void ParkMoveMarker() override;
  void ResetMoveMarker() override;
  void PlayMoveSound() override;
  bool IsHistoryVisible() const override;
  void SetHistoryText(const std::vector<std::string>& lines) override;
  void ClearDragState() override;
  void ClearDropBusy() override { dropBusy_ = false; }
  void UnlockRequests() override;
  void BoardRebuilt() override;
  void GameModeApplied() override;

  // ---- Hooks -----------------------------------------------------------------------------
  // Message boxes, file dialogs and modal dialogs; nullptr restores the real ones.
  void SetPrompts(UiPrompts* prompts) { prompts_ = prompts ? prompts : &qtPrompts_; }
  UiPrompts& Prompts() { return *prompts_; }
  // The pause after each one-pixel step of a glide, in milliseconds (10 in the program).
  void SetGlideStepDelay(int ms) { glideStepMs_ = ms; }
  int GlideStepDelay() const { return glideStepMs_; }
  // The glide of a received move, while it runs.
  ReceivedGlide& Glide() { return glide_; }
  // Whether the text from the network being handled now is a chat line.
  bool ReceivingChat() const { return receivingChat_; }
  // Raises the image above every other image; the status bar stays above all images.
  void BringToFront(QWidget& image);
  // Where the game's sends go.
  PeerForwarder& Peer() { return peer_; }
  // The network side: both roles and their events (null before CreateSecondaryWindows).
  NetSession* Net() const { return net_.get(); }
  // Closes the server and client sockets; called by Exit. Set by the network roles.
  std::function<void()> CloseSockets;
  // The computer opponent and its menu.
  ComputerPlayer& Computer() const { return *computer_; }
  // The rules window, the edge labels, the analysis and the game review.
  LearningTools& Learning() const { return *learning_; }
  GameFileCommands& GameFiles() { return gameFiles_; }
  Skin CurrentSkin() const;
  // The last move's outline, the result of a finished game and the pieces' accessible names.
  GameDisplays& Displays() const { return *displays_; }
  // The keyboard's cursor and typed moves over the board.
  BoardKeyboard& Keyboard() const { return *keyboard_; }

  // ---- Controls --------------------------------------------------------------------------
  QAction* MenuAction(MenuItem item) const { return menuActions_[static_cast<int>(item)]; }
  // A menu item by its name, such as "miKilledPiece"; nullptr for an unknown name.
  QAction* Action(const QString& name) const;
  PieceImageControl* PieceImage(PieceId piece) const { return pieceImages_[piece]; }
  ImageControl* ImgLastPosition() const { return imgLastPosition_; }
  ImageControl* BoardImage(Skin skin) const { return boardImages_[static_cast<int>(skin)]; }
  StatusBarPanel* StatusPanel(int panel) const { return panels_[panel]; }
  QWidget* BoardArea() const { return boardArea_; }
  BoardOverlay* Overlay() const { return overlay_; }
  QTimer* Timer1() const { return timer1_; }
  // The six other windows, created on first use (which changes nothing else of the main
  // window); null before CreateSecondaryWindows.
  TChatForm* ChatForm() const;
  TAboutBox* AboutBox() const;
  TKiboForm* KiboForm() const;
  TProtocolForm* ProtocolForm() const;
  TRequestForm* RequestForm() const;
  TInputIPForm* InputIPForm() const;
  // How many of the six exist, counted in their creation order.
  int SecondaryWindowsMade() const { return windowsMade_; }

  const DragState& Drag() const { return drag_; }
  bool DropBusy() const { return dropBusy_; }
  // How many move sounds were asked of the sound output.
  int MoveSoundsPlayed() const { return movesSounded_; }
  const MoveSound& Sound() const { return sound_; }

 private:
  void BuildBoardArea();
  void BuildStatusBar();
  void BuildMenus();
  void FormCreate();
  // Creates the other windows that do not exist yet, in their order, up to the `count`th.
  void MakeSecondaryWindows(int count) const;
  void SelectSkin(Skin skin);
  // Undo or redo by the menu; panel 4 then names the last record taken back or replayed.
  void StepRecords(void (Game::*step)(), Retraction command);
  // Asks `question` when `ask` holds; true when the command goes on. It goes on only if the
  // game is still the one asked about when the answer comes (the clock and the network run
  // while the box is open).
  bool GoesOn(bool ask, const char* question);
  // Checks the language's item and keeps the choice in the settings file; the interface shows
  // in it from the next start.
  void SelectLanguage(Language language);
  void CheckLanguage(Language language);
  void FlipWindow(QWidget& window, QAction& item, const char* showCaption, const char* hideCaption);
  void MoveImage(QWidget& image, PixelPos to);
  // The held piece let go over `square`, or outside the board (nothing): the game decides.
  void Drop(std::optional<Square> square);
  // Puts the image last brought to the front back under the overlay's marks, still above
  // every other piece: its drag or glide is over.
  void SettleRaisedImage();
  // Shows or hides the overlay by the two switches and draws the influence when it is on.
  void ApplyOverlaySwitches();

  PeerForwarder peer_;
  Game game_;
  ComputerGame computerGame_{game_};
  GameFileCommands gameFiles_{game_, computerGame_};
  // Made with the other windows; destroyed before the game it works on.
  std::unique_ptr<NetWindows> netWindows_;
  std::unique_ptr<NetSession> net_;
  BoardGeometry geometry_;
  QtPrompts qtPrompts_;
  UiPrompts* prompts_ = &qtPrompts_;
  MoveSound sound_;
  int movesSounded_ = 0;
  int glideStepMs_ = 10;
  ReceivedGlide glide_;
  bool receivingChat_ = false;  // the text being handled from the network is a chat line

  DragState drag_;
  bool dropBusy_ = false;

  QWidget* boardArea_ = nullptr;
  std::array<ImageControl*, kSkinCount> boardImages_{};
  ImageControl* imgLastPosition_ = nullptr;
  std::array<PieceImageControl*, kPieceCount> pieceImages_{};
  BoardOverlay* overlay_ = nullptr;
  QWidget* raisedImage_ = nullptr;  // above the overlay while it is dragged or glides
  QFrame* gameStatus_ = nullptr;
  std::array<StatusBarPanel*, 5> panels_{};
  std::array<QAction*, kMenuItemCount> menuActions_{};
  std::array<QAction*, kSkinCount> skinActions_{};
  std::array<QAction*, 3> languageActions_{};  // by Language
  std::filesystem::path settingsPath_;         // set by CreateSecondaryWindows
  QAction* miKilledPiece_ = nullptr;
  QAction* miShowLegalMoves_ = nullptr;
  QAction* miShowInfluence_ = nullptr;
  QAction* miMoveHistory_ = nullptr;
  QAction* miChatWindow_ = nullptr;
  QAction* miSoundTTag_ = nullptr;
  QTimer* timer1_ = nullptr;

  bool windowsWanted_ = false;  // set by CreateSecondaryWindows
  mutable int windowsMade_ = 0;
  mutable TChatForm* chatForm_ = nullptr;
  mutable TAboutBox* aboutBox_ = nullptr;
  mutable TKiboForm* kiboForm_ = nullptr;
  mutable TProtocolForm* protocolForm_ = nullptr;
  mutable TRequestForm* requestForm_ = nullptr;
  mutable TInputIPForm* inputIPForm_ = nullptr;

  // Made right after the menus, before the game's start-up reports to it; destroyed first.
  std::unique_ptr<ComputerPlayer> computer_;
  std::unique_ptr<LearningTools> learning_;
  GameDisplays* displays_ = nullptr;  // made with the computer player
  BoardKeyboard* keyboard_ = nullptr;
};

}  // namespace tamsok
