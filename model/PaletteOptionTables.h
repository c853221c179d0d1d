// The choices of the block, character and item fields that the data pages offer in combo boxes.
// Each table is a list of Shift-JIS texts closed by one empty string; the size given here counts
// the closing empty string. The stored value is the position plus the combo's minimum.
#pragma once

// Inheritance and palette references.
extern const char* const InheritSrcNames[4];
extern const char* const InheritSrcNamesCommon[3];
extern const char* const InheritSrcNamesStage[3];
extern const char* const InheritSrcNamesNone[2];
extern const char* const ItemPalNames[4];
extern const char* const ItemPalNamesCommon[3];

// Appearance.
extern const char* const SheetNames[6];
extern const char* const SheetNames2[6];
extern const char* const TransparentNames[3];
extern const char* const MarkShowNames[4];
extern const char* const GiantNames[11];  // minimum 1: position 0 is value 1
extern const char* const GiantNames2[10];

// Blocks.
extern const char* const BlockTypeNames[4];
extern const char* const NoFactionNames[10];  // minimum -1: "なし" is -1
extern const char* const BlockActionNames[7];

// Characters.
extern const char* const ControlNames[3];
extern const char* const PlayerNoNames[2];
extern const char* const FlyNames[5];
extern const char* const InvincibleNames[4];
extern const char* const CharaBlockNames[3];
extern const char* const SightNames[6];
extern const char* const BodyHitRangeNames[5];
extern const char* const ActRangeNames[5];
extern const char* const ActJudgeNames[4];
extern const char* const OnOffNames[3];
