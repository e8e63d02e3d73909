#pragma once
// Runs part of a test in a forked child, for what a test must not do to its own process:
// a file-size limit, or giving up root's power over file permissions (root writes into
// a read-only folder all the same). The child's exit status and the text it reports
// come back through a pipe.
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>
#include <string>

namespace etp::testing {

struct ChildResult {
    int status = 0;
    std::string report;
};

inline constexpr int kChildCouldNotStart = 100;

// Drops to the unprivileged user "nobody" when running as root; true on success or
// when there was nothing to drop.
inline bool DropRoot()
{
    constexpr gid_t kNobody = 65534;
    return geteuid() != 0 || (setgid(kNobody) == 0 && setuid(kNobody) == 0);
}

// `body` runs in the child with a text to fill and returns the exit status (below 100).
// Empty when the child could not be started or ended otherwise than by exiting.
inline std::optional<ChildResult> RunInChild(const std::function<int(std::string& report)>& body, bool withoutRoot)
{
    int ends[2];
    if (pipe(ends) != 0) return std::nullopt;
    const pid_t child = fork();
    if (child == 0) {
        close(ends[0]);
        if (withoutRoot && !DropRoot()) _exit(kChildCouldNotStart);
        std::string report;
        const int status = body(report);
        if (write(ends[1], report.data(), report.size()) < 0) _exit(kChildCouldNotStart + 1);
        _exit(status);
    }
    close(ends[1]);
    std::string report;
    char buffer[4096];
    for (ssize_t n; (n = read(ends[0], buffer, sizeof buffer)) > 0;) report.append(buffer, static_cast<std::size_t>(n));
    close(ends[0]);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) >= kChildCouldNotStart)
        return std::nullopt;
    return ChildResult{WEXITSTATUS(status), report};
}

} // namespace etp::testing
