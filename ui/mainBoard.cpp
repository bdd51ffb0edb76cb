#include "ui/mainBoard.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>

#include "rules/Catalogue.h"
#include "ui/About.h"
#include "ui/BoardKeyboard.h"
#include "ui/BoardOverlay.h"
#include "ui/Chatting.h"
#include "ui/ClockTooltip.h"
#include "ui/GameDisplays.h"
#include "ui/GameProtocolForm.h"
#include "ui/InputIP.h"
#include "ui/Kibo.h"
#include "ui/LazyIcon.h"
#include "ui/LearningTools.h"
#include "ui/NetBridge.h"
#include "ui/Request.h"
#include "ui/Shortcuts.h"
#include "ui/StatusBarPanel.h"
#include "ui/Translation.h"
#include "ui/UiTexts.h"
#include "ui/WindowParts.h"

namespace tamsok {

namespace {

// The names of the 60 piece images, by PieceId.
// clang-format off
constexpr const char* kPieceImageNames[kPieceCount] = {
    "ImgNamuG",   "ImgBunG",    "ImgJamGL",   "ImgJamGR",   "ImgMulGL",   "ImgMulGR",
    "ImgMeGL",    "ImgMeGR",    "ImgBulGL",   "ImgBulGR",   "ImgGuGL",    "ImgGuGR",
    "ImgGaGL",    "ImgGaGR",    "ImgBaGL",    "ImgGR",      "ImgNunGL",   "ImgNunGR",
    "ImgGaemiG1", "ImgGaemiG2", "ImgGaemiG3", "ImgGaemiG4", "ImgGaemiG5", "ImgGaemiG6",
    "ImgKNGaeG1", "ImgKNGaeG2", "ImgKNGaeG3", "ImgKNGaeG4", "ImgKNGaeG5", "ImgKNGaeG6",
    "ImgNamuR",   "ImgBunR",    "ImgJamRL",   "ImgJamRR",   "ImgMulRL",   "ImgMulRR",
    "ImgMeRL",    "ImgMeRR",    "ImgBulRL",   "ImgBulRR",   "ImgGuRL",    "ImgGuRR",
    "ImgGaRL",    "ImgGaRR",    "ImgBaRL",    "ImgBaRR",    "ImgNunRL",   "ImgNunRR",
    "ImgGaemiR1", "ImgGaemiR2", "ImgGaemiR3", "ImgGaemiR4", "ImgGaemiR5", "ImgGaemiR6",
    "ImgKNGaeR6", "ImgKNGaeR5", "ImgKNGaeR4", "ImgKNGaeR3", "ImgKNGaeR2", "ImgKNGaeR1"};
// clang-format on

// The board pictures, back to front, with their control names and sizes.
struct BoardImageRow {
  Skin skin;
  const char* name;
  QSize size;
  bool visibleAtStart;
};
constexpr BoardImageRow kBoardImages[kSkinCount] = {
    {Skin::PBfoil, "ImgBoardPbfoil", QSize(785, 513), true},
    {Skin::Marbtea, "ImgBoardMarbtea", QSize(785, 513), false},
    {Skin::Slate, "ImgBoardSlate1", QSize(785, 513), true},
    {Skin::Wood, "ImgBoardTree1", QSize(784, 512), false},
};

// The last panel, the game status panel, takes what the others leave of the bar: 260 pixels.
constexpr int kPanelWidths[4] = {85, 80, 180, 180};
// The clock panel of the side to move is drawn on a light tint of its camp's colour.
const QColor kTurnTint[kCampCount] = {QColor(0xB5, 0xE3, 0xA5), QColor(0xF3, 0xB4, 0xAA)};
constexpr QPoint kWindowPosition(184, 131);
constexpr QRect kStatusBarRect(0, 512, 785, 18);

// ---- The menu tree ------------------------------------------------------------------------

using Handler = void (TBoardForm::*)();

enum MenuFlag : unsigned {
  kPlain = 0,
  kCheckable = 1,
  kChecked = 2,
  kSkinRadio = 4,
  kSideRadio = 8,
  kSeparatorAfter = 16,
  kLanguageRadio = 32,
};

struct MenuRow {
  const char* name;
  const char* caption;
  Handler handler;
  unsigned flags;
  std::optional<MenuPicture> picture;
  std::optional<Skin> swatch;
};

// clang-format off
const MenuRow kMetaplayMenu[] = {
    {"miCreateRoom", ui_text::kServerMode, &TBoardForm::miCreateRoomClick, kCheckable, {}, {}},
    {"miConnect", ui_text::kClientMode, &TBoardForm::miConnectClick, kCheckable, {}, {}},
    {"miReqGame", ui_text::kReqGame, &TBoardForm::miReqGameClick, kSeparatorAfter, {}, {}},
    {"miNew", ui_text::kNewGame, &TBoardForm::miNewClick, kPlain, {}, {}},
    {"miLocalAlone", ui_text::kLocalAlone, &TBoardForm::miLocalAloneClick, kSeparatorAfter, {}, {}},
    {"miExit", ui_text::kExit, &TBoardForm::miExitClick, kPlain, {}, {}},
};
const MenuRow kFileMenu[] = {
    {"miLoad", ui_text::kLoad, &TBoardForm::miLoadClick, kPlain, {}, {}},
    {"miSave", ui_text::kSave, &TBoardForm::miSaveClick, kPlain, {}, {}},
    {"miSaveas", ui_text::kSaveas, &TBoardForm::miSaveasClick, kPlain, {}, {}},
};
const MenuRow kPlayingMenu[] = {
    {"miUndoFirst", ui_text::kUndoFirst, &TBoardForm::miUndoFirstClick, kPlain, MenuPicture::UndoFirst, {}},
    {"miUndo", ui_text::kUndo, &TBoardForm::miUndoClick, kPlain, MenuPicture::Undo, {}},
    {"miRedo", ui_text::kRedo, &TBoardForm::miRedoClick, kPlain, MenuPicture::Redo, {}},
    {"miRedoLast", ui_text::kRedoLast, &TBoardForm::miRedoLastClick, kSeparatorAfter, MenuPicture::RedoLast, {}},
    {"miPass", ui_text::kPass, &TBoardForm::miPassClick, kPlain, {}, {}},
    {"miLossgame", ui_text::kSurrender, &TBoardForm::miLossgameClick, kPlain, {}, {}},
    {"miScoring", ui_text::kScoring, &TBoardForm::miScoringClick, kPlain, {}, {}},
};
const MenuRow kSkinMenu[] = {
    {"miWood", ui_text::kWood, &TBoardForm::miWoodClick, kSkinRadio, {}, Skin::Wood},
    {"miSlate", ui_text::kSlate, &TBoardForm::miSlateClick, kSkinRadio | kChecked, {}, Skin::Slate},
    {"miMarbtea", ui_text::kMarbtea, &TBoardForm::miMarbteaClick, kSkinRadio, {}, Skin::Marbtea},
    {"miPBfoil", ui_text::kPBfoil, &TBoardForm::miPBfoilClick, kSkinRadio, {}, Skin::PBfoil},
};
const MenuRow kViewSideMenu[] = {
    {"miR0", ui_text::kR0, &TBoardForm::miR0Click, kSideRadio | kChecked, {}, {}},
    {"miR90", ui_text::kR90, &TBoardForm::miR90Click, kSideRadio, {}, {}},
    {"miR180", ui_text::kR180, &TBoardForm::miR180Click, kSideRadio, {}, {}},
    {"miR270", ui_text::kR270, &TBoardForm::miR270Click, kSideRadio | kSeparatorAfter, {}, {}},
    {"miMyView", ui_text::kMyView, &TBoardForm::miMyViewClick, kPlain, {}, {}},
};
const MenuRow kInterfaceMenu[] = {
    {"miKilledPiece", ui_text::kKilledPiece, &TBoardForm::miKilledPieceClick, kCheckable | kChecked, {}, {}},
    {"miShowLegalMoves", ui_text::kShowLegalMoves, &TBoardForm::miShowLegalMovesClick, kCheckable | kChecked, {}, {}},
    {"miShowInfluence", ui_text::kShowInfluence, &TBoardForm::miShowInfluenceClick, kCheckable, {}, {}},
    {"miMoveHistory", ui_text::kShowMoveHistory, &TBoardForm::miMoveHistoryClick, kPlain, {}, {}},
    {"miChatWindow", ui_text::kShowChatWindow, &TBoardForm::miChatWindowClick, kPlain, {}, {}},
    {"miRoomState", ui_text::kRoomState, &TBoardForm::miRoomStateClick, kCheckable, {}, {}},
    {"miAttach", ui_text::kAttach, &TBoardForm::miAttachClick, kSeparatorAfter, {}, {}},
    {"miSoundTTag", ui_text::kSoundTTag, &TBoardForm::miSoundTTagClick, kCheckable | kChecked, {}, {}},
};
const MenuRow kLanguageMenu[] = {
    {"miLanguageSystem", ui_text::kLanguageSystem, &TBoardForm::miLanguageSystemClick, kLanguageRadio | kChecked | kSeparatorAfter, {}, {}},
    {"miLanguageEnglish", ui_text::kLanguageEnglish, &TBoardForm::miLanguageEnglishClick, kLanguageRadio, {}, {}},
    {"miLanguageKorean", ui_text::kLanguageKorean, &TBoardForm::miLanguageKoreanClick, kLanguageRadio, {}, {}},
};
const MenuRow kHelpMenu[] = {
    {"miAbout", ui_text::kAbout, &TBoardForm::miAboutClick, kPlain, {}, {}},
};
// clang-format on

QString Text(const char* text) {
  return QString::fromUtf8(text);
}

bool IsChatText(const std::string& text) {
  return text.starts_with('[');
}
template <typename T>
bool IsChatText(const T&) {
  return false;
}

}  // namespace

// ---- Construction ---------------------------------------------------------------------------

TBoardForm::TBoardForm(std::optional<unsigned> seed)
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      game_(*this, peer_, seed),
      sound_(FindMoveSound(QApplication::applicationDirPath()),
             FindSoundModule(QApplication::applicationDirPath())) {
  setObjectName(QStringLiteral("BoardForm"));
  setWindowTitle(Tr(ui_text::kBoardFormCaption));
  setWindowIcon(QIcon(WindowIconPixmap()));

  BuildBoardArea();
  BuildStatusBar();
  BuildMenus();
  computer_ = std::make_unique<ComputerPlayer>(*this, computerGame_);
  learning_ = std::make_unique<LearningTools>(*this);
  displays_ = new GameDisplays(*this);
  keyboard_ = new BoardKeyboard(*this);
  InstallShortcuts(*this);
  computer_->confirmNewGame = [this] {
    return GoesOn(IsPlayingMode(game_.Mode()), ui_text::kAskNewGame);
  };
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  move(kWindowPosition);

  timer1_ = new QTimer(this);
  timer1_->setObjectName(QStringLiteral("Timer1"));
  timer1_->setInterval(1000);
  connect(timer1_, &QTimer::timeout, this, &TBoardForm::Timer1Timer);

  FormCreate();
  displays_->Sync();
  timer1_->start();
}

TBoardForm::~TBoardForm() {
  // Their workers stop before anything they report to goes away.
  learning_.reset();
  computer_.reset();
}

void TBoardForm::BuildBoardArea() {
  boardArea_ = new QWidget(this);
  boardArea_->setObjectName(QStringLiteral("ClientArea"));
  boardArea_->setFixedSize(kClientWidth, kClientHeight);
  setCentralWidget(boardArea_);

  // A board picture is decoded when it is first painted: at start-up only the Slate picture,
  // which covers the PBfoil one. An opaque picture hides what lies below it from painting. The
  // first paint draws straight from the file, so the first frame does not wait for the 1.6 MB
  // picture to be filled (each fresh page of memory costs a fault); it is made right after.
  for (const BoardImageRow& row : kBoardImages) {
    auto* image = new ImageControl(boardArea_, Text(row.name), row.size);
    const Skin skin = row.skin;
    image->SetPictureSource([skin] { return QPixmap::fromImage(BoardPicture(skin)); });
    image->SetFirstPaint([skin](QPainter& painter, const QRect& clip) {
      return PaintBoardPicture(skin, painter, clip);
    });
    image->setAttribute(Qt::WA_OpaquePaintEvent, HasBoardPicture(skin));
    image->setVisible(row.visibleAtStart);
    boardImages_[static_cast<int>(row.skin)] = image;
  }

  imgLastPosition_ =
      new ImageControl(boardArea_, QStringLiteral("ImgLastPosition"), {kMarkerSize, kMarkerSize});
  imgLastPosition_->SetPicture(MarkerPicture());
  MoveImage(*imgLastPosition_, kMarkerStartUp);

  for (PieceId p = 0; p < kPieceCount; ++p) {
    auto* image = new PieceImageControl(boardArea_, Text(kPieceImageNames[p]), p + 1, *this);
    image->SetPicture(PiecePicture(CampOf(p), KindOf(p)));
    image->hide();
    pieceImages_[p] = image;
  }
  overlay_ = new BoardOverlay(boardArea_, geometry_);
  overlay_->setGeometry(0, 0, kClientWidth, kStatusBarRect.top());
}

void TBoardForm::BuildStatusBar() {
  gameStatus_ = new QFrame(boardArea_);
  gameStatus_->setObjectName(QStringLiteral("GameStatus"));
  gameStatus_->setGeometry(kStatusBarRect);
  gameStatus_->setAutoFillBackground(true);
  int left = 0;
  for (int i = 0; i < 5; ++i) {
    auto* panel = new StatusBarPanel(Tr(ui_text::kInitialPanel[i]), gameStatus_);
    panel->setObjectName(QStringLiteral("GameStatusPanel%1").arg(i));
    const int width = i < 4 ? kPanelWidths[i] : kStatusBarRect.width() - left;
    panel->setGeometry(left, 0, width, kStatusBarRect.height());
    left += width;
    panels_[i] = panel;
  }
  for (Camp c : {Camp::Fir, Camp::Oak})
    panels_[kPanelFirClock + Index(c)]->SetExplain(
        [c](const QString& text) { return ClockTooltip(c, text); });
}

void TBoardForm::BuildMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  bar->setNativeMenuBar(false);  // the client area is the area below the menu bar

