#include "controls/EntryStep.h"

#include <string>

#include "app/TextFormat.h"

void SetEntryNoText(cControl& Ctrl, int32_t nNumber) {
  std::string str;
  FormatStr(str, "No.%d", nNumber);
  Ctrl.SetText(str.c_str());
}
