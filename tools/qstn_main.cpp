// qstn: Quillstone's command-line tool.

#include <cstdio>

int main() {
    std::puts("qstn");
    return 0;
}
