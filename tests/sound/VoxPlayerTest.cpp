#include <gtest/gtest.h>

#include "app/VoxPlayer.h"
#include "tests/sound/SoundTestSupport.h"

namespace {

// The stand-in ogg library next to the tests, with its two look-in functions.
class cVoxLibrary {
 public:
  cVoxLibrary() : m_hLib(LoadLibraryA("Vox.dll")) {}
  ~cVoxLibrary() {
    if (m_hLib) FreeLibrary(m_hLib);
  }
  template <class F>
  F Get(const char* pszName) const {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(m_hLib, pszName)));
  }
  HMODULE m_hLib;
};

typedef int64_t (*CountFramesFn)(const char*);
typedef int (*GetProgressFn)(cVox*, uint64_t*);

// The fixture: 5000 samples of a sine wave at 11025 Hz, mono, encoded with oggenc.
constexpr uint64_t FIXTURE_FRAMES = 5000;

}  // namespace

TEST(VoxStandIn, DecodesTheFixtureToItsSampleCount) {
  cVoxLibrary lib;
  ASSERT_NE(nullptr, lib.m_hLib);
  auto pfnCount = lib.Get<CountFramesFn>("VoxCountFrames");
  ASSERT_NE(nullptr, pfnCount);
  EXPECT_EQ(int64_t(FIXTURE_FRAMES), pfnCount(BesideTests("VoxSineFixture.ogg").c_str()));
  EXPECT_EQ(-1, pfnCount(BesideTests("Vox.dll").c_str()));
}

TEST(VoxStandIn, PlaysThroughTheWaveDeviceAsOftenAsAsked) {
  if (waveOutGetNumDevs() == 0) GTEST_SKIP() << "no wave-out device";
  cVoxLibrary lib;
  auto pfnCreate = lib.Get<CreateVoxFn>("CreateVox");
  auto pfnProgress = lib.Get<GetProgressFn>("VoxGetProgress");
  ASSERT_NE(nullptr, pfnCreate);
  ASSERT_NE(nullptr, pfnProgress);
  cVox* pVox = pfnCreate();
  ASSERT_NE(nullptr, pVox);
  for (int nLoop : {0, 2}) {
    SCOPED_TRACE(nLoop);
    pVox->Unload();
    ASSERT_TRUE(pVox->Load(BesideTests("VoxSineFixture.ogg").c_str()));
    pVox->SetLoop(nLoop);
    pVox->Play();
    uint64_t qFrames = 0;
    ASSERT_TRUE(PumpUntil([&] { return !pfnProgress(pVox, &qFrames); }, 20000));
    EXPECT_EQ(FIXTURE_FRAMES * (nLoop + 1), qFrames);
  }
  // Endless looping goes on until stopped.
  pVox->SetLoop(VOX_LOOP_FOREVER);
  pVox->Play();
  uint64_t qFrames = 0;
  ASSERT_TRUE(PumpUntil([&] { return pfnProgress(pVox, &qFrames) && qFrames > 3 * FIXTURE_FRAMES; }, 20000));
  pVox->Stop();
  EXPECT_EQ(0, pfnProgress(pVox, &qFrames));
  pVox->Release();
}

TEST(VoxPlayer, RefusesWhatCannotBeLoaded) {
  cVoxPlayer player;
  ASSERT_EQ(1, player.Init());
  ASSERT_EQ(1, player.Resize(2));
  EXPECT_EQ(0, player.Play(0, "", 1));
  EXPECT_EQ(0, player.Play(0, nullptr, 1));
  EXPECT_EQ(0, player.Play(0, BesideTests("NoSuch.ogg").c_str(), 1));
  EXPECT_EQ(-1, player.CurrentSlot());
  EXPECT_EQ(1, player.Play(1, BesideTests("VoxSineFixture.ogg").c_str(), 0));
  EXPECT_EQ(1, player.CurrentSlot());
  player.Stop();
  EXPECT_EQ(-1, player.CurrentSlot());
}