  auto* skinGroup = new QActionGroup(this);
  auto* sideGroup = new QActionGroup(this);
  auto* languageGroup = new QActionGroup(this);
  // Radio groups whose marks the handlers set: Qt must be free to clear the checked item.
  skinGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  sideGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  languageGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);

  auto addItems = [&](QMenu* menu, const auto& rows) {
    for (const MenuRow& row : rows) {
      QAction* action = menu->addAction(Tr(row.caption));
      action->setObjectName(Text(row.name));
      const bool checkable = row.flags & (kCheckable | kSkinRadio | kSideRadio | kLanguageRadio);
      action->setCheckable(checkable);
      action->setChecked(row.flags & kChecked);
      if (row.flags & kSkinRadio) skinGroup->addAction(action);
      if (row.flags & kSideRadio) sideGroup->addAction(action);
      if (row.flags & kLanguageRadio) languageGroup->addAction(action);
      // Menu pictures are made when a menu first shows them, not before the first frame.
      if (const std::optional<MenuPicture> picture = row.picture)
        action->setIcon(LazyIcon([picture] { return QIcon(MenuPicturePixmap(*picture)); }));
      if (const std::optional<Skin> swatch = row.swatch) {
        action->setIcon(LazyIcon([swatch] { return SkinSwatchIcon(*swatch); }));
        skinActions_[static_cast<int>(*row.swatch)] = action;
      }
      // Qt flips a checkable item before it reports the trigger; the handlers own the check
      // marks, so the flip is undone first and every handler sets the marks it means.
      const Handler handler = row.handler;
      connect(action, &QAction::triggered, this, [this, action, handler] {
        if (action->isCheckable()) action->setChecked(!action->isChecked());
        (this->*handler)();
      });
      if (row.flags & kSeparatorAfter) menu->addSeparator();
    }
  };
  auto addMenu = [&](QWidget* parent, const char* name, const char* caption) {
    QMenu* menu = parent == bar ? bar->addMenu(Tr(caption))
                                : static_cast<QMenu*>(parent)->addMenu(Tr(caption));
    menu->setObjectName(Text(name));
    menu->menuAction()->setObjectName(Text(name));
    return menu;
  };

  addItems(addMenu(bar, "File1", ui_text::kMenuMetaplay), kMetaplayMenu);
  addItems(addMenu(bar, "File2", ui_text::kMenuFile), kFileMenu);
  addItems(addMenu(bar, "Playing1", ui_text::kMenuPlaying), kPlayingMenu);
  QMenu* interfaceMenu = addMenu(bar, "miEnvironmentEx", ui_text::kMenuInterface);
  QMenu* boardMenu = addMenu(interfaceMenu, "Board1", ui_text::kMenuBoardFigure);
  boardMenu->menuAction()->setIcon(
      LazyIcon([] { return QIcon(MenuPicturePixmap(MenuPicture::BoardFigure)); }));
  addItems(boardMenu, kSkinMenu);
  QMenu* sideMenu = addMenu(interfaceMenu, "BoardRotation1", ui_text::kMenuViewSide);
  sideMenu->menuAction()->setIcon(
      LazyIcon([] { return QIcon(MenuPicturePixmap(MenuPicture::ViewSide)); }));
  addItems(sideMenu, kViewSideMenu);
  interfaceMenu->addSeparator();
  addItems(interfaceMenu, kInterfaceMenu);
  interfaceMenu->addSeparator();
  addItems(addMenu(interfaceMenu, "miLanguage", ui_text::kMenuLanguage), kLanguageMenu);
  addItems(addMenu(bar, "Help1", ui_text::kMenuHelp), kHelpMenu);

  for (int i = 0; i < kMenuItemCount; ++i)
    menuActions_[i] = Action(QString::fromUtf8(MenuItemName(static_cast<MenuItem>(i))));
  miKilledPiece_ = Action(QStringLiteral("miKilledPiece"));
  miShowLegalMoves_ = Action(QStringLiteral("miShowLegalMoves"));
  miShowInfluence_ = Action(QStringLiteral("miShowInfluence"));
  miShowInfluence_->setToolTip(BoardOverlay::InfluenceLegend());
  interfaceMenu->setToolTipsVisible(true);
  miMoveHistory_ = Action(QStringLiteral("miMoveHistory"));
  miChatWindow_ = Action(QStringLiteral("miChatWindow"));
  miSoundTTag_ = Action(QStringLiteral("miSoundTTag"));
  for (const MenuRow& row : kLanguageMenu)
    languageActions_[&row - kLanguageMenu] = Action(Text(row.name));
}

