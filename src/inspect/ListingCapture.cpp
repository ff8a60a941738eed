#include "inspect/ListingCapture.h"

#include "inspect/Listing.h"

namespace {

class RowList final : public PropertySink {
public:
    explicit RowList(std::vector<orvex::ListingRow>& rows) : m_rows(rows) {}
    int AddProperty(int group, const std::wstring& name, const std::wstring& value, int kind) override {
        m_rows.push_back({group, name, value, kind});
        return static_cast<int>(m_rows.size()) - 1;
    }

private:
    std::vector<orvex::ListingRow>& m_rows;
};

} // namespace

bool CaptureWindowListing(HWND hwnd, orvex::ViewMode mode, bool moreProperties,
                          std::vector<orvex::ListingRow>& rows, ControlTextRead controlText,
                          StyleQueries styleQueries) {
    rows.clear();
    RowList sink(rows);
    if (AddWindowListing(sink, hwnd, mode, moreProperties, controlText, styleQueries))
        return true;
    rows.clear();
    return false;
}
