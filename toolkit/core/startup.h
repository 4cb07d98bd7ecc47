// Module initialisers that run once, in a fixed order, before the application's first statement.
#pragma once

// Each is defined by its own module; startup.cpp runs them in this order.
void ExplorerScanListInit();  // explorer: the scan list (first of all)
void ShortcutMasterInit();     // shortcuts: the master table
void ImageLoaderInit();        // images: GDI+ start-up
void ToolkitStartup();         // core: pump table, notification copies, column click (last)
