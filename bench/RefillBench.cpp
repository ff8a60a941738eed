// The refill of the property list for a foreign control with an extended style, Detail and Summary,
// and Detail with the further groups, beside its floor: the same window-system reads issued bare,
// plus inserting the same rows into a plain list view with redraw off.
#include "BenchSupport.h"

#include "BenchOrvexApp.h"
#include "core/RowCollector.h"
#include "harness/TargetClient.h"
#include "inspect/Listing.h"
#include "maindlg/MainDialog.h"
#include "maindlg/MainDialogTestView.h"
#include "res/resource.h"

#include <commctrl.h>
#include <psapi.h>

namespace {

// The reads a Detail listing of a list view needs, without any formatting or rows.
void BareReads(HWND hwnd, bool detail) {
    volatile LONG_PTR sink = 0;
    sink = sink + ::GetWindowLongPtrW(hwnd, GWL_STYLE) + ::GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    wchar_t text[260];
    ::GetClassNameW(hwnd, text, 257);
    ::GetWindowTextW(hwnd, text, 260);
    RECT rect;
    ::GetWindowRect(hwnd, &rect);
    DWORD_PTR answer = 0;
    ::SendMessageTimeoutW(hwnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG, 150,
                          &answer);
    sink = sink + static_cast<LONG_PTR>(::GetClassLongPtrW(hwnd, GCL_STYLE));
    if (!detail)
        return;
    if (HWND parent = ::GetParent(hwnd)) {
        POINT corner{rect.left, rect.top};
        ::ScreenToClient(parent, &corner);
        corner = {rect.right, rect.bottom};
        ::ScreenToClient(parent, &corner);
    }
    ::GetClientRect(hwnd, &rect);
    sink = sink + ::GetWindowLongPtrW(hwnd, GWLP_WNDPROC) + ::GetWindowLongPtrW(hwnd, GWLP_HINSTANCE) +
           ::GetWindowLongPtrW(hwnd, GWLP_ID) + ::GetWindowLongPtrW(hwnd, GWLP_USERDATA) +
           ::IsWindowUnicode(hwnd);
    for (int index : {GCLP_WNDPROC, GCLP_HMODULE, GCW_ATOM, GCL_CBCLSEXTRA, GCL_CBWNDEXTRA, GCLP_MENUNAME,
                      GCLP_HICON, GCLP_HCURSOR, GCLP_HBRBACKGROUND})
        sink = sink + static_cast<LONG_PTR>(::GetClassLongPtrW(hwnd, index));
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid)) {
        static wchar_t path[32768];
        ::GetModuleFileNameExW(process, nullptr, path, 32768);
        ::CloseHandle(process);
    }
    wchar_t directory[MAX_PATH];
    ::GetWindowsDirectoryW(directory, MAX_PATH);
}

BOOL CALLBACK IgnoreProperty(HWND, LPWSTR, HANDLE, ULONG_PTR) {
    return TRUE;
}

// The reads the further groups add: related windows and their classes, the children, the
// properties, the display and the thread's state.
void BareMoreReads(HWND hwnd) {
    wchar_t className[257];
    const auto classOf = [&className](HWND window) {
        if (window)
            ::GetClassNameW(window, className, 257);
    };
    for (HWND related :
         {::GetAncestor(hwnd, GA_PARENT), ::GetWindow(hwnd, GW_OWNER), ::GetWindow(hwnd, GW_CHILD),
          ::GetWindow(hwnd, GW_HWNDPREV), ::GetWindow(hwnd, GW_HWNDNEXT), ::GetAncestor(hwnd, GA_ROOT),
          ::GetAncestor(hwnd, GA_ROOTOWNER), ::GetLastActivePopup(hwnd)})
        classOf(related);
    volatile UINT sink = 0;
    for (HWND child = ::GetWindow(hwnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        sink = sink + 1;
    ::EnumPropsExW(hwnd, &IgnoreProperty, 0);

    sink = sink + ::GetDpiForWindow(hwnd);
    const DPI_AWARENESS_CONTEXT context = ::GetWindowDpiAwarenessContext(hwnd);
    sink = sink + ::AreDpiAwarenessContextsEqual(context, DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2) +
           ::AreDpiAwarenessContextsEqual(context, DPI_AWARENESS_CONTEXT_UNAWARE_GDISCALED) +
           static_cast<UINT>(::GetAwarenessFromDpiAwarenessContext(context));
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &monitor);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    ::GetWindowPlacement(hwnd, &placement);
    sink = sink + static_cast<UINT>(::GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED);
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    ::GetWindowRgn(hwnd, region);
    ::DeleteObject(region);

    const DWORD threadId = ::GetWindowThreadProcessId(hwnd, nullptr);
    sink = sink + ::IsHungAppWindow(hwnd);
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    ::GetGUIThreadInfo(threadId, &info);
    for (HWND window : {info.hwndActive, info.hwndFocus, info.hwndCapture, info.hwndMenuOwner,
                        info.hwndMoveSize, info.hwndCaret})
        classOf(window);
}

// The rows, inserted into a plain report list with redraw off, as the floor of the list's work.
void InsertBare(HWND list, const RowCollector& rows) {
    ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    int index = 0;
    for (const Row& row : rows.rows) {
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = index++;
        item.pszText = const_cast<wchar_t*>(row.name.c_str());
        item.lParam = row.kind;
        const int at =
            static_cast<int>(::SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        LVITEMW value{};
        value.iSubItem = 1;
        value.pszText = const_cast<wchar_t*>(row.value.c_str());
        ::SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&value));
    }
    ::SendMessageW(list, LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE_USEHEADER);
    ::SendMessageW(list, LVM_SETCOLUMNWIDTH, 1, LVSCW_AUTOSIZE_USEHEADER);
    ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
}

} // namespace

