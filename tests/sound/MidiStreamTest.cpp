#include <gtest/gtest.h>

#include <memory>

#include "app/MidiStream.h"
#include "tests/sound/SoundTestSupport.h"

namespace {

typedef std::vector<uint8_t> tBytes;

// Three tracks whose events interleave: a tempo track that ends at 480, a note track with running
// status that ends at 288, and a track with a program change, a note and a system-exclusive
// message that ends last, at 500.
std::vector<tBytes> ThreeTracks() {
  return {
      {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,  // t0 tempo
       0x00, 0xFF, 0x03, 0x01, 'A',               // t0 track name
       0x83, 0x60, 0xFF, 0x2F, 0x00},             // t480 end
      {0x00, 0x90, 0x3C, 0x40,                    // t0 note on
       0x60, 0x3C, 0x00,                          // t96 (running status)
       0x60, 0x40, 0x40,                          // t192 (running status)
       0x60, 0xFF, 0x2F, 0x00},                   // t288 end
      {0x00, 0xC1, 0x05,                          // t0 program change
       0x30, 0x91, 0x43, 0x50,                    // t48
       0x30, 0x81, 0x43, 0x00,                    // t96
       0x60, 0xF0, 0x03, 0x7E, 0x7F, 0xF7,        // t192 system exclusive
       0x82, 0x34, 0xFF, 0x2F, 0x00},             // t500 end
  };
}

// Worked out by hand: equal times in track order, running status written out, one end marker at
// the latest end.
const tBytes MERGED_THREE_TRACKS = {
    'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0, 'M', 'T', 'r', 'k', 0, 0, 0, 46,
    0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,
    0x00, 0xFF, 0x03, 0x01, 'A',
    0x00, 0x90, 0x3C, 0x40,
    0x00, 0xC1, 0x05,
    0x30, 0x91, 0x43, 0x50,
    0x30, 0x90, 0x3C, 0x00,
    0x00, 0x81, 0x43, 0x00,
    0x60, 0x90, 0x40, 0x40,
    0x00, 0xF0, 0x03, 0x7E, 0x7F, 0xF7,
    0x82, 0x34, 0xFF, 0x2F, 0x00};

std::string WriteMidi(const cTempDir& dir, const char* pszName, const tBytes& v) {
  std::string str = dir.File(pszName);
  WriteFileBytes(str, v);
  return str;
}

DWORD Short(uint8_t s, uint8_t d1, uint8_t d2 = 0) { return s | (d1 << 8) | (d2 << 16); }

bool IsEnd(const sPlayedEvent& e) { return (e.dwEvent & 0xFFFFFF) == 0x002FFF; }

}  // namespace

TEST(MidiFile, MergesFormatOneTracksIntoOneTimeOrderedTrack) {
  cTempDir dir;
  cMidiFile file;
  ASSERT_TRUE(file.Create(WriteMidi(dir, "three.mid", MakeSmf(1, 480, ThreeTracks())).c_str()));
  EXPECT_EQ(HexOf(MERGED_THREE_TRACKS), HexOf(file.Image()));
}

TEST(MidiFile, PassesOverOtherChunksAndIgnoresBytesAfterTheEndOfATrack) {
  cTempDir dir;
  tBytes v = MakeSmf(1, 480, ThreeTracks());
  // A foreign chunk after the first track, and junk after the second track's end event.
  const size_t nAfterFirst = 14 + 8 + ThreeTracks()[0].size();
  const tBytes vChunk = {'X', 'f', 'o', 'o', 0, 0, 0, 3, 1, 2, 3};
  v.insert(v.begin() + nAfterFirst, vChunk.begin(), vChunk.end());
  const size_t nSecondLen = nAfterFirst + vChunk.size() + 4;
  const size_t nSecondEnd = nSecondLen + 4 + ThreeTracks()[1].size();
  v.insert(v.begin() + nSecondEnd, {0x00, 0x90, 0x10});
  v[nSecondLen + 3] += 3;
  cMidiFile file;
  ASSERT_TRUE(file.Create(WriteMidi(dir, "chunks.mid", v).c_str()));
  EXPECT_EQ(HexOf(MERGED_THREE_TRACKS), HexOf(file.Image()));
}

TEST(MidiFile, CutFilesNeverGiveAMalformedImage) {
  // Every prefix of the fixture: either refused or a well-formed image ending in one end marker.
  cTempDir dir;
  cReportLogCapture log;
  const tBytes vFull = MakeSmf(1, 480, ThreeTracks());
  for (size_t n = 0; n < vFull.size(); ++n) {
    SCOPED_TRACE(n);
    cMidiFile file;
    bool bOk = file.Create(WriteMidi(dir, "cut.mid", tBytes(vFull.begin(), vFull.begin() + n)).c_str());
    EXPECT_EQ(bOk, n >= 18);
    if (!bOk) continue;
    const tBytes& img = file.Image();
    ASSERT_GE(img.size(), 26u);
    uint32_t nLen = (img[18] << 24) | (img[19] << 16) | (img[20] << 8) | img[21];
    EXPECT_EQ(img.size() - 22, nLen);
    EXPECT_EQ("FF 2F 00", HexOf(tBytes(img.end() - 3, img.end())));
  }
  EXPECT_NE(std::string::npos, log.Text().find("Convert"));
  // A track whose length runs past the end of the file keeps the events that are there.
  tBytes v = MakeSmf(0, 96, {{0x00, 0x90, 0x3C, 0x40, 0x10, 0x80, 0x3C}});
  v[21] = 0x40;
  cMidiFile file;
  ASSERT_TRUE(file.Create(WriteMidi(dir, "long.mid", v).c_str()));
  EXPECT_EQ("00 90 3C 40 00 FF 2F 00", HexOf(tBytes(file.Image().begin() + 22, file.Image().end())));
}

