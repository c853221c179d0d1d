#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/MciSound.h"
#include "tests/sound/SoundTestSupport.h"

namespace {

struct sMciCall {
  UINT uMsg;
  MCIDEVICEID nDevice;
  DWORD_PTR dwFlags;
  std::string strType;     // MCI_OPEN
  std::string strElement;  // MCI_OPEN
  DWORD_PTR dwCallback;    // MCI_PLAY
};

// Answers the MCI commands without a device: every open succeeds with a new device id except the
// element named to fail.
class cFakeMci {
 public:
  cFakeMci() {
    s_pActive = this;
    m_pfnOld = SetMciSendFn(&cFakeMci::Send);
  }
  ~cFakeMci() {
    SetMciSendFn(m_pfnOld);
    s_pActive = nullptr;
  }
  std::vector<sMciCall> Calls(UINT uMsg) const {
    std::vector<sMciCall> v;
    for (const auto& c : m_Calls)
      if (c.uMsg == uMsg) v.push_back(c);
    return v;
  }
  std::string m_strFailElement;

 private:
  static MCIERROR Send(MCIDEVICEID nDevice, UINT uMsg, DWORD_PTR dwFlags, DWORD_PTR dwParam) {
    cFakeMci* p = s_pActive;
    sMciCall call = {uMsg, nDevice, dwFlags, "", "", 0};
    if (uMsg == MCI_OPEN) {
      auto* pOpen = reinterpret_cast<MCI_OPEN_PARMSA*>(dwParam);
      call.strType = pOpen->lpstrDeviceType;
      call.strElement = pOpen->lpstrElementName;
      p->m_Calls.push_back(call);
      if (call.strElement == p->m_strFailElement) return MCIERR_FILE_NOT_FOUND;
      pOpen->wDeviceID = ++p->m_nNextId;
      return 0;
    }
    if (uMsg == MCI_PLAY) call.dwCallback = reinterpret_cast<MCI_PLAY_PARMS*>(dwParam)->dwCallback;
    p->m_Calls.push_back(call);
    return 0;
  }
  static cFakeMci* s_pActive;
  MciSendFn m_pfnOld;
  std::vector<sMciCall> m_Calls;
  MCIDEVICEID m_nNextId = 0;
};
cFakeMci* cFakeMci::s_pActive = nullptr;

}  // namespace

TEST(MciSound, PlaySoundFileChoosesTheDeviceByTheExtension) {
  struct {
    const char* pszPath;
    int nResult;
    const char* pszType;     // device opened, null when refused
    const char* pszElement;  // the path as opened (and as left in the buffer)
    bool bNotify;
  } cases[] = {
      {"wave\\a.wav", 1, "waveaudio", "wave\\a.wav", false},
      {"wave\\a.WAV", 1, "waveaudio", "wave\\a.WAV", false},
      {"wave\\a.Wav", 0, nullptr, "wave\\a.Wav", false},
      {"bgm\\b.mid", 1, "sequencer", "bgm\\b.mid", true},
      {"bgm\\b.MID", 1, "sequencer", "bgm\\b.mid", true},
      {"bgm\\b.Mid", 0, nullptr, "bgm\\b.Mid", false},
      {"bgm\\c.ogg", 0, nullptr, "bgm\\c.ogg", false},
      {"noextension", 0, nullptr, "noextension", false},
  };
  HWND hNotify = reinterpret_cast<HWND>(static_cast<uintptr_t>(0x1234));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszPath);
    cFakeMci mci;
    cMciSound sound;
    sound.Init();
    ASSERT_TRUE(sound.Open("waveaudio", "wave\\free.wav", nullptr));
    char szPath[MAX_PATH];
    strcpy(szPath, c.pszPath);
    EXPECT_EQ(c.nResult, PlaySoundFile(hNotify, sound, 0, szPath, 0));
    EXPECT_STREQ(c.pszElement, szPath);
    auto vOpens = mci.Calls(MCI_OPEN);
    auto vPlays = mci.Calls(MCI_PLAY);
    if (!c.pszType) {
      EXPECT_EQ(1u, vOpens.size());
      EXPECT_TRUE(vPlays.empty());
      continue;
    }
    ASSERT_EQ(2u, vOpens.size());
    EXPECT_EQ(c.pszType, vOpens[1].strType);
    EXPECT_EQ(c.pszElement, vOpens[1].strElement);
    ASSERT_EQ(1u, vPlays.size());
    EXPECT_EQ(sound.DeviceId(0), vPlays[0].nDevice);
    EXPECT_EQ(c.bNotify, (vPlays[0].dwFlags & MCI_NOTIFY) != 0);
    EXPECT_TRUE(vPlays[0].dwFlags & MCI_FROM);
    EXPECT_EQ(0, sound.Current());
  }
}

TEST(MciSound, FailuresAreLoggedAndLeaveTheSlotEmpty) {
  cReportLogCapture log;
  std::string strErrorLog = log.Dir().File("EC_Editor.txt");
  WriteFileBytes(strErrorLog, {});
  SetErrorLog(1, strErrorLog.c_str());
  cFakeMci mci;
  mci.m_strFailElement = "wave\\missing.wav";
  cMciSound sound;
  sound.Init();
  ASSERT_TRUE(sound.Open("waveaudio", "wave\\a.wav", "wave\\missing.wav", nullptr));
  EXPECT_EQ(2, sound.Count());
  EXPECT_NE(0u, sound.DeviceId(0));
  EXPECT_EQ(0u, sound.DeviceId(1));

  EXPECT_TRUE(sound.Play(nullptr, 0, 0, 0, 0));
  char szMissing[] = "wave\\missing.wav";
  EXPECT_EQ(0, PlaySoundFile(nullptr, sound, 0, szMissing, 0));
  EXPECT_EQ(0u, sound.DeviceId(0));
  EXPECT_EQ(-1, sound.Current());
  // The sequencer takes the devices of every slot.
  char szMidi[] = "bgm\\a.mid";
  sound.ChangeSound(1, "waveaudio", "wave\\a.wav");
  EXPECT_EQ(1, PlaySoundFile(nullptr, sound, 0, szMidi, 0));
  EXPECT_EQ(0u, sound.DeviceId(1));
  sound.Shutdown();
  EXPECT_TRUE(mci.Calls(MCI_CLOSE).size() >= 3u);
  EXPECT_EQ(0, sound.Count());
  // Disabled, every operation reports success and does nothing.
  size_t nCalls = mci.Calls(MCI_OPEN).size();
  EXPECT_TRUE(sound.ChangeSound(0, "waveaudio", "wave\\a.wav"));
  EXPECT_EQ(nCalls, mci.Calls(MCI_OPEN).size());
  SetErrorLog(0, "EC_Editor.txt");

  std::string strErrors = ReadFileText(strErrorLog);
  EXPECT_NE(std::string::npos, strErrors.find("Stop成功！ mr =        0 stop =0"));
  EXPECT_NE(std::string::npos, strErrors.find("ChangeSound失敗！ wave\\missing.wav"));
}
