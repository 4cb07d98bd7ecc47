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

// Runs first (gtest keeps the order of a file): nothing exists before the first window.
TEST(Registries, BeforeAnyWindowEverythingReadsAsEmpty) {
  EXPECT_EQ(GadgetRegistryGet(), nullptr);
  EXPECT_EQ(CurrentWindowGet(), nullptr);
  EXPECT_EQ(GadgetWindowOf(1), nullptr);
  EXPECT_EQ(GadgetIdOf(Fake(0x1234)), 0);
  EXPECT_EQ(ColourEntryAdd(Fake(0x1234), 1, 2), 0);
  GadgetUnregister(1);
  TabStopEntryRemove(1);
}

class RegistriesWithWindow : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    window_ = WindowOpen("registries", 0, 0, 100, 100, WS_OVERLAPPEDWINDOW | 0x1000, 0, nullptr);
  }
  void SetUp() override {
    ASSERT_NE(window_, nullptr) << "no display?";
    // Each case starts from empty lists.
    for (HandleList* list : {GadgetRegistryGet(), ColourRegistryGet(), TabStopRegistryGet()}) {
      while (list->first != nullptr) HandleListRemovePair(list, list->first->key);
    }
  }
  static HWND window_;
};
HWND RegistriesWithWindow::window_ = nullptr;

TEST_F(RegistriesWithWindow, IdsAndWindowsMapBothWays) {
  AppendPair(GadgetRegistryGet(), 1, 0x5000);
  AppendPair(GadgetRegistryGet(), 2, 0x6000);
  EXPECT_EQ(GadgetWindowOf(1), Fake(0x5000));
  EXPECT_EQ(GadgetWindowOf(2), Fake(0x6000));
  EXPECT_EQ(GadgetIdOf(Fake(0x6000)), 2);
  EXPECT_EQ(GadgetWindowOf(3), nullptr);
  EXPECT_EQ(GadgetIdOf(Fake(0x7000)), 0);
  GadgetUnregister(1);
  EXPECT_EQ(GadgetWindowOf(1), nullptr);
  EXPECT_EQ(GadgetWindowOf(2), Fake(0x6000));
  EXPECT_EQ(HandleListCount(GadgetRegistryGet()), 2u);
}

TEST_F(RegistriesWithWindow, NegativeIdsAreFoundAsTheyWereRegistered) {
  AppendPair(GadgetRegistryGet(), RegistryKeyOfId(-5), 0x5000);
  EXPECT_EQ(GadgetWindowOf(-5), Fake(0x5000));
  EXPECT_EQ(GadgetIdOf(Fake(0x5000)), -5);
}

TEST_F(RegistriesWithWindow, TheFirstMatchingNodeDecidesWhateverItsPlace) {
  // A handle value equal to an earlier id is found as that id.
  AppendPair(GadgetRegistryGet(), 0x6000, 0x5000);
  AppendPair(GadgetRegistryGet(), 7, 0x6000);
  EXPECT_EQ(GadgetIdOf(Fake(0x6000)), 0);  // the id node has no predecessor
  EXPECT_EQ(GadgetWindowOf(0x6000), Fake(0x5000));
}

TEST_F(RegistriesWithWindow, ColourEntriesAreTriplesRemovedWhole) {
  EXPECT_EQ(ColourEntryAdd(Fake(0x5000), 0xFFFFFF, 0), 1);
  EXPECT_EQ(ColourEntryAdd(Fake(0x6000), 0x00FF00, 0x0000FF), 1);
  EXPECT_EQ(HandleListCount(ColourRegistryGet()), 6u);
  HandleListRemoveTriple(ColourRegistryGet(), RegistryKeyOfWindow(Fake(0x5000)));
  const HandleNode* entry = HandleListFind(ColourRegistryGet(), 0x6000);
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry, ColourRegistryGet()->first);
  EXPECT_EQ(entry->next->key, 0x00FF00u);
  EXPECT_EQ(entry->next->next->key, 0x0000FFu);
}

TEST_F(RegistriesWithWindow, TabStopEntriesAreRemovedById) {
  AppendPair(TabStopRegistryGet(), 3, RegistryKeyOfWindow(window_));
  AppendPair(TabStopRegistryGet(), 4, RegistryKeyOfWindow(window_));
  TabStopEntryRemove(3);
  EXPECT_EQ(HandleListFind(TabStopRegistryGet(), 3), nullptr);
  EXPECT_NE(HandleListFind(TabStopRegistryGet(), 4), nullptr);
  EXPECT_EQ(HandleListCount(TabStopRegistryGet()), 2u);
}

TEST_F(RegistriesWithWindow, TheCurrentWindowIsSetAndRead) {
  EXPECT_EQ(CurrentWindowSet(Fake(0x4242)), Fake(0x4242));
  EXPECT_EQ(CurrentWindowGet(), Fake(0x4242));
  CurrentWindowSet(window_);
}

}  // namespace
