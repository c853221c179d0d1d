#include "support/TestSupport.h"

#include <shellapi.h>

#include <cstdio>
#include <cstring>

#include "app/MsgBox.h"
#include "app/Paths.h"

cMsgBoxRecorder* cMsgBoxRecorder::s_pActive = nullptr;

cMsgBoxRecorder::cMsgBoxRecorder() {
  m_pPrev = reinterpret_cast<void*>(SetMsgBoxFn(&cMsgBoxRecorder::Show));
  s_pActive = this;
}

cMsgBoxRecorder::~cMsgBoxRecorder() {
  SetMsgBoxFn(reinterpret_cast<MsgBoxFn>(m_pPrev));
  s_pActive = nullptr;
}

int cMsgBoxRecorder::Show(HWND hOwner, const char* pszText, const char* pszCaption, UINT uType) {
  cMsgBoxRecorder* p = s_pActive;
  if (!p) return IDOK;
  p->m_Shown.push_back({hOwner, pszText ? pszText : "", pszCaption ? pszCaption : "", uType});
  if (!p->m_Answers.empty()) {
    int n = p->m_Answers.front();
    p->m_Answers.pop_front();
    return n;
  }
  UINT kind = uType & MB_TYPEMASK;
  return (kind == MB_YESNO || kind == MB_YESNOCANCEL) ? IDYES : IDOK;
}

cFileDlgRecorder* cFileDlgRecorder::s_pActive = nullptr;

cFileDlgRecorder::cFileDlgRecorder() {
  m_pPrev = reinterpret_cast<void*>(SetFileDlgFn(&cFileDlgRecorder::Ask));
  s_pActive = this;
}

cFileDlgRecorder::~cFileDlgRecorder() {
  SetFileDlgFn(reinterpret_cast<FileDlgFn>(m_pPrev));
  s_pActive = nullptr;
}

int cFileDlgRecorder::Ask(const cFileDlgAsk& ask) {
  if (!s_pActive) return 0;
  cAskedFileDlg a{ask.bSave, ask.pszInitDir ? ask.pszInitDir : "", ask.pszTitle ? ask.pszTitle : "", {},
                  ask.pszDefExt ? ask.pszDefExt : ""};
  // The list of zero-ended strings ends with an empty one.
  for (const char* p = ask.pszFilter; p && *p; p += strlen(p) + 1) a.vFilter.push_back(p);
  s_pActive->m_Asked.push_back(a);
  return 0;
}

cTempDir::cTempDir(bool bEnter) {
  char szTmp[MAX_PATH];
  GetTempPathA(MAX_PATH, szTmp);
  static unsigned s_nSeq = 0;
  char sz[MAX_PATH];
  for (;;) {
    snprintf(sz, sizeof sz, "%sedt_%lu_%u", szTmp, GetCurrentProcessId(), s_nSeq++);
    if (CreateDirectoryA(sz, nullptr)) break;
  }
  m_strPath = sz;
  if (bEnter) {
    char szCwd[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, szCwd);
    m_strOldCwd = szCwd;
    SetCurrentDirectoryA(m_strPath.c_str());
  }
}

cTempDir::~cTempDir() {
  if (!m_strOldCwd.empty()) SetCurrentDirectoryA(m_strOldCwd.c_str());
  std::string from = m_strPath + std::string(1, '\0');
  SHFILEOPSTRUCTA op = {};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
  SHFileOperationA(&op);
}

std::vector<unsigned char> ReadFileBytes(const std::string& strPath) {
  std::vector<unsigned char> v;
  FILE* fp = fopen(strPath.c_str(), "rb");
  if (!fp) return v;
  unsigned char buf[65536];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, fp)) > 0) v.insert(v.end(), buf, buf + n);
  fclose(fp);
  return v;
}

bool WriteFileBytes(const std::string& strPath, const std::vector<unsigned char>& vBytes) {
  FILE* fp = fopen(strPath.c_str(), "wb");
  if (!fp) return false;
  bool ok = vBytes.empty() || fwrite(vBytes.data(), 1, vBytes.size(), fp) == vBytes.size();
  return fclose(fp) == 0 && ok;
}

std::string ReadFileText(const std::string& strPath) {
  auto v = ReadFileBytes(strPath);
  return std::string(v.begin(), v.end());
}

