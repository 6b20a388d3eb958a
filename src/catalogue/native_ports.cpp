#include "catalogue/native_ports.h"

#include "platform/dos_path.h"

namespace catalogue {

const NativeGameData* nativeGameDataNamed(const std::string& fileName) {
  for (const NativeGameData& data : kNativeGameData)
    if (platform::dos::equalsIgnoreCase(fileName, data.dataFile)) return &data;
  return nullptr;
}

std::string nativePortPackage(const std::string& program) {
  const size_t slash = program.rfind('/');
  const std::string name = slash == std::string::npos ? program : program.substr(slash + 1);
  for (const NativePort& port : kNativePorts)
    if (name == port.program) return port.package;
  return {};
}

}  // namespace catalogue
