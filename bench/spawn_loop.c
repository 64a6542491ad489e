/* Times whole processes: runs the commands in turn, RUNS times each, with
 * standard output to /dev/null or to a pipe this loop drains, and standard
 * error to /dev/null. Prints the median wall time per run of each, in
 * microseconds, and its median count of page faults. Taking turns keeps
 * machine drift out of the ratios.
 *
 *   spawn_loop RUNS null|pipe A-ARGS... [-- B-ARGS...]...
 */
#define _GNU_SOURCE
#include <fcntl.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;

static double now_us(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e6 + t.tv_nsec / 1e3;
}

static double run_once(char** argv, int to_pipe, int devnull, double* faults) {
  posix_spawn_file_actions_t fa;
  posix_spawn_file_actions_init(&fa);
  int fds[2] = {-1, -1};
  if (to_pipe) {
    if (pipe(fds) != 0) exit(2);
    posix_spawn_file_actions_adddup2(&fa, fds[1], 1);
    posix_spawn_file_actions_addclose(&fa, fds[0]);
    posix_spawn_file_actions_addclose(&fa, fds[1]);
  } else {
    posix_spawn_file_actions_adddup2(&fa, devnull, 1);
  }
  posix_spawn_file_actions_adddup2(&fa, devnull, 2);
  double start = now_us();
  pid_t pid;
  if (posix_spawn(&pid, argv[0], &fa, NULL, argv, environ) != 0) {
    perror(argv[0]);
    exit(2);
  }
  if (to_pipe) {
    static char buf[1 << 16];
    close(fds[1]);
    while (read(fds[0], buf, sizeof buf) > 0) {
    }
    close(fds[0]);
  }
  int status;
  struct rusage usage;
  wait4(pid, &status, 0, &usage);
  double elapsed = now_us() - start;
  *faults = (double)(usage.ru_minflt + usage.ru_majflt);
  posix_spawn_file_actions_destroy(&fa);
  return elapsed;
}

static int cmp(const void* a, const void* b) {
  double x = *(const double*)a, y = *(const double*)b;
  return (x > y) - (x < y);
}

enum { kMaxCommands = 8 };

int main(int argc, char** argv) {
  if (argc < 4) {
    fprintf(stderr, "usage: spawn_loop RUNS null|pipe A... [-- B...]...\n");
    return 2;
  }
  int runs = atoi(argv[1]);
  int to_pipe = strcmp(argv[2], "pipe") == 0;
  char** cmd[kMaxCommands] = {argv + 3};
  int n = 1;
  for (int i = 3; i < argc; ++i) {
    if (strcmp(argv[i], "--") != 0) continue;
    if (n == kMaxCommands) {
      fprintf(stderr, "spawn_loop: at most %d commands\n", kMaxCommands);
      return 2;
    }
    argv[i] = NULL;
    cmd[n++] = argv + i + 1;
  }
  int devnull = open("/dev/null", O_WRONLY);
  double *t[kMaxCommands], *f[kMaxCommands], unused;
  for (int c = 0; c < n; ++c) {
    t[c] = calloc((size_t)runs, sizeof **t);
    f[c] = calloc((size_t)runs, sizeof **f);
  }
  for (int i = 0; i < runs / 10 + 1; ++i) /* warm-up */
    for (int c = 0; c < n; ++c) run_once(cmd[c], to_pipe, devnull, &unused);
  for (int i = 0; i < runs; ++i)
    for (int c = 0; c < n; ++c) t[c][i] = run_once(cmd[c], to_pipe, devnull, &f[c][i]);
  for (int c = 0; c < n; ++c) {
    qsort(t[c], (size_t)runs, sizeof **t, cmp);
    qsort(f[c], (size_t)runs, sizeof **f, cmp);
    printf(c ? " %.1f %.0f" : "%.1f %.0f", t[c][runs / 2], f[c][runs / 2]);
  }
  printf("\n");
  return 0;
}
