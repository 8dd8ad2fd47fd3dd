#include "app/TFmLogon.h"

#include <filesystem>

#include "app/TSettings.h"
#include "app/TZQStarterLocal.h"
#include "base/AsciiText.h"
#include "base/CodePage.h"
#include "base/Translation.h"

namespace zq {

TFmLogon::TFmLogon(LogonView& view, TSettings& settings) : view_(view), settings_(settings) {}

int TFmLogon::IndexOfUser(const std::string& name8) const {
    for (std::size_t i = 0; i < users_.size(); ++i) {
        if (EqualsIgnoringAsciiCase(users_[i], name8)) return static_cast<int>(i);
    }
    return -1;
}

void TFmLogon::Inform(std::string_view utf8) {
    std::string message(utf8);
    if (users_.empty() && starter_ != nullptr) message += "\n\n" + WhyNoUser();
    view_.InformationBox(message);
}

// Why the list is empty, and what brings users back.
std::string TFmLogon::WhyNoUser() const {
    const ProfileStore& store = starter_->Store();
    const std::string& path = store.Path();
    if (const std::string reason = store.WhyUnreadable(); !reason.empty())
        return Format(Tr("The profile file %s cannot be read: %s."), {path, reason});
    // A build or an install puts the shipped file back only where there is none.
    if (std::filesystem::exists(path)) {
        return Format(Tr("There is no user yet: the profile file %s holds no user. The program leaves "
                         "it as it is; once it is renamed or removed, building or installing the "
                         "program again puts a new one with the user \"Default\" in its place."),
                      {path});
    }
    const std::string folder = std::filesystem::path(path).parent_path().string() + "/";
    if (!std::filesystem::is_directory(folder)) {
        return Format(Tr("There is no user yet: the folder %s, which holds the profiles, is missing and "
                         "could not be made. The environment variables XDG_DATA_HOME and HOME say where "
                         "it lies."),
                      {folder});
    }
    return Format(Tr("There is no user yet: the profile file %s is missing. Building or installing "
                     "the program again puts it back with the user \"Default\"."),
                  {path});
}

void TFmLogon::FillUserList() {
    users_ = starter_ != nullptr ? starter_->Store().UserNames() : std::vector<std::string>();
    view_.SetUserList(users_);
    view_.SelectUser(IndexOfUser(settings_.User));
}

void TFmLogon::FormShown() {
    if (repeatsTold_ || starter_ == nullptr) return;
    const ProfileStore& store = starter_->Store();
    const std::vector<ProfileStore::RepeatedUser> repeats = store.RepeatedUsers();
    if (repeats.empty()) return;
    repeatsTold_ = true;
    std::string message = Format(Tr("The profile file %s holds a user twice:"), {store.Path()});
    for (const ProfileStore::RepeatedUser& repeat : repeats) {
        message += "\n";
        message += Format(Tr("line %s: [%s], the same user as [%s] at line %s"),
                          {std::to_string(repeat.line), ToUtf8(repeat.name), ToUtf8(repeat.firstName),
                           std::to_string(repeat.firstLine)});
    }
    message += "\n\n";
    message +=
        Tr("The program lists each user once and reads and writes only the first of the sections; "
           "it leaves the file as it is. To keep what a second section holds, join the two in the "
           "file by hand, or give the second a name of its own.");
    view_.InformationBox(message);
}

void TFmLogon::OKButtonClick() {
    const std::string name = view_.UserText();
    if (name.empty()) {
        Inform(Tr("Please select a user name from the user list."));
        return;
    }
    if (!IsListed(name)) {
        Inform(Tr(
            "The user name is not in the list. Please either select from the list or add a new user name."));
        return;
    }
    if (!starter_->ReserveUser(name)) {
        Inform(Format(Tr("%s is already logged on in another window of ZQ Typing Tutor on this computer. Go "
                         "on practising there, or exit it and log on here again."),
                      {ToUtf8(name)}));
        return;
    }
    starter_->CurrentProfile.UserName = name;
    settings_.User = name;
    starter_->StartMain(starter_->CurrentProfile);
}

void TFmLogon::BnAddClick() {
    const std::string name = view_.UserText();
    if (name.empty() || !IsListed(name)) {
        Inform(
            Tr("To use an existing profile as basic template to define a new profile, Please select a user "
               "name from the user combobox."));
        return;
    }
    TProfile& existing = starter_->CurrentProfile;
    existing.UserName = name;
    existing.Load();
    TProfile& added = starter_->TemplateProfile;
    added.AssignSettings(existing);
    if (!starter_->EditNewProfile(added)) return;

    if (IsListed(added.UserName)) {
        Inform(Tr("The user name is already in the dropdown list. Please pick up the name and logon."));
        return;
    }
    added.Save();
    Inform(Format(Tr("%s is added to the list."), {ToUtf8(added.UserName)}));
    FillUserList();
}

}  // namespace zq
