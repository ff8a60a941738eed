#pragma once
// Changing another program's window: the one place that does it, for the Change Window tool and
// for --set. How a caller uses it:
//
//   1. Read what the user typed for the window: ParseWindowChange(text, WindowClassName(hwnd))
//      (change/WindowChange.h). A ChangeError is shown as it is ("... at 7"); nothing is applied.
//      StyleChoices (change/StyleChoices.h) gives the names, values and exclusive groups the check
//      list shows; ReadChangeValue the values the fields show when the window is picked.
//   2. Apply it. A window thread calls StartWindowChange, which returns at once and posts the
//      outcome to a window of its own when it is known; a thread without windows (the command line)
//      may call ApplyWindowChange, which waits for the outcome.
//   3. The outcome holds the value before and the value the window reports after the change (the
//      system may adjust or refuse what was asked), or why nothing happened. An applied change
//      goes into the window's UndoList (change/UndoList.h) with its value before; Undo All applies
//      UndoList::TakeUndoChanges in order, one after the other, each once the last has finished.
//
// The change itself runs on a thread of its own, never on the caller's, and at most one change per
// target window is under way at a time (a second is refused as Busy until the first ends). An
// outcome comes within the bound: a target that has not finished by then is reported NotAnswered,
// and its change may still happen later. Orvex's own windows and windows of programs above Orvex's
// integrity level are refused before anything is tried.

#include "change/ChangeValue.h"
#include "change/StyleChoices.h"
#include "change/UndoList.h"
#include "change/WindowChange.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

inline constexpr DWORD kChangeBoundMs = 2000;

inline constexpr wchar_t kChangeNotAnswered[] = L"The window did not answer; the change may still happen.";
inline constexpr wchar_t kChangeOwnWindow[] = L"Orvex does not change its own windows.";
inline constexpr wchar_t kChangeBusy[] = L"An earlier change to this window still waits for it to answer.";

struct ChangeOptions {
    DWORD boundMs = kChangeBoundMs;
    // A style change is followed by SetWindowPos with SWP_FRAMECHANGED, so the window recomputes its
    // frame as the system expects; off only to see what a style word does without it.
    bool frameUpdate = true;
};

struct ChangeOutcome {
    enum class Status {
        Applied,     // `before` and `after` hold what the window reported
        Refused,     // `reason` says why; nothing changed (an earlier step of the change may have)
        NotAnswered, // the bound passed; `reason` is kChangeNotAnswered
        Busy,        // an earlier change to the window is still under way; `reason` is kChangeBusy
    };
    Status status = Status::Refused;
    std::wstring reason;
    orvex::ChangeValue before; // also set for Refused and NotAnswered when it could be read
    orvex::ChangeValue after;
};

// The value of `property` as the window reports it now; nothing when the window is gone or did not
// answer within `boundMs` (only a text is asked of the window; the rest is read without waiting).
std::optional<orvex::ChangeValue> ReadChangeValue(HWND hwnd, orvex::ChangeProperty property,
                                                  DWORD boundMs = kChangeBoundMs);

// Applies the change and waits for its outcome, at most about `options.boundMs`. Not for a window
// thread: it does not pump messages while it waits.
ChangeOutcome ApplyWindowChange(HWND hwnd, const orvex::WindowChange& change,
                                const ChangeOptions& options = {});

// Starts the change and returns at once. When the outcome is known (at the latest once the bound has
// passed) `notify` is posted `doneMessage`: wParam the target window, lParam a ChangeOutcome the
// receiver owns (take it with TakePostedOutcome). An outcome that cannot be posted (the window is
// gone) is dropped.
void StartWindowChange(HWND hwnd, const orvex::WindowChange& change, const ChangeOptions& options,
                       HWND notify, UINT doneMessage);

// The outcome a doneMessage of StartWindowChange carries in its lParam.
std::unique_ptr<ChangeOutcome> TakePostedOutcome(LPARAM lParam);
