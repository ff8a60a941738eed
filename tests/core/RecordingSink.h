#pragma once
// A property sink that keeps the rows it is given, for tests of the gatherers' pure logic.

#include "inspect/PropertySink.h"

#include <string>
#include <vector>

namespace style_rows {

struct Row {
    int group;
    std::wstring name;
    std::wstring value;
    int kind;
};

class RecordingSink : public PropertySink {
public:
    int AddProperty(int group, const std::wstring& name, const std::wstring& value, int kind) override {
        rows.push_back({group, name, value, kind});
        return static_cast<int>(rows.size()) - 1;
    }

    // "NAME=VALUE" per row, the shape most expectations are easiest to read in.
    std::vector<std::wstring> Pairs() const {
        std::vector<std::wstring> pairs;
        for (const Row& row : rows)
            pairs.push_back(row.name + L"=" + row.value);
        return pairs;
    }

    std::vector<std::wstring> Names() const {
        std::vector<std::wstring> names;
        for (const Row& row : rows)
            names.push_back(row.name);
        return names;
    }

    std::vector<Row> rows;
};

} // namespace style_rows
