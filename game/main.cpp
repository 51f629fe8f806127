#include <cstdio>

int main() {
    std::puts("RERIZUVA2: not built yet");
    return 0;
}
