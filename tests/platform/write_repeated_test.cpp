// Repeated output to a pipe that a slow reader drains while signals keep
// interrupting the writer: the gather writes come back short, in the middle
// of a copy, and every byte must still arrive once and in order.
#if !defined(_WIN32)

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "core/platform/platform.h"

using namespace corvane;

namespace {

void IgnoreAlarm(int) {}

TEST(PlatformWriteRepeated, ShortWritesInsideACopyStillDeliverEveryByte) {
  const std::string line = std::string(1024, '=') + " Length: 1024" + std::string(LineEnd);
  const std::size_t count = 1000;
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
#ifdef F_SETPIPE_SZ
  fcntl(fds[1], F_SETPIPE_SZ, 4096);  // a small pipe fills after a few copies
#endif
  const pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    close(fds[0]);
    dup2(fds[1], STDOUT_FILENO);
    struct sigaction action {};
    action.sa_handler = IgnoreAlarm;  // no SA_RESTART: a blocked write returns short
    sigaction(SIGALRM, &action, nullptr);
    const itimerval every{{0, 300}, {0, 300}};
    setitimer(ITIMER_REAL, &every, nullptr);
    const bool ok = PlatformWriteRepeated(ssOutput, line.data(), line.size(), count);
    _exit(ok ? 0 : 3);
  }
  close(fds[1]);
  std::string received;
  char chunk[1500];
  for (ssize_t n; (n = read(fds[0], chunk, sizeof chunk)) != 0;) {
    if (n < 0) continue;
    received.append(chunk, static_cast<std::size_t>(n));
    usleep(20);
  }
  close(fds[0]);
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  ASSERT_EQ(received.size(), line.size() * count);
  for (std::size_t at = 0; at < received.size(); at += line.size()) {
    ASSERT_EQ(received.compare(at, line.size(), line), 0) << "copy " << at / line.size();
  }
}

}  // namespace

#endif
