#pragma once
// What a live window's node in the window tree shows: its label and its picture.

#include "framework/Controls.h"

#include <windows.h>

#include <string>

struct WindowNodeLook {
    std::wstring label;
    int picture = 0;
};

// Reads the window's text (at most 254 characters), its class name and its style words.
WindowNodeLook LookOfWindowNode(HWND hwnd);

// The picture of bitmap 136 for a window of that class: by class name and window style, and when
// those do not decide, by the class style.
int GetClassImage(HWND hwnd, const std::wstring& className);

// Appends a node showing `label` and `picture` (selected or not) as the last child of `parent`,
// with `data` in its data word; null when the tree refused it.
HTREEITEM AppendTreeNode(const CTreeCtrl& tree, HTREEITEM parent, const std::wstring& label, int picture,
                         LPARAM data);
