// Shared pieces of the dialog views: text conversion, the control ids of the dialogs, and the
// base of every view.
#pragma once

#include <wx/dialog.h>
#include <wx/string.h>

#include <functional>
#include <string>

#include "gui/common/wx_text.h"

namespace gui::dialogs {

// Control ids of the game location dialog.
inline constexpr int kIdLocationName = 2100;    // + row
inline constexpr int kIdLocationDir = 2110;     // + row
inline constexpr int kIdLocationBrowse = 2120;  // + row
inline constexpr int kIdAdvanceSetup = 2130;
inline constexpr int kIdLocationPrev = 2131;
inline constexpr int kIdLocationNext = 2132;
// Control ids of the game select dialog.
inline constexpr int kIdSelectButton = 2200;  // + button number - 1
inline constexpr int kIdSelectPrev = 2220;
inline constexpr int kIdSelectNext = 2221;
inline constexpr int kIdSelectResetAll = 2222;
inline constexpr int kIdSelectHelp = 2223;
// Control ids of the define-game dialog.
inline constexpr int kIdGameName = 2300;
inline constexpr int kIdExecutionFile = 2301;
inline constexpr int kIdSearchExecutionFile = 2302;
inline constexpr int kIdSkillCommand = 2303;
inline constexpr int kIdSkillMin = 2304;
inline constexpr int kIdSkillMax = 2305;
inline constexpr int kIdEpisodeCommand = 2306;
inline constexpr int kIdEpisodeMin = 2307;
inline constexpr int kIdEpisodeMax = 2308;
inline constexpr int kIdLevelCommand = 2309;
inline constexpr int kIdLevelMin = 2310;
inline constexpr int kIdLevelMax = 2311;
inline constexpr int kIdGameType = 2312;
inline constexpr int kIdPreventOverride = 2313;
inline constexpr int kIdRunWith = 2314;
inline constexpr int kIdNativeProgram = 2315;
inline constexpr int kIdNativeProgramBrowse = 2316;
inline constexpr int kIdNativeArguments = 2317;
inline constexpr int kIdOptionPage = 2320;  // + page
inline constexpr int kIdCopyParameters = 2330;
inline constexpr int kIdPasteParameters = 2331;
// The cells of an option page, numbered in reading order.
inline constexpr int kIdPageCell = 2400;
// The boxes of the launch options dialog, in the order of the options.
inline constexpr int kIdLaunchOption = 2600;
// Control ids of the Drives dialog.
inline constexpr int kIdDrivesList = 2700;
inline constexpr int kIdDrivesAdd = 2701;
inline constexpr int kIdDrivesChange = 2702;
inline constexpr int kIdDrivesRemove = 2703;
// Control ids of the multiplayer dialogs.
inline constexpr int kIdMultiplayerMode = 2800;
inline constexpr int kIdShirtColor = 2801;
inline constexpr int kIdPantsColor = 2802;
inline constexpr int kIdFewerPacket = 2803;
inline constexpr int kIdTimeLimit = 2804;
inline constexpr int kIdFragLimit = 2805;
inline constexpr int kIdLimitCommandLine = 2806;
inline constexpr int kIdAutoLaunchBox = 2810;  // + box
inline constexpr int kIdClan = 2820;
inline constexpr int kIdMapSocket = 2821;
inline constexpr int kIdIpxServer = 2822;
inline constexpr int kIdNumberName = 2830;
inline constexpr int kIdNumberNumber = 2831;
// Control ids of the CON editor and the weapon forms.
inline constexpr int kIdConDirectory = 3000;
inline constexpr int kIdConTabs = 3001;
inline constexpr int kIdConLevels = 3002;
inline constexpr int kIdConFiles = 3003;
inline constexpr int kIdConMaps = 3004;
inline constexpr int kIdConMidi = 3005;
inline constexpr int kIdConWeapons = 3006;
inline constexpr int kIdWeaponList = 3010;
inline constexpr int kIdWeaponUp = 3011;
inline constexpr int kIdWeaponDown = 3012;
inline constexpr int kIdRtsSounds = 3020;
inline constexpr int kIdRtsDirectory = 3021;
inline constexpr int kIdRtsFiles = 3022;
// Control ids of the network start's dialogs.
inline constexpr int kIdLanStatus = 2900;
inline constexpr int kIdLanLog = 2901;
inline constexpr int kIdLanSearch = 2902;
inline constexpr int kIdLanCounter = 2903;
inline constexpr int kIdLanProgress = 2904;
inline constexpr int kIdLanMessage = 2905;
inline constexpr int kIdLanSend = 2906;
inline constexpr int kIdLanOptions = 2907;
inline constexpr int kIdLanHeading = 2908;
inline constexpr int kIdLanInformation = 2909;
inline constexpr int kIdLanPacket = 2910;
inline constexpr int kIdLanLocation = 2911;
// Control ids of the joystick settings: the sliders in the order of the dialog's rules.
inline constexpr int kIdJoystickSlider = 3200;  // + JoystickSettingsDialog::Slider
inline constexpr int kIdJoystickApply = 3210;
inline constexpr int kIdJoystickTurnOff = 3211;

// A modal view that tests can also show without a modal loop.
class View : public wxDialog {
 public:
  using wxDialog::wxDialog;

 protected:
  void finish(int code) {
    if (IsModal())
      EndModal(code);
    else
      Hide();
  }
  // OK and Cancel each take their step first, then end the view with their code.
  void bindOkCancel(std::function<void()> onOk, std::function<void()> onCancel) {
    Bind(
        wxEVT_BUTTON,
        [this, onOk](wxCommandEvent&) {
          onOk();
          finish(wxID_OK);
        },
        wxID_OK);
    Bind(
        wxEVT_BUTTON,
        [this, onCancel](wxCommandEvent&) {
          onCancel();
          finish(wxID_CANCEL);
        },
        wxID_CANCEL);
  }
  // The usual pair: the controls' values go into `options` either way, then OK stores them and
  // Cancel closes without storing.
  template <class Options>
  void bindOkCancel(std::function<void()> pull, Options& options) {
    bindOkCancel(
        [pull, &options] {
          pull();
          options.ok();
        },
        [pull, &options] {
          pull();
          options.close();
        });
  }
};

}  // namespace gui::dialogs
