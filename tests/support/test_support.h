// Helpers shared by the test suites.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

// A fresh directory below the system's temporary directory, removed with its contents
// when the object goes out of scope.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    // path() + "/" + relative
    std::string file(std::string_view relative) const;

  private:
    std::string path_;
};

// Writes bytes to a host path, creating parent directories. Fails the test on error.
void writeFile(const std::string& hostPath, std::string_view bytes);
// Reads a whole host file ("" when it is missing).
std::string readFile(const std::string& hostPath);

struct ProcessResult {
    int exitCode = -1;   // the program's exit status; -1 when it did not exit normally
    std::string output;  // stdout and stderr together
};

// Runs a program with arguments in a working directory and waits for it.
ProcessResult runProgram(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& workingDirectory);

}  // namespace testing_support
