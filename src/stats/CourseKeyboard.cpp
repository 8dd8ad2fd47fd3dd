#include "stats/CourseKeyboard.h"

#include "keyboard/KeyNames.h"
#include "keyboard/TDataMod.h"
#include "keyboard/TranslatedKeyName.h"

namespace zq {

void CourseKeyboard::LoadTemplate(const std::string& path, int codePage) {
    codePage_ = codePage;
    area_.ClearKeys();
    keyFingers_.clear();
    keyNames8_.clear();
    characters_ = {};
    TDataMod store;
    store.LoadTemplate(path);
    fingers_ = FingerSettingsOf(store);
    const std::int32_t background = store.IntSetting("bkcolor");
    try {
        area_.FitToKeys(store.MainTbl, background);
        area_.BuildKeys(store.MainTbl, background, false);
    } catch (const std::exception&) {
        // A damaged key table: the keys built so far are shown.
    }
    ReadFingers(store);
    ReadCharacters(store);
    ReadNames(store);
}

void CourseKeyboard::ReadNames(TDataMod& store) {
    try {
        keyNames8_ = KeyNames8(store);
    } catch (const std::exception&) {
        // A key table the template left unusable: the keys go unnamed.
    }
}

void CourseKeyboard::ReadFingers(TDataMod& store) {
    try {
        store.MainTbl.First();
        for (std::size_t key = 0; key < area_.Keys().size() && !store.MainTbl.Eof(); ++key) {
            keyFingers_.push_back(store.MainTbl.AsInteger("Finger"));
            store.MainTbl.Next();
        }
    } catch (const std::exception&) {
        // The keys after a row that cannot be read have no finger.
    }
}

void CourseKeyboard::ReadCharacters(TDataMod& store) {
    for (int code = 0; code < 256; ++code) {
        try {
            if (!store.Ctbl.Locate("Code", code)) continue;
            if (!store.MainTbl.Locate("KeyValue", store.Ctbl.AsInteger("KeyNo"))) continue;
            const int row = store.MainTbl.RecNo();
            if (row < 1 || row > static_cast<int>(area_.Keys().size())) continue;
            const auto key = static_cast<std::size_t>(row - 1);
            characters_[static_cast<std::size_t>(code)] =
                CharacterKey{key, FingerOfKey(key), store.Ctbl.AsBoolean("Shift"),
                             store.Ctbl.AsBoolean("AltGr"), store.Ctbl.AsInteger("Accent")};
        } catch (const std::exception&) {
            return;  // a table the template left unusable
        }
    }
}

std::optional<CharacterKey> CourseKeyboard::KeyOf(char32_t character) const {
    const std::optional<unsigned char> code = CodeOfChar(character, codePage_);
    if (!code) return std::nullopt;  // a character the template cannot hold
    return characters_[*code];
}

std::int32_t CourseKeyboard::FingerOfKey(std::size_t key) const {
    if (key >= keyFingers_.size() || !IsFinger(keyFingers_[key])) return -1;
    return keyFingers_[key];
}

std::string CourseKeyboard::KeyName(std::size_t key) const {
    return key < keyNames8_.size() ? TranslatedKeyName(ToUtf8(keyNames8_[key], codePage_)) : std::string();
}

KeyRect CourseKeyboard::RectOfKey(std::size_t key) const {
    return key < area_.Keys().size() ? area_.Keys()[key]->Rect() : KeyRect{};
}

bool IsFinger(std::int32_t finger) {
    return finger >= 0 && finger <= 9;
}

int HandOfFinger(std::int32_t finger) {
    return finger <= 4 ? 0 : 1;
}

}  // namespace zq
