#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QWidget;

namespace zuk::platform::ui {

// What to run: a program and its argument list, handed to the system as they
// are (no shell ever sees them), in a working folder (empty: the current one).
// Standard input is /dev/null.
struct ProcessRequest {
    QString program;
    QStringList arguments;
    QString workingFolder;
    // The waiting box: its text and the caption of its one button.
    QString waitText;
    QString cancelText;
    // Bytes of standard output and of error output kept; the rest is read and dropped.
    qsizetype outputLimit = 1 << 20;
    qsizetype errorLimit = 64 << 10;
};

struct ProcessResult {
    enum class Status { Finished, NotStarted, Crashed, Cancelled };
    Status status = Status::NotStarted;
    int exitCode = -1;
    QByteArray output;  // standard output, up to the limit
    QByteArray errors;  // error output, up to the limit
    QString startError; // the system's reason when it did not start
    bool succeeded(int worstGoodExit = 0) const
    {
        return status == Status::Finished && exitCode >= 0 && exitCode <= worstGoodExit;
    }
};

// Runs a program and waits for it without freezing the interface: a program
// that is not done within a moment gets a modal box whose button (or Escape)
// kills it together with the programs it started (the box is a QDialog
// named "fmRunning" with the button "btCancel"). Both output streams are
// read as they come, so a program that writes a lot never blocks on a full
// pipe. The program runs in a process group of its own.
ProcessResult runAndWait(const ProcessRequest& request, QWidget* parent);

// Starts a program and lets it run on its own (standard input from
// /dev/null, output to /dev/null); false with the system's reason in `error`
// when it could not start.
bool startDetached(const QString& program, const QStringList& arguments,
                   const QString& workingFolder, QString* error = nullptr);

} // namespace zuk::platform::ui
