// tarvex-engine: command-line harness over the chemistry engine (test equipment).
#include <cstdio>

int main() {
    std::puts("tarvex-engine: no commands yet");
    return 0;
}
