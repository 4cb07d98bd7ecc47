// Anchors: a gadget keeps its distances to the edges of its window that it is anchored to. The
// distances are in units: in scaled mode the layout is done at 96 DPI and then scaled.
#include "toolkit/gadgets/gadget_layout.h"

#include <new>
#include <unordered_map>
#include <vector>

#include <vantrel/toolkit.h>

#include "toolkit/core/display_scale.h"
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

// The gadget's place in its window's client coordinates (edges), and the window's client size, in
// units: the place kept for it in scaled mode, else where it is.
bool PlaceOf(HWND gadget, RECT* place, SIZE* room) {
  HWND window = GetParent(gadget);
  RECT client;
  if (window == nullptr || !GetClientRect(window, &client)) return false;
  const UINT dpi = DpiOfWindow(window);
  *room = SIZE{DpiUnscale(client.right, dpi), DpiUnscale(client.bottom, dpi)};
  if (DpiRect kept{}; DpiGeometryGet(gadget, &kept)) {
    *place = RECT{kept.x, kept.y, kept.x + kept.width, kept.y + kept.height};
    return true;
  }
  if (!GetWindowRect(gadget, place)) return false;
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(place), 2);
  *place = RECT{DpiUnscale(place->left, dpi), DpiUnscale(place->top, dpi),
                DpiUnscale(place->right, dpi), DpiUnscale(place->bottom, dpi)};
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

void LayoutRun(HWND window, int width_pixels, int height_pixels) {
  const UINT dpi = DpiOfWindow(window);
  const int width = DpiUnscale(width_pixels, dpi), height = DpiUnscale(height_pixels, dpi);
  std::vector<std::pair<HWND, DpiRect>> moves;
  try {
    for (const auto& [gadget, anchor] : anchors) {
      if (GetParent(gadget) != window) continue;
      int x, y, w, h;
      Axis((anchor.edges & ANCHOR_LEFT) != 0, (anchor.edges & ANCHOR_RIGHT) != 0, width,
           anchor.gaps.left, anchor.gaps.right, anchor.size.cx, &x, &w);
      Axis((anchor.edges & ANCHOR_TOP) != 0, (anchor.edges & ANCHOR_BOTTOM) != 0, height,
           anchor.gaps.top, anchor.gaps.bottom, anchor.size.cy, &y, &h);
      moves.emplace_back(gadget, DpiRect{x, y, w, h});
    }
  } catch (const std::bad_alloc&) {
    return;  // the layout stays as it was
  }
  // All at once, so that the window is painted once.
  HDWP batch = BeginDeferWindowPos(static_cast<int>(moves.size()));
  for (const auto& [gadget, units] : moves) {
    DpiGeometryKeep(gadget, units);
    const DpiRect r = DpiPlaceOf(window, units);
    if (batch != nullptr) {
      batch = DeferWindowPos(batch, gadget, nullptr, r.x, r.y, r.width, r.height,
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
