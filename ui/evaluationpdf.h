#pragma once
// The detailed evaluation as an A4 PDF to print or hand in: the test's name,
// date and values, the typed text with every error in red and underlined,
// wrapped and continued over as many pages as it needs, the speed chart (and
// for lessons the error chart) drawn as vector graphics by the same builder
// as the window's charts, and the table of wrongly typed characters. The
// fonts are embedded, so Czech letters print as they are. The window and the
// command-line grading both write it.

#include <QByteArray>
#include <QString>

#include "core/sharedstate.h"

namespace tymba {

// The PDF of the scored run in `state` (the values as the evaluation shows
// them). Needs a QApplication: the charts are graphics items.
QByteArray evaluationPdf(const SharedState& state);

// Writes it to `fileName` whole or not at all; on failure returns a Czech
// message, else an empty string.
QString writeEvaluationPdf(const SharedState& state, const QString& fileName);

}  // namespace tymba
