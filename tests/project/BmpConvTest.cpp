// The bitmap conversion tool: pixels mapped to the usable colours of the conversion palette, the
// transparent and line colours, the written colour table and row padding; refused inputs and the
// run that goes on after them; options stored at once; dropped files and folders.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/Surface.h"
#include "app/WindowList.h"
#include "model/EditConfig.h"
#include "model/Globals.h"
#include "project/BmpConvDlg.h"
#include "resources/ProjectSheetIds.h"
#include "support/TestSupport.h"

namespace {

typedef std::vector<unsigned char> Bytes;

void Put32(Bytes& v, size_t at, uint32_t n) {
  for (int i = 0; i < 4; ++i) v[at + i] = static_cast<unsigned char>(n >> (8 * i));
}

// A bottom-up BMP of the bit count with the given colour table (8-bit) and pixel bytes; the
// header claims the size given, whatever the pixels hold.
Bytes MakeBmp(int32_t nWidth, int32_t nHeight, uint16_t nBits, const std::vector<RGBQUAD>& vTable,
              const Bytes& vPixels) {
  Bytes v(54, 0);
  v[0] = 'B';
  v[1] = 'M';
  Put32(v, 10, static_cast<uint32_t>(54 + 4 * vTable.size()));
  Put32(v, 14, 40);
  Put32(v, 18, static_cast<uint32_t>(nWidth));
  Put32(v, 22, static_cast<uint32_t>(nHeight));
  v[26] = 1;
  v[28] = static_cast<unsigned char>(nBits);
  for (const RGBQUAD& q : vTable) v.insert(v.end(), {q.rgbBlue, q.rgbGreen, q.rgbRed, 0});
  v.insert(v.end(), vPixels.begin(), vPixels.end());
  Put32(v, 2, static_cast<uint32_t>(v.size()));
  return v;
}

RGBQUAD Grey(int n) { return RGBQUAD{BYTE(n), BYTE(n), BYTE(n), 0}; }
RGBQUAD Rgb(int r, int g, int b) { return RGBQUAD{BYTE(b), BYTE(g), BYTE(r), 0}; }

// Width 10: rows of 12 bytes, the last two padding. The input colours 2 to 9 are chosen so that
// their nearest entries of the grey conversion palette are 0, 255, 5, 220, 100, 100, 8 and 200.
const Bytes PIXELS = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0xAB, 0xCD,  // row 0 (the bottom one)
                      9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 0xEF, 0x01};
std::vector<RGBQUAD> InputTable() {
  std::vector<RGBQUAD> v;
  for (int i = 0; i < 256; ++i) v.push_back(Grey(i));
  v[2] = Grey(0);
  v[3] = Grey(255);
  v[4] = Grey(5);
  v[5] = Grey(220);
  v[6] = Grey(100);
  v[7] = Rgb(101, 99, 100);  // 2 from grey 100, 5 from 99 and 101
  v[9] = Grey(200);
  return v;
}
Bytes InputBmp() { return MakeBmp(10, 2, 8, InputTable(), PIXELS); }

class BmpConvTest : public ::testing::Test {
 protected:
  BmpConvTest() : m_Dir(true) {}
  void SetUp() override {
    memcpy(m_aConvSaved, g_ConvPalette, sizeof m_aConvSaved);
    memcpy(m_aPalSaved, g_Palette, sizeof m_aPalSaved);
    for (int i = 0; i < 256; ++i) {
      g_ConvPalette[i] = Grey(i);
      g_Palette[i] = Rgb(255 - i, 7, i);
    }
    EditConfig.SetDefault();
    CreateDirectoryA("img", nullptr);
    CreateDirectoryA("out", nullptr);
  }
  void TearDown() override {
    memcpy(g_ConvPalette, m_aConvSaved, sizeof m_aConvSaved);
    memcpy(g_Palette, m_aPalSaved, sizeof m_aPalSaved);
    EditConfig.SetDefault();
  }
  void SetOptions(int bKey, int nKey, int bLine, int nIn, int nOut) {
    EditConfig.m_bConvUseTransparent = bKey;
    EditConfig.m_nConvTransparent = nKey;
    EditConfig.m_bConvReplaceLine = bLine;
    EditConfig.m_nConvLineIn = nIn;
    EditConfig.m_nConvLineOut = nOut;
  }
  std::unique_ptr<cBmpConvDlg> OpenDlg() {
    std::unique_ptr<cBmpConvDlg> dlg(new cBmpConvDlg(IDD_BMP_CONV, nullptr, cWindow::KIND_DIALOG, &WindowList));
    dlg->DoModeless(0, 1);
    return dlg;
  }
  static void Command(cBmpConvDlg& dlg, int nId, int nCode) {
    SendMessageA(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(nId, nCode), reinterpret_cast<LPARAM>(GetDlgItem(dlg.m_hWnd, nId)));
  }

