// Helpers shared by the storage tests.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage_test_support.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <QFile>

QByteArray readFileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

void writeFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
}

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

std::optional<QString> inChild(const std::function<void()>& setUp,
                               const std::function<std::optional<QString>()>& write) {
    int channel[2];
    if (pipe(channel) != 0) {
        return QStringLiteral("pipe failed");
    }
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        setUp();
        const std::optional<QString> message = write();
        const QByteArray answer = message ? "!" + message->toUtf8() : QByteArray();
        (void)!::write(channel[1], answer.constData(), std::size_t(answer.size()));
        _exit(0);
    }
    close(channel[1]);
    QByteArray answer;
    char buffer[512];
    for (ssize_t got; (got = read(channel[0], buffer, sizeof buffer)) > 0;) {
        answer.append(buffer, got);
    }
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status)) {
        return QStringLiteral("the child did not finish");
    }
    if (answer.isEmpty()) {
        return std::nullopt;
    }
    return QString::fromUtf8(answer.mid(1));
}

} // namespace

std::optional<QString> underFileSizeLimit(long limit,
                                          const std::function<std::optional<QString>()>& write) {
    return inChild(
        [limit] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit small{rlim_t(limit), rlim_t(limit)};
            setrlimit(RLIMIT_FSIZE, &small);
        },
        write);
}

std::optional<QString> withoutRootRights(const std::function<std::optional<QString>()>& work) {
    return inChild(
        [] {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
                _exit(1);
            }
        },
        work);
}
