#include "ui/startup.h"

#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "core/clockmath.h"
#include "ui/application.h"
#include "ui/centring.h"
#include "ui/fonts.h"
#include "ui/frmUvod.h"
#include "ui/frmZaklad.h"

namespace tymba {

StartUp::StartUp(AppContext& context, FontCheck fontInstalled)
    : context_(context),
      fontInstalled_(std::move(fontInstalled)),
      // Set TYMBA_TRACE_STARTUP to have the moments of the start written to
      // the error output; the start-up speed script reads them.
      traced_(std::getenv("TYMBA_TRACE_STARTUP") != nullptr) {
  tmrUvod = new QTimer(this);
  tmrUvod->setObjectName(QStringLiteral("tmrUvod"));
  tmrUvod->setInterval(50);
  connect(tmrUvod, &QTimer::timeout, this, &StartUp::tmrUvod_Timer);
}

StartUp::~StartUp() = default;

bool StartUp::begin() {
  splash_ = std::make_unique<frmUvod>();
  centreOnScreen(*splash_);
  if (!fontInstalled_(QString::fromLatin1(kTypingFontFamily))) {
    splash_.reset();
    context_.messages.show(
        QStringLiteral("Typ písma 'Courier New CE' nebyl nalezen, proto nemohu pokračovat."),
        QStringLiteral("Přerušení"), MessageIcon::Critical);
    return false;
  }
  t0_ = context_.clock.secondsSinceMidnight();
  connect(splash_.get(), &frmUvod::firstPainted, this, [this] { trace("splash painted"); });
  splash_->show();
  QCoreApplication::processEvents();

  main_ = std::make_unique<frmZaklad>(context_);
  trace("main window loaded");
  QCoreApplication::processEvents();
  tmrUvod->start();
  return true;
}

void StartUp::tmrUvod_Timer() {
  if (secondsSince(context_.clock.secondsSinceMidnight(), t0_) < kSplashSeconds) return;
  tmrUvod->stop();
  // The main window shows before the splash closes: with no window left
  // open in between, the application would take that for its end.
  main_->show();
  splash_->close();
  splash_.reset();
  trace("main window shown");
}

void StartUp::trace(const char* moment) const {
  if (!traced_) return;
  const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
  const long long micros =
      std::chrono::duration_cast<std::chrono::microseconds>(sinceEpoch).count();
  std::fprintf(stderr, "tymba-startup %s %lld\n", moment, micros);
}

}  // namespace tymba
