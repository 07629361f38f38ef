#pragma once

class CMainFrame;
class RecorderSettings;

// The main window comes back where the user left it: its size and place (moved onto a
// screen when the one it was on is gone) and whether the toolbar and status bar show.
void RestoreWindowPlacement(CMainFrame& frame, const RecorderSettings& settings);
void SaveWindowPlacement(const CMainFrame& frame, RecorderSettings& settings);
