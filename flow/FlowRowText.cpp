#include "flow/FlowRowText.h"

#include "app/TextFormat.h"
#include "flow/TextWords.h"
#include "model/CommandKindTable.h"

namespace {

enum { KEY_PRESSED = 1 };

const char* const KeyLineLabels[cEdKeyCond::KEY_COUNT + 1] = {
    "方n", "←", "→", "↑", "↓", "←↑", "←↓", "→↑", "→↓", "方向", "アn", "Z", "X", "C", "V", "A", "S", "D", "F", ""};
// "･" is the half-width middle dot.
const char* const KeyJudgeMarks[4] = {"+", "･", "/", ""};

}  // namespace

void FlowListText(std::string& line, int /*nRow*/, const cEdFlow& flow) {
  FormatStr(line, "×%d %s %s", static_cast<int>(flow.m_vCommand.size()), Word(FlowGroupNames, flow.m_nGroup),
            Word(FlowIdSlotNames, flow.m_nId));
}

void KeyCondListText(std::string& line, int /*nRow*/, const cEdKeyCond& key) {
  if (key.m_bTimeInfinite)
    FormatStr(line, "1～∞ ： ");
  else
    FormatStr(line, "%d～%d ： ", key.m_nTimeMin, key.m_nTimeMax);
  const char* pszMark = Word(KeyJudgeMarks, key.m_nJudge);
  bool bAny = false;
  for (int i = 0; i < cEdKeyCond::KEY_COUNT; ++i) {
    const int8_t* pState = EntryOf(key.m_vKeyState, i);
    if (pState == nullptr || *pState != KEY_PRESSED) continue;
    FormatAppend(line, "%s ", KeyLineLabels[i]);
    FormatAppend(line, "%s ", pszMark);
    bAny = true;
  }
  // The mark after the last key goes again with its blank; the blank after that key stays.
  if (bAny) line.erase(line.size() - 1 - std::char_traits<char>::length(pszMark));
}
