// The two pictures, from the executable's resources.
#pragma once

#include <windows.h>

#include "scoped_win.hpp"

namespace numora::win {

ScopedBitmap load_bitmap(HINSTANCE instance, int id);
// A GIF kept as raw data, decoded by OLE's picture loader into a bitmap.
// Initialises COM on the calling thread for the time it takes.
ScopedBitmap load_gif(HINSTANCE instance, int id);

}  // namespace numora::win
