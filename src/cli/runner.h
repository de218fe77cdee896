#pragma once

namespace zuk::cli {

// The whole of zuk-text: parses the command line, reads the input, runs the
// function and writes the result. Returns the exit status: 0 success, 1 the
// function (or the input file) failed, 2 a usage error.
int runZukText(int argc, char** argv);

} // namespace zuk::cli
