#include "cli/runner.h"

int main(int argc, char** argv)
{
    return zuk::cli::runZukText(argc, argv);
}
