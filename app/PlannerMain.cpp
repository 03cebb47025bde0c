// SPDX-License-Identifier: MIT
// The planner of best runs as a program of its own, which the game runs for `--best-run`: the
// solver it links is loaded only here, never by the game before its first frame.
//   tidepeddler-planner --best-run SEED [--json]

#include "app/BestRunForms.h"
#include "app/Language.h"
#include "app/Options.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

int main(int argc, char* argv[]) {
    const std::unique_ptr<QTranslator> catalogue =
        tp::app::CatalogueFor(tp::app::LanguageFor(QLocale::system().uiLanguages()));
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const tp::app::Options options = tp::app::ParseOptions(arguments, catalogue.get());
    if (options.action != tp::app::Options::Action::ShowBestRun || !options.seed) {
        std::fputs("usage: tidepeddler-planner --best-run SEED [--json]\n", stderr);
        return 2;
    }
    QCoreApplication application(argc, argv);
    if (catalogue) {
        QCoreApplication::installTranslator(catalogue.get());
    }
    const tp::planner::BestRun best = tp::planner::FindBestRun(*options.seed);
    const QByteArray out =
        options.json ? tp::app::BestRunJson(best) : tp::app::BestRunText(best).toLocal8Bit();
    std::fwrite(out.constData(), 1, static_cast<std::size_t>(out.size()), stdout);
    return best.amount > 0 ? 0 : 1;
}
