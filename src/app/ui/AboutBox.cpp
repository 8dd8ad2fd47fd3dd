#include "app/ui/AboutBox.h"

#include <QBoxLayout>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "app/Manual.h"
#include "app/ui/HelpWindow.h"
#include "app/ui/ProgramIcon.h"
#include "base/Translation.h"
#include "base/ui/MessageBoxes.h"

namespace zq {
namespace {

const QColor kMoneyGreen(192, 220, 192);
constexpr int kImageSide = 41;

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QLabel* MakeLabel(const QString& text, QWidget* parent, const char* name) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

}  // namespace

TAboutBox::TAboutBox(std::string dataFolder, QWidget* parent)
    : QDialog(parent), dataFolder_(std::move(dataFolder)) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle(Text(Tr("About")));
    QPalette green = palette();
    green.setColor(QPalette::Window, kMoneyGreen);
    setPalette(green);
    setAutoFillBackground(true);

    // The one-pixel border around the window, then the raised panel.
    auto* border = new QFrame(this);
    border->setFrameShape(QFrame::Box);
    border->setLineWidth(1);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(border);
    auto* borderLayout = new QVBoxLayout(border);
    borderLayout->setContentsMargins(1, 1, 1, 1);

    Panel1 = new QFrame(border);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(3);
    borderLayout->addWidget(Panel1);
    auto* panelLayout = new QVBoxLayout(Panel1);
    panelLayout->setContentsMargins(6, 6, 6, 6);

    Bevel1 = new QFrame(Panel1);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setMinimumSize(292, 144);
    panelLayout->addWidget(Bevel1);
    auto* bevelLayout = new QGridLayout(Bevel1);
    bevelLayout->setContentsMargins(10, 10, 10, 10);
    bevelLayout->setHorizontalSpacing(12);

    Image1 = MakeLabel(QString(), Bevel1, "Image1");
    Image1->setFixedSize(kImageSide, kImageSide);
    Image1->setPixmap(ProgramIcon(dataFolder_).pixmap(QSize(kImageSide, kImageSide), devicePixelRatio()));
    bevelLayout->addWidget(Image1, 0, 0, 4, 1, Qt::AlignTop);

    ProductNameLb = MakeLabel(Text(Tr("ZQ Typing Tutor")), Bevel1, "ProductNameLb");
    QFont productFont = ProductNameLb->font();
    productFont.setPixelSize(24);
    productFont.setBold(true);
    ProductNameLb->setFont(productFont);
    VersionLb = MakeLabel(QStringLiteral("Version 7.2"), Bevel1, "VersionLb");
    CopyrightLb = MakeLabel(Text(Tr("Free software by the ZQ Typing Tutor authors: use it, share it.")),
                            Bevel1, "CopyrightLb");
    CopyrightLb->setWordWrap(true);
    WebLb = MakeLabel(Text(Tr("Read the manual")), Bevel1, "WebLb");
    QFont linkFont = WebLb->font();
    linkFont.setUnderline(true);
    WebLb->setFont(linkFont);
    QPalette blue = WebLb->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    WebLb->setPalette(blue);
    WebLb->setCursor(Qt::PointingHandCursor);
    WebLb->installEventFilter(this);
    int row = 0;
    for (QLabel* label : {ProductNameLb, VersionLb, CopyrightLb, WebLb})
        bevelLayout->addWidget(label, row++, 1);
    bevelLayout->setRowStretch(row, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    OKButton = new QPushButton(Text(Tr("&OK")), Panel1);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(OKButton);
    panelLayout->addLayout(buttons);
    buttonRow_ = buttons;
}

TAboutBox::~TAboutBox() = default;

QVBoxLayout* TAboutBox::PanelLayout() const {
    return static_cast<QVBoxLayout*>(Panel1->layout());
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == WebLb && event->type() == QEvent::MouseButtonRelease) WebLbClick();
    return QDialog::eventFilter(watched, event);
}

void TAboutBox::WebLbClick() {
    if (!help_) help_ = std::make_unique<DesktopHelpViewer>();
    if (!OpenManual(dataFolder_, *help_)) {
        ShowMessageBox(this, QMessageBox::Information, Text(MissingManualMessage(dataFolder_).c_str()));
    }
}

void TAboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
}

}  // namespace zq