TEST(MidiList, RefusesFilesItCannotPlayWithTheirLogLine) {
  cFakeMidiDevice device;
  cReportLogCapture log;
  const cTempDir& dir = log.Dir();
  tBytes vGood = MakeSmf(0, 96, {{0x00, 0x90, 0x3C, 0x40, 0x60, 0xFF, 0x2F, 0x00}});
  tBytes vFormat2 = MakeSmf(2, 96, {{0x00, 0xFF, 0x2F, 0x00}});
  tBytes vFormat3 = MakeSmf(3, 96, {{0x00, 0xFF, 0x2F, 0x00}});
  tBytes vNotMidi = vGood;
  vNotMidi[0] = 'R';
  tBytes vHeader7 = vGood;
  vHeader7[7] = 7;
  struct {
    const char* pszName;
    const tBytes* pBytes;
    const char* pszLog;  // the expected line after "Midi <path> "
  } cases[] = {
      {"f2.mid", &vFormat2, "Init 対応フォーマットが2でない"},
      {"f3.mid", &vFormat3, "Init 対応フォーマットが0または1でない"},
      {"riff.mid", &vNotMidi, "Init 標準MIDIでない(4)"},
      {"h7.mid", &vHeader7, "Init 標準MIDIでない(6)"},
      {"missing.mid", nullptr, "Create ファイルが開けません"},
      {"caps.MID", &vGood, nullptr},  // the music player lowers the extension first
      {"noext", &vGood, nullptr},
  };
  cMidiList list;
  list.Resize(1);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pszName);
    std::string strPath = dir.File(c.pszName);
    if (c.pBytes) WriteFileBytes(strPath, *c.pBytes);
    EXPECT_EQ(0, list.Load(0, strPath.c_str(), 1));
    EXPECT_EQ(nullptr, list.Player(0));
    if (c.pszLog) {
      EXPECT_NE(std::string::npos, log.Text().find("Midi " + strPath + " " + c.pszLog));
    }
  }
  EXPECT_EQ(0, device.Opens());
  EXPECT_EQ(1, list.Load(0, WriteMidi(dir, "good.mid", vGood).c_str(), 1));
  EXPECT_EQ(1, device.Opens());
}

TEST(MidiStream, FillsRecordsAsTheStreamExpectsThem) {
  cFakeMidiDevice device;
  cTempDir dir;
  cMidiStream stream(WriteMidi(dir, "three.mid", MakeSmf(1, 480, ThreeTracks())).c_str());
  EXPECT_EQ(480u, device.TimeDiv());
  EXPECT_EQ(1u, device.Queued());  // opened stopped with the first buffer ready
  stream.Restart(0);
  ASSERT_TRUE(device.WaitAndPlayOne());
  auto v = device.Played();
  ASSERT_EQ(9u, v.size());
  EXPECT_EQ((DWORD(MEVT_TEMPO) << 24) | 0x07A120, v[0].dwEvent);
  // The track name is left out; so the note that follows it keeps time 0.
  EXPECT_EQ(0u, v[1].dwDelta);
  EXPECT_EQ(Short(0x90, 0x3C, 0x40), v[1].dwEvent);
  EXPECT_EQ(Short(0xC1, 0x05), v[2].dwEvent);
  EXPECT_EQ(0x30u, v[3].dwDelta);
  EXPECT_EQ(Short(0x90, 0x3C, 0x00), v[4].dwEvent);
  // The system-exclusive message goes whole, from its status byte, padded to four bytes.
  EXPECT_EQ((DWORD(MEVT_LONGMSG) << 24) | 4, v[7].dwEvent);
  EXPECT_EQ("F0 7E 7F F7", HexOf(v[7].vParms));
  EXPECT_EQ(308u, v[8].dwDelta);
  EXPECT_EQ(DWORD(MEVT_F_CALLBACK) | 0x002FFF, v[8].dwEvent);
}

