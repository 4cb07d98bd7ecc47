// Module initialisers that run once, in a fixed order, before the application's first statement.
#pragma once

// Each is defined by its own module; startup.cpp runs them in this order.
void ExplorerScanListInit();  // explorer: the scan list (first of all)
void ExplorerWindowsInit();   // explorer: how colours and Tab reach its list view
void ShortcutMasterInit();    // shortcuts: the master table
void TabStopInit();           // tab stops: the handler of the three Tab commands
void WindowReleaseInit();     // gadgets: what a destroyed window's gadgets and shortcuts hold
void GadgetLayoutInit();      // gadgets: anchored gadgets follow their window's size
void GadgetDpiInit();         // gadgets: fonts, pictures and columns follow a DPI change
void ExplorerDpiInit();       // explorer: its icons and columns follow a DPI change
void ToolkitStartup();        // core: pump table, notification copies, column click (last)

// They run during static initialisation, before or after other files' constructors: the
// globals they write must be constant-initialised (plain pointers and numbers), never objects
// whose constructors could run later and wipe what an initialiser stored.

// The toolkit is a static library, from which the linker takes only the object files a program
// refers to, and nothing refers to the runner's. So the object files of the operations a
// program can start with (opening a window, the event calls, loading an image) each hold one
// of the references below to ToolkitStartupLink, which lives beside the runner: any program
// that uses the toolkit gets the runner, with no flags on its side.
extern const char ToolkitStartupLink;
extern const char* const WindowOpenStartupLink;
extern const char* const EventPumpStartupLink;
extern const char* const ImageLoadStartupLink;
