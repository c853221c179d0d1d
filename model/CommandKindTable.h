// Command kinds and the vocabulary of flows, commands and their parts. The kind tables fix how many
// integer parameters a command of each kind carries; the word tables give the meaning of the small
// numbers that flows and commands store (the stored value is the position in the table). Each word
// table is a list of Shift-JIS texts closed by one empty string; the size given here counts it.
#pragma once

#include <cstdint>
#include <string>

#include "base/ChkContainer.h"

struct cCmdKindInfo {
  std::string m_strName;
  int32_t m_nParamCount = 0;

  cCmdKindInfo() = default;
  cCmdKindInfo(const char* pszName, int32_t nParamCount) : m_strName(pszName), m_nParamCount(nParamCount) {}
};

// Character command kinds 0 to 39 (a command whose m_cNumbering is 0); kind 0 is the empty kind.
extern const cChkVector<cCmdKindInfo> CmdKindTable;
// Item command kinds 0 to 24 (m_cNumbering 1): 0 empty, 1 "フローの変更", and 2 to 24 the character
// kinds 17 to 39, so item kind k is character kind k + 15.
extern const cChkVector<cCmdKindInfo> ItemCmdKindTable;
constexpr int CMD_KIND_COUNT = 40;
constexpr int ITEM_CMD_KIND_COUNT = 25;
constexpr int ITEM_CMD_KIND_OFFSET = 15;

// The entry of a stored kind, or null when the kind has no row in its table (a damaged file): such a
// command must not be sized by reading past the table.
const cCmdKindInfo* FindCmdKindInfo(int nNumbering, int nKind);

// Parameters 0 and 1 of the item command "フローの変更": the operation and the ID of the flows to delete.
extern const char* const ItemFlowOpNames[4];
extern const char* const ItemFlowDelIdNames[28];

// Flows and key conditions.
extern const char* const FlowIdSlotNames[28];   // "-", "A" ... "Z": a flow's ID
extern const char* const FlowIdNames[28];       // "全て", "A" ... "Z": the flows a shot or summon runs
extern const char* const FlowGroupNames[28];    // "-", "a" ... "z"
extern const char* const FlowTriggerNames[24];
extern const char* const KeyStateNames[4];
extern const char* const KeyJudgeNames[4];

// Subjects and targets.
extern const char* const FlowOpOwnerNames[6];         // whose flows "フローの操作" acts on
extern const char* const CharaCondSubjectNames[6];    // subjects of a character's conditions
extern const char* const CharaStatusSubjectNames[7];  // the same and "システム"
extern const char* const HeroSubjectNames[6];         // conditions of blocks and items
extern const char* const HeroStatusSubjectNames[7];   // the same and "システム"
extern const char* const TargetSlotNames[5];          // "ターゲット1" ... "ターゲット4"

// "フローの操作".
extern const char* const FlowOpRangeNames[4];
extern const char* const FlowOpNames[7];

// Status conditions and "ステータスの操作".
extern const char* const StatusLeftKindNames[3];
extern const char* const StatusRightKindNames[5];
extern const char* const VarSetNames[3];
extern const char* const StatusCalcNames[4];
extern const char* const SingleOnNames[2];
extern const char* const Status3StateNames[6];

// A status of a character or of the game: the range of the values entered for it (constants, random
// bounds, amounts) and whether a percentage may be used in conditions and in commands.
struct cStatusInfo {
  std::string m_strName;
  int32_t m_nMin = 0;
  int32_t m_nMax = 0;
  int32_t m_bCondPercent = 0;
  int32_t m_bCmdPercent = 0;
};

// A flag of a character or of the game ("ステータス条件2", "ステータスの操作2"): its values run from
// m_nMin to m_nMax, and option i stands for the value m_nFirst + i.
struct cStatusOptionInfo {
  std::string m_strName;
  int32_t m_nMin = 0;
  int32_t m_nMax = 0;
  int32_t m_nFirst = 0;
  cChkVector<std::string> m_vOptions;
};

extern const cChkVector<cStatusInfo> StatusInfoTable;          // 15 character statuses
extern const cChkVector<cStatusInfo> SystemValueTable;         // 5 game statuses
extern const cChkVector<cStatusOptionInfo> Status2InfoTable;   // 7 character flags
// The 2 flags of the subject "システム"; empty until start-up runs BuildScrollInfoTable with the
// stage's scroll-mode table as the options of both entries.
extern cChkVector<cStatusOptionInfo> ScrollInfoTable;
void BuildScrollInfoTable(const char* const* ppszScrollModes);

// "ステージクリア".
extern const char* const StageClearDestNames[5];
extern const char* const StageClearFacingNames[4];
// "メッセージ".
extern const char* const MessagePosNames[10];
extern const char* const MessageTimeNames[4];
// "ターゲットの設定".
extern const char* const TargetWhomNames[12];
extern const char* const TargetRangeNames[4];
extern const char* const TargetNoneNames[3];
// "消滅".
extern const char* const VanishWhatNames[7];
extern const char* const VanishRangeNames[3];
// "アイテムの取得".
extern const char* const ItemGetPalNames[3];
extern const char* const ItemGetPalCommonNames[2];
// "エフェクトの実行" and "ピクチャーの表示".
extern const char* const EffectPosNames[6];
extern const char* const PictureTimeNames[4];
// "キャラエフェクトの実行" and "画面エフェクトの実行".
extern const char* const EffectModeNames[4];
// "背景の変更".
extern const char* const BackgroundOpNames[4];
// "アレンジ".
extern const char* const ArrangeVarKindNames[4];

// The move part.
extern const char* const MoveSetTypeNames[3];
extern const char* const WarpSetTypeNames[7];
extern const char* const MoveDirectionNames[14];
extern const char* const MoveTargetTypeNames[5];
extern const char* const WarpTargetTypeNames[4];
extern const char* const CircleDirectionNames[5];
extern const char* const TurnNames[13];
extern const char* const MoveTimeModeNames[4];
extern const char* const CircleTimeModeNames[3];
extern const char* const JumpTypeNames[4];
extern const char* const DistanceUnitNames[3];

// The shot part (shots, swords and summons).
extern const char* const ShotFormationNames[7];
extern const char* const ShotObjectNames[4];
extern const char* const ShotMoveTypeNames[11];
extern const char* const BlockSummonTypeNames[4];
extern const char* const SummonPaletteNames[3];
extern const char* const SummonPaletteCommonNames[2];
extern const char* const SummonFactionModeNames[4];
