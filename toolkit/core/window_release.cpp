// What a destroyed toolkit window leaves behind is released: entries, properties, its class.
#include "toolkit/core/window_release.h"

#include <algorithm>
#include <new>
#include <vector>

#include <vantrel/toolkit.h>

#include "toolkit/core/colours.h"
#include "toolkit/core/core_constants.h"
#include "toolkit/core/display_scale.h"
#include "toolkit/core/module_seams.h"
#include "toolkit/core/registries.h"
#include "toolkit/core/shortcut_table.h"
#include "toolkit/core/window_proc_handlers.h"

namespace {

// Class names of destroyed windows, unregistered once their window is really gone.
std::vector<std::string> classes_to_unregister;

// The core's properties on a toolkit window (the application's own stay its business).
constexpr const char* kWindowProps[] = {PROP_TABSTOP_ENABLE, PROP_TABSTOP_CURRENT_GADGET,
                                        PROP_TABSTOP_ACTIVE_WINDOW, PROP_PAGE_STEP};

constexpr int kClassNameRecord = 1;  // a class name is one text node

// Whether WindowOpen registered the class (and so forgets it now); a class an application
// registered itself with MainWindowProcAddress is not the toolkit's to unregister.
bool ClassNameForget(const std::string& class_name) {
  return HandleListRemoveRecordsIf(
             ClassNameRegistryGet(), kClassNameRecord,
             [&class_name](const HandleNode& node) { return node.text == class_name; }) > 0;
}

void ClassUnregisterLater(const std::string& class_name) {
  try {
    classes_to_unregister.push_back(class_name);
  } catch (const std::bad_alloc&) {
    // The class then stays registered, as every class once did.
  }
}

// Stops in the window and entries of controls already destroyed with it.
void EntriesRelease(HWND window) {
  const std::uint64_t key = RegistryKeyOfWindow(window);
  HandleListRemoveRecordsIf(TabStopRegistryGet(), REGISTRY_PAIR, [key](const HandleNode& id) {
    return id.next != nullptr && id.next->key == key;
  });
  HandleListRemoveRecordsIf(ColourRegistryGet(), REGISTRY_TRIPLE, [key](const HandleNode& control) {
    return control.key == key || !IsWindow(RegistryWindowOfKey(control.key));
  });
}

}  // namespace

void WindowClassForget(const std::string& class_name) {
  ClassNameForget(class_name);
}

void WindowClassRelease(const std::string& class_name) {
  ClassNameForget(class_name);
  ClassUnregisterLater(class_name);
  WindowClassesUnregisterPending();
}

void WindowClassesUnregisterPending() {
  const auto gone =
      std::remove_if(classes_to_unregister.begin(), classes_to_unregister.end(),
                     [](const std::string& class_name) {
                       if (UnregisterClassA(class_name.c_str(), GetModuleHandleA(nullptr))) {
                         return true;
                       }
                       // Tried again only while a window still has the class.
                       return GetLastError() != ERROR_CLASS_HAS_WINDOWS;
                     });
  classes_to_unregister.erase(gone, classes_to_unregister.end());
}

void OnDestroy(HWND window) {
  // The window's gadgets still exist: their properties and companions can be read and freed.
  WindowGadgetsReleaseRun(window);
}

void OnNcDestroy(HWND window) {
  WindowReleaseRun(window);
  ShortcutTableRemove(window);
  EntriesRelease(window);
  for (const char* name : kWindowProps) RemovePropA(window, name);
  DpiWindowForget(window);
  if (CurrentWindowGet() == window) CurrentWindowSet(nullptr);
  const std::string class_name = WindowClassNameGet(window);
  if (!ClassNameForget(class_name)) return;
  // Unregistering the class deletes its background brush.
  WindowBackgroundForget(window);
  ClassUnregisterLater(class_name);
}
