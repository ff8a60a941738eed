// libFuzzer entry for the style decoder: arbitrary words through every table, and whole style
// blocks with arbitrary class names and query answers. Aborts when a bit is lost, invented or
// shown twice; the sanitizers catch any read outside the tables.
#include "inspect/styles/DecodeStyles.h"
#include "inspect/styles/StyleBlock.h"
#include "inspect/styles/StyleClasses.h"
#include "inspect/styles/WindowStyleTables.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cwchar>
#include <set>
#include <string>
#include <vector>

namespace {

class CheckingSink : public PropertySink {
public:
    int AddProperty(int group, const std::wstring& name, const std::wstring& value, int) override {
        if (name.empty() || group != m_group)
            std::abort();
        if (value.size() == 10 && value.compare(0, 2, L"0x") == 0)
            values.push_back(static_cast<std::uint32_t>(std::wcstoul(value.c_str() + 2, nullptr, 16)));
        else if (value != L"<n/a>")
            std::abort();
        return static_cast<int>(values.size());
    }
    explicit CheckingSink(int group) : m_group(group) {}
    std::vector<std::uint32_t> values;

private:
    int m_group;
};

std::vector<const orvex::StyleTable*> EveryTable() {
    std::vector<const orvex::StyleTable*> tables{&orvex::kWsTable, &orvex::kWsExTable};
    for (const orvex::StyleClass& entry : orvex::StyleClasses()) {
        for (const orvex::StyleTable* table :
             {entry.controlTable, entry.extendedTable, entry.editStyleTable}) {
            if (table != nullptr)
                tables.push_back(table);
        }
    }
    std::set<const orvex::StyleTable*> seen;
    std::vector<const orvex::StyleTable*> unique;
    for (std::size_t i = 0; i < tables.size(); ++i) {
        if (!seen.insert(tables[i]).second)
            continue;
        unique.push_back(tables[i]);
        for (const orvex::StyleStep& step : tables[i]->steps) {
            if (step.kind == orvex::StepKind::Chain)
                tables.push_back(step.chain);
        }
    }
    return unique;
}

std::uint32_t Word(const std::uint8_t* data) {
    return static_cast<std::uint32_t>(data[0]) | static_cast<std::uint32_t>(data[1]) << 8 |
           static_cast<std::uint32_t>(data[2]) << 16 | static_cast<std::uint32_t>(data[3]) << 24;
}

void CheckTable(const orvex::StyleTable& table, std::uint32_t word) {
    CheckingSink sink(GROUP_STYLES);
    std::uint32_t leftover = word;
    orvex::DecodeStyles(sink, table, leftover, GROUP_STYLES);
    std::uint32_t shown = 0;
    for (std::uint32_t value : sink.values) {
        if ((value & shown) != 0 || (value & ~word) != 0)
            std::abort();
        shown |= value;
    }
    if ((shown | leftover) != word || (shown & leftover) != 0)
        std::abort();
}

// A whole block: the words, then a class picked by one byte (or none), then the query answer,
// which one of its bits turns into a time-out.
void CheckBlock(const std::uint8_t* data, std::size_t size) {
    if (size < 13)
        return;
    const auto classes = orvex::StyleClasses();
    const std::uint32_t answer = Word(data + 8);
    const int group = (answer & 1) ? GROUP_SUMMARY : GROUP_STYLES;
    orvex::StyleWords words{Word(data), Word(data + 4), std::nullopt};
    if (data[12] < classes.size())
        words.className = classes[data[12]].className;
    CheckingSink sink(group);
    orvex::AddStyleBlock(sink, group, words, [answer](std::uint32_t message) -> std::optional<std::uint32_t> {
        if (answer & 2)
            return std::nullopt;
        return answer ^ message;
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<const orvex::StyleTable*> tables = EveryTable();
    if (size >= 5)
        CheckTable(*tables[data[0] % tables.size()], Word(data + 1));
    CheckBlock(data, size);
    return 0;
}