// Window creation: register the images by their Tags, enable them and bring them to the front
// in Tag order, build the pixel tables, then the game's own start-up (start position, images
// placed, board rebuilt, counters, LocalFree, station identifier, spectator until a mode is
// chosen). The other six windows do not exist yet.
void TBoardForm::FormCreate() {
  for (int tag = 1; tag <= kPieceCount; ++tag) {
    PieceImageControl* image = pieceImages_[tag - 1];
    image->setEnabled(true);
    BringToFront(*image);
  }
  overlay_->raise();   // the marks lie over every piece, under the status bar
  keyboard_->raise();  // and the keyboard's cursor over them
  gameStatus_->raise();
  raisedImage_ = nullptr;
  geometry_.Build();
  ApplyOverlaySwitches();
  game_.FormCreate();
}

void TBoardForm::CreateSecondaryWindows(quint16 port, const std::filesystem::path& iniPath) {
  if (windowsWanted_) return;
  windowsWanted_ = true;
  netWindows_ = std::make_unique<NetBridge>(*this);
  net_ = std::make_unique<NetSession>(*netWindows_, iniPath, port);
  net_->Attach(game_);
  peer_.sendToAll = [this](const std::string& text) { net_->SendToAll(text); };
  peer_.sendToServer = [this](const std::string& text) { net_->SendToServer(text); };
  CloseSockets = [this] { net_->CloseSockets(); };
  settingsPath_ = iniPath;
  CheckLanguage(ChosenLanguage(iniPath));

  // Whatever arrives from the network is handled once a glide under way has landed, and the
  // glide of a move it brings keeps the move's effects only while that message is handled.
  // A chat line begins with "[", never with a message head: the chat window tells the texts
  // read apart from the protocol lines it lists.
  auto landFirst = [this](auto& handler) {
    handler = [this, inner = handler](const auto&... args) {
      glide_.Finish();
      bool chat = false;
      ((chat = IsChatText(args)), ...);  // the text read is the last argument
      const bool outer = std::exchange(receivingChat_, chat);
      if (inner) inner(args...);
      receivingChat_ = outer;
      glide_.StopKeeping();
    };
  };
  ServerRole& server = net_->server();
  ClientRole& client = net_->client();
  landFirst(server.onAccept);
  landFirst(server.onConnect);
  landFirst(server.onDisconnect);
  landFirst(server.onRead);
  landFirst(client.onConnect);
  landFirst(client.onDisconnect);
  landFirst(client.onRead);
  landFirst(client.onError);
}

