#pragma once
// Two kinds of failure the core reports to its callers (programming mistakes are asserts):
//  - RecordFormatError: the file was read but is not what the reader can use (bad input);
//  - FileAccessError: a file could not be opened, read or written (a failing system call).
// Both carry a message meant for the user, naming the file.

#include <stdexcept>
#include <string>

namespace tremora {

class RecordFormatError : public std::runtime_error {
 public:
  RecordFormatError(std::string path, int line, const std::string& message)
      : std::runtime_error(message), path_(std::move(path)), line_(line) {}
  const std::string& path() const { return path_; }
  int line() const { return line_; }  // 1-based line of the file, 0 when not tied to a line

 private:
  std::string path_;
  int line_;
};

class FileAccessError : public std::runtime_error {
 public:
  enum class Operation { Open, Read, Write };
  FileAccessError(Operation op, std::string path, int error_number);
  // A refusal that is no failing call: reason stands where the system's error text would.
  FileAccessError(Operation op, std::string path, const std::string& reason);
  Operation operation() const { return operation_; }
  const std::string& path() const { return path_; }
  int error_number() const { return error_number_; }

 private:
  Operation operation_;
  std::string path_;
  int error_number_;
};

}  // namespace tremora
