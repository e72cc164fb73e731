// The resources of both built executables, read from the files: identifiers and
// languages, dialog templates, initialisation data, images, icon, game page,
// version block and manifest.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>

#include "afx/GdiPlus.h"
#include "res/resource.h"
#include "resources/DecodedImage.h"
#include "resources/ExecutableResources.h"

namespace resources {
namespace {

constexpr LANGID kChinese = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);  // 2052
constexpr LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);          // 1033
static_assert(kChinese == 2052 && kEnglish == 1033);

// The numbers every window finds its resources by.
static_assert(IDD_LAUNCHER == 102 && IDD_LAUNCHER_CONTROLS == 103 && IDD_GAME == 150);
static_assert(IDR_GAME_PAGE == 106 && IDI_APP == 155);
static_assert(IDB_LAUNCHER_BG == 158 && IDB_EXIT == 138 && IDB_EXIT_HOT == 137 && IDB_MINIMIZE == 159 &&
              IDB_MINIMIZE_HOT == 160);
static_assert(IDC_SITE == 104 && IDC_SPARE == 105 && IDC_BROWSER == 1005 && IDC_EXIT == 1004 &&
              IDC_MINIMIZE == 1012);

constexpr std::uint16_t kRtDlgInit = 240;
const ResourceKey kPng = ResourceKey::Name(L"PNG");

ResourceKey Type(LPCWSTR type) { return ResourceKey::From(type); }
ResourceKey Id(std::uint16_t id) { return ResourceKey::Id(id); }

// Every resource of the set except the icon images, which the icon group names.
const std::vector<ResourceEntry>& ExpectedEntries() {
  static const std::vector<ResourceEntry> entries = {
      {Type(RT_DIALOG), Id(IDD_LAUNCHER), kChinese},
      {Type(RT_DIALOG), Id(IDD_LAUNCHER_CONTROLS), kChinese},
      {Type(RT_DIALOG), Id(IDD_GAME), kChinese},
      {Id(kRtDlgInit), Id(IDD_LAUNCHER_CONTROLS), kChinese},
      {Type(RT_HTML), Id(IDR_GAME_PAGE), kChinese},
      {Type(RT_GROUP_ICON), Id(IDI_APP), kChinese},
      {kPng, Id(IDB_LAUNCHER_BG), kChinese},
      {kPng, Id(IDB_EXIT), kChinese},
      {kPng, Id(IDB_EXIT_HOT), kChinese},
      {kPng, Id(IDB_MINIMIZE), kChinese},
      {kPng, Id(IDB_MINIMIZE_HOT), kChinese},
      {Type(RT_VERSION), Id(VS_VERSION_INFO), kChinese},
      {Type(RT_MANIFEST), Id(1), kEnglish},
  };
  return entries;
}

struct BuiltExecutable {
  const char* label;
  const wchar_t* variable;
};

std::string Label(const testing::TestParamInfo<BuiltExecutable>& info) { return info.param.label; }
void PrintTo(const BuiltExecutable& executable, std::ostream* out) { *out << executable.label; }

class ResourceSet : public testing::TestWithParam<BuiltExecutable> {
 protected:
  static void SetUpTestSuite() {
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&s_gdiplusToken, &input, nullptr);
  }
  static void TearDownTestSuite() { Gdiplus::GdiplusShutdown(s_gdiplusToken); }

  void SetUp() override {
    const std::wstring path = ExecutablePathFromEnvironment(GetParam().variable);
    ASSERT_FALSE(path.empty()) << "the test run does not name the executable: set the environment variable "
                               << testing::PrintToString(std::wstring(GetParam().variable));
    m_file = ExecutableResources::Open(path);
    ASSERT_TRUE(m_file) << "cannot open the built executable " << testing::PrintToString(path)
                        << " (error " << ::GetLastError() << "); build it first";
  }

  Bytes Need(const ResourceKey& type, const ResourceKey& name, LANGID language = kChinese) const {
    std::optional<Bytes> bytes = m_file->Read(type, name, language);
    if (!bytes) {
      ADD_FAILURE() << "missing " << Describe(ResourceEntry{type, name, language});
      return {};
    }
    return *bytes;
  }

  std::optional<ExecutableResources> m_file;
  static inline ULONG_PTR s_gdiplusToken = 0;
};

