// Flows, commands, conditions and command parts stored by older data versions: one row per upgrade
// step. Each row stores a record as a writer of that version did (the fields registered for it and
// the containers it wrote), reads it back and checks the upgraded record.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "FlowTestSupport.h"

namespace {

struct cUpgradeCase {
  std::string strName;
  std::function<void()> fnRun;
};

std::ostream& operator<<(std::ostream& os, const cUpgradeCase& c) { return os << c.strName; }

template <class R>
void ReadOld(const cImage& img, R& rec) {
  ASSERT_TRUE(ReadWhole(img.Get(), rec));
}

// A command of the given numbering, kind and parameters, stored by version nVersion.
cUpgradeCase CmdRow(const char* pszName, int32_t nVersion, int8_t bItem, int8_t nKind, std::vector<int32_t> vIn,
                    int8_t nKindOut, std::vector<int32_t> vOut) {
  return {pszName, [=] {
            cEdCommand old;
            old.m_bItem = bItem;
            old.m_nKind = nKind;
            old.m_vParam.assign(vIn.begin(), vIn.end());
            cImage img;
            OldCommand(img.I(nVersion), old, nVersion);
            cEdCommand cmd;
            ReadOld(img, cmd);
            EXPECT_EQ(nKindOut, cmd.m_nKind);
            EXPECT_EQ(vOut, std::vector<int32_t>(cmd.m_vParam.begin(), cmd.m_vParam.end()));
          }};
}

// A command with parts: fnSet prepares the old command, fnCheck looks at the read one.
cUpgradeCase CmdPartRow(const char* pszName, int32_t nVersion, std::function<void(cEdCommand&)> fnSet,
                        std::function<void(const cEdCommand&)> fnCheck) {
  return {pszName, [=] {
            cEdCommand old;
            fnSet(old);
            cImage img;
            OldCommand(img.I(nVersion), old, nVersion);
            cEdCommand cmd;
            ReadOld(img, cmd);
            fnCheck(cmd);
          }};
}

cUpgradeCase FlowRow(const char* pszName, int32_t nVersion, int8_t nTrigger, int8_t nGroup, int8_t nTriggerOut,
                     int8_t nGroupOut) {
  return {pszName, [=] {
            cEdFlow old;
            old.m_nTrigger = nTrigger;
            old.m_nGroup = nGroup;
            cImage img;
            OldFlow(img.I(nVersion), old, nVersion);
            cEdFlow flow;
            ReadOld(img, flow);
            EXPECT_EQ(nTriggerOut, flow.m_nTrigger);
            EXPECT_EQ(nGroupOut, flow.m_nGroup);
          }};
}

// A record stored by its base part alone (conditions, move and shot parts), or any other record
// with its own old writer.
template <class R>
cUpgradeCase RecRow(const char* pszName, int32_t nVersion, std::function<void(R&)> fnSet,
                    std::function<void(const R&)> fnCheck,
                    void (*pfnWrite)(cImage&, const R&, int32_t) = nullptr) {
  return {pszName, [=] {
            R old;
            fnSet(old);
            cImage img;
            img.I(nVersion);
            if (pfnWrite)
              pfnWrite(img, old, nVersion);
            else
              img.Base(old, nVersion);
            R rec;
            ReadOld(img, rec);
            fnCheck(rec);
          }};
}

std::vector<int32_t> Seq(int n, int32_t nFirst = 1) {
  std::vector<int32_t> v;
  for (int i = 0; i < n; ++i) v.push_back(nFirst + i);
  return v;
}

std::vector<int32_t> Fives(int n) { return std::vector<int32_t>(static_cast<size_t>(n), 5); }

// A parameter vector with some entries changed.
std::vector<int32_t> With(std::vector<int32_t> v, std::initializer_list<std::pair<int, int32_t>> set) {
  for (auto& e : set) v[static_cast<size_t>(e.first)] = e.second;
  return v;
}

const cUpgradeCase kCases[] = {
    // Flow triggers: each step sees what the one before left.
    FlowRow("Flow131Trigger11Becomes14", 131, 11, 0, 14, 0),
    FlowRow("Flow100Trigger16Becomes22", 100, 16, 0, 22, 0),
    FlowRow("Flow132Trigger11Becomes13", 132, 11, 0, 13, 0),
    FlowRow("Flow162TriggerNotZeroDropsGroup", 162, 2, 3, 2, 0),
    FlowRow("Flow162TriggerZeroKeepsGroup", 162, 0, 3, 0, 3),
    FlowRow("Flow163KeepsGroupTrigger5Becomes7", 163, 5, 3, 7, 3),
    FlowRow("Flow164Trigger5Stays", 164, 5, 0, 5, 0),
    FlowRow("Flow761Trigger18Becomes21", 761, 18, 0, 21, 0),
    FlowRow("Flow762Trigger18Stays", 762, 18, 0, 18, 0),
    RecRow<cEdFlow>(
        "Flow761LacksTargetFields", 761,
        [](cEdFlow& f) {
          f.m_bSetTarget = 1;
          f.m_nTargetNo = 2;
          f.m_nKeyEase = 9;
          f.m_strMemo = "memo";
        },
        [](const cEdFlow& f) {
          EXPECT_EQ(0, f.m_bSetTarget);
          EXPECT_EQ(0, f.m_nTargetNo);
          EXPECT_EQ(9, f.m_nKeyEase);
          EXPECT_EQ("memo", f.m_strMemo);
        },
        OldFlow),
    RecRow<cEdFlow>(
        "Flow766LacksTargetNo", 766,
        [](cEdFlow& f) {
          f.m_bSetTarget = 1;
          f.m_nTargetNo = 2;
        },
        [](const cEdFlow& f) {
          EXPECT_EQ(1, f.m_bSetTarget);
          EXPECT_EQ(0, f.m_nTargetNo);
        },
        OldFlow),
    RecRow<cEdFlow>(
        "Flow675HasNoMemo", 675, [](cEdFlow& f) { f.m_strMemo = "memo"; },
        [](const cEdFlow& f) { EXPECT_EQ("", f.m_strMemo); }, OldFlow),
    RecRow<cEdKeyCond>(
        "KeyCondKeepsItsStoredLength", 100, [](cEdKeyCond& k) { k.m_vKeyState.assign(3, 2); },
        [](const cEdKeyCond& k) { EXPECT_EQ(3u, k.m_vKeyState.size()); }, OldKeyCond),

    // Conditions.
    RecRow<cCond>(
        "Cond109SkipsTwoShorts", 109,
        [](cCond& c) {
          c.m_nKind = 1;
          c.m_nValue = 7;
          c.m_nCompare = 2;
          c.m_bPercent = 1;
          c.m_nShape = 3;
        },
        [](const cCond& c) {
          EXPECT_EQ(1, c.m_nKind);
          EXPECT_EQ(7, c.m_nValue);
          EXPECT_EQ(2, c.m_nCompare);
          EXPECT_EQ(1, c.m_bPercent);
          EXPECT_EQ(3, c.m_nShape);
          EXPECT_EQ(0, c.m_nSubject);
          EXPECT_EQ(0, c.m_nRightVar);
        }),
    RecRow<cCond>(
        "Cond42HasNoPercent", 42,
        [](cCond& c) {
          c.m_nCompare = 2;
          c.m_bPercent = 1;
          c.m_nShape = 3;
        },
        [](const cCond& c) {
          EXPECT_EQ(2, c.m_nCompare);
          EXPECT_EQ(0, c.m_bPercent);
          EXPECT_EQ(3, c.m_nShape);
        }),
    RecRow<cCond>(
        "Cond150DistanceKind5Becomes7", 150, [](cCond& c) { c.m_nKind = 5; },
        [](const cCond& c) {
          EXPECT_EQ(7, c.m_nKind);
          EXPECT_EQ(0, c.m_nLeftType);  // range not shown
          EXPECT_EQ(1, c.m_nRightType);  // both display flags on
          EXPECT_EQ(1, c.m_nRightSubject);
        }),
    RecRow<cCond>(
        "Cond160Status3OnBlockFlipsOutcome", 160,
        [](cCond& c) {
          c.m_nKind = 6;
          c.m_nItem = 2;
        },
        [](const cCond& c) { EXPECT_EQ(1, c.m_nCompare); }),
    RecRow<cCond>(
        "Cond161Status3OnBlockKeepsOutcome", 161,
        [](cCond& c) {
          c.m_nKind = 6;
          c.m_nItem = 2;
        },
        [](const cCond& c) { EXPECT_EQ(0, c.m_nCompare); }),
    RecRow<cCond>(
        "Cond167StatusItemsShiftTwice", 167,
        [](cCond& c) {
          c.m_nKind = 4;
          c.m_nItem = 10;        // 11 below 168, 12 below 203
          c.m_nRightType = 2;
          c.m_nRightItem = 5;    // 6 below 203 only
          c.m_nRightSubject = 1;
        },
        [](const cCond& c) {
          EXPECT_EQ(12, c.m_nItem);
          EXPECT_EQ(6, c.m_nRightItem);
          EXPECT_EQ(1, c.m_nRightSubject);
        }),
    RecRow<cCond>(
        "Cond202SystemStatusDoesNotShift", 202,
        [](cCond& c) {
          c.m_nKind = 4;
          c.m_nSubject = 2;  // "システム" then; 5 now
          c.m_nItem = 7;
        },
        [](const cCond& c) {
          EXPECT_EQ(7, c.m_nItem);
          EXPECT_EQ(5, c.m_nSubject);
        }),
    RecRow<cCond>(
        "Cond209FlagAbove5Shifts", 209,
        [](cCond& c) {
          c.m_nKind = 5;
          c.m_nItem = 6;
        },
        [](const cCond& c) { EXPECT_EQ(7, c.m_nItem); }),
    RecRow<cCond>(
        "Cond656DistanceFromHero", 656,
        [](cCond& c) {
          c.m_nKind = 7;
          c.m_nSubject = 3;
        },
        [](const cCond& c) { EXPECT_EQ(0, c.m_nSubject); }),
    RecRow<cCond>(
        "Cond744DistanceDisplayDefaults", 744,
        [](cCond& c) {
          c.m_nKind = 7;
          c.m_nSubject = 3;
          c.m_nLeftType = 2;
        },
        [](const cCond& c) {
          EXPECT_EQ(3, c.m_nSubject);
          EXPECT_EQ(0, c.m_nLeftType);
          EXPECT_EQ(1, c.m_nRightType);
          EXPECT_EQ(1, c.m_nRightSubject);
        }),
    RecRow<cCond>(
        "Cond745KeepsRangeDisplay", 745,
        [](cCond& c) {
          c.m_nKind = 7;
          c.m_nLeftType = 2;
        },
        [](const cCond& c) {
          EXPECT_EQ(2, c.m_nLeftType);
          EXPECT_EQ(1, c.m_nRightType);
        }),
    RecRow<cCond>(
        "Cond766Target2Becomes5", 766,
        [](cCond& c) {
          c.m_nKind = 4;
          c.m_nSubject = 2;
          c.m_nRightSubject = 1;
        },
        [](const cCond& c) {
          EXPECT_EQ(5, c.m_nSubject);
          EXPECT_EQ(1, c.m_nRightSubject);
        }),
    RecRow<cCond>(
        "Cond767Target2Stays", 767,
        [](cCond& c) {
          c.m_nKind = 5;
          c.m_nSubject = 2;
        },
        [](const cCond& c) { EXPECT_EQ(2, c.m_nSubject); }),
    RecRow<cCondList>(
        "CondList765HasNoVector", 765,
        [](cCondList& l) {
          l.m_bUseCond = 1;
          l.m_vCond.resize(2);
        },
        [](const cCondList& l) {
          EXPECT_EQ(1, l.m_bUseCond);
          EXPECT_TRUE(l.m_vCond.empty());
        },
        OldCondList),
    RecRow<cCondList>(
        "CondList766HasVector", 766, [](cCondList& l) { l.m_vCond.resize(2); },
        [](const cCondList& l) { EXPECT_EQ(2u, l.m_vCond.size()); }, OldCondList),

    // Move and shot parts.
    RecRow<cEdMove>(
        "Move157ZeroesNewerFlags", 157, [](cEdMove&) {},
        [](const cEdMove& m) {
          EXPECT_EQ(0, m.m_bMirrorRotate);
          EXPECT_EQ(0, m.m_nDistanceUnit);
          EXPECT_EQ(0, m.m_bKeepFacing);
          EXPECT_EQ(0, m.m_bNoMoveAnime);
          EXPECT_EQ(10, m.m_nSpeed);
          EXPECT_EQ(1.0, m.m_dTurnRate);
        }),
    RecRow<cEdMove>(
        "Move158KeepsMirrorRotate", 158,
        [](cEdMove& m) {
          m.m_nDistanceUnit = 1;
          m.m_bKeepFacing = 1;
        },
        [](const cEdMove& m) {
          EXPECT_EQ(1, m.m_bMirrorRotate);
          EXPECT_EQ(0, m.m_nDistanceUnit);
          EXPECT_EQ(0, m.m_bKeepFacing);
        }),
    RecRow<cEdMove>(
        "Move766HasNoTarget", 766,
        [](cEdMove& m) {
          m.m_nTarget = 3;
          m.m_bNoMoveAnime = 1;
        },
        [](const cEdMove& m) {
          EXPECT_EQ(0, m.m_nTarget);
          EXPECT_EQ(1, m.m_bNoMoveAnime);
        }),
    RecRow<cEdShot>(
        "Shot157ZeroesMirrorRotate", 157, [](cEdShot&) {}, [](const cEdShot& s) { EXPECT_EQ(0, s.m_bMirrorRotate); }),
    RecRow<cEdShot>(
        "Shot196CopiesHeroFailToEnemy", 196, [](cEdShot& s) { s.m_bFailOnHero = 1; },
        [](const cEdShot& s) { EXPECT_EQ(1, s.m_bFailOnEnemy); }),
    RecRow<cEdShot>(
        "Shot211HomingSyncsScroll", 211, [](cEdShot& s) { s.m_nMoveType = 5; },
        [](const cEdShot& s) { EXPECT_EQ(1, s.m_bScrollSync); }),
    RecRow<cEdShot>(
        "Shot211WaveDoesNotSync", 211,
        [](cEdShot& s) {
          s.m_nMoveType = 8;
          s.m_bScrollSync = 1;
        },
        [](const cEdShot& s) { EXPECT_EQ(0, s.m_bScrollSync); }),
    RecRow<cEdShot>(
        "Shot212ZeroesAcceleration", 212,
        [](cEdShot& s) {
          s.m_bScrollSync = 1;
          s.m_bAccel = 1;
          s.m_nAccel = 5;
          s.m_nAccelClone = 6;
        },
        [](const cEdShot& s) {
          EXPECT_EQ(1, s.m_bScrollSync);
          EXPECT_EQ(0, s.m_bAccel);
          EXPECT_EQ(0, s.m_nAccel);
          EXPECT_EQ(0, s.m_nAccelClone);
        }),
    RecRow<cEdShot>(
        "Shot635CopiesPierceChara", 635, [](cEdShot& s) { s.m_bPierceChara = 1; },
        [](const cEdShot& s) { EXPECT_EQ(1, s.m_bPierceBlockChara); }),
    RecRow<cEdShot>(
        "Shot670HasNoAimAt", 670, [](cEdShot& s) { s.m_nAimAt = 2; }, [](const cEdShot& s) { EXPECT_EQ(0, s.m_nAimAt); }),
    RecRow<cEdShot>(
        "Shot671KeepsAimAt", 671,
        [](cEdShot& s) {
          s.m_nAimAt = 2;
          s.m_nTarget = 3;
          s.m_bAttack = 1;
        },
        [](const cEdShot& s) {
          EXPECT_EQ(2, s.m_nAimAt);
          EXPECT_EQ(0, s.m_nTarget);
          EXPECT_EQ(0, s.m_bAttack);
        }),

    // Character commands, in step order.
    CmdRow("Cmd144StageClearGets9ParamsThenDestinationShifts", 144, 0, 17, {2, 5}, 17,
           {3, 5, 0, 0, 0, 0, 0, 0, 0}),
    CmdRow("Cmd165BgmGetsLoopOnAndMovesTo36", 165, 0, 35, {1}, 36, {1, 1}),
    CmdRow("Cmd167StatusIndexesShift", 167, 0, 22, With(std::vector<int32_t>(18), {{3, 1}, {4, 10}, {6, 2}, {13, 12}}),
           22, With(std::vector<int32_t>(18), {{3, 1}, {4, 12}, {6, 2}, {13, 14}})),
    CmdRow("Cmd167SystemStatusStays", 167, 0, 22, With(std::vector<int32_t>(18), {{3, 2}, {4, 10}}), 22,
           With(std::vector<int32_t>(18), {{3, 5}, {4, 10}})),
    CmdRow("Cmd188TargetGetsSideThenTargetSlot", 188, 0, 21, Seq(15), 21,
           {0, 1, 2, 0, 3, 4, 5, 6, 7, 8, 9, 0, 1, 12, 13, 0}),
    CmdRow("Cmd193PictureGetsScaleAndMovesTo32", 193, 0, 31, Seq(14), 32,
           {1, 2, 3, 4, 5, 6, 1, 7, 8, 9, 10, 0, 0, 0, 0}),
    CmdRow("Cmd194CharaEffectGetsModeAndMovesTo30", 194, 0, 29, {1, 1}, 30, {1, 0, 1}),
    CmdRow("Cmd194ScrEffectGetsModeAndMovesTo31", 194, 0, 30, {1, 1}, 31, {1, 0, 1}),
    CmdRow("Cmd202SummonLosesParams", 202, 0, 14, {5, 5}, 14, {}),
    CmdRow("Cmd202StatusShiftsAbove4", 202, 0, 22, With(std::vector<int32_t>(18), {{3, 1}, {4, 5}}), 22,
           With(std::vector<int32_t>(18), {{3, 1}, {4, 6}})),
    CmdRow("Cmd209CharaFlagAbove5Shifts", 209, 0, 23, {1, 6, 1}, 23, {1, 7, 1}),
    CmdRow("Cmd209SystemFlagStaysThenSubjectShifts", 209, 0, 23, {2, 6, 1}, 23, {5, 6, 1}),
    CmdRow("Cmd218GraphicChangeShotSheetShifts", 218, 0, 25, {3, 10, 0}, 26, {3, 11, 0}),
    CmdRow("Cmd218GraphicChangeCapsAt119", 218, 0, 25, {3, 119, 0}, 26, {3, 119, 0}),
    CmdRow("Cmd544MessageShowsWindowAtCentre", 544, 0, 19, With(Seq(10, 0), {{0, 7}}), 19,
           {7, 1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 0, 0, 0, 1, 0, 1, 0}),
    CmdRow("Cmd545MessageElsewhereHasNoWindow", 545, 0, 19, With(Fives(18), {{0, 3}}), 19,
           {3, 5, 5, 5, 5, 5, 5, 5, 5, 5, 0, 0, 0, 0, 1, 0, 1, 0}),
    CmdRow("Cmd555MessageUpdateInterval", 555, 0, 19, Fives(18), 19,
           {5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 1, 0}),
    CmdRow("Cmd721StageDestinationAbove1Shifts", 721, 0, 17, With(Fives(9), {{0, 2}}), 17, With(Fives(9), {{0, 3}})),
    CmdRow("Cmd721StageNextStays", 721, 0, 17, With(Fives(9), {{0, 1}}), 17, With(Fives(9), {{0, 1}})),
    CmdRow("Cmd722MessageInstantOff", 722, 0, 19, Fives(18), 19, With(Fives(18), {{17, 0}})),
    CmdRow("Cmd722PictureInstantOff", 722, 0, 31, With(Fives(15), {{0, 1}}), 32, With(Fives(15), {{0, 1}, {14, 0}})),
    CmdRow("Cmd725ArrangeTargetsShot", 725, 0, 37, {}, 38, {11, 0, 0, 0, 0}),
    CmdRow("Cmd726ArrangeShotSettingsShift", 726, 0, 37, {11, 14, 0, 0, 0}, 38, {11, 21, 0, 0, 0}),
    CmdRow("Cmd726ArrangeFirstSettingsStay", 726, 0, 37, {11, 1, 0, 0, 0}, 38, {11, 1, 0, 0, 0}),
    CmdRow("Cmd733ScrEffectBecomes31", 733, 0, 30, {1, 0, 0}, 31, {1, 0, 0}),
    CmdRow("Cmd734CharaEffectStays30", 734, 0, 30, {1, 0, 0}, 30, {1, 0, 0}),
    CmdRow("Cmd733Kind23Stays", 733, 0, 23, {0, 1, 1}, 23, {0, 1, 1}),
    CmdRow("Cmd733ArrangeTargetAbove23Shifts", 733, 0, 37, {24, 1, 0, 0, 0}, 38, {25, 1, 0, 0, 0}),
    CmdRow("Cmd733ArrangeTarget23Stays", 733, 0, 37, {23, 1, 0, 0, 0}, 38, {23, 1, 0, 0, 0}),
    CmdRow("Cmd746TargetSearchDefaults", 746, 0, 21, Fives(16), 21,
           {0, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 0, 1, 5, 5, 0}),
    CmdRow("Cmd766TurnTowardsTargetsShift", 766, 0, 9, {4}, 9, {10}),
    CmdRow("Cmd766TurnLeftRightStays", 766, 0, 9, {3}, 9, {3}),
    CmdRow("Cmd766TargetGetsSlot", 766, 0, 21, Seq(16), 21, With(Seq(16, 0), {{0, 0}})),
    CmdRow("Cmd766StatusSubjectsShift", 766, 0, 22, With(std::vector<int32_t>(18), {{3, 2}, {6, 2}, {12, 3}}), 22,
           With(std::vector<int32_t>(18), {{3, 5}, {6, 2}, {12, 6}})),
    CmdRow("Cmd766Status2SubjectShifts", 766, 0, 23, {2, 1, 1}, 23, {5, 1, 1}),
    CmdRow("Cmd767TurnStays", 767, 0, 9, {4}, 9, {4}),

    // Item commands: item kind k stands for character kind k + 15.
    CmdRow("Item144StageClearGets9Params", 144, 1, 2, {2, 5}, 2, {3, 5, 0, 0, 0, 0, 0, 0, 0}),
    CmdRow("Item733KindsAbove8Shift", 733, 1, 9, {0, 1}, 10, {0, 1}),
    CmdRow("Item733Kind8Stays", 733, 1, 8, {0, 1, 1}, 8, {0, 1, 1}),
    CmdRow("Item733ArrangeTargetShifts", 733, 1, 22, {24, 1, 0, 0, 0}, 23, {25, 1, 0, 0, 0}),
    CmdRow("Item766StatusSubjectShifts", 766, 1, 7, With(std::vector<int32_t>(18), {{3, 2}}), 7,
           With(std::vector<int32_t>(18), {{3, 5}})),
    CmdRow("Item100FlowChangeUntouched", 100, 1, 1, {2, 3}, 1, {2, 3}),

    // Commands with parts.
    CmdPartRow(
        "Cmd219ShotGraphicShifts", 219,
        [](cEdCommand& c) {
          c.m_nKind = 11;
          CreateShared(c.m_pShot);
          c.m_pShot->m_nGraphic = 5;
        },
        [](const cEdCommand& c) {
          ASSERT_TRUE(c.m_pShot);
          EXPECT_EQ(6, c.m_pShot->m_nGraphic);
        }),
    CmdPartRow(
        "Cmd219ShotGraphicCapsAt119", 219,
        [](cEdCommand& c) {
          c.m_nKind = 11;
          CreateShared(c.m_pShot);
          c.m_pShot->m_nGraphic = 119;
        },
        [](const cEdCommand& c) { EXPECT_EQ(119, c.m_pShot->m_nGraphic); }),
    CmdPartRow(
        "Cmd513ChargeMoveAngleReset", 513,
        [](cEdCommand& c) {
          c.m_nKind = 5;
          CreateShared(c.m_pMove);
          c.m_pMove->m_nAngle = 30;
          c.m_pMove->m_nAngleClone = 5;
        },
        [](const cEdCommand& c) {
          ASSERT_TRUE(c.m_pMove);
          EXPECT_EQ(0, c.m_pMove->m_nAngle);
          EXPECT_EQ(0, c.m_pMove->m_nAngleClone);
          EXPECT_EQ(1, c.m_pMove->m_bMirrorRotate);
        }),
    CmdPartRow(
        "Cmd759FlowOpGetsCondListAndTargetSelf", 759,
        [](cEdCommand& c) {
          c.m_nKind = 16;
          c.m_vParam.assign({1, 2, 2, 3});
        },
        [](const cEdCommand& c) {
          ASSERT_TRUE(c.m_pCondList);
          EXPECT_EQ(0, c.m_pCondList->m_bUseCond);
          EXPECT_EQ(std::vector<int32_t>({1, 2, 2, 0}), std::vector<int32_t>(c.m_vParam.begin(), c.m_vParam.end()));
        }),
    CmdPartRow(
        "Cmd763FlowOpGetsCondListKeepsParams", 763,
        [](cEdCommand& c) {
          c.m_nKind = 16;
          c.m_vParam.assign({1, 2, 2, 3});
        },
        [](const cEdCommand& c) {
          ASSERT_TRUE(c.m_pCondList);
          EXPECT_EQ(0, c.m_pCondList->m_bUseCond);
          EXPECT_EQ(3, c.m_vParam[3]);
        }),
    CmdPartRow(
        "Cmd764FlowOpReadsItsCondList", 764,
        [](cEdCommand& c) {
          c.m_nKind = 16;
          c.m_vParam.assign({1, 2, 2, 3});
          CreateShared(c.m_pCondList);
          c.m_pCondList->m_bUseCond = 1;
          c.m_pCondList->m_nCondJudge = 1;
        },
        [](const cEdCommand& c) {
          ASSERT_TRUE(c.m_pCondList);
          EXPECT_EQ(1, c.m_pCondList->m_bUseCond);
          EXPECT_EQ(1, c.m_pCondList->m_nCondJudge);
        }),
    CmdPartRow(
        "Cmd766WarpFromTargetShifts", 766,
        [](cEdCommand& c) {
          c.m_nKind = 20;
          CreateShared(c.m_pMove);
          c.m_pMove->m_nAimType = 2;
        },
        [](const cEdCommand& c) { EXPECT_EQ(5, c.m_pMove->m_nAimType); }),
    CmdPartRow(
        "Cmd766WarpByDirectionStays", 766,
        [](cEdCommand& c) {
          c.m_nKind = 20;
          CreateShared(c.m_pMove);
          c.m_pMove->m_nAimType = 1;
        },
        [](const cEdCommand& c) { EXPECT_EQ(1, c.m_pMove->m_nAimType); }),
};

class FlowUpgrade : public ::testing::TestWithParam<cUpgradeCase> {
 protected:
  cDatabaseGuard m_Db;
};

TEST_P(FlowUpgrade, ReadsOldRecordAsToday) { GetParam().fnRun(); }

INSTANTIATE_TEST_SUITE_P(Steps, FlowUpgrade, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<cUpgradeCase>& info) { return info.param.strName; });

}  // namespace
