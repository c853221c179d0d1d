#include <gtest/gtest.h>

#include <cstring>

#include "app/Bgm.h"
#include "tests/sound/SoundTestSupport.h"

namespace {

const std::vector<uint8_t> SHORT_MIDI = MakeSmf(0, 96, {{0x00, 0x90, 0x3C, 0x40, 0x60, 0xFF, 0x2F, 0x00}});

// A music player with one slot and one track over its own path tables.
struct sPlayer {
  char aszOgg[1][BGM_OGG_PATH_SIZE] = {"bgm\\Free.ogg"};
  char aszMidi[1][BGM_MIDI_PATH_SIZE] = {"bgm\\Free.mid"};
  cBgm bgm;
  int Init() { return bgm.Init(1, aszOgg, aszMidi, 1); }
  int LoadAndPlay(const std::string& strPath) {
    bgm.LoadTrack(0, strPath.c_str());
    return bgm.Play(0, 0, 1, 0, 1);
  }
  ~sPlayer() { bgm.Release(); }
};

}  // namespace

TEST(Bgm, LoadTrackSortsThePathByItsExtension) {
  struct {
    const char* pszPath;
    int nResult;
    int nKind;
    const char* pszOgg;
    const char* pszMidi;
  } cases[] = {
      {"bgm\\a.ogg", 1, BGM_OGG, "bgm\\a.ogg", "bgm\\Free.mid"},
      {"bgm\\a.OGG", 1, BGM_OGG, "bgm\\a.OGG", "bgm\\Free.mid"},
      {"bgm\\a.mid", 1, BGM_MIDI, "bgm\\Free.ogg", "bgm\\a.mid"},
      {"bgm\\a.MID", 1, BGM_MIDI, "bgm\\Free.ogg", "bgm\\a.mid"},
      {"bgm\\a.Ogg", 0, BGM_NONE, "bgm\\a.Ogg", "bgm\\a.Ogg"},
      {"bgm\\a.wav", 0, BGM_NONE, "bgm\\a.wav", "bgm\\a.wav"},
      {"bgm\\a", 0, BGM_NONE, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszPath);
    sPlayer p;
    p.Init();
    EXPECT_EQ(c.nResult, p.bgm.LoadTrack(0, c.pszPath));
    EXPECT_EQ(c.nKind, p.bgm.TrackKind(0));
    EXPECT_STREQ(c.pszOgg, p.aszOgg[0]);
    EXPECT_STREQ(c.pszMidi, p.aszMidi[0]);
  }
}

TEST(Bgm, PlayingOneEngineStopsTheOther) {
  cFakeMidiDevice device;
  cTempDir dir;
  std::string strOgg = BesideTests("VoxSineFixture.ogg");
  std::string strMidi = dir.File("a.mid");
  WriteFileBytes(strMidi, SHORT_MIDI);
  // An ogg file under another extension is tried on the ogg player first.
  std::string strOther = dir.File("a.bgm");
  CopyFileA(strOgg.c_str(), strOther.c_str(), FALSE);

  cMsgBoxRecorder boxes;
  sPlayer p;
  ASSERT_EQ(1, p.Init());
  EXPECT_TRUE(boxes.Shown().empty());
  ASSERT_EQ(1, p.LoadAndPlay(strOgg));
  EXPECT_EQ(BGM_OGG, p.bgm.SlotEngine(0));
  EXPECT_EQ(0, p.bgm.Vox().CurrentSlot());

  ASSERT_EQ(1, p.LoadAndPlay(strMidi));
  EXPECT_EQ(BGM_MIDI, p.bgm.SlotEngine(0));
  EXPECT_EQ(-1, p.bgm.Vox().CurrentSlot());
  cMidiStream* pStream = p.bgm.Midi().Player(0);
  ASSERT_NE(nullptr, pStream);
  EXPECT_EQ(1, pStream->State());

  // The current track again without force changes nothing; with force it starts anew.
  EXPECT_EQ(1, p.bgm.Play(0, 0, 1, 0, 0));
  EXPECT_EQ(pStream, p.bgm.Midi().Player(0));
  EXPECT_EQ(1, device.Opens());
  EXPECT_EQ(1, p.bgm.Play(0, 0, 1, 0, 1));
  EXPECT_EQ(2, device.Opens());

  ASSERT_EQ(1, p.LoadAndPlay(strOther));
  EXPECT_EQ(BGM_NONE, p.bgm.TrackKind(0));
  EXPECT_EQ(BGM_OGG, p.bgm.SlotEngine(0));
  EXPECT_EQ(0, p.bgm.Midi().Player(0)->State());  // stopped and rewound

  // Neither player takes a file that is not there.
  EXPECT_EQ(0, p.LoadAndPlay(dir.File("missing.bgm")));
  EXPECT_EQ(BGM_NONE, p.bgm.SlotEngine(0));
  EXPECT_EQ(-1, p.bgm.CurrentTrack());
  EXPECT_EQ(-1, p.bgm.Vox().CurrentSlot());
}

TEST(Bgm, WithoutTheOggLibraryItSaysSoAndStillPlaysMidi) {
  cFakeMidiDevice device;
  cMsgBoxRecorder boxes;
  cReportLogCapture log;
  std::string strErrorLog = log.Dir().File("EC_Editor.txt");
  WriteFileBytes(strErrorLog, {});
  SetErrorLog(1, strErrorLog.c_str());
  const char* pszOld = SetVoxLibraryName("NoSuchVox.dll");
  {
    sPlayer p;
    EXPECT_EQ(0, p.Init());
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("oggの初期化に失敗！", boxes.Shown()[0].strText);
    EXPECT_EQ(0, p.LoadAndPlay(BesideTests("VoxSineFixture.ogg")));
    std::string strMidi = log.Dir().File("a.mid");
    WriteFileBytes(strMidi, SHORT_MIDI);
    EXPECT_EQ(1, p.LoadAndPlay(strMidi));
    EXPECT_EQ(BGM_MIDI, p.bgm.SlotEngine(0));
    p.bgm.StopAll();
    EXPECT_EQ(0, p.bgm.Midi().Player(0)->State());
  }
  SetVoxLibraryName(pszOld);
  SetErrorLog(0, "EC_Editor.txt");
  EXPECT_NE(std::string::npos, ReadFileText(strErrorLog).find("m_Vox.Init失敗！"));
  EXPECT_EQ(1u, boxes.Shown().size());
}

TEST(Bgm, DoesNothingBeforeInitAndAfterRelease) {
  sPlayer p;
  EXPECT_EQ(-1, p.bgm.CurrentTrack());
  EXPECT_EQ(1, p.bgm.LoadTrack(0, "bgm\\a.ogg"));
  EXPECT_EQ(1, p.bgm.Play(0, 0, 1, 0, 1));
  EXPECT_STREQ("bgm\\Free.ogg", p.aszOgg[0]);
}
