// The check of the translations, run on a few texts of its own and translations made to fail it.
// SPDX-FileCopyrightText: 2026 The Veloria developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The texts of the code, as the game's windows write them.
const char kSource[] = R"(#include <QCoreApplication>
void texts() {
    QCoreApplication::translate("Sample", "Покупка");
    QCoreApplication::translate("Sample", "Дальше", "tool tip");
    QCoreApplication::translate("Sample", "&Игра");
    QCoreApplication::translate("Sample", "Цена: %1");
    QCoreApplication::translate("Sample", "прочитано %1 записей из %n", nullptr, 2);
}
)";

// One message of a translation file, as the XML holds it: `translation` is its element.
QString message(const QString& source, const QString& translation, const QString& comment = {},
                bool numerus = false) {
    return QStringLiteral("<message%1><source>%2</source>%3%4</message>\n")
        .arg(numerus ? QStringLiteral(" numerus=\"yes\"") : QString(), source,
             comment.isEmpty() ? QString() : QStringLiteral("<comment>%1</comment>").arg(comment),
             translation);
}

QString plain(const QString& source, const QString& text, const QString& comment = {}) {
    return message(source, QStringLiteral("<translation>%1</translation>").arg(text), comment);
}

QString plural(const QString& one, const QString& many) {
    return message(QStringLiteral("прочитано %1 записей из %n"),
                   QStringLiteral("<translation><numerusform>%1</numerusform>"
                                  "<numerusform>%2</numerusform></translation>")
                       .arg(one, many),
                   {}, true);
}

// Every text translated: what each case below spoils one way.
struct Messages {
    QString buy = plain(QStringLiteral("Покупка"), QStringLiteral("Buy"));
    QString next =
        plain(QStringLiteral("Дальше"), QStringLiteral("Next"), QStringLiteral("tool tip"));
    QString game = plain(QStringLiteral("&amp;Игра"), QStringLiteral("&amp;Game"));
    QString price = plain(QStringLiteral("Цена: %1"), QStringLiteral("Price:%1"));
    QString records =
        plural(QStringLiteral("%1 of %n record read"), QStringLiteral("%1 of %n records read"));
    QString more;

    QByteArray file() const {
        return (QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                               "<TS version=\"2.1\" language=\"en\" sourcelanguage=\"ru\">\n"
                               "<context>\n<name>Sample</name>\n") +
                buy + next + game + price + records + more + QStringLiteral("</context>\n</TS>\n"))
            .toUtf8();
    }
};

struct Outcome {
    int exitCode = -1;
    QString said;
};

} // namespace

class TestCheckTranslations : public QObject {
    Q_OBJECT

private slots:
    void init();
    void aCompleteTranslationPasses();
    void eachUntranslatedTextIsNamed_data();
    void eachUntranslatedTextIsNamed();
    void aFileThatCannotBeReadFails();

private:
    Outcome check(const QByteArray& ts);

    QTemporaryDir m_folder;
    QString m_tsPath;
    QString m_listPath;
};

void TestCheckTranslations::init() {
    QVERIFY(m_folder.isValid());
    QFile source(m_folder.filePath(QStringLiteral("texts.cpp")));
    QVERIFY(source.open(QIODevice::WriteOnly));
    source.write(kSource);
    source.close();
    QFile list(m_folder.filePath(QStringLiteral("sources.lst")));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write(source.fileName().toUtf8() + '\n');
    m_listPath = list.fileName();
    m_tsPath = m_folder.filePath(QStringLiteral("sample_en.ts"));
}

Outcome TestCheckTranslations::check(const QByteArray& ts) {
    QFile file(m_tsPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(ts) != ts.size()) {
        qFatal("the translation file cannot be written");
    }
    file.close();
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(VELORIA_CHECK_TRANSLATIONS),
                  {QStringLiteral(VELORIA_LUPDATE), m_listPath, m_tsPath, QStringLiteral("--"),
                   QStringLiteral("-source-language"), QStringLiteral("ru"),
                   QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("-no-obsolete")});
    if (!process.waitForFinished(120000)) {
        qFatal("the check did not finish");
    }
    Outcome outcome{process.exitCode(), QString::fromUtf8(process.readAll())};
    // The check works on a copy: the file in the tree is never rewritten.
    QFile after(m_tsPath);
    if (!after.open(QIODevice::ReadOnly) || after.readAll() != ts) {
        qFatal("the check changed the translation file");
    }
    return outcome;
}

