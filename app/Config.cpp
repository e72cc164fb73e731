#include "app/Config.h"

#include <windows.h>

#include <cstdlib>

CString GetModuleDirectory() {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  wchar_t drive[_MAX_DRIVE] = {};
  wchar_t directory[_MAX_DIR] = {};
  ::_wsplitpath_s(path, drive, _MAX_DRIVE, directory, _MAX_DIR, nullptr, 0, nullptr, 0);
  return CString(drive) + directory;
}

CString ReadConfigValue(CString key) {
  CString file = GetModuleDirectory() + L"config.ini";
  wchar_t value[512] = {};
  ::GetPrivateProfileStringW(L"lq", key, kConfigMissing, value, 512, file);
  return CString(value);
}

CString ConfigValueOr(const CString& value, const wchar_t* fallback) {
  return value == kConfigMissing ? CString(fallback) : value;
}
