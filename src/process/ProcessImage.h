#pragma once
// The full path of a process's image, read by one access rule wherever Orvex shows it.

#include <windows.h>

#include <string>

// The two ways of reading the path, each asking for the access it needs.
enum class ImageAccess {
    // PROCESS_QUERY_LIMITED_INFORMATION and QueryFullProcessImageNameW: all a protected or
    // elevated process grants to a program that is not.
    Limited,
    // PROCESS_QUERY_INFORMATION | PROCESS_VM_READ and GetModuleFileNameExW: for systems or
    // processes that refuse the limited query.
    Full,
};

// The image path of the process read one way, as a drive path where the system reported a kernel
// form; empty when that way cannot read it.
std::wstring ProcessImagePath(DWORD processId, ImageAccess access);

// The image path by the rule: limited access first, full access when that fails.
std::wstring ProcessImagePath(DWORD processId);

// Whether the process runs 32-bit code on a 64-bit system (WoW64); false when it cannot be asked.
bool IsThirtyTwoBitProcess(DWORD processId);
