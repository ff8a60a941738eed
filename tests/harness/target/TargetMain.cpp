// The helper target: a foreign process for the tests. It reads one request per line on standard
// input, carries it out on its user-interface thread (which keeps pumping messages, so its windows
// answer like any program's), and writes one reply line on standard output.
//
// Requests (fields separated by tabs, handles and numbers in hexadecimal):
//   create CLASS STYLE EXSTYLE PARENT X Y W H ID TEXT   ->  ok HWND | error CODE
//   threadcreate (the fields of create)  ->  the same, the window made on a thread of its own that
//       pumps its messages from then on
//   destroy HWND | show HWND SW | enable HWND 0/1 | settext HWND TEXT   ->  ok | error CODE
//   region HWND LEFT TOP RIGHT BOTTOM (an elliptic window region)   ->  ok | error CODE
//   pid  ->  ok PID        ping  ->  ok        quit  ->  ok, then the process ends
//   register CLASS STYLE CLSEXTRA WNDEXTRA MENUNAME BACKGROUND ICON CURSOR  ->  ok ATOM | error CODE
//       MENUNAME is empty (none), "#NUMBER" (decimal resource number) or a name; ICON and CURSOR
//       are 1 for the system's application icon and arrow cursor, 0 for none
//   userdata HWND VALUE  ->  ok        menu HWND  ->  ok HMENU (a new menu bar with one item)
//   prop HWND NAME VALUE  ->  ok | error CODE; a window property named by the string NAME
//   atomprop HWND NAME VALUE  ->  ok ATOM | error CODE; a window property named by the global atom
//       of NAME, the atom in the reply
//   layered HWND KEY ALPHA FLAGS  ->  ok | error CODE (SetLayeredWindowAttributes)
//   ansiclass CLASS  ->  ok ATOM | error CODE; a class registered with RegisterClassExA whose
//       procedure is ANSI, so its windows get their texts in the system's code page
//   settexta HWND TEXT  ->  ok | error CODE (SetWindowTextA, the text in the system's code page)
//   sendtext HWND MESSAGE WPARAM TEXT  ->  ok RESULT; the user-interface thread sends HWND the
//       message with TEXT (UTF-16) as lParam
//   churn 1|0  ->  ok; another thread creates and destroys windows nonstop (1) or stops (0)
//   hang MS  ->  ok, then the user-interface thread stops pumping messages for MS milliseconds
//   selfsend N HWND [PERSECOND]  ->  ok MICROSECONDS SENT | error CODE; the user-interface thread
//       sends HWND (a window of its own class on that thread) the echo message N times and replies
//       with the time that took, measured here; with PERSECOND the sends are paced to that many a
//       second and end when N / PERSECOND seconds are up, SENT telling how many were made
//   passhooks LIBRARY | passhooks  ->  ok | error CODE; the user-interface thread hooks itself with
//       the three pass-through procedures of the hook library at path LIBRARY, or (no path) unhooks
//       them: a floor for a target whose width differs from the test's, which cannot hook it
//
// Windows of the target's own class also answer two private messages (see TargetClient.h): the echo
// message with the lParam they were sent, the identity message with their own handle.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <deque>
#include <list>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kTargetClass[] = L"OrvexTargetWindow";
constexpr UINT kRunRequest = WM_APP + 1;
constexpr UINT kEchoMessage = WM_APP + 2;
constexpr UINT kIdentityMessage = WM_APP + 3;
constexpr wchar_t kIgnoresTextProp[] = L"OrvexTargetIgnoresText";

std::wstring Widen(const std::string& text) {
    if (text.empty())
        return {};
    int length = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos)
            return fields;
        start = tab + 1;
    }
}

unsigned long long Hex(const std::string& text) {
    return std::strtoull(text.c_str(), nullptr, 16);
}
HWND HandleOf(const std::string& text) {
    return reinterpret_cast<HWND>(static_cast<UINT_PTR>(Hex(text)));
}
// A window property's data.
HANDLE DataOf(const std::string& text) {
    return reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(Hex(text)));
}

std::string Reply(bool ok, unsigned long long value = 0, bool withValue = false) {
    char text[64];
    if (ok)
        std::snprintf(text, sizeof(text), withValue ? "ok 0x%llX" : "ok", value);
    else
        std::snprintf(text, sizeof(text), "error %lu", ::GetLastError());
    return text;
}

