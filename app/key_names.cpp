// Script key names to virtual keys.
#include "app/key_names.h"

#include <cctype>
#include <sstream>

#include "platform/window/win_types.h"

namespace {

struct Named {
    const char* name;
    int key;
};
constexpr Named kKeys[] = {
    {"left", win::VK_LEFT},  {"right", win::VK_RIGHT}, {"up", win::VK_UP},
    {"down", win::VK_DOWN},  {"pgup", win::VK_PRIOR},  {"pgdn", win::VK_NEXT},
    {"home", win::VK_HOME},  {"end", win::VK_END},     {"enter", win::VK_RETURN},
    {"esc", win::VK_ESCAPE}, {"tab", win::VK_TAB},     {"del", win::VK_DELETE},
    {"back", win::VK_BACK},  {"space", win::VK_SPACE},  {"alt", win::VK_MENU},
};

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool StripPrefix(std::string& word, const char* prefix) {
    const std::string p = prefix;
    if (Lower(word.substr(0, p.size())) != p || word.size() == p.size()) return false;
    word = word.substr(p.size());
    return true;
}

int KeyOf(const std::string& word) {
    const std::string w = Lower(word);
    for (const Named& k : kKeys)
        if (w == k.name) return k.key;
    if (w.size() >= 2 && w.size() <= 3 && w[0] == 'f' &&
        w.find_first_not_of("0123456789", 1) == std::string::npos) {
        const int n = std::stoi(w.substr(1));
        if (n >= 1 && n <= 12) return win::VK_F1 + n - 1;
    }
    if (word.size() == 1 && std::isalnum(static_cast<unsigned char>(word[0])))
        return std::toupper(static_cast<unsigned char>(word[0]));
    return 0;
}

}  // namespace

bool ParseKeys(const std::string& text, std::vector<KeyStroke>& keys, std::string& bad) {
    std::istringstream in(text);
    std::string word;
    keys.clear();
    while (in >> word) {
        KeyStroke k;
        const std::string original = word;
        for (bool more = true; more;) {
            more = false;
            if (StripPrefix(word, "ctrl+")) more = k.control = true;
            if (StripPrefix(word, "shift+")) more = k.shift = true;
            if (StripPrefix(word, "alt+")) more = k.alt = true;
        }
        k.virtualKey = KeyOf(word);
        if (k.virtualKey == 0) {
            bad = original;
            return false;
        }
        keys.push_back(k);
    }
    if (keys.empty()) bad = "(no key)";
    return !keys.empty();
}
