#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "app/Log.h"
#include "model/Inherit.h"
#include "model/Palette.h"
#include "model/PaletteRecordImages.h"
#include "support/TestSupport.h"

namespace {

// The common palette and a stage's palettes with known entries; both are put back afterwards.
class Inheritance : public testing::Test {
 protected:
  Inheritance() : m_Saved(CommonPalette) {
    m_Prev = SetStagePalettes({&m_vStageBlock, &m_vStageChara, &m_vStageItem});
    CommonPalette.m_vBlock.resize(4);
    CommonPalette.m_vChara.resize(3);
    CommonPalette.m_vItem.resize(3);
    for (int i = 1; i < 4; ++i) {
      cEdBlock& b = CommonPalette.m_vBlock.data()[i];
      b.m_strName = "common" + std::to_string(i);
      b.m_nGraphic = static_cast<int16_t>(100 + i);
      b.m_nSheet = 2;
      b.m_nFrame = 7;
      b.m_nBlockType = 2;
      b.m_vCond.resize(2);
      b.m_nCondJudge = 1;
    }
    m_vStageBlock.resize(2);
    m_vStageBlock.data()[1].m_strName = "stage1";
    m_vStageBlock.data()[1].m_nGraphic = 50;
    m_vStageChara.resize(2);
    m_vStageItem.resize(2);
  }
  ~Inheritance() override {
    SetStagePalettes(m_Prev);
    CommonPalette = m_Saved;
  }
  static cEdBlock Cell(int nPal, int nNo, std::vector<uint8_t> vFlags) {
    cEdBlock b;
    b.m_strName = "own";
    b.m_nGraphic = 9;
    b.m_nFrame = 1;
    b.m_nInheritPal = static_cast<int8_t>(nPal);
    b.m_nInheritNo = static_cast<int16_t>(nNo);
    b.m_bbInherit.assign(vFlags.begin(), vFlags.end());
    return b;
  }

  cEdPalette m_Saved;
  cStagePalettes m_Prev;
  cChkVector<cEdBlock> m_vStageBlock;
  cChkVector<cEdChara> m_vStageChara;
  cChkVector<cEdItem> m_vStageItem;
};

std::vector<uint8_t> Only(std::vector<size_t> vGroups, size_t n = 11) {
  std::vector<uint8_t> v(n);
  for (size_t g : vGroups) v[g] = 1;
  return v;
}

}  // namespace

TEST_F(Inheritance, ApplyCopiesOnlyFlaggedGroupsFromAValidSource) {
  const std::vector<uint8_t> all(11, 1);
  struct {
    const char* pszCase;
    int nPal, nNo;
    std::vector<uint8_t> vFlags;
    int nWantPal, nWantNo;
    const char* pszWantName;
    int nWantGraphic, nWantFrame;
    size_t nWantConds;
  } cases[] = {
      {"number 0 is no source", 1, 0, all, 1, 0, "own", 9, 1, 0},
      {"kind 0 is no source", 0, 2, all, 0, 2, "own", 9, 1, 0},
      {"number equal to the size", 1, 4, all, 0, 4, "own", 9, 1, 0},
      {"negative number", 1, -1, all, 0, -1, "own", 9, 1, 0},
      {"unknown kind copies nothing", 3, 1, all, 3, 1, "own", 9, 1, 0},
      {"graphic group only", 1, 2, Only({2}), 1, 2, "own", 102, 7, 0},
      {"name and conditions", 1, 3, Only({0, 1}), 1, 3, "common3", 9, 1, 2},
      {"short flag vector", 1, 3, {1, 1}, 1, 3, "common3", 9, 1, 2},
      {"stage palette", 2, 1, Only({0, 2}), 2, 1, "stage1", 50, 0, 0},
      {"stage number equal to the size", 2, 2, all, 0, 2, "own", 9, 1, 0},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.pszCase);
    cEdBlock b = Cell(c.nPal, c.nNo, c.vFlags);
    b.ApplyInherit();
    EXPECT_EQ(c.nWantPal, b.m_nInheritPal);
    EXPECT_EQ(c.nWantNo, b.m_nInheritNo);
    EXPECT_EQ(c.pszWantName, b.m_strName);
    EXPECT_EQ(c.nWantGraphic, b.m_nGraphic);
    EXPECT_EQ(c.nWantFrame, b.m_nFrame);
    EXPECT_EQ(c.nWantConds, b.m_vCond.size());
    EXPECT_EQ(c.vFlags.size(), b.m_bbInherit.size());  // flags are never changed by applying
  }
}

