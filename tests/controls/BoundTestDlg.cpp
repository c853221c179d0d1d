#include "BoundTestDlg.h"

const char* const g_aTestColours[] = {"赤", "緑", "青", ""};

cBoundTestDlg::cBoundTestDlg(cTestRecord* p)
    : cDialogClass(IDD_TEST_BOUND, nullptr, KIND_DIALOG, &WindowList), m_pRec(p) {
  m_vNames = {"001 一", "002 二", "003 三", "004 四"};
  m_vShort.resize(1);
  m_vShort[0].m_Param.Set(IDC_T_SHORT, &p->nShort, 1, 119, IDC_T_SHORT_SPIN, 1);
  m_vReal.resize(1);
  m_vReal[0].m_Param.Set(IDC_T_REAL, &p->dReal, 0.0, 9.9, IDC_T_REAL_SPIN, 0.1);
  m_vChar.resize(1);
  m_vChar[0].m_Param.Set(IDC_T_CHAR, &p->cChar, 0, 127, IDC_T_CHAR_SPIN, 10);
  m_vUChar.resize(1);
  m_vUChar[0].m_Param.Set(IDC_T_UCHAR, &p->bUChar, 0, 255, IDC_T_UCHAR_SPIN, 1);
  m_vStr.resize(3);
  m_vStr[0].m_Param.Set(IDC_T_NAME, &p->strName, 12, 1);
  m_vStr[1].m_Param.Set(IDC_T_BYTES, &p->strBytes, 5, 0);
  m_vStr[2].m_Param.SetEx(IDC_T_MEMO, &p->strMemo, 1, 39, 29);
  m_vCombo.resize(1);
  m_vCombo[0].m_Param.SetTable(IDC_T_COMBO, &p->nCombo, g_aTestColours, 0);
  m_vComboChar.resize(1);
  m_vComboChar[0].m_Param.SetVector(IDC_T_COMBO_CHAR, &p->cComboChar, &m_vNames, 1);
  m_vCheck.resize(1);
  m_vCheck[0].m_Param.Set(IDC_T_CHECK, &p->cCheck);
  m_vCheckU.resize(1);
  m_vCheckU[0].m_Param.Set(IDC_T_CHECK_U, &p->bCheckU);
  m_vSlider.resize(1);
  m_vSlider[0].m_Param.Set(IDC_T_SLIDER, &p->nSlider, 0, 100, 10, 1, IDC_T_SLIDER_BUDDY);
  m_vBitmap.resize(1);
  m_vBitmap[0].m_Param.Set(IDC_T_PICTURE, 32, 32);
  m_vStatic.resize(1);
  m_vStatic[0].m_Param.Set(IDC_T_LABEL);
  m_vButton.resize(1);
  m_vButton[0].m_Param.Set(IDC_T_BUTTON);
}

void cBoundTestDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  cDialog::OnInitDialog(wParam, lParam);
  AttachCtrls(m_vShort);
  AttachCtrls(m_vReal);
  AttachCtrls(m_vChar);
  AttachCtrls(m_vUChar);
  AttachCtrls(m_vStr);
  AttachCtrls(m_vCombo);
  AttachCtrls(m_vComboChar);
  AttachCtrls(m_vCheck);
  AttachCtrls(m_vCheckU);
  AttachCtrls(m_vSlider);
  AttachCtrls(m_vBitmap);
  AttachCtrls(m_vStatic);
  AttachCtrls(m_vButton);
  DataToCtrls();
  if (m_fnInit) m_fnInit(this);
  m_bInit = 1;
}

void cBoundTestDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!CheckCommand(wParam)) return;
  cDialog::OnCommand(wParam, lParam);
}

LRESULT cBoundTestDlg::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT r = DefProc(hWnd, uMsg, wParam, lParam);
  return uMsg == WM_INITDIALOG ? TRUE : r;
}

bool cBoundTestDlg::Open() {
  DoModeless(0, 1);
  return m_hWnd && m_bInit;
}

std::string TextOf(HWND hWnd) {
  char sz[DLG_ITEM_TEXT_MAX] = "";
  GetWindowTextA(hWnd, sz, sizeof sz);
  return sz;
}

void TypeInto(HWND hEdit, const std::string& strKeys) {
  SendMessageA(hEdit, EM_SETSEL, 0, -1);
  for (char c : strKeys) SendMessageA(hEdit, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void PasteInto(HWND hEdit, const std::string& str) {
  SendMessageA(hEdit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(str.c_str()));
}

void SpinClick(HWND hDlg, int nSpinId, int nDelta) {
  NMUPDOWN nm = {};
  nm.hdr.hwndFrom = GetDlgItem(hDlg, nSpinId);
  nm.hdr.idFrom = static_cast<UINT_PTR>(nSpinId);
  nm.hdr.code = UDN_DELTAPOS;
  nm.iDelta = nDelta;
  SendMessageA(hDlg, WM_NOTIFY, static_cast<WPARAM>(nSpinId), reinterpret_cast<LPARAM>(&nm));
}

void LeaveEdit(HWND hDlg, int nEditId) {
  SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nEditId, EN_KILLFOCUS),
               reinterpret_cast<LPARAM>(GetDlgItem(hDlg, nEditId)));
}

int cFakeIme::s_nState = IME_IDLE;
std::string cFakeIme::s_strResult;

cFakeIme::cFakeIme() {
  s_nState = IME_IDLE;
  s_strResult.clear();
  cImeFns fns = {[](HWND) { return s_nState; },
                 [](HWND, std::string& str) {
                   str = s_strResult;
                   return true;
                 }};
  m_Prev = SetImeFns(fns);
}

cFakeIme::~cFakeIme() { SetImeFns(m_Prev); }
