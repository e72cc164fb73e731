// Reading config.ini beside the executable: the sentinel, the length limit,
// the section, and fresh reads.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/Config.h"

namespace {

std::wstring ExecutableDirectory() {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring text(path);
  return text.substr(0, text.find_last_of(L'\\') + 1);
}

// Writes config.ini beside the test executable (UTF-8 is fine: the texts are ASCII).
void WriteConfig(const std::wstring& directory, const std::string& content) {
  HANDLE file = ::CreateFileW((directory + L"config.ini").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  ::CloseHandle(file);
}

class ConfigTest : public testing::Test {
 protected:
  void SetUp() override { ::DeleteFileW((m_dir + L"config.ini").c_str()); }
  void TearDown() override { ::DeleteFileW((m_dir + L"config.ini").c_str()); }
  void Write(const std::string& content) { WriteConfig(m_dir, content); }

  std::wstring m_dir = ExecutableDirectory();
};

TEST_F(ConfigTest, ModuleDirectoryIsTheExecutablesFolderWithTrailingBackslash) {
  CString directory = GetModuleDirectory();
  EXPECT_EQ(std::wstring(directory), m_dir);
  EXPECT_EQ(directory.GetAt(directory.GetLength() - 1), L'\\');
}

TEST_F(ConfigTest, NoFileGivesTheSentinel) {
  EXPECT_EQ(ReadConfigValue(L"client_web"), L"error");
}

TEST_F(ConfigTest, FileOnlyInTheCurrentDirectoryIsNotRead) {
  wchar_t temp[MAX_PATH] = {};
  ::GetTempPathW(MAX_PATH, temp);
  std::wstring other = std::wstring(temp) + L"tarvessa-config-cwd\\";
  ::CreateDirectoryW(other.c_str(), nullptr);
  WriteConfig(other, "[lq]\r\nclient_web=http://cwd.example/\r\n");
  wchar_t previous[MAX_PATH] = {};
  ::GetCurrentDirectoryW(MAX_PATH, previous);
  ::SetCurrentDirectoryW(other.c_str());

  CString value = ReadConfigValue(L"client_web");

  ::SetCurrentDirectoryW(previous);
  ::DeleteFileW((other + L"config.ini").c_str());
  ::RemoveDirectoryW(other.c_str());
  EXPECT_EQ(value, L"error");
}

struct ValueCase {
  const char* name;
  std::string file;
  const wchar_t* key;
  std::wstring expected;
};

class ConfigValueTest : public ConfigTest, public testing::WithParamInterface<ValueCase> {};

TEST_P(ConfigValueTest, ReadsTheValue) {
  Write(GetParam().file);
  EXPECT_EQ(std::wstring(ReadConfigValue(GetParam().key)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ConfigValueTest,
    testing::Values(
        ValueCase{"PlainValue", "[lq]\r\nclient_web=http://list.example/a?b=1\r\n", L"client_web",
                  L"http://list.example/a?b=1"},
        ValueCase{"LiteralErrorIsTheSentinel", "[lq]\r\nfullscn_key=error\r\n", L"fullscn_key", L"error"},
        ValueCase{"CapitalisedErrorIsAValue", "[lq]\r\nfullscn_key=Error\r\n", L"fullscn_key", L"Error"},
        ValueCase{"EmptyValueIsEmptyNotTheSentinel", "[lq]\r\nfullscn_key=\r\n", L"fullscn_key", L""},
        ValueCase{"ValueMayHoldEqualsSigns", "[lq]\r\nfullscn_key=fullscn=1\r\n", L"fullscn_key",
                  L"fullscn=1"},
        ValueCase{"KeyOfAnotherSectionIsMissing", "[other]\r\nclient_web=http://x/\r\n[lq]\r\nservice_key=s\r\n",
                  L"client_web", L"error"},
        ValueCase{"MissingKeyInSection", "[lq]\r\nservice_key=s\r\n", L"client_web", L"error"},
        ValueCase{"LongValueIsCutTo511", "[lq]\r\nclient_web=" + std::string(600, 'a') + "\r\n", L"client_web",
                  std::wstring(511, L'a')}),
    [](const testing::TestParamInfo<ValueCase>& p) { return p.param.name; });

TEST_F(ConfigTest, FileEditedBetweenTwoReadsIsSeenAfresh) {
  Write("[lq]\r\nclient_web=http://first.example/\r\n");
  EXPECT_EQ(ReadConfigValue(L"client_web"), L"http://first.example/");
  // Same length and the same second: only a fresh read of the file tells them apart.
  Write("[lq]\r\nclient_web=http://other.example/\r\n");
  EXPECT_EQ(ReadConfigValue(L"client_web"), L"http://other.example/");
  ::DeleteFileW((m_dir + L"config.ini").c_str());
  EXPECT_EQ(ReadConfigValue(L"client_web"), L"error");
}

TEST(ConfigValueOr, ReplacesOnlyTheExactSentinel) {
  EXPECT_EQ(ConfigValueOr(L"error", L"fullscn=1"), L"fullscn=1");
  EXPECT_EQ(ConfigValueOr(L"ERROR", L"fullscn=1"), L"ERROR");
  EXPECT_EQ(ConfigValueOr(L"", L"fullscn=1"), L"");
  EXPECT_EQ(ConfigValueOr(L"error ", L"fullscn=1"), L"error ");
}

}  // namespace
