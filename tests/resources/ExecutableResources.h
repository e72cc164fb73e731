// The resources of a built executable, read from the file as data: the
// executable is never started, and a 32-bit one opens in a 64-bit process.
#pragma once
#include <windows.h>

#include <compare>
#include <optional>
#include <string>
#include <vector>

#include "afx/Handles.h"
#include "resources/ResourceFormats.h"

namespace resources {

// A resource type or name: an integer identifier or a string.
struct ResourceKey {
  std::optional<std::uint16_t> id;
  std::wstring name;

  static ResourceKey Id(std::uint16_t value) { return {value, {}}; }
  static ResourceKey Name(std::wstring value) { return {std::nullopt, std::move(value)}; }
  static ResourceKey From(LPCWSTR key);
  // For FindResourceEx: MAKEINTRESOURCE or the string.
  LPCWSTR AsParameter() const { return id ? MAKEINTRESOURCEW(*id) : name.c_str(); }
  auto operator<=>(const ResourceKey&) const = default;
};
std::string Describe(const ResourceKey& key);

struct ResourceEntry {
  ResourceKey type;
  ResourceKey name;
  LANGID language = 0;
  auto operator<=>(const ResourceEntry&) const = default;
};
std::string Describe(const ResourceEntry& entry);

class ExecutableResources {
 public:
  // Opens the file as an image resource data file. Empty when it cannot be opened.
  static std::optional<ExecutableResources> Open(const std::wstring& path);

  // Every type, name and language the file carries, sorted.
  std::vector<ResourceEntry> List() const;

  // The bytes of one resource; nullopt when the file has no such resource.
  std::optional<Bytes> Read(const ResourceKey& type, const ResourceKey& name, LANGID language) const;

 private:
  explicit ExecutableResources(afx::UniqueModule module) : m_module(std::move(module)) {}
  afx::UniqueModule m_module;
};

// Paths of the built executables, from the environment variables the test
// is started with (Unix paths under Wine become Z: paths).
std::wstring ExecutablePathFromEnvironment(const wchar_t* variable);

}  // namespace resources
