#include "app/ui/TAboutBox.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPen>
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

// A label that shows where the keyboard is: a dark frame while it has the
// focus, in room kept free around its text. A link's own focus mark shows
// only once Tab moves between links, and hardly on the green.
class FramedWhileFocused : public QLabel {
public:
    FramedWhileFocused(const QString& text, QWidget* parent) : QLabel(text, parent) {
        setContentsMargins(kFrameRoom, kFrameRoom, kFrameRoom, kFrameRoom);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        if (!hasFocus()) return;
        QPainter painter(this);
        painter.setPen(QPen(QColor(0, 0, 128), kFrameWidth));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }

private:
    static constexpr int kFrameWidth = 2;
    static constexpr int kFrameRoom = 3;
};

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

    ContentPanel = new QFrame(border);
    ContentPanel->setObjectName(QStringLiteral("ContentPanel"));
    ContentPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ContentPanel->setLineWidth(3);
    borderLayout->addWidget(ContentPanel);
    auto* panelLayout = new QVBoxLayout(ContentPanel);
    panelLayout->setContentsMargins(6, 6, 6, 6);

    ProductFrame = new QFrame(ContentPanel);
    ProductFrame->setObjectName(QStringLiteral("ProductFrame"));
    ProductFrame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    ProductFrame->setMinimumSize(292, 144);
    panelLayout->addWidget(ProductFrame);
    auto* productLayout = new QGridLayout(ProductFrame);
    productLayout->setContentsMargins(10, 10, 10, 10);
    productLayout->setHorizontalSpacing(12);

    IconImage = MakeLabel(QString(), ProductFrame, "IconImage");
    IconImage->setFixedSize(kImageSide, kImageSide);
    IconImage->setPixmap(ProgramIcon(dataFolder_).pixmap(QSize(kImageSide, kImageSide), devicePixelRatio()));
    IconImage->setAccessibleName(Text(Tr("ZQ Typing Tutor")));
    productLayout->addWidget(IconImage, 0, 0, 4, 1, Qt::AlignTop);

    ProductNameLb = MakeLabel(Text(Tr("ZQ Typing Tutor")), ProductFrame, "ProductNameLb");
    QFont productFont = ProductNameLb->font();
    productFont.setPixelSize(24);
    productFont.setBold(true);
    ProductNameLb->setFont(productFont);
    // The version the package gives (src/app/CMakeLists.txt).
    VersionLb = MakeLabel(QStringLiteral("Version " ZQ_VERSION), ProductFrame, "VersionLb");
    CopyrightLb = MakeLabel(Text(Tr("Free software by the ZQ Typing Tutor authors: use it, share it.")),
                            ProductFrame, "CopyrightLb");
    CopyrightLb->setWordWrap(true);
    // A link, underlined in blue, that Tab reaches and Enter follows as a
    // click does.
    WebLb = new FramedWhileFocused(QStringLiteral("<a href=\"manual\" style=\"color: blue\">%1</a>")
                                       .arg(Text(Tr("Read the manual")).toHtmlEscaped()),
                                   ProductFrame);
    WebLb->setObjectName(QStringLiteral("WebLb"));
    WebLb->setTextFormat(Qt::RichText);
    WebLb->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    WebLb->setFocusPolicy(Qt::StrongFocus);
    connect(WebLb, &QLabel::linkActivated, this, &TAboutBox::WebLbClick);
    int row = 0;
    for (QLabel* label : {ProductNameLb, VersionLb, CopyrightLb, WebLb})
        productLayout->addWidget(label, row++, 1);
    productLayout->setRowStretch(row, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    OKButton = new QPushButton(Text(Tr("&OK")), ContentPanel);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(OKButton);
    panelLayout->addLayout(buttons);
    buttonRow_ = buttons;
}

TAboutBox::~TAboutBox() = default;

QVBoxLayout* TAboutBox::PanelLayout() const {
    return static_cast<QVBoxLayout*>(ContentPanel->layout());
}

void TAboutBox::WebLbClick() {
    if (!help_) help_ = std::make_unique<DesktopHelpViewer>();
    if (!OpenManual(dataFolder_, *help_)) {
        ShowMessageBox(this, QMessageBox::Information, Text(MissingManualMessage(dataFolder_).c_str()));
    }
}

void TAboutBox::setVisible(bool visible) {
    if (visible && !isVisible()) {
        if (!testAttribute(Qt::WA_Resized)) adjustSize();
        if (const QScreen* screen = this->screen())
            move(screen->availableGeometry().center() - rect().center());
    }
    QDialog::setVisible(visible);
}

}  // namespace zq