INSTANTIATE_TEST_SUITE_P(Built, ResourceSet,
                         testing::Values(BuiltExecutable{"Product32", L"TARVESSA_EXE32"},
                                         BuiltExecutable{"Build64", L"TARVESSA_EXE64"}),
                         Label);

// --- Identifiers, types and languages ----------------------------------------

TEST_P(ResourceSet, EveryResourceIsPresentUnderItsOwnLanguageOnly) {
  const std::vector<ResourceEntry> all = m_file->List();
  for (const ResourceEntry& expected : ExpectedEntries()) {
    EXPECT_TRUE(std::binary_search(all.begin(), all.end(), expected)) << "missing " << Describe(expected);
    for (const ResourceEntry& present : all) {
      if (present.type == expected.type && present.name == expected.name) {
        EXPECT_EQ(present.language, expected.language) << "also present as " << Describe(present);
      }
    }
  }
}

TEST_P(ResourceSet, TypesOfTheSetHoldNothingElse) {
  // Dialog templates and icons may also come with the class layer; these types are the set's alone.
  const std::set<ResourceKey> ownTypes = {Id(kRtDlgInit), Type(RT_HTML), kPng, Type(RT_GROUP_ICON),
                                          Type(RT_VERSION), Type(RT_MANIFEST)};
  const std::vector<ResourceEntry>& expected = ExpectedEntries();
  for (const ResourceEntry& present : m_file->List()) {
    if (!ownTypes.count(present.type)) continue;
    EXPECT_NE(std::find(expected.begin(), expected.end(), present), expected.end())
        << "unexpected " << Describe(present);
  }
}

// --- Dialog templates ----------------------------------------------------------

struct ExpectedDialog {
  std::uint16_t id;
  std::uint32_t style, exStyle;
  std::int16_t cx, cy;
  const wchar_t* caption;
  std::uint16_t pointSize, weight;
  std::uint8_t italic, charset;
  const wchar_t* typeface;
  std::size_t controls;
};

const ExpectedDialog kDialogs[] = {
    {IDD_LAUNCHER, 0x10C90048, 0x00040000, 315, 208, L"Tarvessa", 9, 0, 0, 1, L"MS Shell Dlg", 0},
    {IDD_LAUNCHER_CONTROLS, 0x80000040, 0, 662, 388, L"", 9, 0, 0, 0, L"MS Sans Serif", 5},
    {IDD_GAME, 0x80C008C8, 0x00040000, 835, 415, L"Tarvessa", 8, 400, 0, 1, L"MS Shell Dlg", 0},
};

TEST_P(ResourceSet, DialogTemplatesCarryExactlyTheirHeaderFields) {
  for (const ExpectedDialog& expected : kDialogs) {
    SCOPED_TRACE("dialog " + std::to_string(expected.id));
    const Bytes bytes = Need(Type(RT_DIALOG), Id(expected.id));
    if (bytes.empty()) continue;
    const DialogTemplateEx dialog = ParseDialogTemplateEx(bytes);
    EXPECT_EQ(dialog.helpId, 0u);
    EXPECT_EQ(dialog.style, expected.style) << std::hex << dialog.style;
    EXPECT_EQ(dialog.exStyle, expected.exStyle) << std::hex << dialog.exStyle;
    EXPECT_EQ(dialog.x, 0);
    EXPECT_EQ(dialog.y, 0);
    EXPECT_EQ(dialog.cx, expected.cx);
    EXPECT_EQ(dialog.cy, expected.cy);
    EXPECT_EQ(dialog.menu, NameOrOrdinal::Name(L"")) << Describe(dialog.menu);
    EXPECT_EQ(dialog.windowClass, NameOrOrdinal::Name(L"")) << Describe(dialog.windowClass);
    EXPECT_EQ(dialog.title, expected.caption);
    EXPECT_EQ(dialog.pointSize, expected.pointSize);
    EXPECT_EQ(dialog.weight, expected.weight);
    EXPECT_EQ(dialog.italic, expected.italic);
    EXPECT_EQ(dialog.charset, expected.charset);
    EXPECT_EQ(dialog.typeface, expected.typeface);
    EXPECT_EQ(dialog.items.size(), expected.controls);
    EXPECT_LT(dialog.trailingBytes, 4u) << "bytes after the last control";
  }
}

