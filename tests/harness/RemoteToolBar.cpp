#include "harness/RemoteToolBar.h"

#include "harness/RemoteBuffer.h"

#include <commctrl.h>

namespace harness {

namespace {
constexpr size_t kTextChars = 256;
} // namespace

std::optional<ToolBarButton> ReadToolBarButton(HWND toolBar, int index) {
    RemoteBuffer buffer(toolBar, sizeof(TBBUTTONINFOW) + (kTextChars + 1) * sizeof(wchar_t));
    if (!buffer)
        return std::nullopt;
    TBBUTTONINFOW request{};
    request.cbSize = sizeof(request);
    request.dwMask = TBIF_BYINDEX | TBIF_COMMAND | TBIF_IMAGE | TBIF_STATE | TBIF_STYLE | TBIF_TEXT;
    request.pszText = buffer.at<wchar_t>(sizeof(TBBUTTONINFOW));
    request.cchText = static_cast<int>(kTextChars);
    const wchar_t none = L'\0';
    if (!buffer.Write(0, request) || !buffer.Write(sizeof(TBBUTTONINFOW), none))
        return std::nullopt;
    LRESULT result = ::SendMessageW(toolBar, TB_GETBUTTONINFOW, static_cast<WPARAM>(index),
                                    reinterpret_cast<LPARAM>(buffer.address()));
    TBBUTTONINFOW answer{};
    if (result != index || !buffer.Read(0, answer))
        return std::nullopt;
    ToolBarButton button;
    button.command = answer.idCommand;
    button.image = answer.iImage;
    button.state = answer.fsState;
    button.style = answer.fsStyle;
    button.text = buffer.ReadText(sizeof(TBBUTTONINFOW), kTextChars);
    return button;
}

std::optional<RECT> ToolBarButtonScreenRect(HWND toolBar, int index) {
    RemoteBuffer buffer(toolBar, sizeof(RECT));
    RECT rect{};
    if (!buffer ||
        !::SendMessageW(toolBar, TB_GETITEMRECT, static_cast<WPARAM>(index),
                        reinterpret_cast<LPARAM>(buffer.address())) ||
        !buffer.Read(0, rect))
        return std::nullopt;
    ::MapWindowPoints(toolBar, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

} // namespace harness
