// The gadget registry's keys for ids and windows, and records entered whole or not at all.
#include <gtest/gtest.h>

#include <new>
#include <tuple>

#include <vantrel/toolkit.h>

#include "toolkit/core/registries.h"

// The nothrow allocations (the registries' nodes) fail once the count reaches 0; -1: never.
int allocations_left = -1;
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  if (allocations_left == 0) return nullptr;
  if (allocations_left > 0) --allocations_left;
  try {
    return ::operator new(size);  // so that the ordinary delete releases it
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

namespace {

HWND window = nullptr;

// A picture made with no current window gets no control and registers nothing: the gadget
// that held its id stays. Id 0 is an id like any other.
TEST(Registries, APictureWithoutAControlKeepsTheGadgetOfItsId_IdZeroIsAnId) {
  window = WindowOpen("1", 0, 0, 200, 200,
                      WS_VISIBLE | WS_OVERLAPPEDWINDOW | WINDOW_STYLE_TABSTOP_REQUEST, 0, nullptr);
  ASSERT_NE(window, nullptr) << "no display?";
  HWND five = PictureGadgetCreate(5, 0, 0, 26, 26, nullptr, 0, SS_BITMAP);
  CurrentWindowSet(nullptr);
  EXPECT_EQ(PictureGadgetCreate(5, 0, 0, 26, 26, nullptr, 0, SS_BITMAP), nullptr);
  EXPECT_EQ(PictureGadgetCreate(7, 0, 0, 26, 26, nullptr, 0, SS_BITMAP), nullptr);
  CurrentWindowSet(window);
  HWND zero = PictureGadgetCreate(0, 0, 0, 26, 26, nullptr, 0, SS_BITMAP);
  EXPECT_EQ(HandleListCount(GadgetRegistryGet()), 4u);
  EXPECT_EQ(std::tuple(GadgetWindowOf(0), GadgetIdOf(zero), GadgetWindowOf(5), IsWindow(five),
                       GadgetIdOf(nullptr)),
            std::tuple(zero, 0, five, TRUE, 0));
  EXPECT_EQ(GadgetWindowOf(0), zero);
  GadgetFree(0);
  EXPECT_FALSE(IsWindow(zero));
  GadgetFree(5);
  EXPECT_EQ(HandleListCount(GadgetRegistryGet()), 0u);
}

TEST(Registries, ARecordIsEnteredWholeOrNotAtAll) {
  for (int fail_at : {0, 1, 2}) {
    SCOPED_TRACE(fail_at);
    allocations_left = fail_at;
    EXPECT_EQ(ColourEntryAdd(reinterpret_cast<HWND>(0x5100), 0x5200, 2), 0);
    allocations_left = fail_at % 2;
    EXPECT_EQ(GadgetRegister(9, reinterpret_cast<HWND>(0x5200)), 0);
    allocations_left = fail_at % 2;
    TabStopEnrol(window, 9);
    allocations_left = -1;
    EXPECT_EQ(HandleListCount(ColourRegistryGet()) + HandleListCount(GadgetRegistryGet()) +
                  HandleListCount(TabStopRegistryGet()),
              0u);
  }
}

}  // namespace
