// Fuzz target: the command line's arguments and its standard input.
// The first byte picks the command: convert, reverse, deltae, contrast,
// nearest or format (never table, which writes files; nearest searches its default
// table, as a --table argument is dropped); the rest, split at zero bytes,
// are the arguments, up to an empty one, after which the bytes are standard
// input. The streams are
// temporary files. The status must be 0, 1 or 2 and every message must
// reach standard error.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/cli.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0 || size > 8192) return 0;
    static const char* const commands[] = {"convert", "reverse", "deltae", "contrast", "nearest", "format"};
    const char* command = commands[data[0] % 6];
    std::vector<std::string> args{"qolvar-cli", command};
    std::size_t pos = 1;
    while (pos < size) {
        std::size_t end = pos;
        while (end < size && data[end] != 0) ++end;
        if (end == pos) {  // an empty argument: the rest is standard input
            ++pos;
            break;
        }
        std::string arg(reinterpret_cast<const char*>(data + pos), end - pos);
        if (!arg.starts_with("--table")) args.push_back(std::move(arg));
        pos = end + 1;
    }
    std::vector<const char*> argv;
    for (const auto& a : args) argv.push_back(a.c_str());
    argv.push_back(nullptr);

    std::FILE* in = std::tmpfile();
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    if (!in || !out || !err) std::abort();
    if (pos < size) std::fwrite(data + pos, 1, size - pos, in);
    std::rewind(in);
    const int status = qolvar::cli::Run(static_cast<int>(args.size()), argv.data(), in, out, err);
    if (status < 0 || status > 2) {
        std::fprintf(stderr, "cli_fuzz: status %d\n", status);
        std::abort();
    }
    if (status == 2 && std::ftell(err) == 0) {
        std::fprintf(stderr, "cli_fuzz: status 2 without a message\n");
        std::abort();
    }
    std::fclose(in);
    std::fclose(out);
    std::fclose(err);
    return 0;
}
