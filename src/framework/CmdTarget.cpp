#include "CmdTarget.h"

const ::fw::MessageMap* CCmdTarget::GetThisMessageMap() {
    static const ::fw::MessageMapEntry entries[] = {{::fw::EntryKind::End, 0, 0, 0, 0, nullptr}};
    static const ::fw::MessageMap map = {nullptr, entries};
    return &map;
}

const ::fw::MessageMapEntry* CCmdTarget::FindEntry(::fw::EntryKind kind, UINT message, UINT code,
                                                   UINT id) const {
    using ::fw::EntryKind;
    for (const ::fw::MessageMap* map = GetMessageMap(); map; map = map->base ? map->base() : nullptr) {
        for (const ::fw::MessageMapEntry* e = map->entries; e->kind != EntryKind::End; ++e) {
            if (e->kind != kind)
                continue;
            if (kind == EntryKind::Message) {
                if (e->message == message)
                    return e;
                continue;
            }
            if (e->code == code && id >= e->idFirst && id <= e->idLast)
                return e;
        }
    }
    return nullptr;
}

bool CCmdTarget::OnCmdMsg(UINT id, UINT code) {
    const ::fw::MessageMapEntry* entry = FindEntry(::fw::EntryKind::Command, 0, code, id);
    if (!entry)
        return false;
    entry->thunk(*this, MAKEWPARAM(id, code), 0);
    return true;
}
