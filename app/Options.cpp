// SPDX-License-Identifier: MIT
#include "app/Options.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

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

Options ParseOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("潮汐货郎 (Tide Peddler): sixty days to get rich in Qingdao."));
    // Not Qt's own help and version options: their --help-all lists options of QApplication's,
    // which this program does not accept, since it reads the command line before one exists.
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Show this help and exit."));
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
                                           QStringLiteral("Show the version and exit."));
    parser.addOption(helpOption);
    parser.addOption(versionOption);
    const QCommandLineOption scoresOption(
        QStringLiteral("scores"),
        QStringLiteral("Print the hall of fame, the best finished runs, and exit."));
    parser.addOption(scoresOption);
    const QCommandLineOption seedOption(
        QStringLiteral("seed"),
        QStringLiteral("Start the random generator from <N> (0 to 4294967295) to replay a game."),
        QStringLiteral("N"));
    parser.addOption(seedOption);

    Options options;
    // The parser names the program after a QCoreApplication's arguments, or a placeholder
    // without one; the usage line names the command a player types.
    const QString help = parser.helpText();
    options.helpText = QStringLiteral("Usage: tidepeddler [options]") +
                       help.mid(std::max<qsizetype>(help.indexOf(QLatin1Char('\n')), 0));
    if (!parser.parse(arguments)) {
        options.action = Options::Action::Fail;
        options.error = parser.errorText();
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
    if (!parser.positionalArguments().isEmpty()) {
        options.action = Options::Action::Fail;
        options.error =
            QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
        return options;
    }
    if (parser.isSet(seedOption)) {
        const QStringList values = parser.values(seedOption);
        options.seed = ParseSeed(values.last());
        if (values.size() > 1 || !options.seed) {
            options.action = Options::Action::Fail;
            options.error =
                values.size() > 1
                    ? QStringLiteral("The option --seed may be given only once.")
                    : QStringLiteral(
                          "Invalid seed '%1': expected a whole number from 0 to 4294967295.")
                          .arg(values.last());
            options.seed.reset();
        }
    }
    return options;
}

} // namespace tp::app
