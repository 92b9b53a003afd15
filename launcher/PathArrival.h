#pragma once

#include "launcher/RomArgument.h"
#include "platform/Background.h"
#include "platform/SingleInstance.h"

#include <QObject>
#include <QString>

#include <functional>

class QMimeData;
class Vexa;

// The ways a ROM or folder reaches the window from outside: named on the
// command line, dropped on it, handed over by another launcher. A ROM's
// folder is shown and the ROM selected as a click on it would, once its
// folder is listed (an archive's first ROM entry); a folder is shown as it is;
// anything else leaves the window as it was. The path is looked at
// (RomArgument) in the background on a lane of its own, a newer path
// superseding the one still being looked at, so paths on a share that never
// answers hold up nothing and pile up no threads.
class PathArrival : public QObject
{
    Q_OBJECT

public:
    // Takes the paths dropped on window from now on.
    explicit PathArrival(Vexa &window);

    // Opens path. Unless asked (the user asked for it just now: a drop, a
    // hand-over), a look that comes back after the user has taken the window
    // elsewhere opens nothing. done then gets an empty text when the ROM or
    // folder was opened, otherwise why not; it is not called for a path
    // superseded by a newer one. The reason is in English, as the error
    // output has it; the Wording overload keeps it to be shown translated.
    void Open(const QString &path, bool asked, const std::function<void(const QString &why)> &done);
    void Open(const QString &path, bool asked, const std::function<void(const Wording &why)> &done);
    // Opens path and says on standard error and in the "Vexa" box why not, when it cannot.
    void Open(const QString &path, bool asked);
    // Carries out what another launcher handed over, and brings the window to the front.
    void HandedOver(HandOverKind kind, const QByteArray &path);
    // Brings the window to the front; a box open on it stays in front and keeps the keyboard.
    void ComeForward();

    // Paths looked at, at most, at once: looks stuck on a dead share count until it answers.
    static constexpr int kLookLimit = 2;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The one local file or folder a drag carries, when the window takes it; empty otherwise.
    QString DroppablePath(const QMimeData *data) const;
    void Opened(const RomArgument &look);

    Vexa &window_;
    BackgroundLane lane_{kLookLimit};
    LatestRequest<RomArgument> look_;
    // The path being looked at, and what to do with it.
    QString path_;
    bool asked_ = false;
    std::function<void(const Wording &why)> done_;
};
