#pragma once

// Every command of the recorder by the number its menu item, toolbar button and
// accelerator send. Handlers anywhere in the recorder attach to these ids.
enum class CommandId : int {
    None = 0, // a separator row of the command table

    Next = 32803,
    Previous = 32782,
    Latest = 32811,
    AtClosing = 32833,
    Add = 32772,
    Edit = 32804,
    PasswordActivate = 32837,
    PasswordChange = 32838,
    AtRandom = 32785,
    InOrder = 32784,
    Save = 32834,
    SaveAsText = 32814,
    PrintNow = 57608,
    PrintPreview = 57609,
    PrintSetup = 57606,
    Exit = 57665,

    EnableClick = 32806,
    Saver = 32809,

    SearchCategory = 32808,
    SearchDate = 32788,
    SearchNumber = 32789,
    SearchText = 32787,
    ShowAll = 32786,

    TipNumberAndDate = 32778,
    NumberOfTips = 32775,
    Report = 32807,

    AlignCenter = 32794,
    AlignLeft = 32793,
    Font = 32796,
    FontColor = 32797,
    Background = 32802,
    ShowTipNumber = 32779,

    DeleteCurrent = 32773,
    DeleteNumber = 32790,
    DeleteAll = 32774,
    ClearScreen = 32783,

    ViewToolbar = 59392,
    ViewStatusBar = 59393,

    HelpTopics = 57667,
    About = 57664,
};
