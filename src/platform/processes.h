// Starting other programs: DOS sessions from a PIF, Windows programs, the command interpreter
// and the text viewer. Paths are DOS paths.
#pragma once

#include <string>
#include <vector>

namespace platform {

// A program of this machine itself (a native port of a DOS game), started with an argument
// vector: no shell, no DOS session.
struct NativeStart {
  std::string program;            // a host path, or a name looked up on the program path
  std::vector<std::string> args;  // the program's arguments, each one whole
  std::string directory;          // where it runs: a DOS path over the drive map
  std::string package;            // the package that provides it, for the message when missing
};

class Processes {
 public:
  virtual ~Processes() = default;

  // Starts the DOS session the PIF describes, with `args` as the program's arguments, and
  // waits for it to end. Returns its exit status, or -1 with the system's text in `error`.
  virtual int startPifAndWait(const std::string& pifPath, const std::vector<std::string>& args,
                              std::string* error) = 0;
  // Hands the process over to the DOS session (the program ends when it does). Returns only
  // on failure, with the system's text in `error`.
  virtual void execPif(const std::string& pifPath, const std::vector<std::string>& args,
                       std::string* error) = 0;
  // Starts the DOS program `program` in a DOS session of its own in `directory`, with `args` as
  // its arguments, and returns at once: the session goes on by itself, also after this program
  // ends. False, with the system's text in `error`, when it could not be started.
  virtual bool startDosProgram(const std::string& program, const std::vector<std::string>& args,
                               const std::string& directory, std::string* error) = 0;
  // Starts a Windows program without waiting; false with the system's text on failure.
  virtual bool startWindowsProgram(const std::string& application, const std::string& commandLine,
                                   const std::string& currentDirectory, std::string* error) = 0;
  // Starts a program of this machine and waits for it to end. Returns its exit status, or -1
  // with the reason in `error` (a missing program is named with the package that provides it).
  virtual int startNativeAndWait(const NativeStart& start, std::string* error) = 0;
  // Runs a command through the command interpreter and waits; returns its exit status.
  virtual int runCommand(const std::string& commandText) = 0;
  // Opens a text file in the text viewer without waiting.
  virtual bool openTextViewer(const std::string& file) = 0;
  // The machine's own unzip program: `member` (its name in the archive) of `archive` into the
  // directory `targetDir` (both DOS paths), without the member's folders, an existing file
  // overwritten; waits for it. 0 on success, the program's status, or -1 when it could not be
  // started (the reason in `error`).
  virtual int unzipMember(const std::string& archive, const std::string& member,
                          const std::string& targetDir, std::string* error) = 0;
  // The DOS sessions started from now on join the IPX network the program's own endpoints use
  // (until it is turned off again), for a multiplayer game over IPX. Services that start no DOS
  // sessions of their own may ignore it.
  virtual void setIpxNetwork(bool on) { (void)on; }
};

}  // namespace platform
