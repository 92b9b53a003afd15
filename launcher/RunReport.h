#pragma once

#include <QObject>

class Launch;
class SettingsWriter;
class Vexa;
struct StartFailure;

// What the main window shows of its Runs, and which emulator they start: the
// command in the path box once started, a start that failed in its box with
// "Find vexa…", a ROM gone since its click, the busy pointer while a start
// waits on a share; the emulator program stored, picked, or vexa on the PATH.
class RunReport : public QObject
{
    Q_OBJECT

public:
    // Installs the window's default pickEmulator and showStartFailure, and
    // takes the stored emulator program.
    RunReport(Vexa &window, Launch &launch, SettingsWriter &settings);

    // As Vexa::UseEmulator says.
    void UseEmulator(const QString &path);

private:
    void LoadStoredEmulator();
    void FindEmulator();
    void ShowStartFailure(const StartFailure &failure);

    Vexa &window_;
    Launch &launch_;
    SettingsWriter &settings_;
};
