// The data file format's byte level: a bounded reader over a file read whole into memory, a
// writer that streams the file into a temporary file and replaces the target only once every byte
// is on disk, the process-wide data versions, and the load-error message.
//
// Every data file starts with the 32-bit data version of its writer; the rest is the encoding of
// its root record or a bare vector of records (model/DataRecord.h). All integers are
// little-endian, nothing is padded.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The data version this program writes, and the one of the file being read (set by OpenForRead;
// every upgrade step of a Read override compares it).
extern int32_t g_nDataVersion;
extern int32_t g_nFileVersion;
// Non-zero: carriage returns are removed from every string that is read. Start-up sets it to 0.
extern int32_t g_bStripCR;

// A string member holds at most this many bytes and no zero byte.
constexpr int DATA_STRING_MAX = 5119;
// The longest path the data-file functions take.
constexpr int DATA_PATH_MAX = MAX_PATH - 1;
// Files above this size are not data files of this program; they are refused, not read.
constexpr uint32_t DATA_FILE_MAX = 1024u * 1024u * 1024u;

// Reads a file image. Every read is bounded by the bytes that are left in the file: a read that
// does not fit fails, and after the first failure every later read fails too and reads nothing, so
// a parser can run on to its end and check Ok() once. A large file is not held whole: the reader
// keeps a window of it and reads on from the file as the parser moves, so a file of many megabytes
// is never copied into as many megabytes of fresh memory.
class cDataReader {
 public:
  cDataReader() {}
  explicit cDataReader(std::vector<uint8_t> vBytes) { SetImage(std::move(vBytes)); }
  ~cDataReader() { Release(); }
  cDataReader(const cDataReader&) = delete;
  cDataReader& operator=(const cDataReader&) = delete;

  // Takes a whole file image, reads its data version into g_nFileVersion and leaves the reader
  // behind it. 0 for an image shorter than the version or a negative version.
  int OpenImage(std::vector<uint8_t> vBytes);

  // The next nBytes of the file, which the reader moves past; null (and the reader failed) when
  // they are not all there. The pointer is good until the next read.
  const uint8_t* Take(size_t nBytes) {
    if (m_bFailed || nBytes > m_nEnd - m_nPos) return TakeSlow(nBytes);
    const uint8_t* p = m_pData + m_nPos;
    m_nPos += nBytes;
    return p;
  }
  int ReadRaw(void* pDst, size_t nBytes) {
    const uint8_t* p = Take(nBytes);
    if (!p) return 0;
    if (nBytes) memcpy(pDst, p, nBytes);
    return 1;
  }
  int ReadInt(int32_t& n) { return ReadRaw(&n, 4); }
  template <class T>
  int ReadValue(T& v) {
    return ReadRaw(&v, sizeof v);
  }
  // A container count: fails when negative or when nCount elements of at least nMinBytes each
  // cannot fit in what is left.
  int ReadCount(int32_t& nCount, size_t nMinBytes);
  // One string in the string-section encoding: a 32-bit length that counts the terminating zero,
  // then the bytes unless the length is 1. The string ends at its first zero byte.
  int ReadString(std::string& str);

  // Marks the reader failed; returns 0 so that parsers can `return in.Fail();`.
  int Fail() {
    m_bFailed = true;
    m_nBase = m_nFileSize;
    m_nPos = m_nEnd = 0;
    return 0;
  }
  bool Ok() const { return !m_bFailed; }
  size_t Remaining() const { return m_nFileSize - m_nBase - m_nPos; }
  size_t Position() const { return m_nBase + m_nPos; }
  // Goes back (or on) to a file position at or below the file's size, to read from there again;
  // 0 (and the reader failed) when it cannot.
  int Seek(size_t nPos);
  // Drops the image and closes the file.
  void Release();

 private:
  friend int OpenForRead(const char*, cDataReader&);
  void SetImage(std::vector<uint8_t> vBytes);
  int ReadVersion();
  const uint8_t* TakeSlow(size_t nBytes);
  // Moves the unread part of the window to its front and reads on from the file until at least
  // nBytes are there; false on a read error or a file that ended early.
  bool Refill(size_t nBytes);

  // Makes the window at least nBytes long, keeping its first nKeep bytes.
  bool GrowWindow(size_t nBytes, size_t nKeep);

  std::vector<uint8_t> m_vData;  // a whole image handed in
  // The window of a file read on: taken from the system and given back whole on Release, so that
  // reading a file leaves no free block of its size in the heap.
  uint8_t* m_pWindow = nullptr;
  size_t m_nWindowCap = 0;
  uint8_t* m_pData = nullptr;    // the image or the window
  size_t m_nPos = 0;             // in the window
  size_t m_nEnd = 0;             // the bytes of the window that hold file data
  size_t m_nBase = 0;            // the file position of the window
  size_t m_nFileSize = 0;
  HANDLE m_hFile = INVALID_HANDLE_VALUE;  // open while the file is read on
  bool m_bFailed = false;
};

