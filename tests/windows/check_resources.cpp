// Reads Gavrento.exe as Windows' loader and Explorer do, and checks what they find: a
// 32-bit GUI program importing only Windows' own libraries, the Italian version block
// Explorer shows under Properties > Details, and the three-image icon.
// Built for the build machine, so it needs neither Windows nor wine.
//
//   check_resources FILE.exe     one "PASS name" or "FAIL name: why" line per check;
//                                exit status 1 when any check failed.

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

// What the executable must hold.
// clang-format off
constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kVersionStrings{{
    {"FileVersion",      "1.00"},
    {"ProductVersion",   "1.00"},
    {"ProductName",      "Gavrento"},
    {"InternalName",     "Gavrento"},
    {"OriginalFilename", "Gavrento.exe"},
}};
// clang-format on
constexpr std::uint16_t kItalian = 0x0410;
constexpr std::uint16_t kUnicodeCodePage = 1200;
constexpr std::string_view kStringTable = "041004B0";

struct IconImage {
  int width;
  int height;
  int bits;
};
constexpr std::array<IconImage, 3> kIconImages{{{32, 32, 1}, {32, 32, 4}, {16, 16, 4}}};

// Libraries every Windows installation has; anything else would have to travel with the
// program.
constexpr std::array<std::string_view, 12> kSystemLibraries{
    "kernel32.dll", "user32.dll",   "gdi32.dll", "msvcrt.dll",   "advapi32.dll", "shell32.dll",
    "comctl32.dll", "comdlg32.dll", "ole32.dll", "oleaut32.dll", "uxtheme.dll",  "ntdll.dll"};

constexpr std::uint16_t kMachineI386 = 0x14C;
constexpr std::uint16_t kMagicPe32 = 0x10B;
constexpr std::uint16_t kSubsystemGui = 2;
constexpr std::uint32_t kFixedInfoSignature = 0xFEEF04BD;
constexpr std::uint32_t kTypeIcon = 3;
constexpr std::uint32_t kTypeGroupIcon = 14;
constexpr std::uint32_t kTypeVersion = 16;
constexpr std::size_t kImportDirectory = 1;
constexpr std::size_t kResourceDirectory = 2;

// Bounds-checked little-endian reads: a truncated or malformed file fails a check instead
// of reading past the end.
class Bytes {
 public:
  explicit Bytes(std::vector<unsigned char> data) : data_(std::move(data)) {}

  std::size_t Size() const { return data_.size(); }

  std::uint32_t Read(std::size_t at, std::size_t width) const {
    if (at > data_.size() || width > data_.size() - at) throw std::runtime_error("truncated file");
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;) value = (value << 8) | data_[at + i];
    return value;
  }
  std::uint16_t U16(std::size_t at) const { return static_cast<std::uint16_t>(Read(at, 2)); }
  std::uint32_t U32(std::size_t at) const { return Read(at, 4); }
  unsigned U8(std::size_t at) const { return Read(at, 1); }

  std::string Ascii(std::size_t at) const {
    std::string text;
    for (unsigned c = U8(at); c != 0; c = U8(++at)) text.push_back(static_cast<char>(c));
    return text;
  }

  // A NUL-terminated UTF-16 text of plain ASCII; returns it and where it ended.
  std::pair<std::string, std::size_t> Utf16(std::size_t at) const {
    std::string text;
    for (std::uint16_t c = U16(at); c != 0; c = U16(at)) {
      text.push_back(c < 0x80 ? static_cast<char>(c) : '?');
      at += 2;
    }
    return {text, at + 2};
  }

 private:
  std::vector<unsigned char> data_;
};

struct Section {
  std::uint32_t address;
  std::uint32_t size;
  std::uint32_t raw_offset;
  std::uint32_t raw_size;
};

struct Resource {
  std::uint32_t type;
  std::uint32_t id;
  std::uint32_t language;
  std::size_t offset;  // in the file
  std::uint32_t size;
};

