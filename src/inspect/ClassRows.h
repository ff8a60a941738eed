#pragma once
// The Class rows of a window, and the Summary listing's "Class Name" row.

#include "inspect/PropertySink.h"
#include "inspect/SpecialClassNames.h"
#include "inspect/WindowFacts.h"

#include <windows.h>

// Name, procedure, instance, class styles bit by bit, atom, extra bytes, menu name, icon, cursor
// and background. No row at all when the class name cannot be read.
void AddClassRows(PropertySink& sink, const WindowFacts& facts);

// "Class Name": the name, a system class's suffix and the class styles by name. Returns false,
// adding nothing, when the class name cannot be read.
bool AddClassNameRow(PropertySink& sink, int group, const WindowFacts& facts);
