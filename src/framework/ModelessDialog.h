#pragma once
// The one way Orvex opens a modeless dialog that owns itself. Until its window exists the opener
// owns the object, so a window that is made and destroyed again within its creation leaves nothing
// behind; from then on the window owns it: the object is deleted after the window's final message,
// and the opener hears first that it is gone.
// Escape, a button with the IDCANCEL id and the caption's close box all close the window the same
// way: IDCANCEL becomes WM_CLOSE, and WM_CLOSE destroys the window, with nothing else on the way;
// what a window does as it goes belongs in its WM_DESTROY.

#include "Dialog.h"

#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

class CModelessDialog : public CDialog {
    DECLARE_MESSAGE_MAP()

public:
    using CDialog::CDialog;

    // Told once the dialog's window has gone and its last message has returned, just before the
    // object deletes itself.
    using ClosedHandler = std::function<void(CModelessDialog& closed)>;

    // Makes a T from `args` and opens it on its template, owned by `owner`. Null, with nothing
    // left behind, when its window could not be made.
    template <class T, class... Args>
    [[nodiscard]] static T* Open(CWnd* owner, ClosedHandler onClosed, Args&&... args) {
        static_assert(std::is_base_of_v<CModelessDialog, T>, "opens self-owned modeless dialogs only");
        auto dialog = std::make_unique<T>(std::forward<Args>(args)...);
        if (!dialog->Create(dialog->m_templateId, owner) || !::IsWindow(dialog->m_hWnd))
            return nullptr;
        dialog->m_onClosed = std::move(onClosed);
        dialog->m_ownsItself = true;
        return dialog.release();
    }

protected:
    void OnCancel() override;
    void OnClose();
    void PostNcDestroy() final;

private:
    ClosedHandler m_onClosed;
    bool m_ownsItself = false;
};