struct ExpectedControl {
  std::uint32_t id;
  NameOrOrdinal windowClass;
  NameOrOrdinal text;
  std::uint32_t style;
  std::int16_t x, y, cx, cy;
};

const NameOrOrdinal kButtonClass = NameOrOrdinal::Ordinal(0x0080);

TEST_P(ResourceSet, ControlLayerHoldsItsControlsInTemplateOrder) {
  const ExpectedControl expected[] = {
      {IDC_SITE, kButtonClass, NameOrOrdinal::Name(L"\u5B98\u65B9\u7F51\u7AD9"), 0x40010C81, 0, 0, 55, 17},
      {IDC_BROWSER, NameOrOrdinal::Name(L"{8856F961-340A-11D0-A96B-00C04FD705A2}"), NameOrOrdinal::Name(L""),
       0x50000000, 139, 69, 37, 20},
      {IDC_EXIT, NameOrOrdinal::Name(L"MfcButton"), NameOrOrdinal::Name(L""), 0x50000000, 528, 60, 16, 16},
      {IDC_SPARE, kButtonClass, NameOrOrdinal::Name(L""), 0x40010001, 59, 2, 50, 14},
      {IDC_MINIMIZE, NameOrOrdinal::Name(L"MfcButton"), NameOrOrdinal::Name(L""), 0x50010000, 451, 63, 50, 14},
  };
  const Bytes bytes = Need(Type(RT_DIALOG), Id(IDD_LAUNCHER_CONTROLS));
  ASSERT_FALSE(bytes.empty());
  const DialogTemplateEx dialog = ParseDialogTemplateEx(bytes);
  ASSERT_EQ(dialog.items.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const DialogItem& item = dialog.items[i];
    const ExpectedControl& want = expected[i];
    SCOPED_TRACE("control " + std::to_string(i + 1) + ", ID " + std::to_string(want.id));
    EXPECT_EQ(item.id, want.id);
    EXPECT_EQ(item.windowClass, want.windowClass) << Describe(item.windowClass);
    EXPECT_EQ(item.title, want.text) << Describe(item.title);
    EXPECT_EQ(item.style, want.style) << std::hex << item.style;
    EXPECT_EQ(item.exStyle, 0u);
    EXPECT_EQ(item.helpId, 0u);
    EXPECT_EQ(item.x, want.x);
    EXPECT_EQ(item.y, want.y);
    EXPECT_EQ(item.cx, want.cx);
    EXPECT_EQ(item.cy, want.cy);
    EXPECT_TRUE(item.creationData.empty());
  }
}

// --- Initialisation data of the control layer ------------------------------------

