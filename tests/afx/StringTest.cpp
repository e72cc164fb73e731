// CString: conversions the program relies on.
#include <gtest/gtest.h>

#include "afx/AfxString.h"

namespace {

TEST(CString, BstrIsReadUpToItsFirstNul) {
  BSTR text = ::SysAllocStringLen(L"ab\0cd", 5);
  EXPECT_EQ(CString::FromBstr(text), L"ab");
  ::SysFreeString(text);
  EXPECT_EQ(CString::FromBstr(nullptr), L"");
}

TEST(CString, FormatTakesWideTextForPercentS) {
  CString text;
  text.Format(L"%s|%d", L"\u8fdb\u5165", 42);
  EXPECT_EQ(text, L"\u8fdb\u5165|42");
}

TEST(CString, AllocSysStringKeepsTheWholeText) {
  CString text(L"x\0y", 3);
  BSTR copy = text.AllocSysString();
  EXPECT_EQ(::SysStringLen(copy), 3u);
  ::SysFreeString(copy);
}

TEST(CString, Utf8RoundTrip) {
  CString text = CString::FromUtf8("Tarvessa \xe9\x80\x80\xe5\x87\xba");
  EXPECT_EQ(text, L"Tarvessa \u9000\u51fa");
  EXPECT_EQ(text.ToUtf8(), "Tarvessa \xe9\x80\x80\xe5\x87\xba");
}

TEST(CString, FindAndPieces) {
  CString text(L"http://a/?fullscn=1");
  EXPECT_EQ(text.Find(L"fullscn=1"), 10);
  EXPECT_EQ(text.Find(L""), 0);
  EXPECT_EQ(text.Find(L"FULLSCN=1"), -1);
  EXPECT_EQ(text.Left(4), L"http");
  EXPECT_EQ(text.Mid(10), L"fullscn=1");
}

}  // namespace
