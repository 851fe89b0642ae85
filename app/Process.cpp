#include "Process.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

class CSpawnActions {
public:
    CSpawnActions() { posix_spawn_file_actions_init(&m_actions); }
    ~CSpawnActions() { posix_spawn_file_actions_destroy(&m_actions); }
    CSpawnActions(const CSpawnActions&) = delete;
    CSpawnActions& operator=(const CSpawnActions&) = delete;
    posix_spawn_file_actions_t* Get() { return &m_actions; }

private:
    posix_spawn_file_actions_t m_actions;
};

} // namespace

CProcessResult RunProcess(const std::filesystem::path& program, const std::vector<std::string>& args,
    const CProcessOptions& options)
{
    CProcessResult result;
    CSpawnActions actions;
    if (!options.workDir.empty())
        posix_spawn_file_actions_addchdir_np(actions.Get(), options.workDir.c_str());
    const int flags = O_WRONLY | O_CREAT | O_TRUNC;
    if (!options.stdoutPath.empty())
        posix_spawn_file_actions_addopen(actions.Get(), STDOUT_FILENO, options.stdoutPath.c_str(), flags, 0644);
    if (!options.stderrPath.empty() && options.stderrPath == options.stdoutPath)
        posix_spawn_file_actions_adddup2(actions.Get(), STDOUT_FILENO, STDERR_FILENO);
    else if (!options.stderrPath.empty())
        posix_spawn_file_actions_addopen(actions.Get(), STDERR_FILENO, options.stderrPath.c_str(), flags, 0644);

    std::vector<char*> argv;
    std::string name = program.string();
    argv.push_back(name.data());
    std::vector<std::string> copies(args);
    for (std::string& arg : copies)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    if (int error = posix_spawn(&pid, name.c_str(), actions.Get(), nullptr, argv.data(), environ)) {
        result.strWhy = std::strerror(error);
        return result;
    }

    // Short naps at first, so that a quick tool costs little waiting.
    const auto deadline = std::chrono::steady_clock::now() + options.timeLimit;
    auto nap = std::chrono::microseconds(200);
    int status = 0;
    for (;;) {
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid)
            break;
        if (done < 0 && errno != EINTR) {
            result.strWhy = std::strerror(errno);
            return result;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            kill(pid, SIGKILL);
            while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
            result.end = CProcessResult::kTimedOut;
            return result;
        }
        std::this_thread::sleep_for(nap);
        nap = std::min(nap * 2, std::chrono::microseconds(20000));
    }
    if (WIFEXITED(status)) {
        result.end = CProcessResult::kExited;
        result.nStatus = WEXITSTATUS(status);
    } else {
        result.end = CProcessResult::kSignalled;
        result.nStatus = WTERMSIG(status);
    }
    return result;
}
