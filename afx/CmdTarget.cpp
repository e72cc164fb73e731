#include "afx/CmdTarget.h"

namespace afx {

namespace {
bool Matches(const MessageMapEntry& entry, UINT message, WPARAM wParam) {
  if (entry.message == kAnyCtlColor)
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
  if (entry.message != message) return false;
  if (message != WM_COMMAND) return true;
  UINT id = LOWORD(wParam);
  return entry.code == HIWORD(wParam) && id >= entry.firstId && id <= entry.lastId;
}
}  // namespace

const MessageMapEntry* FindMessageEntry(const MessageMap* map, UINT message, WPARAM wParam) {
  for (; map; map = map->base ? map->base() : nullptr)
    for (const MessageMapEntry* entry = map->entries; entry->thunk; ++entry)
      if (Matches(*entry, message, wParam)) return entry;
  return nullptr;
}

}  // namespace afx

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const afx::MessageMap* CCmdTarget::GetThisMessageMap() {
  static const afx::MessageMapEntry entries[] = {{0, 0, 0, 0, nullptr}};
  static const afx::MessageMap map = {nullptr, entries};
  return &map;
}

const afx::MessageMap* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

bool CCmdTarget::OnCmdMsg(UINT id, UINT code) {
  const afx::MessageMapEntry* entry =
      afx::FindMessageEntry(GetMessageMap(), WM_COMMAND, MAKEWPARAM(id, code));
  if (!entry) return false;
  LRESULT ignored = 0;
  entry->thunk(this, WM_COMMAND, MAKEWPARAM(id, code), 0, ignored);
  return true;
}
