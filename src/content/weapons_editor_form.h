// The weapons editor form: shown, but it edits nothing yet. Its groups of labelled number
// fields open empty, and OK and Cancel both only close it.
#pragma once

#include <array>
#include <vector>

namespace content {

struct WeaponsEditorGroup {
  const char* caption;
  std::vector<const char*> fields;
};

struct WeaponsEditorForm {
  static constexpr const char* kTitle =
      "The Weapons Editor is not yet functional.  Please see HELP for more information.";
  static constexpr const char* kCameraBox = "CameraDestructable";
  static inline const std::array<WeaponsEditorGroup, 3> kGroups = {{
      {"Weapons Strength",
       {"SHOTGUN", "CHAINGUN", "RPG", "HANDBOMB", "GROWSPARK", "DEVISTATOR", "FREEZE", "TRIPBOMB"}},
      {"Weapons Max Ammo",
       {"SHOTGUN", "CHAINGUN", "RPG", "HANDBOMB", "SHRINKER", "DEVISTATOR", "FREEZE", "TRIPBOMB"}},
      {"Blast Radius",
       {"RPG", "HANDBOMB", "SHRINKERBLAST", "DEVISTATOR", "Bounce_RADIUS", "TRIPBOMBBLAST",
        "TRIPBOMB"}},
  }};
};

}  // namespace content
