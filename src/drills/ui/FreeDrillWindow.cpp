#include "drills/ui/FreeDrillWindow.h"

#include <QTextEdit>

#include "base/Translation.h"

namespace zq {

FreeDrillWindow::FreeDrillWindow(stopwatch& watch, DrillGuidance guidance, QWidget* parent)
    : LinePracticeWindow(parent) {
    setWindowTitle(QString::fromUtf8(Tr("Free Drills")));
    SampleEdit->setReadOnly(true);
    AttachDrill(std::make_unique<TFmLetterPrac>(*this, watch, guidance));
}

}  // namespace zq
