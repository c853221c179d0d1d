// File images of the generated media: 8- and 24-bit BMPs, a PCM wave and a format-0 MIDI file,
// each built whole in memory, and the writer that puts such an image in place.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

typedef std::vector<uint8_t> cBytes;

// 256 colour-table entries, 4 bytes each in file order: blue, green, red, reserved.
typedef std::vector<uint8_t> cColourTable;

// Pixels are top-down rows of width bytes (8-bit) or width x 3 bytes blue, green, red (24-bit);
// the file gets them bottom-up with every row padded to 4 bytes.
cBytes MakeBmp8(int nWidth, int nHeight, const std::vector<uint8_t>& vPixels,
                const cColourTable& table);
cBytes MakeBmp24(int nWidth, int nHeight, const std::vector<uint8_t>& vBgr);

// 16-bit mono PCM.
cBytes MakeWave(int nSampleRate, const std::vector<int16_t>& vSamples);

struct cMidiNote {
  uint32_t nStart;  // ticks from the start of the piece
  uint32_t nLength;
  uint8_t cKey;
  uint8_t cVelocity;
};
// One track: tempo, the programme of channel 0, the notes on channel 0, end of track.
cBytes MakeMidi0(uint16_t nDivision, uint32_t nTempoUs, uint8_t cProgram,
                 const std::vector<cMidiNote>& vNotes);

// Writes the image to a temporary file beside the target, then moves it over the target.
// On failure the target is left as it was and the temporary file is removed.
bool WriteWholeFile(const std::string& strPath, const cBytes& vBytes);
