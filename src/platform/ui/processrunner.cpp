#include "platform/ui/processrunner.h"

#include <QDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/types.h>
#include <unistd.h>

namespace zuk::platform::ui {

namespace {

// How long a program may run before the waiting box shows: quick programs
// then cost no flicker.
constexpr int kQuietMs = 250;

void keep(QByteArray& kept, const QByteArray& chunk, qsizetype limit)
{
    if (kept.size() < limit)
        kept.append(chunk.left(limit - kept.size()));
}

// The program and everything it started.
void killGroup(QProcess& process)
{
    const qint64 pid = process.processId();
    if (pid > 0)
        ::kill(-static_cast<pid_t>(pid), SIGKILL);
    process.kill();
}

} // namespace

ProcessResult runAndWait(const ProcessRequest& request, QWidget* parent)
{
    ProcessResult result;
    QProcess process;
    process.setProgram(request.program);
    process.setArguments(request.arguments);
    if (!request.workingFolder.isEmpty())
        process.setWorkingDirectory(request.workingFolder);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
    QObject::connect(&process, &QProcess::readyReadStandardOutput, [&] {
        keep(result.output, process.readAllStandardOutput(), request.outputLimit);
    });
    QObject::connect(&process, &QProcess::readyReadStandardError, [&] {
        keep(result.errors, process.readAllStandardError(), request.errorLimit);
    });

    process.start();
    if (!process.waitForStarted(-1)) {
        result.status = ProcessResult::Status::NotStarted;
        result.startError = process.errorString();
        return result;
    }
    bool cancelled = false;
    if (!process.waitForFinished(kQuietMs) && process.state() != QProcess::NotRunning) {
        QDialog box(parent);
        box.setObjectName(QStringLiteral("fmRunning"));
        box.setWindowTitle(QStringLiteral("Zuk"));
        box.setModal(true);
        auto* text = new QLabel(request.waitText, &box);
        text->setWordWrap(true);
        auto* cancel = new QPushButton(request.cancelText, &box);
        cancel->setObjectName(QStringLiteral("btCancel"));
        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(cancel);
        buttons->addStretch();
        auto* layout = new QVBoxLayout(&box);
        layout->addWidget(text);
        layout->addLayout(buttons);
        box.setMinimumWidth(320);
        QObject::connect(cancel, &QPushButton::clicked, &box, &QDialog::reject);
        QObject::connect(&process, &QProcess::finished, &box, &QDialog::accept);
        if (process.state() != QProcess::NotRunning && box.exec() == QDialog::Rejected &&
            process.state() != QProcess::NotRunning) {
            cancelled = true;
            killGroup(process);
        }
        process.waitForFinished(-1);
    }
    keep(result.output, process.readAllStandardOutput(), request.outputLimit);
    keep(result.errors, process.readAllStandardError(), request.errorLimit);
    if (cancelled)
        result.status = ProcessResult::Status::Cancelled;
    else if (process.exitStatus() == QProcess::CrashExit)
        result.status = ProcessResult::Status::Crashed;
    else
        result.status = ProcessResult::Status::Finished;
    result.exitCode = process.exitCode();
    return result;
}

bool startDetached(const QString& program, const QStringList& arguments,
                   const QString& workingFolder, QString* error)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (process.startDetached())
        return true;
    if (error) {
        const bool found = program.contains(QLatin1Char('/'))
                               ? QFileInfo(program).isExecutable()
                               : !QStandardPaths::findExecutable(program).isEmpty();
        *error = found ? process.errorString() : QString::fromLocal8Bit(std::strerror(ENOENT));
    }
    return false;
}

} // namespace zuk::platform::ui