TEST(MidiStream, KeepsTheTimeOfLeftOutEventsAndSkipsOversizedExclusiveMessages) {
  cFakeMidiDevice device;
  cReportLogCapture log;
  tBytes vTrack = {0x00, 0x90, 0x3C, 0x40,
                   0x07, 0xFF, 0x06, 0x01, 'M',  // marker at +7: no record, time kept
                   0x05, 0xF0, 0x81, 0xEA, 0x30};  // 30000-byte exclusive message at +5
  vTrack.insert(vTrack.end(), 30000 - 1, 0x11);
  vTrack.push_back(0xF7);
  const tBytes vTail = {0x03, 0x80, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00};
  vTrack.insert(vTrack.end(), vTail.begin(), vTail.end());
  cMidiStream stream(WriteMidi(log.Dir(), "big.mid", MakeSmf(0, 96, {vTrack})).c_str());
  stream.Restart(0);
  ASSERT_TRUE(device.WaitAndPlayOne());
  auto v = device.Played();
  ASSERT_EQ(3u, v.size());
  EXPECT_EQ(7u + 5u + 3u, v[1].dwDelta);
  EXPECT_EQ(Short(0x80, 0x3C, 0x00), v[1].dwEvent);
  EXPECT_TRUE(IsEnd(v[2]));
  EXPECT_NE(std::string::npos, log.Text().find("Midi " + log.Dir().File("big.mid") + " Out "));
}

TEST(MidiStream, PlaysAPieceLongerThanOneBufferThroughBothBuffers) {
  cFakeMidiDevice device;
  cTempDir dir;
  // 5000 notes of 12-byte records: three buffers' worth.
  tBytes vTrack;
  for (int i = 0; i < 5000; ++i) {
    const uint8_t abyEvent[4] = {0x0A, uint8_t(i % 2 ? 0x80 : 0x90), uint8_t(i % 128), 0x40};
    vTrack.insert(vTrack.end(), abyEvent, abyEvent + 4);
  }
  vTrack.insert(vTrack.end(), {0x00, 0xFF, 0x2F, 0x00});
  cMidiStream stream(WriteMidi(dir, "long.mid", MakeSmf(0, 96, {vTrack})).c_str());
  stream.Restart(0);
  while (device.Played().empty() || !IsEnd(device.Played().back()))
    ASSERT_TRUE(device.WaitAndPlayOne());
  auto v = device.Played();
  ASSERT_EQ(5001u, v.size());
  for (int i = 0; i < 5000; ++i) {
    ASSERT_EQ(10u, v[i].dwDelta) << i;
    ASSERT_EQ(Short(i % 2 ? 0x80 : 0x90, uint8_t(i % 128), 0x40), v[i].dwEvent & ~MEVT_F_CALLBACK) << i;
  }
  EXPECT_EQ(3, device.BuffersPlayed());
  // Each full buffer reported its last event.
  EXPECT_TRUE(v[1999].dwEvent & MEVT_F_CALLBACK);
  EXPECT_TRUE(v[3999].dwEvent & MEVT_F_CALLBACK);
  EXPECT_FALSE(v[2000].dwEvent & MEVT_F_CALLBACK);
}

TEST(MidiStream, LoopingStartsAgainAfterTheEndAndOtherwiseStopsRewound) {
  cFakeMidiDevice device;
  cTempDir dir;
  std::string strPath =
      WriteMidi(dir, "short.mid", MakeSmf(0, 96, {{0x00, 0x90, 0x3C, 0x40, 0x60, 0xFF, 0x2F, 0x00}}));
  {
    cMidiStream stream(strPath.c_str());
    stream.Restart(1);
    ASSERT_TRUE(device.WaitAndPlayOne());
    ASSERT_TRUE(PumpUntil([&] { return device.Restarts() == 2; }));
    ASSERT_TRUE(device.WaitAndPlayOne());
    auto v = device.Played();
    ASSERT_EQ(4u, v.size());
    EXPECT_EQ(Short(0x90, 0x3C, 0x40), v[2].dwEvent);
    EXPECT_TRUE(IsEnd(v[3]));
  }
  cFakeMidiDevice once;
  cMidiStream stream(strPath.c_str());
  stream.Restart(0);
  ASSERT_TRUE(once.WaitAndPlayOne());
  ASSERT_TRUE(PumpUntil([&] { return once.Stops() == 1 && once.Queued() == 1; }));
  EXPECT_EQ(0, stream.State());
  EXPECT_FALSE(once.Playing());
  EXPECT_EQ(1, once.Restarts());
  // Started again, it plays from the beginning.
  stream.Restart(0);
  ASSERT_TRUE(once.WaitAndPlayOne());
  auto v = once.Played();
  ASSERT_EQ(4u, v.size());
  EXPECT_EQ(Short(0x90, 0x3C, 0x40), v[2].dwEvent);
}

TEST(MidiStream, PauseHoldsAndRestartResumesWithoutRefilling) {
  cFakeMidiDevice device;
  cTempDir dir;
  cMidiStream stream(
      WriteMidi(dir, "p.mid", MakeSmf(0, 96, {{0x00, 0x90, 0x3C, 0x40, 0x60, 0xFF, 0x2F, 0x00}})).c_str());
  stream.Restart(0);
  stream.Stop(1);
  EXPECT_EQ(2, stream.State());
  EXPECT_FALSE(device.PlayOne());
  stream.Restart(0);
  EXPECT_EQ(1, stream.State());
  EXPECT_EQ(1u, device.Queued());
  EXPECT_TRUE(device.PlayOne());
}