// The windows in their creation order: chat, about box, move history, room status, request
// dialog, server-address dialog.
void TBoardForm::MakeSecondaryWindows(int count) const {
  if (!windowsWanted_) return;
  auto* owner = const_cast<TBoardForm*>(this);
  for (; windowsMade_ < count; ++windowsMade_) {
    switch (windowsMade_) {
      case 0:
        chatForm_ = new TChatForm(owner);
        chatForm_->SendChatLine = [this](const QString& line) {
          const std::string wire = WireText(line);
          net_->SendChatLine(wire);
          // The room lists its own lines too, as its clients see them.
          const GameMode mode = game_.Mode();
          if (mode == GameMode::ServerFree || mode == GameMode::ServerPlaying)
            chatForm_->AppendReceived(ShownQText(wire), /*chat=*/true);
        };
        break;
      case 1:
        aboutBox_ = new TAboutBox(owner);
        break;
      case 2:
        kiboForm_ = new TKiboForm(owner);
        break;
      case 3:
        protocolForm_ = new TProtocolForm(owner);
        protocolForm_->AcceptLine = [this](const std::string& line) { net_->LBxReqDblClick(line); };
        break;
      case 4:
        requestForm_ = new TRequestForm(owner);
        break;
      case 5:
        inputIPForm_ = new TInputIPForm(owner);
        break;
    }
  }
}

