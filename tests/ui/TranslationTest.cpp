// The Korean interface: the translation file is complete and sound, every window shows Korean,
// the texts the lower layers compose arrive translated, and nothing sent changes with the
// language.
#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <fstream>
#include <map>
#include <sstream>

#include "game/Format.h"
#include "game/GameFile.h"
#include "game/Messages.h"
#include "net/NetTexts.h"
#include "rules/Catalogue.h"
#include "rules/MoveCheck.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/About.h"
#include "ui/Chatting.h"
#include "ui/GameProtocolForm.h"
#include "ui/InputIP.h"
#include "ui/Kibo.h"
#include "ui/Request.h"
#include "ui/Translation.h"
#include "ui/UiTexts.h"

namespace tamsok {
namespace {

using testing::BoardFixture;

QString Q(const char* s) {
  return QString::fromUtf8(s);
}

// ---- The translation file ----------------------------------------------------------------

struct Message {
  QString source, translation, type;  // type: "", "unfinished", "vanished", "obsolete"
};

std::vector<Message> ReadTs(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  std::vector<Message> messages;
  QXmlStreamReader xml(&file);
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == u"message") {
      messages.emplace_back();
    } else if (xml.name() == u"source" && !messages.empty()) {
      messages.back().source = xml.readElementText();
    } else if (xml.name() == u"translation" && !messages.empty()) {
      messages.back().type = xml.attributes().value(QStringLiteral("type")).toString();
      messages.back().translation = xml.readElementText();
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return messages;
}

// The printf conversions of a text in order, and its Qt placeholders (%1..%99) sorted.
QStringList Placeholders(const QString& text) {
  static const QRegularExpression printf(
      QStringLiteral("%[-+ #0]*\\d*(?:\\.\\d+)?(?:hh|h|ll|l|z|j|t)?[diuxXsc]|%%"));
  static const QRegularExpression qt(QStringLiteral("%\\d{1,2}(?!\\d)"));
  QStringList conversions, args;
  for (auto it = printf.globalMatch(text); it.hasNext();)
    conversions << it.next().captured();
  for (auto it = qt.globalMatch(text); it.hasNext();)
    args << it.next().captured();
  args.sort();
  return conversions << QStringLiteral("|") << args;
}

// Gathers the marked texts of the code into a copy of the translation file, as the
// update_translations target does, and checks every message of the result: a text added
// without a translation, a translation left unfinished or a text no longer in the code fails,
// and so does a translation whose placeholders differ from its source's.
TEST(TranslationFile, EveryMarkedTextHasAFinishedSoundTranslation) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (const QString& ts : Q(TAMSOK_TEST_TS_FILES).split(u'|')) {
    const QString copy = dir.filePath(QFileInfo(ts).fileName());
    ASSERT_TRUE(QFile::copy(ts, copy)) << ts.toStdString();
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);

    QStringList args = Q(TAMSOK_TEST_LUPDATE_OPTIONS).split(u'|');
    args << Q(TAMSOK_TEST_TEXT_DIRS).split(u'|') << QStringLiteral("-ts") << copy;
    QProcess lupdate;
    lupdate.setWorkingDirectory(Q(TAMSOK_TEST_SOURCE_DIR));
    lupdate.start(Q(TAMSOK_TEST_LUPDATE), args);
    ASSERT_TRUE(lupdate.waitForFinished(120000)) << "lupdate did not finish";
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    const std::vector<Message> messages = ReadTs(copy);
    EXPECT_GT(messages.size(), 150u);
    std::ostringstream faults;
    for (const Message& m : messages) {
      const std::string source = m.source.toStdString();
      if (m.type == u"vanished" || m.type == u"obsolete")
        faults << "  no longer in the code: \"" << source << "\"\n";
      else if (!m.type.isEmpty() || m.translation.isEmpty())
        faults << "  not translated: \"" << source << "\"\n";
      else if (Placeholders(m.translation) != Placeholders(m.source))
        faults << "  placeholders differ: \"" << source << "\" -> \"" << m.translation.toStdString()
               << "\"\n";
    }
    EXPECT_TRUE(faults.str().empty())
        << ts.toStdString() << " (run `make translations` and translate):\n"
        << faults.str();
  }
}

