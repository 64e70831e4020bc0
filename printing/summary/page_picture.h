// The full-page picture under a printed summary page: a white sheet with a
// thin frame and a faint product mark, in the shape of the printed page.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/window/win_types.h"

// Picture ids: the 11 x 8.5 inch page landscape and portrait, the A4 page
// landscape and portrait.
namespace PagePicture {
enum : int {
    kLetterLandscape = 1242,
    kLetterPortrait = 1243,
    kA4Landscape = 1244,
    kA4Portrait = 1245
};
}

// The picture for a printable area of width x height: the A4 shape once the
// longer side is more than 1.31 times the shorter one.
[[nodiscard]] int ChoosePagePicture(int width, int height);

// The picture as a packed 24-bit DIB, 100 pixels per inch of its page.
[[nodiscard]] std::vector<uint8_t> MakePagePicture(int id);

// Stretches the picture that suits the DC's printable area over all of it;
// nothing on a device that cannot stretch bitmaps. The picture is made and
// registered the first time it is asked for.
void DrawReportPicture(win::HDC dc);
