#pragma once
// A picture written as a PNG file, encoded by the system's Windows Imaging Component.

#include "common/WindowPicture.h"

#include <string>

// Written beside `path` and renamed over it once whole (common/TextFile.h's rule). False, with a
// sentence saying why in `reason`, when it could not be.
bool WritePngFile(const std::wstring& path, const WindowPicture& picture, std::wstring& reason);
