// Test seam of the image loader: its GDI+ start, and the Windows version its flattening uses.
#pragma once

// Makes the loader act as on Windows of this major version (5 or lower: the compositing path
// of Windows XP and earlier). 0 goes back to the version the system reports.
void ImageLoaderMajorVersionOverride(int majorVersion);

// Whether the last decoded image went through the compositing path (else GDI+ converted it).
bool ImageLoaderLastLoadComposited();

// Starts GDI+ once, at the first image operation; whether it runs. Tests that call GDI+ themselves
// start it so.
bool ImageLoaderStart();
// Whether GDI+ has been started (not before the first image operation).
bool ImageLoaderStarted();
