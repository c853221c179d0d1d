#include "app/Ime.h"

#include <imm.h>

#include <vector>

namespace {

int SystemImeState(HWND hWnd) {
  HIMC hImc = ImmGetContext(hWnd);
  if (!hImc) return IME_NO_CONTEXT;
  // Negative answers are errors of the query, not an open composition.
  LONG n = ImmGetCompositionStringA(hImc, GCS_COMPSTR, nullptr, 0);
  ImmReleaseContext(hWnd, hImc);
  return n > 0 ? IME_COMPOSING : IME_IDLE;
}

bool SystemImeResult(HWND hWnd, std::string& str) {
  str.clear();
  HIMC hImc = ImmGetContext(hWnd);
  if (!hImc) return false;
  // The result of one composition is short; a zeroed buffer keeps it terminated whatever comes back.
  std::vector<char> buf(1024, 0);
  LONG n = ImmGetCompositionStringA(hImc, GCS_RESULTSTR, buf.data(), static_cast<DWORD>(buf.size() - 1));
  ImmReleaseContext(hWnd, hImc);
  if (n > 0) str.assign(buf.data(), static_cast<size_t>(n < 1023 ? n : 1023));
  return true;
}

cImeFns s_Fns = {nullptr, nullptr};

}  // namespace

cImeFns SetImeFns(const cImeFns& fns) {
  cImeFns old = s_Fns;
  s_Fns = fns;
  return old;
}

int ImeState(HWND hWnd) { return (s_Fns.pfnState ? s_Fns.pfnState : SystemImeState)(hWnd); }

bool ImeResultString(HWND hWnd, std::string& str) {
  return (s_Fns.pfnResult ? s_Fns.pfnResult : SystemImeResult)(hWnd, str);
}