// The WebBrowser control's empty persisted state: version, the options block
// (its size, the extent in 0.01 mm, ten flags off, Visible on, reserved), the
// saved address as an empty shell link header, and an empty address.
Bytes EmptyBrowserState() {
  Bytes state(160, 0);
  auto put32 = [&](std::size_t at, std::uint32_t value) { std::memcpy(&state[at], &value, 4); };
  put32(4, 76);
  put32(8, 1482);
  put32(12, 794);
  put32(56, 1);
  put32(80, 76);
  const GUID shellLink = {0x00021401, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
  std::memcpy(&state[84], &shellLink, sizeof shellLink);
  put32(140, 1);  // show command: normal
  return state;
}

Bytes TextBytes(const char* text) { return Bytes(text, text + std::strlen(text)); }

TEST_P(ResourceSet, ControlLayerInitialisationRecordsAreExact) {
  const char* exitSettings =
      "<MFCButton_Style>6</MFCButton_Style><MFCButton_Autosize>FALSE</MFCButton_Autosize>"
      "<MFCButton_Tooltip></MFCButton_Tooltip><MFCButton_FullTextTool>FALSE</MFCButton_FullTextTool>"
      "<MFCButton_CursorType>12</MFCButton_CursorType><MFCButton_ImageType>10</MFCButton_ImageType>"
      "<MFCButton_ImageOnTop>FALSE</MFCButton_ImageOnTop><MFCButton_ImageOnRight>FALSE</MFCButton_ImageOnRight>";
  const char* minimizeSettings =
      "<MFCButton_Style>6</MFCButton_Style><MFCButton_Autosize>FALSE</MFCButton_Autosize>"
      "<MFCButton_Tooltip></MFCButton_Tooltip><MFCButton_FullTextTool>TRUE</MFCButton_FullTextTool>"
      "<MFCButton_CursorType>12</MFCButton_CursorType><MFCButton_ImageType>8</MFCButton_ImageType>"
      "<MFCButton_ImageOnTop>FALSE</MFCButton_ImageOnTop><MFCButton_ImageOnRight>FALSE</MFCButton_ImageOnRight>";
  ASSERT_EQ(std::strlen(exitSettings), 371u);
  ASSERT_EQ(std::strlen(minimizeSettings), 369u);
  const DlgInitRecord expected[] = {
      {IDC_BROWSER, 0x0376, EmptyBrowserState()},
      {IDC_EXIT, 0x037C, TextBytes(exitSettings)},
      {IDC_MINIMIZE, 0x037C, TextBytes(minimizeSettings)},
  };

  const Bytes bytes = Need(Id(kRtDlgInit), Id(IDD_LAUNCHER_CONTROLS));
  ASSERT_FALSE(bytes.empty());
  const DlgInit init = ParseDlgInit(bytes);
  EXPECT_TRUE(init.terminated) << "the list must end with a 16-bit zero";
  EXPECT_EQ(init.trailingBytes, 0u);
  ASSERT_EQ(init.records.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE("record " + std::to_string(i + 1));
    EXPECT_EQ(init.records[i].controlId, expected[i].controlId);
    EXPECT_EQ(init.records[i].message, expected[i].message);
    EXPECT_EQ(init.records[i].data.size(), expected[i].data.size());
    EXPECT_TRUE(init.records[i].data == expected[i].data) << "bytes differ";
  }
  // The browser's saved extent, read where the control finds it.
  const Bytes& state = init.records[0].data;
  std::int32_t extent[2];
  std::memcpy(extent, &state[8], sizeof extent);
  EXPECT_EQ(extent[0], 1482);
  EXPECT_EQ(extent[1], 794);
}

// --- Images ----------------------------------------------------------------------

struct ExpectedImage {
  std::uint16_t id;
  std::uint32_t width, height;
  std::uint8_t colorType;
};

const ExpectedImage kImages[] = {
    {IDB_LAUNCHER_BG, 1257, 877, kPngRgba}, {IDB_EXIT, 52, 80, kPngRgba},         {IDB_EXIT_HOT, 52, 80, kPngRgba},
    {IDB_MINIMIZE, 57, 61, kPngRgba},       {IDB_MINIMIZE_HOT, 57, 61, kPngRgb},
};

TEST_P(ResourceSet, ImagesHaveTheirSizeAndPixelFormat) {
  for (const ExpectedImage& expected : kImages) {
    SCOPED_TRACE("image " + std::to_string(expected.id));
    const Bytes bytes = Need(kPng, Id(expected.id));
    if (bytes.empty()) continue;
    const PngHeader header = ParsePngHeader(bytes);
    EXPECT_EQ(header.width, expected.width);
    EXPECT_EQ(header.height, expected.height);
    EXPECT_EQ(header.bitDepth, 8);
    EXPECT_EQ(header.colorType, expected.colorType);
    const DecodedImage decoded = DecodeImage(bytes);
    EXPECT_EQ(decoded.width, static_cast<int>(expected.width)) << "GDI+ does not decode it";
    EXPECT_EQ(decoded.height, static_cast<int>(expected.height));
  }
}

TEST_P(ResourceSet, BackgroundIsShapedWithSoftEdgesAroundADarkPanel) {
  const DecodedImage image = DecodeImage(Need(kPng, Id(IDB_LAUNCHER_BG)));
  ASSERT_EQ(image.width, 1257);
  ASSERT_EQ(image.height, 877);

  // Fully transparent margins: the whole outer border, the corners with it.
  for (int x = 0; x < image.width; ++x) {
    ASSERT_EQ(image.At(x, 0).a, 0) << "top edge at x " << x;
    ASSERT_EQ(image.At(x, image.height - 1).a, 0) << "bottom edge at x " << x;
  }
  for (int y = 0; y < image.height; ++y) {
    ASSERT_EQ(image.At(0, y).a, 0) << "left edge at y " << y;
    ASSERT_EQ(image.At(image.width - 1, y).a, 0) << "right edge at y " << y;
  }

  // The dark panel where the server list goes: opaque and dark throughout.
  for (int y = 308; y <= 733; ++y)
    for (int x = 363; x <= 1020; ++x) {
      const Pixel p = image.At(x, y);
      ASSERT_EQ(p.a, 255) << "panel pixel " << x << "," << y;
      ASSERT_LE(std::max({p.r, p.g, p.b}), 48) << "panel pixel " << x << "," << y;
    }

  // The shaped outline: mostly transparent or opaque, with a band of partial alpha between.
  std::size_t transparent = 0, partial = 0, opaque = 0;
  for (std::uint32_t v : image.argb) {
    const std::uint32_t a = v >> 24;
    (a == 0 ? transparent : a == 255 ? opaque : partial)++;
  }
  EXPECT_GT(transparent, image.argb.size() / 20) << "the margins should be wide";
  EXPECT_GT(opaque, image.argb.size() / 2);
  EXPECT_GT(partial, 2000u) << "the outline should be anti-aliased";

  // Pictures of both buttons lie on opaque artwork at the button rectangles.
  const RECT buttons[] = {{962, 237, 1024, 296}, {1018, 249, 1076, 337}};
  for (const RECT& r : buttons) {
    std::set<std::uint32_t> colours;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) {
        ASSERT_EQ(image.At(x, y).a, 255) << "button area pixel " << x << "," << y;
        colours.insert(image.argb[static_cast<std::size_t>(y) * 1257 + static_cast<std::size_t>(x)]);
      }
    EXPECT_GT(colours.size(), 100u) << "no picture at the button rectangle " << r.left << "," << r.top;
  }
}

