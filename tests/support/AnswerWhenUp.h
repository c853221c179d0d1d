// Answers a modal dialog from inside its own modal loop.
#pragma once

#include <windows.h>

#include <functional>

// Answers the modal dialog of class D each time one is up and initialised: a thread timer polls
// for it, and the dialog's own modal loop dispatches the ticks.
template <class D>
class cAnswerWhenUp {
 public:
  explicit cAnswerWhenUp(std::function<void(D*)> fnAnswer) {
    s_fnAnswer = std::move(fnAnswer);
    m_nTimer = SetTimer(nullptr, 0, 10, &cAnswerWhenUp::Tick);
  }
  ~cAnswerWhenUp() {
    KillTimer(nullptr, m_nTimer);
    s_fnAnswer = nullptr;
  }
  static int s_nAnswered;

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    D* p = D::Current();
    // A new dialog may take the old one's address; its window is a new one.
    if (!p || !p->m_hWnd || !p->m_bInit || p->m_hWnd == s_hLast) return;
    s_hLast = p->m_hWnd;
    ++s_nAnswered;
    s_fnAnswer(p);
  }
  UINT_PTR m_nTimer;
  static std::function<void(D*)> s_fnAnswer;
  static HWND s_hLast;
};
template <class D>
std::function<void(D*)> cAnswerWhenUp<D>::s_fnAnswer;
template <class D>
HWND cAnswerWhenUp<D>::s_hLast = nullptr;
template <class D>
int cAnswerWhenUp<D>::s_nAnswered = 0;
