#include "profile/ui/TProfileFm.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/CodePage.h"
#include "base/Translation.h"
#include "base/ui/Colors.h"
#include "base/ui/ComboBoxName.h"
#include "base/ui/MessageBoxes.h"
#include "base/ui/Utf8Text.h"
#include "course/ui/NewCourseWindow.h"
#include "profile/ui/ColorComboBox.h"
#include "profile/ui/FontChooserDialog.h"
#include "profile/ui/Fonts.h"

namespace zq {
namespace {

constexpr QSize kClientArea(395, 419);
constexpr int kWindowFontPixels = 15;
constexpr const char* kDefaultWindowFont = "Arial";
// The example edits keep their height whatever font they show: a very large
// font is cut rather than stretching the dialog.
constexpr int kExampleHeight = 30;

QString Text(const char* msgid) {
    return QString::fromUtf8(Tr(msgid));
}

QString From8Bit(std::string_view text8) {
    return QString::fromStdString(ToUtf8(text8));
}

QStringList From8Bit(const std::vector<std::string>& lines8) {
    QStringList lines;
    for (const std::string& line : lines8) lines << From8Bit(line);
    return lines;
}

std::string To8Bit(const QString& text) {
    return FromUtf8(text.toStdString());
}

void SetTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

QComboBox* MakeEditableList(QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(8);
    return box;
}

QLineEdit* MakeExample(QWidget* parent) {
    auto* edit = new QLineEdit(QStringLiteral("ExAmPLe"), parent);
    edit->setFixedHeight(kExampleHeight);
    edit->setMinimumWidth(60);  // not the width the font would ask for
    return edit;
}

}  // namespace

TProfileFm::TProfileFm(const ProfileStore& store, QWidget* parent) : QDialog(parent), logic_(*this, store) {
    FormCreate();
}

void TProfileFm::FormCreate() {
    setWindowTitle(Text("Profile"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    QFont windowFont(QString::fromLatin1(kDefaultWindowFont));
    windowFont.setPixelSize(kWindowFontPixels);
    setFont(windowFont);
    fontChooser_ = &FontChooserDialog::Choose;
    colorChooser_ = [](QWidget* parent, TColor initial) -> std::optional<TColor> {
        const QColor chosen = QColorDialog::getColor(ToQColor(initial), parent);
        if (!chosen.isValid()) return std::nullopt;
        return FromQColor(chosen);
    };

    UserLb = new QLabel(Text("User:"), this);
    UserEd = MakeEditableList(this);
    UserEd->setObjectName(QStringLiteral("UserEd"));
    QPalette userPalette = UserEd->palette();
    userPalette.setColor(QPalette::Base, QColor(Qt::yellow));
    userPalette.setColor(QPalette::Text, QColor(Qt::black));
    UserEd->setPalette(userPalette);
    UserLb->setBuddy(UserEd);
    SetComboBoxName(*UserEd, Text("User"));

    CourseLb = new QLabel(Text("Course:"), this);
    // Only the courses there are: a name typed in would name no folder.
    CourseEd = new QComboBox(this);
    CourseEd->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    CourseEd->setMinimumContentsLength(8);
    CourseEd->setObjectName(QStringLiteral("CourseEd"));
    CourseLb->setBuddy(CourseEd);
    connect(CourseEd, &QComboBox::activated, this, [this](int index) { logic_.CoursePicked(index); });
    SetComboBoxName(*CourseEd, Text("Course"));

    ProgressCaptionLb = new QLabel(Text("Progress:"), this);
    ProgressLb = new QLabel(this);
    TimeCaptionLb = new QLabel(Text("Practice time:"), this);
    TimeLb = new QLabel(this);
    for (QLabel* figure : {ProgressLb, TimeLb}) SetTextColor(figure, ToQColor(clBlue));

    auto* header = new QGridLayout;
    header->addWidget(UserLb, 0, 0);
    header->addWidget(UserEd, 0, 1, 1, 3);
    header->addWidget(CourseLb, 1, 0);
    header->addWidget(CourseEd, 1, 1, 1, 3);
    header->addWidget(ProgressCaptionLb, 2, 0);
    header->addWidget(ProgressLb, 2, 1);
    header->addWidget(TimeCaptionLb, 2, 2);
    header->addWidget(TimeLb, 2, 3);
    header->setVerticalSpacing(4);
    header->setColumnStretch(1, 1);
    header->setColumnStretch(3, 2);

    ProfileTabs = new QTabWidget(this);
    ProfileTabs->setAccessibleName(Text("Settings"));
    ProfileTabs->addTab(CreateLayoutTab(), Text("Layout"));
    ProfileTabs->addTab(CreateMiscTab(), Text("Misc"));
    ProfileTabs->addTab(CreateKeyboardTab(), Text("Keyboard"));
    ProfileTabs->addTab(CreateGoalsTab(), Text("Goals"));
    ProfileTabs->setCurrentWidget(LayoutTab);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 8, 8, 8);
    outer->addLayout(header);
    outer->addWidget(ProfileTabs, 1);
    outer->addLayout(CreateButtonRow());

    resize(kClientArea);
}

QWidget* TProfileFm::CreateLayoutTab() {
    LayoutTab = new QWidget;
    SetFontBn = new QPushButton(Text("Line"), LayoutTab);
    ExampleEd = MakeExample(LayoutTab);
    ParagraphFontBn = new QPushButton(Text("Paragraph"), LayoutTab);
    ParagraphExampleEd = MakeExample(LayoutTab);
    GameFontBn = new QPushButton(Text("Game"), LayoutTab);
    GameExampleEd = MakeExample(LayoutTab);
    // Each example shows the font of the button beside it.
    ExampleEd->setAccessibleName(Text("Example of the line font"));
    ParagraphExampleEd->setAccessibleName(Text("Example of the paragraph font"));
    GameExampleEd->setAccessibleName(Text("Example of the game font"));
    BgColorLb = new QLabel(Text("Background color:"), LayoutTab);
    EdColor = new ColorComboBox(LayoutTab);
    EdColor->setObjectName(QStringLiteral("EdColor"));
    BgColorLb->setBuddy(EdColor);
    GameBgColorLb = new QLabel(Text("Game BG color:"), LayoutTab);
    ColorEd = new ColorComboBox(LayoutTab);
    ColorEd->setObjectName(QStringLiteral("ColorEd"));
    ColorEd->AllowTyping();
    GameBgColorLb->setBuddy(ColorEd);
    SetComboBoxName(*EdColor, Text("Background color"));
    SetComboBoxName(*ColorEd, Text("Game background color"));

    // Enter in an example edit must not open a font chooser.
    for (QPushButton* button : {SetFontBn, ParagraphFontBn, GameFontBn}) button->setAutoDefault(false);
    connect(SetFontBn, &QPushButton::clicked, this, [this] { logic_.SetFontBnClick(); });
    connect(ParagraphFontBn, &QPushButton::clicked, this, [this] { logic_.ParagraphFontBnClick(); });
    connect(GameFontBn, &QPushButton::clicked, this, [this] { logic_.GameFontBnClick(); });
    connect(EdColor, &ColorComboBox::ColorPicked, this,
            [this](int index) { logic_.ColorPicked(ColorBox::Background, index); });
    connect(ColorEd, &ColorComboBox::ColorPicked, this,
            [this](int index) { logic_.ColorPicked(ColorBox::GameBackground, index); });

    auto* grid = new QGridLayout(LayoutTab);
    grid->addWidget(SetFontBn, 0, 0);
    grid->addWidget(ExampleEd, 0, 1);
    grid->addWidget(ParagraphFontBn, 1, 0);
    grid->addWidget(ParagraphExampleEd, 1, 1);
    grid->addWidget(GameFontBn, 2, 0);
    grid->addWidget(GameExampleEd, 2, 1);
    grid->addWidget(BgColorLb, 3, 0);
    grid->addWidget(EdColor, 3, 1);
    grid->addWidget(GameBgColorLb, 4, 0);
    grid->addWidget(ColorEd, 4, 1);

    // Large print and contrast belong with the fonts and colours they override.
    ChkEasyReading = new QCheckBox(Text("Easy reading"), LayoutTab);
    ChkEasyReading->setToolTip(
        Text("Large print and strong contrast in the drills and the game, and a larger keyboard and hands"));
    ChkEasyReading->setAccessibleDescription(ChkEasyReading->toolTip());
    connect(ChkEasyReading, &QCheckBox::clicked, this, [this](bool on) { logic_.EasyReadingClicked(on); });
    grid->addWidget(ChkEasyReading, 5, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(6, 1);
    return LayoutTab;
}

QWidget* TProfileFm::CreateMiscTab() {
    MiscTab = new QWidget;
    auto* column = new QVBoxLayout(MiscTab);
    // Nine switches and the speech rate in the dialog's height: close
    // together, near the edges.
    column->setSpacing(0);
    column->setContentsMargins(column->contentsMargins().left(), 4, column->contentsMargins().right(), 4);
    const auto addSwitch = [&](const char* caption) {
        auto* box = new QCheckBox(Text(caption), MiscTab);
        column->addWidget(box);
        return box;
    };
    ChkFunSpeed = addSwitch("Different speeds enabled");
    ChkFunSpeed->setToolTip(Text("Enable the word fall at different speeds in the game"));
    HighlightEd = addSwitch("Highlight the letter to be typed");
    BlinkingEd = addSwitch("Blink the on-screen key and finger");
    ChkFullScreen = addSwitch("Full screen");
    ChkDrillSoundEnabled = addSwitch("Enable drill sound");
    ChkGameSoundEnabled = addSwitch("Enable Game Sound");
    ChkPopupAtEnd = addSwitch("Popup statistic at the end of a drill");
    ChkShowModifiers = addSwitch("Show Shift, AltGr and dead keys");

    // Speech and its rate share the last row.
    ChkSpeak = new QCheckBox(Text("Speak"), MiscTab);
    ChkSpeak->setToolTip(Text("Say the next character or word, the finger, mistakes and results"));
    LbSpeechRate = new QLabel(Text("Speech rate:"), MiscTab);
    SpeechRateEd = new QSpinBox(MiscTab);
    SpeechRateEd->setObjectName(QStringLiteral("SpeechRateEd"));
    SpeechRateEd->setRange(RangeOf(ProfileNumber::SpeechRate).lowest,
                           RangeOf(ProfileNumber::SpeechRate).highest);
    SpeechRateEd->setToolTip(Text("From -10, the slowest, to 10, the fastest; 0 is the voice's own pace"));
    LbSpeechRate->setBuddy(SpeechRateEd);
    auto* speechRow = new QHBoxLayout;
    speechRow->setSpacing(6);  // not the switches' none, which it would inherit
    speechRow->addWidget(ChkSpeak);
    speechRow->addStretch(1);
    speechRow->addWidget(LbSpeechRate);
    speechRow->addWidget(SpeechRateEd);
    column->addLayout(speechRow);
    column->addStretch(1);
    return MiscTab;
}

QWidget* TProfileFm::CreateGoalsTab() {
    GoalsTab = new QWidget;
    const auto addNumber = [this](ProfileNumber which, const char* name, const char* unit) {
        auto* box = new QSpinBox(GoalsTab);
        box->setObjectName(QString::fromLatin1(name));
        box->setRange(RangeOf(which).lowest, RangeOf(which).highest);
        box->setSuffix(QStringLiteral(" ") + Text(unit));
        return box;
    };
    TargetSpeedLb = new QLabel(Text("Target speed of the adaptive drill:"), GoalsTab);
    TargetSpeedEd = addNumber(ProfileNumber::TargetSpeed, "TargetSpeedEd", "keys per minute");
    TargetSpeedLb->setBuddy(TargetSpeedEd);
    DailyGoalLb = new QLabel(Text("Daily goal of practice:"), GoalsTab);
    DailyGoalEd = addNumber(ProfileNumber::DailyGoal, "DailyGoalEd", "minutes");
    DailyGoalLb->setBuddy(DailyGoalEd);
    auto* hint = new QLabel(Text("Every key of the adaptive drill is to reach the target speed before the "
                                 "next key of the course joins. The main window counts your days against "
                                 "the daily goal."),
                            GoalsTab);
    hint->setWordWrap(true);

    // Each label above its box, so that a long translation does not widen the dialog.
    auto* column = new QVBoxLayout(GoalsTab);
    column->setSpacing(4);
    column->addWidget(TargetSpeedLb);
    column->addWidget(TargetSpeedEd, 0, Qt::AlignLeft);
    column->addSpacing(8);
    column->addWidget(DailyGoalLb);
    column->addWidget(DailyGoalEd, 0, Qt::AlignLeft);
    column->addSpacing(8);
    column->addWidget(hint);
    column->addStretch(1);
    return GoalsTab;
}

QWidget* TProfileFm::CreateKeyboardTab() {
    KeyboardTab = new QWidget;
    KeyboardsLb = new QLabel(Text("Available keyboard layouts"), KeyboardTab);
    KeyboardsCombo = new QComboBox(KeyboardTab);
    KeyboardsCombo->setObjectName(QStringLiteral("KeyboardsCombo"));
    KeyboardsCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    KeyboardsCombo->setMinimumContentsLength(12);
    KeyboardsLb->setBuddy(KeyboardsCombo);
    SetComboBoxName(*KeyboardsCombo, Text("Available keyboard layouts"));
    InfoMemo = new QPlainTextEdit(KeyboardTab);
    InfoMemo->setReadOnly(true);
    InfoMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    InfoMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    InfoMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    InfoMemo->setMinimumHeight(40);
    InfoMemo->setAccessibleName(Text("About the keyboard layouts"));
    OriginalKeyboardCaptionLb = new QLabel(Text("Keyboard layout before starting:"), KeyboardTab);
    OriginalKeyboardNameLb = new QLabel(KeyboardTab);
    // A long layout name is cut rather than widening the dialog.
    OriginalKeyboardNameLb->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    SetTextColor(OriginalKeyboardNameLb, ToQColor(clNavy));
    BnApplyKb = new QPushButton(Text("Activate layout"), KeyboardTab);
    BnApplyKb->setAutoDefault(false);
    connect(BnApplyKb, &QPushButton::clicked, this, [this] { logic_.BnApplyKbClick(); });

    auto* column = new QVBoxLayout(KeyboardTab);
    column->setSpacing(4);
    column->addWidget(KeyboardsLb);
    column->addWidget(KeyboardsCombo);
    column->addWidget(InfoMemo, 1);
    column->addWidget(OriginalKeyboardCaptionLb);
    auto* lastRow = new QHBoxLayout;
    lastRow->addWidget(OriginalKeyboardNameLb, 1);
    lastRow->addWidget(BnApplyKb);
    column->addLayout(lastRow);
    return KeyboardTab;
}

QLayout* TProfileFm::CreateButtonRow() {
    OkBn = new QPushButton(Text("&Save"), this);
    OkBn->setToolTip(
        Text("Save user profile, or add user profile if the user name is different from current user."));
    EraseBn = new QPushButton(Text("&Erase"), this);
    EraseBn->setToolTip(Text("Erase user profile marked by user name."));
    BnApply = new QPushButton(Text("&Apply"), this);
    BnApply->setToolTip(
        Text("Apply user profile, and close. The user profile will be saved when exiting the program."));
    CancelBn = new QPushButton(Text("&Close"), this);

    connect(OkBn, &QPushButton::clicked, this, [this] { logic_.OkBnClick(); });
    connect(EraseBn, &QPushButton::clicked, this, [this] { logic_.EraseBnClick(); });
    connect(BnApply, &QPushButton::clicked, this, [this] { logic_.BnApplyClick(); });
    connect(CancelBn, &QPushButton::clicked, this, [this] { logic_.CancelBnClick(); });

    auto* row = new QHBoxLayout;
    for (QPushButton* button : {OkBn, EraseBn, BnApply, CancelBn}) {
        // Enter confirms a typed name or colour; it never saves or closes.
        button->setAutoDefault(false);
        row->addWidget(button);
    }
    return row;
}

void TProfileFm::SetWindowFont(const std::string& fontName8, std::int32_t /*charset*/) {
    QFont windowFont = font();
    windowFont.setFamily(From8Bit(fontName8));
    setFont(windowFont);
}

int TProfileFm::ExecuteEdit(TProfile& profile) {
    PlaceInTheMiddleOfTheScreen();  // a layout message while filling shows over it
    logic_.StartEdit(profile);
    return ExecuteDialog();
}

int TProfileFm::ExecuteNewUser(TProfile& profile) {
    PlaceInTheMiddleOfTheScreen();
    logic_.StartNewUser(profile);
    return ExecuteDialog();
}

int TProfileFm::ExecuteDialog() {
    FitClientArea();
    PlaceInTheMiddleOfTheScreen();
    return exec();
}

void TProfileFm::PlaceInTheMiddleOfTheScreen() {
    const QScreen* screen = parentWidget() != nullptr ? parentWidget()->screen() : this->screen();
    if (screen == nullptr) return;
    QRect frame(QPoint(), size());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void TProfileFm::FitClientArea() {
    // The dialog keeps its size; a font or a language with longer texts may
    // only make it larger, never cut a control.
    layout()->activate();
    setFixedSize(kClientArea.expandedTo(layout()->minimumSize()));
}

// --- above the tabs ----------------------------------------------------------

void TProfileFm::SetUserText(std::string_view text8) {
    UserEd->setEditText(From8Bit(text8));
}

std::string TProfileFm::UserText() const {
    return To8Bit(UserEd->currentText());
}

void TProfileFm::SetUserList(const std::vector<std::string>& names8) {
    const QString typed = UserEd->currentText();
    UserEd->clear();
    UserEd->addItems(From8Bit(names8));
    UserEd->setEditText(typed);
}

void TProfileFm::ShowCourseList(const std::vector<std::string>& namesUtf8) {
    CourseEd->clear();
    for (const std::string& name : namesUtf8) CourseEd->addItem(QString::fromStdString(name));
}

void TProfileFm::SelectCourse(int index, std::string_view placeholderUtf8) {
    CourseEd->setPlaceholderText(FromUtf8View(placeholderUtf8));
    CourseEd->setCurrentIndex(index);
}

int TProfileFm::SelectedCourse() const {
    return CourseEd->currentIndex();
}

std::optional<std::string> TProfileFm::MakeNewCourse(const std::string& coursesFolder,
                                                     const std::vector<std::string>& takenNames) {
    NewCourseWindow window(coursesFolder, takenNames, this);
    window.setFont(font());
    if (window.exec() != QDialog::Accepted) return std::nullopt;
    return window.MadeCourse();
}

void TProfileFm::SetProgressText(std::string_view utf8) {
    ProgressLb->setText(FromUtf8View(utf8));
}

void TProfileFm::SetTimeText(std::string_view utf8) {
    TimeLb->setText(FromUtf8View(utf8));
}

// --- "Layout" tab --------------------------------------------------------------

QLineEdit* TProfileFm::Example(ExampleFont example) const {
    switch (example) {
        case ExampleFont::Line:
            return ExampleEd;
        case ExampleFont::Paragraph:
            return ParagraphExampleEd;
        case ExampleFont::Game:
            return GameExampleEd;
    }
    return ExampleEd;
}

void TProfileFm::ShowExampleFont(ExampleFont example, const TFontRecord& font) {
    QLineEdit* edit = Example(example);
    edit->setFont(ToQFont(font));
    // Text cannot be drawn in "no colour": such a font shows in the usual one.
    const QColor usual = palette().color(QPalette::Text);
    SetTextColor(edit, font.Color == clNone ? usual : ToQColor(font.Color, palette(), usual));
}

void TProfileFm::SetGameExampleBackground(TColor color) {
    QPalette examplePalette = GameExampleEd->palette();
    examplePalette.setColor(QPalette::Base, ToQColor(color, palette(), palette().color(QPalette::Base)));
    GameExampleEd->setPalette(examplePalette);
}

ColorComboBox* TProfileFm::ColorBoxOf(ColorBox box) const {
    return box == ColorBox::Background ? EdColor : ColorEd;
}

std::vector<std::string> TProfileFm::FontFamilies() const {
    std::vector<std::string> families;
    for (const QString& family : QFontDatabase::families()) families.push_back(To8Bit(family));
    return families;
}

void TProfileFm::ShowColors(ColorBox box, const ColorList& colors) {
    ColorBoxOf(box)->ShowColors(colors);
}

// --- "Misc" tab ------------------------------------------------------------------

QCheckBox* TProfileFm::CheckBoxOf(ProfileSwitch which) const {
    switch (which) {
        case ProfileSwitch::FunSpeed:
            return ChkFunSpeed;
        case ProfileSwitch::HighLight:
            return HighlightEd;
        case ProfileSwitch::Blinking:
            return BlinkingEd;
        case ProfileSwitch::FullScreen:
            return ChkFullScreen;
        case ProfileSwitch::DrillSoundEnabled:
            return ChkDrillSoundEnabled;
        case ProfileSwitch::GameSoundEnabled:
            return ChkGameSoundEnabled;
        case ProfileSwitch::PopupAtEnd:
            return ChkPopupAtEnd;
        case ProfileSwitch::ShowModifiers:
            return ChkShowModifiers;
        case ProfileSwitch::Speak:
            return ChkSpeak;
        case ProfileSwitch::EasyReading:
            return ChkEasyReading;
    }
    return ChkFunSpeed;
}

void TProfileFm::SetSwitch(ProfileSwitch which, bool on) {
    CheckBoxOf(which)->setChecked(on);
}

bool TProfileFm::Switch(ProfileSwitch which) const {
    return CheckBoxOf(which)->isChecked();
}

// --- Number boxes: "Goals" tab and the speech rate ---------------------------------

QSpinBox* TProfileFm::NumberBoxOf(ProfileNumber which) const {
    switch (which) {
        case ProfileNumber::TargetSpeed:
            return TargetSpeedEd;
        case ProfileNumber::DailyGoal:
            return DailyGoalEd;
        case ProfileNumber::SpeechRate:
            return SpeechRateEd;
    }
    return TargetSpeedEd;
}

void TProfileFm::SetNumber(ProfileNumber which, std::int32_t value) {
    NumberBoxOf(which)->setValue(value);
}

std::int32_t TProfileFm::Number(ProfileNumber which) const {
    return NumberBoxOf(which)->value();
}

// --- "Keyboard" tab ----------------------------------------------------------------

void TProfileFm::SetLayoutInfo(const std::vector<std::string>& lines8) {
    InfoMemo->setPlainText(From8Bit(lines8).join(QLatin1Char('\n')));
}

void TProfileFm::SetLayoutList(const std::vector<std::string>& lines8) {
    KeyboardsCombo->clear();
    KeyboardsCombo->addItems(From8Bit(lines8));
    // The list opens as wide as its longest name; the box stays narrow.
    KeyboardsCombo->view()->setMinimumWidth(KeyboardsCombo->view()->sizeHintForColumn(0) + 24);
}

void TProfileFm::SelectLayout(int index) {
    KeyboardsCombo->setCurrentIndex(index);
}

int TProfileFm::SelectedLayout() const {
    return KeyboardsCombo->currentIndex();
}

void TProfileFm::SetOriginalLayoutName(std::string_view name8) {
    OriginalKeyboardNameLb->setText(From8Bit(name8));
    OriginalKeyboardNameLb->setToolTip(OriginalKeyboardNameLb->text());
}

// --- buttons, choosers and messages ---------------------------------------------------

void TProfileFm::HideSaveAndErase() {
    OkBn->hide();
    EraseBn->hide();
}

std::optional<TFontRecord> TProfileFm::ChooseFont(const TFontRecord& initial) {
    return fontChooser_(this, initial);
}

std::optional<TColor> TProfileFm::ChooseColor(TColor initial) {
    return colorChooser_(this, initial);
}

void TProfileFm::PlainMessage(std::string_view utf8) {
    ShowMessageBox(this, QMessageBox::NoIcon, FromUtf8View(utf8));
}

void TProfileFm::InformationMessage(std::string_view utf8) {
    ShowMessageBox(this, QMessageBox::Information, FromUtf8View(utf8));
}

void TProfileFm::ErrorMessage(std::string_view utf8) {
    ShowMessageBox(this, QMessageBox::Critical, FromUtf8View(utf8));
}

bool TProfileFm::Confirm(std::string_view utf8) {
    return AskYesNo(this, FromUtf8View(utf8));
}

void TProfileFm::CloseDialog(bool accepted) {
    done(accepted ? QDialog::Accepted : QDialog::Rejected);
}

}  // namespace zq
