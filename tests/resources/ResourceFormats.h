// Readers of the binary resource formats the executable carries: extended
// dialog templates, dialog initialisation data, icon groups, PNG headers,
// version blocks. Plain functions on bytes; each throws FormatError when the
// bytes do not hold what the format says.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace resources {

using Bytes = std::vector<std::uint8_t>;

struct FormatError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A name-or-ordinal field of a template: 0 means none, 0xFFFF an ordinal.
struct NameOrOrdinal {
  std::optional<std::uint16_t> ordinal;
  std::wstring name;

  static NameOrOrdinal Ordinal(std::uint16_t value) { return {value, {}}; }
  static NameOrOrdinal Name(std::wstring value) { return {std::nullopt, std::move(value)}; }
  bool operator==(const NameOrOrdinal&) const = default;
};
std::string Describe(const NameOrOrdinal& field);

struct DialogItem {
  std::uint32_t helpId = 0;
  std::uint32_t exStyle = 0;
  std::uint32_t style = 0;
  std::int16_t x = 0, y = 0, cx = 0, cy = 0;
  std::uint32_t id = 0;
  NameOrOrdinal windowClass;
  NameOrOrdinal title;
  Bytes creationData;
};

struct DialogTemplateEx {
  std::uint16_t version = 0;
  std::uint16_t signature = 0;
  std::uint32_t helpId = 0;
  std::uint32_t exStyle = 0;
  std::uint32_t style = 0;
  std::int16_t x = 0, y = 0, cx = 0, cy = 0;
  NameOrOrdinal menu;
  NameOrOrdinal windowClass;
  std::wstring title;
  // Present only with DS_SETFONT (DS_SHELLFONT includes it).
  std::uint16_t pointSize = 0;
  std::uint16_t weight = 0;
  std::uint8_t italic = 0;
  std::uint8_t charset = 0;
  std::wstring typeface;
  std::vector<DialogItem> items;
  // Bytes after the last item (the template must end there, give or take alignment).
  std::size_t trailingBytes = 0;
};

// Reads a DLGTEMPLATEEX with its DLGITEMTEMPLATEEX items.
DialogTemplateEx ParseDialogTemplateEx(const Bytes& data);

struct DlgInitRecord {
  std::uint16_t controlId = 0;
  std::uint16_t message = 0;
  Bytes data;
};

struct DlgInit {
  std::vector<DlgInitRecord> records;
  bool terminated = false;      // a 16-bit zero ended the list
  std::size_t trailingBytes = 0;  // bytes after that zero
};

// Reads RT_DLGINIT: records of control ID, message, byte count and bytes, unpadded.
DlgInit ParseDlgInit(const Bytes& data);

struct IconGroupEntry {
  std::uint8_t width = 0, height = 0, colorCount = 0;
  std::uint16_t planes = 0, bitCount = 0;
  std::uint32_t bytesInRes = 0;
  std::uint16_t iconId = 0;
};

// Reads RT_GROUP_ICON (the resource form of an icon directory).
std::vector<IconGroupEntry> ParseIconGroup(const Bytes& data);

struct PngHeader {
  std::uint32_t width = 0, height = 0;
  std::uint8_t bitDepth = 0, colorType = 0, interlace = 0;
};
inline constexpr std::uint8_t kPngRgb = 2;
inline constexpr std::uint8_t kPngRgba = 6;

// Checks the PNG signature and reads the IHDR chunk, which must come first.
PngHeader ParsePngHeader(const Bytes& data);

struct VersionBlock {
  using Strings = std::vector<std::pair<std::wstring, std::wstring>>;  // key, value in block order

  VS_FIXEDFILEINFO fixed{};
  std::vector<std::pair<std::wstring, Strings>> stringTables;  // StringFileInfo tables by name
  std::vector<std::uint32_t> translations;  // language in the low word, code page in the high word

  // Value of a string in the given table, if present.
  std::optional<std::wstring> String(const std::wstring& table, const std::wstring& key) const;
};

// Walks a VS_VERSIONINFO block (UTF-16 form).
VersionBlock ParseVersionBlock(const Bytes& data);

}  // namespace resources
