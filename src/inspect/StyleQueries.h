#pragma once
// Whether a listing may ask the window for the style words only a message gives (a list view's
// extended styles): a watch that reads the window again and again must never send it one.

enum class StyleQueries {
    Sent,
    Skipped, // the block's header reads "<n/a>", as for a window that does not answer
};
