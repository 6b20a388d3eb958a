// Processes for tests: records every start and answers from a script instead of running
// anything.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/processes.h"

namespace platform {

class FakeProcesses : public Processes {
 public:
  enum class Kind {
    kPifWait,
    kPifExec,
    kWindowsProgram,
    kCommand,
    kTextViewer,
    kUnzip,
    kNative,
    kDosStart
  };
  struct Call {
    Kind kind;
    std::string program;            // the PIF, the application, the command text or the file
    std::vector<std::string> args;  // a Windows program's command line is its one argument
    std::string directory;          // a Windows, native or started DOS program's directory
    bool ipxNetwork = false;        // the IPX network was on for it
    std::string package = "";       // a native program's package
  };

  // Outcomes are taken in order, one per call of any kind; once the script is used up every
  // call succeeds with status 0.
  void scriptStatus(int status) { outcomes_.push_back({status, {}}); }
  // The next call fails: -1 or false, and `error` where the call has one.
  void scriptFailure(std::string error) { outcomes_.push_back({-1, std::move(error)}); }

  int startPifAndWait(const std::string& pifPath, const std::vector<std::string>& args,
                      std::string* error) override;
  // Records the hand-over and returns; the caller takes that as the end of the program. A
  // scripted failure sets `error` as a real failed hand-over would.
  void execPif(const std::string& pifPath, const std::vector<std::string>& args,
               std::string* error) override;
  bool startWindowsProgram(const std::string& application, const std::string& commandLine,
                           const std::string& currentDirectory, std::string* error) override;
  int startNativeAndWait(const NativeStart& start, std::string* error) override;
  bool startDosProgram(const std::string& program, const std::vector<std::string>& args,
                       const std::string& directory, std::string* error) override;
  int runCommand(const std::string& commandText) override;
  bool openTextViewer(const std::string& file) override;
  // Recorded with the archive as the program and the member and directory as its arguments.
  int unzipMember(const std::string& archive, const std::string& member,
                  const std::string& targetDir, std::string* error) override;
  // Does what the started program would do to the files (an editor's changes), at each call.
  void whileRunning(std::function<void(const Call&)> action) { whileRunning_ = std::move(action); }
  void setIpxNetwork(bool on) override { ipxNetwork_ = on; }
  bool ipxNetwork() const { return ipxNetwork_; }

  const std::vector<Call>& calls() const { return calls_; }
  // One line per call, for transcripts: "pif-wait D:\GAMES\DUKE.PIF -map E1L1.MAP", and
  // " (ipx)" at the end of a call made while the IPX network was on.
  std::vector<std::string> transcript() const;
  // The texts of the commands run through the command interpreter, in order.
  std::vector<std::string> commandTexts() const {
    std::vector<std::string> texts;
    for (const Call& call : calls_)
      if (call.kind == Kind::kCommand) texts.push_back(call.program);
    return texts;
  }

 private:
  struct Outcome {
    int status = 0;
    std::string error;  // not empty: the call fails
  };
  Outcome next(Call call);

  std::deque<Outcome> outcomes_;
  std::function<void(const Call&)> whileRunning_;
  std::vector<Call> calls_;
  bool ipxNetwork_ = false;
};

}  // namespace platform
