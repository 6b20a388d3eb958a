#!/usr/bin/env python3
"""Makes the fuzz targets' seeds from real files: the files of a first start on the demo
machine and its folders' names, the shipped game list, a Wine user.reg and a game's
configuration files. The PIF seeds are images launch::buildPif made, kept as they are.

    tools/make_fuzz_seeds.py BUILD_DIR [OUT_DIR]

BUILD_DIR holds qf95-catalogue and Quillfen.Sig (a normal or a fuzz build). The seeds go to
OUT_DIR/<target>/ (default fuzz/corpus). The input formats are described at the top of each
fuzz/fuzz_<target>.cpp; the packing of record files is the one of fuzz/input_parts.h.
"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def pack(data: bytes) -> bytes:
    """Zero runs become one op byte per up to 128 zeros, everything else literal runs."""
    out = bytearray()
    i = 0
    while i < len(data):
        if data[i] == 0:
            j = i
            while j < len(data) and data[j] == 0 and j - i < 128:
                j += 1
            # A single zero inside a text costs less as a literal.
            if j - i >= 3 or j == len(data):
                out.append(0x7F + (j - i))
                i = j
                continue
        j = i
        while j < len(data) and j - i < 128:
            if data[j] == 0 and data[j:j + 3] == b"\0\0\0":
                break
            j += 1
        out.append(j - i - 1)
        out += data[i:j]
        i = j
    return bytes(out)


def unpack(packed: bytes) -> bytes:
    out = bytearray()
    i = 0
    while i < len(packed):
        op = packed[i]
        i += 1
        if op >= 0x80:
            out += bytes(op - 0x7F)
        else:
            out += packed[i:i + op + 1]
            i += op + 1
    return bytes(out)


# Entries that find the games of the gamelist_reader target's small machine (C:\games\A,
# C:\PROGRA~1\B, the player's folder D:\My Games\C), one way each.
FOUND_LIST = """; Games of the fuzz machine.
[Game A]
ExecuteFile = "A.EXE"
SearchDir = "A"
GameVerFileVerify = "A\\A.WAD"
GameVerFileVerifyNot = "A\\CDROM.INI"
GameType = "8"
WindowsOnly = "no"
CloseOnGameLaunch = "yes"
LoadLevelInstructions = "<cml>-warp <var>"
CFGFile1 = "A.CFG"
CFGFile6 = "NET\\A.INI"

[Game B]
ExecuteFile = "b.exe"
SearchDir = "Nowhere"
AltDir = "B"
GameType = "19"
MultiplayerExecuteSameAsSingle = "no"
GameVerFileOverrideName = "B.EXE"
RegKey = "Software\\Maker\\B"

