#include "platform/host/dosbox_session.h"

#include <algorithm>

#include "platform/dos_path.h"

namespace platform::dosbox {
namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

bool isControl(char c) {
  return static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
}

// The autoexec section is a batch file to DOSBox: "%%" stands for one "%".
std::string escapePercent(const std::string& text) {
  std::string out;
  for (char c : text) {
    out += c;
    if (c == '%') out += '%';
  }
  return out;
}

// DOSBox's configuration reader skips lines starting with "#" or "%"; "@" in front keeps them
// and means nothing more to the shell with echo already off.
std::string protectLine(std::string line) {
  if (!line.empty() && (line[0] == '#' || line[0] == '%')) line.insert(0, "@");
  return line;
}

bool fail(std::string* error, std::string text) {
  if (error) *error = std::move(text);
  return false;
}

bool checkMount(const Mount& mount, std::string* error) {
  std::string name = std::string(1, mount.drive) + ":";
  if (mount.drive < 'A' || mount.drive > 'Y') return fail(error, "Bad drive letter " + name);
  if (mount.hostDirectory.empty()) return fail(error, "Drive " + name + " has no directory");
  for (char c : mount.hostDirectory) {
    if (c == '"' || isControl(c)) {
      return fail(error, "The directory of drive " + name + " (" + mount.hostDirectory +
                             ") cannot be mounted in a DOS session: its name holds a quote or "
                             "a control character");
    }
  }
  return true;
}

bool checkProgram(const std::string& program, std::string* error) {
  if (program.empty()) return fail(error, "No program to run in the DOS session");
  for (char c : program) {
    if (isControl(c) || isBlank(c) || c == '"' || c == '<' || c == '>' || c == '|') {
      return fail(error, "The program name \"" + program + "\" cannot be run in a DOS session");
    }
  }
  return true;
}

// "<", ">" and "|" stay: they are redirections to the DOS shell, as on any DOS command line
// (the map editor gets its keys through "<keys"). A control character would end or break the
// line in the batch file DOSBox makes of the [autoexec] section.
bool checkTail(const std::string& tail, std::string* error) {
  if (tail.size() > kMaxCommandTail) {
    return fail(error, "The command line is too long for DOS: " + std::to_string(tail.size()) +
                           " characters after the program name, at most " +
                           std::to_string(kMaxCommandTail));
  }
  for (char c : tail) {
    if (isControl(c) && c != '\t') {
      return fail(error, "The command line \"" + tail.substr(tail.empty() ? 0 : 1) +
                             "\" holds a control character");
    }
  }
  return true;
}

}  // namespace

std::string commandTail(const std::vector<std::string>& args) {
  std::string tail;
  for (const std::string& arg : args) {
    size_t begin = 0, end = arg.size();
    while (begin < end && isBlank(arg[begin])) ++begin;
    while (end > begin && isBlank(arg[end - 1])) --end;
    if (begin == end) continue;
    tail += ' ';
    tail.append(arg, begin, end - begin);
  }
  return tail;
}

bool needsCall(const std::string& program) {
  size_t leafStart = program.find_last_of("\\/:");
  std::string leaf = program.substr(leafStart == std::string::npos ? 0 : leafStart + 1);
  size_t dot = leaf.rfind('.');
  return dot == std::string::npos || dos::equalsIgnoreCase(leaf.substr(dot + 1), "BAT");
}

std::optional<std::vector<std::string>> autoexecLines(const Session& session, std::string* error) {
  std::vector<std::string> lines{"@echo off"};
  bool workingDriveMounted = false;
  const std::string& dir = session.workingDirectory;
  auto path = (dir.size() >= 2 && dir[1] == ':') ? dos::resolve(dir, "") : std::nullopt;
  if (!path) {
    fail(error, "The working directory \"" + dir + "\" is not a full DOS path");
    return std::nullopt;
  }
  for (const Mount& mount : session.mounts) {
    if (mount.drive == 'Z') continue;
    if (!checkMount(mount, error)) return std::nullopt;
    lines.push_back(std::string("mount ") + mount.drive + " \"" +
                    escapePercent(mount.hostDirectory) + "\"");
    if (mount.drive == path->drive) workingDriveMounted = true;
  }
  if (!workingDriveMounted) {
    fail(error, std::string("Drive ") + path->drive + ": cannot be reached in a DOS session");
    return std::nullopt;
  }
  std::string tail = commandTail(session.args);
  if (!checkProgram(session.program, error) || !checkTail(tail, error)) return std::nullopt;
  if (!session.ipxServer.empty()) {
    const IpxServer& server = session.ipxServer;
    if (!isServerHostName(server.host) || server.port == 0) {
      fail(error, "The IPX server \"" + server.text() + "\" cannot be named in a DOS session");
      return std::nullopt;
    }
    lines.push_back("ipxnet connect " + server.host + " " + std::to_string(server.port));
  }

  std::string cd = "cd \\";
  for (size_t i = 0; i < path->components.size(); ++i) {
    cd += (i ? "\\" : "") + path->components[i];
  }
  lines.push_back(std::string(1, path->drive) + ":");
  lines.push_back(escapePercent(cd));
  std::string run = (needsCall(session.program) ? "call " : "") + session.program + tail;
  lines.push_back(protectLine(escapePercent(run)));
  if (!session.closeOnExit) lines.push_back("pause");
  lines.push_back("exit");
  return lines;
}

std::string withoutAutoexec(const std::string& configuration) {
  std::string kept;
  bool inAutoexec = false;
  size_t start = 0;
  while (start < configuration.size()) {
    size_t end = configuration.find('\n', start);
    if (end == std::string::npos) end = configuration.size();
    std::string line = configuration.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t first = line.find_first_not_of(" \t");
    // Only a section heading ends the autoexec section: its lines are commands, never keys.
    if (first != std::string::npos && line[first] == '[') {
      size_t close = line.find(']', first);
      std::string name = line.substr(first + 1, close == std::string::npos ? 0 : close - first - 1);
      inAutoexec = dos::equalsIgnoreCase(name, "autoexec");
    }
    if (!inAutoexec) kept += line + "\n";
  }
  return kept;
}

std::optional<std::string> composeConfiguration(const Session& session, std::string* error) {
  auto lines = autoexecLines(session, error);
  if (!lines) return std::nullopt;
  std::string cycles = session.cycles;
  if (cycles.empty() || std::any_of(cycles.begin(), cycles.end(), isControl)) cycles = "max";

  std::string text =
      "[sdl]\n"
      "fullscreen=false\n"
      "output=surface\n"
      "[cpu]\n"
      "cycles=" +
      cycles + "\n";
  if (!session.playerConfiguration.empty()) {
    text += withoutAutoexec(session.playerConfiguration);
  }
  if (!session.sound) {
    text +=
        "[mixer]\n"
        "nosound=true\n"
        "[sblaster]\n"
        "sbtype=none\n"
        "[speaker]\n"
        "pcspeaker=false\n"
        "[midi]\n"
        "mpu401=none\n";
  }
  // After the player's configuration: a network game needs IPX whatever they chose.
  if (!session.ipxServer.empty()) text += "[ipx]\nipx=true\n";
  text += "[autoexec]\n";
  for (const std::string& line : *lines) text += line + "\n";
  return text;
}

}  // namespace platform::dosbox