  cTempDir m_Dir;
  cMsgBoxRecorder m_Boxes;
  RGBQUAD m_aConvSaved[256], m_aPalSaved[256];
};

TEST_F(BmpConvTest, PixelsBecomeUsableNearestColoursWithKeyAndLineRulesAndTheTableIsRebuilt) {
  ASSERT_TRUE(WriteFileBytes("img\\in.bmp", InputBmp()));
  // Input colours 2 to 9 map the same in every case; 0 and 1 follow the options.
  const Bytes BASE = {0, 0, 52, 31, 16, 16, 100, 100, 16, 200};
  struct {
    const char* pszCase;
    int bKey, nKey, bLine, nIn, nOut;
    unsigned char c0, c1;
  } const aCases[] = {
      {"key 0, line 1 to 15", 1, 0, 1, 1, 15, 0, 15},
      {"neither: nearest black is 52, nearest 1 is 16", 0, 0, 0, 1, 15, 52, 16},
      {"key and line on one number: transparent", 1, 1, 1, 1, 15, 52, 0},
      {"line output outside 10 to 15", 0, 0, 1, 1, 200, 52, 200},
  };
  for (const auto& c : aCases) {
    SCOPED_TRACE(c.pszCase);
    SetOptions(c.bKey, c.nKey, c.bLine, c.nIn, c.nOut);
    ASSERT_EQ(1, ConvertBmp("out\\conv.bmp", "img\\in.bmp"));
    Bytes vIn = InputBmp(), vOut = ReadFileBytes("out\\conv.bmp");
    ASSERT_EQ(vIn.size(), vOut.size());
    EXPECT_EQ(HexOf(Bytes(vIn.begin(), vIn.begin() + 54)), HexOf(Bytes(vOut.begin(), vOut.begin() + 54)));
    for (int i = 0; i < 256; ++i) {
      const RGBQUAD& q = (i >= 10 && i <= 15) || (i >= 208 && i <= 239) ? g_Palette[i] : g_ConvPalette[i];
      EXPECT_EQ(HexOf({q.rgbBlue, q.rgbGreen, q.rgbRed, 0}), HexOf(Bytes(vOut.begin() + 54 + 4 * i, vOut.begin() + 58 + 4 * i)))
          << "colour " << i;
    }
    Bytes vRow0 = BASE, vRow1;
    vRow0[0] = c.c0;
    vRow0[1] = c.c1;
    vRow1.assign(vRow0.rbegin(), vRow0.rend());
    Bytes vPix = vRow0;
    vPix.insert(vPix.end(), {0xAB, 0xCD});  // padding left as read
    vPix.insert(vPix.end(), vRow1.begin(), vRow1.end());
    vPix.insert(vPix.end(), {0xEF, 0x01});
    EXPECT_EQ(HexOf(vPix), HexOf(Bytes(vOut.begin() + 1078, vOut.end())));
  }
  EXPECT_TRUE(m_Boxes.Shown().empty());
}