TEST_F(Inheritance, GroupsOfCharactersAndItemsCopyTheirWholeFieldSets) {
  cEdChara& src = CommonPalette.m_vChara.data()[1];
  src.m_nGraphic = 3;
  src.m_nStartEffect = 2;
  src.m_nStartEffectMode = 1;
  src.m_bStartEffectLoop = 0;
  src.m_nGroupNo = 12;
  src.m_bGroup = 1;
  src.m_nHp = 500;
  src.m_vFlow.resize(2);
  src.m_vFlow.data()[1].m_nTrigger = 5;

  cEdChara c;
  c.m_nGraphic = 1;
  c.m_nInheritPal = 1;
  c.m_nInheritNo = 1;
  c.m_bbInherit.assign(37, 0);
  for (size_t g : {13, 33, 36}) c.m_bbInherit.data()[g] = 1;
  c.ApplyInherit();
  EXPECT_EQ(2, c.m_nStartEffect);
  EXPECT_EQ(1, c.m_nStartEffectMode);
  EXPECT_EQ(0, c.m_bStartEffectLoop);
  EXPECT_EQ(12, c.m_nGroupNo);
  EXPECT_EQ(1, c.m_bGroup);
  EXPECT_EQ(10, c.m_nHp);  // group 23 is not flagged
  EXPECT_EQ(1, c.m_nGraphic);
  ASSERT_EQ(2u, c.m_vFlow.size());
  EXPECT_EQ(5, c.m_vFlow[1].m_nTrigger);

  // A flow group taken from an entry without flows leaves exactly one default flow.
  src.m_vFlow.clear();
  c.ApplyInherit();
  ASSERT_EQ(1u, c.m_vFlow.size());
  EXPECT_TRUE(c.m_vFlow[0] == cEdFlow());

  cEdItem& isrc = CommonPalette.m_vItem.data()[2];
  isrc.m_nGraphic = 4;
  isrc.m_vCommand.resize(3);
  isrc.m_nSound = 1;
  cEdItem it;
  it.m_nGraphic = 1;
  it.m_nInheritPal = 1;
  it.m_nInheritNo = 2;
  it.m_bbInherit.assign(13, 0);
  it.m_bbInherit.data()[12] = 1;
  it.ApplyInherit();
  EXPECT_EQ(3u, it.m_vCommand.size());
  EXPECT_EQ(0, it.m_nSound);
  it.m_vCommand.data()[0].m_nKind = 9;  // a deep copy: the source is untouched
  EXPECT_EQ(0, isrc.m_vCommand[0].m_nKind);
}

TEST_F(Inheritance, ReadingAppliesInheritanceBeforeValidation) {
  cImage img;
  BlockImage(img.I(778), 778, {{BF_INHERIT_PAL, 1}, {BF_INHERIT_NO, 2}, {BF_GRAPHIC, 0}}, Only({2}), "own");
  cEdBlock b;
  ASSERT_EQ(1, ReadRecordImage(b, img));
  EXPECT_EQ(102, b.m_nGraphic);
  EXPECT_EQ(1, b.m_nInheritPal);
  {
    cInheritHold hold;
    cEdBlock held;
    ASSERT_EQ(1, ReadRecordImage(held, img));
    EXPECT_EQ(0, held.m_nGraphic);
  }
  cEdBlock after;
  ASSERT_EQ(1, ReadRecordImage(after, img));
  EXPECT_EQ(102, after.m_nGraphic);
}

