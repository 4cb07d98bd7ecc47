// COM for the shell on the threads that create explorers.
#include "toolkit/explorer/explorer_com.h"

#include <windows.h>
#include <objbase.h>

namespace {

// The shell's icon and type handlers may be COM objects: without COM on the asking thread
// SHGetFileInfoA falls back to generic icons.
thread_local bool com_asked = false;

}  // namespace

void ExplorerComEnsure() {
  if (com_asked) return;
  com_asked = true;
  const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  // S_FALSE: the application already initialised COM here; its own CoUninitialize must still
  // end it, so the extra reference is given back. RPC_E_CHANGED_MODE: it chose another
  // apartment, which stays. S_OK: COM stays for the thread's life, like the toolkit's other
  // process-long resources.
  if (result == S_FALSE) CoUninitialize();
}
