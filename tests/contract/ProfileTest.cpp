// The private-profile service: keys written together reach the file as the same keys written
// one by one would, in one replace that leaves nothing beside the file.
#include "tests/contract/Contract.h"

namespace contract {
namespace {

constexpr const char* kOneByOne = "contract-one.ini";
constexpr const char* kTogether = "contract-all.ini";

const std::vector<ui::ProfileEntry> kFirst = {
    {"Llenguatge", "Llenguatge", "catala"},
    {"Parametres", "SegonsIniciActivitat", "10"},
    {"Parametres", "BoolCheckBoxTemporitzador", "false"},
    {"Menu", "Opcio", "0"},
};
// An existing key of another letter case, a new key in an existing section, a new section.
const std::vector<ui::ProfileEntry> kSecond = {
    {"parametres", "segonsiniciactivitat", "25"},
    {"Parametres", "ColorQuadreSeguiment", "16711680"},
    {"LlibreriaPelvoro", "HANDLE FINESTRA", "-2"},
};

class ProfileContract : public Contract {
 protected:
  void SetUp() override {
    Contract::SetUp();
    RemoveProfileFiles("contract-");
  }
  void TearDown() override {
    RemoveProfileFiles("contract-");
    Contract::TearDown();
  }
  // What the one-by-one file and the written-together one hold, in that order.
  void Write(const std::vector<ui::ProfileEntry>& entries) {
    for (const auto& e : entries) ui::ProfileWrite(kOneByOne, e.section, e.key, e.value);
    ui::ProfileWriteAll(kTogether, entries);
  }
  std::string Bytes(const std::string& file) {
    for (const auto& [name, bytes] : ProfileFiles("contract-"))
      if (name == file) return bytes;
    return "(none)";
  }
};

TEST_F(ProfileContract, KeysWrittenTogetherLeaveWhatOneByOneLeavesAndNothingBeside) {
  Write(kFirst);
  EXPECT_NE(Bytes(kOneByOne).find("Opcio=0"), std::string::npos) << Bytes(kOneByOne);
  EXPECT_EQ(Bytes(kTogether), Bytes(kOneByOne));
  Write(kSecond);
  EXPECT_EQ(Bytes(kTogether), Bytes(kOneByOne));
  EXPECT_EQ(ui::ProfileRead(kTogether, "Parametres", "SegonsIniciActivitat", "", 50), "25");
  EXPECT_EQ(ProfileFiles("contract-").size(), 2u);
  ui::ProfileWriteAll(kTogether, {});
  EXPECT_EQ(Bytes(kTogether), Bytes(kOneByOne));
}

}  // namespace
}  // namespace contract
