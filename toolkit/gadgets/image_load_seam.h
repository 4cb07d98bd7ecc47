// Test seam of the image loader: forces the Windows version its flattening depends on.
#pragma once

// Makes the loader act as on Windows of this major version (5 or lower: the compositing path
// of Windows XP and earlier). 0 goes back to the version the system reports.
void ImageLoaderMajorVersionOverride(int majorVersion);

// Whether the last decoded image went through the compositing path (else GDI+ converted it).
bool ImageLoaderLastLoadComposited();
