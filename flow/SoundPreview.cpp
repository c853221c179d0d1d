#include "flow/SoundPreview.h"

#include <string>
#include <vector>

#include "app/MciSound.h"
#include "app/MsgBox.h"
#include "model/Database.h"

namespace {

const int PREVIEW_SLOT = 0;

}  // namespace

int PlaySoundRecord(HWND hOwner, int32_t nSound) {
  if (nSound <= 0 || nSound >= static_cast<int32_t>(Database.m_vSound.size())) return 0;
  // The player may rewrite the extension in place: it gets a copy of its own.
  const std::string& strPath = Database.m_vSound[nSound].m_strPath;
  std::vector<char> vPath(strPath.begin(), strPath.end());
  vPath.push_back(0);
  if (PlaySoundFile(hOwner, MciSound, PREVIEW_SLOT, vPath.data(), 0)) return 1;
  ErrorBox("読み込み失敗！");
  return 0;
}
