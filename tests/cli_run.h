// Runs qolvar-cli in-process with temporary files for its streams.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace qolvar::test {

struct CliResult {
    int status;
    std::string out, err;
};

inline std::string ReadAll(std::FILE* f)
{
    std::string s;
    std::rewind(f);
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
    return s;
}

// While one lives, qolvar-cli speaks Japanese (the texts the tests quote),
// whatever the environment's language.
class JapaneseMessages {
public:
    JapaneseMessages()
    {
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
            if (const char* v = std::getenv(name)) saved_.push_back({name, std::string(v)});
            unsetenv(name);
        }
        setenv("LANGUAGE", "ja", 1);
    }
    ~JapaneseMessages()
    {
        unsetenv("LANGUAGE");
        for (const auto& [name, value] : saved_) setenv(name, value.c_str(), 1);
    }
    JapaneseMessages(const JapaneseMessages&) = delete;
    JapaneseMessages& operator=(const JapaneseMessages&) = delete;

private:
    std::vector<std::pair<const char*, std::string>> saved_;
};

// args without the program name; input is what standard input holds.
inline CliResult RunCli(std::vector<std::string> args, const std::string& input = "")
{
    args.insert(args.begin(), "qolvar-cli");
    std::vector<const char*> argv;
    for (auto& a : args) argv.push_back(a.c_str());
    std::FILE* in = std::tmpfile();
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), in);
    std::rewind(in);
    CliResult r;
    r.status = cli::Run(static_cast<int>(argv.size()), argv.data(), in, out, err);
    std::fflush(out);
    std::fflush(err);
    r.out = ReadAll(out);
    r.err = ReadAll(err);
    std::fclose(in);
    std::fclose(out);
    std::fclose(err);
    return r;
}

}  // namespace qolvar::test
