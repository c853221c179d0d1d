// Numbered name lists for the combo boxes of the command dialogs and the data pages: database
// records, palette entries and variable names, each line a zero-padded number, a blank and a name.
#pragma once

#include <string>

#include "app/TextFormat.h"
#include "base/ChkContainer.h"

// The name of an entry: the name string of a record (every database record, palette entry and
// variable name has one), or the text itself for a plain list of names.
template <class T>
const std::string& RecordName(const T& rec) {
  return rec.m_strName;
}
inline const std::string& RecordName(const std::string& str) { return str; }

// Line p stands for record nStart + p: "%s %s" of the number nOffset + (nStart + p), zero-padded to
// nDigits (wider numbers in full), and the record's name. A leading text takes the place of the
// record at nStart. A start beyond the records gives an empty list.
template <class V>
void MakeDbNameList(cChkVector<std::string>& vOut, const V& vSrc, const char* pszLead, int nStart,
                    int nDigits, int nOffset) {
  const int n = static_cast<int>(vSrc.size());
  if (nStart < 0) nStart = 0;
  vOut.assign(static_cast<size_t>(n > nStart ? n - nStart : 0), std::string());
  std::string strNo;
  for (int i = nStart; i < n; ++i) {
    std::string& line = vOut.data()[i - nStart];
    if (i == nStart && pszLead != nullptr) {
      FormatStr(line, "%s", pszLead);
      continue;
    }
    FormatZeroPad(strNo, nOffset + i, nDigits);
    FormatStr(line, "%s %s", strNo.c_str(), RecordName(vSrc.data()[i]).c_str());
  }
}

// Every entry from entry 1 on, numbered with 3 digits: line p stands for entry p + 1 (entry 0 of a
// palette or of the variable names is never offered).
template <class V>
void MakeNumberedNameList(cChkVector<std::string>& vOut, const V& vSrc) {
  MakeDbNameList(vOut, vSrc, nullptr, 1, 3, 0);
}