TEST_F(Inheritance, ValidationDropsASourceOutsideItsPalette) {
  cEdBlock b = Cell(1, 4, Only({}));
  b.Validate();
  EXPECT_EQ(0, b.m_nInheritPal);
  EXPECT_EQ(0, b.m_nInheritNo);
  cEdBlock s = Cell(2, 1, Only({}));
  s.Validate();
  EXPECT_EQ(2, s.m_nInheritPal);
  // Without a stage there is nothing to check a stage source against.
  SetStagePalettes({nullptr, nullptr, nullptr});
  cEdBlock distant = Cell(2, 40, Only({}));
  distant.Validate();
  EXPECT_EQ(2, distant.m_nInheritPal);
  EXPECT_EQ(40, distant.m_nInheritNo);

  cEdBlock ref = Cell(0, 0, Only({}));
  ref.m_nItemPal = 1;
  ref.m_nItemNo = 3;
  ref.ValidateItemRef();
  EXPECT_EQ(0, ref.m_nItemPal);
  EXPECT_EQ(0, ref.m_nItemNo);
}

TEST_F(Inheritance, ReapplyingUpdatesChainedStageEntriesBeforeTheCells) {
  cEdBlock& stageEntry = m_vStageBlock.data()[1];
  stageEntry.m_nInheritPal = 1;
  stageEntry.m_nInheritNo = 1;
  const std::vector<uint8_t> vName = Only({0});
  stageEntry.m_bbInherit.assign(vName.begin(), vName.end());
  stageEntry.ApplyInherit();
  EXPECT_EQ("common1", stageEntry.m_strName);

  cChkVector<cEdBlock> grid(3);
  grid.data()[0] = Cell(2, 1, Only({0}));
  grid.data()[1] = Cell(1, 1, Only({0}));
  grid.data()[2] = Cell(2, 1, Only({0}));
  grid.data()[2].m_nGraphic = 0;  // empty cells are not touched

  CommonPalette.m_vBlock.data()[1].m_strName = "renamed";
  ReapplyCommonInherit(m_vStageBlock, grid);
  EXPECT_EQ("renamed", stageEntry.m_strName);
  EXPECT_EQ("renamed", grid[0].m_strName);
  EXPECT_EQ("renamed", grid[1].m_strName);
  EXPECT_EQ("own", grid[2].m_strName);

  stageEntry.m_strName = "stage only";
  RefreshStageInherit(grid);
  EXPECT_EQ("stage only", grid[0].m_strName);
  EXPECT_EQ("renamed", grid[1].m_strName);
}

TEST_F(Inheritance, SetInheritStoresOrClearsThenApplies) {
  cMsgBoxRecorder boxes;
  cEdBlock b = Cell(0, 0, Only({}));
  SetInherit(b, PAL_BLOCK, 1, 2, Only({0}));
  EXPECT_EQ(1, b.m_nInheritPal);
  EXPECT_EQ(2, b.m_nInheritNo);
  EXPECT_EQ("common2", b.m_strName);

  // A number not below the palette's size clears the source and every flag.
  cEdBlock c = Cell(1, 1, Only({0, 5}));
  SetInherit(c, PAL_BLOCK, 1, 4, Only({0, 1}));
  EXPECT_EQ(0, c.m_nInheritPal);
  EXPECT_EQ(0, c.m_nInheritNo);
  EXPECT_EQ(std::vector<uint8_t>(11, 0), static_cast<std::vector<uint8_t>>(c.m_bbInherit));
  EXPECT_EQ("own", c.m_strName);
  SetInherit(c, PAL_BLOCK, 2, 2, Only({0}));
  EXPECT_EQ(0, c.m_nInheritPal);
  EXPECT_TRUE(boxes.Shown().empty());

  // A flag vector of another length replaces the record's and is reported while the error log is on.
  cTempDir dir;
  SetErrorLog(1, dir.File("EC_Editor.txt").c_str());
  cEdItem it;
  it.m_nGraphic = 1;
  SetInherit(it, PAL_ITEM, 1, 1, Only({0}, 12));
  SetErrorLog(0, "EC_Editor.txt");
  EXPECT_EQ(12u, it.m_bbInherit.size());
  ASSERT_EQ(1u, boxes.Shown().size());
  EXPECT_EQ("lpData->m_bbInherit.size() != DefInheritCheck.size()\nデフォルトの継承設定がおかしい？",
            boxes.Shown()[0].strText);
  SetInherit(it, PAL_ITEM, 1, 1, Only({0}, 11));
  EXPECT_EQ(1u, boxes.Shown().size());
}

