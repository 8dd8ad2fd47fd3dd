#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zq {

class TSettings;
class TZQStarterLocal;

// The logon dialog as its logic sees it. Names are 8-bit text of the code
// page; the window shows them in Unicode.
class LogonView {
public:
    virtual ~LogonView() = default;
    virtual void SetUserList(const std::vector<std::string>& names8) = 0;
    // Selects the user at the index; -1 selects nothing and empties the box.
    virtual void SelectUser(int index) = 0;
    // The text of the user box.
    virtual std::string UserText() const = 0;
    virtual void InformationBox(std::string_view utf8) = 0;
};

// The logon dialog: a user logs on from the users of the profile file, or a
// new user is made from an existing one. Its messages are shown as they
// stand, untranslated.
class TFmLogon {
public:
    TFmLogon(LogonView& view, TSettings& settings);

    void SetStarter(TZQStarterLocal* starter) { starter_ = starter; }
    TZQStarterLocal* Starter() const { return starter_; }

    void FormShow() { FillUserList(); }
    // Once the dialog is on screen: tells, once a run, of sections of the
    // profile file that repeat a user's (they cannot be reached), so that
    // the learner can mend the file by hand.
    void FormShown();
    // The users of the profile file, in file order, with the last user who
    // logged on selected when listed.
    void FillUserList();
    // Logs the typed user on.
    void OKButtonClick();
    // Makes a new user from the typed user's settings.
    void BnAddClick();

    const std::vector<std::string>& Users() const { return users_; }

private:
    int IndexOfUser(const std::string& name8) const;
    bool IsListed(const std::string& name8) const { return IndexOfUser(name8) >= 0; }
    // A message, with a word on how users come about while there is none.
    void Inform(std::string_view utf8);
    std::string WhyNoUser() const;

    LogonView& view_;
    TSettings& settings_;
    TZQStarterLocal* starter_ = nullptr;
    std::vector<std::string> users_;
    bool repeatsTold_ = false;
};

}  // namespace zq
