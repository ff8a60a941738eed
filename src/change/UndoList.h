#pragma once
// The changes made to one window since it was picked, kept so that all of them can be put back.
// Pure logic: no window system here.

#include "change/ChangeValue.h"
#include "change/WindowChange.h"

#include <vector>

namespace orvex {

class UndoList {
public:
    // An applied change, with the value the window reported before it. A close is not kept: nothing
    // brings a closed window back.
    void Record(const ChangeValue& before);

    bool Empty() const { return m_restoring.empty(); }

    // The changes that put every recorded value back, the latest first, so that a property changed
    // twice ends with the value it had before the first change. The list is empty afterwards.
    std::vector<WindowChange> TakeUndoChanges();

    void Clear() { m_restoring.clear(); }

private:
    std::vector<WindowChange> m_restoring; // in the order the changes were made
};

} // namespace orvex
