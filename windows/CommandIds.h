#pragma once

// Ids of the main window's controls and commands.
constexpr int IDC_LEGEND = 400;
constexpr int IDC_DRIVES = 401;
constexpr int CM_BACK = 402;
constexpr int CM_UPDATE = 403;
constexpr int CM_ABOUT = 404;
constexpr int CM_EXIT = 405;
constexpr int CM_TOP = 406;
constexpr int CM_PATH = 408;
constexpr int CM_SUBDIR_INFO = 411;
constexpr int CM_ROOT_INFO = 412;
// Switches between disk usage and apparent sizes (the key A).
constexpr int CM_SIZE_MODE = 413;
