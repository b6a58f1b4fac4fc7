#include <cstdio>
#include <string_view>

int main(int argc, char** argv) {
    if (argc > 1 && std::string_view(argv[1]) == "--help") {
        std::puts("usage: zofar-cli COMMAND ...");
        return 0;
    }
    std::fputs("zofar-cli: no command given; see zofar-cli --help\n", stderr);
    return 2;
}