void TestCheckTranslations::aCompleteTranslationPasses() {
    Messages complete;
    const Outcome plainOutcome = check(complete.file());
    QCOMPARE(plainOutcome.said, QString());
    QCOMPARE(plainOutcome.exitCode, 0);
    // Texts the code no longer has are no concern of the check, nor is a figure used twice.
    complete.more =
        message(QStringLiteral("Старый текст"),
                QStringLiteral("<translation type=\"vanished\">Old text</translation>"));
    complete.price = plain(QStringLiteral("Цена: %1"), QStringLiteral("Price:%1 (%1)"));
    const Outcome withOld = check(complete.file());
    QCOMPARE(withOld.said, QString());
    QCOMPARE(withOld.exitCode, 0);
}

void TestCheckTranslations::eachUntranslatedTextIsNamed_data() {
    QTest::addColumn<QByteArray>("ts");
    QTest::addColumn<QString>("named");

    Messages unfinished;
    unfinished.buy = message(QStringLiteral("Покупка"),
                             QStringLiteral("<translation type=\"unfinished\">Buy</translation>"));
    QTest::newRow("unfinished") << unfinished.file()
                                << QStringLiteral("sample_en.ts: Sample \"Покупка\": unfinished");

    // lupdate adds the text the file lacks to the copy, which is how the check finds it.
    Messages missing;
    missing.next.clear();
    QTest::newRow("missing from the file")
        << missing.file()
        << QStringLiteral("sample_en.ts: Sample \"Дальше\" (tool tip): not in the file");

    Messages empty;
    empty.buy = plain(QStringLiteral("Покупка"), QString());
    QTest::newRow("empty") << empty.file()
                           << QStringLiteral("\"Покупка\": the translation is empty");

    Messages oneForm;
    oneForm.records = plural(QStringLiteral("%1 of %n record read"), QString());
    QTest::newRow("a plural form empty")
        << oneForm.file()
        << QStringLiteral("\"прочитано %1 записей из %n\": a plural form is empty");

    Messages lostFigure;
    lostFigure.price = plain(QStringLiteral("Цена: %1"), QStringLiteral("Price"));
    QTest::newRow("a figure lost")
        << lostFigure.file()
        << QStringLiteral("\"Цена: %1\": its figures are not the source's: \"Price\"");

    Messages strayFigure;
    strayFigure.records =
        plural(QStringLiteral("%1 of %n record read"), QStringLiteral("%1 of %2 records read"));
    QTest::newRow("a figure from nowhere")
        << strayFigure.file() << QStringLiteral("its figures are not the source's: \"%1 of %2");

    Messages noKey;
    noKey.game = plain(QStringLiteral("&amp;Игра"), QStringLiteral("Game"));
    QTest::newRow("an access key lost")
        << noKey.file() << QStringLiteral("\"&Игра\": its access key (&) is not as the source's");
}

void TestCheckTranslations::eachUntranslatedTextIsNamed() {
    QFETCH(QByteArray, ts);
    QFETCH(QString, named);
    const Outcome outcome = check(ts);
    QCOMPARE(outcome.exitCode, 1);
    QVERIFY2(outcome.said.contains(named), qPrintable(outcome.said));
    // One text is wrong in each case, and the summary counts it.
    QCOMPARE(outcome.said.count(QStringLiteral("sample_en.ts: Sample")), 1);
    QVERIFY2(outcome.said.contains(QStringLiteral("1 text(s) without a finished translation")),
             qPrintable(outcome.said));
}

void TestCheckTranslations::aFileThatCannotBeReadFails() {
    for (const QByteArray& broken :
         {QByteArray("<TS><context><name>Sample</name><message>"), QByteArray("not a .ts file")}) {
        const Outcome outcome = check(broken);
        QCOMPARE(outcome.exitCode, 1);
        QVERIFY2(outcome.said.contains(m_tsPath), qPrintable(outcome.said));
    }
}

QTEST_GUILESS_MAIN(TestCheckTranslations)
#include "test_check_translations.moc"
