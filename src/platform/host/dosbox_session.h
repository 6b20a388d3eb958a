// The parts of a DOS session start that need no operating system: the DOSBox configuration that
// runs a program (drives, working directory, program, what happens at the end); platform::readPif
// reads what a PIF asks for. Everything goes into the [autoexec] section of a generated
// configuration file, because DOSBox 0.74 drops every -c command after the eleventh without a
// word and then never exits.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/host/ipx_server_setting.h"
#include "platform/pif_fields.h"

namespace platform::dosbox {

// A drive of the session: its letter and the host directory mounted there.
struct Mount {
  char drive = 'C';
  std::string hostDirectory;
};

struct Session {
  std::vector<Mount> mounts;      // Z: is left out: DOSBox keeps its own Z:
  std::string workingDirectory;   // absolute DOS path, e.g. "D:\GAMES\TEST\"
  std::string program;            // as the DOS shell is to find it
  std::vector<std::string> args;  // joined by single blanks into the command tail
  bool closeOnExit = true;        // false: "pause" before DOSBox exits
  std::string cycles = "max";     // [cpu] cycles, unless the player's configuration says
  bool sound = false;             // false: mixer, Sound Blaster, speaker and MIDI off
  // The IPX tunnel server the session connects to before the program starts, so the game is on
  // the network of the front-ends; empty: no network.
  IpxServer ipxServer;
  // The player's own DOSBox configuration (its text), the base of the session: keyboard,
  // scaler, cycles and fullscreen are theirs. Its [autoexec] section is left out, since its
  // mounts would take the letters of our drives.
  std::string playerConfiguration;
};

// The command tail the program gets: "" without arguments, else a blank before each one.
// Blanks and tabs around an argument and empty arguments are dropped: DOS programs split their
// tail at blanks, so they see the same words, and DOSBox would lose a blank at the end anyway.
std::string commandTail(const std::vector<std::string>& args);

// True for a program the DOS shell runs as a batch file (".BAT", or no extension, which may
// be one): it is started with "call", else the lines after it, "exit" included, never run.
bool needsCall(const std::string& program);

// The lines of the [autoexec] section, or nothing with the reason in `error` (a tail longer
// than DOS holds, a control character, a working directory on a drive the session does not
// have). Redirections in the arguments are left to the DOS shell; they count in the tail.
std::optional<std::vector<std::string>> autoexecLines(const Session& session, std::string* error);

// The player's configuration without its [autoexec] section, each line as it stands.
std::string withoutAutoexec(const std::string& configuration);

// The whole configuration file: our display and CPU defaults, the player's configuration over
// them, sound off when asked, IPX on when there is a server, and the [autoexec] section.
std::optional<std::string> composeConfiguration(const Session& session, std::string* error);

}  // namespace platform::dosbox
