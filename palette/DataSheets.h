// The block, character and item data sheets: modeless property sheets that edit one record in one
// of four edit contexts (a placed element, a stage palette entry, a common palette entry, a project
// default record) through working copies, and write it back only on OK or 適用.
//
// The opener sets the edit context and the edit target in StageEditState (and in the palette
// contexts the brush entry index), then calls the Open function of the kind with the slot it keeps
// the sheet in. Constructing a sheet makes it the current data sheet (StageEditState's
// m_lpBlockSheet, m_lpCharaSheet, m_lpItemSheet), which the condition and command dialogs read.
#pragma once

#include <cstdint>

#include "app/PropSheet.h"
#include "base/ChkContainer.h"
#include "model/Block.h"
#include "model/Chara.h"
#include "model/EditConfig.h"
#include "model/Item.h"
#include "model/Palette.h"
#include "model/Stage.h"
#include "model/StageEditState.h"

class cBlockDataDlg;
class cCharaBasicPage;
class cCharaViewPage;
class cCharaAbilityPage;
class cItemBasicPage;
class cCondListCtrl;

// Where each record kind lives: its layer, its edit target, its stage and common palettes, how
// inheritance is re-applied after either changed, the sheet page the author looked at last, and
// whether a record is operated by the computer (only a character can be).
struct cBlockKind {
  typedef cEdBlock Rec;
  static const int32_t nMask = UNDO_BLOCK;
  static const int32_t nLayer = LAYER_BLOCK;
  static Rec*& Target() { return StageEditState.m_lpBlockTarget; }
  static cChkVector<Rec>& StagePal() { return Stage.m_vPalBlock; }
  static cChkVector<Rec>& CommonPal() { return CommonPalette.m_vBlock; }
  static void RefreshStage() { Stage.RefreshBlockCells(); }
  static void RefreshCommon() { Stage.ReapplyBlockInherit(); }
  static int32_t& SheetPage() { return EditConfig.m_nBlockSheetPage; }
  static bool ComputerOperated(const Rec&) { return false; }
};
struct cCharaKind {
  typedef cEdChara Rec;
  static const int32_t nMask = UNDO_CHARA;
  static const int32_t nLayer = LAYER_CHARA;
  static Rec*& Target() { return StageEditState.m_lpCharaTarget; }
  static cChkVector<Rec>& StagePal() { return Stage.m_vPalChara; }
  static cChkVector<Rec>& CommonPal() { return CommonPalette.m_vChara; }
  static void RefreshStage() { Stage.RefreshCharaCells(); }
  static void RefreshCommon() { Stage.ReapplyCharaInherit(); }
  static int32_t& SheetPage() { return EditConfig.m_nCharaSheetPage; }
  static bool ComputerOperated(const Rec& rec) { return rec.m_nControl != 0; }
};
struct cItemKind {
  typedef cEdItem Rec;
  static const int32_t nMask = UNDO_ITEM;
  static const int32_t nLayer = LAYER_ITEM;
  static Rec*& Target() { return StageEditState.m_lpItemTarget; }
  static cChkVector<Rec>& StagePal() { return Stage.m_vPalItem; }
  static cChkVector<Rec>& CommonPal() { return CommonPalette.m_vItem; }
  static void RefreshStage() { Stage.RefreshItemCells(); }
  static void RefreshCommon() { Stage.ReapplyItemInherit(); }
  static int32_t& SheetPage() { return EditConfig.m_nItemSheetPage; }
  static bool ComputerOperated(const Rec&) { return false; }
};

// A sheet whose pages edit copies of one record of type R: the page that is left hands its copy to
// the others.
template <class R>
class cRecordSheet : public cSlotSheet<cPropSheet> {
 public:
  // The sheet is registered in the slot its opener keeps it in.
  using cSlotSheet<cPropSheet>::cSlotSheet;
  virtual void ShareRecord(const R& rec, int nPageIndex) = 0;
};

class cBlockDataSheet : public cRecordSheet<cEdBlock> {
 public:
  cBlockDataSheet(int32_t nMode, cWindow* lpOpener, cWindowList* lpWindowList, cPropSheet** lppSlot);
  ~cBlockDataSheet() override;
  // Makes the page and shows the sheet; false (nothing shown) when that fails.
  bool Create();
  // One page: nothing to share.
  void ShareRecord(const cEdBlock&, int) override {}

