// The test window of the framework: one control of every family of lists,
// ranges, generic controls and containers, skinned and photographed.
#include <windows.h>

#include <gtest/gtest.h>
#include <psapi.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "data/pictures/pictures.h"
#include "family_test_support.h"
#include "framework/containers.h"
#include "framework/headers.h"
#include "framework/list_controls.h"
#include "framework/range_controls.h"
#include "gdiplus/image.h"
#include "tests/framework/screen_photo.h"

namespace framework_test {
namespace {
using framework::testing::Photograph;

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
      trackbars[i] =
          window.Add(TRACKBAR_CLASSA, ticks[i] | TBS_AUTOTICKS, 10 + i * 130, 165, 120, 34);
      SendMessageA(trackbars[i], TBM_SETRANGE, FALSE, MAKELPARAM(0, 10));
      SendMessageA(trackbars[i], TBM_SETPOS, TRUE, 2 + i * 2);
    }
    vertical =
        window.Add(TRACKBAR_CLASSA, TBS_VERT | TBS_BOTH | TBS_ENABLESELRANGE, 545, 35, 40, 130);
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
    window.Attach(Framework());

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
  EXPECT_EQ(Framework().Snapshots().Count(), 0u);
}

using framework::testing::LiveGdiObjects;
using framework::testing::PrivateBytes;

SIZE_T WorkingSet() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.WorkingSetSize;
}

// Repaints of every family through their window procedures, frame included
// (each costs several ms under Wine; the i686 build runs under emulation and
// does a tenth of them).
TEST_F(DemoWindowTest, RepaintsLeaveNoGdiObjectsOrMemoryBehind) {
  DemoWindow demo;
  const int rounds = sizeof(void*) == 8 ? 1000 : 100;
  // The meters move when something is made and kept.
  {
    const int objects = LiveGdiObjects();
    const SIZE_T bytes = PrivateBytes();
    HBRUSH brushes[20];
    for (HBRUSH& brush : brushes) brush = CreateSolidBrush(RGB(1, 2, 3));
    auto* block = static_cast<char*>(
        VirtualAlloc(nullptr, 8 << 20, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    for (int at = 0; at < (8 << 20); at += 4096) block[at] = 1;
    EXPECT_GE(LiveGdiObjects(), objects + 20);
    EXPECT_GE(PrivateBytes(), bytes + (4 << 20)) << WorkingSet();
    VirtualFree(block, 0, MEM_RELEASE);
    for (HBRUSH brush : brushes) DeleteObject(brush);
  }
  struct Family {
    const char* name;
    HWND control;
  };
  const Family families[] = {
      {"list box", demo.list},     {"list view", demo.view},    {"tree view", demo.tree},
      {"ip address", demo.ip},     {"date-time", demo.date},    {"trackbar", demo.trackbars[0]},
      {"progress", demo.progress}, {"up-down", demo.upDown},    {"plain container", demo.panel},
      {"group box", demo.group},   {"tab (generic)", demo.tab}, {"rich edit", demo.rich},
  };
  // The header paints with its list view; hot states once each.
  SendMessageA(demo.trackbars[0], WM_MOUSEMOVE, 0, MAKELPARAM(20, 10));
  SendMessageA(demo.upDown, WM_MOUSEMOVE, 0, MAKELPARAM(5, 30));
  for (const Family& family : families) {
    for (int i = 0; i < 50; ++i)
      RedrawWindow(family.control, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump(5);
    const int objects = LiveGdiObjects();
    const SIZE_T bytes = PrivateBytes();
    for (int i = 0; i < rounds; ++i) {
      RedrawWindow(family.control, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
      if (i % 100 == 0) Pump(0);
    }
    Pump(5);
    const int objectsAfter = LiveGdiObjects();
    const SIZE_T bytesAfter = PrivateBytes();
    EXPECT_LE(objectsAfter, objects + 2) << family.name;
    EXPECT_LT(bytesAfter, bytes + 2 * 1024 * 1024) << family.name;
    std::printf("%-16s %d repaints: GDI objects %d -> %d, private bytes %zu -> %zu KB\n",
                family.name, rounds, objects, objectsAfter, static_cast<size_t>(bytes / 1024),
                static_cast<size_t>(bytesAfter / 1024));
  }
  EXPECT_EQ(Framework().Snapshots().Count(), 0u);
}

}  // namespace
}  // namespace framework_test
