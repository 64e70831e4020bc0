// Key names of scripts: blank-separated keys, each Left Right Up Down PgUp PgDn
// Home End Enter Esc Tab Del Back F1 ... F12, a letter or a digit, optionally
// prefixed Ctrl+, Shift+ or Alt+ (or several; Alt+ sends WM_SYSKEYDOWN).
#pragma once

#include <string>
#include <vector>

struct KeyStroke {
    int virtualKey = 0;
    bool control = false;
    bool shift = false;
    bool alt = false;
};

// False (with the offending word in `bad`) when a word names no key.
[[nodiscard]] bool ParseKeys(const std::string& text, std::vector<KeyStroke>& keys,
                             std::string& bad);
