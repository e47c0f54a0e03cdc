#include <cstdio>

#include "cli.h"

int main(int argc, char** argv)
{
    return qolvar::cli::Run(argc, argv, stdin, stdout, stderr);
}