TChatForm* TBoardForm::ChatForm() const {
  MakeSecondaryWindows(1);
  return chatForm_;
}

TAboutBox* TBoardForm::AboutBox() const {
  MakeSecondaryWindows(2);
  return aboutBox_;
}

TKiboForm* TBoardForm::KiboForm() const {
  MakeSecondaryWindows(3);
  return kiboForm_;
}

TProtocolForm* TBoardForm::ProtocolForm() const {
  MakeSecondaryWindows(4);
  return protocolForm_;
}

TRequestForm* TBoardForm::RequestForm() const {
  MakeSecondaryWindows(5);
  return requestForm_;
}

TInputIPForm* TBoardForm::InputIPForm() const {
  MakeSecondaryWindows(6);
  return inputIPForm_;
}

QAction* TBoardForm::Action(const QString& name) const {
  return findChild<QAction*>(name);
}

// ---- Helpers --------------------------------------------------------------------------------

void TBoardForm::BringToFront(QWidget& image) {
  image.raise();
  if (gameStatus_) gameStatus_->raise();
  raisedImage_ = &image;
}

void TBoardForm::MoveImage(QWidget& image, PixelPos to) {
  image.move(to.left, to.top);
}

void TBoardForm::SettleRaisedImage() {
  if (raisedImage_) raisedImage_->stackUnder(overlay_);
  raisedImage_ = nullptr;
}

void TBoardForm::ApplyOverlaySwitches() {
  const bool influence = miShowInfluence_->isChecked();
  if (!miShowLegalMoves_->isChecked()) overlay_->ClearTargets();
  if (influence)
    overlay_->ShowInfluence(ReadInfluence(game_.board()));
  else
    overlay_->ClearInfluence();
  boardArea_->setToolTip(influence ? BoardOverlay::InfluenceLegend() : QString());
  // A hidden overlay costs nothing when a piece moves; showing it repaints the board once.
  overlay_->setVisible(influence || miShowLegalMoves_->isChecked());
}

void TBoardForm::SelectSkin(Skin skin) {
  for (int s = 0; s < kSkinCount; ++s) {
    skinActions_[s]->setChecked(s == static_cast<int>(skin));
    boardImages_[s]->setVisible(s == static_cast<int>(skin));
  }
  if (learning_) learning_->SkinChanged();
}

Skin TBoardForm::CurrentSkin() const {
  for (int s = 0; s < kSkinCount; ++s)
    if (skinActions_[s]->isChecked()) return static_cast<Skin>(s);
  return Skin::Slate;
}

// ---- Network commands -----------------------------------------------------------------------

void TBoardForm::miCreateRoomClick() {
  if (net_) net_->miCreateRoomClick();
}

void TBoardForm::miConnectClick() {
  if (net_) net_->miConnectClick();
}

void TBoardForm::miReqGameClick() {
  if (net_) net_->miReqGameClick();
}

// ---- Menu commands --------------------------------------------------------------------------

void TBoardForm::miExitClick() {
  if (IsNetworkGame(game_.Mode()) && game_.CanHandlePieces()) {
    if (prompts_->MessageBox(this, Tr(ui_text::kConquered), Tr(ui_text::kGameOverBye),
                             BoxButtons::Ok) != BoxAnswer::Ok)
      return;
    game_.miLossgameClick();
  }
  if (CloseSockets) CloseSockets();
  close();
}

