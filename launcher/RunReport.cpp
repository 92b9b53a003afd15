#include "RunReport.h"

#include "Launch.h"
#include "StartFailureBox.h"
#include "Vexa.h"

#include "platform/FileNames.h"
#include "platform/RunCheck.h"
#include "platform/SettingNames.h"
#include "platform/Settings.h"
#include "platform/SettingsWriter.h"

#include <QFileDialog>
#include <QLineEdit>

#include <climits>
#include <cstdio>

RunReport::RunReport(Vexa &window, Launch &launch, SettingsWriter &settings)
    : QObject(&window), window_(window), launch_(launch), settings_(settings)
{
    window_.showStartFailure = [this](const StartFailure &failure) { ShowStartFailure(failure); };
    window_.pickEmulator = [this] {
        return QFileDialog::getOpenFileName(&window_, tr("Find vexa"), QString(), QString(), nullptr,
                                            QFileDialog::DontUseNativeDialog);
    };
    connect(&launch, &Launch::Started, this, [this](quint64, const QString &command) { window_.Text1->setText(command); });
    connect(&launch, &Launch::Failed, this,
            [this](quint64, const StartFailure &failure) { window_.showStartFailure(failure); });
    connect(&launch, &Launch::RomGone, this, [this](quint64, const QString &message) { window_.showProblem(message); });
    // A start that takes longer than a moment (a share that does not answer)
    // shows the busy pointer: the window goes on answering meanwhile.
    connect(&launch, &Launch::Waiting, this, [this](bool waiting) {
        if (waiting)
            window_.setCursor(Qt::BusyCursor);
        else
            window_.unsetCursor();
    });
    LoadStoredEmulator();
}

void RunReport::ShowStartFailure(const StartFailure &failure)
{
    auto *box = new StartFailureBox(failure, &window_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &StartFailureBox::FindProgram, this, &RunReport::FindEmulator, Qt::QueuedConnection);
    box->open();
}

void RunReport::LoadStoredEmulator()
{
    const QString stored = ReadSetting(SettingNames::Application, SettingNames::Section, SettingNames::EmulatorPath);
    if (EncodeFileName(stored).size() >= PATH_MAX) {
        std::fprintf(stderr, "vexa-launcher: the stored EmulatorPath is longer than a path can be: vexa on the PATH is started instead\n");
        return;
    }
    launch_.Program = stored;
}

void RunReport::FindEmulator()
{
    const QString picked = window_.pickEmulator();
    if (!picked.isEmpty())
        UseEmulator(picked);
}

void RunReport::UseEmulator(const QString &path)
{
    if (!path.isEmpty() && (EncodeFileName(path).size() >= PATH_MAX || CheckProgramFile(path) != 0)) {
        window_.showProblem(tr("%1 is not a program that may be run: the emulator is left as it was.")
                                .arg(DisplayFileName(path)));
        return;
    }
    launch_.Program = path;
    settings_.Write(SettingNames::EmulatorPath, path);
}
