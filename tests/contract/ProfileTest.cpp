// The private-profile service: keys written together reach the file as the same keys written
// one by one would.
#include "tests/contract/Contract.h"

namespace contract {
namespace {

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

TEST_F(Contract, KeysWrittenTogetherLeaveWhatWritingThemOneByOneLeaves) {
  for (const char* file : {kOneByOne, kTogether}) RemoveProfile(file);
  for (const auto& writes : kWrites) {
    for (const auto& e : writes) ui::ProfileWrite(kOneByOne, e.section, e.key, e.value);
    ui::ProfileWriteAll(kTogether, writes);
    EXPECT_EQ(ProfileBytes(kTogether), ProfileBytes(kOneByOne));
  }
  EXPECT_NE(ProfileBytes(kOneByOne).find("=25\r\n"), std::string::npos);
  for (const char* file : {kOneByOne, kTogether}) RemoveProfile(file);
}

}  // namespace
}  // namespace contract
