#include "keyboard/TKeyboardLayoutAgent.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "base/CodePage.h"
#include "base/LibraryError.h"
#include "base/Numbers.h"
#include "base/Translation.h"

namespace zq {
namespace {

std::uint16_t LowWord(std::uint32_t value) {
    return static_cast<std::uint16_t>(value & 0xFFFF);
}
std::uint16_t HighWord(std::uint32_t value) {
    return static_cast<std::uint16_t>(value >> 16);
}

// A translated fixed text of the information lines, as 8-bit text.
std::string Text(const char* msgid) {
    return FromUtf8(Tr(msgid));
}

bool IsHexDigit(char ch) {
    return std::isxdigit(static_cast<unsigned char>(ch)) != 0;
}

// The form the program writes Windows identifiers in: 8 hexadecimal digits.
bool IsWindowsIdentifier(std::string_view text) {
    return text.size() == 8 && std::all_of(text.begin(), text.end(), IsHexDigit);
}

// XKB names layouts and variants with letters, digits, "_" and "-".
bool IsXkbWord(std::string_view word) {
    return !word.empty() && std::all_of(word.begin(), word.end(), [](char ch) {
        return std::isalnum(static_cast<unsigned char>(ch)) != 0 || ch == '_' || ch == '-';
    });
}

// The text the installed list names a layout by (see the class comment).
std::string IdentifierText(const InstalledLayout& layout) {
    return layout.identifier != 0 || layout.xkbName.empty() ? LayoutIdentifierText(layout.identifier)
                                                            : layout.xkbName;
}

}  // namespace

std::string LayoutIdentifierText(std::uint32_t identifier) {
    char text[9];
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(identifier));
    return text;
}

std::optional<std::uint32_t> ParseLayoutIdentifier(std::string_view text) {
    const bool hexDigitsOnly = std::all_of(text.begin(), text.end(), IsHexDigit);
    if (text.empty() || text.size() > 8 || !hexDigitsOnly) return std::nullopt;
    std::string hexNumber = "$";
    hexNumber += text;  // appended, not concatenated: GCC 12 misreports the latter (-Wrestrict)
    const auto value = TryParseInt32(hexNumber);
    if (!value) return std::nullopt;
    return static_cast<std::uint32_t>(*value);
}

std::optional<XkbLayoutName> ParseXkbLayoutName(std::string_view text) {
    const size_t open = text.find('(');
    if (open == std::string_view::npos) {
        if (!IsXkbWord(text)) return std::nullopt;
        return XkbLayoutName{std::string(text), {}};
    }
    const std::string_view layout = text.substr(0, open);
    if (!text.ends_with(')')) return std::nullopt;
    const std::string_view variant = text.substr(open + 1, text.size() - open - 2);
    if (!IsXkbWord(layout) || !IsXkbWord(variant)) return std::nullopt;
    return XkbLayoutName{std::string(layout), std::string(variant)};
}

TKeyboardLayoutAgent::TKeyboardLayoutAgent(std::unique_ptr<LayoutBackend> backend)
    : backend_(std::move(backend)), installed_(backend_->InstalledLayouts()) {
    ReadLoadedLayouts();
    originalLayout_ = backend_->ActiveLayout();
    originalLayoutName_ = VariationName(originalLayout_);
}

void TKeyboardLayoutAgent::Refresh() {
    ReadLoadedLayouts();
    BuildLayoutList();
    BuildInfoLines();
}

void TKeyboardLayoutAgent::ReadLoadedLayouts() {
    loaded_ = backend_->LoadedLayouts();
    if (loaded_.size() > kMaxLoadedLayouts) loaded_.resize(kMaxLoadedLayouts);
}

void TKeyboardLayoutAgent::BuildLayoutList() {
    layoutList_.clear();
    for (const InstalledLayout& layout : installed_) {
        layoutList_.push_back(layout.name + " - " + IdentifierText(layout));
    }
}

