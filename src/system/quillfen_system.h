// The composition root: one object owns the platform services of this machine, the catalogue
// and the launch's session, wired the one way every program of ours needs them. The window
// program, the headless driver and the console driver differ only in what they hand in: their
// message boxes, a file system wrapper, their process options and the start-up directory. The
// tests start the same root on a pretend machine's services.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/launch_link.h"
#include "launch/duke_con_converter.h"
#include "launch/launch_pipeline.h"
#include "launch/launch_state.h"
#include "multiplayer/hit_point_database.h"
#include "multiplayer/ipx_server_choice.h"
#include "platform/host/host_clock.h"
#include "platform/host/host_file_system.h"
#include "platform/host/host_joystick.h"
#include "platform/host/host_native_programs.h"
#include "platform/host/host_network.h"
#include "platform/host/host_processes.h"
#include "platform/host/wine_registry.h"
#include "platform/prompter.h"
#include "system/system_services.h"

namespace qf95 {

struct SystemOptions {
  // The drive map; HostFileSystem::defaultPrefix() when empty.
  std::string prefix;
  // Where the program's files are, as a host path; the current directory when not given.
  std::optional<std::string> startupHostDirectory;
  platform::HostProcessOptions processes = platform::HostProcessOptions::fromEnvironment();
  // Wraps the host file system for everything above the platform layer (the window shows the
  // drive search's progress through one); none: the host file system itself.
  std::function<std::unique_ptr<platform::FileSystem>(platform::HostFileSystem&)> wrapFileSystem;
  // Where the first start looks for native ports and their game data.
  platform::HostNativePrograms nativePrograms = platform::HostNativePrograms::fromEnvironment();
  // Runs after each drive search, before the silent SpaceOrb check.
  std::function<void()> afterSearch;
};

// This machine's services: the drive map's file system (or its wrapper), DOSBox and Wine
// processes, the prefix's registry, the system clock.
class HostServices : public SystemServices {
 public:
  explicit HostServices(const SystemOptions& options);

  platform::HostFileSystem& hostFileSystem() { return hostFs_; }
  platform::HostProcesses& hostProcesses() { return processes_; }
  platform::HostJoystick& hostJoystick() { return joystick_; }
  platform::FileSystem& fileSystem() override { return wrapped_ ? *wrapped_ : hostFs_; }
  platform::Processes& processes() override { return processes_; }
  platform::Registry& registry() override { return registry_; }
  platform::Clock& clock() override { return clock_; }
  platform::Network& network() override { return network_; }
  const platform::NativePrograms* nativePrograms() override { return &native_; }

 private:
  platform::HostFileSystem hostFs_;
  std::unique_ptr<platform::FileSystem> wrapped_;
  platform::HostProcesses processes_;
  platform::WineRegistry registry_;
  platform::HostClock clock_;
  platform::HostNetwork network_;
  platform::HostJoystick joystick_;
  platform::HostNativePrograms native_;
};

class QuillfenSystem {
 public:
  // A program on this machine.
  QuillfenSystem(SystemOptions options, platform::Prompter& prompter);
  // A program on the machine of `services`, which outlive it, started in `startupDir` (a DOS
  // path).
  QuillfenSystem(SystemServices& services, platform::Prompter& prompter, std::string startupDir,
                 std::function<void()> afterSearch = {});
  QuillfenSystem(const QuillfenSystem&) = delete;
  QuillfenSystem& operator=(const QuillfenSystem&) = delete;

  // Only for a program on this machine.
  platform::HostFileSystem& hostFileSystem() { return host_->hostFileSystem(); }
  platform::HostProcesses& hostProcesses() { return host_->hostProcesses(); }
  // The first joystick's device (QF95_JOYSTICK_DEVICE, else /dev/input/js0).
  platform::HostJoystick& hostJoystick() { return host_->hostJoystick(); }

  // The file system the subsystems use (on this machine: the wrapper when one was asked for).
  platform::FileSystem& fileSystem() { return services_.fileSystem(); }
  platform::Processes& processes() { return services_.processes(); }
  platform::Registry& registry() { return services_.registry(); }
  platform::Clock& clock() { return services_.clock(); }
  platform::Network& network() { return services_.network(); }
  platform::Prompter& prompter() { return prompter_; }
  catalogue::BasicLaunchLink& launchLink() { return launchLink_; }
  launch::LaunchSession& session() { return session_; }
  catalogue::Catalogue& catalogue() { return *catalogue_; }
  // The IPX network's server as the player chose it (applied to the network at the start).
  multiplayer::IpxServerChoice& ipxServerChoice() { return *ipxServerChoice_; }
  // The services a launch needs; `processes` replaces ours (the headless driver records
  // every start through a wrapper of its own).
  launch::LaunchServices launchServices(platform::Processes* processes = nullptr);

  // Counts one launch of `file` (the body of a pipeline's launch recorder) in the current
  // slot's hit-point file, dated today by the clock. "" when it was saved, else the file and why
  // not, as Catalogue::takeSaveError() gives them. Nothing is counted without a selected game.
  std::string recordLaunch(const std::string& file, const std::string& arguments);
  // The favourites list of the current slot, most launched first.
  std::vector<multiplayer::HitPointFavourite> favourites();

 private:
  QuillfenSystem(std::unique_ptr<HostServices> host, const SystemOptions& options,
                 platform::Prompter& prompter);
  void wire(std::string startupDir, std::function<void()> afterSearch);
  multiplayer::HitPointDatabase hitPoints();

  std::unique_ptr<HostServices> host_;
  SystemServices& services_;
  platform::Prompter& prompter_;
  catalogue::BasicLaunchLink launchLink_;
  launch::LaunchSession session_;
  std::unique_ptr<launch::DukeConConverter> conConverter_;
  std::unique_ptr<catalogue::Catalogue> catalogue_;
  std::unique_ptr<multiplayer::IpxServerChoice> ipxServerChoice_;
};

}  // namespace qf95
