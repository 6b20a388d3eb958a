#include "system/quillfen_system.h"

#include "input/space_orb_check.h"
#include "platform/dos_path.h"

namespace qf95 {

namespace {

std::string prefixOf(const SystemOptions& options) {
  return options.prefix.empty() ? platform::HostFileSystem::defaultPrefix() : options.prefix;
}

}  // namespace

QuillfenSystem::QuillfenSystem(SystemOptions options, platform::Prompter& prompter)
    : hostFs_(prefixOf(options)),
      wrapped_(options.wrapFileSystem ? options.wrapFileSystem(hostFs_) : nullptr),
      prompter_(prompter),
      processes_(hostFs_, options.processes),
      registry_(hostFs_.prefix() + "/user.reg") {
  std::optional<std::string> startup;
  if (options.startupHostDirectory) startup = hostFs_.dosPath(*options.startupHostDirectory);
  const std::string startupDir =
      platform::dos::withTrailingSeparator(startup ? *startup : hostFs_.currentDirectory());
  launchLink_.setCreatedStamp(static_cast<int32_t>(clock_.secondsSinceEpoch()));
  catalogue_ =
      std::make_unique<catalogue::Catalogue>(fileSystem(), prompter_, startupDir, launchLink_);
  catalogue_->setAfterSearch([this, after = std::move(options.afterSearch)] {
    if (after) after();
    input::SpaceOrbCheck(fileSystem(), prompter_, catalogue_->univ(), /*interactive=*/false);
  });
}

launch::LaunchServices QuillfenSystem::launchServices(platform::Processes* processes) {
  return launch::LaunchServices{fileSystem(), processes ? *processes : processes_, registry_,
                                prompter_, clock_};
}

}  // namespace qf95