TEST_P(ResourceSet, ButtonImagesAreShapedAndTheirHotFormsDiffer) {
  const DecodedImage exit = DecodeImage(Need(kPng, Id(IDB_EXIT)));
  const DecodedImage exitHot = DecodeImage(Need(kPng, Id(IDB_EXIT_HOT)));
  const DecodedImage minimize = DecodeImage(Need(kPng, Id(IDB_MINIMIZE)));
  const DecodedImage minimizeHot = DecodeImage(Need(kPng, Id(IDB_MINIMIZE_HOT)));
  for (const DecodedImage* shaped : {&exit, &exitHot, &minimize}) {
    ASSERT_GT(shaped->width, 0);
    EXPECT_EQ(shaped->At(0, 0).a, 0) << "corner of a shaped button";
    EXPECT_EQ(shaped->At(shaped->width / 2, shaped->height / 2).a, 255) << "centre of a shaped button";
  }
  EXPECT_TRUE(exit.argb != exitHot.argb);
  ASSERT_GT(minimizeHot.width, 0);
  // No alpha channel: its corners are opaque too.
  EXPECT_EQ(minimizeHot.At(0, 0).a, 255);
  EXPECT_TRUE(minimize.argb != minimizeHot.argb);
}

// --- Icon --------------------------------------------------------------------------

