// The yardstick of the start-up figures: a bare Qt 6 dialog of a label, an
// editable combo box and a button, which is all a logon dialog needs.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Bare dialog"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Profile:")));
    auto* users = new QComboBox;
    users->setEditable(true);
    users->addItems({QStringLiteral("Default"), QStringLiteral("Maria")});
    layout->addWidget(users);
    layout->addWidget(new QPushButton(QStringLiteral("OK")));
    dialog.show();
    return application.exec();
}
