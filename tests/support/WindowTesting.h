// Helpers for tests that drive windows from inside the test process.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace testing_support {

// Every live window of this thread, top-level windows and their descendants.
int CountThreadWindows();

// Bytes of this process's working set.
size_t WorkingSetBytes();

// Removes a quit message left in this thread's queue by a program run that
// ended, so the next test's loops do not end at once.
bool DiscardQuitMessage();

// Dispatches this thread's queued messages until none is left.
void DispatchPendingMessages();

// While alive, answers every message box this thread shows with the next of
// the given answers (IDYES, IDNO, ...), or the last one when they run out, and
// records each box's text and caption.
class MessageBoxAnswerer {
 public:
  explicit MessageBoxAnswerer(std::vector<int> answers);
  MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
  MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;
  ~MessageBoxAnswerer();

  struct Box {
    std::wstring text;
    std::wstring caption;
    HWND owner;
  };
  const std::vector<Box>& boxes() const { return m_boxes; }

 private:
  static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) noexcept;
  void Answer(HWND box);

  std::vector<int> m_answers;
  std::vector<Box> m_boxes;
  HHOOK m_hook = nullptr;
};

}  // namespace testing_support