class PeFile {
 public:
  explicit PeFile(Bytes bytes) : bytes_(std::move(bytes)) { ReadHeaders(); }

  const Bytes& Data() const { return bytes_; }
  std::uint16_t Machine() const { return machine_; }
  std::uint16_t Magic() const { return magic_; }
  std::uint16_t Subsystem() const { return subsystem_; }

  std::size_t Offset(std::uint32_t address) const {
    for (const Section& s : sections_) {
      if (address >= s.address && address - s.address < std::max(s.size, s.raw_size)) {
        return s.raw_offset + (address - s.address);
      }
    }
    throw std::runtime_error("address outside every section");
  }

  std::vector<std::string> ImportedLibraries() const {
    std::vector<std::string> names;
    if (directories_[kImportDirectory] == 0) return names;
    for (std::size_t at = Offset(directories_[kImportDirectory]);; at += 20) {
      const std::uint32_t name = bytes_.U32(at + 12);
      if (name == 0) break;
      names.push_back(bytes_.Ascii(Offset(name)));
    }
    return names;
  }

  std::vector<Resource> Resources() const {
    std::vector<Resource> found;
    if (directories_[kResourceDirectory] == 0) return found;
    const std::size_t root = Offset(directories_[kResourceDirectory]);
    for (const auto& [type, types] : Entries(root, root)) {
      for (const auto& [id, ids] : Entries(root, types)) {
        for (const auto& [language, leaf] : Entries(root, ids)) {
          found.push_back({type, id, language, Offset(bytes_.U32(leaf)), bytes_.U32(leaf + 4)});
        }
      }
    }
    return found;
  }

 private:
  void ReadHeaders() {
    const std::size_t pe = bytes_.U32(0x3C);
    if (bytes_.U16(0) != 0x5A4D || bytes_.U32(pe) != 0x00004550) {
      throw std::runtime_error("not a PE file");
    }
    machine_ = bytes_.U16(pe + 4);
    const std::size_t section_count = bytes_.U16(pe + 6);
    const std::size_t optional = pe + 24;
    magic_ = bytes_.U16(optional);
    if (magic_ != kMagicPe32) return;
    subsystem_ = bytes_.U16(optional + 68);
    const std::size_t directory_count = std::min<std::size_t>(bytes_.U32(optional + 92), 16);
    for (std::size_t i = 0; i < directory_count; ++i) {
      directories_[i] = bytes_.U32(optional + 96 + i * 8);
    }
    const std::size_t table = optional + bytes_.U16(pe + 20);
    for (std::size_t i = 0; i < section_count; ++i) {
      const std::size_t at = table + i * 40;
      sections_.push_back(
          {bytes_.U32(at + 12), bytes_.U32(at + 8), bytes_.U32(at + 20), bytes_.U32(at + 16)});
    }
  }

  // One level of the resource tree: each entry's numeric id and where its subtree (or, at
  // the last level, its data entry) starts. Named entries are not used by the program.
  std::vector<std::pair<std::uint32_t, std::size_t>> Entries(std::size_t root,
                                                             std::size_t directory) const {
    std::vector<std::pair<std::uint32_t, std::size_t>> entries;
    const std::size_t count = bytes_.U16(directory + 12) + bytes_.U16(directory + 14);
    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t at = directory + 16 + i * 8;
      entries.emplace_back(bytes_.U32(at), root + (bytes_.U32(at + 4) & 0x7FFFFFFF));
    }
    return entries;
  }

  Bytes bytes_;
  std::uint16_t machine_ = 0;
  std::uint16_t magic_ = 0;
  std::uint16_t subsystem_ = 0;
  std::array<std::uint32_t, 16> directories_{};
  std::vector<Section> sections_;
};