void TBoardForm::miLoadClick() {
  gameFiles_.Load(*prompts_, this);
}

void TBoardForm::miSaveClick() {
  gameFiles_.Save(*prompts_, this);
}

void TBoardForm::miSaveasClick() {
  gameFiles_.SaveAs(*prompts_, this);
}

void TBoardForm::miKilledPieceClick() {
  miKilledPiece_->setChecked(!miKilledPiece_->isChecked());
  ApplyTrayVisibility();
}

void TBoardForm::miShowLegalMovesClick() {
  miShowLegalMoves_->setChecked(!miShowLegalMoves_->isChecked());
  ApplyOverlaySwitches();
}

void TBoardForm::miShowInfluenceClick() {
  miShowInfluence_->setChecked(!miShowInfluence_->isChecked());
  ApplyOverlaySwitches();
}

// Hides a shown window or shows a hidden one; the item's caption then names what its next
// click will do.
void TBoardForm::FlipWindow(QWidget& window, QAction& item, const char* showCaption,
                            const char* hideCaption) {
  const bool show = !window.isVisible();
  item.setText(Tr(show ? hideCaption : showCaption));
  window.setVisible(show);
}

void TBoardForm::miMoveHistoryClick() {
  TKiboForm* kibo = KiboForm();
  if (!kibo) return;
  PlaceBelowAt(*this, *kibo, ChatForm()->frameGeometry().width());
  FlipWindow(*kibo, *miMoveHistory_, ui_text::kShowMoveHistory, ui_text::kHideMoveHistory);
  game_.RebuildHistory();
}

void TBoardForm::miChatWindowClick() {
  TChatForm* chat = ChatForm();
  if (!chat) return;
  PlaceBelow(*this, *chat);
  FlipWindow(*chat, *miChatWindow_, ui_text::kShowChatWindow, ui_text::kHideChatWindow);
}

void TBoardForm::miRoomStateClick() {
  TProtocolForm* room = ProtocolForm();
  if (!room) return;
  CenterOver(*this, *room);
  QAction* item = MenuAction(MenuItem::miRoomState);
  item->setChecked(!item->isChecked());
  room->setVisible(item->isChecked());
}

void TBoardForm::miAttachClick() {
  TProtocolForm* room = ProtocolForm();  // the chat and history windows come before it
  if (!room) return;
  PlaceBelow(*this, *chatForm_);
  PlaceBelowAt(*this, *kiboForm_, chatForm_->frameGeometry().width());
  CenterOver(*this, *room);
}

void TBoardForm::miAboutClick() {
  TAboutBox* about = AboutBox();
  if (!about) return;
  CenterOver(*this, *about);
  prompts_->RunModal(*about);
}

void TBoardForm::miSoundTTagClick() {
  miSoundTTag_->setChecked(!miSoundTTag_->isChecked());
}

void TBoardForm::CheckLanguage(Language language) {
  for (std::size_t i = 0; i < languageActions_.size(); ++i)
    languageActions_[i]->setChecked(i == static_cast<std::size_t>(language));
}

void TBoardForm::SelectLanguage(Language language) {
  const bool changed = !languageActions_[static_cast<std::size_t>(language)]->isChecked();
  CheckLanguage(language);
  if (!changed || settingsPath_.empty() || !RememberLanguage(settingsPath_, language)) return;
  // Said in the language chosen, which its reader understands.
  const QString dir = TranslationsDir(QApplication::applicationDirPath());
  prompts_->MessageBox(this, TrIn(language, ui_text::kLanguageChanged, dir),
                       TrIn(language, ui_text::kMenuLanguage, dir), BoxButtons::Ok);
}

// ---- Dragging -------------------------------------------------------------------------------

void TBoardForm::KimulMouseDown(PieceImageControl& image, Qt::MouseButton, Qt::MouseButtons buttons,
                                Qt::KeyboardModifiers, int X, int Y) {
  if (!(buttons & Qt::LeftButton)) return;
  PickUp(image.Tag() - 1, X, Y);
}

// A press on a piece's image, or Enter on its square: the piece is held.
bool TBoardForm::PickUp(PieceId piece, int X, int Y) {
  glide_.Finish();  // a piece on its way lands before another is picked up
  if (game_.RefuseSpectator()) return false;
  if (FinishedGameOnBoard()) {
    ShowStatus(kPanelGame, ui_text::kFinishedGame);
    return false;
  }
  if (game_.PassPending() || dropBusy_) return false;
  if (!IsValidPiece(piece)) return false;
  if (computer_->RefusePress(piece)) return false;
  const Square pos = game_.board().PiecePos[piece];
  if (!OnBoard(pos)) return false;  // only images of pieces on the board take presses

  drag_.DraggedTag = piece + 1;
  drag_.ImageLeft = drag_.HomeLeft = geometry_.SquareLeft[pos.x];
  drag_.ImageTop = drag_.HomeTop = geometry_.SquareTop[pos.y];
  drag_.PressX = X;
  drag_.PressY = Y;
  BringToFront(*pieceImages_[piece]);  // drawn above every other piece while it moves
  if (miShowLegalMoves_->isChecked())
    overlay_->ShowTargets(game_.board(), game_.DropTargets(piece));
  // The sound is readied while the piece is held, not at the drop, which is timed.
  if (miSoundTTag_->isChecked()) sound_.Prepare();
  return true;
}

