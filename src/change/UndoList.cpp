#include "change/UndoList.h"

namespace orvex {

void UndoList::Record(const ChangeValue& before) {
    if (auto restoring = RestoringChange(before))
        m_restoring.push_back(std::move(*restoring));
}

std::vector<WindowChange> UndoList::TakeUndoChanges() {
    std::vector<WindowChange> changes(m_restoring.rbegin(), m_restoring.rend());
    m_restoring.clear();
    return changes;
}

} // namespace orvex
