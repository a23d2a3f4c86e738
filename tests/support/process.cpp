#include "support/process.h"

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace quintaro::test {

namespace {

// In a child: files cannot grow past the limit, and a write beyond it fails with EFBIG instead
// of raising SIGXFSZ, as a write to a full disk fails with ENOSPC.
void LimitFileSize(std::optional<std::uint64_t> limit) {
    if (!limit)
        return;
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit size{*limit, *limit};
    if (setrlimit(RLIMIT_FSIZE, &size) != 0)
        _exit(126);
}

// In the child: the working directory, the standard streams, the environment, then the program.
[[noreturn]] void Exec(const std::filesystem::path& program, const std::vector<std::string>& args,
                       const std::filesystem::path& workDir,
                       const std::vector<std::string>& environment, int out, int err,
                       std::optional<std::uint64_t> fileSizeLimit = std::nullopt) {
    if (chdir(workDir.c_str()) != 0)
        _exit(127);
    LimitFileSize(fileSizeLimit);
    int devnull = open("/dev/null", O_RDWR);
    dup2(devnull, 0);
    dup2(out < 0 ? devnull : out, 1);
    dup2(err < 0 ? devnull : err, 2);
    for (const std::string& variable : environment)
        putenv(const_cast<char*>(variable.c_str()));
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
}

} // namespace

bool RunAndKill(const std::filesystem::path& program, const std::vector<std::string>& args,
                const std::filesystem::path& workDir, const std::vector<std::string>& environment,
                std::chrono::microseconds delay) {
    pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0)
        Exec(program, args, workDir, environment, -1, -1);
    std::this_thread::sleep_for(delay);
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

namespace {

// Reads the two pipes to their ends and waits for the child.
ProcessResult Collect(pid_t pid, int out, int err) {
    ProcessResult result;
    pollfd fds[2] = {{out, POLLIN, 0}, {err, POLLIN, 0}};
    std::string* sinks[2] = {&result.out, &result.err};
    int open = 2;
    while (open > 0) {
        poll(fds, 2, -1);
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP)))
                continue;
            char buffer[4096];
            ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(n));
            } else {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    int status = 0;
    waitpid(pid, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

// Forks a child that runs `child` with the writing ends of two pipes, for its standard output
// and error, and never returns from it; collects what it wrote and its exit status.
ProcessResult RunChild(const std::function<void(int out, int err)>& child) {
    int out[2], err[2];
    if (pipe(out) != 0 || pipe(err) != 0)
        throw std::runtime_error("pipe failed");
    pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        close(out[0]);
        close(err[0]);
        child(out[1], err[1]);
        _exit(127);
    }
    close(out[1]);
    close(err[1]);
    return Collect(pid, out[0], err[0]);
}

} // namespace

ProcessResult RunProcess(const std::filesystem::path& program, const std::vector<std::string>& args,
                         const std::filesystem::path& workDir,
                         const std::vector<std::string>& environment,
                         std::optional<std::uint64_t> fileSizeLimit) {
    return RunChild([&](int out, int err) {
        Exec(program, args, workDir, environment, out, err, fileSizeLimit);
    });
}

std::optional<std::string> RunForked(const std::function<std::string()>& body,
                                     std::optional<std::uint64_t> fileSizeLimit) {
    const ProcessResult result = RunChild([&](int out, int) {
        LimitFileSize(fileSizeLimit);
        const std::string text = body();
        for (std::size_t done = 0; done < text.size();) {
            const ssize_t n = write(out, text.data() + done, text.size() - done);
            if (n <= 0)
                _exit(1);
            done += static_cast<std::size_t>(n);
        }
        // Nothing of the test process runs at its exit: no destructor, no report.
        _exit(0);
    });
    if (result.status != 0)
        return std::nullopt;
    return result.out;
}

} // namespace quintaro::test
