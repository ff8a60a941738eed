#include "harness/RemoteListView.h"

#include "harness/RemoteBuffer.h"

#include <commctrl.h>

namespace harness {

namespace {

constexpr size_t kTextChars = 2048;

std::wstring ReadItemText(HWND listView, const RemoteBuffer& buffer, int item, int subItem) {
    LVITEMW request{};
    request.iSubItem = subItem;
    request.pszText = reinterpret_cast<LPWSTR>(buffer.address() + sizeof(LVITEMW));
    request.cchTextMax = static_cast<int>(kTextChars);
    if (!buffer.Write(0, &request, sizeof(request)))
        return {};
    LRESULT length = ::SendMessageW(listView, LVM_GETITEMTEXTW, static_cast<WPARAM>(item),
                                    reinterpret_cast<LPARAM>(buffer.address()));
    if (length <= 0)
        return {};
    std::wstring text(static_cast<size_t>(length), L'\0');
    buffer.Read(sizeof(LVITEMW), text.data(), text.size() * sizeof(wchar_t));
    return text;
}

} // namespace

std::vector<ListRow> ReadListRows(HWND listView) {
    std::vector<ListRow> rows;
    RemoteBuffer buffer(listView, sizeof(LVITEMW) + kTextChars * sizeof(wchar_t));
    if (!buffer)
        return rows;
    int count = static_cast<int>(::SendMessageW(listView, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        rows.push_back({ReadItemText(listView, buffer, i, 0), ReadItemText(listView, buffer, i, 1)});
    return rows;
}

std::vector<std::wstring> ReadListColumn(HWND listView, int column) {
    std::vector<std::wstring> cells;
    RemoteBuffer buffer(listView, sizeof(LVITEMW) + kTextChars * sizeof(wchar_t));
    if (!buffer)
        return cells;
    const int count = static_cast<int>(::SendMessageW(listView, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        cells.push_back(ReadItemText(listView, buffer, i, column));
    return cells;
}

int SelectedRow(HWND listView) {
    return static_cast<int>(
        ::SendMessageW(listView, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

std::optional<RECT> ListItemScreenRect(HWND listView, int item) {
    RemoteBuffer buffer(listView, sizeof(RECT));
    RECT rect{LVIR_LABEL, 0, 0, 0};
    if (!buffer || !buffer.Write(0, rect) ||
        !::SendMessageW(listView, LVM_GETITEMRECT, static_cast<WPARAM>(item),
                        reinterpret_cast<LPARAM>(buffer.address())) ||
        !buffer.Read(0, rect))
        return std::nullopt;
    ::MapWindowPoints(listView, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

} // namespace harness