// The version block, as a tree of keyed nodes with a value each.
struct VersionNode {
  std::string key;
  std::size_t value = 0;  // file offset of the value
  std::size_t value_length = 0;
  bool text = false;
  std::vector<VersionNode> children;
};

std::size_t Align4(std::size_t at, std::size_t start) {
  return start + ((at - start + 3) & ~std::size_t{3});
}

VersionNode ReadVersionNode(const Bytes& bytes, std::size_t at, std::size_t start) {
  const std::size_t length = bytes.U16(at);
  if (length < 6) throw std::runtime_error("malformed version block");
  VersionNode node;
  node.value_length = bytes.U16(at + 2);
  node.text = bytes.U16(at + 4) == 1;
  auto [key, after_key] = bytes.Utf16(at + 6);
  node.key = std::move(key);
  node.value = Align4(after_key, start);
  const std::size_t value_bytes = node.text ? node.value_length * 2 : node.value_length;
  for (std::size_t child = Align4(node.value + value_bytes, start); child < at + length;) {
    const std::size_t child_length = bytes.U16(child);
    if (child_length == 0) break;
    node.children.push_back(ReadVersionNode(bytes, child, start));
    child = Align4(child + child_length, start);
  }
  return node;
}

const VersionNode* Child(const VersionNode& node, std::string_view key) {
  for (const VersionNode& child : node.children) {
    if (child.key == key) return &child;
  }
  return nullptr;
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

class Checks {
 public:
  void Expect(std::string_view name, bool ok, const std::string& why) {
    std::cout << (ok ? "PASS " : "FAIL ") << name << (ok ? "" : ": " + why) << '\n';
    if (!ok) ++failed_;
  }
  int Failed() const { return failed_; }

 private:
  int failed_ = 0;
};

void CheckHeaders(const PeFile& pe, Checks& checks) {
  checks.Expect(
      "pe32-i386-gui",
      pe.Machine() == kMachineI386 && pe.Magic() == kMagicPe32 && pe.Subsystem() == kSubsystemGui,
      "machine " + std::to_string(pe.Machine()) + ", magic " + std::to_string(pe.Magic()) +
          ", subsystem " + std::to_string(pe.Subsystem()));
}

void CheckImports(const PeFile& pe, Checks& checks) {
  std::string foreign;
  std::string all;
  for (const std::string& library : pe.ImportedLibraries()) {
    all += library + " ";
    const bool system = std::find(kSystemLibraries.begin(), kSystemLibraries.end(),
                                  Lower(library)) != kSystemLibraries.end();
    if (!system) foreign += library + " ";
  }
  checks.Expect("imports-only-system-libraries", !all.empty() && foreign.empty(),
                all.empty() ? "no imports found" : "also imports " + foreign);
  std::cout << "  imports: " << all << '\n';
}

std::optional<Resource> Find(const std::vector<Resource>& resources, std::uint32_t type,
                             std::optional<std::uint32_t> id = std::nullopt) {
  for (const Resource& r : resources) {
    if (r.type == type && (!id || r.id == *id)) return r;
  }
  return std::nullopt;
}

void CheckVersionStrings(const Bytes& bytes, const VersionNode& root, Checks& checks) {
  const VersionNode* file_info = Child(root, "StringFileInfo");
  const VersionNode* table = file_info ? Child(*file_info, kStringTable) : nullptr;
  checks.Expect("version-string-table-041004B0", table != nullptr, "no such string table");
  for (const auto& [key, expected] : kVersionStrings) {
    const VersionNode* value = table ? Child(*table, key) : nullptr;
    const std::string actual = value ? bytes.Utf16(value->value).first : "(missing)";
    checks.Expect("version-" + std::string(key), actual == expected,
                  "\"" + actual + "\", not \"" + std::string(expected) + "\"");
  }
}

void CheckTranslation(const Bytes& bytes, const VersionNode& root, Checks& checks) {
  const VersionNode* var_info = Child(root, "VarFileInfo");
  const VersionNode* translation = var_info ? Child(*var_info, "Translation") : nullptr;
  const bool present = translation != nullptr && translation->value_length >= 4;
  const unsigned language = present ? bytes.U16(translation->value) : 0;
  const unsigned code_page = present ? bytes.U16(translation->value + 2) : 0;
  checks.Expect(
      "version-translation-0410-1200", language == kItalian && code_page == kUnicodeCodePage,
      "language " + std::to_string(language) + ", code page " + std::to_string(code_page));
}

void CheckVersion(const PeFile& pe, const std::vector<Resource>& resources, Checks& checks) {
  const std::optional<Resource> version = Find(resources, kTypeVersion);
  checks.Expect("version-resource-italian", version && version->language == kItalian,
                version ? "language " + std::to_string(version->language) : "none");
  if (!version) return;
  const Bytes& bytes = pe.Data();
  const VersionNode root = ReadVersionNode(bytes, version->offset, version->offset);
  const bool fixed = root.key == "VS_VERSION_INFO" && root.value_length >= 52 &&
                     bytes.U32(root.value) == kFixedInfoSignature &&
                     bytes.U32(root.value + 8) == 0x00010000 && bytes.U32(root.value + 12) == 0;
  checks.Expect("version-fixed-info-1.0.0.0", fixed, "missing or another version");
  CheckVersionStrings(bytes, root, checks);
  CheckTranslation(bytes, root, checks);
}

std::string Describe(const IconImage& image) {
  return std::to_string(image.width) + "x" + std::to_string(image.height) + "x" +
         std::to_string(image.bits);
}

// Both what the icon group announces and what each image's own bitmap header says.
void CheckIcons(const PeFile& pe, const std::vector<Resource>& resources, Checks& checks) {
  const std::optional<Resource> group = Find(resources, kTypeGroupIcon);
  checks.Expect("icon-group", group.has_value(), "no icon group");
  if (!group) return;
  const Bytes& bytes = pe.Data();
  const std::size_t count = bytes.U16(group->offset + 4);
  checks.Expect("icon-group-three-images", count == kIconImages.size(),
                std::to_string(count) + " images");
  for (std::size_t i = 0; i < std::min(count, kIconImages.size()); ++i) {
    const std::size_t entry = group->offset + 6 + i * 14;
    const IconImage& want = kIconImages[i];
    const IconImage listed{static_cast<int>(bytes.U8(entry)), static_cast<int>(bytes.U8(entry + 1)),
                           static_cast<int>(bytes.U16(entry + 6))};
    const std::optional<Resource> image = Find(resources, kTypeIcon, bytes.U16(entry + 12));
    const IconImage drawn = image ? IconImage{static_cast<int>(bytes.U32(image->offset + 4)),
                                              static_cast<int>(bytes.U32(image->offset + 8)) / 2,
                                              static_cast<int>(bytes.U16(image->offset + 14))}
                                  : IconImage{0, 0, 0};
    const bool ok = Describe(listed) == Describe(want) && Describe(drawn) == Describe(want);
    checks.Expect("icon-image-" + Describe(want), ok,
                  "listed " + Describe(listed) + ", bitmap " + Describe(drawn));
  }
}

Bytes ReadFile(const char* path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error(std::string("cannot open ") + path);
  return Bytes(std::vector<unsigned char>(std::istreambuf_iterator<char>(file), {}));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: check_resources FILE.exe\n";
    return 2;
  }
  Checks checks;
  try {
    const PeFile pe(ReadFile(argv[1]));
    const std::vector<Resource> resources = pe.Resources();
    CheckHeaders(pe, checks);
    CheckImports(pe, checks);
    CheckVersion(pe, resources, checks);
    CheckIcons(pe, resources, checks);
  } catch (const std::exception& error) {
    checks.Expect("readable-pe-file", false, error.what());
  }
  return checks.Failed() == 0 ? 0 : 1;
}