void LoadClassLibrary(const std::wstring& className) {
    if (_wcsicmp(className.c_str(), L"RichEdit20W") == 0 || _wcsicmp(className.c_str(), L"RichEdit20A") == 0)
        ::LoadLibraryW(L"riched20.dll");
    else if (_wcsicmp(className.c_str(), L"RICHEDIT50W") == 0)
        ::LoadLibraryW(L"msftedit.dll");
    else if (_wcsicmp(className.c_str(), L"RICHEDIT") == 0)
        ::LoadLibraryW(L"riched32.dll");
}

LRESULT CALLBACK TargetWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// A class of the test's making: its fields come from the request, its procedure is the target's.
std::string RegisterTargetClass(const std::vector<std::string>& f) {
    // The class keeps pointing at its name and menu name; they live as long as the process.
    static std::list<std::wstring> names;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = static_cast<UINT>(Hex(f[2]));
    wc.lpfnWndProc = &TargetWindowProc;
    wc.cbClsExtra = static_cast<int>(Hex(f[3]));
    wc.cbWndExtra = static_cast<int>(Hex(f[4]));
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = names.emplace_back(Widen(f[1])).c_str();
    if (!f[5].empty() && f[5][0] == '#')
        wc.lpszMenuName = MAKEINTRESOURCEW(std::strtoul(f[5].c_str() + 1, nullptr, 10));
    else if (!f[5].empty())
        wc.lpszMenuName = names.emplace_back(Widen(f[5])).c_str();
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<UINT_PTR>(Hex(f[6])));
    wc.hIcon = f[7] == "1" ? ::LoadIconW(nullptr, IDI_APPLICATION) : nullptr;
    wc.hCursor = f[8] == "1" ? ::LoadCursorW(nullptr, IDC_ARROW) : nullptr;
    ATOM atom = ::RegisterClassExW(&wc);
    return Reply(atom != 0, atom, true);
}

std::string Narrowed(const std::wstring& text) {
    const int length = ::WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length > 0 ? length : 1), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

LRESULT CALLBACK AnsiWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

std::string RegisterAnsiClass(const std::vector<std::string>& f) {
    static std::list<std::string> names;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &AnsiWindowProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = names.emplace_back(Narrowed(Widen(f[1]))).c_str();
    const ATOM atom = ::RegisterClassExA(&wc);
    return Reply(atom != 0, atom, true);
}

// Set by a "hang" request: how long the user-interface thread stays away once the reply is out.
DWORD g_hangAfterReply = 0;

// "churn": a thread of its own creates and destroys windows with children as fast as it can,
// keeping a few dozen alive, so other programs meet windows that vanish under their hands.
std::atomic<bool> g_churning{false};
HANDLE g_churnThread = nullptr;

DWORD WINAPI Churn(void*) {
    std::deque<HWND> alive;
    unsigned counter = 0;
    while (g_churning) {
        const int x = 700 + static_cast<int>(counter * 37 % 400),
                  y = 100 + static_cast<int>(counter * 53 % 450);
        HWND top =
            ::CreateWindowExW(WS_EX_TOOLWINDOW, kTargetClass, L"churn", WS_POPUP | WS_VISIBLE | WS_BORDER, x,
                              y, 120, 90, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        if (top) {
            ::CreateWindowExW(0, L"Button", L"b", WS_CHILD | WS_VISIBLE, 5, 5, 50, 20, top, nullptr, nullptr,
                              nullptr);
            ::CreateWindowExW(0, L"Static", L"s", WS_CHILD | WS_VISIBLE, 5, 30, 50, 20, top, nullptr, nullptr,
                              nullptr);
            alive.push_back(top);
        }
        while (alive.size() > 24) {
            ::DestroyWindow(alive.front());
            alive.pop_front();
        }
        ++counter;
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&message);
    }
    for (HWND hwnd : alive)
        ::DestroyWindow(hwnd);
    return 0;
}

void StartChurn() {
    if (g_churning.exchange(true))
        return;
    g_churnThread = ::CreateThread(nullptr, 0, &Churn, nullptr, 0, nullptr);
}

void StopChurn() {
    if (!g_churning.exchange(false))
        return;
    ::WaitForSingleObject(g_churnThread, 5000);
    ::CloseHandle(g_churnThread);
    g_churnThread = nullptr;
}

