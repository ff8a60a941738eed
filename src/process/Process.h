#pragma once
// What Orvex shows about one process: its short name and the full path of its image.

#include "framework/CmdTarget.h"

#include <windows.h>

#include <string>

class CProcess : public CObject {
public:
    CProcess() = default;

    // Fills the record for the process. FALSE when the process cannot be opened for querying and
    // reading; the record then keeps only the id, the image path if limited access reads it, and
    // for id 0 the idle process's name.
    virtual BOOL Initialize(DWORD dwProcessId);

    DWORD m_dwProcessId = 0xFFFFFFFF;
    std::wstring m_strName;
    // By ProcessImagePath's rule, as a drive path where the system reported a kernel form; empty
    // when it cannot be read.
    std::wstring m_strImagePath;
};
