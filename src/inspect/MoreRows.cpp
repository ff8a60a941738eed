#include "inspect/MoreRows.h"

#include "inspect/DisplayRows.h"
#include "inspect/RelationRows.h"
#include "inspect/ThreadRows.h"
#include "inspect/WindowPropertyRows.h"

void AddMoreRows(PropertySink& sink, HWND hwnd) {
    AddRelationRows(sink, hwnd);
    AddWindowPropertyRows(sink, hwnd);
    AddDisplayRows(sink, hwnd);
    AddThreadRows(sink, hwnd);
}
