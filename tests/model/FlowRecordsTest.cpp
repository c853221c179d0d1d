// Flows, key conditions, commands, command parts and conditions: their layouts, hand-typed byte
// fixtures, a deep round trip, damaged files, copies and validation.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "FlowTestSupport.h"
#include "model/RefChecks.h"
#include "support/TestSupport.h"

namespace {

typedef cChkVector<cEdFlow> cFlowVector;

std::vector<uint8_t> BytesOfHex(const char* psz) {
  std::vector<uint8_t> v;
  while (*psz) {
    if (*psz == ' ') {
      ++psz;
      continue;
    }
    char sz[3] = {psz[0], psz[1], 0};
    v.push_back(static_cast<uint8_t>(strtoul(sz, nullptr, 16)));
    psz += 2;
  }
  return v;
}

template <class R>
std::vector<uint8_t> ImageOf(R& rec) {
  return WriteImage([&](cDataWriter& out) { rec.Write(out); });
}

std::vector<uint8_t> ImageOfFlows(cFlowVector& v) {
  return WriteImage([&](cDataWriter& out) { SaveRecords(out, v); });
}

int ReadFlows(const std::vector<uint8_t>& vImage, cFlowVector& v) {
  cDataReader in;
  if (!in.OpenImage(vImage)) return 0;
  return ReadRecords(in, v) && in.Ok() && in.Remaining() == 0 ? 1 : 0;
}

class FlowRecords : public ::testing::Test {
 protected:
  cDatabaseGuard m_Db;
};

// ---------------------------------------------------------------------------------------------
// Layouts

struct cLayoutCase {
  const char* pszClass;
  int32_t nVersion;
  size_t nFields;
  size_t nStrings;
};

template <class R>
void ExpectLayout(const cLayoutCase& c) {
  R rec;
  SCOPED_TRACE(std::string(c.pszClass) + " at " + std::to_string(c.nVersion));
  EXPECT_EQ(c.nFields, rec.Layout(c.nVersion).m_vField.size());
  EXPECT_EQ(c.nStrings, rec.Layout(c.nVersion).m_vString.size());
}

TEST_F(FlowRecords, FieldCountsFollowTheVersionGates) {
  const cLayoutCase flows[] = {{"flow", 778, 10, 1}, {"flow", 767, 10, 1}, {"flow", 766, 9, 1},
                               {"flow", 762, 9, 1},  {"flow", 761, 8, 1},  {"flow", 676, 8, 1},
                               {"flow", 675, 8, 0}};
  for (const auto& c : flows) ExpectLayout<cEdFlow>(c);
  const cLayoutCase conds[] = {{"cond", 778, 17, 0}, {"cond", 110, 17, 0}, {"cond", 109, 7, 0},
                               {"cond", 43, 7, 0},   {"cond", 42, 6, 0}};
  for (const auto& c : conds) ExpectLayout<cCond>(c);
  const cLayoutCase moves[] = {{"move", 778, 33, 0}, {"move", 767, 33, 0}, {"move", 766, 32, 0},
                               {"move", 162, 32, 0}, {"move", 161, 30, 0}, {"move", 159, 30, 0},
                               {"move", 158, 29, 0}, {"move", 157, 28, 0}};
  for (const auto& c : moves) ExpectLayout<cEdMove>(c);
  const cLayoutCase shots[] = {{"shot", 778, 64, 0}, {"shot", 766, 62, 0}, {"shot", 761, 60, 0},
                               {"shot", 670, 59, 0}, {"shot", 635, 58, 0}, {"shot", 212, 55, 0},
                               {"shot", 210, 54, 0}, {"shot", 196, 53, 0}, {"shot", 157, 52, 0}};
  for (const auto& c : shots) ExpectLayout<cEdShot>(c);
  ExpectLayout<cEdCommand>({"command", 778, 8, 1});
  ExpectLayout<cEdCommand>({"command", 100, 8, 1});
  ExpectLayout<cEdKeyCond>({"key condition", 778, 5, 0});
  ExpectLayout<cCondList>({"condition list", 778, 2, 0});
}

TEST_F(FlowRecords, DefaultRecordsHaveTheirSizes) {
  cEdFlow flow;
  cEdKeyCond key;
  cCond cond;
  cCondList list;
  cEdCommand cmd;
  cEdMove move;
  cEdShot shot;
  // The data version, then the record.
  EXPECT_EQ(4u + 34, ImageOf(flow).size());
  EXPECT_EQ(4u + 38, ImageOf(key).size());
  EXPECT_EQ(4u + 36, ImageOf(cond).size());
  EXPECT_EQ(4u + 14, ImageOf(list).size());
  EXPECT_EQ(4u + 44, ImageOf(cmd).size());
  EXPECT_EQ(4u + 61, ImageOf(move).size());
  EXPECT_EQ(4u + 105, ImageOf(shot).size());
}

TEST_F(FlowRecords, NewRecordsHoldTheirDefaults) {
  cEdFlow flow;
  EXPECT_EQ(3, flow.m_nKeyEase);
  EXPECT_TRUE(flow.IsEmpty());
  cEdKeyCond key;
  EXPECT_EQ(std::vector<int8_t>(19, 0), std::vector<int8_t>(key.m_vKeyState.begin(), key.m_vKeyState.end()));
  cEdCommand cmd;
  EXPECT_EQ(1, cmd.m_bMuteOffScreen);
  EXPECT_FALSE(cmd.m_pMove || cmd.m_pShot || cmd.m_pCondList);
  cEdMove move;
  EXPECT_EQ(10, move.m_nSpeed);
  EXPECT_EQ(1.0, move.m_dTurnRate);
  EXPECT_EQ(1, move.m_bUseTargetX & move.m_bUseTargetY & move.m_bUntilArrive & move.m_bMirrorX &
                   move.m_bReverseOnTurn & move.m_bMirrorRotate);
  cEdShot shot;
  EXPECT_EQ(1, shot.m_nGiant & shot.m_bSameSide & shot.m_bMirrorX & shot.m_bMirrorRotate);

  // SetDefault keeps the containers of a flow and a command, and brings a key condition back to 19.
  flow.m_vCommand.resize(2);
  flow.m_nTrigger = 4;
  flow.SetDefault();
  EXPECT_EQ(2u, flow.m_vCommand.size());
  EXPECT_EQ(0, flow.m_nTrigger);
  EXPECT_FALSE(flow.IsEmpty());
  key.m_vKeyState.assign(25, 1);
  key.SetDefault();
  EXPECT_EQ(std::vector<int8_t>(19, 0), std::vector<int8_t>(key.m_vKeyState.begin(), key.m_vKeyState.end()));
}

// ---------------------------------------------------------------------------------------------
// Hand-typed fixtures: read them, check the values, write them back byte for byte.

TEST_F(FlowRecords, KeyConditionFixture) {
  const char* pszHex =
      "0A 03 00 00 05 00 00 00 01 02 01 FF FF 00 02 00 00 00 00 "
      "03 00 00 00 00 01 02";
  cEdKeyCond key;
  ASSERT_TRUE(ReadWhole(BytesOfHex(pszHex), key));
  EXPECT_EQ(1, key.m_bFrontBack);
  EXPECT_EQ(0x0102, key.m_nTimeMin);
  EXPECT_EQ(-1, key.m_nTimeMax);
  EXPECT_EQ(2, key.m_nJudge);
  EXPECT_EQ(std::vector<int8_t>({0, 1, 2}), std::vector<int8_t>(key.m_vKeyState.begin(), key.m_vKeyState.end()));
  EXPECT_EQ(pszHex, HexOf(ImageOf(key)));
}

TEST_F(FlowRecords, CommandFixture) {
  const char* pszHex =
      "0A 03 00 00 08 00 00 00 00 09 0A 00 00 00 01 01 00 01 00 00 "  // fields
      "01 00 00 00 03 00 00 00 61 62 00 "                             // text "ab"
      "00 00 00 00 00 00 00 00 00 00 00 00 "                          // no parts
      "00 00 00 00 01 00 00 00 02 00 00 00";                          // no flows, p0 = 2
  cEdCommand cmd;
  ASSERT_TRUE(ReadWhole(BytesOfHex(pszHex), cmd));
  EXPECT_EQ(9, cmd.m_nKind);
  EXPECT_EQ(10, cmd.m_nTime);
  EXPECT_EQ(1, cmd.m_bParallel);
  EXPECT_EQ(1, cmd.m_nSound);
  EXPECT_EQ("ab", cmd.m_strText);
  EXPECT_EQ(std::vector<int32_t>({2}), std::vector<int32_t>(cmd.m_vParam.begin(), cmd.m_vParam.end()));
  EXPECT_EQ(pszHex, HexOf(ImageOf(cmd)));
}

TEST_F(FlowRecords, FlowWithFlowOperationFixture) {
  const char* pszHex =
      "0A 03 00 00 0A 00 00 00 01 02 00 01 00 16 01 03 03 01 "  // ID A, group b, trigger 22, target 4
      "01 00 00 00 02 00 00 00 6D 00 "                          // memo "m"
      "00 00 00 00 00 00 00 00 01 00 00 00 "                    // no conditions or keys, one command
      "08 00 00 00 00 10 00 00 00 00 00 00 00 01 00 00 01 00 00 00 01 00 00 00 "  // flow operation
      "00 00 00 00 00 00 00 00 01 00 00 00 "                    // a condition list only
      "02 00 00 00 01 00 00 00 00 00 00 00 00 00 "              // on, all conditions, none listed
      "00 00 00 00 04 00 00 00 00 00 00 00 02 00 00 00 01 00 00 00 04 00 00 00";  // no flows, 4 params
  cEdFlow flow;
  ASSERT_TRUE(ReadWhole(BytesOfHex(pszHex), flow));
  EXPECT_EQ("m", flow.m_strMemo);
  EXPECT_EQ(1, flow.m_nId);
  EXPECT_EQ(2, flow.m_nGroup);
  EXPECT_EQ(1, flow.m_nCondJudge);
  EXPECT_EQ(22, flow.m_nTrigger);
  EXPECT_EQ(1, flow.m_bSetTarget);
  EXPECT_EQ(3, flow.m_nTargetNo);
  EXPECT_EQ(1, flow.m_bHoldRepeat);
  ASSERT_EQ(1u, flow.m_vCommand.size());
  const cEdCommand& cmd = flow.m_vCommand[0];
  EXPECT_EQ(16, cmd.m_nKind);
  ASSERT_TRUE(cmd.m_pCondList);
  EXPECT_EQ(1, cmd.m_pCondList->m_bUseCond);
  EXPECT_EQ(std::vector<int32_t>({0, 2, 1, 4}), std::vector<int32_t>(cmd.m_vParam.begin(), cmd.m_vParam.end()));
  EXPECT_EQ(pszHex, HexOf(ImageOf(flow)));
}

TEST_F(FlowRecords, OldConditionFixtureDiscardsTwoShorts) {
  // Version 109: kind, value, two 16-bit values that nothing uses, comparison, percent, shape.
  const char* pszHex = "6D 00 00 00 07 00 00 00 01 FE FF FF FF 34 12 78 56 03 01 06 00 00 00 00";
  cCond cond;
  ASSERT_TRUE(ReadWhole(BytesOfHex(pszHex), cond));
  EXPECT_EQ(1, cond.m_nKind);
  EXPECT_EQ(-2, cond.m_nValue);
  EXPECT_EQ(3, cond.m_nCompare);
  EXPECT_EQ(1, cond.m_bPercent);
  EXPECT_EQ(6, cond.m_nShape);
  EXPECT_EQ(cCond().m_nVar, cond.m_nVar);
  cCond expect;
  expect.m_nKind = 1;
  expect.m_nValue = -2;
  expect.m_nCompare = 3;
  expect.m_bPercent = 1;
  expect.m_nShape = 6;
  EXPECT_TRUE(cond == expect);  // fields 3 to 14 are 0
  EXPECT_EQ(4u + 36, ImageOf(cond).size());
}

// ---------------------------------------------------------------------------------------------
// A deep flow tree

cCond StatusCond() {
  cCond c;
  c.m_nKind = 4;
  c.m_nValue = -999999;
  c.m_nRandMin = 3;
  c.m_nRandMax = 9;
  c.m_nSubject = 5;
  c.m_nItem = 2;
  c.m_nLeftType = 1;
  c.m_nLeftVarSet = 1;
  c.m_nVar = 999;
  c.m_nRightType = 3;
  c.m_nRightSubject = 4;
  c.m_nRightItem = 14;
  c.m_nRightVarSet = 1;
  c.m_nRightVar = -15;
  c.m_nCompare = 7;
  c.m_bPercent = 1;
  return c;
}

cCond DistanceCond() {
  cCond c;
  c.m_nKind = 7;
  c.m_nValue = 40;
  c.m_nShape = 6;
  c.m_nLeftType = 2;
  c.m_nItem = 7;
  return c;
}

cEdCommand Cmd(int8_t nKind, std::vector<int32_t> vParam = {}, int8_t bItem = 0) {
  cEdCommand c;
  c.m_bItem = bItem;
  c.m_nKind = nKind;
  c.m_nTime = 12;
  c.m_nTimeClone = -3;
  c.m_nSound = 1;
  c.m_nAnime = 1;
  c.m_bMuteOffScreen = 0;
  c.m_vParam.assign(vParam.begin(), vParam.end());
  return c;
}

cEdFlow Flow(int8_t nId, int8_t nTrigger) {
  cEdFlow f;
  f.m_strMemo = "メモ\r\n2";
  f.m_nId = nId;
  f.m_nGroup = 26;
  f.m_bTestPlayOnly = 1;
  f.m_nCondJudge = 1;
  f.m_bLatch = 1;
  f.m_nTrigger = nTrigger;
  f.m_bSetTarget = 1;
  f.m_nTargetNo = 3;
  f.m_nKeyEase = 15;
  f.m_bHoldRepeat = 1;
  return f;
}

// Every kind of content at every level: conditions, key conditions, commands with all three parts,
// and item commands whose flows carry further item commands.
cFlowVector DeepTree() {
  cFlowVector vInner;
  vInner.push_back(Flow(2, 22));
  vInner[0].m_vCond.push_back(DistanceCond());
  vInner[0].m_vCommand.push_back(Cmd(9, {5}));

  cEdCommand change = Cmd(1, {1, 3}, 1);
  change.m_vFlow = vInner;
  cEdCommand outer = Cmd(1, {0, 0}, 1);
  outer.m_vFlow.push_back(Flow(1, 0));
  outer.m_vFlow[0].m_vCommand.push_back(change);
  outer.m_vFlow[0].m_vCommand.push_back(Cmd(10, {2, 100, 20, 0, 1}, 1));  // item kind 10

  cEdCommand move = Cmd(2);
  CreateShared(move.m_pMove);
  move.m_pMove->m_nAngle = -7200;
  move.m_pMove->m_dTurnRate = 0.3;
  move.m_pMove->m_nTarget = 3;
  cEdCommand shot = Cmd(11);
  CreateShared(shot.m_pShot);
  shot.m_pShot->m_nFormParam[2] = 999;
  shot.m_pShot->m_nMoveParam[1] = -1;
  shot.m_pShot->m_nSpare1 = 7;
  shot.m_pShot->m_nSpare3 = -7;
  shot.m_pShot->m_nPower = 999999;
  shot.m_pShot->m_nValidFlowId = 26;
  cEdCommand op = Cmd(16, {5, 2, 26, 4});
  CreateShared(op.m_pCondList);
  op.m_pCondList->m_bUseCond = 1;
  op.m_pCondList->m_vCond.push_back(StatusCond());
  op.m_pCondList->m_vCond.push_back(DistanceCond());
  cEdCommand all = Cmd(20);  // every part at once: the format allows it
  CreateShared(all.m_pMove);
  CreateShared(all.m_pShot);
  CreateShared(all.m_pCondList);
  cEdCommand message = Cmd(19, std::vector<int32_t>(18, 1));
  message.m_strText = "こんにちは\r\n#C1. ～";

  cEdKeyCond key;
  key.m_nTimeMin = 1;
  key.m_nTimeMax = 999;
  key.m_vKeyState[18] = 2;
  key.m_vKeyState[0] = 1;

  cFlowVector v;
  v.push_back(Flow(1, 3));
  v[0].m_vCond.push_back(StatusCond());
  v[0].m_vCond.push_back(DistanceCond());
  v[0].m_vKeyCond.push_back(key);
  v[0].m_vKeyCond.push_back(cEdKeyCond());
  for (const cEdCommand& c : {move, shot, op, all, message}) v[0].m_vCommand.push_back(c);
  v.push_back(cEdFlow());
  v[1].m_vCommand.push_back(outer);
  return v;
}

TEST_F(FlowRecords, DeepTreeRoundTripsByteExact) {
  cFlowVector v = DeepTree();
  std::vector<uint8_t> vImage = ImageOfFlows(v);
  cFlowVector read;
  ASSERT_TRUE(ReadFlows(vImage, read));
  EXPECT_TRUE(read == v);
  EXPECT_EQ(HexOf(vImage), HexOf(ImageOfFlows(read)));

  // The comparison sees the nested content.
  ASSERT_EQ(2u, read.size());
  const cEdCommand& change = read[1].m_vCommand[0].m_vFlow[0].m_vCommand[0];
  ASSERT_EQ(1u, change.m_vFlow.size());
  EXPECT_EQ(22, change.m_vFlow[0].m_nTrigger);
  read[1].m_vCommand[0].m_vFlow[0].m_vCommand[0].m_vFlow[0].m_vCond[0].m_nShape = 1;
  EXPECT_FALSE(read == v);
}

TEST_F(FlowRecords, EachPartChangesTheComparison) {
  cFlowVector v = DeepTree();
  const cEdCommand& all = v[0].m_vCommand[3];
  cEdCommand c = all;
  ASSERT_TRUE(c == all);
  c.m_pShot->m_nSpare2 = 1;
  EXPECT_FALSE(c == all);
  c = all;
  c.m_pMove.reset();
  EXPECT_FALSE(c == all);
  c = all;
  c.m_pCondList->m_vCond.resize(1);
  EXPECT_FALSE(c == all);
  c = all;
  c.m_vParam.push_back(0);
  EXPECT_FALSE(c == all);
}

TEST_F(FlowRecords, DamagedFlowTreeIsACleanFailedRead) {
  cFlowVector v = DeepTree();
  const std::vector<uint8_t> vImage = ImageOfFlows(v);
  for (size_t n = 4; n < vImage.size(); ++n) {
    cFlowVector read;
    ASSERT_FALSE(ReadFlows(std::vector<uint8_t>(vImage.begin(), vImage.begin() + n), read)) << n << " bytes";
  }
}

TEST_F(FlowRecords, HugeOrNegativeCountsFailTheRead) {
  cEdFlow flow;
  cImage base;
  base.I(778).Base(flow, 778);
  struct cCase {
    const char* pszName;
    cImage img;
  };
  const cCase cases[] = {
      {"conditions", cImage(base).I(0x7FFFFFFF)},
      {"key conditions", cImage(base).I(0).I(0x10000000)},
      {"commands", cImage(base).I(0).I(0).I(-1)},
      {"key states", cImage(base).I(0).I(1).Base(cEdKeyCond(), 778).I(0x7FFFFFFF)},
      {"parameters", cImage(base).I(0).I(0).I(1).Base(cEdCommand(), 778).I(0).I(0).I(0).I(0).I(0x40000000)},
      {"flows of a command", cImage(base).I(0).I(0).I(1).Base(cEdCommand(), 778).I(0).I(0).I(0).I(0x7FFFFFFF)},
      {"a part's flag with no part", cImage(base).I(0).I(0).I(1).Base(cEdCommand(), 778).I(1)},
  };
  for (const cCase& c : cases) {
    cEdFlow read;
    EXPECT_FALSE(ReadWhole(c.img.Get(), read)) << c.pszName;
  }
}

// Item commands carrying flows that carry item commands, n flow levels deep.
cEdFlow NestedFlow(int nLevels) {
  cEdFlow flow;
  for (int i = 1; i < nLevels; ++i) {
    cEdCommand cmd;
    cmd.m_bItem = 1;
    cmd.m_nKind = 1;
    cmd.m_vFlow.push_back(std::move(flow));
    cEdFlow outer;
    outer.m_vCommand.push_back(std::move(cmd));
    flow = std::move(outer);
  }
  return flow;
}

TEST_F(FlowRecords, NestingDeeperThanTheEditorBuildsIsRefused) {
  auto Nested = [](int nLevels) {
    cImage img;
    OldFlow(img.I(778), NestedFlow(nLevels), 778);
    return img;
  };
  cEdFlow read;
  EXPECT_TRUE(ReadWhole(Nested(MAX_FLOW_DEPTH).Get(), read));
  EXPECT_FALSE(ReadWhole(Nested(MAX_FLOW_DEPTH + 1).Get(), read));
  EXPECT_FALSE(ReadWhole(Nested(2000).Get(), read));
}

// The writer stops where the reader does: a flow it writes always reads back, and one nested
// deeper fails the save and leaves the file that was there.
TEST_F(FlowRecords, WriterAndReaderAgreeOnTheNestingLimit) {
  cTempDir dir;
  const std::string strPath = dir.File("Flow.dat");
  ASSERT_TRUE(WriteFileBytes(strPath, {1, 2, 3}));
  cEdFlow atLimit = NestedFlow(MAX_FLOW_DEPTH);
  ASSERT_EQ(1, atLimit.Save(strPath.c_str()));
  cEdFlow read;
  ASSERT_EQ(1, read.Load(strPath.c_str()));
  EXPECT_TRUE(read == atLimit);

  const std::vector<unsigned char> vBefore = ReadFileBytes(strPath);
  for (int nLevels : {MAX_FLOW_DEPTH + 1, 40}) {
    SCOPED_TRACE(nLevels);
    cEdFlow tooDeep = NestedFlow(nLevels);
    EXPECT_EQ(0, tooDeep.Save(strPath.c_str()));
    EXPECT_EQ(vBefore, ReadFileBytes(strPath));
    EXPECT_FALSE(FileExists(strPath + ".~0.tmp"));
  }
  // A failed write leaves nothing behind for the next one on the thread.
  EXPECT_EQ(1, atLimit.Save(strPath.c_str()));
  EXPECT_EQ(1, read.Load(strPath.c_str()));
}

// ---------------------------------------------------------------------------------------------
// Copies

TEST_F(FlowRecords, CopiedCommandOwnsItsParts) {
  cFlowVector v = DeepTree();
  const cEdCommand src = v[0].m_vCommand[3];
  cEdCommand copy(src);
  cEdCommand assigned;
  assigned = src;
  for (cEdCommand* p : {&copy, &assigned}) {
    ASSERT_TRUE(*p == src);
    EXPECT_NE(src.m_pMove.get(), p->m_pMove.get());
    EXPECT_NE(src.m_pShot.get(), p->m_pShot.get());
    EXPECT_NE(src.m_pCondList.get(), p->m_pCondList.get());
    p->m_pMove->m_nSpeed = 99;
    p->m_pShot->m_nCount = 99;
    p->m_pCondList->m_bUseCond = 1;
  }
  EXPECT_EQ(10, src.m_pMove->m_nSpeed);
  EXPECT_EQ(0, src.m_pShot->m_nCount);
  EXPECT_EQ(0, src.m_pCondList->m_bUseCond);

  // Assigning a command without parts releases the target's.
  assigned = cEdCommand();
  EXPECT_FALSE(assigned.m_pMove || assigned.m_pShot || assigned.m_pCondList);
}

TEST_F(FlowRecords, CopiedFlowTreeSharesNothing) {
  const cFlowVector src = DeepTree();
  cFlowVector copy = src;
  cEdCommand& op = copy[0].m_vCommand[2];
  op.m_pCondList->m_vCond[0].m_nValue = 1;
  copy[1].m_vCommand[0].m_vFlow[0].m_vCommand[0].m_vFlow[0].m_nId = 9;
  EXPECT_EQ(-999999, src[0].m_vCommand[2].m_pCondList->m_vCond[0].m_nValue);
  EXPECT_EQ(2, src[1].m_vCommand[0].m_vFlow[0].m_vCommand[0].m_vFlow[0].m_nId);
}

TEST_F(FlowRecords, CommandTakesACopyOfItsOwnNestedCommand) {
  cFlowVector v = DeepTree();
  cEdCommand outer = v[1].m_vCommand[0];
  const cEdCommand inner = outer.m_vFlow[0].m_vCommand[0];
  outer = outer.m_vFlow[0].m_vCommand[0];
  EXPECT_TRUE(outer == inner);
  outer = outer;
  EXPECT_TRUE(outer == inner);
}

// ---------------------------------------------------------------------------------------------
// Validation

std::vector<int32_t> ParamsOf(const cEdCommand& c) { return std::vector<int32_t>(c.m_vParam.begin(), c.m_vParam.end()); }

TEST_F(FlowRecords, KindOutsideItsTableKeepsNoParameters) {
  struct cCase {
    int8_t bItem;
    int8_t nKind;
  };
  for (const cCase& c : {cCase{0, 40}, cCase{0, -1}, cCase{1, 25}, cCase{2, 1}}) {
    cEdCommand cmd = Cmd(c.nKind, {1, 2, 3}, c.bItem);
    EXPECT_EQ(0, cmd.Validate()) << int(c.bItem) << " " << int(c.nKind);
    EXPECT_TRUE(cmd.m_vParam.empty());
  }
  cEdCommand cmd = Cmd(39, {1, 2, 3});
  EXPECT_EQ(1, cmd.Validate());
  EXPECT_EQ(std::vector<int32_t>({1, 2}), ParamsOf(cmd));

  // Read from a file, such a command is read whole and reported by its flow's validation.
  cEdFlow flow;
  flow.m_vCommand.push_back(cEdCommand());
  cEdCommand bad = Cmd(50, {7, 7, 7});
  flow.m_vCommand[0].m_bItem = 1;
  flow.m_vCommand[0].m_nKind = 1;
  flow.m_vCommand[0].m_vFlow.resize(1);
  flow.m_vCommand[0].m_vFlow[0].m_vCommand.push_back(bad);
  cImage img;
  OldFlow(img.I(778), flow, 778);
  cEdFlow read;
  ASSERT_TRUE(ReadWhole(img.Get(), read));
  const cEdCommand& readBad = read.m_vCommand[0].m_vFlow[0].m_vCommand[0];
  EXPECT_EQ(50, readBad.m_nKind);
  EXPECT_TRUE(readBad.m_vParam.empty());
  EXPECT_EQ(0, read.Validate());
}

TEST_F(FlowRecords, WritingSizesTheParametersFirst) {
  cEdCommand cmd = Cmd(9, {4, 5, 6});
  std::vector<uint8_t> v = ImageOf(cmd);
  const std::vector<uint8_t> vTail(v.end() - 8, v.end());
  EXPECT_EQ("01 00 00 00 04 00 00 00", HexOf(vTail));
}

TEST_F(FlowRecords, DatabaseReferencesAreRepaired) {
  // The test database: 1 anime set, 2 animes, 2 sounds, 2 effects and so on.
  struct cCase {
    int8_t nKind;
    int32_t nStored;
    int32_t nRepaired;
  };
  const cCase cases[] = {{27, 1, 0}, {27, -1, 0}, {27, 0, 0},  {28, 2, 1}, {28, 1, 1}, {29, 2, 1},
                         {30, 2, 1}, {31, 5, 1},  {32, -3, 1}, {35, 2, 1}, {36, 2, 1}, {33, 200, 200}};
  for (const cCase& c : cases) {
    cEdCommand cmd = Cmd(c.nKind, {c.nStored});
    cmd.Validate();
    EXPECT_EQ(c.nRepaired, cmd.m_vParam[0]) << int(c.nKind) << " " << c.nStored;
  }
  cEdCommand item = Cmd(13, {5}, 1);  // item kind 13 is "アニメの実行"
  item.Validate();
  EXPECT_EQ(1, item.m_vParam[0]);

  cEdCommand cmd = Cmd(1);
  cmd.m_nAnime = 2;
  cmd.m_nSound = -1;
  cmd.Validate();
  EXPECT_EQ(0, cmd.m_nAnime);
  EXPECT_EQ(0, cmd.m_nSound);
}

TEST_F(FlowRecords, SwordTimeComesFromItsSwordType) {
  cEdSwordPos pos;
  pos.m_nTime = 6000;
  Database.m_vSwordType[0].m_vPos.assign(2, pos);  // 12000, capped
  cEdCommand sword = Cmd(12);
  CreateShared(sword.m_pShot);
  sword.m_pShot->m_nMoveType = 3;  // no such sword type
  sword.Validate();
  EXPECT_EQ(0, sword.m_pShot->m_nMoveType);
  EXPECT_EQ(9999, sword.m_nTime);

  Database.m_vSwordType[0].m_vPos.resize(1);
  Database.m_vSwordType[0].m_vPos[0].m_nTime = 25;
  sword.Validate();
  EXPECT_EQ(25, sword.m_nTime);
  EXPECT_EQ(0, GetSwordTime(1));
}

TEST_F(FlowRecords, ShotPartRepairsSizeAndEffect) {
  cEdShot shot;
  shot.m_nGiant = -3;
  shot.m_nEffect = 2;  // the test database has two effects
  cEdShot read;
  ASSERT_TRUE(ReadWhole(cImage().I(778).Base(shot, 778).Get(), read));
  EXPECT_EQ(1, read.m_nGiant);
  EXPECT_EQ(0, read.m_nEffect);
  shot.m_nGiant = 0;
  shot.m_nEffect = 1;
  ImageOf(shot);
  EXPECT_EQ(1, shot.m_nGiant);
  EXPECT_EQ(1, shot.m_nEffect);
}

int32_t FakePaletteCount(ePalette ePal, ePalLayer eLayer) {
  static const int32_t s_an[2][3] = {{4, 6, 5}, {2, 3, 3}};  // blocks, characters, items
  return s_an[ePal][eLayer];
}

class cPaletteCountGuard {
 public:
  explicit cPaletteCountGuard(PaletteCountFn pfn) : m_pfnOld(SetPaletteCountFn(pfn)) {}
  ~cPaletteCountGuard() { SetPaletteCountFn(m_pfnOld); }

