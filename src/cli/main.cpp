#include <csignal>
#include <cstdio>
#include <exception>
#include <new>

#include "cli.h"
#include "messages.h"

namespace {
// Allocates nothing: it may report that memory ran out.
void Say(qolvar::cli::CliMessage message)
{
    const std::string_view text = qolvar::cli::CliTemplate(message, qolvar::cli::UserLanguage());
    std::fputs("qolvar-cli: ", stderr);
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
}
}  // namespace

int main(int argc, char** argv)
{
    // A write past the file size limit (ulimit -f) fails and is reported
    // like a full disk, instead of the signal ending the process silently.
    std::signal(SIGXFSZ, SIG_IGN);
    // Nothing escapes as an abort: what the commands do not handle ends the
    // run with a message and status 2.
    try {
        return qolvar::cli::Run(argc, argv, stdin, stdout, stderr);
    } catch (const std::bad_alloc&) {
        Say(qolvar::cli::CliMessage::NoMemory);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qolvar-cli: %s\n", e.what());
    } catch (...) {
        Say(qolvar::cli::CliMessage::Unexpected);
    }
    return 2;
}