// Collects a file image in blocks that are never moved, so a large image is not copied again and
// again as it grows. A writer opened for a file (OpenForWrite) streams instead: once about a megabyte
// is collected it goes to a temporary file beside the target and the buffer is used
// again; CloseFile writes the rest and only then replaces the target. A writer that was not opened
// (one part of a file, built apart and appended) keeps its whole image.
// Copies nBytes. The C library's copy takes long to start on the few bytes that a record's parts
// mostly are, so runs up to a few hundred bytes are copied here, eight at a time.
inline void CopyBytes(void* pDst, const void* pSrc, size_t nBytes) {
  if (nBytes > 256) {
    memcpy(pDst, pSrc, nBytes);
    return;
  }
  uint8_t* d = static_cast<uint8_t*>(pDst);
  const uint8_t* s = static_cast<const uint8_t*>(pSrc);
  if (nBytes >= 8) {
    // The last eight bytes go first, so that the loop may stop short of them.
    memcpy(d + nBytes - 8, s + nBytes - 8, 8);
    for (size_t i = 0; i + 8 <= nBytes; i += 8) memcpy(d + i, s + i, 8);
    return;
  }
  for (size_t i = 0; i < nBytes; ++i) d[i] = s[i];
}

class cEarlyFlush;
class cPieceWriter;

class cDataWriter {
 public:
  cDataWriter();
  // A writer given up before CloseFile removes its temporary file.
  ~cDataWriter();
  cDataWriter(const cDataWriter&) = delete;
  cDataWriter& operator=(const cDataWriter&) = delete;

  // Room for nBytes more at the end of the image, which the caller fills whole.
  uint8_t* Claim(size_t nBytes) {
    if (nBytes > m_nRoom) NewBlock(nBytes);
    uint8_t* p = m_pEnd;
    m_pEnd += nBytes;
    m_nRoom -= nBytes;
    return p;
  }
  void WriteRaw(const void* p, size_t nBytes) {
    if (nBytes) CopyBytes(Claim(nBytes), p, nBytes);
  }
  void WriteInt(int32_t n) { memcpy(Claim(4), &n, 4); }
  // Where the next byte goes and the room left there before a Claim moves on to a new piece.
  uint8_t* End() const { return m_pEnd; }
  size_t Room() const { return m_nRoom; }
  // Changes whenever the writer moves on to a new piece (which may send the bytes before it to the
  // file and take their memory again): bytes written while it stays the same lie in one piece,
  // where they were written.
  uint32_t Piece() const { return m_nPiece; }
  template <class T>
  void WriteValue(const T& v) {
    memcpy(Claim(sizeof v), &v, sizeof v);
  }
  // Cuts the string at its first zero byte and to DATA_STRING_MAX bytes (never inside a
  // double-byte character), stores the cut string back, and writes it in the string encoding.
  void WriteString(std::string& str);
  // Gives the save up: what has been collected is never written, and CloseFile fails.
  void Fail() { m_bWriteFailed = true; }

  // Empties a writer that was never opened and keeps its largest block for what comes next: a
  // writer used again and again for small pieces takes no fresh memory.
  void Rewind();

  // Bytes written so far, those already in the temporary file included.
  size_t Size() const;
  // The image in one piece (a copy): of a streaming writer, only what it has not yet written out.
  std::vector<uint8_t> Bytes() const;
  const std::string& Path() const { return m_strPath; }

