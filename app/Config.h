// The program's settings: section lq of config.ini beside the executable.
// Read afresh at every call, never cached, never written.
#pragma once
#include "afx/AfxString.h"

// The drive and directory of the running executable, ending in a backslash.
CString GetModuleDirectory();

// The value of key in section lq of config.ini, at most 511 characters, or
// "error" when the file, the section or the key is missing.
CString ReadConfigValue(CString key);

// The sentinel ReadConfigValue gives for a missing file, section or key.
inline constexpr const wchar_t* kConfigMissing = L"error";

// value, or fallback when value is the sentinel (compared whole, case-sensitively).
CString ConfigValueOr(const CString& value, const wchar_t* fallback);
