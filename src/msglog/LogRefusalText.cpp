#include "msglog/LogRefusalText.h"

const wchar_t* LogRefusalText(MessageLogSession::Refusal refusal) {
    using Refusal = MessageLogSession::Refusal;
    switch (refusal) {
    case Refusal::NotAWindow:
        return L"The window is gone: nothing to log.";
    case Refusal::OwnWindow:
        return L"Orvex's own windows are not logged.";
    case Refusal::HostFailed:
        return L"The helper that logs 32-bit programs did not start or did not answer as it should.";
    case Refusal::AlreadyLogged:
        return L"Another Orvex is logging this window's thread.";
    case Refusal::Elevated:
        return L"The program runs elevated, above Orvex: its messages cannot be logged unless Orvex runs "
               L"elevated too.";
    case Refusal::LowIntegrity:
        return L"The program runs at low integrity: Orvex's hook could not hand its messages over.";
    case Refusal::AppContainer:
        return L"The program runs in an app container: Orvex's hook could not hand its messages over.";
    case Refusal::CannotReach:
        return L"The window system refused Orvex's hook entry into the program.";
    case Refusal::NoLibrary:
        return L"The hook library could not be written to or checked in the user's folder.";
    case Refusal::CannotHook:
        return L"The window system refused to hook the window's thread.";
    case Refusal::None:
        break;
    }
    return L"";
}
