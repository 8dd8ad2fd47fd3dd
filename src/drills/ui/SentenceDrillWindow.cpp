#include "drills/ui/SentenceDrillWindow.h"

#include "base/Translation.h"

namespace zq {

SentenceDrillWindow::SentenceDrillWindow(stopwatch& watch, DrillGuidance guidance, QWidget* parent)
    : LinePracticeWindow(parent) {
    setWindowTitle(QString::fromUtf8(Tr("Sentence Drills")));
    AttachDrill(std::make_unique<TFmSentencePrac>(*this, watch, guidance));
}

}  // namespace zq
