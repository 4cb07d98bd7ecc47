// ExplorerEntry and ExplorerEntryList: the files, folders or drives an explorer gadget shows.
#include "toolkit/explorer/explorer_entries.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

// Text blocks start small, for the many small folders, and grow to a size whose unused end
// costs a big listing little.
constexpr std::size_t kFirstBlockSize = 1024;
constexpr std::size_t kLargestBlockSize = 256 * 1024;
constexpr std::size_t kTextMax = ENTRY_NAME_SIZE - 1;
constexpr std::size_t kPathMax = ENTRY_PATH_SIZE - 1;
constexpr std::size_t kDateMax = ENTRY_DATE_SIZE - 1;
constexpr char kNoText[] = "";
constexpr int kFirstNonAscii = 0x80;

std::unique_ptr<ExplorerEntryList> scan_list;

// The last three characters of the name, lowered byte by byte under the user's locale.
void ExtensionStore(ExplorerEntry* entry, std::string_view name) {
  const std::size_t from =
      name.size() > ENTRY_EXTENSION_LENGTH ? name.size() - ENTRY_EXTENSION_LENGTH : 0;
  std::size_t out = 0;
  for (std::size_t k = from; k < name.size(); ++k) {
    const int byte = static_cast<unsigned char>(name[k]);
    // ASCII lowers alike in every locale, and asks the runtime nothing.
    if (byte < kFirstNonAscii) {
      entry->extension[out++] =
          static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte - 'A' + 'a' : byte);
    } else {
      // In a multi-byte locale (UTF-8, the double-byte code pages) a high byte is part of a
      // character: lowering it alone would make another character.
      const bool single_byte = MB_CUR_MAX == 1;
      entry->extension[out++] =
          static_cast<char>(single_byte && std::isupper(byte) ? std::tolower(byte) : byte);
    }
  }
  entry->extension[out] = '\0';
}

// The text as a fixed field of max + 1 bytes keeps it: up to a zero byte, at most max bytes.
std::string_view FieldText(std::string_view text, std::size_t max) {
  return text.substr(0, std::min(text.find('\0'), max));
}

// Copies the text and its zero byte to `at`; returns where the copy starts.
const char* TextPut(char** at, std::string_view text) {
  char* start = *at;
  std::memcpy(start, text.data(), text.size());
  start[text.size()] = '\0';
  *at += text.size() + 1;
  return start;
}

}  // namespace

char* ExplorerTextBlocks::Allocate(std::size_t bytes) {
  if (blocks_.empty() || size_ - used_ < bytes) {
    std::size_t size = blocks_.empty() ? kFirstBlockSize : std::min(size_ * 2, kLargestBlockSize);
    size = std::max(size, bytes);
    std::unique_ptr<char[]> block(new (std::nothrow) char[size]);
    if (!block) return nullptr;
    try {
      blocks_.push_back(std::move(block));
    } catch (const std::bad_alloc&) {
      return nullptr;
    }
    size_ = size;
    used_ = 0;
  }
  char* at = blocks_.back().get() + used_;
  used_ += bytes;
  return at;
}

void ExplorerTextBlocks::TakeFrom(ExplorerTextBlocks* other) {
  if (other == this || other->blocks_.empty()) return;
  blocks_.reserve(blocks_.size() + other->blocks_.size());
  for (auto& block : other->blocks_) blocks_.push_back(std::move(block));
  size_ = other->size_;
  used_ = other->used_;
  other->blocks_.clear();
  other->size_ = other->used_ = 0;
}

void ExplorerTextBlocks::Clear() {
  std::vector<std::unique_ptr<char[]>>().swap(blocks_);
  size_ = used_ = 0;
}

