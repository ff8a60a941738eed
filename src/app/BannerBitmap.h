#pragma once
// The about box's banner: the packed picture stored in the program's resources, made into a bitmap
// for the screen.

#include "framework/Handles.h"

// Empty when the picture is missing or malformed, or the bitmap could not be made.
fw::UniqueBitmap CreateBannerBitmap();
