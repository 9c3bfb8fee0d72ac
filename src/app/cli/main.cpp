#include <cerrno>
#include <csignal>
#include <exception>
#include <new>
#include <clocale>
#include <cstring>
#include <iostream>
#include <streambuf>
#include <string>
#include <vector>

#include <unistd.h>

#include "app/cli/CliCommands.h"
#include "app/cli/RunEnd.h"
#include "base/TextFile.h"
#include "record/PrivateFolders.h"
#include "record/StationTables.h"

namespace {

// Standard output written straight to descriptor 1, keeping the reason of the first failed write
// (a full disk) so that it can be told. A reader that went away (`| head`) ends the run quietly, as
// the closed pipe's signal would.
class StandardOutput : public std::streambuf {
 public:
  int error_number() const { return error_number_; }
  ~StandardOutput() override { Flush(); }
  bool Flush() {
    const char* data = buffer_;
    std::size_t left = static_cast<std::size_t>(pptr() - pbase());
    while (left > 0 && error_number_ == 0) {
      const ssize_t done = ::write(STDOUT_FILENO, data, left);
      if (done < 0 && errno == EINTR) continue;
      if (done < 0 && errno == EPIPE) tremora::cli::EndRunBySignal(SIGPIPE);
      if (done < 0) error_number_ = errno;
      else { data += done; left -= static_cast<std::size_t>(done); }
    }
    setp(buffer_, buffer_ + sizeof buffer_);
    return error_number_ == 0;
  }

 protected:
  int_type overflow(int_type c) override {
    if (!Flush()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) sputc(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
  }
  int sync() override { return Flush() ? 0 : -1; }

 private:
  char buffer_[65536];
  int error_number_ = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
  tremora::cli::EndRunOnTerminationSignals();
  tremora::RemoveStalePrivateFolders();
  std::setlocale(LC_ALL, "C");
  std::ios::sync_with_stdio(false);
  char program[4096] = {};
  const ssize_t length = ::readlink("/proc/self/exe", program, sizeof program - 1);
  const std::string program_folder = length > 0 ? tremora::FolderOf(std::string(program, length)) : std::string();
  const tremora::CliEnvironment env{tremora::FindDataFolder(program_folder)};
  StandardOutput standard_output;
  std::ostream out(&standard_output);
  int status = 1;
  try {
    status = tremora::RunCli(std::vector<std::string>(argv + 1, argv + argc), out, std::cerr, env);
  } catch (const std::bad_alloc&) {
    // Caught rather than left to abort, so the private folder goes on the way here.
    std::cerr << "tremora-cli: not enough memory\n";
  } catch (const std::exception& error) {
    std::cerr << "tremora-cli: " << error.what() << "\n";
  }
  if (!standard_output.Flush()) {
    std::cerr << "tremora-cli: standard output: " << std::strerror(standard_output.error_number()) << "\n";
    status = 1;
  }
  // A signal that came meanwhile ends the run with its own status, not this one.
  tremora::HoldPrivateFolders();
  return status;
}