[Player's C]
ExecuteFile="C.EXE"
SearchDir="CGAME"
WindowsOnly="yes"
LoadSkillInstructions="<cml>-skill <var>"
LoadPlayerNameInstructions="Name = <var>@Default File1"

[Climbing out]
ExecuteFile = "A.EXE"
SearchDir = "..\\games\\A"
GameType = "7"
"""

DUKE_CFG = """[Setup]
SetupVersion = "1.3D"

[Screen Setup]
ScreenMode = 1
ScreenWidth = 640
ScreenHeight = 480
Shadows = 1
Password = ""
Detail = 1
Tilt = 1
Messages = 1
Out = 0
ScreenSize = 8
ScreenGamma = 0

[Sound Setup]
FXDevice = 0
MusicDevice = 0
FXVolume = 220
MusicVolume = 200
NumVoices = 8
NumChannels = 2
NumBits = 16
MixRate = 22050
MidiPort = 0x330
BlasterAddress = 0x220
BlasterType = 6
BlasterInterrupt = 5
BlasterDma8 = 1
BlasterDma16 = 5
BlasterEmu = 0x620
ReverseStereo = 0

[KeyDefinitions]
Move_Forward = "Up" "Kpad8"
Move_Backward = "Down" "Kpad2"
Turn_Left = "Left" "Kpad4"
Turn_Right = "Right" "KPad6"
Strafe = "LAlt" "RAlt"
Fire = "LCtrl" "RCtrl"
Open = "Space" ""
Run = "LShift" "RShift"
Jump = "A" "/"
Crouch = "Z" ""
Map = "Tab" ""

[Controls]
MouseSensitivity = 32768
ExternalFilename = "EXTERNAL.EXE"
UseJoystick = 0
UseMouse = 1
MouseButton0 = "Fire"
MouseButton1 = "Strafe"
JoystickButton0 = "Fire"
MouseAnalogScale0 = 65536
MouseAnalogScale1 = 65536

[Comm Setup]
ComPort = 2
IrqNumber = -1
UartAddress = -1
PortSpeed = 9600
ToneDial = 1
SocketNumber = 65535
NumberPlayers = 2
ModemName = ""
InitString = "ATZ"
HangupString = "ATH0=0"
DialoutString = ""
PlayerName = "DUKE"
RTSName = "DUKE.RTS"
PhoneNumber = ""
ConnectType = 0
CommbatMacro#0 = "An inspiration for birth control."
CommbatMacro#1 = "You're gonna die for that!"
PhoneName#0 = ""
PhoneNumber#0 = ""

[Misc]
Executions = 4
RunMode = 1
Crosshairs = 1

[Multiplayer]
WeaponChoice0 = 3
"""

COMMIT_DAT = """[Commit]
COMMTYPE = 3
NUMPLAYERS = 2
PAUSE = 0
VECTOR = ~
SOCKETNUMBER = 34889
LAUNCHNAME = "DUKE3D.EXE"
LAUNCHPARM = "-map E1L1.MAP"
CONNECTTYPE = 0
"""

# Option lines as the game definitions give them (Text, then Value).
OPTION_LINES = [
    ("ScreenMode = 1|ScreenWidth = 640|ScreenHeight = 480@Default File1", ""),
    ("PlayerName = \"<var>\"@Default File1", "Nobody"),
    ("NUMPLAYERS = <var>@Default File2", "4"),
    ("SOCKETNUMBER = <var>@Default File2", "34889"),
    ("<cml>-map <fileonly>|@Default File1", "C:\\ADDONS\\HELL.MAP"),
    ("<cml>/v<var>", "2"),
    ("<cml>/l<var>", "11"),
    ("LAUNCHNAME = \"<var>\"@Default File2", "DUKE3D.EXE"),
]

USER_REG = r"""WINE REGISTRY Version 2
;; All keys relative to \\User\\S-1-5-21-1402553412-2611637541-2433218306-1000

#arch=win32

[AppEvents\\Schemes\\Apps\\.Default\\.Default\\.Current] 1700000000
#time=1da1b2c3d4e5f60
@="C:\\windows\\media\\ding.wav"

[Control Panel\\Desktop] 1700000000
#time=1da1b2c3d4e5f60
"ActiveWndTrackTimeout"=dword:00000000
"CaretWidth"=dword:00000001
"DragFullWindows"="0"
"FontSmoothing"="2"
"FontSmoothingGamma"=dword:00000000
"FontSmoothingOrientation"=dword:00000001
"FontSmoothingType"=dword:00000002
"UserPreferencesMask"=hex:10,00,02,80,10,00,00,00
"Wallpaper"=""

[Environment] 1700000000
#time=1da1b2c3d4e5f60
"TEMP"=str(2):"%USERPROFILE%\\Temp"
"TMP"=str(2):"%USERPROFILE%\\Temp"

[Software\\Maker\\Game] 1700000001
#time=1da1b2c3d4e5f61
"Blob"=hex:01,02,03,\
  04,05
"Detail"=dword:00000003
"Player"="Nob\"ody\\\x00e9"
@="default"

[Software\\Wine] 1700000002
#time=1da1b2c3d4e5f62
"Version"="win98"

[Software\\Wine\\DllOverrides] 1700000002
#time=1da1b2c3d4e5f62
"*d3d9"="native,builtin"

[Software\\Wine\\Fonts] 1700000002
"Codepages"=str(2):"1252,437"
"LogPixels"=dword:00000060
"""


NEXT_FILE = b"\0QF95-NEXT-FILE\0"


def record_input(univ: bytes, data: bytes, game: bytes) -> bytes:
    """The settings and game data files as they are, the game file packed."""
    g = pack(game)
    assert unpack(g) == game
    for part in (univ, data):
        assert NEXT_FILE not in part
    return univ + NEXT_FILE + data + NEXT_FILE + g


def first_start_files(build: str, work: str) -> dict:
    demo = os.path.join(work, "demo")
    subprocess.run([os.path.join(ROOT, "tools/make_demo_machine.sh"), build, demo], check=True,
                   stdout=subprocess.DEVNULL)
    qf95 = os.path.join(demo, "drive_c", "QF95")
    env = dict(os.environ, ASAN_OPTIONS="detect_leaks=0")
    subprocess.run([os.path.join(build, "qf95-catalogue"), "--prefix",
                    os.path.join(demo, "prefix")], cwd=qf95, check=True, env=env,
                   stdout=subprocess.DEVNULL)
    names = ["QuillfenUnivInfo.dat", "QuillfenGameInfo.dat", "Quillfen_Game_data.dat0",
             "Quillfen.Sig"]
    files = {n: open(os.path.join(qf95, n), "rb").read() for n in names}
    # The demo machine's folders as short_names takes them: a pattern, then the names.
    for folder in ("drive_d/GAMES/DUKE3D", "drive_e", "drive_e/Program Files"):
        entries = sorted(os.listdir(os.path.join(demo, folder)))
        files["listing " + folder] = "\n".join(["*.map"] + entries).encode()
    return files


def write(out: str, target: str, name: str, content: bytes) -> None:
    os.makedirs(os.path.join(out, target), exist_ok=True)
    with open(os.path.join(out, target, name), "wb") as f:
        f.write(content)


def main() -> None:
    build = os.path.abspath(sys.argv[1])
    out = os.path.abspath(sys.argv[2]) if len(sys.argv) > 2 else os.path.join(ROOT, "fuzz/corpus")
    with tempfile.TemporaryDirectory() as work:
        f = first_start_files(build, work)
    univ, game, data, sig = (f["QuillfenUnivInfo.dat"], f["QuillfenGameInfo.dat"],
                             f["Quillfen_Game_data.dat0"], f["Quillfen.Sig"])
    target = "record_files"
    write(out, target, "first_start.bin", record_input(univ, data, game))
    write(out, target, "factory_only.bin", record_input(b"", b"", sig))
    write(out, target, "settings_cut.bin", record_input(univ[:3000], data, game))
    write(out, target, "game_file_cut.bin", record_input(univ, data[:4000], game[:12255 * 3 + 77]))

    target = "short_names"
    for key in sorted(k for k in f if k.startswith("listing ")):
        write(out, target, key.split(" ", 1)[1].replace("/", "_").replace(" ", "_") + ".txt",
              f[key])

    target = "gamelist_reader"
    shipped = open(os.path.join(ROOT, "data/gamelst1.cfg"), "rb").read()
    write(out, target, "gamelst1.cfg", shipped)
    write(out, target, "found.cfg", FOUND_LIST.encode())
    write(out, target, "found_crlf.cfg", FOUND_LIST.replace("\n", "\r\n").encode())
    write(out, target, "shipped_and_found.cfg", shipped + b"\n" + FOUND_LIST.encode())

    target = "config_pass"
    lines = "\n".join(t + "\n" + v for t, v in OPTION_LINES).encode()
    for name, switches, cfg in (("duke3d_cfg.bin", 0x04, DUKE_CFG.replace("\n", "\r\n")),
                                ("commit_dat.bin", 0x2B, COMMIT_DAT),
                                ("duke3d_cfg_add.bin", 0x89, DUKE_CFG)):
        data = cfg.encode()
        write(out, target, name, bytes([switches]) + struct.pack("<H", len(data)) + data + lines)

    target = "wine_registry"
    reg = USER_REG.encode()
    body = reg.split(b"\n", 1)[1]
    write(out, target, "user.reg", b"\x00" + reg)
    write(out, target, "user_number.reg", b"\x08" + reg)
    write(out, target, "user_software.reg", b"\x02" + reg)
    write(out, target, "user_no_header.reg", b"\x01" + body)


if __name__ == "__main__":
    main()
