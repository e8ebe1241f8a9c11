#include "StderrCapture.h"

#include <QtGlobal>

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

// Present only in a sanitizer build: sends its reports to a descriptor of our choice.
extern "C" __attribute__((weak)) void __sanitizer_set_report_fd(void* fd);

namespace monkey {

namespace {
int realStderr = -1;
int pipeRead = -1;
QStringList* messages = nullptr;
QtMessageHandler previousHandler = nullptr;

void writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n <= 0)
            return;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
}

// On a crash, whatever the program wrote last is still in the pipe: pass it
// on before dying. Only async-signal-safe calls.
void drainOnCrash(int sig) {
    char buffer[4096];
    ssize_t n;
    while (pipeRead >= 0 && (n = ::read(pipeRead, buffer, sizeof buffer)) > 0)
        writeAll(realStderr, buffer, static_cast<std::size_t>(n));
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

const char* typeName(QtMsgType type) {
    switch (type) {
    case QtDebugMsg:
        return "debug";
    case QtInfoMsg:
        return "info";
    case QtWarningMsg:
        return "warning";
    case QtCriticalMsg:
        return "critical";
    case QtFatalMsg:
        return "fatal";
    }
    return "message";
}

void handleMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
    const QString line = QStringLiteral("%1: %2").arg(QLatin1String(typeName(type)), text);
    if (messages)
        messages->append(line);
    if (type == QtFatalMsg) {
        StderrCapture::toRealStderr(line.toUtf8() + '\n');
        std::abort();
    }
}
} // namespace

StderrCapture::StderrCapture() {
    realStderr = ::dup(STDERR_FILENO);
    int fds[2];
    if (realStderr >= 0 && ::pipe2(fds, O_CLOEXEC) == 0) {
        // Room for a burst of warnings within one event; the pipe is drained after each.
        ::fcntl(fds[0], F_SETPIPE_SZ, 1 << 20);
        ::fcntl(fds[0], F_SETFL, O_NONBLOCK);
        ::dup2(fds[1], STDERR_FILENO);
        ::close(fds[1]);
        pipeRead = fds[0];
    }
    if (__sanitizer_set_report_fd)
        __sanitizer_set_report_fd(reinterpret_cast<void*>(static_cast<std::intptr_t>(realStderr)));
    for (int sig : {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL})
        std::signal(sig, drainOnCrash);
    messages = new QStringList;
    previousHandler = qInstallMessageHandler(handleMessage);
}

StderrCapture::~StderrCapture() {
    qInstallMessageHandler(previousHandler);
    delete messages;
    messages = nullptr;
    toRealStderr(takeWritten());
    if (realStderr >= 0)
        ::dup2(realStderr, STDERR_FILENO);
    if (pipeRead >= 0)
        ::close(pipeRead);
    pipeRead = -1;
}

QByteArray StderrCapture::takeWritten() {
    std::fflush(stderr);
    QByteArray out;
    char buffer[4096];
    ssize_t n;
    while (pipeRead >= 0 && (n = ::read(pipeRead, buffer, sizeof buffer)) > 0)
        out.append(buffer, n);
    return out;
}

QStringList StderrCapture::takeMessages() {
    QStringList taken;
    if (messages)
        taken.swap(*messages);
    return taken;
}

void StderrCapture::toRealStderr(const QByteArray& text) {
    writeAll(realStderr >= 0 ? realStderr : STDERR_FILENO, text.constData(),
             static_cast<std::size_t>(text.size()));
}

} // namespace monkey
