#include "model/DataFile.h"

#include <algorithm>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>

#include "app/AppGlobals.h"
#include "app/MsgBox.h"
#include "app/Paths.h"
#include "app/TextFormat.h"
#include "model/SaveTemp.h"

int32_t g_nDataVersion = EDITOR_DATA_VERSION;
int32_t g_nFileVersion = EDITOR_DATA_VERSION;
int32_t g_bStripCR = 0;

// ---------------------------------------------------------------------------------------------
// Reader

namespace {

// A file up to READER_WHOLE bytes is read whole into the heap and closed at once; a larger one is
// read on in a window of at most READER_WINDOW bytes of its own memory (a free block of that size
// would stay with the heap after the read).
constexpr size_t READER_WHOLE = 64u * 1024u;
constexpr size_t READER_WINDOW = 256u * 1024u;

}  // namespace

void cDataReader::SetImage(std::vector<uint8_t> vBytes) {
  Release();
  m_vData = std::move(vBytes);
  m_pData = m_vData.data();
  m_nFileSize = m_nEnd = m_vData.size();
}

int cDataReader::OpenImage(std::vector<uint8_t> vBytes) {
  SetImage(std::move(vBytes));
  return ReadVersion();
}

int cDataReader::ReadVersion() {
  int32_t nVersion = 0;
  if (!ReadInt(nVersion)) return 0;
  if (nVersion < 0) return Fail();
  g_nFileVersion = nVersion;
  return 1;
}

const uint8_t* cDataReader::TakeSlow(size_t nBytes) {
  if (m_bFailed || nBytes > Remaining() || !Refill(nBytes)) {
    Fail();
    return nullptr;
  }
  const uint8_t* p = m_pData + m_nPos;
  m_nPos += nBytes;
  return p;
}