ExplorerEntry* ExplorerEntryAdd(ExplorerEntryList* list, std::string_view name, uint64_t size,
                                std::string_view path, std::string_view modifiedText, int32_t kind,
                                int32_t sizeRaised, std::string_view modifiedKey) {
  const std::string_view shown = FieldText(name, kTextMax);
  const bool dot_dot = shown == EXPLORER_DOT_DOT;
  const std::string_view date = dot_dot ? std::string_view() : FieldText(modifiedText, kDateMax);
  const std::string_view key = FieldText(modifiedKey, kDateMax);
  // The path costs no text when it is the folder and the name, as nearly every one is.
  uint32_t form = ENTRY_PATH_WHOLE;
  std::string_view leaf = FieldText(path, kPathMax);
  if (path.substr(0, list->folder.size()) == list->folder) {
    leaf = FieldText(path.substr(list->folder.size()), kPathMax);
    form = leaf == shown ? ENTRY_PATH_FOLDER_NAME : ENTRY_PATH_FOLDER_LEAF;
  }
  const std::size_t leaf_bytes = form == ENTRY_PATH_FOLDER_NAME ? 0 : leaf.size() + 1;
  const std::size_t date_bytes = date.empty() ? 0 : date.size() + 1;
  char* texts = list->texts.Allocate(shown.size() + 1 + leaf_bytes + date_bytes);
  char* key_text = key.empty() ? nullptr : list->keys.Allocate(key.size() + 1);
  if (texts == nullptr || (!key.empty() && key_text == nullptr)) return nullptr;
  try {
    list->entries.emplace_back();
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  ExplorerEntry& entry = list->entries.back();
  // The path's leaf stands right after the name, where ExplorerEntryPathLeaf looks for it.
  entry.name = TextPut(&texts, shown);
  if (leaf_bytes != 0) TextPut(&texts, leaf);
  entry.modifiedText = date.empty() ? kNoText : TextPut(&texts, date);
  entry.modifiedKey = key.empty() ? kNoText : TextPut(&key_text, key);
  entry.pathForm = form;
  entry.size = size;
  entry.kind = kind;
  entry.sizeRaised = 0;
  entry.sequence = static_cast<int64_t>(list->entries.size());
  std::memcpy(entry.extension, EXPLORER_NO_EXTENSION, sizeof(EXPLORER_NO_EXTENSION));
  if (kind == ENTRY_KIND_FILE) {
    ExtensionStore(&entry, shown);
    // An empty file or unreadable drive sorts after the folders, level with 1-byte files.
    if (sizeRaised == 0 && size == 0) {
      entry.size = 1;
      entry.sizeRaised = 1;
    }
  }
  return &entry;
}

const ExplorerEntry* ExplorerEntryFind(const ExplorerEntryList* list, int64_t sequence) {
  if (sequence < 1 || static_cast<uint64_t>(sequence) > list->entries.size()) return nullptr;
  return &list->entries[static_cast<std::size_t>(sequence - 1)];
}

void ExplorerEntryListEmpty(ExplorerEntryList* list) {
  list->entries.clear();
  list->texts.Clear();
  list->keys.Clear();
}

void ExplorerEntryListClear(ExplorerEntryList* list) {
  ExplorerEntryListEmpty(list);
  // The storage goes too: a list that once held a big folder keeps nothing of it.
  std::vector<ExplorerEntry>().swap(list->entries);
}

int64_t ExplorerEntryListCount(const ExplorerEntryList* list) {
  return static_cast<int64_t>(list->entries.size());
}

void ExplorerEntryListFolderSet(ExplorerEntryList* list, std::string_view folder) {
  list->folder.assign(folder);
}

void ExplorerEntryListReserve(ExplorerEntryList* list, int64_t count) {
  try {
    if (count > 0) list->entries.reserve(static_cast<std::size_t>(count));
  } catch (const std::bad_alloc&) {
    // Only a hint: the list grows as it is filled.
  }
}

void ExplorerEntryListAppend(ExplorerEntryList* list, ExplorerEntryList* from) {
  if (from == list) return;
  const std::size_t first = list->entries.size();
  try {
    // The longer records stay where they are: a big listing is not copied into new memory,
    // whose first touch costs more than the copy.
    if (from->entries.size() > first) {
      from->entries.insert(from->entries.begin(), list->entries.begin(), list->entries.end());
      list->entries.swap(from->entries);
    } else {
      list->entries.insert(list->entries.end(), from->entries.begin(), from->entries.end());
    }
  } catch (const std::bad_alloc&) {
    ExplorerEntryListClear(from);
    return;
  }
  for (std::size_t k = first; k < list->entries.size(); ++k)
    list->entries[k].sequence = static_cast<int64_t>(k + 1);
  list->texts.TakeFrom(&from->texts);
  list->keys.TakeFrom(&from->keys);
  ExplorerEntryListClear(from);
}

std::string_view ExplorerEntryPathLeaf(const ExplorerEntry& entry) {
  if (entry.pathForm == ENTRY_PATH_FOLDER_NAME) return entry.name;
  return entry.name + std::strlen(entry.name) + 1;
}

std::string ExplorerEntryPath(const ExplorerEntryList& list, const ExplorerEntry& entry) {
  std::string path = entry.pathForm == ENTRY_PATH_WHOLE ? std::string() : list.folder;
  path.append(ExplorerEntryPathLeaf(entry));
  if (path.size() > kPathMax) path.resize(kPathMax);
  return path;
}

void ExplorerScanListInit() {
  if (!scan_list) scan_list.reset(new (std::nothrow) ExplorerEntryList);
}

ExplorerEntryList* ExplorerScanListGet() {
  // A program whose start-up did not run the initialiser still gets its scan list.
  ExplorerScanListInit();
  return scan_list.get();
}
