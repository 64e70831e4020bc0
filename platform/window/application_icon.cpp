// The program's icon as the display shows it beside its windows' titles and
// in window lists. The program hands the pictures over once at start-up.
#include <algorithm>

#include "platform/window/window.h"
#include "platform/window/window_internal.h"

namespace win {
namespace detail {

std::vector<IconPicture>& ApplicationIconList() {
    static std::vector<IconPicture> icons;
    return icons;
}

const std::vector<IconPicture>& ApplicationIcons() {
    return ApplicationIconList();
}

}  // namespace detail

void SetApplicationIcon(int size, const std::uint32_t* argb) {
    if (size <= 0 || size > 256 || argb == nullptr) return;
    auto& icons = detail::ApplicationIconList();
    icons.erase(std::remove_if(icons.begin(), icons.end(),
                               [size](const IconPicture& p) { return p.size == size; }),
                icons.end());
    icons.push_back(IconPicture{
        size, std::vector<std::uint32_t>(argb, argb + static_cast<std::size_t>(size) * size)});
}

}  // namespace win