int main(int argc, char** argv) {
    bench::ReadOptions(argc, argv);
    CBenchOrvexApp app;

    harness::TargetProcess target;
    harness::WindowRequest frame;
    frame.rect = {600, 100, 1000, 400};
    HWND top = target.Create(frame);
    harness::WindowRequest listRequest;
    listRequest.className = L"SysListView32";
    listRequest.style = WS_CHILD | WS_VISIBLE | LVS_REPORT | WS_TABSTOP;
    listRequest.exStyle = WS_EX_CLIENTEDGE;
    listRequest.parent = top;
    listRequest.rect = {10, 10, 300, 200};
    listRequest.id = 9;
    HWND control = target.Create(listRequest);
    if (!control) {
        std::printf("the helper target did not start\n");
        return 1;
    }
    // An extended list style for the control's own query to answer.
    ::SendMessageW(control, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);

    CMainDialog dialog(app.m_settings);
    app.m_pMainWnd = &dialog;
    dialog.Create(IDD_ORVEX_DIALOG);
    // A plain list as large as the property view and visible like it: a hidden list skips work
    // that a shown one does even with redrawing off.
    const RECT viewRect = MainDialogTestView{dialog}.Properties().GetWindowRect();
    HWND bareList =
        ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_POPUP | WS_VISIBLE | LVS_REPORT | LVS_NOCOLUMNHEADER,
                          viewRect.left, viewRect.top, viewRect.right - viewRect.left,
                          viewRect.bottom - viewRect.top, nullptr, nullptr, nullptr, nullptr);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = 230;
    ::SendMessageW(bareList, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    ::SendMessageW(bareList, LVM_INSERTCOLUMNW, 1, reinterpret_cast<LPARAM>(&column));

    for (const orvex::ViewMode viewMode : {orvex::ViewMode::Detail, orvex::ViewMode::Summary}) {
        app.m_settings.m_nViewMode = static_cast<int>(viewMode);
        // The rows of one real refill are the rows the floor inserts.
        RowCollector collected;
        AddWindowListing(collected, control, viewMode);
        const bench::Figure refill = bench::Measure(300, [&] { dialog.ShowWindowProperties(control); });
        const bench::Figure floor = bench::Measure(300, [&] {
            BareReads(control, viewMode == orvex::ViewMode::Detail);
            InsertBare(bareList, collected);
        });
        bench::PrintRow(viewMode == orvex::ViewMode::Detail ? "refill, Detail listing"
                                                            : "refill, Summary listing",
                        refill, floor, 1.2);
    }

    // The Detail refill with the further groups appended, as the main dialog makes it when the user
    // asks for more properties: the control's text is asked for later, off the dialog's thread.
    RowCollector collected;
    AddWindowListing(collected, control, orvex::ViewMode::Detail, true, ControlTextRead::Later);
    CPropertiesView& view = MainDialogTestView{dialog}.Properties();
    const bench::Figure refill = bench::Measure(300, [&] {
        view.SendMessage(WM_SETREDRAW, FALSE);
        view.DeleteAllItems();
        AddWindowListing(view, control, orvex::ViewMode::Detail, true, ControlTextRead::Later);
        view.SetColumnWidth(0, LVSCW_AUTOSIZE_USEHEADER);
        view.SetColumnWidth(1, LVSCW_AUTOSIZE_USEHEADER);
        view.SendMessage(WM_SETREDRAW, TRUE);
        view.Invalidate();
    });
    const bench::Figure floor = bench::Measure(300, [&] {
        BareReads(control, true);
        BareMoreReads(control);
        InsertBare(bareList, collected);
    });
    bench::PrintRow("refill, Detail with more properties", refill, floor, 1.2);

    dialog.DestroyWindow();
    ::DestroyWindow(bareList);
    return 0;
}
