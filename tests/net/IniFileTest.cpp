#include "net/IniFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include <unistd.h>

namespace tamsok {
namespace {

namespace fs = std::filesystem;
using Keys = std::vector<std::string>;

class IniFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() /
           (std::string("tamsok-ini-") + info->name() + "-" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path Path() const { return dir_ / std::string(kIniFileName); }

  void Put(const std::string& bytes) const { std::ofstream(Path(), std::ios::binary) << bytes; }
  std::string Get() const {
    std::ifstream in(Path(), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  Keys Servers() const { return IniFile(Path()).ReadKeys(kServerIpSection); }
  bool AddServer(std::string_view address) const {
    return IniFile(Path()).WriteKey(kServerIpSection, address, "");
  }

  fs::path dir_;
};

TEST_F(IniFileTest, FirstUseCreatesTheFileAndLaterUsesListAddressesInOrder) {
  EXPECT_EQ(Servers(), Keys{});
  ASSERT_TRUE(AddServer("192.0.2.7"));
  EXPECT_EQ(Get(), "[Server IP]\n192.0.2.7=\n");
  EXPECT_EQ(Servers(), Keys{"192.0.2.7"});

  ASSERT_TRUE(AddServer("198.51.100.1"));
  ASSERT_TRUE(AddServer("10.0.0.1"));
  const std::string three = "[Server IP]\n192.0.2.7=\n198.51.100.1=\n10.0.0.1=\n";
  EXPECT_EQ(Get(), three);

  // A known address keeps its place and the file is untouched.
  ASSERT_TRUE(AddServer("198.51.100.1"));
  EXPECT_EQ(Get(), three);
  EXPECT_EQ(Servers(), (Keys{"192.0.2.7", "198.51.100.1", "10.0.0.1"}));
  EXPECT_FALSE(fs::exists(dir_ / "tamsok.ini.tmp"));
}

TEST_F(IniFileTest, EveryOtherLineIsKeptByteForByte) {
  const std::string before =
      "; saved by hand\n"
      "[Window]\n"
      "Left = 10\n"
      "Server IP=not a section\n"
      "\n"
      "[Server IP]\n"
      "  192.0.2.7  =  kept value  \n"
      "# comment inside\n"
      "no equals sign here\n"
      "10.0.0.1=x\n"
      "\n"
      "[Other]\n"
      "192.0.2.99=\n";
  Put(before);
  EXPECT_EQ(Servers(), (Keys{"192.0.2.7", "10.0.0.1"}));

  ASSERT_TRUE(AddServer("198.51.100.1"));
  std::string expected = before;
  expected.insert(expected.find("\n\n[Other]") + 1, "198.51.100.1=\n");
  EXPECT_EQ(Get(), expected);

  // The same value leaves even an oddly spaced line as it is.
  ASSERT_TRUE(IniFile(Path()).WriteKey("Server IP", "192.0.2.7", "kept value"));
  EXPECT_EQ(Get(), expected);
  // A new value rewrites that one line in its place.
  ASSERT_TRUE(IniFile(Path()).WriteKey("Server IP", "192.0.2.7", ""));
  expected.replace(expected.find("  192.0.2.7  =  kept value  "), 28, "192.0.2.7=");
  EXPECT_EQ(Get(), expected);

  ASSERT_TRUE(IniFile(Path()).WriteKey("Window", "Top", "20"));
  const std::string lastWindowKey = "Server IP=not a section\n";
  expected.insert(expected.find(lastWindowKey) + lastWindowKey.size(), "Top=20\n");
  EXPECT_EQ(Get(), expected);
  EXPECT_EQ(IniFile(Path()).ReadKeys("Window"), (Keys{"Left", "Server IP", "Top"}));
  EXPECT_EQ(IniFile(Path()).ReadKeys("Other"), Keys{"192.0.2.99"});
}

TEST_F(IniFileTest, CrLfFilesAndMissingFinalLineBreaks) {
  Put("[Server IP]\r\n192.0.2.7=\r\n10.0.0.1=old\r\n");
  EXPECT_EQ(Servers(), (Keys{"192.0.2.7", "10.0.0.1"}));
  ASSERT_TRUE(AddServer("10.0.0.1"));
  ASSERT_TRUE(AddServer("10.0.0.2"));
  EXPECT_EQ(Get(), "[Server IP]\r\n192.0.2.7=\r\n10.0.0.1=\r\n10.0.0.2=\n");

  Put("[Server IP]\n192.0.2.7=");
  ASSERT_TRUE(AddServer("10.0.0.2"));
  EXPECT_EQ(Get(), "[Server IP]\n192.0.2.7=\n10.0.0.2=\n");

  Put("[Window]\nLeft=1");
  ASSERT_TRUE(AddServer("10.0.0.2"));
  EXPECT_EQ(Get(), "[Window]\nLeft=1\n[Server IP]\n10.0.0.2=\n");

  Put("[Server IP]");
  ASSERT_TRUE(AddServer("10.0.0.2"));
  EXPECT_EQ(Get(), "[Server IP]\n10.0.0.2=\n");

  // A CR-LF file cut before its last "\n": the new key must still get a line of its own.
  Put("[Server IP]\r\n192.0.2.7=\r");
  ASSERT_TRUE(AddServer("10.0.0.2"));
  EXPECT_EQ(Servers(), (Keys{"192.0.2.7", "10.0.0.2"}));
  EXPECT_EQ(Get(), "[Server IP]\r\n192.0.2.7=\r\n10.0.0.2=\n");

  Put("[Server IP]\r");
  ASSERT_TRUE(AddServer("10.0.0.2"));
  EXPECT_EQ(Servers(), Keys{"10.0.0.2"});
}

TEST_F(IniFileTest, ValuesAreReadFromTheirOwnSectionOnly) {
  Put("[Server IP]\nLanguage=no\n[Interface]\n Language =  Korean \nLanguage=English\n");
  const IniFile ini(Path());
  EXPECT_EQ(ini.ReadValue("Interface", "Language"), "Korean");
  EXPECT_EQ(ini.ReadValue("Server IP", "Language"), "no");
  EXPECT_EQ(ini.ReadValue("Interface", "Colour"), std::nullopt);
  EXPECT_EQ(ini.ReadValue("Window", "Language"), std::nullopt);
  fs::remove(Path());
  EXPECT_EQ(ini.ReadValue("Interface", "Language"), std::nullopt);
}

TEST_F(IniFileTest, ASectionWrittenTwiceIsReadAsOne) {
  Put("[Server IP]\na=\n[X]\n[Server IP]\nb=\na=\n");
  EXPECT_EQ(Servers(), (Keys{"a", "b"}));
  ASSERT_TRUE(AddServer("c"));
  EXPECT_EQ(Get(), "[Server IP]\na=\nc=\n[X]\n[Server IP]\nb=\na=\n");
}

TEST_F(IniFileTest, UnreadableFilesGiveNoKeysAndAreNotOverwritten) {
  std::mt19937 random(7);
  std::string binary(4096, '\0');
  for (char& b : binary)
    b = static_cast<char>(random());
  binary += "\n[Server IP]\n192.0.2.7=\n";
  binary[10] = '\0';
  const std::string oversized =
      "[Server IP]\n" + std::string(IniFile::kMaxFileBytes, 'x') + "\n192.0.2.7=\n";
  for (const std::string& content : {binary, oversized}) {
    Put(content);
    EXPECT_EQ(Servers(), Keys{});
    EXPECT_FALSE(AddServer("10.0.0.1"));
    EXPECT_EQ(Get(), content);
  }

  fs::remove(Path());
  fs::create_directory(Path());
  EXPECT_EQ(Servers(), Keys{});
  EXPECT_FALSE(AddServer("10.0.0.1"));

  // A write into a folder that does not exist fails and says so.
  EXPECT_FALSE(IniFile(dir_ / "missing" / "tamsok.ini").WriteKey("Server IP", "1.2.3.4", ""));
}

TEST_F(IniFileTest, MalformedTextIsReadWithoutHarm) {
  Put("]]]===[[[\n=\n[\n[Server IP\n\xFF\xFE=\x80\n[Server IP]garbage\n==\n = \n\r\r\n1.2.3.4=\n");
  EXPECT_EQ(Servers(), Keys{"1.2.3.4"});
  std::mt19937 random(11);
  for (int round = 0; round < 200; ++round) {
    std::string text(random() % 200, ' ');
    for (char& c : text)
      c = "[]=;#\r\n ab\t"[random() % 11];
    Put(text);
    const Keys keys = Servers();
    for (const std::string& k : keys)
      EXPECT_TRUE(!k.empty() && k.find('=') == std::string::npos);
    ASSERT_TRUE(AddServer("9.9.9.9"));
    const Keys after = Servers();
    ASSERT_FALSE(after.empty());
    EXPECT_EQ(after.back(), "9.9.9.9") << text;
  }
}

TEST_F(IniFileTest, NamesThatWouldNotReadBackAreRefused) {
  for (std::string_view key : {"", "a=b", "a\nb", "a\rb", " a", "a ", "[a]", ";a", "#a"})
    EXPECT_FALSE(AddServer(key)) << key;
  EXPECT_FALSE(IniFile(Path()).WriteKey("a]b", "k", ""));
  EXPECT_FALSE(IniFile(Path()).WriteKey("", "k", ""));
  EXPECT_FALSE(IniFile(Path()).WriteKey("S", "k", "line\nbreak"));
  EXPECT_FALSE(fs::exists(Path()));
}

}  // namespace
}  // namespace tamsok
