#pragma once

// Every command of the program by name. The numbers are frozen: saved toolbar layouts and help
// context numbers refer to them, so a number never changes and is never reused. The program's
// own start at 32774, the classic desktop ones at 57600. Nothing else in the program writes a
// command number; tables and code use these names.
namespace razo::cmd {

// File
inline constexpr int FileNew = 57600;
inline constexpr int FileOpen = 57601;
inline constexpr int FileClose = 57602;
inline constexpr int FileSave = 57603;
inline constexpr int FileSaveAs = 57604;
inline constexpr int BrowserTest = 32870;
inline constexpr int BrowserTest2 = 32968;
inline constexpr int Preferences = 32916;
inline constexpr int FilePrint = 57607;
inline constexpr int FilePrintPreview = 57609;
inline constexpr int FilePrintSetup = 57606;
inline constexpr int FileMruFirst = 57616; // the recent-file list: one id per entry up to FileMruLast
inline constexpr int FileMruLast = 57631;
inline constexpr int AppExit = 57665;

// Edit
inline constexpr int EditUndo = 57643;
inline constexpr int EditRedo = 57644;
inline constexpr int RepeatTags = 32914;
inline constexpr int EditCut = 57635;
inline constexpr int EditCopy = 57634;
inline constexpr int EditPaste = 57637;
inline constexpr int EditFind = 57636;
inline constexpr int EditFindNext = 57640;
inline constexpr int EditReplace = 57641;
inline constexpr int EditSelectAll = 57642;
inline constexpr int EditTag = 33200;

// View: the toolbar toggles (each toolbar's control id is its toggle command) and the status bar
inline constexpr int ToolbarStandard = 33073;
inline constexpr int ToolbarHeading = 33074;
inline constexpr int ToolbarFont = 33098;
inline constexpr int ToolbarPhrase = 33177;
inline constexpr int ToolbarList = 33106;
inline constexpr int ToolbarStructure = 33119;
inline constexpr int ToolbarLink = 33130;
inline constexpr int ToolbarForm = 33137;
inline constexpr int ToolbarTable = 33168;
inline constexpr int ToolbarJava = 33169;
inline constexpr int ToolbarNetscape = 33170;
inline constexpr int ToolbarMicrosoft = 33171;
inline constexpr int ToolbarCapital = 33075;
inline constexpr int ToolbarSmall = 33076;
inline constexpr int ToolbarOther = 33084;
inline constexpr int ToolbarHtml5 = 33300;
inline constexpr int ViewStatusBar = 59393;

// Status bar panes
inline constexpr int IndicatorCaps = 59137;
inline constexpr int IndicatorNum = 59138;
inline constexpr int IndicatorScrl = 59139;
inline constexpr int IndicatorLnCol = 61453;

// View: the display settings of a document window
inline constexpr int ChooseDisplayFont = 32944;
inline constexpr int ToggleWordWrap = 32946;
inline constexpr int SetTabStops = 32958;
inline constexpr int ToggleSyntaxColouring = 33210;
inline constexpr int ToggleLineNumbers = 33211;

// Edit: moving the caret
inline constexpr int GoToLine = 33212;
inline constexpr int GoToMatchingTag = 33213;

// Window
inline constexpr int WindowCascade = 57650;
inline constexpr int WindowTile = 57651;
inline constexpr int WindowArrange = 57649;
inline constexpr int NextPane = 57680;
inline constexpr int PrevPane = 57681;

// Help
inline constexpr int HelpIndex = 57666;
inline constexpr int HelpUsing = 57668;
inline constexpr int AppAbout = 57664;
inline constexpr int ContextHelp = 57669;
inline constexpr int Help = 57670;
inline constexpr int DefaultHelp = 57671;

// Font styles
inline constexpr int Bold = 32774;
inline constexpr int Italic = 32775;
inline constexpr int Teletype = 32776;
inline constexpr int Underline = 32852;
inline constexpr int Strike = 32853;
inline constexpr int Big = 32854;
inline constexpr int Small = 32855;
inline constexpr int Subscript = 32856;
inline constexpr int Superscript = 32857;
inline constexpr int Font = 32969;

// Phrases
inline constexpr int Citation = 32777;
inline constexpr int Code = 32778;
inline constexpr int Emphasis = 32779;
inline constexpr int Keyboard = 32780;
inline constexpr int Sample = 32781;
inline constexpr int Strong = 32782;
inline constexpr int Variable = 32783;
inline constexpr int DefineTerm = 32844;

// Elements, in the order of the command table
inline constexpr int UnorderedList = 32785;
inline constexpr int OrderedList = 32786;
inline constexpr int DirectoryList = 32787;
inline constexpr int MenuList = 32788;
inline constexpr int ListItem = 32784;
inline constexpr int DefinitionList = 32789;
inline constexpr int Term = 32790;
inline constexpr int Definition = 32872;
inline constexpr int InsertStandardTags = 32909;
inline constexpr int DocumentType = 32917;
inline constexpr int Html = 32791;
inline constexpr int Head = 32792;
inline constexpr int Title = 32793;
inline constexpr int IsIndex = 32829;
inline constexpr int Base = 32897;
inline constexpr int Meta = 32898;
inline constexpr int LinkElement = 32912;
inline constexpr int Style = 32900;
inline constexpr int Body = 32794;
inline constexpr int Paragraph = 32799;
inline constexpr int Preformatted = 32802;
inline constexpr int Blockquote = 32804;
inline constexpr int Address = 32805;
inline constexpr int LineBreak = 32800;
inline constexpr int HorizontalRule = 32801;
inline constexpr int Centre = 32834;
inline constexpr int Division = 32901;
inline constexpr int Heading1 = 32809;
inline constexpr int Heading2 = 32810;
inline constexpr int Heading3 = 32811;
inline constexpr int Heading4 = 32812;
inline constexpr int Heading5 = 32813;
inline constexpr int Heading6 = 32814;
inline constexpr int Comment = 32915;
inline constexpr int Anchor = 32911;
inline constexpr int Link = 32910;
inline constexpr int Image = 32806;
inline constexpr int ImageMap = 32941;
inline constexpr int ImageMapArea = 32949;
inline constexpr int Form = 32874;
inline constexpr int FormInput = 32875;
inline constexpr int FormSelect = 32876;
inline constexpr int FormOption = 32877;
inline constexpr int FormTextArea = 32878;
inline constexpr int Table = 32879;
inline constexpr int TableRow = 32881;
inline constexpr int TableHeader = 32882;
inline constexpr int TableData = 32883;
inline constexpr int Applet = 32960;
inline constexpr int AppletParam = 32961;
inline constexpr int HomePageButton = 33178;
inline constexpr int BaseNetscape = 32935;
inline constexpr int BodyNetscape = 32841;
inline constexpr int NoBreak = 32832;
inline constexpr int WordBreak = 32833;
inline constexpr int TableHeaderNetscape = 32895;
inline constexpr int TableDataNetscape = 32896;
inline constexpr int FormNetscape = 32937;
inline constexpr int LinkNetscape = 32936;
inline constexpr int BaseFont = 32818;
inline constexpr int FontNetscape = 32817;
inline constexpr int Blink = 32836;
inline constexpr int ImageNetscape = 32835;
inline constexpr int ImageMapAreaNetscape = 32942;
inline constexpr int Frameset = 32932;
inline constexpr int Frame = 32933;
inline constexpr int NoFrames = 32934;
inline constexpr int BodyMicrosoft = 32919;
inline constexpr int TableMicrosoft = 32921;
inline constexpr int TableRowMicrosoft = 32922;
inline constexpr int TableHeaderMicrosoft = 32923;
inline constexpr int TableDataMicrosoft = 32924;
inline constexpr int FontMicrosoft = 32951;
inline constexpr int ImageMicrosoft = 32927;
inline constexpr int BackgroundSound = 32925;
inline constexpr int Marquee = 32926;

// Character entities of the three symbol toolbars
inline constexpr int CapitalAElig = 32999;
inline constexpr int CapitalAacute = 32993;
inline constexpr int CapitalAcirc = 32995;
inline constexpr int CapitalAgrave = 32994;
inline constexpr int CapitalAring = 32997;
inline constexpr int CapitalAtilde = 32996;
inline constexpr int CapitalAuml = 32998;
inline constexpr int CapitalCcedil = 33000;
inline constexpr int CapitalEth = 33001;
inline constexpr int CapitalEacute = 33002;
inline constexpr int CapitalEcirc = 33003;
inline constexpr int CapitalEgrave = 33004;
inline constexpr int CapitalEuml = 33005;
inline constexpr int CapitalIacute = 33033;
inline constexpr int CapitalIcirc = 33007;
inline constexpr int CapitalIgrave = 33008;
inline constexpr int CapitalIuml = 33009;
inline constexpr int CapitalNtilde = 33010;
inline constexpr int CapitalOacute = 33011;
inline constexpr int CapitalOcirc = 33012;
inline constexpr int CapitalOgrave = 33013;
inline constexpr int CapitalOslash = 33014;
inline constexpr int CapitalOtilde = 33015;
inline constexpr int CapitalOuml = 33016;
inline constexpr int CapitalThorn = 33017;
inline constexpr int CapitalUacute = 33018;
inline constexpr int CapitalUcirc = 33019;
inline constexpr int CapitalUgrave = 33020;
inline constexpr int CapitalUuml = 33021;
inline constexpr int CapitalYacute = 33022;
inline constexpr int SmallAElig = 33040;
inline constexpr int SmallAacute = 33037;
inline constexpr int SmallAcirc = 33038;
inline constexpr int SmallAgrave = 33039;
inline constexpr int SmallAring = 33041;
inline constexpr int SmallAtilde = 33042;
inline constexpr int SmallAuml = 33043;
inline constexpr int SmallCcedil = 33044;
inline constexpr int SmallEth = 33069;
inline constexpr int SmallEacute = 33045;
inline constexpr int SmallEcirc = 33046;
inline constexpr int SmallEgrave = 33047;
inline constexpr int SmallEuml = 33048;
inline constexpr int SmallIacute = 33049;
inline constexpr int SmallIcirc = 33050;
inline constexpr int SmallIgrave = 33051;
inline constexpr int SmallIuml = 33052;
inline constexpr int SmallNtilde = 33053;
inline constexpr int SmallOacute = 33054;
inline constexpr int SmallOcirc = 33055;
inline constexpr int SmallOgrave = 33056;
inline constexpr int SmallOslash = 33057;
inline constexpr int SmallOtilde = 33058;
inline constexpr int SmallOuml = 33059;
inline constexpr int SmallSzlig = 33060;
inline constexpr int SmallThorn = 33061;
inline constexpr int SmallUacute = 33062;
inline constexpr int SmallUcirc = 33063;
inline constexpr int SmallUgrave = 33064;
inline constexpr int SmallUuml = 33065;
inline constexpr int SmallYacute = 33066;
inline constexpr int SmallYuml = 33070;
inline constexpr int SymbolCopy = 33078;
inline constexpr int SymbolReg = 33079;
inline constexpr int SymbolAmp = 33080;
inline constexpr int SymbolQuot = 33081;
inline constexpr int SymbolLt = 33082;
inline constexpr int SymbolGt = 33083;

// Tools: checking the page and going through the problems found
inline constexpr int CheckPage = 33230;
inline constexpr int NextProblem = 33231;
inline constexpr int PreviousProblem = 33232;
inline constexpr int ProblemList = 33233;

// HTML5 elements. The toolbar toggle (ToolbarHtml5 above), the sections and the text take 33300 to
// 33349; media, forms and the head have numbers of their own from 33350 on.
// Sections
inline constexpr int Header = 33301;
inline constexpr int Nav = 33302;
inline constexpr int Main = 33303;
inline constexpr int Article = 33304;
inline constexpr int Section = 33305;
inline constexpr int Aside = 33306;
inline constexpr int Footer = 33307;
inline constexpr int ContactAddress = 33308;
inline constexpr int Figure = 33309;
inline constexpr int Details = 33310;
inline constexpr int HeadingGroup = 33311;
// Text
inline constexpr int Mark = 33320;
inline constexpr int Time = 33321;
inline constexpr int Abbreviation = 33322;
inline constexpr int Data = 33323;
inline constexpr int StruckOut = 33324;
inline constexpr int Quotation = 33325;
inline constexpr int BidiIsolate = 33326;
inline constexpr int WordBreakOpportunity = 33327;
// Media, forms and the head
// Media
inline constexpr int Audio = 33350;
inline constexpr int Video = 33351;
inline constexpr int Picture = 33352;
inline constexpr int InlineFrame = 33353;
inline constexpr int Embed = 33354;
inline constexpr int Object = 33355;
// Forms
inline constexpr int InputHtml5 = 33400;
inline constexpr int Progress = 33401;
inline constexpr int Meter = 33402;
inline constexpr int FormLabel = 33403;
inline constexpr int FieldSet = 33404;
inline constexpr int FormButton = 33405;
inline constexpr int DataList = 33406;
inline constexpr int FormOutput = 33407;
// Head
inline constexpr int MetaCharset = 33430;
inline constexpr int MetaName = 33431;
inline constexpr int LinkHtml5 = 33432;
inline constexpr int ScriptHtml5 = 33433;
inline constexpr int StyleHtml5 = 33434;
inline constexpr int BaseHtml5 = 33435;
inline constexpr int NoScript = 33436;
inline constexpr int ContentTemplate = 33437;

} // namespace razo::cmd
