// Anchors: a gadget keeps its distances to the edges of its window that it is anchored to.
#include "toolkit/gadgets/gadget_layout.h"

#include <new>
#include <unordered_map>
#include <vector>

#include <vantrel/toolkit.h>

#include "toolkit/core/module_seams.h"
#include "toolkit/core/startup.h"

namespace {

// A gadget's anchors and its distances to its window's four edges when they were taken.
struct Anchor {
  std::int32_t edges;
  RECT gaps;  // left, top: the place; right, bottom: the distances to those edges
  SIZE size;
};

std::unordered_map<HWND, Anchor> anchors;

// The gadget's place in its window's client coordinates, and the window's client size.
bool PlaceOf(HWND gadget, RECT* place, SIZE* room) {
  HWND window = GetParent(gadget);
  RECT client;
  if (window == nullptr || !GetWindowRect(gadget, place) || !GetClientRect(window, &client)) {
    return false;
  }
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(place), 2);
  *room = SIZE{client.right, client.bottom};
  return true;
}

Anchor AnchorTaken(HWND gadget, std::int32_t edges) {
  RECT place{};
  SIZE room{};
  PlaceOf(gadget, &place, &room);
  return Anchor{edges, RECT{place.left, place.top, room.cx - place.right, room.cy - place.bottom},
                SIZE{place.right - place.left, place.bottom - place.top}};
}

// One axis: anchored to both edges it stretches, to the far one alone it moves along.
void Axis(bool near_edge, bool far_edge, LONG room, LONG near_gap, LONG far_gap, LONG size,
          int* start, int* length) {
  *length = size;
  *start = near_gap;
  if (far_edge && near_edge) *length = room - near_gap - far_gap;
  if (far_edge && !near_edge) *start = room - far_gap - size;
}

void LayoutRun(HWND window, int width, int height) {
  std::vector<std::pair<HWND, RECT>> moves;
  try {
    for (const auto& [gadget, anchor] : anchors) {
      if (GetParent(gadget) != window) continue;
      int x, y, w, h;
      Axis((anchor.edges & ANCHOR_LEFT) != 0, (anchor.edges & ANCHOR_RIGHT) != 0, width,
           anchor.gaps.left, anchor.gaps.right, anchor.size.cx, &x, &w);
      Axis((anchor.edges & ANCHOR_TOP) != 0, (anchor.edges & ANCHOR_BOTTOM) != 0, height,
           anchor.gaps.top, anchor.gaps.bottom, anchor.size.cy, &y, &h);
      moves.emplace_back(gadget, RECT{x, y, w, h});
    }
  } catch (const std::bad_alloc&) {
    return;  // the layout stays as it was
  }
  // All at once, so that the window is painted once.
  HDWP batch = BeginDeferWindowPos(static_cast<int>(moves.size()));
  for (const auto& [gadget, r] : moves) {
    if (batch != nullptr) {
      batch = DeferWindowPos(batch, gadget, nullptr, r.left, r.top, r.right, r.bottom,
                             SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  if (batch != nullptr) EndDeferWindowPos(batch);
}

}  // namespace

void GadgetLayoutInit() {
  WindowLayoutHandlerSet(&LayoutRun);
}

void GadgetLayoutRun(HWND window, int width, int height) {
  LayoutRun(window, width, height);
}

void GadgetLayoutForget(HWND gadget) {
  anchors.erase(gadget);
}

void GadgetLayoutRenew(HWND gadget) {
  const auto found = anchors.find(gadget);
  if (found != anchors.end()) found->second = AnchorTaken(gadget, found->second.edges);
}

int GadgetAnchorSet(GadgetId id, std::int32_t edges) {
  HWND gadget = GadgetWindowOf(id);
  if (gadget == nullptr) return 0;
  try {
    anchors[gadget] = AnchorTaken(gadget, edges);
  } catch (const std::bad_alloc&) {
    return 0;
  }
  return 1;
}
