// What the one-line texts of commands and conditions read of the world: the database, the names of
// the palette entries and of the variables, and which data sheet is current. The texts take it as
// a plain value, so they can be built without any window; the editors fill it from the live objects
// each time a list redraws.
#pragma once

#include <string>

#include "controls/NameLists.h"
#include "model/RefChecks.h"

class cEdDatabase;

// A read-only view of the names of one list (palette entries, variable names). It holds no copy:
// the list must outlive the view. Entries outside the list have an empty name.
class cNameView {
 public:
  typedef int (*CountFn)(const void* pList);
  typedef const std::string& (*NameFn)(const void* pList, int i);  // i is in range

  cNameView() = default;
  cNameView(const void* pList, CountFn pfnCount, NameFn pfnName)
      : m_pList(pList), m_pfnCount(pfnCount), m_pfnName(pfnName) {}

  // A view of a vector of records with a name string, or of a vector of names.
  template <class V>
  static cNameView Of(const V& v) {
    return cNameView(
        &v, [](const void* p) { return static_cast<int>(static_cast<const V*>(p)->size()); },
        [](const void* p, int i) -> const std::string& { return RecordName(static_cast<const V*>(p)->data()[i]); });
  }

  int Count() const { return m_pList != nullptr ? m_pfnCount(m_pList) : 0; }
  bool Has(int i) const { return i >= 0 && i < Count(); }
  const std::string& Name(int i) const;

 private:
  const void* m_pList = nullptr;
  CountFn m_pfnCount = nullptr;
  NameFn m_pfnName = nullptr;
};

// The data sheet that is current while a list redraws.
enum eDataSheet { SHEET_NONE, SHEET_BLOCK, SHEET_CHARA, SHEET_ITEM };

// Who subject 0 of the status conditions is: the hero, or the character that owns the flow.
enum eSubjectWording { WORDING_NONE, WORDING_HERO, WORDING_SELF };

struct cFlowTextContext {
  const cEdDatabase* m_pDatabase = nullptr;  // none: every record name is empty, every total 0
  cNameView m_aPalette[2][3];                 // [ePalette][ePalLayer]: entry names
  cNameView m_CommonVars;                     // the common variables' names
  cNameView m_StageVars;                      // the open stage's variable names
  eDataSheet m_eSheet = SHEET_NONE;
  // With an item data sheet current: its acquisition page is shown and that page's command palette
  // is open, so the conditions being edited belong to a flow the item hands to a character.
  bool m_bItemCmdPalette = false;

  // An empty view for a palette or layer that does not exist.
  const cNameView& PaletteNames(int nPalette, int nLayer) const;
  // 0 the common variables, 1 the stage's; any other set has no names.
  const cNameView& VarNames(int nSet) const;
  eSubjectWording SubjectWording() const;
};

// The row-text callbacks of the lists have no room for a context: they ask the function installed
// here to fill one at each call. Installing returns the function it replaces; with none installed
// the context is empty.
typedef void (*FlowTextContextFn)(cFlowTextContext& ctx);
FlowTextContextFn SetFlowTextContextFn(FlowTextContextFn pfn);
void GetFlowTextContext(cFlowTextContext& ctx);

// "%s %s" of the number zero-padded to 3 digits and the name of that entry (empty when there is
// none): how commands and conditions name a variable or a palette entry.
std::string NumberedName(const cNameView& names, int nNo);
