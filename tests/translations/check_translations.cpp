// Fails while a text of the code lacks its finished translation: lupdate gathers the texts into a
// copy of each .ts file, and every text the copy holds unfinished, empty or with its figures or
// access key lost is named.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// check_translations <lupdate> <file listing the sources> <file.ts>... [-- <lupdate options>...]
#include <algorithm>
#include <cstdio>
#include <optional>
#include <set>
#include <tuple>
#include <vector>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

struct Key {
    QString context;
    QString source;
    QString comment; // the disambiguation: the same source twice in a context

    bool operator<(const Key& other) const {
        return std::tie(context, source, comment) <
               std::tie(other.context, other.source, other.comment);
    }
};

struct Message {
    Key key;
    QString type; // "unfinished", "vanished", "obsolete" or empty for a finished translation
    bool numerus = false;
    QStringList forms; // the translation, or each of its plural forms
};

void say(const QString& line) {
    std::fputs(line.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
}

std::optional<std::vector<Message>> readTs(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        say(QStringLiteral("%1: cannot be read").arg(path));
        return std::nullopt;
    }
    std::vector<Message> messages;
    QXmlStreamReader xml(&file);
    const auto is = [&xml](const char* name) { return xml.name() == QLatin1String(name); };
    if (xml.readNextStartElement() && is("TS")) {
        while (xml.readNextStartElement()) {
            if (!is("context")) {
                xml.skipCurrentElement();
                continue;
            }
            QString context;
            while (xml.readNextStartElement()) {
                if (is("name")) {
                    context = xml.readElementText();
                    continue;
                }
                if (!is("message")) {
                    xml.skipCurrentElement();
                    continue;
                }
                Message message;
                message.key.context = context;
                message.numerus =
                    xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
                while (xml.readNextStartElement()) {
                    if (is("source")) {
                        message.key.source = xml.readElementText();
                    } else if (is("comment")) {
                        message.key.comment = xml.readElementText();
                    } else if (is("translation")) {
                        message.type = xml.attributes().value(QLatin1String("type")).toString();
                        if (message.numerus) {
                            while (xml.readNextStartElement()) {
                                message.forms << xml.readElementText();
                            }
                        } else {
                            message.forms << xml.readElementText();
                        }
                    } else {
                        xml.skipCurrentElement();
                    }
                }
                messages.push_back(message);
            }
        }
    } else if (!xml.hasError()) {
        xml.raiseError(QStringLiteral("not a Qt Linguist file"));
    }
    if (xml.hasError()) {
        say(QStringLiteral("%1: %2").arg(path, xml.errorString()));
        return std::nullopt;
    }
    return messages;
}

// The places a text's figures go: %1..%99, and %n, the count of a plural.
std::set<QString> placeholders(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%(\\d{1,2}|n)"));
    std::set<QString> found;
    for (auto m = marker.globalMatch(text); m.hasNext();) {
        found.insert(m.next().captured());
    }
    return found;
}

bool hasAccessKey(const QString& text) {
    static const QRegularExpression key(QStringLiteral("(^|[^&])&[^&\\s]"));
    return key.match(text).hasMatch();
}

// What is wrong with one message of the gathered copy, empty when nothing is.
QString problemOf(const Message& message, bool inCommittedFile) {
    if (!inCommittedFile) {
        return QStringLiteral("not in the file: run the update_translations target and translate "
                              "it");
    }
    if (message.type == QLatin1String("unfinished")) {
        return QStringLiteral("unfinished");
    }
    if (message.forms.isEmpty() ||
        std::any_of(message.forms.begin(), message.forms.end(),
                    [](const QString& form) { return form.isEmpty(); })) {
        return message.numerus ? QStringLiteral("a plural form is empty")
                               : QStringLiteral("the translation is empty");
    }
    const auto figures = placeholders(message.key.source);
    for (const QString& form : message.forms) {
        // A figure may stand twice in a translation, never go missing or appear from nowhere.
        if (placeholders(form) != figures) {
            return QStringLiteral("its figures are not the source's: \"%1\"").arg(form);
        }
        if (hasAccessKey(form) != hasAccessKey(message.key.source)) {
            return QStringLiteral("its access key (&) is not as the source's: \"%1\"").arg(form);
        }
    }
    return {};
}

// Gathers the texts into a copy of `committed` and names every one that is not translated.
// Returns the number of such texts, or -1 when the check itself could not be made.
int checkFile(const QString& lupdate, const QString& sources, const QStringList& options,
              const QString& committed) {
    const auto before = readTs(committed);
    if (!before) {
        return -1;
    }
    std::set<Key> known;
    for (const Message& message : *before) {
        if (message.type != QLatin1String("vanished") &&
            message.type != QLatin1String("obsolete")) {
            known.insert(message.key);
        }
    }

    QTemporaryDir folder;
    const QString copy = folder.filePath(QFileInfo(committed).fileName());
    if (!folder.isValid() || !QFile::copy(committed, copy)) {
        say(QStringLiteral("%1: no copy can be made to gather the texts into").arg(committed));
        return -1;
    }
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    QProcess gather;
    gather.setProcessChannelMode(QProcess::MergedChannels);
    gather.start(lupdate, QStringList(options)
                              << QLatin1Char('@') + sources << QStringLiteral("-ts") << copy);
    if (!gather.waitForFinished(120000) || gather.exitStatus() != QProcess::NormalExit ||
        gather.exitCode() != 0) {
        say(QStringLiteral("%1 failed: %2").arg(lupdate, QString::fromLocal8Bit(gather.readAll())));
        return -1;
    }
    const auto after = readTs(copy);
    if (!after) {
        return -1;
    }

    int untranslated = 0;
    int texts = 0;
    for (const Message& message : *after) {
        if (message.type == QLatin1String("vanished") ||
            message.type == QLatin1String("obsolete")) {
            continue;
        }
        ++texts;
        const QString problem = problemOf(message, known.count(message.key) != 0);
        if (!problem.isEmpty()) {
            ++untranslated;
            const QString comment = message.key.comment.isEmpty()
                                        ? QString()
                                        : QStringLiteral(" (%1)").arg(message.key.comment);
            say(QStringLiteral("%1: %2 \"%3\"%4: %5")
                    .arg(QFileInfo(committed).fileName(), message.key.context, message.key.source,
                         comment, problem));
        }
    }
    if (texts == 0) {
        say(QStringLiteral("%1: lupdate found no texts in the sources").arg(committed));
        return -1;
    }
    return untranslated;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    const qsizetype split = arguments.indexOf(QStringLiteral("--"));
    const QStringList options = split < 0 ? QStringList() : arguments.mid(split + 1);
    if (split >= 0) {
        arguments = arguments.first(split);
    }
    if (arguments.size() < 3) {
        say(QStringLiteral("usage: check_translations <lupdate> <file listing the sources> "
                           "<file.ts>... [-- <lupdate options>...]"));
        return 2;
    }
    int untranslated = 0;
    bool checked = true;
    for (const QString& ts : arguments.mid(2)) {
        const int found = checkFile(arguments[0], arguments[1], options, ts);
        checked = checked && found >= 0;
        untranslated += std::max(found, 0);
    }
    if (untranslated > 0) {
        say(QStringLiteral("%1 text(s) without a finished translation: translate them in Qt "
                           "Linguist and commit the .ts files.")
                .arg(untranslated));
    }
    return checked && untranslated == 0 ? 0 : 1;
}