 private:
  friend int OpenForWrite(const char*, cDataWriter&);
  friend int WriteTempFile(cDataWriter&);
  friend int CommitTempFile(cDataWriter&);
  friend class cPieceWriter;
  struct cBlock {
    std::unique_ptr<uint8_t[]> p;
    size_t nSize;  // bytes in use
    size_t nCap;
  };
  void NewBlock(size_t nAtLeast);
  void Reset();
  // A streaming writer starts with a block that the last one wrote its pieces from, and leaves its
  // own for the next: a save writes into memory touched before, not into fresh pages.
  void TakeSpareBlock();
  void GiveSpareBlock();
  // The bytes held in the blocks.
  size_t Held() const;
  bool Streaming() const { return !m_strPath.empty(); }
  // Writes the held bytes to the temporary file (made at the first call) and keeps the largest
  // block, emptied, for what comes next; with a piece writer running, hands the blocks to it and
  // goes on in one that it has written. After a failed write nothing more is written and
  // CloseFile fails.
  void Flush();
  // Once a file has WRITER_PIECES_START bytes in the temporary file, a worker writes its full
  // pieces while the next one is filled. StopPieceWriter waits until it has written what it was
  // given; a write of it that failed fails the save.
  void StartPieceWriter();
  void StopPieceWriter();
  std::unique_ptr<cPieceWriter> m_pPieces;
  bool m_bPiecesTried = false;  // started, or no thread could be had
  uint32_t m_nPiece = 0;
  // Closes and removes the temporary file, if any, also one that is whole but not yet in place.
  void DropTemp();
  // Once a large file has this many more bytes in the temporary file, a worker starts putting
  // them on disk while the rest is still being made, so that the flush at the end waits only for
  // the last of them.
  void FlushEarly();
  void StopEarlyFlush();
  std::unique_ptr<cEarlyFlush> m_pEarly;
  size_t m_nNextEarly = 0;
  HANDLE m_hTmp = INVALID_HANDLE_VALUE;
  std::string m_strTmp;
  bool m_bTempWhole = false;  // the temporary file is written, flushed and closed
  size_t m_nFlushed = 0;
  bool m_bWriteFailed = false;
  // Brings the last block's size up to date.
  void Settle() const;
  mutable std::vector<cBlock> m_vBlocks;
  uint8_t* m_pEnd = nullptr;
  size_t m_nRoom = 0;
  std::string m_strPath;
};

// Runs a job on a thread that the process keeps: starting a thread costs about as much CPU as
// writing a megabyte (the system clears the new thread's whole stack), more than a save of a few
// megabytes gains from it, so a thread that has finished its job waits for the next one instead of
// ending. Threads are started only when every kept one is busy.
class cKeptThread {
 public:
  cKeptThread() {}
  // Waits for the job.
  ~cKeptThread() { Wait(); }
  cKeptThread(const cKeptThread&) = delete;
  cKeptThread& operator=(const cKeptThread&) = delete;

  // Starts fn, which must not throw; false (fn not run) when no thread can be had.
  bool Start(std::function<void()> fn);
  // Waits until the job has returned; at once when none was started.
  void Wait();
  bool Running() const { return m_pSlot != nullptr; }

  struct cSlot;

 private:
  cSlot* m_pSlot = nullptr;
};

// Reads the whole file into the reader and its data version into g_nFileVersion. A null or empty
// path reads the file "err". 0 when the path is longer than DATA_PATH_MAX, the file cannot be
// opened or read, is larger than DATA_FILE_MAX, or holds no valid version.
int OpenForRead(const char* pszPath, cDataReader& in);
void CloseFile(cDataReader& in);

// Starts the image of a file for the path, with g_nDataVersion first. 0 for a null, empty or too
// long path.
int OpenForWrite(const char* pszPath, cDataWriter& out);
// Writes the rest of the image to the temporary file beside the target, flushes it and replaces
// the target with it. 1 on success; on any failure (this write or an earlier one) 0, the temporary
// file is removed and the target is untouched.
int CloseFile(cDataWriter& out);
// CloseFile in two steps, for files that must change together: first each file's whole image to
// its temporary file (written, flushed, closed; 0 on any failure, the temporary file removed), and
// only when every one of them is whole, each temporary file into its target's place (0 when it
// cannot be moved; it is then removed and that target untouched). A writer destroyed between the
// two steps removes its temporary file and leaves the target as it was.
int WriteTempFile(cDataWriter& out);
int CommitTempFile(cDataWriter& out);
// Whether a file could take the place of the target now: the target is absent, or a plain file
// that is not read-only and that nobody holds open. Asked of every target of a set before the
// first is replaced, so that one that cannot be replaced stops the set, not half of it.
bool TargetReplaceable(const char* pszPath);

// Writes bytes to a path the same way (temporary file, flush, replace).
int ReplaceFileWithBytes(const char* pszPath, const void* pData, size_t nBytes);
// The same with the bytes in pieces, written one after the other.
struct cBytePiece {
  const void* pData;
  size_t nBytes;
};
int ReplaceFileWithPieces(const char* pszPath, const cBytePiece* pPieces, size_t nPieces);

// The function that writes the bytes of a temporary file; tests put one in its place to make a
// save fail part-way. Returns 1 when all nBytes were written. Null restores the system's.
typedef int (*DataFileWriteFn)(HANDLE hFile, const void* pData, DWORD nBytes);
DataFileWriteFn SetDataFileWriteFn(DataFileWriteFn pfn);

// The error box "%s の読み込みに失敗しました！..." naming the file that could not be loaded.
void ReportLoadError(const char* pszPath);

// The error box "%s の保存に失敗しました！" naming the file that could not be written.
void ReportSaveError(const char* pszPath);
// Passes a save's result on, after that box when the save failed.
int CheckSaved(int bSaved, const char* pszPath);

// A pseudo-random integer between the two bounds inclusive, in either order.
int32_t RandRange(int32_t a, int32_t b);
