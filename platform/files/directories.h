// Creating folders, under the same path mapping as the file calls.
#pragma once

#include "platform/window/win_types.h"

namespace win {

inline constexpr DWORD ERROR_ALREADY_EXISTS = 183;

// Creates the folder `path` names (its parent must exist). FALSE with the last
// error set when it exists already or cannot be made.
BOOL CreateDirectory(const char* path, void* securityAttributes);
inline BOOL CreateDirectoryA(const char* p, void* s) {
    return CreateDirectory(p, s);
}

}  // namespace win
