// Doubly linked lists of 64-bit keys: the toolkit's registries are built from them.
#pragma once

#include <cstdint>
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

// The first node from the front whose key equals the value, or null.
HandleNode* HandleListFind(const HandleList* list, std::uint64_t key);

// Remove the record (two or three consecutive nodes) that starts at the node with that key.
void HandleListRemovePair(HandleList* list, std::uint64_t key);
void HandleListRemoveTriple(HandleList* list, std::uint64_t key);

// Releases every node and the head (the registries never do: they live for the whole run).
void HandleListDestroy(HandleList* list);

// Number of nodes, for checks and tests.
std::size_t HandleListCount(const HandleList* list);
