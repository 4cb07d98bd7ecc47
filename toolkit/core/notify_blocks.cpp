// Notification copies: a record lives on in its block until the next one of its kind.
#include "toolkit/core/notify_blocks.h"

#include <cstdlib>
#include <cstring>

#include "toolkit/core/core_constants.h"

namespace {

// Plain pointers, constant-initialised: the blocks are made during static initialisation.
void* blocks[NOTIFY_BLOCK_COUNT] = {};

constexpr std::size_t kSizes[NOTIFY_BLOCK_COUNT] = {NOTIFY_COPY_ITEM_ACTIVATE,
                                                    NOTIFY_COPY_LIST_VIEW, NOTIFY_COPY_TREE_VIEW};

}  // namespace

void NotifyCopyBlocksCreate() {
  for (int kind = 0; kind < NOTIFY_BLOCK_COUNT; ++kind) {
    if (blocks[kind] == nullptr) blocks[kind] = std::calloc(1, kSizes[kind]);
  }
}

void* NotifyCopyBlock(NotifyBlockKind kind) {
  return blocks[kind];
}

std::size_t NotifyCopyBlockSize(NotifyBlockKind kind) {
  return kSizes[kind];
}

void* NotifyCopyBlockFill(NotifyBlockKind kind, const void* record) {
  void* block = blocks[kind];
  if (block == nullptr) return nullptr;
  // The copy covers the whole block, so nothing of an earlier record survives it.
  std::memcpy(block, record, kSizes[kind]);
  return block;
}

bool NotifyCopyBlockIs(const void* address) {
  return NotifyCopyBlockSizeAt(address) != 0;
}

std::size_t NotifyCopyBlockSizeAt(const void* address) {
  if (address == nullptr) return 0;
  for (int kind = 0; kind < NOTIFY_BLOCK_COUNT; ++kind) {
    if (blocks[kind] == address) return kSizes[kind];
  }
  return 0;
}
