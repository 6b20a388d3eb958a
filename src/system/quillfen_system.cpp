#include "system/quillfen_system.h"

#include "input/space_orb_check.h"
#include "platform/dos_path.h"

namespace qf95 {

namespace {

std::string prefixOf(const SystemOptions& options) {
  return options.prefix.empty() ? platform::HostFileSystem::defaultPrefix() : options.prefix;
}

// Where the program's files are on this machine, as a DOS path.
std::string startupDirectoryOf(const SystemOptions& options, platform::HostFileSystem& fs) {
  std::optional<std::string> startup;
  if (options.startupHostDirectory) startup = fs.dosPath(*options.startupHostDirectory);
  return startup ? *startup : fs.currentDirectory();
}

}  // namespace

HostServices::HostServices(const SystemOptions& options)
    : hostFs_(prefixOf(options)),
      wrapped_(options.wrapFileSystem ? options.wrapFileSystem(hostFs_) : nullptr),
      processes_(hostFs_, options.processes),
      registry_(hostFs_.prefix() + "/user.reg"),
      native_(options.nativePrograms) {
  network_.onServerChange(
      [this](const platform::IpxServer& server) { processes_.setIpxServer(server); });
}

QuillfenSystem::QuillfenSystem(SystemOptions options, platform::Prompter& prompter)
    : QuillfenSystem(std::make_unique<HostServices>(options), options, prompter) {}

QuillfenSystem::QuillfenSystem(std::unique_ptr<HostServices> host, const SystemOptions& options,
                               platform::Prompter& prompter)
    : host_(std::move(host)), services_(*host_), prompter_(prompter) {
  wire(startupDirectoryOf(options, host_->hostFileSystem()), options.afterSearch);
}

QuillfenSystem::QuillfenSystem(SystemServices& services, platform::Prompter& prompter,
                               std::string startupDir, std::function<void()> afterSearch)
    : services_(services), prompter_(prompter) {
  wire(std::move(startupDir), std::move(afterSearch));
}

void QuillfenSystem::wire(std::string startupDir, std::function<void()> afterSearch) {
  launchLink_.setCreatedStamp(static_cast<int32_t>(clock().secondsSinceEpoch()));
  conConverter_ = std::make_unique<launch::DukeConConverter>(fileSystem(), prompter_);
  catalogue_ = std::make_unique<catalogue::Catalogue>(
      fileSystem(), prompter_, platform::dos::withTrailingSeparator(std::move(startupDir)),
      launchLink_);
  catalogue_->setNativePrograms(services_.nativePrograms());
  ipxServerChoice_ = std::make_unique<multiplayer::IpxServerChoice>(network(), fileSystem(),
                                                                    catalogue_->startupDirectory());
  ipxServerChoice_->applyStored();
  catalogue_->setAfterSearch([this, after = std::move(afterSearch)] {
    if (after) after();
    input::SpaceOrbCheck(fileSystem(), prompter_, catalogue_->univ(), /*interactive=*/false);
  });
}

multiplayer::HitPointDatabase QuillfenSystem::hitPoints() {
  return multiplayer::HitPointDatabase(fileSystem(), catalogue_->startupDirectory());
}

std::string QuillfenSystem::recordLaunch(const std::string& file, const std::string& arguments) {
  const int slot = catalogue_->currentSlot();
  if (!catalogue::isSelectableSlot(slot)) return "";
  multiplayer::HitPointDatabase database = hitPoints();
  if (database.recordLaunch(slot, file, arguments, clock().localDate())) return "";
  const std::string why = fileSystem().lastErrorText();
  return database.path(slot) + (why.empty() ? std::string() : ": " + why);
}

std::vector<multiplayer::HitPointFavourite> QuillfenSystem::favourites() {
  const int slot = catalogue_->currentSlot();
  if (!catalogue::isSelectableSlot(slot)) return {};
  return hitPoints().favourites(slot);
}

launch::LaunchServices QuillfenSystem::launchServices(platform::Processes* processes) {
  return launch::LaunchServices{fileSystem(), processes ? *processes : this->processes(),
                                registry(),   prompter_,
                                clock(),      conConverter_.get()};
}

}  // namespace qf95