TEST_P(ResourceSet, IconHasOneImageOf48PixelsAnd32Bits) {
  const Bytes group = Need(Type(RT_GROUP_ICON), Id(IDI_APP));
  ASSERT_FALSE(group.empty());
  const std::vector<IconGroupEntry> entries = ParseIconGroup(group);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].width, 48);
  EXPECT_EQ(entries[0].height, 48);
  EXPECT_EQ(entries[0].planes, 1);
  EXPECT_EQ(entries[0].bitCount, 32);

  Bytes image = Need(Type(RT_ICON), Id(entries[0].iconId));
  ASSERT_FALSE(image.empty());
  EXPECT_EQ(image.size(), entries[0].bytesInRes);
  ASSERT_GE(image.size(), sizeof(BITMAPINFOHEADER));
  BITMAPINFOHEADER header;
  std::memcpy(&header, image.data(), sizeof header);
  EXPECT_EQ(header.biSize, sizeof header);
  EXPECT_EQ(header.biWidth, 48);
  EXPECT_EQ(header.biHeight, 96) << "colour and mask rows";
  EXPECT_EQ(header.biBitCount, 32);

  afx::UniqueIcon icon(::CreateIconFromResourceEx(image.data(), static_cast<DWORD>(image.size()), TRUE,
                                                  0x00030000, 0, 0, LR_DEFAULTCOLOR));
  ASSERT_TRUE(icon);
  ICONINFO info{};
  ASSERT_TRUE(::GetIconInfo(icon.get(), &info));
  afx::UniqueBitmap colour(info.hbmColor), mask(info.hbmMask);
  BITMAP bitmap{};
  ::GetObjectW(colour.get(), sizeof bitmap, &bitmap);
  EXPECT_EQ(bitmap.bmWidth, 48);
  EXPECT_EQ(bitmap.bmHeight, 48);
}

// --- Game page -----------------------------------------------------------------------

TEST_P(ResourceSet, GamePageIsTheSmallBlackPage) {
  const Bytes bytes = Need(Type(RT_HTML), Id(IDR_GAME_PAGE));
  EXPECT_EQ(bytes.size(), 237u);
  const std::string page(bytes.begin(), bytes.end());
  auto count = [&](const std::string& marker) {
    std::size_t n = 0;
    for (std::size_t at = page.find(marker); at != std::string::npos; at = page.find(marker, at + 1)) ++n;
    return n;
  };
  const char* markers[] = {
      "<META http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">",
      "<BODY ID=\"CZrGameDlg\" BGCOLOR=\"BLACK\">",
      "<TABLE WIDTH=\"100%\">",
      "<TR><TD ALIGN=\"RIGHT\"></TD></TR>",
      "<TR WIDTH=\"100%\" HEIGHT=\"75\"></TR>",
      "</TABLE></BODY></HTML>",
  };
  for (const char* marker : markers) EXPECT_EQ(count(marker), 1u) << marker;
  EXPECT_EQ(count("<TR"), 2u);
  EXPECT_EQ(count("<TD"), 1u);
  EXPECT_EQ(count("<TABLE"), 1u);
}

// --- Version block -------------------------------------------------------------------

