// What choosing and installing the catalogs adds to start-up, for the
// desktop's language of the run: `LANGUAGE=en build/bench/app/translations_bench`
// (the game's catalog and Qt's) or `LANGUAGE=ru ...` (Qt's only). Run by hand.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTranslator>

#include "app/translations.h"

namespace {

void InstallTranslations(benchmark::State& state) {
  QString language;
  for (auto _ : state) {
    language = trimbol::app::InstallTranslations(*QCoreApplication::instance());
    state.PauseTiming();
    for (QTranslator* catalog : qApp->findChildren<QTranslator*>()) {
      QCoreApplication::removeTranslator(catalog);
      delete catalog;
    }
    state.ResumeTiming();
  }
  state.SetLabel(language.toStdString());
}
BENCHMARK(InstallTranslations)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
