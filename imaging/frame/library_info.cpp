// Build stamp, version, locks and the system probe.
#include "imaging/frame/library_info.h"

#include <algorithm>
#include <cstring>

#include "platform/system/system.h"
#include "platform/text/code_page.h"

namespace {

constexpr char kBuildStamp[] = "Jan 16 2013, 15:49:18";
static_assert(sizeof kBuildStamp == 22);

}  // namespace

int32_t GetBuildStamp(char* buffer, int32_t length) {
    if (buffer != nullptr && length > 0) {
        std::memcpy(buffer, kBuildStamp, static_cast<std::size_t>(std::min<int32_t>(length, 22)));
    }
    return kImageLibraryVersion;
}

int32_t GetBuildStampW(char16_t* buffer, int32_t length) {
    if (buffer != nullptr && length > 0) {
        const int32_t n = std::min<int32_t>(length, 22);
        (void)win::MultiByteToWideChar(win::CP_ACP, 0, kBuildStamp, n, buffer, n);
    }
    return kImageLibraryVersion;
}

int32_t GetLibraryVersion() {
    return kImageLibraryVersion;
}

void ReleaseImageLibLocks() {
    for (int i = kImageLockCount - 1; i >= 0; --i) ImageLibLock[i].initialised = 0;
}

int32_t ProbeOsVersion() {
    const win::DWORD version = win::GetVersion();
    const int32_t major = static_cast<int32_t>(version & 0xFF);
    const int32_t minor = static_cast<int32_t>((version >> 8) & 0xFF);
    const int32_t number = major * 100 + minor;
    int32_t platformClass = 0;
    if ((version & 0x80000000u) == 0) {
        platformClass = 2;
    } else if (number >= 395) {
        platformClass = 1;
    }
    imageLibSystem.versionNumber = number;
    imageLibSystem.platformClass = platformClass;
    imageLibSystem.useDibSections = platformClass == 1 || (platformClass == 2 && number >= 350);
    imageLibSystem.probed = 1;
    return platformClass;
}