TEST_P(ResourceSet, VersionBlockCarriesTheProductsValues) {
  const Bytes bytes = Need(Type(RT_VERSION), Id(VS_VERSION_INFO));
  ASSERT_FALSE(bytes.empty());
  const VersionBlock block = ParseVersionBlock(bytes);
  const VS_FIXEDFILEINFO& fixed = block.fixed;
  EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed.dwFileVersionMS, 0x00010001u);
  EXPECT_EQ(fixed.dwFileVersionLS, 0x00120001u);
  EXPECT_EQ(fixed.dwProductVersionMS, 0x00010001u);
  EXPECT_EQ(fixed.dwProductVersionLS, 0x00120001u);
  EXPECT_EQ(fixed.dwFileFlagsMask, 0x3Fu);
  EXPECT_EQ(fixed.dwFileFlags, 0u);
  EXPECT_EQ(fixed.dwFileOS, 4u);
  EXPECT_EQ(fixed.dwFileType, 1u);

  ASSERT_EQ(block.stringTables.size(), 1u);
  EXPECT_EQ(block.stringTables[0].first, L"080403a8");
  const std::pair<const wchar_t*, const wchar_t*> strings[] = {
      {L"FileDescription", L"lq Launcher"}, {L"FileVersion", L"1.1.18.1"},
      {L"ProductVersion", L"1.1.18.1"},     {L"ProductName", L"Tarvessa"},
      {L"InternalName", L"Tarvessa.exe"},   {L"OriginalFilename", L"Tarvessa.exe"},
  };
  for (const auto& [key, value] : strings)
    EXPECT_EQ(block.String(L"080403a8", key), std::optional<std::wstring>(value)) << testing::PrintToString(key);
  for (const wchar_t* key : {L"CompanyName", L"LegalCopyright"}) {
    const std::optional<std::wstring> value = block.String(L"080403a8", key);
    ASSERT_TRUE(value) << testing::PrintToString(key);
    EXPECT_NE(value->find(L"Tarvessa"), std::wstring::npos) << "the maker is the project itself";
  }
  EXPECT_EQ(block.translations, std::vector<std::uint32_t>{0x03A80804u}) << "language 0x0804, code page 936";
}

// --- Manifest --------------------------------------------------------------------------

// The attributes of the first element with this name, e.g. level="asInvoker".
std::map<std::string, std::string> Attributes(const std::string& xml, const std::string& element) {
  std::map<std::string, std::string> out;
  const std::size_t start = xml.find("<" + element);
  if (start == std::string::npos) return out;
  const std::size_t end = xml.find('>', start);
  const std::string tag = xml.substr(start, end - start);
  for (std::size_t eq = tag.find('='); eq != std::string::npos; eq = tag.find('=', eq + 1)) {
    std::size_t nameEnd = eq, nameStart = tag.rfind(' ', eq) + 1;
    const std::size_t open = eq + 1, close = tag.find('"', open + 1);
    out[tag.substr(nameStart, nameEnd - nameStart)] = tag.substr(open + 1, close - open - 1);
  }
  return out;
}

// The text between <element ...> and </element>.
std::string ElementText(const std::string& xml, const std::string& element) {
  const std::size_t start = xml.find("<" + element);
  if (start == std::string::npos) return {};
  const std::size_t open = xml.find('>', start) + 1;
  const std::size_t close = xml.find("</" + element, open);
  return close == std::string::npos ? std::string{} : xml.substr(open, close - open);
}

TEST_P(ResourceSet, ManifestAsksForNoElevationAndIsDpiAware) {
  const Bytes bytes = Need(Type(RT_MANIFEST), Id(1), kEnglish);
  const std::string xml(bytes.begin(), bytes.end());
  const std::map<std::string, std::string> level = Attributes(xml, "requestedExecutionLevel");
  EXPECT_EQ(level.count("level") ? level.at("level") : "", "asInvoker");
  EXPECT_EQ(level.count("uiAccess") ? level.at("uiAccess") : "", "false");
  EXPECT_EQ(ElementText(xml, "dpiAware"), "true");
  EXPECT_NE(xml.find("<windowsSettings"), std::string::npos);
}

}  // namespace
}  // namespace resources