// "selfsend": a program busy with its own windows, for the message log's benchmark. The time is
// taken here so that it holds the sends alone, not the pipe's round trip. Paced, the thread sends
// what is due and sleeps a millisecond, as a program driven by a timer would. A thread that falls
// behind catches up as fast as it can, reading the clock every few sends, and stops when the run's
// time is up: a program slowed down by its hooks makes fewer messages, not a longer run, and the
// reply tells how many it made.
std::string SelfSend(const std::vector<std::string>& f) {
    const unsigned long long count = Hex(f[1]);
    HWND hwnd = HandleOf(f[2]);
    const unsigned long long perSecond = f.size() >= 4 ? Hex(f[3]) : 0;
    if (!::IsWindow(hwnd) || ::GetWindowThreadProcessId(hwnd, nullptr) != ::GetCurrentThreadId()) {
        ::SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return Reply(false);
    }
    LARGE_INTEGER rate{}, start{}, now{};
    ::QueryPerformanceFrequency(&rate);
    ::QueryPerformanceCounter(&start);
    const auto ticksPerSecond = static_cast<unsigned long long>(rate.QuadPart);
    const unsigned long long deadline = perSecond != 0 ? count * ticksPerSecond / perSecond : 0;
    unsigned long long sent = 0;
    bool echoed = true;
    while (sent < count) {
        unsigned long long due = count;
        if (perSecond != 0) {
            ::QueryPerformanceCounter(&now);
            const auto ticks = static_cast<unsigned long long>(now.QuadPart - start.QuadPart);
            if (ticks >= deadline)
                break;
            due = std::min({count, ticks * perSecond / ticksPerSecond + 1, sent + 64});
            if (due <= sent) {
                ::Sleep(1);
                continue;
            }
        }
        for (; sent < due; ++sent) {
            const auto value = static_cast<LPARAM>(sent);
            echoed = ::SendMessageW(hwnd, kEchoMessage, static_cast<WPARAM>(sent), value) == value && echoed;
        }
    }
    ::QueryPerformanceCounter(&now);
    if (!echoed) {
        ::SetLastError(ERROR_INVALID_DATA);
        return Reply(false);
    }
    const auto ticks = static_cast<unsigned long long>(now.QuadPart - start.QuadPart);
    char text[64];
    std::snprintf(text, sizeof(text), "ok 0x%llX 0x%llX", ticks * 1000000ull / ticksPerSecond, sent);
    return text;
}

std::vector<HHOOK> g_passHooks;

std::string PassHooks(const std::vector<std::string>& f) {
    for (HHOOK hook : g_passHooks)
        ::UnhookWindowsHookEx(hook);
    g_passHooks.clear();
    if (f.size() < 2)
        return "ok";
    HMODULE library = ::LoadLibraryW(Widen(f[1]).c_str());
    const std::pair<int, const char*> kinds[] = {{WH_CALLWNDPROC, "OrvexPassCallWndProc"},
                                                 {WH_CALLWNDPROCRET, "OrvexPassCallWndRetProc"},
                                                 {WH_GETMESSAGE, "OrvexPassGetMsgProc"}};
    for (const auto& [kind, name] : kinds) {
        const auto proc = reinterpret_cast<HOOKPROC>(
            reinterpret_cast<void*>(library ? ::GetProcAddress(library, name) : nullptr));
        if (HHOOK hook = proc ? ::SetWindowsHookExW(kind, proc, library, ::GetCurrentThreadId()) : nullptr)
            g_passHooks.push_back(hook);
    }
    return Reply(g_passHooks.size() == 3);
}

// The window a "create" request describes, made on the calling thread.
HWND CreateFromFields(const std::vector<std::string>& f) {
    std::wstring className = Widen(f[1]);
    LoadClassLibrary(className);
    DWORD style = static_cast<DWORD>(Hex(f[2]));
    HWND parent = HandleOf(f[4]);
    HMENU idOrMenu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(Hex(f[9]))) : nullptr;
    return ::CreateWindowExW(static_cast<DWORD>(Hex(f[3])), className.c_str(), Widen(f[10]).c_str(), style,
                             static_cast<int>(Hex(f[5])), static_cast<int>(Hex(f[6])),
                             static_cast<int>(Hex(f[7])), static_cast<int>(Hex(f[8])), parent, idOrMenu,
                             ::GetModuleHandleW(nullptr), nullptr);
}

struct ThreadWindow {
    std::vector<std::string> fields;
    HWND hwnd = nullptr;
    DWORD error = 0;
    HANDLE made = nullptr;
};

