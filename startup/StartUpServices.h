// What start-up and shut-down ask of the data model and the sound devices. Each is one small
// call, so that the parts behind it can change without touching start-up.
#pragma once

#include <windows.h>

#include <cstdint>

// The process's instance handle, stored before any window exists.
void StoreAppInstance(HINSTANCE hInstance);
HINSTANCE GetAppInstance();

// Data version 778 for writing, no stripping of carriage returns.
void InitDataFormat();
// The tables that are filled at start-up rather than by static initialisers.
void BuildStartUpTables();
// Remembers the project folder (the current directory).
void RememberCurDir();
// Creates data from default when needed; false when no data folder results.
bool PrepareDefaultData();
// The music player with its one free track, and the wave device with its one file.
void InitMusicPlayer();
// False only when the sound slot table cannot be allocated.
bool OpenWaveDevice();
// The editor configuration; false when it cannot be loaded (its defaults then stand).
bool LoadEditConfig();
int32_t ConfigToolBarHeight();
int32_t ConfigStatusBarHeight();
// The whole project; false when it cannot be loaded.
bool LoadProjectData();
// After a failed project load: the last-stage path is emptied and the configuration saved.
void ForgetLastStage();
// Opens the stage the configuration names, if any.
void OpenLastStageIfAny();
// Shut-down: the stage being edited becomes the last stage and the configuration is saved.
void SaveConfigOnExit();
// Shut-down: every MCI device is closed and the music player released.
void CloseSoundDevices();
