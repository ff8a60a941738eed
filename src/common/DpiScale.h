#pragma once
// Sizes given at 96 dots per inch (100%) as they are at another DPI, and the choice among the
// pictures drawn at 100%, 150% and 200%. Pure logic: no window system here.

namespace orvex {

inline constexpr int kBaseDpi = 96;

// `pixels` measured at `fromDpi` as they are at `toDpi`, rounded to the nearest pixel (halves away
// from zero), as the window system scales dialog units and system metrics; an unknown DPI (0 or
// less) leaves them.
constexpr int RescaleDpi(int pixels, int fromDpi, int toDpi) {
    if (fromDpi <= 0 || toDpi <= 0 || fromDpi == toDpi)
        return pixels;
    const long long scaled = static_cast<long long>(pixels) * toDpi;
    const long long half = fromDpi / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / fromDpi : -((-scaled + half) / fromDpi));
}

// `pixels` at 96 DPI scaled to `dpi`.
constexpr int ScaleForDpi(int pixels, int dpi) {
    return RescaleDpi(pixels, kBaseDpi, dpi);
}

// The picture sets every piece of art is drawn at, in percent of its 96-DPI size.
inline constexpr int kArtPercents[] = {100, 150, 200};

// The smallest set whose pictures are at least as large as `basePixels` scaled to `dpi`; the
// largest when even that is smaller. A picture is never stretched, so this is the one to show.
constexpr int PickArtPercent(int basePixels, int dpi) {
    const int needed = ScaleForDpi(basePixels, dpi);
    for (int percent : kArtPercents)
        if (basePixels * percent / 100 >= needed)
            return percent;
    return kArtPercents[sizeof(kArtPercents) / sizeof(kArtPercents[0]) - 1];
}

// The side of the pictures to show for art drawn `basePixels` wide at 100%.
constexpr int ArtPixelsForDpi(int basePixels, int dpi) {
    return basePixels * PickArtPercent(basePixels, dpi) / 100;
}

} // namespace orvex