TEST_F(BmpConvTest, RunConvertsTheListIntoTheOutputFolderOrInPlaceAndGoesOnAfterRefusedFiles) {
  SetOptions(1, 0, 0, 1, 15);
  EditConfig.m_strConvOutDir = "out";
  ASSERT_TRUE(WriteFileBytes("img\\a.bmp", InputBmp()));
  ASSERT_TRUE(WriteFileBytes("img\\c24.bmp", MakeBmp(2, 2, 24, {}, Bytes(16, 0x40))));
  // A header that claims 100000 by 100000 pixels over a few bytes is refused without the memory.
  ASSERT_TRUE(WriteFileBytes("img\\huge.bmp", MakeBmp(100000, 100000, 8, InputTable(), PIXELS)));
  // Pixel rows missing at the end count as colour 0, which is transparent here.
  ASSERT_TRUE(WriteFileBytes("img\\short.bmp", MakeBmp(10, 2, 8, InputTable(), Bytes(PIXELS.begin(), PIXELS.begin() + 12))));

  std::unique_ptr<cBmpConvDlg> dlg = OpenDlg();
  ASSERT_TRUE(dlg->m_hWnd);
  Command(*dlg, IDC_BMP_CONVERT, BN_CLICKED);  // an empty list: nothing at all
  EXPECT_TRUE(m_Boxes.Shown().empty());

  cChkVector<std::string> vFiles;
  for (const char* p : {"img\\c24.bmp", "img\\huge.bmp", "img\\a.bmp", "nothing.bmp", "img\\short.bmp"}) vFiles.push_back(p);
  dlg->m_List.m_Ctrl.AddItems(vFiles, 0);
  Command(*dlg, IDC_BMP_CONVERT, BN_CLICKED);
  ASSERT_EQ(4u, m_Boxes.Shown().size());
  EXPECT_EQ("img\\c24.bmp は256色ではありません！", m_Boxes.Shown()[0].strText);
  EXPECT_EQ("img\\huge.bmp のロードに失敗！", m_Boxes.Shown()[1].strText);
  EXPECT_EQ("nothing.bmp のロードに失敗！", m_Boxes.Shown()[2].strText);
  EXPECT_EQ("エラー", m_Boxes.Shown()[2].strCaption);
  // Three of the five files failed: the closing box says so instead of "done".
  EXPECT_EQ("5個中2個のファイルを変換しました", m_Boxes.Shown()[3].strText);
  EXPECT_EQ("変換エラー", m_Boxes.Shown()[3].strCaption);
  EXPECT_FALSE(FileExists("out\\c24.bmp"));
  EXPECT_FALSE(FileExists("out\\huge.bmp"));
  Bytes vConverted = ReadFileBytes("out\\a.bmp");
  ASSERT_EQ(InputBmp().size(), vConverted.size());
  Bytes vShort = ReadFileBytes("out\\short.bmp");
  ASSERT_EQ(vConverted.size(), vShort.size());
  EXPECT_EQ(HexOf(Bytes(vConverted.begin() + 1078, vConverted.begin() + 1090)), HexOf(Bytes(vShort.begin() + 1078, vShort.begin() + 1090)));
  EXPECT_EQ(HexOf(Bytes(12, 0)), HexOf(Bytes(vShort.begin() + 1090, vShort.end())));

  // "入力と同じ" is stored at once, greys out the folder, and writes over the input.
  m_Boxes.Clear();
  HWND hBox = GetDlgItem(dlg->m_hWnd, IDC_BMP_OVERWRITE);
  SendMessageA(hBox, BM_SETCHECK, BST_CHECKED, 0);
  Command(*dlg, IDC_BMP_OVERWRITE, BN_CLICKED);
  EXPECT_EQ(1, EditConfig.m_bConvOverwrite);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg->m_hWnd, IDC_BMP_OUT_DIR)));
  Command(*dlg, IDC_BMP_CLEAR, BN_CLICKED);
  EXPECT_TRUE(dlg->m_vFiles.empty());
  dlg->m_List.m_Ctrl.AddItem("img\\a.bmp", 0);
  Command(*dlg, IDC_BMP_CONVERT, BN_CLICKED);
  ASSERT_EQ(1u, m_Boxes.Shown().size());
  EXPECT_EQ("変換完了", m_Boxes.Shown()[0].strText);
  EXPECT_EQ(MB_OK, m_Boxes.Shown()[0].uType);
  EXPECT_EQ(HexOf(vConverted), HexOf(ReadFileBytes("img\\a.bmp")));
  EXPECT_EQ(0, dlg->m_bBusy);
}

