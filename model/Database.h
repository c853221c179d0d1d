// The database: the project's shared lists of animations, anime sets, character bitmaps, sword
// types, effects, character and screen effects, pictures, sound effects and music, which
// characters, items and commands refer to by index. Each list is stored in a file of its own
// under data\database\ as the data version, a count and the records.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/ChkContainer.h"
#include "model/DataRecord.h"

// One step of an animation.
class cEdAnimePattern : public cDataRecord {
 public:
  int32_t m_nFrame = 0;
  int32_t m_nTime = 1;  // tenths of a second
  int32_t m_bRunCmd = 0;

  cEdAnimePattern() { SetDefault(); }
  void SetDefault() override;
  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
};

// One animation: an entry of the anime list and a slot of an anime set.
class cEdAnime : public cDataRecord {
 public:
  std::string m_strName;
  int16_t m_nSampleNo = 0;
  int8_t m_nSampleKind = 1;  // 0 block, 1 character, 2 item, 3 shot, 4 character bitmap
  int16_t m_nSampleFrame = 0;
  cChkVector<cEdAnimePattern> m_vPattern;

  cEdAnime() { SetDefault(); }
  void SetDefault() override;
  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
  int Read(cDataReader& in) override;
  void Write(cDataWriter& out) override;
};

// The animations a character uses for its basic states: always four slots.
class cEdAnimeSet : public cDataRecord {
 public:
  std::string m_strName;
  int32_t m_nInvincibleShift = 4;
  int32_t m_nBlockShift = 8;
  int32_t m_nFlyShift = 0;
  cChkVector<cEdAnime> m_vSlot;

  cEdAnimeSet() { SetDefault(); }
  void SetDefault() override;
  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
  int Read(cDataReader& in) override;
  void Write(cDataWriter& out) override;
};

// Entries whose name may follow their file name (the "ファイル名と同じ" flag). Files before
// version 153 stored the flag differently; it is cleared when such a file is read.
class cEdNamedEntry : public cDataRecord {
 public:
  std::string m_strName;
  int32_t m_bNameIsFile = 0;

  int Read(cDataReader& in) override;
};

// Picture, sound effect and music entries: name, flag and one file path.
class cEdNamedFile : public cEdNamedEntry {
 public:
  std::string m_strPath;

  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
};

class cEdPicture : public cEdNamedFile {
 public:
  cEdPicture() { SetDefault(); }
};

class cEdSound : public cEdNamedFile {
 public:
  cEdSound() { SetDefault(); }
};

class cEdBgm : public cEdNamedFile {
 public:
  cEdBgm() { SetDefault(); }
};

// A character-specific bitmap.
class cEdBmpCharaExc : public cEdNamedEntry {
 public:
  std::string m_strPath;
  int32_t m_bGiant = 0;
  int32_t m_nGiantSize = 2;  // 2 to 10

  cEdBmpCharaExc() { SetDefault(); }
  void SetDefault() override;
  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
};

// One position of a sword swing.
class cEdSwordPos : public cDataRecord {
 public:
  int32_t m_nX = 0;
  int32_t m_nY = 0;
  int32_t m_bFlipX = 1;
  int32_t m_bFlipY = 0;
  int32_t m_nDir = 0;  // index into SwordDirNames
  int32_t m_nSrcX = 0;
  int32_t m_nSrcY = 0;
  int32_t m_nWidth = 0;
  int32_t m_nHeight = 0;
  int32_t m_nTime = 0;

  cEdSwordPos() { SetDefault(); }
  void SetDefault() override;
  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
};

// A sword: bitmaps for both facings and the positions of its swing.
class cEdSwordType : public cEdNamedEntry {
 public:
  std::string m_strBmpLeft;   // for a character facing left
  std::string m_strBmpRight;  // facing right
  cChkVector<cEdSwordPos> m_vPos;

  cEdSwordType() { SetDefault(); }
  void SetDefault() override;
  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
  int Read(cDataReader& in) override;
  void Write(cDataWriter& out) override;
};

// One frame of an effect.
class cEdEffectFrame : public cDataRecord {
 public:
  int32_t m_nFrame = 0;
  int32_t m_nTime = 1;

  cEdEffectFrame() { SetDefault(); }
  void SetDefault() override;
  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
};

// An animated effect graphic.
class cEdEffect : public cEdNamedEntry {
 public:
  std::string m_strPath;
  int32_t m_nWidth = 32;
  int32_t m_nHeight = 32;
  int32_t m_bAllowZoom = 0;
  cChkVector<cEdEffectFrame> m_vFrame;

  cEdEffect() { SetDefault(); }
  void SetDefault() override;
  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
  int Read(cDataReader& in) override;
  void Write(cDataWriter& out) override;
};

// Character effects and screen effects: a kind and its five parameters (model/EffectKindTables.h).
class cEdKindEffect : public cDataRecord {
 public:
  std::string m_strName;
  int32_t m_nKind = 1;  // 0 none
  int32_t m_anParam[5] = {};

  void SetDefault() override;
  void RegisterFields(cFieldRegistrar& reg, int32_t nVersion) const override;
};

class cEdCharaEffect : public cEdKindEffect {
 public:
  cEdCharaEffect() { SetDefault(); }
  int Read(cDataReader& in) override;
};

class cEdScrEffect : public cEdKindEffect {
 public:
  cEdScrEffect() { SetDefault(); }
  int Read(cDataReader& in) override;
};

// The names of cEdSwordPos::m_nDir, ended by an empty string.
extern const char* const SwordDirNames[5];

class cEdDatabase : public cDataRecord {
 public:
  enum { LIST_COUNT = 10 };
  // The list files, in member order.
  static const char* const s_apszFiles[LIST_COUNT];
  // The journal of a replacing of the ten files that is under way.
  static const char* const s_pszJournal;

  cChkVector<cEdAnimeSet> m_vAnimeSet;
  cChkVector<cEdAnime> m_vAnime;
  cChkVector<cEdBmpCharaExc> m_vBmpCharaExc;
  cChkVector<cEdSwordType> m_vSwordType;
  cChkVector<cEdEffect> m_vEffect;
  cChkVector<cEdCharaEffect> m_vCharaEffect;
  cChkVector<cEdScrEffect> m_vScrEffect;
  cChkVector<cEdPicture> m_vPicture;
  cChkVector<cEdSound> m_vSound;
  cChkVector<cEdBgm> m_vBgm;

  cEdDatabase();
  // Completes or undoes a save of the set that was cut short, then reads the ten list files in
  // member order (a set that cannot be made whole: the load-error box naming the file). At the first that cannot be read: the load-error
  // box naming it, and 0; the lists before it keep what they read, the others what they held.
  int LoadAll();
  // Writes the ten list files as one set: each whole beside its target first, and only when all
  // ten are whole are the old files replaced, through a journal (model/FileSet.h), so that even a
  // process killed among the moves leaves the next start the whole old or the whole new set. 0
  // when any could not be written, every old file then kept; the paths of those that could not be
  // written are put in *pvFailed when it is given. *pbPending (when given) is set when the set
  // was left part-replaced by a move that failed: the next save or load completes it, and
  // *pvFailed then names the files still to be replaced.
  int SaveAll(std::vector<std::string>* pvFailed = nullptr, bool* pbPending = nullptr);
  // Entry 0 of the character-effect and screen-effect lists is "no effect"; an empty list gets
  // its default entries back first.
  void ClearNoneKinds();
};

extern cEdDatabase Database;
