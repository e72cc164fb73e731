#include "support/WindowTesting.h"

#include <psapi.h>

namespace testing_support {
namespace {

BOOL CALLBACK CountChild(HWND, LPARAM counter) noexcept {
  ++*reinterpret_cast<int*>(counter);
  return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND hwnd, LPARAM counter) noexcept {
  ++*reinterpret_cast<int*>(counter);
  ::EnumChildWindows(hwnd, &CountChild, counter);
  return TRUE;
}

MessageBoxAnswerer* g_answerer = nullptr;

}  // namespace

int CountThreadWindows() {
  int count = 0;
  ::EnumThreadWindows(::GetCurrentThreadId(), &CountTopLevel, reinterpret_cast<LPARAM>(&count));
  return count;
}

size_t WorkingSetBytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
  return counters.WorkingSetSize;
}

bool DiscardQuitMessage() {
  MSG msg;
  bool found = false;
  while (::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) found = true;
  return found;
}

void DispatchPendingMessages() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

MessageBoxAnswerer::MessageBoxAnswerer(std::vector<int> answers) : m_answers(std::move(answers)) {
  g_answerer = this;
  m_hook = ::SetWindowsHookExW(WH_CBT, &OnCbt, nullptr, ::GetCurrentThreadId());
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
  if (m_hook) ::UnhookWindowsHookEx(m_hook);
  g_answerer = nullptr;
}

LRESULT CALLBACK MessageBoxAnswerer::OnCbt(int code, WPARAM wParam, LPARAM lParam) noexcept {
  if (code == HCBT_ACTIVATE && g_answerer) {
    HWND hwnd = reinterpret_cast<HWND>(wParam);
    wchar_t className[16] = {};
    ::GetClassNameW(hwnd, className, 16);
    if (std::wstring(className) == L"#32770") g_answerer->Answer(hwnd);
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void MessageBoxAnswerer::Answer(HWND box) {
  Box seen;
  wchar_t buffer[512] = {};
  ::GetWindowTextW(box, buffer, 512);
  seen.caption = buffer;
  // A message box's text is its static control with ID 0xFFFF.
  buffer[0] = L'\0';
  ::GetDlgItemTextW(box, 0xFFFF, buffer, 512);
  seen.text = buffer;
  seen.owner = ::GetWindow(box, GW_OWNER);
  size_t index = m_boxes.size();
  m_boxes.push_back(seen);
  if (m_answers.empty()) return;
  int answer = index < m_answers.size() ? m_answers[index] : m_answers.back();
  // Posted, so the box's own loop dispatches it once the box is up.
  ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
}

}  // namespace testing_support
