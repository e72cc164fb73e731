#include "framework/GdiplusSession.h"

#include <gtest/gtest.h>

namespace {

class GdiplusSession : public testing::Environment {
 public:
  void SetUp() override {
    Gdiplus::GdiplusStartupInput input;
    ASSERT_EQ(Gdiplus::Ok, Gdiplus::GdiplusStartup(&m_token, &input, nullptr));
  }
  void TearDown() override { Gdiplus::GdiplusShutdown(m_token); }

 private:
  ULONG_PTR m_token = 0;
};

[[maybe_unused]] testing::Environment* const g_session = testing::AddGlobalTestEnvironment(new GdiplusSession);

}  // namespace
