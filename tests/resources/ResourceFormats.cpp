#include "resources/ResourceFormats.h"

#include <cstring>

namespace resources {
namespace {

// Sequential little-endian reader over a resource's bytes.
class Reader {
 public:
  explicit Reader(const Bytes& data, std::size_t begin = 0, std::size_t end = SIZE_MAX)
      : m_data(data), m_pos(begin), m_end(end == SIZE_MAX ? data.size() : end) {
    if (m_end > data.size() || m_pos > m_end) throw FormatError("block runs past the resource");
  }

  std::size_t Position() const { return m_pos; }
  std::size_t Remaining() const { return m_end - m_pos; }

  template <class T>
  T Read() {
    Need(sizeof(T));
    T value;
    std::memcpy(&value, m_data.data() + m_pos, sizeof(T));
    m_pos += sizeof(T);
    return value;
  }

  Bytes ReadBytes(std::size_t count) {
    Need(count);
    Bytes out(m_data.begin() + static_cast<std::ptrdiff_t>(m_pos),
              m_data.begin() + static_cast<std::ptrdiff_t>(m_pos + count));
    m_pos += count;
    return out;
  }

  std::wstring ReadString() {
    std::wstring text;
    for (wchar_t c = static_cast<wchar_t>(Read<std::uint16_t>()); c != 0;
         c = static_cast<wchar_t>(Read<std::uint16_t>()))
      text.push_back(c);
    return text;
  }

  NameOrOrdinal ReadNameOrOrdinal() {
    std::uint16_t first = Read<std::uint16_t>();
    if (first == 0) return NameOrOrdinal::Name(L"");
    if (first == 0xFFFF) return NameOrOrdinal::Ordinal(Read<std::uint16_t>());
    m_pos -= 2;
    return NameOrOrdinal::Name(ReadString());
  }

  // Skips to the next 32-bit boundary, counted from the start of the resource.
  void AlignDword() { m_pos = std::min(m_end, (m_pos + 3) & ~std::size_t{3}); }

 private:
  void Need(std::size_t count) const {
    if (count > m_end - m_pos) throw FormatError("unexpected end of data");
  }

  const Bytes& m_data;
  std::size_t m_pos;
  std::size_t m_end;
};

std::string Narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) out += (c < 0x80) ? static_cast<char>(c) : '?';
  return out;
}

}  // namespace

std::string Describe(const NameOrOrdinal& field) {
  if (field.ordinal) return "#" + std::to_string(*field.ordinal);
  return "\"" + Narrow(field.name) + "\"";
}

DialogTemplateEx ParseDialogTemplateEx(const Bytes& data) {
  Reader in(data);
  DialogTemplateEx dialog;
  dialog.version = in.Read<std::uint16_t>();
  dialog.signature = in.Read<std::uint16_t>();
  if (dialog.version != 1 || dialog.signature != 0xFFFF) throw FormatError("not an extended dialog template");
  dialog.helpId = in.Read<std::uint32_t>();
  dialog.exStyle = in.Read<std::uint32_t>();
  dialog.style = in.Read<std::uint32_t>();
  const std::uint16_t count = in.Read<std::uint16_t>();
  dialog.x = in.Read<std::int16_t>();
  dialog.y = in.Read<std::int16_t>();
  dialog.cx = in.Read<std::int16_t>();
  dialog.cy = in.Read<std::int16_t>();
  dialog.menu = in.ReadNameOrOrdinal();
  dialog.windowClass = in.ReadNameOrOrdinal();
  dialog.title = in.ReadString();
  if (dialog.style & DS_SETFONT) {
    dialog.pointSize = in.Read<std::uint16_t>();
    dialog.weight = in.Read<std::uint16_t>();
    dialog.italic = in.Read<std::uint8_t>();
    dialog.charset = in.Read<std::uint8_t>();
    dialog.typeface = in.ReadString();
  }
  for (std::uint16_t i = 0; i < count; ++i) {
    in.AlignDword();
    DialogItem item;
    item.helpId = in.Read<std::uint32_t>();
    item.exStyle = in.Read<std::uint32_t>();
    item.style = in.Read<std::uint32_t>();
    item.x = in.Read<std::int16_t>();
    item.y = in.Read<std::int16_t>();
    item.cx = in.Read<std::int16_t>();
    item.cy = in.Read<std::int16_t>();
    item.id = in.Read<std::uint32_t>();
    item.windowClass = in.ReadNameOrOrdinal();
    item.title = in.ReadNameOrOrdinal();
    item.creationData = in.ReadBytes(in.Read<std::uint16_t>());
    dialog.items.push_back(std::move(item));
  }
  dialog.trailingBytes = in.Remaining();
  return dialog;
}

DlgInit ParseDlgInit(const Bytes& data) {
  Reader in(data);
  DlgInit init;
  while (in.Remaining() >= 2) {
    DlgInitRecord record;
    record.controlId = in.Read<std::uint16_t>();
    if (record.controlId == 0) {
      init.terminated = true;
      break;
    }
    record.message = in.Read<std::uint16_t>();
    record.data = in.ReadBytes(in.Read<std::uint32_t>());
    init.records.push_back(std::move(record));
  }
  init.trailingBytes = in.Remaining();
  return init;
}