// ---- The Korean interface ----------------------------------------------------------------

bool HasHangul(const QString& text) {
  for (QChar c : text)
    if (c.unicode() >= 0xAC00 && c.unicode() <= 0xD7A3) return true;
  return false;
}

bool HasLatinLetter(const QString& text) {
  for (QChar c : text)
    if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')) return true;
  return false;
}

// The real windows with the Korean translation in use; English again afterwards.
struct KoreanFixture : BoardFixture {
  static void SetUpTestSuite() {
    ASSERT_TRUE(UseLanguage(Language::Korean, Q(TAMSOK_TEST_TRANSLATIONS)));
  }
  static void TearDownTestSuite() { UseLanguage(Language::English, QString()); }
};

// Every caption, menu item, label, button and tooltip of every window: Korean, unless it is a
// name that stays as it is (the program's, a language's, the chat's default name and text).
TEST_F(KoreanFixture, EveryWindowShowsKorean) {
  const QStringList asItIs = {QStringLiteral("Tamsok Janggi"), Q(ui_text::kLanguageEnglish),
                              Q(ui_text::kInitialHead), Q(ui_text::kInitialMessage)};
  std::vector<QString> texts;
  std::vector<QWidget*> windows = {&form,
                                   form.ChatForm(),
                                   form.AboutBox(),
                                   form.KiboForm(),
                                   form.ProtocolForm(),
                                   form.RequestForm(),
                                   form.InputIPForm()};
  for (QWidget* window : windows) {
    texts.push_back(window->windowTitle());
    for (const QLabel* label : window->findChildren<QLabel*>())
      texts.push_back(label->text()), texts.push_back(label->toolTip());
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
      texts.push_back(button->text());
    for (const QGroupBox* box : window->findChildren<QGroupBox*>())
      texts.push_back(box->title());
    for (const QPlainTextEdit* memo : window->findChildren<QPlainTextEdit*>())
      texts.push_back(memo->toPlainText());
  }
  for (const QMenu* menu : form.findChildren<QMenu*>()) {
    texts.push_back(menu->title());
    for (const QAction* item : menu->actions())
      texts.push_back(item->text()), texts.push_back(item->toolTip());
  }
  int korean = 0;
  for (const QString& text : texts) {
    korean += HasHangul(text);
    EXPECT_TRUE(HasHangul(text) || !HasLatinLetter(text) || asItIs.contains(text))
        << text.toStdString();
  }
  EXPECT_GT(korean, 80);
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Tamsok Janggi 1.2.0 - 3차 개정 규칙"));
  EXPECT_EQ(Item("miLanguageKorean")->text(), QStringLiteral("한국어"));
}

// The names of the camps and kinds are the Korean names of the name table.
TEST_F(KoreanFixture, NamesAreTheKoreanNamesOfTheNameTable) {
  for (int column = 0; column < kNameColumns; ++column)
    EXPECT_EQ(Tr(NameTable[kEnglishRow][column]).toStdString(), NameTable[kKoreanRow][column]);
  EXPECT_EQ(form.PieceImage(0)->accessibleName(), QStringLiteral("e0의 전나무 나무"));
}

