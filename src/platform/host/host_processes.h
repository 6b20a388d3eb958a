// Starting programs on this machine: DOS sessions in DOSBox, Windows programs through Wine,
// files through the desktop's opener. Paths given to it are DOS paths over the drive map of a
// HostFileSystem.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/host/host_file_system.h"
#include "platform/host/ipx_server_setting.h"
#include "platform/processes.h"

namespace platform {

struct HostProcessOptions {
  // Each command is a program and its first arguments.
  std::vector<std::string> dosbox{"dosbox"};
  std::vector<std::string> wine{"wine"};
  std::vector<std::string> opener{"xdg-open"};
  std::vector<std::string> textViewer{"xdg-open"};
  std::vector<std::string> unzip{"unzip"};
  // Appends one line per start when not empty.
  std::string launchLog;
  // Where the DOSBox configuration files go; must be ours alone.
  std::string runtimeDir;
  // Set (or replaced) in the environment of every program started.
  std::vector<std::pair<std::string, std::string>> environment;
  // When not empty, the started programs' output is appended there instead of ours.
  std::string outputFile;
  std::string cycles = "max";
  bool sound = false;
  // The player's own DOSBox configuration file (host path), the base of every session; empty:
  // none. It is read, never written.
  std::string dosboxUserConfig;
  // A DOS session still running after this long is killed; zero waits for ever.
  std::chrono::milliseconds timeout{0};
  // The tunnel server the DOS sessions join while the IPX network is on.
  IpxServerSetting ipx;

  // The defaults with $QF95_DOSBOX, $QF95_WINE, $QF95_OPENER, $QF95_TEXT_VIEWER, $QF95_UNZIP (each
  // split at blanks), $QF95_LAUNCH_LOG, sound on unless $QF95_DOSBOX_SOUND is "off", a runtime
  // directory under $XDG_RUNTIME_DIR or /tmp, and the player's DOSBox configuration:
  // $QF95_DOSBOX_CONF, else the newest ~/.dosbox/dosbox*.conf (where DOSBox keeps it); the IPX
  // server of $QF95_IPX_SERVER.
  using Lookup = std::function<const char*(const char*)>;
  static HostProcessOptions fromEnvironment(const Lookup& lookup);
  static HostProcessOptions fromEnvironment();
};

// Told about a DOS session the program waits for, so a window can keep drawing meanwhile.
class SessionWatcher {
 public:
  virtual ~SessionWatcher() = default;
  // `program` is the DOS program of a session, or the path of a native program (with a "/").
  virtual void sessionStarted(const std::string& program) = 0;
  // Called about twenty times a second while the session runs.
  virtual void sessionRunning() = 0;
  virtual void sessionEnded() = 0;
};

class HostProcesses : public Processes {
 public:
  HostProcesses(HostFileSystem& fs, HostProcessOptions options);

  int startPifAndWait(const std::string& pifPath, const std::vector<std::string>& args,
                      std::string* error) override;
  void execPif(const std::string& pifPath, const std::vector<std::string>& args,
               std::string* error) override;
  bool startWindowsProgram(const std::string& application, const std::string& commandLine,
                           const std::string& currentDirectory, std::string* error) override;
  // Runs in the host folder of `start.directory`, with the options' environment and output,
  // waited for (and stopped after the options' timeout) as a DOS session is.
  int startNativeAndWait(const NativeStart& start, std::string* error) override;
  // The session is left to itself: nothing waits for it and the timeout does not stop it.
  bool startDosProgram(const std::string& program, const std::vector<std::string>& args,
                       const std::string& directory, std::string* error) override;
  // "del <files>" (wildcards allowed) and "start <file>" are done here; anything else runs as
  // a DOS program in a DOS session in the current directory. 0 on success, the session's exit
  // status, 1 when the command itself failed, -1 when nothing could be started.
  int runCommand(const std::string& commandText) override;
  bool openTextViewer(const std::string& file) override;
  int unzipMember(const std::string& archive, const std::string& member,
                  const std::string& targetDir, std::string* error) override;
  // The sessions get ipx=true and "ipxnet connect" to the server of the options' ipx setting.
  void setIpxNetwork(bool on) override { ipxNetwork_ = on; }
  // The server the sessions join from now on.
  void setIpxServer(const IpxServer& server) {
    options_.ipx.server = server;
    options_.ipx.problem.clear();
  }

  // Nothing is told when null (the default).
  void setSessionWatcher(SessionWatcher* watcher) { watcher_ = watcher; }

  // Why the last runCommand or openTextViewer failed.
  const std::string& lastError() const { return lastError_; }

 private:
  struct Prepared;
  bool prepareSession(const std::string& program, const std::vector<std::string>& args,
                      const std::string& workingDirectory, bool closeOnExit, Prepared& out,
                      std::string* error);
  bool preparePif(const std::string& pifPath, const std::vector<std::string>& args, Prepared& out,
                  std::string* error);
  int runSession(const char* kind, const Prepared& session, std::string* error);
  // Waits for a started program: the watcher told of `watched`, the timeout kept; the errors
  // name the program `name`, a timeout says that `running` was still running.
  int waitForProgram(pid_t pid, const std::string& watched, const std::string& name,
                     const std::string& running, std::string* error);
  int deleteFiles(const std::vector<std::string>& words);
  bool openDetached(const char* kind, const std::vector<std::string>& command,
                    const std::string& file, std::string* error);
  void log(const std::string& kind, const std::string& program, const std::string& args,
           const std::string& directory) const;

  HostFileSystem& fs_;
  HostProcessOptions options_;
  std::string lastError_;
  SessionWatcher* watcher_ = nullptr;
  bool ipxNetwork_ = false;
};

}  // namespace platform
