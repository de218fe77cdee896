#include <cstdio>

int main(int argc, char** argv)
{
    std::puts("zuk-text: not built yet");
    return 2;
}
