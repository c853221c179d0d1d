// Helpers shared by the tests: an answering message-box recorder, temporary folders, file bytes
// and waiting on a condition while pumping messages.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

struct cShownBox {
  HWND hOwner;
  std::string strText;
  std::string strCaption;
  UINT uType;
};

// While alive, every message box of the program is recorded and answered from the queue
// (IDOK, or IDYES for yes/no boxes, once the queue is empty).
class cMsgBoxRecorder {
 public:
  cMsgBoxRecorder();
  ~cMsgBoxRecorder();
  void Answer(int nResult) { m_Answers.push_back(nResult); }
  const std::vector<cShownBox>& Shown() const { return m_Shown; }
  void Clear() { m_Shown.clear(); }

 private:
  static int Show(HWND, const char*, const char*, UINT);
  std::deque<int> m_Answers;
  std::vector<cShownBox> m_Shown;
  void* m_pPrev;
  static cMsgBoxRecorder* s_pActive;
};

// While alive, every open or save dialog of the program is recorded and cancelled.
struct cAskedFileDlg {
  bool bSave;
  std::string strInitDir;
  std::string strTitle;
  std::vector<std::string> vFilter;  // the filter's descriptions and patterns in order
  std::string strDefExt;
};
class cFileDlgRecorder {
 public:
  cFileDlgRecorder();
  ~cFileDlgRecorder();
  const std::vector<cAskedFileDlg>& Asked() const { return m_Asked; }

 private:
  static int Ask(const struct cFileDlgAsk& ask);
  std::vector<cAskedFileDlg> m_Asked;
  void* m_pPrev;
  static cFileDlgRecorder* s_pActive;
};

// A fresh folder under the temporary directory, removed with its content at the end.
// With bEnter the current directory is moved into it and restored afterwards.
class cTempDir {
 public:
  explicit cTempDir(bool bEnter = false);
  ~cTempDir();
  const std::string& Path() const { return m_strPath; }
  std::string File(const std::string& strName) const { return m_strPath + "\\" + strName; }

 private:
  std::string m_strPath;
  std::string m_strOldCwd;
};

std::vector<unsigned char> ReadFileBytes(const std::string& strPath);
bool WriteFileBytes(const std::string& strPath, const std::vector<unsigned char>& vBytes);
std::string ReadFileText(const std::string& strPath);
bool FileExists(const std::string& strPath);

// Pumps the thread's messages until the condition holds or the timeout runs out.
bool PumpUntil(const std::function<bool()>& cond, DWORD dwTimeoutMs = 5000);

// A build path (a host path) as the programs under Wine name it: under the drive that maps the
// host's root.
std::string HostPath(const char* pszPath);

// Starts a program (host path) with the command line in the folder; its process handle, or null.
// bInherit passes the caller's inheritable handles on.
HANDLE StartProgram(const std::string& strExe, const std::string& strCmdLine, const std::string& strDir,
                    bool bInherit);

// Hex text of bytes ("01 00 00 00"), for readable failures.
std::string HexOf(const std::vector<unsigned char>& v);

// Makes the window the active one; other test programs share the display and may take it.
bool Activate(HWND hWnd);

// Runs a check that depends on which window is active, again while another program's window
// took the activation in the middle of it.
bool UnderActivation(HWND hWnd, const std::function<bool()>& fnCheck);

// Retries a check whose first step activates a window, which another program sharing the
// display may take away meanwhile; true once the check held.
bool Retried(const std::function<bool()>& fnCheck);

// A key-down message for the window as the main loop would take it from the queue.
MSG KeyDownMsg(HWND hWnd, WPARAM wKey);

bool IsDisabled(HWND hWnd);

// Presses and releases a key as the user does: through the system's input, to the active window.
void InjectKey(WORD wKey);

// Whether the system has the mouse button (VK_LBUTTON, VK_RBUTTON) down now.
bool IsButtonHeld(int nKey);

// Presses or lets go a mouse button (MOUSEEVENTF_LEFTDOWN ... RIGHTUP) through the system's input,
// where the cursor is, and waits until the system sees it; false when it never does. The messages
// the input makes stay queued.
bool PressMouseButton(DWORD dwFlags);

// Removes the mouse messages waiting in the thread's queue, unhandled.
void DropMouseMessages();

// Handles every message already in the thread's queue, and those they post in turn.
void DrainMessages();

// The rows of a list box as it shows them ("<none>" for a row it does not have).
std::string RowText(HWND hList, int nRow);
std::vector<std::string> RowTexts(HWND hList);
