// Pictures drawn when they are first shown rather than at start-up. A drawing
// is kept for the rest of the process: registering the resources again (as
// every test does) does not draw it again.
#include <map>
#include <utility>

#include "platform/gdi/gdi.h"
#include "resources/program_resources.h"

namespace {

std::map<int, std::vector<uint8_t>>& Drawn() {
    static std::map<int, std::vector<uint8_t>> drawn;
    return drawn;
}

}  // namespace

void RegisterDrawnPicture(int id, std::vector<uint8_t> (*draw)(int, int), int width, int height) {
    win::SetResourceBitmapMaker(id, [id, draw, width, height] {
        auto found = Drawn().find(id);
        if (found == Drawn().end()) found = Drawn().emplace(id, draw(width, height)).first;
        return found->second;
    });
}