TEST_F(BmpConvTest, AddListsBitmapsByPattern) {
  std::unique_ptr<cBmpConvDlg> dlg = OpenDlg();
  cFileDlgRecorder dlgs;
  Command(*dlg, IDC_BMP_ADD, BN_CLICKED);
  ASSERT_EQ(1u, dlgs.Asked().size());
  EXPECT_EQ((std::vector<std::string>{"BitmapFile ( *.bmp )", "*.bmp"}), dlgs.Asked()[0].vFilter);
}

TEST_F(BmpConvTest, OutputPathIsTheFolderAndTheInputsNameOrTheInputItself) {
  EXPECT_EQ("bmp\\convert\\a.bmp", BmpConvOutPath("x\\y\\a.bmp", "bmp\\convert", 0));
  EXPECT_EQ("bmp\\convert\\a.bmp", BmpConvOutPath(".\\img\\a.bmp", "bmp\\convert", 0));
  EXPECT_EQ("bmp\\converta.bmp", BmpConvOutPath("a.bmp", "bmp\\convert", 0));
  // The second byte of "ソ" is a backslash byte and no separator.
  EXPECT_EQ("out\\ソ.bmp", BmpConvOutPath("in\\ソ.bmp", "out", 0));
  EXPECT_EQ("x\\y\\a.bmp", BmpConvOutPath("x\\y\\a.bmp", "bmp\\convert", 1));
}

// A drop of the given absolute paths, as the shell hands it over.
HDROP MakeDrop(const std::vector<std::string>& vPaths) {
  size_t nChars = 1;
  for (const std::string& s : vPaths) nChars += s.size() + 1;
  HGLOBAL h = GlobalAlloc(GHND, sizeof(DROPFILES) + nChars);
  DROPFILES* p = static_cast<DROPFILES*>(GlobalLock(h));
  p->pFiles = sizeof(DROPFILES);
  p->fWide = FALSE;
  char* pc = reinterpret_cast<char*>(p) + sizeof(DROPFILES);
  for (const std::string& s : vPaths) {
    memcpy(pc, s.c_str(), s.size() + 1);
    pc += s.size() + 1;
  }
  GlobalUnlock(h);
  return static_cast<HDROP>(h);
}

TEST_F(BmpConvTest, DroppedFolderAddsItsBmpFilesAndOnlyFilesEndingInLowerCaseBmpAreAdded) {
  CreateDirectoryA("drop", nullptr);
  for (const char* p : {"drop\\x.bmp", "drop\\y.bmp", "drop\\z.txt", "a.bmp", "b.BMP", "c.txt"})
    ASSERT_TRUE(WriteFileBytes(p, InputBmp()));
  std::unique_ptr<cBmpConvDlg> dlg = OpenDlg();
  ASSERT_TRUE(dlg->m_hWnd);
  const std::string& d = m_Dir.Path();
  SendMessageA(dlg->m_hWnd, WM_DROPFILES,
               reinterpret_cast<WPARAM>(MakeDrop({d + "\\drop", d + "\\b.BMP", d + "\\a.bmp", d + "\\c.txt"})), 0);
  std::vector<std::string> v(dlg->m_vFiles.begin(), dlg->m_vFiles.end());
  ASSERT_EQ(3u, v.size());
  std::sort(v.begin(), v.begin() + 2);  // a folder lists in the order the file search returns
  EXPECT_EQ((std::vector<std::string>{".\\drop\\x.bmp", ".\\drop\\y.bmp", ".\\a.bmp"}), v);
  EXPECT_TRUE(m_Boxes.Shown().empty());
}

}  // namespace
