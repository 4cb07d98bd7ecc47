// Doubly linked lists of 64-bit keys: the toolkit's registries are built from them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

struct HandleNode {
  std::uint64_t key = 0;
  std::string text;  // empty except in text nodes
  HandleNode* previous = nullptr;
  HandleNode* next = nullptr;
};

struct HandleList {
  HandleNode* first = nullptr;
  HandleNode* last = nullptr;
  std::uint64_t auxiliary = 0;  // one free slot of the list's user
};

// A head with no nodes; null if it cannot be allocated. Heads live for the whole run.
HandleList* HandleListCreate();

// Appends one node; the result is its key, or 0 if the node could not be allocated.
std::uint64_t HandleListAppendKey(HandleList* list, std::uint64_t key);

// Appends a text node numbered one past the current last node (1 in an empty list).
std::uint64_t HandleListAppendText(HandleList* list, const std::string& text);

// Appends a record of `count` nodes whole, or nothing at all: false (the list unchanged) if a
// node could not be allocated. Registries append this way so that a failed append cannot shift
// every later record.
bool HandleListAppendRecord(HandleList* list, const std::uint64_t* keys, int count);

// The first node from the front whose key equals the value, or null.
HandleNode* HandleListFind(const HandleList* list, std::uint64_t key);

// In a list of records of `size` nodes, the first node at position `member` of its record whose
// key equals the value, or null. Ids and window handles sit at fixed positions of their pairs,
// so a handle is never taken for an id that happens to have the same value (null and id 0).
HandleNode* HandleListFindMember(const HandleList* list, std::uint64_t key, int size, int member);

// Remove the record (two or three consecutive nodes) whose first member has that key.
void HandleListRemovePair(HandleList* list, std::uint64_t key);
void HandleListRemoveTriple(HandleList* list, std::uint64_t key);

// Removes every record of `size` nodes (1 to 3) whose first node `match` accepts, walking record
// by record; returns how many went. `match` may read the record's other nodes through `next`.
std::size_t HandleListRemoveRecordsIf(HandleList* list, int size,
                                      const std::function<bool(const HandleNode&)>& match);

// Releases every node and the head (the registries never do: they live for the whole run).
void HandleListDestroy(HandleList* list);

// Number of nodes, for checks and tests.
std::size_t HandleListCount(const HandleList* list);
