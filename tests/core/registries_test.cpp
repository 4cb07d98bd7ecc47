// The gadget, colour and tab-stop registries and the look-ups between ids and windows.
#include <gtest/gtest.h>

#include "toolkit/core/registries.h"
#include "toolkit/core/toolkit.h"

namespace {

HWND Fake(std::uintptr_t value) {
  return reinterpret_cast<HWND>(value);
}

void AppendPair(HandleList* list, std::uint64_t key, std::uint64_t value) {
  HandleListAppendKey(list, key);
  HandleListAppendKey(list, value);
}

// gtest keeps the order of a file: this runs before any window exists.
TEST(Registries, BeforeAnyWindowEverythingReadsAsEmpty) {
  EXPECT_EQ(GadgetRegistryGet(), nullptr);
  EXPECT_EQ(CurrentWindowGet(), nullptr);
  EXPECT_EQ(GadgetWindowOf(1), nullptr);
  EXPECT_EQ(GadgetIdOf(Fake(0x1234)), 0);
  EXPECT_EQ(ColourEntryAdd(Fake(0x1234), 1, 2), 0);
  GadgetUnregister(1);
  TabStopEntryRemove(1);
}

TEST(Registries, LookUpsAndRemovalsOnceAWindowExists) {
  HWND window = WindowOpen("registries", 0, 0, 100, 100, WS_OVERLAPPEDWINDOW | 0x1000, 0, nullptr);
  ASSERT_NE(window, nullptr) << "no display?";
  EXPECT_EQ(CurrentWindowGet(), window);
  HandleList* gadgets = GadgetRegistryGet();
  AppendPair(gadgets, 1, 0x5000);
  AppendPair(gadgets, RegistryKeyOfId(-5), 0x6000);
  AppendPair(gadgets, 0x7000, 0x8000);  // an id equal to a handle value
  AppendPair(gadgets, 7, 0x7000);
  EXPECT_EQ(GadgetWindowOf(1), Fake(0x5000));
  EXPECT_EQ(GadgetWindowOf(-5), Fake(0x6000));
  EXPECT_EQ(GadgetIdOf(Fake(0x6000)), -5);
  EXPECT_EQ(GadgetWindowOf(3), nullptr);
  EXPECT_EQ(GadgetIdOf(Fake(0x9000)), 0);
  // The first node with the value decides, whatever its place in its pair: here the id node,
  // whose predecessor is the handle of the pair before it.
  EXPECT_EQ(GadgetIdOf(Fake(0x7000)), 0x6000);
  EXPECT_EQ(GadgetWindowOf(0x7000), Fake(0x8000));
  GadgetUnregister(1);
  EXPECT_EQ(GadgetWindowOf(1), nullptr);
  EXPECT_EQ(GadgetWindowOf(-5), Fake(0x6000));
  EXPECT_EQ(HandleListCount(gadgets), 6u);

  EXPECT_EQ(ColourEntryAdd(Fake(0x5000), 0xFFFFFF, 0), 1);
  EXPECT_EQ(ColourEntryAdd(Fake(0x6000), 0x00FF00, 0x0000FF), 1);
  HandleListRemoveTriple(ColourRegistryGet(), RegistryKeyOfWindow(Fake(0x5000)));
  const HandleNode* entry = ColourRegistryGet()->first;
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->key, 0x6000u);
  EXPECT_EQ(entry->next->key, 0x00FF00u);
  EXPECT_EQ(entry->next->next->key, 0x0000FFu);
  EXPECT_EQ(HandleListCount(ColourRegistryGet()), 3u);

  AppendPair(TabStopRegistryGet(), 3, RegistryKeyOfWindow(window));
  AppendPair(TabStopRegistryGet(), 4, RegistryKeyOfWindow(window));
  TabStopEntryRemove(3);
  EXPECT_EQ(HandleListFind(TabStopRegistryGet(), 3), nullptr);
  EXPECT_EQ(HandleListCount(TabStopRegistryGet()), 2u);

  EXPECT_EQ(CurrentWindowSet(Fake(0x4242)), Fake(0x4242));
  EXPECT_EQ(CurrentWindowGet(), Fake(0x4242));
}

}  // namespace