DWORD WINAPI WindowThread(void* parameter) {
    auto* request = static_cast<ThreadWindow*>(parameter);
    const HWND hwnd = CreateFromFields(request->fields);
    request->error = ::GetLastError();
    request->hwnd = hwnd;
    ::SetEvent(request->made); // the request is gone from here on
    MSG message;
    while (hwnd && ::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}

// "threadcreate": the user-interface thread answers what the new window's creation sends it (a
// parent's notifications) while it waits.
std::string CreateOnItsOwnThread(const std::vector<std::string>& f) {
    ThreadWindow request{f, nullptr, 0, ::CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    HANDLE thread = ::CreateThread(nullptr, 0, &WindowThread, &request, 0, nullptr);
    if (!thread) {
        ::CloseHandle(request.made);
        return Reply(false);
    }
    ::CloseHandle(thread);
    MSG message;
    while (::MsgWaitForMultipleObjects(1, &request.made, FALSE, 10000, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1)
        ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    ::CloseHandle(request.made);
    ::SetLastError(request.error);
    return Reply(request.hwnd != nullptr, reinterpret_cast<UINT_PTR>(request.hwnd), true);
}

std::string Execute(const std::string& line, bool& quit) {
    std::vector<std::string> f = SplitTabs(line);
    const std::string& verb = f[0];
    ::SetLastError(0);
    if (verb == "ping")
        return "ok";
    if (verb == "pid")
        return Reply(true, ::GetCurrentProcessId(), true);
    if (verb == "quit") {
        StopChurn();
        quit = true;
        return "ok";
    }
    if (verb == "create" && f.size() >= 11) {
        HWND hwnd = CreateFromFields(f);
        return Reply(hwnd != nullptr, reinterpret_cast<UINT_PTR>(hwnd), true);
    }
    if (verb == "threadcreate" && f.size() >= 11)
        return CreateOnItsOwnThread(f);
    if (verb == "destroy" && f.size() >= 2)
        return Reply(::DestroyWindow(HandleOf(f[1])) != FALSE);
    if (verb == "show" && f.size() >= 3) {
        ::ShowWindow(HandleOf(f[1]), static_cast<int>(Hex(f[2])));
        return "ok";
    }
    if (verb == "enable" && f.size() >= 3) {
        ::EnableWindow(HandleOf(f[1]), Hex(f[2]) != 0);
        return "ok";
    }
    if (verb == "churn" && f.size() >= 2) {
        if (Hex(f[1]) != 0)
            StartChurn();
        else
            StopChurn();
        return "ok";
    }
    if (verb == "region" && f.size() >= 6) {
        // An elliptic window region; the window owns it from here on.
        HRGN region = ::CreateEllipticRgn(static_cast<int>(Hex(f[2])), static_cast<int>(Hex(f[3])),
                                          static_cast<int>(Hex(f[4])), static_cast<int>(Hex(f[5])));
        return Reply(::SetWindowRgn(HandleOf(f[1]), region, TRUE) != 0);
    }
    if (verb == "settext" && f.size() >= 3)
        return Reply(::SetWindowTextW(HandleOf(f[1]), Widen(f[2]).c_str()) != FALSE);
    if (verb == "settexta" && f.size() >= 3)
        return Reply(::SetWindowTextA(HandleOf(f[1]), Narrowed(Widen(f[2])).c_str()) != FALSE);
    if (verb == "sendtext" && f.size() >= 5) {
        const std::wstring text = Widen(f[4]);
        const LRESULT result =
            ::SendMessageW(HandleOf(f[1]), static_cast<UINT>(Hex(f[2])), static_cast<WPARAM>(Hex(f[3])),
                           reinterpret_cast<LPARAM>(text.c_str()));
        return Reply(true, static_cast<unsigned long long>(result), true);
    }
    if (verb == "ansiclass" && f.size() >= 2)
        return RegisterAnsiClass(f);
    if (verb == "register" && f.size() >= 9)
        return RegisterTargetClass(f);
    if (verb == "userdata" && f.size() >= 3) {
        ::SetWindowLongPtrW(HandleOf(f[1]), GWLP_USERDATA, static_cast<LONG_PTR>(Hex(f[2])));
        return "ok";
    }
    if (verb == "prop" && f.size() >= 4)
        return Reply(::SetPropW(HandleOf(f[1]), Widen(f[2]).c_str(), DataOf(f[3])) != FALSE);
    if (verb == "atomprop" && f.size() >= 4) {
        const ATOM atom = ::GlobalAddAtomW(Widen(f[2]).c_str());
        return Reply(atom != 0 && ::SetPropW(HandleOf(f[1]), MAKEINTATOM(atom), DataOf(f[3])), atom, true);
    }
    if (verb == "layered" && f.size() >= 5)
        return Reply(::SetLayeredWindowAttributes(HandleOf(f[1]), static_cast<COLORREF>(Hex(f[2])),
                                                  static_cast<BYTE>(Hex(f[3])),
                                                  static_cast<DWORD>(Hex(f[4]))) != FALSE);
    if (verb == "menu" && f.size() >= 2) {
        HMENU menu = ::CreateMenu();
        ::AppendMenuW(menu, MF_STRING, 1, L"&File");
        if (!::SetMenu(HandleOf(f[1]), menu)) {
            ::DestroyMenu(menu);
            return Reply(false);
        }
        return Reply(true, reinterpret_cast<UINT_PTR>(menu), true);
    }
    if (verb == "passhooks")
        return PassHooks(f);
    if (verb == "selfsend" && f.size() >= 3)
        return SelfSend(f);
    if (verb == "badsettext" && f.size() >= 2) {
        // A sender's mistake: WM_SETTEXT pointing at memory that is not there, to a window that
        // answers it without reading the text.
        HWND hwnd = HandleOf(f[1]);
        void* page = ::VirtualAlloc(nullptr, 4096, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
        ::VirtualFree(page, 0, MEM_RELEASE);
        ::SetPropW(hwnd, kIgnoresTextProp, reinterpret_cast<HANDLE>(1));
        const LRESULT answer = ::SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(page));
        ::RemovePropW(hwnd, kIgnoresTextProp);
        return Reply(answer == TRUE);
    }
    if (verb == "hang" && f.size() >= 2) {
        g_hangAfterReply = static_cast<DWORD>(Hex(f[1]));
        return "ok";
    }
    ::SetLastError(ERROR_INVALID_FUNCTION);
    return Reply(false);
}

struct Request {
    std::string line;
    std::string reply;
    bool quit = false;
};

LRESULT CALLBACK TargetWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kRunRequest) {
        auto* request = reinterpret_cast<Request*>(lParam);
        request->reply = Execute(request->line, request->quit);
        if (g_hangAfterReply != 0) {
            // Like a program stuck in a long computation: the test has its answer, but messages
            // sent to this thread's windows wait until the pause is over.
            const DWORD pause = g_hangAfterReply;
            g_hangAfterReply = 0;
            ::ReplyMessage(0);
            ::Sleep(pause);
        }
        return 0;
    }
    if (message == WM_SETTEXT && ::GetPropW(hwnd, kIgnoresTextProp))
        return TRUE;
    if (message == kEchoMessage)
        return lParam;
    if (message == kIdentityMessage)
        return reinterpret_cast<LRESULT>(hwnd);
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

DWORD WINAPI ReadRequests(void* parameter) {
    HWND controller = static_cast<HWND>(parameter);
    HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
    std::string pending;
    char buffer[1024];
    DWORD got = 0;
    while (::ReadFile(input, buffer, sizeof(buffer), &got, nullptr) && got > 0) {
        pending.append(buffer, got);
        size_t newline;
        while ((newline = pending.find('\n')) != std::string::npos) {
            Request request;
            request.line = pending.substr(0, newline);
            pending.erase(0, newline + 1);
            if (!request.line.empty() && request.line.back() == '\r')
                request.line.pop_back();
            ::SendMessageW(controller, kRunRequest, 0, reinterpret_cast<LPARAM>(&request));
            std::string reply = request.reply + "\n";
            DWORD written = 0;
            ::WriteFile(output, reply.data(), static_cast<DWORD>(reply.size()), &written, nullptr);
            if (request.quit) {
                ::PostMessageW(controller, WM_QUIT, 0, 0);
                return 0;
            }
        }
    }
    ::PostMessageW(controller, WM_QUIT, 0, 0); // the test went away
    return 0;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{
        sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_USEREX_CLASSES | ICC_COOL_CLASSES |
                              ICC_PAGESCROLLER_CLASS | ICC_LINK_CLASS | ICC_ANIMATE_CLASS};
    ::InitCommonControlsEx(&controls);

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = &TargetWindowProc;
    wc.cbClsExtra = 8;
    wc.cbWndExtra = 16;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kTargetClass;
    ::RegisterClassExW(&wc);

    HWND controller = ::CreateWindowExW(0, kTargetClass, L"Orvex target controller", 0, 0, 0, 0, 0,
                                        HWND_MESSAGE, nullptr, instance, nullptr);
    HANDLE reader = ::CreateThread(nullptr, 0, &ReadRequests, controller, 0, nullptr);

    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    ::WaitForSingleObject(reader, 2000);
    return 0;
}