// Texts composed below the windows arrive in Korean, parts and all; anything else, such as an
// address or a chat line, is shown as it is.
TEST_F(KoreanFixture, ComposedTextsAreTranslatedPartByPart) {
  const ReadGameResult badFile = ReadGameFile("Tamsok Janggi game\nVersion: 1\nView: 9\n");
  ASSERT_FALSE(badFile);
  const struct {
    std::string english;
    const char* korean;
  } rows[] = {
      {MoveCheckText(MoveCheckResult::EmptyFromOrNotTurn, Camp::Oak), "참나무 차례가 아닙니다"},
      {MoveCheckText(MoveCheckResult::Blocked, Camp::Fir), "멱 (길을 막는 말)"},
      {Game::MoveStatusText(3, Camp::Fir, PieceKind::DivingBeetle, {2, 0}, {2, 1}),
       "[  3][전나무 물방개]{x2y9->x2y8}"},
      {Format("[.]%s",
              Game::MoveStatusText(12, Camp::Oak, PieceKind::CarpenterAnt, {0, 0}, {1, 1}).c_str()),
       "[.][ 12][참나무 왕개미]{x0y9->x1y8}"},
      {"[  2][PASS]", "[  2][한수쉼]"},
      {"[  5][F.An] {02->03} (Capture<O.An>)", "[  5][F.An] {02->03} (잡은 말<O.An>)"},
      {"[  6][O.An] {07->06}", "[  6][O.An] {07->06}"},
      {"Fir Win", "전나무 승리"},
      {"OakWin", "참나무 승리"},
      {Format(nettext::kConnectedTo, "192.0.2.7"), "연결됨: 192.0.2.7"},
      {Format(nettext::kFieldError, "Move",
              std::string(ParseErrorText(ParseError::TooShort)).c_str()),
       "\"Move\" 메시지를 읽을 수 없습니다: 메시지가 형식보다 짧습니다"},
      {Format("Line %d: %s", 7,
              Format("%s is refused: %s", "e3e4",
                     MoveCheckText(MoveCheckResult::EmptyFromOrNotTurn, Camp::Fir).c_str())
                  .c_str()),
       "7번째 줄: e3e4 거부됨: 전나무 차례가 아닙니다"},
      {FileErrorText(badFile.error), ""},  // checked below: Korean
      {"192.0.2.7", "192.0.2.7"},
      {"[Head] msg", "[Head] msg"},
  };
  for (const auto& row : rows) {
    const QString shown = Tr(row.english);
    if (*row.korean)
      EXPECT_EQ(shown.toStdString(), row.korean) << row.english;
    else
      EXPECT_TRUE(HasHangul(shown)) << row.english << " -> " << shown.toStdString();
  }
}

// The game's status texts, in Korean, are drawn whole in their panels; the panels show what
// the game writes, translated, from a refused drop to a played move.
TEST_F(KoreanFixture, StatusTextsAreKoreanAndReadableInFull) {
  NewGame();
  EXPECT_TRUE(Panel(kPanelFirClock).starts_with("[전나무]")) << Panel(kPanelFirClock);
  EXPECT_TRUE(Panel(kPanelOakClock).starts_with("[참나무]")) << Panel(kPanelOakClock);
  EXPECT_EQ(Panel(kPanelMode), "대국");
  const QPoint home = ImagePos(30 + 18);  // Oak's first Ant, out of turn
  Drag(30 + 18, {0, 47});
  EXPECT_EQ(ImagePos(30 + 18), home);
  EXPECT_EQ(Panel(kPanelGame), "참나무 차례가 아닙니다");
  DragTo(18, {0, 3});
  EXPECT_EQ(Panel(kPanelGame), "[  1][전나무 개미]{x0y7->x0y6}");

  std::vector<std::string> texts = {"You are only a spectator",
                                    "Always fir tree camp First",
                                    "Pass Form Opposite",
                                    std::string(Game::RecordsFullText()),
                                    nettext::kMadeNewGameComplete,
                                    nettext::kRequestGameWait,
                                    Format(nettext::kWaitForSearching, "255.255.255.255"),
                                    Format(nettext::kDisconnectedFrom, "255.255.255.255")};
  for (int code = 1; code <= 9; ++code)
    texts.push_back(MoveCheckText(static_cast<MoveCheckResult>(code), Camp::Oak));
  std::vector<std::pair<int, std::string>> shown;
  for (const std::string& text : texts)
    shown.emplace_back(kPanelGame, text);
  for (const char* mode :
       {"LocalFree", "LocalPlaying", "ServerFree", "ServerPlaying", "ClientFree", "ClientPlaying"})
    shown.emplace_back(kPanelMode, mode);
  shown.emplace_back(kPanelFirClock, "[Fir][10\"00][30][10/10][-9999]");
  for (const auto& [panel, text] : shown) {
    form.ShowStatus(panel, text);
    const QLabel& label = *form.StatusPanel(panel);
    EXPECT_TRUE(HasHangul(label.text())) << text;
    EXPECT_LE(QFontMetrics(label.font()).horizontalAdvance(label.text()),
              label.contentsRect().width() - label.indent())
        << label.text().toStdString();
  }
}

