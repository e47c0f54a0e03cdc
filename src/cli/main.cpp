#include <cstdio>
#include <exception>
#include <new>

#include "cli.h"

int main(int argc, char** argv)
{
    // Nothing escapes as an abort: what the commands do not handle ends the
    // run with a message and status 2.
    try {
        return qolvar::cli::Run(argc, argv, stdin, stdout, stderr);
    } catch (const std::bad_alloc&) {
        std::fputs("qolvar-cli: メモリが足りません\n", stderr);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qolvar-cli: %s\n", e.what());
    } catch (...) {
        std::fputs("qolvar-cli: 予期しないエラーが発生しました\n", stderr);
    }
    return 2;
}
