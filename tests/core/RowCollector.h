#pragma once
// A property sink that keeps the rows, so tests can read back what a gatherer produced.

#include "inspect/PropertySink.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

struct Row {
    int group = 0;
    std::wstring name;
    std::wstring value;
    int kind = 0;
    bool operator==(const Row&) const = default;
};

inline void PrintTo(const Row& row, std::ostream* out) {
    *out << "{" << row.group << ", \"" << std::string(row.name.begin(), row.name.end()) << "\", \""
         << std::string(row.value.begin(), row.value.end()) << "\", " << row.kind << "}";
}

class RowCollector : public PropertySink {
public:
    int AddProperty(int group, const std::wstring& name, const std::wstring& value, int kind) override {
        rows.push_back({group, name, value, kind});
        return static_cast<int>(rows.size()) - 1;
    }
    std::vector<std::wstring> Names() const {
        std::vector<std::wstring> names;
        for (const Row& row : rows)
            names.push_back(row.name);
        return names;
    }
    // "NAME=VALUE" per row, the shape most expectations are easiest to read in.
    std::vector<std::wstring> Pairs() const {
        std::vector<std::wstring> pairs;
        for (const Row& row : rows)
            pairs.push_back(row.name + L"=" + row.value);
        return pairs;
    }
    std::optional<Row> Find(const std::wstring& name) const {
        for (const Row& row : rows) {
            if (row.name == name)
                return row;
        }
        return std::nullopt;
    }

    std::vector<Row> rows;
};
