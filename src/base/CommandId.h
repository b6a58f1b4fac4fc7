#pragma once

namespace zofar {

/// Every command of the program. The numbers are the program's historic command ids; the
/// toolbar layout and the list view's header commands refer to them.
enum class CommandId : int {
    None = 0,
    // Database
    Open = 32774,
    Close = 32772,
    Create = 32771,
    Delete = 32773,
    DownloadSchedule = 32840,
    Print = 32831,
    Clipboard = 32829,
    Export = 32775,
    Exit = 57665,
    // Filter
    SetFilter = 32801,
    DisableFilter = 32802,
    SelectPredefinedFilter = 32833,
    ManagePredefinedFilters = 32834,
    // Sort
    SortFrequency = 32779,
    SortStation = 32780,
    SortStn = 32810,
    SortStatus = 32814,
    SortLocation = 32781,
    SortRegion = 32811,
    SortCountry = 32782,
    SortItu = 32783,
    SortLc = 32815,
    SortStart = 32784,
    SortEnd = 32785,
    SortLanguage = 32786,
    SortTargetArea = 32787,
    SortProgramStructure = 32816,
    SortDistance = 32902,
    SortDescending = 32838,
    // Go to
    GoToFrequency = 32791,
    GoToStation = 32793,
    GoToStn = 32813,
    GoToStatus = 32817,
    GoToLocation = 32818,
    GoToRegion = 32819,
    GoToCountry = 32795,
    GoToItu = 32796,
    GoToLc = 32820,
    GoToStart = 32797,
    GoToEnd = 32821,
    GoToLanguage = 32822,
    GoToTargetArea = 32824,
    GoToProgramStructure = 32823,
    // Receiver
    Tune = 32805,
    FindCreateStation = 32806,
    ReceiverProgram = 32837,
    ListenerLocation = 32903,
    RigConnection = 32900,
    RigConnect = 32901,
    // View
    ViewToolbar = 59392,
    ViewStatusBar = 59393,
    // Help
    HelpTopics = 57667,
    About = 57664,
    // Not on a menu: sent by the print dialog's setup button.
    PrintSetup = 57606,
};

}  // namespace zofar