void TBoardForm::KimulMouseMove(PieceImageControl& image, Qt::MouseButtons buttons,
                                Qt::KeyboardModifiers, int X, int Y) {
  if (!(buttons & Qt::LeftButton) || dropBusy_ || drag_.DraggedTag < 1) return;
  // Only the dragged image follows the pointer; X and Y are relative to it.
  if (image.Tag() != drag_.DraggedTag) return;
  const int dx = X - drag_.PressX, dy = Y - drag_.PressY;
  image.move(drag_.ImageLeft + dx, drag_.ImageTop + dy);
  drag_.ImageLeft += dx;
  drag_.ImageTop += dy;
}

void TBoardForm::KimulMouseUp(PieceImageControl& image, Qt::MouseButton, Qt::MouseButtons buttons,
                              Qt::KeyboardModifiers keys, int X, int Y) {
  // A release with a button or Shift, Ctrl or Alt still held is ignored: the image stays where
  // it was let go until it is picked up again or re-placed.
  const bool shiftStateEmpty =
      buttons == Qt::NoButton &&
      !(keys & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
  // The piece is no longer held, whatever becomes of the release.
  overlay_->ClearTargets();
  SettleRaisedImage();
  if (!shiftStateEmpty || dropBusy_) return;
  // A release on another image than the dragged one does not drop the dragged one.
  if (drag_.DraggedTag != 0 && image.Tag() != drag_.DraggedTag) return;

  const int left = drag_.ImageLeft + X - drag_.PressX;
  const int top = drag_.ImageTop + Y - drag_.PressY;
  Drop(geometry_.PixelToSquare(left, top));
}

// The held piece let go over `square`, or outside the board: the game decides.
void TBoardForm::Drop(std::optional<Square> square) {
  if (dropBusy_) return;
  dropBusy_ = true;
  const PieceId piece = drag_.DraggedTag - 1;
  if (piece < 0) {
    dropBusy_ = false;
    return;
  }
  if (square)
    game_.PlayDroppedPiece(piece, square->x, square->y);
  else
    SnapBack(piece, game_.board().PiecePos[piece]);  // outside the board: back, silently
  drag_.DraggedTag = 0;
  dropBusy_ = false;
}

void TBoardForm::CarryTo(Square s) {
  if (drag_.DraggedTag < 1 || dropBusy_ || !OnBoard(s)) return;
  const PixelPos at = geometry_.SquarePixel(s);
  pieceImages_[drag_.DraggedTag - 1]->move(at.left, at.top);
  drag_.ImageLeft = at.left;
  drag_.ImageTop = at.top;
}

void TBoardForm::DropHeld(Square s) {
  if (dropBusy_) return;
  overlay_->ClearTargets();
  SettleRaisedImage();
  Drop(s);
}

void TBoardForm::CancelHold() {
  if (drag_.DraggedTag < 1 || dropBusy_) return;
  const PieceId piece = drag_.DraggedTag - 1;
  SnapBack(piece, game_.board().PiecePos[piece]);
  ClearDragState();
}

// ---- GameView -------------------------------------------------------------------------------

void TBoardForm::ShowStatus(int panel, const std::string& text) {
  if (glide_.Keep([=, this] { ShowStatus(panel, text); })) return;
  if (panel >= 0 && panel < static_cast<int>(panels_.size())) panels_[panel]->SetText(Tr(text));
}

BoxAnswer TBoardForm::ShowMessageBox(const std::string& text, const std::string& caption,
                                     BoxButtons buttons) {
  glide_.Finish();
  return prompts_->MessageBox(this, Tr(text), Tr(caption), buttons);
}

void TBoardForm::SetMenuEnabled(MenuItem item, bool enabled) {
  if (glide_.Keep([=, this] { SetMenuEnabled(item, enabled); })) return;
  if (QAction* action = MenuAction(item)) action->setEnabled(enabled);
}

void TBoardForm::SetMenuChecked(MenuItem item, bool checked) {
  if (glide_.Keep([=, this] { SetMenuChecked(item, checked); })) return;
  if (QAction* action = MenuAction(item)) action->setChecked(checked);
}

void TBoardForm::ShowSideToMove(Camp side) {
  if (glide_.Keep([=, this] { ShowSideToMove(side); })) return;
  for (Camp c : {Camp::Fir, Camp::Oak})
    panels_[kPanelFirClock + Index(c)]->SetTint(c == side ? std::optional(kTurnTint[Index(c)])
                                                          : std::nullopt);
  if (computer_) computer_->PositionChanged();
  if (displays_) displays_->Schedule();
}

void TBoardForm::GameModeApplied() {
  // A finished local game is stepped through with undo and redo, read-only.
  if (FinishedGameOnBoard())
    for (MenuItem item :
         {MenuItem::miUndoFirst, MenuItem::miUndo, MenuItem::miRedo, MenuItem::miRedoLast})
      SetMenuEnabled(item, true);
  if (displays_ && game_.Winner()) displays_->NoteComputerGame();  // before the computer leaves
  if (computer_) computer_->GameModeApplied();
  if (learning_) learning_->GameModeApplied();
  if (displays_) displays_->Schedule();
}

void TBoardForm::PlacePieceImage(PieceId piece, Square pos) {
  if (glide_.Keep([=, this] { PlacePieceImage(piece, pos); })) return;
  glide_.Finish();
  PieceImageControl& image = *pieceImages_[piece];
  if (OnBoard(pos)) {
    MoveImage(image, geometry_.SquarePixel(pos));
    image.setEnabled(true);
    image.show();
  } else {
    image.move(0, 0);
    image.hide();
    image.setEnabled(true);
  }
}

void TBoardForm::RefreshPieceImage(PieceId piece, Square pos) {
  if (glide_.Keep([=, this] { RefreshPieceImage(piece, pos); })) return;
  glide_.Finish();
  if (OnBoard(pos)) MoveImage(*pieceImages_[piece], geometry_.SquarePixel(pos));
}

void TBoardForm::MovePieceImage(PieceId piece, Square to) {
  if (glide_.Keep([=, this] { MovePieceImage(piece, to); })) return;
  glide_.Finish();
  if (OnBoard(to)) MoveImage(*pieceImages_[piece], geometry_.SquarePixel(to));
}

void TBoardForm::RestorePieceImage(PieceId piece, Square to) {
  if (glide_.Keep([=, this] { RestorePieceImage(piece, to); })) return;
  glide_.Finish();
  PieceImageControl& image = *pieceImages_[piece];
  image.setEnabled(true);
  MovePieceImage(piece, to);
  image.show();  // pieces on the board are always visible, whatever the tray switch says
}

void TBoardForm::SnapBack(PieceId piece, Square home) {
  if (glide_.Keep([=, this] { SnapBack(piece, home); })) return;
  glide_.Finish();
  MovePieceImage(piece, home);
  drag_.ImageLeft = drag_.HomeLeft;
  drag_.ImageTop = drag_.HomeTop;
}

void TBoardForm::PutInTray(PieceId piece, int slot) {
  if (glide_.Keep([=, this] { PutInTray(piece, slot); })) return;
  glide_.Finish();
  PieceImageControl& image = *pieceImages_[piece];
  MoveImage(image, TraySlotPixel(CampOf(piece), slot));
  image.setEnabled(false);
}

void TBoardForm::ApplyTrayVisibility() {
  if (glide_.Keep([this] { ApplyTrayVisibility(); })) return;
  const bool show = miKilledPiece_->isChecked();
  for (PieceImageControl* image : pieceImages_)
    if (!image->isEnabled()) image->setVisible(show);
}

// The glide of a received move (see Glide.h): the window goes on answering meanwhile.
void TBoardForm::MoveAnimation(PieceId piece, Square to) {
  glide_.Finish();
  PieceImageControl& image = *pieceImages_[piece];
  BringToFront(image);
  if (!OnBoard(to)) return;
  const PixelPos target = geometry_.SquarePixel(to);
  glide_.Start(image, {target.left, target.top}, glideStepMs_);
}

void TBoardForm::PlaceMoveMarker(Square at) {
  if (glide_.Keep([=, this] { PlaceMoveMarker(at); })) return;
  glide_.Finish();
  if (displays_) displays_->Schedule();
  if (OnBoard(at)) MoveImage(*imgLastPosition_, geometry_.MarkerPixel(at));
}

void TBoardForm::ParkMoveMarker() {
  if (glide_.Keep([=, this] { ParkMoveMarker(); })) return;
  glide_.Finish();
  if (displays_) displays_->Schedule();
  MoveImage(*imgLastPosition_, geometry_.MarkerParking());
}

void TBoardForm::ResetMoveMarker() {
  if (glide_.Keep([=, this] { ResetMoveMarker(); })) return;
  glide_.Finish();
  if (displays_) displays_->Schedule();
  MoveImage(*imgLastPosition_, kMarkerNewGame);
}

void TBoardForm::PlayMoveSound() {
  if (glide_.Keep([this] { PlayMoveSound(); })) return;
  if (!miSoundTTag_->isChecked()) return;
  ++movesSounded_;
  sound_.Play();
}

bool TBoardForm::IsHistoryVisible() const {
  return kiboForm_ && kiboForm_->isVisible();
}

void TBoardForm::SetHistoryText(const std::vector<std::string>& lines) {
  if (glide_.Keep([=, this] { SetHistoryText(lines); })) return;
  if (kiboForm_) kiboForm_->SetLines(learning_ ? learning_->DecorateHistory(lines) : lines);
}

// A move, an undo or redo, or a received move ends any drag at once; the image of a received
// move settles when it has landed.
void TBoardForm::ClearDragState() {
  drag_.DraggedTag = 0;
  overlay_->ClearTargets();
  if (glide_.Keep([this] { SettleRaisedImage(); })) return;
  glide_.Finish();
  SettleRaisedImage();
}

void TBoardForm::BoardRebuilt() {
  if (glide_.Keep([this] { BoardRebuilt(); })) return;
  if (displays_) displays_->Schedule();
  if (miShowInfluence_->isChecked()) overlay_->ShowInfluence(ReadInfluence(game_.board()));
  if (learning_) learning_->BoardChanged();
}

void TBoardForm::UnlockRequests() {
  if (protocolForm_) protocolForm_->UnlockRequests();
}

}  // namespace tamsok
