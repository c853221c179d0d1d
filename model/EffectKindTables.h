// What each kind of character effect and screen effect is called, what its five parameters mean,
// which values they take and which value a new parameter gets. The database pages build their
// kind lists, captions and limits from these tables, and old effect records take upgrade
// defaults from them.
#pragma once

#include <cstdint>

struct cEffectParamInfo {
  const char* m_strCaption;  // "" = the kind does not use this parameter
  int16_t m_nMin;
  int16_t m_nMax;
  int16_t m_nDefault;
};

constexpr int CHARA_EFFECT_KINDS = 16;  // kinds 1..16; kind 0 is "no effect"
constexpr int SCR_EFFECT_KINDS = 13;    // kinds 1..13
constexpr int EFFECT_PARAMS = 5;

// Entry i names kind i + 1 (and is its note); an empty string ends each table.
extern const char* const CharaEffectNames[CHARA_EFFECT_KINDS + 1];
extern const char* const CharaEffectNotes[CHARA_EFFECT_KINDS + 1];
extern const char* const ScrEffectNames[SCR_EFFECT_KINDS + 1];
extern const char* const ScrEffectNotes[SCR_EFFECT_KINDS + 1];

// Entry EFFECT_PARAMS x k + p describes parameter p + 1 of kind k (the entries of kind 0 are empty).
extern const cEffectParamInfo CharaEffectParams[(CHARA_EFFECT_KINDS + 1) * EFFECT_PARAMS];
extern const cEffectParamInfo ScrEffectParams[(SCR_EFFECT_KINDS + 1) * EFFECT_PARAMS];
