// Module initialisers that run once, in a fixed order, before the application's first statement.
#pragma once

// Each is defined by its own module; startup.cpp runs them in this order.
void ExplorerScanListInit();  // explorer: the scan list (first of all)
void ShortcutMasterInit();    // shortcuts: the master table
void TabStopInit();           // tab stops: the handler of the three Tab commands
void ImageLoaderInit();       // images: GDI+ start-up
void ToolkitStartup();        // core: pump table, notification copies, column click (last)

// They run during static initialisation, before or after other files' constructors: the
// globals they write must be constant-initialised (plain pointers and numbers), never objects
// whose constructors could run later and wipe what an initialiser stored.
