#pragma once
// Every process that can be opened, as records the list owns.

#include "framework/CmdTarget.h"
#include "process/Process.h"

#include <memory>
#include <unordered_map>

class CProcessList : public CObject {
public:
    using Map = std::unordered_map<DWORD, std::unique_ptr<CProcess>>;

    CProcessList() = default;
    ~CProcessList() override { RemoveAll(); }

    // Empties the list, then adds a record for every process that can be opened. FALSE when the
    // system's list of process ids cannot be had; the list is then empty.
    BOOL Refresh();
    void RemoveAll();

    // In the map's order, which is no useful one: consumers sort.
    Map::const_iterator begin() const { return m_mapProcesses.begin(); }
    Map::const_iterator end() const { return m_mapProcesses.end(); }
    size_t GetCount() const { return m_mapProcesses.size(); }

    Map m_mapProcesses;
};
