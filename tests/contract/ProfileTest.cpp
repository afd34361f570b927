// The private-profile service as the settings file and the hook library rely on it.
#include <cctype>
#include <utility>
#include <vector>

#include "tests/contract/Contract.h"

namespace contract {
namespace {

class Profile : public Contract {
 protected:
  // A file of each case's own, never opened before, so no earlier case's copy can answer.
  void SetUp() override {
    Contract::SetUp();
    file_ = std::string("contract-") +
            ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".ini";
    RemoveProfileFile(file_);
  }
  void TearDown() override {
    RemoveProfileFile(file_);
    Contract::TearDown();
  }

  std::string Read(const std::string& section, const std::string& key, unsigned buffer = 50,
                   const std::string& byDefault = "(default)") {
    return ui::ProfileRead(file_, section, key, byDefault, buffer);
  }

  std::string file_;
};

TEST_F(Profile, SectionsAndKeysAreFoundAndReplacedWithoutRegardToCase) {
  WriteProfileFile(file_, "[Parametres]\r\nSegonsIniciActivitat=42\r\n");
  EXPECT_EQ(Read("PARAMETRES", "segonsiniciactivitat"), "42");
  ui::ProfileWrite(file_, "parametres", "SEGONSINICIACTIVITAT", "7");
  EXPECT_EQ(Read("Parametres", "SegonsIniciActivitat"), "7");
  EXPECT_EQ(Read("Parametres", "Absent"), "(default)");
}

TEST_F(Profile, OnlyTheFirstOfTwoSectionsOfOneNameIsSeenAndWritten) {
  WriteProfileFile(file_,
                   "[Menu]\r\nOpcio=1\r\n[Altra]\r\nOpcio=9\r\n[MENU]\r\nOpcio=2\r\nNomes=3\r\n");
  EXPECT_EQ(Read("Menu", "Opcio"), "1");
  EXPECT_EQ(Read("Menu", "Nomes"), "(default)") << "a key of the second section was seen";
  ui::ProfileWrite(file_, "Menu", "Nomes", "4");
  EXPECT_EQ(Read("Menu", "Nomes"), "4");
  ui::ProfileWrite(file_, "Menu", "Opcio", "5");
  EXPECT_EQ(Read("Menu", "Opcio"), "5");
  EXPECT_EQ(Read("Altra", "Opcio"), "9");
}

TEST_F(Profile, AValueOrDefaultIsCutToOneLessThanTheBuffer) {
  WriteProfileFile(file_, "[S]\r\nLlarg=abcdefghij\r\n");
  EXPECT_EQ(Read("S", "Llarg", 5), "abcd");
  EXPECT_EQ(Read("S", "Llarg", 11), "abcdefghij");
  EXPECT_EQ(Read("S", "Absent", 4, "0123456789"), "012");
  ui::ProfileWrite(file_, "S", "Escrit", std::string(60, '7'));
  EXPECT_EQ(Read("S", "Escrit"), std::string(49, '7'));
}

TEST_F(Profile, OnePairOfEnclosingQuotesAndTheBlanksAroundAValueAreDropped) {
  WriteProfileFile(file_,
                   "[S]\r\n"
                   "Dobles=\"entre cometes\"\r\n"
                   "Simples='simples'\r\n"
                   "Mitja=\"sense tancar\r\n"
                   "Dins=a\"b\"\r\n"
                   "  Blancs  =   amb blancs   \r\n"
                   "Interiors=\" dins \"\r\n"
                   "Barrejades=\"x'\r\n");
  const std::pair<const char*, const char*> expected[] = {
      {"Dobles", "entre cometes"}, {"Simples", "simples"},   {"Mitja", "\"sense tancar"},
      {"Dins", "a\"b\""},          {"Blancs", "amb blancs"}, {"Interiors", " dins "},
      {"Barrejades", "\"x'"}};
  for (const auto& [key, value] : expected) EXPECT_EQ(Read("S", key), value) << key;
  ui::ProfileWrite(file_, "S", "Escrit", "\"escrit\"");
  EXPECT_EQ(Read("S", "Escrit"), "escrit");
}

TEST_F(Profile, EverySpellingOfTheFileNameReachesOneFile) {
  std::string upper = file_;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  ui::ProfileWrite(file_, "LlibreriaPelvoro", "HANDLE FINESTRA", "1234");
  EXPECT_EQ(ui::ProfileRead(upper, "LlibreriaPelvoro", "HANDLE FINESTRA", "", 50), "1234");
  ui::ProfileWrite(upper, "Llenguatge", "Llenguatge", "castella");
  EXPECT_EQ(Read("Llenguatge", "Llenguatge"), "castella");
  EXPECT_EQ(Read("LlibreriaPelvoro", "HANDLE FINESTRA"), "1234");
}

TEST_F(Profile, ASectionsNameRunsToItsLastBracketAndBlanksAroundNamesDoNotCount) {
  WriteProfileFile(file_, "[ Menu ]\r\nOpcio=1\r\n[Llista]]\r\nOpcio=2\r\n");
  EXPECT_EQ(Read("Menu", "Opcio"), "1");
  EXPECT_EQ(Read(" Menu ", " Opcio "), "1");
  EXPECT_EQ(Read("Llista]", "Opcio"), "2");
  EXPECT_EQ(Read("Llista", "Opcio"), "(default)");
  ui::ProfileWrite(file_, " Menu", "Opcio ", "3");
  EXPECT_EQ(Read("Menu", "Opcio"), "3");
}

constexpr const char* kOneByOne = "contract-one.ini";
constexpr const char* kTogether = "contract-all.ini";

// Then an existing key in another letter case, a new key in an existing section, a new section.
const std::vector<std::vector<ui::ProfileEntry>> kWrites = {
    {{"Llenguatge", "Llenguatge", "catala"},
     {"Parametres", "SegonsIniciActivitat", "10"},
     {"Menu", "Opcio", "0"}},
    {{"parametres", "segonsiniciactivitat", "25"},
     {"Parametres", "ColorQuadreSeguiment", "16711680"},
     {"LlibreriaPelvoro", "HANDLE FINESTRA", "-2"}},
};

TEST_F(Profile, KeysWrittenTogetherLeaveWhatWritingThemOneByOneLeaves) {
  for (const char* file : {kOneByOne, kTogether}) RemoveProfileFile(file);
  for (const auto& writes : kWrites) {
    for (const auto& e : writes) ui::ProfileWrite(kOneByOne, e.section, e.key, e.value);
    ui::ProfileWriteAll(kTogether, writes);
    EXPECT_EQ(ProfileBytes(kTogether), ProfileBytes(kOneByOne));
  }
  EXPECT_NE(ProfileBytes(kOneByOne).find("=25\r\n"), std::string::npos);
  for (const char* file : {kOneByOne, kTogether}) RemoveProfileFile(file);
}

}  // namespace
}  // namespace contract
