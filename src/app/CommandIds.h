// Command identifiers of the menus, accelerators and toolbar. The numbers follow the
// program's historical command table so that they can be quoted when reporting problems.
#pragma once

namespace cmd {

inline constexpr int FileNew = 57600;
inline constexpr int FileOpen = 57601;
inline constexpr int FileSave = 57603;
inline constexpr int FileSaveAs = 57604;
inline constexpr int FilePrintSetup = 57606;
inline constexpr int FilePrint = 57607;
inline constexpr int FilePrintPreview = 57609;
inline constexpr int FileMruFirst = 57616;
inline constexpr int EditCopy = 57634;
inline constexpr int EditCut = 57635;
inline constexpr int EditFind = 57636;
inline constexpr int EditPaste = 57637;
inline constexpr int EditUndo = 57643;
inline constexpr int EditRedo = 57644;
inline constexpr int NextPane = 57680;
inline constexpr int PrevPane = 57681;
inline constexpr int AppAbout = 57664;
inline constexpr int AppExit = 57665;
inline constexpr int ViewToolbar = 59392;
inline constexpr int ViewStatusBar = 59393;

inline constexpr int ComSetup = 32771;
inline constexpr int ComConnect = 32772;
inline constexpr int ComDisconnect = 32773;
inline constexpr int UpdateParameters = 32774;
inline constexpr int UpdateSoftware = 32775;
inline constexpr int StopUpdate = 32776;
inline constexpr int ViewFont = 32783;
inline constexpr int LoadSettingFromBox = 32784;
inline constexpr int SendSettingToBox = 32785;
inline constexpr int TvChannelList = 32786;
inline constexpr int EditText = 32787;
inline constexpr int RadioChannelList = 32796;
inline constexpr int TransponderList = 32797;
inline constexpr int SatelliteList = 32798;
inline constexpr int ToggleHexMode = 32808;
inline constexpr int Help = 32809;
inline constexpr int OtaSoftwareUpdate = 32810;
inline constexpr int FlashSelect = 32811;

// Commands the program gained later, numbered above the historical ones.
inline constexpr int VerifyBoxSettings = 32840;
inline constexpr int BackupBeforeSend = 32841;
inline constexpr int LineMonitor = 32842;
inline constexpr int CheckDatabase = 32900;
inline constexpr int CompareWithFile = 32901;
inline constexpr int ExportList = 32902;

}  // namespace cmd