// What goes on the wire is the same in every language: a move, the chat's default line, and
// the surrender of a player who leaves, whose boxes speak Korean.
TEST_F(KoreanFixture, SentTextsDoNotChangeWithTheLanguage) {
  form.game().SetGameMode(GameMode::ServerPlaying);
  form.game().SetOwnCamp(Camp::Fir);
  form.game().miNewClick();
  form.game().SetCanHandlePieces(true);
  DragTo(18, {0, 3});
  ASSERT_EQ(sentToAll.size(), 1u);
  EXPECT_EQ(sentToAll[0], BuildMove({18, -1, 0, 2, 0, 3, 0}));

  std::vector<std::string> chat;
  form.ChatForm()->SendChatLine = [&](const QString& line) { chat.push_back(line.toStdString()); };
  form.ChatForm()->MemoSKeyDown(Qt::Key_Return, Qt::NoModifier);
  EXPECT_EQ(chat, std::vector<std::string>{"[Head] msg"});

  sentToAll.clear();
  Item("miExit")->trigger();
  EXPECT_EQ(prompts.log.at(0), "box:대국 종료, 안녕히 가세요|패배했습니다");
  EXPECT_EQ(prompts.log.at(1), "box:대국 종료|참나무 승리");
  EXPECT_EQ(sentToAll, std::vector<std::string>{"Winn 1"});
}

// ---- The language setting ------------------------------------------------------------------

struct LanguageMenuFixture : BoardFixture {
  QTemporaryDir dir;
  std::filesystem::path ini() const {
    return dir.filePath(QStringLiteral("tamsok.ini")).toStdString();
  }
  std::string File() const {
    std::ifstream in(ini(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
};

// The choice is kept in a section of its own; the server addresses keep their bytes, and the
// notice speaks the language chosen.
TEST_F(LanguageMenuFixture, TheChoiceIsRememberedBesideTheServerAddresses) {
  const std::string servers = "[Server IP]\r\n192.0.2.7=\r\n198.51.100.1=\r\n";
  std::ofstream(ini(), std::ios::binary) << servers;
  TBoardForm board(1u);
  board.CreateSecondaryWindows(0, ini());
  board.SetPrompts(&prompts);
  ASSERT_TRUE(board.Action(QStringLiteral("miLanguageSystem"))->isChecked());
  const QString translations = Q(TAMSOK_TEST_TRANSLATIONS);

  board.Action(QStringLiteral("miLanguageKorean"))->trigger();
  EXPECT_EQ(File(), servers + "[Interface]\nLanguage=Korean\n");
  EXPECT_EQ(ChosenLanguage(ini()), Language::Korean);
  EXPECT_TRUE(board.Action(QStringLiteral("miLanguageKorean"))->isChecked());
  EXPECT_FALSE(board.Action(QStringLiteral("miLanguageSystem"))->isChecked());
  // The box reads the translations beside the program, which a test program does not have;
  // the same words come from the build's.
  EXPECT_EQ(TrIn(Language::Korean, ui_text::kLanguageChanged, translations),
            QStringLiteral("언어는 프로그램을 다음에 시작할 때 바뀝니다."));
  EXPECT_EQ(prompts.log.size(), 1u) << prompts.log.back();

  board.Action(QStringLiteral("miLanguageKorean"))->trigger();  // no change, no box
  EXPECT_EQ(prompts.log.size(), 1u);
  board.Action(QStringLiteral("miLanguageEnglish"))->trigger();
  EXPECT_EQ(File(), servers + "[Interface]\nLanguage=English\n");
  EXPECT_EQ(prompts.log.back(), "box:Language|The language changes when the program starts next.");

  TBoardForm again(2u);
  again.CreateSecondaryWindows(0, ini());
  EXPECT_TRUE(again.Action(QStringLiteral("miLanguageEnglish"))->isChecked());
  EXPECT_FALSE(UseLanguage(Language::English, translations));
  EXPECT_EQ(Tr("Fir"), QStringLiteral("Fir"));
}

}  // namespace
}  // namespace tamsok
