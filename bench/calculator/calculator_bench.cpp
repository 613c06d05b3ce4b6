// Times the lunar calculator: the cost of one evaluation of the Sun, the Moon
// and the Ascendant, and the whole `moon` process (start, search, table) for
// the front end's 2 lunations and for the maximum of 120.
//
// Usage: calculator_bench [process runs per case, default 50]
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "calculator/events.h"

namespace {

using Clock = std::chrono::steady_clock;

double Microseconds(Clock::duration d) {
  return std::chrono::duration<double, std::micro>(d).count();
}

void BenchEvaluation() {
  moon::MomentRecord m;
  moon::InitMoment(m);
  moon::SetDate(17, 5, 1990, m.dateTime);
  moon::SetTime(14, 30, 0, m.dateTime);
  m.dateTime.timeZone = 3;
  m.place = moon::CoordinateRecord{moon::CoordinateKind::kPartial, moon::CoordinateKind::kPartial,
                                   (53 * 60 + 54) * 60, (27 * 60 + 34) * 60};
  constexpr int kEvaluations = 200000;
  int32_t checksum = 0;
  const auto start = Clock::now();
  for (int i = 0; i < kEvaluations; ++i) {
    moon::AddSeconds(m.dateTime, 7199);  // a coarse moonrise step
    checksum += moon::Evaluate(m).horizon.longitude;
  }
  const double each = Microseconds(Clock::now() - start) / kEvaluations;
  std::printf("one evaluation (Sun, Moon, Ascendant): %.3f us  [checksum %d]\n", each, checksum);
}

struct Timing {
  double wallMs = 0;
  double cpuMs = 0;  // user + system time of the child
};

double Milliseconds(const timeval& t) {
  return t.tv_sec * 1e3 + t.tv_usec / 1e3;
}

// Runs `moon` once with stdout to /dev/null.
Timing RunOnce(const std::filesystem::path& directory, int expectedExitCode) {
  std::fflush(stdout);  // or the child would repeat what is buffered
  const auto start = Clock::now();
  const pid_t child = fork();
  if (child == 0) {
    if (chdir(directory.c_str()) != 0 || !std::freopen("/dev/null", "w", stdout)) _exit(120);
    execl(MOON_PROGRAM, MOON_PROGRAM, "p.in", static_cast<char*>(nullptr));
    _exit(121);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  Timing timing;
  timing.wallMs = Microseconds(Clock::now() - start) / 1000;
  timing.cpuMs = Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != expectedExitCode) {
    std::fprintf(stderr, "unexpected end of the run\n");
  }
  return timing;
}

struct Summary {
  double median, mean, min, max;
};

Summary Summarise(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  double sum = 0;
  for (double v : values) sum += v;
  return {values[values.size() / 2], sum / values.size(), values.front(), values.back()};
}

// lunations == 0 writes a file that is refused at its first line: the cost
// of starting the process and loading the parameters alone.
void BenchProcess(const std::filesystem::path& directory, int lunations, int runs) {
  if (lunations == 0) {
    std::ofstream(directory / "p.in", std::ios::binary) << "\r\n";
  } else {
    std::ofstream(directory / "p.in", std::ios::binary)
        << "Autocreated\r\n7.3.1985\r\n5:7\r\n3\r\n\r\n55.45\r\n37.35\r\n"
        << lunations << "\r\na\r\nout.txt\r\n";
  }
  RunOnce(directory, lunations == 0 ? 100 : 0);  // warm the page cache
  std::vector<double> wall, cpu;
  for (int i = 0; i < runs; ++i) {
    const Timing t = RunOnce(directory, lunations == 0 ? 100 : 0);
    wall.push_back(t.wallMs);
    cpu.push_back(t.cpuMs);
  }
  const Summary w = Summarise(wall);
  const Summary c = Summarise(cpu);
  const std::string what =
      lunations == 0 ? "start-up and parameter error" : std::to_string(lunations) + " lunations";
  std::printf(
      "whole process, %-28s (%d runs): wall median %.2f ms, mean %.2f, min %.2f,"
      " max %.2f; cpu median %.2f ms, min %.2f\n",
      what.c_str(), runs, w.median, w.mean, w.min, w.max, c.median, c.min);
}

}  // namespace

int main(int argc, char* argv[]) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
  BenchEvaluation();
  std::string pattern = (std::filesystem::temp_directory_path() / "moon-bench-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) return 1;
  const std::filesystem::path directory = pattern;
  BenchProcess(directory, 0, runs);
  BenchProcess(directory, 2, runs);
  BenchProcess(directory, 120, runs);
  std::filesystem::remove_all(directory);
  return 0;
}
