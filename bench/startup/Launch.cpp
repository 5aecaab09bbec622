// Starts a harness and times it from outside: reads the clock, spawns the program, and turns
// every "name_us=" reading the program reports into "name_ms=" since the spawn. Other lines pass
// through. Exits with the program's status.
#include "ProcessFigures.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern char** environ;

namespace {

void PrintLine(std::string_view line, std::int64_t startUs) {
  constexpr std::string_view Suffix = "_us=";
  const std::size_t at = line.find(Suffix);
  if (at == std::string_view::npos) {
    std::printf("%.*s\n", static_cast<int>(line.size()), line.data());
    return;
  }
  const long long readingUs = std::atoll(std::string(line.substr(at + Suffix.size())).c_str());
  std::printf("%.*s_ms=%.3f\n", static_cast<int>(at), line.data(),
              static_cast<double>(readingUs - startUs) / 1000.0);
}

} // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s PROGRAM [ARGUMENT...]\n", argv[0]);
    return 2;
  }
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) {
    std::perror("pipe");
    return 2;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);

  const std::int64_t startUs = soyka::bench::MonotonicMicroseconds();
  pid_t child = 0;
  const int spawned = posix_spawn(&child, argv[1], &actions, nullptr, argv + 1, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);
  if (spawned != 0) {
    std::fprintf(stderr, "%s: cannot start %s\n", argv[0], argv[1]);
    return 2;
  }

  FILE* output = fdopen(pipeEnds[0], "r");
  char* line = nullptr;
  std::size_t capacity = 0;
  for (ssize_t length; (length = getline(&line, &capacity, output)) > 0;) {
    std::string_view text(line, static_cast<std::size_t>(length));
    if (text.ends_with('\n')) {
      text.remove_suffix(1);
    }
    PrintLine(text, startUs);
  }
  std::free(line);
  std::fclose(output);

  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 2;
}