  cBlockDataDlg* m_lpPage = nullptr;
};

class cCharaDataSheet : public cRecordSheet<cEdChara> {
 public:
  enum { PAGE_BASIC = 0, PAGE_VIEW = 1, PAGE_ABILITY = 2, PAGE_FLOW = 3 };

  cCharaDataSheet(int32_t nMode, cWindow* lpOpener, cWindowList* lpWindowList, cPropSheet** lppSlot);
  ~cCharaDataSheet() override;
  bool Create();
  void ShareRecord(const cEdChara& rec, int nPageIndex) override;

  cCharaBasicPage* m_lpBasic = nullptr;
  cCharaViewPage* m_lpView = nullptr;
  cCharaAbilityPage* m_lpAbility = nullptr;
  // The flow page (page 3) and its working copy, which ShareRecord keeps in step; made in Create
  // by the installed maker (none without one).
  cDialog* m_lpFlowPage = nullptr;
  cEdChara* m_lpFlowWork = nullptr;

 protected:
  void EndUnmadeFirstPage(UINT uCode) override;
  void ClosedWithoutFirstPage() override;
};

class cItemDataSheet : public cRecordSheet<cEdItem> {
 public:
  enum { PAGE_BASIC = 0, PAGE_ACQUIRE = 1 };

  cItemDataSheet(int32_t nMode, cWindow* lpOpener, cWindowList* lpWindowList, cPropSheet** lppSlot);
  ~cItemDataSheet() override;
  bool Create();
  void ShareRecord(const cEdItem& rec, int nPageIndex) override;

  cItemBasicPage* m_lpBasic = nullptr;
  // The acquisition page (page 1) and its working copy; made in Create by the installed maker
  // (none without one).
  cDialog* m_lpAcquirePage = nullptr;
  cEdItem* m_lpAcquireWork = nullptr;

 protected:
  void EndUnmadeFirstPage(UINT uCode) override;
  void ClosedWithoutFirstPage() override;
};

// The flow page of the character sheet and the acquisition page of the item sheet belong to the
// flow editor, which sits above the sheets; start-up installs how they are made. A maker creates
// the page after the sheet's first page exists, sets the sheet's page and working-copy pointers,
// and gives false when it cannot (the memory-shortage box is then shown). Without a maker the
// sheet goes without that page. Installing returns the makers it replaces.
typedef bool (*FlowPageMaker)(cCharaDataSheet& Sheet);
typedef bool (*AcquirePageMaker)(cItemDataSheet& Sheet);
struct cSheetPageMakers {
  FlowPageMaker pfnFlow = nullptr;
  AcquirePageMaker pfnAcquire = nullptr;
};
cSheetPageMakers SetSheetPageMakers(const cSheetPageMakers& Makers);

// What an opener does once the edit context and target are set: every registered window disabled,
// the sheet still held in the slot deleted, a new sheet made, kept in the slot and shown. When it
// cannot be shown the windows are enabled again.
void OpenBlockDataSheet(cWindow* lpOpener, cPropSheet** lppSlot);
void OpenCharaDataSheet(cWindow* lpOpener, cPropSheet** lppSlot);
void OpenItemDataSheet(cWindow* lpOpener, cPropSheet** lppSlot);

// The commit of the first page by edit context: a placed element after an undo step of its layer;
// a palette entry by storing the palette copy (every visited entry) into the palette and applying
// inheritance again where it reaches; a default record in place. Sets the stage or common palette
// changed flag as the context asks.
// (For the three kinds above.)
template <class K>
void CommitRecord(const typename K::Rec& rec, cChkVector<typename K::Rec>& vPalette);

// The palette copy a first page works on: the stage palette in context 1, the common palette in
// context 2, none otherwise.
template <class K>
cChkVector<typename K::Rec> PaletteCopy();

// The stage window's callback when the first page of a sheet goes (it enables the windows again
// and refreshes the brush); without a stage window the windows are only enabled.
void DataSheetClosed(int32_t nLayer);
