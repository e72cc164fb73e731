// The page behaviour a test gives the browser double, as plain values.
//
// A scenario is a text of lines; blank lines and lines starting with '#' are
// ignored. Tokens are separated by blanks; a token in double quotes may hold
// blanks and the escapes \" \\ \0 \n \t \xHHHH (one UTF-16 unit).
//
//   on PATTERN call NAME [ARG...]     after completing a top-level address that
//                                     matches PATTERN, call NAME on window.external
//   on PATTERN frame URL              after completing such an address, complete a
//                                     frame navigation to URL
//   fail MEMBER HRESULT               the next use of MEMBER fails with HRESULT
//   throw MEMBER [SCODE] "TEXT"       the next use of MEMBER reports DISP_E_EXCEPTION
//                                     with description TEXT and scode SCODE (E_FAIL)
//
// PATTERN: * (any address), *TEXT* (address contains TEXT), or the exact address.
// MEMBER: navigate, silent (put and get), location (LocationURL get).
// ARG: "text" (VT_BSTR), 42 / -7 / 0x10 (VT_I4), 2.5 (VT_R8), true / false
// (VT_BOOL), null (VT_NULL), empty (VT_EMPTY), missing (VT_ERROR with
// DISP_E_PARAMNOTFOUND, as script passes a left-out argument).
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace browser_double {

enum class ArgKind { String, Integer, Real, Bool, Null, Empty, Missing };

struct ScriptArg {
  ArgKind kind = ArgKind::Empty;
  std::wstring text;     // String: may hold NUL characters
  long integer = 0;      // Integer; Bool: 0 or 1
  double real = 0.0;     // Real
};

struct AddressPattern {
  enum class Kind { Any, Contains, Exact };
  Kind kind = Kind::Any;
  std::wstring text;

  bool Matches(std::wstring_view address) const;
};

struct PageRule {
  enum class Action { CallExternal, CompleteFrame };
  AddressPattern when;
  Action action = Action::CallExternal;
  std::wstring name;             // CallExternal: the method name as written
  std::vector<ScriptArg> args;   // CallExternal: in script order
  std::wstring frameUrl;         // CompleteFrame
};

enum class Member { Navigate, Silent, Location };

struct InjectedFailure {
  Member member = Member::Navigate;
  HRESULT hr = E_FAIL;           // fail: the result; throw: the exception's scode
  bool exception = false;        // throw: DISP_E_EXCEPTION with description
  std::wstring description;
};

struct Scenario {
  std::vector<PageRule> rules;
  std::vector<InjectedFailure> failures;   // consumed front to back per member
};

struct ParsedScenario {
  bool ok = true;
  Scenario scenario;
  int errorLine = 0;             // 1-based line of the first error
  std::wstring error;
};

ParsedScenario ParseScenario(std::wstring_view text);

// Splits one line into tokens; quoted tokens are unescaped and marked.
struct Token {
  std::wstring text;
  bool quoted = false;
};
bool Tokenize(std::wstring_view line, std::vector<Token>& tokens, std::wstring& error);

const wchar_t* MemberName(Member member);

}  // namespace browser_double
