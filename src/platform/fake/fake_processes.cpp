#include "platform/fake/fake_processes.h"

namespace platform {

FakeProcesses::Outcome FakeProcesses::next(Call call) {
  call.ipxNetwork = ipxNetwork_;
  calls_.push_back(std::move(call));
  if (whileRunning_) whileRunning_(calls_.back());
  if (outcomes_.empty()) return {};
  Outcome outcome = outcomes_.front();
  outcomes_.pop_front();
  return outcome;
}

int FakeProcesses::startPifAndWait(const std::string& pifPath, const std::vector<std::string>& args,
                                   std::string* error) {
  Outcome outcome = next({Kind::kPifWait, pifPath, args, {}});
  if (!outcome.error.empty() && error) *error = outcome.error;
  return outcome.status;
}

void FakeProcesses::execPif(const std::string& pifPath, const std::vector<std::string>& args,
                            std::string* error) {
  Outcome outcome = next({Kind::kPifExec, pifPath, args, {}});
  if (!outcome.error.empty() && error) *error = outcome.error;
}

bool FakeProcesses::startWindowsProgram(const std::string& application,
                                        const std::string& commandLine,
                                        const std::string& currentDirectory, std::string* error) {
  Outcome outcome = next({Kind::kWindowsProgram, application, {commandLine}, currentDirectory});
  if (!outcome.error.empty() && error) *error = outcome.error;
  return outcome.error.empty();
}

int FakeProcesses::startNativeAndWait(const NativeStart& start, std::string* error) {
  Call call{Kind::kNative, start.program, start.args, start.directory};
  call.package = start.package;
  Outcome outcome = next(std::move(call));
  if (!outcome.error.empty() && error) *error = outcome.error;
  return outcome.status;
}

bool FakeProcesses::startDosProgram(const std::string& program,
                                    const std::vector<std::string>& args,
                                    const std::string& directory, std::string* error) {
  Outcome outcome = next({Kind::kDosStart, program, args, directory});
  if (!outcome.error.empty() && error) *error = outcome.error;
  return outcome.error.empty();
}

int FakeProcesses::runCommand(const std::string& commandText) {
  return next({Kind::kCommand, commandText, {}, {}}).status;
}

int FakeProcesses::unzipMember(const std::string& archive, const std::string& member,
                               const std::string& targetDir, std::string* error) {
  Outcome outcome = next({Kind::kUnzip, archive, {member, targetDir}, {}});
  if (!outcome.error.empty() && error) *error = outcome.error;
  return outcome.status;
}

bool FakeProcesses::openTextViewer(const std::string& file) {
  return next({Kind::kTextViewer, file, {}, {}}).error.empty();
}

std::vector<std::string> FakeProcesses::transcript() const {
  std::vector<std::string> lines;
  for (const Call& call : calls_) {
    static const char* const kNames[] = {"pif-wait",    "pif-exec", "windows", "command",
                                         "text-viewer", "unzip",    "native",  "dos-start"};
    std::string line = std::string(kNames[static_cast<int>(call.kind)]) + " " + call.program;
    for (const std::string& arg : call.args) line += " " + arg;
    if (!call.directory.empty()) line += " (in " + call.directory + ")";
    if (call.ipxNetwork) line += " (ipx)";
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace platform
