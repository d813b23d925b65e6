// The owning types free what they hold when they go out of scope.
#include "framework/gdi_handles.h"

#include <gtest/gtest.h>

#include "tests/framework/gdi_meter.h"

namespace framework::testing {
namespace {

TEST(OwningTypes, FreeWhatTheyHoldAtTheEnd) {
  const int before = LiveGdiObjects();
  {
    const OwnedBrush brush(CreateSolidBrush(RGB(1, 2, 3)));
    const OwnedRegion region(CreateRectRgn(0, 0, 4, 4));
    const MemoryDc dc;
    const OwnedBitmap bitmap(CreateCompatibleBitmap(dc.get(), 4, 4));
    const SelectedObject selected(dc.get(), bitmap.get());
    const WindowDc screen(nullptr, WindowDc::Area::kClient);
    // The meter sees what was made.
    EXPECT_GE(LiveGdiObjects(), before + 4);
  }
  EXPECT_EQ(LiveGdiObjects(), before);
}

TEST(OwningTypes, ReleaseHandsTheObjectOverAndASelectionIsUndone) {
  OwnedBrush brush(CreateSolidBrush(RGB(1, 2, 3)));
  const HBRUSH taken = brush.Release();
  EXPECT_EQ(brush.get(), nullptr);
  EXPECT_EQ(GetObjectType(taken), static_cast<DWORD>(OBJ_BRUSH));
  DeleteObject(taken);

  const MemoryDc dc;
  const HGDIOBJ first = GetCurrentObject(dc.get(), OBJ_BITMAP);
  const OwnedBitmap bitmap(CreateCompatibleBitmap(dc.get(), 2, 2));
  {
    const SelectedObject selected(dc.get(), bitmap.get());
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BITMAP), bitmap.get());
  }
  EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BITMAP), first);
}

}  // namespace
}  // namespace framework::testing
