// CCmdTarget and table-driven message maps.
//
// A class's map is a static table of entries plus the map it continues with:
// the base class named in BEGIN_MESSAGE_MAP, which need not be the C++ base.
// Each entry holds a thunk made for the exact handler it names, so handlers
// keep their own signatures and nothing is cast between member pointer types.
#pragma once
#include <windows.h>

#include "afx/RuntimeClass.h"

class CCmdTarget;

namespace afx {

// Calls one handler for one message and stores its result.
using MessageThunk = void (*)(CCmdTarget* target, UINT message, WPARAM wParam, LPARAM lParam,
                              LRESULT& result);

struct MessageMapEntry {
  UINT message;      // the message, WM_COMMAND for commands, kAnyCtlColor for all WM_CTLCOLOR*
  UINT code;         // for WM_COMMAND: the notification code
  UINT firstId;      // for WM_COMMAND: the range of control or command IDs
  UINT lastId;
  MessageThunk thunk;  // null ends the table
};

struct MessageMap {
  const MessageMap* (*base)();  // null for the root map
  const MessageMapEntry* entries;
};

// Matches every WM_CTLCOLORMSGBOX..WM_CTLCOLORSTATIC message.
constexpr UINT kAnyCtlColor = 0x0019;

// The entry of map (or of the maps it continues with) that handles the message.
const MessageMapEntry* FindMessageEntry(const MessageMap* map, UINT message, WPARAM wParam);

}  // namespace afx

class CCmdTarget : public CObject {
  DECLARE_DYNAMIC(CCmdTarget)
 public:
  CCmdTarget() = default;
  CCmdTarget(const CCmdTarget&) = delete;
  CCmdTarget& operator=(const CCmdTarget&) = delete;
  ~CCmdTarget() override = default;

  virtual const afx::MessageMap* GetMessageMap() const;

  // Runs the command handler for id and code, if this target's map has one.
  virtual bool OnCmdMsg(UINT id, UINT code);

 protected:
  static const afx::MessageMap* GetThisMessageMap();
};

#define DECLARE_MESSAGE_MAP()                          \
 protected:                                            \
  static const ::afx::MessageMap* GetThisMessageMap(); \
                                                       \
 public:                                               \
  const ::afx::MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                     \
  const ::afx::MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const ::afx::MessageMap* theClass::GetThisMessageMap() {                         \
    using ThisClass [[maybe_unused]] = theClass;                                   \
    using TheBaseClass = baseClass;                                                \
    static const ::afx::MessageMapEntry entries[] = {
#define END_MESSAGE_MAP()                                              \
  {0, 0, 0, 0, nullptr}};                                              \
  static const ::afx::MessageMap map = {&TheBaseClass::GetThisMessageMap, entries}; \
  return &map;                                                         \
  }

// The same for a class template: BEGIN_TEMPLATE_MESSAGE_MAP((Class<A, B>), base, (class A, class B)).
#define AFX_UNPAREN(...) __VA_ARGS__
#define BEGIN_TEMPLATE_MESSAGE_MAP(theClass, baseClass, params)                    \
  template <AFX_UNPAREN params>                                                    \
  const ::afx::MessageMap* AFX_UNPAREN theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  template <AFX_UNPAREN params>                                                    \
  const ::afx::MessageMap* AFX_UNPAREN theClass::GetThisMessageMap() {             \
    using ThisClass [[maybe_unused]] = AFX_UNPAREN theClass;                       \
    using TheBaseClass = baseClass;                                                \
    static const ::afx::MessageMapEntry entries[] = {
