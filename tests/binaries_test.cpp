// The two programs as a user runs them: real processes, standard input from
// a file, standard output through a pipe or a terminal, pi_kontur.txt on disk.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "test_files.hpp"
#include "text/encoding.hpp"

namespace {

namespace fs = std::filesystem;
using testing_support::mask_dates;
using testing_support::read_file;
using testing_support::TempDir;
using testing_support::write_file;

struct Outcome {
  int status = -1;
  std::string output;
};

std::string read_all(int fd) {
  std::string out;
  char buffer[4096];
  for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) {
    out.append(buffer, static_cast<std::size_t>(n));
  }
  return out;
}

int wait_for(pid_t pid) {
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Status of a child that could not give up the permission overrides.
constexpr int kNoCapabilityDrop = 126;

// Runs the program in `dir` with `input` on standard input and standard
// output on a pipe (or on a terminal when `terminal` is set). With
// `obey_permissions` the program runs without the capabilities that let
// root write anywhere: same user, so it reaches the program wherever the
// build lives, but file permissions bind it as they bind any user.
Outcome run(const char* program, const std::string& input, const fs::path& dir,
            bool terminal = false, bool obey_permissions = false) {
  const TempDir input_dir;
  const fs::path input_file = input_dir.path() / "stdin";
  write_file(input_file, input);
  int out_fds[2] = {-1, -1};
  if (terminal) {
    out_fds[0] = ::posix_openpt(O_RDWR | O_NOCTTY);
    ::grantpt(out_fds[0]);
    ::unlockpt(out_fds[0]);
    out_fds[1] = ::open(::ptsname(out_fds[0]), O_RDWR | O_NOCTTY);
  } else if (::pipe(out_fds) != 0) {
    return {};
  }
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int in = ::open(input_file.c_str(), O_RDONLY);
    if (obey_permissions) {
      for (const int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
        if (::prctl(PR_CAPBSET_DROP, cap, 0, 0, 0) != 0) ::_exit(kNoCapabilityDrop);
      }
    }
    if (::chdir(dir.c_str()) != 0) ::_exit(127);
    ::dup2(in, 0);
    ::dup2(out_fds[1], 1);
    ::close(out_fds[0]);
    ::execl(program, program, static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(out_fds[1]);
  Outcome outcome;
  outcome.output = read_all(out_fds[0]);
  ::close(out_fds[0]);
  outcome.status = wait_for(pid);
  return outcome;
}

std::string lines(const std::vector<std::string>& items) {
  std::string out;
  for (const std::string& item : items) out += item + "\n";
  return out;
}

const std::string kDialog =
    lines({"100", "1000", "50", "1", "90", "200", "100", "50", "10", "5", "7"});

TEST(Programs, ShowTheBannerAndEndEveryLineInCrLf) {
  TempDir dir;
  const Outcome o = run(VALVENET_UTF8, kDialog + "9\n", dir.path());
  EXPECT_EQ(o.status, 0);
  const std::string banner =
      " Программа расчета рабочих параметров выходного\r\n"
      " каскада передатчика c П-контуром \r\n"
      "\r\n"
      " Версия 3.61 \r\n"
      " ----------------------------------------------------\r\n"
      "\r\n"
      " 1.  Выходная мощность, Вт  = ";
  EXPECT_EQ(o.output.substr(0, banner.size()), banner);
  EXPECT_NE(o.output.find(" Ждите, идут вычисления...\r\n\r\n"
                          " 1.  Выходная мощность, Вт\t\t\t=     100.000\r\n"
                          " 2.  Мощность 1-й гармоники в контуре, Вт\t=     120.266\r\n"),
            std::string::npos);
  for (std::size_t at = o.output.find('\n'); at != std::string::npos;
       at = o.output.find('\n', at + 1)) {
    ASSERT_EQ(o.output[at - 1], '\r') << at;
  }
  EXPECT_EQ(o.output.substr(o.output.size() - 6), " 73!\r\n");
}

TEST(Programs, EndOfInputEndsWithStatusOne) {
  TempDir dir;
  EXPECT_EQ(run(VALVENET_UTF8, "", dir.path()).status, 1);
  EXPECT_EQ(run(VALVENET_UTF8, "100\n1000", dir.path()).status, 1);
  EXPECT_EQ(run(VALVENET_CP866, kDialog, dir.path()).status, 1);
  EXPECT_FALSE(fs::exists(dir.path() / "pi_kontur.txt"));
}

TEST(Programs, SaveCreatesTheFileThenAppendsToIt) {
  TempDir dir;
  EXPECT_EQ(run(VALVENET_UTF8, kDialog + "7\n9\n", dir.path()).status, 0);
  const std::string first = read_file(dir.path() / "pi_kontur.txt");
  ASSERT_FALSE(first.empty());
  EXPECT_EQ(first.substr(first.size() - 65), " " + std::string(60, '=') + "\r\n\r\n");
  EXPECT_EQ(run(VALVENET_UTF8, kDialog + "7\n9\n", dir.path()).status, 0);
  // Masked dates: the two runs may fall on either side of midnight.
  EXPECT_EQ(mask_dates(read_file(dir.path() / "pi_kontur.txt")), mask_dates(first + first));
}

TEST(Programs, CodePage866ProgramWritesTheConvertedBytesAndTheSameFile) {
  TempDir utf8_dir;
  TempDir cp866_dir;
  const std::string input = kDialog + "0\n3\n250\n7\n8\n" + kDialog + "9\n";
  const Outcome utf8 = run(VALVENET_UTF8, input, utf8_dir.path());
  const Outcome cp866 = run(VALVENET_CP866, input, cp866_dir.path());
  EXPECT_EQ(cp866.status, 0);
  EXPECT_TRUE(cp866.output == text::utf8_to_cp866(utf8.output));
  EXPECT_TRUE(mask_dates(read_file(cp866_dir.path() / "pi_kontur.txt")) ==
              mask_dates(read_file(utf8_dir.path() / "pi_kontur.txt")));
}

void expect_failed_save(const fs::path& dir, bool obey_permissions = false) {
  const Outcome o = run(VALVENET_UTF8, kDialog + "7\n9\n", dir, false, obey_permissions);
  ASSERT_NE(o.status, kNoCapabilityDrop) << "cannot drop root's permission overrides";
  EXPECT_EQ(o.status, 0);
  EXPECT_NE(o.output.find(" Ошибка: не удалось записать данные в файл pi_kontur.txt\r\n"),
            std::string::npos);
  EXPECT_EQ(o.output.find("Данные записаны"), std::string::npos);
}

TEST(Programs, SaveIntoAFolderNamedLikeTheFileFails) {
  TempDir dir;
  fs::create_directory(dir.path() / "pi_kontur.txt");
  expect_failed_save(dir.path());
}

TEST(Programs, SaveToAFullDiskFailsAndKeepsNothingHalfWritten) {
  TempDir dir;
  fs::create_symlink("/dev/full", dir.path() / "pi_kontur.txt");
  expect_failed_save(dir.path());
}

TEST(Programs, SaveInAReadOnlyFolderFailsAndKeepsTheEarlierReports) {
  // Root writes anywhere, so the program runs without root's overrides
  // (the same user, so it needs no folder shared with another user).
  TempDir dir;
  write_file(dir.path() / "pi_kontur.txt", "earlier report\r\n");
  fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
  fs::permissions(dir.path() / "pi_kontur.txt", fs::perms::owner_read);
  expect_failed_save(dir.path(), true);
  EXPECT_EQ(read_file(dir.path() / "pi_kontur.txt"), "earlier report\r\n");
}

TEST(Programs, ClearTheTerminalWithoutStartingAShell) {
  TempDir dir;
  // A program named cls on the PATH must never run.
  const fs::path trap = dir.path() / "cls";
  write_file(trap, "#!/bin/sh\ntouch \"" + (dir.path() / "shell-ran").string() + "\"\n");
  fs::permissions(trap, fs::perms::owner_all);
  const std::string old_path = std::getenv("PATH") ? std::getenv("PATH") : "";
  ::setenv("PATH", (dir.path().string() + ":" + old_path).c_str(), 1);
  const Outcome o = run(VALVENET_UTF8, kDialog + "9\n", dir.path(), true);
  ::setenv("PATH", old_path.c_str(), 1);
  EXPECT_EQ(o.status, 0);
  EXPECT_NE(o.output.find("\x1b[H\x1b[2J"), std::string::npos);
  // The scroll-back is kept: an earlier report stays reachable.
  EXPECT_EQ(o.output.find("\x1b[3J"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir.path() / "shell-ran"));
}

TEST(Programs, PipedOutputGetsNoClearingSequence) {
  TempDir dir;
  const Outcome o = run(VALVENET_UTF8, kDialog + "9\n", dir.path());
  EXPECT_EQ(o.output.find('\x1b'), std::string::npos);
}

}  // namespace
