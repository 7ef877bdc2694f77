#pragma once
// The main of a benchmark that drives real screens: offscreen by default, the catalogue
// built, message boxes routed to `onMessage` (never a modal box waiting for a click),
// `open` run before the benchmarks and `close` after them.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <functional>

#include "core-data/catalogue.h"
#include "qt-support/platform.h"

inline int RunScreenBenchmarks(int argc, char** argv,
                               std::function<void(const qiro::ShownMessage&)> onMessage,
                               const std::function<void()>& open = {},
                               const std::function<void()>& close = {}) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  qiro::SetMessageSink(std::move(onMessage));
  qiro::InitCoreData();
  if (open) open();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (close) close();
  return 0;
}

// For screens whose refresh never shows a message: one appearing is a fault.
inline void FailOnMessage(const qiro::ShownMessage& m) {
  qFatal("unexpected message: %s", qPrintable(m.text));
}
