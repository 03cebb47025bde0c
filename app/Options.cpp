// SPDX-License-Identifier: MIT
#include "app/Options.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QTranslator>

#include <algorithm>

namespace tp::app {

std::optional<std::uint32_t> ParseSeed(const QString& text) {
    if (text.isEmpty() || text.size() > 10) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::uint64_t>(c.unicode() - u'0');
    }
    if (value > 0xFFFFFFFFu) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

QString Said(const QTranslator* catalogue, const char* context, const char* text) {
    QString translated;
    if (catalogue != nullptr) {
        translated = catalogue->translate(context, text);
    }
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

Options ParseOptions(const QStringList& arguments, const QTranslator* catalogue) {
    const auto say = [catalogue](const char* text) { return Said(catalogue, "CommandLine", text); };
    QCommandLineParser parser;
    parser.setApplicationDescription(say(QT_TRANSLATE_NOOP(
        "CommandLine", "潮汐货郎 (Tide Peddler): sixty days to get rich in Qingdao.")));
    // Not Qt's own help and version options: their --help-all lists options of QApplication's,
    // which this program does not accept, since it reads the command line before one exists.
    const QCommandLineOption helpOption(
        {QStringLiteral("h"), QStringLiteral("help")},
        say(QT_TRANSLATE_NOOP("CommandLine", "Show this help and exit.")));
    const QCommandLineOption versionOption(
        {QStringLiteral("v"), QStringLiteral("version")},
        say(QT_TRANSLATE_NOOP("CommandLine", "Show the version and exit.")));
    parser.addOption(helpOption);
    parser.addOption(versionOption);
    const QCommandLineOption scoresOption(
        QStringLiteral("scores"),
        say(QT_TRANSLATE_NOOP("CommandLine",
                              "Print the hall of fame, the best finished runs, and exit.")));
    parser.addOption(scoresOption);
    const QCommandLineOption statisticsOption(
        QStringLiteral("stats"),
        say(QT_TRANSLATE_NOOP("CommandLine",
                              "Print the statistics of every journey ended so far, and exit.")));
    parser.addOption(statisticsOption);
    const QCommandLineOption journalOption(
        QStringLiteral("journal"),
        say(QT_TRANSLATE_NOOP("CommandLine",
                              "Print the journal of the saved journey, or of the last run that "
                              "ended, and exit.")));
    parser.addOption(journalOption);
    const QCommandLineOption bestRunOption(
        QStringLiteral("best-run"),
        say(QT_TRANSLATE_NOOP("CommandLine",
                              "Print the best run found for seed <N>: its plan, the amount it "
                              "reaches and the bound no run of the seed passes; then exit.")),
        QStringLiteral("N"));
    parser.addOption(bestRunOption);
    const QCommandLineOption jsonOption(
        QStringLiteral("json"),
        say(QT_TRANSLATE_NOOP("CommandLine", "With --best-run: print it as one JSON object.")));
    parser.addOption(jsonOption);
    const QCommandLineOption seedOption(
        QStringLiteral("seed"),
        say(QT_TRANSLATE_NOOP(
            "CommandLine",
            "Start the random generator from <N> (0 to 4294967295) to replay a game.")),
        QStringLiteral("N"));
    parser.addOption(seedOption);

    Options options;
    // The parser names the program after a QCoreApplication's arguments, or a placeholder
    // without one; the usage line names the command a player types. Its own words ("Options:")
    // are Qt's, which this program brings no catalogue for, so they are said here.
    QString help = parser.helpText();
    help = help.mid(std::max<qsizetype>(help.indexOf(QLatin1Char('\n')), 0));
    help.replace(QStringLiteral("\nOptions:\n"),
                 QLatin1Char('\n') + say(QT_TRANSLATE_NOOP("CommandLine", "Options:")) +
                     QLatin1Char('\n'));
    options.helpText = say(QT_TRANSLATE_NOOP("CommandLine", "Usage: tidepeddler [options]")) + help;
    if (!parser.parse(arguments)) {
        options.action = Options::Action::Fail;
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            options.error =
                say(QT_TRANSLATE_NOOP("CommandLine", "Unknown option '%1'.")).arg(unknown.first());
        } else if (parser.errorText().startsWith(QStringLiteral("Missing value after"))) {
            options.error = say(QT_TRANSLATE_NOOP("CommandLine", "Missing value after '%1'."))
                                .arg(parser.errorText().section(QLatin1Char('\''), 1, 1));
        } else {
            options.error = parser.errorText();
        }
        return options;
    }
    if (parser.isSet(helpOption)) {
        options.action = Options::Action::ShowHelp;
        return options;
    }
    if (parser.isSet(versionOption)) {
        options.action = Options::Action::ShowVersion;
        return options;
    }
    if (parser.isSet(scoresOption)) {
        options.action = Options::Action::ShowScores;
        return options;
    }
    if (parser.isSet(statisticsOption)) {
        options.action = Options::Action::ShowStatistics;
        return options;
    }
    if (parser.isSet(journalOption)) {
        options.action = Options::Action::ShowJournal;
        return options;
    }
    if (parser.isSet(jsonOption) && !parser.isSet(bestRunOption)) {
        options.action = Options::Action::Fail;
        options.error =
            say(QT_TRANSLATE_NOOP("CommandLine", "The option --json goes with --best-run."));
        return options;
    }
    if (parser.isSet(bestRunOption)) {
        options.seed = ParseSeed(parser.values(bestRunOption).last());
        options.json = parser.isSet(jsonOption);
        options.action = options.seed ? Options::Action::ShowBestRun : Options::Action::Fail;
        if (!options.seed) {
            options.error =
                say(QT_TRANSLATE_NOOP(
                        "CommandLine",
                        "Invalid seed '%1': expected a whole number from 0 to 4294967295."))
                    .arg(parser.values(bestRunOption).last());
        }
        return options;
    }
    if (!parser.positionalArguments().isEmpty()) {
        options.action = Options::Action::Fail;
        options.error = say(QT_TRANSLATE_NOOP("CommandLine", "Unexpected argument '%1'."))
                            .arg(parser.positionalArguments().first());
        return options;
    }
    if (parser.isSet(seedOption)) {
        const QStringList values = parser.values(seedOption);
        options.seed = ParseSeed(values.last());
        if (values.size() > 1 || !options.seed) {
            options.action = Options::Action::Fail;
            options.error =
                values.size() > 1
                    ? say(QT_TRANSLATE_NOOP("CommandLine",
                                            "The option --seed may be given only once."))
                    : say(QT_TRANSLATE_NOOP(
                              "CommandLine",
                              "Invalid seed '%1': expected a whole number from 0 to 4294967295."))
                          .arg(values.last());
            options.seed.reset();
        }
    }
    return options;
}

} // namespace tp::app
