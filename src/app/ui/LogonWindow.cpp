#include "app/ui/LogonWindow.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "app/TSettings.h"
#include "base/CodePage.h"
#include "base/Translation.h"
#include "base/ui/ComboBoxName.h"
#include "base/ui/MessageBoxes.h"
#include "base/ui/Utf8Text.h"

namespace zq {
namespace {

constexpr QSize kClientSize(322, 259);
constexpr QSize kProductFrameSize(310, 181);
constexpr int kUserBoxWidth = 247;

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace

LogonWindow::LogonWindow(TSettings& settings, QWidget* parent)
    : TAboutBox(settings.Paths().DataFolder(), parent), logon_(*this, settings) {
    setObjectName(QStringLiteral("FmLogon"));
    // No title bar shows it; task bars and window lists do.
    setWindowTitle(Text(Tr("Log on")));
    ProductFrame->setMinimumSize(kProductFrameSize);

    auto* userRow = new QHBoxLayout;
    ProfileLb = new QLabel(Text(Tr("Profile:")), ContentPanel);
    ProfileLb->setObjectName(QStringLiteral("ProfileLb"));
    ProfileLb->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ComboUser = new QComboBox(ContentPanel);
    ComboUser->setObjectName(QStringLiteral("ComboUser"));
    ComboUser->setEditable(true);
    ComboUser->setInsertPolicy(QComboBox::NoInsert);
    ComboUser->setMinimumWidth(kUserBoxWidth);
    // The box keeps its width whatever the names: sized to its longest, a
    // long name would widen the dialog past the screen. A long name scrolls
    // in the box and is cut short with an ellipsis in the list.
    ComboUser->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboUser->view()->setTextElideMode(Qt::ElideMiddle);
    ComboUser->setToolTip(
        Text(Tr("Input an existing user name or\n"
                "select from the drop-down list by clicking the down-arrow button.")));
    ProfileLb->setBuddy(ComboUser);
    SetComboBoxName(*ComboUser, Text(Tr("Profile")));
    // Enter in the user box logs on, as the default button would; the box
    // passes Enter on to the dialog only at times, and a second handler of
    // the same key opened the same message again once the first closed.
    ComboUser->installEventFilter(this);
    ComboUser->lineEdit()->installEventFilter(this);
    userRow->addWidget(ProfileLb, 1);
    userRow->addWidget(ComboUser);
    PanelLayout()->insertLayout(1, userRow);

    // OK logs on and leaves the dialog open until the main window is there.
    disconnect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(OKButton, &QPushButton::clicked, this, [this] { logon_.OKButtonClick(); });
    BnAdd = new QPushButton(Text(Tr("&Add User")), ContentPanel);
    BnAdd->setObjectName(QStringLiteral("BnAdd"));
    BnAdd->setToolTip(Text(Tr("Add user using existing user profile")));
    BnAdd->setAutoDefault(false);
    connect(BnAdd, &QPushButton::clicked, this, [this] { logon_.BnAddClick(); });
    BnCancel = new QPushButton(Text(Tr("&Exit")), ContentPanel);
    BnCancel->setObjectName(QStringLiteral("BnCancel"));
    BnCancel->setAutoDefault(false);
    connect(BnCancel, &QPushButton::clicked, this, &LogonWindow::reject);
    ButtonRow()->addWidget(BnAdd);
    ButtonRow()->addWidget(BnCancel);

    // Top to bottom, left to right.
    setTabOrder(WebLb, ComboUser);
    setTabOrder(ComboUser, OKButton);
    setTabOrder(OKButton, BnAdd);
    setTabOrder(BnAdd, BnCancel);
    ComboUser->setFocus();
}

void LogonWindow::SetWindowFont(const std::string& fontName8, std::int32_t /*charset*/) {
    QFont windowFont = font();
    windowFont.setFamily(QString::fromStdString(ToUtf8(fontName8)));
    setFont(windowFont);
}

void LogonWindow::EndProgram() {
    hide();
    QCoreApplication::quit();
}

void LogonWindow::SetUserList(const std::vector<std::string>& names8) {
    ComboUser->clear();
    for (const std::string& name : names8) ComboUser->addItem(QString::fromStdString(ToUtf8(name)));
}

void LogonWindow::SelectUser(int index) {
    ComboUser->setCurrentIndex(index);
    if (index < 0) ComboUser->setEditText(QString());
}

std::string LogonWindow::UserText() const {
    return FromUtf8(ComboUser->currentText().toStdString());
}

void LogonWindow::InformationBox(std::string_view utf8) {
    ShowMessageBox(this, QMessageBox::Information, FromUtf8View(utf8));
    // What the learner types next goes into the user box again.
    ComboUser->setFocus();
}

bool LogonWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && !ComboUser->view()->isVisible()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Once the key is handled: a message opened while it is still
            // being delivered would see it again.
            QMetaObject::invokeMethod(OKButton, &QPushButton::click, Qt::QueuedConnection);
            return true;
        }
    }
    return TAboutBox::eventFilter(watched, event);
}

void LogonWindow::setVisible(bool visible) {
    if (visible && !isVisible()) {
        logon_.FormShow();
        setFixedSize(sizeHint().expandedTo(kClientSize));
    }
    TAboutBox::setVisible(visible);
}

void LogonWindow::showEvent(QShowEvent* event) {
    TAboutBox::showEvent(event);
    ComboUser->setFocus();
    // Once the dialog is on screen, so that a message stands in front of it.
    QMetaObject::invokeMethod(
        this, [this] { logon_.FormShown(); }, Qt::QueuedConnection);
}

void LogonWindow::closeEvent(QCloseEvent* event) {
    TAboutBox::closeEvent(event);
    if (event->isAccepted()) QCoreApplication::quit();
}

void LogonWindow::reject() {
    TAboutBox::reject();
    QCoreApplication::quit();
}

}  // namespace zq
