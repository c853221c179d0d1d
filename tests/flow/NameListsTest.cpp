#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "flow/FlowTextWorld.h"
#include "controls/NameLists.h"

namespace {

class NameLists : public cFlowTextWorld {};

std::vector<std::string> Lines(const cChkVector<std::string>& v) { return std::vector<std::string>(v.begin(), v.end()); }

}  // namespace

TEST_F(NameLists, DatabaseListsNumberFromTheStartWithAnOptionalLeadingText) {
  cChkVector<std::string> v = {"old", "old", "old", "old", "old"};
  MakeDbNameList(v, m_Db.m_vAnime, "なし", 0, 2, 0);
  EXPECT_EQ((std::vector<std::string>{"なし", "01 歩き", "02 長い"}), Lines(v));
  MakeDbNameList(v, m_Db.m_vAnimeSet, nullptr, 0, 3, 1);
  EXPECT_EQ((std::vector<std::string>{"001 基本", "002 飛行"}), Lines(v));
  MakeDbNameList(v, m_Db.m_vSound, nullptr, 1, 3, 0);
  EXPECT_EQ((std::vector<std::string>{"001 ジャンプ音"}), Lines(v));
  MakeDbNameList(v, m_Db.m_vPicture, "ピクチャーの消去(ID非設定なら全消去)", 0, 3, 0);
  EXPECT_EQ((std::vector<std::string>{"ピクチャーの消去(ID非設定なら全消去)", "001 タイトル"}), Lines(v));
  MakeDbNameList(v, m_Db.m_vSound, "なし", 5, 3, 0);
  EXPECT_TRUE(v.empty());
}

TEST_F(NameLists, NumbersWiderThanTheDigitCountAreWrittenInFull) {
  cChkVector<cEdSound> vSound(101);
  vSound[100].m_strName = "最後";
  cChkVector<std::string> v;
  MakeDbNameList(v, vSound, "なし", 0, 2, 0);
  ASSERT_EQ(101u, v.size());
  EXPECT_EQ("100 最後", v[100]);
  EXPECT_EQ("05 ", v[5]);
}

TEST_F(NameLists, NumberedListsLeaveOutEntryZero) {
  cChkVector<std::string> v = {"old"};
  MakeNumberedNameList(v, m_vCommonCharas);
  EXPECT_EQ((std::vector<std::string>{"001 主人公", "002 スライム", "003 コウモリ"}), Lines(v));
  MakeNumberedNameList(v, std::vector<std::string>{"entry 0 only"});
  EXPECT_TRUE(v.empty());
  MakeNumberedNameList(v, std::vector<std::string>());
  EXPECT_TRUE(v.empty());

  std::vector<std::string> vNames(1000);
  vNames[999] = "最後の変数";
  MakeNumberedNameList(v, vNames);
  ASSERT_EQ(999u, v.size());
  EXPECT_EQ("001 ", v[0]);
  EXPECT_EQ("999 最後の変数", v[998]);
}
