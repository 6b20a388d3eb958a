// Writes the prepared shortcut Quillfen.lnk that setup patches with the install path.
//
//   qf95-make-shortcut OUTPUT
#include <fstream>
#include <iostream>

#include "setup/shortcut_template.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: qf95-make-shortcut OUTPUT\n";
    return 2;
  }
  const std::vector<uint8_t> bytes = setup::shortcut::makeTemplate();
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  out.close();
  if (!out) {
    std::cerr << "qf95-make-shortcut: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
