// GDI+ runs for the whole test program, as it does for the whole program.
#include <gtest/gtest.h>

#include "gdiplus/gdiplus_object.h"

namespace {

class GdiplusEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { token_ = gdiplus::StartGdiplus(); }
  void TearDown() override { gdiplus::StopGdiplus(token_, 1); }

 private:
  ULONG_PTR token_ = 0;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

}  // namespace
