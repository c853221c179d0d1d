// Whether a dialog's captions show whole: each static text, button, check box, radio button and
// group box is measured in the font the control draws with, against the room the control gives
// its text; and nothing may lie on a caption's text or cross a group box's frame.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace caption_fit {

inline std::string ClassOf(HWND h) {
  char sz[64] = "";
  GetClassNameA(h, sz, sizeof sz);
  return sz;
}

inline std::string TextOf(HWND h) {
  char sz[512] = "";
  GetWindowTextA(h, sz, sizeof sz);
  return sz;
}

inline LONG StyleOf(HWND h) { return GetWindowLongA(h, GWL_STYLE); }

inline bool IsButton(HWND h) { return lstrcmpiA(ClassOf(h).c_str(), "Button") == 0; }

inline bool IsGroupBox(HWND h) { return IsButton(h) && (StyleOf(h) & BS_TYPEMASK) == BS_GROUPBOX; }

// A control's rectangle in its dialog's client coordinates.
inline RECT RectIn(HWND hDlg, HWND h) {
  RECT rc;
  GetWindowRect(h, &rc);
  MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

inline std::string RectText(const RECT& rc) {
  return "(" + std::to_string(rc.left) + "," + std::to_string(rc.top) + ")-(" + std::to_string(rc.right) + "," +
         std::to_string(rc.bottom) + ")";
}

inline std::string Describe(HWND h) { return "control " + std::to_string(GetDlgCtrlID(h)) + " \"" + TextOf(h) + "\""; }

// A caption as its control lays it out, in the control's client coordinates.
struct cCaption {
  RECT rcRoom{};  // where the control lets the text go
  RECT rcText{};  // where the text goes, at its full size
  int nLineHeight = 0;
};

// Lays the caption out as the system's own controls draw it; false for a control that shows no
// caption (an empty one, a picture, an owner-drawn button).
inline bool LayOut(HWND h, cCaption& cap) {
  const std::string strText = TextOf(h);
  if (strText.empty()) return false;
  const LONG style = StyleOf(h);
  RECT& rc = cap.rcRoom;
  GetClientRect(h, &rc);
  UINT uFormat = 0;
  enum { LEFT, CENTRE, RIGHT } align = LEFT;
  bool bVCentre = false;
  HDC hDC = GetDC(h);
  HFONT hFont = reinterpret_cast<HFONT>(SendMessageA(h, WM_GETFONT, 0, 0));
  HGDIOBJ hOld = SelectObject(hDC, hFont ? static_cast<HGDIOBJ>(hFont) : GetStockObject(SYSTEM_FONT));
  bool bHas = true;
  if (lstrcmpiA(ClassOf(h).c_str(), "Static") == 0) {
    switch (style & SS_TYPEMASK) {
      case SS_LEFT: uFormat = DT_WORDBREAK | DT_EXPANDTABS; break;
      case SS_CENTER: uFormat = DT_WORDBREAK | DT_EXPANDTABS; align = CENTRE; break;
      case SS_RIGHT: uFormat = DT_WORDBREAK | DT_EXPANDTABS; align = RIGHT; break;
      case SS_LEFTNOWORDWRAP: uFormat = DT_EXPANDTABS; break;
      case SS_SIMPLE: uFormat = DT_SINGLELINE; break;
      default: bHas = false;
    }
    if (style & SS_NOPREFIX) uFormat |= DT_NOPREFIX;
  } else if (IsButton(h)) {
    uFormat = (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
    const LONG type = style & BS_TYPEMASK;
    const bool bBox = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
                      type == BS_AUTO3STATE || type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
    bVCentre = (style & (BS_TOP | BS_BOTTOM)) != BS_TOP;
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || (bBox && (style & BS_PUSHLIKE))) {
      // The label is centred on the whole client area; the edge is drawn under it.
      align = CENTRE;
    } else if (bBox) {
      // The box, and half a digit's width between the box and the text.
      INT nDigit = 0;
      GetCharWidth32A(hDC, '0', '0', &nDigit);
      rc.left += 12 * GetDeviceCaps(hDC, LOGPIXELSX) / 96 + 1 + nDigit / 2;
    } else if (type == BS_GROUPBOX) {
      // The title sits on the frame, indented from both ends; its height is free.
      uFormat = DT_SINGLELINE;
      InflateRect(&rc, -7, 0);
      rc.bottom = 0x7fff;
      bVCentre = false;
    } else {
      bHas = false;
    }
    if ((style & BS_CENTER) == BS_CENTER) align = CENTRE;
  } else {
    bHas = false;
  }
  if (bHas) {
    RECT rcText = {0, 0, rc.right - rc.left, rc.bottom - rc.top};
    DrawTextA(hDC, strText.c_str(), -1, &rcText, uFormat | DT_CALCRECT);
    const int nW = rcText.right - rcText.left, nH = rcText.bottom - rcText.top;
    int x = rc.left, y = rc.top;
    if (align == CENTRE) x += (rc.right - rc.left - nW) / 2;
    if (align == RIGHT) x = rc.right - nW;
    if (bVCentre) y += (rc.bottom - rc.top - nH) / 2;
    cap.rcText = {x, y, x + nW, y + nH};
    TEXTMETRICA tm;
    GetTextMetricsA(hDC, &tm);
    cap.nLineHeight = tm.tmHeight;
  }
  SelectObject(hDC, hOld);
  ReleaseDC(h, hDC);
  return bHas;
}

// The captions of the dialog's controls that do not fit their control, each as
// `control ID "TEXT" needs WxH, has WxH`.
inline std::vector<std::string> CutCaptions(HWND hDlg) {
  std::vector<std::string> vCut;
  for (HWND h = GetWindow(hDlg, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
    cCaption cap;
    if (!LayOut(h, cap)) continue;
    const int nRoomW = cap.rcRoom.right - cap.rcRoom.left, nRoomH = cap.rcRoom.bottom - cap.rcRoom.top;
    const int nNeedW = cap.rcText.right - cap.rcText.left, nNeedH = cap.rcText.bottom - cap.rcText.top;
    if (nNeedW > nRoomW || nNeedH > nRoomH) {
      vCut.push_back(Describe(h) + " needs " + std::to_string(nNeedW) + "x" + std::to_string(nNeedH) + ", has " +
                     std::to_string(nRoomW) + "x" + std::to_string(nRoomH));
    }
  }
  return vCut;
}

// Where a control's caption text shows, in the dialog's client coordinates (empty for none).
inline RECT TextIn(HWND hDlg, HWND h) {
  cCaption cap;
  RECT rc = {0, 0, 0, 0};
  if (!LayOut(h, cap)) return rc;
  RECT rcClient;
  GetClientRect(h, &rcClient);
  IntersectRect(&rc, &cap.rcText, &rcClient);
  MapWindowPoints(h, hDlg, reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

// Whether two rectangles share more than the pixel that neighbouring controls may share after
// their dialog units are rounded.
inline bool Overlap(const RECT& a, const RECT& b) {
  RECT rc;
  return IntersectRect(&rc, &a, &b) && rc.right - rc.left > 1 && rc.bottom - rc.top > 1;
}

inline bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// Shown controls that lie on another's caption text or cross a group box's frame (a control
// may sit on the top line beside the title, not on the title), each as `A at R crosses B at R`.
inline std::vector<std::string> Overlaps(HWND hDlg) {
  std::vector<HWND> vShown;
  for (HWND h = GetWindow(hDlg, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
    if (StyleOf(h) & WS_VISIBLE) vShown.push_back(h);
  }
  std::vector<std::string> vCrossed;
  for (HWND a : vShown) {
    const RECT rcA = RectIn(hDlg, a);
    for (HWND b : vShown) {
      const RECT rcB = RectIn(hDlg, b);
      if (a == b || !Overlap(rcA, rcB)) continue;
      if (IsGroupBox(a)) continue;  // seen from the other side
      if (IsGroupBox(b)) {
        if (Inside(rcA, rcB) && !Overlap(rcA, TextIn(hDlg, b))) continue;
      } else if (!Overlap(rcA, TextIn(hDlg, b))) {
        continue;
      }
      vCrossed.push_back(Describe(a) + " at " + RectText(rcA) + " crosses " + Describe(b) + " at " + RectText(rcB));
    }
  }
  return vCrossed;
}

// The value edits whose up-down range has an end that the edit cannot show whole, each as
// `control ID shows W of "TEXT" (needs W)`. Ranges are set when a dialog binds its values, so
// this is for dialogs as they run.
inline std::vector<std::string> CutValues(HWND hDlg) {
  std::vector<std::string> vCut;
  for (HWND hSpin = GetWindow(hDlg, GW_CHILD); hSpin; hSpin = GetWindow(hSpin, GW_HWNDNEXT)) {
    if (lstrcmpiA(ClassOf(hSpin).c_str(), UPDOWN_CLASSA) != 0) continue;
    HWND hEdit = reinterpret_cast<HWND>(SendMessageA(hSpin, UDM_GETBUDDY, 0, 0));
    if (!hEdit || lstrcmpiA(ClassOf(hEdit).c_str(), "Edit") != 0) continue;
    INT nLow = 0, nHigh = 0;
    SendMessageA(hSpin, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&nLow), reinterpret_cast<LPARAM>(&nHigh));
    RECT rcFormat;
    SendMessageA(hEdit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rcFormat));
    HDC hDC = GetDC(hEdit);
    HFONT hFont = reinterpret_cast<HFONT>(SendMessageA(hEdit, WM_GETFONT, 0, 0));
    HGDIOBJ hOld = SelectObject(hDC, hFont ? static_cast<HGDIOBJ>(hFont) : GetStockObject(SYSTEM_FONT));
    for (INT n : {nLow, nHigh}) {
      const std::string str = std::to_string(n);
      SIZE ext;
      GetTextExtentPoint32A(hDC, str.c_str(), static_cast<int>(str.size()), &ext);
      if (ext.cx > rcFormat.right - rcFormat.left) {
        vCut.push_back("control " + std::to_string(GetDlgCtrlID(hEdit)) + " shows " +
                       std::to_string(rcFormat.right - rcFormat.left) + " of \"" + str + "\" (needs " +
                       std::to_string(ext.cx) + ")");
      }
    }
    SelectObject(hDC, hOld);
    ReleaseDC(hEdit, hDC);
  }
  return vCut;
}

}  // namespace caption_fit
