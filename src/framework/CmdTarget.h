#pragma once
// The root of everything that receives commands through a message map.

#include "MessageMap.h"

class CObject {
public:
    CObject() = default;
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
    virtual ~CObject() = default;
};

class CCmdTarget : public CObject {
public:
    static const ::fw::MessageMap* GetThisMessageMap();
    virtual const ::fw::MessageMap* GetMessageMap() const { return GetThisMessageMap(); }

    // Offers a WM_COMMAND to this target's map; true when an entry took it. Menus and accelerators
    // come with code 0.
    virtual bool OnCmdMsg(UINT id, UINT code);

protected:
    // Finds the first entry of the given kind in this class's map or the maps of its bases.
    const ::fw::MessageMapEntry* FindEntry(::fw::EntryKind kind, UINT message, UINT code, UINT id) const;
};