bool FileExists(const std::string& strPath) {
  return GetFileAttributesA(strPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool PumpUntil(const std::function<bool()>& cond, DWORD dwTimeoutMs) {
  DWORD t0 = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (cond()) return true;
    if (GetTickCount() - t0 > dwTimeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

std::string HostPath(const char* pszPath) {
  std::string s = pszPath;
  for (char& c : s)
    if (c == '/') c = '\\';
  if (!s.empty() && s[0] == '\\') s = "Z:" + s;
  return s;
}

HANDLE StartProgram(const std::string& strExe, const std::string& strCmdLine, const std::string& strDir,
                    bool bInherit) {
  std::vector<char> buf(strCmdLine.begin(), strCmdLine.end());
  buf.push_back(0);
  STARTUPINFOA si;
  ZeroMemory(&si, sizeof si);
  si.cb = sizeof si;
  PROCESS_INFORMATION pi;
  if (!CreateProcessA(strExe.c_str(), buf.data(), nullptr, nullptr, bInherit ? TRUE : FALSE, 0, nullptr,
                      strDir.c_str(), &si, &pi))
    return nullptr;
  CloseHandle(pi.hThread);
  return pi.hProcess;
}

std::string HexOf(const std::vector<unsigned char>& v) {
  std::string s;
  char sz[4];
  for (size_t i = 0; i < v.size(); ++i) {
    snprintf(sz, sizeof sz, i ? " %02X" : "%02X", v[i]);
    s += sz;
  }
  return s;
}

bool Activate(HWND hWnd) {
  SetForegroundWindow(hWnd);
  SetActiveWindow(hWnd);
  return PumpUntil([&] { return GetActiveWindow() == hWnd; }, 3000);
}

bool UnderActivation(HWND hWnd, const std::function<bool()>& fnCheck) {
  for (int nTry = 0; nTry < 5; ++nTry) {
    if (!Activate(hWnd)) continue;
    bool bOk = fnCheck();
    if (GetActiveWindow() == hWnd) return bOk;
  }
  return false;
}

bool Retried(const std::function<bool()>& fnCheck) {
  for (int nTry = 0; nTry < 5; ++nTry)
    if (fnCheck()) return true;
  return false;
}

MSG KeyDownMsg(HWND hWnd, WPARAM wKey) {
  MSG msg;
  ZeroMemory(&msg, sizeof msg);
  msg.hwnd = hWnd;
  msg.message = WM_KEYDOWN;
  msg.wParam = wKey;
  msg.lParam = 1;
  msg.time = GetTickCount();
  return msg;
}

bool IsDisabled(HWND hWnd) { return (GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_DISABLED) != 0; }

void InjectKey(WORD wKey) {
  INPUT in[2] = {};
  in[0].type = INPUT_KEYBOARD;
  in[0].ki.wVk = wKey;
  in[1] = in[0];
  in[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, in, sizeof(INPUT));
}

bool IsButtonHeld(int nKey) { return (GetAsyncKeyState(nKey) & 0x8000) != 0; }

bool PressMouseButton(DWORD dwFlags) {
  INPUT in = {};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = dwFlags;
  SendInput(1, &in, sizeof in);
  const int nKey = dwFlags & (MOUSEEVENTF_RIGHTDOWN | MOUSEEVENTF_RIGHTUP) ? VK_RBUTTON : VK_LBUTTON;
  const bool bDown = (dwFlags & (MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_RIGHTDOWN)) != 0;
  const DWORD t0 = GetTickCount();
  while (IsButtonHeld(nKey) != bDown && GetTickCount() - t0 < 5000) Sleep(1);
  return IsButtonHeld(nKey) == bDown;
}

void DropMouseMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
  }
}

void DrainMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

std::string RowText(HWND hList, int nRow) {
  LRESULT n = SendMessageA(hList, LB_GETTEXTLEN, nRow, 0);
  if (n == LB_ERR) return "<none>";
  std::string s(static_cast<size_t>(n) + 1, '\0');
  SendMessageA(hList, LB_GETTEXT, nRow, reinterpret_cast<LPARAM>(&s[0]));
  s.resize(static_cast<size_t>(n));
  return s;
}

std::vector<std::string> RowTexts(HWND hList) {
  std::vector<std::string> v;
  int n = static_cast<int>(SendMessageA(hList, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) v.push_back(RowText(hList, i));
  return v;
}
