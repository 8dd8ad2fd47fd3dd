#include "drills/ui/AdaptiveDrillWindow.h"

#include <QBoxLayout>
#include <QLabel>
#include <QTextEdit>

#include "base/Translation.h"
#include "base/ui/ScaledFont.h"
#include "base/ui/Utf8Text.h"
#include "drills/ui/KeyCapRow.h"

namespace zq {

AdaptiveDrillWindow::AdaptiveDrillWindow(stopwatch& watch, DrillGuidance guidance, QWidget* parent)
    : LinePracticeWindow(parent) {
    setWindowTitle(QString::fromUtf8(Tr("Adaptive Drill")));
    SampleEdit->setReadOnly(true);

    auto* keysRow = new QWidget(ContentPanel);
    auto* row = new QHBoxLayout(keysRow);
    row->setContentsMargins(0, 0, 0, 6);
    KeyCaps = new KeyCapRow(keysRow);
    LbChange = new QLabel(keysRow);
    LbChange->setObjectName(QStringLiteral("LbChange"));
    QFont changeFont = ScaledFont(LbChange->font(), 1.2);
    changeFont.setBold(true);
    LbChange->setFont(changeFont);
    LbChange->setAlignment(Qt::AlignRight | Qt::AlignTop);
    row->addWidget(KeyCaps, 1);
    row->addWidget(LbChange, 0, Qt::AlignTop);
    // Above the sample: the keys are seen before the line is typed.
    static_cast<QBoxLayout*>(ContentPanel->layout())->insertWidget(0, keysRow);

    AttachDrill(std::make_unique<AdaptivePractice>(*this, *this, watch, guidance));
}

void AdaptiveDrillWindow::ShowKeysInPlay(const KeysInPlay& keys) {
    KeyCaps->SetKeys(keys.keys);
    LbChange->setText(FromUtf8View(keys.change));
}

}  // namespace zq
