#include "inspect/MoreRows.h"

#include "inspect/DisplayRows.h"
#include "inspect/RelationRows.h"
#include "inspect/ThreadRows.h"
#include "inspect/WindowPropertyRows.h"

void AddMoreRows(PropertySink& sink, HWND hwnd, ControlTextRead controlText) {
    AddRelationRows(sink, hwnd);
    AddControlTextRow(sink, hwnd, controlText);
    AddWindowPropertyRows(sink, hwnd);
    AddDisplayRows(sink, hwnd);
    AddThreadRows(sink, hwnd);
}
