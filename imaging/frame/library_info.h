// The library's build stamp and version, its locks, and the system probe that
// decides whether AllocImage makes DIB sections.
#pragma once

#include <cstdint>

#include "imaging/image_records.h"

inline constexpr int32_t kImageLibraryVersion = 1340;

// Copies min(length, 22) bytes of "Jan 16 2013, 15:49:18" and its terminating
// zero; returns the version number.
int32_t GetBuildStamp(char* buffer, int32_t length);
int32_t GetBuildStampW(char16_t* buffer, int32_t length);
[[nodiscard]] int32_t GetLibraryVersion();

// Forgets every lock that was set up, last to first.
void ReleaseImageLibLocks();

// Reads the system version: keeps the version number (major x 100 + minor),
// the platform class (2 NT, 1 Windows 95 family, 0 older) and the DIB-section
// switch; returns the class.
int32_t ProbeOsVersion();

// Holds a family's lock for its lifetime, setting the lock up on first use.
class ImageLock {
  public:
    explicit ImageLock(ImageLockFamily family) : entry_(ImageLibLock[family]) {
        entry_.initialised = 1;
        entry_.mutex.lock();
    }
    ~ImageLock() { entry_.mutex.unlock(); }
    ImageLock(const ImageLock&) = delete;
    ImageLock& operator=(const ImageLock&) = delete;

  private:
    ImageLibLockEntry& entry_;
};
