#pragma once
// Requests to the helper target beyond making windows: a class of a given shape, user data, a
// menu bar, window properties, layered attributes. Numbers travel in hexadecimal.

#include "harness/TargetClient.h"

#include <cstdio>
#include <cstdlib>
#include <string>

inline std::string TargetHex(unsigned long long value) {
    char text[24];
    std::snprintf(text, sizeof(text), "%llX", value);
    return text;
}

// The number after "ok " in a reply, or 0.
inline unsigned long long TargetReplyValue(const std::string& reply) {
    return reply.rfind("ok ", 0) == 0 ? std::strtoull(reply.c_str() + 3, nullptr, 16) : 0;
}

// Returns the class's atom, or 0. `menuName` is empty, "#NUMBER" or a name.
inline unsigned RegisterTargetClass(harness::TargetProcess& target, const std::string& name, unsigned style,
                                    unsigned classBytes, unsigned windowBytes, const std::string& menuName,
                                    unsigned background, bool iconAndCursor) {
    const std::string withIcon = iconAndCursor ? "1" : "0";
    return static_cast<unsigned>(TargetReplyValue(
        target.Request("register\t" + name + "\t" + TargetHex(style) + "\t" + TargetHex(classBytes) + "\t" +
                       TargetHex(windowBytes) + "\t" + menuName + "\t" + TargetHex(background) + "\t" +
                       withIcon + "\t" + withIcon)));
}

inline bool SetTargetUserData(harness::TargetProcess& target, HWND hwnd, unsigned long long value) {
    return target.Request("userdata\t" + TargetHex(reinterpret_cast<UINT_PTR>(hwnd)) + "\t" +
                          TargetHex(value)) == "ok";
}

// The new menu bar, or null.
inline HMENU AttachTargetMenu(harness::TargetProcess& target, HWND hwnd) {
    return reinterpret_cast<HMENU>(static_cast<UINT_PTR>(
        TargetReplyValue(target.Request("menu\t" + TargetHex(reinterpret_cast<UINT_PTR>(hwnd))))));
}

// A property named by the string `name`.
inline bool SetTargetProperty(harness::TargetProcess& target, HWND hwnd, const std::string& name,
                              unsigned long long value) {
    return target.Request("prop\t" + TargetHex(reinterpret_cast<UINT_PTR>(hwnd)) + "\t" + name + "\t" +
                          TargetHex(value)) == "ok";
}

// A property named by the global atom of `name`; returns the atom, or 0.
inline unsigned SetTargetAtomProperty(harness::TargetProcess& target, HWND hwnd, const std::string& name,
                                      unsigned long long value) {
    return static_cast<unsigned>(TargetReplyValue(target.Request(
        "atomprop\t" + TargetHex(reinterpret_cast<UINT_PTR>(hwnd)) + "\t" + name + "\t" + TargetHex(value))));
}

inline bool SetTargetLayered(harness::TargetProcess& target, HWND hwnd, COLORREF key, BYTE alpha,
                             DWORD flags) {
    return target.Request("layered\t" + TargetHex(reinterpret_cast<UINT_PTR>(hwnd)) + "\t" + TargetHex(key) +
                          "\t" + TargetHex(alpha) + "\t" + TargetHex(flags)) == "ok";
}
