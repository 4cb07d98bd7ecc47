// The shell's type names and icon indexes of the explorer's entries, asked once per extension.
#include "toolkit/explorer/explorer_shell_cache.h"

#include <windows.h>
#include <shellapi.h>

#include <cstring>
#include <map>
#include <optional>

#include "toolkit/core/code_page_text.h"
#include "toolkit/explorer/explorer_entries.h"

namespace {

// Asking the shell about a path costs a look-up in the file system per file (under Wine a scan
// of the whole folder: half a second per cell in a folder of 100,000 files), while for plain
// files its answer is the extension's. So a file's answer is kept by extension, except for the
// kinds that carry an icon of their own. A folder's icon is its own only when its desktop.ini
// may apply, which Windows allows only for read-only or system folders; the others share one
// kept answer; those folders are always asked. ".." is asked by that name alone, which always
// gives the same answer, so it is kept too (asking costs about a millisecond under Wine). A
// drive is asked once per listing of the drives: a disconnected network drive or an empty
// optical drive makes every ask slow.
constexpr const char* kOwnIconExtensions[] = {"exe", "ico", "cur", "ani", "lnk",
                                              "url", "scr", "cpl", "msc"};
// The keys of the plain folders' shared icon and of "..": no extension holds a backslash.
constexpr char kPlainFolderKey[] = "\\folder";
constexpr char kDotDotKey[] = "\\..";
constexpr DWORD kCustomisableFolder = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM;
// Kept answers are dropped together when there are this many.
constexpr std::size_t kMaxAnswers = 4096;

std::map<std::string, std::string> type_names;
std::map<std::string, int> icons;

// A drive root's key holds its ":", which no file name, and so no extension, can hold (nor
// any trail byte of a multi-byte code page).
bool IsDriveKey(const std::string& key) {
  return key.find(':') != std::string::npos;
}

// The lowered text after a file name's last "." (empty for none); a drive root's own text;
// nothing for other entries.
std::optional<std::string> ExtensionKey(const ExplorerEntry& entry) {
  const std::string_view name(entry.name);
  if (entry.kind != ENTRY_KIND_FILE || name.empty()) return std::nullopt;
  // A drive root such as C:\ is a file entry too; a name whose last byte is a trail byte of the
  // separator's value is none.
  if (TextCharFindLast(name, EXPLORER_PATH_SEPARATOR, GetACP()) + 1 == name.size()) {
    return std::string(name);
  }
  const char* dot = std::strrchr(entry.name, '.');
  std::string key = dot != nullptr ? dot + 1 : "";
  CharLowerBuffA(key.data(), static_cast<DWORD>(key.size()));
  return key;
}

// The kept answer for the key, else the shell's, kept only when the shell gave one.
template <typename Value, typename Ask>
Value Answer(std::map<std::string, Value>* kept, const std::optional<std::string>& key, Ask ask) {
  if (key.has_value()) {
    const auto found = kept->find(*key);
    if (found != kept->end()) return found->second;
  }
  const std::optional<Value> asked = ask();
  // A drive that gives no answer is not asked again either: each ask may stall.
  if (!asked.has_value() && !(key.has_value() && IsDriveKey(*key))) return Value();
  if (key.has_value()) {
    if (kept->size() >= kMaxAnswers) kept->clear();
    kept->emplace(*key, asked.value_or(Value()));
  }
  return asked.value_or(Value());
}

}  // namespace

std::string ExplorerShellTypeName(const ExplorerEntry& entry, const std::string& path) {
  return Answer(&type_names, ExtensionKey(entry), [&]() -> std::optional<std::string> {
    SHFILEINFOA info = {};
    if (SHGetFileInfoA(path.c_str(), 0, &info, sizeof(info), SHGFI_TYPENAME) == 0) return {};
    return std::string(info.szTypeName, strnlen(info.szTypeName, sizeof(info.szTypeName)));
  });
}

// The plain folders' key for a folder whose desktop.ini cannot apply, the key of ".." for it;
// nothing otherwise.
std::optional<std::string> FolderKey(const ExplorerEntry& entry, const char* path) {
  if (entry.kind != ENTRY_KIND_FOLDER) return {};
  if (std::strcmp(path, EXPLORER_DOT_DOT) == 0) return std::string(kDotDotKey);
  const DWORD attributes = GetFileAttributesA(path);
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & kCustomisableFolder) != 0) return {};
  return std::string(kPlainFolderKey);
}

void ExplorerShellDrivesForget() {
  std::erase_if(type_names, [](const auto& kept) { return IsDriveKey(kept.first); });
  std::erase_if(icons, [](const auto& kept) { return IsDriveKey(kept.first); });
}

int ExplorerShellIcon(const ExplorerEntry& entry, const char* path) {
  std::optional<std::string> key = ExtensionKey(entry);
  for (const char* own : kOwnIconExtensions) {
    if (key.has_value() && *key == own) key.reset();
  }
  if (!key.has_value()) key = FolderKey(entry, path);
  return Answer(&icons, key, [&]() -> std::optional<int> {
    SHFILEINFOA info = {};
    if (SHGetFileInfoA(path, 0, &info, sizeof(info), SHGFI_SYSICONINDEX) == 0) return {};
    return info.iIcon;
  });
}
