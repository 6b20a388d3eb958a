// The platform services the composition root hands to every subsystem: this machine's
// (HostServices) in the programs, a pretend machine's in the tests.
#pragma once

#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/native_programs.h"
#include "platform/network.h"
#include "platform/processes.h"
#include "platform/registry.h"

namespace qf95 {

class SystemServices {
 public:
  virtual ~SystemServices() = default;
  virtual platform::FileSystem& fileSystem() = 0;
  virtual platform::Processes& processes() = 0;
  virtual platform::Registry& registry() = 0;
  virtual platform::Clock& clock() = 0;
  virtual platform::Network& network() = 0;
  // The native ports a first start looks for; none: it does not look.
  virtual const platform::NativePrograms* nativePrograms() { return nullptr; }
};

}  // namespace qf95
