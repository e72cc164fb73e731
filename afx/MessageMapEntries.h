// Message map entries: ON_... macros, each naming a handler of the class whose
// map it stands in, with that handler's own signature.
#pragma once
#include "afx/Wnd.h"

namespace afx::msg {

// Signed coordinates packed in a mouse or move message.
inline int LowSigned(LPARAM value) { return static_cast<short>(LOWORD(value)); }
inline int HighSigned(LPARAM value) { return static_cast<short>(HIWORD(value)); }

template <class T>
struct MemberOf;
template <class C, class R, class... A>
struct MemberOf<R (C::*)(A...)> {
  using Class = C;
};
template <auto Handler>
using HandlerClass = typename MemberOf<decltype(Handler)>::Class;

template <auto Handler>
HandlerClass<Handler>* Target(CCmdTarget* target) {
  return static_cast<HandlerClass<Handler>*>(target);
}

// void OnX()
template <auto Handler>
void Void(CCmdTarget* t, UINT, WPARAM, LPARAM, LRESULT& result) {
  (Target<Handler>(t)->*Handler)();
  result = 0;
}
// void OnSize(UINT type, int cx, int cy)
template <auto Handler>
void Size(CCmdTarget* t, UINT, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  (Target<Handler>(t)->*Handler)(static_cast<UINT>(wParam), LowSigned(lParam), HighSigned(lParam));
  result = 0;
}
// void OnMove(int x, int y)
template <auto Handler>
void Move(CCmdTarget* t, UINT, WPARAM, LPARAM lParam, LRESULT& result) {
  (Target<Handler>(t)->*Handler)(LowSigned(lParam), HighSigned(lParam));
  result = 0;
}
// int OnCreate(LPCREATESTRUCTW)
template <auto Handler>
void Create(CCmdTarget* t, UINT, WPARAM, LPARAM lParam, LRESULT& result) {
  result = (Target<Handler>(t)->*Handler)(reinterpret_cast<LPCREATESTRUCTW>(lParam));
}
// void OnXButtonY(UINT flags, CPoint point)
template <auto Handler>
void Mouse(CCmdTarget* t, UINT, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  (Target<Handler>(t)->*Handler)(static_cast<UINT>(wParam), CPoint(LowSigned(lParam), HighSigned(lParam)));
  result = 0;
}
// BOOL OnEraseBkgnd(CDC*)
template <auto Handler>
void EraseBkgnd(CCmdTarget* t, UINT, WPARAM wParam, LPARAM, LRESULT& result) {
  CDC dc(reinterpret_cast<HDC>(wParam));
  result = (Target<Handler>(t)->*Handler)(&dc);
}
// HBRUSH OnCtlColor(CDC*, CWnd*, UINT kind): every WM_CTLCOLOR* message.
template <auto Handler>
void CtlColor(CCmdTarget* t, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  CDC dc(reinterpret_cast<HDC>(wParam));
  CWnd* control = CWnd::FromHandle(reinterpret_cast<HWND>(lParam));
  HBRUSH brush = (Target<Handler>(t)->*Handler)(&dc, control, message - WM_CTLCOLORMSGBOX);
  result = reinterpret_cast<LRESULT>(brush);
}
// LRESULT OnMessage(WPARAM, LPARAM)
template <auto Handler>
void Message(CCmdTarget* t, UINT, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = (Target<Handler>(t)->*Handler)(wParam, lParam);
}

}  // namespace afx::msg

#define AFX_MSG_ENTRY(message, kind, handler) {message, 0, 0, 0, &::afx::msg::kind<handler>},

#define ON_WM_CLOSE() AFX_MSG_ENTRY(WM_CLOSE, Void, &ThisClass::OnClose)
#define ON_WM_DESTROY() AFX_MSG_ENTRY(WM_DESTROY, Void, &ThisClass::OnDestroy)
#define ON_WM_SIZE() AFX_MSG_ENTRY(WM_SIZE, Size, &ThisClass::OnSize)
#define ON_WM_MOVE() AFX_MSG_ENTRY(WM_MOVE, Move, &ThisClass::OnMove)
#define ON_WM_CREATE() AFX_MSG_ENTRY(WM_CREATE, Create, &ThisClass::OnCreate)
#define ON_WM_LBUTTONDOWN() AFX_MSG_ENTRY(WM_LBUTTONDOWN, Mouse, &ThisClass::OnLButtonDown)
#define ON_WM_RBUTTONDOWN() AFX_MSG_ENTRY(WM_RBUTTONDOWN, Mouse, &ThisClass::OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_MSG_ENTRY(WM_RBUTTONUP, Mouse, &ThisClass::OnRButtonUp)
#define ON_WM_ERASEBKGND() AFX_MSG_ENTRY(WM_ERASEBKGND, EraseBkgnd, &ThisClass::OnEraseBkgnd)
#define ON_WM_CTLCOLOR() AFX_MSG_ENTRY(::afx::kAnyCtlColor, CtlColor, &ThisClass::OnCtlColor)
#define ON_MESSAGE(message, handler) AFX_MSG_ENTRY(message, Message, &ThisClass::handler)
// A handler for a range of messages that all share one handler is written as
// one ON_MESSAGE-like entry each; the two-message case has its own macro.
#define ON_MESSAGE_VOID(message, handler) AFX_MSG_ENTRY(message, Void, &ThisClass::handler)

#define ON_COMMAND(id, handler) {WM_COMMAND, 0, id, id, &::afx::msg::Void<&ThisClass::handler>},
#define ON_CONTROL(code, id, handler) {WM_COMMAND, code, id, id, &::afx::msg::Void<&ThisClass::handler>},
#define ON_BN_CLICKED(id, handler) ON_CONTROL(BN_CLICKED, id, handler)