namespace {

// The stored fields of each group, by field number (1-based, in the stored order); the name, the
// condition vector and the flow or command vector are checked on their own.
struct cGroupTable {
  std::vector<std::vector<int>> vFields;
  int nNameGroup, nCondGroup, nListGroup;
};

const cGroupTable BLOCK_GROUPS = {
    {{}, {3, 4}, {5, 6, 7}, {8}, {9}, {10, 11}, {12}, {13}, {14, 15}, {16, 17}, {18}}, 0, 1, -1};
const cGroupTable ITEM_GROUPS = {
    {{}, {3, 4}, {5}, {6}, {7, 8, 9}, {10}, {11}, {12, 13}, {16}, {15}, {14}, {17}, {}}, 0, 1, 12};
const cGroupTable CHARA_GROUPS = {{{},         {26, 27},     {28},     {29},     {3, 4},   {5},  {6},  {7, 8, 11},
                                   {9, 10, 12}, {13, 14, 15}, {16},     {17},     {18},     {19, 20, 21}, {22, 23},
                                   {24, 25},   {31},         {30},     {32, 33}, {34},     {35}, {36}, {37, 38},
                                   {39},       {40},         {42},     {43},     {44},     {45}, {46}, {47},
                                   {41},       {52, 53},     {50, 51}, {48},     {49},     {}},
                                  0, 4, 36};

char* FieldBytes(cDataRecord& rec, const cFieldDesc& d) { return reinterpret_cast<char*>(&rec) + d.m_nOffset; }

size_t ListSize(const cEdBlock&) { return 0; }
size_t ListSize(const cEdItem& r) { return r.m_vCommand.size(); }
size_t ListSize(const cEdChara& r) { return r.m_vFlow.size(); }
void FillList(cEdBlock&) {}
void FillList(cEdItem& r) { r.m_vCommand.resize(2); }
void FillList(cEdChara& r) {
  r.m_vFlow.resize(2);
  r.m_vFlow.data()[0].m_nTrigger = 1;
}

// For each group alone: exactly its fields, and its name, conditions or list, come from the source.
template <class T>
void CheckEveryGroup(T& src, const cGroupTable& table) {
  const cFieldLayout& layout = src.Layout(778);
  for (size_t k = 0; k < layout.m_vField.size(); ++k)
    memset(FieldBytes(src, layout.m_vField[k]), 0x40 + static_cast<int>(k), layout.m_vField[k].m_nSize * layout.m_vField[k].m_nCount);
  src.m_strName = "source";
  src.m_vCond.resize(3);
  FillList(src);
  ASSERT_EQ(static_cast<size_t>(T::INHERIT_GROUPS), table.vFields.size());
  for (size_t g = 0; g < table.vFields.size(); ++g) {
    SCOPED_TRACE(testing::Message() << "group " << g);
    T before;
    before.m_nGraphic = 9;
    before.m_nInheritPal = 1;
    before.m_nInheritNo = 1;
    before.m_bbInherit.assign(T::INHERIT_GROUPS, 0);
    before.m_bbInherit.data()[g] = 1;
    T after = before;
    after.ApplyInherit();
    for (size_t k = 0; k < layout.m_vField.size(); ++k) {
      const cFieldDesc& d = layout.m_vField[k];
      bool bChanged = memcmp(FieldBytes(before, d), FieldBytes(after, d), d.m_nSize * d.m_nCount) != 0;
      bool bWant = std::find(table.vFields[g].begin(), table.vFields[g].end(), static_cast<int>(k + 1)) !=
                   table.vFields[g].end();
      EXPECT_EQ(bWant, bChanged) << "field " << k + 1;
    }
    EXPECT_EQ(static_cast<int>(g) == table.nNameGroup, after.m_strName == "source");
    EXPECT_EQ(static_cast<int>(g) == table.nCondGroup, after.m_vCond.size() == 3);
    EXPECT_EQ(static_cast<int>(g) == table.nListGroup, ListSize(after) == 2);
  }
}

}  // namespace

TEST_F(Inheritance, EachGroupCopiesExactlyItsFields) {
  CheckEveryGroup(CommonPalette.m_vBlock.data()[1], BLOCK_GROUPS);
  CheckEveryGroup(CommonPalette.m_vChara.data()[1], CHARA_GROUPS);
  CheckEveryGroup(CommonPalette.m_vItem.data()[1], ITEM_GROUPS);
}
