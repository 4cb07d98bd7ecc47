// Doubly linked lists of 64-bit keys with record-wise removal.
#include "toolkit/core/handle_list.h"

#include <new>

namespace {

// Registries keep pairs and triples.
constexpr int kLongestRecord = 3;

HandleNode* NodeNew() {
  return new (std::nothrow) HandleNode();
}

void NodeLink(HandleList* list, HandleNode* node) {
  node->previous = list->last;
  if (list->last != nullptr) {
    list->last->next = node;
  } else {
    list->first = node;
  }
  list->last = node;
}

// Unlinks the record of up to `count` nodes that starts at `found` and releases its nodes, last
// first; returns the node after it. A record cut short by the end of the list stops there
// instead of running past it.
HandleNode* UnlinkRecord(HandleList* list, HandleNode* found, int count) {
  HandleNode* members[kLongestRecord] = {found, nullptr, nullptr};
  int taken = 1;
  while (taken < count && members[taken - 1]->next != nullptr) {
    members[taken] = members[taken - 1]->next;
    ++taken;
  }
  HandleNode* before = found->previous;
  HandleNode* after = members[taken - 1]->next;
  if (before == nullptr) {
    list->first = after;
  } else {
    before->next = after;
  }
  if (after == nullptr) {
    list->last = before;
  } else {
    after->previous = before;
  }
  for (int i = taken - 1; i >= 0; --i) delete members[i];
  return after;
}

void RemoveRecord(HandleList* list, std::uint64_t key, int count) {
  if (list == nullptr) return;
  HandleNode* found = HandleListFindMember(list, key, count, 0);
  if (found != nullptr) UnlinkRecord(list, found, count);
}

}  // namespace

HandleList* HandleListCreate() {
  return new (std::nothrow) HandleList();
}

std::uint64_t HandleListAppendKey(HandleList* list, std::uint64_t key) {
  if (list == nullptr) return 0;
  HandleNode* node = NodeNew();
  if (node == nullptr) return 0;
  node->key = key;
  NodeLink(list, node);
  return key;
}

std::uint64_t HandleListAppendText(HandleList* list, const std::string& text) {
  if (list == nullptr) return 0;
  HandleNode* node = NodeNew();
  if (node == nullptr) return 0;
  try {
    node->text = text;
  } catch (const std::bad_alloc&) {
    delete node;
    return 0;
  }
  node->key = list->last != nullptr ? list->last->key + 1 : 1;
  NodeLink(list, node);
  return node->key;
}

bool HandleListAppendRecord(HandleList* list, const std::uint64_t* keys, int count) {
  if (list == nullptr || count < 1 || count > kLongestRecord) return false;
  HandleNode* nodes[kLongestRecord] = {};
  for (int i = 0; i < count; ++i) {
    nodes[i] = NodeNew();
    if (nodes[i] == nullptr) {
      for (int k = 0; k < i; ++k) delete nodes[k];
      return false;
    }
    nodes[i]->key = keys[i];
  }
  for (int i = 0; i < count; ++i) NodeLink(list, nodes[i]);
  return true;
}

HandleNode* HandleListFindMember(const HandleList* list, std::uint64_t key, int size, int member) {
  if (list == nullptr || size < 1 || member < 0 || member >= size) return nullptr;
  int position = 0;
  for (HandleNode* node = list->first; node != nullptr; node = node->next) {
    if (position == member && node->key == key) return node;
    position = (position + 1) % size;
  }
  return nullptr;
}

HandleNode* HandleListFind(const HandleList* list, std::uint64_t key) {
  if (list == nullptr) return nullptr;
  for (HandleNode* node = list->first; node != nullptr; node = node->next) {
    if (node->key == key) return node;
  }
  return nullptr;
}

void HandleListRemovePair(HandleList* list, std::uint64_t key) {
  RemoveRecord(list, key, 2);
}

void HandleListRemoveTriple(HandleList* list, std::uint64_t key) {
  RemoveRecord(list, key, 3);
}

std::size_t HandleListRemoveRecordsIf(HandleList* list, int size,
                                      const std::function<bool(const HandleNode&)>& match) {
  std::size_t removed = 0;
  if (list == nullptr || size < 1 || size > kLongestRecord) return removed;
  for (HandleNode* node = list->first; node != nullptr;) {
    if (match(*node)) {
      node = UnlinkRecord(list, node, size);
      ++removed;
      continue;
    }
    for (int step = 0; step < size && node != nullptr; ++step) node = node->next;
  }
  return removed;
}

std::size_t HandleListCount(const HandleList* list) {
  std::size_t count = 0;
  if (list == nullptr) return count;
  for (const HandleNode* node = list->first; node != nullptr; node = node->next) ++count;
  return count;
}

void HandleListDestroy(HandleList* list) {
  if (list == nullptr) return;
  HandleNode* node = list->first;
  while (node != nullptr) {
    HandleNode* next = node->next;
    delete node;
    node = next;
  }
  delete list;
}
