// The shared functions and drawing helpers, and the GDI objects they leave.
#include "framework/shared.h"
#include "framework/control_window.h"
#include "framework/drawing_helpers.h"
#include "framework/frame.h"
#include "framework/properties.h"
#include "tests/framework/framework_test_support.h"
#include "tests/framework/import_patch.h"
#include "tests/framework/white_canvas.h"

namespace framework::testing {
namespace {

using SharedTest = FrameworkTest;

TEST(SharedFunctions, ToArgbKeepsTheColourAndTakesTheAlphaOnlyWhenAsked) {
  EXPECT_EQ(ToArgb(RGB(0x11, 0x22, 0x33), 0x80, 1), 0x80112233u);
  EXPECT_EQ(ToArgb(RGB(0xFF, 0, 0), 0x80, 0), 0xFFFF0000u);
  EXPECT_EQ(ToArgb(0x00FFFFFF, 32, 1), 0x20FFFFFFu);
}

TEST(SharedFunctions, TextEqualsIsByteWiseAndANullTextIsEmpty) {
  EXPECT_TRUE(TextEquals("Button", "Button"));
  EXPECT_FALSE(TextEquals("Button", "BUTTON"));
  EXPECT_TRUE(TextEquals(nullptr, ""));
  EXPECT_TRUE(TextEquals(nullptr, nullptr));
  EXPECT_FALSE(TextEquals(nullptr, "a"));
}

TEST(SharedFunctions, RoundedRectPathClampsItsCorner) {
  for (int corner : {-5, 0, 1, 7, 100, 500}) {
    gdiplus::GraphicsPath path = RoundedRectPath(0, 0, 50, 30, corner);
    ASSERT_TRUE(path.HasObject());
    gdiplus::RectF bounds{};
    path.GetWorldBounds(&bounds);
    EXPECT_NEAR(bounds.Width, 50, 1) << corner;
  }
}

// A caption in a face the system lacks (宋体 in a prefix without the face
// replacements) is drawn in the face the system shows for it; GDI+ alone
// drew nothing, and the title bar stayed empty.
TEST(SharedFunctions, TextInAFaceTheSystemLacksIsDrawnInTheOneItShowsForIt) {
  constexpr char kMissing[] = "没有这种字体";
  gdiplus::FontFamily missing;
  ASSERT_FALSE(missing.Create(kMissing)) << "the face exists";
  WhiteCanvas canvas(120, 30);
  {
    gdiplus::Graphics graphics;
    ASSERT_TRUE(graphics.FromHDC(canvas.dc()));
    DrawOutlinedText(graphics, "鼠标坐标", gdiplus::RectF{0, 0, 120, 30}, 0x00000000, 0x00808080, 1,
                     kMissing, 12.0f, 1, gdiplus::kStringAlignmentNear,
                     gdiplus::kStringAlignmentCenter);
  }
  EXPECT_GT(canvas.InkRight(), 30) << "nothing drawn";
}

TEST_F(SharedTest, WindowNumbersClassNamesAndListBoxes) {
  HWND window = MakeWindow();
  HWND other = MakeWindow(0, 120, 120);
  Attach(window);
  HWND group = MakeChild(window, "Button", 10, 30, 200, 200);
  HWND inner = MakeChild(group, "Edit", 10, 20, 80, 20);
  EXPECT_EQ(FindWindowNumber(*skin, window), 1);
  EXPECT_EQ(FindWindowNumber(*skin, other), 0);
  EXPECT_EQ(FindWindowNumber(*skin, nullptr), 0);
  EXPECT_EQ(FindOwnerWindowNumber(*skin, inner), 1);
  EXPECT_EQ(FindOwnerWindowNumber(*skin, other), 0);
  EXPECT_EQ(ClassNameOf(inner), "Edit");
  HWND plainList =
      CreateWindowExA(0, "ListBox", "", WS_CHILD, 0, 0, 50, 50, window, nullptr, nullptr, nullptr);
  HWND drawnList = CreateWindowExA(0, "ListBox", "", WS_CHILD | LBS_OWNERDRAWFIXED, 0, 0, 50, 50,
                                   window, nullptr, nullptr, nullptr);
  EXPECT_FALSE(IsOwnerDrawnListBox(plainList));
  EXPECT_TRUE(IsOwnerDrawnListBox(drawnList));
  EXPECT_FALSE(IsOwnerDrawnListBox(group));
}

TEST_F(SharedTest, DescribeFontReadsTheControlsFont) {
  HWND window = MakeWindow();
  HWND label = MakeChild(window, "Static", 10, 30, 100, 20);
  HFONT font = CreateFontA(-16, 0, 0, 0, FW_BOLD, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
  SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
  const FontDescription description = DescribeFont(label);
  EXPECT_FALSE(description.face.empty());
  EXPECT_GT(description.size, 0);
  EXPECT_EQ(description.style & 1, 1);
  DestroyWindow(label);
  DeleteObject(font);
}

TEST_F(SharedTest, AControlsPropertiesLeadToItsStateOnlyWhenTheyNameItsOwnRecord) {
  HWND window = MakeWindow();
  HWND button = MakeChild(window, "Button", 10, 30, 80, 24);
  HWND other = MakeChild(window, "Button", 10, 60, 80, 24);
  const int n = Attach(window);
  const Family<ButtonRecord> buttons{&WindowRecord::buttons};
  const ControlState<ButtonRecord> found = FindControl(skin.get(), button, buttons);
  ASSERT_TRUE(found);
  EXPECT_EQ(found.n, n);
  EXPECT_EQ(found.record->window, button);
  EXPECT_EQ(RecordAt(*skin, n, found.index, buttons), found.record);
  // Properties that name another control's place lead nowhere.
  WriteProp(other, kWindowNumberKey, found.index);
  EXPECT_FALSE(FindControl(skin.get(), other, buttons));
  EXPECT_EQ(FindAttached(*skin, window).record, &Record(n));
  EXPECT_EQ(FindAttached(*skin, button).record, nullptr);
}

HDC WINAPI NoDc(HDC) {
  return nullptr;
}

TEST_F(SharedTest, WithoutAMemoryDcASnapshotOrARenderingLeavesNoBitmap) {
  HWND window = MakeWindow();
  HWND label = MakeChild(window, "Static", 20, 40, 100, 20);
  const int n = Attach(window);
  skin->RenderFrame(n, nullptr, false);
  const int before = LiveGdiObjects();
  const size_t registered = skin->Snapshots().Count();
  {
    ImportPatch noDc("gdi32.dll", "CreateCompatibleDC", reinterpret_cast<const void*>(&NoDc));
    ASSERT_TRUE(noDc.Active());
    EXPECT_EQ(TakeBackgroundSnapshot(*skin, label, RECT{0, 0, 100, 20}), nullptr);
    EXPECT_EQ(skin->Snapshots().Count(), registered);
    EXPECT_EQ(LiveGdiObjects(), before);
    // The band copies of a rendering with the frame cache in place.
    skin->RenderFrame(n, nullptr, false);
  }
  skin->RenderFrame(n, nullptr, false);
  EXPECT_EQ(LiveGdiObjects(), before);

  // The frame cache itself: a window rendered for the first time.
  HWND second = MakeWindow(0, 150, 150);
  const int m = Attach(second);
  const int unrendered = LiveGdiObjects();
  {
    ImportPatch noDc("gdi32.dll", "CreateCompatibleDC", reinterpret_cast<const void*>(&NoDc));
    skin->RenderFrame(m, nullptr, false);
    skin->RenderFrame(m, nullptr, false);
  }
  EXPECT_EQ(LiveGdiObjects(), unrendered);
  skin->RenderFrame(m, nullptr, false);
  EXPECT_NE(Record(m).frameCache, nullptr);
}

TEST_F(SharedTest, TheGdiMeterSeesALeak) {
  const int before = LiveGdiObjects();
  HBRUSH leaked = CreateSolidBrush(RGB(1, 2, 3));
  HDC leakedDc = CreateCompatibleDC(nullptr);
  EXPECT_EQ(LiveGdiObjects(), before + 2);
  DeleteObject(leaked);
  DeleteDC(leakedDc);
  EXPECT_EQ(LiveGdiObjects(), before);
}

TEST_F(SharedTest, SnapshotsAndVeilsAreReleasedOnce) {
  HWND window = MakeWindow();
  Attach(window);
  skin->Settings(1, 32);
  skin->RenderFrame(1, nullptr, false);
  HWND label = MakeChild(window, "Static", 40, 60, 100, 30);
  const int before = LiveGdiObjects();
  HDC snapshot = TakeBackgroundSnapshot(*skin, label, RECT{0, 0, 100, 30});
  ASSERT_NE(snapshot, nullptr);
  EXPECT_EQ(skin->Snapshots().Count(), 1u);
  // The snapshot holds what cache DC 1 has behind the control.
  EXPECT_EQ(GetPixel(snapshot, 5, 5), GetPixel(Record(1).frameCache, 45, 65));
  ReleaseSnapshot(*skin, snapshot);
  ReleaseSnapshot(*skin, snapshot);  // unknown now: nothing
  EXPECT_EQ(skin->Snapshots().Count(), 0u);
  EXPECT_EQ(LiveGdiObjects(), before);

  HBITMAP veil = MakeVeilBitmap(*skin, label);
  EXPECT_EQ(GetObjectType(veil), static_cast<DWORD>(OBJ_BITMAP));
  EXPECT_EQ(skin->Snapshots().Count(), 0u);
  DeleteObject(veil);
  HDC veiled = MakeVeilDC(*skin, label);
  ReleaseSnapshot(*skin, veiled);
  PaintVeil(*skin, label, nullptr, 0);
  EXPECT_EQ(LiveGdiObjects(), before);
}

TEST_F(SharedTest, RenderingAndDetachingLeaveNoGdiObjects) {
  HWND window = MakeWindow(WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  HWND label = MakeChild(window, "Static", 40, 60, 100, 30);
  const int made = LiveGdiObjects();
  Attach(window);
  skin->Settings(1, 32);
  skin->RenderFrame(1, nullptr, true);
  std::vector<int> counts;
  for (int i = 0; i < 20; ++i) {
    skin->RenderFrame(1, nullptr, i % 2 == 0);
    skin->DrawTitleButton(1, 1, nullptr, false, true, 120);
    HDC dc = GetDC(label);
    SendMessageA(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(label));
    ReleaseDC(label, dc);
    counts.push_back(LiveGdiObjects());
  }
  // Renderings replace their objects: the count stays where the first left it.
  EXPECT_EQ(counts.front(), counts.back());
  EXPECT_GT(counts.front(), made);
}

TEST_F(SharedTest, DestroyingAnAttachedWindowFreesWhatItsLabelsAndCachesHeld) {
  // Wine keeps objects of its own for every window made, so what a plain
  // attached window and label leave is the baseline.
  const int plainBefore = LiveGdiObjects();
  {
    HWND window = MakeWindow(WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    MakeChild(window, "Static", 40, 60, 100, 30);
    skin->AttachWindow(window, AttachOptions{});  // the tooltip window is Wine's cost too
    DestroyWindow(window);
    Pump();
  }
  const int plainLeft = LiveGdiObjects() - plainBefore;
  const int before = LiveGdiObjects();
  HWND window = MakeWindow(WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  HWND label = MakeChild(window, "Static", 40, 60, 100, 30);
  Attach(window);
  skin->Settings(1, 32);
  for (int i = 0; i < 5; ++i) {
    skin->RenderFrame(1, nullptr, true);
    HDC dc = GetDC(label);
    SendMessageA(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(label));
    ReleaseDC(label, dc);
  }
  DestroyWindow(window);
  Pump();
  EXPECT_EQ(skin->WindowCount(), 0);
  EXPECT_EQ(LiveGdiObjects() - before, plainLeft);
}

TEST_F(SharedTest, ChildClippedDcLeavesOutOnlyVisibleOpaqueChildren) {
  HWND window = MakeWindow();
  HWND visible = MakeChild(window, "Static", 10, 10, 20, 20);
  HWND hidden = MakeChild(window, "Static", 50, 10, 20, 20);
  ShowWindow(hidden, SW_HIDE);
  HWND transparent = CreateWindowExA(WS_EX_TRANSPARENT, "Static", "", WS_CHILD | WS_VISIBLE, 90, 10,
                                     20, 20, window, nullptr, nullptr, nullptr);
  HDC dc = ChildClippedDC(window, nullptr, 0);
  EXPECT_FALSE(PtVisible(dc, 15, 15));
  EXPECT_TRUE(PtVisible(dc, 55, 15));
  EXPECT_TRUE(PtVisible(dc, 95, 15));
  EXPECT_TRUE(PtVisible(dc, 200, 200));
  ReleaseDC(window, dc);
  (void)visible;
  (void)transparent;
}

TEST(DrawingHelpers, MeasureTextGrowsWithTheSize) {
  TextSize small, large;
  const int smallHeight = MeasureText("鼠标坐标", "宋体", 12, 0, &small);
  const int largeHeight = MeasureText("鼠标坐标", "宋体", 24, 0, &large);
  EXPECT_GT(smallHeight, 1);
  EXPECT_GT(largeHeight, smallHeight);
  EXPECT_GT(large.width, small.width);
  EXPECT_EQ(smallHeight, small.height + 1);
}

}  // namespace
}  // namespace framework::testing
