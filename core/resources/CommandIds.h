#pragma once

// Command ids are frozen numbers: saved toolbar layouts, help context numbers and the
// accelerator table refer to them. The program's own start at 32774, the standard ones at 57600.
namespace razo::cmd {

// File
inline constexpr int FileNew = 57600;
inline constexpr int FileOpen = 57601;
inline constexpr int FileClose = 57602;
inline constexpr int FileSave = 57603;
inline constexpr int FileSaveAs = 57604;
inline constexpr int FilePrintSetup = 57606;
inline constexpr int FilePrint = 57607;
inline constexpr int FilePrintPreview = 57609;
inline constexpr int FileMruFirst = 57616; // "Recent File": the recent-file list starts here
inline constexpr int FileMruLast = 57631;
inline constexpr int AppExit = 57665;

// Edit
inline constexpr int EditCopy = 57634;
inline constexpr int EditCut = 57635;
inline constexpr int EditFind = 57636;
inline constexpr int EditPaste = 57637;
inline constexpr int EditFindNext = 57640;
inline constexpr int EditReplace = 57641;
inline constexpr int EditSelectAll = 57642;
inline constexpr int EditUndo = 57643;

// Window
inline constexpr int WindowArrange = 57649;
inline constexpr int WindowCascade = 57650;
inline constexpr int WindowTile = 57651;
inline constexpr int NextPane = 57680;
inline constexpr int PrevPane = 57681;

// Help
inline constexpr int AppAbout = 57664;
inline constexpr int HelpIndex = 57666;
inline constexpr int HelpUsing = 57668;
inline constexpr int ContextHelp = 57669;
inline constexpr int Help = 57670;
inline constexpr int DefaultHelp = 57671;

// View
inline constexpr int ViewStatusBar = 59393;
inline constexpr int IndicatorLnCol = 61453;
inline constexpr int IndicatorCaps = 59137;
inline constexpr int IndicatorNum = 59138;
inline constexpr int IndicatorScrl = 59139;

// The program's own
inline constexpr int RepeatTags = 32914;
inline constexpr int Preferences = 32916;
inline constexpr int BrowserTest = 32870;
inline constexpr int BrowserTest2 = 32968;
inline constexpr int InsertStandardTags = 32909;
inline constexpr int DocumentType = 32917;
inline constexpr int ChooseDisplayFont = 32944;
inline constexpr int ToggleWordWrap = 32946;
inline constexpr int SetTabStops = 32958;

// Headings, blocks and lists (element dialogs)
inline constexpr int Heading1 = 32809; // Heading1 + n - 1 for level n, up to 32814
inline constexpr int Paragraph = 32799;
inline constexpr int LineBreak = 32800;
inline constexpr int HorizontalRule = 32801;
inline constexpr int Preformatted = 32802;
inline constexpr int Division = 32901;
inline constexpr int ListItem = 32784;
inline constexpr int UnorderedList = 32785;
inline constexpr int OrderedList = 32786;
inline constexpr int DirectoryList = 32787;
inline constexpr int MenuList = 32788;
inline constexpr int DefinitionList = 32789;

// Toolbar toggles: each toolbar's control id is its toggle command.
inline constexpr int ToolbarStandard = 33073;
inline constexpr int ToolbarHeading = 33074;
inline constexpr int ToolbarCapital = 33075;
inline constexpr int ToolbarSmall = 33076;
inline constexpr int ToolbarOther = 33084;
inline constexpr int ToolbarFont = 33098;
inline constexpr int ToolbarList = 33106;
inline constexpr int ToolbarStructure = 33119;
inline constexpr int ToolbarLink = 33130;
inline constexpr int ToolbarForm = 33137;
inline constexpr int ToolbarTable = 33168;
inline constexpr int ToolbarJava = 33169;
inline constexpr int ToolbarNetscape = 33170;
inline constexpr int ToolbarMicrosoft = 33171;
inline constexpr int ToolbarPhrase = 33177;

} // namespace razo::cmd