 private:
  PaletteCountFn m_pfnOld;
};

TEST_F(FlowRecords, PaletteReferencesAreRepaired) {
  struct cCase {
    const char* pszName;
    cEdCommand cmd;
    int32_t nP1;  // the item number afterwards
  };
  cCase cases[] = {
      {"item kind 10, stage, at the count", Cmd(10, {1, 3}, 1), 1},
      {"item kind 10, stage, inside", Cmd(10, {1, 2}, 1), 2},
      {"character kind 25, common, at the count", Cmd(25, {0, 5}), 1},
      {"character kind 25, common, inside", Cmd(25, {0, 4}), 4},
      {"character kind 25, other palette", Cmd(25, {2, 50}), 50},
  };
  cPaletteCountGuard guard(FakePaletteCount);
  for (cCase& c : cases) {
    c.cmd.ClampItemRefs();
    EXPECT_EQ(c.nP1, c.cmd.m_vParam[1]) << c.pszName;
  }

  cEdCommand shot = Cmd(11);
  CreateShared(shot.m_pShot);
  shot.m_pShot->m_nItemPalette = 2;
  shot.m_pShot->m_nItemNo = 3;
  cEdCommand summon = Cmd(14);
  CreateShared(summon.m_pShot);
  summon.m_pShot->m_nSummonPalette = 0;
  summon.m_pShot->m_nSummonNo = 6;
  cEdCommand carrier = Cmd(1, {0, 0}, 1);
  carrier.m_vFlow.resize(1);
  carrier.m_vFlow[0].m_vCommand.push_back(shot);
  carrier.m_vFlow[0].m_vCommand.push_back(summon);
  carrier.ClampItemRefs();
  const cEdShot& s1 = *carrier.m_vFlow[0].m_vCommand[0].m_pShot;
  EXPECT_EQ(0, s1.m_nItemPalette);
  EXPECT_EQ(0, s1.m_nItemNo);
  EXPECT_EQ(1, carrier.m_vFlow[0].m_vCommand[1].m_pShot->m_nSummonNo);

  // Without palettes nothing is known to check against.
  SetPaletteCountFn(nullptr);
  shot.ClampItemRefs();
  EXPECT_EQ(3, shot.m_pShot->m_nItemNo);
}

}  // namespace
