// ExplorerEntry and ExplorerEntryList: the files, folders or drives an explorer gadget shows.
#include "toolkit/explorer/explorer_entries.h"

#include <cctype>
#include <cstring>
#include <memory>
#include <new>

#include "toolkit/core/startup.h"

namespace {

std::unique_ptr<ExplorerEntryList> scan_list;

// Stores text in a fixed field, cut to the field's size less its terminating zero.
void FixedTextStore(char* field, std::size_t field_size, std::string_view text) {
  const std::size_t length = text.size() < field_size ? text.size() : field_size - 1;
  std::memcpy(field, text.data(), length);
  field[length] = '\0';
}

// The last three characters of the name, lowered byte by byte under the user's locale.
void ExtensionStore(ExplorerEntry* entry) {
  const std::size_t length = std::strlen(entry->name);
  const std::size_t from = length > ENTRY_EXTENSION_LENGTH ? length - ENTRY_EXTENSION_LENGTH : 0;
  std::size_t out = 0;
  for (std::size_t k = from; k < length; ++k) {
    const int byte = static_cast<unsigned char>(entry->name[k]);
    entry->extension[out++] = static_cast<char>(std::isupper(byte) ? std::tolower(byte) : byte);
  }
  entry->extension[out] = '\0';
}

}  // namespace

ExplorerEntryList::~ExplorerEntryList() {
  ExplorerEntryListClear(this);
}

void ExplorerEntryInit(ExplorerEntry* entry) {
  std::memset(entry, 0, sizeof(*entry));
  FixedTextStore(entry->extension, sizeof(entry->extension), EXPLORER_NO_EXTENSION);
}

ExplorerEntry* ExplorerEntryAdd(ExplorerEntryList* list, std::string_view name, uint64_t size,
                                std::string_view path, std::string_view modifiedText, int32_t kind,
                                int32_t sizeRaised, std::string_view modifiedKey) {
  ExplorerEntry* entry = new (std::nothrow) ExplorerEntry;
  if (entry == nullptr) return nullptr;
  // Reserve the index slot first, so that a failure leaves the list exactly as it was.
  try {
    list->bySequence.push_back(entry);
  } catch (const std::bad_alloc&) {
    delete entry;
    return nullptr;
  }
  ExplorerEntryInit(entry);
  FixedTextStore(entry->name, sizeof(entry->name), name);
  entry->size = size;
  FixedTextStore(entry->path, sizeof(entry->path), path);
  if (std::strcmp(entry->name, EXPLORER_DOT_DOT) != 0) {
    FixedTextStore(entry->modifiedText, sizeof(entry->modifiedText), modifiedText);
  }
  FixedTextStore(entry->modifiedKey, sizeof(entry->modifiedKey), modifiedKey);
  entry->kind = kind;
  if (kind == ENTRY_KIND_FILE) {
    // The extension comes from the stored name, so a rebuilt copy gets the same one.
    ExtensionStore(entry);
    // An empty file or unreadable drive sorts after the folders, level with 1-byte files.
    if (sizeRaised == 0 && size == 0) {
      entry->size = 1;
      entry->sizeRaised = 1;
    }
  }
  if (list->tail == nullptr) {
    entry->sequence = 1;
    list->head = entry;
  } else {
    list->tail->next = entry;
    entry->prev = list->tail;
    entry->sequence = list->tail->sequence + 1;
  }
  list->tail = entry;
  return entry;
}

ExplorerEntry* ExplorerEntryFind(const ExplorerEntryList* list, int64_t sequence) {
  const auto& index = list->bySequence;
  if (sequence < 1 || static_cast<uint64_t>(sequence) > index.size()) return nullptr;
  return index[static_cast<std::size_t>(sequence - 1)];
}

void ExplorerEntryListClear(ExplorerEntryList* list) {
  if (list->head == nullptr) return;
  ExplorerEntry* entry = list->head;
  while (entry != nullptr) {
    ExplorerEntry* following = entry->next;
    delete entry;
    entry = following;
  }
  list->head = nullptr;
  list->tail = nullptr;
  // Keeps its capacity: the scan list is refilled by every scan.
  list->bySequence.clear();
}

int64_t ExplorerEntryListCount(const ExplorerEntryList* list) {
  return list->tail == nullptr ? 0 : list->tail->sequence;
}

void ExplorerScanListInit() {
  if (!scan_list) scan_list.reset(new (std::nothrow) ExplorerEntryList);
}

ExplorerEntryList* ExplorerScanListGet() {
  // A program whose start-up did not run the initialiser still gets its scan list.
  ExplorerScanListInit();
  return scan_list.get();
}
