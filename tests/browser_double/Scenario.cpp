#include "Scenario.h"

#include <cerrno>
#include <cwchar>
#include <cwctype>

namespace browser_double {

bool AddressPattern::Matches(std::wstring_view address) const {
  switch (kind) {
    case Kind::Any: return true;
    case Kind::Contains: return address.find(text) != std::wstring_view::npos;
    case Kind::Exact: return address == text;
  }
  return false;
}

const wchar_t* MemberName(Member member) {
  switch (member) {
    case Member::Navigate: return L"navigate";
    case Member::Silent: return L"silent";
    case Member::Location: return L"location";
  }
  return L"?";
}

namespace {

int HexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

bool ReadQuoted(std::wstring_view line, size_t& i, std::wstring& out, std::wstring& error) {
  ++i;  // opening quote
  while (i < line.size()) {
    wchar_t c = line[i++];
    if (c == L'"') return true;
    if (c != L'\\') {
      out += c;
      continue;
    }
    if (i >= line.size()) break;
    wchar_t e = line[i++];
    switch (e) {
      case L'"': out += L'"'; break;
      case L'\\': out += L'\\'; break;
      case L'0': out += L'\0'; break;
      case L'n': out += L'\n'; break;
      case L't': out += L'\t'; break;
      case L'x': {
        unsigned value = 0;
        for (int k = 0; k < 4; ++k) {
          int d = i < line.size() ? HexDigit(line[i]) : -1;
          if (d < 0) {
            error = L"\\x needs four hex digits";
            return false;
          }
          value = value * 16 + static_cast<unsigned>(d);
          ++i;
        }
        out += static_cast<wchar_t>(value);
        break;
      }
      default:
        error = std::wstring(L"unknown escape \\") + e;
        return false;
    }
  }
  error = L"unterminated quoted text";
  return false;
}

bool ParseInteger(const std::wstring& text, long& value) {
  if (text.empty()) return false;
  wchar_t* end = nullptr;
  errno = 0;
  long long v = std::wcstoll(text.c_str(), &end, 0);
  if (errno != 0 || end != text.c_str() + text.size()) return false;
  if (v < -2147483648LL || v > 4294967295LL) return false;
  value = static_cast<long>(static_cast<int>(static_cast<unsigned long long>(v) & 0xFFFFFFFFu));
  return true;
}

bool ParseReal(const std::wstring& text, double& value) {
  if (text.empty() || text.find(L'.') == std::wstring::npos) return false;
  wchar_t* end = nullptr;
  value = std::wcstod(text.c_str(), &end);
  return end == text.c_str() + text.size();
}

bool ParseHresult(const std::wstring& text, HRESULT& hr) {
  long value = 0;
  if (!ParseInteger(text, value)) return false;
  hr = static_cast<HRESULT>(value);
  return true;
}

bool ParseArg(const Token& token, ScriptArg& arg) {
  if (token.quoted) {
    arg.kind = ArgKind::String;
    arg.text = token.text;
    return true;
  }
  const std::wstring& t = token.text;
  if (t == L"missing") { arg.kind = ArgKind::Missing; return true; }
  if (t == L"null") { arg.kind = ArgKind::Null; return true; }
  if (t == L"empty") { arg.kind = ArgKind::Empty; return true; }
  if (t == L"true" || t == L"false") {
    arg.kind = ArgKind::Bool;
    arg.integer = t == L"true" ? 1 : 0;
    return true;
  }
  if (ParseInteger(t, arg.integer)) { arg.kind = ArgKind::Integer; return true; }
  if (ParseReal(t, arg.real)) { arg.kind = ArgKind::Real; return true; }
  return false;
}

AddressPattern ParsePattern(const std::wstring& text) {
  AddressPattern p;
  if (text == L"*") {
    p.kind = AddressPattern::Kind::Any;
  } else if (text.size() >= 2 && text.front() == L'*' && text.back() == L'*') {
    p.kind = AddressPattern::Kind::Contains;
    p.text = text.substr(1, text.size() - 2);
  } else {
    p.kind = AddressPattern::Kind::Exact;
    p.text = text;
  }
  return p;
}

bool ParseMember(const std::wstring& text, Member& member) {
  for (Member m : {Member::Navigate, Member::Silent, Member::Location}) {
    if (text == MemberName(m)) {
      member = m;
      return true;
    }
  }
  return false;
}

// Parses one line's tokens into the scenario; returns an error text or empty.
std::wstring ParseLine(const std::vector<Token>& tokens, Scenario& scenario) {
  const std::wstring& verb = tokens[0].text;
  if (verb == L"on") {
    if (tokens.size() < 4) return L"expected: on PATTERN call NAME [ARG...] | on PATTERN frame URL";
    PageRule rule;
    rule.when = ParsePattern(tokens[1].text);
    if (tokens[2].text == L"call") {
      rule.action = PageRule::Action::CallExternal;
      rule.name = tokens[3].text;
      for (size_t i = 4; i < tokens.size(); ++i) {
        ScriptArg arg;
        if (!ParseArg(tokens[i], arg)) return L"not an argument: " + tokens[i].text;
        rule.args.push_back(std::move(arg));
      }
    } else if (tokens[2].text == L"frame") {
      if (tokens.size() != 4) return L"expected: on PATTERN frame URL";
      rule.action = PageRule::Action::CompleteFrame;
      rule.frameUrl = tokens[3].text;
    } else {
      return L"unknown action: " + tokens[2].text;
    }
    scenario.rules.push_back(std::move(rule));
    return {};
  }
  if (verb == L"fail") {
    InjectedFailure f;
    if (tokens.size() != 3 || !ParseMember(tokens[1].text, f.member) ||
        !ParseHresult(tokens[2].text, f.hr)) {
      return L"expected: fail navigate|silent|location HRESULT";
    }
    scenario.failures.push_back(std::move(f));
    return {};
  }
  if (verb == L"throw") {
    InjectedFailure f;
    f.exception = true;
    bool shapeOk = (tokens.size() == 3 || tokens.size() == 4) && ParseMember(tokens[1].text, f.member) &&
                   tokens.back().quoted;
    if (shapeOk && tokens.size() == 4) shapeOk = ParseHresult(tokens[2].text, f.hr);
    if (!shapeOk) return L"expected: throw navigate|silent|location [SCODE] \"TEXT\"";
    f.description = tokens.back().text;
    scenario.failures.push_back(std::move(f));
    return {};
  }
  return L"unknown line: " + verb;
}

}  // namespace

bool Tokenize(std::wstring_view line, std::vector<Token>& tokens, std::wstring& error) {
  tokens.clear();
  size_t i = 0;
  while (i < line.size()) {
    if (std::iswspace(line[i])) {
      ++i;
      continue;
    }
    Token token;
    if (line[i] == L'"') {
      token.quoted = true;
      if (!ReadQuoted(line, i, token.text, error)) return false;
    } else {
      while (i < line.size() && !std::iswspace(line[i])) token.text += line[i++];
    }
    tokens.push_back(std::move(token));
  }
  return true;
}

ParsedScenario ParseScenario(std::wstring_view text) {
  ParsedScenario result;
  int lineNumber = 0;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(L'\n', start);
    if (end == std::wstring_view::npos) end = text.size();
    std::wstring_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == L'\r') line.remove_suffix(1);
    ++lineNumber;
    start = end + 1;

    std::vector<Token> tokens;
    std::wstring error;
    if (!Tokenize(line, tokens, error)) {
      result = {false, {}, lineNumber, error};
      return result;
    }
    if (tokens.empty() || (!tokens[0].quoted && tokens[0].text.starts_with(L"#"))) continue;
    error = ParseLine(tokens, result.scenario);
    if (!error.empty()) {
      result = {false, {}, lineNumber, error};
      return result;
    }
  }
  return result;
}

}  // namespace browser_double