bool cDataReader::GrowWindow(size_t nBytes, size_t nKeep) {
  if (m_nWindowCap >= nBytes) return true;
  void* p = VirtualAlloc(nullptr, nBytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
  if (!p) return false;
  if (nKeep) memcpy(p, m_pData, nKeep);
  if (m_pWindow) VirtualFree(m_pWindow, 0, MEM_RELEASE);
  m_pWindow = m_pData = static_cast<uint8_t*>(p);
  m_nWindowCap = nBytes;
  return true;
}

bool cDataReader::Refill(size_t nBytes) {
  if (m_hFile == INVALID_HANDLE_VALUE) return false;
  const size_t nLeft = m_nEnd - m_nPos;
  if (m_nPos) memmove(m_pData, m_pData + m_nPos, nLeft);
  m_nBase += m_nPos;
  m_nPos = 0;
  m_nEnd = nLeft;
  // nBytes is not more than the rest of the file, which bounds the window; a file smaller than
  // the usual window gets one of its own size.
  size_t nWindow = nBytes > READER_WINDOW ? nBytes : READER_WINDOW;
  if (nWindow > m_nFileSize - m_nBase) nWindow = m_nFileSize - m_nBase > nBytes ? m_nFileSize - m_nBase : nBytes;
  if (!GrowWindow(nWindow, nLeft)) return false;
  const size_t nUnread = m_nFileSize - m_nBase - m_nEnd;
  size_t nWant = m_nWindowCap - m_nEnd;
  if (nWant > nUnread) nWant = nUnread;
  while (nWant) {
    DWORD nRead = 0;
    const DWORD nAsk = nWant > 0x40000000u ? 0x40000000u : static_cast<DWORD>(nWant);
    if (!ReadFile(m_hFile, m_pData + m_nEnd, nAsk, &nRead, nullptr) || nRead == 0) return false;
    m_nEnd += nRead;
    nWant -= nRead;
  }
  return m_nEnd >= nBytes;
}

int cDataReader::ReadCount(int32_t& nCount, size_t nMinBytes) {
  int32_t n = 0;
  if (!ReadInt(n)) return 0;
  if (n < 0) return Fail();
  // n * nMinBytes > Remaining(), without a division; a count is below 2^31.
  if (nMinBytes && (nMinBytes > UINT32_MAX ? static_cast<size_t>(n) > Remaining() / nMinBytes
                                           : static_cast<uint64_t>(n) * nMinBytes > Remaining()))
    return Fail();
  nCount = n;
  return 1;
}

int cDataReader::ReadString(std::string& str) {
  int32_t nLen = 0;
  if (!ReadInt(nLen)) return 0;
  // No writer stores a length below 1: such a file is damaged.
  if (nLen < 1) return Fail();
  if (nLen == 1) {  // the empty string: no bytes follow
    str.clear();
    return 1;
  }
  const char* p = reinterpret_cast<const char*>(Take(static_cast<size_t>(nLen)));
  if (!p) return 0;
  const void* pZero = memchr(p, 0, static_cast<size_t>(nLen));
  size_t nText = pZero ? static_cast<size_t>(static_cast<const char*>(pZero) - p) : static_cast<size_t>(nLen);
  str.assign(p, nText);
  return 1;
}

int cDataReader::Seek(size_t nPos) {
  if (m_bFailed || nPos > m_nFileSize) return Fail();
  if (nPos >= m_nBase && nPos <= m_nBase + m_nEnd) {
    m_nPos = nPos - m_nBase;
    return 1;
  }
  LARGE_INTEGER li;
  li.QuadPart = static_cast<LONGLONG>(nPos);
  if (m_hFile == INVALID_HANDLE_VALUE || !SetFilePointerEx(m_hFile, li, nullptr, FILE_BEGIN)) return Fail();
  m_nBase = nPos;
  m_nPos = m_nEnd = 0;
  return 1;
}

void cDataReader::Release() {
  std::vector<uint8_t>().swap(m_vData);
  if (m_pWindow) VirtualFree(m_pWindow, 0, MEM_RELEASE);
  m_pWindow = m_pData = nullptr;
  m_nWindowCap = 0;
  if (m_hFile != INVALID_HANDLE_VALUE) CloseHandle(m_hFile);
  m_hFile = INVALID_HANDLE_VALUE;
  m_nPos = m_nEnd = m_nBase = m_nFileSize = 0;
  m_bFailed = false;
}

// ---------------------------------------------------------------------------------------------
// Writer

namespace {

// Blocks start small (most files are small) and grow with the image, up to a size that the heap
// still keeps when it is freed: a larger block would go back to the system and every save would
// pay again for fresh pages.
constexpr size_t WRITER_FIRST_BLOCK = 4096;
constexpr size_t WRITER_MAX_BLOCK = 256u << 10;
// A streaming writer sends its bytes to the file in pieces of about this size: each write costs a
// call into the system, and a file of tens of megabytes written in quarter megabytes spent more
// time in those calls than in the copies.
constexpr size_t WRITER_STREAM_BYTES = 1u << 20;

// A streaming writer whose temporary file has grown to WRITER_EARLY_FLUSH_START has the disk take
// its bytes in steps of WRITER_EARLY_FLUSH_BYTES while it goes on (see FlushEarly). Below that the
// flushes that overlap the writes cost more than the final flush they shorten: on a machine whose
// cores are all busy, a palette of some twenty megabytes saved with them took half as long again.
constexpr size_t WRITER_EARLY_FLUSH_START = 32u << 20;
constexpr size_t WRITER_EARLY_FLUSH_BYTES = 8u << 20;

// A streaming writer whose temporary file has reached WRITER_PIECES_START bytes hands its full
// pieces to a worker that writes them while the next one is filled, with at most
// WRITER_PIECES_QUEUED of them waiting. A smaller file is written on the saving thread alone: when
// no core is free the saving thread only waits for the worker, and the hand-over costs more than
// the writes it could overlap.
constexpr size_t WRITER_PIECES_START = 32u << 20;
constexpr size_t WRITER_PIECES_QUEUED = 3;

// The blocks kept between streaming writers (see TakeSpareBlock): the one a writer filled last and
// those its worker had written.
constexpr size_t WRITER_SPARE_BLOCKS = WRITER_PIECES_QUEUED + 2;
struct cSpareBlock {
  std::unique_ptr<uint8_t[]> p;
  size_t nCap;
};
std::mutex g_SpareMx;
std::vector<cSpareBlock> g_vSpare;

// The largest spare block; false when none is kept.
bool TakeSpare(std::unique_ptr<uint8_t[]>& p, size_t& nCap) {
  std::lock_guard<std::mutex> lk(g_SpareMx);
  if (g_vSpare.empty()) return false;
  auto it = std::max_element(g_vSpare.begin(), g_vSpare.end(),
                             [](const cSpareBlock& a, const cSpareBlock& b) { return a.nCap < b.nCap; });
  p = std::move(it->p);
  nCap = it->nCap;
  g_vSpare.erase(it);
  return true;
}

// Keeps a block of a streaming writer's size, in place of the smallest one kept when there are
// enough already; else leaves it to its owner.
void GiveSpare(std::unique_ptr<uint8_t[]>& p, size_t nCap) {
  if (!p || nCap < WRITER_STREAM_BYTES) return;
  std::lock_guard<std::mutex> lk(g_SpareMx);
  if (g_vSpare.size() < WRITER_SPARE_BLOCKS) {
    try {
      g_vSpare.push_back(cSpareBlock{std::move(p), nCap});
    } catch (const std::bad_alloc&) {
    }
    return;
  }
  auto it = std::min_element(g_vSpare.begin(), g_vSpare.end(),
                             [](const cSpareBlock& a, const cSpareBlock& b) { return a.nCap < b.nCap; });
  if (it->nCap >= nCap) return;
  it->p = std::move(p);
  it->nCap = nCap;
}

}  // namespace

void cDataWriter::TakeSpareBlock() {
  if (!m_vBlocks.empty()) return;
  try {
    m_vBlocks.reserve(4);
  } catch (const std::bad_alloc&) {
    return;
  }
  cBlock b{nullptr, 0, 0};
  if (!TakeSpare(b.p, b.nCap)) return;
  m_vBlocks.push_back(std::move(b));
  m_pEnd = m_vBlocks.back().p.get();
  m_nRoom = m_vBlocks.back().nCap;
  ++m_nPiece;
}

void cDataWriter::GiveSpareBlock() {
  Settle();
  for (cBlock& b : m_vBlocks) {
    GiveSpare(b.p, b.nCap);
    if (!b.p) b.nSize = b.nCap = 0;
  }
}

void cDataWriter::Settle() const {
  if (!m_vBlocks.empty()) {
    cBlock& b = m_vBlocks.back();
    b.nSize = static_cast<size_t>(m_pEnd - b.p.get());
  }
}

void cDataWriter::NewBlock(size_t nAtLeast) {
  Settle();
  ++m_nPiece;
  size_t nTotal = Held();
  // A streaming writer collects its pieces in one block of its own size: when it is full, it goes
  // to the file and is used again, so that no block is made and freed for each piece.
  if (Streaming()) {
    if (nTotal) {
      Flush();
      if (m_nRoom >= nAtLeast) return;
      Reset();
    }
    const size_t nSize = nAtLeast > WRITER_STREAM_BYTES ? nAtLeast : WRITER_STREAM_BYTES;
    m_vBlocks.push_back(cBlock{std::unique_ptr<uint8_t[]>(new uint8_t[nSize]), 0, nSize});
    m_pEnd = m_vBlocks.back().p.get();
    m_nRoom = nSize;
    return;
  }
  size_t nSize = nTotal < WRITER_FIRST_BLOCK ? WRITER_FIRST_BLOCK : nTotal;
  if (nSize > WRITER_MAX_BLOCK) nSize = WRITER_MAX_BLOCK;
  if (nSize < nAtLeast) nSize = nAtLeast;
  m_vBlocks.push_back(cBlock{std::unique_ptr<uint8_t[]>(new uint8_t[nSize]), 0, nSize});
  m_pEnd = m_vBlocks.back().p.get();
  m_nRoom = nSize;
}

void cDataWriter::Reset() {
  ++m_nPiece;
  m_vBlocks.clear();
  m_pEnd = nullptr;
  m_nRoom = 0;
}

void cDataWriter::Rewind() {
  Settle();
  size_t nKeep = 0;
  for (size_t i = 1; i < m_vBlocks.size(); ++i)
    if (m_vBlocks[i].nCap > m_vBlocks[nKeep].nCap) nKeep = i;
  if (m_vBlocks.empty()) return;
  ++m_nPiece;
  if (nKeep) std::swap(m_vBlocks[0], m_vBlocks[nKeep]);
  m_vBlocks.resize(1);
  m_vBlocks[0].nSize = 0;
  m_pEnd = m_vBlocks[0].p.get();
  m_nRoom = m_vBlocks[0].nCap;
}

size_t cDataWriter::Held() const {
  Settle();
  size_t n = 0;
  for (const cBlock& b : m_vBlocks) n += b.nSize;
  return n;
}

size_t cDataWriter::Size() const { return m_nFlushed + Held(); }

std::vector<uint8_t> cDataWriter::Bytes() const {
  std::vector<uint8_t> v;
  v.reserve(Held());
  for (const cBlock& b : m_vBlocks) v.insert(v.end(), b.p.get(), b.p.get() + b.nSize);
  return v;
}

void cDataWriter::WriteString(std::string& str) {
  if (str.empty()) {  // most strings of a large file
    WriteInt(1);
    return;
  }
  size_t nZero = strnlen(str.c_str(), str.size());
  size_t nLen = SjisFitLength(str.c_str(), DATA_STRING_MAX < nZero ? DATA_STRING_MAX : nZero);
  if (nLen != str.size()) str.resize(nLen);
  WriteInt(static_cast<int32_t>(nLen + 1));
  if (nLen) WriteRaw(str.c_str(), nLen + 1);
}

// ---------------------------------------------------------------------------------------------
// Files

namespace {

bool PathFits(const char* pszPath) { return strlen(pszPath) <= static_cast<size_t>(DATA_PATH_MAX); }

int SystemWrite(HANDLE hFile, const void* pData, DWORD nBytes) {
  const char* p = static_cast<const char*>(pData);
  while (nBytes) {
    DWORD nDone = 0;
    if (!WriteFile(hFile, p, nBytes, &nDone, nullptr) || nDone == 0) return 0;
    p += nDone;
    nBytes -= nDone;
  }
  return 1;
}

DataFileWriteFn g_pfnWrite = SystemWrite;

HANDLE OpenToRead(const char* pszPath, size_t& nSize) {
  HANDLE h = CreateFileA(pszPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return h;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(h, &size) || size.QuadPart < 0 || size.QuadPart > DATA_FILE_MAX) {
    CloseHandle(h);
    return INVALID_HANDLE_VALUE;
  }
  nSize = static_cast<size_t>(size.QuadPart);
  return h;
}

bool ReadWhole(HANDLE h, std::vector<uint8_t>& vBytes) {
  DWORD nRead = 0;
  return vBytes.empty() || (ReadFile(h, vBytes.data(), static_cast<DWORD>(vBytes.size()), &nRead, nullptr) &&
                            nRead == vBytes.size());
}

// A new temporary file with a unique name in the target's own folder, so that the final rename
// never crosses volumes; INVALID_HANDLE_VALUE when none can be made.
HANDLE CreateTempBeside(const char* pszPath, char* pszTmp /* MAX_PATH */) {
  if (!pszPath || !*pszPath || !PathFits(pszPath)) return INVALID_HANDLE_VALUE;
  // A name of the target's own, in its folder, so that the final rename never crosses volumes
  // and a file left by a save that was cut short goes with the next save.
  if (!MakeSaveTempFile(pszPath, pszTmp)) return INVALID_HANDLE_VALUE;
  HANDLE h = CreateFileA(pszTmp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) DeleteFileA(pszTmp);
  return h;
}

// Flushes and closes the temporary file; when that or anything before failed, removes it. True
// when the file is whole on disk.
bool FinishTempWrite(HANDLE h, const char* pszTmp, bool bOk) {
  if (h == INVALID_HANDLE_VALUE) return false;
  bOk = FlushFileBuffers(h) && bOk;
  bOk = CloseHandle(h) && bOk;
  if (!bOk) DeleteFileA(pszTmp);
  return bOk;
}

// Puts a whole temporary file in the target's place; when it cannot, removes it, leaving the
// target as it was. True when replaced.
bool MoveTempInPlace(const char* pszTmp, const char* pszPath) {
  if (MoveFileExA(pszTmp, pszPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
  DeleteFileA(pszTmp);
  return false;
}

bool FinishTemp(HANDLE h, const char* pszTmp, const char* pszPath, bool bOk) {
  return FinishTempWrite(h, pszTmp, bOk) && MoveTempInPlace(pszTmp, pszPath);
}

}  // namespace

DataFileWriteFn SetDataFileWriteFn(DataFileWriteFn pfn) {
  DataFileWriteFn pPrev = g_pfnWrite;
  g_pfnWrite = pfn ? pfn : SystemWrite;
  return pPrev;
}

int OpenForRead(const char* pszPath, cDataReader& in) {
  in.Release();
  if (!pszPath || !*pszPath) pszPath = "err";
  if (!PathFits(pszPath)) return 0;
  size_t nSize = 0;
  HANDLE h = OpenToRead(pszPath, nSize);
  if (h == INVALID_HANDLE_VALUE) return 0;
  if (nSize > READER_WHOLE) {
    // Read on as the parser moves; the file stays open until the reader is released.
    in.m_hFile = h;
    in.m_nFileSize = nSize;
    try {
      return in.ReadVersion();
    } catch (const std::bad_alloc&) {
      in.Release();
      return 0;
    }
  }
  bool bOk = false;
  std::vector<uint8_t> vBytes;
  try {
    vBytes.resize(nSize);
    bOk = ReadWhole(h, vBytes);
  } catch (const std::bad_alloc&) {
  }
  CloseHandle(h);
  return bOk ? in.OpenImage(std::move(vBytes)) : 0;
}

void CloseFile(cDataReader& in) { in.Release(); }

int OpenForWrite(const char* pszPath, cDataWriter& out) {
  out.Reset();
  out.DropTemp();
  out.m_nFlushed = 0;
  out.m_nNextEarly = WRITER_EARLY_FLUSH_START;
  out.m_bWriteFailed = false;
  out.m_bPiecesTried = false;
  out.m_strPath.clear();
  if (!pszPath || !*pszPath || !PathFits(pszPath)) return 0;
  out.m_strPath = pszPath;
  out.TakeSpareBlock();
  out.WriteInt(g_nDataVersion);
  return 1;
}

int CloseFile(cDataWriter& out) { return WriteTempFile(out) && CommitTempFile(out); }

int WriteTempFile(cDataWriter& out) {
  if (out.Path().empty() || out.m_bTempWhole) return 0;
  out.Flush();
  out.StopPieceWriter();
  out.StopEarlyFlush();
  HANDLE h = out.m_hTmp;
  out.m_hTmp = INVALID_HANDLE_VALUE;
  out.GiveSpareBlock();
  out.Reset();
  const bool bOk = !out.m_bWriteFailed && out.m_nFlushed <= DATA_FILE_MAX;
  if (FinishTempWrite(h, out.m_strTmp.c_str(), bOk)) {
    out.m_bTempWhole = true;
    return 1;
  }
  out.m_strTmp.clear();  // already removed
  return 0;
}

int CommitTempFile(cDataWriter& out) {
  if (!out.m_bTempWhole) return 0;
  const std::string strTmp = out.m_strTmp;
  out.m_strTmp.clear();
  out.m_bTempWhole = false;
  return MoveTempInPlace(strTmp.c_str(), out.Path().c_str()) ? 1 : 0;
}

bool TargetReplaceable(const char* pszPath) {
  const DWORD nAttr = GetFileAttributesA(pszPath);
  if (nAttr == INVALID_FILE_ATTRIBUTES) return GetLastError() == ERROR_FILE_NOT_FOUND;
  if (nAttr & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) return false;
  HANDLE h = CreateFileA(pszPath, GENERIC_WRITE | DELETE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  CloseHandle(h);
  return true;
}

// ---------------------------------------------------------------------------------------------
// Kept threads

// One kept thread: it runs the job it is given, then waits for the next. Slots are never freed
// (their threads wait to the end of the process), so a pointer to one stays good.
struct cKeptThread::cSlot {
  std::mutex mx;
  std::condition_variable cv;
  std::function<void()> fn;
  bool bBusy = false;

  void Run() {
    std::unique_lock<std::mutex> lk(mx);
    for (;;) {
      cv.wait(lk, [this] { return static_cast<bool>(fn); });
      std::function<void()> job = std::move(fn);
      lk.unlock();
      job();
      job = nullptr;
      lk.lock();
      fn = nullptr;
      bBusy = false;
      cv.notify_all();
    }
  }
};

namespace {

std::mutex g_KeptMx;
// The slots that wait for a job.
std::vector<cKeptThread::cSlot*>& IdleSlots() {
  static std::vector<cKeptThread::cSlot*>* s_p = new std::vector<cKeptThread::cSlot*>;  // outlives the statics
  return *s_p;
}

}  // namespace

bool cKeptThread::Start(std::function<void()> fn) {
  Wait();
  cSlot* pSlot = nullptr;
  try {
    std::lock_guard<std::mutex> lk(g_KeptMx);
    std::vector<cSlot*>& vIdle = IdleSlots();
    if (!vIdle.empty()) {
      pSlot = vIdle.back();
      vIdle.pop_back();
    }
    if (!pSlot) {
      vIdle.reserve(vIdle.size() + 1);  // room to come back, taken now
      std::unique_ptr<cSlot> pNew(new cSlot);
      std::thread(&cSlot::Run, pNew.get()).detach();
      pSlot = pNew.release();
    }
  } catch (const std::exception&) {  // no memory or no thread
    return false;
  }
  {
    std::lock_guard<std::mutex> lk(pSlot->mx);
    pSlot->bBusy = true;
    pSlot->fn = std::move(fn);
  }
  pSlot->cv.notify_all();
  m_pSlot = pSlot;
  return true;
}

void cKeptThread::Wait() {
  if (!m_pSlot) return;
  {
    std::unique_lock<std::mutex> lk(m_pSlot->mx);
    m_pSlot->cv.wait(lk, [this] { return !m_pSlot->bBusy; });
  }
  std::lock_guard<std::mutex> lk(g_KeptMx);
  IdleSlots().push_back(m_pSlot);  // room was taken when the slot was made
  m_pSlot = nullptr;
}

// Flushes a file on a thread of its own whenever asked, one flush after the other, until stopped.
// A flush only makes the disk take sooner what the final flush would make it take: its result does
// not matter, the final one decides.
class cEarlyFlush {
 public:
  explicit cEarlyFlush(HANDLE h) : m_hFile(h) {}
  // False when no thread can be had.
  bool Start() {
    return m_Thread.Start([this] { Run(); });
  }
  ~cEarlyFlush() {
    {
      std::lock_guard<std::mutex> lk(m_Mx);
      m_bStop = true;
    }
    m_Cv.notify_one();
    m_Thread.Wait();
  }
  void Ask() {
    {
      std::lock_guard<std::mutex> lk(m_Mx);
      m_bAsked = true;
    }
    m_Cv.notify_one();
  }

 private:
  void Run() {
    std::unique_lock<std::mutex> lk(m_Mx);
    for (;;) {
      m_Cv.wait(lk, [this] { return m_bAsked || m_bStop; });
      if (m_bStop) return;
      m_bAsked = false;
      lk.unlock();
      FlushFileBuffers(m_hFile);
      lk.lock();
    }
  }
  HANDLE m_hFile;
  std::mutex m_Mx;
  std::condition_variable m_Cv;
  bool m_bAsked = false, m_bStop = false;
  cKeptThread m_Thread;
};

void cDataWriter::FlushEarly() {
  if (m_bWriteFailed || m_hTmp == INVALID_HANDLE_VALUE || m_nFlushed < m_nNextEarly) return;
  m_nNextEarly = m_nFlushed + WRITER_EARLY_FLUSH_BYTES;
  if (!m_pEarly) {
    std::unique_ptr<cEarlyFlush> p(new cEarlyFlush(m_hTmp));
    if (!p->Start()) {
      m_nNextEarly = SIZE_MAX;  // no thread to be had: the final flush does it all
      return;
    }
    m_pEarly = std::move(p);
  }
  m_pEarly->Ask();
}

void cDataWriter::StopEarlyFlush() { m_pEarly.reset(); }

// Writes the pieces of a temporary file on a thread of its own, in the order they are handed over,
// and keeps their blocks, emptied, for the writer to fill again. After a failed write the pieces
// left are not written; a writer that gives up has the ones still waiting dropped.
class cPieceWriter {
 public:
  typedef cDataWriter::cBlock cBlock;
  // The blocks that come back are never more than the ones in flight: room for them is taken now,
  // so that the thread never has to ask for memory.
  explicit cPieceWriter(HANDLE h) : m_hFile(h) {
    m_Done.reserve(WRITER_PIECES_QUEUED + 4);
  }
  // False when no thread can be had.
  bool Start() {
    return m_Thread.Start([this] { Run(); });
  }
  ~cPieceWriter() { End(true); }
  // Queues a piece, after waiting while too many wait already.
  void Put(cBlock&& b) {
    std::unique_lock<std::mutex> lk(m_Mx);
    m_CvDone.wait(lk, [this] { return m_Todo.size() < WRITER_PIECES_QUEUED; });
    m_Todo.push_back(std::move(b));
    lk.unlock();
    m_Cv.notify_one();
  }
  // A block whose piece is written; false when none is free yet.
  bool TakeWritten(cBlock& b) {
    std::lock_guard<std::mutex> lk(m_Mx);
    if (m_Done.empty()) return false;
    b = std::move(m_Done.back());
    m_Done.pop_back();
    return true;
  }
  bool Failed() {
    std::lock_guard<std::mutex> lk(m_Mx);
    return m_bFailed;
  }
  // Waits until every piece handed over is written and ends the thread; false when a write failed.
  bool Finish() {
    End(false);
    return !m_bFailed;
  }

 private:
  // Ends the thread once the pieces waiting are written, or dropped with bDrop.
  void End(bool bDrop) {
    {
      std::lock_guard<std::mutex> lk(m_Mx);
      m_bStop = true;
      m_bDrop = m_bDrop || bDrop;
    }
    m_Cv.notify_one();
    m_Thread.Wait();
  }
  void Run() {
    std::unique_lock<std::mutex> lk(m_Mx);
    for (;;) {
      m_Cv.wait(lk, [this] { return !m_Todo.empty() || m_bStop; });
      if (m_Todo.empty()) return;
      cBlock b = std::move(m_Todo.front());
      m_Todo.pop_front();
      const bool bWrite = !m_bFailed && !m_bDrop;
      lk.unlock();
      const bool bOk = !bWrite || g_pfnWrite(m_hFile, b.p.get(), static_cast<DWORD>(b.nSize));
      lk.lock();
      if (!bOk) m_bFailed = true;
      b.nSize = 0;
      m_Done.push_back(std::move(b));
      m_CvDone.notify_one();
    }
  }
  HANDLE m_hFile;
  std::mutex m_Mx;
  std::condition_variable m_Cv, m_CvDone;
  std::deque<cBlock> m_Todo;
  std::vector<cBlock> m_Done;
  bool m_bFailed = false, m_bStop = false, m_bDrop = false;
  cKeptThread m_Thread;
};

void cDataWriter::StartPieceWriter() {
  m_bPiecesTried = true;
  std::unique_ptr<cPieceWriter> p(new cPieceWriter(m_hTmp));
  if (p->Start()) m_pPieces = std::move(p);
}

void cDataWriter::StopPieceWriter() {
  if (!m_pPieces) return;
  if (!m_pPieces->Finish()) m_bWriteFailed = true;
  cBlock b{nullptr, 0, 0};
  while (m_pPieces->TakeWritten(b)) GiveSpare(b.p, b.nCap);
  m_pPieces.reset();
}

cDataWriter::cDataWriter() {}

cDataWriter::~cDataWriter() {
  DropTemp();
  if (Streaming()) GiveSpareBlock();
}

void cDataWriter::DropTemp() {
  m_pPieces.reset();
  StopEarlyFlush();
  // Open while it is written, closed once whole: either way it goes.
  if (m_hTmp != INVALID_HANDLE_VALUE) CloseHandle(m_hTmp);
  if (!m_strTmp.empty()) DeleteFileA(m_strTmp.c_str());
  m_hTmp = INVALID_HANDLE_VALUE;
  m_strTmp.clear();
  m_bTempWhole = false;
}

void cDataWriter::Flush() {
  Settle();
  if (!m_bWriteFailed && m_hTmp == INVALID_HANDLE_VALUE) {
    char szTmp[MAX_PATH];
    m_hTmp = CreateTempBeside(m_strPath.c_str(), szTmp);
    if (m_hTmp == INVALID_HANDLE_VALUE)
      m_bWriteFailed = true;
    else
      m_strTmp = szTmp;
  }
  if (m_pPieces) {
    if (m_pPieces->Failed()) m_bWriteFailed = true;
    // The pieces go to the worker; writing goes on in a block it has written, one kept from an
    // earlier save or a new one.
    for (cBlock& b : m_vBlocks) {
      m_nFlushed += b.nSize;
      if (b.nSize && !m_bWriteFailed) m_pPieces->Put(std::move(b));
    }
    ++m_nPiece;
    cBlock next{nullptr, 0, 0};
    for (cBlock& b : m_vBlocks)
      if (b.p && b.nCap > next.nCap) next = std::move(b);
    m_vBlocks.clear();
    m_pEnd = nullptr;
    m_nRoom = 0;
    if (!next.p && !m_pPieces->TakeWritten(next) && !TakeSpare(next.p, next.nCap))
      next = cBlock{std::unique_ptr<uint8_t[]>(new uint8_t[WRITER_STREAM_BYTES]), 0, WRITER_STREAM_BYTES};
    next.nSize = 0;
    m_vBlocks.push_back(std::move(next));
    m_pEnd = m_vBlocks.back().p.get();
    m_nRoom = m_vBlocks.back().nCap;
  } else {
    for (const cBlock& b : m_vBlocks) {
      if (!m_bWriteFailed && b.nSize && !g_pfnWrite(m_hTmp, b.p.get(), static_cast<DWORD>(b.nSize)))
        m_bWriteFailed = true;
      m_nFlushed += b.nSize;
    }
    Rewind();
    if (!m_bPiecesTried && !m_bWriteFailed && m_nFlushed >= WRITER_PIECES_START) StartPieceWriter();
  }
  FlushEarly();
}

int ReplaceFileWithBytes(const char* pszPath, const void* pData, size_t nBytes) {
  const cBytePiece piece = {pData, nBytes};
  return ReplaceFileWithPieces(pszPath, &piece, 1);
}

int ReplaceFileWithPieces(const char* pszPath, const cBytePiece* pPieces, size_t nPieces) {
  size_t nBytes = 0;
  for (size_t i = 0; i < nPieces; ++i) nBytes += pPieces[i].nBytes;
  if (!pszPath || !*pszPath || !PathFits(pszPath) || nBytes > DATA_FILE_MAX) return 0;
  char szTmp[MAX_PATH];
  HANDLE h = CreateTempBeside(pszPath, szTmp);
  if (h == INVALID_HANDLE_VALUE) return 0;
  bool bOk = true;
  for (size_t i = 0; bOk && i < nPieces; ++i)
    bOk = pPieces[i].nBytes == 0 || g_pfnWrite(h, pPieces[i].pData, static_cast<DWORD>(pPieces[i].nBytes)) != 0;
  return FinishTemp(h, szTmp, pszPath, bOk) ? 1 : 0;
}

void ReportLoadError(const char* pszPath) {
  ErrorBox("%s の読み込みに失敗しました！\nこのファイルが存在しない場合は「default」フォルダから「data」フォルダへ同名のファイルをコピーして下さい。",
           pszPath);
}

void ReportSaveError(const char* pszPath) { ErrorBox("%s の保存に失敗しました！", pszPath ? pszPath : ""); }

int CheckSaved(int bSaved, const char* pszPath) {
  if (!bSaved) ReportSaveError(pszPath);
  return bSaved;
}

int32_t RandRange(int32_t a, int32_t b) {
  int64_t nLow = a < b ? a : b;
  int64_t nHigh = a < b ? b : a;
  return static_cast<int32_t>(nLow + rand() % (nHigh - nLow + 1));
}
