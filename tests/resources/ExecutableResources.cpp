#include "resources/ExecutableResources.h"

#include <algorithm>

namespace resources {
namespace {

std::string Narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) out += (c < 0x80) ? static_cast<char>(c) : '?';
  return out;
}

struct Enumeration {
  HMODULE module;
  std::vector<ResourceEntry>* out;
  ResourceKey type;
  ResourceKey name;
};

BOOL CALLBACK OnLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR param) noexcept {
  auto* state = reinterpret_cast<Enumeration*>(param);
  try {
    state->out->push_back({state->type, state->name, language});
  } catch (...) {
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK OnName(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR param) noexcept {
  auto* state = reinterpret_cast<Enumeration*>(param);
  try {
    state->name = ResourceKey::From(name);
  } catch (...) {
    return FALSE;
  }
  ::EnumResourceLanguagesW(module, type, name, &OnLanguage, param);
  return TRUE;
}

BOOL CALLBACK OnType(HMODULE module, LPWSTR type, LONG_PTR param) noexcept {
  auto* state = reinterpret_cast<Enumeration*>(param);
  try {
    state->type = ResourceKey::From(type);
  } catch (...) {
    return FALSE;
  }
  ::EnumResourceNamesW(module, type, &OnName, param);
  return TRUE;
}

}  // namespace

ResourceKey ResourceKey::From(LPCWSTR key) {
  if (IS_INTRESOURCE(key)) return Id(static_cast<std::uint16_t>(reinterpret_cast<ULONG_PTR>(key)));
  return Name(key);
}

std::string Describe(const ResourceKey& key) {
  return key.id ? std::to_string(*key.id) : "\"" + Narrow(key.name) + "\"";
}

std::string Describe(const ResourceEntry& entry) {
  return "type " + Describe(entry.type) + ", name " + Describe(entry.name) + ", language " +
         std::to_string(entry.language);
}

std::optional<ExecutableResources> ExecutableResources::Open(const std::wstring& path) {
  HMODULE module =
      ::LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (!module) return std::nullopt;
  return ExecutableResources(afx::UniqueModule(module));
}

std::vector<ResourceEntry> ExecutableResources::List() const {
  std::vector<ResourceEntry> entries;
  Enumeration state{m_module.get(), &entries, {}, {}};
  ::EnumResourceTypesW(m_module.get(), &OnType, reinterpret_cast<LONG_PTR>(&state));
  std::sort(entries.begin(), entries.end());
  return entries;
}

std::optional<Bytes> ExecutableResources::Read(const ResourceKey& type, const ResourceKey& name,
                                               LANGID language) const {
  HRSRC found = ::FindResourceExW(m_module.get(), type.AsParameter(), name.AsParameter(), language);
  if (!found) return std::nullopt;
  // Exact language only: FindResourceEx may fall back to another one.
  bool exact = false;
  Enumeration probe{m_module.get(), nullptr, type, name};
  std::vector<ResourceEntry> languages;
  probe.out = &languages;
  ::EnumResourceLanguagesW(m_module.get(), type.AsParameter(), name.AsParameter(), &OnLanguage,
                           reinterpret_cast<LONG_PTR>(&probe));
  for (const ResourceEntry& entry : languages) exact = exact || entry.language == language;
  if (!exact) return std::nullopt;
  const DWORD size = ::SizeofResource(m_module.get(), found);
  HGLOBAL loaded = ::LoadResource(m_module.get(), found);
  const auto* bytes = static_cast<const std::uint8_t*>(::LockResource(loaded));
  if (!bytes) return std::nullopt;
  return Bytes(bytes, bytes + size);
}

std::wstring ExecutablePathFromEnvironment(const wchar_t* variable) {
  wchar_t buffer[MAX_PATH * 2] = {};
  const DWORD length = ::GetEnvironmentVariableW(variable, buffer, static_cast<DWORD>(std::size(buffer)));
  if (length == 0 || length >= std::size(buffer)) return {};
  std::wstring path(buffer, length);
  if (!path.empty() && path.front() == L'/') path = L"Z:" + path;
  std::replace(path.begin(), path.end(), L'/', L'\\');
  return path;
}

}  // namespace resources