std::vector<IconGroupEntry> ParseIconGroup(const Bytes& data) {
  Reader in(data);
  if (in.Read<std::uint16_t>() != 0 || in.Read<std::uint16_t>() != 1) throw FormatError("not an icon group");
  std::vector<IconGroupEntry> entries(in.Read<std::uint16_t>());
  for (IconGroupEntry& entry : entries) {
    entry.width = in.Read<std::uint8_t>();
    entry.height = in.Read<std::uint8_t>();
    entry.colorCount = in.Read<std::uint8_t>();
    in.Read<std::uint8_t>();  // reserved
    entry.planes = in.Read<std::uint16_t>();
    entry.bitCount = in.Read<std::uint16_t>();
    entry.bytesInRes = in.Read<std::uint32_t>();
    entry.iconId = in.Read<std::uint16_t>();
  }
  return entries;
}

PngHeader ParsePngHeader(const Bytes& data) {
  static const std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (data.size() < 33 || std::memcmp(data.data(), kSignature, 8) != 0) throw FormatError("not a PNG file");
  auto big32 = [&](std::size_t at) {
    return std::uint32_t{data[at]} << 24 | std::uint32_t{data[at + 1]} << 16 | std::uint32_t{data[at + 2]} << 8 |
           std::uint32_t{data[at + 3]};
  };
  if (big32(8) != 13 || std::memcmp(data.data() + 12, "IHDR", 4) != 0) throw FormatError("PNG without IHDR first");
  PngHeader header;
  header.width = big32(16);
  header.height = big32(20);
  header.bitDepth = data[24];
  header.colorType = data[25];
  header.interlace = data[28];
  return header;
}

namespace {

// One node of a version block: length, value length, type, key, value, children.
struct VersionNode {
  std::wstring key;
  std::uint16_t type = 0;
  std::size_t valueBegin = 0, valueBytes = 0;
  std::size_t childrenBegin = 0, end = 0;
};

VersionNode ReadVersionNode(const Bytes& data, std::size_t at, std::size_t limit) {
  Reader in(data, at, limit);
  VersionNode node;
  const std::uint16_t length = in.Read<std::uint16_t>();
  const std::uint16_t valueLength = in.Read<std::uint16_t>();
  node.type = in.Read<std::uint16_t>();
  if (length < 6 || at + length > limit) throw FormatError("version node runs past its parent");
  node.end = at + length;
  node.key = in.ReadString();
  in.AlignDword();
  node.valueBegin = in.Position();
  node.valueBytes = node.type == 1 ? valueLength * 2u : valueLength;
  node.childrenBegin = std::min(node.end, (node.valueBegin + node.valueBytes + 3) & ~std::size_t{3});
  return node;
}

template <class Visit>
void ForEachChild(const Bytes& data, const VersionNode& parent, Visit visit) {
  for (std::size_t at = parent.childrenBegin; at + 6 <= parent.end;) {
    VersionNode child = ReadVersionNode(data, at, parent.end);
    visit(child);
    at = (child.end + 3) & ~std::size_t{3};
  }
}

std::wstring TextValue(const Bytes& data, const VersionNode& node) {
  std::wstring text;
  for (std::size_t i = 0; i + 1 < node.valueBytes; i += 2) {
    wchar_t c = static_cast<wchar_t>(data[node.valueBegin + i] | data[node.valueBegin + i + 1] << 8);
    if (c == 0) break;
    text.push_back(c);
  }
  return text;
}

}  // namespace

VersionBlock ParseVersionBlock(const Bytes& data) {
  VersionNode root = ReadVersionNode(data, 0, data.size());
  if (root.key != L"VS_VERSION_INFO" || root.valueBytes != sizeof(VS_FIXEDFILEINFO))
    throw FormatError("not a version block");
  VersionBlock block;
  std::memcpy(&block.fixed, data.data() + root.valueBegin, sizeof block.fixed);
  ForEachChild(data, root, [&](const VersionNode& section) {
    if (section.key == L"StringFileInfo") {
      ForEachChild(data, section, [&](const VersionNode& table) {
        VersionBlock::Strings strings;
        ForEachChild(data, table, [&](const VersionNode& entry) {
          strings.emplace_back(entry.key, TextValue(data, entry));
        });
        block.stringTables.emplace_back(table.key, std::move(strings));
      });
    } else if (section.key == L"VarFileInfo") {
      ForEachChild(data, section, [&](const VersionNode& var) {
        if (var.key != L"Translation") return;
        for (std::size_t i = 0; i + 4 <= var.valueBytes; i += 4) {
          std::uint32_t value;
          std::memcpy(&value, data.data() + var.valueBegin + i, 4);
          block.translations.push_back(value);
        }
      });
    }
  });
  return block;
}

std::optional<std::wstring> VersionBlock::String(const std::wstring& table, const std::wstring& key) const {
  for (const auto& [name, strings] : stringTables) {
    if (name != table) continue;
    for (const auto& [k, v] : strings)
      if (k == key) return v;
  }
  return std::nullopt;
}

}  // namespace resources
