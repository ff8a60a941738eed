#include "ModelessDialog.h"

void CModelessDialog::PostNcDestroy() {
    if (!m_ownsItself)
        return; // its window died within its creation: the opener still owns the object
    const ClosedHandler onClosed = std::move(m_onClosed);
    if (onClosed)
        onClosed(*this);
    delete this;
}