void TKeyboardLayoutAgent::BuildInfoLines() {
    infoLines_.clear();
    infoLines_.push_back(Text("Loaded input locale identifiers:"));
    for (std::uint32_t handle : loaded_) {
        infoLines_.push_back("  " + DisplayName(handle) + " = " + VariationName(handle) + "-" +
                             LocaleText(handle, LocaleInfo::LanguageId));
    }
    const std::uint32_t active = backend_->ActiveLayout();
    infoLines_.push_back(Text("Current locale identifiers:"));
    infoLines_.push_back("  " + Text("Display name: ") + DisplayName(active));
    infoLines_.push_back("  " + Text("Variantion name: ") + VariationName(active));
    infoLines_.push_back("  " + Text("Language: ") + LocaleText(active, LocaleInfo::LanguageName));
    infoLines_.push_back("  " + Text("Country: ") + LocaleText(active, LocaleInfo::CountryName));
}

std::string TKeyboardLayoutAgent::LocaleText(std::uint32_t handle, LocaleInfo info) const {
    return backend_->LocaleText(LowWord(handle), info);
}

bool TKeyboardLayoutAgent::ActivateLayout(const std::string& identifier) {
    if (!ActivateByIdentifier(identifier)) return false;
    ReadLoadedLayouts();
    return true;
}

// A text that is an XKB name is tried as one first ("de" is both an XKB
// name and a hexadecimal number); the program's own 8 digits never are.
bool TKeyboardLayoutAgent::ActivateByIdentifier(const std::string& identifier) {
    if (!IsWindowsIdentifier(identifier)) {
        const std::optional<XkbLayoutName> name = ParseXkbLayoutName(identifier);
        if (name && backend_->ActivateXkbLayout(*name)) return true;
    }
    const auto number = ParseLayoutIdentifier(identifier);
    return number && backend_->Activate(*number);
}

bool TKeyboardLayoutAgent::ActivateLayoutAt(std::int32_t index) {
    return ActivateLayout(LayoutIdAt(index));
}

std::int32_t TKeyboardLayoutAgent::IndexOfLayout(std::string_view identifier) const {
    for (std::size_t i = 0; i < installed_.size(); ++i) {
        if (IdentifierText(installed_[i]) == identifier) return static_cast<std::int32_t>(i);
    }
    for (std::size_t i = 0; i < installed_.size(); ++i) {
        if (!installed_[i].xkbName.empty() && installed_[i].xkbName == identifier)
            return static_cast<std::int32_t>(i);
    }
    return -1;
}

std::string TKeyboardLayoutAgent::LayoutIdAt(std::int32_t index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= installed_.size()) {
        throw ListIndexOutOfBoundsError(index);
    }
    return IdentifierText(installed_[static_cast<std::size_t>(index)]);
}

const InstalledLayout* TKeyboardLayoutAgent::InstalledFor(std::uint32_t handle) const {
    // A basic layout's handle repeats the language in both words; a variant's
    // high word carries 0xF000 plus the variant number.
    const std::uint32_t key = HighWord(handle) == LowWord(handle) ? LowWord(handle) : handle & 0x0FFFFFFF;
    for (const InstalledLayout& layout : installed_) {
        if (layout.identifier == 0 && !layout.xkbName.empty()) continue;  // no handle names it
        if (LowWord(layout.identifier) == LowWord(key) && layout.layoutId == HighWord(key)) return &layout;
    }
    return nullptr;
}

std::string TKeyboardLayoutAgent::VariationName(std::uint32_t handle) const {
    const InstalledLayout* layout = InstalledFor(handle);
    return layout != nullptr ? layout->name : std::string();
}

std::int32_t TKeyboardLayoutAgent::OriginalLayoutIndex() const {
    const InstalledLayout* layout = InstalledFor(originalLayout_);
    return layout != nullptr ? static_cast<std::int32_t>(layout - installed_.data()) : -1;
}

std::string TKeyboardLayoutAgent::DisplayName(std::uint32_t handle) const {
    std::string name = LocaleText(handle, LocaleInfo::LanguageName);
    if (HighWord(handle) != LowWord(handle)) name += " - " + VariationName(handle);
    return name;
}

}  // namespace zq
