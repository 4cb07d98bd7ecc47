// Gadget registration and release, with the clean-up that each gadget class needs.
#include "toolkit/gadgets/gadget_registry.h"

#include <commctrl.h>

#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include <vantrel/toolkit.h>

#include "toolkit/core/display_scale.h"
#include "toolkit/core/registries.h"
#include "toolkit/gadgets/gadget_constants.h"
#include "toolkit/gadgets/gadget_create.h"
#include "toolkit/gadgets/gadget_layout.h"
#include "toolkit/gadgets/int_stack.h"

namespace {

HANDLE Prop(HWND window, const char* name) {
  return GetPropA(window, name);
}

BOOL CALLBACK Collect(HWND window, LPARAM into) {
  try {
    reinterpret_cast<std::vector<HWND>*>(into)->push_back(window);
    return TRUE;
  } catch (const std::bad_alloc&) {
    return FALSE;  // the gadgets not collected keep their entries, as every gadget inside once did
  }
}

// The gadgets inside a gadget that goes (a panel, a tab page, a container) are released as it
// is; their windows go with its window.
void InnerGadgetsRelease(HWND window) {
  std::vector<HWND> inside;
  EnumChildWindows(window, Collect, reinterpret_cast<LPARAM>(&inside));
  for (HWND child : inside) {
    const GadgetId id = GadgetIdOf(child);
    if (GadgetWindowOf(id) == child) GadgetRelease(id, false);
  }
}

void ReleaseExplorer(HWND window) {
  HANDLE routine = Prop(window, PROP_EXPLORER_FREE_PROC);
  if (routine == nullptr) return;
  auto free_data = reinterpret_cast<GadgetDataFreeFunction>(routine);
  free_data(Prop(window, PROP_COMPANION));
  RemovePropA(window, PROP_EXPLORER_FREE_PROC);
  RemovePropA(window, PROP_EXPLORER_LIST_WINDOW);
}

// The image list belongs to the application's image set: it is emptied, never destroyed.
void EmptyImageList(HWND window) {
  auto images = reinterpret_cast<HIMAGELIST>(Prop(window, PROP_COMPANION));
  if (images != nullptr) ImageList_Remove(images, -1);
}

// The image combo's list was made for it at its creation: it goes with the combo, detached
// first so that the combo never draws from a destroyed list.
void ReleaseImageCombo(HWND window) {
  auto images = reinterpret_cast<HIMAGELIST>(Prop(window, PROP_COMPANION));
  if (images == nullptr) return;
  SendMessageA(window, CBEM_SETIMAGELIST, 0, 0);
  ImageList_Destroy(images);
}

void ReleaseTreeOrList(HWND window) {
  EmptyImageList(window);
  auto* stack = reinterpret_cast<IntStack*>(Prop(window, PROP_STACK_INDEXES));
  if (stack != nullptr) IntStackDelete(stack);
  RemovePropA(window, PROP_STACK_INDEXES);
}

void ReleaseUpDown(HWND window) {
  auto buddy = reinterpret_cast<HWND>(Prop(window, PROP_COMPANION));
  if (buddy != nullptr) DestroyWindow(buddy);
}

// A spin's field takes its up-down along; a status bar is no longer its window's.
void ReleaseField(HWND window) {
  if (auto up_down = static_cast<HWND>(Prop(window, PROP_SPIN_UP_DOWN))) DestroyWindow(up_down);
  RemovePropA(window, PROP_SPIN_UP_DOWN);
}

void ReleaseStatusBar(HWND window) {
  HWND owner = GetParent(window);
  if (Prop(owner, PROP_STATUSBAR_WINDOW) == window) RemovePropA(owner, PROP_STATUSBAR_WINDOW);
}

// A tab panel's pages lie beside it, not in it: they go with it, and their gadgets too.
void ReleaseTabPages(HWND tabs) {
  const LRESULT count = SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0);
  for (LRESULT index = 0; index < count; ++index) {
    TCITEMA item = {};
    item.mask = TCIF_PARAM;
    SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    auto page = reinterpret_cast<HWND>(item.lParam);
    if (GetPropA(page, PROP_TAB_PANEL) != tabs) continue;
    InnerGadgetsRelease(page);
    RemovePropA(page, PROP_TAB_PANEL);
    DestroyWindow(page);
  }
}

void ReleaseSplitter(HWND window) {
  for (const char* name : SPLITTER_PROPS) RemovePropA(window, name);
}

// The first matching class decides; the name is read while the window still exists.
void ReleaseByClass(HWND window) {
  const std::string class_name = WindowClassNameGet(window);
  if (class_name == CLASS_EXPLORER_GADGET) {
    ReleaseExplorer(window);
  } else if (class_name == CLASS_TREE_VIEW || class_name == CLASS_LIST_VIEW) {
    ReleaseTreeOrList(window);
  } else if (class_name == CLASS_UP_DOWN) {
    ReleaseUpDown(window);
  } else if (class_name == CLASS_IMAGE_COMBO) {
    ReleaseImageCombo(window);
  } else if (class_name == CLASS_SPLITTER) {
    ReleaseSplitter(window);
  } else if (class_name == WC_EDITA) {
    ReleaseField(window);
  } else if (class_name == STATUSCLASSNAMEA) {
    ReleaseStatusBar(window);
  } else if (class_name == WC_STATICA) {
    PictureCopyForget(window);
  } else if (class_name == WC_TABCONTROLA) {
    ReleaseTabPages(window);
  }
  GadgetLayoutForget(window);
  GadgetToolTipForget(window);
  DpiGeometryForget(window);
}

}  // namespace

void StatusBarPropsClear(GadgetId id) {
  HWND window = GadgetWindowOf(id);
  if (window == nullptr) return;
  void* fields = Prop(window, PROP_STATUSBAR_ARRAY);
  if (fields != nullptr) {
    std::free(fields);
    RemovePropA(window, PROP_STATUSBAR_ARRAY);
    RemovePropA(window, PROP_STATUSBAR_FIELDS);
  }
  RemovePropA(window, PROP_STATUSBAR_WINDOW);
}

void GadgetRelease(GadgetId id, bool destroy) {
  if (GadgetRegistryGet() == nullptr) return;
  StatusBarPropsClear(id);
  HWND window = GadgetWindowOf(id);
  if (window != nullptr && destroy) InnerGadgetsRelease(window);
  if (window != nullptr && ColourRegistryGet() != nullptr) {
    HandleListRemoveTriple(ColourRegistryGet(), RegistryKeyOfWindow(window));
  }
  if (window != nullptr) ReleaseByClass(window);
  TabStopEntryRemove(id);
  if (window != nullptr) {
    RemovePropA(window, PROP_COMPANION);
    if (destroy) DestroyWindow(window);
  }
  // Last, so that every step above could still map the id to its window.
  GadgetUnregister(id);
}

void GadgetFree(GadgetId id) {
  GadgetRelease(id, true);
}

int GadgetRegister(GadgetId id, HWND window) {
  if (GadgetRegistryGet() == nullptr) return 0;
  // Registered again as it is: freeing first would destroy the caller's own control.
  if (window != nullptr && GadgetWindowOf(id) == window) return 1;
  GadgetFree(id);
  // A control has one id: under two, freeing one would leave the other naming a dead window.
  const GadgetId old = GadgetIdOf(window);
  if (window != nullptr && GadgetWindowOf(old) == window) {
    TabStopEntryRemove(old);
    GadgetUnregister(old);
  }
  return GadgetRegistryAppend(id, window) ? 1 : 0;
}
