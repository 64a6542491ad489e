/* Times whole processes: runs command A and command B alternately, RUNS
 * times each, with standard output to /dev/null or to a pipe this loop
 * drains, and standard error to /dev/null. Prints the median wall time per
 * run of each, in microseconds. Alternating keeps machine drift out of the
 * ratio between the two.
 *
 *   spawn_loop RUNS null|pipe A-ARGS... -- B-ARGS...
 */
#define _GNU_SOURCE
#include <fcntl.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;

static double now_us(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e6 + t.tv_nsec / 1e3;
}

static double run_once(char** argv, int to_pipe, int devnull) {
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
  waitpid(pid, &status, 0);
  double elapsed = now_us() - start;
  posix_spawn_file_actions_destroy(&fa);
  return elapsed;
}

static int cmp(const void* a, const void* b) {
  double x = *(const double*)a, y = *(const double*)b;
  return (x > y) - (x < y);
}

int main(int argc, char** argv) {
  if (argc < 5) {
    fprintf(stderr, "usage: spawn_loop RUNS null|pipe A... -- B...\n");
    return 2;
  }
  int runs = atoi(argv[1]);
  int to_pipe = strcmp(argv[2], "pipe") == 0;
  char** a = argv + 3;
  char** b = NULL;
  for (int i = 3; i < argc; ++i) {
    if (strcmp(argv[i], "--") == 0) {
      argv[i] = NULL;
      b = argv + i + 1;
      break;
    }
  }
  int devnull = open("/dev/null", O_WRONLY);
  double* ta = calloc((size_t)runs, sizeof *ta);
  double* tb = calloc((size_t)runs, sizeof *tb);
  for (int i = 0; i < runs / 10 + 1; ++i) { /* warm-up */
    run_once(a, to_pipe, devnull);
    if (b) run_once(b, to_pipe, devnull);
  }
  for (int i = 0; i < runs; ++i) {
    ta[i] = run_once(a, to_pipe, devnull);
    if (b) tb[i] = run_once(b, to_pipe, devnull);
  }
  qsort(ta, (size_t)runs, sizeof *ta, cmp);
  printf("%.1f", ta[runs / 2]);
  if (b) {
    qsort(tb, (size_t)runs, sizeof *tb, cmp);
    printf(" %.1f", tb[runs / 2]);
  }
  printf("\n");
  return 0;
}
