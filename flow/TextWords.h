// Word look-ups for the line texts. A stored value outside its table (a damaged or foreign file)
// gives an empty word: a list redraw must never trip a checked access.
#pragma once

#include <cstddef>
#include <string>

#include "base/ChkContainer.h"
#include "model/CommandKindTable.h"
#include "model/Cond.h"

template <size_t N>
const char* Word(const char* const (&table)[N], int i) {
  return i >= 0 && static_cast<size_t>(i) < N ? table[i] : "";
}

// Entry i of a checked vector, or null: the look-up itself never reports a bad index.
template <class V>
const typename V::value_type* EntryOf(const V& v, int i) {
  return i >= 0 && static_cast<size_t>(i) < v.size() ? v.data() + i : nullptr;
}

template <class V>
const char* NameOf(const V& v, int i) {
  const auto* p = EntryOf(v, i);
  return p != nullptr ? p->m_strName.c_str() : "";
}

// The option word of attribute nAttr for the stored value (option k stands for m_nFirst + k).
inline const char* OptionWordOf(const cChkVector<cStatusOptionInfo>& table, int nAttr, int nValue) {
  const cStatusOptionInfo* p = EntryOf(table, nAttr);
  if (p == nullptr) return "";
  const long long k = static_cast<long long>(nValue) - p->m_nFirst;
  if (k < 0 || k >= static_cast<long long>(p->m_vOptions.size())) return "";
  return p->m_vOptions.data()[k].c_str();
}

// Character variables are numbered 1 to 8.
inline const char* CharaVarWord(int32_t nVar) { return nVar >= 1 && nVar <= 8 ? CharaVarNames[nVar - 1] : ""; }
