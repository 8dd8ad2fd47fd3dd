#include "course/ui/NewCourseWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/Translation.h"
#include "base/ui/MessageBoxes.h"
#include "base/ui/Utf8Text.h"
#include "course/CourseMaker.h"
#include "templates/ui/KeyCapPainter.h"

namespace zq {
namespace {

QString Text(const char* msgid) {
    return QString::fromUtf8(Tr(msgid));
}

}  // namespace

NewCourseWindow::NewCourseWindow(const std::string& coursesFolder, const std::vector<std::string>& takenNames,
                                 QWidget* parent)
    : QDialog(parent),
      painter_(std::make_unique<KeyCapPainter>()),
      maker_(std::make_unique<CourseMaker>(ReadLayoutRegistry(), *painter_)),
      chooser_(std::make_unique<NewCourseChooser>(static_cast<NewCourseView&>(*this), *maker_, coursesFolder,
                                                  takenNames)),
      alphabet_(QLocale(QString::fromStdString(CatalogueLanguage()))) {
    alphabet_.setCaseSensitivity(Qt::CaseInsensitive);
    setObjectName(QStringLiteral("NewCourseWindow"));
    setWindowTitle(Text("New course for a keyboard layout"));

    auto* searchLb = new QLabel(Text("&Search:"), this);
    SearchEd = new QLineEdit(this);
    SearchEd->setObjectName(QStringLiteral("SearchEd"));
    SearchEd->setClearButtonEnabled(true);
    searchLb->setBuddy(SearchEd);
    LayoutsLst = new QListWidget(this);
    LayoutsLst->setObjectName(QStringLiteral("LayoutsLst"));
    LayoutsLst->setAccessibleName(Text("Keyboard layouts"));
    HintLb =
        new QLabel(Text("The course teaches the keys of the layout you choose, with words of its language "
                        "from the computer's dictionary; it is kept among your own courses."),
                   this);
    HintLb->setWordWrap(true);
    MakingBar = new QProgressBar(this);
    MakingBar->setObjectName(QStringLiteral("MakingBar"));
    MakingBar->setAccessibleName(Text("Making the course"));
    MakingBar->setRange(0, 100);
    MakingBar->setVisible(false);
    MakeBn = new QPushButton(Text("&Make course"), this);
    MakeBn->setObjectName(QStringLiteral("MakeBn"));
    MakeBn->setDefault(true);
    CancelBn = new QPushButton(Text("&Cancel"), this);
    CancelBn->setObjectName(QStringLiteral("CancelBn"));

    auto* search = new QHBoxLayout;
    search->addWidget(searchLb);
    search->addWidget(SearchEd, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(MakingBar, 1);
    buttons->addStretch();
    buttons->addWidget(MakeBn);
    buttons->addWidget(CancelBn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addWidget(LayoutsLst, 1);
    layout->addWidget(HintLb);
    layout->addLayout(buttons);
    // Wide enough for the long descriptions ("Polish (Dvorak, with Polish
    // quotes on quotemark key)") in the window's font.
    resize(QSize(fontMetrics().averageCharWidth() * 100, fontMetrics().height() * 26)
               .expandedTo(minimumSizeHint()));

    connect(SearchEd, &QLineEdit::textChanged, this,
            [this](const QString& text) { chooser_->SearchChanged(text.toStdString()); });
    connect(LayoutsLst, &QListWidget::itemActivated, this, [this] { chooser_->MakeClick(); });
    connect(MakeBn, &QPushButton::clicked, this, [this] { chooser_->MakeClick(); });
    connect(CancelBn, &QPushButton::clicked, this, [this] { chooser_->CancelClick(); });
    chooser_->Start();
    SearchEd->setFocus();
}

NewCourseWindow::~NewCourseWindow() = default;

void NewCourseWindow::closeEvent(QCloseEvent* event) {
    // Closing while a course is made cancels the making; the window closes
    // once the maker has stopped.
    if (making_) {
        chooser_->CancelClick();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void NewCourseWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        chooser_->CancelClick();
        return;
    }
    // Up and down in the search box move through the list.
    if ((event->key() == Qt::Key_Down || event->key() == Qt::Key_Up) && SearchEd->hasFocus()) {
        QCoreApplication::sendEvent(LayoutsLst, event);
        return;
    }
    QDialog::keyPressEvent(event);
}

void NewCourseWindow::ShowLayouts(const std::vector<std::string>& linesUtf8, int selected) {
    LayoutsLst->clear();
    for (const std::string& line : linesUtf8) LayoutsLst->addItem(QString::fromStdString(line));
    LayoutsLst->setCurrentRow(selected);
}

int NewCourseWindow::SelectedLayout() const {
    return LayoutsLst->currentRow();
}

void NewCourseWindow::SetMaking(bool making) {
    making_ = making;
    SearchEd->setEnabled(!making);
    LayoutsLst->setEnabled(!making);
    MakeBn->setEnabled(!making);
    MakingBar->setValue(0);
    MakingBar->setVisible(making);
    if (making) CancelBn->setFocus();
}

void NewCourseWindow::ShowProgress(int percent) {
    MakingBar->setValue(percent);
    // The course is made on this thread: the clicks on Cancel come through here.
    QCoreApplication::processEvents();
}

void NewCourseWindow::ErrorMessage(std::string_view utf8) {
    ShowMessageBox(this, QMessageBox::Warning, FromUtf8View(utf8));
}

void NewCourseWindow::CloseDialog(bool made) {
    done(made ? QDialog::Accepted : QDialog::Rejected);
}

bool NewCourseWindow::ComesBefore(std::string_view aUtf8, std::string_view bUtf8) const {
    return alphabet_.compare(FromUtf8View(aUtf8), FromUtf8View(bUtf8)) < 0;
}

}  // namespace zq
