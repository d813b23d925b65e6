// The test window of the framework: one control of every family of lists,
// ranges, generic controls and containers, skinned and photographed.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "data/pictures/pictures.h"
#include "framework/containers.h"
#include "framework/list_controls.h"
#include "framework/range_controls.h"
#include "family_test_support.h"
#include "gdiplus/image.h"

namespace framework_test {
namespace {

struct DemoWindow {
  DemoWindow() : window(660, 470) {
    HWND w = window.hwnd();
    list = window.Add("ListBox", WS_VSCROLL | LBS_NOTIFY, 10, 35, 120, 90, "", WS_EX_CLIENTEDGE);
    for (const char* item : {"第一项", "第二项", "第三项", "第四项", "第五项", "第六项", "第七项"})
      SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    view = window.Add(WC_LISTVIEWA, LVS_REPORT, 140, 35, 230, 90, "", WS_EX_CLIENTEDGE);
    const char* columns[] = {"名称", "大小"};
    for (int i = 0; i < 2; ++i) {
      LVCOLUMNA column{};
      column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
      column.fmt = i == 1 ? LVCFMT_RIGHT : LVCFMT_LEFT;
      column.cx = 90;
      column.pszText = const_cast<char*>(columns[i]);
      SendMessageA(view, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
    for (int row = 0; row < 4; ++row) {
      std::string name = "文件 " + std::to_string(row + 1);
      LVITEMA item{};
      item.mask = LVIF_TEXT;
      item.iItem = row;
      item.pszText = name.data();
      SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
      std::string size = std::to_string((row + 1) * 120) + " KB";
      item.iSubItem = 1;
      item.pszText = size.data();
      SendMessageA(view, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    }
    tree = window.Add(WC_TREEVIEWA, TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT, 380, 35, 150,
                      90, "", WS_EX_CLIENTEDGE);
    TVINSERTSTRUCTA insert{};
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>("根节点");
    HTREEITEM root = reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    for (const char* leaf : {"子节点一", "子节点二", "子节点三"}) {
      insert.hParent = root;
      insert.item.pszText = const_cast<char*>(leaf);
      SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
    }
    SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root));
    ip = window.Add(WC_IPADDRESSA, 0, 10, 135, 150, 22);
    SendMessageA(ip, IPM_SETADDRESS, 0, MAKEIPADDRESS(192, 168, 1, 10));
    date = window.Add(DATETIMEPICK_CLASSA, 0, 170, 135, 150, 22);
    const DWORD ticks[] = {0, TBS_TOP, TBS_BOTH, TBS_NOTICKS};
    for (int i = 0; i < 4; ++i) {
      trackbars[i] = window.Add(TRACKBAR_CLASSA, ticks[i] | TBS_AUTOTICKS, 10 + i * 130, 165,
                                120, 34);
      SendMessageA(trackbars[i], TBM_SETRANGE, FALSE, MAKELPARAM(0, 10));
      SendMessageA(trackbars[i], TBM_SETPOS, TRUE, 2 + i * 2);
    }
    vertical = window.Add(TRACKBAR_CLASSA, TBS_VERT | TBS_BOTH | TBS_ENABLESELRANGE, 545, 35, 40,
                          130);
    SendMessageA(vertical, TBM_SETRANGE, FALSE, MAKELPARAM(0, 10));
    SendMessageA(vertical, TBM_SETSEL, TRUE, MAKELPARAM(2, 6));
    SendMessageA(vertical, TBM_SETPOS, TRUE, 5);
    progress = window.Add(PROGRESS_CLASSA, 0, 10, 210, 200, 18);
    SendMessageA(progress, PBM_SETPOS, 60, 0);
    full = window.Add(PROGRESS_CLASSA, 0, 10, 235, 200, 18);
    SendMessageA(full, PBM_SETPOS, 100, 0);
    upright = window.Add(PROGRESS_CLASSA, PBS_VERTICAL, 220, 210, 18, 80);
    SendMessageA(upright, PBM_SETPOS, 40, 0);
    upDown = window.Add(UPDOWN_CLASSA, 0, 250, 210, 20, 36);
    sideways = window.Add(UPDOWN_CLASSA, UDS_HORZ, 280, 210, 40, 20);
    panel = window.Add("Static", 0, 10, 300, 250, 120);
    inPanel[0] = window.Add(PROGRESS_CLASSA, 0, 10, 10, 160, 16, "", 0, panel);
    SendMessageA(inPanel[0], PBM_SETPOS, 75, 0);
    inPanel[1] = window.Add(TRACKBAR_CLASSA, 0, 10, 35, 160, 30, "", 0, panel);
    inPanel[2] = window.Add("ListBox", 0, 10, 70, 160, 44, "", WS_EX_CLIENTEDGE, panel);
    SendMessageA(inPanel[2], LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("面板里的列表"));
    inPanel[3] = window.Add(UPDOWN_CLASSA, 0, 190, 10, 20, 36, "", 0, panel);
    group = window.Add("Button", BS_GROUPBOX, 270, 300, 160, 120, "分组框");
    inGroup = window.Add(PROGRESS_CLASSA, 0, 12, 30, 130, 16, "", 0, group);
    SendMessageA(inGroup, PBM_SETPOS, 30, 0);
    window.Attach();

    framework::SkinFramework& fw = Framework();
    framework::SkinContainer(fw, panel, std::nullopt, RGB(255, 255, 255), 60, std::nullopt);
    framework::SkinContainer(fw, group, 1, GetSysColor(COLOR_BTNFACE), 0, std::nullopt);
    tab = window.Add(WC_TABCONTROLA, 0, 330, 205, 200, 85);
    for (const char* name : {"常规", "高级"}) {
      TCITEMA item{};
      item.mask = TCIF_TEXT;
      item.pszText = const_cast<char*>(name);
      SendMessageA(tab, TCM_INSERTITEMA, 10, reinterpret_cast<LPARAM>(&item));
    }
    rich = window.Add("RichEdit20A", ES_MULTILINE | WS_VSCROLL, 440, 300, 200, 120,
                      "多格式文本框\r\n第二行\r\n第三行", WS_EX_CLIENTEDGE);
    status = window.Add(STATUSCLASSNAMEA, 0, 0, 0, 0, 0, "状态栏");
    for (HWND generic : {tab, rich, status})
      framework::SkinGenericControl(fw, generic, std::nullopt, std::nullopt, std::nullopt);
    (void)w;
    RedrawWindow(window.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    Pump(300);
  }

  TestWindow window;
  HWND list, view, tree, ip, date, trackbars[4], vertical, progress, full, upright, upDown,
      sideways, panel, inPanel[4], group, inGroup, tab = nullptr, rich = nullptr, status = nullptr;
};

// What the screen shows of `window`, saved as a PNG.
bool Photograph(HWND window, const std::string& path) {
  RECT rect{};
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  SelectObject(memory, old);
  bool saved = false;
  {
    gdiplus::Bitmap picture;
    if (picture.CreateFromHBITMAP(bitmap)) saved = picture.SaveToFile(path.c_str(), "image/png");
  }
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return saved;
}

class DemoWindowTest : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    Framework().SetBackground(nullptr, kBackgroundJpg, kBackgroundJpgSize, 0, 0x00C0C0C0, 3);
  }
};

TEST_F(DemoWindowTest, EveryFamilyIsSkinnedAndPhotographed) {
  DemoWindow demo;
  const framework::WindowRecord& record = demo.window.Record();
  EXPECT_EQ(record.listControls.Count(), 6);  // list, view, tree, ip, date, the panel's list
  EXPECT_EQ(record.headers.Count(), 1);
  EXPECT_EQ(record.trackbars.Count(), 6);
  EXPECT_EQ(record.progressBars.Count(), 5);
  EXPECT_EQ(record.upDowns.Count(), 3);
  EXPECT_EQ(record.containers.Count(), 2);
  EXPECT_EQ(record.genericControls.Count(), 3);
  EXPECT_TRUE(Photograph(demo.window.hwnd(), std::string(FRAMEWORK_ARTEFACTS) + "/framework-demo-" +
                                                 FRAMEWORK_ARCH + ".png"));
  EXPECT_TRUE(Framework().snapshots.empty());
}

}  // namespace
}  // namespace framework_test
